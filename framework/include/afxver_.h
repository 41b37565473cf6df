// Platform switches and export macros shared by every framework header.
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <tchar.h>
#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#if defined(AFX_FRAMEWORK_BUILD)
#define AFX_FWAPI AFX_CLASS_EXPORT
#else
#define AFX_FWAPI AFX_CLASS_IMPORT
#endif
#else
// Window-free builds (the native test tier) get the handful of Windows types the core uses.
#include "afxnative_.h"
#define AFX_CLASS_EXPORT
#define AFX_CLASS_IMPORT
#define AFX_FWAPI
#endif

// Classes of an extension library: exported while the library itself is built (_AFXEXT).
#if defined(_AFXEXT)
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#endif

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif
#ifndef PASCAL
#define PASCAL __stdcall
#endif
