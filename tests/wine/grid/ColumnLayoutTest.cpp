// The grid's column model against a real list: building columns, reading the live layout back,
// and the layout surviving the list through the application profile.
#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"

#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "GridFixture.h"
#include "Support.h"

#include <string>
#include <vector>

namespace {

const wchar_t kRegistryKey[] = L"Velotrace Tests";

// Every test gets its own profile section and removes it afterwards.
class ColumnLayout : public testing::Test {
 protected:
  void SetUp() override {
    CWinApp& app = tks::FrameworkApp();
    if (!app.m_pszRegistryKey) app.SetRegistryKey(kRegistryKey);
    section_ = CString(L"Layout_") +
               CString(testing::UnitTest::GetInstance()->current_test_info()->name());
    DeleteStoredLayout();
  }
  void TearDown() override {
    if (list_.GetSafeHwnd()) list_.DestroyWindow();
    DeleteStoredLayout();
  }

  void DeleteStoredLayout() {
    CString key;
    key.Format(L"Software\\%s\\TKWTests\\GfxLists\\%s", kRegistryKey, section_.GetString());
    ::RegDeleteTreeW(HKEY_CURRENT_USER, key);
  }

  // A list in report view on the host frame, with a manager that defines five columns:
  // 0 Name (sortable), 1 Size (numeric, right), 2 an image column with a header image and a
  // fixed width, 3 Date (sorted descending), 4 Notes (not shown).
  void CreateList(CGfxListCtrl& list, bool withSection) {
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 500, 200),
                            CWnd::FromHandle(tks::HostFrame()), 100));
    if (withSection)
      list.SetProfileSection(section_);
    else
      list.CreateColumnManager();
    CGfxColumnManager* m = list.GetColumnManager();
    m->DefineColumn(0, L"Name", nullptr, LVCFMT_LEFT, 120, GFXCOL_SORTABLE | GFXCOL_EDIT, -1,
                    L"The name");
    m->DefineColumn(1, L"Size", nullptr, LVCFMT_RIGHT, 60, GFXCOL_NUMERIC | GFXCOL_SORTABLE, -1,
                    nullptr);
    m->DefineColumn(2, nullptr, nullptr, LVCFMT_CENTER, 24,
                    GFXCOL_IMAGE | GFXCOL_HEADERIMAGE | GFXCOL_FIXEDWIDTH | GFXCOL_NOSORTARROW, 3,
                    L"Icon");
    m->DefineColumn(3, L"Date", nullptr, LVCFMT_LEFT, 80, GFXCOL_SORTDESC, -1, nullptr);
    m->DefineColumn(4, L"Notes", nullptr, LVCFMT_LEFT, 200, 0, -1, nullptr);
    const int shown[] = {0, 2, 1, 3, 9};  // 9 has no definition and is skipped
    m->DefineDefaultColumns(5, shown);
  }

  // CreateList, then the list's columns built from the manager.
  void Build(CGfxListCtrl& list, bool withSection = false) {
    CreateList(list, withSection);
    list.OnInit();
    list.SetupColumnData();
  }

  static std::vector<int> ColumnIds(const CGfxListCtrl& list) {
    std::vector<int> ids;
    for (int i = 0; i < list.GetColumnCount(); ++i) ids.push_back(list.GetColumnIndex(i));
    return ids;
  }

  // The list's header item at a position: text, format and item data.
  HDITEM Item(int position) {
    HDITEM item = {};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_LPARAM;
    item.pszText = text_;
    item.cchTextMax = 64;
    list_.GetHeaderCtrl()->GetItem(position, &item);
    return item;
  }

  wchar_t text_[64] = {};
  CString section_;
  CGfxListCtrl list_;
};

