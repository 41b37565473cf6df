// CWebBrowser: the web browser control hosted in a window, its automation interface as members.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

class TKWUI_API CWebBrowser : public CWnd {
  DECLARE_DYNCREATE(CWebBrowser)

 public:
  static CLSID const& GetClsid();

  BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
              CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr) override;
  BOOL Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
              CFile* pPersist = nullptr, BOOL bStorage = FALSE, BSTR bstrLicKey = nullptr);
  // Drops the document's UI handler before the window goes, so a host's handler never
  // outlives it.
  BOOL DestroyWindow() override;

  // The host's recording-delay flag, stored only.
  BOOL IsRecordingDelay() const { return m_bRecordingDelay; }
  void SetRecordingDelay(BOOL bDelay) { m_bRecordingDelay = bDelay; }

  // Navigation
  void GoBack();
  void GoForward();
  void GoHome();
  void GoSearch();
  void Navigate(LPCTSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                VARIANT* Headers);
  void Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                 VARIANT* Headers);
  void Refresh();
  void Refresh2(VARIANT* Level);
  void Stop();
  void Quit();
  void ClientToWindow(long* pcx, long* pcy);
  void PutProperty(LPCTSTR Property, const VARIANT& vtValue);
  VARIANT GetProperty_(LPCTSTR Property);
  void ExecWB(long cmdID, long cmdexecopt, VARIANT* pvaIn, VARIANT* pvaOut);
  long QueryStatusWB(long cmdID);
  void ShowBrowserBar(VARIANT* pvaClsid, VARIANT* pvarShow, VARIANT* pvarSize);

  // Objects
  LPDISPATCH GetApplication();
  LPDISPATCH GetParent();
  LPDISPATCH GetContainer();
  LPDISPATCH GetDocument();

  // Place and state
  BOOL GetTopLevelContainer();
  CString GetType();
  long GetLeft();
  void SetLeft(long nNewValue);
  long GetTop();
  void SetTop(long nNewValue);
  long GetWidth();
  void SetWidth(long nNewValue);
  long GetHeight();
  void SetHeight(long nNewValue);
  CString GetLocationName();
  CString GetLocationURL();
  BOOL GetBusy();
  CString GetName();
  long GetHwnd();
  CString GetFullName();
  CString GetPath();
  long GetReadyState();

  // Flags
  BOOL GetVisible();
  void SetVisible(BOOL bNewValue);
  BOOL GetStatusBar();
  void SetStatusBar(BOOL bNewValue);
  CString GetStatusText();
  void SetStatusText(LPCTSTR lpszNewValue);
  long GetToolBar();
  void SetToolBar(long nNewValue);
  BOOL GetMenuBar();
  void SetMenuBar(BOOL bNewValue);
  BOOL GetFullScreen();
  void SetFullScreen(BOOL bNewValue);
  BOOL GetOffline();
  void SetOffline(BOOL bNewValue);
  BOOL GetSilent();
  void SetSilent(BOOL bNewValue);
  BOOL GetRegisterAsBrowser();
  void SetRegisterAsBrowser(BOOL bNewValue);
  BOOL GetRegisterAsDropTarget();
  void SetRegisterAsDropTarget(BOOL bNewValue);
  BOOL GetTheaterMode();
  void SetTheaterMode(BOOL bNewValue);
  BOOL GetAddressBar();
  void SetAddressBar(BOOL bNewValue);
  BOOL GetResizable();
  void SetResizable(BOOL bNewValue);

 protected:
  BOOL m_bRecordingDelay = FALSE;
};
