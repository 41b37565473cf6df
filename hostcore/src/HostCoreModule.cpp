// The host core's entry point: an extension library of the framework, so its classes join the
// loading module's chain and leave it when the library is unloaded.
#include <afxdllx.h>

AFX_EXTENSION_LIBRARY(g_hostCoreModule)
