// Finding the CMenu object that draws an owner-drawn menu item.
#pragma once
#include "afxwin.h"

namespace afx_internal {

// The object of an item drawn in hMenu: the menu's own attached object, else the nearest
// attached menu above it (a submenu appended to an attached popup has no object of its own).
CMenu* MenuObjectOfDrawnItem(HMENU hMenu);

// The object of the owner-drawn item being measured (WM_MEASUREITEM names no menu): the
// nearest attached menu above an owner-drawn item with this id and item data.
CMenu* MenuObjectOfMeasuredItem(UINT nID, ULONG_PTR itemData);

}  // namespace afx_internal
