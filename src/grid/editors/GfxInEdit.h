// CGfxInEdit: the in-place text editor the grid places over one cell for one edit.
#pragma once

#include "core/TKWExport.h"

#include "grid/editors/GfxCellRichEdit.h"

// A rich-edit control that lives for one edit: it reports its text to the list (its parent)
// with LVN_ENDLABELEDITW, asks the list to move to a neighbouring cell with WM_USER+3, and
// deletes itself once its window is destroyed. Always allocated with `new`.
class TKWUI_API CGfxInEdit : public CGfxCellRichEdit {
  DECLARE_DYNAMIC(CGfxInEdit)

 public:
  CGfxInEdit(int iItem, int iSubItem, CString strInitText, bool bClick);

  void SetNumberEdit(BOOL bNumberEdit) { m_bNumberEdit = bNumberEdit; }
  BOOL IsBlank() const { return GetWindowTextLength() == 0; }
  // Sends the end notification when the text differs from the initial one, or in non-blank
  // mode, or after Escape. False when the editor is gone afterwards: a receiver that destroys
  // the list destroys (and deletes) the editor with it.
  bool ProcessSelect();

  BOOL PreTranslateMessage(MSG* pMsg) override;

  bool m_bClick;          // started by a click, replayed into the editor once it exists
  BOOL m_bNoBlank;        // an empty text is refused and the end notification always sent
  BOOL m_bNumberEdit;     // digits only
  int m_iItem;            // row of the cell
  int m_iSubItem;         // column of the cell
  CString m_strInitText;  // the cell's text when the edit began
  BOOL m_bESC;            // cancelled with Escape

 protected:
  // Commits, destroys the window and asks the list to move; the object is gone afterwards.
  void Navigate(int nDirection);
  // Makes the editor at least as wide as its text, up to the list's right edge or beyond.
  void WidenToText();
  void PostNcDestroy() override;

  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnNcDestroy();
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  // The edit was reported on leaving the cell: the focus loss while the window goes away must
  // not report it a second time.
  bool m_bReported;
};
