// Geometry of the composite combo cell editor: parts, drop button and drop-down list
// (window-free).
#pragma once

#include <atltypes.h>

namespace tkw {
namespace combo {

// Tallest drop-down list part, in pixels; longer lists scroll.
const int kMaxDropHeight = 100;

// The edit or static part: the client rectangle less the button at the right.
CRect PartRect(const CRect& client, int nButtonWidth);

// The drop button: the rightmost nButtonWidth pixels of the client rectangle.
CRect ButtonRect(const CRect& client, int nButtonWidth);

// Height wanted for the drop-down list: one row more than the choices (nChoices < 0: no
// choices array, kMaxDropHeight), at most kMaxDropHeight; 0 becomes 20.
int WantedDropHeight(int nChoices, int nRowHeight);

// Rectangle of the drop-down list, in the combo's parent's coordinates: below the combo's
// window rectangle, as wide, nHeight high.
CRect DropRect(const CRect& comboInParent, int nHeight);

// Height the created list part is given: its rows, at most kMaxDropHeight.
int ListPartHeight(int nItemHeight, int nChoices);

}  // namespace combo
}  // namespace tkw
