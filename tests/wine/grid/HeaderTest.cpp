// The grid's header against a real list: sort state, arrow and image pixels, column dragging by
// mouse input (marker, frame, drop callback, the arrow following its column) and fixed-width
// dividers.
#include "GridFixture.h"

#include "grid/GfxColumnManager.h"

#include <gtest/gtest.h>

#include "Support.h"

#include <algorithm>

using namespace grid;

namespace {

class Header : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(list_.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 500, 300),
                             CWnd::FromHandle(tks::HostFrame()), 100));
    list_.InsertColumnEx(0, L"Zero", LVCFMT_LEFT, 80, 0);
    list_.InsertColumnEx(1, L"One", LVCFMT_LEFT, 90, 0);
    list_.InsertColumnEx(2, L"Two", LVCFMT_CENTER, 100, 0);
    list_.InsertColumnEx(3, L"Three", LVCFMT_RIGHT, 110, 0);
    list_.OnInit();
    for (int i = 0; i < 3; ++i) list_.InsertItemEx(i, i + 1);
    header_ = list_.GetGfxHeader().GetSafeHwnd();
    ASSERT_TRUE(header_ != nullptr);
    list_.GetGfxHeader().SetCallback(
        static_cast<GFX_HEADER_DROP_CALLBACK>(&DerivedList::RecordDrop));
  }
  void TearDown() override {
    if (list_.GetSafeHwnd()) list_.DestroyWindow();
  }

  CGfxHeaderCtrl& Gfx() { return list_.GetGfxHeader(); }

  RECT ItemRect(int position) {
    RECT rc = {};
    Header_GetItemRect(header_, position, &rc);
    return rc;
  }
  POINT Centre(int position) {
    RECT rc = ItemRect(position);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  }

  std::vector<int> Ids() {
    std::vector<int> ids;
    for (int i = 0; i < list_.GetColumnCount(); ++i) ids.push_back(list_.GetColumnIndex(i));
    return ids;
  }

  // Mouse input to the header, delivered to whoever holds the capture as real input is.
  void Mouse(UINT msg, POINT pt, WPARAM keys) {
    PostMessageW(header_, msg, keys, MAKELPARAM(pt.x, pt.y));
    tks::PumpUntilIdle();
  }

  // Width of a space in the header's font: the arrow's unit.
  int SpaceWidth() {
    CClientDC dc(&Gfx());
    CFont* old = dc.SelectObject(Gfx().GetFont());
    const int width = dc.GetTextExtent(L" ", 1).cx;
    dc.SelectObject(old);
    return width;
  }

  // Sends the hit test the system sends before every cursor update.
  void HitTestAt(POINT client) {
    ::ClientToScreen(header_, &client);
    SendMessageW(header_, WM_NCHITTEST, 0, MAKELPARAM(client.x, client.y));
  }

  DerivedList list_;
  HWND header_ = nullptr;
};

// ---- sort state

TEST_F(Header, SetSortImageMovesTheArrowAndRemembersTheDirection) {
  CGfxHeaderCtrl& h = Gfx();
  EXPECT_EQ(-1, h.SetSortImage(2, 1));
  EXPECT_EQ(2, h.SetSortImage(3, 0)) << "the previous sort column";
  EXPECT_EQ(3, h.GetSortColumn());
  EXPECT_FALSE(h.IsSortAscending());
  EXPECT_FALSE(h.GetSortOrder(3));
  EXPECT_TRUE(h.GetSortOrder(2)) << "each column keeps its own direction";
  HDITEM item = {};
  item.mask = HDI_FORMAT;
  Header_GetItem(header_, 3, &item);
  EXPECT_TRUE(item.fmt & HDF_OWNERDRAW) << "the arrow is drawn on owner-drawn items";
  h.SetSortOrder(40, true);  // no such bit: ignored
  EXPECT_FALSE(h.GetSortOrder(40));

  CGfxHeaderCtrl detached;
  detached.m_nSortCol = 4;
  EXPECT_EQ(4, detached.SetSortImage(1, 1)) << "without a window: only the current column";
  EXPECT_EQ(4, detached.GetSortColumn());
}

// ---- pixels

