// CDialog: creation from templates found through the resource chain, and the modal loop.
#include "afxwin.h"
#include "wndstate_.h"

namespace {
// Pushes WM_KICKIDLE-style idle processing to the dialog; answered 0 by default.
const UINT kWmKickIdle = 0x036A;

// The dialog being created on this thread: the dialog procedure attaches it to the window
// on the first message that reaches it (WM_SETFONT or WM_INITDIALOG).
thread_local CDialog* t_pDialogInit = nullptr;
}  // namespace

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
  if (t_pDialogInit && !CWnd::FromHandlePermanent(hWnd)) {
    CDialog* pDlg = t_pDialogInit;
    t_pDialogInit = nullptr;
    // From here on the dialog's messages go through the framework window procedure (and the
    // message map) first; the dialog manager's procedure becomes the default processing.
    pDlg->SubclassWindow(hWnd);
  }
  if (message == WM_INITDIALOG) {
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CDialog)))
      return static_cast<CDialog*>(pWnd)->OnInitDialog();
    return TRUE;
  }
  return FALSE;
}

// ---- construction

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

void CDialog::CommonConstruct() {
  m_lpszTemplateName = NULL;
  m_nIDHelp = 0;
  m_lpDialogTemplate = NULL;
  m_hDialogTemplate = NULL;
  m_lpDialogInit = NULL;
  m_pParentWnd = NULL;
  m_bInModalLoop = FALSE;
  m_bContinueModal = FALSE;
  m_nDialogResult = -1;
}

CDialog::CDialog() {
  CommonConstruct();
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  CommonConstruct();
  m_lpszTemplateName = lpszTemplateName;
  m_pParentWnd = pParentWnd;
  if (IS_INTRESOURCE(lpszTemplateName))
    m_nIDHelp = UINT(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) {
  CommonConstruct();
  m_lpszTemplateName = MAKEINTRESOURCEW(nIDTemplate);
  m_nIDHelp = nIDTemplate;
  m_pParentWnd = pParentWnd;
}

CDialog::~CDialog() {
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
}

// ---- modeless creation

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  if (!lpszTemplateName) return FALSE;
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
    m_nIDHelp = UINT(reinterpret_cast<UINT_PTR>(lpszTemplateName));
  HINSTANCE hInst = NULL;
  LPCDLGTEMPLATE lpTemplate = FindTemplate(hInst);
  if (!lpTemplate) return FALSE;
  m_pParentWnd = pParentWnd;
  return CreateDlgIndirect(lpTemplate, pParentWnd ? pParentWnd->m_hWnd : NULL, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd,
                             void* lpDialogInit) {
  if (!lpDialogTemplate) return FALSE;
  m_lpDialogInit = lpDialogInit;
  m_pParentWnd = pParentWnd;
  return CreateDlgIndirect(lpDialogTemplate, pParentWnd ? pParentWnd->m_hWnd : NULL,
                           AfxGetResourceHandle());
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd) {
  if (!hDialogTemplate) return FALSE;
  LPCDLGTEMPLATE lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hDialogTemplate));
  const BOOL bResult = CreateIndirect(lpTemplate, pParentWnd);
  ::GlobalUnlock(hDialogTemplate);
  return bResult;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent, HINSTANCE hInst) {
  if (m_hWnd) return FALSE;  // one window per object
  CDialog* pPrevInit = t_pDialogInit;
  t_pDialogInit = this;
  HWND hWnd = ::CreateDialogIndirectParamW(hInst, lpDialogTemplate, hWndParent, AfxDlgProc, 0);
  t_pDialogInit = pPrevInit;
  if (!hWnd) {
    // Creation can fail after the window was attached (a control class that does not exist).
    if (m_hWnd) Detach();
    return FALSE;
  }
  return m_hWnd == hWnd;
}

LPCDLGTEMPLATE CDialog::FindTemplate(HINSTANCE& hInst) const {
  if (m_lpszTemplateName) {
    hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hRes = ::FindResourceW(hInst, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL hGlobal = hRes ? ::LoadResource(hInst, hRes) : NULL;
    return hGlobal ? static_cast<LPCDLGTEMPLATE>(::LockResource(hGlobal)) : NULL;
  }
  hInst = AfxGetResourceHandle();
  return m_lpDialogTemplate;
}

// ---- modal

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd,
                                void* lpDialogInit) {
  if (!lpDialogTemplate) return FALSE;
  m_lpszTemplateName = NULL;
  m_lpDialogTemplate = lpDialogTemplate;
  m_lpDialogInit = lpDialogInit;
  m_pParentWnd = pParentWnd;
  return TRUE;
}

// The owner must be a top-level window. Without a parent, the main (or active) window's
// last active popup owns the dialog, so a dialog opened from a dialog stays above it.
HWND CDialog::ModalOwner() const {
  HWND hWnd = m_pParentWnd ? m_pParentWnd->m_hWnd : NULL;
  const bool bExplicit = hWnd != NULL;
  if (!hWnd) {
    CWnd* pMain = AfxGetMainWnd();
    hWnd = pMain ? pMain->m_hWnd : ::GetActiveWindow();
  }
  if (!hWnd || !::IsWindow(hWnd)) return NULL;
  hWnd = ::GetAncestor(hWnd, GA_ROOT);
  if (!bExplicit) hWnd = ::GetLastActivePopup(hWnd);
  return hWnd;
}

