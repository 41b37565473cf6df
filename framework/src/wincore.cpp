// CWnd core: the per-thread handle maps, creation through the CBT hook, subclassing, the
// framework window procedure, message-map dispatch and notification reflection.
#include "afxwin.h"

#include <unordered_map>
#include <vector>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_NCDESTROY()
  ON_WM_DRAWITEM()
  ON_WM_MEASUREITEM()
  ON_WM_CTLCOLOR()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace {

// The original procedure of a window the framework subclassed, kept on the window too so a
// window whose object went away still reaches it.
const wchar_t kOldProcProp[] = L"AfxFw.OldWndProc";

struct WndThreadState {
  std::unordered_map<HWND, CWnd*> permanent;
  std::unordered_map<HWND, CWnd*> temporary;
  CWnd* pWndInit = nullptr;  // the object whose window is being created
  HHOOK hHookCbt = nullptr;
  int nHookDepth = 0;
  MSG lastSentMsg = {};  // the message the framework procedure is handling now

  void DeleteTemporaries() {
    std::unordered_map<HWND, CWnd*> doomed;
    doomed.swap(temporary);
    for (auto& item : doomed) {
      item.second->m_hWnd = nullptr;  // a wrapper never destroys the window
      delete item.second;
    }
  }
};

// The state itself is never destroyed: window objects with static storage are destroyed
// after the thread's own exit processing and still look themselves up. Only the temporary
// wrappers are freed when the thread ends.
thread_local WndThreadState* t_pWndState = nullptr;

struct TempWrapperCleanup {
  bool armed = false;
  ~TempWrapperCleanup() {
    if (armed && t_pWndState != nullptr) t_pWndState->DeleteTemporaries();
  }
};
thread_local TempWrapperCleanup t_tempCleanup;

WndThreadState& State() {
  if (t_pWndState == nullptr) {
    t_pWndState = new WndThreadState;
    t_tempCleanup.armed = true;  // constructs the cleanup for this thread
  }
  return *t_pWndState;
}

// Makes a pointer opaque to the optimiser: callers may use a null object pointer on purpose.
template <class T>
const T* Opaque(const T* p) {
  __asm__("" : "+r"(p));
  return p;
}

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

// Routes hWnd through AfxWndProc; returns the procedure it had unless that was ours already.
WNDPROC HookWindowProc(HWND hWnd) {
  WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
  if (pfnOld == &AfxWndProc) return nullptr;
  ::SetPropW(hWnd, kOldProcProp, reinterpret_cast<HANDLE>(pfnOld));
  return pfnOld;
}

}  // namespace

// ---- creation hook

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
  WndThreadState& state = State();
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
  WndThreadState& state = State();
  if (state.hHookCbt == nullptr) {
    state.hHookCbt = ::SetWindowsHookEx(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
    if (state.hHookCbt == nullptr) AfxThrowMemoryException();
  }
  ++state.nHookDepth;
  ASSERT(pWnd != nullptr && pWnd->m_hWnd == nullptr);
  state.pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate() {
  WndThreadState& state = State();
  BOOL bConsumed = state.pWndInit == nullptr;
  state.pWndInit = nullptr;
  if (state.nHookDepth > 0 && --state.nHookDepth == 0 && state.hHookCbt != nullptr) {
    ::UnhookWindowsHookEx(state.hHookCbt);
    state.hHookCbt = nullptr;
  }
  return bConsumed;
}

// ---- the framework window procedure

WNDPROC AFXAPI AfxGetAfxWndProc() {
  return &AfxWndProc;
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  WndThreadState& state = State();
  MSG saved = state.lastSentMsg;
  state.lastSentMsg.hwnd = hWnd;
  state.lastSentMsg.message = nMsg;
  state.lastSentMsg.wParam = wParam;
  state.lastSentMsg.lParam = lParam;

  LRESULT lResult = pWnd->WindowProc(nMsg, wParam, lParam);

  // A handler that took WM_NCDESTROY without calling the base leaves the object bound to a
  // dead handle; finish the unbinding here (the object cannot have been deleted: deleting
  // happens only after the unbinding).
  if (nMsg == WM_NCDESTROY) {
    auto it = state.permanent.find(hWnd);
    if (it != state.permanent.end() && it->second == pWnd) {
      ::RemovePropW(hWnd, kOldProcProp);
      pWnd->Detach();
      pWnd->PostNcDestroy();
    }
  }
  state.lastSentMsg = saved;
  return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr) {
    // The object let go of the window but the window still calls us: hand the message to
    // the procedure the window had before.
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::GetPropW(hWnd, kOldProcProp));
    if (nMsg == WM_NCDESTROY) ::RemovePropW(hWnd, kOldProcProp);
    if (pfnOld != nullptr && pfnOld != &AfxWndProc)
      return ::CallWindowProc(pfnOld, hWnd, nMsg, wParam, lParam);
    return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
  }
  return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

