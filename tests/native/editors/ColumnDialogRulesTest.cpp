// Column dialogs without windows: list moves, button states, the stored shown list and the
// edges of widths and flags.
#include "grid/editors/logic/ColumnDialogRules.h"

#include "grid/GfxColumnManager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tkw::coldlg;

namespace {

TEST(ColumnDialogRules, ButtonStatesFollowSelectionsAndCaret) {
  struct Case {
    int availCount, availSel, shownSel, shownCount, caret;
    bool add, remove, up, down;
  } cases[] = {
      {0, 0, 0, 0, -1, false, false, false, false},  // nothing at all
      {3, 0, 0, 2, 0, false, false, false, false},   // no selection anywhere
      {3, 2, 0, 2, 0, true, false, false, false},
      {3, 1, 1, 3, 0, true, true, false, true},  // first shown entry: only down
      {3, 1, 1, 3, 2, true, true, true, false},  // last shown entry: only up
      {3, 1, 1, 3, 1, true, true, true, true},
      {3, 1, 2, 3, 1, true, true, false, false},  // two selected: no moves
      {0, 0, 1, 1, 0, false, true, false, false},
  };
  for (const Case& c : cases) {
    const CustomizeButtons b =
        GetCustomizeButtons(c.availCount, c.availSel, c.shownSel, c.shownCount, c.caret);
    EXPECT_EQ(c.add, b.add) << c.availCount << "/" << c.availSel;
    EXPECT_EQ(c.remove, b.remove) << c.shownSel;
    EXPECT_EQ(c.up, b.moveUp) << "caret " << c.caret << " of " << c.shownCount;
    EXPECT_EQ(c.down, b.moveDown) << "caret " << c.caret << " of " << c.shownCount;
  }
}

TEST(ColumnDialogRules, EntriesLeaveLastFirstAndMoveOnlyWithinTheList) {
  EXPECT_EQ((std::vector<int>{4, 2, 1}), TransferOrder({1, 4, 2, 4, -1}));
  EXPECT_TRUE(TransferOrder({}).empty());
  EXPECT_EQ(1, MoveTarget(3, 0, true));
  EXPECT_EQ(-1, MoveTarget(3, 2, true));
  EXPECT_EQ(-1, MoveTarget(3, 0, false));
  EXPECT_EQ(-1, MoveTarget(0, 0, false)) << "empty list";
  EXPECT_EQ(-1, MoveTarget(3, -1, true)) << "no caret";
}

TEST(ColumnDialogRules, StoredShownListAlwaysStartsWithColumnZeroOnce) {
  EXPECT_EQ((std::vector<int>{0, 5, 2}), ShownColumnsForOk({5, 2}));
  EXPECT_EQ((std::vector<int>{0, 3}), ShownColumnsForOk({0, 3}));
  EXPECT_EQ((std::vector<int>{0, 3, 4}), ShownColumnsForOk({3, 0, 4}));
  EXPECT_TRUE(ShownColumnsForOk({}).empty());
}

TEST(ColumnDialogRules, WidthsAndFlagsHaveDefinedOutcomesAtTheirEdges) {
  EXPECT_EQ(1, AverageCharWidth(0)) << "a font that measures nothing";
  EXPECT_EQ(0, WidthInChars(100, 0));
  EXPECT_EQ(GFXCOL_EDIT | GFXCOL_VALUTE,
            ApplyFormat(GFXCOL_EDIT | GFXCOL_NUMERIC | GFXCOL_VALUTE, GFXCOL_VALUTE));
  EXPECT_EQ(1, GetFormatIndex(GFXCOL_NUMERIC | GFXCOL_VALUTE)) << "Numeric wins";
  EXPECT_EQ(std::wstring(L"Drop list"), GetEditorName(GFXCOL_DROPLIST | GFXCOL_EDIT));
  EXPECT_EQ(std::wstring(), GetEditorName(GFXCOL_SCRIPT | GFXCOL_PERCENT));
}

}  // namespace
