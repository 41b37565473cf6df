// Painting plain rows: grid lines, highlight with and without the focus, the cell cursor, the
// focus frame, per-cell fonts and colours, image cells, and what the owner is asked to draw.
#include "GridFixture.h"

#include <set>

namespace {
using namespace grid;

// Three rows (item data 1 to 3) in columns Name 0-100, Size 100-160 and Notes 160-260.
class DrawRow : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    MakeList();
    AddRows(3);
    list_->m_colours.crHighlight = kHighlight;
  }
  // The requests of one code, in the order the owner saw them.
  std::vector<SeenRequest> Requests(int code) {
    std::vector<SeenRequest> seen;
    for (const auto& q : owner_.requests)
      if (q.code == code) seen.push_back(q);
    return seen;
  }
};

TEST_F(DrawRow, GridLinesRunAlongEachCellsRightEdgeAndUnderEachRow) {
  tks::Capture cap = Snap();
  const CRect r = Row(1);
  for (int edge : {100, 160, 260}) {
    EXPECT_EQ(kGrid, cap.AtClient(edge - 1, Mid(1))) << "vertical line left of x=" << edge;
    EXPECT_EQ(kGrid, cap.AtClient(edge - 1, r.top)) << "the line reaches the row's top";
    EXPECT_EQ(kWhite, cap.AtClient(edge, Mid(1))) << "nothing right of the line at x=" << edge;
  }
  EXPECT_EQ(kGrid, cap.AtClient(50, r.bottom - 1)) << "horizontal line on the row's last pixel";
  EXPECT_EQ(kGrid, cap.AtClient(350, r.bottom - 1)) << "full-row flag: past the last column";
  EXPECT_EQ(kWhite, cap.AtClient(50, r.bottom - 2));

  list_->ModifyFlag(GFXLF_VGRID | GFXLF_HGRID, 0, 0);
  cap = Snap();
  EXPECT_EQ(kWhite, cap.AtClient(99, Mid(1))) << "no vertical line without flag 0x0002";
  EXPECT_EQ(kWhite, cap.AtClient(50, r.bottom - 1)) << "no horizontal line without flag 0x0004";
}

TEST_F(DrawRow, ASelectedRowIsHighlightedWithTheFocusOrWhenTheListShowsSelectionAlways) {
  list_->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  list_->SetFocus();
  ASSERT_EQ(list_->GetSafeHwnd(), ::GetFocus());
  tks::Capture cap = Snap();
  EXPECT_EQ(kHighlight, cap.AtClient(50, Mid(1)));
  EXPECT_EQ(kHighlight, cap.AtClient(380, Mid(1))) << "flag 0x0001: highlighted across the client";
  EXPECT_EQ(kWhite, cap.AtClient(50, Mid(0)));

  owner_.SetFocus();
  EXPECT_EQ(kWhite, Snap().AtClient(50, Mid(1)))
      << "without the focus and show-selection-always: a plain row";
  list_->ModifyStyle(0, LVS_SHOWSELALWAYS);
  EXPECT_EQ(kHighlight, Snap().AtClient(50, Mid(1))) << "show-selection-always, no focus";

  list_->ModifyFlag(GFXLF_FULLROWHIGHLIGHT, 0, 0);
  cap = Snap();
  EXPECT_EQ(kHighlight, cap.AtClient(250, Mid(1)));
  EXPECT_EQ(kWhite, cap.AtClient(380, Mid(1))) << "without flag 0x0001 it ends at the last column";
}

