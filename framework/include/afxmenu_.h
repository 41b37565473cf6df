// CMenu: menus and popup menus, owned handle with a temporary map like the GDI wrappers.
#pragma once
#include "afx.h"
#include "afxgdi_.h"

class CWnd;

class AFX_FWAPI CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)

 public:
  HMENU m_hMenu;

  CMenu() : m_hMenu(NULL) {}
  virtual ~CMenu();  // destroys a menu it owns

  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }
  BOOL operator==(const CMenu& menu) const { return m_hMenu == menu.m_hMenu; }
  BOOL operator!=(const CMenu& menu) const { return m_hMenu != menu.m_hMenu; }

  // The wrapper of hMenu: the CMenu attached to it, else a temporary one freed by
  // AfxDeleteTempGdiAndMenuMaps (it never destroys the menu).
  static CMenu* PASCAL FromHandle(HMENU hMenu);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HMENU hMenu);
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  // Loads from the resource chain (the resource handle, then the linked libraries).
  BOOL LoadMenu(LPCTSTR lpszResourceName);
  BOOL LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCE(nIDResource)); }
  BOOL LoadMenuIndirect(const void* lpMenuTemplate);
  BOOL DestroyMenu();

  // ---- items
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
  BOOL InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp);
  BOOL RemoveMenu(UINT nPosition, UINT nFlags);
  BOOL DeleteMenu(UINT nPosition, UINT nFlags);
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);
  BOOL SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                          const CBitmap* pBmpChecked);
  BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE);
  UINT GetDefaultItem(UINT gmdiFlags, BOOL fByPos = FALSE);

  // ---- queries
  int GetMenuItemCount() const;
  UINT GetMenuItemID(int nPos) const;
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  CMenu* GetSubMenu(int nPos) const;
  BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);
  BOOL SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos = FALSE);
  BOOL GetMenuInfo(LPMENUINFO lpcmi) const;
  BOOL SetMenuInfo(LPCMENUINFO lpcmi);
  DWORD GetMenuContextHelpId() const;
  BOOL SetMenuContextHelpId(DWORD dwContextHelpId);

  // Shows the popup at (x, y) owned by pWnd. With TPM_RETURNCMD the chosen id is answered
  // (0 when cancelled); otherwise the command goes to pWnd and the result is nonzero on success.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = NULL);
  BOOL TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm);

  // Owner-drawn items: the owner window's WM_DRAWITEM/WM_MEASUREITEM for ODT_MENU reach these.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
};
