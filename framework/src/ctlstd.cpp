// CStatic, CButton, CEdit, CListBox, CComboBox: the standard controls' messages as members.
#include "ctlwrap_.h"

using namespace afx_internal;

// ---- CStatic
IMPLEMENT_DYNAMIC(CStatic, CWnd)

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
  return CWnd::Create(L"STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}
HICON CStatic::SetIcon(HICON hIcon) {
  return HICON(Send(m_hWnd, STM_SETICON, WPARAM(hIcon)));
}
HICON CStatic::GetIcon() const {
  return HICON(Send(m_hWnd, STM_GETICON));
}
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) {
  return HBITMAP(Send(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, LPARAM(hBitmap)));
}
HBITMAP CStatic::GetBitmap() const {
  return HBITMAP(Send(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP));
}
HCURSOR CStatic::SetCursor(HCURSOR hCursor) {
  return HCURSOR(Send(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, LPARAM(hCursor)));
}
HCURSOR CStatic::GetCursor() {
  return HCURSOR(Send(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR));
}
HENHMETAFILE CStatic::SetEnhMetaFile(HENHMETAFILE h) {
  return HENHMETAFILE(Send(m_hWnd, STM_SETIMAGE, IMAGE_ENHMETAFILE, LPARAM(h)));
}
HENHMETAFILE CStatic::GetEnhMetaFile() const {
  return HENHMETAFILE(Send(m_hWnd, STM_GETIMAGE, IMAGE_ENHMETAFILE));
}
void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return TakeDrawItem(*this, message, lParam, pResult) ||
         CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CButton
IMPLEMENT_DYNAMIC(CButton, CWnd)

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
  return CWnd::Create(L"BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}
UINT CButton::GetState() const {
  return UINT(Send(m_hWnd, BM_GETSTATE));
}
void CButton::SetState(BOOL bHighlight) {
  Send(m_hWnd, BM_SETSTATE, WPARAM(bHighlight));
}
int CButton::GetCheck() const {
  return int(Send(m_hWnd, BM_GETCHECK));
}
void CButton::SetCheck(int nCheck) {
  Send(m_hWnd, BM_SETCHECK, WPARAM(nCheck));
}
UINT CButton::GetButtonStyle() const {
  return ::IsWindow(m_hWnd) ? UINT(::GetWindowLongW(m_hWnd, GWL_STYLE)) & 0xFFFF : 0;
}
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
  Send(m_hWnd, BM_SETSTYLE, nStyle, bRedraw);
}
HICON CButton::SetIcon(HICON hIcon) {
  return HICON(Send(m_hWnd, BM_SETIMAGE, IMAGE_ICON, LPARAM(hIcon)));
}
HICON CButton::GetIcon() const {
  return HICON(Send(m_hWnd, BM_GETIMAGE, IMAGE_ICON));
}
HBITMAP CButton::SetBitmap(HBITMAP hBitmap) {
  return HBITMAP(Send(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, LPARAM(hBitmap)));
}
HBITMAP CButton::GetBitmap() const {
  return HBITMAP(Send(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP));
}
HCURSOR CButton::SetCursor(HCURSOR hCursor) {
  return HCURSOR(Send(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, LPARAM(hCursor)));
}
HCURSOR CButton::GetCursor() {
  return HCURSOR(Send(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR));
}
void CButton::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return TakeDrawItem(*this, message, lParam, pResult) ||
         CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CEdit
IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(L"EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}
BOOL CEdit::CanUndo() const {
  return BOOL(Send(m_hWnd, EM_CANUNDO));
}
int CEdit::GetLineCount() const {
  return int(Send(m_hWnd, EM_GETLINECOUNT));
}
BOOL CEdit::GetModify() const {
  return BOOL(Send(m_hWnd, EM_GETMODIFY));
}
void CEdit::SetModify(BOOL bModified) {
  Send(m_hWnd, EM_SETMODIFY, WPARAM(bModified));
}
void CEdit::GetRect(LPRECT lpRect) const {
  if (lpRect) Send(m_hWnd, EM_GETRECT, 0, LPARAM(lpRect));
}
DWORD CEdit::GetSel() const {
  return DWORD(Send(m_hWnd, EM_GETSEL));
}
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  DWORD s = 0, e = 0;
  Send(m_hWnd, EM_GETSEL, WPARAM(&s), LPARAM(&e));
  nStartChar = int(s);
  nEndChar = int(e);
}
HLOCAL CEdit::GetHandle() const {
  return HLOCAL(Send(m_hWnd, EM_GETHANDLE));
}
void CEdit::SetHandle(HLOCAL hBuffer) {
  Send(m_hWnd, EM_SETHANDLE, WPARAM(hBuffer));
}
void CEdit::SetMargins(UINT nLeft, UINT nRight) {
  Send(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}
DWORD CEdit::GetMargins() const {
  return DWORD(Send(m_hWnd, EM_GETMARGINS));
}
void CEdit::SetLimitText(UINT nMax) {
  Send(m_hWnd, EM_SETLIMITTEXT, nMax);
}
UINT CEdit::GetLimitText() const {
  return UINT(Send(m_hWnd, EM_GETLIMITTEXT));
}
CPoint CEdit::PosFromChar(UINT nChar) const {
  const DWORD r = DWORD(Send(m_hWnd, EM_POSFROMCHAR, nChar));
  return CPoint(short(LOWORD(r)), short(HIWORD(r)));
}
int CEdit::CharFromPos(CPoint pt) const {
  return int(Send(m_hWnd, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y), -1));
}
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer) const {
  return lpszBuffer ? int(Send(m_hWnd, EM_GETLINE, WPARAM(nIndex), LPARAM(lpszBuffer))) : 0;
}
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
  if (!lpszBuffer || nMaxLength < 1) return 0;
  // The control reads the buffer size from the first WORD, so a one-character buffer
  // cannot hold the size and still be safe to fill: copy through a local then.
  if (nMaxLength < 2) {
    TCHAR local[2] = {2, 0};
    const int n = int(Send(m_hWnd, EM_GETLINE, WPARAM(nIndex), LPARAM(local)));
    if (n > 0) lpszBuffer[0] = local[0];
    return n > 0 ? 1 : 0;
  }
  *reinterpret_cast<WORD*>(lpszBuffer) = WORD(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
  return int(Send(m_hWnd, EM_GETLINE, WPARAM(nIndex), LPARAM(lpszBuffer)));
}
TCHAR CEdit::GetPasswordChar() const {
  return TCHAR(Send(m_hWnd, EM_GETPASSWORDCHAR));
}
int CEdit::GetFirstVisibleLine() const {
  return int(Send(m_hWnd, EM_GETFIRSTVISIBLELINE));
}
void CEdit::EmptyUndoBuffer() {
  Send(m_hWnd, EM_EMPTYUNDOBUFFER);
}
BOOL CEdit::FmtLines(BOOL bAddEOL) {
  return BOOL(Send(m_hWnd, EM_FMTLINES, WPARAM(bAddEOL)));
}
void CEdit::LimitText(int nChars) {
  Send(m_hWnd, EM_LIMITTEXT, WPARAM(nChars));
}
int CEdit::LineFromChar(int nIndex) const {
  return int(Send(m_hWnd, EM_LINEFROMCHAR, WPARAM(nIndex)));
}
int CEdit::LineIndex(int nLine) const {
  return int(Send(m_hWnd, EM_LINEINDEX, WPARAM(nLine), 0, -1));
}
int CEdit::LineLength(int nLine) const {
  return int(Send(m_hWnd, EM_LINELENGTH, WPARAM(nLine)));
}
void CEdit::LineScroll(int nLines, int nChars) {
  Send(m_hWnd, EM_LINESCROLL, WPARAM(nChars), LPARAM(nLines));
}
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
  Send(m_hWnd, EM_REPLACESEL, WPARAM(bCanUndo), LPARAM(lpszNewText ? lpszNewText : L""));
}
void CEdit::SetPasswordChar(TCHAR ch) {
  Send(m_hWnd, EM_SETPASSWORDCHAR, WPARAM(ch));
}
void CEdit::SetRect(LPCRECT lpRect) {
  Send(m_hWnd, EM_SETRECT, 0, LPARAM(lpRect));
}
void CEdit::SetRectNP(LPCRECT lpRect) {
  Send(m_hWnd, EM_SETRECTNP, 0, LPARAM(lpRect));
}
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
  Send(m_hWnd, EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
  if (!bNoScroll) Send(m_hWnd, EM_SCROLLCARET);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
  Send(m_hWnd, EM_SETSEL, WPARAM(nStartChar), LPARAM(nEndChar));
  if (!bNoScroll) Send(m_hWnd, EM_SCROLLCARET);
}
BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops) {
  return BOOL(Send(m_hWnd, EM_SETTABSTOPS, WPARAM(nTabStops), LPARAM(rgTabStops)));
}
void CEdit::SetTabStops() {
  Send(m_hWnd, EM_SETTABSTOPS);
}
BOOL CEdit::SetTabStops(const int& cxEachStop) {
  return BOOL(Send(m_hWnd, EM_SETTABSTOPS, 1, LPARAM(&cxEachStop)));
}
BOOL CEdit::Undo() {
  return BOOL(Send(m_hWnd, EM_UNDO));
}
void CEdit::Clear() {
  Send(m_hWnd, WM_CLEAR);
}
void CEdit::Copy() {
  Send(m_hWnd, WM_COPY);
}
void CEdit::Cut() {
  Send(m_hWnd, WM_CUT);
}
void CEdit::Paste() {
  Send(m_hWnd, WM_PASTE);
}
BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
  return BOOL(Send(m_hWnd, EM_SETREADONLY, WPARAM(bReadOnly)));
}

