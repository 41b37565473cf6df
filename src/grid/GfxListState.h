// The grid's state in named groups: column kinds, colours, row metrics, drawing tools, the
// background picture, print settings, the owner's callbacks and the editing rules.
#pragma once

#include <afxwin.h>

class CGfxCategoryManager;

// Callbacks into the owner: member functions of a window, called on the list's reciper.
// The column is the display position; GetColumnIndex(position) answers the column id.
typedef void (CWnd::*GFXLIST_GETTEXT_CALLBACK)(int nItem, int nColumn, DWORD_PTR dwItemData,
                                               CString& strText);
typedef void (CWnd::*GFXLIST_GETIMAGE_CALLBACK)(int nItem, int nColumn, DWORD_PTR dwItemData,
                                                int& nImage);
typedef void (CWnd::*GFXLIST_CATEGORY_CALLBACK)(CGfxCategoryManager* pManager,
                                                DWORD_PTR& dwItemData);

class CGfxColumnManager;
// Runs the column format (32213) or customisation (32214) dialog on a list's column manager;
// answers IDOK when the manager was changed and the list is to be rebuilt from it.
typedef INT_PTR (*GFXLIST_COLUMN_DIALOG)(UINT nCommand, CGfxColumnManager* pManager, CWnd* pParent);

// Per-column kinds, bit n for subitem n; set from the column flags of the column model.
struct CGfxColumnMasks {
  DWORD dwCombo = 0;         // "Drop list" editor
  DWORD dwComboEx = 0;       // "Drop down list" editor
  DWORD dwEdit = 0;          // text editor
  DWORD dwScript = 0;        // script editor
  DWORD dwNumeric = 0;       // numeric editing and sorting
  DWORD dwValute = 0;        // currency sorting
  DWORD dwImage = 0;         // the cell text is an image index
  DWORD dwPercent = 0;       // percent editor
  DWORD dwLink = 0;          // a double click opens the cell text
  DWORD dwExColRequest = 0;  // recorded only
  DWORD dwReservedFlag = 0;  // column flag 0x8000 given to InsertColumnEx; read by nothing
};

// Colours the rows are painted with; the first, third and fourth are recorded from the list
// view's colour messages.
struct CGfxListColours {
  COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT);  // auto-preview text
  COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
  COLORREF crTextBk = ::GetSysColor(COLOR_WINDOW);
  COLORREF crBackground = ::GetSysColor(COLOR_WINDOW);
  COLORREF crCategory = ::GetSysColor(COLOR_BTNFACE);
};

// Heights and widths the rows are measured and painted with.
struct CGfxRowMetrics {
  int nHeight = 17;
  int nPreviewHeight = 0;    // extra pixels below each row for the owner's preview
  int nCategoryHeight = 16;  // every row's height while categories exist
  int nClientWidth = 0;      // from the last WM_SIZE
  int nStateImageInset = 0;  // 2 while a state image list is attached: the label is narrower
};

// Pens and fonts of the rows (copies of the default GUI font).
struct CGfxDrawTools {
  CPen penLightGrid;  // 0xC0C0C0, grid lines
  CPen penDarkGrid;   // 0x808080, category lines
  CFont fontNormal;
  CFont fontUnderline;
  CFont fontBold;
  CFont fontItalic;
};

// The picture behind the rows.
struct CGfxBackgroundPicture {
  bool bBlend = true;  // selected rows show the picture blended
  CPalette palette;
  CBitmap bitmap;
  int nWidth = 0;
  int nHeight = 0;
  int nMode = 1;         // 1 stretched, 2 tiled, 4 centred on white
  CImageList ilScratch;  // holds the picture for blending
};

struct CGfxPrintSettings {
  // Made for the printer by OnBeginPrinting, deleted by OnEndPrinting.
  CFont fontNormal;
  CFont fontBold;
  CFont fontItalic;
  CFont fontUnderline;
  CRect rcPage;          // the printable rectangle inside the margins, device units
  int nRowHeight = 0;    // "XX" in the normal font
  int nHeaderHeight = 0;  // "XX" in the bold font
  int nRowsPerPage = 0;
  CRect rcMargins{0, 0, 0, 0};
  DWORD dwFlag = 0;
  CString strName{_T("Gfx list Control")};
};

// How the list reaches its owner.
struct CGfxOwnerLink {
  GFXLIST_GETTEXT_CALLBACK pfnGetText = NULL;
  GFXLIST_CATEGORY_CALLBACK pfnCategory = NULL;
  GFXLIST_GETIMAGE_CALLBACK pfnGetImage = NULL;
  CWnd* pReciper = NULL;  // receiver of callbacks and requests; null: the parent
  int nListId = -1;       // identifier in requests; the control id when negative
};

// What the user may do and how the editors and header behave.
struct CGfxEditRules {
  int nReadOnly = 0;  // blocks Delete and Insert
  bool bAllowDelete = true;
  bool bAllowInsert = true;
  bool bNoBlank = false;  // copied into text editors
  bool bFlatHeader = true;
  bool bShowHeaderPopup = true;
  DWORD dwInPlaceListStyle = 0x508000C3;
};

// The text an empty list shows.
struct CGfxEmptyListText {
  bool bShow = false;
  CString strText;  // string 537 of the resource module
};