TEST_F(ColumnLayout, SetupReplacesTheColumnsWithTheShownOnesAndTheirKinds) {
  CreateList(list_, false);
  list_.InsertColumn(0, L"old one", LVCFMT_LEFT, 50);
  list_.InsertColumn(1, L"old two", LVCFMT_LEFT, 50);
  list_.OnInit();
  ASSERT_TRUE(list_.SetupColumnData());
  EXPECT_EQ((std::vector<int>{0, 2, 1, 3}), ColumnIds(list_))
      << "old columns gone, unknown id skipped";
  EXPECT_EQ(120, list_.GetColumnWidth(0));
  EXPECT_STREQ(L"Size", Item(2).pszText);
  EXPECT_STREQ(L"3_", Item(1).pszText) << "an image header carries its image index";
  LVCOLUMN column = {};
  column.mask = LVCF_FMT;
  list_.GetColumn(2, &column);
  EXPECT_EQ(LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK);
  EXPECT_TRUE(list_.IsNumericCol(1) && list_.IsEditCol(0) && list_.IsImageCol(2));
  EXPECT_FALSE(list_.IsNumericCol(0));
  const CGfxHeaderCtrl& header = list_.GetGfxHeader();
  EXPECT_EQ(DWORD(1u << 2), header.m_dwFixedWidthMask);
  EXPECT_EQ(DWORD(1u << 2), header.m_dwNoArrowMask);
  EXPECT_EQ(DWORD((1u << 0) | (1u << 1)), header.m_dwSortDirections);
  EXPECT_EQ(3, header.m_nSortCol) << "the stored sort state names a position";
  EXPECT_FALSE(header.IsSortAscending());
  EXPECT_TRUE((Item(3).fmt & HDF_OWNERDRAW)) << "the arrow is drawn on owner-drawn items only";

  list_.GetColumnManager()->GetColumnById(0)->SetFlags(0);
  list_.SetupColumnData();
  EXPECT_FALSE(list_.IsEditCol(0)) << "a rebuild clears the editor masks";
  EXPECT_EQ(4, list_.GetColumnCount()) << "a rebuild replaces, never adds";
  list_.CreateColumnManager();
  EXPECT_TRUE(list_.SetupColumnData());
  EXPECT_EQ(0, list_.GetColumnCount()) << "an empty model leaves no columns";
}

TEST_F(ColumnLayout, RetrieveFollowsTheLiveColumnsAndKeepsOneSortState) {
  Build(list_);
  int from = 3, to = 1;  // Date in front of the image column
  list_.DragColumn(from, to);
  list_.SetColumnWidth(0, 155);
  list_.GetGfxHeader().SetSortImage(2, 1);  // the image column, now at position 2
  ASSERT_TRUE(list_.RetrieveColumnData());
  CGfxColumnManager* m = list_.GetColumnManager();
  EXPECT_EQ((std::vector<int>{0, 3, 2, 1, 9}), m->GetDefaultColumns())
      << "an id without a definition keeps its place, waiting for its module";
  EXPECT_EQ(155, m->GetColumnById(0)->GetWidth());
  EXPECT_TRUE(m->GetColumnById(2)->HasFlag(GFXCOL_SORTASC));
  EXPECT_FALSE(m->GetColumnById(3)->HasFlag(GFXCOL_SORTDESC)) << "only the arrow's column";

  const int shown[] = {0, 9, 2, 1, 3};
  m->DefineDefaultColumns(5, shown);
  m->GetColumnById(3)->SetFlags(GFXCOL_SORTDESC);
  m->GetColumnById(4)->SetFlags(GFXCOL_SORTASC);  // a hidden column with a stale sort state
  list_.SetupColumnData();
  ASSERT_TRUE(list_.RetrieveColumnData());
  EXPECT_EQ((std::vector<int>{0, 9, 2, 1, 3}), m->GetDefaultColumns());
  EXPECT_FALSE(m->GetColumnById(4)->HasFlag(GFXCOL_SORTASC));
  EXPECT_TRUE(m->GetColumnById(3)->HasFlag(GFXCOL_SORTDESC));
  list_.SetupColumnData();
  EXPECT_EQ((std::vector<int>{0, 2, 1, 3}), ColumnIds(list_)) << "no column twice";
}

// A list view that leaves its header items' data alone, as some common controls versions do.
WNDPROC g_listViewProc = nullptr;
LRESULT CALLBACK ForgetfulListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = ::CallWindowProcW(g_listViewProc, hwnd, msg, wParam, lParam);
  if (msg == LVM_INSERTCOLUMNW && result >= 0) {
    HDITEMW item = {};
    item.mask = HDI_LPARAM;
    ::SendMessageW(ListView_GetHeader(hwnd), HDM_SETITEMW, static_cast<WPARAM>(result),
                   reinterpret_cast<LPARAM>(&item));
  }
  return result;
}

