// CGfxListCtrl: opening the in-place editors, taking their values back and moving between
// cells from an editor.
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"
#include "grid/GfxInPlaceEditors.h"
#include "grid/logic/CellEditorPlacement.h"
#include "grid/logic/CellNavigation.h"

#include <richedit.h>

#include <memory>
#include <vector>

using tkw::cells::CellEditor;

namespace {

// Left edge of the column at a position relative to the row's left edge.
int ColumnOffset(const CGfxListCtrl& list, int nColumn) {
  int nOffset = 0;
  for (int i = 0; i < nColumn; ++i) nOffset += list.GetColumnWidth(i);
  return nOffset;
}

int ColumnFormat(CGfxListCtrl& list, int nColumn) {
  LVCOLUMN column = {};
  column.mask = LVCF_FMT;
  return list.GetColumn(nColumn, &column) ? column.fmt : LVCFMT_LEFT;
}

}  // namespace

CellEditor CGfxListCtrl::GetCellEditor(int nColumn) const {
  tkw::cells::EditorMasks masks;
  masks.edit = m_masks.dwEdit;
  masks.script = m_masks.dwScript;
  masks.percent = m_masks.dwPercent;
  masks.dropList = m_masks.dwCombo;
  masks.dropDown = m_masks.dwComboEx;
  return tkw::cells::ChooseCellEditor(masks, GetColumnIndex(nColumn));
}

bool CGfxListCtrl::IsCategoryRow(int nItem) const {
  return m_pCategoryManager && nItem >= 0 &&
         m_pCategoryManager->IsListItemACategory(GetItemData(nItem)) >= 0;
}

bool CGfxListCtrl::OpenCellEditor(int nItem, int nColumn, bool bByClick, bool& bOpened) {
  bOpened = false;
  const CellEditor editor = GetCellEditor(nColumn);
  if (tkw::cells::IsTextKind(editor))
    bOpened = EditSubLabel(nItem, nColumn, bByClick) != NULL;
  else if (editor == CellEditor::DropList || editor == CellEditor::DropDown)
    bOpened = ComboSubLabel(nItem, nColumn, editor == CellEditor::DropDown, bByClick) != NULL;
  else
    return false;
  return true;
}

void CGfxListCtrl::InvalidateCells(int nItem, int nColumnA, int nColumnB) {
  for (int nColumn : {nColumnA, nColumnB}) {
    CRect rcCell(0, 0, 0, 0);
    GetSubItemRect(nItem, nColumn, rcCell);
    rcCell.InflateRect(1, 0);
    InvalidateRect(&rcCell, FALSE);
  }
}

// ---- opening editors

