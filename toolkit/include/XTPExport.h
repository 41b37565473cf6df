// Export macro of the toolkit stand-in's classes (xtoolkit.dll).
#pragma once
#include "afxver_.h"

#if defined(XTP_TOOLKIT_BUILD)
#define XTP_API AFX_CLASS_EXPORT
#else
#define XTP_API AFX_CLASS_IMPORT
#endif