TEST_F(ColumnLayout, HeaderItemsCarryTheirSubitemNumber) {
  WNDCLASSW forgetful = {};
  ASSERT_TRUE(::GetClassInfoW(nullptr, WC_LISTVIEWW, &forgetful));
  g_listViewProc = forgetful.lpfnWndProc;
  forgetful.lpfnWndProc = ForgetfulListViewProc;
  forgetful.lpszClassName = L"ForgetfulListView";
  ::RegisterClassW(&forgetful);
  HWND hwnd = ::CreateWindowW(L"ForgetfulListView", L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0,
                              500, 200, tks::HostFrame(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(list_.SubclassWindow(hwnd));
  list_.CreateColumnManager();
  CGfxColumnManager* m = list_.GetColumnManager();
  for (int id = 0; id < 4; ++id)
    m->DefineColumn(id, L"C", nullptr, LVCFMT_LEFT, 40, 0, -1, nullptr);
  const int shown[] = {2, 0, 1, 3};
  m->DefineDefaultColumns(4, shown);
  list_.OnInit();
  list_.SetupColumnData();
  int from = 3, to = 1;
  list_.DragColumn(from, to);
  list_.InsertColumnEx(7, L"Extra", LVCFMT_LEFT, 40, 0);
  std::vector<int> data;
  for (int position = 0; position < list_.GetColumnCount(); ++position)
    data.push_back(static_cast<int>(Item(position).lParam));
  EXPECT_EQ((std::vector<int>{2, 3, 0, 1, 7}), data);
}

TEST_F(ColumnLayout, DestroyingTheListStoresTheUserLayoutForTheNextList) {
  Build(list_, true);
  int from = 2, to = 1;  // Size before the image column
  list_.DragColumn(from, to);
  list_.SetColumnWidth(3, 99);
  list_.DestroyWindow();

  CGfxListCtrl again;
  Build(again, true);
  ASSERT_TRUE(again.GetColumnManager()->ReadFromProfile());
  again.SetupColumnData();
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), ColumnIds(again));
  EXPECT_EQ(99, again.GetColumnWidth(3));
  EXPECT_STREQ(L"", again.GetColumnManager()->GetColumnById(2)->GetText())
      << "a null title comes back empty, not null";
  again.DestroyWindow();
}

// Selects one entry of a dialog's list box and tells the dialog, as a click does.
void ClickEntry(HWND dialog, int list, int entry) {
  const HWND box = GetDlgItem(dialog, list);
  if (GetWindowLongW(box, GWL_STYLE) & LBS_EXTENDEDSEL) {
    SendMessageW(box, LB_SETSEL, FALSE, -1);
    SendMessageW(box, LB_SETSEL, TRUE, entry);
    SendMessageW(box, LB_SETCARETINDEX, entry, 0);
  } else {
    SendMessageW(box, LB_SETCURSEL, entry, 0);
  }
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(list, LBN_SELCHANGE), LPARAM(box));
}

// Renames the first column in the format dialog and presses a button.
void RenameFirstColumn(HWND dialog, int button) {
  SetFocus(GetDlgItem(dialog, 4133));
  SetDlgItemTextW(dialog, 4133, L"Title");
  tks::PressButton(dialog, button);
}

