// Sorting a real grid: text, numeric and currency orders, the summary row, item data restored,
// header clicks, sort commands, RedrawItems and re-sorting on insertion, for a derived list
// and for callbacks on an owner window alike.
#include "GridFixture.h"

#include "grid/GfxColumnManager.h"
#include "grid/SortClass.h"

#include <gtest/gtest.h>

#include "Support.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

using grid::Use;

namespace {

// Item data far above 4 GiB on x64, so a truncation to 32 bits would show.
DWORD_PTR Data(int n) {
  return (static_cast<DWORD_PTR>(~static_cast<DWORD_PTR>(0)) >> 1) - 1000 +
         static_cast<DWORD_PTR>(n) * 3;
}

class Sort : public grid::GridFixture, public testing::WithParamInterface<Use> {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    CreateList(GetParam(), LVS_SHOWSELALWAYS);
  }

  // Name (text), Size (numeric), Price (currency).
  void PlainColumns() {
    list_->InsertColumnEx(0, L"Name", LVCFMT_LEFT, 100, 0);
    list_->InsertColumnEx(1, L"Size", LVCFMT_RIGHT, 60, GFXCOL_NUMERIC);
    list_->InsertColumnEx(2, L"Price", LVCFMT_RIGHT, 80, GFXCOL_VALUTE);
    list_->OnInit();
  }

  // The owner's texts of a row; it is filed under the first letter of its first text.
  void SetTexts(DWORD_PTR data, const std::vector<std::wstring>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) owner_.texts[{data, int(i)}] = cells[i].c_str();
    if (!cells.empty() && !cells[0].empty()) owner_.keys[data] = CString(cells[0][0]);
  }
  // Appends a row through the list view's own insertion.
  void AddRow(DWORD_PTR data, const std::vector<std::wstring>& cells) {
    SetTexts(data, cells);
    LVITEM item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = list_->GetItemCount();
    item.pszText = LPSTR_TEXTCALLBACK;
    item.lParam = static_cast<LPARAM>(data);
    ASSERT_GE(list_->InsertItem(&item), 0);
  }

  // Column texts in row order, fetched the way the grid fetches them.
  std::vector<std::wstring> Column(int position) {
    std::vector<std::wstring> out;
    for (int i = 0; i < list_->GetItemCount(); ++i) {
      CString text;
      list_->GetItemTextEx(i, position, text, nullptr);
      out.push_back(text.GetString());
    }
    return out;
  }

  size_t Callbacks() { return owner_.textCalls.size(); }

  HWND Header() { return list_->GetGfxHeader().GetSafeHwnd(); }

  POINT HeaderItemCentre(int position) {
    RECT rc = {};
    Header_GetItemRect(Header(), position, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  }
};

// ---- orders

TEST_P(Sort, TextOrderIgnoresCasePutsTenBeforeNineAndKeepsEqualKeysInTheirOrder) {
  PlainColumns();
  AddRow(Data(0), {L"pear", L"", L""});
  AddRow(Data(1), {L"9", L"", L""});
  AddRow(Data(2), {L"Apple", L"", L""});
  AddRow(Data(3), {L"10", L"", L""});
  AddRow(Data(4), {L"apple", L"", L""});
  AddRow(Data(5), {L"Banana", L"", L""});

  ASSERT_TRUE(list_->SortByColumn(0, true));
  std::vector<std::wstring> rows = Column(0);
  ASSERT_EQ(6u, rows.size());
  EXPECT_EQ(L"10", rows[0]);
  EXPECT_EQ(L"9", rows[1]);
  EXPECT_EQ(L"Apple", rows[2]) << "equal keys stay in the order they had";
  EXPECT_EQ(L"apple", rows[3]);
  EXPECT_EQ(L"Banana", rows[4]);
  EXPECT_EQ(L"pear", rows[5]);

  ASSERT_TRUE(list_->SortByColumn(0, false));
  rows = Column(0);
  EXPECT_EQ(L"pear", rows[0]);
  EXPECT_EQ(L"Banana", rows[1]);
  EXPECT_EQ(L"Apple", rows[2]) << "in either direction";
  EXPECT_EQ(L"apple", rows[3]);
  EXPECT_EQ(L"10", rows[5]);
}

