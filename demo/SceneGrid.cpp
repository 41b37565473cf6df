// Scenes of the grid: many rows with an image column, a sort arrow and owner colours; the
// background picture in each mode; the empty list.
#include "Gallery.h"

#include "core/QXImageList.h"
#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"

#include <qxres_ids.h>

namespace {

// One sample transaction per item data value (its index + 1, so no item data is 0).
const wchar_t* const kNames[] = {L"Login",           L"Search catalogue", L"Add to basket",
                                 L"Checkout",        L"Order query",      L"Stock update",
                                 L"Publish invoice", L"Archive report"};
const wchar_t* const kStatus[] = {L"Passed", L"Passed", L"Warning", L"Failed",
                                  L"Passed", L"Passed", L"Passed",  L"Skipped"};
const wchar_t* const kModules[] = {L"Web",      L"Web",      L"Web",       L"Web",
                                   L"Database", L"Database", L"Messaging", L"File"};

int RowIndex(DWORD_PTR dwData) {
  return static_cast<int>(dwData - 1);
}

CString CellText(DWORD_PTR dwData, int id) {
  const int i = RowIndex(dwData);
  const int k = i % 8;
  CString s;
  switch (id) {
    case 0: s.Format(L"%d", k == 3 ? 1 : (k == 2 ? 2 : 0)); break;  // image index
    case 1: s.Format(L"%s #%d", kNames[k], i / 8 + 1); break;
    case 2: s = kStatus[k]; break;
    case 3: s.Format(L"%d", 20 + (i * 7919) % 4980); break;
    case 4: s = kModules[k]; break;
  }
  return s;
}

// A grid on a scene frame whose owner callbacks answer from the sample rows.
class CGridScene : public CGalleryScene {
 public:
  CWnd* GetShotWindow() override { return &m_frame; }

 protected:
  void BuildGrid(CWnd* pParent, const CRect& rc, DWORD dwStyle = 0) {
    m_frame.Create(pParent, rc);
    m_frame.CreateList(m_list, dwStyle);
    m_list.CreateColumnManager();
    CGfxColumnManager* pModel = m_list.GetColumnManager();
    pModel->DefineColumn(0, nullptr, nullptr, LVCFMT_CENTER, 24,
                         GFXCOL_IMAGE | GFXCOL_FIXEDWIDTH | GFXCOL_NOSORTARROW, -1, L"Icon");
    pModel->DefineColumn(1, L"Transaction", nullptr, LVCFMT_LEFT, 170,
                         GFXCOL_SORTABLE | GFXCOL_EDIT, -1, nullptr);
    pModel->DefineColumn(2, L"Status", nullptr, LVCFMT_CENTER, 80,
                         GFXCOL_SORTABLE | GFXCOL_DROPLIST, -1, nullptr);
    pModel->DefineColumn(3, L"Duration (ms)", nullptr, LVCFMT_RIGHT, 95,
                         GFXCOL_SORTABLE | GFXCOL_NUMERIC, -1, nullptr);
    pModel->DefineColumn(4, L"Module", nullptr, LVCFMT_LEFT, 100, GFXCOL_SORTABLE, -1, nullptr);
    const int shown[] = {0, 1, 2, 3, 4};
    pModel->DefineDefaultColumns(5, shown);

    m_images.Add(IDI_QX_PROPERTIES);
    m_images.Add(IDI_QX_INSERT);
    m_images.Add(IDI_QX_DELETE);
    m_list.SetItemImageList(m_images.GetImageList());
    m_list.OnInit();
    m_list.SetupColumnData();

    m_frame.SetRowTextSource([this](DWORD_PTR dwData, int nColumn) {
      return CellText(dwData, m_list.GetColumnIndex(nColumn));
    });
    m_list.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&CSceneFrame::OnGridText));
    // Failed runs in red, warnings in bold: the owner answers per cell.
    m_frame.SetRequestHandler([](LXHDREX* p) -> long {
      if (p->iNotifyCode != NTEX_ITEMINFO || p->iSubItem != 2) return 0;
      const int k = RowIndex(p->dwItemData) % 8;
      if (k == 3) {
        p->dwFlag |= LXHDREX_TEXTCOLOR | LXHDREX_BOLD;
        p->crText = RGB(200, 0, 0);
        return 1;
      }
      if (k == 2) {
        p->dwFlag |= LXHDREX_TEXTCOLOR;
        p->crText = RGB(180, 110, 0);
        return 1;
      }
      return 0;
    });
  }

  void InsertRows(int nCount) {
    m_list.SetRedraw(FALSE);
    for (int i = 0; i < nCount; ++i)
      m_list.InsertItemEx(m_list.GetItemCount(), static_cast<DWORD_PTR>(i + 1));
    m_list.SetRedraw(TRUE);
  }

  CSceneFrame m_frame;
  CGfxListCtrl m_list;
  CQXImageList m_images;
};

class CGridRowsScene : public CGridScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    BuildGrid(pParent, rc);
    InsertRows(1000);
    m_list.SortByColumn(3, false);
    m_list.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.SetFocusColumn(1);
    m_list.SetFocus();
  }
};

class CGridBackgroundScene : public CGridScene {
 public:
  explicit CGridBackgroundScene(int nMode) : m_nMode(nMode) {}

  void Build(CWnd* pParent, const CRect& rc) override {
    BuildGrid(pParent, rc);
    InsertRows(12);
    m_list.SetBkImage(static_cast<UINT>(IDB_QX_WATERMARK));
    m_list.m_background.nMode = m_nMode;
    m_list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    m_list.SetFocus();
  }

 private:
  int m_nMode;
};

class CGridEmptyScene : public CGridScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    BuildGrid(pParent, rc);
    m_list.SetShowEmptyListText(true);
  }
};

template <class T, class... Args>
std::function<std::unique_ptr<CGalleryScene>()> Make(Args... args) {
  return [=] { return std::unique_ptr<CGalleryScene>(new T(args...)); };
}

GallerySceneRegistration g_rows({L"grid-rows",
                                 L"1,000 rows: image column, sort arrow, owner colours",
                                 CSize(520, 300), Make<CGridRowsScene>()});
GallerySceneRegistration g_background1({L"grid-background-stretched",
                                        L"Background picture, stretched (mode 1)", CSize(520, 260),
                                        Make<CGridBackgroundScene>(1)});
GallerySceneRegistration g_background2({L"grid-background-tiled",
                                        L"Background picture, tiled (mode 2)", CSize(520, 260),
                                        Make<CGridBackgroundScene>(2)});
GallerySceneRegistration g_background4({L"grid-background-centred",
                                        L"Background picture, centred on white (mode 4)",
                                        CSize(520, 260), Make<CGridBackgroundScene>(4)});
GallerySceneRegistration g_empty({L"grid-empty", L"An empty grid shows its text", CSize(520, 140),
                                  Make<CGridEmptyScene>()});

}  // namespace
