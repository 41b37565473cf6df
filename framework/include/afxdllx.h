// Entry pieces of an extension library. Include in exactly one source file of the library.
//
// The classes an extension library registers in its static constructors must land in the
// library's own list, not the host's, so a raw step has to run before those constructors.
// The mingw runtime has no hook for that, so the library gets its own entry point which runs
// the raw step and then the runtime's DllMainCRTStartup (static constructors, then DllMain).
// One line declares the library's module record, that entry point and its DllMain:
//
//   // one .cpp of the library
//   #include <afxdllx.h>
//   AFX_EXTENSION_LIBRARY(g_myModule)
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

// An extension library's DllMain. Process attach initialises the module record and links a
// CDynLinkLibrary for it into the loading module state's chain (the chain owns it from then
// on); process detach terminates the record. The load never fails on the library's account:
// the answer is 1 for every reason.
inline BOOL AfxExtensionDllMain(AFX_EXTENSION_MODULE& module, HINSTANCE hInstance, DWORD dwReason) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    if (AfxInitExtensionModule(module, hInstance)) new CDynLinkLibrary(module);
  } else if (dwReason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(module);
  }
  return 1;
}

// Defines the library's module record moduleName (file-local; the library's own functions,
// such as one that links it into a regular library's state, use it), its entry point and
// its DllMain.
#define AFX_EXTENSION_LIBRARY(moduleName)                                       \
  static AFX_EXTENSION_MODULE moduleName = {FALSE, NULL, NULL, NULL, NULL};     \
  AFX_EXTENSION_DLL_ENTRY()                                                     \
  extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) { \
    return AfxExtensionDllMain(moduleName, hInstance, dwReason);                \
  }
