// The host's message box and the host windows the library talks to.
#pragma once
#include "QXExport.h"

#include <afx.h>

// Answers a message box in place of the user: returns the button code (IDYES and so on).
typedef int(CALLBACK* QX_MESSAGEBOX_HANDLER)(LPCTSTR lpszText, UINT nType, int nOwner,
                                             void* pContext);

// Shows a message box with the host's caption and returns the pressed button (IDOK, IDYES,
// IDNO, ...). nOwner 1 puts it over the thread's active window, 0 makes it ownerless. While a
// handler is installed the handler answers and no window is shown. A null text shows nothing
// and answers IDCANCEL.
QX_API int ZRWMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, int nOwner = 1);

// Installs a handler (null: show real message boxes again); returns the previous one and,
// when ppOldContext is given, its context.
QX_API QX_MESSAGEBOX_HANDLER ZRWSetMessageBoxHandler(QX_MESSAGEBOX_HANDLER pfnHandler,
                                                     void* pContext, void** ppOldContext = NULL);

// The host's task-panel wizard window (it accepts message 0x0626 with a string pointer), or
// null while the host has none.
QX_API HWND GetTaskPanelWizardHWnd();
QX_API void SetTaskPanelWizardHWnd(HWND hWnd);
