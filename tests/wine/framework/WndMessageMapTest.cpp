// Message maps: window messages reaching typed handlers through base chains, commands,
// update-command-UI and notifications routed by id and code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Support.h"
#include "afxwin.h"

namespace {

const UINT kRegisteredMsg = ::RegisterWindowMessageW(L"TkwFw.WndMessageMapTest");

// The base records sizes and one user message; the derived class adds mouse and wheel
// handlers and overrides the user message.
class CBaseWnd : public CWnd {
 public:
  std::vector<std::string> log;
  int cx = -1, cy = -1;
  UINT sizeType = 99;

  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    log.push_back("create");
    return CWnd::OnCreate(lpcs);
  }
  afx_msg void OnSize(UINT nType, int x, int y) {
    sizeType = nType;
    cx = x;
    cy = y;
    log.push_back("size");
  }
  afx_msg LRESULT OnApp1(WPARAM, LPARAM) {
    log.push_back("base app1");
    return 1;
  }
  afx_msg LRESULT OnApp2(WPARAM wParam, LPARAM lParam) { return LRESULT(wParam + lParam); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_MESSAGE(WM_APP + 1, OnApp1)
  ON_MESSAGE(WM_APP + 2, OnApp2)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd {
 public:
  CPoint lastDown{0, 0};
  UINT lastFlags = 0;
  short wheelDelta = 0;
  BOOL sawNcCreate = FALSE;

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point) {
    lastFlags = nFlags;
    lastDown = point;
  }
  afx_msg BOOL OnMouseWheel(UINT, short zDelta, CPoint) {
    wheelDelta = zDelta;
    return TRUE;
  }
  afx_msg LRESULT OnApp1Derived(WPARAM, LPARAM) {
    log.push_back("derived app1");
    return 2;
  }
  afx_msg LRESULT OnNcCreateMsg(WPARAM, LPARAM) {
    sawNcCreate = TRUE;
    return Default();
  }
  afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return LRESULT(wParam * 3); }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
  ON_MESSAGE(WM_NCCREATE, OnNcCreateMsg)
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEWHEEL()
  ON_MESSAGE(WM_APP + 1, OnApp1Derived)
  ON_REGISTERED_MESSAGE(kRegisteredMsg, OnRegistered)
END_MESSAGE_MAP()

TEST(WndMessageMap, CreationMessagesReachTheObjectThroughTheHook) {
  CDerivedWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"t", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  EXPECT_TRUE(wnd.sawNcCreate) << "WM_NCCREATE must reach the object's map";
  ASSERT_FALSE(wnd.log.empty());
  EXPECT_EQ("create", wnd.log.front()) << "WM_CREATE goes to OnCreate before anything else of ours";
  EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
}

TEST(WndMessageMap, BaseEntriesServeTheDerivedClassAndDerivedEntriesWin) {
  CDerivedWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"t", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  wnd.log.clear();

  wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(321, 123));
  EXPECT_EQ(UINT(SIZE_MAXIMIZED), wnd.sizeType);
  EXPECT_EQ(321, wnd.cx);
  EXPECT_EQ(123, wnd.cy);

  EXPECT_EQ(2, wnd.SendMessage(WM_APP + 1)) << "the derived map's entry is found first";
  EXPECT_EQ(30, wnd.SendMessage(WM_APP + 2, 10, 20)) << "the base map's entry still serves";
  EXPECT_EQ((std::vector<std::string>{"size", "derived app1"}), wnd.log);
  EXPECT_EQ(21, wnd.SendMessage(kRegisteredMsg, 7));
}

TEST(WndMessageMap, PointsAndWheelDeltasKeepTheirSign) {
  CDerivedWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"t", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(-5, 40));
  EXPECT_EQ(UINT(MK_LBUTTON | MK_SHIFT), wnd.lastFlags);
  EXPECT_EQ(-5, wnd.lastDown.x);
  EXPECT_EQ(40, wnd.lastDown.y);
  wnd.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), MAKELPARAM(10, 10));
  EXPECT_EQ(-WHEEL_DELTA, wnd.wheelDelta);
}

