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
  if (m_pMenu != nullptr) {
    // Popups have no id of their own: they are updated through their parent menu by position.
    if (m_pSubMenu == nullptr)
      ::EnableMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex,
                       MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
  } else if (m_pOther != nullptr && ::IsWindow(m_pOther->GetSafeHwnd())) {
    HWND hWnd = m_pOther->GetSafeHwnd();
    // Disabling the control that has the focus would leave the keyboard nowhere: move it on.
    if (!bOn && ::GetFocus() == hWnd) {
      HWND hWndParent = ::GetParent(hWnd);
      if (hWndParent != nullptr) ::SendMessage(hWndParent, WM_NEXTDLGCTL, 0, FALSE);
    }
    ::EnableWindow(hWnd, bOn);
  }
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
  if (m_pMenu != nullptr) {
    if (m_pSubMenu == nullptr)
      ::CheckMenuItem(m_pMenu->GetSafeHmenu(), m_nIndex,
                      MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
  } else if (m_pOther != nullptr && ::IsWindow(m_pOther->GetSafeHwnd())) {
    HWND hWnd = m_pOther->GetSafeHwnd();
    // Only buttons can show a check.
    if (::SendMessage(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON)
      ::SendMessage(hWnd, BM_SETCHECK, WPARAM(nCheck), 0);
  }
}

void CCmdUI::SetRadio(BOOL bOn) {
  if (m_pMenu != nullptr && m_pSubMenu == nullptr) {
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_FTYPE | MIIM_STATE;
    HMENU hMenu = m_pMenu->GetSafeHmenu();
    if (::GetMenuItemInfo(hMenu, m_nIndex, TRUE, &mii)) {
      mii.fType = bOn ? (mii.fType | MFT_RADIOCHECK) : (mii.fType & ~UINT(MFT_RADIOCHECK));
      mii.fState = bOn ? (mii.fState | MFS_CHECKED) : (mii.fState & ~UINT(MFS_CHECKED));
      ::SetMenuItemInfo(hMenu, m_nIndex, TRUE, &mii);
    }
    return;
  }
  SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText) {
  if (lpszText == nullptr) lpszText = _T("");
  if (m_pMenu != nullptr) {
    if (m_pSubMenu != nullptr) return;
    HMENU hMenu = m_pMenu->GetSafeHmenu();
    UINT nState =
        ::GetMenuState(hMenu, m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    ::ModifyMenu(hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
  } else if (m_pOther != nullptr && ::IsWindow(m_pOther->GetSafeHwnd())) {
    ::SetWindowText(m_pOther->GetSafeHwnd(), lpszText);
  }
}

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
