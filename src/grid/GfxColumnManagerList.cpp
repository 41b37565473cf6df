// CGfxColumnManager: building a list's columns from the model and reading them back.
#include "grid/GfxColumnManager.h"

#include "grid/GfxListCtrl.h"

bool CGfxColumnManager::SetupColumnData(CGfxListCtrl* pList, bool /*bUnused*/) {
  if (!pList || !::IsWindow(pList->GetSafeHwnd()) || !pList->GetHeaderCtrl()) return false;
  // Each column inserted or removed would repaint a shown list at once: paint the result once.
  CGfxListCtrl::CRedrawOff redrawOff(*pList);
  CGfxHeaderCtrl& header = pList->GetGfxHeader();
  header.m_nSortCol = -1;
  header.m_bSortAsc = 0;
  pList->ClearRebuiltMasks();

  const int nOld = pList->GetColumnCount();
  int nInserted = 0;
  std::uint32_t shownMask = 0;
  for (int id : m_defaults) {
    // Ids that no definition carries wait for the host module that defines them; a column
    // is shown once, wherever the list names it again.
    const CGfxColumn* pColumn = GetColumnById(id);
    if (!pColumn || (shownMask & GetColumnMask(id))) continue;
    LVCOLUMN column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = pColumn->GetAlign() | LVCFMT_COL_HAS_IMAGES;
    column.cx = pColumn->GetWidth();
    column.pszText = const_cast<LPTSTR>(pColumn->GetText() ? pColumn->GetText() : _T(""));
    column.iSubItem = id;
    if (pList->InsertColumn(nOld + nInserted, &column) < 0) continue;
    shownMask |= GetColumnMask(id);
    const int nPosition = nInserted++;
    const DWORD dwFlags = pColumn->GetFlags();
    pList->ApplyColumnFlags(id, dwFlags);
    if (dwFlags & GFXCOL_SORTASC) {
      header.m_nSortCol = nPosition;
      header.m_bSortAsc = 1;
    }
    if (dwFlags & GFXCOL_SORTDESC) {
      header.m_nSortCol = nPosition;
      header.m_bSortAsc = 0;
    }
    if (dwFlags & GFXCOL_HEADERIMAGE) pList->SetColumnImage(nOld + nPosition, pColumn->GetImage());
  }
  for (int i = 0; i < nOld; ++i) pList->DeleteColumn(0);
  header.MakeOwnerDrawn(header.m_nSortCol);  // the arrow shows on owner-drawn items only

  if (CHeaderCtrl* pHeader = pList->GetHeaderCtrl()) pHeader->Invalidate();
  pList->Invalidate(TRUE);
  return true;
}

bool CGfxColumnManager::RetrieveColumnData(CGfxListCtrl* pList) {
  if (!pList || !::IsWindow(pList->GetSafeHwnd()) || !pList->GetHeaderCtrl()) return false;
  const CGfxHeaderCtrl& header = pList->GetGfxHeader();
  std::vector<int> live;
  for (int nPosition = 0; nPosition < pList->GetColumnCount(); ++nPosition)
    live.push_back(pList->GetColumnIndex(nPosition));
  AdoptLiveColumns(live);

  // Only the column that shows the arrow keeps a sort state, hidden definitions included.
  for (CGfxColumn& column : m_columns) column.ModifyFlags(GFXCOL_SORTASC | GFXCOL_SORTDESC, 0);
  for (int nPosition = 0; nPosition < static_cast<int>(live.size()); ++nPosition) {
    CGfxColumn* pColumn = GetColumnById(live[static_cast<size_t>(nPosition)]);
    if (!pColumn) continue;
    pColumn->SetWidth(pList->GetColumnWidth(nPosition));
    if (nPosition == header.m_nSortCol)
      pColumn->ModifyFlags(0, header.m_bSortAsc ? GFXCOL_SORTASC : GFXCOL_SORTDESC);
  }
  return true;
}
