// The library's module entry for regular libraries that use it.
#pragma once

#include "core/TKWExport.h"

#include <afxwin.h>
#include <afxdll_.h>

// Links this library into the calling module state's chain once more and answers the new
// library object (owned by the chain). A regular library calls it once from its own
// initialisation, so that this library's classes and resources are found from inside it.
extern "C" TKWUI_API CDynLinkLibrary* AfxMyStuffInitModule();
