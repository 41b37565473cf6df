// The host's process-wide services: folders, modules, message box and the task-panel window.
#include "QXHostWindows.h"
#include "QXModuleManager.h"
#include "QXSettingsManager.h"

#include <shlobj.h>

#include <mutex>

namespace {

CString ShellFolder(int nFolder, LPCTSTR lpszLeaf) {
  WCHAR szPath[MAX_PATH] = L"";
  if (FAILED(::SHGetFolderPathW(NULL, nFolder, NULL, SHGFP_TYPE_CURRENT, szPath))) szPath[0] = 0;
  CString strPath(szPath);
  strPath.TrimRight(_T('\\'));
  return strPath + _T('\\') + lpszLeaf;
}

CString WithoutTrailingBackslash(LPCTSTR lpszPath) {
  CString strPath(lpszPath ? lpszPath : _T(""));
  // A drive root keeps its backslash ("C:\"), so the folder still names the root.
  while (strPath.GetLength() > 3 && strPath[strPath.GetLength() - 1] == _T('\\'))
    strPath.Truncate(strPath.GetLength() - 1);
  return strPath;
}

const LPCTSTR kModuleNames[] = {_T("Database"), _T("Messaging"), _T("Web"), _T("File")};

// Message box handler and task-panel window, shared by every thread of the process.
std::mutex g_hostLock;
QX_MESSAGEBOX_HANDLER g_pfnMessageBox = NULL;
void* g_pMessageBoxContext = NULL;
HWND g_hTaskPanelWizard = NULL;

}  // namespace

// ---- settings

CQXSettingsManager::CQXSettingsManager() {}

CString CQXSettingsManager::GetProjectFilePath() const {
  return m_strProjectPath.IsEmpty() ? ShellFolder(CSIDL_PERSONAL, _T("Velotrace Projects"))
                                    : m_strProjectPath;
}

void CQXSettingsManager::SetProjectFilePath(LPCTSTR lpszPath) {
  m_strProjectPath = WithoutTrailingBackslash(lpszPath);
}

CString CQXSettingsManager::GetUserZRWPath() const {
  return m_strUserPath.IsEmpty() ? ShellFolder(CSIDL_APPDATA, _T("Velotrace")) : m_strUserPath;
}

void CQXSettingsManager::SetUserZRWPath(LPCTSTR lpszPath) {
  m_strUserPath = WithoutTrailingBackslash(lpszPath);
}

CQXSettingsManager* TKWGetSettingsManager() {
  static CQXSettingsManager manager;
  return &manager;
}

// ---- modules

CQXModuleManager::CQXModuleManager() {
  for (BOOL& bEnabled : m_bEnabled) bEnabled = TRUE;
}

int CQXModuleManager::GetModuleCount() const {
  return (int)_countof(m_bEnabled);
}

BOOL CQXModuleManager::IsModuleEnabled(int nModule) const {
  return nModule >= 1 && nModule <= GetModuleCount() && m_bEnabled[nModule - 1];
}

BOOL CQXModuleManager::EnableModule(int nModule, BOOL bEnable) {
  if (nModule < 1 || nModule > GetModuleCount()) return FALSE;
  m_bEnabled[nModule - 1] = bEnable ? TRUE : FALSE;
  return TRUE;
}

CString CQXModuleManager::GetModuleName(int nModule) const {
  return nModule >= 1 && nModule <= GetModuleCount() ? CString(kModuleNames[nModule - 1])
                                                     : CString();
}

CQXModuleManager* TKWGetModuleManager() {
  static CQXModuleManager manager;
  return &manager;
}

// ---- message box and host windows

int ZRWMessageBox(LPCTSTR lpszText, UINT nType, int nOwner) {
  if (!lpszText) return IDCANCEL;
  QX_MESSAGEBOX_HANDLER pfnHandler;
  void* pContext;
  {
    std::lock_guard<std::mutex> lock(g_hostLock);
    pfnHandler = g_pfnMessageBox;
    pContext = g_pMessageBoxContext;
  }
  if (pfnHandler) return pfnHandler(lpszText, nType, nOwner, pContext);
  HWND hOwner = nOwner == 1 ? ::GetActiveWindow() : NULL;
  return ::MessageBoxW(hOwner, lpszText, L"Velotrace", nType);
}

QX_MESSAGEBOX_HANDLER ZRWSetMessageBoxHandler(QX_MESSAGEBOX_HANDLER pfnHandler, void* pContext,
                                              void** ppOldContext) {
  std::lock_guard<std::mutex> lock(g_hostLock);
  QX_MESSAGEBOX_HANDLER pfnOld = g_pfnMessageBox;
  if (ppOldContext) *ppOldContext = g_pMessageBoxContext;
  g_pfnMessageBox = pfnHandler;
  g_pMessageBoxContext = pfnHandler ? pContext : NULL;
  return pfnOld;
}

HWND GetTaskPanelWizardHWnd() {
  HWND hWnd;
  {
    std::lock_guard<std::mutex> lock(g_hostLock);
    hWnd = g_hTaskPanelWizard;
  }
  // A panel the host destroyed without telling us is no panel.
  return hWnd && ::IsWindow(hWnd) ? hWnd : NULL;
}

void SetTaskPanelWizardHWnd(HWND hWnd) {
  std::lock_guard<std::mutex> lock(g_hostLock);
  g_hTaskPanelWizard = hWnd;
}
