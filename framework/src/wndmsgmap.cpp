// Window messages through the message map: finding a message's entry in the map chain and
// calling its handler with the parameters unpacked for the handler's signature; WM_COMMAND and
// WM_NOTIFY go on to OnCmdMsg.
#include "wndstate_.h"

using namespace afx_internal;

namespace {

// One window-message entry's handler and the message it is called for.
struct HandlerCall {
  CWnd* pWnd;
  AFX_PMSG pfn;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  UINT nCtlColor;  // the kind of a colour request (CTLCOLOR_*)

  // Converts the entry back to the exact handler type its macro checked, and calls it.
  template <class Fn, class... Args>
  auto Call(Args... args) const {
    return (pWnd->*AfxMsgFunctionCast<AfxMemberFn<CWnd, Fn>>(pfn))(args...);
  }
  // Coordinates are signed 16-bit halves (negative on multi-monitor set-ups).
  CPoint Point() const { return CPoint(short(LOWORD(lParam)), short(HIWORD(lParam))); }
  CWnd* WndOfWParam() const { return CWnd::FromHandle(reinterpret_cast<HWND>(wParam)); }
  CWnd* WndOfLParam() const { return CWnd::FromHandle(reinterpret_cast<HWND>(lParam)); }
  CDC* DCOfWParam() const { return CDC::FromHandle(reinterpret_cast<HDC>(wParam)); }
  template <class T>
  T* RecordOfLParam() const {
    return reinterpret_cast<T*>(lParam);
  }
};

// What a family of handler signatures made of a message.
enum class Outcome {
  kOtherFamily,  // the signature is not one of this family's
  kHandled,      // the handler ran; lResult holds the message's result
  kDeclined,     // the handler ran and left the message to the default processing
};

// Handlers without arguments or with plain values (flags, timer ids, booleans).
Outcome CallValueHandler(const HandlerCall& c, UINT_PTR nSig, LRESULT& lResult) {
  switch (nSig) {
    case AfxSig_vv: c.Call<void()>(); break;
    case AfxSig_bv: lResult = c.Call<BOOL()>(); break;
    case AfxSig_wv: lResult = c.Call<UINT()>(); break;
    case AfxSig_vt: c.Call<void(UINT_PTR)>(UINT_PTR(c.wParam)); break;
    case AfxSig_vb: c.Call<void(BOOL)>(BOOL(c.wParam)); break;
    case AfxSig_bb: lResult = c.Call<BOOL(BOOL)>(BOOL(c.wParam)); break;
    case AfxSig_vbw: c.Call<void(BOOL, UINT)>(BOOL(c.wParam), UINT(c.lParam)); break;
    case AfxSig_vbd: c.Call<void(BOOL, DWORD)>(BOOL(c.wParam), DWORD(c.lParam)); break;
    case AfxSig_vwl: c.Call<void(UINT, LPARAM)>(UINT(c.wParam), c.lParam); break;
    case AfxSig_lwl: lResult = c.Call<LRESULT(WPARAM, LPARAM)>(c.wParam, c.lParam); break;
    default: return Outcome::kOtherFamily;
  }
  return Outcome::kHandled;
}

// Mouse, keyboard, size and move handlers.
Outcome CallInputHandler(const HandlerCall& c, UINT_PTR nSig, LRESULT& lResult) {
  const short x = short(LOWORD(c.lParam)), y = short(HIWORD(c.lParam));
  switch (nSig) {
    case AfxSig_vwii: c.Call<void(UINT, int, int)>(UINT(c.wParam), x, y); break;
    case AfxSig_vii: c.Call<void(int, int)>(x, y); break;
    case AfxSig_vwp: c.Call<void(UINT, CPoint)>(UINT(c.wParam), c.Point()); break;
    case AfxSig_bwsp:
      lResult =
          c.Call<BOOL(UINT, short, CPoint)>(LOWORD(c.wParam), short(HIWORD(c.wParam)), c.Point());
      break;
    case AfxSig_lp: lResult = c.Call<LRESULT(CPoint)>(c.Point()); break;
    case AfxSig_vwww:
      c.Call<void(UINT, UINT, UINT)>(UINT(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));
      break;
    default: return Outcome::kOtherFamily;
  }
  return Outcome::kHandled;
}

// Handlers given another window's object: focus, capture, activation, cursor, context menu,
// scroll bars and copied data.
Outcome CallWindowHandler(const HandlerCall& c, UINT_PTR nSig, LRESULT& lResult) {
  switch (nSig) {
    case AfxSig_vW:
      // WM_CAPTURECHANGED names the new capture window in lParam; the others in wParam.
      c.Call<void(CWnd*)>(c.message == WM_CAPTURECHANGED ? c.WndOfLParam() : c.WndOfWParam());
      break;
    case AfxSig_vWp: c.Call<void(CWnd*, CPoint)>(c.WndOfWParam(), c.Point()); break;
    case AfxSig_bWww:
      lResult =
          c.Call<BOOL(CWnd*, UINT, UINT)>(c.WndOfWParam(), LOWORD(c.lParam), HIWORD(c.lParam));
      break;
    case AfxSig_iWww:
      lResult = c.Call<int(CWnd*, UINT, UINT)>(c.WndOfWParam(), LOWORD(c.lParam), HIWORD(c.lParam));
      break;
    case AfxSig_vwW: c.Call<void(UINT, CWnd*)>(UINT(c.wParam), c.WndOfLParam()); break;
    case AfxSig_vwWb:
      c.Call<void(UINT, CWnd*, BOOL)>(LOWORD(c.wParam), c.WndOfLParam(), BOOL(HIWORD(c.wParam)));
      break;
    case AfxSig_vwwS:
      c.Call<void(UINT, UINT, CScrollBar*)>(LOWORD(c.wParam), UINT(short(HIWORD(c.wParam))),
                                            static_cast<CScrollBar*>(c.WndOfLParam()));
      break;
    case AfxSig_vww:
      c.Call<void(UINT, UINT)>(LOWORD(c.wParam), UINT(short(HIWORD(c.wParam))));
      break;
    case AfxSig_bWCDS:
      lResult =
          c.Call<BOOL(CWnd*, COPYDATASTRUCT*)>(c.WndOfWParam(), c.RecordOfLParam<COPYDATASTRUCT>());
      break;
    default: return Outcome::kOtherFamily;
  }
  return Outcome::kHandled;
}

// Erasing, colour and owner-draw handlers.
Outcome CallDrawingHandler(const HandlerCall& c, UINT_PTR nSig, LRESULT& lResult) {
  switch (nSig) {
    case AfxSig_bD: lResult = c.Call<BOOL(CDC*)>(c.DCOfWParam()); break;
    case AfxSig_hDWw:
      lResult = reinterpret_cast<LRESULT>(
          c.Call<HBRUSH(CDC*, CWnd*, UINT)>(c.DCOfWParam(), c.WndOfLParam(), c.nCtlColor));
      break;
    case AfxSig_hDw: {
      // Reflected colour request (see ReflectChildNotify): wParam the DC, lParam the kind.
      HBRUSH hbr = c.Call<HBRUSH(CDC*, UINT)>(c.DCOfWParam(), UINT(c.lParam));
      if (hbr == nullptr) return Outcome::kDeclined;  // the control declined: its parent decides
      lResult = reinterpret_cast<LRESULT>(hbr);
      break;
    }
    case AfxSig_vDRAW:
      c.Call<void(int, LPDRAWITEMSTRUCT)>(int(c.wParam), c.RecordOfLParam<DRAWITEMSTRUCT>());
      lResult = TRUE;
      break;
    case AfxSig_vMEASURE:
      c.Call<void(int, LPMEASUREITEMSTRUCT)>(int(c.wParam), c.RecordOfLParam<MEASUREITEMSTRUCT>());
      lResult = TRUE;
      break;
    case AfxSig_vDRAW_R:
      c.Call<void(LPDRAWITEMSTRUCT)>(c.RecordOfLParam<DRAWITEMSTRUCT>());
      lResult = TRUE;
      break;
    case AfxSig_vMEASURE_R:
      c.Call<void(LPMEASUREITEMSTRUCT)>(c.RecordOfLParam<MEASUREITEMSTRUCT>());
      lResult = TRUE;
      break;
    case AfxSig_iCOMPARE:
      lResult = c.Call<int(int, LPCOMPAREITEMSTRUCT)>(int(c.wParam),
                                                      c.RecordOfLParam<COMPAREITEMSTRUCT>());
      break;
    case AfxSig_vDELETE:
      c.Call<void(int, LPDELETEITEMSTRUCT)>(int(c.wParam), c.RecordOfLParam<DELETEITEMSTRUCT>());
      lResult = TRUE;
      break;
    case AfxSig_iCOMPARE_R:
      lResult = c.Call<int(LPCOMPAREITEMSTRUCT)>(c.RecordOfLParam<COMPAREITEMSTRUCT>());
      break;
    case AfxSig_vDELETE_R:
      c.Call<void(LPDELETEITEMSTRUCT)>(c.RecordOfLParam<DELETEITEMSTRUCT>());
      lResult = TRUE;
      break;
    default: return Outcome::kOtherFamily;
  }
  return Outcome::kHandled;
}

// Handlers given the record lParam points to: creation, positions, sizes, styles, settings,
// help and dropped files.
Outcome CallRecordHandler(const HandlerCall& c, UINT_PTR nSig, LRESULT& lResult) {
  switch (nSig) {
    case AfxSig_is: lResult = c.Call<int(LPCREATESTRUCT)>(c.RecordOfLParam<CREATESTRUCT>()); break;
    case AfxSig_vPOS: c.Call<void(WINDOWPOS*)>(c.RecordOfLParam<WINDOWPOS>()); break;
    case AfxSig_vMMI: c.Call<void(MINMAXINFO*)>(c.RecordOfLParam<MINMAXINFO>()); break;
    case AfxSig_vCALC:
      c.Call<void(BOOL, NCCALCSIZE_PARAMS*)>(BOOL(c.wParam), c.RecordOfLParam<NCCALCSIZE_PARAMS>());
      break;
    case AfxSig_vwSIZING:
      c.Call<void(UINT, LPRECT)>(UINT(c.wParam), c.RecordOfLParam<RECT>());
      lResult = TRUE;  // the rectangle may have been changed
      break;
    case AfxSig_viSS:
      c.Call<void(int, LPSTYLESTRUCT)>(int(c.wParam), c.RecordOfLParam<STYLESTRUCT>());
      break;
    case AfxSig_vws:
      c.Call<void(UINT, LPCTSTR)>(UINT(c.wParam), reinterpret_cast<LPCTSTR>(c.lParam));
      break;
    case AfxSig_bHELPINFO: lResult = c.Call<BOOL(HELPINFO*)>(c.RecordOfLParam<HELPINFO>()); break;
    case AfxSig_vHDROP: c.Call<void(HDROP)>(reinterpret_cast<HDROP>(c.wParam)); break;
    default: return Outcome::kOtherFamily;
  }
  return Outcome::kHandled;
}

// Menu handlers.
Outcome CallMenuHandler(const HandlerCall& c, UINT_PTR nSig, LRESULT&) {
  switch (nSig) {
    case AfxSig_vM:
      c.Call<void(CMenu*)>(CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam)));
      break;
    case AfxSig_vMwb:
      c.Call<void(CMenu*, UINT, BOOL)>(CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam)),
                                       LOWORD(c.lParam), BOOL(HIWORD(c.lParam)));
      break;
    case AfxSig_vwwh:
      c.Call<void(UINT, UINT, HMENU)>(LOWORD(c.wParam), HIWORD(c.wParam),
                                      reinterpret_cast<HMENU>(c.lParam));
      break;
    default: return Outcome::kOtherFamily;
  }
  return Outcome::kHandled;
}

