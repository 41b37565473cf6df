// The toolkit's entry point: an extension library of the framework, like every library whose
// classes the host may find by name.
#include <afxdllx.h>

AFX_EXTENSION_DLL_ENTRY()

namespace {
AFX_EXTENSION_MODULE g_toolkitModule = {FALSE, NULL, NULL, NULL, NULL};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    if (AfxInitExtensionModule(g_toolkitModule, hInstance)) new CDynLinkLibrary(g_toolkitModule);
  } else if (dwReason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(g_toolkitModule);
  }
  return 1;
}
