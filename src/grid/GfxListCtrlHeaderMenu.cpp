// CGfxListCtrl: the header's right-click menu and its column commands.
#include "grid/GfxListCtrl.h"

#include "grid/GfxColumnManager.h"
#include "grid/editors/GfxCustomizeColumnDlg.h"
#include "grid/editors/GfxFormatColumnDlg.h"

namespace {

// Enables the items of a menu through the target's update handlers, as a frame does before
// a menu opens; items without a handler are left as they are.
void UpdateMenuItems(CMenu& menu, CCmdTarget* pTarget) {
  CCmdUI state;
  state.m_pMenu = &menu;
  state.m_nIndexMax = static_cast<UINT>(menu.GetMenuItemCount());
  for (UINT i = 0; i < state.m_nIndexMax; ++i) {
    state.m_nIndex = i;
    state.m_nID = menu.GetMenuItemID(static_cast<int>(i));
    if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
    state.DoUpdate(pTarget, FALSE);
  }
}

GFXLIST_COLUMN_DIALOG g_pfnColumnDialog = NULL;

}  // namespace

void CGfxListCtrl::SetColumnDialog(GFXLIST_COLUMN_DIALOG pfnDialog) {
  g_pfnColumnDialog = pfnDialog;
}

void CGfxListCtrl::ShowHeaderMenu(CPoint point) {
  CMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_GFX_SORTASC, _T("Sort Ascending"));
  menu.AppendMenu(MF_STRING, ID_GFX_SORTDESC, _T("Sort Descending"));
  menu.AppendMenu(MF_SEPARATOR, 0, static_cast<LPCTSTR>(NULL));
  menu.AppendMenu(MF_STRING, ID_GFX_CUSTOMIZECOLUMNS, _T("Customize Columns"));
  menu.AppendMenu(MF_STRING, ID_GFX_COLUMNFORMAT, _T("Column Format"));
  UpdateMenuItems(menu, this);
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
  menu.DestroyMenu();
}

namespace {

// The list's own column dialogs, used unless another one was set with SetColumnDialog.
INT_PTR RunBuiltInColumnDialog(UINT nCommand, CGfxColumnManager* pManager, CWnd* pParent) {
  if (nCommand == ID_GFX_COLUMNFORMAT) {
    CGfxFormatColumnDlg dlg(pParent);
    dlg.m_pColumnManager = pManager;
    return dlg.DoModal();
  }
  CGfxCustomizeColumnDlg dlg(pParent);
  dlg.m_pColumnManager = pManager;
  return dlg.DoModal();
}

}  // namespace

void CGfxListCtrl::RunColumnDialog(UINT nCommand) {
  if (!m_pColumnManager || !::IsWindow(m_hWnd)) return;
  // The dialog edits the layout the user sees, not the one the list was built from.
  RetrieveColumnData();
  const GFXLIST_COLUMN_DIALOG pfnDialog =
      g_pfnColumnDialog ? g_pfnColumnDialog : RunBuiltInColumnDialog;
  if (pfnDialog(nCommand, m_pColumnManager, this) != IDOK) return;
  if (::IsWindow(m_hWnd)) SetupColumnData();
}

void CGfxListCtrl::OnColumnFormat() {
  RunColumnDialog(ID_GFX_COLUMNFORMAT);
}

void CGfxListCtrl::OnCustomizeColumns() {
  RunColumnDialog(ID_GFX_CUSTOMIZECOLUMNS);
}

void CGfxListCtrl::OnUpdateColumnCommand(CCmdUI* pCmdUI) {
  pCmdUI->Enable(m_pColumnManager != NULL);
}
