// CGfxListCtrl: rows (insert, delete, refresh), selection, record navigation and deleting by key.
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"

#include <QXHostWindows.h>
#include <qxres_ids.h>

// ---- rows

int CGfxListCtrl::InsertItemEx(int nItem, DWORD_PTR dwItemData) {
  if (!::IsWindow(m_hWnd)) return -1;
  if (m_pCategoryManager) return m_pCategoryManager->InsertNewItem(this, dwItemData);
  // One record serves every list: it is filled and sent at once, on the UI thread.
  static LVITEM s_item;
  s_item.mask = LVIF_TEXT | LVIF_PARAM;
  s_item.iItem = nItem;
  s_item.iSubItem = 0;
  s_item.pszText = LPSTR_TEXTCALLBACK;
  s_item.lParam = static_cast<LPARAM>(dwItemData);
  m_nResortedRow = -1;
  const int nRow = InsertItem(&s_item);
  // With a sort column the insertion has sorted the rows again: the new row may have moved.
  return (nRow >= 0 && m_nResortedRow >= 0) ? m_nResortedRow : nRow;
}

BOOL CGfxListCtrl::DeleteItemEx(int nItem, DWORD_PTR dwItemData) {
  if (!::IsWindow(m_hWnd)) return FALSE;
  if (!m_pCategoryManager) return nItem >= 0 && nItem < GetItemCount() && DeleteItem(nItem);
  // A row may stand in several places, or in none while its category is closed: every row
  // goes, and the manager forgets the item so that it never comes back (a sort, the view
  // turned off, its category opened) and its item data never reaches the owner again.
  BOOL bDeleted = FALSE;
  for (int i = GetItemCount() - 1; i >= 0; --i) {
    const DWORD_PTR dwRowData = GetItemData(i);
    if (dwRowData == dwItemData && m_pCategoryManager->IsListItemACategory(dwRowData) < 0 &&
        DeleteItem(i))
      bDeleted = TRUE;
  }
  if (m_pCategoryManager->RemoveItem(dwItemData)) bDeleted = TRUE;
  return bDeleted;
}

namespace {

// The rows ModifyItemEx touches: the row itself, or with categories every row of that item.
template <typename Fn>
void ForEachRowOf(CGfxListCtrl& list, int nItem, DWORD_PTR dwItemData, Fn fn) {
  if (!::IsWindow(list.m_hWnd)) return;
  if (!list.GetCategoryManager()) {
    if (nItem >= 0 && nItem < list.GetItemCount()) fn(nItem);
    return;
  }
  for (int i = list.GetItemCount() - 1; i >= 0; --i)
    if (list.GetItemData(i) == dwItemData) fn(i);
}

}  // namespace

void CGfxListCtrl::ModifyItemEx(int nItem, int nColumn, DWORD_PTR dwItemData) {
  if (nColumn < 0 || nColumn >= GetColumnCount()) return;
  ForEachRowOf(*this, nItem, dwItemData,
               [&](int i) { SetItemText(i, nColumn, LPSTR_TEXTCALLBACK); });
}

void CGfxListCtrl::ModifyItemEx(int nItem, int nColumn, DWORD_PTR dwItemData, LPCTSTR lpszText) {
  if (nColumn < 0 || nColumn >= GetColumnCount()) return;
  ForEachRowOf(*this, nItem, dwItemData,
               [&](int i) { SetItemText(i, nColumn, lpszText ? lpszText : _T("")); });
}

void CGfxListCtrl::SetSubItemImage(int nItem, int nColumn, int nImage) {
  if (!(m_qwFlag & GFXLF_IMAGECOLUMNS) || !::IsWindow(m_hWnd)) return;
  if (nItem < 0 || nItem >= GetItemCount() || nColumn < 0 || nColumn >= GetColumnCount()) return;
  CString strImage;
  strImage.Format(_T("%d"), nImage);
  SetItemText(nItem, nColumn, strImage);
}

// ---- selection and navigation

int CGfxListCtrl::SelectedCount() const {
  return ::IsWindow(m_hWnd) ? static_cast<int>(GetSelectedCount()) : 0;
}

DWORD_PTR CGfxListCtrl::GetSelected() const {
  const int nItem = ::IsWindow(m_hWnd) ? GetNextItem(-1, LVNI_SELECTED) : -1;
  return nItem >= 0 ? GetItemData(nItem) : 0;
}

void CGfxListCtrl::RemoveAllSelection() {
  if (!::IsWindow(m_hWnd)) return;
  for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED))
    SetItemState(i, 0, LVIS_SELECTED | LVIS_FOCUSED);
}

void CGfxListCtrl::OnSelectAll() {
  if (::IsWindow(m_hWnd)) SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
}

namespace {

// Focuses the list and makes the row the selected, focused and visible one.
void GoToRow(CGfxListCtrl& list, int nItem) {
  list.SetFocus();
  list.SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  list.EnsureVisible(nItem, FALSE);
}

}  // namespace

void CGfxListCtrl::OnMoveFirstRecord() {
  if (::IsWindow(m_hWnd) && GetItemCount() > 0) GoToRow(*this, 0);
}

void CGfxListCtrl::OnMoveLastRecord() {
  if (::IsWindow(m_hWnd) && GetItemCount() > 0) GoToRow(*this, GetItemCount() - 1);
}

void CGfxListCtrl::OnMoveNextRecord() {
  if (!EnableMoveNext()) return;
  GoToRow(*this, GetNextItem(-1, LVNI_SELECTED) + 1);
}

void CGfxListCtrl::OnMovePrevRecord() {
  if (!EnableMovePrev()) return;
  GoToRow(*this, GetNextItem(-1, LVNI_SELECTED) - 1);
}

BOOL CGfxListCtrl::EnableMoveFirst() const {
  return EnableMovePrev();
}

BOOL CGfxListCtrl::EnableMovePrev() const {
  if (!::IsWindow(m_hWnd) || GetItemCount() == 0) return FALSE;
  return GetNextItem(-1, LVNI_SELECTED) > 0;
}

BOOL CGfxListCtrl::EnableMoveLast() const {
  return EnableMoveNext();
}

BOOL CGfxListCtrl::EnableMoveNext() const {
  if (!::IsWindow(m_hWnd) || GetItemCount() == 0) return FALSE;
  // With no selection the first row is the next one.
  return GetNextItem(-1, LVNI_SELECTED) < GetItemCount() - 1;
}

// ---- deleting

void CGfxListCtrl::OnDelete() {
  if (!::IsWindow(m_hWnd) || m_rules.nReadOnly || GetSelectedCount() == 0) return;
  CString strQuestion;
  strQuestion.LoadString(IDS_QX_DELETE_SELECTED_ITEMS);
  if (ZRWMessageBox(strQuestion, MB_YESNO | MB_ICONSTOP, 1) != IDYES) return;

  // Each deletion restarts from the top: an owner's CanDeleteItem may depend on what is left.
  int nFollowing = -1;
  for (bool bDeleted = true; bDeleted;) {
    bDeleted = false;
    for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED)) {
      if (CanDeleteItem(i) && DeleteItem(i)) {
        nFollowing = i;
        bDeleted = true;
        break;
      }
    }
  }
  const int nCount = GetItemCount();
  const int nItem = (nFollowing >= 0 && nFollowing < nCount) ? nFollowing : nCount - 1;
  if (nItem >= 0) SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}
