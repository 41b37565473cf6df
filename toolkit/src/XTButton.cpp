// CXTButton: owner-drawn push button with icon, caption, flat look and hot tracking.
#include "XTButton.h"

IMPLEMENT_DYNAMIC(CXTButton, CButton)

BEGIN_MESSAGE_MAP(CXTButton, CButton)
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CXTButton::CXTButton() : m_hIcon(NULL), m_sizeIcon(0, 0), m_bFlat(TRUE), m_bHot(FALSE) {}

CXTButton::~CXTButton() {
  FreeIcon();
}

void CXTButton::FreeIcon() {
  if (m_hIcon) ::DestroyIcon(m_hIcon);
  m_hIcon = NULL;
}

BOOL CXTButton::SetIcon(CSize size, HICON hIcon, BOOL bRedraw) {
  FreeIcon();
  m_sizeIcon = hIcon ? size : CSize(0, 0);
  if (hIcon) {
    m_hIcon = static_cast<HICON>(::CopyImage(hIcon, IMAGE_ICON, size.cx, size.cy, 0));
    if (!m_hIcon) {
      m_sizeIcon = CSize(0, 0);
      return FALSE;
    }
  }
  if (bRedraw && ::IsWindow(m_hWnd)) Invalidate();
  return TRUE;
}

void CXTButton::SetFlatStyle(BOOL bFlat) {
  m_bFlat = bFlat;
  if (::IsWindow(m_hWnd)) Invalidate();
}

void CXTButton::PreSubclassWindow() {
  CButton::PreSubclassWindow();
  // The drawing is ours whatever style the template gave.
  ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CXTButton::OnMouseMove(UINT nFlags, CPoint point) {
  if (!m_bHot) {
    m_bHot = TRUE;
    TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
    Invalidate(FALSE);
  }
  CButton::OnMouseMove(nFlags, point);
}

LRESULT CXTButton::OnMouseLeave(WPARAM, LPARAM) {
  m_bHot = FALSE;
  Invalidate(FALSE);
  return 0;
}

void CXTButton::OnDestroy() {
  m_bHot = FALSE;
  CButton::OnDestroy();
}

void CXTButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  HDC hdc = lpDIS->hDC;
  CRect rc(lpDIS->rcItem);
  const BOOL bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
  const BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
  const BOOL bFocus = (lpDIS->itemState & ODS_FOCUS) != 0;

  ::FillRect(
      hdc, &rc,
      ::GetSysColorBrush(bPressed || (m_bHot && !bDisabled) ? COLOR_3DLIGHT : COLOR_BTNFACE));
  if (bPressed)
    ::DrawEdge(hdc, &rc, BDR_SUNKENOUTER, BF_RECT);
  else if (!m_bFlat || (m_bHot && !bDisabled))
    ::DrawEdge(hdc, &rc, BDR_RAISEDINNER, BF_RECT);

  CString caption;
  GetWindowText(caption);
  const DWORD style = GetStyle();
  CRect content(rc);
  content.DeflateRect(3, 2);
  if (bPressed) content.OffsetRect(1, 1);

  // Icon: centred alone, or at the left with the caption after it (BS_LEFTTEXT puts the text
  // at the left edge too).
  int textLeft = content.left;
  if (m_hIcon) {
    int x = caption.IsEmpty() ? content.left + (content.Width() - m_sizeIcon.cx) / 2 : content.left;
    const int y = content.top + (content.Height() - m_sizeIcon.cy) / 2;
    ::DrawState(hdc, NULL, NULL, reinterpret_cast<LPARAM>(m_hIcon), 0, x, y, m_sizeIcon.cx,
                m_sizeIcon.cy, DST_ICON | (bDisabled ? DSS_DISABLED : DSS_NORMAL));
    textLeft = x + m_sizeIcon.cx + 3;
  }
  if (!caption.IsEmpty()) {
    CRect text(textLeft, content.top, content.right, content.bottom);
    HGDIOBJ oldFont = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    if (!oldFont) oldFont = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
    const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
    const COLORREF oldColour =
        ::SetTextColor(hdc, ::GetSysColor(bDisabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    format |= (m_hIcon || (style & BS_LEFTTEXT)) ? DT_LEFT : DT_CENTER;
    ::DrawText(hdc, caption, caption.GetLength(), &text, format);
    ::SetTextColor(hdc, oldColour);
    ::SetBkMode(hdc, oldMode);
    ::SelectObject(hdc, oldFont);
  }
  if (bFocus && !(lpDIS->itemState & ODS_NOFOCUSRECT)) {
    CRect focus(rc);
    focus.DeflateRect(3, 3);
    ::DrawFocusRect(hdc, &focus);
  }
}
