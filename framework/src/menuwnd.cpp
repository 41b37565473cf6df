// CMenu popup tracking, which needs the owner window.
#include "afxwin.h"

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
  if (!m_hMenu || !::IsWindow(hWnd)) return FALSE;
  return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, hWnd, lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm) {
  HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
  if (!m_hMenu || !::IsWindow(hWnd)) return FALSE;
  return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, hWnd, lptpm);
}
