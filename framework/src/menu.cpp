// CMenu: menu handles with permanent and temporary wrappers, items and popup tracking.
#include "afxmenu_.h"
#include "handlemap_.h"

using namespace afx_internal;

namespace {

void ReleaseMenuWrapper(CObject* p) {
  static_cast<CMenu*>(p)->m_hMenu = NULL;
}

LPCTSTR BitmapItem(const CBitmap* pBmp) {
  return reinterpret_cast<LPCTSTR>(pBmp ? pBmp->m_hObject : NULL);
}

}  // namespace

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::~CMenu() {
  DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) {
  return WrapperFromHandle<CMenu>(
      kMenuHandle, hMenu, NewPlainWrapper<CMenu, HMENU, &CMenu::m_hMenu>, ReleaseMenuWrapper);
}

void PASCAL CMenu::DeleteTempMap() {
  DeleteTemporaries(kMenuHandle);
}

BOOL CMenu::Attach(HMENU hMenu) {
  ASSERT(m_hMenu == NULL);  // one menu per object
  if (!hMenu) return FALSE;
  if (m_hMenu) DestroyMenu();
  m_hMenu = hMenu;
  SetPermanent(kMenuHandle, hMenu, this);
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU h = m_hMenu;
  if (h) RemovePermanent(kMenuHandle, h, this);
  m_hMenu = NULL;
  return h;
}

BOOL CMenu::CreateMenu() {
  return Attach(::CreateMenu());
}
BOOL CMenu::CreatePopupMenu() {
  return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate) {
  return lpMenuTemplate ? Attach(::LoadMenuIndirectW(lpMenuTemplate)) : FALSE;
}

BOOL CMenu::DestroyMenu() {
  if (!m_hMenu) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return m_hMenu ? ::AppendMenuW(m_hMenu, nFlags, nIDNewItem, lpszNewItem) : FALSE;
}
BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return m_hMenu ? ::AppendMenuW(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp)) : FALSE;
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return m_hMenu ? ::InsertMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem) : FALSE;
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return m_hMenu
             ? ::InsertMenuW(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp))
             : FALSE;
}
BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
  return m_hMenu && lpMenuItemInfo ? ::InsertMenuItemW(m_hMenu, uItem, fByPos, lpMenuItemInfo)
                                   : FALSE;
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
  return m_hMenu ? ::ModifyMenuW(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem) : FALSE;
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return m_hMenu
             ? ::ModifyMenuW(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, BitmapItem(pBmp))
             : FALSE;
}
BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
  return m_hMenu ? ::RemoveMenu(m_hMenu, nPosition, nFlags) : FALSE;
}
BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
  return m_hMenu ? ::DeleteMenu(m_hMenu, nPosition, nFlags) : FALSE;
}
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  return m_hMenu ? UINT(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable)) : UINT(-1);
}
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  return m_hMenu ? ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck) : UINT(-1);
}
BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
  return m_hMenu ? ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags) : FALSE;
}
BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked) {
  if (!m_hMenu) return FALSE;
  return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags,
                              static_cast<HBITMAP>(pBmpUnchecked ? pBmpUnchecked->m_hObject : NULL),
                              static_cast<HBITMAP>(pBmpChecked ? pBmpChecked->m_hObject : NULL));
}
BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos) {
  return m_hMenu ? ::SetMenuDefaultItem(m_hMenu, uItem, fByPos) : FALSE;
}
UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) {
  return m_hMenu ? ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags) : UINT(-1);
}

int CMenu::GetMenuItemCount() const {
  return m_hMenu ? ::GetMenuItemCount(m_hMenu) : -1;
}
UINT CMenu::GetMenuItemID(int nPos) const {
  return m_hMenu ? ::GetMenuItemID(m_hMenu, nPos) : UINT(-1);
}
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
  return m_hMenu ? ::GetMenuState(m_hMenu, nID, nFlags) : UINT(-1);
}
int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const {
  return m_hMenu ? ::GetMenuStringW(m_hMenu, nIDItem, lpString, nMaxCount, nFlags) : 0;
}
int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  rString.Empty();
  if (!m_hMenu) return 0;
  const int n = ::GetMenuStringW(m_hMenu, nIDItem, NULL, 0, nFlags);
  if (n <= 0) return 0;
  LPWSTR buf = rString.GetBuffer(n + 1);
  const int got = ::GetMenuStringW(m_hMenu, nIDItem, buf, n + 1, nFlags);
  rString.ReleaseBuffer(got);
  return got;
}
CMenu* CMenu::GetSubMenu(int nPos) const {
  return m_hMenu ? CMenu::FromHandle(::GetSubMenu(m_hMenu, nPos)) : NULL;
}
BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
  return m_hMenu && lpMenuItemInfo ? ::GetMenuItemInfoW(m_hMenu, uItem, fByPos, lpMenuItemInfo)
                                   : FALSE;
}
BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos) {
  return m_hMenu && lpMenuItemInfo ? ::SetMenuItemInfoW(m_hMenu, uItem, fByPos, lpMenuItemInfo)
                                   : FALSE;
}
BOOL CMenu::GetMenuInfo(LPMENUINFO lpcmi) const {
  return m_hMenu && lpcmi ? ::GetMenuInfo(m_hMenu, lpcmi) : FALSE;
}
BOOL CMenu::SetMenuInfo(LPCMENUINFO lpcmi) {
  return m_hMenu && lpcmi ? ::SetMenuInfo(m_hMenu, lpcmi) : FALSE;
}
DWORD CMenu::GetMenuContextHelpId() const {
  return m_hMenu ? ::GetMenuContextHelpId(m_hMenu) : 0;
}
BOOL CMenu::SetMenuContextHelpId(DWORD dwContextHelpId) {
  return m_hMenu ? ::SetMenuContextHelpId(m_hMenu, dwContextHelpId) : FALSE;
}

// Owner-drawn menus must override these; the defaults draw and measure nothing.
void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
