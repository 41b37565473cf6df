// Command targets (message-map routing), command user-interface updates and windows.
#pragma once
#include "afx.h"
#include "afxmsg_.h"

class CWnd;
class CMenu;
class CDC;
class CFont;
class CBrush;
class CScrollBar;

// ---- CCmdTarget: an object that receives commands and notifications through its message map.
class AFX_FWAPI CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  CCmdTarget();
  ~CCmdTarget() override;

  // Routes a command, an update-command-UI request or a notification through this object's
  // message map chain. nCode is CN_COMMAND, CN_UPDATE_COMMAND_UI (pExtra: CCmdUI*), a
  // control notification code, or MAKELONG(notify code, WM_NOTIFY) (pExtra: AFX_NOTIFY*).
  // With pHandlerInfo the handler is only looked up and reported, not called.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  // Shows the hourglass until the matching EndWaitCursor; calls nest.
  void BeginWaitCursor();
  void EndWaitCursor();
  // Shows the hourglass again after something (a message box) changed the cursor.
  void RestoreWaitCursor();

  DECLARE_MESSAGE_MAP_ROOT_()

  friend class CWnd;
};

// Calls the handler of a map entry found by OnCmdMsg; TRUE when the command counts as handled.
AFX_FWAPI BOOL AFXAPI AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra,
                                        UINT_PTR nSig, AFX_CMDHANDLERINFO* pHandlerInfo);

// ---- CCmdUI: one user-interface item (a menu item or a control) asked to reflect a command's state.
class AFX_FWAPI CCmdUI {
 public:
  CCmdUI();
  virtual ~CCmdUI() = default;

  UINT m_nID;                 // the command id
  UINT m_nIndex;              // menu item index, when updating a menu
  CMenu* m_pMenu;             // the menu being updated, or null
  CMenu* m_pSubMenu;          // the popup the item opens, or null
  CMenu* m_pParentMenu;       // the menu holding the popup, or null
  CWnd* m_pOther;             // the control being updated when not a menu, or null
  UINT m_nIndexMax;           // number of items in m_pMenu
  BOOL m_bEnableChanged;      // a handler called Enable
  BOOL m_bContinueRouting;    // a handler asked for the next target to be asked too

  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);   // 0 clear, 1 checked, 2 indeterminate
  virtual void SetRadio(BOOL bOn = TRUE);
  virtual void SetText(LPCTSTR lpszText);
  void ContinueRouting() { m_bContinueRouting = TRUE; }

  // Asks pTarget to update this item; with no handler the item is disabled when
  // bDisableIfNoHndler and it is a command (not a popup), as menus and toolbars expect.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

 private:
  CCmdUI(const CCmdUI&) = delete;
  CCmdUI& operator=(const CCmdUI&) = delete;
};
