// Where the grid's cell tip goes: over the cell, as wide as the text, only when the text does
// not fit (window-free).
#pragma once

namespace tkw {

struct TipRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct TipPlacement {
  bool show = false;
  TipRect tip;    // in the coordinates of the cell
  TipRect hover;  // in the tip's client coordinates: leaving it hides the tip
};

// cell: the cell's rectangle; textWidth: the text measured in the list's font; offset: where
// the text starts inside the cell. The tip is the text's width plus 3 and starts at the text.
inline TipPlacement PlaceCellTip(const TipRect& cell, int textWidth, int offset) {
  TipPlacement p;
  const int x = cell.left + offset;
  p.hover = {-offset - 1, -1, cell.right - cell.left - offset, cell.bottom - cell.top + 1};
  p.tip = {x, cell.top, x + textWidth + 3, cell.bottom};
  p.show = x + textWidth + 3 > cell.right - offset;
  return p;
}

}  // namespace tkw
