// Moving between grid cells from the keyboard: the next or previous editable cell for Tab and
// Shift+Tab, and steps of the focus column.
#pragma once

#include <functional>

namespace tkw {
namespace cells {

struct CellPos {
  int row = -1;
  int column = -1;  // display position
  bool operator==(const CellPos& o) const { return row == o.row && column == o.column; }
  bool Valid() const { return row >= 0 && column >= 0; }
};

// The nearest cell after (forward) or before `from` whose column has an editor, reading the
// grid row by row: forward from the next position, wrapping to position 0 of the next row;
// backward from the previous one, wrapping to the last position of the previous row. Answers
// an invalid cell past the last row or before row 0, and when no column has an editor.
CellPos FindEditableCell(CellPos from, bool forward, int rowCount, int columnCount,
                         const std::function<bool(int column)>& hasEditor);

// The focus column moved one step: left (delta < 0) unless it is at 0 or less, right
// (delta > 0) unless it is at the last column or beyond.
int StepFocusColumn(int focusColumn, int delta, int columnCount);

}  // namespace cells
}  // namespace tkw
