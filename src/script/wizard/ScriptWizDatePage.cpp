// CScriptWizDatePage: two date pickers and the call with both dates as MM/DD/YYYY.
#include "script/wizard/ScriptWizDatePage.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/logic/WizardCallText.h"

using namespace scriptwiz;

IMPLEMENT_DYNAMIC(CScriptWizDatePage, CScriptWizardBasePage)

BEGIN_MESSAGE_MAP(CScriptWizDatePage, CScriptWizardBasePage)
  ON_NOTIFY(DTN_DATETIMECHANGE, IDC_START_DATE, OnStartDateChange)
  ON_NOTIFY(DTN_DATETIMECHANGE, IDC_END_DATE, OnEndDateChange)
END_MESSAGE_MAP()

namespace {

// The picker's date as MM/DD/YYYY, or the invalid-date text.
CString FormatPickerDate(const CDateTimeCtrl& picker, SYSTEMTIME* pTime) {
  if (picker.GetTime(pTime) == GDT_VALID) {
    CString text;
    text.Format(L"%02u/%02u/%04u", pTime->wMonth, pTime->wDay, pTime->wYear);
    return text;
  }
  CString invalid;
  if (!invalid.LoadString(IDS_INVALID_DATE)) invalid = L"Invalid DateTime";
  return invalid;
}

}  // namespace

CScriptWizDatePage::CScriptWizDatePage(const CString& strFunction, const CString& strSubtitle)
    : CScriptWizardBasePage(IDD_DATE, strFunction, strSubtitle),
      m_nStartMonth(0),
      m_nStartDay(0),
      m_nStartYear(0) {}

void CScriptWizDatePage::DoDataExchange(CDataExchange* pDX) {
  CScriptWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_START_DATE, m_dtStart);
  DDX_Control(pDX, IDC_END_DATE, m_dtEnd);
}

BOOL CScriptWizDatePage::OnInitDialog() {
  CScriptWizardBasePage::OnInitDialog();
  m_dtStart.SetFormat(L"MM/dd/yyyy");
  m_dtEnd.SetFormat(L"MM/dd/yyyy");
  const bool dates = m_strFunction == L"$QXDate";
  ShowPair(IDC_START_DATE, IDC_LABEL1, dates);
  ShowPair(IDC_END_DATE, IDC_LABEL2, dates);
  ShowPair(IDC_LABEL3, IDC_LABEL4, dates);
  SetLabel(IDC_LABEL1, 1);
  SetLabel(IDC_LABEL2, 2);
  ShowDescription();
  StartDateChanged();
  EndDateChanged();
  return TRUE;
}

BOOL CScriptWizDatePage::OnSetActive() {
  const BOOL result = CScriptWizardBasePage::OnSetActive();
  SetBackFinishButtons();
  return result;
}

void CScriptWizDatePage::OnStartDateChange(NMHDR*, LRESULT* pResult) {
  StartDateChanged();
  *pResult = 0;
}

void CScriptWizDatePage::OnEndDateChange(NMHDR*, LRESULT* pResult) {
  EndDateChanged();
  *pResult = 0;
}

void CScriptWizDatePage::StartDateChanged() {
  SYSTEMTIME time = {};
  m_strStartDate = FormatPickerDate(m_dtStart, &time);
  const std::wstring text = m_strStartDate.GetString();
  if (text.size() >= 10) {
    m_nStartMonth = _wtoi(text.substr(0, 2).c_str());
    m_nStartDay = _wtoi(text.substr(3, 2).c_str());
    m_nStartYear = _wtoi(text.substr(6, 4).c_str());
  }
  LimitEndDate();
  // The end picker moves up to the new start date by itself and does not say so.
  SYSTEMTIME end = {};
  m_strEndDate = FormatPickerDate(m_dtEnd, &end);
  Refresh();
}

void CScriptWizDatePage::EndDateChanged() {
  SYSTEMTIME time = {};
  if (m_dtEnd.GetTime(&time) != GDT_VALID && m_nStartYear > 0) {
    SYSTEMTIME back = {};
    back.wYear = static_cast<WORD>(m_nStartYear);
    back.wMonth = static_cast<WORD>(m_nStartMonth);
    back.wDay = static_cast<WORD>(m_nStartDay);
    m_dtEnd.SetTime(&back);
  }
  m_strEndDate = FormatPickerDate(m_dtEnd, &time);
  LimitEndDate();
  Refresh();
}

void CScriptWizDatePage::LimitEndDate() {
  if (m_nStartYear <= 0) return;
  SYSTEMTIME range[2] = {};
  range[0].wYear = static_cast<WORD>(m_nStartYear);
  range[0].wMonth = static_cast<WORD>(m_nStartMonth);
  range[0].wDay = static_cast<WORD>(m_nStartDay);
  range[1].wYear = 9999;
  range[1].wMonth = 12;
  range[1].wDay = 31;
  ::SendMessageW(m_dtEnd.m_hWnd, DTM_SETRANGE, GDTR_MIN | GDTR_MAX,
                 reinterpret_cast<LPARAM>(range));
}

void CScriptWizDatePage::Refresh() {
  SetPreview(tkw::wizard::ComposeDateCall(m_strFunction.GetString(), m_strStartDate.GetString(),
                                          m_strEndDate.GetString())
                 .c_str());
}
