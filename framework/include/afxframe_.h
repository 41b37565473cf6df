// Frame windows: a top-level window with a menu and an accelerator table of its own, which
// translates its accelerators before dispatching keys and routes commands on to the
// application.
#pragma once
#include "afx.h"
#include "afxwnd_.h"

// Frame styles kept by the frame and never passed to the system.
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00040000L

// ---- CFrameWnd. Frames live on the heap: the object deletes itself when its window is
// destroyed.
class AFX_FWAPI CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)

 public:
  // The system's default position and size.
  static const CRect rectDefault;

  CFrameWnd();
  ~CFrameWnd() override;

  // Creates the frame with the menu named lpszMenuName (found through the resource chain);
  // a null class name uses the framework's default window class.
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                      DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
                      CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
                      CCreateContext* pContext = NULL);
  // Creates the frame from the resources of one identifier: the title is the string's text
  // up to its first newline, the menu and the accelerator table are those of nIDResource
  // (either may be missing).
  virtual BOOL LoadFrame(UINT nIDResource,
                         DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

  // Loads the accelerator table into m_hAccelTable; FALSE when there is one already or the
  // resource is missing.
  BOOL LoadAccelTable(LPCTSTR lpszResourceName);
  // The table PreTranslateMessage translates with: m_hAccelTable.
  virtual HACCEL GetDefaultAccelerator();

  // Keys are offered to the default accelerator table first.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  // Commands (menu, accelerator and control alike) go to the frame's own map first, then
  // to the application's.
  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

  // Loaded by LoadAccelTable or set by the owner, who then keeps it alive; resource tables
  // need no freeing.
  HACCEL m_hAccelTable;
  UINT m_nIDHelp;  // the resource identifier given to LoadFrame

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  void PostNcDestroy() override;
};
