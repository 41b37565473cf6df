// CGfxInCombo: a composite chooser a host places over a grid cell, with its edit, static and
// drop-down list parts.
#pragma once

#include "core/TKWExport.h"
#include "grid/editors/GfxCellRichEdit.h"

#include <afxrich_.h>
#include <afxwin.h>

// Sent to the combo by its parts when a value is chosen: wParam the index, lParam the text.
#define WM_GFXINCOMBO_SELENDOK (WM_USER + 2)

class CGfxInCombo;

// The edit part of an editable combo: a rich-edit control that completes typed text from the
// choices, steps through them with Up and Down, and offers the edit commands on a right click.
class TKWUI_API CGfxInComboEdit : public CGfxCellRichEdit {
  DECLARE_DYNAMIC(CGfxInComboEdit)

 public:
  CGfxInComboEdit();

  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Shows a text without completing it.
  void SetText(const CString& text);

  bool m_bClick;          // replay the starting click once created; set by the combo
  BOOL m_bESC;            // Escape was pressed in the part
  CGfxInCombo* m_pCombo;  // the combo the part belongs to
  CString m_strLastText;  // the text when the part last lost the focus
  bool m_bDeleting;       // the last key was Delete or Backspace: no completion

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnChange();
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  bool m_bSettingText;  // the text changes by program: no completion
};

// The static part of a combo that cannot be typed in: shows the current choice.
class TKWUI_API CGfxInComboStatic : public CStatic {
  DECLARE_DYNAMIC(CGfxInComboStatic)

 public:
  CGfxInComboStatic();

  BOOL PreTranslateMessage(MSG* pMsg) override;

  CGfxInCombo* m_pCombo;  // the combo the part belongs to
  COLORREF m_crText;      // text colour

 protected:
  void Paint(HDC hdc);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

// The drop-down list part: a list box on the grid below the combo, alive while it is open.
class TKWUI_API CGfxInComboList : public CListBox {
  DECLARE_DYNAMIC(CGfxInComboList)

 public:
  CGfxInComboList();

  BOOL PreTranslateMessage(MSG* pMsg) override;

  CGfxInCombo* m_pCombo;  // the combo the part belongs to
  int m_nLastSel;         // the selection when the part last lost the focus; -1 none
  CString m_strLastSel;   // its text

 protected:
  // Hands the selection (or, once the window is gone, the saved one) to the combo.
  void Choose();
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()
};

// Lives for one edit: created over the cell, reports each choice at once to the list (its
// parent) with an end-of-label-edit notification, moves to a neighbouring cell on Tab and
// Left/Right, and deletes itself, together with its choices, when its window is destroyed.
class TKWUI_API CGfxInCombo : public CWnd {
  DECLARE_DYNAMIC(CGfxInCombo)

 public:
  // Takes ownership of pItems (allocated with new; may be null).
  CGfxInCombo(int iItem, int iSubItem, CString strInitText, CStringArray* pItems, bool bEditable,
              bool bClick);
  ~CGfxInCombo() override;

  BOOL Create(DWORD dwStyle, CRect rect, CWnd* pParent, int nID);
  BOOL DestroyWindow() override;

  // Makes nSel the current choice and shows it; ignored when out of range.
  void SetCurSel(int nSel);
  int GetCurSel() const { return m_nCurSel; }
  // First choice at or after nStart starting with text, ignoring case; -1 if none.
  int FindString(int nStart, CString text) const;
  // First choice at or after nStart equal to text (case-sensitive, non-empty); -1 if none.
  int FindStringExact(int nStart, LPCTSTR text) const;
  // Type-ahead on a key's character: the found choice becomes current; empty if none.
  CString FindFromCharPressed(TCHAR ch);
  // Reports pszText (or the part's text when null) to the list if it differs from the last
  // reported text; a null text after Escape. False when the combo is gone afterwards: a
  // receiver that destroys the list destroys (and deletes) the combo with it.
  bool ProcessSelect(LPCTSTR pszText);

  // Commit, close and ask the list to move: left, right, next and previous editable cell.
  void LeftCell();
  void RightCell();
  void NextTab();
  void PreviousTab();
  void UpCell() {}
  void DownCell() {}

  void DrawButton(CDC* pDC, bool bPressed);
  void InvalidateButton();

  BOOL PreTranslateMessage(MSG* pMsg) override;

  HFONT m_hFont;            // font of the parts; the combo's own when null
  bool m_bFlat;             // flat drop button
  bool m_bClick;            // the edit was started by a click
  int m_nCurSel;            // current choice; -1 none
  bool m_bEditable;         // edit part (true) or static part (false)
  int m_nButtonWidth;       // width of the drop button
  int m_iItem, m_iSubItem;  // the cell
  CString m_strInitText;    // the last text reported to the list
  BOOL m_bESC;              // cancelled
  CStringArray* m_pItems;   // the choices; owned
  HBITMAP m_hComboBitmap;   // the system's combo arrow
  CGfxInComboEdit m_wndEdit;
  CGfxInComboStatic m_wndStatic;
  CGfxInComboList m_wndList;
  bool m_bAutoComplete;  // complete typed text from the choices
  COLORREF m_crText;     // text colour

 protected:
  void PostNcDestroy() override;
  // Whether pWnd is the list part or a window inside the combo.
  bool IsOwnWindow(CWnd* pWnd) const;
  bool IsListOpen() const;
  // Shows text in the edit or static part.
  void ShowText(const CString& text);
  // Copies the cell, commits, closes, and asks the list to move in nDirection.
  void Navigate(int nDirection);
  void OpenList();
  // Runs the keys a combo without edit part takes (also for its static part); true if eaten.
  bool TypeAheadKey(MSG* pMsg);

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnNcDestroy();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg LRESULT OnSelendOk(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  bool m_bClosing;  // DestroyWindow has begun: focus changes end nothing more

  friend class CGfxInComboEdit;
  friend class CGfxInComboStatic;
  friend class CGfxInComboList;
};
