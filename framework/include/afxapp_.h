// The application: threads with a message loop, the application object and its profile,
// wait cursors, message boxes and registered window classes.
#pragma once
#include "afx.h"
#include "afxwnd_.h"

#include <commdlg.h>

class CPrintDialog;
class CDC;
class CDocument;

// A worker thread's function; its result is the thread's exit code.
typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

// ---- CWinThread: a thread with a message pump that offers every message to the window
// chain's PreTranslateMessage before dispatching it. A worker thread runs m_pfnThreadProc;
// a user-interface thread (no procedure) runs InitInstance, then Run.
class AFX_FWAPI CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)

 public:
  CWinThread();
  CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
  ~CWinThread() override;

  // Starts the thread; it runs at once unless dwCreateFlags has CREATE_SUSPENDED. The object
  // then belongs to the new thread: with m_bAutoDelete it is deleted when the thread ends.
  BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                    LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
  // The previous suspend count, or (DWORD)-1 on failure.
  DWORD ResumeThread();
  DWORD SuspendThread();
  int GetThreadPriority();
  BOOL SetThreadPriority(int nPriority);
  operator HANDLE() const { return m_hThread; }
  // Called when the thread ends: deletes the object when m_bAutoDelete is set.
  virtual void Delete();

  CWnd* m_pMainWnd;    // the main window; its chain is the stop of PreTranslateMessage
  CWnd* m_pActiveWnd;  // the active window when it is not the main window, or null
  BOOL m_bAutoDelete;
  HANDLE m_hThread;
  DWORD m_nThreadID;
  MSG m_msgCur;                    // the message being pumped
  LPVOID m_pThreadParams;          // the worker's argument
  AFX_THREADPROC m_pfnThreadProc;  // the worker's function; null for a user-interface thread

  virtual CWnd* GetMainWnd();

  virtual BOOL InitInstance();
  // The message loop: idle processing while the queue is empty, then pumping; on WM_QUIT
  // answers ExitInstance().
  virtual int Run();
  // Offers a message to the window chain (from its window up to the main window).
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Gets one message and dispatches it unless PreTranslateMessage took it; FALSE on WM_QUIT.
  virtual BOOL PumpMessage();
  // Idle processing; lCount counts the calls since the last non-idle message. Deletes the
  // temporary window, GDI and menu objects. TRUE asks for more idle calls.
  virtual BOOL OnIdle(LONG lCount);
  // FALSE for messages that must not restart idle processing (repeated mouse moves, paint,
  // the caret timer).
  virtual BOOL IsIdleMessage(MSG* pMsg);
  virtual int ExitInstance();

 private:
  POINT m_ptCursorLast;
  UINT m_nMsgLast;
};

// ---- CWinApp: the one application object of a module. Its constructor makes it the module
// state's current application.
class AFX_FWAPI CWinApp : public CWinThread {
  DECLARE_DYNAMIC(CWinApp)

 public:
  explicit CWinApp(LPCTSTR lpszAppName = NULL);
  ~CWinApp() override;

  // The strings below are malloc'ed: to replace one, free() it and assign a _tcsdup copy.
  LPCTSTR m_pszAppName;      // defaults to the executable's name (AfxWinInit)
  LPCTSTR m_pszRegistryKey;  // null: the profile is an INI file
  LPCTSTR m_pszProfileName;  // INI file path, or the application's key name under the registry key
  LPCTSTR m_pszExeName;      // executable name without path or extension
  LPCTSTR m_pszHelpFilePath;
  HINSTANCE m_hInstance;
  LPTSTR m_lpCmdLine;
  int m_nCmdShow;

  BOOL InitInstance() override;
  int ExitInstance() override;
  int Run() override;
  // Idle: 0 updates the main window's command user interface, 1 deletes the temporary maps.
  BOOL OnIdle(LONG lCount) override;

  // ---- profile
  // Moves the profile to HKEY_CURRENT_USER\Software\<key>\<application>\<section>.
  void SetRegistryKey(LPCTSTR lpszRegistryKey);
  void SetRegistryKey(UINT nIDRegistryKey);
  // HKCU\Software\<key>\<application>, created if needed; null without a registry key.
  // The caller closes the key.
  HKEY GetAppRegistryKey();
  // The section's key below the application key, created if needed; null on failure.
  HKEY GetSectionKey(LPCTSTR lpszSection);

