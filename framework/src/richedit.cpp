// CRichEditCtrl: the rich edit control's messages as members, and its library loaded once.
#include "afxcmn.h"
#include "ctlwrap_.h"

using namespace afx_internal;

BOOL AFXAPI AfxInitRichEdit2() {
  // Loaded for the life of the process: windows of its class may exist until the very end.
  static const HMODULE hRichEdit = ::LoadLibraryW(L"riched20.dll");
  return hRichEdit != NULL;
}

BOOL AFXAPI AfxInitRichEdit() {
  return AfxInitRichEdit2();
}

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CreateEx(0, dwStyle, rect, pParentWnd, nID);
}
BOOL CRichEditCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                             UINT nID) {
  if (!AfxInitRichEdit2()) return FALSE;
  return CWnd::CreateEx(dwExStyle, RICHEDIT_CLASSW, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CRichEditCtrl::CanUndo() const {
  return BOOL(Send(m_hWnd, EM_CANUNDO));
}
BOOL CRichEditCtrl::CanRedo() const {
  return BOOL(Send(m_hWnd, EM_CANREDO));
}
BOOL CRichEditCtrl::CanPaste(UINT nFormat) const {
  return BOOL(Send(m_hWnd, EM_CANPASTE, WPARAM(nFormat)));
}
int CRichEditCtrl::GetLineCount() const {
  return int(Send(m_hWnd, EM_GETLINECOUNT));
}
BOOL CRichEditCtrl::GetModify() const {
  return BOOL(Send(m_hWnd, EM_GETMODIFY));
}
void CRichEditCtrl::SetModify(BOOL bModified) {
  Send(m_hWnd, EM_SETMODIFY, WPARAM(bModified));
}
void CRichEditCtrl::GetRect(LPRECT lpRect) const {
  Send(m_hWnd, EM_GETRECT, 0, LPARAM(lpRect));
}
void CRichEditCtrl::SetRect(LPCRECT lpRect) {
  Send(m_hWnd, EM_SETRECT, 0, LPARAM(lpRect));
}
UINT CRichEditCtrl::GetOptions() const {
  return UINT(Send(m_hWnd, EM_GETOPTIONS));
}
void CRichEditCtrl::SetOptions(WORD wOp, DWORD dwFlags) {
  Send(m_hWnd, EM_SETOPTIONS, WPARAM(wOp), LPARAM(dwFlags));
}
int CRichEditCtrl::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
  if (lpszBuffer == NULL || nMaxLength < 1) return 0;
  // EM_GETLINE reads the buffer size from its first word and does not terminate the text.
  *reinterpret_cast<WORD*>(lpszBuffer) = WORD(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
  int n = int(Send(m_hWnd, EM_GETLINE, WPARAM(nIndex), LPARAM(lpszBuffer)));
  if (n >= nMaxLength) n = nMaxLength - 1;
  lpszBuffer[n < 0 ? 0 : n] = L'\0';
  return n;
}
void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const {
  CHARRANGE cr = {0, 0};
  GetSel(cr);
  nStartChar = cr.cpMin;
  nEndChar = cr.cpMax;
}
void CRichEditCtrl::GetSel(CHARRANGE& cr) const {
  Send(m_hWnd, EM_EXGETSEL, 0, LPARAM(&cr));
}
CString CRichEditCtrl::GetSelText() const {
  CHARRANGE cr = {0, 0};
  GetSel(cr);
  CString text;
  const long n = cr.cpMax - cr.cpMin;
  if (n <= 0) return text;
  const long got = long(Send(m_hWnd, EM_GETSELTEXT, 0, LPARAM(text.GetBuffer(n + 1))));
  text.ReleaseBuffer(got < 0 ? 0 : (got > n ? n : got));
  return text;
}
WORD CRichEditCtrl::GetSelectionType() const {
  return WORD(Send(m_hWnd, EM_SELECTIONTYPE));
}
void CRichEditCtrl::LimitText(long nChars) {
  Send(m_hWnd, EM_EXLIMITTEXT, 0, LPARAM(nChars));
}
long CRichEditCtrl::GetLimitText() const {
  return long(Send(m_hWnd, EM_GETLIMITTEXT));
}
long CRichEditCtrl::LineFromChar(long nIndex) const {
  return long(Send(m_hWnd, EM_EXLINEFROMCHAR, 0, LPARAM(nIndex)));
}

// The character-format calls fill in the record's size, which callers often leave out.
DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const {
  cf.cbSize = sizeof(cf);
  return DWORD(Send(m_hWnd, EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&cf)));
}
DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT2& cf) const {
  cf.cbSize = sizeof(cf);
  return DWORD(Send(m_hWnd, EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&cf)));
}
DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const {
  cf.cbSize = sizeof(cf);
  return DWORD(Send(m_hWnd, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&cf)));
}
DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT2& cf) const {
  cf.cbSize = sizeof(cf);
  return DWORD(Send(m_hWnd, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&cf)));
}
BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf) {
  cf.cbSize = sizeof(cf);
  return BOOL(Send(m_hWnd, EM_SETCHARFORMAT, SCF_DEFAULT, LPARAM(&cf)));
}
BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT2& cf) {
  cf.cbSize = sizeof(cf);
  return BOOL(Send(m_hWnd, EM_SETCHARFORMAT, SCF_DEFAULT, LPARAM(&cf)));
}
BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf) {
  cf.cbSize = sizeof(cf);
  return BOOL(Send(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&cf)));
}
BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT2& cf) {
  cf.cbSize = sizeof(cf);
  return BOOL(Send(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&cf)));
}
BOOL CRichEditCtrl::SetWordCharFormat(CHARFORMAT& cf) {
  cf.cbSize = sizeof(cf);
  return BOOL(Send(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD, LPARAM(&cf)));
}
DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const {
  pf.cbSize = sizeof(pf);
  return DWORD(Send(m_hWnd, EM_GETPARAFORMAT, 0, LPARAM(&pf)));
}
BOOL CRichEditCtrl::SetParaFormat(PARAFORMAT& pf) {
  pf.cbSize = sizeof(pf);
  return BOOL(Send(m_hWnd, EM_SETPARAFORMAT, 0, LPARAM(&pf)));
}
long CRichEditCtrl::GetEventMask() const {
  return long(Send(m_hWnd, EM_GETEVENTMASK));
}
DWORD CRichEditCtrl::SetEventMask(DWORD dwEventMask) {
  return DWORD(Send(m_hWnd, EM_SETEVENTMASK, 0, LPARAM(dwEventMask)));
}
COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr) {
  return COLORREF(Send(m_hWnd, EM_SETBKGNDCOLOR, WPARAM(bSysColor), LPARAM(cr)));
}
BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly) {
  return BOOL(Send(m_hWnd, EM_SETREADONLY, WPARAM(bReadOnly)));
}
BOOL CRichEditCtrl::SetTargetDevice(HDC hDC, long lLineWidth) {
  return BOOL(Send(m_hWnd, EM_SETTARGETDEVICE, WPARAM(hDC), LPARAM(lLineWidth)));
}
long CRichEditCtrl::GetTextLength() const {
  return long(Send(m_hWnd, WM_GETTEXTLENGTH));
}
long CRichEditCtrl::GetTextLengthEx(DWORD dwFlags, UINT nCodePage) const {
  GETTEXTLENGTHEX gtl = {dwFlags, nCodePage};
  return long(Send(m_hWnd, EM_GETTEXTLENGTHEX, WPARAM(&gtl)));
}
int CRichEditCtrl::GetFirstVisibleLine() const {
  return int(Send(m_hWnd, EM_GETFIRSTVISIBLELINE));
}
long CRichEditCtrl::GetTextRange(int nFirst, int nLast, CString& refString) const {
  refString.Empty();
  if (nLast < 0) nLast = int(GetTextLength());
  if (nLast <= nFirst) return 0;
  TEXTRANGEW tr;
  tr.chrg.cpMin = nFirst;
  tr.chrg.cpMax = nLast;
  tr.lpstrText = refString.GetBuffer(nLast - nFirst + 1);
  const long got = long(Send(m_hWnd, EM_GETTEXTRANGE, 0, LPARAM(&tr)));
  refString.ReleaseBuffer(got < 0 ? 0 : got);
  return got;
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar) {
  CHARRANGE cr = {nStartChar, nEndChar};
  SetSel(cr);
}
void CRichEditCtrl::SetSel(CHARRANGE& cr) {
  Send(m_hWnd, EM_EXSETSEL, 0, LPARAM(&cr));
}
void CRichEditCtrl::HideSelection(BOOL bHide, BOOL bPerm) {
  Send(m_hWnd, EM_HIDESELECTION, WPARAM(bHide), LPARAM(bPerm));
}
void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) {
  Send(m_hWnd, EM_REPLACESEL, WPARAM(bCanUndo), LPARAM(lpszNewText ? lpszNewText : L""));
}
void CRichEditCtrl::EmptyUndoBuffer() {
  Send(m_hWnd, EM_EMPTYUNDOBUFFER);
}
BOOL CRichEditCtrl::Undo() {
  return BOOL(Send(m_hWnd, EM_UNDO));
}
BOOL CRichEditCtrl::Redo() {
  return BOOL(Send(m_hWnd, EM_REDO));
}
void CRichEditCtrl::StopGroupTyping() {
  Send(m_hWnd, EM_STOPGROUPTYPING);
}
int CRichEditCtrl::LineIndex(int nLine) const {
  return int(Send(m_hWnd, EM_LINEINDEX, WPARAM(nLine)));
}
int CRichEditCtrl::LineLength(int nLine) const {
  // EM_LINELENGTH takes a character index: the line's first one.
  return int(Send(m_hWnd, EM_LINELENGTH, WPARAM(LineIndex(nLine))));
}
void CRichEditCtrl::LineScroll(int nLines, int nChars) {
  Send(m_hWnd, EM_LINESCROLL, WPARAM(nChars), LPARAM(nLines));
}
void CRichEditCtrl::Clear() {
  Send(m_hWnd, WM_CLEAR);
}
void CRichEditCtrl::Copy() {
  Send(m_hWnd, WM_COPY);
}
void CRichEditCtrl::Cut() {
  Send(m_hWnd, WM_CUT);
}
void CRichEditCtrl::Paste() {
  Send(m_hWnd, WM_PASTE);
}
void CRichEditCtrl::PasteSpecial(UINT nClipFormat, DWORD dvAspect, HMETAFILE hMF) {
  REPASTESPECIAL reps = {dvAspect, reinterpret_cast<DWORD_PTR>(hMF)};
  Send(m_hWnd, EM_PASTESPECIAL, WPARAM(nClipFormat), LPARAM(&reps));
}
long CRichEditCtrl::FindText(DWORD dwFlags, FINDTEXTEX* pFindText) const {
  return long(Send(m_hWnd, EM_FINDTEXTEXW, WPARAM(dwFlags), LPARAM(pFindText), -1));
}
long CRichEditCtrl::FormatRange(FORMATRANGE* pfr, BOOL bDisplay) {
  return long(Send(m_hWnd, EM_FORMATRANGE, WPARAM(bDisplay), LPARAM(pfr)));
}
BOOL CRichEditCtrl::DisplayBand(LPRECT pDisplayRect) {
  return BOOL(Send(m_hWnd, EM_DISPLAYBAND, 0, LPARAM(pDisplayRect)));
}
void CRichEditCtrl::RequestResize() {
  Send(m_hWnd, EM_REQUESTRESIZE);
}
long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es) {
  return long(Send(m_hWnd, EM_STREAMIN, WPARAM(nFormat), LPARAM(&es)));
}
long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es) {
  return long(Send(m_hWnd, EM_STREAMOUT, WPARAM(nFormat), LPARAM(&es)));
}
CPoint CRichEditCtrl::PosFromChar(UINT nChar) const {
  POINTL pt = {0, 0};
  Send(m_hWnd, EM_POSFROMCHAR, WPARAM(&pt), LPARAM(nChar));
  return CPoint(int(pt.x), int(pt.y));
}
int CRichEditCtrl::CharFromPos(CPoint pt) const {
  POINTL ptl = {pt.x, pt.y};
  return int(Send(m_hWnd, EM_CHARFROMPOS, 0, LPARAM(&ptl)));
}
