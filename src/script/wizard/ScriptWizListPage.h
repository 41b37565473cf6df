// CScriptWizListPage: the script wizard's page for $QXList: an order and up to 16 values.
#pragma once

#include "script/wizard/ScriptWizListRows.h"
#include "script/ScriptEditCtrl.h"
#include "script/wizard/ScriptWizardBasePage.h"
#include "script/wizard/ScriptWizardListCtrl.h"

class TKWUI_API CScriptWizListPage : public CScriptWizardBasePage {
  DECLARE_DYNAMIC(CScriptWizListPage)

 public:
  CScriptWizListPage(const CString& strFunction, const CString& strSubtitle);

  CScriptEditCtrl m_editValue;
  CComboBox m_cbFirst;  // the first argument's choices
  CScriptWizardListCtrl m_wndRows;
  CScriptWizRows m_rows;
  CString m_strFirst;
  int m_bFirstSet;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  LRESULT OnWizardBack() override;
  afx_msg void OnSelchangeFirst();
  afx_msg void OnAdd();
  afx_msg void OnRemove();
  DECLARE_MESSAGE_MAP()

 private:
  void Refresh();
};
