// The category view: filing rows into categories, labels, opening and closing, new rows while
// categories are shown, going back to plain rows, and category identities that never pass for
// an item data.
#include "GridFixture.h"

namespace {

using Labels = std::vector<std::wstring>;
using Data = std::vector<DWORD_PTR>;

// Five rows: 1, 3 and 5 are Red, 2 Blue, 4 Green.
class CategoryView : public grid::GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    owner_.keys = {{1, L"Red"}, {2, L"Blue"}, {3, L"Red"}, {4, L"Green"}, {5, L"Red"}};
  }
  void ShowFiveRows(int firstColumnWidth = 0) {
    MakeList(0, firstColumnWidth);
    AddRows(5);
    list_->EnableCategoryView(true);
  }
  CGfxCategoryManager* Manager() { return list_->GetCategoryManager(); }
  // Item data of the rows, with category rows written as 1000 + category index.
  Data Rows() {
    Data rows;
    for (DWORD_PTR d : RowData()) {
      const int category = Manager() ? Manager()->IsListItemACategory(d) : -1;
      rows.push_back(category >= 0 ? 1000 + DWORD_PTR(category) : d);
    }
    return rows;
  }
};

TEST_F(CategoryView, RowsAreFiledUnderClosedCategoriesThatOpenAndClose) {
  ShowFiveRows();
  ASSERT_NE(nullptr, Manager());
  EXPECT_EQ((Data{1, 2, 3, 4, 5}), owner_.filed)
      << "the callback sees every row once, in list order";
  EXPECT_EQ((Data{1000, 1001, 1002}), Rows());
  EXPECT_EQ((Labels{L"Red (3 elements)", L"Blue (1 element )", L"Green (1 element )"}),
            RowLabels());
  EXPECT_EQ(18, list_->GetColumnWidth(0)) << "a hidden first column becomes the buttons' gutter";
  EXPECT_EQ(16, Row(0).Height()) << "every row takes the category row height";

  list_->ToggleCategory(0);
  EXPECT_EQ((Data{1000, 1, 3, 5, 1001, 1002}), Rows())
      << "members follow their category row in order";
  list_->ToggleCategory(5);
  EXPECT_EQ((Data{1000, 1, 3, 5, 1001, 1002, 4}), Rows());
  list_->ToggleCategory(1);
  EXPECT_EQ((Data{1000, 1, 3, 5, 1001, 1002, 4}), Rows()) << "an item row toggles nothing";
  list_->ToggleCategory(-1);
  list_->ToggleCategory(99);

  list_->ToggleCategory(5);
  EXPECT_EQ((Data{1000, 1, 3, 5, 1001, 1002}), Rows())
      << "closing the last category removes every row after it";
  EXPECT_FALSE(Manager()->GetCategory(2)->bOpen);
  list_->ToggleCategory(0);
  EXPECT_EQ((Data{1000, 1001, 1002}), Rows());
}

TEST_F(CategoryView, GoingBackToPlainRowsKeepsTheCategoriesAndFilesEveryRowAgain) {
  ShowFiveRows();
  list_->ToggleCategory(0);
  CGfxCategoryManager* manager = Manager();
  manager->ResetList(list_.get());
  EXPECT_EQ((Data{1, 2, 3, 4, 5}), RowData());
  ASSERT_EQ(3, manager->GetCategoryCount()) << "categories remain, emptied and closed";
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(manager->GetCategory(i)->members.empty() && !manager->GetCategory(i)->bOpen);
  owner_.keys[3] = L"Green";
  manager->SetupList(list_.get());
  const Labels refiled = {L"Red (2 elements)", L"Blue (1 element )", L"Green (2 elements)"};
  EXPECT_EQ(refiled, RowLabels()) << "the same categories are found again, none added";
  manager->SetupList(list_.get());
  EXPECT_EQ(refiled, RowLabels())
      << "filing a list that shows categories files its rows, not its category rows";

  list_->EnableCategoryView(false);
  EXPECT_EQ(nullptr, list_->GetCategoryManager());
  EXPECT_EQ((Data{1, 2, 3, 4, 5}), RowData());
  EXPECT_EQ(0, list_->GetColumnWidth(0)) << "the gutter goes back to nothing";
  EXPECT_EQ(17, Row(0).Height());
  owner_.keys[1] = L"Blue";
  owner_.filed.clear();
  list_->EnableCategoryView(true);
  EXPECT_EQ((Data{1, 2, 3, 4, 5}), owner_.filed) << "on again: every row is filed afresh";
  EXPECT_EQ((Labels{L"Blue (2 elements)", L"Green (2 elements)", L"Red (1 element )"}),
            RowLabels());

  list_->DestroyWindow();
  ShowFiveRows(100);
  EXPECT_EQ(100, list_->GetColumnWidth(0)) << "a visible first column keeps its width";
  list_->EnableCategoryView(false);
  EXPECT_EQ(100, list_->GetColumnWidth(0));
}

