// CItemListCtrl: a grid that shows a host transaction array, with a three-state selection mark
// on every transaction and its sub-transactions.
#pragma once
#include "QXXact.h"
#include "core/QXImageList.h"
#include "core/TKWExport.h"
#include "grid/GfxListCtrl.h"

// Posted to the list's parent after a click changed marks (both parameters 0).
#define WM_ITEMLIST_MARKSCHANGED (WM_USER + 289)
// The right-click menu's one command.
#define ID_ITEMLIST_SELECTALL 32156

class TKWUI_API CItemListCtrl : public CGfxListCtrl {
  DECLARE_DYNCREATE(CItemListCtrl)

 public:
  CItemListCtrl();
  ~CItemListCtrl() override;

  // Defines the columns, sets the list up and shows the array (not owned). Set the category
  // and icon modes first. Answers 1.
  BOOL Initialize(CXactArray* pXactArray);
  using CGfxListCtrl::Populate;
  virtual void Populate(CXactArray* pXactArray);

  void GetTextCallback(int nItem, int nColumn, DWORD_PTR dwItemData, CString& strText) override;
  // The image column shows the row's mark.
  void GetImageCallback(int nItem, int nColumn, DWORD_PTR dwItemData, int& nImage) override;
  long GetExInfoCallback(LXHDREX* pRequest) override;
  void OnInsert() override {}
  void OnDelete() override {}
  void OnProperties(int nItem) override;
  void OnRClick(NMHDR* pNMHDR, LRESULT* pResult) override;

  CXact* GetSelected() const;  // the first selected row's transaction, or null
  virtual BOOL Edit(CXact* pXact);
  // Marks the transaction and its subtree, then brings every ancestor's mark up to date.
  void SelectItem(CXact* pXact, int nMark);
  void MyCategoryCallBack(CGfxCategoryManager* pManager, DWORD_PTR& dwItemData);

  void SetCategoryView(bool bOn) { m_bCategoryView = bOn; }
  void SetIconMode(bool bOn) { m_bIconMode = bOn; }
  CXactArray* GetXactArray() const { return m_pXactArray; }
  // Index in the icon list of the icon that shows a mark, -1 outside icon mode.
  int GetMarkImage(int nMark) const;

 protected:
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

  // Index of an icon in the icon list, loaded on first use.
  int IconIndex(int nIconID);

  CXactArray* m_pXactArray;  // shown, not owned
  CQXImageList m_icons;
  CImageList m_headerImages;
  CFont m_fontText;
  CFont m_fontBold;
  int m_nIndex;
  bool m_bCategoryView;
  bool m_bIconMode;
  int m_nMarkImages[3];  // icon list indices of the three mark icons
};
