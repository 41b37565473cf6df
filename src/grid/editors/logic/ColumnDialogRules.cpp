// Window-free decisions of the column dialogs.
#include "grid/editors/logic/ColumnDialogRules.h"

#include "grid/GfxColumnManager.h"

#include <algorithm>
#include <functional>

namespace tkw {
namespace coldlg {

CustomizeButtons GetCustomizeButtons(int availableCount, int availableSelected, int shownSelected,
                                     int shownCount, int shownCaret) {
  CustomizeButtons b;
  b.add = availableCount > 0 && availableSelected > 0;
  b.remove = shownSelected > 0;
  const bool single = shownSelected == 1 && shownCaret >= 0 && shownCaret < shownCount;
  b.moveUp = single && shownCaret > 0;
  b.moveDown = single && shownCaret < shownCount - 1;
  return b;
}

std::vector<int> TransferOrder(std::vector<int> selected) {
  selected.erase(std::remove_if(selected.begin(), selected.end(), [](int i) { return i < 0; }),
                 selected.end());
  std::sort(selected.begin(), selected.end(), std::greater<int>());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  return selected;
}

int MoveTarget(int count, int index, bool down) {
  if (index < 0 || index >= count) return -1;
  const int target = down ? index + 1 : index - 1;
  return target >= 0 && target < count ? target : -1;
}

std::vector<int> ShownColumnsForOk(const std::vector<int>& shown) {
  std::vector<int> ids;
  if (shown.empty()) return ids;
  ids.reserve(shown.size() + 1);
  ids.push_back(0);
  for (int id : shown)
    if (id != 0) ids.push_back(id);
  return ids;
}

int AverageCharWidth(int sampleWidth) {
  return std::max(1, sampleWidth / kWidthSampleDivisor);
}

int WidthInChars(int pixels, int charWidth) {
  return charWidth > 0 ? pixels / charWidth : 0;
}

int WidthInPixels(int chars, int charWidth) {
  return chars * charWidth;
}

std::vector<FormatChoice> GetFormatChoices(bool imageColumn) {
  if (imageColumn) return {{L"Image", GFXCOL_IMAGE}};
  return {{L"Text", 0}, {L"Numeric", GFXCOL_NUMERIC}, {L"Valute", GFXCOL_VALUTE}};
}

int GetFormatIndex(std::uint32_t flags) {
  if (flags & GFXCOL_NUMERIC) return 1;
  if (flags & GFXCOL_VALUTE) return 2;
  return 0;
}

std::uint32_t ApplyFormat(std::uint32_t flags, std::uint32_t chosen) {
  const std::uint32_t format = GFXCOL_NUMERIC | GFXCOL_VALUTE;
  return (flags & ~format) | (chosen & format);
}

const wchar_t* GetEditorName(std::uint32_t flags) {
  if (flags & GFXCOL_DROPLIST) return L"Drop list";
  if (flags & GFXCOL_DROPDOWN) return L"Drop down list";
  if (flags & GFXCOL_EDIT) return L"Edit";
  return L"";
}

}  // namespace coldlg
}  // namespace tkw