TEST_F(ColumnLayout, ColumnCommandsStoreTheLayoutChosenInTheirDialogs) {
  grid::UseHostResources();
  Build(list_, true);
  tks::AnswerNextDialog([](HWND d) {
    ClickEntry(d, 4131, 0);  // Notes
    tks::PressButton(d, 251);
    ClickEntry(d, 4126, 2);  // Size, above the image column
    tks::PressButton(d, 4129);
    tks::PressButton(d, IDOK);
  });
  list_.SendMessage(WM_COMMAND, ID_GFX_CUSTOMIZECOLUMNS);
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), ColumnIds(list_));

  tks::AnswerNextDialog([](HWND d) { RenameFirstColumn(d, IDCANCEL); });
  list_.SendMessage(WM_COMMAND, ID_GFX_COLUMNFORMAT);
  EXPECT_STREQ(L"Name", Item(0).pszText) << "cancelled";
  tks::AnswerNextDialog([](HWND d) { RenameFirstColumn(d, IDOK); });
  list_.SendMessage(WM_COMMAND, ID_GFX_COLUMNFORMAT);
  EXPECT_STREQ(L"Title", Item(0).pszText);
  list_.DestroyWindow();

  CWinApp& app = tks::FrameworkApp();
  const CString stored = L"GfxLists\\" + section_;
  std::vector<int> ids;
  for (int i = 0; i < static_cast<int>(app.GetProfileInt(stored, L"NumDef", 0)); ++i)
    ids.push_back(
        app.GetProfileInt(stored, CString(L"DefColId ") + std::to_wstring(i).c_str(), -1));
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4}), ids);
  EXPECT_EQ(L"Title", app.GetProfileString(stored, L"ColDef_text_0"));
}

TEST_F(ColumnLayout, CorruptStoredLayoutsNeverLoseTheCodeDefinedColumns) {
  CWinApp& app = tks::FrameworkApp();
  const CString stored = L"GfxLists\\" + section_;
  app.WriteProfileInt(stored, L"NumDef", 1000000000);
  app.WriteProfileInt(stored, L"DefColId 0", 40);
  app.WriteProfileInt(stored, L"DefColId 1", -7);
  app.WriteProfileInt(stored, L"DefNum", -1);
  app.WriteProfileString(stored, L"ColDef_text_0", CString(L'x', 100000));

  Build(list_, true);
  list_.GetColumnManager()->ReadFromProfile();
  list_.SetupColumnData();
  EXPECT_EQ((std::vector<int>{0, 2, 1, 3}), ColumnIds(list_));
  EXPECT_STREQ(L"Name", Item(0).pszText);
}

TEST_F(ColumnLayout, InsertColumnExTakesKindsAndRefusesBadPositionsQuietly) {
  CreateList(list_, false);
  list_.OnInit();
  EXPECT_EQ(-1, list_.InsertColumnEx(32, L"too far", LVCFMT_LEFT, 10, GFXCOL_EDIT));
  EXPECT_EQ(-1, list_.InsertColumnEx(-1, L"negative", LVCFMT_LEFT, 10, GFXCOL_EDIT));
  EXPECT_EQ(0, list_.InsertColumnEx(0, L"ok", LVCFMT_LEFT, 10, GFXCOL_EDIT));
  EXPECT_EQ(1, list_.InsertColumnEx(1, L"B", LVCFMT_LEFT, 10, GFXCOL_SORTDESC));
  EXPECT_TRUE(list_.IsEditCol(0));
  EXPECT_EQ(1, list_.GetGfxHeader().m_nSortCol) << "a given sort state shows its arrow";
  EXPECT_TRUE((Item(1).fmt & HDF_OWNERDRAW));
  EXPECT_EQ(-1, list_.GetColumnIndex(5));
  list_.SetColumnImage(9, 1);
  list_.SetEditCol(40);
  list_.SetEditCol(-3);
  EXPECT_FALSE(list_.IsEditCol(40));

  CGfxListCtrl unborn;
  EXPECT_EQ(0, unborn.GetColumnCount());
  EXPECT_FALSE(unborn.SetupColumnData()) << "no manager yet";
  unborn.CreateColumnManager();
  EXPECT_FALSE(unborn.SetupColumnData()) << "no window, no header";
}

TEST_F(ColumnLayout, CreatingAndDestroyingListsLeaksNoGuiObjects) {
  auto round = [this] {
    CGfxListCtrl list;
    Build(list);
    list.DestroyWindow();
    tks::PumpUntilIdle();
  };
  // The first two lists warm the common controls' own caches (they keep 8, then 2 objects);
  // from then on a list must cost nothing.
  round();
  round();
  TKS_EXPECT_NO_GUI_LEAK({
    for (int i = 0; i < 20; ++i) round();
  });
}

}  // namespace
