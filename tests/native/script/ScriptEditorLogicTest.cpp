// The script editor's change tracking on both notification paths, and where its pop-ups go.
#include "script/logic/ScriptChangeTracker.h"
#include "script/logic/ScriptPopupPlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const unsigned kWmKeyDown = 0x0100, kWmChar = 0x0102, kWmCut = 0x0300, kWmPaste = 0x0302,
               kEmReplaceSel = 0x00C2, kWmSetFocus = 0x0007;

struct Step {
  unsigned message;
  unsigned long long wParam;
  bool changeNotified;  // the control changed the text (a change notification follows)
};

// Runs steps as the editor sees them; announced: the control sends a protected-change
// notification while it handles each change, as on Windows. Answers the kinds coloured by.
std::vector<int> ColouredKinds(const std::vector<Step>& steps, bool announced) {
  tkw::ScriptChangeTracker tracker;
  std::vector<int> kinds;
  for (const Step& step : steps) {
    const tkw::ScriptChangeMessage change{step.message, step.wParam};
    if (!tkw::ScriptChangeTracker::ChangesText(change, false)) continue;
    const int token = tracker.Begin(change, 4, 6);
    if (announced) tracker.Protected(change, 4, 6);
    if (step.changeNotified) kinds.push_back(tracker.TakeKind());
    tracker.End(token);
  }
  return kinds;
}

TEST(ScriptChangeTracker, RecordsEachChangeOnceWhetherAnnouncedOrNot) {
  const std::vector<Step> steps = {
      {kWmChar, 'a', true},      {kWmKeyDown, 0x2E, true}, {kWmKeyDown, 0x08, true},
      {kWmKeyDown, 0x25, false}, {kWmCut, 0, false},       {kWmPaste, 0, true},
      {kWmCut, 0, true},         {kWmPaste, 0, true},      {kEmReplaceSel, 0, true},
      {kWmSetFocus, 0, false},   {kWmChar, 0x08, false},
  };
  // A cut the control did not report leaves its kind for the paste that follows.
  const std::vector<int> expected = {2, 3, 4, 7, 5, 6, 2};
  EXPECT_EQ(expected, ColouredKinds(steps, false));
  EXPECT_EQ(expected, ColouredKinds(steps, true));
}

TEST(ScriptChangeTracker, AnnouncementsOutsideAMessageAndNestedMessagesCountOnTheirOwn) {
  tkw::ScriptChangeTracker tracker;
  tracker.Protected({kWmCut, 0}, 2, 5);
  EXPECT_EQ(tkw::kChangeCut, tracker.GetKind());
  EXPECT_EQ(2, tracker.GetMin());
  // A paste whose handling sends a replacement of its own (a colouring pass).
  const int outer = tracker.Begin({kWmPaste, 0}, 1, 1);
  tracker.Protected({kWmPaste, 0}, 1, 1);
  EXPECT_EQ(tkw::kChangePasteAfterCut, tracker.GetKind());
  const int inner = tracker.Begin({kEmReplaceSel, 0}, 0, 3);
  EXPECT_EQ(tkw::kChangeReplace, tracker.TakeKind());
  tracker.End(inner);
  tracker.Protected({kWmPaste, 0}, 1, 1);
  EXPECT_EQ(tkw::kChangePasteAfterCut, tracker.GetKind());
  tracker.End(outer);
}

TEST(ScriptPopupPlacement, TheListStartsAtTheNameBeingTyped) {
  EXPECT_EQ(4, tkw::ScriptTypedNameStart(L"1 + $q", 6));
  EXPECT_EQ(4, tkw::ScriptTypedNameStart(L"1 + $QXra2", 10));
  EXPECT_EQ(-1, tkw::ScriptTypedNameStart(L"1 + $qx(", 8));
  EXPECT_EQ(-1, tkw::ScriptTypedNameStart(L"abc", 3));
  EXPECT_EQ(0, tkw::ScriptTypedNameStart(L"$", 1));
}

TEST(ScriptPopupPlacement, ListAndTipStayOnTheDesktop) {
  const tkw::ScriptRect desktop{0, 0, 1000, 800};
  const struct {
    tkw::ScriptPoint caret;
    tkw::ScriptPoint list, tip;  // list 200 x 150 after a 12-pixel prefix; tip 300 x 40
  } cases[] = {
      {{100, 100}, {88, 116}, {105, 115}},
      {{5, 100}, {0, 116}, {10, 115}},       // the prefix's start is not left of the desktop
      {{950, 100}, {800, 116}, {595, 115}},  // right edge
      {{100, 780}, {88, 630}, {105, 735}},   // bottom edge
      {{950, 780}, {800, 630}, {595, 735}},  // both
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.list, tkw::PlaceScriptAssist(c.caret, 12, 16, 200, 150, desktop)) << c.caret.x;
    EXPECT_EQ(c.tip, tkw::PlaceScriptTip(c.caret, 300, 40, desktop)) << c.caret.x;
  }
}

}  // namespace
