// CXTPHeaderCtrl: themed header with column fitting and a switchable resize cursor.
#include "XTPHeaderCtrl.h"

IMPLEMENT_DYNAMIC(CXTPHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CXTPHeaderCtrl, CHeaderCtrl)
  ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CXTPHeaderCtrl::CXTPHeaderCtrl() : m_nTheme(xtpHeaderThemeDefault), m_bResizeCursor(TRUE) {}

CXTPHeaderCtrl::~CXTPHeaderCtrl() {}

void CXTPHeaderCtrl::SetTheme(int nTheme) {
  m_nTheme = nTheme;
  if (::IsWindow(m_hWnd)) Invalidate();
}

void CXTPHeaderCtrl::ResizeColumnsToFit() {
  if (!::IsWindow(m_hWnd)) return;
  CWnd* pParent = GetParent();
  const int count = GetItemCount();
  if (!pParent || count <= 0) return;

  CRect client;
  pParent->GetClientRect(&client);
  int total = 0;
  for (int i = 0; i < count; ++i) {
    HDITEM item = {};
    item.mask = HDI_WIDTH;
    if (GetItem(i, &item)) total += item.cxy;
  }
  if (total >= client.Width()) return;

  // The last column in display order takes the free space.
  const int last = OrderToIndex(count - 1);
  HDITEM item = {};
  item.mask = HDI_WIDTH;
  if (!GetItem(last, &item)) return;
  item.cxy += client.Width() - total;
  SetItem(last, &item);
}

BOOL CXTPHeaderCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  if (!m_bResizeCursor) {
    ::SetCursor(::LoadCursorW(NULL, IDC_ARROW));
    return TRUE;
  }
  return CHeaderCtrl::OnSetCursor(pWnd, nHitTest, message);
}
