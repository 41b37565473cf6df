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
AFX_FWAPI BOOL AFXAPI AfxDispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn,
                                        void* pExtra, UINT_PTR nSig,
                                        AFX_CMDHANDLERINFO* pHandlerInfo);

// ---- CCmdUI: one user-interface item (a menu item or a control) asked to reflect a command's
// state.
class AFX_FWAPI CCmdUI {
 public:
  CCmdUI();
  virtual ~CCmdUI() = default;

  UINT m_nID;               // the command id
  UINT m_nIndex;            // menu item index, when updating a menu
  CMenu* m_pMenu;           // the menu being updated, or null
  CMenu* m_pSubMenu;        // the popup the item opens, or null
  CMenu* m_pParentMenu;     // the menu holding the popup, or null
  CWnd* m_pOther;           // the control being updated when not a menu, or null
  UINT m_nIndexMax;         // number of items in m_pMenu
  BOOL m_bEnableChanged;    // a handler called Enable
  BOOL m_bContinueRouting;  // a handler asked for the next target to be asked too

  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
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

// winuser.h defines GetNextWindow as a function-like macro, which would swallow the member.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

struct CCreateContext;
class CDataExchange;
class CRgn;

// Frees the wrappers CWnd::FromHandle made for windows the framework does not own.
// The application's idle processing calls it; a pointer from FromHandle lives until then.
AFX_FWAPI void AFXAPI AfxDeleteTempWndMap();

// The framework window procedure: finds the window's object and calls its WindowProc.
AFX_FWAPI LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFX_FWAPI WNDPROC AFXAPI AfxGetAfxWndProc();
// Calls pWnd->WindowProc with the message recorded as the one being handled (for Default).
AFX_FWAPI LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam,
                                        LPARAM lParam);
// Binds the next window this thread creates to pWnd and routes it through AfxWndProc (used
// around CreateWindowEx and dialog creation); the unhook answers whether that happened.
AFX_FWAPI void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
AFX_FWAPI BOOL AFXAPI AfxUnhookWindowCreate();
AFX_FWAPI LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam);

// The window class CWnd::Create uses when given none (registered on first use).
#define AFX_WND_CLASS_NAME_ _T("AfxFwWnd")

