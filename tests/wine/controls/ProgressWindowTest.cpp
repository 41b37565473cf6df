// The code-built progress window: its layout, Cancel asked or reported to the owner, and the
// pump a worker loop calls between steps.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <QXHostWindows.h>

#include "FrameworkApp.h"
#include "Support.h"
#include "controls/ProgressWindow.h"
#include "qxres_ids.h"

namespace {

int CALLBACK AnswerYes(LPCTSTR, UINT, int, void* pContext) {
  ++*static_cast<int*>(pContext);
  return IDYES;
}

// An owner that counts the cancel reports it gets.
class Owner : public CWnd {
 public:
  Owner() { CreateEx(0, nullptr, L"owner", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0); }
  ~Owner() override { DestroyWindow(); }
  int cancels = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WMU_PROGRESS_CANCEL) ++cancels;
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class ProgressWindow : public testing::Test {
 protected:
  void SetUp() override {
    tks::FrameworkApp();
    previous_ = ZRWSetMessageBoxHandler(&AnswerYes, &asked_, &previousContext_);
  }
  void TearDown() override { ZRWSetMessageBoxHandler(previous_, previousContext_); }
  int asked_ = 0;
  QX_MESSAGEBOX_HANDLER previous_ = nullptr;
  void* previousContext_ = nullptr;
};

CRect ChildRect(CWnd& parent, int id) {
  CRect rc;
  ::GetWindowRect(::GetDlgItem(parent, id), &rc);
  parent.ScreenToClient(&rc);
  return rc;
}

TEST_F(ProgressWindow, LayoutStacksAnimationTextAndButtonRow) {
  CProgressWindow wnd(nullptr, L"Saving", TRUE, FALSE, TRUE, FALSE, true);
  ASSERT_TRUE(::IsWindow(wnd));
  EXPECT_TRUE(wnd.IsWindowVisible());
  const CRect anim = ChildRect(wnd, IDC_QX_PROGRESS_WND_ANIMATION);
  const CRect text = ChildRect(wnd, IDC_QX_PROGRESS_WND_TEXT);
  const CRect cancel = ChildRect(wnd, IDC_QX_PROGRESS_CANCEL);
  const CRect bar = ChildRect(wnd, IDC_QX_PROGRESS_BAR);
  EXPECT_EQ(CRect(10, 10, 380, 110), anim);
  EXPECT_EQ(110, text.top);
  EXPECT_EQ(anim.right, cancel.right);
  EXPECT_EQ(text.bottom + 10, cancel.top);
  EXPECT_EQ(cancel.left - 10, bar.right);
  EXPECT_TRUE(::GetWindowLongW(::GetDlgItem(wnd, IDC_QX_PROGRESS_BAR), GWL_STYLE) & PBS_SMOOTH);
  CRect client;
  wnd.GetClientRect(&client);
  EXPECT_EQ(anim.Width() + 20, client.Width());
  EXPECT_EQ(cancel.Height() + text.Height() + anim.Height() + 40, client.Height());

  wnd.SetPos(25);
  CString caption;
  wnd.GetWindowText(caption);
  EXPECT_EQ(CString(L"Saving [25%]"), caption);
  wnd.SetText(L"%s %d", L"file", 3);
  EXPECT_EQ(L"file 3", tks::DialogItemText(wnd, IDC_QX_PROGRESS_WND_TEXT));
  wnd.Hide();
  EXPECT_FALSE(wnd.IsWindowVisible());
  EXPECT_EQ(L"", tks::DialogItemText(wnd, IDC_QX_PROGRESS_WND_TEXT)) << "Hide clears";
}

TEST_F(ProgressWindow, CancelAsksUnlessTheOwnerIsNotified) {
  {
    CProgressWindow wnd(nullptr, L"Asking", FALSE, FALSE, FALSE, FALSE, true);
    tks::PressButton(wnd, IDC_QX_PROGRESS_CANCEL);
    EXPECT_EQ(1, asked_);
    EXPECT_TRUE(wnd.Cancelled());
  }
  Owner owner;
  CProgressWindow wnd(&owner, L"Notifying", FALSE, TRUE, FALSE, TRUE, true);
  tks::PressButton(wnd, IDC_QX_PROGRESS_CANCEL);
  EXPECT_EQ(1, asked_) << "owner-notify mode asks nothing";
  EXPECT_EQ(1, owner.cancels);
  EXPECT_FALSE(wnd.IsWindowVisible()) << "hidden on cancel";
}

TEST_F(ProgressWindow, PumpCancelsOnEscapeAndReturnsAtOnceOnceCancelled) {
  CProgressWindow wnd(nullptr, L"Pumping", FALSE, FALSE, FALSE, FALSE, true);
  tks::PumpUntilIdle();
  wnd.PostMessage(WM_CHAR, VK_ESCAPE, 0);
  wnd.PostMessage(WM_NULL, 0, 0);
  wnd.PeekAndPump(TRUE, FALSE);
  EXPECT_EQ(1, asked_);
  EXPECT_TRUE(wnd.Cancelled());
  MSG msg;
  EXPECT_TRUE(::PeekMessageW(&msg, wnd, WM_NULL, WM_NULL, PM_NOREMOVE))
      << "nothing is pumped after a confirmed cancel";
  tks::PumpUntilIdle();
}

}  // namespace
