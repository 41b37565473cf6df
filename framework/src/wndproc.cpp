// The framework window procedure: finding a window's object, the message being handled,
// default processing, pre-translation and sending to descendants.
#include "wndstate_.h"

#include <vector>

using namespace afx_internal;

// ---- the framework window procedure

WNDPROC AFXAPI AfxGetAfxWndProc() {
  return &AfxWndProc;
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
  WndThreadState& state = WndState();
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
  const MSG& msg = WndState().lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage() {
  return &WndState().lastSentMsg;
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
