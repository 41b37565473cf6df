// The grid's in-place list window over a cell: the process's one CInPlaceCombo.
#include "grid/GfxInPlaceEditors.h"

#include "grid/GfxListCtrl.h"
#include "grid/editors/InPlaceCombo.h"

CInPlaceCombo* CreateInPlaceList(CGfxListCtrl& list, DWORD dwStyle, const CRect& rect, int nItem,
                                 int nColumn, const CStringArray& choices, const CString& strText,
                                 int nSelection) {
  CInPlaceCombo* pCombo = CInPlaceCombo::GetInstance();
  if (!pCombo->ShowForCell(dwStyle, rect, &list, 0, nItem, nColumn, choices, strText, nSelection))
    return NULL;
  return pCombo;
}

void SelectInPlaceListText(CInPlaceCombo* pList, const CString& strText) {
  if (pList && ::IsWindow(pList->GetSafeHwnd())) pList->SelectString(-1, strText);
}