TEST_F(CategoryView, ANewRowGoesUnderItsCategoryOrOpensANewOneAtTheEnd) {
  ShowFiveRows();
  list_->ToggleCategory(0);
  owner_.keys[6] = L"Red";
  EXPECT_EQ(1, list_->InsertItemEx(0, 6)) << "right after its open category's row";
  EXPECT_EQ((Data{1000, 6, 1, 3, 5, 1001, 1002}), Rows());
  EXPECT_EQ(L"Red (4 elements)", RowLabels()[0]);

  owner_.keys[7] = L"Blue";
  EXPECT_EQ(-1, list_->InsertItemEx(0, 7)) << "a closed category shows no new row";
  EXPECT_EQ(L"Blue (2 elements)", RowLabels()[5]);

  owner_.keys[8] = L"Yellow";
  EXPECT_EQ(-1, list_->InsertItemEx(0, 8));
  EXPECT_EQ((Data{1000, 6, 1, 3, 5, 1001, 1002, 1003}), Rows())
      << "a new category's row comes last";
  EXPECT_EQ(L"Yellow (1 element )", RowLabels().back());
  EXPECT_FALSE(Manager()->GetCategory(3)->bOpen);
  list_->ToggleCategory(7);
  EXPECT_EQ(8u, Rows().back());

  EXPECT_EQ(-1, list_->InsertItemEx(0, 9)) << "a row the owner files nowhere";
  EXPECT_EQ(9u, RowData().size());
  EXPECT_EQ(9, Manager()->GetItemCount()) << "it is still collected for the plain rows";
  list_->EnableCategoryView(false);
  EXPECT_EQ((Data{1, 2, 3, 4, 5, 6, 7, 8, 9}), RowData());
}

TEST_F(CategoryView, ADeletedRowNeverComesBackThoughTheRecordsStayAsTheyWere) {
  ShowFiveRows();
  EXPECT_TRUE(list_->DeleteItemEx(-1, 3)) << "a row of a closed category is deleted too";
  list_->ToggleCategory(0);
  EXPECT_EQ((Data{1000, 1, 5, 1001, 1002}), Rows()) << "opening its category leaves it out";
  EXPECT_EQ(L"Red (3 elements)", RowLabels()[0])
      << "labels keep their counts until the view is rebuilt";
  EXPECT_EQ((Data{1, 3, 5}), Manager()->GetCategory(0)->members);
  list_->ToggleCategory(0);
  list_->ToggleCategory(0);
  EXPECT_EQ((Data{1000, 1, 5, 1001, 1002}), Rows());
  EXPECT_FALSE(list_->DeleteItemEx(-1, 3)) << "nothing is left to delete";
  list_->DeleteItemEx(0, 77);
  EXPECT_EQ((Data{1000, 1, 5, 1001, 1002}), Rows()) << "an item data no row has deletes nothing";
  EXPECT_TRUE(list_->DeleteItemEx(2, 5));
  EXPECT_EQ((Data{1000, 1, 1001, 1002}), Rows());

  // A value that comes back as a new row is an item like any other, and only once.
  list_->InsertItemEx(0, 3);
  EXPECT_EQ((Data{1000, 3, 1, 1001, 1002}), Rows());
  list_->ToggleCategory(0);
  list_->ToggleCategory(0);
  EXPECT_EQ((Data{1000, 1, 3, 1001, 1002}), Rows());
  Manager()->ResetList(list_.get());
  EXPECT_EQ((Data{1, 2, 4, 3}), RowData()) << "nor when the plain rows come back";
}

