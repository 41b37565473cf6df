// CProgressWindow: the code-built progress window, its layout, cancel and message pumping.
#include "controls/ProgressWindow.h"

#include <QXHostWindows.h>
#include <afxdll_.h>
#include <qxres_ids.h>

IMPLEMENT_DYNAMIC(CProgressWindow, CWnd)

BEGIN_MESSAGE_MAP(CProgressWindow, CWnd)
  ON_WM_ERASEBKGND()
  ON_BN_CLICKED(IDC_QX_PROGRESS_CANCEL, OnCancel)
END_MESSAGE_MAP()

CProgressWindow::CProgressWindow()
    : CProgressDisplay(L"Script Creation in Progress...", FALSE, false),
      m_nNumTextLines(2),
      m_bOwnerNotify(FALSE),
      m_pOwner(NULL),
      m_bSmooth(FALSE),
      m_bHideOnCancel(FALSE),
      m_bModal(FALSE) {}

CProgressWindow::CProgressWindow(CWnd* pParent, LPCTSTR pszCaption, int nSmooth, int bOwnerNotify,
                                 int bHasProgressCtrl, int bHideOnCancel, bool bShowCancel)
    : CProgressWindow() {
  m_bShowCancel = bShowCancel;
  m_bHasProgressCtrl = bHasProgressCtrl;
  m_bOwnerNotify = bOwnerNotify;
  m_bHideOnCancel = bHideOnCancel;
  m_pOwner = pParent;
  if (pszCaption) m_strCaption = pszCaption;
  Create(pParent, pszCaption, nSmooth);
}

CProgressWindow::~CProgressWindow() {
  if (m_bOwnerNotify) {
    if (m_pOwner && ::IsWindow(m_pOwner->m_hWnd)) m_pOwner->SetActiveWindow();
  }
  if (m_hWnd) DestroyWindow();
  if (m_hResModule) AfxFreeLibrary(m_hResModule);
}

BOOL CProgressWindow::Create(CWnd* pParent, LPCTSTR pszCaption, int nSmooth) {
  m_bSmooth = nSmooth;
  LPCTSTR pszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS,
                                         ::LoadCursorW(NULL, IDC_APPSTARTING),
                                         ::GetSysColorBrush(COLOR_BTNFACE), NULL);
  if (!m_font.GetSafeHandle()) {
    LOGFONTW lf = {};
    lf.lfHeight = 16;
    lf.lfWeight = FW_NORMAL;
    wcscpy_s(lf.lfFaceName, L"Aerial");
    m_font.CreateFontIndirect(&lf);
  }
  CWnd* pOwner = pParent ? pParent : AfxGetMainWnd();
  if (!CreateEx(WS_EX_DLGMODALFRAME, pszClass, pszCaption, WS_POPUP | WS_CAPTION,
                CRect(0, 0, 300, 200), pOwner, 0))
    return FALSE;

  const CRect rcTemp(0, 0, 10, 10);
  if (!CreateAnimation(rcTemp, IDC_QX_PROGRESS_WND_ANIMATION)) return FALSE;
  if (!m_text.Create(L"", WS_CHILD | WS_VISIBLE | SS_CENTER, rcTemp, this,
                     IDC_QX_PROGRESS_WND_TEXT))
    return FALSE;
  DWORD dwBarStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
  if (nSmooth) dwBarStyle |= PBS_SMOOTH;
  if (!CreateBar(dwBarStyle, rcTemp)) return FALSE;
  if (!m_bHasProgressCtrl) m_progress.ShowWindow(SW_HIDE);
  if (m_bShowCancel) {
    if (!m_btnCancel.Create(L"Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP, rcTemp, this,
                            IDC_QX_PROGRESS_CANCEL))
      return FALSE;
    m_btnCancel.SetFont(&m_font);
  }
  m_text.SetFont(&m_font);
  SetWindowSize(m_nNumTextLines, 400);
  SetFocus();
  CenterWindow(pOwner);
  Show();
  return TRUE;
}

BOOL CProgressWindow::GoModal(LPCTSTR pszCaption, int nSmooth) {
  CWnd* pMainWnd = AfxGetMainWnd();
  if (!::IsWindow(m_hWnd) && !Create(pMainWnd, pszCaption, nSmooth)) return FALSE;
  if (pMainWnd && ::IsWindow(pMainWnd->m_hWnd)) pMainWnd->EnableWindow(FALSE);
  EnableWindow(TRUE);
  m_bModal = TRUE;
  return TRUE;
}

