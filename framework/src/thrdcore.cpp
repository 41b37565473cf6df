// Starting and ending threads: CWinThread::CreateThread, AfxBeginThread and AfxEndThread.
#include "afxwin.h"
#include "thrdstate_.h"

#include <process.h>

using namespace afx_internal;

namespace {

// What a thread leaves behind on its way out: its temporary wrappers and, when it may,
// its thread object.
void FinishThread(CWinThread* pThread, BOOL bDelete) {
  AfxDeleteTempWndMap();
  AfxDeleteTempGdiAndMenuMaps();
  SetCurrentThreadObject(nullptr);
  if (pThread && bDelete) pThread->Delete();
}

unsigned __stdcall ThreadEntry(void* pv) {
  CWinThread* pThread = static_cast<CWinThread*>(pv);
  SetCurrentThreadObject(pThread);
  UINT nResult;
  if (pThread->m_pfnThreadProc) {
    nResult = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
  } else if (pThread->InitInstance()) {
    nResult = UINT(pThread->Run());
  } else {
    nResult = UINT(pThread->ExitInstance());
  }
  FinishThread(pThread, TRUE);
  return nResult;
}

}  // namespace

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize,
                              LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  ASSERT(m_hThread == NULL);
  if (m_hThread) return FALSE;
  // The object was made here but belongs to the new thread from now on.
  if (CurrentThreadObject() == this) SetCurrentThreadObject(nullptr);
  // Always start suspended: the handle and id must be stored before the thread can run (and,
  // with m_bAutoDelete, delete this object).
  unsigned nThreadID = 0;
  const uintptr_t h = _beginthreadex(
      lpSecurityAttrs, nStackSize, ThreadEntry, this,
      CREATE_SUSPENDED | (dwCreateFlags & STACK_SIZE_PARAM_IS_A_RESERVATION), &nThreadID);
  if (!h) return FALSE;
  m_hThread = reinterpret_cast<HANDLE>(h);
  m_nThreadID = nThreadID;
  if (!(dwCreateFlags & CREATE_SUSPENDED)) ::ResumeThread(m_hThread);
  return TRUE;
}

DWORD CWinThread::ResumeThread() {
  ASSERT(m_hThread != NULL);
  return m_hThread ? ::ResumeThread(m_hThread) : DWORD(-1);
}

DWORD CWinThread::SuspendThread() {
  ASSERT(m_hThread != NULL);
  return m_hThread ? ::SuspendThread(m_hThread) : DWORD(-1);
}

int CWinThread::GetThreadPriority() {
  ASSERT(m_hThread != NULL);
  return m_hThread ? ::GetThreadPriority(m_hThread) : THREAD_PRIORITY_ERROR_RETURN;
}

BOOL CWinThread::SetThreadPriority(int nPriority) {
  ASSERT(m_hThread != NULL);
  return m_hThread ? ::SetThreadPriority(m_hThread, nPriority) : FALSE;
}

void CWinThread::Delete() {
  if (m_bAutoDelete) delete this;
}

namespace {

// Starts pThread suspended, gives it its priority, and lets it run unless the caller asked
// for it suspended. A thread that cannot start is deleted.
CWinThread* StartThread(CWinThread* pThread, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                        LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
    delete pThread;
    return NULL;
  }
  VERIFY(pThread->SetThreadPriority(nPriority));
  if (!(dwCreateFlags & CREATE_SUSPENDED)) pThread->ResumeThread();
  return pThread;
}

}  // namespace

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority,
                                  UINT nStackSize, DWORD dwCreateFlags,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  ASSERT(pfnThreadProc != NULL);
  if (!pfnThreadProc) return NULL;
  return StartThread(new CWinThread(pfnThreadProc, pParam), nPriority, nStackSize, dwCreateFlags,
                     lpSecurityAttrs);
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  ASSERT(pThreadClass && pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread)));
  if (!pThreadClass || !pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread))) return NULL;
  CWinThread* pThread = static_cast<CWinThread*>(pThreadClass->CreateObject());
  if (!pThread) return NULL;
  return StartThread(pThread, nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete) {
  // Only an object this thread was started for may go with it (never the application).
  CWinThread* pThread = CurrentThreadObject();
  if (pThread && (!pThread->m_hThread || pThread->m_nThreadID != ::GetCurrentThreadId()))
    pThread = nullptr;
  FinishThread(pThread, bDelete);
  _endthreadex(nExitCode);
}