// ---- CListBox
IMPLEMENT_DYNAMIC(CListBox, CWnd)

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(L"LISTBOX", NULL, dwStyle, rect, pParentWnd, nID);
}
int CListBox::GetCount() const {
  return int(Send(m_hWnd, LB_GETCOUNT, 0, 0, LB_ERR));
}
int CListBox::GetHorizontalExtent() const {
  return int(Send(m_hWnd, LB_GETHORIZONTALEXTENT));
}
void CListBox::SetHorizontalExtent(int cx) {
  Send(m_hWnd, LB_SETHORIZONTALEXTENT, WPARAM(cx));
}
int CListBox::GetTopIndex() const {
  return int(Send(m_hWnd, LB_GETTOPINDEX, 0, 0, LB_ERR));
}
int CListBox::SetTopIndex(int n) {
  return int(Send(m_hWnd, LB_SETTOPINDEX, WPARAM(n), 0, LB_ERR));
}
LCID CListBox::GetLocale() const {
  return LCID(Send(m_hWnd, LB_GETLOCALE));
}
LCID CListBox::SetLocale(LCID n) {
  return LCID(Send(m_hWnd, LB_SETLOCALE, n));
}
int CListBox::InitStorage(int nItems, UINT nBytes) {
  return int(Send(m_hWnd, LB_INITSTORAGE, WPARAM(nItems), nBytes, LB_ERRSPACE));
}
UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
  const DWORD r = DWORD(Send(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y), MAKELONG(0, 1)));
  bOutside = HIWORD(r) != 0;
  return LOWORD(r);
}
int CListBox::GetCurSel() const {
  return int(Send(m_hWnd, LB_GETCURSEL, 0, 0, LB_ERR));
}
int CListBox::SetCurSel(int n) {
  return int(Send(m_hWnd, LB_SETCURSEL, WPARAM(n), 0, LB_ERR));
}
int CListBox::GetSel(int n) const {
  return int(Send(m_hWnd, LB_GETSEL, WPARAM(n), 0, LB_ERR));
}
int CListBox::SetSel(int n, BOOL bSelect) {
  return int(Send(m_hWnd, LB_SETSEL, WPARAM(bSelect), LPARAM(n), LB_ERR));
}
int CListBox::GetSelCount() const {
  return int(Send(m_hWnd, LB_GETSELCOUNT, 0, 0, LB_ERR));
}
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const {
  if (!rgIndex || nMaxItems <= 0) return 0;
  return int(Send(m_hWnd, LB_GETSELITEMS, WPARAM(nMaxItems), LPARAM(rgIndex), LB_ERR));
}
void CListBox::SetAnchorIndex(int n) {
  Send(m_hWnd, LB_SETANCHORINDEX, WPARAM(n));
}
int CListBox::GetAnchorIndex() const {
  return int(Send(m_hWnd, LB_GETANCHORINDEX, 0, 0, LB_ERR));
}
int CListBox::SelItemRange(BOOL bSelect, int nFirst, int nLast) {
  if (bSelect) return int(Send(m_hWnd, LB_SELITEMRANGEEX, WPARAM(nFirst), LPARAM(nLast), LB_ERR));
  return int(Send(m_hWnd, LB_SELITEMRANGEEX, WPARAM(nLast), LPARAM(nFirst), LB_ERR));
}
DWORD_PTR CListBox::GetItemData(int n) const {
  return DWORD_PTR(Send(m_hWnd, LB_GETITEMDATA, WPARAM(n), 0, LB_ERR));
}
int CListBox::SetItemData(int n, DWORD_PTR d) {
  return int(Send(m_hWnd, LB_SETITEMDATA, WPARAM(n), LPARAM(d), LB_ERR));
}
void* CListBox::GetItemDataPtr(int n) const {
  return reinterpret_cast<void*>(GetItemData(n));
}
int CListBox::SetItemDataPtr(int n, void* p) {
  return SetItemData(n, reinterpret_cast<DWORD_PTR>(p));
}
int CListBox::GetItemRect(int n, LPRECT r) const {
  return r ? int(Send(m_hWnd, LB_GETITEMRECT, WPARAM(n), LPARAM(r), LB_ERR)) : LB_ERR;
}
int CListBox::GetText(int n, LPTSTR buf) const {
  return buf ? int(Send(m_hWnd, LB_GETTEXT, WPARAM(n), LPARAM(buf), LB_ERR)) : LB_ERR;
}
void CListBox::GetText(int n, CString& rString) const {
  rString = ItemText(m_hWnd, n, LB_GETTEXTLEN, LB_GETTEXT);
}
int CListBox::GetTextLen(int n) const {
  return int(Send(m_hWnd, LB_GETTEXTLEN, WPARAM(n), 0, LB_ERR));
}
void CListBox::SetColumnWidth(int cx) {
  Send(m_hWnd, LB_SETCOLUMNWIDTH, WPARAM(cx));
}
BOOL CListBox::SetTabStops(int n, LPINT rg) {
  return BOOL(Send(m_hWnd, LB_SETTABSTOPS, WPARAM(n), LPARAM(rg)));
}
void CListBox::SetTabStops() {
  Send(m_hWnd, LB_SETTABSTOPS);
}
BOOL CListBox::SetTabStops(const int& cx) {
  return BOOL(Send(m_hWnd, LB_SETTABSTOPS, 1, LPARAM(&cx)));
}
int CListBox::SetItemHeight(int n, UINT cy) {
  return int(Send(m_hWnd, LB_SETITEMHEIGHT, WPARAM(n), MAKELPARAM(cy, 0), LB_ERR));
}
int CListBox::GetItemHeight(int n) const {
  return int(Send(m_hWnd, LB_GETITEMHEIGHT, WPARAM(n), 0, LB_ERR));
}
int CListBox::FindStringExact(int nStart, LPCTSTR s) const {
  return s ? int(Send(m_hWnd, LB_FINDSTRINGEXACT, WPARAM(nStart), LPARAM(s), LB_ERR)) : LB_ERR;
}
int CListBox::GetCaretIndex() const {
  return int(Send(m_hWnd, LB_GETCARETINDEX, 0, 0, LB_ERR));
}
int CListBox::SetCaretIndex(int n, BOOL bScroll) {
  return int(Send(m_hWnd, LB_SETCARETINDEX, WPARAM(n), MAKELPARAM(bScroll, 0), LB_ERR));
}
int CListBox::AddString(LPCTSTR s) {
  return int(Send(m_hWnd, LB_ADDSTRING, 0, LPARAM(s ? s : L""), LB_ERR));
}
int CListBox::DeleteString(UINT n) {
  return int(Send(m_hWnd, LB_DELETESTRING, n, 0, LB_ERR));
}
int CListBox::InsertString(int n, LPCTSTR s) {
  return int(Send(m_hWnd, LB_INSERTSTRING, WPARAM(n), LPARAM(s ? s : L""), LB_ERR));
}
void CListBox::ResetContent() {
  Send(m_hWnd, LB_RESETCONTENT);
}
int CListBox::Dir(UINT attr, LPCTSTR w) {
  return w ? int(Send(m_hWnd, LB_DIR, attr, LPARAM(w), LB_ERR)) : LB_ERR;
}
int CListBox::FindString(int nStart, LPCTSTR s) const {
  return s ? int(Send(m_hWnd, LB_FINDSTRING, WPARAM(nStart), LPARAM(s), LB_ERR)) : LB_ERR;
}
int CListBox::SelectString(int nStart, LPCTSTR s) {
  return s ? int(Send(m_hWnd, LB_SELECTSTRING, WPARAM(nStart), LPARAM(s), LB_ERR)) : LB_ERR;
}
void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) {
  return 0;
}
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}
int CListBox::VKeyToItem(UINT, UINT) {
  return -1;
}
int CListBox::CharToItem(UINT, UINT) {
  return -1;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_VKEYTOITEM: return Took(pResult, VKeyToItem(LOWORD(wParam), HIWORD(wParam)));
    case WM_CHARTOITEM: return Took(pResult, CharToItem(LOWORD(wParam), HIWORD(wParam)));
    default:
      return TakeItemOwnerDraw(*this, message, lParam, pResult) ||
             CWnd::OnChildNotify(message, wParam, lParam, pResult);
  }
}

