// CXTPTipWindow: popup tip with a bold title and a text, hidden by time, input or its owner.
#include "XTPTipWindow.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CXTPTipWindow, CWnd)

BEGIN_MESSAGE_MAP(CXTPTipWindow, CWnd)
  ON_WM_PAINT()
  ON_WM_TIMER()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEACTIVATE()
  ON_WM_DESTROY()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

namespace {

// The tip that the thread's input hook works for; one tip shows at a time per thread.
thread_local CXTPTipWindow* t_pHookedTip = NULL;

const int kShadow = 4;

// Splits at line feeds; carriage returns are dropped.
std::vector<CString> Lines(const CString& text) {
  std::vector<CString> lines;
  CString line;
  for (int i = 0; i < text.GetLength(); ++i) {
    const TCHAR c = text[i];
    if (c == _T('\n')) {
      lines.push_back(line);
      line.Empty();
    } else if (c != _T('\r')) {
      line += c;
    }
  }
  if (!line.IsEmpty() || lines.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

CXTPTipWindow::CXTPTipWindow()
    : m_sizeMargin(6, 4),
      m_nLineSpace(2),
      m_dwTipStyle(0),
      m_sizeTip(0, 0),
      m_hFont(NULL),
      m_hBoldFont(NULL),
      m_hHook(NULL) {}

CXTPTipWindow::~CXTPTipWindow() {
  Unhook();
  if (m_hWnd) DestroyWindow();
  if (m_hBoldFont) ::DeleteObject(m_hBoldFont);
}

BOOL CXTPTipWindow::Create(CWnd* pParentWnd) {
  if (::IsWindow(m_hWnd)) return TRUE;
  LPCTSTR cls = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(NULL, IDC_ARROW),
                                    reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1));
  if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, cls, NULL, WS_POPUP | WS_BORDER, 0, 0, 0, 0,
                pParentWnd ? pParentWnd->GetSafeHwnd() : NULL, NULL))
    return FALSE;
  m_hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
  if (!m_hBoldFont) {
    LOGFONT lf = {};
    ::GetObject(m_hFont, sizeof lf, &lf);
    lf.lfWeight = FW_BOLD;
    m_hBoldFont = ::CreateFontIndirect(&lf);
  }
  return TRUE;
}

void CXTPTipWindow::SetMargins(const CSize& size) {
  m_sizeMargin = size;
  Measure();
}

void CXTPTipWindow::SetLineSpace(int nLineSpace) {
  m_nLineSpace = nLineSpace;
  Measure();
}

