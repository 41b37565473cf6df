// CGfxCellRichEdit: the edit commands and the right-click menu of the rich-edit cell editors.
#include "grid/editors/GfxCellRichEdit.h"

#include "grid/editors/GfxPopupMenu.h"

#include <afxres.h>
#include <qxres_ids.h>
#include <windowsx.h>

IMPLEMENT_DYNAMIC(CGfxCellRichEdit, CRichEditCtrl)

BEGIN_MESSAGE_MAP(CGfxCellRichEdit, CRichEditCtrl)
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
  ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
  ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
END_MESSAGE_MAP()

void CGfxCellRichEdit::TrackEditMenu(LPCTSTR pszUndo, LPCTSTR pszCut, LPCTSTR pszCopy,
                                     LPCTSTR pszPaste) {
  CGfxPopupMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_EDIT_UNDO, pszUndo);
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, ID_EDIT_CUT, pszCut);
  menu.AppendMenu(MF_STRING, ID_EDIT_COPY, pszCopy);
  menu.AppendMenu(MF_STRING, ID_EDIT_PASTE, pszPaste);
  menu.LoadToolBarResource(IDR_QX_MENU_TOOLBAR);
  menu.RemapMenu(&menu);
  // The update handlers enable the commands that apply now.
  menu.EnableMenuItems(&menu, this);
  const DWORD dwPos = ::GetMessagePos();
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, GET_X_LPARAM(dwPos), GET_Y_LPARAM(dwPos),
                      this);
  menu.DestroyMenu();
}

BOOL CGfxCellRichEdit::UpdateCopy() const {
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  return nStart != nEnd;
}

void CGfxCellRichEdit::OnEditCopy() {
  SendMessage(WM_COPY);
}
void CGfxCellRichEdit::OnEditCut() {
  SendMessage(WM_CUT);
}
void CGfxCellRichEdit::OnEditPaste() {
  SendMessage(WM_PASTE);
}
void CGfxCellRichEdit::OnEditUndo() {
  SendMessage(EM_UNDO);
}
void CGfxCellRichEdit::OnUpdateEditCopy(CCmdUI* pCmdUI) {
  pCmdUI->Enable(UpdateCopy());
}
void CGfxCellRichEdit::OnUpdateEditCut(CCmdUI* pCmdUI) {
  pCmdUI->Enable(UpdateCut());
}
void CGfxCellRichEdit::OnUpdateEditPaste(CCmdUI* pCmdUI) {
  pCmdUI->Enable(UpdatePaste());
}
void CGfxCellRichEdit::OnUpdateEditUndo(CCmdUI* pCmdUI) {
  pCmdUI->Enable(UpdateUndo());
}