INT_PTR CDialog::DoModal() {
  if (m_hWnd) return -1;  // already shown
  HINSTANCE hInst = NULL;
  LPCDLGTEMPLATE lpTemplate = NULL;
  if (m_lpszTemplateName || m_lpDialogTemplate) {
    lpTemplate = FindTemplate(hInst);
  } else if (m_hDialogTemplate) {
    hInst = AfxGetResourceHandle();
    lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(m_hDialogTemplate));
  }
  if (!lpTemplate) return -1;

  const HWND hWndOwner = ModalOwner();
  bool bEnableOwner = false;
  if (hWndOwner && hWndOwner != ::GetDesktopWindow() && ::IsWindowEnabled(hWndOwner)) {
    ::EnableWindow(hWndOwner, FALSE);
    bEnableOwner = true;
  }

  m_nDialogResult = -1;
  m_bInModalLoop = TRUE;
  m_bContinueModal = TRUE;
  try {
    if (CreateDlgIndirect(lpTemplate, hWndOwner, hInst)) {
      // DS_NOIDLEMSG is a template style; it survives in the window style.
      const BOOL bIdleMessages = (::GetWindowLongW(m_hWnd, GWL_STYLE) & DS_NOIDLEMSG) == 0;
      if (m_bContinueModal) RunDialogLoop(hWndOwner, bIdleMessages);
      // Hide before the owner comes back so activation returns to it, not elsewhere.
      if (m_hWnd)
        ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
  } catch (CException* e) {
    e->Delete();
    m_nDialogResult = -1;
  }
  m_bInModalLoop = FALSE;
  m_bContinueModal = FALSE;

  if (bEnableOwner) ::EnableWindow(hWndOwner, TRUE);
  if (hWndOwner && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndOwner);
  if (m_hWnd) DestroyWindow();
  if (m_hDialogTemplate && !m_lpszTemplateName && !m_lpDialogTemplate)
    ::GlobalUnlock(m_hDialogTemplate);
  return m_nDialogResult;
}

BOOL CDialog::ContinueModal() {
  return m_bContinueModal;
}

// Pumps until EndDialog: each message goes through the thread's PreTranslateMessage (the
// window chain, where this dialog's PreTranslateMessage runs IsDialogMessage) before being
// dispatched. While the queue is empty the owner gets WM_ENTERIDLE once per idle period and a
// hidden dialog is shown.
bool afx_internal::PumpModalMessage(MSG& msg) {
  BOOL bGot;
  if (CWinThread* pThread = AfxGetThread()) {
    bGot = pThread->PumpMessage();
    msg = pThread->m_msgCur;
  } else {
    bGot = ::GetMessageW(&msg, NULL, 0, 0) > 0;
    if (bGot && !CWnd::WalkPreTranslateTree(NULL, &msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  if (!bGot) ::PostQuitMessage(int(msg.wParam));
  return bGot != FALSE;
}

int CDialog::RunDialogLoop(HWND hWndOwner, BOOL bIdleMessages) {
  bool bShowOnIdle = !(::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE);
  bool bIdle = true;
  LONG lIdleCount = 0;
  MSG msg;
  for (;;) {
    while (bIdle && !::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE)) {
      if (bIdleMessages && hWndOwner && lIdleCount == 0)
        ::SendMessageW(hWndOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
      if (bShowOnIdle && m_hWnd) {
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
        ::UpdateWindow(m_hWnd);
        bShowOnIdle = false;
      }
      if (!ContinueModal()) return m_nDialogResult;
      if (!m_hWnd || !::SendMessageW(m_hWnd, kWmKickIdle, MSGF_DIALOGBOX, lIdleCount++))
        bIdle = false;
    }
    do {
      if (!afx_internal::PumpModalMessage(msg)) {
        m_nDialogResult = -1;
        m_bContinueModal = FALSE;
        return -1;
      }
      if (bShowOnIdle && m_hWnd && (msg.message == 0x0118 || msg.message == WM_SYSKEYDOWN)) {
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
        ::UpdateWindow(m_hWnd);
        bShowOnIdle = false;
      }
      if (!ContinueModal() || !m_hWnd) return m_nDialogResult;
      CWinThread* pThread = AfxGetThread();
      if (!pThread || pThread->IsIdleMessage(&msg)) {
        bIdle = true;
        lIdleCount = 0;
      }
    } while (::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE));
  }
}

void CDialog::EndDialog(int nResult) {
  if (m_bInModalLoop) {
    m_nDialogResult = nResult;
    m_bContinueModal = FALSE;
    // Wake the loop in case nothing else is queued.
    if (m_hWnd) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
  }
  if (m_hWnd) ::EndDialog(m_hWnd, nResult);
}

// ---- focus, default button, units

void CDialog::NextDlgCtrl() const {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  ASSERT(::IsWindow(m_hWnd));
  if (pWndCtrl && pWndCtrl->m_hWnd)
    ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID) {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const {
  ASSERT(::IsWindow(m_hWnd));
  return DWORD(::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
  ASSERT(::IsWindow(m_hWnd));
  ::MapDialogRect(m_hWnd, lpRect);
}

// ---- default handlers

BOOL CDialog::OnInitDialog() {
  // A failed load is already reported; the dialog still opens.
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() {
  EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (!m_hWnd || !pMsg->hwnd) return FALSE;
  const bool bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                      (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
  if (!bInput) return FALSE;
  if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
  return ::IsDialogMessageW(m_hWnd, pMsg);
}
