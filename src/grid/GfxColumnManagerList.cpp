// CGfxColumnManager: building a list's columns from the model and reading them back.
#include "grid/GfxColumnManager.h"

#include "grid/GfxListCtrl.h"

bool CGfxColumnManager::SetupColumnData(CGfxListCtrl* pList, bool /*bUnused*/) {
  if (!pList || !::IsWindow(pList->GetSafeHwnd()) || !pList->GetHeaderCtrl()) return false;
  CGfxHeaderCtrl& header = pList->GetGfxHeader();
  header.m_nSortCol = -1;
  header.m_bSortAsc = 0;
  pList->ClearRebuiltMasks();

  const int nOld = pList->GetColumnCount();
  int nInserted = 0;
  for (int id : m_defaults) {
    const CGfxColumn* pColumn = GetColumnById(id);
    if (!pColumn) continue;
    LVCOLUMN column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = pColumn->GetAlign() | LVCFMT_COL_HAS_IMAGES;
    column.cx = pColumn->GetWidth();
    column.pszText = const_cast<LPTSTR>(pColumn->GetText() ? pColumn->GetText() : _T(""));
    column.iSubItem = id;
    if (pList->InsertColumn(nOld + nInserted, &column) < 0) continue;
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

  if (CHeaderCtrl* pHeader = pList->GetHeaderCtrl()) pHeader->Invalidate();
  pList->Invalidate(TRUE);
  return true;
}

bool CGfxColumnManager::RetrieveColumnData(CGfxListCtrl* pList) {
  if (!pList || !::IsWindow(pList->GetSafeHwnd()) || !pList->GetHeaderCtrl()) return false;
  const CGfxHeaderCtrl& header = pList->GetGfxHeader();
  const int nCount = pList->GetColumnCount();
  // Columns beyond the default list (inserted by the owner itself) extend it.
  if (GetDefaultCount() < nCount) {
    std::vector<int> ids = m_defaults;
    ids.resize(static_cast<size_t>(nCount), -1);
    DefineDefaultColumns(nCount, ids.data());
  }
  for (int nPosition = nCount - 1; nPosition >= 0; --nPosition) {
    const int id = pList->GetColumnIndex(nPosition);
    const int nWidth = pList->GetColumnWidth(nPosition);
    SetDefaultColumn(nPosition, id);
    CGfxColumn* pColumn = GetColumnById(id);
    if (!pColumn) continue;
    pColumn->SetWidth(nWidth);
    pColumn->ModifyFlags(GFXCOL_SORTASC | GFXCOL_SORTDESC, 0);
    if (nPosition == header.m_nSortCol)
      pColumn->ModifyFlags(0, header.m_bSortAsc ? GFXCOL_SORTASC : GFXCOL_SORTDESC);
  }
  return true;
}