TEST(WndMessageMap, UnhandledMessagesGoToTheWindowsOwnProcedure) {
  CDerivedWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"before", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  wnd.SetWindowText(L"after");
  CString text;
  wnd.GetWindowText(text);
  EXPECT_STREQ(L"after", (LPCTSTR)text);
  EXPECT_EQ(5, wnd.GetWindowTextLength());
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

TEST(WndCommands, MenuCommandsReachTheirHandlersByIdAndRange) {
  CCommandWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"c", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdOpen, 0), 0);
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdOpen, 1), 0);  // from an accelerator
  EXPECT_EQ((std::vector<std::string>{"open", "open"}), wnd.log);

  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdRangeFirst + 3, 0), 0);
  EXPECT_EQ(kIdRangeFirst + 3, wnd.lastRangeId);
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdRangeLast + 1, 0), 0);
  EXPECT_EQ(kIdRangeFirst + 3, wnd.lastRangeId) << "an id past the range is not the range's";
}

TEST(WndCommands, ACommandItsUpdateHandlerDisablesIsDropped) {
  CCommandWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"c", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  wnd.enableOpen = FALSE;
  EXPECT_EQ(1, wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdOpen, 1), 0))
      << "dropped, but counted as handled";
  EXPECT_TRUE(wnd.log.empty()) << "the accelerator must not run a disabled command";
  wnd.enableOpen = TRUE;
  wnd.SendMessage(WM_COMMAND, MAKEWPARAM(kIdOpen, 1), 0);
  EXPECT_EQ((std::vector<std::string>{"open"}), wnd.log);
}

