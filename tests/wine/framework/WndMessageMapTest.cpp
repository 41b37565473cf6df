// Message maps: window messages reaching typed handlers through base chains, commands,
// update-command-UI and notifications routed by id and code.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "Support.h"
#include "afxwin.h"

namespace {

const UINT kRegisteredMsg = ::RegisterWindowMessageW(L"TkwFw.WndMessageMapTest");

// Logs each handler's arguments as it unpacked them, e.g. "size 2 321 123".
class CLoggingWnd : public CWnd {
 public:
  std::vector<std::string> log;
  void Log(const char* what, std::initializer_list<long long> args = {}) {
    std::string line = what;
    for (long long a : args) line += " " + std::to_string(a);
    log.push_back(line);
  }
};

// The base handles creation, sizes and two user messages; the derived class adds input,
// window and menu handlers and overrides one user message.
class CBaseWnd : public CLoggingWnd {
 public:
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    Log("create");
    return CWnd::OnCreate(lpcs);
  }
  afx_msg void OnSize(UINT nType, int cx, int cy) { Log("size", {nType, cx, cy}); }
  afx_msg LRESULT OnApp1(WPARAM, LPARAM) { return 1; }
  afx_msg LRESULT OnApp2(WPARAM wParam, LPARAM lParam) { return LRESULT(wParam + lParam); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CLoggingWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_MESSAGE(WM_APP + 1, OnApp1)
  ON_MESSAGE(WM_APP + 2, OnApp2)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
 public:
  afx_msg LRESULT OnNcCreateMsg(WPARAM, LPARAM) {
    Log("nccreate");
    return Default();
  }
  afx_msg void OnMove(int x, int y) { Log("move", {x, y}); }
  afx_msg void OnLButtonDown(UINT nFlags, CPoint pt) { Log("down", {nFlags, pt.x, pt.y}); }
  afx_msg BOOL OnMouseWheel(UINT, short zDelta, CPoint) {
    Log("wheel", {zDelta});
    return TRUE;
  }
  afx_msg void OnKeyDown(UINT nChar, UINT nRep, UINT nFlags) { Log("key", {nChar, nRep, nFlags}); }
  afx_msg void OnContextMenu(CWnd* pWnd, CPoint pt) { Log("menu", {pWnd == this, pt.x, pt.y}); }
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHit, UINT nMsg) {
    Log("cursor", {pWnd == this, nHit, nMsg});
    return TRUE;
  }
  afx_msg void OnSizing(UINT nSide, LPRECT lpRect) { Log("sizing", {nSide, lpRect->right}); }
  afx_msg void OnMenuSelect(UINT nItem, UINT nFlags, HMENU) { Log("select", {nItem, nFlags}); }
  afx_msg LRESULT OnApp1Derived(WPARAM, LPARAM) { return 2; }
  afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return LRESULT(wParam * 3); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
  ON_MESSAGE(WM_NCCREATE, OnNcCreateMsg)
  ON_WM_MOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEWHEEL()
  ON_WM_KEYDOWN()
  ON_WM_CONTEXTMENU()
  ON_WM_SETCURSOR()
  ON_WM_SIZING()
  ON_WM_MENUSELECT()
  ON_MESSAGE(WM_APP + 1, OnApp1Derived)
  ON_REGISTERED_MESSAGE(kRegisteredMsg, OnRegistered)
END_MESSAGE_MAP()

TEST(WndMessageMap, HandlersGetTheirArgumentsUnpackedFromCreationOnDerivedEntriesFirst) {
  CDerivedWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"t", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr));
  ASSERT_GE(wnd.log.size(), 2u);
  EXPECT_EQ("nccreate", wnd.log[0]) << "WM_NCCREATE must reach the object's map";
  EXPECT_EQ("create", wnd.log[1]);
  wnd.log.clear();

  RECT sizing = {0, 0, 77, 10};
  wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(321, 123));
  wnd.SendMessage(WM_MOVE, 0, MAKELPARAM(-3, 4));
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 40));
  wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), MAKELPARAM(10, 10));
  wnd.SendMessage(WM_KEYDOWN, 'A', MAKELPARAM(2, 0x1E));
  wnd.SendMessage(WM_CONTEXTMENU, WPARAM(wnd.m_hWnd), MAKELPARAM(-1, -1));
  EXPECT_EQ(TRUE, wnd.SendMessage(WM_SETCURSOR, WPARAM(wnd.m_hWnd), MAKELPARAM(HTLEFT, 0x201)));
  EXPECT_EQ(TRUE, wnd.SendMessage(WM_SIZING, WMSZ_RIGHT, LPARAM(&sizing)))
      << "the rectangle may have changed";
  wnd.SendMessage(WM_MENUSELECT, MAKEWPARAM(9, MF_POPUP), 0);
  EXPECT_EQ((std::vector<std::string>{"size 2 321 123", "move -3 4", "down 5 -5 40", "wheel -120",
                                      "key 65 2 30", "menu 1 -1 -1", "cursor 1 10 513",
                                      "sizing 2 77", "select 9 16"}),
            wnd.log);

  EXPECT_EQ(2, wnd.SendMessage(WM_APP + 1)) << "the derived map's entry is found first";
  EXPECT_EQ(30, wnd.SendMessage(WM_APP + 2, 10, 20)) << "the base map's entry still serves";
  EXPECT_EQ(21, wnd.SendMessage(kRegisteredMsg, 7));
  // Unhandled messages go to the window's own procedure.
  wnd.SetWindowText(L"after");
  TCHAR small[3] = {};
  EXPECT_EQ(2, wnd.GetWindowText(small, 3)) << "the buffer form truncates";
  EXPECT_STREQ(L"af", small);
}

