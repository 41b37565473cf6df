// CCmdTarget: routing commands and notifications through message maps; the wait cursor.
#include "afxwin.h"

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

  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr && pMap->pfnGetBaseMap != nullptr;
       pMap = (*pMap->pfnGetBaseMap)()) {
    const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, nEntryCode, nID);
    if (lpEntry != nullptr)
      return AfxDispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig, pHandlerInfo);
  }
  return FALSE;
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
