// Where the grid places its in-place editors over a cell (window-free rectangles).
#pragma once
#include <atltypes.h>

namespace tkw {
namespace cells {

// Columns narrower than this get no editor.
constexpr int kMinEditableWidth = 5;

// The text editor over a cell: the row's bounds less the auto-preview area and 2 pixels at
// the bottom, inset 6 pixels from the column's left edge (columnOffset from the row's left)
// and ending 6 pixels before its right edge, never past the client's right edge.
CRect TextEditorRect(const CRect& row, int columnOffset, int columnWidth, int previewHeight,
                     int clientRight);

// How many cell heights an in-place list drops below its cell for a number of choices: short
// lists get ten rows more than they need, long ones eleven.
int InPlaceListDropCells(int choiceCount);

// The in-place list's window: the cell extended downwards by InPlaceListDropCells cell heights.
CRect InPlaceListRect(const CRect& cell, int choiceCount);

}  // namespace cells
}  // namespace tkw