// ---- commands

const UINT kIdOpen = 100, kIdRangeFirst = 200, kIdRangeLast = 205, kIdEx = 300, kIdNoUpdate = 400,
           kIdNothing = 500;

class CCommandWnd : public CWnd {
 public:
  std::vector<std::string> log;
  UINT lastRangeId = 0;
  BOOL exAnswer = FALSE;
  BOOL enableOpen = TRUE;

  afx_msg void OnOpen() { log.push_back("open"); }
  afx_msg void OnRange(UINT nID) { lastRangeId = nID; }
  afx_msg BOOL OnEx(UINT) {
    log.push_back("ex");
    return exAnswer;
  }
  afx_msg void OnNoUpdate() {}
  afx_msg void OnUpdateOpen(CCmdUI* pCmdUI) {
    pCmdUI->Enable(enableOpen);
    pCmdUI->SetCheck(1);
    pCmdUI->SetText(L"Open now");
  }
  afx_msg void OnClickedChild() { log.push_back("clicked"); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
  ON_COMMAND(kIdOpen, OnOpen)
  ON_UPDATE_COMMAND_UI(kIdOpen, OnUpdateOpen)
  ON_COMMAND_RANGE(kIdRangeFirst, kIdRangeLast, OnRange)
  ON_COMMAND_EX(kIdEx, OnEx)
  ON_COMMAND(kIdNoUpdate, OnNoUpdate)
  ON_BN_CLICKED(kIdOpen + 1, OnClickedChild)
END_MESSAGE_MAP()

TEST(WndCommands, CommandsReachTheirHandlersByIdRangeAndControlCodeUnlessDisabled) {
  CCommandWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"c", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdOpen, 0), 0);
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdOpen, 1), 0);  // from an accelerator
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdRangeFirst + 3, 0), 0);
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdRangeLast + 1, 0), 0);
  EXPECT_EQ(kIdRangeFirst + 3, wnd.lastRangeId) << "an id past the range is not the range's";

  wnd.enableOpen = FALSE;
  EXPECT_EQ(1, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdOpen, 1), 0))
      << "an accelerator's command its update handler disables is dropped, as handled";

  HWND hButton = ::CreateWindowExW(
      0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 50, 20, wnd.m_hWnd,
      reinterpret_cast<HMENU>(UINT_PTR(kIdOpen + 1)), nullptr, nullptr);
  ::SendMessageW(hButton, BM_CLICK, 0, 0);
  tks::PumpUntilIdle();
  EXPECT_EQ((std::vector<std::string>{"open", "open", "clicked"}), wnd.log);
}

