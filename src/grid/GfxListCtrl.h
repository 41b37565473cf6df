// CGfxListCtrl: the library's grid, a report list view whose cells come from its owner.
#pragma once

#include "core/TKWExport.h"
#include "grid/GfxHeaderCtrl.h"
#include "grid/GfxListRequest.h"
#include "grid/GfxListTip.h"
#include "grid/GfxListState.h"
#include "grid/logic/CellEditRules.h"

#include <afxcmn.h>

#include <vector>

class CGfxColumnManager;
class CGfxCategoryManager;
class CRichEditCtrl;
class CInPlaceCombo;
struct CPrintInfo;

// Behaviour flags of the grid (GetFlag/ModifyFlag).
enum : ULONGLONG {
  GFXLF_FULLROWHIGHLIGHT = 0x0001,  // selected rows are highlighted across the client width
  GFXLF_VGRID = 0x0002,             // vertical grid lines
  GFXLF_HGRID = 0x0004,             // horizontal grid lines
  GFXLF_SORT = 0x0008,              // header clicks and sort commands sort
  GFXLF_CELLINFO = 0x0010,          // ask the owner for per-cell fonts and colours
  GFXLF_IMAGECOLUMNS = 0x0020,      // image columns are drawn as images
  GFXLF_MULTIEDIT = 0x0040,         // an edited value goes to every selected row
  GFXLF_ROWDECORATION = 0x0080,     // the owner decorates each row
  GFXLF_TIPS = 0x0100,              // truncated texts show a tip
  GFXLF_ENTERPROPERTIES = 0x0800,   // Enter on a row without an editable cell opens properties
  GFXLF_ENTEREDIT = 0x1000,         // Enter opens the focus column's editor
  GFXLF_SCROLLBARS = 0x2000,        // both scroll bars always shown
  GFXLF_CELLCURSOR = 0x4000,        // the focus cell is drawn as a cell cursor
  GFXLF_PREVIEWLINE = 0x8000,       // a line under each row's auto-preview area
  GFXLF_DEFAULT = 0x793F,
};

// Commands the list handles.
enum {
  ID_GFX_COPYALL = 1261,  // copy the whole list to the clipboard
  ID_GFX_REPORTVIEW = 32183,
  ID_GFX_LARGEICONVIEW = 32184,
  ID_GFX_LISTVIEW = 32185,
  ID_GFX_SMALLICONVIEW = 32186,
  ID_GFX_COLUMNFORMAT = 32213,
  ID_GFX_CUSTOMIZECOLUMNS = 32214,
  ID_GFX_SORTASC = 32215,
  ID_GFX_SORTDESC = 32216,
};

class TKWUI_API CGfxListCtrl : public CListCtrl {
  DECLARE_DYNCREATE(CGfxListCtrl)

 public:
  CGfxListCtrl();
  ~CGfxListCtrl() override;

  // ================================================================ virtual operations
  // Default answers to a request when the reciper is not the parent (see SendInfoExMsg).
  virtual long GetExInfoCallback(LXHDREX* pRequest);
  // Text of a cell: the get-text callback when set, else the list view's own text.
  virtual void GetTextCallback(int nItem, int nColumn, DWORD_PTR dwItemData, CString& strText);
  // Image of a cell: the get-image callback when set, else nothing.
  virtual void GetImageCallback(int nItem, int nColumn, DWORD_PTR dwItemData, int& nImage);
  virtual void OnDelete();  // delete the selected rows after confirmation
  virtual void OnInsert() {}
  virtual void OnProperties(int /*nItem*/) {}
  virtual void OnCopy();  // copy the selected rows
  virtual void OnPaste() {}
  virtual void Populate(CObArray* /*pArray*/, int /*nParam*/) {}
  virtual bool CanDeleteItem(int /*nItem*/) { return true; }
  virtual void OnRefresh() {}
  // A one-command popup (copy the whole list); derived lists map their reflected NM_RCLICK here.
  virtual void OnRClick(NMHDR* pNMHDR, LRESULT* pResult);
  virtual void OnSelectAll();
  virtual void DrawItemCategory(LPDRAWITEMSTRUCT lpDrawItemStruct);
  // GetTextCallback with the item data pData points to, or the row's own when null.
  virtual void GetItemTextEx(int nItem, int nColumn, CString& strText,
                             const DWORD_PTR* pData = NULL);

