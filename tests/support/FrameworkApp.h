// The test program's framework application object, for tests of code that needs one
// (AfxGetApp, the profile, message boxes through AfxMessageBox). Optional: nothing creates it
// until a test asks for it.
#pragma once
#include <afxwin.h>

#include <functional>

namespace tks {

// The one CWinApp of the test program, named "TKWTests"; created and initialised with
// AfxWinInit on first use.
CWinApp& FrameworkApp();

// The host's resource module qxres.dll, loaded from beside the test program once and put into
// the framework's resource chain (which owns it from then on), with the application object
// made first, as a host has them; null when the module does not load.
HMODULE HostResources();

// What the application's OpenDocumentFile answers for a path. Without one it answers as the
// framework does (nothing opens); returns the previous answer.
using OpenDocumentAnswer = std::function<CDocument*(LPCTSTR lpszFileName)>;
OpenDocumentAnswer SetOpenDocumentAnswer(OpenDocumentAnswer answer);

}  // namespace tks
