// CWnd operations: thin wrappers over the window functions, relatives, geometry, text,
// dialog items and the message box.
#include "afxwin.h"

#include <vector>

// ---- messages and timers

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  ASSERT(::IsWindow(m_hWnd));
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  ASSERT(::IsWindow(m_hWnd));
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer) {
  ASSERT(::IsWindow(m_hWnd));
  return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
  ASSERT(::IsWindow(m_hWnd));
  return ::KillTimer(m_hWnd, nIDEvent);
}

// ---- relatives

CWnd* CWnd::GetParent() const {
  return ::IsWindow(m_hWnd) ? FromHandle(::GetParent(m_hWnd)) : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
  ASSERT(::IsWindow(m_hWnd));
  return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
}

CWnd* CWnd::GetOwner() const {
  if (m_hWndOwner != nullptr) return FromHandle(m_hWndOwner);
  return GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd) {
  m_hWndOwner = pOwnerWnd->GetSafeHwnd();
}

CWnd* CWnd::GetTopLevelParent() const {
  if (!::IsWindow(m_hWnd)) return nullptr;
  HWND hWndTop = m_hWnd;
  for (;;) {
    HWND hWndNext = (::GetWindowLongPtr(hWndTop, GWL_STYLE) & WS_CHILD)
                        ? ::GetParent(hWndTop)
                        : ::GetWindow(hWndTop, GW_OWNER);
    if (hWndNext == nullptr) break;
    hWndTop = hWndNext;
  }
  return FromHandle(hWndTop);
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop) {
  HWND hWnd = pParent->GetSafeHwnd();
  if (hWnd == nullptr) {
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CWinApp* pApp = pState != nullptr ? pState->m_pCurrentWinApp : nullptr;
    hWnd = pApp != nullptr ? pApp->m_pMainWnd->GetSafeHwnd() : nullptr;
    if (hWnd == nullptr) hWnd = ::GetActiveWindow();
  }
  // A popup cannot be owned by a child window.
  while (hWnd != nullptr && (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD))
    hWnd = ::GetParent(hWnd);

  HWND hWndTop = hWnd;
  for (HWND hWndTemp = hWnd; hWndTemp != nullptr; hWndTemp = ::GetParent(hWndTemp))
    hWndTop = hWndTemp;

  // Without an explicit parent, the owner is the popup last active above the main window.
  if (pParent == nullptr && hWnd != nullptr) hWnd = ::GetLastActivePopup(hWnd);

  if (pWndTop != nullptr) {
    if (hWndTop != nullptr && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd) {
      *pWndTop = hWndTop;
      ::EnableWindow(hWndTop, FALSE);
    } else {
      *pWndTop = nullptr;
    }
  }
  return FromHandle(hWnd);
}

