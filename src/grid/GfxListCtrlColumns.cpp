// CGfxListCtrl: columns, their kinds as masks, column dragging and the column model.
#include "grid/GfxListCtrl.h"

#include "grid/GfxColumnManager.h"

void CGfxListCtrl::SetMaskBit(DWORD& dwMask, int nSubItem, bool bSet) {
  const DWORD bit = CGfxColumnManager::GetColumnMask(nSubItem);
  dwMask = bSet ? (dwMask | bit) : (dwMask & ~bit);
}

bool CGfxListCtrl::HasMaskBit(DWORD dwMask, int nSubItem) {
  return (dwMask & CGfxColumnManager::GetColumnMask(nSubItem)) != 0;
}

void CGfxListCtrl::ApplyColumnFlags(int nSubItem, DWORD dwFlags) {
  const DWORD bit = CGfxColumnManager::GetColumnMask(nSubItem);
  if (!bit) return;
  struct FlagMask {
    DWORD flag;
    DWORD* mask;
  };
  const FlagMask table[] = {
      {GFXCOL_DROPLIST, &m_masks.dwCombo},
      {GFXCOL_DROPDOWN, &m_masks.dwComboEx},
      {GFXCOL_EDIT, &m_masks.dwEdit},
      {GFXCOL_SCRIPT, &m_masks.dwScript},
      {GFXCOL_NUMERIC, &m_masks.dwNumeric},
      {GFXCOL_VALUTE, &m_masks.dwValute},
      {GFXCOL_SORTABLE, &m_wndHeader.m_dwSortDirections},
      {GFXCOL_IMAGE, &m_masks.dwImage},
      {GFXCOL_NOSORTARROW, &m_wndHeader.m_dwNoArrowMask},
      {GFXCOL_FIXEDWIDTH, &m_wndHeader.m_dwFixedWidthMask},
      {GFXCOL_PERCENT, &m_masks.dwPercent},
      {GFXCOL_LINK, &m_masks.dwLink},
      {0x8000, &m_masks.dwReservedFlag},
  };
  for (const FlagMask& fm : table)
    if (dwFlags & fm.flag) *fm.mask |= bit;
}

void CGfxListCtrl::ClearRebuiltMasks() {
  m_masks.dwCombo = m_masks.dwComboEx = m_masks.dwEdit = m_masks.dwScript = 0;
  m_masks.dwNumeric = m_masks.dwValute = m_masks.dwImage = m_masks.dwPercent = 0;
}

int CGfxListCtrl::InsertColumnEx(int nCol, LPCTSTR lpszText, int nFormat, int nWidth,
                                 DWORD dwColumnFlags) {
  if (!::IsWindow(m_hWnd) || !CGfxColumnManager::IsValidColumnId(nCol)) return -1;
  LVCOLUMN column = {};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = nFormat;
  column.cx = nWidth;
  column.pszText = const_cast<LPTSTR>(lpszText ? lpszText : _T(""));
  column.iSubItem = nCol;
  const int nPos = InsertColumn(nCol, &column);
  if (nPos < 0) return nPos;
  ApplyColumnFlags(nCol, dwColumnFlags);
  if (dwColumnFlags & (GFXCOL_SORTASC | GFXCOL_SORTDESC)) {
    m_wndHeader.m_nSortCol = nPos;
    m_wndHeader.m_bSortAsc = (dwColumnFlags & GFXCOL_SORTDESC) ? 0 : 1;
    m_wndHeader.MakeOwnerDrawn(nPos);
  }
  return nPos;
}

LRESULT CGfxListCtrl::OnInsertColumn(WPARAM, LPARAM lParam) {
  const LRESULT nPos = Default();
  // The header, the drag limits and the column model read a column's subitem number from its
  // header item. Some list views store it there themselves, others do not: write it always.
  // (The A and W records agree up to the subitem number.)
  const LVCOLUMN* pColumn = reinterpret_cast<const LVCOLUMN*>(lParam);
  if (nPos >= 0 && pColumn) {
    HDITEM item = {};
    item.mask = HDI_LPARAM;
    item.lParam =
        (pColumn->mask & LVCF_SUBITEM) ? pColumn->iSubItem : GetColumnIndex(static_cast<int>(nPos));
    if (CHeaderCtrl* pHeader = GetHeaderCtrl()) pHeader->SetItem(static_cast<int>(nPos), &item);
  }
  return nPos;
}

void CGfxListCtrl::DeleteAllColumns() {
  for (int i = GetColumnCount(); i > 0; --i) DeleteColumn(0);
}