// ---- CWnd: a window object bound to at most one HWND.
// Objects made by the framework (Create) or bound by it (SubclassWindow, Attach) are
// "permanent": FromHandle finds them again until the window is destroyed or detached.
class AFX_FWAPI CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)

 public:
  HWND m_hWnd;

  CWnd();
  // Destroys a window the object still owns; a detached or destroyed window is left alone.
  ~CWnd() override;

  // Both accept a null object pointer: callers write pWnd->GetSafeHwnd() for an optional pWnd.
  operator HWND() const { return GetSafeHwnd(); }
  HWND GetSafeHwnd() const;
  BOOL operator==(const CWnd& wnd) const { return m_hWnd == wnd.m_hWnd; }
  BOOL operator!=(const CWnd& wnd) const { return m_hWnd != wnd.m_hWnd; }

  // Z-order places for SetWindowPos.
  static const CWnd wndTop;
  static const CWnd wndBottom;
  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;

  // ---- the handle map (per thread)
  // The object for hWnd: the permanent one, else a temporary wrapper (freed by
  // AfxDeleteTempWndMap); null for a null handle.
  static CWnd* PASCAL FromHandle(HWND hWnd);
  // The permanent object for hWnd, or null.
  static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HWND hWndNew);
  HWND Detach();

  // ---- creation and destruction
  virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, CWnd* pParentWnd, UINT nID,
                      CCreateContext* pContext = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                        HMENU nIDorHMenu, LPVOID lpParam = nullptr);
  virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                        DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        LPVOID lpParam = nullptr);
  virtual BOOL DestroyWindow();
  // Lets a derived class adjust the creation parameters; FALSE cancels the creation.
  virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
  // Called before an existing window is subclassed (and for windows made by Create).
  virtual void PreSubclassWindow();
  // Binds an existing window to this object and routes its messages through the framework.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  // Gives the window back its previous procedure and detaches it.
  HWND UnsubclassWindow();

  // ---- message processing
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Dispatches through the message maps; FALSE when no handler took the message.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // The window's own processing: the procedure it had before the framework took it over.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // DefWindowProc with the message being handled now.
  LRESULT Default();
  // The last call for a window; self-deleting window classes delete this here.
  virtual void PostNcDestroy();
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // A notification the parent reflected back to this child; TRUE when the child handled it
  // and the parent must not.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // Sends the message being handled now to the child's object, if it has one.
  static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
  BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Offers pMsg to PreTranslateMessage of the target window's object and then of each
  // ancestor up to (and including) hWndStop; TRUE when one of them took it.
  static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE);
  static const MSG* PASCAL GetCurrentMessage();

  // ---- messages
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);

  // ---- relatives
  CWnd* GetParent() const;
  CWnd* SetParent(CWnd* pWndNewParent);
  CWnd* GetOwner() const;
  void SetOwner(CWnd* pOwnerWnd);
  CWnd* GetTopLevelParent() const;
  // The window a modal box should be owned by: the top-level parent of pParent (or the
  // active window), never a child.
  static CWnd* PASCAL GetSafeOwner(CWnd* pParent = nullptr, HWND* pWndTop = nullptr);
  CWnd* GetDlgItem(int nID) const;
  void GetDlgItem(int nID, HWND* phWnd) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
  CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
  CWnd* GetWindow(UINT nCmd) const;
  CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
  CWnd* ChildWindowFromPoint(POINT point) const;
  static CWnd* PASCAL WindowFromPoint(POINT point);
  static CWnd* PASCAL GetActiveWindow();
  CWnd* SetActiveWindow();
  static CWnd* PASCAL GetForegroundWindow();
  BOOL SetForegroundWindow();
  static CWnd* PASCAL GetDesktopWindow();
  BOOL IsChild(const CWnd* pWnd) const;

  // ---- position and size
  BOOL ShowWindow(int nCmdShow);
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  void GetWindowRect(LPRECT lpRect) const;
  void GetClientRect(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
  void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
  // Centers on pAlternateOwner, else the owner or parent, else the monitor's work area.
  void CenterWindow(CWnd* pAlternateOwner = nullptr);
  BOOL IsIconic() const;
  BOOL IsZoomed() const;
  void BringWindowToTop();

  // ---- scrolling (the window's own scroll bars)
  int GetScrollPos(int nBar) const;
  int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
  void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
  void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
  BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  // The largest position the thumb can reach (range maximum less the page, plus one).
  int GetScrollLimit(int nBar);
  void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
  BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
  void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr,
                    LPCRECT lpClipRect = nullptr);
  int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                     LPRECT lpRectUpdate, UINT flags);

  // ---- caret
  void CreateSolidCaret(int nWidth, int nHeight);
  void ShowCaret();
  void HideCaret();
  static void PASCAL SetCaretPos(POINT point);
  static CPoint PASCAL GetCaretPos();

  // ---- painting
  BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
  BOOL LockWindowUpdate();
  void UnlockWindowUpdate();
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
  void ValidateRect(LPCRECT lpRect);
  void UpdateWindow();
  BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  void SetRedraw(BOOL bRedraw = TRUE);
  CDC* GetDC();
  CDC* GetWindowDC();
  int ReleaseDC(CDC* pDC);

  // ---- state
  static CWnd* PASCAL GetFocus();
  CWnd* SetFocus();
  static CWnd* PASCAL GetCapture();
  CWnd* SetCapture();
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowEnabled() const;
  BOOL IsWindowVisible() const;
  BOOL IsWindow() const { return ::IsWindow(GetSafeHwnd()); }
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
  static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

  // ---- text and font
  void SetWindowText(LPCTSTR lpszString);
  int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  CFont* GetFont() const;
  CMenu* GetMenu() const;
  BOOL SetMenu(CMenu* pMenu);
  CMenu* GetSystemMenu(BOOL bRevert) const;
  HICON SetIcon(HICON hIcon, BOOL bBigIcon);
  HICON GetIcon(BOOL bBigIcon) const;

  // ---- dialog items
  void CheckDlgButton(int nIDButton, UINT nCheck);
  void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
  UINT IsDlgButtonChecked(int nIDButton) const;
  int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
  void SetDlgItemText(int nID, LPCTSTR lpszString);
  int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
  int GetDlgItemText(int nID, CString& rString) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  // Caption defaults to the application's title (the window's own when there is no application).
  int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

  // ---- dialog data exchange (CDataExchange and UpdateData live with the dialogs)
  virtual void DoDataExchange(CDataExchange* pDX);
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // ---- default message handlers (each passes the message on to Default)
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  // Unbinds the object from its window, then calls PostNcDestroy.
  afx_msg void OnNcDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnMove(int x, int y);
  afx_msg void OnPaint();
  afx_msg void OnNcPaint();
  afx_msg void OnClose();
  afx_msg void OnSysColorChange();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  // Scroll bar controls get these reflected; window scroll bars go to Default.
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg LRESULT OnNcHitTest(CPoint point);
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
  afx_msg UINT OnGetDlgCode();
  // Offers the message to the control's object first (reflection).
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
  afx_msg BOOL OnQueryNewPalette();
  afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  // Runs this window's update handlers (ON_UPDATE_COMMAND_UI) over the popup's command items.
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
  afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
  afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnMouseHover(UINT nFlags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
  afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
  afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
  afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
  afx_msg void OnCancelMode();
  afx_msg void OnEnterSizeMove();
  afx_msg void OnExitSizeMove();
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg void OnParentNotify(UINT message, LPARAM lParam);
  afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
  afx_msg BOOL OnNcActivate(BOOL bActive);
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
  afx_msg void OnDropFiles(HDROP hDropInfo);
  afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
  afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
  afx_msg void OnMoving(UINT fwSide, LPRECT pRect);
  afx_msg void OnInitMenu(CMenu* pMenu);
  afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
  afx_msg void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);

  // ---- hosted ActiveX controls (olesite.cpp)
  // Creates the control (by class identifier, or by ProgID or "{clsid}" text) in a new child
  // window of this object, from the state saved in pPersist (a stream, or a compound file when
  // bStorage) or afresh, with a licence key when given; activates it in place. FALSE when the
  // control cannot be created, loaded or activated.
  BOOL CreateControl(REFCLSID clsid, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                     CWnd* pParentWnd, UINT nID, CFile* pPersist = nullptr, BOOL bStorage = FALSE,
                     BSTR bstrLicKey = nullptr);
  BOOL CreateControl(LPCTSTR pszClass, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                     CWnd* pParentWnd, UINT nID, CFile* pPersist = nullptr, BOOL bStorage = FALSE,
                     BSTR bstrLicKey = nullptr);
  // The hosted control's IUnknown (not counted for the caller), or null.
  LPUNKNOWN GetControlUnknown();
  // Automation calls on the hosted control, as COleDispatchDriver makes them (afxdisp.h).
  void AFX_CDECL InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                              const BYTE* pbParamInfo, ...);
  void AFX_CDECL SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);
  void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const;

  // Where the window's earlier procedure is kept (DefWindowProc calls it).
  virtual WNDPROC* GetSuperWndProcAddr();

 protected:
  WNDPROC m_pfnSuper;  // the procedure the window had before the framework's, if any
  HWND m_hWndOwner;    // set by SetOwner; GetOwner falls back to the parent

  DECLARE_MESSAGE_MAP()

 private:
  explicit CWnd(HWND hWndPlace);  // the z-order places only
  BOOL m_bTemporary;              // made by FromHandle for a window nobody owns (never destroys it)
};

// A scroll bar control; handlers of WM_HSCROLL/WM_VSCROLL receive it for scroll bar children.
class AFX_FWAPI CScrollBar : public CWnd {
  DECLARE_DYNAMIC(CScrollBar)

 public:
  CScrollBar() = default;
  int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
  int SetScrollPos(int nPos, BOOL bRedraw = TRUE) {
    return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
  }
  void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE) {
    ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
  }
};
