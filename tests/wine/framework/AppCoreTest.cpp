// The application object: registration in its module state, start-up names, the message loop
// with PreTranslateMessage and idle processing, registered window classes, message boxes.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>

#include "Support.h"

namespace {

// An application that counts what the loop calls.
class CCountingApp : public CWinApp {
 public:
  explicit CCountingApp(LPCTSTR name) : CWinApp(name) {}
  // The first idle call (the queue ran empty) ends the loop.
  BOOL OnIdle(LONG lCount) override {
    if (idleCalls++ == 0) PostQuitMessage(3);
    return CWinApp::OnIdle(lCount);
  }
  int ExitInstance() override {
    ++exitCalls;
    return CWinApp::ExitInstance();
  }
  int idleCalls = 0;
  int exitCalls = 0;
};

// A window that records the keys offered to its PreTranslateMessage and swallows 'Q'.
class CKeyWatcher : public CWnd {
 public:
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) {
      keys += wchar_t(pMsg->wParam);
      return pMsg->wParam == 'Q';
    }
    return FALSE;
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_KEYDOWN) dispatched += wchar_t(wParam);
    return CWnd::WindowProc(message, wParam, lParam);
  }
  std::wstring keys, dispatched;
};

std::wstring ExePath() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, n);
}

TEST(Application, RegistersInItsStateAndWinInitNamesItAfterTheExecutableWithItsIniBesideIt) {
  AFX_MODULE_STATE state(TRUE);
  AFX_MANAGE_STATE(&state);
  {
    CWinApp registered(L"Registered");
    EXPECT_EQ(&registered, AfxGetApp());
    EXPECT_EQ(&registered, AfxGetThread());
    EXPECT_STREQ(L"Registered", AfxGetAppName());
  }
  EXPECT_EQ(nullptr, AfxGetApp()) << "an application leaves its state when it goes";
  CWinApp app;
  EXPECT_FALSE(AfxWinInit(nullptr, nullptr, nullptr, SW_HIDE));
  HINSTANCE exe = GetModuleHandleW(nullptr);
  ASSERT_TRUE(AfxWinInit(exe, nullptr, GetCommandLineW(), SW_HIDE));

  const std::wstring path = ExePath();
  const size_t slash = path.find_last_of(L'\\');
  std::wstring base = path.substr(slash + 1);
  base.resize(base.find_last_of(L'.'));
  EXPECT_EQ(base, app.m_pszExeName);
  EXPECT_EQ(base, app.m_pszAppName);
  EXPECT_EQ(base, AfxGetAppName());
  EXPECT_EQ(path.substr(0, slash + 1) + base + L".INI", app.m_pszProfileName);
  EXPECT_EQ(exe, app.m_hInstance);
  EXPECT_EQ(exe, AfxGetInstanceHandle());
  EXPECT_EQ(exe, AfxGetResourceHandle());
}

TEST(Application, RunOffersEachMessageToTheWindowChainAndEndsOnQuit) {
  AFX_MODULE_STATE state(TRUE);
  AFX_MANAGE_STATE(&state);
  CCountingApp app(L"Runner");
  CKeyWatcher wnd;
  ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                           nullptr, nullptr));
  app.m_pMainWnd = &wnd;
  EXPECT_EQ(&wnd, AfxGetMainWnd());

  wnd.PostMessage(WM_KEYDOWN, 'A', 0);
  wnd.PostMessage(WM_KEYDOWN, 'Q', 0);
  EXPECT_EQ(3, app.Run());

  EXPECT_EQ(L"AQ", wnd.keys) << "PreTranslateMessage saw every key";
  EXPECT_EQ(L"A", wnd.dispatched) << "a key PreTranslateMessage took is not dispatched";
  EXPECT_GE(app.idleCalls, 1);  // idle came only after both keys (else 'Q' would be missing)
  EXPECT_EQ(1, app.exitCalls);
  app.m_pMainWnd = nullptr;
  wnd.DestroyWindow();
}

TEST(Application, RegisteredWindowClassesAreSharedPerAttributeSet) {
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  LPCTSTR a = AfxRegisterWndClass(CS_DBLCLKS, arrow);
  LPCTSTR b = AfxRegisterWndClass(CS_DBLCLKS, arrow);
  LPCTSTR c = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, arrow);
  EXPECT_EQ(a, b) << "the same attributes give the same class";
  EXPECT_STRNE(a, c);
  WNDCLASSW wc = {};
  ASSERT_TRUE(GetClassInfoW(AfxGetInstanceHandle(), c, &wc));
  EXPECT_EQ(UINT(CS_DBLCLKS | CS_HREDRAW), wc.style);
  EXPECT_EQ(arrow, wc.hCursor);
  HWND h = CreateWindowExW(0, a, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           AfxGetInstanceHandle(), nullptr);
  EXPECT_NE(nullptr, h);
  DestroyWindow(h);
}

TEST(Application, MessageBoxesCarryTheApplicationNameAndAnswerTheButton) {
  AFX_MODULE_STATE state(TRUE);
  AFX_MANAGE_STATE(&state);
  CWinApp app(L"Boxed");
  std::wstring title, text;
  tks::AnswerNextMessageBox([&](const std::wstring& t, const std::wstring& x) {
    title = t;
    text = x;
    return IDNO;
  });
  EXPECT_EQ(IDNO, AfxMessageBox(L"Save changes?", MB_YESNO));
  EXPECT_EQ(L"Boxed", title);
  EXPECT_EQ(L"Save changes?", text);
  // A prompt id without a string shows nothing.
  EXPECT_EQ(0, AfxMessageBox(65000u));
  EXPECT_EQ(0, tks::PendingModalAnswers());
}

TEST(Application, WaitCursorShowsTheHourglassForItsLifetime) {
  AFX_MODULE_STATE state(TRUE);
  AFX_MANAGE_STATE(&state);
  CWinApp app(L"Waiting");
  HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  SetCursor(arrow);
  {
    CWaitCursor outer;
    EXPECT_EQ(wait, GetCursor());
    {
      CWaitCursor inner;
      SetCursor(arrow);  // something else changed it
      inner.Restore();
      EXPECT_EQ(wait, GetCursor());
    }
    EXPECT_EQ(wait, GetCursor()) << "the outer wait cursor is still on";
  }
  EXPECT_EQ(arrow, GetCursor());
}

}  // namespace