int CGfxListCtrl::GetColumnCount() const {
  if (m_nKeepColumns > 0) return static_cast<int>(m_keptColumns.size());
  if (!::IsWindow(m_hWnd)) return 0;
  CHeaderCtrl* pHeader = const_cast<CGfxListCtrl*>(this)->GetHeaderCtrl();
  return pHeader ? pHeader->GetItemCount() : 0;
}

int CGfxListCtrl::GetColumnIndex(int nPosition) const {
  if (nPosition < 0 || nPosition >= GetColumnCount()) return -1;
  if (m_nKeepColumns > 0) return m_keptColumns[static_cast<size_t>(nPosition)].nSubItem;
  LVCOLUMN column = {};
  column.mask = LVCF_SUBITEM;
  if (!const_cast<CGfxListCtrl*>(this)->GetColumn(nPosition, &column)) return -1;
  return column.iSubItem;
}

CGfxListCtrl::CKeepColumns::CKeepColumns(CGfxListCtrl& list) : m_list(list) {
  if (list.m_nKeepColumns > 0) {
    ++list.m_nKeepColumns;
    return;
  }
  // Read through the list view: nothing is kept yet.
  const int nColumns = list.GetColumnCount();
  std::vector<CKeptColumn> columns;
  columns.reserve(static_cast<size_t>(nColumns));
  for (int i = 0; i < nColumns; ++i) {
    LVCOLUMN column = {};
    column.mask = LVCF_SUBITEM | LVCF_WIDTH | LVCF_FMT;
    if (!list.GetColumn(i, &column)) column.iSubItem = -1;
    columns.push_back({column.iSubItem, column.cx, column.fmt});
  }
  list.m_keptColumns.swap(columns);
  list.m_nKeepColumns = 1;
}

CGfxListCtrl::CKeepColumns::~CKeepColumns() {
  if (--m_list.m_nKeepColumns == 0) m_list.m_keptColumns.clear();
}

void CGfxListCtrl::SetColumnImage(int nPosition, int nImage) {
  CHeaderCtrl* pHeader = ::IsWindow(m_hWnd) ? GetHeaderCtrl() : NULL;
  if (!pHeader || nPosition < 0 || nPosition >= pHeader->GetItemCount()) return;
  CString strText;
  strText.Format(_T("%d_"), nImage);
  HDITEM item = {};
  item.mask = HDI_FORMAT;
  pHeader->GetItem(nPosition, &item);
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.fmt |= HDF_OWNERDRAW;  // the header would show "3_" itself
  item.pszText = strText.GetBuffer();
  item.cchTextMax = strText.GetLength();
  pHeader->SetItem(nPosition, &item);
  strText.ReleaseBuffer();
}

void CGfxListCtrl::DragColumn(int& nFrom, int& nTo) {
  SetFocus();
  const int nCount = GetColumnCount();
  // Column 0 never moves and nothing is dropped in front of it.
  if (nFrom <= 0 || nFrom >= nCount || nTo < 0 || nTo > nCount) return;
  if (nTo == 0) nTo = 1;

  CRedrawOff redrawOff(*this);
  TCHAR szText[160] = {};
  LVCOLUMN column = {};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.pszText = szText;
  column.cchTextMax = static_cast<int>(_countof(szText));
  GetColumn(nFrom, &column);
  const int nInserted = InsertColumn(nTo, &column);
  if (nInserted >= 0) {
    m_wndHeader.MakeOwnerDrawn(nInserted);
    if (nFrom > nTo) ++nFrom;
    // The moved column's cells ask the owner again.
    for (int i = GetItemCount() - 1; i >= 0; --i) SetItemText(i, nInserted, LPSTR_TEXTCALLBACK);
    DeleteColumn(nFrom);
  }
}

// ---- column model

CGfxColumnManager* CGfxListCtrl::CreateColumnManager() {
  delete m_pColumnManager;
  m_pColumnManager = new CGfxColumnManager;
  return m_pColumnManager;
}

void CGfxListCtrl::SetProfileSection(LPCTSTR lpszSection) {
  CreateColumnManager();
  m_strProfileSection = lpszSection;
  m_pColumnManager->SetProfileSection(lpszSection);
}

BOOL CGfxListCtrl::SetupColumnData(bool bUnused) {
  return m_pColumnManager ? m_pColumnManager->SetupColumnData(this, bUnused) : FALSE;
}

BOOL CGfxListCtrl::RetrieveColumnData() {
  return m_pColumnManager ? m_pColumnManager->RetrieveColumnData(this) : FALSE;
}
