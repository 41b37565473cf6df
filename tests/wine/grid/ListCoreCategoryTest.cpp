// The grid core's input paths with categories shown: a click in the gutter column, Enter and a
// double click open and close a category and keep the click from the parent; the category view
// is turned off when the list goes away.
#include "GridFixture.h"

using grid::Use;

namespace {

class ListCoreCategories : public grid::GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    owner_.namedCells = true;
    MakeList(Use::ParentCallbacks, LVS_SHOWSELALWAYS);
    for (DWORD_PTR data = 1; data <= 4; ++data) owner_.keys[data] = data % 2 ? L"Odd" : L"Even";
    AddRows(4);
    list_->EnableCategoryView(true);
  }
};

TEST_F(ListCoreCategories, AClickInTheFirstColumnTogglesACategoryRowAndStopsThere) {
  ASSERT_EQ(2, list_->GetItemCount()) << "two closed categories";
  tks::Click(list_->GetSafeHwnd(), CellCentre(0, 0));
  tks::PumpUntilIdle();
  EXPECT_EQ(4, list_->GetItemCount()) << "the first category opened";
  EXPECT_FALSE(owner_.Notified(NM_CLICK)) << "a click that toggles a category stays in the list";

  tks::Click(list_->GetSafeHwnd(), CellCentre(1, 1));
  tks::PumpUntilIdle();
  EXPECT_EQ(4, list_->GetItemCount()) << "a click on a member row toggles nothing";
  EXPECT_TRUE(owner_.Notified(NM_CLICK));
}

TEST_F(ListCoreCategories, EnterAndADoubleClickBeyondTheFirstColumnToggleToo) {
  const tks::PreTranslateHook previous = tks::SetPreTranslateHook(
      [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
  list_->SetFocus();
  list_->SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  tks::PressKey(list_->GetSafeHwnd(), VK_RETURN);
  EXPECT_EQ(4, list_->GetItemCount()) << "Enter opened the selected category";
  tks::SetPreTranslateHook(previous);

  tks::DoubleClick(list_->GetSafeHwnd(), CellCentre(1, 2));
  tks::PumpUntilIdle();
  EXPECT_EQ(2, list_->GetItemCount()) << "the double click closed it again";
  EXPECT_TRUE(owner_.Notified(NM_DBLCLK)) << "the list view's own handling follows";
}

TEST_F(ListCoreCategories, RowsAreMeasuredWithTheCategoryHeightAndTheViewEndsWithTheWindow) {
  CRect row;
  list_->GetItemRect(0, &row, LVIR_BOUNDS);
  EXPECT_EQ(16, row.Height());
  list_->DestroyWindow();
  EXPECT_EQ(nullptr, list_->GetCategoryManager())
      << "destroying the list turns the category view off";
}

TEST_F(ListCoreCategories, RowOperationsFindEveryRowOfAnItemByItsData) {
  list_->ToggleCategory(0);
  list_->ToggleCategory(3);
  ASSERT_EQ(6, list_->GetItemCount());
  const auto rowOf = [&](DWORD_PTR data) {
    for (int i = 0; i < list_->GetItemCount(); ++i)
      if (list_->GetItemData(i) == data) return i;
    return -1;
  };
  list_->ModifyItemEx(-1, 1, 3, L"fixed");
  EXPECT_STREQ(L"fixed", list_->GetItemText(rowOf(3), 1))
      << "the row position is not needed with categories";
  EXPECT_TRUE(list_->DeleteItemEx(-1, 3));
  EXPECT_EQ(-1, rowOf(3));
  EXPECT_EQ(5, list_->GetItemCount());
  EXPECT_FALSE(list_->DeleteItemEx(0, 99)) << "no row has that item data";
  EXPECT_EQ(5, list_->GetItemCount()) << "the row position is not used either";
}

TEST_F(ListCoreCategories, CopyingLeavesCategoryRowsOutAndNeverAsksTheOwnerAboutThem) {
  list_->ToggleCategory(0);  // Odd: 1 and 3 under it
  owner_.textCalls.clear();
  ASSERT_TRUE(list_->DoCopyInClipboard(false));
  EXPECT_STREQ(L"Name\tSize\tNotes\r\n1:0\t1:1\t1:2\r\n3:0\t3:1\t3:2", ClipboardText());
  for (const auto& call : owner_.textCalls)
    EXPECT_TRUE(call.data == 1 || call.data == 3) << call.data;
}

}  // namespace
