// CWinThread and CWinApp: the message loop, idle processing, start-up and global access.
#include "afxwin.h"
#include "afxdisp.h"
#include "thrdstate_.h"

#include <cstdlib>
#include <string>

#ifndef WM_IDLEUPDATECMDUI
#define WM_IDLEUPDATECMDUI 0x0363
#endif

namespace {
// Caret blink timer; its messages arrive all the time and must not restart idle processing.
const UINT kWmSysTimer = 0x0118;

thread_local CWinThread* t_pThread = nullptr;

// The profile and name strings are malloc'ed, so that code written for the documented
// framework (free the old string, _tcsdup the new one) can replace them.
LPTSTR DupString(LPCTSTR psz) {
  return psz ? _wcsdup(psz) : nullptr;
}
}  // namespace

// ---- CWinThread

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(NULL),
      m_pActiveWnd(NULL),
      m_bAutoDelete(TRUE),
      m_hThread(NULL),
      m_nThreadID(::GetCurrentThreadId()),
      m_msgCur(),
      m_pThreadParams(NULL),
      m_pfnThreadProc(NULL),
      m_ptCursorLast{-1, -1},
      m_nMsgLast(0) {
  if (!t_pThread) t_pThread = this;
}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam) : CWinThread() {
  m_pfnThreadProc = pfnThreadProc;
  m_pThreadParams = pParam;
}

CWinThread::~CWinThread() {
  if (t_pThread == this) t_pThread = nullptr;
  if (m_hThread) ::CloseHandle(m_hThread);
}

CWnd* CWinThread::GetMainWnd() {
  if (m_pActiveWnd) return m_pActiveWnd;
  return m_pMainWnd;
}

BOOL CWinThread::InitInstance() {
  return FALSE;
}

