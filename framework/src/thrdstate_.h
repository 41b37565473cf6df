// The thread object of the calling thread, shared by the message loop and thread start-up.
#pragma once
#include "afxwin.h"

namespace afx_internal {

CWinThread* CurrentThreadObject();
void SetCurrentThreadObject(CWinThread* pThread);

}  // namespace afx_internal
