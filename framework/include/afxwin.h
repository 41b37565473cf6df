// The windowing framework: command targets and message maps, windows, the application,
// frames, documents, dialogs, extension libraries, GDI objects, menus and the standard
// controls.
#pragma once
#include "afx.h"
#include "atltypes.h"   // CPoint, CSize, CRect
#include "afxcoll.h"    // CStringArray and the other collections
#include "afxgdi_.h"    // CDC, CGdiObject, CPen, CBrush, CFont, CBitmap, CPalette, CRgn
#include "afxmenu_.h"   // CMenu
#include "afxres.h"     // standard command ids (ID_EDIT_*)
#include "afxmsg_.h"    // message-map structures and macros
#include "afxwnd_.h"    // CCmdTarget, CCmdUI, CWnd
#include "afxapp_.h"    // CWinThread, CWinApp, CWaitCursor, AfxGetApp, AfxMessageBox
#include "afxdll_.h"    // AFX_EXTENSION_MODULE, CDynLinkLibrary, the resource chain
#include "afxdlg_.h"    // CDialog, DDX/DDV
#include "afxframe_.h"  // CFrameWnd
#include "afxdoc_.h"    // CDocument
#include "afxctl_.h"    // CStatic, CButton, CEdit, CComboBox, CListBox