TEST_F(CategoryView, AnItemDataEqualToACategoryIdentityIsStillAnItem) {
  ShowFiveRows();
  const DWORD_PTR redIdentity = RowData()[0];
  ASSERT_EQ(0, Manager()->IsListItemACategory(redIdentity));
  owner_.keys[redIdentity] = L"Blue";
  list_->InsertItemEx(0, redIdentity);
  EXPECT_EQ(-1, Manager()->IsListItemACategory(redIdentity)) << "the owner's value is an item now";
  EXPECT_EQ((Data{1000, 1001, 1002}), Rows()) << "the category rows carry their new identities";
  list_->ToggleCategory(1);
  EXPECT_EQ((Data{1000, 1001, 2, redIdentity, 1002}), Rows());
  EXPECT_EQ(L"Red (3 elements)", RowLabels()[0]);

  // A category made before the rows are filed, whose identity a plain row's item data takes.
  list_->DestroyWindow();
  MakeList(0, 0);
  AddRows(1);
  CGfxCategoryManager* manager = list_->CreateCategoryManager();
  manager->AddCategory(L"Early", L"Early");
  const DWORD_PTR early = manager->GetCategoryItemData(0);
  list_->SetItemData(0, early);
  owner_.keys[early] = L"Blue";
  list_->EnableCategoryView(true);
  EXPECT_EQ(-1, manager->IsListItemACategory(early));
  list_->ToggleCategory(1);
  EXPECT_EQ((Data{1000, 1001, early}), Rows());
  EXPECT_EQ((Labels{L"Early (0 elements)", L"Blue (1 element )", L""}), RowLabels());
}

TEST_F(CategoryView, ABulkCallbackFilesRowIndices) {
  MakeList(0, 0);
  AddRows(5);
  list_->SetCategoryCallback(nullptr);
  list_->CreateCategoryManager()->SetDaoCategoryCallback(
      static_cast<GFXCAT_BULK_CALLBACK>(&grid::Owner::FileAll));
  list_->EnableCategoryView(true);
  ASSERT_EQ(1u, owner_.bulkCalls.size()) << "called once for all rows";
  EXPECT_EQ((Data{0, 1, 2, 3, 4}), owner_.bulkCalls[0]);
  EXPECT_EQ((Labels{L"Red (3 elements)", L"Blue (1 element )", L"Green (1 element )"}),
            RowLabels());
}

TEST_F(CategoryView, AClickOnTheGutterOrADoubleClickPastItTogglesACategory) {
  ShowFiveRows();
  list_->SetFocus();
  tks::Click(list_->GetSafeHwnd(), CPoint(8, Mid(0)));
  tks::PumpUntilIdle();
  EXPECT_EQ((Data{1000, 1, 3, 5, 1001, 1002}), Rows()) << "a click on the button column opens";
  tks::Click(list_->GetSafeHwnd(), CPoint(8, Mid(0)));
  tks::PumpUntilIdle();
  EXPECT_EQ((Data{1000, 1001, 1002}), Rows()) << "and closes";
  tks::DoubleClick(list_->GetSafeHwnd(), CPoint(60, Mid(1)));
  tks::PumpUntilIdle();
  EXPECT_EQ((Data{1000, 1001, 2, 1002}), Rows()) << "a double click past the button column toggles";
}

}  // namespace