  // Overrides
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // ================================================================ set-up
  // Subclasses the header, sets the extended style, fits the columns and, the first time in
  // report view, creates the tip window. Call once the window exists.
  void OnInit();
  ULONGLONG GetFlag() const { return m_qwFlag; }
  // Changes the flag word; with swpFlags non-zero the frame is recalculated through
  // SetWindowPos, otherwise the list is invalidated. Removing bits clears the high half.
  void ModifyFlag(ULONGLONG qwRemove, ULONGLONG qwAdd, UINT swpFlags);
  void ModifyExStyle(DWORD dwRemove, DWORD dwAdd, UINT swpFlags);

  // ================================================================ columns
  // Inserts a column at position nCol with subitem number nCol and sets its masks from the
  // column flags, as a column manager would.
  int InsertColumnEx(int nCol, LPCTSTR lpszText, int nFormat, int nWidth, DWORD dwColumnFlags);
  void DeleteAllColumns();
  int GetColumnCount() const;                      // 0 without a header
  int GetColumnIndex(int nPosition) const;         // subitem number at a position, -1 none
  void SetColumnImage(int nPosition, int nImage);  // header shows an image ("%d_")
  void EnableColumnDrag(bool bEnable) { m_wndHeader.m_bColumnDragEnabled = bEnable; }
  bool IsColumnDragEnabled() const { return m_wndHeader.m_bColumnDragEnabled; }
  void SetHeaderImageList(CImageList* pImageList) { m_wndHeader.m_pImageList = pImageList; }
  CGfxHeaderCtrl& GetGfxHeader() { return m_wndHeader; }
  const CGfxHeaderCtrl& GetGfxHeader() const { return m_wndHeader; }
  // Drop callback of the header: moves a column (column 0 never moves).
  void DragColumn(int& nFrom, int& nTo);

  // Per-column kinds by subitem number (0 to 31; other numbers are ignored).
  void SetComboCol(int nSubItem, bool bSet = true) { SetMaskBit(m_masks.dwCombo, nSubItem, bSet); }
  void SetComboExCol(int nSubItem, bool bSet = true) {
    SetMaskBit(m_masks.dwComboEx, nSubItem, bSet);
  }
  void SetEditCol(int nSubItem, bool bSet = true) { SetMaskBit(m_masks.dwEdit, nSubItem, bSet); }
  void SetNumeric(int nSubItem, bool bSet = true) { SetMaskBit(m_masks.dwNumeric, nSubItem, bSet); }
  void SetValute(int nSubItem, bool bSet = true) { SetMaskBit(m_masks.dwValute, nSubItem, bSet); }
  void DontDrawSortArrow(int nSubItem, bool bSet = true) {
    SetMaskBit(m_wndHeader.m_dwNoArrowMask, nSubItem, bSet);
  }
  void SetExColRequest(int nSubItem, bool bSet = true) {
    SetMaskBit(m_masks.dwExColRequest, nSubItem, bSet);
  }
  bool NeedColExInfo(int /*nSubItem*/) const { return true; }
  bool IsComboCol(int nSubItem) const { return HasMaskBit(m_masks.dwCombo, nSubItem); }
  bool IsComboExCol(int nSubItem) const { return HasMaskBit(m_masks.dwComboEx, nSubItem); }
  bool IsEditCol(int nSubItem) const { return HasMaskBit(m_masks.dwEdit, nSubItem); }
  bool IsScriptCol(int nSubItem) const { return HasMaskBit(m_masks.dwScript, nSubItem); }
  bool IsNumericCol(int nSubItem) const { return HasMaskBit(m_masks.dwNumeric, nSubItem); }
  bool IsValuteCol(int nSubItem) const { return HasMaskBit(m_masks.dwValute, nSubItem); }
  bool IsImageCol(int nSubItem) const { return HasMaskBit(m_masks.dwImage, nSubItem); }
  bool IsPercentCol(int nSubItem) const { return HasMaskBit(m_masks.dwPercent, nSubItem); }
  bool IsLinkCol(int nSubItem) const { return HasMaskBit(m_masks.dwLink, nSubItem); }
  // Sets the column's bit in every mask its column flags name (0x2000, 0x4000 and 0x0400
  // depend on the position and are left to the caller).
  void ApplyColumnFlags(int nSubItem, DWORD dwColumnFlags);
  // Clears the editor, format and image masks, as a rebuild of the columns does.
  void ClearRebuiltMasks();

