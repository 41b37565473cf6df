// The grid's in-place text editors over a cell.
#include "grid/GfxInPlaceEditors.h"

#include "grid/GfxListCtrl.h"
#include "grid/editors/GfxCellEditProtocol.h"
#include "grid/editors/GfxInEdit.h"

CRichEditCtrl* CreateCellTextEditor(CGfxListCtrl& list, tkw::cells::CellEditor kind, int nItem,
                                    int nColumn, const CString& strText, bool bByClick,
                                    DWORD dwStyle, const CRect& rect) {
  // Script columns are edited as plain text by this editor.
  (void)kind;
  // Every failure of the window's creation ends in PostNcDestroy, which deletes the editor;
  // only a missing rich-edit library would fail before it, so that is checked first.
  if (!AfxInitRichEdit2()) return NULL;
  CGfxInEdit* pEditor = new CGfxInEdit(nItem, nColumn, strText, bByClick);
  pEditor->m_bNoBlank = list.GetNoBlank();
  if (list.IsNumericCol(list.GetColumnIndex(nColumn))) pEditor->SetNumberEdit(TRUE);
  if (!pEditor->Create(dwStyle, rect, &list, tkw::celledit::kEditorId)) return NULL;
  return pEditor;
}

HWND CellTextEditorWindow(CRichEditCtrl* pEditor) {
  return pEditor ? pEditor->GetSafeHwnd() : NULL;
}
