// CGfxListCtrl: the cell tip under the mouse (flag 0x0100).
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"

void CGfxListCtrl::HideTip() {
  if ((m_qwFlag & GFXLF_TIPS) && m_wndTip.GetSafeHwnd() && m_wndTip.IsWindowVisible())
    m_wndTip.Hide();
}

void CGfxListCtrl::OnMouseMove(UINT nFlags, CPoint point) {
  const UINT nHeld = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL;
  if ((m_qwFlag & GFXLF_TIPS) && !(nFlags & nHeld) && m_wndTip.GetSafeHwnd() &&
      ::GetFocus() == m_hWnd) {
    CRect rcCell;
    int nColumn = 0;
    const int nItem = CellRectFromPoint(point, &rcCell, &nColumn);
    if (nItem >= 0) {
      // Category rows and the category gutter (column 0) draw their own texts.
      if (m_pCategoryManager &&
          (nColumn == 0 || m_pCategoryManager->IsListItemACategory(GetItemData(nItem)) >= 0))
        return;
      int nOffset = 6;
      if (nColumn == 0) {
        CRect rcLabel;
        GetItemRect(nItem, &rcLabel, LVIR_LABEL);
        nOffset = rcLabel.left - rcCell.left + 3;
      }
      rcCell.bottom -= 1;
      if (!((m_qwFlag & GFXLF_IMAGECOLUMNS) && IsImageCol(GetColumnIndex(nColumn)))) {
        CString strText;
        GetItemTextEx(nItem, nColumn, strText);
        m_wndTip.Show(rcCell, strText, nOffset - 1);
      }
    }
  }
  CListCtrl::OnMouseMove(nFlags, point);
}
