// Where the grid places its in-place editors over a cell.
#include "grid/logic/CellEditorPlacement.h"

#include <algorithm>

namespace tkw {
namespace cells {

CRect TextEditorRect(const CRect& row, int columnOffset, int columnWidth, int previewHeight,
                     int clientRight) {
  CRect rect(row);
  rect.bottom -= previewHeight + 2;
  rect.left = row.left + columnOffset + 6;
  rect.right = std::min(rect.left + columnWidth - 12, static_cast<LONG>(clientRight));
  return rect;
}

int InPlaceListDropCells(int choiceCount) {
  return choiceCount < 10 ? std::max(choiceCount, 0) + 10 : 11;
}

CRect InPlaceListRect(const CRect& cell, int choiceCount) {
  CRect rect(cell);
  rect.bottom += InPlaceListDropCells(choiceCount) * cell.Height();
  return rect;
}

}  // namespace cells
}  // namespace tkw
