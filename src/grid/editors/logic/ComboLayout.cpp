// Geometry of the composite combo cell editor.
#include "grid/editors/logic/ComboLayout.h"

#include <algorithm>

namespace tkw {
namespace combo {

CRect PartRect(const CRect& client, int nButtonWidth) {
  return CRect(client.left, client.top, std::max(client.left, client.right - nButtonWidth),
               client.bottom);
}

CRect ButtonRect(const CRect& client, int nButtonWidth) {
  return CRect(std::max(client.left, client.right - nButtonWidth), client.top, client.right,
               client.bottom);
}

int WantedDropHeight(int nChoices, int nRowHeight) {
  int h = nChoices < 0 ? kMaxDropHeight : (nChoices + 1) * nRowHeight;
  h = std::min(h, kMaxDropHeight);
  return h == 0 ? 20 : h;
}

CRect DropRect(const CRect& comboInParent, int nHeight) {
  return CRect(comboInParent.left, comboInParent.bottom, comboInParent.right,
               comboInParent.bottom + nHeight);
}

int ListPartHeight(int nItemHeight, int nChoices) {
  return std::min(nItemHeight * std::max(nChoices, 0), kMaxDropHeight);
}

}  // namespace combo
}  // namespace tkw
