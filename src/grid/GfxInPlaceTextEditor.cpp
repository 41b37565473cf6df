// The grid's in-place text editors over a cell.
#include "grid/GfxInPlaceEditors.h"

CRichEditCtrl* CreateCellTextEditor(CGfxListCtrl& /*list*/, tkw::cells::CellEditor /*kind*/,
                                    int /*nItem*/, int /*nColumn*/, const CString& /*strText*/,
                                    bool /*bByClick*/, DWORD /*dwStyle*/, const CRect& /*rect*/) {
  return NULL;
}

HWND CellTextEditorWindow(CRichEditCtrl* /*pEditor*/) {
  return NULL;
}
