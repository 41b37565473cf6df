// Moving between grid cells from the keyboard.
#include "grid/logic/CellNavigation.h"

#include <vector>

namespace tkw {
namespace cells {

CellPos FindEditableCell(CellPos from, bool forward, int rowCount, int columnCount,
                         const std::function<bool(int column)>& hasEditor) {
  if (rowCount <= 0 || columnCount <= 0) return {};
  // Asked once per column: a search may cross many rows of a long list.
  std::vector<bool> editable(columnCount);
  bool anyEditable = false;
  for (int c = 0; c < columnCount; ++c) anyEditable |= (editable[c] = hasEditor(c));
  if (!anyEditable) return {};

  int row = from.row;
  int column = from.column;
  const int step = forward ? 1 : -1;
  for (;;) {
    column += step;
    if (column >= columnCount) {
      column = 0;
      ++row;
    } else if (column < 0) {
      column = columnCount - 1;
      --row;
    }
    if (row < 0 || row >= rowCount) return {};
    if (editable[column]) return {row, column};
  }
}

int StepFocusColumn(int focusColumn, int delta, int columnCount) {
  if (delta < 0) return focusColumn > 0 ? focusColumn - 1 : focusColumn;
  if (delta > 0) return focusColumn < columnCount - 1 ? focusColumn + 1 : focusColumn;
  return focusColumn;
}

}  // namespace cells
}  // namespace tkw