TEST_P(Sort, NumericOrderReadsTheLeadingIntegerAndCurrencyIgnoresThousandsDots) {
  PlainColumns();
  using Texts = std::vector<std::wstring>;
  const struct {
    int column;
    Texts texts, ascending;
  } cases[] = {
      {1, {L"10", L"9", L"-3", L"abc", L"100", L"7x"}, {L"-3", L"abc", L"7x", L"9", L"10", L"100"}},
      {2,
       {L"1.200", L"950", L"2.000", L"1.000,50", L"12"},
       {L"12", L"950", L"1.000,50", L"1.200", L"2.000"}},  // stops at the comma
  };
  for (const auto& c : cases) {
    list_->DeleteAllItems();
    for (size_t i = 0; i < c.texts.size(); ++i) {
      Texts cells(3, L"n");
      cells[c.column] = c.texts[i];
      AddRow(Data(int(i)), cells);
    }
    ASSERT_TRUE(list_->SortByColumn(c.column, true));
    EXPECT_EQ(c.ascending, Column(c.column));
    ASSERT_TRUE(list_->SortByColumn(c.column, false));
    EXPECT_EQ(Texts(c.ascending.rbegin(), c.ascending.rend()), Column(c.column));
  }
}

TEST_P(Sort, SummaryRowStaysLastInEveryDirectionAndKind) {
  PlainColumns();
  AddRow(Data(0), {L"b", L"5", L"5"});
  AddRow(Data(1), {L"Total", L"999", L"1.000.000"});
  AddRow(Data(2), {L"a", L"7", L"7"});
  AddRow(Data(3), {L"c", L"1", L"1"});
  list_->SetSummaryData(Data(1));

  for (int column = 0; column < 3; ++column) {
    for (int ascending = 0; ascending < 2; ++ascending) {
      ASSERT_TRUE(list_->SortByColumn(column, ascending != 0));
      EXPECT_EQ(Data(1), list_->GetItemData(3))
          << "column " << column << (ascending ? " ascending" : " descending");
    }
  }
}

