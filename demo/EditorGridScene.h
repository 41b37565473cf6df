// The grid the cell editor scenes open their editors over: transactions by name and two value
// columns of the scene's kinds, twelve rows with one of them selected.
#pragma once

#include "Gallery.h"

#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"

class CEditorGridScene : public CGalleryScene {
 public:
  CWnd* GetShotWindow() override { return &m_frame; }

 protected:
  struct ValueColumn {
    const wchar_t* pszTitle;
    int nAlign;
    int nWidth;
    std::uint32_t dwType;  // GFXCOL_*
  };

  // The text of value column nColumn (1 or 2) in a row of kind nKind (0 to 7).
  virtual CString ValueText(int nKind, int nColumn) const = 0;

  // Fills the frame with the grid, row nRow selected and focused in column nColumn.
  void BuildGrid(CWnd* pParent, const CRect& rc, const ValueColumn (&columns)[2], int nRow,
                 int nColumn) {
    static const wchar_t* const kNames[] = {
        L"Login",       L"Search catalogue", L"Add to basket",   L"Checkout",
        L"Order query", L"Stock update",     L"Publish invoice", L"Archive report"};
    m_frame.Create(pParent, rc);
    m_frame.CreateList(m_list);
    m_list.CreateColumnManager();
    CGfxColumnManager* pModel = m_list.GetColumnManager();
    pModel->DefineColumn(0, L"Transaction", nullptr, LVCFMT_LEFT, 150, GFXCOL_EDIT, -1, nullptr);
    for (int c = 0; c < 2; ++c)
      pModel->DefineColumn(c + 1, columns[c].pszTitle, nullptr, columns[c].nAlign,
                           columns[c].nWidth, columns[c].dwType, -1, nullptr);
    const int shown[] = {0, 1, 2};
    pModel->DefineDefaultColumns(3, shown);
    m_list.OnInit();
    m_list.SetupColumnData();
    m_frame.SetRowTextSource([this](DWORD_PTR dwData, int nGridColumn) {
      const int k = int(dwData - 1) % 8;
      const int nIndex = m_list.GetColumnIndex(nGridColumn);
      return nIndex == 0 ? CString(kNames[k]) : ValueText(k, nIndex);
    });
    m_list.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&CSceneFrame::OnGridText));
    for (int i = 0; i < 12; ++i) m_list.InsertItemEx(i, DWORD_PTR(i + 1));
    m_list.SetItemState(nRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetFocusColumn(nColumn);
  }

  CSceneFrame m_frame;
  CGfxListCtrl m_list;
};
