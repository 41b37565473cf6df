// Message boxes and registered window classes of the application.
#include "afxwin.h"

#include <map>
#include <mutex>
#include <string>
#include <tuple>

namespace {

// The owner of a message box: the thread's active window, else the main window; always the
// top-level window, as a child cannot own a popup.
HWND MessageBoxOwner() {
  HWND hWnd = ::GetActiveWindow();
  if (!hWnd) {
    CWnd* pMain = AfxGetMainWnd();
    hWnd = pMain ? pMain->m_hWnd : NULL;
  }
  if (hWnd && ::IsWindow(hWnd)) return ::GetAncestor(hWnd, GA_ROOT);
  return NULL;
}

}  // namespace

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) {
  if ((nType & MB_ICONMASK) == 0) {
    switch (nType & MB_TYPEMASK) {
      case MB_OK:
      case MB_OKCANCEL: nType |= MB_ICONEXCLAMATION; break;
      case MB_YESNO:
      case MB_YESNOCANCEL: nType |= MB_ICONQUESTION; break;
      default: break;
    }
  }
  return ::MessageBoxW(MessageBoxOwner(), lpszPrompt ? lpszPrompt : L"",
                       m_pszAppName ? m_pszAppName : L"", nType);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp) {
  if (CWinApp* pApp = AfxGetApp()) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBoxW(MessageBoxOwner(), lpszText ? lpszText : L"", AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString text;
  if (!text.LoadString(nIDPrompt)) return 0;
  return AfxMessageBox(text.GetString(), nType, nIDHelp == UINT(-1) ? nIDPrompt : nIDHelp);
}

namespace {
using ClassKey = std::tuple<HINSTANCE, UINT, HCURSOR, HBRUSH, HICON>;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon) {
  // Names are kept for the life of the process so the pointer handed out stays valid.
  static std::mutex lock;
  static std::map<ClassKey, std::wstring> names;
  const HINSTANCE hInst = AfxGetInstanceHandle();
  std::lock_guard<std::mutex> guard(lock);
  const ClassKey key(hInst, nClassStyle, hCursor, hbrBackground, hIcon);
  auto it = names.find(key);
  if (it != names.end()) return it->second.c_str();

  wchar_t name[128];
  swprintf(name, _countof(name), L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst), nClassStyle,
           static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
           static_cast<void*>(hIcon));
  WNDCLASSW wc = {};
  if (!::GetClassInfoW(hInst, name, &wc)) {
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = name;
    if (!::RegisterClassW(&wc)) AfxThrowResourceException();
  }
  return names.emplace(key, name).first->second.c_str();
}
