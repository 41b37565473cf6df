// CGfxListCtrl: keys, clicks, double clicks and Enter.
#include "grid/GfxListCtrl.h"

#include "grid/logic/CellNavigation.h"

namespace {

bool KeyHeld(int nVirtKey) {
  return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

}  // namespace

// ---- keys

BOOL CGfxListCtrl::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->hwnd == m_hWnd && pMsg->wParam == VK_RETURN) {
    // Alt+Enter arrives as a system key, which the list view never reports.
    if (pMsg->message == WM_SYSKEYDOWN) {
      OnProperties(-1);
      return TRUE;
    }
    if (pMsg->message == WM_KEYDOWN && !KeyHeld(VK_MENU) &&
        (m_qwFlag & (GFXLF_ENTEREDIT | GFXLF_ENTERPROPERTIES))) {
      const int nItem = GetNextItem(-1, LVNI_SELECTED);
      if (IsCategoryRow(nItem)) {
        ToggleCategory(nItem);
        return TRUE;
      }
      if (nItem >= 0 && m_nFocusColumn >= 0 && (m_qwFlag & GFXLF_ENTEREDIT)) {
        bool bOpened = false;
        if (OpenCellEditor(nItem, m_nFocusColumn, false, bOpened)) return TRUE;
      }
      if (m_qwFlag & GFXLF_ENTERPROPERTIES) {
        OnProperties(-1);
        return TRUE;
      }
    }
  }
  return CListCtrl::PreTranslateMessage(pMsg);
}

void CGfxListCtrl::OnKeyDown(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const NMLVKEYDOWN* pKey = reinterpret_cast<const NMLVKEYDOWN*>(pNMHDR);
  HideTip();
  const bool bCtrl = KeyHeld(VK_CONTROL);
  switch (pKey->wVKey) {
    case VK_LEFT:
    case VK_RIGHT: {
      const int nFocused = GetNextItem(-1, LVNI_FOCUSED);
      if (nFocused < 0) break;
      *pResult = 1;
      const int nOld = m_nFocusColumn;
      m_nFocusColumn = tkw::cells::StepFocusColumn(m_nFocusColumn, pKey->wVKey == VK_LEFT ? -1 : 1,
                                                   GetColumnCount());
      if (nOld == m_nFocusColumn) break;
      EnsureSubItemVisible(m_nFocusColumn);
      InvalidateCells(nFocused, m_nFocusColumn, nOld);
      break;
    }
    case 'A':
      if (bCtrl) OnSelectAll();
      break;
    case VK_DELETE:
      if (m_rules.bAllowDelete && !m_rules.nReadOnly) OnDelete();
      break;
    case VK_INSERT:
      if (m_rules.bAllowInsert && !m_rules.nReadOnly) OnInsert();
      break;
    case 'C':
      if (bCtrl) OnCopy();
      break;
    case 'V':
      if (bCtrl) OnPaste();
      break;
    case VK_RETURN:
      if (KeyHeld(VK_MENU)) OnProperties(-1);
      break;
    case VK_F5: OnRefresh(); break;
    case 'P':
      if (bCtrl) OnPrint();
      break;
    default: break;
  }
}

// ---- mouse

void CGfxListCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  SetFocus();
  // The list view focuses the clicked row before it reports the click: a click selects a
  // row that had no focus yet and only a second one edits.
  m_nFocusBeforeClick = GetNextItem(-1, LVNI_FOCUSED);
  CListCtrl::OnLButtonDown(nFlags, point);
}

void CGfxListCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
  CListCtrl::OnLButtonUp(nFlags, point);
}

BOOL CGfxListCtrl::OnClick(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  SetFocus();
  CPoint point = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR)->ptAction;
  int nColumn = -1;
  const int nItem = HitTestEx(point, &nColumn);
  const int nFocusBefore = m_nFocusBeforeClick;
  m_nFocusBeforeClick = -1;
  if (nItem < 0) return FALSE;
  if (nColumn == 0 && IsCategoryRow(nItem)) {
    ToggleCategory(nItem);
    return TRUE;
  }
  if (nColumn != m_nFocusColumn) {
    const int nOld = m_nFocusColumn;
    m_nFocusColumn = nColumn;
    InvalidateCells(nItem, nOld, nColumn);
  }
  if (nItem != nFocusBefore) {
    SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return FALSE;
  }
  if (IsCategoryRow(nItem) || m_rules.nReadOnly) return FALSE;
  bool bOpened = false;
  OpenCellEditor(nItem, nColumn, true, bOpened);
  return bOpened ? TRUE : FALSE;
}

void CGfxListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
  SetFocus();
  int nColumn = 0;
  const int nItem = HitTestEx(point, &nColumn);
  if (m_pCategoryManager) {
    if (nColumn >= 1 && IsCategoryRow(nItem)) ToggleCategory(nItem);
  } else if (nItem >= 0) {
    if (IsLinkCol(GetColumnIndex(nColumn))) {
      CString strUrl;
      GetItemTextEx(nItem, nColumn, strUrl, NULL);
      HANDLE hBrowser = NULL;
      OpenLink(strUrl, SW_SHOW, &hBrowser);
      if (hBrowser) ::CloseHandle(hBrowser);
    } else
      OnProperties(nItem);
  }
  CListCtrl::OnLButtonDblClk(nFlags, point);
}
