// CWnd objects and window handles: the per-thread permanent and temporary maps, binding and
// unbinding, and the wrappers FromHandle makes for windows the framework does not own.
#include "wndstate_.h"

using namespace afx_internal;

namespace afx_internal {

const wchar_t kOldProcProp[] = L"AfxFw.OldWndProc";

namespace {
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
}  // namespace

WndThreadState& WndState() {
  if (t_pWndState == nullptr) {
    t_pWndState = new WndThreadState;
    t_tempCleanup.armed = true;  // constructs the cleanup for this thread
  }
  return *t_pWndState;
}

}  // namespace afx_internal

namespace {
// Makes a pointer opaque to the optimiser: callers may use a null object pointer on purpose.
template <class T>
const T* Opaque(const T* p) {
  __asm__("" : "+r"(p));
  return p;
}
}  // namespace

// ---- temporary map

void AFXAPI AfxDeleteTempWndMap() {
  WndState().DeleteTemporaries();
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
  WndThreadState& state = WndState();
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
  WndThreadState& state = WndState();
  auto it = state.permanent.find(hWnd);
  return it == state.permanent.end() ? nullptr : it->second;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  WndThreadState& state = WndState();
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
  WndThreadState& state = WndState();
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
    WndThreadState& state = WndState();
    auto it = state.permanent.find(hWnd);
    if (it != state.permanent.end() && it->second == this) state.permanent.erase(it);
  }
  m_hWnd = nullptr;
  return hWnd;
}
