// CDateTimeCtrl: the date and time picker's DTM_ messages as members, with CTime conversion.
#include "afxdtctl.h"
#include "ctlwrap_.h"

using namespace afx_internal;

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
  ::InitCommonControlsEx(&icc);
  return CWnd::Create(DATETIMEPICK_CLASSW, NULL, dwStyle, rect, pParentWnd, nID);
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const {
  SYSTEMTIME st = {};
  const DWORD dwResult = GetTime(&st);
  if (dwResult == GDT_VALID) timeDest = CTime(st);
  return dwResult;
}

DWORD CDateTimeCtrl::GetTime(LPSYSTEMTIME pTimeDest) const {
  ASSERT(pTimeDest != NULL);
  return DWORD(Send(m_hWnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(pTimeDest), GDT_ERROR));
}

BOOL CDateTimeCtrl::SetTime(const CTime* pTimeNew) {
  if (!pTimeNew) return SetTime(static_cast<LPSYSTEMTIME>(NULL));
  SYSTEMTIME st = {};
  if (!pTimeNew->GetAsSystemTime(st)) return FALSE;
  return SetTime(&st);
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew) {
  // GDT_NONE ignores the record, but some implementations refuse a null one.
  SYSTEMTIME stNone = {};
  const WPARAM wFlag = pTimeNew ? GDT_VALID : GDT_NONE;
  return BOOL(Send(m_hWnd, DTM_SETSYSTEMTIME, wFlag,
                   reinterpret_cast<LPARAM>(pTimeNew ? pTimeNew : &stNone)));
}

BOOL CDateTimeCtrl::SetFormat(LPCTSTR pstrFormat) {
  return BOOL(Send(m_hWnd, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(pstrFormat)));
}

COLORREF CDateTimeCtrl::GetMonthCalColor(int iColor) const {
  return COLORREF(Send(m_hWnd, DTM_GETMCCOLOR, WPARAM(iColor), 0, LRESULT(-1)));
}

COLORREF CDateTimeCtrl::SetMonthCalColor(int iColor, COLORREF ref) {
  return COLORREF(Send(m_hWnd, DTM_SETMCCOLOR, WPARAM(iColor), LPARAM(ref), LRESULT(-1)));
}

CFont* CDateTimeCtrl::GetMonthCalFont() const {
  return CFont::FromHandle(reinterpret_cast<HFONT>(Send(m_hWnd, DTM_GETMCFONT)));
}

void CDateTimeCtrl::SetMonthCalFont(HFONT hFont, BOOL bRedraw) {
  Send(m_hWnd, DTM_SETMCFONT, reinterpret_cast<WPARAM>(hFont), MAKELPARAM(bRedraw, 0));
}

CWnd* CDateTimeCtrl::GetMonthCalCtrl() const {
  return CWnd::FromHandle(reinterpret_cast<HWND>(Send(m_hWnd, DTM_GETMONTHCAL)));
}

DWORD CDateTimeCtrl::GetRange(CTime* pMinTime, CTime* pMaxTime) const {
  SYSTEMTIME st[2] = {};
  const DWORD dwResult = DWORD(Send(m_hWnd, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(st)));
  if (pMinTime && (dwResult & GDTR_MIN)) *pMinTime = CTime(st[0]);
  if (pMaxTime && (dwResult & GDTR_MAX)) *pMaxTime = CTime(st[1]);
  return dwResult;
}

BOOL CDateTimeCtrl::SetRange(const CTime* pMinTime, const CTime* pMaxTime) {
  SYSTEMTIME st[2] = {};
  WPARAM wFlags = 0;
  if (pMinTime && pMinTime->GetAsSystemTime(st[0])) wFlags |= GDTR_MIN;
  if (pMaxTime && pMaxTime->GetAsSystemTime(st[1])) wFlags |= GDTR_MAX;
  return BOOL(Send(m_hWnd, DTM_SETRANGE, wFlags, reinterpret_cast<LPARAM>(st)));
}
