// The page's processing protocol: a task on a worker thread behind the modal progress dialog,
// ending by completion, failure, a confirmed cancel or a kill, with the status shown by the
// page's timer; no thread or event is left waiting afterwards and nothing waits unbounded.
#include "WizardFixture.h"

#include <atomic>
#include <climits>
#include <string>

#include "controls/ProgressDialog.h"

namespace {

// What the task does; it always ends with ProcessingComplete, as the protocol asks.
struct Task {
  TKWPropertyPage* page = nullptr;
  int error = 0, detail = 0;
  int statusUpdates = 0;     // SetStatus calls before finishing
  bool untilKilled = false;  // runs until asked to stop
  bool waitForRelease = false;
  HANDLE release = nullptr;  // set by the test to let the task finish
  std::atomic<bool> sawKill{false};

  static UINT AFX_CDECL Run(LPVOID pParam) {
    auto* t = static_cast<Task*>(pParam);
    for (int i = 0; i < t->statusUpdates; ++i) {
      CString text;
      text.Format(L"step %d", i + 1);
      t->page->SetStatus(text, 0);
    }
    if (t->untilKilled)
      while (!t->page->IsProcessingKilled()) ::Sleep(1);
    t->sawKill = t->page->IsProcessingKilled() != FALSE;
    if (t->waitForRelease) ::WaitForSingleObject(t->release, 10000);
    if (t->error) t->page->SetProcessingError(t->error, t->detail);
    t->page->ProcessingComplete();
    return 0;
  }
};

class ProcessingTest : public wiztest::WizardTest {
 protected:
  TKWPropertySheet sheet{L"Processing"};
  wiztest::CCountingPage page;
  Task task;

