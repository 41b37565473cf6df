// CProgressCtrl: the progress bar's messages as members.
#include "afxcmn.h"
#include "ctlwrap_.h"

using namespace afx_internal;

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(PROGRESS_CLASSW, NULL, dwStyle, rect, pParentWnd, nID);
}
BOOL CProgressCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                             UINT nID) {
  return CWnd::CreateEx(dwExStyle, PROGRESS_CLASSW, NULL, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper) {
  Send(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}
void CProgressCtrl::SetRange32(int nLower, int nUpper) {
  Send(m_hWnd, PBM_SETRANGE32, WPARAM(nLower), LPARAM(nUpper));
}
void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
  PBRANGE range = {};
  Send(m_hWnd, PBM_GETRANGE, FALSE, LPARAM(&range));
  nLower = range.iLow;
  nUpper = range.iHigh;
}
int CProgressCtrl::GetPos() const {
  return int(Send(m_hWnd, PBM_GETPOS));
}
int CProgressCtrl::SetPos(int nPos) {
  return int(Send(m_hWnd, PBM_SETPOS, WPARAM(nPos)));
}
int CProgressCtrl::OffsetPos(int nPos) {
  return int(Send(m_hWnd, PBM_DELTAPOS, WPARAM(nPos)));
}
int CProgressCtrl::SetStep(int nStep) {
  return int(Send(m_hWnd, PBM_SETSTEP, WPARAM(nStep)));
}
int CProgressCtrl::StepIt() {
  return int(Send(m_hWnd, PBM_STEPIT));
}
COLORREF CProgressCtrl::SetBarColor(COLORREF clrBar) {
  return COLORREF(Send(m_hWnd, PBM_SETBARCOLOR, 0, LPARAM(clrBar)));
}
COLORREF CProgressCtrl::SetBkColor(COLORREF clrNew) {
  return COLORREF(Send(m_hWnd, PBM_SETBKCOLOR, 0, LPARAM(clrNew)));
}
BOOL CProgressCtrl::SetMarquee(BOOL fMarqueeMode, int nInterval) {
  return BOOL(Send(m_hWnd, PBM_SETMARQUEE, WPARAM(fMarqueeMode), LPARAM(nInterval)));
}