TEST_P(Sort, EveryRowGetsItsOwnItemDataBackAndKeysAreFetchedOncePerRow) {
  PlainColumns();
  const int rows = 50;
  for (int i = 0; i < rows; ++i) {
    wchar_t text[16];
    swprintf(text, 16, L"%d", (i * 37) % 101);
    AddRow(Data(i), {text, text, text});
  }
  std::vector<DWORD_PTR> before = RowData();

  for (int column = 0; column < 3; ++column) {
    const size_t callbacksBefore = Callbacks();
    ASSERT_TRUE(list_->SortByColumn(column, column != 1));
    EXPECT_EQ(size_t(rows), Callbacks() - callbacksBefore)
        << "one text per row for column " << column;
    std::vector<DWORD_PTR> after = RowData();
    std::vector<DWORD_PTR> sortedBefore = before, sortedAfter = after;
    std::sort(sortedBefore.begin(), sortedBefore.end());
    std::sort(sortedAfter.begin(), sortedAfter.end());
    EXPECT_EQ(sortedBefore, sortedAfter)
        << "the same item data values, none truncated, column " << column;
  }
  std::vector<std::wstring> texts = Column(0), expected;
  for (int i = 0; i < rows; ++i) expected.push_back(std::to_wstring((i * 37) % 101));
  std::sort(texts.begin(), texts.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(expected, texts) << "no sort record reached a text callback";

  // A sorter on its own: records stand in while it lives, the item data come back after.
  before = RowData();
  {
    CSortClass sorter(list_.get(), 1, true, false);
    EXPECT_NE(before, RowData());
  }
  EXPECT_EQ(before, RowData());
}

TEST_P(Sort, AVisibleListPaintsOnceAfterTheSortAndStaysVisible) {
  tks::ShowHostFrame(true);
  PlainColumns();
  for (int i = 0; i < 20; ++i) AddRow(Data(i), {std::wstring(1, wchar_t(L'z' - i)), L"1", L"1"});
  list_->UpdateWindow();
  ASSERT_TRUE(list_->SortByColumn(0, true));
  EXPECT_TRUE(list_->IsWindowVisible()) << "redrawing is switched back on";
  EXPECT_TRUE(::GetUpdateRect(list_->GetSafeHwnd(), nullptr, FALSE))
      << "the sorted rows are repainted";
  list_->UpdateWindow();
  EXPECT_FALSE(::GetUpdateRect(list_->GetSafeHwnd(), nullptr, FALSE));
  EXPECT_EQ(L"g", Column(0).front());
}

TEST_P(Sort, CategoriesAreResetAndRefiledAroundASort) {
  PlainColumns();
  AddRow(Data(0), {L"b2", L"4", L""});
  AddRow(Data(1), {L"a1", L"3", L""});
  AddRow(Data(2), {L"b1", L"2", L""});
  AddRow(Data(3), {L"a2", L"1", L""});
  list_->EnableCategoryView(true);
  CGfxCategoryManager* categories = list_->GetCategoryManager();
  ASSERT_TRUE(categories != nullptr);
  ASSERT_EQ(2, categories->GetCategoryCount());
  const int rowsShown = list_->GetItemCount();

  ASSERT_TRUE(list_->SortByColumn(1, true));
  ASSERT_EQ(2, categories->GetCategoryCount()) << "the same categories, filed again";
  EXPECT_EQ(rowsShown, list_->GetItemCount()) << "category rows only, as before";
  const int b = categories->FindCategory(L"b");
  const int a = categories->FindCategory(L"a");
  ASSERT_GE(a, 0);
  ASSERT_GE(b, 0);
  EXPECT_EQ((std::vector<DWORD_PTR>{Data(2), Data(0)}), categories->GetCategory(b)->members)
      << "members follow the sorted order";
  EXPECT_EQ((std::vector<DWORD_PTR>{Data(3), Data(1)}), categories->GetCategory(a)->members);

  ASSERT_TRUE(list_->SortByColumn(1, false));
  EXPECT_EQ((std::vector<DWORD_PTR>{Data(0), Data(2)}), categories->GetCategory(b)->members);
  EXPECT_EQ(1, list_->GetGfxHeader().GetSortColumn());
  list_->EnableCategoryView(false);
  EXPECT_EQ((std::vector<DWORD_PTR>{Data(0), Data(1), Data(2), Data(3)}), RowData())
      << "plain rows in the last sorted order, their own item data";
}

// ---- header clicks and commands

TEST_P(Sort, HeaderClicksSortOppositeToTheRememberedDirection) {
  PlainColumns();
  const wchar_t* sizes[] = {L"3", L"1", L"2"};
  for (int i = 0; i < 3; ++i) AddRow(Data(i), {L"n", sizes[i], L""});
  CGfxHeaderCtrl& header = list_->GetGfxHeader();
  ASSERT_FALSE(header.GetSortOrder(1));

  tks::Click(Header(), HeaderItemCentre(1));
  EXPECT_EQ((std::vector<std::wstring>{L"1", L"2", L"3"}), Column(1))
      << "nothing remembered: ascending";
  EXPECT_EQ(1, header.GetSortColumn());
  EXPECT_TRUE(header.IsSortAscending());
  EXPECT_TRUE(header.GetSortOrder(1));

  tks::Click(Header(), HeaderItemCentre(1));
  EXPECT_EQ((std::vector<std::wstring>{L"3", L"2", L"1"}), Column(1));
  EXPECT_FALSE(header.IsSortAscending());
  EXPECT_FALSE(header.GetSortOrder(1));
}

TEST_P(Sort, WithoutTheSortFlagNothingSorts) {
  PlainColumns();
  AddRow(Data(0), {L"b", L"2", L""});
  AddRow(Data(1), {L"a", L"1", L""});
  list_->ModifyFlag(GFXLF_SORT, 0, 0);
  tks::Click(Header(), HeaderItemCentre(0));
  EXPECT_FALSE(list_->SortByColumn(0, true));
  list_->m_nClickedHeaderColumn = 0;
  list_->SendMessage(WM_COMMAND, ID_GFX_SORTASC);
  EXPECT_EQ((std::vector<std::wstring>{L"b", L"a"}), Column(0));
  EXPECT_EQ(-1, list_->GetGfxHeader().GetSortColumn());
}

TEST_P(Sort, SortCommandsWorkOnTheClickedHeaderColumn) {
  PlainColumns();
  const wchar_t* sizes[] = {L"20", L"3", L"100"};
  for (int i = 0; i < 3; ++i) AddRow(Data(i), {L"n", sizes[i], L""});

  list_->m_nClickedHeaderColumn = 1;
  list_->SendMessage(WM_COMMAND, ID_GFX_SORTDESC);
  EXPECT_EQ((std::vector<std::wstring>{L"100", L"20", L"3"}), Column(1));
  EXPECT_EQ(1, list_->GetGfxHeader().GetSortColumn());
  EXPECT_FALSE(list_->GetGfxHeader().IsSortAscending());

  list_->SendMessage(WM_COMMAND, ID_GFX_SORTASC);
  EXPECT_EQ((std::vector<std::wstring>{L"3", L"20", L"100"}), Column(1));
  EXPECT_TRUE(list_->GetGfxHeader().IsSortAscending());

  list_->m_nClickedHeaderColumn = 7;  // no such column
  list_->SendMessage(WM_COMMAND, ID_GFX_SORTDESC);
  EXPECT_EQ((std::vector<std::wstring>{L"3", L"20", L"100"}), Column(1));
  list_->m_nClickedHeaderColumn = -1;
  list_->SendMessage(WM_COMMAND, ID_GFX_SORTDESC);
  EXPECT_EQ((std::vector<std::wstring>{L"3", L"20", L"100"}), Column(1));
}

TEST_P(Sort, ColumnModelSortsOnlySortableColumnsAndFirstClickIsDescending) {
  CGfxColumnManager* m = list_->CreateColumnManager();
  m->DefineColumn(0, L"Name", nullptr, LVCFMT_LEFT, 100, GFXCOL_SORTABLE, -1, nullptr);
  m->DefineColumn(1, L"Size", nullptr, LVCFMT_RIGHT, 60, GFXCOL_NUMERIC, -1, nullptr);
  const int shown[] = {0, 1};
  m->DefineDefaultColumns(2, shown);
  list_->OnInit();
  ASSERT_TRUE(list_->SetupColumnData());
  AddRow(Data(0), {L"a", L"2"});
  AddRow(Data(1), {L"c", L"1"});
  AddRow(Data(2), {L"b", L"3"});

  EXPECT_FALSE(list_->SortByColumn(1, true)) << "Size lacks the sortable flag";
  tks::Click(Header(), HeaderItemCentre(1));
  EXPECT_EQ((std::vector<std::wstring>{L"2", L"1", L"3"}), Column(1));
  EXPECT_EQ(-1, list_->GetGfxHeader().GetSortColumn());

  tks::Click(Header(), HeaderItemCentre(0));
  EXPECT_EQ((std::vector<std::wstring>{L"c", L"b", L"a"}), Column(0))
      << "the rebuild remembered ascending";
  tks::Click(Header(), HeaderItemCentre(0));
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b", L"c"}), Column(0));
}

// ---- re-sorting

TEST_P(Sort, RedrawItemsResortsOnlyWhenTheSortColumnIsPastTheFirst) {
  PlainColumns();
  AddRow(Data(0), {L"a", L"2", L""});
  AddRow(Data(1), {L"b", L"1", L""});
  list_->GetGfxHeader().SetSortImage(0, 0);
  EXPECT_FALSE(list_->RedrawItems());
  EXPECT_EQ((std::vector<std::wstring>{L"a", L"b"}), Column(0)) << "position 0 only redraws";

  list_->GetGfxHeader().SetSortImage(1, 1);
  EXPECT_TRUE(list_->RedrawItems(0, 0));
  EXPECT_EQ((std::vector<std::wstring>{L"1", L"2"}), Column(1));

  owner_.texts[{Data(1), 1}] = L"9";  // the owner's value changes
  EXPECT_TRUE(list_->RedrawItems());
  EXPECT_EQ((std::vector<std::wstring>{L"2", L"9"}), Column(1));
}

TEST_P(Sort, InsertedRowsTakeTheirPlaceAndInsertItemExAnswersIt) {
  PlainColumns();
  ASSERT_TRUE(list_->SortByColumn(1, true));
  const struct {
    const wchar_t* size;
    int row;  // where the sort puts it
  } inserts[] = {{L"20", 0}, {L"10", 0}, {L"30", 2}, {L"15", 1}, {L"5", 0}};
  for (int i = 0; i < 5; ++i) {
    SetTexts(Data(i), {L"n", inserts[i].size, L""});
    const int row = list_->InsertItemEx(list_->GetItemCount(), Data(i));
    EXPECT_EQ(inserts[i].row, row) << "size " << inserts[i].size;
    EXPECT_EQ(Data(i), list_->GetItemData(row));
  }
  EXPECT_EQ((std::vector<std::wstring>{L"5", L"10", L"15", L"20", L"30"}), Column(1));

  // A summary row stays last whatever comes after it.
  list_->SetSummaryData(Data(5));
  AddRow(Data(5), {L"Total", L"100", L""});
  AddRow(Data(6), {L"e", L"50", L""});
  EXPECT_EQ((std::vector<std::wstring>{L"5", L"10", L"15", L"20", L"30", L"50", L"100"}),
            Column(1));
}

TEST_P(Sort, InsertionsResortInTheDirectionTheArrowShows) {
  list_->InsertColumnEx(0, L"Name", LVCFMT_LEFT, 100, 0);
  // A sortable column starts out remembered ascending; its stored state shows descending.
  list_->InsertColumnEx(1, L"Size", LVCFMT_RIGHT, 60,
                        GFXCOL_SORTABLE | GFXCOL_NUMERIC | GFXCOL_SORTDESC);
  list_->OnInit();
  ASSERT_EQ(1, list_->GetGfxHeader().GetSortColumn());
  ASSERT_FALSE(list_->GetGfxHeader().IsSortAscending());
  const wchar_t* sizes[] = {L"2", L"3", L"1"};
  for (int i = 0; i < 3; ++i) {
    SetTexts(Data(i), {L"n", sizes[i]});
    list_->InsertItemEx(i, Data(i));
  }
  EXPECT_EQ((std::vector<std::wstring>{L"3", L"2", L"1"}), Column(1));
}

TEST_P(Sort, WithCategoriesShownAnInsertionIsFiledWithoutAResort) {
  PlainColumns();
  AddRow(Data(0), {L"b2", L"4", L""});
  AddRow(Data(1), {L"a1", L"3", L""});
  ASSERT_TRUE(list_->SortByColumn(1, true));
  list_->EnableCategoryView(true);
  CGfxCategoryManager* categories = list_->GetCategoryManager();
  const int a = categories->FindCategory(L"a");
  list_->ToggleCategory(0);  // "a" (3) comes first: open
  ASSERT_EQ(3, list_->GetItemCount());

  SetTexts(Data(2), {L"a0", L"1", L""});
  const size_t callbacks = Callbacks();
  EXPECT_EQ(1, list_->InsertItemEx(0, Data(2))) << "right under its open category";
  EXPECT_EQ(callbacks, Callbacks()) << "no texts fetched: nothing sorted";
  EXPECT_EQ((std::vector<DWORD_PTR>{Data(1), Data(2)}), categories->GetCategory(a)->members);
  EXPECT_EQ(4, list_->GetItemCount());
}

TEST_P(Sort, SortsAndCategoryRebuildsKeepTheOwnersRedrawOff) {
  PlainColumns();
  for (int i = 0; i < 6; ++i)
    AddRow(Data(i), {std::wstring(1, wchar_t(L'a' + i % 2)) + std::to_wstring(i), L"1", L"1"});
  tks::MessageRecorder redraws;
  redraws.Only({WM_SETREDRAW});
  ASSERT_TRUE(redraws.Attach(list_->GetSafeHwnd()));

  const struct {
    const char* what;
    std::function<void()> run;
  } steps[] = {
      {"sort", [&] { list_->SortByColumn(0, false); }},
      {"categories on", [&] { list_->EnableCategoryView(true); }},
      {"category opened", [&] { list_->ToggleCategory(0); }},
      {"category closed", [&] { list_->ToggleCategory(0); }},
      {"sort with categories", [&] { list_->SortByColumn(0, true); }},
      {"categories off", [&] { list_->EnableCategoryView(false); }},
      {"re-sort by RedrawItems",
       [&] {
         list_->GetGfxHeader().SetSortImage(1, 1);
         list_->RedrawItems();
       }},
      {"column dragged",
       [&] {
         int from = 2, to = 1;
         list_->DragColumn(from, to);
       }},
  };
  list_->SetRedraw(FALSE);
  for (const auto& step : steps) {
    redraws.Clear();
    step.run();
    for (const tks::SeqMsg& m : redraws.Messages())
      EXPECT_EQ(0u, m.wParam) << step.what << " turned redrawing back on";
  }
}

TEST_P(Sort, BadInputHasDefinedOutcomes) {
  PlainColumns();
  EXPECT_TRUE(list_->SortByColumn(0, true)) << "an empty list sorts to nothing";
  AddRow(Data(0), {L"a", L"1", L""});
  EXPECT_FALSE(list_->SortByColumn(-1, true));
  EXPECT_FALSE(list_->SortByColumn(3, true));
  EXPECT_FALSE(list_->SortByColumn(1000, true));
  std::wstring huge(100000, L'z');
  AddRow(Data(1), {huge, L"99999999999999999999", L"9.9.9.9.9.9.9.9.9.9.9.9"});
  AddRow(Data(2), {L"", L"", L""});
  for (int column = 0; column < 3; ++column) EXPECT_TRUE(list_->SortByColumn(column, false));
  EXPECT_EQ(Data(1), list_->GetItemData(0));
  CSortClass orphan(nullptr, 0, false, false);  // no list: nothing to do
  orphan.Sort(true);
}

INSTANTIATE_TEST_SUITE_P(BothUses, Sort, testing::Values(Use::ParentCallbacks, Use::DerivedList),
                         grid::UseName);

}  // namespace