// ---- temporary map

void AFXAPI AfxDeleteTempWndMap() {
  State().DeleteTemporaries();
}

void PASCAL CWnd::DeleteTempMap() {
  AfxDeleteTempWndMap();
}

// ---- construction and the handle maps

CWnd::CWnd() : m_hWnd(nullptr), m_pfnSuper(nullptr), m_hWndOwner(nullptr), m_bTemporary(FALSE) {}

// The places are never bound: marked temporary so their destruction looks nothing up.
CWnd::CWnd(HWND hWndPlace)
    : m_hWnd(hWndPlace), m_pfnSuper(nullptr), m_hWndOwner(nullptr), m_bTemporary(TRUE) {}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::~CWnd() {
  if (m_hWnd == nullptr || m_bTemporary) return;
  WndThreadState& state = State();
  auto it = state.permanent.find(m_hWnd);
  if (it != state.permanent.end() && it->second == this) {
    // The object goes first: its window must not outlive it with a dangling binding.
    if (::IsWindow(m_hWnd)) DestroyWindow();
    if (m_hWnd != nullptr) Detach();
  }
}

HWND CWnd::GetSafeHwnd() const {
  const CWnd* p = Opaque(this);
  return p == nullptr ? nullptr : p->m_hWnd;
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  WndThreadState& state = State();
  auto it = state.permanent.find(hWnd);
  return it == state.permanent.end() ? nullptr : it->second;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  WndThreadState& state = State();
  auto it = state.permanent.find(hWnd);
  if (it != state.permanent.end()) return it->second;
  auto temp = state.temporary.find(hWnd);
  if (temp != state.temporary.end()) return temp->second;
  CWnd* pWnd = new CWnd;
  pWnd->m_hWnd = hWnd;
  pWnd->m_bTemporary = TRUE;
  state.temporary.emplace(hWnd, pWnd);
  return pWnd;
}

