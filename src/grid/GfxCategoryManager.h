// CGfxCategoryManager: files a grid's rows under category rows that open and close.
#pragma once

#include "core/TKWExport.h"
#include "grid/logic/CategoryModel.h"

#include <afx.h>

#include <memory>
#include <vector>

class CGfxListCtrl;
class CGfxCategoryManager;
class CWnd;

typedef void (CWnd::*GFXCAT_CALLBACK)(CGfxCategoryManager* pManager, DWORD_PTR& dwItemData);
typedef void (CWnd::*GFXCAT_BULK_CALLBACK)(CGfxCategoryManager* pManager);

// The records and their filing need no window (logic/GfxCategoryManager.cpp); the operations
// that build a list's rows from them are in GfxCategoryManagerList.cpp.
class TKWUI_API CGfxCategoryManager {
 public:
  enum Kind { kindText = 0, kindTime = 2, kindNumber = 4 };

  // One category: its rows (by item data), its open state and its key or range.
  struct TKWUI_API CGfxCategory {
    CString strName;
    std::vector<DWORD_PTR> members;
    int nKind = kindText;
    bool bOpen = false;
    CString strKey;
    CTime timeFrom, timeTo;
    double dFrom = 0, dTo = 0;

    // "%s (%d element%c)": 's' unless exactly one member, a space then.
    CString GetLabel() const;
  };

  CGfxCategoryManager();
  virtual ~CGfxCategoryManager();
  CGfxCategoryManager(const CGfxCategoryManager&) = delete;
  CGfxCategoryManager& operator=(const CGfxCategoryManager&) = delete;

  int AddCategory(LPCTSTR lpszName, LPCTSTR lpszKey);
  int AddCategory(LPCTSTR lpszName, CTime from, CTime to);
  int AddCategory(LPCTSTR lpszName, double from, double to);
  int FindCategory(LPCTSTR lpszKey) const;  // first text category with that key, -1
  int FindCategory(CTime t) const;          // first time category with from <= t < to
  int FindCategory(double v) const;         // first number category with from <= v < to
  void AddItemToCategory(int nIndex, DWORD_PTR dwItemData);
  // Category index a category row's item data stands for, or -1 for an ordinary row.
  int IsListItemACategory(DWORD_PTR dwItemData) const;
  // Item data a category row carries: never equal to an ordinary row's item data.
  DWORD_PTR GetCategoryItemData(int nIndex) const;

  int GetCategoryCount() const { return static_cast<int>(m_categories.size()); }
  CGfxCategory* GetCategory(int nIndex);  // null out of range
  const CGfxCategory* GetCategory(int nIndex) const;
  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  // The label of a category's row, empty out of range.
  CString GetCategoryLabel(int nIndex) const;

  void SetCategoryCallback(GFXCAT_CALLBACK pfn) { m_pfnCategory = pfn; }
  void SetDaoCategoryCallback(GFXCAT_BULK_CALLBACK pfn) { m_pfnBulk = pfn; }
  void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }
  CWnd* GetOwner() const { return m_pOwner; }

  // Collects the list's rows and files them, then builds the category rows.
  void SetupList(CGfxListCtrl* pList);
  void InsertCategoryInList(CGfxListCtrl* pList);
  // Back to plain rows in collected order; categories stay, emptied and closed.
  void ResetList(CGfxListCtrl* pList);
  void FillCategoryItems(int nIndex, int nItem, CGfxListCtrl* pList);
  void RemoveCategoryItems(int nIndex, int nItem, CGfxListCtrl* pList);
  // Files one new row; answers the index of its inserted row, or -1.
  int InsertNewItem(CGfxListCtrl* pList, DWORD_PTR dwItemData);
  // A deleted row: its item data leaves the collected items, so that going back to plain
  // rows (ResetList, a sort, turning the view off) does not bring it back, and opening its
  // category does not show it again. The categories' members (and so their labels' counts)
  // stay as they were until the rows are filed again. Answers whether the item was known.
  bool RemoveItem(DWORD_PTR dwItemData);
  // Whether the item was deleted since the rows were last filed.
  bool IsRemoved(DWORD_PTR dwItemData) const;

 protected:
  typedef tkw::categories::CategoryIdentities::Moves IdentityMoves;

  // A category row carries its category's identity (see CategoryIdentities). Whenever an
  // item data equals one, that category gets a new identity and the move is reported, so
  // that the list's category rows can follow.
  void RenewCollidingIdentities(IdentityMoves& moves);  // against every known item
  void RenewIdentityOf(int nIndex, IdentityMoves& moves);
  // Every item data a row can carry: the collected items and every category's members.
  bool IsKnownItem(DWORD_PTR dwItemData) const;
  int AppendCategory(std::unique_ptr<CGfxCategory> category);
  void ClearMembersAndClose();

  GFXCAT_CALLBACK m_pfnCategory;
  GFXCAT_BULK_CALLBACK m_pfnBulk;
  std::vector<DWORD_PTR> m_items;
  std::vector<DWORD_PTR> m_removed;  // deleted items still listed among members
  std::vector<std::unique_ptr<CGfxCategory>> m_categories;  // by pointer: records never move
  tkw::categories::CategoryIdentities m_identities;
  CWnd* m_pOwner;
  bool m_bCategoryRows;  // the list shows category rows built by InsertCategoryInList
};