void CProgressWindow::SetWindowSize(int nNumTextLines, int nWidth) {
  if (!::IsWindow(m_hWnd)) return;
  m_nNumTextLines = nNumTextLines;
  const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
  const int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
  const CRect rcAnim(10, 10, nWidth - 20, 110);

  // The text area is as high as nNumTextLines lines of the font.
  CRect rcText(10, 110, nWidth - 70, 210);
  CSize sizeCancel;
  {
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(&m_font);
    CString lines;
    for (int i = 0; i < nNumTextLines; ++i) lines += i ? L"\nM" : L"M";
    dc.DrawText(lines, &rcText, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP);
    sizeCancel = dc.GetTextExtent(CString(L" Cancel "));
    dc.SelectObject(pOld);
  }
  rcText.right = rcText.left + nWidth;
  sizeCancel.cx += 4 * cxEdge;
  sizeCancel.cy += 3 * cyEdge;

  const CRect rcCancel(rcAnim.right - sizeCancel.cx, rcText.bottom + 10, rcAnim.right,
                       rcText.bottom + 10 + sizeCancel.cy);
  const CRect rcBar(rcAnim.left, rcCancel.top + cyEdge, rcCancel.left - 10,
                    rcCancel.bottom - cyEdge);

  // The window keeps its top-left corner and gets exactly this client area.
  CRect rcClient(0, 0, rcAnim.Width() + 20, sizeCancel.cy + rcText.Height() + rcAnim.Height() + 40);
  ::AdjustWindowRectEx(&rcClient, DWORD(GetStyle()), FALSE, DWORD(GetExStyle()));
  CRect rcWindow;
  GetWindowRect(&rcWindow);
  MoveWindow(rcWindow.left, rcWindow.top, rcClient.Width(), rcClient.Height(), TRUE);

  m_animate.MoveWindow(&rcAnim, TRUE);
  m_progress.MoveWindow(&rcBar, TRUE);
  if (m_bShowCancel && m_btnCancel.m_hWnd) m_btnCancel.MoveWindow(&rcCancel, TRUE);
  m_text.MoveWindow(&rcText, TRUE);
}

void CProgressWindow::Show() {
  if (!::IsWindow(m_hWnd) || IsWindowVisible()) return;
  ModifyStyle(0, WS_VISIBLE);
  ShowWindow(SW_SHOWNA);
  RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

void CProgressWindow::Hide() {
  if (!::IsWindow(m_hWnd)) return;
  Clear();
  if (IsWindowVisible()) {
    ShowWindow(SW_HIDE);
    ModifyStyle(WS_VISIBLE, 0);
  }
}

void CProgressWindow::SetAnimation(UINT nID) {
  PlayClip(nID);
}

BOOL CProgressWindow::OnEraseBkgnd(CDC* pDC) {
  CBrush brush(::GetSysColor(COLOR_BTNFACE));
  CBrush* pOld = pDC->SelectObject(&brush);
  CRect rcClip;
  pDC->GetClipBox(&rcClip);
  pDC->PatBlt(rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height(), PATCOPY);
  pDC->SelectObject(pOld);
  return TRUE;
}

void CProgressWindow::OnCancel() {
  if (!m_bOwnerNotify) {
    CString question;
    question.LoadString(IDS_QX_PROGRESS_CANCEL_QUERY);
    if (ZRWMessageBox(question, MB_YESNO | MB_ICONQUESTION, 1) != IDYES) return;
  }
  m_bCancelled = TRUE;
  if (m_bOwnerNotify && m_pOwner && ::IsWindow(m_pOwner->m_hWnd)) {
    m_pOwner->SendMessage(WMU_PROGRESS_CANCEL, 0, 0);
    if (m_bHideOnCancel) Hide();
  }
}

bool CProgressWindow::IsCancelRequest(const MSG& msg, BOOL bCancelOnEsc,
                                      BOOL bCancelOnClick) const {
  if (bCancelOnEsc && msg.message == WM_CHAR && msg.wParam == VK_ESCAPE) return true;
  if (bCancelOnClick && msg.message == WM_LBUTTONUP && m_btnCancel.m_hWnd) {
    CRect rcCancel;
    m_btnCancel.GetWindowRect(&rcCancel);
    return rcCancel.PtInRect(msg.pt) != FALSE;
  }
  return false;
}

void CProgressWindow::PeekAndPump(BOOL bCancelOnEsc, BOOL bCancelOnClick) {
  if (bCancelOnClick && ::IsWindow(m_hWnd) && GetFocus() != this) SetFocus();
  CWinThread* pThread = AfxGetThread();
  MSG msg;
  while (!m_bCancelled && ::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE)) {
    if (IsCancelRequest(msg, bCancelOnEsc, bCancelOnClick)) OnCancel();
    const BOOL bPumped = pThread ? pThread->PumpMessage()
                                 : (::GetMessageW(&msg, NULL, 0, 0) > 0 &&
                                    (::TranslateMessage(&msg), ::DispatchMessageW(&msg), TRUE));
    if (!bPumped) {
      ::PostQuitMessage(0);
      return;
    }
  }
}

void CProgressWindow::PeekAndPumpModal(BOOL bCancelOnEsc, BOOL bCancelOnClick) {
  MSG msg;
  while (::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE)) {
    if (IsCancelRequest(msg, bCancelOnEsc, bCancelOnClick)) OnCancel();
    if (!::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) break;
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(0);
      return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  if (CWinThread* pThread = AfxGetThread()) {
    LONG lIdle = 0;
    while (pThread->OnIdle(lIdle++)) {
    }
  }
}
