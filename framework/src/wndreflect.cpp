// Reflection: the notifications, owner-draw, colour and scroll messages a parent hands back to
// the object of the child that sent them.
#include "menuroute_.h"
#include "wndstate_.h"

using namespace afx_internal;

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* pWnd = FromHandlePermanent(hWndChild);
  if (pWnd == nullptr) return FALSE;
  return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
  const MSG msg = WndState().lastSentMsg;
  return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM: return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
      int nCode = HIWORD(wParam);
      if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr,
                               nullptr)) {
        if (pResult != nullptr) *pResult = 1;
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
      if (pNMHDR == nullptr) return FALSE;
      AFX_NOTIFY notify;
      notify.pResult = pResult;
      notify.pNMHDR = pNMHDR;
      return CCmdTarget::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify,
                                  nullptr);
    }
    default:
      if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, wParam, LPARAM(message - WM_CTLCOLORMSGBOX),
                        pResult);
      return FALSE;
  }
}

// ---- the parent's default handlers offer the message to the child first

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar) {
  if (pScrollBar != nullptr && ReflectLastMsg(pScrollBar->GetSafeHwnd())) return;
  Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar) {
  if (pScrollBar != nullptr && ReflectLastMsg(pScrollBar->GetSafeHwnd())) return;
  Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
  LRESULT lResult = 0;
  if (pWnd != nullptr && ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
    return reinterpret_cast<HBRUSH>(lResult);
  return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct != nullptr) {
    if (lpDrawItemStruct->CtlType == ODT_MENU) {
      // For a menu item hwndItem holds the menu handle.
      if (CMenu* pMenu =
              MenuObjectOfDrawnItem(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem))) {
        pMenu->DrawItem(lpDrawItemStruct);
        return;
      }
    } else if (ReflectLastMsg(lpDrawItemStruct->hwndItem)) {
      return;
    }
  }
  Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (lpMeasureItemStruct != nullptr) {
    if (lpMeasureItemStruct->CtlType == ODT_MENU) {
      if (CMenu* pMenu = MenuObjectOfMeasuredItem(lpMeasureItemStruct->itemID,
                                                  lpMeasureItemStruct->itemData)) {
        pMenu->MeasureItem(lpMeasureItemStruct);
        return;
      }
    } else {
      // The record names no window: find the control by its id among the children.
      HWND hWndChild = ::GetDlgItem(m_hWnd, int(lpMeasureItemStruct->CtlID));
      if (hWndChild != nullptr && ReflectLastMsg(hWndChild)) return;
    }
  }
  Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct) {
  LRESULT lResult = 0;
  if (lpCompareItemStruct != nullptr && ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
    return int(lResult);
  return int(Default());
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct) {
  if (lpDeleteItemStruct != nullptr && ReflectLastMsg(lpDeleteItemStruct->hwndItem)) return;
  Default();
}