TEST_F(DrawRow, TheFocusCellIsACursorInTheFocusedRowWhichHasAHalftoneFrame) {
  list_->SetFocusColumn(1);
  list_->SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  list_->SetFocus();
  tks::Capture cap = Snap();
  const CRect r = Row(1);
  EXPECT_EQ(kHighlight, cap.AtClient(50, Mid(1)));
  EXPECT_EQ(kWhite, cap.AtClient(130, Mid(1))) << "the cursor cell has the text background";
  EXPECT_EQ(kWhite, cap.AtClient(99, Mid(1))) << "the cursor starts one pixel left of its cell";
  EXPECT_EQ(kGrid, cap.AtClient(159, Mid(1))) << "its own right edge keeps the grid line";
  EXPECT_EQ(kHighlight, cap.AtClient(200, Mid(1)));
  EXPECT_EQ(kWhite, cap.AtClient(130, Mid(0))) << "other rows have no cursor";

  // The frame: a checker on the row's edge, one pixel short at the bottom.
  std::set<COLORREF> frame;
  for (int x = 10; x < 30; ++x) frame.insert(cap.AtClient(x, r.top));
  EXPECT_EQ((std::set<COLORREF>{kBlack, kWhite}), frame) << "black and white alternate";
  const COLORREF bottom = cap.AtClient(20, r.bottom - 2);
  EXPECT_TRUE(bottom == kBlack || bottom == kWhite) << "the frame's bottom edge";
  EXPECT_EQ(kGrid, cap.AtClient(20, r.bottom - 1)) << "under the frame the grid line";

  list_->ModifyFlag(GFXLF_CELLCURSOR, 0, 0);
  EXPECT_EQ(kHighlight, Snap().AtClient(130, Mid(1))) << "no cursor without flag 0x4000";
}

TEST_F(DrawRow, TheOwnerChoosesTheColourOfEachNonEmptyCell) {
  owner_.texts[{1, 0}] = L"WWWWWW";
  owner_.texts[{1, 2}] = L"WWWWWW";
  owner_.answers[NTEX_ITEMINFO] = 1;
  owner_.answerFlags = LXHDREX_TEXTCOLOR;
  owner_.answerColor = RGB(255, 0, 0);
  const CRect name(0, Row(0).top, 100, Row(0).bottom);
  EXPECT_TRUE(AnyPixel(Snap(), name, IsRed)) << "the answered colour paints the text";
  std::vector<std::pair<int, int>> cells;
  for (const auto& q : Requests(NTEX_ITEMINFO)) {
    EXPECT_EQ(100, q.listId);
    EXPECT_EQ(DWORD_PTR(q.item + 1), q.itemData);
    cells.emplace_back(q.item, q.subItem);
  }
  EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 0}, {0, 2}}), cells)
      << "one request per non-empty cell, naming row and column id";

  owner_.answers[NTEX_ITEMINFO] = 0;
  tks::Capture cap = Snap();
  EXPECT_FALSE(AnyPixel(cap, name, IsRed)) << "a zero answer changes nothing";
  EXPECT_TRUE(AnyPixel(cap, name, IsDark));

  owner_.answers[NTEX_ITEMINFO] = 1;
  list_->ModifyFlag(GFXLF_CELLINFO, 0, 0);
  EXPECT_FALSE(AnyPixel(Snap(), name, IsRed));
  EXPECT_TRUE(owner_.requests.empty()) << "flag 0x0010 off: the owner is not asked";
}

TEST_F(DrawRow, AHugeCellTextIsCutWithAnEllipsisAndNothingSpills) {
  owner_.texts[{1, 0}] = CString(L'W', 100000);
  const tks::Capture cap = Snap();
  const CRect r = Row(0);
  EXPECT_TRUE(AnyPixel(cap, CRect(6, r.top, 94, r.bottom - 1), IsDark)) << "the start is shown";
  EXPECT_FALSE(AnyPixel(cap, CRect(101, r.top, 159, r.bottom - 1), IsDark))
      << "nothing runs into the next cell";
}

