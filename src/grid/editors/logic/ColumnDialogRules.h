// Decisions of the column dialogs that need no window: moving entries between and within
// the column lists, button states, the shown list stored on OK, widths in characters and the
// value format and editor a column's flags stand for.
#pragma once

#include <cstdint>
#include <vector>

namespace tkw {
namespace coldlg {

// ---- choosing the shown columns

struct CustomizeButtons {
  bool add = false;
  bool remove = false;
  bool moveUp = false;
  bool moveDown = false;
};
// Add needs a selection in a non-empty available list; Remove a selection in the shown list;
// the moves exactly one selected entry whose caret is not already at that end.
CustomizeButtons GetCustomizeButtons(int availableCount, int availableSelected, int shownSelected,
                                     int shownCount, int shownCaret);

// The order in which selected entries leave their list: last first, so that removing one
// keeps the indices still to be taken valid. Duplicates and negative indices are dropped.
std::vector<int> TransferOrder(std::vector<int> selected);

// Where a single entry moves by one place, or -1 when it already stands at that end (or
// index is not an entry of a list of count).
int MoveTarget(int count, int index, bool down);

// The default column list stored on OK: the shown ids in order, with id 0 first so that the
// grid's first column is always column 0; a later 0 is dropped rather than shown twice.
std::vector<int> ShownColumnsForOk(const std::vector<int>& shown);

// ---- formatting a column

// Width of the sample text that gives the average character width. It is divided by
// kWidthSampleDivisor although it holds one character fewer; stored widths depend on it.
inline constexpr wchar_t kWidthSample[] = L"AbCdEfGhIj MnOpQrStUvWxYz";
inline constexpr int kWidthSampleDivisor = 26;
inline constexpr int kMaxWidthChars = 1024;  // the width field's upper bound

// Average character width from the sample's width; never below 1, so that conversions
// never divide by zero (a font that measures nothing still gives a usable field).
int AverageCharWidth(int sampleWidth);
int WidthInChars(int pixels, int charWidth);
int WidthInPixels(int chars, int charWidth);

// One entry of the value-format combo box.
struct FormatChoice {
  const wchar_t* name;
  std::uint32_t flags;  // the format bits the entry stands for
};
// The entries offered for a column: "Image" alone for an image column, else "Text",
// "Numeric" and "Valute".
std::vector<FormatChoice> GetFormatChoices(bool imageColumn);
// Index of the entry a non-image column's flags select: "Numeric" before "Valute" before
// "Text".
int GetFormatIndex(std::uint32_t flags);
// The flags after choosing a format entry: the old format bits go, the chosen ones come.
std::uint32_t ApplyFormat(std::uint32_t flags, std::uint32_t chosen);

// Name of the column's in-place editor ("Drop list", "Drop down list", "Edit", tested in
// that order), or an empty string.
const wchar_t* GetEditorName(std::uint32_t flags);

}  // namespace coldlg
}  // namespace tkw
