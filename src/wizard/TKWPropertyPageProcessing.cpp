// TKWPropertyPage's processing protocol: a task thread and a watcher thread share three
// manual-reset events with the page; a 500 ms timer carries the task's status into a modal
// progress dialog, and the watcher posts completion or cancellation back to the page.
#include "wizard/TKWPropertyPage.h"

#include "controls/ProgressDialog.h"

namespace {

const UINT_PTR kStatusTimer = 0;
const UINT kStatusPeriod = 500;
const UINT kDefaultStatusAnim = 1361;
const UINT kCancelingAnim = 4541;
const DWORD kWatcherExit = 5000;

// Holds the page's status lock for a scope.
class StatusLock {
 public:
  explicit StatusLock(CRITICAL_SECTION& cs) : m_cs(cs) { ::EnterCriticalSection(&m_cs); }
  ~StatusLock() { ::LeaveCriticalSection(&m_cs); }
  StatusLock(const StatusLock&) = delete;
  StatusLock& operator=(const StatusLock&) = delete;

 private:
  CRITICAL_SECTION& m_cs;
};

}  // namespace

BOOL TKWPropertyPage::IsProcessingComplete() const {
  return ::WaitForSingleObject(m_hCompleteEvent, 0) == WAIT_OBJECT_0;
}

BOOL TKWPropertyPage::IsProcessingKilled() const {
  return ::WaitForSingleObject(m_hKillEvent, 0) == WAIT_OBJECT_0;
}

void TKWPropertyPage::ResetProcessingEvents() {
  ::ResetEvent(m_hCompleteEvent);
  ::ResetEvent(m_hKillEvent);
  ::ResetEvent(m_hFinishedEvent);
  StatusLock lock(m_csStatus);
  m_nProcessingError = 0;
  m_nProcessingErrorDetail = 0;
}

void TKWPropertyPage::SetStatus(CString strText, UINT nAnimID) {
  StatusLock lock(m_csStatus);
  m_strStatus = strText;
  if (nAnimID != 0)
    m_nStatusAnimID = nAnimID;
  else if (m_nStatusAnimID == 0)
    m_nStatusAnimID = kDefaultStatusAnim;
}

void TKWPropertyPage::SetProcessingError(int nError, int nDetail) {
  StatusLock lock(m_csStatus);
  m_nProcessingError = nError;
  m_nProcessingErrorDetail = nDetail;
}

bool TKWPropertyPage::StartProcessing(AFX_THREADPROC pfnTask, LPVOID pParam) {
  ASSERT(::IsWindow(m_hWnd));
  ResetProcessingEvents();
  CProgressDialog dlg(this, L"Processing...", 0, 0, FALSE, 0, true);
  dlg.SetKillHandle(&m_hKillEvent);
  dlg.SetCompleteHandle(&m_hCompleteEvent);
  m_pProgressDlg = &dlg;
  SetTimer(kStatusTimer, kStatusPeriod, NULL);
  AfxBeginThread(WatchProcessing, this);
  AfxBeginThread(pfnTask, pParam);
  const INT_PTR nResult = dlg.DoModal();
  // A sheet destroyed while the task ran took the page's window, its timer and the dialog
  // with it: the run did not end through the dialog and is no success.
  const bool bPageAlive = ::IsWindow(m_hWnd) != FALSE;
  if (bPageAlive) KillTimer(kStatusTimer);
  m_pProgressDlg = nullptr;
  // The watcher posted its last message just before signalling; once it has, it no longer
  // uses the page's events, so the page may go.
  ::WaitForSingleObject(m_hFinishedEvent, kWatcherExit);
  if (nResult == IDCANCEL || !bPageAlive) return false;
  StatusLock lock(m_csStatus);
  return m_nProcessingError == 0;
}

// The watcher only waits and posts: it never touches the page's members besides its events.
UINT AFX_CDECL TKWPropertyPage::WatchProcessing(LPVOID pParam) {
  auto* pPage = static_cast<TKWPropertyPage*>(pParam);
  const HWND hPage = pPage->m_hWnd;
  const HANDLE hComplete = pPage->m_hCompleteEvent, hFinished = pPage->m_hFinishedEvent;
  const HANDLE waitFor[] = {hComplete, pPage->m_hKillEvent};
  ::WaitForMultipleObjects(2, waitFor, FALSE, INFINITE);
  if (::WaitForSingleObject(hComplete, 0) != WAIT_OBJECT_0) {
    ::PostMessageW(hPage, WMU_KILL_PROCESSING, 0, 0);
    ::WaitForSingleObject(hComplete, INFINITE);
  }
  ::PostMessageW(hPage, WMU_PROCESSING_COMPLETE, 0, 0);
  ::SetEvent(hFinished);
  return 0;
}

void TKWPropertyPage::OnTimer(UINT_PTR nIDEvent) {
  StatusLock lock(m_csStatus);
  if (nIDEvent == kStatusTimer && m_pProgressDlg && ::IsWindow(m_pProgressDlg->m_hWnd))
    m_pProgressDlg->SendMessage(WMU_UPDATE_STATUS, reinterpret_cast<WPARAM>(&m_strStatus),
                                reinterpret_cast<LPARAM>(&m_nStatusAnimID));
}

LRESULT TKWPropertyPage::OnKillProcessing(WPARAM, LPARAM) {
  if (m_pProgressDlg && m_pProgressDlg->Cancelled())
    SetStatus(L"Canceling. Please Wait...", kCancelingAnim);
  return 1;
}

LRESULT TKWPropertyPage::OnProcessingComplete(WPARAM, LPARAM) {
  if (m_pProgressDlg) m_pProgressDlg->EndDialog(m_pProgressDlg->Cancelled() ? IDCANCEL : IDOK);
  return 1;
}
