// CWnd's runtime class, its own message map and the default handlers, which pass the message
// being handled to the window's own procedure.
#include "afxwin.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_NCDESTROY()
  ON_WM_DRAWITEM()
  ON_WM_MEASUREITEM()
  ON_WM_COMPAREITEM()
  ON_WM_DELETEITEM()
  ON_WM_INITMENUPOPUP()
  ON_WM_CTLCOLOR()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

int CWnd::OnCreate(LPCREATESTRUCT) {
  return int(Default());
}
void CWnd::OnDestroy() {
  Default();
}
void CWnd::OnSize(UINT, int, int) {
  Default();
}
void CWnd::OnMove(int, int) {
  Default();
}
void CWnd::OnPaint() {
  Default();
}
void CWnd::OnNcPaint() {
  Default();
}
void CWnd::OnClose() {
  Default();
}
void CWnd::OnSysColorChange() {
  Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) {
  return BOOL(Default());
}
void CWnd::OnTimer(UINT_PTR) {
  Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
  Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
  Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint) {
  Default();
}
void CWnd::OnRButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
  Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint) {
  Default();
}
void CWnd::OnMButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnMButtonUp(UINT, CPoint) {
  Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) {
  return BOOL(Default());
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnChar(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT) {
  Default();
}
void CWnd::OnSetFocus(CWnd*) {
  Default();
}
void CWnd::OnKillFocus(CWnd*) {
  Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
  return BOOL(Default());
}
LRESULT CWnd::OnNcHitTest(CPoint) {
  return Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint) {
  Default();
}
UINT CWnd::OnGetDlgCode() {
  return UINT(Default());
}
BOOL CWnd::OnQueryNewPalette() {
  return BOOL(Default());
}
void CWnd::OnPaletteChanged(CWnd*) {
  Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
  Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL) {
  Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*) {
  Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*) {
  Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) {
  Default();
}
void CWnd::OnEnable(BOOL) {
  Default();
}
void CWnd::OnSettingChange(UINT, LPCTSTR) {
  Default();
}
void CWnd::OnCaptureChanged(CWnd*) {
  Default();
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {
  Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) {
  return int(Default());
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU) {
  Default();
}
void CWnd::OnEnterIdle(UINT, CWnd*) {
  Default();
}
void CWnd::OnMButtonDblClk(UINT, CPoint) {
  Default();
}
void CWnd::OnMouseHover(UINT, CPoint) {
  Default();
}
void CWnd::OnMouseLeave() {
  Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint) {
  Default();
}
void CWnd::OnNcLButtonDblClk(UINT, CPoint) {
  Default();
}
void CWnd::OnNcRButtonDown(UINT, CPoint) {
  Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint) {
  Default();
}
void CWnd::OnCancelMode() {
  Default();
}
void CWnd::OnEnterSizeMove() {
  Default();
}
void CWnd::OnExitSizeMove() {
  Default();
}
void CWnd::OnSysCommand(UINT, LPARAM) {
  Default();
}
void CWnd::OnParentNotify(UINT, LPARAM) {
  Default();
}
void CWnd::OnActivateApp(BOOL, DWORD) {
  Default();
}
BOOL CWnd::OnNcActivate(BOOL) {
  return BOOL(Default());
}
BOOL CWnd::OnHelpInfo(HELPINFO*) {
  return BOOL(Default());
}
void CWnd::OnDropFiles(HDROP) {
  Default();
}
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) {
  return BOOL(Default());
}
void CWnd::OnSizing(UINT, LPRECT) {
  Default();
}
void CWnd::OnMoving(UINT, LPRECT) {
  Default();
}
void CWnd::OnInitMenu(CMenu*) {
  Default();
}
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) {
  Default();
}
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) {
  Default();
}

void CWnd::DoDataExchange(CDataExchange*) {}
