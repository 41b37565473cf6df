// Entry pieces of an extension library. Include in exactly one source file of the library.
//
// The classes an extension library registers in its static constructors must land in the
// library's own list, not the host's, so a raw step has to run before those constructors.
// The mingw runtime has no hook for that, so the library gets its own entry point which runs
// the raw step and then the runtime's DllMainCRTStartup (static constructors, then DllMain):
//
//   // one .cpp of the library
//   #include <afxdllx.h>
//   AFX_EXTENSION_DLL_ENTRY()
//   static AFX_EXTENSION_MODULE g_module = {FALSE, NULL, NULL, NULL, NULL};
//   extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
//     if (dwReason == DLL_PROCESS_ATTACH) {
//       AfxInitExtensionModule(g_module, hInstance);
//       new CDynLinkLibrary(g_module);
//     } else if (dwReason == DLL_PROCESS_DETACH) {
//       AfxTermExtensionModule(g_module);
//     }
//     return 1;
//   }
//
//   # CMakeLists.txt: compile with _AFXEXT and link with the entry point
//   include(${CMAKE_SOURCE_DIR}/framework/cmake/AfxExtension.cmake)
//   afx_extension_library(mylib)
//
// afx_extension_library adds _AFXEXT and -Wl,-e,AfxExtDllEntry (_AfxExtDllEntry@12 on i686,
// where the entry is a decorated stdcall symbol).
#pragma once
#include "afxwin.h"

extern "C" BOOL WINAPI DllMainCRTStartup(HANDLE hDllHandle, DWORD dwReason, LPVOID lpReserved);

// Defines the library's entry point AfxExtDllEntry.
#define AFX_EXTENSION_DLL_ENTRY()                                                                 \
  extern "C" BOOL WINAPI AfxExtDllEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);  \
  extern "C" BOOL WINAPI AfxExtDllEntry(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved) { \
    AfxExtensionRawDllMain(hInstance, dwReason, lpReserved);                                      \
    return DllMainCRTStartup(hInstance, dwReason, lpReserved);                                    \
  }
