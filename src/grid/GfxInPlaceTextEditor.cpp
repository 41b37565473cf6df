// The grid's in-place text editors over a cell.
#include "grid/GfxInPlaceEditors.h"

#include "grid/GfxListCtrl.h"
#include "grid/editors/GfxCellEditProtocol.h"
#include "grid/editors/GfxInEdit.h"
#include "grid/editors/GfxInScriptEdit.h"
#include "grid/editors/GfxInPercentEdit.h"

#include "QXScriptManager.h"

#include <cwchar>

CRichEditCtrl* CreateCellTextEditor(CGfxListCtrl& list, tkw::cells::CellEditor kind, int nItem,
                                    int nColumn, const CString& strText, bool bByClick,
                                    DWORD dwStyle, const CRect& rect) {
  // Every failure of the window's creation ends in PostNcDestroy, which deletes the editor;
  // only a missing rich-edit library would fail before it, so that is checked first.
  if (!AfxInitRichEdit2()) return NULL;
  if (kind == tkw::cells::CellEditor::Percent) {
    CGfxInPercentEdit* pPercent = new CGfxInPercentEdit(nItem, nColumn, strText, bByClick);
    if (!pPercent->Create(dwStyle, rect, &list, tkw::celledit::kEditorId)) return NULL;
    // Grid cells hold whole numbers: edited as plain signed integers.
    pPercent->SetValue(std::wcstol(strText.GetString(), NULL, 10));
    pPercent->SetDecimals(0);
    pPercent->EnableCommas(FALSE);
    return pPercent;
  }
  if (kind == tkw::cells::CellEditor::Script) {
    // The script editor reads the current row after a wizard insertion.
    CQXScriptManager* pManager = TKWGetScriptManager();
    pManager->SetCurrentItem(nItem);
    CGfxInScriptEdit* pScript = new CGfxInScriptEdit(nItem, nColumn, strText, bByClick);
    if (!pScript->Create(dwStyle, rect, &list, tkw::celledit::kEditorId)) return NULL;
    if (pScript->Initialize()) {
      pScript->SetKeyWords(pManager->GetKeyWords());
      pScript->SetConstants(pManager->GetConstants());
    }
    pScript->FormatAll();
    pScript->SetFocus();
    return pScript;
  }
  CGfxInEdit* pEditor = new CGfxInEdit(nItem, nColumn, strText, bByClick);
  pEditor->m_bNoBlank = list.GetNoBlank();
  if (list.IsNumericCol(list.GetColumnIndex(nColumn))) pEditor->SetNumberEdit(TRUE);
  if (!pEditor->Create(dwStyle, rect, &list, tkw::celledit::kEditorId)) return NULL;
  return pEditor;
}

HWND CellTextEditorWindow(CRichEditCtrl* pEditor) {
  return pEditor ? pEditor->GetSafeHwnd() : NULL;
}