TEST_F(Header, SortArrowStandsWhereTheUnitsPlaceIt) {
  const int u = SpaceWidth();
  ASSERT_GT(u, 1);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  Gfx().SetSortImage(1, 1);
  tks::Capture up = tks::CaptureWindow(header_);
  const RECT rc = ItemRect(1);
  const int apexX = rc.right - 2 * u;
  EXPECT_EQ(shadow, up.At(apexX, rc.top + u - 1)) << "ascending: apex at the top";
  EXPECT_EQ(shadow, up.At(apexX, rc.bottom - u)) << "ascending: base at the bottom";
  EXPECT_EQ(face, up.At(apexX, rc.top + u - 3)) << "nothing above the apex";
  EXPECT_EQ(face, up.At(rc.right - 4 * u, rc.bottom - u)) << "the base is about u wide";
  EXPECT_EQ(face, up.At(apexX, (rc.top + rc.bottom) / 2 + 0)) << "an outline, not filled";

  Gfx().SetSortImage(1, 0);
  tks::Capture down = tks::CaptureWindow(header_);
  EXPECT_EQ(shadow, down.At(apexX, rc.bottom - u)) << "descending: apex at the bottom";
  EXPECT_EQ(shadow, down.At(apexX, rc.top + u - 1)) << "descending: base at the top";
  EXPECT_EQ(face, down.At(rc.right - 4 * u, rc.top + u - 1));

  list_.DontDrawSortArrow(1);
  tks::Capture none = tks::CaptureWindow(header_);
  EXPECT_EQ(face, none.At(apexX, rc.bottom - u)) << "the no-arrow mask hides it";
  EXPECT_EQ(face, none.At(apexX, rc.top + u - 1));
}

