// CGfxListCtrl: sorting by header clicks, sort commands, re-sorting on insertion.
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"
#include "grid/GfxColumnManager.h"
#include "grid/SortClass.h"

bool CGfxListCtrl::SortByColumn(int /*nPosition*/, bool /*bAscending*/) { return false; }
BOOL CGfxListCtrl::RedrawItems(int nFirst, int nLast) { return CListCtrl::RedrawItems(nFirst, nLast) && FALSE; }
BOOL CGfxListCtrl::RedrawItems() { return RedrawItems(0, GetItemCount() - 1); }
void CGfxListCtrl::OnColumnClick(NMHDR* /*pNMHDR*/, LRESULT* pResult) { *pResult = 0; }
void CGfxListCtrl::OnItemInserted(NMHDR* /*pNMHDR*/, LRESULT* pResult) { *pResult = 0; }
void CGfxListCtrl::OnSortAscending() {}
void CGfxListCtrl::OnSortDescending() {}
void CGfxListCtrl::OnUpdateSortCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