CWnd* CWnd::GetDlgItem(int nID) const {
  ASSERT(::IsWindow(m_hWnd));
  return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const {
  ASSERT(phWnd != nullptr);
  if (phWnd != nullptr) *phWnd = ::GetDlgItem(m_hWnd, nID);
}

int CWnd::GetDlgCtrlID() const {
  return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID) {
  ASSERT(::IsWindow(m_hWnd));
  return int(::SetWindowLongPtr(m_hWnd, GWLP_ID, nID));
}

namespace {
HWND FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm) {
  // Direct children first, as a dialog's own items are the common case.
  HWND hWndChild = ::GetDlgItem(hWnd, nID);
  if (hWndChild != nullptr) {
    if (::GetTopWindow(hWndChild) != nullptr) {
      HWND hWndDeep = FindDescendant(hWndChild, nID, bOnlyPerm);
      if (hWndDeep != nullptr) return hWndDeep;
    }
    if (!bOnlyPerm || CWnd::FromHandlePermanent(hWndChild) != nullptr) return hWndChild;
  }
  for (hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
       hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
    if (::GetTopWindow(hWndChild) != nullptr) {
      HWND hWndDeep = FindDescendant(hWndChild, nID, bOnlyPerm);
      if (hWndDeep != nullptr) return hWndDeep;
    }
  }
  return nullptr;
}
}  // namespace

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
  ASSERT(::IsWindow(m_hWnd));
  HWND hWnd = FindDescendant(m_hWnd, nID, bOnlyPerm);
  return bOnlyPerm ? FromHandlePermanent(hWnd) : FromHandle(hWnd);
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
  ASSERT(::IsWindow(m_hWnd));
  return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const {
  ASSERT(::IsWindow(m_hWnd));
  return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

CWnd* CWnd::GetWindow(UINT nCmd) const {
  return FromHandle(::GetWindow(m_hWnd, nCmd));
}
CWnd* CWnd::GetNextWindow(UINT nFlag) const {
  return FromHandle(::GetWindow(m_hWnd, nFlag));
}
CWnd* CWnd::ChildWindowFromPoint(POINT point) const {
  return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
}
CWnd* PASCAL CWnd::WindowFromPoint(POINT point) {
  return FromHandle(::WindowFromPoint(point));
}
CWnd* PASCAL CWnd::GetActiveWindow() {
  return FromHandle(::GetActiveWindow());
}
CWnd* CWnd::SetActiveWindow() {
  return FromHandle(::SetActiveWindow(m_hWnd));
}
CWnd* PASCAL CWnd::GetForegroundWindow() {
  return FromHandle(::GetForegroundWindow());
}
BOOL CWnd::SetForegroundWindow() {
  return ::SetForegroundWindow(m_hWnd);
}
CWnd* PASCAL CWnd::GetDesktopWindow() {
  return FromHandle(::GetDesktopWindow());
}
BOOL CWnd::IsChild(const CWnd* pWnd) const {
  return ::IsChild(m_hWnd, pWnd->GetSafeHwnd());
}

// ---- position and size

BOOL CWnd::ShowWindow(int nCmdShow) {
  ASSERT(::IsWindow(m_hWnd));
  return ::ShowWindow(m_hWnd, nCmdShow);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  ASSERT(::IsWindow(m_hWnd));
  ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
  ASSERT(lpRect != nullptr);
  if (lpRect == nullptr) return;
  MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
             bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  ASSERT(::IsWindow(m_hWnd));
  // The z-order constants (&CWnd::wndTop...) are small handle values, passed through as they are.
  return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
  ASSERT(::IsWindow(m_hWnd));
  ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::GetClientRect(LPRECT lpRect) const {
  ASSERT(::IsWindow(m_hWnd));
  ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
  ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
  ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
  ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
  ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const {
  ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const {
  ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  ASSERT(::IsWindow(m_hWnd));
  DWORD dwStyle = GetStyle();
  HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
  if (hWndCenter == nullptr)
    hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
  // An invisible or minimised owner is no reference: use the work area instead.
  if (hWndCenter != nullptr && (!::IsWindowVisible(hWndCenter) || ::IsIconic(hWndCenter)))
    hWndCenter = nullptr;

  RECT rcDlg;
  ::GetWindowRect(m_hWnd, &rcDlg);
  RECT rcArea;
  RECT rcCenter;
  if (dwStyle & WS_CHILD) {
    HWND hWndParent = ::GetParent(m_hWnd);
    ::GetClientRect(hWndParent, &rcArea);
    if (hWndCenter != nullptr && hWndCenter != hWndParent) {
      ::GetWindowRect(hWndCenter, &rcCenter);
      ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<LPPOINT>(&rcCenter), 2);
    } else {
      rcCenter = rcArea;
    }
    ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<LPPOINT>(&rcDlg), 2);
  } else {
    HMONITOR hMonitor =
        ::MonitorFromWindow(hWndCenter != nullptr ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    if (!::GetMonitorInfo(hMonitor, &mi)) ::SystemParametersInfo(SPI_GETWORKAREA, 0, &mi.rcWork, 0);
    rcArea = mi.rcWork;
    if (hWndCenter != nullptr)
      ::GetWindowRect(hWndCenter, &rcCenter);
    else
      rcCenter = rcArea;
  }
  int cx = rcDlg.right - rcDlg.left;
  int cy = rcDlg.bottom - rcDlg.top;
  int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
  int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
  // Keep it inside the area.
  if (x + cx > rcArea.right) x = rcArea.right - cx;
  if (x < rcArea.left) x = rcArea.left;
  if (y + cy > rcArea.bottom) y = rcArea.bottom - cy;
  if (y < rcArea.top) y = rcArea.top;
  ::SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::IsIconic() const {
  return ::IsIconic(m_hWnd);
}
BOOL CWnd::IsZoomed() const {
  return ::IsZoomed(m_hWnd);
}
void CWnd::BringWindowToTop() {
  ::BringWindowToTop(m_hWnd);
}

// ---- scrolling

int CWnd::GetScrollPos(int nBar) const {
  return ::GetScrollPos(m_hWnd, nBar);
}
int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) {
  return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const {
  int nMin = 0, nMax = 0;
  ::GetScrollRange(m_hWnd, nBar, &nMin, &nMax);
  if (lpMinPos != nullptr) *lpMinPos = nMin;
  if (lpMaxPos != nullptr) *lpMaxPos = nMax;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
  ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) {
  if (lpScrollInfo == nullptr) return FALSE;
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  lpScrollInfo->fMask = nMask;
  return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
  if (lpScrollInfo == nullptr) return FALSE;
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
  return TRUE;
}

int CWnd::GetScrollLimit(int nBar) {
  SCROLLINFO si = {};
  si.cbSize = sizeof(si);
  si.fMask = SIF_RANGE | SIF_PAGE;
  if (!::GetScrollInfo(m_hWnd, nBar, &si)) return 0;
  int nLimit = si.nMax - (si.nPage > 0 ? int(si.nPage) - 1 : 0);
  return nLimit < si.nMin ? si.nMin : nLimit;
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) {
  ::ShowScrollBar(m_hWnd, int(nBar), bShow);
}
BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags) {
  return ::EnableScrollBar(m_hWnd, UINT(nSBFlags), nArrowFlags);
}

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect) {
  ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags) {
  return ::ScrollWindowEx(
      m_hWnd, dx, dy, lpRectScroll, lpRectClip,
      prgnUpdate != nullptr ? static_cast<HRGN>(prgnUpdate->GetSafeHandle()) : nullptr,
      lpRectUpdate, flags);
}

// ---- caret

void CWnd::CreateSolidCaret(int nWidth, int nHeight) {
  ::CreateCaret(m_hWnd, nullptr, nWidth, nHeight);
}
void CWnd::ShowCaret() {
  ::ShowCaret(m_hWnd);
}
void CWnd::HideCaret() {
  ::HideCaret(m_hWnd);
}
void PASCAL CWnd::SetCaretPos(POINT point) {
  ::SetCaretPos(point.x, point.y);
}

CPoint PASCAL CWnd::GetCaretPos() {
  POINT pt = {0, 0};
  ::GetCaretPos(&pt);
  return CPoint(pt);
}

// ---- painting

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase) {
  return ::GetUpdateRect(m_hWnd, lpRect, bErase);
}
BOOL CWnd::LockWindowUpdate() {
  return ::LockWindowUpdate(m_hWnd);
}
void CWnd::UnlockWindowUpdate() {
  ::LockWindowUpdate(nullptr);
}

void CWnd::Invalidate(BOOL bErase) {
  ::InvalidateRect(m_hWnd, nullptr, bErase);
}
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase) {
  ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase) {
  ::InvalidateRgn(m_hWnd, pRgn != nullptr ? static_cast<HRGN>(pRgn->GetSafeHandle()) : nullptr,
                  bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect) {
  ::ValidateRect(m_hWnd, lpRect);
}
void CWnd::UpdateWindow() {
  ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags) {
  return ::RedrawWindow(
      m_hWnd, lpRectUpdate,
      prgnUpdate != nullptr ? static_cast<HRGN>(prgnUpdate->GetSafeHandle()) : nullptr, flags);
}

void CWnd::SetRedraw(BOOL bRedraw) {
  ::SendMessage(m_hWnd, WM_SETREDRAW, bRedraw, 0);
}

CDC* CWnd::GetDC() {
  return CDC::FromHandle(::GetDC(m_hWnd));
}
CDC* CWnd::GetWindowDC() {
  return CDC::FromHandle(::GetWindowDC(m_hWnd));
}
int CWnd::ReleaseDC(CDC* pDC) {
  return pDC != nullptr ? ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()) : 0;
}