TEST(WndCommands, OnCmdMsgReportsWhetherTheCommandWasHandledWithoutAWindow) {
  CCommandWnd wnd;
  EXPECT_TRUE(wnd.OnCmdMsg(kIdOpen, CN_COMMAND, nullptr, nullptr));
  EXPECT_FALSE(wnd.OnCmdMsg(kIdNothing, CN_COMMAND, nullptr, nullptr));
  EXPECT_FALSE(wnd.OnCmdMsg(kIdNoUpdate, CN_UPDATE_COMMAND_UI, nullptr, nullptr));
  EXPECT_FALSE(wnd.OnCmdMsg(kIdOpen, int(MAKELONG(0, WM_NOTIFY)), nullptr, nullptr));
  wnd.exAnswer = FALSE;
  EXPECT_FALSE(wnd.OnCmdMsg(kIdEx, CN_COMMAND, nullptr, nullptr))
      << "ON_COMMAND_EX returning FALSE passes it on";
  wnd.exAnswer = TRUE;
  EXPECT_TRUE(wnd.OnCmdMsg(kIdEx, CN_COMMAND, nullptr, nullptr));
  EXPECT_EQ((std::vector<std::string>{"open", "ex", "ex"}), wnd.log);

  // Asking who handles it calls nothing.
  AFX_CMDHANDLERINFO info = {nullptr, AFX_PMSG(nullptr)};
  EXPECT_TRUE(wnd.OnCmdMsg(kIdOpen, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(&wnd, info.pTarget);
  EXPECT_NE(AFX_PMSG(nullptr), info.pmf);
  EXPECT_EQ(3u, wnd.log.size());
}

TEST(WndCommands, UpdateCommandUiDrivesControlsAndMenuItems) {
  CCommandWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"c", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  HWND hButton =
      ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 50, 20, wnd.m_hWnd,
                        reinterpret_cast<HMENU>(UINT_PTR(kIdOpen)), nullptr, nullptr);
  CCmdUI ui;
  ui.m_nID = kIdOpen;
  ui.m_pOther = CWnd::FromHandle(hButton);
  wnd.enableOpen = FALSE;
  EXPECT_TRUE(ui.DoUpdate(&wnd, TRUE));
  EXPECT_FALSE(::IsWindowEnabled(hButton));
  EXPECT_EQ(BST_CHECKED, ::SendMessageW(hButton, BM_GETCHECK, 0, 0));
  CString text;
  ui.m_pOther->GetWindowText(text);
  EXPECT_STREQ(L"Open now", text);
  // No update handler: enabled when a command handler exists, disabled when none does.
  ui.m_nID = kIdNoUpdate;
  EXPECT_FALSE(ui.DoUpdate(&wnd, TRUE));
  EXPECT_TRUE(::IsWindowEnabled(hButton));
  ui.m_nID = kIdOpen + 7;
  ::EnableWindow(hButton, TRUE);
  ui.DoUpdate(&wnd, FALSE);
  EXPECT_TRUE(::IsWindowEnabled(hButton)) << "without bDisableIfNoHndler nothing changes";

  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, kIdOpen, L"Open");
  menu.AppendMenu(MF_STRING, kIdNothing, L"Nothing");
  CCmdUI item;
  item.m_pMenu = &menu;
  item.m_nIndexMax = 2;
  for (item.m_nIndex = 0; item.m_nIndex < item.m_nIndexMax; ++item.m_nIndex) {
    item.m_nID = menu.GetMenuItemID(int(item.m_nIndex));
    item.DoUpdate(&wnd, TRUE);
  }
  EXPECT_EQ(UINT(MF_GRAYED | MF_CHECKED),
            menu.GetMenuState(kIdOpen, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));
  EXPECT_TRUE(menu.GetMenuState(kIdNothing, MF_BYCOMMAND) & MF_GRAYED) << "no handler at all";
  menu.GetMenuString(kIdOpen, text, MF_BYCOMMAND);
  EXPECT_STREQ(L"Open now", text);
  AfxDeleteTempWndMap();
}

}  // namespace

namespace {

// One window-message entry per handler signature against CWnd's own handlers: each must name
// a handler of exactly the signature its dispatcher calls, or this does not compile.
class CAllEntriesWnd : public CWnd {
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAllEntriesWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_MOVE()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_TIMER()
  ON_WM_MOUSEMOVE()
  ON_WM_MOUSEWHEEL()
  ON_WM_KEYDOWN()
  ON_WM_SETFOCUS()
  ON_WM_HSCROLL()
  ON_WM_SETCURSOR()
  ON_WM_NCHITTEST()
  ON_WM_CONTEXTMENU()
  ON_WM_GETDLGCODE()
  ON_WM_CTLCOLOR()
  ON_WM_DRAWITEM()
  ON_WM_MEASUREITEM()
  ON_WM_QUERYNEWPALETTE()
  ON_WM_SHOWWINDOW()
  ON_WM_ACTIVATE()
  ON_WM_WINDOWPOSCHANGED()
  ON_WM_GETMINMAXINFO()
  ON_WM_ENABLE()
  ON_WM_SETTINGCHANGE()
  ON_WM_NCCALCSIZE()
  ON_WM_MOUSEACTIVATE()
  ON_WM_INITMENUPOPUP()
  ON_WM_MENUSELECT()
  ON_WM_ENTERIDLE()
  ON_WM_SYSCOMMAND()
  ON_WM_ACTIVATEAPP()
  ON_WM_NCACTIVATE()
  ON_WM_HELPINFO()
  ON_WM_DROPFILES()
  ON_WM_COPYDATA()
  ON_WM_SIZING()
  ON_WM_INITMENU()
  ON_WM_STYLECHANGED()
END_MESSAGE_MAP()

TEST(WndMessageMap, DefaultHandlersPassEverythingToTheWindowsOwnProcedure) {
  // With these entries present and no handler of its own, the window behaves as a plain one.
  CAllEntriesWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"all", WS_OVERLAPPEDWINDOW, 10, 20, 200, 100, nullptr, nullptr));
  CRect client;
  wnd.GetClientRect(&client);
  CPoint centre = client.CenterPoint();
  wnd.ClientToScreen(&centre);
  EXPECT_EQ(LRESULT(HTCLIENT), wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)));
  wnd.MoveWindow(0, 0, 150, 90);
  CRect rc;
  wnd.GetWindowRect(&rc);
  EXPECT_EQ(CSize(150, 90), rc.Size());
  EXPECT_TRUE(
      wnd.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
  EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TOPMOST);
  AfxDeleteTempGdiAndMenuMaps();
}

}  // namespace
