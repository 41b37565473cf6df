// Painting plain rows: grid lines, highlight with and without the focus, the cell cursor, the
// focus frame, per-cell fonts and colours, image cells, and what the owner is asked to draw.
#include "DrawFixture.h"

#include <qxres_ids.h>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGrid = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kHighlight = RGB(0, 0, 160);

bool IsFrameColour(COLORREF c) {
  return c == RGB(0, 0, 0) || c == kWhite;
}

// True when some pixel of the client rectangle rc satisfies pred.
template <class Pred>
bool AnyPixel(const tks::Capture& cap, const CRect& rc, Pred pred) {
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x)
      if (pred(cap.AtClient(x, y))) return true;
  return false;
}

bool IsDark(COLORREF c) {
  return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
}
bool IsRed(COLORREF c) {
  return GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90;
}
bool IsGreen(COLORREF c) {
  return GetGValue(c) > 150 && GetRValue(c) < 90 && GetBValue(c) < 90;
}

class DrawRow : public griddraw::DrawFixture {
 protected:
  int Mid(int item) { return (Row(item).top + Row(item).bottom) / 2; }
};

TEST_F(DrawRow, GridLinesRunAlongEachCellsRightEdgeAndUnderEachRow) {
  MakeList();
  AddRows(3);
  tks::Capture cap = Snap();
  const CRect r = Row(1);
  for (int edge : {100, 160, 260}) {
    EXPECT_EQ(kGrid, cap.AtClient(r.left + edge - 1, Mid(1))) << "vertical line left of x=" << edge;
    EXPECT_EQ(kGrid, cap.AtClient(r.left + edge - 1, r.top)) << "the line reaches the row's top";
    EXPECT_EQ(kWhite, cap.AtClient(r.left + edge, Mid(1)))
        << "nothing right of the line at x=" << edge;
  }
  EXPECT_EQ(kGrid, cap.AtClient(50, r.bottom - 1)) << "horizontal line on the row's last pixel";
  EXPECT_EQ(kGrid, cap.AtClient(350, r.bottom - 1))
      << "full-row flag: the line reaches past the last column";
  EXPECT_EQ(kWhite, cap.AtClient(50, r.bottom - 2));

  list_.ModifyFlag(GFXLF_VGRID | GFXLF_HGRID, 0, 0);
  cap = Snap();
  EXPECT_EQ(kWhite, cap.AtClient(r.left + 99, Mid(1))) << "no vertical line without flag 0x0002";
  EXPECT_EQ(kWhite, cap.AtClient(50, r.bottom - 1)) << "no horizontal line without flag 0x0004";
}

TEST_F(DrawRow, ASelectedRowIsHighlightedOnlyWhileTheListHasTheFocus) {
  MakeList();
  AddRows(3);
  list_.m_colours.crHighlight = kHighlight;
  list_.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  list_.SetFocus();
  ASSERT_EQ(list_.GetSafeHwnd(), ::GetFocus());
  tks::Capture cap = Snap();
  EXPECT_EQ(kHighlight, cap.AtClient(50, Mid(1)));
  EXPECT_EQ(kHighlight, cap.AtClient(380, Mid(1))) << "flag 0x0001: highlighted across the client";
  EXPECT_EQ(kWhite, cap.AtClient(50, Mid(0)));

  owner_.SetFocus();
  cap = Snap();
  EXPECT_EQ(kWhite, cap.AtClient(50, Mid(1)))
      << "without the focus and show-selection-always: a plain row";

  list_.ModifyFlag(GFXLF_FULLROWHIGHLIGHT, 0, 0);
  list_.SetFocus();
  cap = Snap();
  EXPECT_EQ(kHighlight, cap.AtClient(250, Mid(1)));
  EXPECT_EQ(kWhite, cap.AtClient(380, Mid(1)))
      << "without flag 0x0001 the highlight ends at the last column";
}

