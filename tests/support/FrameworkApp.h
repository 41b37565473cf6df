// The test program's framework application object, for tests of code that needs one
// (AfxGetApp, the profile, message boxes through AfxMessageBox). Optional: nothing creates it
// until a test asks for it.
#pragma once
#include <afxwin.h>

namespace tks {

// The one CWinApp of the test program, named "TKWTests"; created and initialised with
// AfxWinInit on first use.
CWinApp& FrameworkApp();

}  // namespace tks