TEST_F(Header, ImageHeaderShowsItsImageOnlyWhenItFits) {
  CImageList images;
  ASSERT_TRUE(images.Create(24, 16, ILC_COLOR24, 1, 1));
  const std::vector<DWORD> blue(24 * 16, 0x0000FF);
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(24, 16, 1, 32, blue.data()));
  images.Add(&bitmap, static_cast<CBitmap*>(nullptr));
  list_.SetHeaderImageList(&images);
  list_.SetColumnImage(2, 0);
  tks::Capture shot = tks::CaptureWindow(header_);
  RECT rc = ItemRect(2);
  EXPECT_EQ(RGB(0, 0, 255), shot.At((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2))
      << "image centred";
  EXPECT_NE(RGB(0, 0, 255), shot.At(rc.left + 2, (rc.top + rc.bottom) / 2));

  list_.SetColumnWidth(2, 20);  // narrower than the image (the list refuses below 16)
  ASSERT_EQ(20, list_.GetColumnWidth(2));
  shot = tks::CaptureWindow(header_);
  rc = ItemRect(2);
  EXPECT_NE(RGB(0, 0, 255), shot.At((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2))
      << "an image wider than its column shows nothing";
  list_.SetHeaderImageList(nullptr);
}

// ---- dragging

TEST_F(Header, DraggingShowsMarkerAndFrameThenDropsThroughTheCallback) {
  tks::ShowHostFrame(true);
  tks::PumpUntilIdle();
  const POINT from = Centre(1);
  Mouse(WM_MOUSEMOVE, from, 0);
  Mouse(WM_LBUTTONDOWN, from, MK_LBUTTON);
  EXPECT_FALSE(Gfx().IsDragging()) << "pending until the mouse moves";
  Mouse(WM_MOUSEMOVE, {from.x + 3, from.y}, MK_LBUTTON);
  ASSERT_TRUE(Gfx().IsDragging()) << "the first move with the button held starts the drag";
  EXPECT_EQ(header_, GetCapture());
  EXPECT_EQ(90, Gfx().GetDragRect().Width()) << "the drag rectangle is the dragged column";
  RECT listClient = {};
  GetClientRect(list_.GetSafeHwnd(), &listClient);
  EXPECT_EQ(listClient.bottom, Gfx().GetDragRect().Height());

  const RECT three = ItemRect(3);
  const POINT over = {three.left + 10, 8};
  Mouse(WM_MOUSEMOVE, over, MK_LBUTTON);
  EXPECT_EQ(3, Gfx().GetDropPosition());
  RECT client = {};
  GetClientRect(header_, &client);
  EXPECT_EQ(CRect(three.left - 4, client.bottom - 9, three.left + 5, client.bottom),
            Gfx().GetMarkerRect())
      << "the marker's area, erased when it moves";
  {
    // The marker and the frame are drawn straight onto the windows, as the user sees them.
    HDC dc = GetDC(header_);
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, three.left, client.bottom - 3))
        << "red marker under the boundary";
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, three.left, client.bottom - 7))
        << "its tip 8 pixels above the bottom";
    EXPECT_NE(RGB(255, 0, 0), GetPixel(dc, three.left, client.bottom - 10));
    EXPECT_NE(RGB(255, 0, 0), GetPixel(dc, ItemRect(2).left, client.bottom - 3))
        << "only one marker";
    ReleaseDC(header_, dc);
  }
  const CRect frame = Gfx().GetLastDragFrame();
  POINT inList = over;
  MapWindowPoints(header_, list_.GetSafeHwnd(), &inList, 1);
  EXPECT_EQ(CPoint(inList), frame.CenterPoint()) << "the frame is centred on the cursor";
  {
    HDC dc = GetDC(list_.GetSafeHwnd());
    const int y = std::min<int>(frame.bottom - 1, listClient.bottom - 1);
    const COLORREF inside = GetPixel(dc, frame.left + 4, y - 5);
    EXPECT_NE(inside, GetPixel(dc, frame.left, y - 5)) << "the left side of the frame";
    EXPECT_NE(inside, GetPixel(dc, frame.left + 1, y - 5)) << "2 pixels thick";
    EXPECT_EQ(inside, GetPixel(dc, frame.left + 2, y - 5));
    ReleaseDC(list_.GetSafeHwnd(), dc);
  }

  Mouse(WM_MOUSEMOVE, {0, 8}, MK_LBUTTON);
  EXPECT_EQ(0, Gfx().GetDropPosition()) << "x below 1 is position 0";
  Mouse(WM_MOUSEMOVE, {ItemRect(3).right + 10, 8}, MK_LBUTTON);
  EXPECT_EQ(4, Gfx().GetDropPosition()) << "beyond the last item: the item count";
  Mouse(WM_MOUSEMOVE, over, MK_LBUTTON);
  Mouse(WM_LBUTTONUP, over, 0);

  EXPECT_FALSE(Gfx().IsDragging());
  EXPECT_NE(header_, GetCapture());
  EXPECT_TRUE(Gfx().GetLastDragFrame().IsRectEmpty()) << "the frame is erased";
  ASSERT_EQ(1u, list_.drops.size());
  EXPECT_EQ(std::make_pair(1, 3), list_.drops[0]);
  EXPECT_EQ((std::vector<int>{0, 2, 1, 3}), Ids());
}

TEST_F(Header, DropsOnTheSameSpotOrAroundColumnZeroMoveAsLittleAsTheyShould) {
  const struct {
    const char* what;
    int from, dropBefore;  // drop 5 pixels into the item dropBefore (-1: at x = 0)
    std::vector<std::pair<int, int>> drops;
    std::vector<int> ids;
  } cases[] = {
      {"on itself", 2, 2, {}, {0, 1, 2, 3}},
      {"just after itself", 2, 3, {}, {0, 1, 2, 3}},
      {"column 0 is asked about but never moves", 0, 3, {{0, 3}}, {0, 1, 2, 3}},
      {"in front of column 0 lands at position 1", 2, -1, {{2, 0}}, {0, 2, 1, 3}},
  };
  for (const auto& c : cases) {  // only the last one moves a column
    list_.drops.clear();
    const POINT to = {c.dropBefore < 0 ? 0 : ItemRect(c.dropBefore).left + 5, 8};
    tks::Drag(header_, Centre(c.from), to);
    EXPECT_EQ(c.drops, list_.drops) << c.what;
    EXPECT_EQ(c.ids, Ids()) << c.what;
  }
  int from = 7, to = 1;  // no such column
  list_.DragColumn(from, to);
  EXPECT_EQ((std::vector<int>{0, 2, 1, 3}), Ids());
}

