// Export macro of the host core library's public classes and functions (qxcore.dll).
#pragma once

// Exported while qxcore itself is built (QXCORE_BUILD), imported by everything that uses it.
#if defined(_WIN32)
#if defined(QXCORE_BUILD)
#define QX_API __declspec(dllexport)
#else
#define QX_API __declspec(dllimport)
#endif
#else
#define QX_API
#endif
