// Scene: a grid whose columns come from a column model with a user layout restored from the
// profile (the user had moved "Status" forward, widened "Target" and sorted by "Duration").
#include "Gallery.h"

#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"

namespace {

const wchar_t kSection[] = L"GalleryTransactions";

struct SampleRow {
  const wchar_t* name;
  const wchar_t* target;
  const wchar_t* status;
  const wchar_t* duration;
  const wchar_t* owner;
};

const SampleRow kRows[] = {
    {L"Login", L"web-01:8080/login", L"Passed", L"0.412", L"anna"},
    {L"Search catalogue", L"web-01:8080/search", L"Passed", L"1.094", L"anna"},
    {L"Add to basket", L"web-02:8080/basket", L"Warning", L"2.380", L"marco"},
    {L"Checkout", L"web-02:8080/checkout", L"Failed", L"5.007", L"marco"},
    {L"Order query", L"db-main/orders", L"Passed", L"0.088", L"lucia"},
    {L"Stock update", L"db-main/stock", L"Passed", L"0.153", L"lucia"},
    {L"Publish invoice", L"mq://billing/invoices", L"Passed", L"0.031", L"tom"},
    {L"Archive report", L"\\\\files\\reports", L"Skipped", L"-", L"tom"},
};

// The code's own column definitions.
void DefineColumns(CGfxColumnManager& model) {
  model.DefineColumn(0, L"Transaction", nullptr, LVCFMT_LEFT, 150, GFXCOL_SORTABLE | GFXCOL_EDIT,
                     -1, nullptr);
  model.DefineColumn(1, L"Target", nullptr, LVCFMT_LEFT, 120, GFXCOL_SORTABLE, -1, nullptr);
  model.DefineColumn(2, L"Status", nullptr, LVCFMT_CENTER, 80, GFXCOL_SORTABLE | GFXCOL_DROPLIST,
                     -1, nullptr);
  model.DefineColumn(3, L"Duration", nullptr, LVCFMT_RIGHT, 90, GFXCOL_SORTABLE | GFXCOL_NUMERIC,
                     -1, nullptr);
  model.DefineColumn(4, L"Owner", nullptr, LVCFMT_LEFT, 80, GFXCOL_SORTABLE, -1, nullptr);
  const int shown[] = {0, 1, 2, 3, 4};
  model.DefineDefaultColumns(5, shown);
}

// The layout a user left behind last time: "Owner" hidden, "Status" moved forward, "Target"
// widened, "Duration" renamed and sorted descending.
void StoreUserLayout() {
  CGfxColumnManager model;
  DefineColumns(model);
  const int shown[] = {0, 2, 1, 3};
  model.DefineDefaultColumns(4, shown);
  model.GetColumnById(1)->SetWidth(190);
  model.GetColumnById(3)->ModifyFlags(0, GFXCOL_SORTDESC);
  model.RenameColumn(3, L"Duration (s)");
  model.SetProfileSection(kSection);
  model.WriteToProfile();
}

class CGridLayoutScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    // The list view asks by display position; the column id says which value it is.
    m_frame.SetTextSource([this](int nItem, int nPosition) -> CString {
      const int id = m_list.GetColumnIndex(nPosition);
      if (nItem < 0 || nItem >= static_cast<int>(_countof(kRows)) || id < 0 || id > 4)
        return CString();
      const SampleRow& row = kRows[nItem];
      const wchar_t* cells[] = {row.name, row.target, row.status, row.duration, row.owner};
      return cells[id];
    });

    StoreUserLayout();
    CRect rcList(CPoint(0, 0), rc.Size());
    rcList.DeflateRect(8, 8);
    m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, rcList,
                  &m_frame, 100);
    m_list.SetProfileSection(kSection);
    CGfxColumnManager* pModel = m_list.GetColumnManager();
    DefineColumns(*pModel);
    pModel->ReadFromProfile();
    m_list.OnInit();
    m_list.SetupColumnData();
    for (int i = 0; i < static_cast<int>(_countof(kRows)); ++i)
      m_list.InsertItem(i, LPSTR_TEXTCALLBACK);
    m_list.SetItemState(2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }

  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  CSceneFrame m_frame;
  CGfxListCtrl m_list;
};

GallerySceneRegistration g_register({L"grid-layout", L"Grid with a restored column layout",
                                     CSize(560, 220), [] {
                                       return std::unique_ptr<CGalleryScene>(new CGridLayoutScene);
                                     }});

}  // namespace
