// CWizFileAccessPage: the script wizard's page for functions that read values from a file.
#pragma once

#include "script/ScriptEditCtrl.h"
#include "script/wizard/ScriptWizardBasePage.h"

class TKWUI_API CWizFileAccessPage : public CScriptWizardBasePage {
  DECLARE_DYNAMIC(CWizFileAccessPage)

 public:
  CWizFileAccessPage(const CString& strFunction, const CString& strSubtitle);

  CScriptEditCtrl m_editFile;
  CComboBox m_cbMode;
  CScriptEditCtrl m_editThird;
  CScriptEditCtrl m_editFourth;
  bool m_bFileChosen;
  bool m_bModeChosen;
  CString m_strFile;
  CString m_strMode;
  CString m_strThird;
  CString m_strFourth;
  int m_nMode;  // the selected mode's index, -1 for none

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  afx_msg void OnBrowse();
  afx_msg void OnSelchangeMode();
  afx_msg void OnChangeFile();
  afx_msg void OnChangeThird();
  afx_msg void OnChangeFourth();
  DECLARE_MESSAGE_MAP()

 private:
  bool IsRandStr() const { return m_strFunction == L"$QXRandStr"; }
  // The text of a numeric argument, cut to a whole number unless it is an expression.
  CString TakeNumber(int nID);
  void ShowArgument(int nID, int nIDLabel, bool bShow);
  void Refresh();
};