// ---- state

CWnd* PASCAL CWnd::GetFocus() {
  return FromHandle(::GetFocus());
}
CWnd* CWnd::SetFocus() {
  return FromHandle(::SetFocus(m_hWnd));
}
CWnd* PASCAL CWnd::GetCapture() {
  return FromHandle(::GetCapture());
}
CWnd* CWnd::SetCapture() {
  return FromHandle(::SetCapture(m_hWnd));
}
BOOL CWnd::EnableWindow(BOOL bEnable) {
  return ::EnableWindow(m_hWnd, bEnable);
}
BOOL CWnd::IsWindowEnabled() const {
  return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::IsWindowVisible() const {
  return ::IsWindowVisible(m_hWnd);
}
DWORD CWnd::GetStyle() const {
  return DWORD(::GetWindowLongPtr(m_hWnd, GWL_STYLE));
}
DWORD CWnd::GetExStyle() const {
  return DWORD(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE));
}

namespace {
BOOL ModifyLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  if (hWnd == nullptr) return FALSE;
  DWORD dwStyle = DWORD(::GetWindowLongPtr(hWnd, nIndex));
  DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
  if (dwStyle == dwNewStyle) return FALSE;
  ::SetWindowLongPtr(hWnd, nIndex, LONG_PTR(dwNewStyle));
  if (nFlags != 0)
    ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
  return TRUE;
}
}  // namespace

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyLong(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyLong(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
  return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

// ---- text, font, menu, icon

void CWnd::SetWindowText(LPCTSTR lpszString) {
  ASSERT(::IsWindow(m_hWnd));
  ::SetWindowText(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
  ASSERT(::IsWindow(m_hWnd));
  if (lpszStringBuf == nullptr || nMaxCount <= 0) return 0;
  return ::GetWindowText(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
  ASSERT(::IsWindow(m_hWnd));
  int nLen = ::GetWindowTextLength(m_hWnd);
  std::vector<TCHAR> buffer(size_t(nLen) + 1, 0);
  int nGot = ::GetWindowText(m_hWnd, buffer.data(), nLen + 1);
  rString = CString(buffer.data(), nGot);
}

int CWnd::GetWindowTextLength() const {
  return ::GetWindowTextLength(m_hWnd);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessage(m_hWnd, WM_SETFONT,
                reinterpret_cast<WPARAM>(pFont != nullptr ? pFont->GetSafeHandle() : nullptr),
                bRedraw);
}

CFont* CWnd::GetFont() const {
  ASSERT(::IsWindow(m_hWnd));
  return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessage(m_hWnd, WM_GETFONT, 0, 0)));
}

CMenu* CWnd::GetMenu() const {
  return CMenu::FromHandle(::GetMenu(m_hWnd));
}
BOOL CWnd::SetMenu(CMenu* pMenu) {
  return ::SetMenu(m_hWnd, pMenu != nullptr ? pMenu->GetSafeHmenu() : nullptr);
}
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const {
  return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  return reinterpret_cast<HICON>(::SendMessage(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                               reinterpret_cast<LPARAM>(hIcon)));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
  return reinterpret_cast<HICON>(
      ::SendMessage(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
}

// ---- dialog items

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
  ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
  ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
  return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const {
  for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID) {
    if (::IsDlgButtonChecked(m_hWnd, nID)) return nID;
  }
  return 0;
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) {
  ::SetDlgItemText(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const {
  if (lpStr == nullptr || nMaxCount <= 0) return 0;
  return int(::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
  rString.Empty();
  HWND hWnd = ::GetDlgItem(m_hWnd, nID);
  if (hWnd == nullptr) return 0;
  int nLen = ::GetWindowTextLength(hWnd);
  std::vector<TCHAR> buffer(size_t(nLen) + 1, 0);
  int nGot = ::GetWindowText(hWnd, buffer.data(), nLen + 1);
  rString = CString(buffer.data(), nGot);
  return nGot;
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
  ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
  return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
  if (lpszCaption == nullptr) {
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CWinApp* pApp = pState != nullptr ? pState->m_pCurrentWinApp : nullptr;
    lpszCaption = pApp != nullptr && pApp->m_pszAppName != nullptr ? pApp->m_pszAppName
                  : pState != nullptr                              ? pState->m_lpszCurrentAppName
                                                                   : nullptr;
  }
  return ::MessageBox(m_hWnd, lpszText, lpszCaption, nType);
}
