// CSliderCtrl: the trackbar's messages as members.
#include "afxcmn.h"
#include "ctlwrap_.h"

using namespace afx_internal;

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(TRACKBAR_CLASSW, NULL, dwStyle, rect, pParentWnd, nID);
}
BOOL CSliderCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                           UINT nID) {
  return CWnd::CreateEx(dwExStyle, TRACKBAR_CLASSW, NULL, dwStyle, rect, pParentWnd, nID);
}

int CSliderCtrl::GetLineSize() const {
  return int(Send(m_hWnd, TBM_GETLINESIZE));
}
int CSliderCtrl::SetLineSize(int nSize) {
  return int(Send(m_hWnd, TBM_SETLINESIZE, 0, LPARAM(nSize)));
}
int CSliderCtrl::GetPageSize() const {
  return int(Send(m_hWnd, TBM_GETPAGESIZE));
}
int CSliderCtrl::SetPageSize(int nSize) {
  return int(Send(m_hWnd, TBM_SETPAGESIZE, 0, LPARAM(nSize)));
}
int CSliderCtrl::GetRangeMax() const {
  return int(Send(m_hWnd, TBM_GETRANGEMAX));
}
int CSliderCtrl::GetRangeMin() const {
  return int(Send(m_hWnd, TBM_GETRANGEMIN));
}
void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
  nMin = GetRangeMin();
  nMax = GetRangeMax();
}
void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw) {
  Send(m_hWnd, TBM_SETRANGEMIN, WPARAM(bRedraw), LPARAM(nMin));
}
void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw) {
  Send(m_hWnd, TBM_SETRANGEMAX, WPARAM(bRedraw), LPARAM(nMax));
}
void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
  // Each bound on its own: TBM_SETRANGE packs them into 16 bits each.
  SetRangeMin(nMin, FALSE);
  SetRangeMax(nMax, bRedraw);
}
void CSliderCtrl::GetSelection(int& nMin, int& nMax) const {
  nMin = int(Send(m_hWnd, TBM_GETSELSTART));
  nMax = int(Send(m_hWnd, TBM_GETSELEND));
}
void CSliderCtrl::SetSelection(int nMin, int nMax) {
  Send(m_hWnd, TBM_SETSELSTART, FALSE, LPARAM(nMin));
  Send(m_hWnd, TBM_SETSELEND, FALSE, LPARAM(nMax));
}
void CSliderCtrl::ClearSel(BOOL bRedraw) {
  Send(m_hWnd, TBM_CLEARSEL, WPARAM(bRedraw));
}
void CSliderCtrl::GetChannelRect(LPRECT lprc) const {
  if (lprc) Send(m_hWnd, TBM_GETCHANNELRECT, 0, LPARAM(lprc));
}
void CSliderCtrl::GetThumbRect(LPRECT lprc) const {
  if (lprc) Send(m_hWnd, TBM_GETTHUMBRECT, 0, LPARAM(lprc));
}
int CSliderCtrl::GetThumbLength() const {
  return int(Send(m_hWnd, TBM_GETTHUMBLENGTH));
}
void CSliderCtrl::SetThumbLength(int nLength) {
  Send(m_hWnd, TBM_SETTHUMBLENGTH, WPARAM(nLength));
}
int CSliderCtrl::GetPos() const {
  return int(Send(m_hWnd, TBM_GETPOS));
}
void CSliderCtrl::SetPos(int nPos) {
  Send(m_hWnd, TBM_SETPOS, TRUE, LPARAM(nPos));
}
UINT CSliderCtrl::GetNumTics() const {
  return UINT(Send(m_hWnd, TBM_GETNUMTICS));
}
BOOL CSliderCtrl::SetTic(int nTic) {
  return BOOL(Send(m_hWnd, TBM_SETTIC, 0, LPARAM(nTic)));
}
void CSliderCtrl::SetTicFreq(int nFreq) {
  Send(m_hWnd, TBM_SETTICFREQ, WPARAM(nFreq));
}
void CSliderCtrl::ClearTics(BOOL bRedraw) {
  Send(m_hWnd, TBM_CLEARTICS, WPARAM(bRedraw));
}
