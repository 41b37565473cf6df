// CDialog::DoModal: the framework's own modal loop with the owner disabled, WM_ENTERIDLE,
// PreTranslateMessage and keyboard navigation inside the loop, and its failure results.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DlgTemplate.h"
#include "FrameworkApp.h"

namespace {

const WORD kEditA = 100, kEditB = 101;

dlgtest::DialogTemplate TwoEdits(const wchar_t* extraClass = nullptr) {
  dlgtest::DialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 160, 80, L"Modal");
  t.Add(kEditA, 0x81, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 8, 140, 14);
  t.Add(kEditB, 0x81, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 26, 140, 14);
  t.Add(IDOK, 0x80, BS_DEFPUSHBUTTON | WS_TABSTOP, 40, 58, 50, 14, L"OK");
  t.Add(IDCANCEL, 0x80, BS_PUSHBUTTON | WS_TABSTOP, 100, 58, 50, 14, L"Cancel");
  if (extraClass) t.AddClass(200, extraClass, 0, 0, 0, 10, 10);
  return t;
}

// A top-level owner window whose WM_ENTERIDLE drives the dialog under test.
class OwnerWindow {
 public:
  OwnerWindow() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &OwnerWindow::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TkwDlgTestOwner";
    RegisterClassW(&wc);
    m_hWnd = CreateWindowExW(0, wc.lpszClassName, L"owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                             nullptr, nullptr, wc.hInstance, this);
    SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~OwnerWindow() { DestroyWindow(m_hWnd); }
  HWND hwnd() const { return m_hWnd; }
  CWnd* wnd() const { return CWnd::FromHandle(m_hWnd); }

  // Called with the dialog and the count of WM_ENTERIDLE so far.
  std::function<void(HWND dialog, int count)> onIdle;
  int idleCount = 0;
  bool enabledWhileIdle = true;

 private:
  static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<OwnerWindow*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (self && msg == WM_ENTERIDLE && w == MSGF_DIALOGBOX) {
      self->enabledWhileIdle = IsWindowEnabled(h) != FALSE;
      ++self->idleCount;
      if (self->onIdle) self->onIdle(reinterpret_cast<HWND>(l), self->idleCount);
      return 0;
    }
    return DefWindowProcW(h, msg, w, l);
  }
  HWND m_hWnd = nullptr;
};

// A dialog that records what its hooks saw.
class CRecordingDialog : public CDialog {
 public:
  BOOL OnInitDialog() override {
    ++initCalls;
    return CDialog::OnInitDialog();
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) keysSeen.push_back({pMsg->hwnd, UINT(pMsg->wParam)});
    return CDialog::PreTranslateMessage(pMsg);
  }
  void OnOK() override {
    ++okCalls;
    CDialog::OnOK();
  }
  struct Key {
    HWND hwnd;
    UINT vk;
  };
  std::vector<Key> keysSeen;
  int initCalls = 0;
  int okCalls = 0;
};

class DialogModal : public testing::Test {
 protected:
  void SetUp() override { tks::FrameworkApp(); }
};

TEST_F(DialogModal, RunsUntilEndDialogWithTheOwnerDisabled) {
  OwnerWindow owner;
  auto t = TwoEdits();
  CRecordingDialog dlg;
  ASSERT_TRUE(dlg.InitModalIndirect(t.Get(), owner.wnd()));
  HWND seenDialog = nullptr;
  bool visible = false;
  // The first idle shows the dialog (after telling the owner); the next one ends it.
  owner.onIdle = [&](HWND dialog, int count) {
    seenDialog = dialog;
    if (count == 1) {
      PostMessageW(dialog, WM_NULL, 0, 0);
      return;
    }
    visible = IsWindowVisible(dialog) != FALSE;
    if (CWnd::FromHandlePermanent(dialog) == &dlg) dlg.EndDialog(42);
  };
  EXPECT_EQ(42, dlg.DoModal());
  EXPECT_EQ(1, dlg.initCalls);
  EXPECT_FALSE(owner.enabledWhileIdle) << "the owner is disabled while the dialog runs";
  EXPECT_TRUE(visible) << "the dialog is shown once the loop is idle";
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd())) << "and enabled again afterwards";
  EXPECT_FALSE(IsWindow(seenDialog)) << "the dialog window is destroyed";
  EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST_F(DialogModal, ButtonsRouteThroughTheMessageMapToOnOKAndClosingCancels) {
  OwnerWindow owner;
  auto t = TwoEdits();
  for (const UINT message : {UINT(WM_COMMAND), UINT(WM_CLOSE)}) {
    CRecordingDialog dlg;
    dlg.InitModalIndirect(t.Get(), owner.wnd());
    owner.onIdle = [message](HWND dialog, int) {
      PostMessageW(dialog, message, message == WM_COMMAND ? MAKEWPARAM(IDOK, BN_CLICKED) : 0, 0);
    };
    EXPECT_EQ(message == WM_COMMAND ? IDOK : IDCANCEL, dlg.DoModal());
    EXPECT_EQ(message == WM_COMMAND ? 1 : 0, dlg.okCalls);
  }
}

