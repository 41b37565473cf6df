// Library frame: joining the host's module chain on load and leaving it on unload.
#include "core/LibraryFrame.h"

#include <afxdllx.h>

// The library's entry point runs the framework's raw step first, so the classes our static
// constructors register land in this library's own list rather than the host's.
AFX_EXTENSION_DLL_ENTRY()

namespace {
AFX_EXTENSION_MODULE g_tkwModule = {FALSE, NULL, NULL, NULL, NULL};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    // The chain owns the library object from now on; whatever the outcome, the load
    // succeeds, so a host without the framework's chain still gets the library.
    if (AfxInitExtensionModule(g_tkwModule, hInstance)) new CDynLinkLibrary(g_tkwModule);
  } else if (dwReason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(g_tkwModule);
  }
  return 1;
}

extern "C" CDynLinkLibrary* AfxMyStuffInitModule() {
  return new CDynLinkLibrary(g_tkwModule);
}