  // ================================================================ column model
  CGfxColumnManager* CreateColumnManager();  // replaces any previous manager; owned
  CGfxColumnManager* GetColumnManager() const { return m_pColumnManager; }
  void SetProfileSection(LPCTSTR lpszSection);  // new manager with that section
  LPCTSTR GetProfileSection() const { return m_strProfileSection; }
  BOOL SetupColumnData(bool bUnused = false);
  BOOL RetrieveColumnData();
  // The dialogs the column commands run, for every list of the process, in place of the
  // list's own format and customisation dialogs (null: the list's own again).
  static void SetColumnDialog(GFXLIST_COLUMN_DIALOG pfnDialog);

  // One column as a bulk read sees it (see CKeepColumns).
  struct CKeptColumn {
    int nSubItem;
    int nWidth;
    int nFormat;
  };
  // Reads every column once for an operation that reads many cells (copying, sorting,
  // painting); until it ends GetColumnCount and GetColumnIndex answer from that reading, as
  // owners ask GetColumnIndex for every cell they are asked about. Nests.
  class TKWUI_API CKeepColumns {
   public:
    explicit CKeepColumns(CGfxListCtrl& list);
    ~CKeepColumns();
    CKeepColumns(const CKeepColumns&) = delete;
    CKeepColumns& operator=(const CKeepColumns&) = delete;

   private:
    CGfxListCtrl& m_list;
  };
  // Turns redrawing off for a rebuild and back on (with a repaint) when it ends; a list whose
  // owner turned redrawing off stays so.
  class TKWUI_API CRedrawOff {
   public:
    explicit CRedrawOff(CGfxListCtrl& list) : m_list(list), m_bTurnedOff(list.IsRedrawOn()) {
      if (m_bTurnedOff) m_list.SetRedraw(FALSE);
    }
    ~CRedrawOff() {
      if (!m_bTurnedOff) return;
      m_list.SetRedraw(TRUE);
      m_list.Invalidate();
    }
    CRedrawOff(const CRedrawOff&) = delete;
    CRedrawOff& operator=(const CRedrawOff&) = delete;

   private:
    CGfxListCtrl& m_list;
    bool m_bTurnedOff;
  };
  // While one exists, item data changes are not announced to the parent: the grid swaps every
  // row's item data for a sort record and back, and the parent would only see records. Nests.
  class TKWUI_API CQuietItemData {
   public:
    explicit CQuietItemData(CGfxListCtrl& list) : m_list(list) { ++list.m_nQuietItemData; }
    ~CQuietItemData() { --m_list.m_nQuietItemData; }
    CQuietItemData(const CQuietItemData&) = delete;
    CQuietItemData& operator=(const CQuietItemData&) = delete;

   private:
    CGfxListCtrl& m_list;
  };
  // The kept columns by position, or null when none are kept.
  const std::vector<CKeptColumn>* GetKeptColumns() const {
    return m_nKeepColumns > 0 ? &m_keptColumns : NULL;
  }

