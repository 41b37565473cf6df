// LXHDREX: the request record a grid sends its owner (fonts, colours, choices, edited values).
#pragma once

#include "core/TKWExport.h"

#include <afxwin.h>

// Request codes (LXHDREX::iNotifyCode).
enum {
  NTEX_ITEMINFO = 0,      // a cell is drawn or an editor opens: per-cell font and colour
  NTEX_COMBOREQUEST = 1,  // an in-place list opens: append the choices
  NTEX_SETTEXT = 2,       // an edit ended with a new value
  NTEX_DIVIDER = 3,       // a row was drawn: decorate it (LXHDREX_DIV)
  NTEX_AUTOPREVIEW = 4,   // draw a row's auto-preview area (LXHDREX_DIV)
};

// Result flags the owner sets (LXHDREX::dwFlag).
enum {
  LXHDREX_BOLD = 0x01,
  LXHDREX_ITALIC = 0x02,
  LXHDREX_UNDERLINE = 0x04,
  LXHDREX_FONT = 0x08,       // use hfText
  LXHDREX_TEXTCOLOR = 0x10,  // use crText
};

// Sent to a parent owner as WM_USER+1 with lParam pointing at the record.
#define WM_GFXLIST_REQUEST (WM_USER + 1)
// Sent by the cell editors to move to another cell (wParam direction, lParam {row, column}).
#define WM_GFXLIST_USERTAB (WM_USER + 3)

struct TKWUI_API LXHDREX {
  LXHDREX();
  virtual ~LXHDREX();

  int iNotifyCode;            // request code, -1 when new
  int iListId;                // the list's identifier, -1 when new
  int iItem;                  // row
  int iSubItem;               // column id (subitem number) of the cell
  DWORD_PTR dwItemData;       // the row's item data
  int iReserved;              // 0; 128 in a choices request
  DWORD dwFlag;               // result flags, cleared before each request
  COLORREF crText;            // owner's text colour (LXHDREX_TEXTCOLOR)
  COLORREF crBackground;      // owner's background colour
  HFONT hfText;               // owner's font (LXHDREX_FONT)
  CString csText;             // a value passed to the owner, or returned by it
  CStringArray* pcsaChoices;  // where the owner appends an in-place list's choices
};

// A drawing request: the device context and the rectangle to draw in.
struct TKWUI_API LXHDREX_DIV : public LXHDREX {
  LXHDREX_DIV();
  // Copies request code, list identifier, row, column and item data.
  explicit LXHDREX_DIV(const LXHDREX& other);

  CDC* pDC;
  CRect rcItem;
};