TEST_F(DrawRow, ShowSelectionAlwaysHighlightsWithoutTheFocus) {
  MakeList(LVS_SHOWSELALWAYS);
  AddRows(3);
  list_.m_colours.crHighlight = kHighlight;
  list_.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  owner_.SetFocus();
  const tks::Capture cap = Snap();
  EXPECT_EQ(kHighlight, cap.AtClient(50, Mid(2)));
}

TEST_F(DrawRow, TheFocusCellIsACursorInTheFocusedRow) {
  MakeList();
  AddRows(3);
  list_.m_colours.crHighlight = kHighlight;
  list_.SetFocusColumn(1);
  list_.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  list_.SetFocus();
  tks::Capture cap = Snap();
  const CRect r = Row(1);
  EXPECT_EQ(kHighlight, cap.AtClient(50, Mid(1)));
  EXPECT_EQ(kWhite, cap.AtClient(130, Mid(1))) << "the cursor cell has the text background";
  EXPECT_EQ(kWhite, cap.AtClient(99, Mid(1))) << "the cursor starts one pixel left of its cell";
  EXPECT_EQ(kGrid, cap.AtClient(159, Mid(1))) << "its own right edge keeps the grid line";
  EXPECT_EQ(kHighlight, cap.AtClient(200, Mid(1)));
  EXPECT_EQ(kWhite, cap.AtClient(130, Mid(0))) << "other rows have no cursor";

  // The focused row's frame: a checker on the row's edge, one pixel short at the bottom.
  bool black = false, white = false;
  for (int x = 10; x < 30; ++x) {
    const COLORREF c = cap.AtClient(x, r.top);
    EXPECT_TRUE(IsFrameColour(c)) << "frame pixel at x=" << x;
    black |= c == RGB(0, 0, 0);
    white |= c == kWhite;
  }
  EXPECT_TRUE(black && white) << "a halftone frame alternates black and white";
  EXPECT_TRUE(IsFrameColour(cap.AtClient(20, r.bottom - 2))) << "the frame's bottom edge";
  EXPECT_EQ(kGrid, cap.AtClient(20, r.bottom - 1)) << "under the frame the grid line";

  list_.ModifyFlag(GFXLF_CELLCURSOR, 0, 0);
  cap = Snap();
  EXPECT_EQ(kHighlight, cap.AtClient(130, Mid(1))) << "no cursor without flag 0x4000";
}

TEST_F(DrawRow, TheOwnerChoosesTheColourOfEachCell) {
  MakeList();
  AddRows(2);
  owner_.texts[{1, 0}] = L"WWWWWW";
  owner_.texts[{1, 2}] = L"WWWWWW";
  owner_.answers[NTEX_ITEMINFO] = 1;
  owner_.answerFlags = LXHDREX_TEXTCOLOR;
  owner_.answerColor = RGB(255, 0, 0);
  tks::Capture cap = Snap();
  const CRect r = Row(0);
  EXPECT_TRUE(AnyPixel(cap, CRect(0, r.top, 100, r.bottom), IsRed))
      << "the answered colour paints the text";

  // One request per non-empty cell, naming row, column id and item data.
  std::vector<std::pair<int, int>> cells;
  for (const auto& q : owner_.requests)
    if (q.code == NTEX_ITEMINFO) {
      EXPECT_EQ(100, q.listId);
      EXPECT_EQ(DWORD_PTR(q.item + 1), q.itemData);
      cells.emplace_back(q.item, q.subItem);
    }
  EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 0}, {0, 2}}), cells)
      << "empty cells are not asked about";

  owner_.answers[NTEX_ITEMINFO] = 0;
  cap = Snap();
  EXPECT_FALSE(AnyPixel(cap, CRect(0, r.top, 100, r.bottom), IsRed))
      << "a zero answer changes nothing";
  EXPECT_TRUE(AnyPixel(cap, CRect(0, r.top, 100, r.bottom), IsDark));

  owner_.requests.clear();
  owner_.answers[NTEX_ITEMINFO] = 1;
  list_.ModifyFlag(GFXLF_CELLINFO, 0, 0);
  cap = Snap();
  EXPECT_TRUE(owner_.requests.empty()) << "flag 0x0010 off: the owner is not asked";
  EXPECT_FALSE(AnyPixel(cap, CRect(0, r.top, 100, r.bottom), IsRed));
}

