// CGfxCellRichEdit: what the rich-edit cell editors share: the edit commands with their update
// handlers, and the right-click menu that offers them.
#pragma once

#include "core/TKWExport.h"

#include <afxrich_.h>
#include <afxwin.h>

class TKWUI_API CGfxCellRichEdit : public CRichEditCtrl {
  DECLARE_DYNAMIC(CGfxCellRichEdit)

 public:
  // Whether the edit commands apply now.
  BOOL UpdateCopy() const;
  BOOL UpdateCut() const { return UpdateCopy(); }
  BOOL UpdatePaste() const { return CanPaste(0); }
  BOOL UpdateUndo() const { return CanUndo(); }

 protected:
  // Tracks the owner-drawn menu of Undo, Cut, Copy and Paste with the given labels at the
  // position of the current message; the chosen command comes back to this window.
  void TrackEditMenu(LPCTSTR pszUndo, LPCTSTR pszCut, LPCTSTR pszCopy, LPCTSTR pszPaste);

  afx_msg void OnEditCopy();
  afx_msg void OnEditCut();
  afx_msg void OnEditPaste();
  afx_msg void OnEditUndo();
  afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
  afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
  DECLARE_MESSAGE_MAP()
};
