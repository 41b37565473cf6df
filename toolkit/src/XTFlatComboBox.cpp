// CXTFlatComboBox: a combo box painted with a flat frame and drop button.
#include "XTFlatComboBox.h"

IMPLEMENT_DYNAMIC(CXTFlatComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CXTFlatComboBox, CComboBox)
  ON_WM_PAINT()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CXTFlatComboBox::CXTFlatComboBox() : m_bFlat(TRUE), m_bHot(FALSE) {}

CXTFlatComboBox::~CXTFlatComboBox() {}

void CXTFlatComboBox::SetFlatStyle(BOOL bFlat) {
  m_bFlat = bFlat;
  if (::IsWindow(m_hWnd)) Invalidate();
}

void CXTFlatComboBox::DrawFlat(HDC hdc) {
  CRect rc;
  GetClientRect(&rc);
  if (rc.IsRectEmpty()) return;
  const bool bLit = m_bHot || ::GetFocus() == m_hWnd || ::IsChild(m_hWnd, ::GetFocus());
  // The sunken edge the control drew is two pixels wide: the outer one becomes the flat frame,
  // the inner one takes the field's colour.
  ::FrameRect(hdc, &rc, ::GetSysColorBrush(bLit ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
  CRect inner = rc;
  inner.DeflateRect(1, 1);
  ::FrameRect(hdc, &inner, ::GetSysColorBrush(IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE));

  if ((GetStyle() & 0x3) == CBS_SIMPLE) return;
  CRect button(rc.right - 1 - ::GetSystemMetrics(SM_CXVSCROLL), rc.top + 1, rc.right - 1,
               rc.bottom - 1);
  if (button.left < rc.left + 1) button.left = rc.left + 1;
  ::FillRect(hdc, &button, ::GetSysColorBrush(bLit ? COLOR_3DLIGHT : COLOR_BTNFACE));
  // A separator line keeps the button apart from the field.
  CRect line(button.left, button.top, button.left + 1, button.bottom);
  ::FillRect(hdc, &line, ::GetSysColorBrush(bLit ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));

  // The arrow: a small solid triangle, pointing down, centred in the button.
  const int cx = (button.left + 1 + button.right) / 2, cy = (button.top + button.bottom) / 2;
  HBRUSH hArrow = ::GetSysColorBrush(IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
  for (int i = 0; i < 4; ++i) {
    CRect row(cx - 3 + i, cy - 1 + i, cx + 4 - i, cy + i);
    ::FillRect(hdc, &row, hArrow);
  }
}

void CXTFlatComboBox::OnPaint() {
  Default();
  if (!m_bFlat) return;
  HDC hdc = ::GetDC(m_hWnd);
  DrawFlat(hdc);
  ::ReleaseDC(m_hWnd, hdc);
}

LRESULT CXTFlatComboBox::OnPrintClient(WPARAM wParam, LPARAM) {
  const LRESULT result = Default();
  if (m_bFlat && wParam) DrawFlat(reinterpret_cast<HDC>(wParam));
  return result;
}

void CXTFlatComboBox::OnMouseMove(UINT nFlags, CPoint point) {
  if (!m_bHot) {
    m_bHot = TRUE;
    TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
    Invalidate(FALSE);
  }
  CComboBox::OnMouseMove(nFlags, point);
}

LRESULT CXTFlatComboBox::OnMouseLeave(WPARAM, LPARAM) {
  m_bHot = FALSE;
  Invalidate(FALSE);
  return 0;
}

void CXTFlatComboBox::OnSetFocus(CWnd* pOldWnd) {
  CComboBox::OnSetFocus(pOldWnd);
  Invalidate(FALSE);
}

void CXTFlatComboBox::OnKillFocus(CWnd* pNewWnd) {
  CComboBox::OnKillFocus(pNewWnd);
  Invalidate(FALSE);
}
