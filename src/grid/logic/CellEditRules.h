// Which in-place editor a grid cell gets, and which rows an ended edit is committed to.
#pragma once

#include <cstdint>
#include <vector>

namespace tkw {
namespace cells {

// The editors a cell can get; the first three share the text editor's placement.
enum class CellEditor { None, Text, Script, Percent, DropList, DropDown };

// The list's editor masks, bit n for subitem n.
struct EditorMasks {
  std::uint32_t edit = 0;
  std::uint32_t script = 0;
  std::uint32_t percent = 0;
  std::uint32_t dropList = 0;
  std::uint32_t dropDown = 0;
};

// The editor of a subitem when several masks name it: any of the text kinds wins over the
// lists; among them script, then percent, then plain text. Subitems outside 0..31 get none.
CellEditor ChooseCellEditor(const EditorMasks& masks, int subItem);

inline bool IsTextKind(CellEditor editor) {
  return editor == CellEditor::Text || editor == CellEditor::Script ||
         editor == CellEditor::Percent;
}

// The rows an edit of editedRow is committed to: every selected row when multi-row editing
// is on and more than one row is selected, else the edited row while it still exists.
std::vector<int> CommitRows(int editedRow, int rowCount, const std::vector<int>& selectedRows,
                            bool multiRowEdit);

}  // namespace cells
}  // namespace tkw
