// CGfxListCtrl: keys, clicks, double clicks and Enter; the end of a cell edit; editor entry points.
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"

#include <vector>

namespace {

bool KeyHeld(int nVirtKey) {
  return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

bool IsCategoryRow(const CGfxListCtrl& list, int nItem) {
  const CGfxCategoryManager* pManager = list.GetCategoryManager();
  return pManager && nItem >= 0 && pManager->IsListItemACategory(list.GetItemData(nItem)) >= 0;
}

}  // namespace

// Opens the editor the column's kind chooses. False when the column has no editor; bOpened
// tells whether one was actually placed over the cell.
static bool OpenCellEditor(CGfxListCtrl& list, int nItem, int nColumn, bool bByClick,
                           bool& bOpened) {
  bOpened = false;
  const int nSubItem = list.GetColumnIndex(nColumn);
  if (nSubItem < 0) return false;
  if (list.IsEditCol(nSubItem) || list.IsScriptCol(nSubItem) || list.IsPercentCol(nSubItem))
    bOpened = list.EditSubLabel(nItem, nColumn, bByClick) != NULL;
  else if (list.IsComboCol(nSubItem))
    bOpened = list.ComboSubLabel(nItem, nColumn, false, bByClick) != NULL;
  else if (list.IsComboExCol(nSubItem))
    bOpened = list.ComboSubLabel(nItem, nColumn, true, bByClick) != NULL;
  else
    return false;
  return true;
}

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
      if (IsCategoryRow(*this, nItem)) {
        ToggleCategory(nItem);
        return TRUE;
      }
      if (nItem >= 0 && m_nFocusColumn >= 0 && (m_qwFlag & GFXLF_ENTEREDIT)) {
        bool bOpened = false;
        if (OpenCellEditor(*this, nItem, m_nFocusColumn, false, bOpened)) return TRUE;
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
      const int nOld = m_nFocusColumn;
      if (pKey->wVKey == VK_LEFT && m_nFocusColumn > 0)
        --m_nFocusColumn;
      else if (pKey->wVKey == VK_RIGHT && m_nFocusColumn < GetColumnCount() - 1)
        ++m_nFocusColumn;
      if (nOld == m_nFocusColumn) break;
      EnsureSubItemVisible(m_nFocusColumn);
      for (int nColumn : {m_nFocusColumn, nOld}) {
        CRect rcCell(0, 0, 0, 0);
        GetSubItemRect(nFocused, nColumn, rcCell);
        rcCell.InflateRect(1, 0);
        InvalidateRect(&rcCell, FALSE);
      }
      *pResult = 1;
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
  if (nColumn == 0 && IsCategoryRow(*this, nItem)) {
    ToggleCategory(nItem);
    return TRUE;
  }
  if (nColumn != m_nFocusColumn) {
    const int nOld = m_nFocusColumn;
    m_nFocusColumn = nColumn;
    for (int nCell : {nOld, nColumn}) {
      CRect rcCell(0, 0, 0, 0);
      GetSubItemRect(nItem, nCell, rcCell);
      rcCell.InflateRect(1, 0);
      InvalidateRect(&rcCell, FALSE);
    }
  }
  if (nItem != nFocusBefore) {
    SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return FALSE;
  }
  if (IsCategoryRow(*this, nItem) || m_rules.nReadOnly) return FALSE;
  bool bOpened = false;
  OpenCellEditor(*this, nItem, nColumn, true, bOpened);
  return bOpened ? TRUE : FALSE;
}

void CGfxListCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
  SetFocus();
  int nColumn = 0;
  const int nItem = HitTestEx(point, &nColumn);
  if (m_pCategoryManager) {
    if (nColumn >= 1 && IsCategoryRow(*this, nItem)) ToggleCategory(nItem);
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

// ---- end of a cell edit

void CGfxListCtrl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const NMLVDISPINFO* pInfo = reinterpret_cast<const NMLVDISPINFO*>(pNMHDR);
  if (!pInfo->item.pszText) return;  // cancelled
  const CString strText(pInfo->item.pszText);
  const int nColumn = pInfo->item.iSubItem;
  std::vector<int> rows;
  const bool bAllSelected = (m_qwFlag & GFXLF_MULTIEDIT) && GetSelectedCount() > 1;
  if (bAllSelected) {
    for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED))
      rows.push_back(i);
  } else if (pInfo->item.iItem >= 0 && pInfo->item.iItem < GetItemCount())
    rows.push_back(pInfo->item.iItem);

  LXHDREX request;
  request.iNotifyCode = NTEX_SETTEXT;
  request.iListId = GetListId();
  request.iSubItem = GetColumnIndex(nColumn);
  for (int nItem : rows) {
    const DWORD_PTR dwData = GetItemData(nItem);
    request.iItem = nItem;
    request.dwItemData = dwData;
    request.dwFlag = 0;
    request.csText = strText;
    if (SendInfoExMsg(&request))
      ModifyItemEx(nItem, nColumn, dwData, request.csText);
    else
      ModifyItemEx(nItem, nColumn, dwData);
    if (!::IsWindow(m_hWnd)) return;
  }
  if (bAllSelected) SetFocus();
}

// ---- cell editors: none yet; these answer that no editor was opened

CRichEditCtrl* CGfxListCtrl::EditSubLabel(int /*nItem*/, int /*nColumn*/, bool /*bByClick*/) {
  return NULL;
}

CInPlaceCombo* CGfxListCtrl::ComboSubLabel(int /*nItem*/, int /*nColumn*/, bool /*bEditable*/,
                                           bool /*bByClick*/) {
  return NULL;
}

CInPlaceCombo* CGfxListCtrl::ShowInPlaceList(int /*nItem*/, int /*nColumn*/,
                                             CStringArray& /*choices*/, const CString& /*strText*/,
                                             int /*nSelection*/) {
  return NULL;
}

LRESULT CGfxListCtrl::OnUserTab(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  return 0;
}
