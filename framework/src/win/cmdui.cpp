// CCmdUI: bringing a menu item or control in line with its command's state.
#include "afxwin.h"

CCmdUI::CCmdUI()
    : m_nID(0),
      m_nIndex(0),
      m_pMenu(nullptr),
      m_pSubMenu(nullptr),
      m_pParentMenu(nullptr),
      m_pOther(nullptr),
      m_nIndexMax(0),
      m_bEnableChanged(FALSE),
      m_bContinueRouting(FALSE) {}

void CCmdUI::Enable(BOOL bOn) {
  (void)bOn;
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) { (void)nCheck; }

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCTSTR lpszText) { (void)lpszText; }

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return TRUE;  // separators and popups are left alone
  ASSERT(pTarget != nullptr);
  if (pTarget == nullptr) return FALSE;
  m_bEnableChanged = FALSE;
  BOOL bResult = pTarget->OnCmdMsg(m_nID, int(CN_UPDATE_COMMAND_UI), this, nullptr);
  if (bDisableIfNoHndler && !m_bEnableChanged) {
    // No update handler: enabled only when something would handle the command itself.
    AFX_CMDHANDLERINFO info = {nullptr, AFX_PMSG(nullptr)};
    BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, nullptr, &info);
    Enable(bHandler);
  }
  return bResult;
}
