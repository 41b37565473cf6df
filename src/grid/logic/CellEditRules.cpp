// Which in-place editor a grid cell gets, and which rows an ended edit is committed to.
#include "grid/logic/CellEditRules.h"

namespace tkw {
namespace cells {

CellEditor ChooseCellEditor(const EditorMasks& masks, int subItem) {
  if (subItem < 0 || subItem > 31) return CellEditor::None;
  const std::uint32_t bit = std::uint32_t(1) << subItem;
  if (masks.script & bit) return CellEditor::Script;
  if (masks.percent & bit) return CellEditor::Percent;
  if (masks.edit & bit) return CellEditor::Text;
  if (masks.dropList & bit) return CellEditor::DropList;
  if (masks.dropDown & bit) return CellEditor::DropDown;
  return CellEditor::None;
}

std::vector<int> CommitRows(int editedRow, int rowCount, const std::vector<int>& selectedRows,
                            bool multiRowEdit) {
  if (multiRowEdit && selectedRows.size() > 1) return selectedRows;
  if (editedRow >= 0 && editedRow < rowCount) return {editedRow};
  return {};
}

}  // namespace cells
}  // namespace tkw
