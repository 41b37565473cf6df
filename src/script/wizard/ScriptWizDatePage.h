// CScriptWizDatePage: the script wizard's page for a call with a start and an end date.
#pragma once

#include "script/wizard/ScriptWizardBasePage.h"

#include <afxdtctl.h>

class TKWUI_API CScriptWizDatePage : public CScriptWizardBasePage {
  DECLARE_DYNAMIC(CScriptWizDatePage)

 public:
  CScriptWizDatePage(const CString& strFunction, const CString& strSubtitle);

  CDateTimeCtrl m_dtStart;
  CDateTimeCtrl m_dtEnd;
  int m_nStartMonth;
  int m_nStartDay;
  int m_nStartYear;
  CString m_strStartDate;  // MM/DD/YYYY
  CString m_strEndDate;    // MM/DD/YYYY

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  afx_msg void OnStartDateChange(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnEndDateChange(NMHDR* pNMHDR, LRESULT* pResult);
  DECLARE_MESSAGE_MAP()

 private:
  void StartDateChanged();
  void EndDateChanged();
  // The end date may not lie before the start date.
  void LimitEndDate();
  void Refresh();
};
