// The grid's cell tip: shown exactly over a cut cell text, gone on leaving, keys and scrolling,
// and clicks and moves handed to the list under it.
#include "GridFixture.h"

#include "Recorder.h"

using grid::GridFixture;
using grid::Use;

namespace {

const wchar_t kLongNote[] = L"A note far too long for the hundred pixels of its column";

class ListTip : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    MakeList(Use::ParentCallbacks, LVS_SHOWSELALWAYS);
    AddRows(3);
    owner_.texts[{1, 2}] = L"short";
    owner_.texts[{2, 2}] = kLongNote;
    owner_.texts[{2, 0}] = kLongNote;
    list_->SetFocus();
  }
  HWND Tip() { return list_->m_wndTip.GetSafeHwnd(); }
  bool TipShown() { return ::IsWindowVisible(Tip()) != FALSE; }
  CRect CellOnScreen(int item, int column) {
    CRect rc;
    list_->GetSubItemRect(item, column, rc);
    list_->ClientToScreen(&rc);
    return rc;
  }
  // Rests the mouse on a cell of the list.
  void HoverCell(int item, int column) { tks::MoveMouse(list_->m_hWnd, CellCentre(item, column)); }
  // A point of the list in the tip's client coordinates (where captured moves arrive).
  POINT InTip(CPoint listPoint) {
    ::MapWindowPoints(list_->m_hWnd, Tip(), &listPoint, 1);
    return listPoint;
  }
};

TEST_F(ListTip, ShowsOnlyOverACutTextExactlyWhereTheTextStarts) {
  struct Case {
    const char* what;
    int item, column;
    ULONGLONG flagsOff;
    bool imageColumn;
    bool shown;
  } cases[] = {
      {"a text that fits", 0, 2, 0, false, false},
      {"a cut text", 1, 2, 0, false, true},
      {"a cut text with tips off", 1, 2, GFXLF_TIPS, false, false},
      {"a cut text in an image column", 1, 2, 0, true, false},
  };
  for (const Case& c : cases) {
    list_->ModifyFlag(c.flagsOff, 0, 0);
    list_->m_masks.dwImage = c.imageColumn ? 1u << 2 : 0;
    HoverCell(c.item, c.column);
    EXPECT_EQ(c.shown, TipShown()) << c.what;
    if (c.shown) {
      const CRect cell = CellOnScreen(c.item, c.column);
      CRect tip;
      ::GetWindowRect(Tip(), &tip);
      EXPECT_EQ(cell.left + 5, tip.left) << c.what;
      EXPECT_EQ(cell.top, tip.top) << c.what;
      EXPECT_EQ(cell.Height(), tip.Height()) << c.what;
      EXPECT_GT(tip.right, cell.right) << c.what << ": as wide as the whole text";
      EXPECT_EQ(Tip(), ::GetCapture()) << c.what;
    }
    list_->m_wndTip.Hide();
    list_->ModifyFlag(0, c.flagsOff, 0);
  }
  // Column 0 starts the text at the row's label, three pixels in.
  HoverCell(1, 0);
  ASSERT_TRUE(TipShown());
  CRect label, tip;
  list_->GetItemRect(1, &label, LVIR_LABEL);
  list_->ClientToScreen(&label);
  ::GetWindowRect(Tip(), &tip);
  EXPECT_EQ(label.left + 2, tip.left);
  const tks::Capture look = tks::CaptureWindow(Tip());
  EXPECT_TRUE(grid::AnyPixel(look, CRect(0, 0, 12, look.height - 2), grid::IsDark))
      << "the text starts at the tip's left edge";
}

TEST_F(ListTip, StaysWhileTheMouseIsInTheCellAndHandsMovesToTheList) {
  HoverCell(1, 2);
  ASSERT_TRUE(TipShown());
  CRect tipBefore;
  ::GetWindowRect(Tip(), &tipBefore);
  tks::MessageRecorder seen;
  seen.Only({WM_MOUSEMOVE});
  seen.Attach(list_->m_hWnd);

  CRect cell;
  list_->GetSubItemRect(1, 2, cell);
  const CPoint inside(cell.left + 2, cell.top + 2);
  tks::MoveMouse(Tip(), InTip(inside));
  EXPECT_TRUE(TipShown()) << "still inside the cell";
  CRect tipAfter;
  ::GetWindowRect(Tip(), &tipAfter);
  EXPECT_EQ(tipBefore, tipAfter);

  const CPoint below(cell.left + 2, cell.bottom + 2);
  tks::MoveMouse(Tip(), InTip(below));
  EXPECT_FALSE(TipShown()) << "the mouse left the cell";
  EXPECT_NE(Tip(), ::GetCapture());
  TKS_EXPECT_SEQUENCE(
      (std::vector<tks::SeqMsg>{{WM_MOUSEMOVE, tks::kLParam, 0, MAKELPARAM(inside.x, inside.y)},
                                {WM_MOUSEMOVE, tks::kLParam, 0, MAKELPARAM(below.x, below.y)}}),
      seen.Messages());
}

// With the framework's pre-translation (as in a host) and without it (inside another
// window's modal loop), a click on the tip lands on the list under it.
TEST_F(ListTip, AClickOnTheTipSelectsTheRowUnderIt) {
  for (bool preTranslate : {true, false}) {
    tks::PreTranslateHook previous;
    if (preTranslate)
      previous = tks::SetPreTranslateHook(
          [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
    Select({0});
    HoverCell(1, 2);
    ASSERT_TRUE(TipShown());
    tks::Click(Tip(), InTip(CellCentre(1, 2)));
    EXPECT_FALSE(TipShown()) << "pre-translation " << preTranslate;
    EXPECT_EQ(std::vector<int>{1}, Selected()) << "pre-translation " << preTranslate;
    if (preTranslate) tks::SetPreTranslateHook(previous);
  }
}

TEST_F(ListTip, KeysScrollingAndASecondShowLeaveNoStaleTip) {
  HoverCell(1, 2);
  ASSERT_TRUE(TipShown());
  CRect tipBefore, tipAfter;
  ::GetWindowRect(Tip(), &tipBefore);
  CRect other;
  list_->GetSubItemRect(2, 0, other);
  list_->m_wndTip.Show(other, kLongNote, 5);
  ::GetWindowRect(Tip(), &tipAfter);
  EXPECT_EQ(tipBefore, tipAfter) << "a second Show while shown does nothing";

  tks::PressKey(list_->m_hWnd, VK_DOWN);
  EXPECT_FALSE(TipShown()) << "a key in the list";

  HoverCell(1, 2);
  ASSERT_TRUE(TipShown());
  list_->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_FALSE(TipShown()) << "scrolling";

  const HWND tip = Tip();
  list_->DestroyWindow();
  EXPECT_FALSE(::IsWindow(tip)) << "the tip goes with the list";
}

}  // namespace