TEST_F(DrawRow, AHugeCellTextIsCutWithAnEllipsisAndNothingSpills) {
  MakeList();
  AddRows(2);
  owner_.texts[{1, 0}] = CString(L'W', 100000);
  const tks::Capture cap = Snap();
  const CRect r = Row(0);
  EXPECT_TRUE(AnyPixel(cap, CRect(6, r.top, 94, r.bottom - 1), IsDark))
      << "the start of the text is shown";
  EXPECT_FALSE(AnyPixel(cap, CRect(101, r.top, 159, r.bottom - 1), IsDark))
      << "nothing runs into the next cell";
}

TEST_F(DrawRow, PaintingCategoriesAndPicturesLeavesNoGuiObjects) {
  owner_.keys = {{1, L"Red"}, {2, L"Blue"}};
  owner_.texts[{1, 1}] = L"12";
  auto round = [this] {
    MakeList();
    AddRows(3);
    list_.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list_.SetBkImage(IDB_QX_WATERMARK_RGB);
    list_.SetBackgroundImage(nullptr, 2);
    Snap();
    list_.EnableCategoryView(true);
    list_.ToggleCategory(0);
    Snap();
    list_.DestroyWindow();
  };
  round();  // the system's one-time objects
  TKS_EXPECT_NO_GUI_LEAK({
    for (int i = 0; i < 5; ++i) round();
  });
}

// Two 16 x 16 images: 0 red, 1 green.
class ImageCells : public DrawRow {
 protected:
  void SetUp() override {
    DrawRow::SetUp();
    ASSERT_TRUE(images_.Create(16, 16, ILC_COLOR24, 2, 0));
    for (COLORREF c : {RGB(255, 0, 0), RGB(0, 200, 0)}) {
      CClientDC screen(nullptr);
      CBitmap bitmap;
      bitmap.CreateCompatibleBitmap(&screen, 16, 16);
      CDC dc;
      dc.CreateCompatibleDC(&screen);
      CBitmap* old = dc.SelectObject(&bitmap);
      dc.FillSolidRect(0, 0, 16, 16, c);
      dc.SelectObject(old);
      images_.Add(&bitmap, static_cast<CBitmap*>(nullptr));
    }
    MakeList();
    list_.m_masks.dwImage = 1u << 1;  // the Size column holds images
    list_.SetItemImageList(&images_);
    AddRows(4);
  }
  void TearDown() override {
    DrawRow::TearDown();
    images_.DeleteImageList();
  }
  // The image's place: the text rectangle's top-left (cell inset by 6).
  CRect ImageArea(int item) { return CRect(106, Row(item).top, 122, Row(item).top + 16); }
  CRect TextArea(int item) { return CRect(124, Row(item).top, 159, Row(item).bottom - 1); }
  CImageList images_;
};

TEST_F(ImageCells, TheCellTextNamesTheImageAndIsNotDrawn) {
  owner_.texts[{1, 1}] = L"1";
  owner_.texts[{2, 1}] = L"abc";
  const tks::Capture cap = Snap();
  EXPECT_TRUE(IsGreen(cap.AtClient(114, Row(0).top + 8))) << "text 1: image 1";
  EXPECT_TRUE(IsRed(cap.AtClient(114, Row(1).top + 8))) << "a text that is no number: image 0";
  EXPECT_FALSE(AnyPixel(cap, TextArea(1), IsDark)) << "no text beside an image read from the text";
}

