// Scenes: a grid in category view (one category open, the others closed) and grids with a
// background picture, tiled and centred on white.
#include "Gallery.h"

#include "grid/GfxCategoryManager.h"
#include "grid/GfxListCtrl.h"

#include <qxres_ids.h>

namespace {

struct SampleJob {
  const wchar_t* name;
  const wchar_t* server;
  const wchar_t* result;
  const wchar_t* duration;
};

const SampleJob kJobs[] = {
    {L"Nightly load", L"web-01", L"Passed", L"41 min"},
    {L"Login storm", L"web-02", L"Failed", L"3 min"},
    {L"Catalogue crawl", L"web-01", L"Passed", L"12 min"},
    {L"Order replay", L"db-main", L"Passed", L"27 min"},
    {L"Invoice queue", L"mq-billing", L"Warning", L"8 min"},
    {L"Stock sync", L"db-main", L"Passed", L"5 min"},
    {L"Report archive", L"files", L"Skipped", L"-"},
    {L"Search peak", L"web-02", L"Passed", L"19 min"},
};

// The grids' owner: cell texts by item data (the job's index + 1), rows filed by result.
class CJobFrame : public CSceneFrame {
 public:
  void GetText(int /*nItem*/, int nColumn, DWORD_PTR dwData, CString& strText) {
    nColumn -= m_nFirstColumn;
    if (dwData < 1 || dwData > _countof(kJobs) || nColumn < 0 || nColumn > 3) return;
    const SampleJob& job = kJobs[dwData - 1];
    const wchar_t* cells[] = {job.name, job.server, job.result, job.duration};
    strText = cells[nColumn];
  }
  void FileRow(CGfxCategoryManager* pManager, DWORD_PTR& dwData) {
    if (dwData < 1 || dwData > _countof(kJobs)) return;
    const wchar_t* pszResult = kJobs[dwData - 1].result;
    int nIndex = pManager->FindCategory(pszResult);
    if (nIndex < 0) nIndex = pManager->AddCategory(pszResult, pszResult);
    pManager->AddItemToCategory(nIndex, dwData);
  }

  int m_nFirstColumn = 0;  // 1 when column 0 is the category gutter
};

// With a gutter, column 0 starts hidden and the category view widens it for its buttons.
void MakeJobList(CGfxListCtrl& list, CJobFrame& frame, const CRect& rc, bool bGutter) {
  list.Create(
      WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS, rc,
      &frame, 100);
  const int nFirst = bGutter ? 1 : 0;
  frame.m_nFirstColumn = nFirst;
  if (bGutter) list.InsertColumnEx(0, L"", LVCFMT_LEFT, 0, 0);
  list.InsertColumnEx(nFirst, L"Job", LVCFMT_LEFT, 120, 0);
  list.InsertColumnEx(nFirst + 1, L"Server", LVCFMT_LEFT, 90, 0);
  list.InsertColumnEx(nFirst + 2, L"Result", LVCFMT_CENTER, 70, 0);
  list.InsertColumnEx(nFirst + 3, L"Duration", LVCFMT_RIGHT, 70, 0);
  list.OnInit();
  list.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&CJobFrame::GetText));
  list.SetCategoryCallback(static_cast<GFXLIST_CATEGORY_CALLBACK>(&CJobFrame::FileRow));
  for (int i = 0; i < static_cast<int>(_countof(kJobs)); ++i)
    list.InsertItemEx(i, static_cast<DWORD_PTR>(i + 1));
}

// Rows by result: "Passed" open with its jobs, the other results closed.
class CGridCategoriesScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    CRect rcList(CPoint(0, 0), rc.Size());
    rcList.DeflateRect(8, 8);
    MakeJobList(m_list, m_frame, rcList, true);
    m_list.EnableCategoryView(true);
    m_list.ToggleCategory(0);
    m_list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  CJobFrame m_frame;
  CGfxListCtrl m_list;
};

// Two grids over the same picture: tiled (mode 2) and centred on white (mode 4).
class CGridBackgroundScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    const int nHalf = rc.Width() / 2;
    MakeJobList(m_tiled, m_frame, CRect(8, 8, nHalf - 4, rc.Height() - 8), false);
    m_tiled.SetBkImage(IDB_QX_WATERMARK);
    m_tiled.SetBackgroundImage(nullptr, 2);
    m_tiled.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    MakeJobList(m_centred, m_frame, CRect(nHalf + 4, 8, rc.Width() - 8, rc.Height() - 8), false);
    m_centred.SetBkImage(IDB_QX_WATERMARK_RGB);
    m_centred.SetBackgroundImage(nullptr, 4);
  }
  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  CJobFrame m_frame;
  CGfxListCtrl m_tiled;
  CGfxListCtrl m_centred;
};

const GallerySceneRegistration g_categories({L"grid-categories", L"Grid: categories, one open",
                                             CSize(460, 260), [] {
                                               return std::make_unique<CGridCategoriesScene>();
                                             }});
const GallerySceneRegistration g_background(
    {L"grid-background", L"Grid: background picture, tiled and centred", CSize(860, 240),
     [] { return std::make_unique<CGridBackgroundScene>(); }});

}  // namespace
