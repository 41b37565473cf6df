// Cell editing without windows: the editor a column gets, the rows an edit is committed to,
// Tab navigation between editable cells and where editors are placed.
#include "grid/logic/CellEditRules.h"
#include "grid/logic/CellEditorPlacement.h"
#include "grid/logic/CellNavigation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tkw::cells;

namespace {

TEST(CellEditing, TheTextKindsWinOverTheListsAndScriptOverPercentOverText) {
  EditorMasks masks;
  masks.edit = 0x01 | 0x02 | 0x10;
  masks.script = 0x02;
  masks.percent = 0x04 | 0x10;
  masks.dropList = 0x01 | 0x08;
  masks.dropDown = 0x08 | 0x20 | 0x80000000u;
  const struct {
    int subItem;
    CellEditor expected;
  } cases[] = {
      {0, CellEditor::Text},     {1, CellEditor::Script},    {2, CellEditor::Percent},
      {3, CellEditor::DropList}, {4, CellEditor::Percent},   {5, CellEditor::DropDown},
      {6, CellEditor::None},     {31, CellEditor::DropDown}, {32, CellEditor::None},
      {-1, CellEditor::None},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, ChooseCellEditor(masks, c.subItem)) << "subitem " << c.subItem;
}

TEST(CellEditing, AnEditGoesToAllSelectedRowsOnlyWhenMultiRowEditingHasSeveral) {
  const struct {
    int edited;
    std::vector<int> selected;
    bool multi;
    std::vector<int> expected;
  } cases[] = {
      {1, {0, 1, 3}, true, {0, 1, 3}},
      {1, {0, 1, 3}, false, {1}},
      {2, {2}, true, {2}},
      {4, {}, true, {4}},
      {5, {}, false, {}},  // the row is gone
      {-1, {}, false, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, CommitRows(c.edited, 5, c.selected, c.multi)) << "edited " << c.edited;
}

TEST(CellNavigation, TabFindsTheNextEditableCellRowByRowAndStopsAtTheEnds) {
  // Four columns; 1 and 3 have editors. Three rows.
  const auto editable = [](int column) { return column == 1 || column == 3; };
  const struct {
    const char* what;
    CellPos from;
    bool forward;
    CellPos expected;
  } cases[] = {
      {"right in the row", {0, 1}, true, {0, 3}},
      {"wraps to the next row", {0, 3}, true, {1, 1}},
      {"from a plain cell", {1, 0}, true, {1, 1}},
      {"past the last row stops", {2, 3}, true, {}},
      {"left in the row", {1, 3}, false, {1, 1}},
      {"wraps to the previous row's last", {1, 1}, false, {0, 3}},
      {"before row 0 stops", {0, 1}, false, {}},
      {"from no focus column", {2, -1}, true, {2, 1}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, FindEditableCell(c.from, c.forward, 3, 4, editable)) << c.what;

  int asked = 0;
  const auto none = [&](int) { return ++asked, false; };
  EXPECT_FALSE(FindEditableCell({0, 0}, true, 100000, 4, none).Valid());
  EXPECT_EQ(4, asked) << "each column is asked once, not once per row";
  EXPECT_FALSE(FindEditableCell({0, 0}, true, 3, 0, editable).Valid());
}

TEST(CellNavigation, TheFocusColumnStepsWithinTheColumns) {
  const struct {
    int focus, delta, expected;
  } cases[] = {{1, -1, 0}, {0, -1, 0}, {-1, -1, -1}, {1, 1, 2}, {2, 1, 2}, {-1, 1, 0}, {5, -1, 4}};
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, StepFocusColumn(c.focus, c.delta, 3)) << c.focus << " by " << c.delta;
}

TEST(CellPlacement, TheTextEditorIsInsetInItsCellAndKeptInTheClient) {
  const CRect row(-20, 40, 400, 57);
  EXPECT_EQ(CRect(86, 40, 134, 55), TextEditorRect(row, 100, 60, 0, 300));
  EXPECT_EQ(CRect(86, 40, 134, 45), TextEditorRect(row, 100, 60, 10, 300)) << "preview left out";
  EXPECT_EQ(CRect(246, 40, 250, 55), TextEditorRect(row, 260, 100, 0, 250)) << "client edge";
}

TEST(CellPlacement, AnInPlaceListDropsTenCellsMoreThanShortListsNeedAndElevenForLongOnes) {
  const struct { int choices, cells; } cases[] = {{0, 10}, {3, 13}, {9, 19}, {10, 11}, {25, 11}};
  for (const auto& c : cases) EXPECT_EQ(c.cells, InPlaceListDropCells(c.choices)) << c.choices;
  EXPECT_EQ(CRect(10, 20, 90, 20 + 17 * 14), InPlaceListRect(CRect(10, 20, 90, 37), 3));
}

}  // namespace
