// Library frame: joining the host's module chain on load and leaving it on unload.
#include "core/LibraryFrame.h"

#include <afxdllx.h>

// The library's entry point runs the framework's raw step first, so the classes our static
// constructors register land in this library's own list rather than the host's. Whatever
// the outcome of joining the chain, the load succeeds, so a host without the framework's
// chain still gets the library.
AFX_EXTENSION_LIBRARY(g_tkwModule)

extern "C" CDynLinkLibrary* AfxMyStuffInitModule() {
  return new CDynLinkLibrary(g_tkwModule);
}
