// CScriptWizRandNumPage: the script wizard's page for number ranges, substrings and variable
// assignments (two or three arguments).
#pragma once

#include "script/ScriptEditCtrl.h"
#include "script/wizard/ScriptWizardBasePage.h"

class TKWUI_API CScriptWizRandNumPage : public CScriptWizardBasePage {
  DECLARE_DYNAMIC(CScriptWizRandNumPage)

 public:
  CScriptWizRandNumPage(const CString& strFunction, const CString& strSubtitle);

  CScriptEditCtrl m_editFirst;
  CScriptEditCtrl m_editSecond;
  CScriptEditCtrl m_editThird;
  CString m_strFirst;
  CString m_strSecond;
  CString m_strThird;
  int m_nFirst;   // the first argument's number, 0 when none
  int m_nSecond;  // the second argument's number, 0 when none

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  afx_msg void OnChangeFirst();
  afx_msg void OnChangeSecond();
  afx_msg void OnChangeThird();
  DECLARE_MESSAGE_MAP()

 private:
  // Takes an argument's text as the function reads it; writes a cut number back.
  void TakeArgument(int nID, CString& strText, int& nValue, bool& bInside);
  void Refresh();

  bool m_bInFirst;   // the first argument's handler is writing back
  bool m_bInSecond;  // the second argument's handler is writing back
};
