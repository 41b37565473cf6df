// Export macro of the library's public classes and functions.
#pragma once

// TKWUICore is an extension library: its classes are exported while it is built and imported
// by its hosts. Window-free code built natively for tests has no import or export.
#if defined(_WIN32)
#if defined(TKWUICORE_BUILD)
#define TKWUI_API __declspec(dllexport)
#else
#define TKWUI_API __declspec(dllimport)
#endif
#else
#define TKWUI_API
#endif
