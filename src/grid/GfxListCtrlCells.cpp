// CGfxListCtrl: the cell under a point, cell rectangles and scrolling a column into view.
#include "grid/GfxListCtrl.h"

#include <algorithm>

namespace {

bool IsReportView(const CWnd& wnd) {
  return (wnd.GetStyle() & LVS_TYPEMASK) == LVS_REPORT;
}

// Left edge of the column at a position relative to the row's left edge.
int ColumnOffset(const CGfxListCtrl& list, int nColumn) {
  int nOffset = 0;
  for (int i = 0; i < nColumn; ++i) nOffset += list.GetColumnWidth(i);
  return nOffset;
}

// The column whose span (both edges inclusive) holds x, for a row starting at nLeft; -1 none.
int ColumnAt(const CGfxListCtrl& list, int nLeft, int x) {
  const int nCount = list.GetColumnCount();
  for (int i = 0; i < nCount; ++i) {
    const int nWidth = list.GetColumnWidth(i);
    if (x >= nLeft && x <= nLeft + nWidth) return i;
    nLeft += nWidth;
  }
  return -1;
}

// The visible rows: from the top row, one page (and the row cut by the bottom), at most all rows.
int LastVisibleRow(const CGfxListCtrl& list) {
  return std::min(list.GetTopIndex() + list.GetCountPerPage(), list.GetItemCount() - 1);
}

// The column's span in the list's client coordinates: the list view scrolls horizontally by
// moving its header window, so the header's item rectangle is mapped, not taken as it is.
bool ColumnSpan(CGfxListCtrl& list, int nColumn, CRect& rcColumn) {
  CHeaderCtrl* pHeader = list.GetHeaderCtrl();
  if (!pHeader || !pHeader->GetItemRect(nColumn, &rcColumn)) return false;
  ::MapWindowPoints(pHeader->GetSafeHwnd(), list.GetSafeHwnd(), reinterpret_cast<POINT*>(&rcColumn),
                    2);
  return true;
}

// Scrolls horizontally so that the column is visible: by its left edge when that lies outside
// the client (or, with bLeftPastRight, right of it), else by the overhang of its right edge.
void ScrollColumnIn(CGfxListCtrl& list, const CRect& rcColumn, bool bLeftPastRight) {
  CRect rcClient;
  list.GetClientRect(&rcClient);
  if (rcColumn.left < rcClient.left || (bLeftPastRight && rcColumn.left > rcClient.right))
    list.Scroll(CSize(rcColumn.left - rcClient.left, 0));
  else if (rcColumn.right > rcClient.right)
    list.Scroll(CSize(rcColumn.right - rcClient.right, 0));
}

}  // namespace

int CGfxListCtrl::HitTestEx(CPoint& point, int* pColumn) const {
  if (pColumn) *pColumn = 0;
  if (!::IsWindow(m_hWnd)) return -1;
  if (!IsReportView(*this)) return HitTest(point, NULL);
  for (int i = GetTopIndex(), nLast = LastVisibleRow(*this); i >= 0 && i <= nLast; ++i) {
    CRect rcRow;
    if (!GetItemRect(i, &rcRow, LVIR_BOUNDS) || !rcRow.PtInRect(point)) continue;
    const int nColumn = ColumnAt(*this, rcRow.left, point.x);
    if (pColumn) *pColumn = nColumn >= 0 ? nColumn : 0;
    return i;
  }
  return -1;
}

int CGfxListCtrl::CellRectFromPoint(CPoint& point, RECT* pCell, int* pColumn) const {
  if (!::IsWindow(m_hWnd) || !IsReportView(*this)) return -1;
  CRect rcClient;
  GetClientRect(&rcClient);
  if (point.x > rcClient.right) return -1;
  for (int i = GetTopIndex(), nLast = LastVisibleRow(*this); i >= 0 && i <= nLast; ++i) {
    CRect rcRow;
    if (!GetItemRect(i, &rcRow, LVIR_BOUNDS)) continue;
    rcRow.bottom -= m_rows.nPreviewHeight;
    if (!rcRow.PtInRect(point)) continue;
    const int nColumn = ColumnAt(*this, rcRow.left, point.x);
    if (nColumn < 0) return -1;
    if (pColumn) *pColumn = nColumn;
    if (pCell) {
      pCell->left = rcRow.left + ColumnOffset(*this, nColumn);
      pCell->right =
          std::min(pCell->left + GetColumnWidth(nColumn), static_cast<LONG>(rcClient.right));
      pCell->top = rcRow.top;
      pCell->bottom = rcRow.bottom;
    }
    return i;
  }
  return -1;
}

void CGfxListCtrl::GetSubItemRect(int nItem, int nColumn, CRect& rect) const {
  if (!::IsWindow(m_hWnd) || nColumn < 0 || nColumn >= GetColumnCount() ||
      GetColumnWidth(nColumn) < 5)
    return;
  CRect rcRow;
  if (!GetItemRect(nItem, &rcRow, LVIR_BOUNDS)) return;
  rect = rcRow;
  rect.bottom -= 1;
  rect.left = rcRow.left + ColumnOffset(*this, nColumn);
  rect.right = rect.left + GetColumnWidth(nColumn);
}

void CGfxListCtrl::CalculateCellRect(int nColumn, int nItem, CRect& rect) {
  if (!::IsWindow(m_hWnd) || !GetItemRect(nItem, &rect, LVIR_BOUNDS)) return;
  CRect rcClient;
  GetClientRect(&rcClient);
  rect.right = std::min(rect.right, rcClient.right);
  ScrollToView(nColumn, rect);
}

void CGfxListCtrl::ScrollToView(int nColumn, CRect& rect) {
  CRect rcColumn;
  if (!::IsWindow(m_hWnd) || nColumn < 0 || nColumn >= GetColumnCount() ||
      !ColumnSpan(*this, nColumn, rcColumn))
    return;
  ScrollColumnIn(*this, rcColumn, true);
  ColumnSpan(*this, nColumn, rcColumn);
  rect.left = rcColumn.left;
  rect.right = rcColumn.right;
}

BOOL CGfxListCtrl::EnsureSubItemVisible(int nColumn) {
  CRect rcColumn;
  if (!::IsWindow(m_hWnd) || nColumn < 0 || nColumn >= GetColumnCount() ||
      GetColumnWidth(nColumn) < 5 || !ColumnSpan(*this, nColumn, rcColumn))
    return FALSE;
  ScrollColumnIn(*this, rcColumn, false);
  return TRUE;
}