BOOL CWnd::Attach(HWND hWndNew) {
  ASSERT(m_hWnd == nullptr);
  if (hWndNew == nullptr || m_hWnd != nullptr) return FALSE;
  WndThreadState& state = State();
  auto it = state.permanent.find(hWndNew);
  // One object per window: a second binding would leave the first one dangling.
  if (it != state.permanent.end()) return FALSE;
  state.permanent.emplace(hWndNew, this);
  m_hWnd = hWndNew;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND hWnd = m_hWnd;
  if (hWnd != nullptr) {
    WndThreadState& state = State();
    auto it = state.permanent.find(hWnd);
    if (it != state.permanent.end() && it->second == this) state.permanent.erase(it);
  }
  m_hWnd = nullptr;
  return hWnd;
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
    WndThreadState& state = State();
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

// ---- message processing

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT lResult = 0;
  if (!OnWndMsg(message, wParam, lParam, &lResult))
    lResult = DefWindowProc(message, wParam, lParam);
  return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC pfnSuper = *GetSuperWndProcAddr();
  if (pfnSuper != nullptr) return ::CallWindowProc(pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& msg = State().lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() {
  return &State().lastSentMsg;
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

namespace {
template <class T>
T W(AFX_PMSG pfn) {
  return AfxMsgFunctionCast<T>(pfn);
}
// Coordinates are signed 16-bit halves (negative on multi-monitor set-ups).
CPoint PointOf(LPARAM lParam) {
  return CPoint(short(LOWORD(lParam)), short(HIWORD(lParam)));
}
}  // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT lResult = 0;

  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    if (pResult != nullptr) *pResult = 1;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr) return FALSE;
    if (!OnNotify(wParam, lParam, &lResult)) return FALSE;
    if (pResult != nullptr) *pResult = lResult;
    return TRUE;
  }

  // Every colour request is one map entry; the handler learns the kind.
  UINT nLookup = message;
  UINT nCtlColor = 0;
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    nLookup = WM_CTLCOLOR;
    nCtlColor = message - WM_CTLCOLORMSGBOX;
  }

  const AFX_MSGMAP_ENTRY* lpEntry = nullptr;
  UINT_PTR nSig = AfxSig_end;
  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr && lpEntry == nullptr;
       pMap = pMap->pfnGetBaseMap != nullptr ? (*pMap->pfnGetBaseMap)() : nullptr) {
    if (message >= 0xC000 && message <= 0xFFFF) {
      for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p != nullptr && p->nSig != AfxSig_end;
           ++p) {
        if (p->nMessage == 0xC000 && *reinterpret_cast<const UINT*>(p->nSig) == message) {
          lpEntry = p;
          nSig = AfxSig_lwl;
          break;
        }
      }
    } else {
      lpEntry = AfxFindMessageEntry(pMap->lpEntries, nLookup, 0, 0);
      if (lpEntry != nullptr) nSig = lpEntry->nSig;
    }
  }
  if (lpEntry == nullptr) return FALSE;

  const AFX_PMSG pfn = lpEntry->pfn;
  typedef CWnd C;
  switch (nSig) {
    case AfxSig_vv: (this->*W<void (C::*)()>(pfn))(); break;
    case AfxSig_bv: lResult = (this->*W<BOOL (C::*)()>(pfn))(); break;
    case AfxSig_wv: lResult = (this->*W<UINT (C::*)()>(pfn))(); break;
    case AfxSig_is:
      lResult =
          (this->*W<int (C::*)(LPCREATESTRUCT)>(pfn))(reinterpret_cast<LPCREATESTRUCT>(lParam));
      break;
    case AfxSig_vwii:
      (this->*W<void (C::*)(UINT, int, int)>(pfn))(UINT(wParam), short(LOWORD(lParam)),
                                                   short(HIWORD(lParam)));
      break;
    case AfxSig_vii:
      (this->*W<void (C::*)(int, int)>(pfn))(short(LOWORD(lParam)), short(HIWORD(lParam)));
      break;
    case AfxSig_bD:
      lResult = (this->*W<BOOL (C::*)(CDC*)>(pfn))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
      break;
    case AfxSig_vt: (this->*W<void (C::*)(UINT_PTR)>(pfn))(UINT_PTR(wParam)); break;
    case AfxSig_vwp:
      (this->*W<void (C::*)(UINT, CPoint)>(pfn))(UINT(wParam), PointOf(lParam));
      break;
    case AfxSig_bwsp:
      lResult = (this->*W<BOOL (C::*)(UINT, short, CPoint)>(pfn))(
          LOWORD(wParam), short(HIWORD(wParam)), PointOf(lParam));
      break;
    case AfxSig_vwww:
      (this->*W<void (C::*)(UINT, UINT, UINT)>(pfn))(UINT(wParam), LOWORD(lParam), HIWORD(lParam));
      break;
    case AfxSig_vW: {
      // WM_CAPTURECHANGED names the new capture window in lParam; the others in wParam.
      HWND hWndOther = message == WM_CAPTURECHANGED ? reinterpret_cast<HWND>(lParam)
                                                    : reinterpret_cast<HWND>(wParam);
      (this->*W<void (C::*)(CWnd*)>(pfn))(CWnd::FromHandle(hWndOther));
      break;
    }
    case AfxSig_vwwS:
      (this->*W<void (C::*)(UINT, UINT, CScrollBar*)>(pfn))(
          LOWORD(wParam), UINT(short(HIWORD(wParam))),
          static_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
      break;
    case AfxSig_vww:
      (this->*W<void (C::*)(UINT, UINT)>(pfn))(LOWORD(wParam), UINT(short(HIWORD(wParam))));
      break;
    case AfxSig_bWww:
      lResult = (this->*W<BOOL (C::*)(CWnd*, UINT, UINT)>(pfn))(
          CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
      break;
    case AfxSig_lp: lResult = (this->*W<LRESULT (C::*)(CPoint)>(pfn))(PointOf(lParam)); break;
    case AfxSig_vWp:
      (this->*W<void (C::*)(CWnd*, CPoint)>(pfn))(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
                                                  PointOf(lParam));
      break;
    case AfxSig_hDWw: {
      HBRUSH hbr = (this->*W<HBRUSH (C::*)(CDC*, CWnd*, UINT)>(pfn))(
          CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
          CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), nCtlColor);
      lResult = reinterpret_cast<LRESULT>(hbr);
      break;
    }
    case AfxSig_hDw: {
      // Reflected colour request (see ReflectChildNotify): wParam the DC, lParam the kind.
      HBRUSH hbr = (this->*W<HBRUSH (C::*)(CDC*, UINT)>(pfn))(
          CDC::FromHandle(reinterpret_cast<HDC>(wParam)), UINT(lParam));
      if (hbr == nullptr) return FALSE;  // the control declined: its parent decides
      lResult = reinterpret_cast<LRESULT>(hbr);
      break;
    }
    case AfxSig_vDRAW:
      (this->*W<void (C::*)(int, LPDRAWITEMSTRUCT)>(pfn))(
          int(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      lResult = TRUE;
      break;
    case AfxSig_vMEASURE:
      (this->*W<void (C::*)(int, LPMEASUREITEMSTRUCT)>(pfn))(
          int(wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      lResult = TRUE;
      break;
    case AfxSig_vDRAW_R:
      (this->*W<void (C::*)(LPDRAWITEMSTRUCT)>(pfn))(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      lResult = TRUE;
      break;
    case AfxSig_vMEASURE_R:
      (this->*W<void (C::*)(LPMEASUREITEMSTRUCT)>(pfn))(
          reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      lResult = TRUE;
      break;
    case AfxSig_vbw: (this->*W<void (C::*)(BOOL, UINT)>(pfn))(BOOL(wParam), UINT(lParam)); break;
    case AfxSig_vwWb:
      (this->*W<void (C::*)(UINT, CWnd*, BOOL)>(pfn))(
          LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), BOOL(HIWORD(wParam)));
      break;
    case AfxSig_vPOS:
      (this->*W<void (C::*)(WINDOWPOS*)>(pfn))(reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case AfxSig_vMMI:
      (this->*W<void (C::*)(MINMAXINFO*)>(pfn))(reinterpret_cast<MINMAXINFO*>(lParam));
      break;
    case AfxSig_vb: (this->*W<void (C::*)(BOOL)>(pfn))(BOOL(wParam)); break;
    case AfxSig_vws:
      (this->*W<void (C::*)(UINT, LPCTSTR)>(pfn))(UINT(wParam), reinterpret_cast<LPCTSTR>(lParam));
      break;
    case AfxSig_vCALC:
      (this->*W<void (C::*)(BOOL, NCCALCSIZE_PARAMS*)>(pfn))(
          BOOL(wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
      break;
    case AfxSig_iWww:
      lResult = (this->*W<int (C::*)(CWnd*, UINT, UINT)>(pfn))(
          CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam));
      break;
    case AfxSig_vMwb:
      (this->*W<void (C::*)(CMenu*, UINT, BOOL)>(pfn))(
          CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam), BOOL(HIWORD(lParam)));
      break;
    case AfxSig_vwwh:
      (this->*W<void (C::*)(UINT, UINT, HMENU)>(pfn))(LOWORD(wParam), HIWORD(wParam),
                                                      reinterpret_cast<HMENU>(lParam));
      break;
    case AfxSig_vwW:
      (this->*W<void (C::*)(UINT, CWnd*)>(pfn))(UINT(wParam),
                                                CWnd::FromHandle(reinterpret_cast<HWND>(lParam)));
      break;
    case AfxSig_lwl:
      lResult = (this->*W<LRESULT (C::*)(WPARAM, LPARAM)>(pfn))(wParam, lParam);
      break;
    case AfxSig_vwl: (this->*W<void (C::*)(UINT, LPARAM)>(pfn))(UINT(wParam), lParam); break;
    case AfxSig_vbd: (this->*W<void (C::*)(BOOL, DWORD)>(pfn))(BOOL(wParam), DWORD(lParam)); break;
    case AfxSig_bb: lResult = (this->*W<BOOL (C::*)(BOOL)>(pfn))(BOOL(wParam)); break;
    case AfxSig_bHELPINFO:
      lResult = (this->*W<BOOL (C::*)(HELPINFO*)>(pfn))(reinterpret_cast<HELPINFO*>(lParam));
      break;
    case AfxSig_vHDROP: (this->*W<void (C::*)(HDROP)>(pfn))(reinterpret_cast<HDROP>(wParam)); break;
    case AfxSig_bWCDS:
      lResult = (this->*W<BOOL (C::*)(CWnd*, COPYDATASTRUCT*)>(pfn))(
          CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
          reinterpret_cast<COPYDATASTRUCT*>(lParam));
      break;
    case AfxSig_vwSIZING:
      (this->*W<void (C::*)(UINT, LPRECT)>(pfn))(UINT(wParam), reinterpret_cast<LPRECT>(lParam));
      lResult = TRUE;  // the rectangle may have been changed
      break;
    case AfxSig_vM:
      (this->*W<void (C::*)(CMenu*)>(pfn))(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)));
      break;
    case AfxSig_viSS:
      (this->*W<void (C::*)(int, LPSTYLESTRUCT)>(pfn))(int(wParam),
                                                       reinterpret_cast<LPSTYLESTRUCT>(lParam));
      break;
    default:
      // A command or notification entry under a window message number: a broken map.
      ASSERT(FALSE);
      return FALSE;
  }
  if (pResult != nullptr) *pResult = lResult;
  return TRUE;
}

namespace {
// Asks the update handlers whether a command is enabled, without touching any interface.
class CTestCmdUI : public CCmdUI {
 public:
  BOOL m_bEnabled = TRUE;
  void Enable(BOOL bOn) override {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int) override {}
  void SetRadio(BOOL) override {}
  void SetText(LPCTSTR) override {}
};
}  // namespace

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT nID = LOWORD(wParam);
  HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (hWndCtrl == nullptr) {
    // Menu or accelerator (code 1): both are plain commands.
    if (nID == 0) return FALSE;
    // An accelerator can fire a command its menu item shows disabled: drop it (as handled).
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, int(CN_UPDATE_COMMAND_UI), &state, nullptr);
    if (!state.m_bEnabled) return TRUE;
    nCode = CN_COMMAND;
  } else {
    // The control's own object may take its notification first.
    if (State().lastSentMsg.message == WM_COMMAND && ReflectLastMsg(hWndCtrl)) return TRUE;
    if (nID == 0) return FALSE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  (void)wParam;
  NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (pNMHDR == nullptr) return FALSE;
  HWND hWndCtrl = pNMHDR->hwndFrom;
  if (State().lastSentMsg.message == WM_NOTIFY && ReflectLastMsg(hWndCtrl, pResult)) return TRUE;
  UINT nID = UINT(pNMHDR->idFrom);
  AFX_NOTIFY notify;
  notify.pResult = pResult;
  notify.pNMHDR = pNMHDR;
  return OnCmdMsg(nID, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
  CWnd* pWnd = FromHandlePermanent(hWndChild);
  if (pWnd == nullptr) return FALSE;
  return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
  const MSG msg = State().lastSentMsg;
  return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM: return OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND: {
      int nCode = HIWORD(wParam);
      if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr,
                               nullptr)) {
        if (pResult != nullptr) *pResult = 1;
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
      if (pNMHDR == nullptr) return FALSE;
      AFX_NOTIFY notify;
      notify.pResult = pResult;
      notify.pNMHDR = pNMHDR;
      return CCmdTarget::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify,
                                  nullptr);
    }
    default:
      if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, wParam, LPARAM(message - WM_CTLCOLORMSGBOX),
                        pResult);
      return FALSE;
  }
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg) {
  (void)pMsg;
  return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  ASSERT(pMsg != nullptr);
  if (pMsg == nullptr) return FALSE;
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    if (hWnd == hWndStop) break;
  }
  return FALSE;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm) {
  // Collect first: a handler may create or destroy children while we walk.
  std::vector<HWND> children;
  for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr;
       hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    children.push_back(hChild);
  for (HWND hChild : children) {
    if (!::IsWindow(hChild)) continue;
    if (!bOnlyPerm || FromHandlePermanent(hChild) != nullptr)
      ::SendMessage(hChild, message, wParam, lParam);
    if (bDeep && ::GetTopWindow(hChild) != nullptr) {
      CWnd wndChild;
      wndChild.m_hWnd = hChild;
      wndChild.m_bTemporary = TRUE;  // only a walker: never binds or destroys
      wndChild.SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
      wndChild.m_hWnd = nullptr;
    }
  }
}

// ---- default handlers

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
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) {
  Default();
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

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar) {
  if (pScrollBar != nullptr && ReflectLastMsg(pScrollBar->GetSafeHwnd())) return;
  Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar) {
  if (pScrollBar != nullptr && ReflectLastMsg(pScrollBar->GetSafeHwnd())) return;
  Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
  LRESULT lResult = 0;
  if (pWnd != nullptr && ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
    return reinterpret_cast<HBRUSH>(lResult);
  return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (lpDrawItemStruct != nullptr && lpDrawItemStruct->CtlType != ODT_MENU &&
      ReflectLastMsg(lpDrawItemStruct->hwndItem))
    return;
  Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  // The record names no window: find the control by its id among the children.
  if (lpMeasureItemStruct != nullptr && lpMeasureItemStruct->CtlType != ODT_MENU) {
    HWND hWndChild = ::GetDlgItem(m_hWnd, int(lpMeasureItemStruct->CtlID));
    if (hWndChild != nullptr && ReflectLastMsg(hWndChild)) return;
  }
  Default();
}

void CWnd::DoDataExchange(CDataExchange*) {}