TEST_F(Header, TheSortArrowFollowsItsColumn) {
  Gfx().SetSortImage(1, 1);
  tks::Drag(header_, Centre(1), {ItemRect(3).right + 10, 8});  // past the last column (captured)
  EXPECT_EQ((std::vector<int>{0, 2, 3, 1}), Ids());
  EXPECT_EQ(3, Gfx().GetSortColumn());

  tks::Drag(header_, Centre(3), {ItemRect(1).left + 3, 8});
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), Ids());
  EXPECT_EQ(1, Gfx().GetSortColumn());

  // Another column dropped in front of the sorted one: the arrow stays on its column.
  tks::Drag(header_, Centre(3), {ItemRect(1).left + 3, 8});
  EXPECT_EQ((std::vector<int>{0, 3, 1, 2}), Ids());
  EXPECT_EQ(2, Gfx().GetSortColumn());
}

TEST_F(Header, MovingWithoutTheButtonOrWithDragDisabledDropsNothing) {
  const POINT from = Centre(2);
  Mouse(WM_LBUTTONDOWN, from, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, {from.x + 4, 8}, MK_LBUTTON);
  Mouse(WM_MOUSEMOVE, {5, 8}, MK_LBUTTON);
  ASSERT_TRUE(Gfx().IsDragging());
  Mouse(WM_MOUSEMOVE, {5, 8}, 0);
  EXPECT_FALSE(Gfx().IsDragging());
  EXPECT_FALSE(Gfx().IsDragPending());
  Mouse(WM_LBUTTONUP, {5, 8}, 0);
  EXPECT_TRUE(list_.drops.empty());
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3}), Ids());

  list_.EnableColumnDrag(false);
  tks::Drag(header_, Centre(2), {ItemRect(1).left + 3, 8});
  EXPECT_FALSE(Gfx().IsDragPending()) << "a disabled column drag never starts";
  EXPECT_TRUE(list_.drops.empty());
}

TEST_F(Header, DividerOfAFixedColumnKeepsTheArrowCursorAndItsWidth) {
  Gfx().m_dwFixedWidthMask = 1u << 1;  // column id 1
  const POINT fixedEdge = {ItemRect(1).right, 8};
  const POINT freeEdge = {ItemRect(2).right, 8};
  EXPECT_FALSE(Gfx().IsDragAllowed(CPoint(fixedEdge)));
  EXPECT_FALSE(Gfx().IsDragAllowed(CPoint(fixedEdge.x - 2, 8)));
  EXPECT_TRUE(Gfx().IsDragAllowed(CPoint(freeEdge)));
  EXPECT_TRUE(Gfx().IsDragAllowed(CPoint(Centre(1))));

  HitTestAt(fixedEdge);
  EXPECT_FALSE(Gfx().IsDividerAllowed());
  SendMessageW(header_, WM_SETCURSOR, reinterpret_cast<WPARAM>(header_),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), GetCursor());
  HitTestAt(freeEdge);
  EXPECT_TRUE(Gfx().IsDividerAllowed());
  EXPECT_TRUE(Gfx().IsResizeCursorEnabled());

  // A double click on a divider asks for the automatic width, except on a fixed one.
  tks::MessageRecorder recorder;
  recorder.Only({WM_NOTIFY});
  ASSERT_TRUE(recorder.Attach(list_.GetSafeHwnd()));
  auto autoFits = [&](POINT at) {
    recorder.Clear();
    tks::DoubleClick(header_, at);
    for (const tks::SeqMsg& m : recorder.Messages())
      if (static_cast<int>(m.code) == static_cast<int>(HDN_DIVIDERDBLCLICKW)) return true;
    return false;
  };
  EXPECT_FALSE(autoFits({fixedEdge.x - 1, 8}));
  EXPECT_EQ(90, list_.GetColumnWidth(1));
  EXPECT_TRUE(autoFits({freeEdge.x - 1, 8}));

  Gfx().m_dwFixedWidthMask = 0;
  EXPECT_TRUE(Gfx().IsDragAllowed(CPoint(fixedEdge))) << "an empty mask allows every divider";
}

}  // namespace
