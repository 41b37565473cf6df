// CScriptWizSingleParameterPage: the script wizard's page for functions of one argument.
#pragma once

#include "script/ScriptEditCtrl.h"
#include "script/wizard/ScriptWizardBasePage.h"

class TKWUI_API CScriptWizSingleParameterPage : public CScriptWizardBasePage {
  DECLARE_DYNAMIC(CScriptWizSingleParameterPage)

 public:
  CScriptWizSingleParameterPage(const CString& strFunction, const CString& strSubtitle);

  CScriptEditCtrl m_editArgument;
  CComboBox m_cbChoices;  // the parameter's choices, when it has any
  CString m_strArgument;  // the argument as the call writes it
  int m_nArgument;        // a numeric argument's value

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  afx_msg void OnChangeArgument();
  afx_msg void OnSelchangeChoices();
  DECLARE_MESSAGE_MAP()

 private:
  void Refresh();
};
