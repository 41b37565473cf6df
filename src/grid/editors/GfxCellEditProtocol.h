// What every cell editor sends to the grid: the end-of-edit record, the move to another cell and
// the double click. The text, percent, script and combo editors all speak it.
#pragma once

#include <afxwin.h>

class CRichEditCtrl;

namespace tkw {
namespace celledit {

// Control identifier of a text, script or percent editor over a cell.
const UINT kEditorId = 2125;

// Directions of a move to another cell (wParam of WM_GFXLIST_USERTAB). The list also knows
// the previous and next row, which no editor sends today.
enum MoveDirection {
  kMoveNext = 0,      // Tab, Down: next editable cell, wrapping to the next row
  kMovePrevious = 1,  // Shift+Tab, Up: previous editable cell, wrapping back
  kMoveLeft = 2,      // focus column one to the left
  kMoveRight = 3,     // focus column one to the right
  kMovePreviousRow = 4,
  kMoveNextRow = 5
};

// Sends the end-of-label-edit notification (LVN_ENDLABELEDITW in an NMLVDISPINFO) to pList
// itself, from control idFrom, for the cell (iItem, iSubItem), with cchTextMax the text's
// length. bCancelled sends a null pszText, which the list reads as a cancelled edit.
void SendEndEdit(CWnd* pList, UINT idFrom, int iItem, int iSubItem, const CString& strText,
                 bool bCancelled = false);

// Asks pList to move from the cell (iItem, iSubItem) in direction nDirection.
void SendMove(CWnd* pList, int nDirection, int iItem, int iSubItem);

// Tells the list's notification receiver (a grid's reciper, else the parent) that the list was
// double-clicked (NM_DBLCLK from the list).
void SendListDoubleClick(CWnd* pList);

// Readies a text or script editor just created over a cell: the list's font, no length limit
// (the rich edit's default of 32,767 would let a longer cell text in but refuse keys), the cell's
// text all selected, and, when the edit began with a click, that click replayed where the
// pointer is so that the caret lands there.
void StartEditing(CRichEditCtrl& edit, const CString& strText, bool bTakeFocus, bool bClick);

// Sends edit's text for the cell (iItem, iSubItem) unless it is still strInitText and bAlways
// is false. False when the editor's window is gone afterwards (a receiver may destroy the
// list); the editor object may then be deleted too.
bool ReportText(CWnd& edit, int iItem, int iSubItem, const CString& strInitText, bool bAlways);

// Destroys the editor's window, which may delete the editor, then asks its list to move from
// the cell (iItem, iSubItem) in direction nDirection.
void CloseAndMove(CWnd& edit, int nDirection, int iItem, int iSubItem);

}  // namespace celledit
}  // namespace tkw
