// Threads started by the framework: suspended start with priority, exit codes of workers and of
// user-interface threads, and no handle left behind by self-deleting thread objects.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "FrameworkApp.h"

namespace {

const DWORD kBoundMs = 5000;  // no thread of these tests takes longer

struct WorkerRun {
  std::atomic<bool> ran{false};
  DWORD threadID = 0;
  CWinThread* pSeen = nullptr;  // AfxGetThread() on the worker
  UINT exitCode = 0;
  bool viaEndThread = false;  // ends with AfxEndThread instead of returning
};

UINT AFX_CDECL Work(LPVOID pv) {
  auto* run = static_cast<WorkerRun*>(pv);
  run->threadID = ::GetCurrentThreadId();
  run->pSeen = AfxGetThread();
  run->ran = true;
  if (run->viaEndThread) AfxEndThread(run->exitCode);
  return run->exitCode;
}

class Threads : public testing::Test {
 protected:
  void SetUp() override { tks::FrameworkApp(); }
};

TEST_F(Threads, SuspendedWorkerKeepsPriorityAndReportsItsExitCode) {
  WorkerRun run;
  run.exitCode = 31;
  CWinThread* pThread =
      AfxBeginThread(Work, &run, THREAD_PRIORITY_BELOW_NORMAL, 64 * 1024, CREATE_SUSPENDED);
  ASSERT_NE(nullptr, pThread);
  pThread->m_bAutoDelete = FALSE;
  ASSERT_NE(nullptr, pThread->m_hThread);
  EXPECT_NE(::GetCurrentThreadId(), pThread->m_nThreadID);
  EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, pThread->GetThreadPriority());
  EXPECT_EQ(AfxGetApp(), AfxGetThread()) << "starting a thread must not change this thread's";

  ::Sleep(20);  // a suspended thread must not run, however long it is given
  EXPECT_FALSE(run.ran) << "the worker ran before ResumeThread";
  EXPECT_EQ(1u, pThread->ResumeThread());
  ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(*pThread, kBoundMs));

  DWORD code = 0;
  EXPECT_TRUE(::GetExitCodeThread(pThread->m_hThread, &code));
  EXPECT_EQ(31u, code);
  EXPECT_EQ(pThread->m_nThreadID, run.threadID);
  EXPECT_EQ(pThread, run.pSeen) << "AfxGetThread on the worker is its thread object";
  delete pThread;
}

TEST_F(Threads, SelfDeletingThreadsLeaveNoHandleBehind) {
  // Warm up once so that lazily made process handles are not counted as a leak.
  WorkerRun warm;
  {
    CWinThread* p = AfxBeginThread(Work, &warm, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, p);
    p->m_bAutoDelete = FALSE;
    p->ResumeThread();
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(*p, kBoundMs));
    delete p;
  }
  DWORD before = 0;
  ASSERT_TRUE(::GetProcessHandleCount(::GetCurrentProcess(), &before));

  // Half return, half end through AfxEndThread; each is watched through a handle of our own,
  // closed before counting.
  std::vector<WorkerRun> runs(16);
  std::vector<HANDLE> watched;
  for (size_t i = 0; i < runs.size(); ++i) {
    runs[i].exitCode = UINT(100 + i);
    runs[i].viaEndThread = i % 2 == 1;
    CWinThread* p = AfxBeginThread(Work, &runs[i], THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(nullptr, p);
    HANDLE h = nullptr;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), p->m_hThread, ::GetCurrentProcess(), &h, 0,
                                  FALSE, DUPLICATE_SAME_ACCESS));
    watched.push_back(h);
    p->ResumeThread();
  }
  ASSERT_EQ(WAIT_OBJECT_0,
            ::WaitForMultipleObjects(DWORD(watched.size()), watched.data(), TRUE, kBoundMs));
  for (size_t i = 0; i < watched.size(); ++i) {
    DWORD code = 0;
    ::GetExitCodeThread(watched[i], &code);
    EXPECT_EQ(runs[i].exitCode, code) << "worker " << i;
    ::CloseHandle(watched[i]);
  }
  DWORD after = 0;
  ASSERT_TRUE(::GetProcessHandleCount(::GetCurrentProcess(), &after));
  EXPECT_EQ(before, after) << "thread handles left open";
}

// A user-interface thread: says when its queue is ready and exits with WM_QUIT's code.
class CPingThread : public CWinThread {
  DECLARE_DYNCREATE(CPingThread)

 public:
  static HANDLE s_hReady;
  static CWinThread* s_pSeen;
  BOOL InitInstance() override {
    MSG msg;
    ::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE);  // makes the queue
    s_pSeen = AfxGetThread();
    ::SetEvent(s_hReady);
    return TRUE;
  }
};
IMPLEMENT_DYNCREATE(CPingThread, CWinThread)
HANDLE CPingThread::s_hReady = nullptr;
CWinThread* CPingThread::s_pSeen = nullptr;

TEST_F(Threads, UserInterfaceThreadRunsItsLoopUntilQuit) {
  CPingThread::s_hReady = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  CWinThread* pThread =
      AfxBeginThread(RUNTIME_CLASS(CPingThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  ASSERT_NE(nullptr, pThread);
  EXPECT_TRUE(pThread->IsKindOf(RUNTIME_CLASS(CPingThread)));
  pThread->m_bAutoDelete = FALSE;
  pThread->ResumeThread();
  ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(CPingThread::s_hReady, kBoundMs));
  EXPECT_EQ(pThread, CPingThread::s_pSeen);
  EXPECT_TRUE(::PostThreadMessageW(pThread->m_nThreadID, WM_QUIT, 42, 0));
  ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(*pThread, kBoundMs));
  DWORD code = 0;
  ::GetExitCodeThread(pThread->m_hThread, &code);
  EXPECT_EQ(42u, code) << "the loop's exit code is WM_QUIT's wParam";
  delete pThread;
  ::CloseHandle(CPingThread::s_hReady);
}

}  // namespace