int CWinThread::Run() {
  BOOL bIdle = TRUE;
  LONG lIdleCount = 0;
  for (;;) {
    while (bIdle && !::PeekMessageW(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
      if (!OnIdle(lIdleCount++)) bIdle = FALSE;
    do {
      if (!PumpMessage()) return ExitInstance();
      if (IsIdleMessage(&m_msgCur)) {
        bIdle = TRUE;
        lIdleCount = 0;
      }
    } while (::PeekMessageW(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
  }
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  if (!pMsg || !pMsg->hwnd) return FALSE;
  CWnd* pMainWnd = AfxGetMainWnd();
  HWND hWndMain = pMainWnd ? pMainWnd->m_hWnd : NULL;
  if (CWnd::WalkPreTranslateTree(hWndMain, pMsg)) return TRUE;
  // A modeless window outside the main window's tree still gets the main window's
  // accelerators.
  if (hWndMain && ::IsWindow(hWndMain) && ::GetAncestor(pMsg->hwnd, GA_ROOT) != hWndMain)
    return pMainWnd->PreTranslateMessage(pMsg);
  return FALSE;
}

BOOL CWinThread::PumpMessage() {
  if (::GetMessageW(&m_msgCur, NULL, 0, 0) <= 0) return FALSE;  // WM_QUIT (or a bad call)
  if (!PreTranslateMessage(&m_msgCur)) {
    ::TranslateMessage(&m_msgCur);
    ::DispatchMessageW(&m_msgCur);
  }
  return TRUE;
}

BOOL CWinThread::OnIdle(LONG lCount) {
  if (lCount <= 0) {
    CWnd* pMainWnd = m_pMainWnd;
    if (pMainWnd && pMainWnd->m_hWnd && ::IsWindowVisible(pMainWnd->m_hWnd)) {
      ::SendMessageW(pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
      pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
    }
  } else {
    AfxDeleteTempWndMap();
    AfxDeleteTempGdiAndMenuMaps();
  }
  return lCount < 0;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
  if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
    const bool same = m_nMsgLast == pMsg->message && m_ptCursorLast.x == pMsg->pt.x &&
                      m_ptCursorLast.y == pMsg->pt.y;
    m_ptCursorLast = pMsg->pt;
    m_nMsgLast = pMsg->message;
    return !same;
  }
  return pMsg->message != WM_PAINT && pMsg->message != kWmSysTimer;
}

int CWinThread::ExitInstance() {
  return int(m_msgCur.wParam);
}

// ---- CWinApp

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(DupString(lpszAppName)),
      m_pszRegistryKey(NULL),
      m_pszProfileName(NULL),
      m_pszExeName(NULL),
      m_pszHelpFilePath(NULL),
      m_hInstance(NULL),
      m_lpCmdLine(NULL),
      m_nCmdShow(SW_SHOWNORMAL),
      m_hDevMode(NULL),
      m_hDevNames(NULL),
      m_nNumPreviewPages(0) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  ASSERT(pState->m_pCurrentWinApp == NULL);  // one application object per module
  pState->m_pCurrentWinApp = this;
  if (m_pszAppName) pState->m_lpszCurrentAppName = m_pszAppName;
}

CWinApp::~CWinApp() {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  if (pState->m_pCurrentWinApp == this) pState->m_pCurrentWinApp = NULL;
  if (pState->m_lpszCurrentAppName == m_pszAppName) pState->m_lpszCurrentAppName = NULL;
  for (LPCTSTR* pp :
       {&m_pszAppName, &m_pszRegistryKey, &m_pszProfileName, &m_pszExeName, &m_pszHelpFilePath})
    ReplaceString(*pp, NULL);
  SelectPrinter(NULL, NULL);
}

void CWinApp::ReplaceString(LPCTSTR& rpsz, LPCTSTR lpszNew) {
  LPCTSTR pOld = rpsz;
  rpsz = DupString(lpszNew);
  free(const_cast<LPTSTR>(pOld));
}

void CWinApp::SetCurrentHandles() {
  wchar_t path[MAX_PATH + 1] = {};
  const DWORD n = ::GetModuleFileNameW(m_hInstance, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return;
  std::wstring full(path, n);
  const size_t slash = full.find_last_of(L"\\/");
  std::wstring name = full.substr(slash == std::wstring::npos ? 0 : slash + 1);
  const size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring::npos) name.resize(dot);
  if (!m_pszExeName) ReplaceString(m_pszExeName, name.c_str());
  if (!m_pszAppName) ReplaceString(m_pszAppName, name.c_str());
  AfxGetModuleState()->m_lpszCurrentAppName = m_pszAppName;
  // The INI file sits next to the executable, never in the Windows folder.
  if (!m_pszProfileName) {
    std::wstring ini =
        full.substr(0, slash == std::wstring::npos ? 0 : slash + 1) + m_pszExeName + L".INI";
    ReplaceString(m_pszProfileName, ini.c_str());
  }
}

BOOL CWinApp::InitInstance() {
  return TRUE;
}

int CWinApp::ExitInstance() {
  AfxOleTerm();
  return int(m_msgCur.wParam);
}

int CWinApp::Run() {
  if (!m_pMainWnd) {
    // Nothing to run a loop for: leave at once as the documented application does.
    ::PostQuitMessage(0);
  }
  return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount) {
  if (lCount <= 1) CWinThread::OnIdle(lCount);
  return lCount < 1;
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
  if (!lpszRegistryKey || !*lpszRegistryKey) return;
  ReplaceString(m_pszRegistryKey, lpszRegistryKey);
  // Under a registry key the profile name is the application's own key.
  ReplaceString(m_pszProfileName, m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey) {
  CString key;
  if (key.LoadString(nIDRegistryKey)) SetRegistryKey(key.GetString());
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const {
  if (!lpszResourceName) return NULL;
  return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}
HICON CWinApp::LoadIcon(UINT nIDResource) const {
  return LoadIcon(MAKEINTRESOURCEW(nIDResource));
}
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const {
  return ::LoadIconW(NULL, lpszIconName);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const {
  if (!lpszResourceName) return NULL;
  return ::LoadCursorW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
  return LoadCursor(MAKEINTRESOURCEW(nIDResource));
}
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const {
  return ::LoadCursorW(NULL, lpszCursorName);
}

void CWinApp::DoWaitCursor(int nCode) {
  if (nCode > 0)
    BeginWaitCursor();
  else if (nCode < 0)
    EndWaitCursor();
  else
    RestoreWaitCursor();
}

// ---- CWaitCursor

CWaitCursor::CWaitCursor() {
  if (CWinApp* pApp = AfxGetApp()) pApp->DoWaitCursor(1);
}
CWaitCursor::~CWaitCursor() {
  if (CWinApp* pApp = AfxGetApp()) pApp->DoWaitCursor(-1);
}
void CWaitCursor::Restore() {
  if (CWinApp* pApp = AfxGetApp()) pApp->DoWaitCursor(0);
}

// ---- global access and start-up

CWinApp* AFXAPI AfxGetApp() {
  return AfxGetModuleState()->m_pCurrentWinApp;
}

namespace afx_internal {
CWinThread* CurrentThreadObject() {
  return t_pThread;
}
void SetCurrentThreadObject(CWinThread* pThread) {
  t_pThread = pThread;
}
}  // namespace afx_internal

// The application of the current module state when it runs on this thread, else the first
// thread object made on this thread.
CWinThread* AFXAPI AfxGetThread() {
  CWinApp* pApp = AfxGetApp();
  if (pApp && pApp->m_nThreadID == ::GetCurrentThreadId()) return pApp;
  return t_pThread;
}

CWnd* AFXAPI AfxGetMainWnd() {
  CWinThread* pThread = AfxGetThread();
  return pThread ? pThread->GetMainWnd() : NULL;
}

HINSTANCE AFXAPI AfxGetInstanceHandle() {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  return pState->m_hCurrentInstanceHandle ? pState->m_hCurrentInstanceHandle
                                          : ::GetModuleHandleW(NULL);
}

LPCTSTR AFXAPI AfxGetAppName() {
  LPCTSTR psz = AfxGetModuleState()->m_lpszCurrentAppName;
  return psz ? psz : L"";
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow) {
  if (!hInstance) return FALSE;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  pState->m_hCurrentInstanceHandle = hInstance;
  if (!pState->m_hCurrentResourceHandle) pState->m_hCurrentResourceHandle = hInstance;
  if (CWinApp* pApp = AfxGetApp()) {
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->SetCurrentHandles();
  }
  return TRUE;
}

void AFXAPI AfxWinTerm() {
  AfxDeleteTempWndMap();
  AfxDeleteTempGdiAndMenuMaps();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                      int nCmdShow) {
  int nReturnCode = -1;
  CWinApp* pApp = AfxGetApp();
  if (pApp && AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow)) {
    if (!pApp->InitInstance()) {
      if (pApp->m_pMainWnd && pApp->m_pMainWnd->m_hWnd) pApp->m_pMainWnd->DestroyWindow();
      nReturnCode = pApp->ExitInstance();
    } else {
      nReturnCode = pApp->Run();
    }
  }
  AfxWinTerm();
  return nReturnCode;
}