  // Values missing, of another type or named by a bad section/entry answer the default.
  UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
  CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
  // ppData gets a new[] buffer the caller delete[]s (null and FALSE when there is no value).
  BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
  BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
  // A null entry removes the whole section, a null value removes the entry.
  BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
  BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

  // ---- cursors and icons, found through the resource chain
  HICON LoadIcon(LPCTSTR lpszResourceName) const;
  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
  HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
  HCURSOR LoadCursor(UINT nIDResource) const;
  HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;

  // 1 begins, -1 ends, 0 restores the wait cursor.
  virtual void DoWaitCursor(int nCode);
  // Shows a message box for AfxMessageBox; owner is the active window or the main window.
  virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

  // Fills the executable name, default application name and INI path (AfxWinInit).
  void SetCurrentHandles();

  // ---- documents
  // Opens the file as one of the application's documents; null when nothing can open it.
  // The framework has no document templates, so the default opens nothing.
  virtual CDocument* OpenDocumentFile(LPCTSTR lpszFileName);

  // ---- printer defaults: the printer every print dialog of the application starts from
  HGLOBAL m_hDevMode;  // null until a printer was chosen or looked up
  HGLOBAL m_hDevNames;
  UINT m_nNumPreviewPages;  // pages a preview shows at once (0: as the document says)
  // Runs the print dialog on the application's printer and keeps the printer it chose.
  virtual INT_PTR DoPrintDialog(CPrintDialog* pPD);
  // Fills hDevMode and hDevNames from the application's printer (looked up first when
  // there is none yet); FALSE when the system has no printer.
  BOOL GetPrinterDeviceDefaults(PRINTDLGW* pPrintDlg);
  // With bForceDefaults or no printer yet, looks up the system's default printer.
  void UpdatePrinterSelection(BOOL bForceDefaults);
  // Makes these handles the application's printer; bFreeOld frees the previous ones.
  void SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld = TRUE);
  // A DC for the application's printer attached to dc; FALSE when there is none.
  BOOL CreatePrinterDC(CDC& dc);

 private:
  static void ReplaceString(LPCTSTR& rpsz, LPCTSTR lpszNew);
};

// ---- CWaitCursor: the hourglass for the lifetime of the object.
class AFX_FWAPI CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  void Restore();

 private:
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};

// ---- threads
// Starts a worker thread running pfnThreadProc(pParam) at nPriority. The thread deletes the
// returned object when it ends unless the caller clears m_bAutoDelete (start it suspended to
// do so safely). Null on failure.
AFX_FWAPI CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                                            int nPriority = THREAD_PRIORITY_NORMAL,
                                            UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                            LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
// Creates an object of pThreadClass (a dynamically creatable CWinThread) and starts it as a
// user-interface thread. Null on failure.
AFX_FWAPI CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass,
                                            int nPriority = THREAD_PRIORITY_NORMAL,
                                            UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                            LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
// Ends the calling thread, started by AfxBeginThread, with nExitCode; bDelete lets the thread
// object delete itself (when m_bAutoDelete).
AFX_FWAPI void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);

// ---- global access
AFX_FWAPI CWinApp* AFXAPI AfxGetApp();
AFX_FWAPI CWinThread* AFXAPI AfxGetThread();
AFX_FWAPI CWnd* AFXAPI AfxGetMainWnd();
AFX_FWAPI HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_FWAPI LPCTSTR AFXAPI AfxGetAppName();

// Sets up the module state and the application object for a program with its own main()
// (test programs, the gallery). FALSE when hInstance is null.
AFX_FWAPI BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                 int nCmdShow);
AFX_FWAPI void AFXAPI AfxWinTerm();
// AfxWinInit, InitInstance, then Run (or ExitInstance when InitInstance fails).
AFX_FWAPI int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                int nCmdShow);

// A message box owned by the active (or main) window; answers MessageBox's result.
// Without an icon in nType, OK boxes get the exclamation and Yes/No boxes the question.
AFX_FWAPI int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The text comes from the string resource (through the chain); 0 and no box when it is missing.
AFX_FWAPI int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// A window class with these attributes and the default window procedure, registered once
// per set of parameters; the name stays valid for the life of the process.
AFX_FWAPI LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0,
                                             HBRUSH hbrBackground = 0, HICON hIcon = 0);
