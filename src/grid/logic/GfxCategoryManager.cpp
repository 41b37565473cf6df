// CGfxCategoryManager: category records, filing by key or range, and the identities rows carry.
#include "grid/GfxCategoryManager.h"

#include <algorithm>

CString CGfxCategoryManager::CGfxCategory::GetLabel() const {
  return CString(tkw::categories::FormatLabel(strName, members.size()).c_str());
}

CGfxCategoryManager::CGfxCategoryManager()
    : m_pfnCategory(NULL), m_pfnBulk(NULL), m_pOwner(NULL), m_bCategoryRows(false) {}

CGfxCategoryManager::~CGfxCategoryManager() {}

// ---- records

int CGfxCategoryManager::AppendCategory(std::unique_ptr<CGfxCategory> category) {
  m_identities.Add();
  m_categories.push_back(std::move(category));
  return static_cast<int>(m_categories.size()) - 1;
}

int CGfxCategoryManager::AddCategory(LPCTSTR lpszName, LPCTSTR lpszKey) {
  auto category = std::make_unique<CGfxCategory>();
  category->strName = lpszName;
  category->strKey = lpszKey;
  category->nKind = kindText;
  return AppendCategory(std::move(category));
}

int CGfxCategoryManager::AddCategory(LPCTSTR lpszName, CTime from, CTime to) {
  auto category = std::make_unique<CGfxCategory>();
  category->strName = lpszName;
  category->nKind = kindTime;
  category->timeFrom = from;
  category->timeTo = to;
  return AppendCategory(std::move(category));
}

int CGfxCategoryManager::AddCategory(LPCTSTR lpszName, double from, double to) {
  auto category = std::make_unique<CGfxCategory>();
  category->strName = lpszName;
  category->nKind = kindNumber;
  category->dFrom = from;
  category->dTo = to;
  return AppendCategory(std::move(category));
}

int CGfxCategoryManager::FindCategory(LPCTSTR lpszKey) const {
  if (!lpszKey) return -1;
  for (size_t i = 0; i < m_categories.size(); ++i)
    if (m_categories[i]->nKind == kindText && m_categories[i]->strKey == lpszKey)
      return static_cast<int>(i);
  return -1;
}

int CGfxCategoryManager::FindCategory(CTime t) const {
  for (size_t i = 0; i < m_categories.size(); ++i) {
    const CGfxCategory& c = *m_categories[i];
    if (c.nKind == kindTime && tkw::categories::InRange(c.timeFrom, c.timeTo, t))
      return static_cast<int>(i);
  }
  return -1;
}

int CGfxCategoryManager::FindCategory(double v) const {
  for (size_t i = 0; i < m_categories.size(); ++i) {
    const CGfxCategory& c = *m_categories[i];
    if (c.nKind == kindNumber && tkw::categories::InRange(c.dFrom, c.dTo, v))
      return static_cast<int>(i);
  }
  return -1;
}

void CGfxCategoryManager::AddItemToCategory(int nIndex, DWORD_PTR dwItemData) {
  if (CGfxCategory* pCategory = GetCategory(nIndex)) pCategory->members.push_back(dwItemData);
}

CGfxCategoryManager::CGfxCategory* CGfxCategoryManager::GetCategory(int nIndex) {
  if (nIndex < 0 || nIndex >= GetCategoryCount()) return NULL;
  return m_categories[static_cast<size_t>(nIndex)].get();
}

const CGfxCategoryManager::CGfxCategory* CGfxCategoryManager::GetCategory(int nIndex) const {
  if (nIndex < 0 || nIndex >= GetCategoryCount()) return NULL;
  return m_categories[static_cast<size_t>(nIndex)].get();
}

CString CGfxCategoryManager::GetCategoryLabel(int nIndex) const {
  const CGfxCategory* pCategory = GetCategory(nIndex);
  return pCategory ? pCategory->GetLabel() : CString();
}

bool CGfxCategoryManager::RemoveItem(DWORD_PTR dwItemData) {
  if (IsRemoved(dwItemData) || !IsKnownItem(dwItemData)) return false;
  m_items.erase(std::remove(m_items.begin(), m_items.end(), dwItemData), m_items.end());
  m_removed.push_back(dwItemData);
  return true;
}

bool CGfxCategoryManager::IsRemoved(DWORD_PTR dwItemData) const {
  return std::find(m_removed.begin(), m_removed.end(), dwItemData) != m_removed.end();
}

void CGfxCategoryManager::ClearMembersAndClose() {
  m_removed.clear();
  for (auto& category : m_categories) {
    category->members.clear();
    category->bOpen = false;
  }
}

// ---- identities

int CGfxCategoryManager::IsListItemACategory(DWORD_PTR dwItemData) const {
  return m_identities.IndexOf(dwItemData);
}

DWORD_PTR CGfxCategoryManager::GetCategoryItemData(int nIndex) const {
  return m_identities.At(nIndex);
}

bool CGfxCategoryManager::IsKnownItem(DWORD_PTR dwItemData) const {
  if (std::find(m_items.begin(), m_items.end(), dwItemData) != m_items.end()) return true;
  for (const auto& category : m_categories)
    if (std::find(category->members.begin(), category->members.end(), dwItemData) !=
        category->members.end())
      return true;
  return false;
}

void CGfxCategoryManager::RenewIdentityOf(int nIndex, IdentityMoves& moves) {
  m_identities.Renew(
      nIndex, [this](DWORD_PTR dwValue) { return IsKnownItem(dwValue); }, moves);
}

void CGfxCategoryManager::RenewCollidingIdentities(IdentityMoves& moves) {
  if (m_categories.empty()) return;
  std::vector<int> colliding;
  auto check = [&](DWORD_PTR dwItemData) {
    const int nIndex = IsListItemACategory(dwItemData);
    if (nIndex >= 0 && std::find(colliding.begin(), colliding.end(), nIndex) == colliding.end())
      colliding.push_back(nIndex);
  };
  for (DWORD_PTR dwItemData : m_items) check(dwItemData);
  for (const auto& category : m_categories)
    for (DWORD_PTR dwItemData : category->members) check(dwItemData);
  for (int nIndex : colliding) RenewIdentityOf(nIndex, moves);
}
