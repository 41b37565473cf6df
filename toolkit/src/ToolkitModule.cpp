// The toolkit's entry point: an extension library of the framework, like every library whose
// classes the host may find by name.
#include <afxdllx.h>

AFX_EXTENSION_LIBRARY(g_toolkitModule)
