// CRichEditCtrl: the rich edit control (RichEdit20W) and the loading of its library.
#pragma once
#include "afxwin.h"
#include <richedit.h>

// Loads the rich edit library once per process (it stays loaded); true when it is available.
// Call it before creating a rich edit control or a dialog whose template holds one.
AFX_FWAPI BOOL AFXAPI AfxInitRichEdit2();
// The same library: both names create RichEdit20W controls.
AFX_FWAPI BOOL AFXAPI AfxInitRichEdit();

class AFX_FWAPI CRichEditCtrl : public CWnd {
  DECLARE_DYNAMIC(CRichEditCtrl)

 public:
  CRichEditCtrl() {}
  // Loads the library first, so that callers need not.
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID);

  // ---- attributes
  BOOL CanUndo() const;
  BOOL CanRedo() const;
  // Whether the clipboard holds something the control can paste (nFormat 0: any format).
  BOOL CanPaste(UINT nFormat = 0) const;
  int GetLineCount() const;
  BOOL GetModify() const;
  void SetModify(BOOL bModified = TRUE);
  void GetRect(LPRECT lpRect) const;
  void SetRect(LPCRECT lpRect);
  UINT GetOptions() const;
  void SetOptions(WORD wOp, DWORD dwFlags);
  // Line nIndex into lpszBuffer, at most nMaxLength characters, terminated; its length.
  int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
  void GetSel(long& nStartChar, long& nEndChar) const;
  void GetSel(CHARRANGE& cr) const;
  CString GetSelText() const;
  WORD GetSelectionType() const;
  void LimitText(long nChars = 0);
  long GetLimitText() const;
  long LineFromChar(long nIndex) const;
  DWORD GetDefaultCharFormat(CHARFORMAT& cf) const;
  DWORD GetDefaultCharFormat(CHARFORMAT2& cf) const;
  DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;
  DWORD GetSelectionCharFormat(CHARFORMAT2& cf) const;
  BOOL SetDefaultCharFormat(CHARFORMAT& cf);
  BOOL SetDefaultCharFormat(CHARFORMAT2& cf);
  BOOL SetSelectionCharFormat(CHARFORMAT& cf);
  BOOL SetSelectionCharFormat(CHARFORMAT2& cf);
  BOOL SetWordCharFormat(CHARFORMAT& cf);
  DWORD GetParaFormat(PARAFORMAT& pf) const;
  BOOL SetParaFormat(PARAFORMAT& pf);
  long GetEventMask() const;
  DWORD SetEventMask(DWORD dwEventMask);
  // The previous background colour; bSysColor uses the window colour instead of cr.
  COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  BOOL SetTargetDevice(HDC hDC, long lLineWidth);
  long GetTextLength() const;
  long GetTextLengthEx(DWORD dwFlags = GTL_DEFAULT, UINT nCodePage = 1200) const;
  int GetFirstVisibleLine() const;
  // Characters nFirst to nLast (exclusive) into refString; their count.
  long GetTextRange(int nFirst, int nLast, CString& refString) const;

  // ---- operations
  void SetSel(long nStartChar, long nEndChar);
  void SetSel(CHARRANGE& cr);
  void HideSelection(BOOL bHide, BOOL bPerm);
  void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
  void EmptyUndoBuffer();
  BOOL Undo();
  BOOL Redo();
  void StopGroupTyping();
  int LineIndex(int nLine = -1) const;
  int LineLength(int nLine = -1) const;
  void LineScroll(int nLines, int nChars = 0);
  void Clear();
  void Copy();
  void Cut();
  void Paste();
  void PasteSpecial(UINT nClipFormat, DWORD dvAspect = 0, HMETAFILE hMF = 0);
  long FindText(DWORD dwFlags, FINDTEXTEX* pFindText) const;
  long FormatRange(FORMATRANGE* pfr, BOOL bDisplay = TRUE);
  BOOL DisplayBand(LPRECT pDisplayRect);
  void RequestResize();
  long StreamIn(int nFormat, EDITSTREAM& es);
  long StreamOut(int nFormat, EDITSTREAM& es);
  CPoint PosFromChar(UINT nChar) const;
  int CharFromPos(CPoint pt) const;
};
