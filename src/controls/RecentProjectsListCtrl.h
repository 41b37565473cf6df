// CRecentProjectsListCtrl: a grid of recently used project files, one path per row, whose
// Delete key asks and then reports each selected row to the parent, which owns the list.
#pragma once
#include "core/QXImageList.h"
#include "core/TKWExport.h"
#include "grid/GfxListCtrl.h"

// Sent to the parent for each row the user chose to remove (both parameters 0); the parent
// removes the row (the first selected one) before it returns. The file page also sends it to
// itself to drop a path that could not be opened.
#define WMU_DELETE_RECENT 0x0581

class TKWUI_API CRecentProjectsListCtrl : public CGfxListCtrl {
  DECLARE_DYNCREATE(CRecentProjectsListCtrl)

 public:
  CRecentProjectsListCtrl();
  ~CRecentProjectsListCtrl() override;

  // Defines the columns, sets the list up and shows the paths. The list must outlive the rows:
  // each row's item data is the address of its path's characters. Answers 1.
  BOOL Initialize(CStringList* pPathList);
  using CGfxListCtrl::Populate;
  virtual void Populate(CStringList* pPathList);

  void GetTextCallback(int nItem, int nColumn, DWORD_PTR dwItemData, CString& strText) override;
  long GetExInfoCallback(LXHDREX* pRequest) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The file column's text of the selected row (the last one of several), or empty.
  CString GetSelected();
  void MyCategoryCallBack(CGfxCategoryManager* pManager, DWORD_PTR& dwItemData);

  void SetCategoryView(bool bOn) { m_bCategoryView = bOn; }
  int GetRowCount() const { return m_nRowCount; }

 protected:
  // Asks, then reports every selected row to the parent from the top.
  void RemoveSelectedRows();

  CQXImageList m_icons;
  CImageList m_headerImages;
  CFont m_fontText;
  CFont m_fontBold;
  int m_nIndex;
  CStringList* m_pPathList;  // shown, not owned
  bool m_bCategoryView;
  int m_nRowCount;
};