TEST_F(DialogModal, PostedKeysPassPreTranslateMessageAndNavigateTheControls) {
  OwnerWindow owner;
  auto t = TwoEdits();
  CRecordingDialog dlg;
  dlg.InitModalIndirect(t.Get(), owner.wnd());
  HWND focusAfterTab = nullptr, editA = nullptr, editB = nullptr;
  owner.onIdle = [&](HWND dialog, int count) {
    editA = GetDlgItem(dialog, kEditA);
    editB = GetDlgItem(dialog, kEditB);
    if (count == 1) {
      SetFocus(editA);
      PostMessageW(editA, WM_KEYDOWN, VK_TAB, 0);
    } else if (count == 2) {
      focusAfterTab = GetFocus();
      dlg.EndDialog(IDCANCEL);
    }
  };
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  ASSERT_FALSE(dlg.keysSeen.empty()) << "the dialog's PreTranslateMessage saw no key";
  EXPECT_EQ(editA, dlg.keysSeen[0].hwnd);
  EXPECT_EQ(UINT(VK_TAB), dlg.keysSeen[0].vk);
  EXPECT_EQ(editB, focusAfterTab) << "Tab moved the focus to the next control (IsDialogMessage)";
}

TEST_F(DialogModal, FailuresAnswerMinusOneAndLeaveTheOwnerEnabled) {
  OwnerWindow owner;
  CDialog missing(64123u, owner.wnd());
  EXPECT_EQ(-1, missing.DoModal()) << "no such template anywhere in the chain";
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));

  CDialog none;
  EXPECT_EQ(-1, none.DoModal()) << "no template at all";

  auto bad = TwoEdits(L"NoSuchControlClassTkw");
  CDialog broken;
  broken.InitModalIndirect(bad.Get(), owner.wnd());
  EXPECT_EQ(-1, broken.DoModal()) << "a control that cannot be created fails the dialog";
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
  EXPECT_EQ(nullptr, broken.m_hWnd);
}

TEST_F(DialogModal, QuitInsideTheLoopEndsTheDialogAndReachesTheOuterLoop) {
  OwnerWindow owner;
  auto t = TwoEdits();
  CDialog dlg;
  dlg.InitModalIndirect(t.Get(), owner.wnd());
  owner.onIdle = [](HWND, int) { PostQuitMessage(5); };
  EXPECT_EQ(-1, dlg.DoModal());
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "WM_QUIT was passed on";
  EXPECT_EQ(5u, msg.wParam);
}

TEST_F(DialogModal, ModelessDialogsAndTheirHelpers) {
  auto t = TwoEdits();
  CDialog dlg;
  ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
  EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
  EXPECT_FALSE(dlg.CreateIndirect(t.Get())) << "one window per object";
  dlg.ShowWindow(SW_SHOW);
  dlg.GotoDlgCtrl(dlg.GetDlgItem(kEditB));
  EXPECT_EQ(GetDlgItem(dlg.m_hWnd, kEditB), GetFocus());
  dlg.EndDialog(IDOK);
  EXPECT_FALSE(dlg.IsWindowVisible()) << "a modeless dialog is only hidden";
  dlg.DestroyWindow();
  EXPECT_FALSE(dlg.Create(64123u)) << "missing template";
}

}  // namespace