void CXTPTipWindow::SetTipText(LPCTSTR lpszTitle, LPCTSTR lpszText, BOOL bRedraw) {
  m_strTitle = lpszTitle ? lpszTitle : _T("");
  m_strText = lpszText ? lpszText : _T("");
  Measure();
  if (bRedraw && ::IsWindow(m_hWnd)) {
    SetWindowPos(NULL, 0, 0, m_sizeTip.cx, m_sizeTip.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow();
  }
}

void CXTPTipWindow::Measure() {
  HDC hdc = ::GetDC(NULL);
  int width = 0, height = 0;
  auto add = [&](const CString& s, HFONT font) {
    HGDIOBJ old = ::SelectObject(hdc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    for (const CString& line : Lines(s)) {
      SIZE size = {0, 0};
      ::GetTextExtentPoint32(hdc, line.IsEmpty() ? _T(" ") : (LPCTSTR)line,
                             line.IsEmpty() ? 1 : line.GetLength(), &size);
      width = std::max(width, static_cast<int>(size.cx));
      height += size.cy + m_nLineSpace;
    }
    ::SelectObject(hdc, old);
  };
  if (!m_strTitle.IsEmpty()) add(m_strTitle, m_hBoldFont);
  if (!m_strText.IsEmpty()) add(m_strText, m_hFont);
  ::ReleaseDC(NULL, hdc);
  const int border = 2 * ::GetSystemMetrics(SM_CXBORDER);
  m_sizeTip = CSize(width + 2 * m_sizeMargin.cx + border, height + 2 * m_sizeMargin.cy + border);
  if (m_dwTipStyle & TWS_XTP_DROPSHADOW) m_sizeTip += CSize(kShadow, kShadow);
}

BOOL CXTPTipWindow::ShowTipWindow(const CPoint& point, DWORD dwTipStyle, UINT /*nDelay*/,
                                  UINT nElapse, BOOL bCenterHorz) {
  if (!::IsWindow(m_hWnd)) return FALSE;
  m_dwTipStyle = dwTipStyle;
  Measure();
  CPoint pt(point);
  if (bCenterHorz) pt.x -= m_sizeTip.cx / 2;
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, pt.x, pt.y, m_sizeTip.cx, m_sizeTip.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  RedrawWindow();
  KillTimer(kTimerHide);
  if (nElapse) SetTimer(kTimerHide, nElapse, NULL);
  if (!m_hHook) {
    // Another tip of this thread gives the hook up first.
    if (t_pHookedTip && t_pHookedTip != this) t_pHookedTip->Unhook();
    m_hHook =
        ::SetWindowsHookEx(WH_GETMESSAGE, &CXTPTipWindow::InputHook, NULL, ::GetCurrentThreadId());
    if (m_hHook) t_pHookedTip = this;
  }
  return TRUE;
}

void CXTPTipWindow::HideTipWindow() {
  Unhook();
  if (!::IsWindow(m_hWnd)) return;
  KillTimer(kTimerHide);
  if (IsWindowVisible()) ShowWindow(SW_HIDE);
}

void CXTPTipWindow::Unhook() {
  if (m_hHook) ::UnhookWindowsHookEx(m_hHook);
  m_hHook = NULL;
  if (t_pHookedTip == this) t_pHookedTip = NULL;
}

LRESULT CALLBACK CXTPTipWindow::InputHook(int nCode, WPARAM wParam, LPARAM lParam) {
  CXTPTipWindow* pTip = t_pHookedTip;
  HHOOK hook = pTip ? pTip->m_hHook : NULL;
  if (nCode == HC_ACTION && wParam == PM_REMOVE && pTip) {
    const MSG* pMsg = reinterpret_cast<const MSG*>(lParam);
    switch (pMsg->message) {
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_MBUTTONDOWN:
      case WM_NCLBUTTONDOWN:
      case WM_NCRBUTTONDOWN:
      case WM_NCMBUTTONDOWN: pTip->HideTipWindow(); break;
      default: break;
    }
  }
  return ::CallNextHookEx(hook, nCode, wParam, lParam);
}

void CXTPTipWindow::OnTimer(UINT_PTR nIDEvent) {
  if (nIDEvent == kTimerHide) {
    HideTipWindow();
    return;
  }
  CWnd::OnTimer(nIDEvent);
}

void CXTPTipWindow::OnLButtonDown(UINT, CPoint) {
  HideTipWindow();
}

int CXTPTipWindow::OnMouseActivate(CWnd*, UINT, UINT) {
  return MA_NOACTIVATE;
}

void CXTPTipWindow::OnDestroy() {
  Unhook();
  CWnd::OnDestroy();
}

void CXTPTipWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC hdc = ::BeginPaint(m_hWnd, &ps);
  Draw(hdc);
  ::EndPaint(m_hWnd, &ps);
}

LRESULT CXTPTipWindow::OnPrintClient(WPARAM wParam, LPARAM) {
  Draw(reinterpret_cast<HDC>(wParam));
  return 0;
}

void CXTPTipWindow::Draw(HDC hdc) {
  CRect rc;
  GetClientRect(&rc);
  if (m_dwTipStyle & TWS_XTP_DROPSHADOW) {
    CRect shadowRight(rc.right - kShadow, rc.top + kShadow, rc.right, rc.bottom);
    CRect shadowBottom(rc.left + kShadow, rc.bottom - kShadow, rc.right, rc.bottom);
    ::FillRect(hdc, &shadowRight, ::GetSysColorBrush(COLOR_3DSHADOW));
    ::FillRect(hdc, &shadowBottom, ::GetSysColorBrush(COLOR_3DSHADOW));
    rc.right -= kShadow;
    rc.bottom -= kShadow;
  }
  ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_INFOBK));
  const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
  const COLORREF oldColour = ::SetTextColor(hdc, ::GetSysColor(COLOR_INFOTEXT));
  int y = rc.top + m_sizeMargin.cy;
  auto draw = [&](const CString& s, HFONT font) {
    HGDIOBJ old = ::SelectObject(hdc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    for (const CString& line : Lines(s)) {
      SIZE size = {0, 0};
      ::GetTextExtentPoint32(hdc, _T(" "), 1, &size);
      ::TextOut(hdc, rc.left + m_sizeMargin.cx, y, line, line.GetLength());
      y += size.cy + m_nLineSpace;
    }
    ::SelectObject(hdc, old);
  };
  if (!m_strTitle.IsEmpty()) draw(m_strTitle, m_hBoldFont);
  if (!m_strText.IsEmpty()) draw(m_strText, m_hFont);
  ::SetTextColor(hdc, oldColour);
  ::SetBkMode(hdc, oldMode);
}
