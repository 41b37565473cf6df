// Cell areas of a worksheet and their A1 addresses ("B2", "$A$1:$C$3").
#pragma once
#include <string>
#include <string_view>

namespace sheet {

// The grid's limits: columns A to IV, rows 1 to 65536.
constexpr long kMaxColumns = 256;
constexpr long kMaxRows = 65536;

// Rows and columns count from 1; both corners are inside the area.
struct CellArea {
  long top = 1;
  long left = 1;
  long bottom = 1;
  long right = 1;

  long Rows() const { return bottom - top + 1; }
  long Columns() const { return right - left + 1; }
  long Count() const { return Rows() * Columns(); }
  bool operator==(const CellArea& o) const {
    return top == o.top && left == o.left && bottom == o.bottom && right == o.right;
  }
};

// The column's number from its letters ("A" 1, "Z" 26, "AA" 27, case ignored); 0 when the text
// is no column inside the limits.
long ColumnNumber(std::wstring_view letters);
// "A" for 1, "AA" for 27; empty outside the limits.
std::wstring ColumnLetters(long column);

// Reads "B2", "$B$2", "A1:C3" (corners in any order, case ignored); false when the text is no
// address inside the limits.
bool ParseArea(std::wstring_view text, CellArea* area);
// "$A$1" for one cell, "$A$1:$C$3" otherwise; without the dollars when absolute is false.
std::wstring FormatArea(const CellArea& area, bool absolute = true);

// Whether an area with these corners lies inside the limits (and is not turned inside out).
bool IsValidArea(const CellArea& area);

}  // namespace sheet