TEST(WndCommands, OnCmdMsgReportsWhetherTheCommandWasHandled) {
  CCommandWnd wnd;
  EXPECT_TRUE(wnd.OnCmdMsg(kIdOpen, CN_COMMAND, nullptr, nullptr));
  EXPECT_FALSE(wnd.OnCmdMsg(kIdNothing, CN_COMMAND, nullptr, nullptr));
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

TEST(WndCommands, UpdateCommandUiDrivesAControl) {
  CCommandWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"c", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  HWND hButton =
      ::CreateWindowExW(0, L"BUTTON", L"b", WS_CHILD | BS_AUTOCHECKBOX, 0, 0, 50, 20, wnd.m_hWnd,
                        reinterpret_cast<HMENU>(UINT_PTR(kIdOpen)), nullptr, nullptr);
  ASSERT_NE(nullptr, hButton);

  CCmdUI ui;
  ui.m_nID = kIdOpen;
  ui.m_pOther = CWnd::FromHandle(hButton);
  wnd.enableOpen = FALSE;
  EXPECT_TRUE(ui.DoUpdate(&wnd, TRUE));
  EXPECT_FALSE(::IsWindowEnabled(hButton));
  EXPECT_EQ(BST_CHECKED, ::SendMessageW(hButton, BM_GETCHECK, 0, 0));
  wchar_t text[32] = {};
  ::GetWindowTextW(hButton, text, 32);
  EXPECT_STREQ(L"Open now", text);

  wnd.enableOpen = TRUE;
  ui.DoUpdate(&wnd, TRUE);
  EXPECT_TRUE(::IsWindowEnabled(hButton));

  // No update handler: enabled when a command handler exists, disabled when none does.
  ui.m_nID = kIdNoUpdate;
  EXPECT_FALSE(ui.DoUpdate(&wnd, TRUE));
  EXPECT_TRUE(::IsWindowEnabled(hButton));
  ui.m_nID = kIdNothing;
  ui.DoUpdate(&wnd, TRUE);
  EXPECT_FALSE(::IsWindowEnabled(hButton));
  ui.m_nID = kIdOpen + 7;
  ::EnableWindow(hButton, TRUE);
  ui.DoUpdate(&wnd, FALSE);
  EXPECT_TRUE(::IsWindowEnabled(hButton)) << "without bDisableIfNoHndler nothing changes";
  AfxDeleteTempWndMap();
}

TEST(WndCommands, UpdateCommandUiDrivesAMenuItem) {
  CCommandWnd wnd;
  HMENU hMenu = ::CreatePopupMenu();
  ::AppendMenuW(hMenu, MF_STRING, kIdOpen, L"Open");
  ::AppendMenuW(hMenu, MF_STRING, kIdNothing, L"Nothing");
  CMenu* pMenu = CMenu::FromHandle(hMenu);

  CCmdUI ui;
  ui.m_pMenu = pMenu;
  ui.m_nIndexMax = 2;
  for (ui.m_nIndex = 0; ui.m_nIndex < ui.m_nIndexMax; ++ui.m_nIndex) {
    ui.m_nID = ::GetMenuItemID(hMenu, int(ui.m_nIndex));
    wnd.enableOpen = FALSE;
    ui.DoUpdate(&wnd, TRUE);
  }
  EXPECT_TRUE(::GetMenuState(hMenu, kIdOpen, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_TRUE(::GetMenuState(hMenu, kIdOpen, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(::GetMenuState(hMenu, kIdNothing, MF_BYCOMMAND) & MF_GRAYED)
      << "no handler at all disables";
  wchar_t text[32] = {};
  ::GetMenuStringW(hMenu, kIdOpen, text, 32, MF_BYCOMMAND);
  EXPECT_STREQ(L"Open now", text);
  ::DestroyMenu(hMenu);
  AfxDeleteTempGdiAndMenuMaps();
}

TEST(WndCommands, ControlNotificationsThroughWmCommandReachOnControlEntries) {
  CCommandWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"c", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  HWND hButton = ::CreateWindowExW(
      0, L"BUTTON", L"b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 50, 20, wnd.m_hWnd,
      reinterpret_cast<HMENU>(UINT_PTR(kIdOpen + 1)), nullptr, nullptr);
  ASSERT_NE(nullptr, hButton);
  ::SendMessageW(hButton, BM_CLICK, 0, 0);
  tks::PumpUntilIdle();
  EXPECT_EQ((std::vector<std::string>{"clicked"}), wnd.log);
}

// ---- a command target without a window

class CPlainTarget : public CCmdTarget {
 public:
  int opened = 0;
  afx_msg void OnOpen() { ++opened; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlainTarget, CCmdTarget)
  ON_COMMAND(kIdOpen, OnOpen)
END_MESSAGE_MAP()

TEST(WndCommands, APlainCommandTargetRoutesWithoutAWindow) {
  CPlainTarget target;
  EXPECT_TRUE(target.OnCmdMsg(kIdOpen, CN_COMMAND, nullptr, nullptr));
  EXPECT_FALSE(target.OnCmdMsg(kIdOpen, CN_UPDATE_COMMAND_UI, nullptr, nullptr))
      << "no update handler";
  EXPECT_FALSE(target.OnCmdMsg(kIdOpen, int(MAKELONG(0, WM_NOTIFY)), nullptr, nullptr))
      << "not a notify entry";
  EXPECT_EQ(1, target.opened);
}

}  // namespace

namespace {

// Every window-message entry against CWnd's own handlers: each must name a handler of
// exactly the signature its dispatcher calls, or this does not compile.
class CAllEntriesWnd : public CWnd {
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAllEntriesWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_NCDESTROY()
  ON_WM_SIZE()
  ON_WM_MOVE()
  ON_WM_PAINT()
  ON_WM_NCPAINT()
  ON_WM_CLOSE()
  ON_WM_SYSCOLORCHANGE()
  ON_WM_ERASEBKGND()
  ON_WM_TIMER()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
  ON_WM_RBUTTONUP()
  ON_WM_RBUTTONDBLCLK()
  ON_WM_MBUTTONDOWN()
  ON_WM_MBUTTONUP()
  ON_WM_MBUTTONDBLCLK()
  ON_WM_MOUSEWHEEL()
  ON_WM_MOUSEHOVER()
  ON_WM_MOUSELEAVE()
  ON_WM_KEYDOWN()
  ON_WM_KEYUP()
  ON_WM_CHAR()
  ON_WM_SYSKEYDOWN()
  ON_WM_SYSKEYUP()
  ON_WM_SYSCHAR()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_SETCURSOR()
  ON_WM_NCHITTEST()
  ON_WM_CONTEXTMENU()
  ON_WM_GETDLGCODE()
  ON_WM_CTLCOLOR()
  ON_WM_DRAWITEM()
  ON_WM_MEASUREITEM()
  ON_WM_QUERYNEWPALETTE()
  ON_WM_PALETTECHANGED()
  ON_WM_SHOWWINDOW()
  ON_WM_ACTIVATE()
  ON_WM_WINDOWPOSCHANGED()
  ON_WM_WINDOWPOSCHANGING()
  ON_WM_GETMINMAXINFO()
  ON_WM_ENABLE()
  ON_WM_SETTINGCHANGE()
  ON_WM_CAPTURECHANGED()
  ON_WM_NCCALCSIZE()
  ON_WM_MOUSEACTIVATE()
  ON_WM_INITMENUPOPUP()
  ON_WM_MENUSELECT()
  ON_WM_ENTERIDLE()
  ON_WM_NCLBUTTONDOWN()
  ON_WM_NCLBUTTONUP()
  ON_WM_NCLBUTTONDBLCLK()
  ON_WM_NCRBUTTONDOWN()
  ON_WM_NCMOUSEMOVE()
  ON_WM_CANCELMODE()
  ON_WM_ENTERSIZEMOVE()
  ON_WM_EXITSIZEMOVE()
  ON_WM_SYSCOMMAND()
  ON_WM_PARENTNOTIFY()
  ON_WM_ACTIVATEAPP()
  ON_WM_NCACTIVATE()
  ON_WM_HELPINFO()
  ON_WM_DROPFILES()
  ON_WM_COPYDATA()
  ON_WM_SIZING()
  ON_WM_MOVING()
  ON_WM_INITMENU()
  ON_WM_STYLECHANGED()
  ON_WM_STYLECHANGING()
END_MESSAGE_MAP()

TEST(WndMessageMap, DefaultHandlersPassEverythingToTheWindowsOwnProcedure) {
  // With every entry present and no handler of its own, the window behaves as a plain one.
  CAllEntriesWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"all", WS_OVERLAPPEDWINDOW | WS_HSCROLL, 10, 20, 200, 100,
                           nullptr, nullptr));
  CRect client;
  wnd.GetClientRect(&client);
  CPoint centre = client.CenterPoint();
  wnd.ClientToScreen(&centre);
  EXPECT_EQ(LRESULT(HTCLIENT), wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)))
      << "hit testing comes from the default procedure";
  wnd.MoveWindow(0, 0, 150, 90);
  CRect rc;
  wnd.GetWindowRect(&rc);
  EXPECT_EQ(150, rc.Width());
  EXPECT_EQ(90, rc.Height());

  wnd.SetScrollRange(SB_HORZ, 0, 100, FALSE);
  SCROLLINFO si = {};
  si.fMask = SIF_PAGE;
  si.nPage = 11;
  wnd.SetScrollInfo(SB_HORZ, &si, FALSE);
  EXPECT_EQ(90, wnd.GetScrollLimit(SB_HORZ));
  wnd.SetScrollPos(SB_HORZ, 40, FALSE);
  EXPECT_EQ(40, wnd.GetScrollPos(SB_HORZ));

  EXPECT_TRUE(
      wnd.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
  EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TOPMOST);
  EXPECT_TRUE(
      wnd.SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
  EXPECT_FALSE(wnd.GetExStyle() & WS_EX_TOPMOST);
  AfxDeleteTempGdiAndMenuMaps();
}

}  // namespace
