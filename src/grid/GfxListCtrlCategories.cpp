// CGfxListCtrl: the category view (turning it on and off, opening and closing categories).
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"

#include <algorithm>

namespace {

// Width column 0 takes while categories are shown: room for the open/close buttons.
const int kCategoryGutterWidth = 18;

}  // namespace

CGfxCategoryManager* CGfxListCtrl::CreateCategoryManager() {
  delete m_pCategoryManager;
  m_pCategoryManager = new CGfxCategoryManager;
  return m_pCategoryManager;
}

void CGfxListCtrl::EnableCategoryView(bool bEnable) {
  if (!::IsWindow(m_hWnd)) {
    if (!bEnable) {
      delete m_pCategoryManager;
      m_pCategoryManager = NULL;
    }
    return;
  }

  if (bEnable) {
    SetFocus();
    if (!m_pCategoryManager) CreateCategoryManager();
    m_pCategoryManager->SetOwner(GetParent());
    m_pCategoryManager->SetCategoryCallback(m_owner.pfnCategory);
    if (GetColumnCount() > 0 && GetColumnIndex(0) == 0 && GetColumnWidth(0) == 0)
      SetColumnWidth(0, kCategoryGutterWidth);
    m_pCategoryManager->SetupList(this);
    SetItemHeight(m_rows.nCategoryHeight, true);  // every row takes the category height
    SetFocus();
    return;
  }

  if (!m_pCategoryManager) return;
  // Only a gutter the category view made itself goes back to nothing.
  CHeaderCtrl* pHeader = GetHeaderCtrl();
  if (pHeader && pHeader->GetItemCount() > 0) {
    HDITEM item = {};
    item.mask = HDI_WIDTH | HDI_LPARAM;
    if (pHeader->GetItem(0, &item) && item.cxy == kCategoryGutterWidth && item.lParam == 0)
      SetColumnWidth(0, 0);
  }
  m_pCategoryManager->ResetList(this);
  delete m_pCategoryManager;
  m_pCategoryManager = NULL;
  SetItemHeight(m_rows.nHeight, false);
}

void CGfxListCtrl::ToggleCategory(int nItem) {
  if (!m_pCategoryManager || !::IsWindow(m_hWnd) || nItem < 0 || nItem >= GetItemCount()) return;
  const int nIndex = m_pCategoryManager->IsListItemACategory(GetItemData(nItem));
  CGfxCategoryManager::CGfxCategory* pCategory = m_pCategoryManager->GetCategory(nIndex);
  if (!pCategory) return;

  if (!pCategory->bOpen) {
    m_pCategoryManager->FillCategoryItems(nIndex, nItem, this);
    pCategory->bOpen = true;
    Update(nItem);
    return;
  }

  m_pCategoryManager->RemoveCategoryItems(nIndex, nItem, this);
  pCategory->bOpen = false;
  // The rows below moved up: repaint from the category row to the bottom.
  CRect rcRepaint;
  GetClientRect(&rcRepaint);
  CRect rcRow;
  if (GetItemRect(nItem, &rcRow, LVIR_BOUNDS)) rcRepaint.top = std::max(rcRepaint.top, rcRow.top);
  InvalidateRect(&rcRepaint);
  if (GetFlag() & GFXLF_SCROLLBARS) ResetScrollBar();
}