  // ================================================================ rows
  // Inserts a callback-text row with that item data (with categories: files it) and
  // answers its index, -1 when no row was inserted.
  int InsertItemEx(int nItem, DWORD_PTR dwItemData);
  // Deletes the row, or with categories every row whose item data equals dwItemData.
  BOOL DeleteItemEx(int nItem, DWORD_PTR dwItemData);
  // Makes the cell's text be fetched again (with categories: on every row with that data).
  void ModifyItemEx(int nItem, int nColumn, DWORD_PTR dwItemData);
  // Sets a fixed text for the cell instead.
  void ModifyItemEx(int nItem, int nColumn, DWORD_PTR dwItemData, LPCTSTR lpszText);
  // Stores an image index as the cell text (flag 0x0020).
  void SetSubItemImage(int nItem, int nColumn, int nImage);
  // Re-sorts by the sort column when it is past position 0 (TRUE), else redraws (FALSE).
  BOOL RedrawItems(int nFirst, int nLast);
  BOOL RedrawItems();

  // ================================================================ selection and navigation
  int SelectedCount() const;
  DWORD_PTR GetSelected() const;  // item data of the first selected row, 0 when none
  void RemoveAllSelection();
  void OnMoveFirstRecord();
  void OnMoveLastRecord();
  void OnMoveNextRecord();
  void OnMovePrevRecord();
  BOOL EnableMoveFirst() const;
  BOOL EnableMovePrev() const;
  BOOL EnableMoveLast() const;
  BOOL EnableMoveNext() const;

  // ================================================================ looks
  void SetItemHeight(int nHeight, bool bForCategories = false);
  void SetAutoPreviewHeight(int nHeight);
  int GetAutoPreviewHeight() const { return m_rows.nPreviewHeight; }
  void SetItemImageList(CImageList* pImageList) { m_pItemImageList = pImageList; }
  CImageList* GetItemImageList() const { return m_pItemImageList; }
  void SetEmptyListText(LPCTSTR lpszText) { m_emptyList.strText = lpszText; }
  void SetShowEmptyListText(bool bShow) { m_emptyList.bShow = bShow; }
  void SetFlatStyle(bool bFlat) { m_rules.bFlatHeader = bFlat; }
  void SetShowHeaderPopup(bool bShow) { m_rules.bShowHeaderPopup = bShow; }
  void SetBlendBitmap(bool bBlend) { m_background.bBlend = bBlend; }
  // Redrawing as the last WM_SETREDRAW left it (the list view answers no query): bulk changes
  // turn it off and on again only when it was on, so an owner's "off" stays.
  bool IsRedrawOn() const { return m_bRedrawOn; }
  BOOL SetBkImage(LPCTSTR lpszResourceName);
  BOOL SetBkImage(UINT nBitmapId);  // (UINT)-1 removes the picture
  void SetBackgroundImage(LPCTSTR lpszUrl, int nMode, int nXPercent = 0, int nYPercent = 0);
  void SetBackgroundImage(UINT /*nId*/, int /*nMode*/, int /*nXPercent*/ = 0,
                          int /*nYPercent*/ = 0) {}
  void DrawWatermark(int nItem, CRect& rcRow, CDC* pDC);
  // Whether the list has the focus, as rows are painted: asking the window system costs a
  // round trip, so a paint asks once for all its rows.
  bool HasFocusForPainting() const {
    return m_nPaintFocus >= 0 ? m_nPaintFocus != 0 : ::GetFocus() == m_hWnd;
  }
  // Shortens a text to fit a column, ending in "..."; the answer stays valid until the
  // next call on this list.
  LPCTSTR MakeShortString(CDC* pDC, LPCTSTR lpszText, int nColumnWidth, int nOffset);
  void MakeShortString(CDC* pDC, CString& strText, int nColumnWidth, int nOffset);

  // ================================================================ callbacks and receiver
  void SetGetTextCallback(GFXLIST_GETTEXT_CALLBACK pfn) { m_owner.pfnGetText = pfn; }
  void SetGetImageCallback(GFXLIST_GETIMAGE_CALLBACK pfn) { m_owner.pfnGetImage = pfn; }
  void SetCategoryCallback(GFXLIST_CATEGORY_CALLBACK pfn) { m_owner.pfnCategory = pfn; }
  GFXLIST_CATEGORY_CALLBACK GetCategoryCallback() const { return m_owner.pfnCategory; }
  void SetReciper(CWnd* pReciper) { m_owner.pReciper = pReciper; }
  CWnd* GetReciper() const;  // the reciper, or the parent when none is set
  // Sends a request: WM_USER+1 to a parent reciper, GetExInfoCallback otherwise.
  long SendInfoExMsg(LXHDREX* pRequest);
  // Clears the result flags, sends the request and applies the answered font and colour to
  // the device context; answers whether the owner answered non-zero.
  BOOL AskForInfo(LXHDREX* pRequest, CDC* pDC);
  int GetListId() const;  // the list identifier, or the control identifier