// ---- CComboBox
IMPLEMENT_DYNAMIC(CComboBox, CWnd)

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(L"COMBOBOX", NULL, dwStyle, rect, pParentWnd, nID);
}
int CComboBox::GetCount() const {
  return int(Send(m_hWnd, CB_GETCOUNT, 0, 0, CB_ERR));
}
int CComboBox::GetCurSel() const {
  return int(Send(m_hWnd, CB_GETCURSEL, 0, 0, CB_ERR));
}
int CComboBox::SetCurSel(int n) {
  return int(Send(m_hWnd, CB_SETCURSEL, WPARAM(n), 0, CB_ERR));
}
LCID CComboBox::GetLocale() const {
  return LCID(Send(m_hWnd, CB_GETLOCALE));
}
LCID CComboBox::SetLocale(LCID n) {
  return LCID(Send(m_hWnd, CB_SETLOCALE, n));
}
int CComboBox::GetTopIndex() const {
  return int(Send(m_hWnd, CB_GETTOPINDEX, 0, 0, CB_ERR));
}
int CComboBox::SetTopIndex(int n) {
  return int(Send(m_hWnd, CB_SETTOPINDEX, WPARAM(n), 0, CB_ERR));
}
int CComboBox::InitStorage(int nItems, UINT nBytes) {
  return int(Send(m_hWnd, CB_INITSTORAGE, WPARAM(nItems), nBytes, CB_ERRSPACE));
}
void CComboBox::SetHorizontalExtent(UINT n) {
  Send(m_hWnd, CB_SETHORIZONTALEXTENT, n);
}
UINT CComboBox::GetHorizontalExtent() const {
  return UINT(Send(m_hWnd, CB_GETHORIZONTALEXTENT));
}
int CComboBox::SetDroppedWidth(UINT n) {
  return int(Send(m_hWnd, CB_SETDROPPEDWIDTH, n, 0, CB_ERR));
}
int CComboBox::GetDroppedWidth() const {
  return int(Send(m_hWnd, CB_GETDROPPEDWIDTH, 0, 0, CB_ERR));
}
DWORD CComboBox::GetEditSel() const {
  return DWORD(Send(m_hWnd, CB_GETEDITSEL, 0, 0, CB_ERR));
}
BOOL CComboBox::LimitText(int n) {
  return BOOL(Send(m_hWnd, CB_LIMITTEXT, WPARAM(n)));
}
BOOL CComboBox::SetEditSel(int nStart, int nEnd) {
  return BOOL(Send(m_hWnd, CB_SETEDITSEL, 0, MAKELPARAM(nStart, nEnd)));
}
DWORD_PTR CComboBox::GetItemData(int n) const {
  return DWORD_PTR(Send(m_hWnd, CB_GETITEMDATA, WPARAM(n), 0, CB_ERR));
}
int CComboBox::SetItemData(int n, DWORD_PTR d) {
  return int(Send(m_hWnd, CB_SETITEMDATA, WPARAM(n), LPARAM(d), CB_ERR));
}
void* CComboBox::GetItemDataPtr(int n) const {
  return reinterpret_cast<void*>(GetItemData(n));
}
int CComboBox::SetItemDataPtr(int n, void* p) {
  return SetItemData(n, reinterpret_cast<DWORD_PTR>(p));
}
int CComboBox::GetLBText(int n, LPTSTR buf) const {
  return buf ? int(Send(m_hWnd, CB_GETLBTEXT, WPARAM(n), LPARAM(buf), CB_ERR)) : CB_ERR;
}
void CComboBox::GetLBText(int n, CString& rString) const {
  rString = ItemText(m_hWnd, n, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}
int CComboBox::GetLBTextLen(int n) const {
  return int(Send(m_hWnd, CB_GETLBTEXTLEN, WPARAM(n), 0, CB_ERR));
}
int CComboBox::SetItemHeight(int n, UINT cy) {
  return int(Send(m_hWnd, CB_SETITEMHEIGHT, WPARAM(n), MAKELPARAM(cy, 0), CB_ERR));
}
int CComboBox::GetItemHeight(int n) const {
  return int(Send(m_hWnd, CB_GETITEMHEIGHT, WPARAM(n), 0, CB_ERR));
}
int CComboBox::FindStringExact(int nStart, LPCTSTR s) const {
  return s ? int(Send(m_hWnd, CB_FINDSTRINGEXACT, WPARAM(nStart), LPARAM(s), CB_ERR)) : CB_ERR;
}
int CComboBox::SetExtendedUI(BOOL b) {
  return int(Send(m_hWnd, CB_SETEXTENDEDUI, WPARAM(b), 0, CB_ERR));
}
BOOL CComboBox::GetExtendedUI() const {
  return BOOL(Send(m_hWnd, CB_GETEXTENDEDUI));
}
void CComboBox::GetDroppedControlRect(LPRECT r) const {
  if (r) Send(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, LPARAM(r));
}
BOOL CComboBox::GetDroppedState() const {
  return BOOL(Send(m_hWnd, CB_GETDROPPEDSTATE));
}
void CComboBox::ShowDropDown(BOOL b) {
  Send(m_hWnd, CB_SHOWDROPDOWN, WPARAM(b));
}
int CComboBox::AddString(LPCTSTR s) {
  return int(Send(m_hWnd, CB_ADDSTRING, 0, LPARAM(s ? s : L""), CB_ERR));
}
int CComboBox::DeleteString(UINT n) {
  return int(Send(m_hWnd, CB_DELETESTRING, n, 0, CB_ERR));
}
int CComboBox::InsertString(int n, LPCTSTR s) {
  return int(Send(m_hWnd, CB_INSERTSTRING, WPARAM(n), LPARAM(s ? s : L""), CB_ERR));
}
void CComboBox::ResetContent() {
  Send(m_hWnd, CB_RESETCONTENT);
}
int CComboBox::Dir(UINT attr, LPCTSTR w) {
  return w ? int(Send(m_hWnd, CB_DIR, attr, LPARAM(w), CB_ERR)) : CB_ERR;
}
int CComboBox::FindString(int nStart, LPCTSTR s) const {
  return s ? int(Send(m_hWnd, CB_FINDSTRING, WPARAM(nStart), LPARAM(s), CB_ERR)) : CB_ERR;
}
int CComboBox::SelectString(int nStart, LPCTSTR s) {
  return s ? int(Send(m_hWnd, CB_SELECTSTRING, WPARAM(nStart), LPARAM(s), CB_ERR)) : CB_ERR;
}
void CComboBox::Clear() {
  Send(m_hWnd, WM_CLEAR);
}
void CComboBox::Copy() {
  Send(m_hWnd, WM_COPY);
}
void CComboBox::Cut() {
  Send(m_hWnd, WM_CUT);
}
void CComboBox::Paste() {
  Send(m_hWnd, WM_PASTE);
}
void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) {
  return 0;
}
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return TakeItemOwnerDraw(*this, message, lParam, pResult) ||
         CWnd::OnChildNotify(message, wParam, lParam, pResult);
}