  void SetUp() override {
    wiztest::WizardTest::SetUp();
    sheet.AddPage(&page);
    ASSERT_TRUE(sheet.Create());
    task.page = &page;
    task.release = ::CreateEventW(NULL, TRUE, FALSE, NULL);
  }
  void TearDown() override {
    EXPECT_EQ(nullptr, page.m_pProgressDlg);
    EXPECT_TRUE(::WaitForSingleObject(page.m_hFinishedEvent, 0) == WAIT_OBJECT_0)
        << "the watcher has finished";
    ::SetEvent(task.release);
    ::CloseHandle(task.release);
    sheet.DestroyWindow();
    wiztest::WizardTest::TearDown();
  }
};

TEST_F(ProcessingTest, ResultFollowsTheTasksErrorWhenItCompletes) {
  struct Case {
    int error, detail;
    bool expected;
  };
  for (const Case& t : {Case{0, 0, true}, Case{5, 77, false}}) {
    task.error = t.error;
    task.detail = t.detail;
    EXPECT_EQ(t.expected, page.StartProcessing(&Task::Run, &task));
    EXPECT_EQ(t.error, page.m_nProcessingError);
    EXPECT_EQ(t.detail, page.m_nProcessingErrorDetail);
    EXPECT_FALSE(task.sawKill);
  }
}

TEST_F(ProcessingTest, CancelAsksAndOnlyAConfirmedCancelStopsTheTask) {
  task.untilKilled = true;
  // Held after the kill: a task that completed before the watcher woke would leave the
  // watcher nothing to report, and no cancelling status would be shown.
  task.waitForRelease = true;
  int questions = 0;
  // Declined first: the task runs on; then confirmed: it is asked to stop.
  tks::AnswerNextDialog([&](HWND hDlg) {
    tks::AnswerNextMessageBox([&](const std::wstring&, const std::wstring&) {
      ++questions;
      return IDNO;
    });
    ::SendMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
    tks::PumpUntilIdle();
    EXPECT_FALSE(page.IsProcessingKilled());
    tks::AnswerNextMessageBox([&](const std::wstring&, const std::wstring&) {
      ++questions;
      return IDYES;
    });
    ::SendMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
    const DWORD start = ::GetTickCount();
    while (page.m_strStatus != L"Canceling. Please Wait..." && ::GetTickCount() - start < 5000) {
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      tks::PumpUntilIdle();
    }
    ::SetEvent(task.release);
  });
  EXPECT_FALSE(page.StartProcessing(&Task::Run, &task));
  EXPECT_EQ(2, questions);
  EXPECT_TRUE(task.sawKill);
  EXPECT_EQ(CString(L"Canceling. Please Wait..."), page.m_strStatus);
  EXPECT_EQ(4541u, page.m_nStatusAnimID);
}

TEST_F(ProcessingTest, AKillWithoutTheUsersCancelEndsNormallyAndShowsNoCancelStatus) {
  task.untilKilled = true;
  tks::AnswerNextDialog([&](HWND) { page.ProcessingKill(); });
  EXPECT_TRUE(page.StartProcessing(&Task::Run, &task)) << "no error recorded";
  EXPECT_TRUE(task.sawKill);
  EXPECT_NE(CString(L"Canceling. Please Wait..."), page.m_strStatus);
}

TEST_F(ProcessingTest, TheTimerShowsTheLatestOfManyStatusUpdates) {
  task.statusUpdates = 2000;
  task.waitForRelease = true;
  CString shown;
  tks::AnswerNextDialog([&](HWND hDlg) {
    // The task has reported everything; one timer period later the dialog shows the last.
    while (page.m_strStatus != L"step 2000") tks::PumpUntilIdle();
    const DWORD start = ::GetTickCount();
    wchar_t text[64] = L"";
    while (::GetTickCount() - start < 2000) {
      ::GetDlgItemTextW(hDlg, IDC_QX_PROGRESS_STATUS, text, 64);
      if (CString(text) == L"step 2000") break;
      tks::PumpUntilIdle();
      ::Sleep(10);
    }
    shown = text;
    EXPECT_LT(::GetTickCount() - start, 1000u) << "within one timer period";
    ::SetEvent(task.release);
  });
  EXPECT_TRUE(page.StartProcessing(&Task::Run, &task));
  EXPECT_EQ(CString(L"step 2000"), shown);
  EXPECT_EQ(1361u, page.m_nStatusAnimID) << "the default animation";
}

// Threads end, and close their handles, a moment after they signal: wait, with a bound, until
// the counts come down to the expected ones.
tks::KernelCounts SettledCounts(const tks::KernelCounts& expected) {
  tks::KernelCounts now = tks::CountKernelObjects();
  for (const DWORD start = ::GetTickCount();
       (now.threads > expected.threads || now.handles > expected.handles) &&
       ::GetTickCount() - start < 5000;
       now = tks::CountKernelObjects())
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  return now;
}

TEST_F(ProcessingTest, NoThreadOrHandleOutlivesARunHoweverItEnds) {
  // Runs that complete, fail and are cancelled (with the confirmation question).
  const auto runs = [&] {
    task.error = 0;
    task.untilKilled = false;
    EXPECT_TRUE(page.StartProcessing(&Task::Run, &task));
    task.error = 3;
    EXPECT_FALSE(page.StartProcessing(&Task::Run, &task));
    task.error = 0;
    task.untilKilled = true;
    tks::AnswerNextDialog([&](HWND hDlg) {
      tks::AnswerNextMessageBox(IDYES);
      ::SendMessageW(hDlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(page.StartProcessing(&Task::Run, &task));
  };
  tks::KernelCounts before = tks::CountKernelObjects();
  runs();  // the first runs load what stays loaded (the dialog's clips, the message box's)
  before.handles = SettledCounts({LONG_MAX, before.threads}).handles;
  runs();
  const tks::KernelCounts after = SettledCounts(before);
  EXPECT_EQ(before.handles, after.handles) << "kernel handles";
  EXPECT_EQ(before.threads, after.threads) << "threads";
}

TEST_F(ProcessingTest, ASheetDestroyedWhileATaskRunsEndsTheRunWithoutSuccess) {
  task.waitForRelease = true;
  tks::AnswerNextDialog([&](HWND) {
    sheet.DestroyWindow();
    ::SetEvent(task.release);
  });
  EXPECT_FALSE(page.StartProcessing(&Task::Run, &task));
  EXPECT_EQ(nullptr, page.GetSafeHwnd());
}

TEST(ProcessingStatus, FirstStatusWithoutAnimationTakesTheDefaultLaterOnesKeepTheLast) {
  wiztest::CCountingPage page;
  page.SetStatus(L"a", 0);
  EXPECT_EQ(1361u, page.m_nStatusAnimID);
  page.SetStatus(L"b", 77);
  page.SetStatus(L"c", 0);
  EXPECT_EQ(77u, page.m_nStatusAnimID);
  EXPECT_EQ(CString(L"c"), page.m_strStatus);
}

}  // namespace