  // ================================================================ categories
  CGfxCategoryManager* CreateCategoryManager();
  CGfxCategoryManager* GetCategoryManager() const { return m_pCategoryManager; }
  void EnableCategoryView(bool bEnable);
  // Opens or closes the category shown in a row.
  void ToggleCategory(int nItem);

  // ================================================================ clipboard, links, misc
  BOOL DoCopyInClipboard(bool bSelectedOnly);
  void OnCopyToClipboard();
  // Opens a link: the shell's answer, or the handle of the browser process started instead
  // (the caller owns it and closes it), or 0 when neither worked.
  static HINSTANCE GotoURL(LPCTSTR lpszUrl, int nShowCommand);
  // As GotoURL; a started browser's process handle goes to *phProcess instead.
  static HINSTANCE OpenLink(LPCTSTR lpszUrl, int nShowCommand, HANDLE* phProcess);
  static LONG GetRegKey(HKEY hKey, LPCTSTR lpszSubKey, LPTSTR lpszValue);
  void ResetScrollBar();
  void SetReadOnly(int nReadOnly) { m_rules.nReadOnly = nReadOnly; }
  int IsReadOnly() const { return m_rules.nReadOnly; }
  void SetAllowDelete(bool bAllow) { m_rules.bAllowDelete = bAllow; }
  void SetAllowInsert(bool bAllow) { m_rules.bAllowInsert = bAllow; }
  void SetSummaryData(DWORD_PTR dwData) { m_dwSummaryData = dwData; }
  DWORD_PTR GetSummaryData() const { return m_dwSummaryData; }
  void SetNoBlank(bool bNoBlank) { m_rules.bNoBlank = bNoBlank; }
  bool GetNoBlank() const { return m_rules.bNoBlank; }

  // ================================================================ sorting
  // Sorts by the column at a position (header click and sort commands): shows the arrow,
  // resets and refiles categories around the sort. False when sorting is not allowed.
  bool SortByColumn(int nPosition, bool bAscending);

  // ================================================================ printing
  void SetPrintFlag(DWORD dwFlag) { m_print.dwFlag = dwFlag; }
  void SetPrintName(LPCTSTR lpszName) { m_print.strName = lpszName; }
  void SetMargins(int nLeft, int nTop, int nRight, int nBottom) {
    m_print.rcMargins.SetRect(nLeft, nTop, nRight, nBottom);
  }
  // The print command (Ctrl+P): prints this list through a CGfxListCtrlPrint job.
  virtual void OnPrint();
  // The page callbacks of that job: fonts and pagination, one page, clean-up.
  virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
  int GetRowsPerPage() const { return m_print.nRowsPerPage; }

  // ================================================================ cells and editing
  int HitTestEx(CPoint& point, int* pColumn) const;
  int CellRectFromPoint(CPoint& point, RECT* pCell, int* pColumn) const;
  void GetSubItemRect(int nItem, int nColumn, CRect& rect) const;
  void CalculateCellRect(int nColumn, int nItem, CRect& rect);
  void ScrollToView(int nColumn, CRect& rect);
  BOOL EnsureSubItemVisible(int nColumn);
  CRichEditCtrl* EditSubLabel(int nItem, int nColumn, bool bByClick);
  CInPlaceCombo* ComboSubLabel(int nItem, int nColumn, bool bEditable, bool bByClick);
  CInPlaceCombo* ShowInPlaceList(int nItem, int nColumn, CStringArray& choices,
                                 const CString& strText, int nSelection);
  int GetFocusColumn() const { return m_nFocusColumn; }
  void SetFocusColumn(int nPosition) { m_nFocusColumn = nPosition; }
  // The editor the masks choose for the column at a display position.
  tkw::cells::CellEditor GetCellEditor(int nColumn) const;
  // Whether a row shows a category rather than one of the owner's rows.
  bool IsCategoryRow(int nItem) const;

