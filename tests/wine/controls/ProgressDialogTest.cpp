// The progress dialog built from the resource module: percentages in the caption, the status
// protocol's message, Cancel with its question, and a modal run its owner ends.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <QXHostWindows.h>

#include <string>

#include "FrameworkApp.h"
#include "Support.h"
#include "controls/ProgressDialog.h"
#include "qxres_ids.h"

namespace {

// The control's own visible style (the modeless dialog itself stays hidden).
bool Shown(HWND dlg, int id) {
  return (::GetWindowLongW(::GetDlgItem(dlg, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

std::wstring Text(HWND h) {
  wchar_t buffer[256] = {};
  ::GetWindowTextW(h, buffer, 256);
  return buffer;
}

// Answers the confirmation question with a fixed button and remembers what was asked.
struct Question {
  int answer = IDNO;
  int asked = 0;
  std::wstring text;
  static int CALLBACK Handle(LPCTSTR lpszText, UINT nType, int, void* pContext) {
    auto* q = static_cast<Question*>(pContext);
    ++q->asked;
    q->text = lpszText;
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), nType);
    return q->answer;
  }
};

class ProgressDialog : public testing::Test {
 protected:
  void SetUp() override {
    const HMODULE module = tks::HostResources();
    ASSERT_NE(nullptr, module);
    kill_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    previous_ = ZRWSetMessageBoxHandler(&Question::Handle, &question_, &previousContext_);
  }
  void TearDown() override {
    ZRWSetMessageBoxHandler(previous_, previousContext_);
    ::CloseHandle(kill_);
  }
  // A modeless dialog for checks that need no modal loop.
  void Open(CProgressDialog& dlg) {
    dlg.SetKillHandle(&kill_);
    ASSERT_TRUE(dlg.Create(IDD_QX_PROGRESS, CWnd::FromHandle(tks::HostFrame())));
  }

  HANDLE kill_ = nullptr;
  Question question_;
  QX_MESSAGEBOX_HANDLER previous_ = nullptr;
  void* previousContext_ = nullptr;
};

TEST_F(ProgressDialog, CaptionShowsThePercentageOnlyWhenItChanges) {
  CProgressDialog dlg(nullptr, L"Loading", 0, 0, TRUE, 0, true);
  EXPECT_EQ(0, dlg.SetPos(30)) << "no window: the stored position";
  Open(dlg);
  EXPECT_TRUE(Shown(dlg, IDC_QX_PROGRESS_BAR));

  dlg.SetPos(40);
  EXPECT_EQ(L"Loading [40%]", Text(dlg));
  dlg.SetWindowText(L"untouched");
  EXPECT_EQ(40, dlg.SetPos(40)) << "the bar's previous position";
  EXPECT_EQ(L"untouched", Text(dlg)) << "same percentage: caption not rewritten";

  dlg.SetRange(50, 150, 10);
  dlg.SetPos(90, L"Copying");
  dlg.StepIt();
  EXPECT_EQ(L"Loading [100%]", Text(dlg)) << "the lower bound is not subtracted";
  dlg.SetRange(7, 7, 1);
  dlg.SetPos(7);
  EXPECT_EQ(L"Loading [0%]", Text(dlg)) << "equal bounds";
  dlg.DestroyWindow();
}

TEST_F(ProgressDialog, StatusMessageSetsTheLineAndTheAnimation) {
  CProgressDialog dlg(nullptr, L"Processing...", 0, 0, FALSE, 0, false);
  Open(dlg);
  EXPECT_FALSE(Shown(dlg, IDC_QX_PROGRESS_BAR));
  EXPECT_FALSE(Shown(dlg, IDCANCEL));
  CString status = L"Reading the script";
  UINT anim = 0;
  EXPECT_EQ(1, dlg.SendMessage(WMU_UPDATE_STATUS, WPARAM(&status), LPARAM(&anim)));
  EXPECT_EQ(L"Reading the script", Text(::GetDlgItem(dlg, IDC_QX_PROGRESS_STATUS)));
  EXPECT_EQ(0u, dlg.m_nAnimID) << "the default clip plays but 0 is kept";
  anim = IDR_QX_AVI_CANCELING;
  dlg.SendMessage(WMU_UPDATE_STATUS, WPARAM(&status), LPARAM(&anim));
  EXPECT_EQ(UINT(IDR_QX_AVI_CANCELING), dlg.m_nAnimID);

  dlg.SetText(L"%d of %s", 3, L"7");
  EXPECT_EQ(L"3 of 7", Text(::GetDlgItem(dlg, IDC_QX_PROGRESS_STATUS)));
  dlg.Clear();
  EXPECT_EQ(L"", Text(::GetDlgItem(dlg, IDC_QX_PROGRESS_STATUS)));
  dlg.DestroyWindow();
}

TEST_F(ProgressDialog, CancelAsksAndOnYesOnlySignalsTheKillEvent) {
  CProgressDialog dlg(nullptr, L"Processing...", 0, 0, FALSE, 0, true);
  Open(dlg);
  question_.answer = IDNO;
  tks::PressButton(dlg, IDCANCEL);
  EXPECT_EQ(L"Are you sure you want to cancel the process.", question_.text);
  EXPECT_FALSE(dlg.Cancelled());
  EXPECT_EQ(WAIT_TIMEOUT, ::WaitForSingleObject(kill_, 0));

  question_.answer = IDYES;
  tks::PressButton(dlg, IDCANCEL);
  EXPECT_TRUE(dlg.Cancelled());
  EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(kill_, 0));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dlg, IDCANCEL)));
  EXPECT_TRUE(::IsWindow(dlg)) << "the owner ends the dialog, not Cancel";
  EXPECT_EQ(2, question_.asked);
  dlg.DestroyWindow();
}

// The owner's side of a modal run: a status update, then the end, from inside the loop.
CProgressDialog* g_pModal = nullptr;
void CALLBACK FinishModal(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  CString status = L"Done";
  UINT anim = 0;
  g_pModal->SendMessage(WMU_UPDATE_STATUS, WPARAM(&status), LPARAM(&anim));
  g_pModal->EndDialog(IDOK);
}

TEST_F(ProgressDialog, ModalRunEndsWhenTheOwnerEndsIt) {
  CProgressDialog dlg(CWnd::FromHandle(tks::HostFrame()), L"Processing...", 0, 0, FALSE, 0, true);
  dlg.SetKillHandle(&kill_);
  g_pModal = &dlg;
  ::SetTimer(nullptr, 0, 10, FinishModal);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(0, question_.asked);
  g_pModal = nullptr;
}

}  // namespace