TEST_F(DrawRow, AnImageCellShowsTheImageItsTextOrTheCallbackNames) {
  // Two 16 x 16 images: 0 red, 1 green (pixels as 0x00RRGGBB).
  CImageList images;
  ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24, 2, 0));
  for (DWORD colour : {0xFF0000u, 0x00C800u}) {
    const std::vector<DWORD> pixels(16 * 16, colour);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(16, 16, 1, 32, pixels.data()));
    images.Add(&bitmap, static_cast<CBitmap*>(nullptr));
  }
  list_->m_masks.dwImage = 1u << 1;  // the Size column holds images
  list_->SetItemImageList(&images);
  AddRows(1, 4);
  const struct {
    const wchar_t* text;
    int callback;  // 0: no answer
    bool (*image)(COLORREF);
    bool textDrawn;
  } rows[] = {
      {L"1", 0, IsGreen, false},  // the text names image 1 and is not drawn
      {L"abc", 0, IsRed, false},  // a text that is no number: image 0
      {L"W", 1, IsGreen, true},   // the callback wins and its text stays beside the image
      {L"W", -2, nullptr, true},  // -2: no image; the text stays right-aligned, 18 pixels in
  };
  for (DWORD_PTR i = 0; i < 4; ++i) {
    owner_.texts[{i + 1, 1}] = rows[i].text;
    if (rows[i].callback) owner_.images[{i + 1, 1}] = rows[i].callback;
  }
  auto imageAt = [&](const tks::Capture& cap, int item, bool (*colour)(COLORREF)) {
    return AnyPixel(cap, CRect(106, Row(item).top, 122, Row(item).top + 16), colour);
  };
  auto anyImage = [](COLORREF c) { return IsRed(c) || IsGreen(c); };
  tks::Capture cap = Snap();
  for (int item = 0; item < 4; ++item) {
    SCOPED_TRACE(testing::Message() << "row " << item);
    EXPECT_EQ(rows[item].image != nullptr, imageAt(cap, item, anyImage));
    if (rows[item].image) {
      EXPECT_TRUE(rows[item].image(cap.AtClient(114, Row(item).top + 8)));
    }
    const CRect text(rows[item].image ? 124 : 100, Row(item).top, 159, Row(item).bottom - 1);
    EXPECT_EQ(rows[item].textDrawn, AnyPixel(cap, text, IsDark));
  }

  EXPECT_FALSE(AnyPixel(cap, CRect(100, Row(3).top, 126, Row(3).bottom - 1), IsDark))
      << "-2: the text keeps the column's alignment";

  list_->SetItemImageList(nullptr);
  cap = Snap();
  EXPECT_FALSE(imageAt(cap, 0, anyImage)) << "without an image list the text is drawn";
  EXPECT_TRUE(AnyPixel(cap, CRect(100, Row(0).top, 160, Row(0).bottom - 1), IsDark));
  list_->SetItemImageList(&images);
  list_->ModifyFlag(GFXLF_IMAGECOLUMNS, 0, 0);
  EXPECT_FALSE(imageAt(Snap(), 0, anyImage)) << "flag 0x0020 off: image columns are text";
  list_->DestroyWindow();
}

TEST_F(DrawRow, TheOwnerDecoratesRowsInsteadOfTheBottomLine) {
  list_->ModifyFlag(0, GFXLF_ROWDECORATION, 0);
  owner_.answers[NTEX_DIVIDER] = 1;
  EXPECT_EQ(kWhite, Snap().AtClient(50, Row(0).bottom - 1)) << "a decorated row has no line";
  CRect client;
  list_->GetClientRect(&client);
  std::vector<int> rows;
  for (const auto& q : Requests(NTEX_DIVIDER)) {
    rows.push_back(q.item);
    EXPECT_TRUE(q.hasDC);
    CRect expected = Row(q.item);
    expected.right = client.right;
    EXPECT_EQ(expected, q.rect) << "row " << q.item << ": the row's rectangle, across the client";
    EXPECT_EQ(DWORD_PTR(q.item + 1), q.itemData);
  }
  EXPECT_EQ((std::vector<int>{0, 1, 2}), rows);

  owner_.answers[NTEX_DIVIDER] = 0;
  EXPECT_EQ(kGrid, Snap().AtClient(50, Row(0).bottom - 1)) << "an owner that did nothing";
}

TEST_F(DrawRow, TheOwnerDrawsTheAutoPreviewAreaUnderEachRow) {
  list_->SetAutoPreviewHeight(10);
  list_->ModifyFlag(0, GFXLF_PREVIEWLINE, 0);
  const tks::Capture cap = Snap();
  const CRect r = Row(0);
  ASSERT_EQ(27, r.Height()) << "rows are measured with the preview height";
  std::vector<int> rows;
  for (const auto& q : Requests(NTEX_AUTOPREVIEW)) {
    rows.push_back(q.item);
    EXPECT_TRUE(q.hasDC);
    EXPECT_EQ(Row(q.item).top + 17, q.rect.top);
    EXPECT_EQ(Row(q.item).bottom, q.rect.bottom);
  }
  EXPECT_EQ((std::vector<int>{0, 1, 2}), rows);
  EXPECT_EQ(kGrid, cap.AtClient(50, r.top + 16)) << "the row's own line sits above the preview";
  EXPECT_EQ(kGrid, cap.AtClient(50, r.bottom - 1)) << "flag 0x8000: a line under the preview";
  EXPECT_EQ(kWhite, cap.AtClient(50, r.top + 20));
}

}  // namespace
