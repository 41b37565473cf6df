// The grid's in-place list window over a cell.
#include "grid/GfxInPlaceEditors.h"

// Without a list window class the cell keeps its text: the choices were asked for and the
// caller frees them.
CInPlaceCombo* CreateInPlaceList(CGfxListCtrl& /*list*/, DWORD /*dwStyle*/, const CRect& /*rect*/,
                                 int /*nItem*/, int /*nColumn*/, const CStringArray& /*choices*/,
                                 const CString& /*strText*/, int /*nSelection*/) {
  return NULL;
}

void SelectInPlaceListText(CInPlaceCombo* /*pList*/, const CString& /*strText*/) {}
