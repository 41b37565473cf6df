// The cell editors' notifications to the grid.
#include "grid/editors/GfxCellEditProtocol.h"

#include "grid/GfxListCtrl.h"
#include "grid/GfxListRequest.h"

#include <afxrich_.h>
#include <commctrl.h>

namespace tkw {
namespace celledit {

void SendEndEdit(CWnd* pList, UINT idFrom, int iItem, int iSubItem, const CString& strEdited,
                 bool bCancelled) {
  if (!pList || !::IsWindow(pList->m_hWnd)) return;
  // A copy on the stack: the text must outlive an editor destroyed while the list handles it.
  CString strText(strEdited);
  NMLVDISPINFOW info = {};
  info.hdr.hwndFrom = pList->m_hWnd;
  info.hdr.idFrom = idFrom;
  info.hdr.code = LVN_ENDLABELEDITW;
  info.item.mask = LVIF_TEXT;
  info.item.iItem = iItem;
  info.item.iSubItem = iSubItem;
  info.item.pszText = bCancelled ? NULL : const_cast<LPTSTR>(strText.GetString());
  info.item.cchTextMax = strText.GetLength();
  ::SendMessageW(pList->m_hWnd, WM_NOTIFY, WPARAM(pList->GetDlgCtrlID()), LPARAM(&info));
}

void SendMove(CWnd* pList, int nDirection, int iItem, int iSubItem) {
  if (!pList || !::IsWindow(pList->m_hWnd)) return;
  int cell[2] = {iItem, iSubItem};
  ::SendMessageW(pList->m_hWnd, WM_GFXLIST_USERTAB, WPARAM(nDirection), LPARAM(cell));
}

void SendListDoubleClick(CWnd* pList) {
  if (!pList || !::IsWindow(pList->m_hWnd)) return;
  // A grid may name another window than its parent as the receiver of its notifications.
  CGfxListCtrl* pGrid =
      pList->IsKindOf(RUNTIME_CLASS(CGfxListCtrl)) ? static_cast<CGfxListCtrl*>(pList) : NULL;
  CWnd* pReceiver = pGrid ? pGrid->GetReciper() : pList->GetParent();
  if (!pReceiver || !::IsWindow(pReceiver->m_hWnd)) return;
  const HWND hReceiver = pReceiver->m_hWnd;
  NMHDR hdr = {};
  hdr.hwndFrom = pList->m_hWnd;
  hdr.idFrom = UINT_PTR(pList->GetDlgCtrlID());
  hdr.code = UINT(NM_DBLCLK);
  ::SendMessageW(hReceiver, WM_NOTIFY, WPARAM(hdr.idFrom), LPARAM(&hdr));
}

void StartEditing(CRichEditCtrl& edit, const CString& strText, bool bTakeFocus, bool bClick) {
  if (CWnd* pList = edit.GetParent())
    edit.SendMessage(WM_SETFONT, pList->SendMessage(WM_GETFONT), TRUE);
  edit.LimitText(0x7FFFFFFE);
  edit.SetWindowText(strText);
  if (bTakeFocus) edit.SetFocus();
  edit.SetSel(0, -1);
  if (bClick) {
    CPoint point;
    ::GetCursorPos(&point);
    edit.ScreenToClient(&point);
    edit.PostMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(point.x, point.y));
    edit.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  }
}

bool ReportText(CWnd& edit, int iItem, int iSubItem, const CString& strInitText, bool bAlways) {
  const HWND hWnd = edit.m_hWnd;
  if (!::IsWindow(hWnd)) return false;
  CString text;
  edit.GetWindowText(text);
  if (text.Compare(strInitText) == 0 && !bAlways) return true;
  SendEndEdit(edit.GetParent(), UINT(edit.GetDlgCtrlID()), iItem, iSubItem, text);
  // Only the saved handle may be read here.
  return ::IsWindow(hWnd) != FALSE;
}

void CloseAndMove(CWnd& edit, int nDirection, int iItem, int iSubItem) {
  CWnd* pList = edit.GetParent();
  edit.DestroyWindow();
  SendMove(pList, nDirection, iItem, iSubItem);
}

}  // namespace celledit
}  // namespace tkw
