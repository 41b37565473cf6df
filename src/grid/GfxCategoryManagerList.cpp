// CGfxCategoryManager: building a list's category rows and member rows from the records.
#include "grid/GfxCategoryManager.h"

#include "grid/GfxListCtrl.h"

#include <algorithm>

namespace {

// Inserts a row at nItem: a callback-text row for an item, or a category row with its label.
int InsertRow(CGfxListCtrl* pList, int nItem, DWORD_PTR dwItemData, LPCTSTR lpszLabel) {
  LVITEM item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = nItem;
  item.pszText = lpszLabel ? const_cast<LPTSTR>(lpszLabel) : LPSTR_TEXTCALLBACK;
  item.lParam = static_cast<LPARAM>(dwItemData);
  return pList->InsertItem(&item);
}

int FindRowByData(CGfxListCtrl* pList, DWORD_PTR dwItemData) {
  LVFINDINFO find = {};
  find.flags = LVFI_PARAM;
  find.lParam = static_cast<LPARAM>(dwItemData);
  return pList->FindItem(&find, -1);
}

bool IsUsable(CGfxListCtrl* pList) {
  return pList && ::IsWindow(pList->GetSafeHwnd());
}

}  // namespace

void CGfxCategoryManager::SetupList(CGfxListCtrl* pList) {
  if (!IsUsable(pList)) return;
  // Filing a list that already shows categories would collect category rows and lose the
  // rows of closed categories: go back to the plain rows first.
  if (m_bCategoryRows) ResetList(pList);
  ClearMembersAndClose();

  m_items.resize(static_cast<size_t>(pList->GetItemCount()));
  for (size_t i = 0; i < m_items.size(); ++i) m_items[i] = pList->GetItemData(static_cast<int>(i));

  if (m_pfnCategory && m_pOwner) {
    for (size_t i = 0; i < m_items.size(); ++i) (m_pOwner->*m_pfnCategory)(this, m_items[i]);
  } else if (m_pfnBulk && m_pOwner) {
    for (size_t i = 0; i < m_items.size(); ++i) m_items[i] = static_cast<DWORD_PTR>(i);
    (m_pOwner->*m_pfnBulk)(this);
  }
  InsertCategoryInList(pList);
}

void CGfxCategoryManager::InsertCategoryInList(CGfxListCtrl* pList) {
  if (!IsUsable(pList)) return;
  IdentityMoves moves;  // no category row exists yet, so nothing has to follow them
  RenewCollidingIdentities(moves);

  CGfxListCtrl::CRedrawOff redrawOff(*pList);
  pList->DeleteAllItems();
  m_bCategoryRows = true;
  int nRow = 0;
  for (size_t i = 0; i < m_categories.size(); ++i) {
    const CGfxCategory& category = *m_categories[i];
    InsertRow(pList, nRow++, GetCategoryItemData(static_cast<int>(i)), category.GetLabel());
    if (category.bOpen)
      for (DWORD_PTR dwMember : category.members)
        if (!IsRemoved(dwMember)) InsertRow(pList, nRow++, dwMember, NULL);
  }
}

void CGfxCategoryManager::ResetList(CGfxListCtrl* pList) {
  if (!IsUsable(pList)) return;
  {
    CGfxListCtrl::CRedrawOff redrawOff(*pList);
    pList->DeleteAllItems();
    m_bCategoryRows = false;
    for (size_t i = 0; i < m_items.size(); ++i)
      InsertRow(pList, static_cast<int>(i), m_items[i], NULL);
  }
  ClearMembersAndClose();
}

void CGfxCategoryManager::FillCategoryItems(int nIndex, int nItem, CGfxListCtrl* pList) {
  const CGfxCategory* pCategory = GetCategory(nIndex);
  if (!pCategory || !IsUsable(pList) || nItem < 0 || nItem >= pList->GetItemCount()) return;
  CGfxListCtrl::CRedrawOff redrawOff(*pList);
  int nRow = nItem + 1;
  for (DWORD_PTR dwMember : pCategory->members)
    if (!IsRemoved(dwMember)) InsertRow(pList, nRow++, dwMember, NULL);
}

void CGfxCategoryManager::RemoveCategoryItems(int nIndex, int nItem, CGfxListCtrl* pList) {
  if (!GetCategory(nIndex) || !IsUsable(pList) || nItem < 0 || nItem >= pList->GetItemCount())
    return;
  CGfxListCtrl::CRedrawOff redrawOff(*pList);
  while (nItem + 1 < pList->GetItemCount() &&
         IsListItemACategory(pList->GetItemData(nItem + 1)) < 0)
    pList->DeleteItem(nItem + 1);
}

int CGfxCategoryManager::InsertNewItem(CGfxListCtrl* pList, DWORD_PTR dwItemData) {
  if (!IsUsable(pList)) return -1;
  IdentityMoves moves;
  // A category row standing for this very value would be taken for the new item's row.
  const int nColliding = IsListItemACategory(dwItemData);
  if (nColliding >= 0) {
    m_items.push_back(dwItemData);  // so that the new identity avoids it too
    RenewIdentityOf(nColliding, moves);
    m_items.pop_back();
  }

  // A deleted item that comes back is filed afresh: its old places among the members go.
  if (IsRemoved(dwItemData)) {
    m_removed.erase(std::remove(m_removed.begin(), m_removed.end(), dwItemData), m_removed.end());
    for (auto& category : m_categories) {
      auto& members = category->members;
      members.erase(std::remove(members.begin(), members.end(), dwItemData), members.end());
    }
  }

  m_items.push_back(dwItemData);
  const size_t nCategoriesBefore = m_categories.size();
  std::vector<size_t> countsBefore;
  countsBefore.reserve(nCategoriesBefore);
  for (const auto& category : m_categories) countsBefore.push_back(category->members.size());

  if (m_pfnCategory && m_pOwner) (m_pOwner->*m_pfnCategory)(this, m_items.back());

  // Categories the callback created may carry an address some item has.
  for (size_t i = nCategoriesBefore; i < m_categories.size(); ++i)
    if (IsKnownItem(GetCategoryItemData(static_cast<int>(i))))
      RenewIdentityOf(static_cast<int>(i), moves);

  // Existing category rows follow their records' new identities.
  for (const auto& move : moves) {
    const int nRow = FindRowByData(pList, move.first);
    if (nRow >= 0) pList->SetItemData(nRow, move.second);
  }

  int nInserted = -1;
  for (size_t i = 0; i < m_categories.size(); ++i) {
    const CGfxCategory& category = *m_categories[i];
    if (i < nCategoriesBefore && category.members.size() == countsBefore[i]) continue;
    if (i >= nCategoriesBefore && category.members.empty()) continue;
    const DWORD_PTR dwIdentity = GetCategoryItemData(static_cast<int>(i));
    int nRow = FindRowByData(pList, dwIdentity);
    if (nRow < 0) {
      nRow = InsertRow(pList, pList->GetItemCount(), dwIdentity, category.GetLabel());
      if (nRow >= 0) pList->Update(nRow);
      continue;
    }
    pList->SetItemText(nRow, 0, category.GetLabel());
    pList->Update(nRow);
    if (category.bOpen) {
      const int nNew = InsertRow(pList, nRow + 1, category.members.back(), NULL);
      if (nNew >= 0) nInserted = nNew;
    }
  }
  return nInserted;
}