TEST_F(ImageCells, TheImageCallbackWinsAndMinusTwoMeansNoImage) {
  owner_.texts[{1, 1}] = L"W";
  owner_.images[{1, 1}] = 1;
  owner_.texts[{2, 1}] = L"1";  // the no-image inset leaves 12 pixels for the text
  owner_.images[{2, 1}] = -2;
  const tks::Capture cap = Snap();
  EXPECT_TRUE(IsGreen(cap.AtClient(114, Row(0).top + 8)));
  EXPECT_TRUE(AnyPixel(cap, TextArea(0), IsDark)) << "a callback image keeps its text beside it";
  EXPECT_FALSE(AnyPixel(cap, ImageArea(1), [](COLORREF c) { return IsRed(c) || IsGreen(c); }));
  EXPECT_TRUE(AnyPixel(cap, CRect(100, Row(1).top, 160, Row(1).bottom), IsDark))
      << "-2: the text is drawn";
}

TEST_F(ImageCells, WithoutAnImageListOrFlagTheTextIsDrawn) {
  owner_.texts[{1, 1}] = L"1";
  list_.SetItemImageList(nullptr);
  tks::Capture cap = Snap();
  EXPECT_FALSE(AnyPixel(cap, ImageArea(0), IsGreen));
  EXPECT_TRUE(AnyPixel(cap, CRect(100, Row(0).top, 160, Row(0).bottom), IsDark));

  list_.SetItemImageList(&images_);
  list_.ModifyFlag(GFXLF_IMAGECOLUMNS, 0, 0);
  cap = Snap();
  EXPECT_FALSE(AnyPixel(cap, ImageArea(0), IsGreen)) << "flag 0x0020 off: image columns are text";
}

TEST_F(DrawRow, TheOwnerDecoratesRowsInsteadOfTheBottomLine) {
  MakeList();
  AddRows(2);
  list_.ModifyFlag(0, GFXLF_ROWDECORATION, 0);
  owner_.answers[NTEX_DIVIDER] = 1;
  tks::Capture cap = Snap();
  EXPECT_EQ(kWhite, cap.AtClient(50, Row(0).bottom - 1)) << "a decorated row gets no bottom line";

  std::vector<int> rows;
  for (const auto& q : owner_.requests)
    if (q.code == NTEX_DIVIDER) {
      rows.push_back(q.item);
      EXPECT_TRUE(q.hasDC);
      CRect expected = Row(q.item);
      CRect client;
      list_.GetClientRect(&client);
      expected.right = client.right;
      EXPECT_EQ(expected, q.rect) << "row " << q.item << ": the row's rectangle, across the client";
      EXPECT_EQ(DWORD_PTR(q.item + 1), q.itemData);
    }
  EXPECT_EQ((std::vector<int>{0, 1}), rows);

  owner_.answers[NTEX_DIVIDER] = 0;
  cap = Snap();
  EXPECT_EQ(kGrid, cap.AtClient(50, Row(0).bottom - 1))
      << "an owner that did nothing: the grid line";
}

TEST_F(DrawRow, TheOwnerDrawsTheAutoPreviewAreaUnderEachRow) {
  MakeList();
  AddRows(2);
  list_.SetAutoPreviewHeight(10);
  list_.ModifyFlag(0, GFXLF_PREVIEWLINE, 0);
  const tks::Capture cap = Snap();
  const CRect r = Row(0);
  ASSERT_EQ(27, r.Height()) << "rows are measured with the preview height";
  std::vector<int> rows;
  for (const auto& q : owner_.requests)
    if (q.code == NTEX_AUTOPREVIEW) {
      rows.push_back(q.item);
      EXPECT_TRUE(q.hasDC);
      EXPECT_EQ(Row(q.item).top + 17, q.rect.top);
      EXPECT_EQ(Row(q.item).bottom, q.rect.bottom);
    }
  EXPECT_EQ((std::vector<int>{0, 1}), rows);
  EXPECT_EQ(kGrid, cap.AtClient(50, r.top + 16)) << "the row's own line sits above the preview";
  EXPECT_EQ(kGrid, cap.AtClient(50, r.bottom - 1)) << "flag 0x8000: a line under the preview";
  EXPECT_EQ(kWhite, cap.AtClient(50, r.top + 20));
}

}  // namespace
