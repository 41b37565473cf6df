// What the combo cell editors send to the grid: the end-of-edit record, the move to another
// cell and the double click.
#pragma once

#include <afxwin.h>

namespace tkw {
namespace combo {

// Directions of a move to another cell (wParam of WM_GFXLIST_USERTAB).
enum MoveDirection { kMoveNext = 0, kMovePrevious = 1, kMoveLeft = 2, kMoveRight = 3 };

// Sends the end-of-label-edit notification (LVN_ENDLABELEDITW in an NMLVDISPINFO) to pList
// itself, from control idFrom, for the cell (iItem, iSubItem), with cchTextMax the text's
// length. bCancelled sends a null pszText, which the list reads as a cancelled edit.
void SendEndEdit(CWnd* pList, UINT idFrom, int iItem, int iSubItem, const CString& strText,
                 bool bCancelled = false);

// Asks pList to move from the cell (iItem, iSubItem) in direction nDirection.
void SendMove(CWnd* pList, int nDirection, int iItem, int iSubItem);

// Tells the list's parent that the list was double-clicked (NM_DBLCLK from the list).
void SendListDoubleClick(CWnd* pList);

}  // namespace combo
}  // namespace tkw
