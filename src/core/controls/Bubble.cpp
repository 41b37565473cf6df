// CBubble: multi-line tip popup; the layout comes from the window-free bubble rules.
#include "core/controls/Bubble.h"

IMPLEMENT_DYNAMIC(CBubble, CWnd)

BEGIN_MESSAGE_MAP(CBubble, CWnd)
  ON_WM_PAINT()
  ON_WM_MOUSEACTIVATE()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

namespace {
const int kNoPosition = -32768;
}

CBubble::CBubble()
    : m_pImageList(NULL),
      m_nLineHeight(0),
      m_nLeftMargin(3 * ::GetSystemMetrics(SM_CXBORDER)),
      m_nFormat(DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX),
      m_bShadow(FALSE),
      m_ptLast(kNoPosition, kNoPosition) {}

CBubble::~CBubble() {
  if (m_hWnd) DestroyWindow();
}

BOOL CBubble::RegisterClassOnce() {
  // Registered for the instance the framework creates windows with, once per instance.
  HINSTANCE hInst = AfxGetInstanceHandle();
  WNDCLASS wc = {};
  if (::GetClassInfo(hInst, ClassName(), &wc)) return TRUE;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_SAVEBITS | CS_BYTEALIGNCLIENT;
  wc.lpfnWndProc = ::DefWindowProc;
  wc.hInstance = hInst;
  wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
  wc.lpszClassName = ClassName();
  return ::RegisterClass(&wc) != 0;
}

HBRUSH CBubble::ShadowBrush() {
  // Made once for every bubble of the process: an 8 by 8 halftone (rows 0x55 and 0xAA).
  static const HBRUSH brush = [] {
    const WORD rows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    HBITMAP pattern = ::CreateBitmap(8, 8, 1, 1, rows);
    HBRUSH made = pattern ? ::CreatePatternBrush(pattern) : NULL;
    if (pattern) ::DeleteObject(pattern);
    return made;
  }();
  return brush;
}

BOOL CBubble::Create(CWnd* pParentWnd) {
  if (::IsWindow(m_hWnd)) return TRUE;
  if (!RegisterClassOnce()) return FALSE;
  ShadowBrush();
  return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, ClassName(), NULL, WS_POPUP, 0, 0, 0, 0,
                  pParentWnd ? pParentWnd->GetSafeHwnd() : NULL, NULL);
}

void CBubble::SetImageList(CImageList* pImageList) {
  m_pImageList = pImageList;
  Measure();
}

void CBubble::SetShadow(BOOL bShadow) {
  m_bShadow = bShadow;
  Measure();
}

