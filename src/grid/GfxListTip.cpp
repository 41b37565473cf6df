// CGfxListTip: a cut cell text shown whole over its cell; clicks and moves pass through it.
#include "grid/GfxListTip.h"

#include "grid/logic/ListTipPlacement.h"

#include <windowsx.h>

namespace {

const wchar_t kClassName[] = L"ZGfxListTip";

// The non-client message of a button press that landed outside a window's client area.
UINT NonClientMessage(UINT nMessage) {
  switch (nMessage) {
    case WM_LBUTTONDOWN: return WM_NCLBUTTONDOWN;
    case WM_LBUTTONDBLCLK: return WM_NCLBUTTONDBLCLK;
    case WM_RBUTTONDOWN: return WM_NCRBUTTONDOWN;
    case WM_MBUTTONDOWN: return WM_NCMBUTTONDOWN;
    default: return nMessage;
  }
}

bool IsButtonDown(UINT nMessage) {
  return nMessage == WM_LBUTTONDOWN || nMessage == WM_LBUTTONDBLCLK || nMessage == WM_RBUTTONDOWN ||
         nMessage == WM_MBUTTONDOWN;
}

}  // namespace

BEGIN_MESSAGE_MAP(CGfxListTip, CWnd)
  ON_WM_MOUSEMOVE()
  ON_WM_PAINT()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
  ON_MESSAGE(WM_LBUTTONDOWN, OnButtonDown)
  ON_MESSAGE(WM_LBUTTONDBLCLK, OnButtonDown)
  ON_MESSAGE(WM_RBUTTONDOWN, OnButtonDown)
  ON_MESSAGE(WM_MBUTTONDOWN, OnButtonDown)
END_MESSAGE_MAP()

CGfxListTip::CGfxListTip() : m_pParentWnd(NULL), m_rectHover(0, 0, 0, 0) {
  const HINSTANCE hInst = AfxGetInstanceHandle();
  WNDCLASSW wc = {};
  if (::GetClassInfoW(hInst, kClassName, &wc)) return;
  wc.style = CS_SAVEBITS | CS_DBLCLKS;
  wc.lpfnWndProc = AfxGetAfxWndProc();
  wc.hInstance = hInst;
  wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
  wc.lpszClassName = kClassName;
  if (!::RegisterClassW(&wc)) AfxThrowResourceException();
}

BOOL CGfxListTip::Create(CWnd* pParentWnd) {
  m_pParentWnd = pParentWnd;
  return CreateEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, NULL, WS_POPUP | WS_BORDER,
                  CRect(0, 0, 0, 0), pParentWnd, 0);
}

HFONT CGfxListTip::ParentFont() const {
  HFONT hFont =
      m_pParentWnd ? reinterpret_cast<HFONT>(m_pParentWnd->SendMessage(WM_GETFONT, 0, 0)) : NULL;
  return hFont ? hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

void CGfxListTip::Show(CRect rcCell, LPCTSTR lpszText, int nOffset) {
  if (!::IsWindow(m_hWnd) || !m_pParentWnd || rcCell.IsRectEmpty() || !lpszText || !*lpszText ||
      IsWindowVisible() || !::GetFocus())
    return;
  m_pParentWnd->ClientToScreen(&rcCell);
  SIZE size = {0, 0};
  HDC hDC = ::GetDC(m_hWnd);
  HGDIOBJ hOld = ::SelectObject(hDC, ParentFont());
  ::GetTextExtentPoint32W(hDC, lpszText, lstrlenW(lpszText), &size);
  ::SelectObject(hDC, hOld);
  ::ReleaseDC(m_hWnd, hDC);

  const tkw::TipPlacement place =
      tkw::PlaceCellTip({rcCell.left, rcCell.top, rcCell.right, rcCell.bottom}, size.cx, nOffset);
  if (!place.show) return;
  m_rectHover.SetRect(place.hover.left, place.hover.top, place.hover.right, place.hover.bottom);
  m_strText = lpszText;
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, place.tip.left, place.tip.top,
                 place.tip.right - place.tip.left, place.tip.bottom - place.tip.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
  UpdateWindow();
  SetCapture();
}

void CGfxListTip::Hide() {
  if (!::IsWindow(m_hWnd)) return;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  ShowWindow(SW_HIDE);
}

void CGfxListTip::PaintText(HDC hDC) {
  const int nSaved = ::SaveDC(hDC);
  ::SelectObject(hDC, ParentFont());
  ::SetBkMode(hDC, TRANSPARENT);
  ::SetTextColor(hDC, ::GetSysColor(COLOR_INFOTEXT));
  ::TextOutW(hDC, 0, 0, m_strText, m_strText.GetLength());
  ::RestoreDC(hDC, nSaved);
}

void CGfxListTip::OnPaint() {
  PAINTSTRUCT ps;
  HDC hDC = ::BeginPaint(m_hWnd, &ps);
  PaintText(hDC);
  ::EndPaint(m_hWnd, &ps);
}

LRESULT CGfxListTip::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/) {
  PaintText(reinterpret_cast<HDC>(wParam));
  return 0;
}

// Every move goes on to the window under the mouse, so that the list keeps tracking it; the
// tip goes as soon as the mouse leaves the cell.
void CGfxListTip::OnMouseMove(UINT nFlags, CPoint point) {
  if (!m_rectHover.PtInRect(point)) Hide();
  CPoint ptScreen = point;
  ClientToScreen(&ptScreen);
  HWND hTarget = ::WindowFromPoint(ptScreen);
  if (!hTarget || hTarget == m_hWnd) hTarget = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : NULL;
  if (!hTarget) return;
  const LRESULT nHit = ::SendMessage(hTarget, WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
  if (nHit == HTCLIENT) {
    ::ScreenToClient(hTarget, &ptScreen);
    ::PostMessage(hTarget, WM_MOUSEMOVE, nFlags, MAKELPARAM(ptScreen.x, ptScreen.y));
  } else {
    ::PostMessage(hTarget, WM_NCMOUSEMOVE, nHit, MAKELPARAM(ptScreen.x, ptScreen.y));
  }
}

void CGfxListTip::ForwardClick(const MSG& msg) {
  POINT pt = {GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  ::ClientToScreen(m_hWnd, &pt);
  // Hidden first, so that the window found is the one the user sees under the tip.
  Hide();
  HWND hTarget = ::WindowFromPoint(pt);
  if (!hTarget || hTarget == m_hWnd) hTarget = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : NULL;
  if (!hTarget) return;
  const LRESULT nHit = ::SendMessage(hTarget, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
  if (nHit == HTCLIENT) {
    ::ScreenToClient(hTarget, &pt);
    ::PostMessage(hTarget, msg.message, msg.wParam, MAKELPARAM(pt.x, pt.y));
  } else {
    ::PostMessage(hTarget, NonClientMessage(msg.message), nHit, MAKELPARAM(pt.x, pt.y));
  }
}

// Without pre-translation (a modal loop of another window) the tip's own handlers pass clicks on.
LRESULT CGfxListTip::OnButtonDown(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  ForwardClick(*GetCurrentMessage());
  return 0;
}

BOOL CGfxListTip::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->hwnd != m_hWnd) return CWnd::PreTranslateMessage(pMsg);
  if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) {
    Hide();
    if (m_pParentWnd) m_pParentWnd->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
    return TRUE;
  }
  if (IsButtonDown(pMsg->message)) {
    ForwardClick(*pMsg);
    return TRUE;
  }
  if (!::GetFocus() && IsWindowVisible()) {
    Hide();
    return TRUE;
  }
  return CWnd::PreTranslateMessage(pMsg);
}
