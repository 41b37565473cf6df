// What every cell editor sends to the grid: the end-of-edit record, the move to another cell and
// the double click. The text, percent, script and combo editors all speak it.
#pragma once

#include <afxwin.h>

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

}  // namespace celledit
}  // namespace tkw