  // ================================================================ state
 public:
  CGfxColumnMasks m_masks;
  CGfxListColours m_colours;
  CGfxRowMetrics m_rows;
  CGfxDrawTools m_tools;
  CGfxBackgroundPicture m_background;
  CGfxPrintSettings m_print;
  CGfxOwnerLink m_owner;
  CGfxEditRules m_rules;
  CGfxEmptyListText m_emptyList;
  CGfxHeaderCtrl m_wndHeader;
  CGfxListTip m_wndTip;  // the cut cell text under the mouse (flag 0x0100)
  CGfxColumnManager* m_pColumnManager;      // owned
  CGfxCategoryManager* m_pCategoryManager;  // owned
  CImageList* m_pItemImageList;             // images of image columns
  CString m_strProfileSection;
  DWORD_PTR m_dwSummaryData;  // the row that always sorts last
  int m_nFocusColumn;         // display position of the focused cell's column
  int m_nClickedHeaderColumn;
  bool m_bViewInit;

 protected:
  static void SetMaskBit(DWORD& dwMask, int nSubItem, bool bSet);
  static bool HasMaskBit(DWORD dwMask, int nSubItem);
  // Flag 0x2000: both bars shown, each disabled while everything fits.
  void UpdateScrollBars();
  // Opens the editor the column's kind chooses. False when the column has no editor; bOpened
  // tells whether one was actually placed over the cell.
  bool OpenCellEditor(int nItem, int nColumn, bool bByClick, bool& bOpened);
  // The font a request's result flags name: the record's own (0x08), bold, italic, underline,
  // else the normal font.
  HFONT FontForAnswer(const LXHDREX& answer);
  // Repaints the cells of a row at two display positions (the focus column moved).
  void InvalidateCells(int nItem, int nColumnA, int nColumnB);
  // The header's right-click menu at a screen point.
  void ShowHeaderMenu(CPoint point);
  // Retrieves the live layout, runs a column dialog on the manager and rebuilds on OK.
  void RunColumnDialog(UINT nCommand);

  ULONGLONG m_qwFlag;
  CString m_strShortString;  // MakeShortString's answer
  int m_nFocusBeforeClick;   // focused row when the left button went down (-1 none)
  int m_nResortedRow;        // where the re-sort after the last insertion put the new row, -1
  bool m_bRedrawOn;          // recorded from WM_SETREDRAW
  std::vector<CKeptColumn> m_keptColumns;  // see CKeepColumns
  int m_nKeepColumns;                      // how many CKeepColumns are alive
  int m_nQuietItemData;                    // how many CQuietItemData are alive
  int m_nPaintFocus;                       // 1 or 0 while OnPaint paints the rows, else -1

  // Hides the cell tip when it shows and tips are on (keys and scrolling).
  void HideTip();

  // The empty-list text and, in mode 1, the centred background picture of a list without rows.
  void PaintEmptyList(CDC* pDC);

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnQueryNewPalette();
  afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
  afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnItemInserted(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg BOOL OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg BOOL OnClick(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg void OnKeyDown(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg LRESULT OnSetTextColor(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetTextBkColor(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetBkColor(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnInsertColumn(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnSetRedraw(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnUserTab(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg void OnSortAscending();
  afx_msg void OnSortDescending();
  afx_msg void OnUpdateSortCommand(CCmdUI* pCmdUI);
  afx_msg void OnColumnFormat();
  afx_msg void OnCustomizeColumns();
  afx_msg void OnUpdateColumnCommand(CCmdUI* pCmdUI);
  afx_msg void OnViewCommand(UINT nId);
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  DECLARE_MESSAGE_MAP()
};
