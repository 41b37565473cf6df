// The host core's entry point: an extension library of the framework, so its classes join the
// loading module's chain and leave it when the library is unloaded.
#include <afxdllx.h>

AFX_EXTENSION_DLL_ENTRY()

namespace {
AFX_EXTENSION_MODULE g_hostCoreModule = {FALSE, NULL, NULL, NULL, NULL};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    if (AfxInitExtensionModule(g_hostCoreModule, hInstance)) new CDynLinkLibrary(g_hostCoreModule);
  } else if (dwReason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(g_hostCoreModule);
  }
  return 1;
}
