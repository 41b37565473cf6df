// Menus and their owner window: update handlers run over a popup before it shows, and
// owner-drawn items reach the CMenu object that made them.
#include "menuroute_.h"

#include "handlemap_.h"

using namespace afx_internal;

namespace {

// Menus nest rarely more than a few levels; the bound also stops a menu listed inside itself.
const int kMaxMenuDepth = 16;

// What the search looks for: a menu handle, or an owner-drawn item by id and data.
struct ItemQuery {
  HMENU hMenu = nullptr;
  UINT nID = 0;
  ULONG_PTR itemData = 0;

  bool MatchesItem(HMENU hParent, int nPos) const {
    if (hMenu != nullptr) return false;
    MENUITEMINFOW mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_DATA;
    return ::GetMenuItemInfoW(hParent, UINT(nPos), TRUE, &mii) && (mii.fType & MFT_OWNERDRAW) &&
           mii.wID == nID && mii.dwItemData == itemData;
  }
};

CMenu* AttachedMenu(HMENU hMenu) {
  return static_cast<CMenu*>(LookupPermanent(kMenuHandle, hMenu));
}

// The nearest attached menu on the path from hMenu (whose nearest attached ancestor so far is
// pNearest) to what the query looks for; null when it is not under hMenu.
CMenu* Search(HMENU hMenu, CMenu* pNearest, const ItemQuery& query, int depth) {
  if (depth > kMaxMenuDepth || !::IsMenu(hMenu)) return nullptr;
  if (CMenu* pOwn = AttachedMenu(hMenu)) pNearest = pOwn;
  if (hMenu == query.hMenu) return pNearest;
  const int count = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < count; ++i) {
    if (query.MatchesItem(hMenu, i)) return pNearest;
    if (HMENU hSub = ::GetSubMenu(hMenu, i))
      if (CMenu* pFound = Search(hSub, pNearest, query, depth + 1)) return pFound;
  }
  return nullptr;
}

CMenu* SearchAttachedMenus(const ItemQuery& query) {
  for (const void* h : PermanentHandles(kMenuHandle)) {
    HMENU hRoot = static_cast<HMENU>(const_cast<void*>(h));
    if (CMenu* pFound = Search(hRoot, nullptr, query, 0)) return pFound;
  }
  return nullptr;
}

}  // namespace

namespace afx_internal {

CMenu* MenuObjectOfDrawnItem(HMENU hMenu) {
  if (CMenu* pOwn = AttachedMenu(hMenu)) return pOwn;
  ItemQuery query;
  query.hMenu = hMenu;
  return SearchAttachedMenus(query);
}

CMenu* MenuObjectOfMeasuredItem(UINT nID, ULONG_PTR itemData) {
  ItemQuery query;
  query.nID = nID;
  query.itemData = itemData;
  return SearchAttachedMenus(query);
}

}  // namespace afx_internal

void CWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu) {
  Default();
  if (bSysMenu || pPopupMenu == nullptr || !::IsMenu(pPopupMenu->m_hMenu)) return;
  // Items without a handler keep their state: only a frame would grey every unhandled command.
  CCmdUI state;
  state.m_pMenu = pPopupMenu;
  state.m_nIndexMax = UINT(pPopupMenu->GetMenuItemCount());
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = pPopupMenu->GetMenuItemID(int(state.m_nIndex));
    // Separators (0) and submenus (-1) are skipped; a submenu gets its own WM_INITMENUPOPUP.
    if (state.m_nID == 0 || state.m_nID == UINT(-1)) continue;
    state.DoUpdate(this, FALSE);
    // A handler may have removed items.
    state.m_nIndexMax = UINT(pPopupMenu->GetMenuItemCount());
  }
}
