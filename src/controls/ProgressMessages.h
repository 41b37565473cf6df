// Private messages of the progress displays.
#pragma once
#include <windows.h>

// To the progress dialog: wParam the address of a CString status text, lParam the address of
// a UINT animation identifier.
#ifndef WMU_UPDATE_STATUS
#define WMU_UPDATE_STATUS 0x05B7
#endif
// From the progress window to its owner on a cancel in owner-notify mode; wParam, lParam 0.
#ifndef WMU_PROGRESS_CANCEL
#define WMU_PROGRESS_CANCEL 0x054E
#endif