CRichEditCtrl* CGfxListCtrl::EditSubLabel(int nItem, int nColumn, bool bByClick) {
  if (!::IsWindow(m_hWnd) || !EnsureVisible(nItem, FALSE)) return NULL;
  if (nColumn < 0 || nColumn >= GetColumnCount() ||
      GetColumnWidth(nColumn) < tkw::cells::kMinEditableWidth)
    return NULL;
  CRect rcRow, rcClient;
  if (!GetItemRect(nItem, &rcRow, LVIR_BOUNDS)) return NULL;
  GetClientRect(&rcClient);
  const CRect rect =
      tkw::cells::TextEditorRect(rcRow, ColumnOffset(*this, nColumn), GetColumnWidth(nColumn),
                                 m_rows.nPreviewHeight, rcClient.right);
  DWORD dwStyle = WS_CHILD | WS_VISIBLE;
  switch (ColumnFormat(*this, nColumn) & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: dwStyle |= ES_MULTILINE | ES_RIGHT; break;
    case LVCFMT_CENTER: dwStyle |= ES_MULTILINE | ES_CENTER; break;
    default: break;
  }
  const DWORD_PTR dwData = GetItemData(nItem);
  CString strText;
  GetItemTextEx(nItem, nColumn, strText, &dwData);

  CellEditor kind = GetCellEditor(nColumn);
  if (!tkw::cells::IsTextKind(kind)) kind = CellEditor::Text;
  CRichEditCtrl* pEditor =
      CreateCellTextEditor(*this, kind, nItem, nColumn, strText, bByClick, dwStyle, rect);
  if (!pEditor || kind == CellEditor::Script) return pEditor;

  if (m_qwFlag & GFXLF_CELLINFO) {
    LXHDREX request;
    request.iNotifyCode = NTEX_ITEMINFO;
    request.iListId = GetListId();
    request.iItem = nItem;
    request.iSubItem = GetColumnIndex(nColumn);
    request.dwItemData = dwData;
    request.dwFlag = 0;
    if (SendInfoExMsg(&request)) {
      const HWND hEditor = CellTextEditorWindow(pEditor);
      ::SendMessage(hEditor, WM_SETFONT, reinterpret_cast<WPARAM>(FontForAnswer(request)), TRUE);
      if (request.dwFlag & LXHDREX_TEXTCOLOR) {
        CHARFORMAT2 format = {};
        format.cbSize = sizeof(format);
        format.dwMask = CFM_COLOR;
        format.crTextColor = request.crText;
        ::SendMessage(hEditor, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
      }
    }
  }
  return pEditor;
}

CInPlaceCombo* CGfxListCtrl::ComboSubLabel(int nItem, int nColumn, bool /*bEditable*/,
                                           bool /*bByClick*/) {
  if (!::IsWindow(m_hWnd) || !EnsureVisible(nItem, FALSE) || !EnsureSubItemVisible(nColumn))
    return NULL;
  const DWORD_PTR dwData = GetItemData(nItem);
  CString strText;
  GetItemTextEx(nItem, nColumn, strText, &dwData);

  // The list copies the choices it shows: the array lives only for the request.
  std::unique_ptr<CStringArray> choices(new CStringArray);
  LXHDREX request;
  request.iNotifyCode = NTEX_COMBOREQUEST;
  request.iListId = GetListId();
  request.iItem = nItem;
  request.iSubItem = GetColumnIndex(nColumn);
  request.dwItemData = dwData;
  request.iReserved = 128;
  request.dwFlag = 0;
  request.csText = strText;
  request.pcsaChoices = choices.get();
  if (!SendInfoExMsg(&request) || !::IsWindow(m_hWnd)) return NULL;

  CInPlaceCombo* pList = ShowInPlaceList(nItem, nColumn, *choices, strText, -1);
  if (pList) SelectInPlaceListText(pList, strText);
  return pList;
}

CInPlaceCombo* CGfxListCtrl::ShowInPlaceList(int nItem, int nColumn, CStringArray& choices,
                                             const CString& strText, int nSelection) {
  if (!::IsWindow(m_hWnd) || !EnsureVisible(nItem, FALSE)) return NULL;
  if (nColumn < 0 || nColumn >= GetColumnCount() || GetColumnWidth(nColumn) < 10) return NULL;
  CRect rect;
  CalculateCellRect(nColumn, nItem, rect);
  const CRect rcList = tkw::cells::InPlaceListRect(rect, static_cast<int>(choices.GetSize()));
  return CreateInPlaceList(*this, m_rules.dwInPlaceListStyle, rcList, nItem, nColumn, choices,
                           strText, nSelection);
}

// ---- the end of an edit

void CGfxListCtrl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const NMLVDISPINFO* pInfo = reinterpret_cast<const NMLVDISPINFO*>(pNMHDR);
  if (!pInfo->item.pszText) return;  // cancelled
  const CString strText(pInfo->item.pszText);
  const int nColumn = pInfo->item.iSubItem;
  std::vector<int> selected;
  for (int i = GetNextItem(-1, LVNI_SELECTED); i >= 0; i = GetNextItem(i, LVNI_SELECTED))
    selected.push_back(i);
  const bool bMulti = (m_qwFlag & GFXLF_MULTIEDIT) != 0;
  const std::vector<int> rows =
      tkw::cells::CommitRows(pInfo->item.iItem, GetItemCount(), selected, bMulti);

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
    const bool bAnswered = SendInfoExMsg(&request) != 0;
    // The owner may have destroyed the list, or deleted rows, while it answered.
    if (!::IsWindow(m_hWnd)) return;
    if (nItem >= GetItemCount()) continue;
    if (bAnswered)
      ModifyItemEx(nItem, nColumn, dwData, request.csText);
    else
      ModifyItemEx(nItem, nColumn, dwData);
  }
  if (bMulti && selected.size() > 1) SetFocus();
}

// ---- moving from an editor to another cell

LRESULT CGfxListCtrl::OnUserTab(WPARAM wParam, LPARAM lParam) {
  const int* pCell = reinterpret_cast<const int*>(lParam);
  if (!pCell || !::IsWindow(m_hWnd)) return 0;
  const int nSelected = GetNextItem(-1, LVNI_SELECTED);
  const int nFocused = GetNextItem(-1, LVNI_FOCUSED);
  const UINT nBoth = LVIS_SELECTED | LVIS_FOCUSED;
  switch (wParam) {
    case 0:
    case 1: {
      const tkw::cells::CellPos target = tkw::cells::FindEditableCell(
          {pCell[0], pCell[1]}, wParam == 0, GetItemCount(), GetColumnCount(),
          [this](int nColumn) { return GetCellEditor(nColumn) != CellEditor::None; });
      if (!target.Valid()) break;
      m_nFocusColumn = target.column;
      if (GetSelectedCount() == 1 && nSelected != target.row) SetItemState(nSelected, 0, nBoth);
      SetItemState(target.row, nBoth, nBoth);
      if (!IsCategoryRow(target.row)) {
        bool bOpened = false;
        OpenCellEditor(target.row, target.column, false, bOpened);
      }
      break;
    }
    case 2:
    case 3: {
      m_nFocusColumn =
          tkw::cells::StepFocusColumn(m_nFocusColumn, wParam == 2 ? -1 : 1, GetColumnCount());
      CRect rcRow;
      if (nSelected >= 0 && GetItemRect(nSelected, &rcRow, LVIR_BOUNDS))
        InvalidateRect(&rcRow, FALSE);
      EnsureSubItemVisible(m_nFocusColumn);
      break;
    }
    case 4:
    case 5: {
      const int nTarget = wParam == 4 ? nFocused - 1 : nFocused + 1;
      if (nFocused < 0 || nTarget < 0 || nTarget >= GetItemCount()) break;
      if (GetSelectedCount() == 1) SetItemState(nSelected, 0, nBoth);
      SetItemState(nTarget, nBoth, nBoth);
      break;
    }
    default: break;
  }
  return 0;
}
