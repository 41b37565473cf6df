// The standard controls: CStatic, CButton, CEdit, CComboBox, CListBox. Thin wrappers over the
// controls' messages; owner-drawn items arrive through the parent's reflection (OnChildNotify).
#pragma once
#include "afxwnd_.h"

class AFX_FWAPI CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)

 public:
  CStatic() {}
  virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                      UINT nID = 0xffff);

  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
  HCURSOR SetCursor(HCURSOR hCursor);
  HCURSOR GetCursor();
  HENHMETAFILE SetEnhMetaFile(HENHMETAFILE hMetaFile);
  HENHMETAFILE GetEnhMetaFile() const;

  // Owner-drawn statics (SS_OWNERDRAW) must override this.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_FWAPI CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

 public:
  CButton() {}
  virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                      UINT nID);

  UINT GetState() const;
  void SetState(BOOL bHighlight);
  int GetCheck() const;
  void SetCheck(int nCheck);
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
  HCURSOR SetCursor(HCURSOR hCursor);
  HCURSOR GetCursor();

  // Owner-drawn buttons (BS_OWNERDRAW) must override this.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_FWAPI CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)

 public:
  CEdit() {}
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // ---- attributes
  BOOL CanUndo() const;
  int GetLineCount() const;
  BOOL GetModify() const;
  void SetModify(BOOL bModified = TRUE);
  void GetRect(LPRECT lpRect) const;
  DWORD GetSel() const;
  void GetSel(int& nStartChar, int& nEndChar) const;
  HLOCAL GetHandle() const;
  void SetHandle(HLOCAL hBuffer);
  void SetMargins(UINT nLeft, UINT nRight);
  DWORD GetMargins() const;
  void SetLimitText(UINT nMax);
  UINT GetLimitText() const;
  CPoint PosFromChar(UINT nChar) const;
  // Low word: character index; high word: line index.
  int CharFromPos(CPoint pt) const;
  // Copies line nIndex into lpszBuffer (its first WORD holds the buffer size on entry, which
  // the overload with nMaxLength sets); answers the characters copied, unterminated.
  int GetLine(int nIndex, LPTSTR lpszBuffer) const;
  int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
  TCHAR GetPasswordChar() const;
  int GetFirstVisibleLine() const;

  // ---- operations
  void EmptyUndoBuffer();
  BOOL FmtLines(BOOL bAddEOL);
  void LimitText(int nChars = 0);
  int LineFromChar(int nIndex = -1) const;
  int LineIndex(int nLine = -1) const;
  int LineLength(int nLine = -1) const;
  void LineScroll(int nLines, int nChars = 0);
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  void SetPasswordChar(TCHAR ch);
  void SetRect(LPCRECT lpRect);
  void SetRectNP(LPCRECT lpRect);
  void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  BOOL SetTabStops(int nTabStops, LPINT rgTabStops);
  void SetTabStops();
  BOOL SetTabStops(const int& cxEachStop);
  BOOL Undo();
  void Clear();
  void Copy();
  void Cut();
  void Paste();
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
};

class AFX_FWAPI CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)

 public:
  CListBox() {}
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // ---- attributes
  int GetCount() const;
  int GetHorizontalExtent() const;
  void SetHorizontalExtent(int cxExtent);
  int GetTopIndex() const;
  int SetTopIndex(int nIndex);
  LCID GetLocale() const;
  LCID SetLocale(LCID nNewLocale);
  int InitStorage(int nItems, UINT nBytes);
  UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

  // single selection
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  // multiple selection
  int GetSel(int nIndex) const;
  int SetSel(int nIndex, BOOL bSelect = TRUE);
  int GetSelCount() const;
  int GetSelItems(int nMaxItems, LPINT rgIndex) const;
  void SetAnchorIndex(int nIndex);
  int GetAnchorIndex() const;
  int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem);

  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  void* GetItemDataPtr(int nIndex) const;
  int SetItemDataPtr(int nIndex, void* pData);
  int GetItemRect(int nIndex, LPRECT lpRect) const;
  int GetText(int nIndex, LPTSTR lpszBuffer) const;
  void GetText(int nIndex, CString& rString) const;
  int GetTextLen(int nIndex) const;
  void SetColumnWidth(int cxWidth);
  BOOL SetTabStops(int nTabStops, LPINT rgTabStops);
  void SetTabStops();
  BOOL SetTabStops(const int& cxEachStop);
  int SetItemHeight(int nIndex, UINT cyItemHeight);
  int GetItemHeight(int nIndex) const;
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  int GetCaretIndex() const;
  int SetCaretIndex(int nIndex, BOOL bScroll = TRUE);

  // ---- operations
  int AddString(LPCTSTR lpszItem);
  int DeleteString(UINT nIndex);
  int InsertString(int nIndex, LPCTSTR lpszItem);
  void ResetContent();
  int Dir(UINT attr, LPCTSTR lpszWildCard);
  int FindString(int nStartAfter, LPCTSTR lpszItem) const;
  int SelectString(int nStartAfter, LPCTSTR lpszItem);

  // Owner-drawn list boxes: reached through the parent's reflection.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
  virtual int VKeyToItem(UINT nKey, UINT nIndex);
  virtual int CharToItem(UINT nKey, UINT nIndex);

 protected:
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_FWAPI CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)

 public:
  CComboBox() {}
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // ---- attributes
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  LCID GetLocale() const;
  LCID SetLocale(LCID nNewLocale);
  int GetTopIndex() const;
  int SetTopIndex(int nIndex);
  int InitStorage(int nItems, UINT nBytes);
  void SetHorizontalExtent(UINT nExtent);
  UINT GetHorizontalExtent() const;
  int SetDroppedWidth(UINT nWidth);
  int GetDroppedWidth() const;
  // Low word: start; high word: end of the edit selection.
  DWORD GetEditSel() const;
  BOOL LimitText(int nMaxChars);
  BOOL SetEditSel(int nStartChar, int nEndChar);
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  void* GetItemDataPtr(int nIndex) const;
  int SetItemDataPtr(int nIndex, void* pData);
  int GetLBText(int nIndex, LPTSTR lpszText) const;
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const;
  int SetItemHeight(int nIndex, UINT cyItemHeight);
  int GetItemHeight(int nIndex) const;
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  int SetExtendedUI(BOOL bExtended = TRUE);
  BOOL GetExtendedUI() const;
  void GetDroppedControlRect(LPRECT lprect) const;
  BOOL GetDroppedState() const;

  // ---- operations
  void ShowDropDown(BOOL bShowIt = TRUE);
  int AddString(LPCTSTR lpszString);
  int DeleteString(UINT nIndex);
  int InsertString(int nIndex, LPCTSTR lpszString);
  void ResetContent();
  int Dir(UINT attr, LPCTSTR lpszWildCard);
  int FindString(int nStartAfter, LPCTSTR lpszString) const;
  int SelectString(int nStartAfter, LPCTSTR lpszString);
  void Clear();
  void Copy();
  void Cut();
  void Paste();

  // Owner-drawn combo boxes: reached through the parent's reflection.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

 protected:
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};
