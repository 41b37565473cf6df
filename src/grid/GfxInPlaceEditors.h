// The in-place editor windows the grid places over a cell, made behind two functions so that the
// list's placement and requests do not depend on each editor class.
#pragma once

#include "grid/logic/CellEditRules.h"

#include <afxwin.h>

class CGfxListCtrl;
class CRichEditCtrl;
class CInPlaceCombo;

// Creates the text, script or percent editor of a cell with `new` (it deletes itself with its
// window) and its window with the style and rectangle, the list as parent and control
// identifier 2125. Null when the window could not be created.
CRichEditCtrl* CreateCellTextEditor(CGfxListCtrl& list, tkw::cells::CellEditor kind, int nItem,
                                    int nColumn, const CString& strText, bool bByClick,
                                    DWORD dwStyle, const CRect& rect);

// The window of a text editor CreateCellTextEditor made.
HWND CellTextEditorWindow(CRichEditCtrl* pEditor);

// Shows the process's in-place list over a cell with the choices (which it copies), selects
// the entry equal to strText, and answers it; null when it could not be shown.
CInPlaceCombo* CreateInPlaceList(CGfxListCtrl& list, DWORD dwStyle, const CRect& rect, int nItem,
                                 int nColumn, const CStringArray& choices, const CString& strText,
                                 int nSelection);

// Selects in a shown in-place list the first entry that starts with strText.
void SelectInPlaceListText(CInPlaceCombo* pList, const CString& strText);
