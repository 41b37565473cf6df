// CCmdTarget: routing commands and notifications through message maps; the wait cursor.
#include "afxwin.h"
#include "wndstate_.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root of every map chain: no entries and no base.
const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, AFX_PMSG(nullptr)}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
  return GetThisMessageMap();
}

CCmdTarget::CCmdTarget() = default;
CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg,
                                                   UINT nCode, UINT nID) {
  if (lpEntry == nullptr) return nullptr;
  for (; lpEntry->nSig != AfxSig_end; ++lpEntry) {
    if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
        nID <= lpEntry->nLastID)
      return lpEntry;
  }
  return nullptr;
}

namespace {
template <class T>
T Typed(AFX_PMSG pfn) {
  return AfxMsgFunctionCast<T>(pfn);
}
}  // namespace

BOOL AFXAPI AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra,
                              UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo) {
  (void)nCode;  // only the debug check of the update signature reads it
  if (pHandlerInfo != nullptr) {
    pHandlerInfo->pTarget = pTarget;
    pHandlerInfo->pmf = pfn;
    return TRUE;
  }
  typedef CCmdTarget T;
  switch (nSig) {
    case AfxSigCmd_v: (pTarget->*Typed<void (T::*)()>(pfn))(); return TRUE;
    case AfxSigCmd_b: return (pTarget->*Typed<BOOL (T::*)()>(pfn))();
    case AfxSigCmd_RANGE: (pTarget->*Typed<void (T::*)(UINT)>(pfn))(nID); return TRUE;
    case AfxSigCmd_EX: return (pTarget->*Typed<BOOL (T::*)(UINT)>(pfn))(nID);
    case AfxSigCmdUI:
    case AfxSigCmdUI_RANGE: {
      ASSERT(nCode == int(CN_UPDATE_COMMAND_UI));
      CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
      if (pCmdUI == nullptr) return FALSE;
      ASSERT(!pCmdUI->m_bContinueRouting);
      if (nSig == AfxSigCmdUI)
        (pTarget->*Typed<void (T::*)(CCmdUI*)>(pfn))(pCmdUI);
      else
        (pTarget->*Typed<void (T::*)(CCmdUI*, UINT)>(pfn))(pCmdUI, nID);
      // A handler that called ContinueRouting did not handle the update.
      BOOL bResult = !pCmdUI->m_bContinueRouting;
      pCmdUI->m_bContinueRouting = FALSE;
      return bResult;
    }
    case AfxSigNotify_v:
    case AfxSigNotify_b:
    case AfxSigNotify_RANGE:
    case AfxSigNotify_EX: {
      AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
      if (pNotify == nullptr || pNotify->pNMHDR == nullptr) return FALSE;
      LRESULT unused = 0;
      LRESULT* pResult = pNotify->pResult != nullptr ? pNotify->pResult : &unused;
      switch (nSig) {
        case AfxSigNotify_v:
          (pTarget->*Typed<void (T::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR, pResult);
          return TRUE;
        case AfxSigNotify_b:
          return (pTarget->*Typed<BOOL (T::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR, pResult);
        case AfxSigNotify_RANGE:
          (pTarget->*Typed<void (T::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, pNotify->pNMHDR,
                                                                      pResult);
          return TRUE;
        default:
          return (pTarget->*Typed<BOOL (T::*)(UINT, NMHDR*, LRESULT*)>(pfn))(nID, pNotify->pNMHDR,
                                                                             pResult);
      }
    }
    default:
      // A window-message entry under a command message number: a broken map.
      ASSERT(FALSE);
      return FALSE;
  }
}

std::atomic<unsigned>& afx_internal::MessageMapGeneration() {
  static std::atomic<unsigned> generation{1};
  return generation;
}

namespace {

// The entry for a command, notification or update request in the map chain.
const AFX_MSGMAP_ENTRY* FindCommandEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nEntryCode,
                                         UINT nID) {
  for (; pMap != nullptr && pMap->pfnGetBaseMap != nullptr; pMap = (*pMap->pfnGetBaseMap)()) {
    if (const AFX_MSGMAP_ENTRY* p = AfxFindMessageEntry(pMap->lpEntries, nMsg, nEntryCode, nID))
      return p;
  }
  return nullptr;
}

// Message maps are static tables, so an answer never changes: a per-thread direct-mapped cache
// spares walking the chain for the notifications a list sends by the thousand (item changes
// reflected to the control and then offered to its parent).
const AFX_MSGMAP_ENTRY* FindCommandEntryCached(const AFX_MSGMAP* pMap, UINT nMsg, UINT nEntryCode,
                                               UINT nID) {
  struct Slot {
    const AFX_MSGMAP* pMap;
    UINT nMsg, nEntryCode, nID;
    unsigned nGeneration;
    const AFX_MSGMAP_ENTRY* pEntry;
  };
  thread_local Slot t_slots[256] = {};
  uintptr_t hash = reinterpret_cast<uintptr_t>(pMap) >> 4;
  hash = (hash ^ nMsg) * 0x9E3779B1u;
  hash = (hash ^ nEntryCode) * 0x9E3779B1u;
  hash ^= nID;
  Slot& slot = t_slots[(hash ^ (hash >> 13)) & 0xFF];
  const unsigned nGeneration = afx_internal::MessageMapGeneration().load(std::memory_order_relaxed);
  if (slot.pMap != pMap || slot.nMsg != nMsg || slot.nEntryCode != nEntryCode || slot.nID != nID ||
      slot.nGeneration != nGeneration)
    slot = {pMap, nMsg,        nEntryCode,
            nID,  nGeneration, FindCommandEntry(pMap, nMsg, nEntryCode, nID)};
  return slot.pEntry;
}

}  // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  // The message number travels in the high word of nCode; zero means WM_COMMAND. The update
  // code is all ones and is not split.
  UINT nMsg = 0;
  UINT nEntryCode = UINT(nCode);
  if (UINT(nCode) != CN_UPDATE_COMMAND_UI) {
    nMsg = HIWORD(UINT(nCode));
    nEntryCode = LOWORD(UINT(nCode));
  }
  if (nMsg == 0) nMsg = WM_COMMAND;

  const AFX_MSGMAP_ENTRY* lpEntry = FindCommandEntryCached(GetMessageMap(), nMsg, nEntryCode, nID);
  if (lpEntry == nullptr) return FALSE;
  return AfxDispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig, pHandlerInfo);
}

// ---- wait cursor: per thread, nesting, restoring the cursor shown before the first call.
namespace {
thread_local int t_nWaitCursorCount = 0;
thread_local HCURSOR t_hcurWaitRestore = nullptr;
}  // namespace

void CCmdTarget::BeginWaitCursor() {
  HCURSOR hcurWait = ::LoadCursor(nullptr, IDC_WAIT);
  HCURSOR hcurPrev = ::SetCursor(hcurWait);
  if (t_nWaitCursorCount++ == 0) t_hcurWaitRestore = hcurPrev;
}

void CCmdTarget::EndWaitCursor() {
  if (t_nWaitCursorCount == 0) return;  // unbalanced: nothing to undo
  if (--t_nWaitCursorCount == 0) {
    ::SetCursor(t_hcurWaitRestore != nullptr ? t_hcurWaitRestore
                                             : ::LoadCursor(nullptr, IDC_ARROW));
    t_hcurWaitRestore = nullptr;
  }
}

void CCmdTarget::RestoreWaitCursor() {
  if (t_nWaitCursorCount > 0) ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}