// The entry for a window message in the map chain, the most derived map first. Registered
// messages are matched through the variable their entry points to.
const AFX_MSGMAP_ENTRY* FindWindowEntry(const AFX_MSGMAP* pMap, UINT message, UINT nLookup,
                                        UINT_PTR& nSig) {
  for (; pMap != nullptr;
       pMap = pMap->pfnGetBaseMap != nullptr ? (*pMap->pfnGetBaseMap)() : nullptr) {
    if (message >= 0xC000 && message <= 0xFFFF) {
      for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p != nullptr && p->nSig != AfxSig_end;
           ++p) {
        if (p->nMessage == 0xC000 && *reinterpret_cast<const UINT*>(p->nSig) == message) {
          nSig = AfxSig_lwl;
          return p;
        }
      }
    } else if (const AFX_MSGMAP_ENTRY* p = AfxFindMessageEntry(pMap->lpEntries, nLookup, 0, 0)) {
      nSig = p->nSig;
      return p;
    }
  }
  return nullptr;
}

// Message maps are static tables, so a lookup's answer never changes: a small per-thread
// direct-mapped cache spares walking the chain for the messages a window sees most (list
// notifications, painting, mouse moves). Registered messages are not cached; their numbers are
// read from variables that may still be zero before registration.
const AFX_MSGMAP_ENTRY* FindWindowEntryCached(const AFX_MSGMAP* pMap, UINT message, UINT nLookup,
                                              UINT_PTR& nSig) {
  if (message >= 0xC000 && message <= 0xFFFF) return FindWindowEntry(pMap, message, nLookup, nSig);
  struct Slot {
    const AFX_MSGMAP* pMap;
    UINT nLookup;
    unsigned nGeneration;
    const AFX_MSGMAP_ENTRY* pEntry;
  };
  thread_local Slot t_slots[256] = {};
  const uintptr_t hash = (reinterpret_cast<uintptr_t>(pMap) >> 4) ^ (nLookup * 0x9E3779B1u);
  Slot& slot = t_slots[(hash ^ (hash >> 8)) & 0xFF];
  const unsigned nGeneration = MessageMapGeneration().load(std::memory_order_relaxed);
  if (slot.pMap != pMap || slot.nLookup != nLookup || slot.nGeneration != nGeneration) {
    UINT_PTR nFound = AfxSig_end;
    slot = {pMap, nLookup, nGeneration, FindWindowEntry(pMap, message, nLookup, nFound)};
  }
  if (slot.pEntry != nullptr) nSig = slot.pEntry->nSig;
  return slot.pEntry;
}

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

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    if (pResult != nullptr) *pResult = 1;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr) return FALSE;
    LRESULT lResult = 0;
    if (!OnNotify(wParam, lParam, &lResult)) return FALSE;
    if (pResult != nullptr) *pResult = lResult;
    return TRUE;
  }

  // Every colour request is one map entry; the handler learns the kind.
  HandlerCall call = {this, nullptr, message, wParam, lParam, 0};
  UINT nLookup = message;
  if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
    nLookup = WM_CTLCOLOR;
    call.nCtlColor = message - WM_CTLCOLORMSGBOX;
  }
  UINT_PTR nSig = AfxSig_end;
  const AFX_MSGMAP_ENTRY* lpEntry = FindWindowEntryCached(GetMessageMap(), message, nLookup, nSig);
  if (lpEntry == nullptr) return FALSE;
  call.pfn = lpEntry->pfn;

  LRESULT lResult = 0;
  for (auto family : {&CallValueHandler, &CallInputHandler, &CallWindowHandler, &CallDrawingHandler,
                      &CallRecordHandler, &CallMenuHandler}) {
    switch (family(call, nSig, lResult)) {
      case Outcome::kOtherFamily: continue;
      case Outcome::kDeclined: return FALSE;
      case Outcome::kHandled:
        if (pResult != nullptr) *pResult = lResult;
        return TRUE;
    }
  }
  // A command or notification entry under a window message number: a broken map.
  ASSERT(FALSE);
  return FALSE;
}

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
    if (WndState().lastSentMsg.message == WM_COMMAND && ReflectLastMsg(hWndCtrl)) return TRUE;
    if (nID == 0) return FALSE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  (void)wParam;
  NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (pNMHDR == nullptr) return FALSE;
  HWND hWndCtrl = pNMHDR->hwndFrom;
  if (WndState().lastSentMsg.message == WM_NOTIFY && ReflectLastMsg(hWndCtrl, pResult)) return TRUE;
  UINT nID = UINT(pNMHDR->idFrom);
  AFX_NOTIFY notify;
  notify.pResult = pResult;
  notify.pNMHDR = pNMHDR;
  return OnCmdMsg(nID, MAKELONG(pNMHDR->code, WM_NOTIFY), &notify, nullptr);
}
