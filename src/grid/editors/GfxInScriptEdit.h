// CGfxInScriptEdit: the script editor placed over a grid cell for one edit.
#pragma once

#include "core/TKWExport.h"
#include "script/ScriptEditCtrl.h"

// A script editor (coloured calls, assist list, parameter tip, wizard) with the text editor's
// end-of-edit protocol: it reports its text to the list (its parent) with LVN_ENDLABELEDITW,
// asks the list to move with WM_USER+3, and deletes itself once its window is destroyed. The
// focus may go into its own assist list or into the wizard without ending the edit. Always
// allocated with `new`.
class TKWUI_API CGfxInScriptEdit : public CScriptEditCtrl {
  DECLARE_DYNAMIC(CGfxInScriptEdit)

 public:
  CGfxInScriptEdit(int iItem, int iSubItem, CString strInitText, bool bClick);

  // Sends the end notification when the text differs from the initial one or after Escape.
  // False when the editor is gone afterwards (a receiver may destroy the list).
  bool ProcessSelect();

  BOOL PreTranslateMessage(MSG* pMsg) override;

  bool m_bClick;          // started by a click, replayed into the editor once it exists
  int m_iItem;            // row of the cell
  int m_iSubItem;         // column of the cell
  CString m_strInitText;  // the cell's text when the edit began
  BOOL m_bESC;            // cancelled with Escape

 protected:
  // Commits, destroys the window and asks the list to move; the object is gone afterwards.
  void Navigate(int nDirection);
  // Commits (restoring the initial text after Escape) and destroys the window.
  void Finish();
  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  // The edit was reported on leaving the cell: the focus loss while the window goes away must
  // not report it a second time.
  bool m_bReported;
};
