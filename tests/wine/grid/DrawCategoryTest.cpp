// Painting in category view: the category row with its 12 x 12 button, plus or minus, bottom
// line and label; item rows with the gutter under the buttons.
#include "GridFixture.h"

namespace {
using namespace grid;

const COLORREF kFace = kGrid;
const COLORREF kCategory = RGB(230, 230, 200);

// Red (rows 1 and 3) open, Blue (row 2) closed; the first column is the 18-pixel gutter.
class DrawCategory : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    owner_.keys = {{1, L"Red"}, {2, L"Blue"}, {3, L"Red"}};
    MakeList(0, 0);
    list_->m_colours.crCategory = kCategory;
    AddRows(3);
    list_->EnableCategoryView(true);
    list_->ToggleCategory(0);  // rows: Red, 1, 3, Blue
    ASSERT_EQ(4, list_->GetItemCount());
  }
};

TEST_F(DrawCategory, TheButtonShowsMinusForAnOpenCategoryAndPlusForAClosedOne) {
  const tks::Capture cap = Snap();
  for (int item : {0, 3}) {
    const bool open = item == 0;
    const CRect r = Row(item);
    const int top = r.top + (r.Height() - 12) / 2;
    const int left = r.left;
    SCOPED_TRACE(open ? "open category" : "closed category");
    EXPECT_EQ(kWhite, cap.AtClient(left + 3, top)) << "outer frame, top-left";
    EXPECT_EQ(kBlack, cap.AtClient(left + 14, top + 11)) << "outer frame, bottom-right";
    EXPECT_EQ(kFace, cap.AtClient(left + 4, top + 1)) << "inner frame, top-left";
    EXPECT_EQ(kShadow, cap.AtClient(left + 13, top + 10)) << "inner frame, bottom-right";
    for (int x = 5; x < 12; ++x)
      EXPECT_EQ(kBlack, cap.AtClient(left + x, top + 5)) << "horizontal stroke at " << x;
    EXPECT_EQ(kFace, cap.AtClient(left + 12, top + 5)) << "the stroke's end is excluded";
    for (int y = 2; y < 9; ++y)
      EXPECT_EQ(open && y != 5 ? kFace : kBlack, cap.AtClient(left + 8, top + y))
          << "vertical stroke at " << y;
    EXPECT_EQ(kFace, cap.AtClient(left + 8, top + 9));
    EXPECT_EQ(kCategory, cap.AtClient(380, Mid(item))) << "the row's fill";
    EXPECT_EQ(open ? kCategory : kShadow, cap.AtClient(left + 2, r.bottom - 1))
        << "bottom line start";
    EXPECT_EQ(kShadow, cap.AtClient(left + 16, r.bottom - 1));
    EXPECT_EQ(kShadow, cap.AtClient(380, r.bottom - 1));
  }
}

TEST_F(DrawCategory, ItemRowsHaveTheGutterAndTheirCellsFromColumnOne) {
  owner_.texts[{1, 0}] = L"WWWW";  // column 0 is the gutter: never drawn as a cell
  const tks::Capture cap = Snap();
  const int mid = Mid(1);
  for (int x = 0; x < 17; ++x) EXPECT_EQ(kCategory, cap.AtClient(x, mid)) << "gutter at x=" << x;
  EXPECT_EQ(kShadow, cap.AtClient(17, mid)) << "a dark line closes the gutter";
  EXPECT_EQ(kWhite, cap.AtClient(40, mid));
  EXPECT_EQ(kGrid, cap.AtClient(18 + 60 - 1, mid)) << "column 1's grid line";
  for (const auto& q : owner_.requests)
    EXPECT_FALSE(q.code == NTEX_ITEMINFO && q.subItem == 0) << "the gutter's cell is not asked";
}

TEST_F(DrawCategory, ASelectedCategoryRowIsHighlighted) {
  list_->m_colours.crHighlight = kHighlight;
  list_->SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
  list_->SetFocus();
  const tks::Capture cap = Snap();
  const CRect r = Row(3);
  EXPECT_EQ(kHighlight, cap.AtClient(380, Mid(3)));
  EXPECT_EQ(kBlack, cap.AtClient(r.left + 8, r.top + 2 + 4)) << "the button is drawn on it";
}

}  // namespace
