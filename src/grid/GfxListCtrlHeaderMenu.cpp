// CGfxListCtrl: the header's right-click menu and its column commands.
#include "grid/GfxListCtrl.h"

#include "grid/GfxColumnManager.h"
#include "grid/editors/GfxPopupMenu.h"

#include <qxres_ids.h>

namespace {

GFXLIST_COLUMN_DIALOG g_pfnColumnDialog = NULL;

}  // namespace

void CGfxListCtrl::SetColumnDialog(GFXLIST_COLUMN_DIALOG pfnDialog) {
  g_pfnColumnDialog = pfnDialog;
}

void CGfxListCtrl::ShowHeaderMenu(CPoint point) {
  CGfxPopupMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_GFX_SORTASC, _T("Sort Ascending"));
  menu.AppendMenu(MF_STRING, ID_GFX_SORTDESC, _T("Sort Descending"));
  menu.AppendMenu(MF_SEPARATOR, 0, static_cast<LPCTSTR>(NULL));
  menu.AppendMenu(MF_STRING, ID_GFX_CUSTOMIZECOLUMNS, _T("Customize Columns"));
  menu.AppendMenu(MF_STRING, ID_GFX_COLUMNFORMAT, _T("Column Format"));
  menu.LoadToolBarResource(IDR_QX_MENU_TOOLBAR);
  menu.RemapMenu(&menu);
  menu.EnableMenuItems(&menu, this);
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CGfxListCtrl::RunColumnDialog(UINT nCommand) {
  if (!m_pColumnManager || !::IsWindow(m_hWnd)) return;
  // The dialog edits the layout the user sees, not the one the list was built from.
  RetrieveColumnData();
  if (!g_pfnColumnDialog || g_pfnColumnDialog(nCommand, m_pColumnManager, this) != IDOK) return;
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
