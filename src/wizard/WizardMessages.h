// Private window messages of the wizard framework, between sheets, pages, the progress dialog
// and the host's windows. Their values are fixed: hosts compare against them.
#pragma once
#include <windows.h>

#include "core/TKWExport.h"

// Posted to the sheet when a wizard page becomes active or a wizard applies; the host's sheet
// may handle it.
#define WMU_SHEET_PAGE_ACTIVATED 0x0526
// Posted by a page to itself so that it sets its initial focus after activation has finished.
#define WMU_INITIAL_SETFOCUS 0x0570
// Posted to a page by its watcher thread: the task completed / was asked to stop.
#define WMU_PROCESSING_COMPLETE 0x05B5
#define WMU_KILL_PROCESSING 0x05B6
// Sent to the progress dialog: wParam the address of the status CString, lParam the address
// of the UINT animation identifier.
#define WMU_UPDATE_STATUS 0x05B7
// Sent to the host's task-panel wizard window: wParam the address of a CString.
#define WMU_TASKPANEL_TEXT 0x0626

// The registered message "WM_REMOVETIP": windows that show tips hide them when it arrives.
// Registered once, when the library loads.
TKWUI_API UINT TKWGetRemoveTipMessage();
