// Creating and subclassing windows: the creation hook that binds a new window to its object,
// the default window class, destruction, and giving the window back its own procedure.
#include "wndstate_.h"

using namespace afx_internal;

namespace {

HINSTANCE FrameworkInstance() {
  HMODULE hModule = nullptr;
  ::GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&FrameworkInstance), &hModule);
  return hModule;
}

// Registered once per process as a global class, so any module's instance handle finds it.
BOOL RegisterDefaultClass() {
  WNDCLASSEX wc = {};
  wc.cbSize = sizeof(wc);
  HINSTANCE hInst = FrameworkInstance();
  if (::GetClassInfoEx(hInst, AFX_WND_CLASS_NAME_, &wc)) return TRUE;
  wc = {};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
  wc.lpfnWndProc = ::DefWindowProc;
  wc.hInstance = hInst;
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = AFX_WND_CLASS_NAME_;
  return ::RegisterClassEx(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

namespace afx_internal {

// Routes hWnd through AfxWndProc; returns the procedure it had unless that was ours already.
WNDPROC HookWindowProc(HWND hWnd) {
  WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (pfnOld == &AfxWndProc) return nullptr;
  ::SetPropW(hWnd, kOldProcProp, reinterpret_cast<HANDLE>(pfnOld));
  return pfnOld;
}

}  // namespace afx_internal

// ---- creation hook

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
  WndThreadState& state = WndState();
  if (nCode == HCBT_CREATEWND && state.pWndInit != nullptr) {
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    CWnd* pWndInit = state.pWndInit;
    state.pWndInit = nullptr;  // only the first window made after the hook was set is ours
    if (pWndInit->Attach(hWnd)) {
      pWndInit->PreSubclassWindow();
      WNDPROC pfnOld = HookWindowProc(hWnd);
      if (pfnOld != nullptr) *pWndInit->GetSuperWndProcAddr() = pfnOld;
    }
  }
  return ::CallNextHookEx(state.hHookCbt, nCode, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd) {
  WndThreadState& state = WndState();
  if (state.hHookCbt == nullptr) {
    state.hHookCbt = ::SetWindowsHookEx(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    if (state.hHookCbt == nullptr) AfxThrowMemoryException();
  }
  ++state.nHookDepth;
  ASSERT(pWnd != nullptr && pWnd->m_hWnd == nullptr);
  state.pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate() {
  WndThreadState& state = WndState();
  BOOL bConsumed = state.pWndInit == nullptr;
  state.pWndInit = nullptr;
  if (state.nHookDepth > 0 && --state.nHookDepth == 0 && state.hHookCbt != nullptr) {
    ::UnhookWindowsHookEx(state.hHookCbt);
    state.hHookCbt = nullptr;
  }
  return bConsumed;
}

// ---- creation

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
  if (cs.lpszClass == nullptr) {
    if (!RegisterDefaultClass()) return FALSE;
    cs.lpszClass = AFX_WND_CLASS_NAME_;
  }
  return TRUE;
}

void CWnd::PreSubclassWindow() {}

WNDPROC* CWnd::GetSuperWndProcAddr() {
  return &m_pfnSuper;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
  (void)pContext;
  // A child window must have a parent to live in.
  ASSERT(pParentWnd != nullptr || !(dwStyle & WS_CHILD));
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                  nullptr);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
  return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
  ASSERT(m_hWnd == nullptr);
  if (m_hWnd != nullptr) return FALSE;  // one window per object

  CREATESTRUCT cs = {};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = dwStyle;
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.lpCreateParams = lpParam;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  cs.hInstance = pState != nullptr && pState->m_hCurrentInstanceHandle != nullptr
                     ? pState->m_hCurrentInstanceHandle
                     : ::GetModuleHandle(nullptr);

  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }

  AfxHookWindowCreate(this);
  HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx,
                               cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  if (!AfxUnhookWindowCreate()) {
    // The window never came to exist: the object gets its last call all the same, so
    // self-deleting objects do not leak.
    PostNcDestroy();
    return FALSE;
  }
  // When creation failed after the window existed (OnCreate returned -1), WM_NCDESTROY
  // already unbound the object and PostNcDestroy ran: touch nothing.
  return hWnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
  HWND hWnd = m_hWnd;
  if (hWnd == nullptr) return FALSE;
  BOOL bPermanent = FromHandlePermanent(hWnd) == this;
  BOOL bResult = ::DestroyWindow(hWnd);
  // A window routed through the framework unbound itself in WM_NCDESTROY (and the object may
  // be gone). One only attached (never subclassed) is still in the map: unbind it here.
  if (bPermanent) {
    WndThreadState& state = WndState();
    auto it = state.permanent.find(hWnd);
    if (it != state.permanent.end() && it->second == this && !::IsWindow(hWnd)) Detach();
  }
  return bResult;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!::IsWindow(hWnd)) return FALSE;
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  WNDPROC pfnOld = HookWindowProc(hWnd);
  if (pfnOld != nullptr) *GetSuperWndProcAddr() = pfnOld;
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  ASSERT(pParent != nullptr && ::IsWindow(pParent->GetSafeHwnd()));
  HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), int(nID));
  return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
  ASSERT(::IsWindow(m_hWnd));
  if (m_hWnd == nullptr) return nullptr;
  WNDPROC* ppfnSuper = GetSuperWndProcAddr();
  if (*ppfnSuper != nullptr) {
    ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*ppfnSuper));
    *ppfnSuper = nullptr;
  }
  ::RemovePropW(m_hWnd, kOldProcProp);
  return Detach();
}

void CWnd::PostNcDestroy() {}

void CWnd::OnNcDestroy() {
  // The main window going away ends the application's message loop.
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  CWinApp* pApp = pState != nullptr ? pState->m_pCurrentWinApp : nullptr;
  if (pApp != nullptr && pApp->m_pMainWnd == this) {
    pApp->m_pMainWnd = nullptr;
    ::PostQuitMessage(0);
  }

  HWND hWnd = m_hWnd;
  WNDPROC pfnNow = reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC));
  Default();
  // Give the window back its own procedure, unless someone subclassed it after us.
  WNDPROC* ppfnSuper = GetSuperWndProcAddr();
  if (*ppfnSuper != nullptr && pfnNow == &AfxWndProc &&
      reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC)) == &AfxWndProc)
    ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*ppfnSuper));
  ::RemovePropW(hWnd, kOldProcProp);
  Detach();
  PostNcDestroy();
}
