// CGfxListCtrl: sorting by header clicks, sort commands, re-sorting on insertion.
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"
#include "grid/GfxColumnManager.h"
#include "grid/SortClass.h"

namespace {

// Rows are re-filed and re-inserted around a sort; the insertions they cause must not sort
// again. The sort is synchronous on the user-interface thread, so one flag serves all lists.
bool g_bSorting = false;

// Sorts the rows by the column at a position. With categories the list goes back to plain
// rows first and is filed again afterwards, so category rows never take part in a sort.
// Answers where the plain row that stood at nFollowed stands afterwards (-1 for none).
int SortRows(CGfxListCtrl& list, int nPosition, bool bAscending, bool bShowArrow,
             int nFollowed = -1) {
  g_bSorting = true;
  CGfxCategoryManager* pCategories = list.GetCategoryManager();
  if (pCategories) pCategories->ResetList(&list);
  if (bShowArrow) list.GetGfxHeader().SetSortImage(nPosition, bAscending ? 1 : 0);
  const int nSubItem = list.GetColumnIndex(nPosition);
  int nFollowedNow = -1;
  {
    CSortClass sorter(&list, nPosition, list.IsNumericCol(nSubItem), list.IsValuteCol(nSubItem));
    // Records are distinct addresses: the followed row's record finds it after the sort.
    const bool bFollow = !pCategories && nFollowed >= 0 && nFollowed < list.GetItemCount();
    LVFINDINFO find = {};
    find.flags = LVFI_PARAM;
    find.lParam = bFollow ? static_cast<LPARAM>(list.GetItemData(nFollowed)) : 0;
    sorter.Sort(bAscending);
    if (bFollow) nFollowedNow = list.FindItem(&find, -1);
  }
  if (pCategories) pCategories->SetupList(&list);
  g_bSorting = false;
  return nFollowedNow;
}

}  // namespace

bool CGfxListCtrl::SortByColumn(int nPosition, bool bAscending) {
  if (!::IsWindow(m_hWnd) || nPosition < 0 || nPosition >= GetColumnCount() ||
      !(m_qwFlag & GFXLF_SORT) || g_bSorting)
    return false;
  if (m_pColumnManager) {
    const CGfxColumnManager::CGfxColumn* pColumn =
        m_pColumnManager->GetColumnById(GetColumnIndex(nPosition));
    if (!pColumn || !pColumn->HasFlag(GFXCOL_SORTABLE)) return false;
  }
  CWaitCursor wait;
  SortRows(*this, nPosition, bAscending, true);
  if (!m_pCategoryManager) {
    const int nSelected = GetNextItem(-1, LVNI_SELECTED);
    if (nSelected >= 0) EnsureVisible(nSelected, FALSE);
  }
  return true;
}

BOOL CGfxListCtrl::RedrawItems(int nFirst, int nLast) {
  if (!::IsWindow(m_hWnd)) return FALSE;
  const int nSortCol = m_wndHeader.m_nSortCol;
  if (nSortCol > 0 && nSortCol < GetColumnCount() && !g_bSorting) {
    SortRows(*this, nSortCol, m_wndHeader.GetSortOrder(nSortCol), false);
    Invalidate();
    return TRUE;
  }
  CListCtrl::RedrawItems(nFirst, nLast);
  return FALSE;
}

BOOL CGfxListCtrl::RedrawItems() {
  return RedrawItems(0, GetItemCount() - 1);
}

void CGfxListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const NMLISTVIEW* pInfo = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  if (!(m_qwFlag & GFXLF_SORT)) return;
  // A click sorts against the direction the column was last sorted in.
  SortByColumn(pInfo->iSubItem, !m_wndHeader.GetSortOrder(pInfo->iSubItem));
}

void CGfxListCtrl::OnItemInserted(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  // Category rows are laid out by the category manager; only plain rows are kept in order,
  // in the direction the arrow shows.
  const int nSortCol = m_wndHeader.m_nSortCol;
  if (nSortCol < 0 || nSortCol >= GetColumnCount() || m_pCategoryManager || g_bSorting) return;
  const NMLISTVIEW* pInfo = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  m_nResortedRow = SortRows(*this, nSortCol, m_wndHeader.IsSortAscending(), false, pInfo->iItem);
}

void CGfxListCtrl::OnSortAscending() {
  SortByColumn(m_nClickedHeaderColumn, true);
}

void CGfxListCtrl::OnSortDescending() {
  SortByColumn(m_nClickedHeaderColumn, false);
}

void CGfxListCtrl::OnUpdateSortCommand(CCmdUI* pCmdUI) {
  pCmdUI->Enable((m_qwFlag & GFXLF_SORT) != 0);
}