void CBubble::SetText(LPCTSTR lpszText) {
  m_strText = lpszText ? lpszText : _T("");
  Measure();
  if (::IsWindow(m_hWnd))
    SetWindowPos(NULL, 0, 0, m_layout.width, m_layout.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CBubble::Measure() {
  m_lines = tkw::SplitBubbleText(std::wstring(m_strText));
  tkw::BubbleMetrics metrics;
  metrics.borderWidth = ::GetSystemMetrics(SM_CXBORDER);
  metrics.shadow = m_bShadow != FALSE;
  metrics.imageWidth = metrics.imageHeight = 0;
  if (m_pImageList && m_pImageList->GetSafeHandle()) {
    int cx = 0, cy = 0;
    m_pImageList->GetIconSize(&cx, &cy);
    metrics.imageWidth = cx;
    metrics.imageHeight = cy;
  }
  HDC hdc = ::GetDC(NULL);
  HGDIOBJ old = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRIC tm = {};
  ::GetTextMetrics(hdc, &tm);
  metrics.fontHeight = tm.tmHeight;
  m_layout = tkw::LayoutBubble(
      m_lines,
      [hdc](const std::wstring& s) {
        SIZE size = {0, 0};
        ::GetTextExtentPoint32W(hdc, s.c_str(), static_cast<int>(s.size()), &size);
        return static_cast<int>(size.cx);
      },
      metrics);
  ::SelectObject(hdc, old);
  ::ReleaseDC(NULL, hdc);
  m_nLineHeight = m_layout.lineHeight;
}

void CBubble::Show(LPCTSTR lpszText, int x, int y) {
  const CString text(lpszText ? lpszText : _T(""));
  if (!::IsWindow(m_hWnd)) return;
  if (text == m_strText && m_ptLast == CPoint(x, y) && IsWindowVisible()) return;
  m_strText = text;
  Measure();
  m_ptLast = CPoint(x, y);
  // Kept inside the full-screen client area, with room for the task bar at the bottom.
  const int screenRight = ::GetSystemMetrics(SM_CXFULLSCREEN);
  const int screenBottom = ::GetSystemMetrics(SM_CYFULLSCREEN) - 20;
  if (x + m_layout.width > screenRight) x = screenRight - m_layout.width;
  if (y + m_layout.height > screenBottom) y = screenBottom - m_layout.height;
  SetWindowPos(NULL, x, y, m_layout.width, m_layout.height, SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(SW_SHOWNOACTIVATE);
  RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CBubble::Hide() {
  if (::IsWindow(m_hWnd)) ShowWindow(SW_HIDE);
  m_strText.Empty();
  m_lines.clear();
  m_ptLast = CPoint(kNoPosition, kNoPosition);
}

int CBubble::OnMouseActivate(CWnd*, UINT, UINT) {
  return MA_NOACTIVATE;
}

void CBubble::OnPaint() {
  PAINTSTRUCT ps;
  HDC hdc = ::BeginPaint(m_hWnd, &ps);
  Draw(hdc);
  ::EndPaint(m_hWnd, &ps);
}

LRESULT CBubble::OnPrintClient(WPARAM wParam, LPARAM) {
  Draw(reinterpret_cast<HDC>(wParam));
  return 0;
}

void CBubble::Draw(HDC hdc) {
  CRect rc;
  GetClientRect(&rc);
  if (m_bShadow) {
    // The band is darkened, not painted over: whatever is under it stays half visible.
    const int s = tkw::kBubbleShadow;
    HGDIOBJ oldBrush = ::SelectObject(hdc, ShadowBrush());
    const COLORREF oldText = ::SetTextColor(hdc, RGB(0, 0, 0));
    const COLORREF oldBk = ::SetBkColor(hdc, RGB(255, 255, 255));
    ::PatBlt(hdc, rc.right - s, rc.top + s, s, rc.Height() - s, 0x00A000C9 /* PATAND */);
    ::PatBlt(hdc, rc.left + s, rc.bottom - s, rc.Width() - 2 * s, s, 0x00A000C9);
    ::SetBkColor(hdc, oldBk);
    ::SetTextColor(hdc, oldText);
    ::SelectObject(hdc, oldBrush);
    rc.right -= s;
    rc.bottom -= s;
  }
  ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_INFOBK));
  ::DrawEdge(hdc, &rc, BDR_RAISEDOUTER, BF_RECT);

  HGDIOBJ oldFont = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
  const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
  const COLORREF oldColour = ::SetTextColor(hdc, ::GetSysColor(COLOR_INFOTEXT));
  for (size_t i = 0; i < m_lines.size() && i < m_layout.rows.size(); ++i) {
    const tkw::BubbleLine& line = m_lines[i];
    const tkw::BubbleRow& row = m_layout.rows[i];
    if (row.separatorY >= 0) {
      CRect dark(rc.left + 2, row.separatorY, rc.right - 2, row.separatorY + 1);
      CRect light(dark);
      light.OffsetRect(0, 1);
      ::FillRect(hdc, &dark, ::GetSysColorBrush(COLOR_3DSHADOW));
      ::FillRect(hdc, &light, ::GetSysColorBrush(COLOR_3DHILIGHT));
    }
    if (row.imageX >= 0 && m_pImageList && line.image < m_pImageList->GetImageCount()) {
      int cx = 0, cy = 0;
      m_pImageList->GetIconSize(&cx, &cy);
      ::ImageList_Draw(m_pImageList->GetSafeHandle(), line.image, hdc, row.imageX,
                       row.top + (m_layout.lineHeight - cy) / 2, ILD_TRANSPARENT);
    }
    CRect text(row.textX, row.top, rc.right, row.top + m_layout.lineHeight);
    ::DrawText(hdc, line.text.c_str(), static_cast<int>(line.text.size()), &text, m_nFormat);
  }
  ::SetTextColor(hdc, oldColour);
  ::SetBkMode(hdc, oldMode);
  ::SelectObject(hdc, oldFont);
}
