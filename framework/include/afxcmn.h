// The common controls: CImageList, CListCtrl, CHeaderCtrl, CToolTipCtrl, CSliderCtrl,
// CProgressCtrl, CAnimateCtrl and (afxrich_.h) CRichEditCtrl.
#pragma once
#include "afxwin.h"
#include <commctrl.h>

// ---- CImageList: owns an image list handle (destroyed with the object unless detached).
class AFX_FWAPI CImageList : public CObject {
  DECLARE_DYNCREATE(CImageList)

 public:
  HIMAGELIST m_hImageList;

  CImageList() : m_hImageList(NULL) {}
  virtual ~CImageList();

  operator HIMAGELIST() const { return m_hImageList; }
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }

  // The wrapper of hImageList: the attached object, else a temporary one freed by
  // AfxDeleteTempGdiAndMenuMaps (it never destroys the list).
  static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();
  BOOL DeleteImageList();

  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  // From a bitmap resource found through the resource chain; cx is one image's width.
  BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
  BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
  BOOL Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx,
              int dy);
  BOOL Create(CImageList* pImageList);

  int GetImageCount() const;
  BOOL SetImageCount(UINT uNewCount);
  COLORREF SetBkColor(COLORREF cr);
  COLORREF GetBkColor() const;
  BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
  BOOL GetIconSize(int* cx, int* cy) const;

  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon);
  BOOL Remove(int nImage);
  BOOL RemoveAll() { return Remove(-1); }
  BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
  int Replace(int nImage, HICON hIcon);
  HICON ExtractIcon(int nImage);
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
  BOOL DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle);
  BOOL DrawIndirect(IMAGELISTDRAWPARAMS* pimldp);
  BOOL SetOverlayImage(int nImage, int nOverlay);
  BOOL Copy(int iDst, int iSrc, UINT uFlags = ILCF_MOVE);

  // ---- dragging
  BOOL BeginDrag(int nImage, CPoint ptHotSpot);
  static void PASCAL EndDrag();
  static BOOL PASCAL DragMove(CPoint pt);
  BOOL SetDragCursorImage(int nDrag, CPoint ptHotSpot);
  static BOOL PASCAL DragShowNolock(BOOL bShow);
  static CImageList* PASCAL GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot);
  static BOOL PASCAL DragEnter(CWnd* pWndLock, CPoint point);
  static BOOL PASCAL DragLeave(CWnd* pWndLock);
};

class CHeaderCtrl;
class CEdit;

// ---- CHeaderCtrl
class AFX_FWAPI CHeaderCtrl : public CWnd {
  DECLARE_DYNAMIC(CHeaderCtrl)

 public:
  CHeaderCtrl() {}
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetItemCount() const;
  BOOL GetItem(int nPos, HDITEM* pHeaderItem) const;
  BOOL SetItem(int nPos, HDITEM* pHeaderItem);
  int InsertItem(int nPos, HDITEM* phdi);
  BOOL DeleteItem(int nPos);
  BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
  BOOL Layout(HDLAYOUT* pHeaderLayout);
  int OrderToIndex(int nOrder) const;
  BOOL GetOrderArray(LPINT piArray, int iCount) const;
  BOOL SetOrderArray(int iCount, LPINT piArray);
  CImageList* SetImageList(CImageList* pImageList);
  CImageList* GetImageList() const;
  int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo);
  CImageList* CreateDragImage(int nIndex);  // the caller deletes the result
  int SetHotDivider(CPoint pt);
  int SetHotDivider(int nIndex);
  int GetBitmapMargin() const;
  int SetBitmapMargin(int nWidth);

  // Owner-drawn items (HDF_OWNERDRAW): reached through the parent's reflection.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// ---- CListCtrl
class AFX_FWAPI CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)

 public:
  CListCtrl() {}
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID);

  // ---- attributes
  COLORREF GetBkColor() const;
  BOOL SetBkColor(COLORREF cr);
  BOOL SetBkImage(LVBKIMAGE* plvbkImage);
  BOOL SetBkImage(HBITMAP hbm, BOOL fTile = TRUE, int xOffsetPercent = 0, int yOffsetPercent = 0);
  CImageList* GetImageList(int nImageList) const;
  CImageList* SetImageList(CImageList* pImageList, int nImageListType);
  int GetItemCount() const;
  BOOL GetItem(LVITEM* pItem) const;
  BOOL SetItem(const LVITEM* pItem);
  BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
               UINT nStateMask, LPARAM lParam);
  BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage, UINT nState,
               UINT nStateMask, LPARAM lParam, int nIndent);
  UINT GetCallbackMask() const;
  BOOL SetCallbackMask(UINT nMask);
  int GetNextItem(int nItem, int nFlags) const;
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& pos) const;
  BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
  BOOL SetItemPosition(int nItem, POINT pt);
  BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const;
  int GetStringWidth(LPCTSTR lpsz) const;
  CEdit* GetEditControl() const;
  BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
  BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
  int GetColumnWidth(int nCol) const;
  BOOL SetColumnWidth(int nCol, int cx);
  BOOL GetViewRect(LPRECT lpRect) const;
  COLORREF GetTextColor() const;
  BOOL SetTextColor(COLORREF cr);
  COLORREF GetTextBkColor() const;
  BOOL SetTextBkColor(COLORREF cr);
  int GetTopIndex() const;
  int GetCountPerPage() const;
  BOOL GetOrigin(LPPOINT lpPoint) const;
  BOOL SetItemState(int nItem, LVITEM* pItem);
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  UINT GetItemState(int nItem, UINT nMask) const;
  CString GetItemText(int nItem, int nSubItem) const;
  int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  void SetItemCount(int nItems);
  BOOL SetItemCountEx(int iCount, DWORD dwFlags = LVSICF_NOINVALIDATEALL);
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  DWORD_PTR GetItemData(int nItem) const;
  UINT GetSelectedCount() const;
  BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1) const;
  BOOL SetColumnOrderArray(int iCount, LPINT piArray);
  CSize SetIconSpacing(int cx, int cy);
  CHeaderCtrl* GetHeaderCtrl() const;
  DWORD GetExtendedStyle() const;
  DWORD SetExtendedStyle(DWORD dwNewStyle);
  BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
  int GetSelectionMark() const;
  int SetSelectionMark(int iIndex);
  DWORD GetView() const;
  int SetView(int iView);

  // ---- operations
  int InsertItem(const LVITEM* pItem);
  int InsertItem(int nItem, LPCTSTR lpszItem);
  int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
  int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                 LPARAM lParam);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;
  int HitTest(LVHITTESTINFO* pHitTestInfo) const;
  int HitTest(CPoint pt, UINT* pFlags = NULL) const;
  int SubItemHitTest(LPLVHITTESTINFO pInfo);
  BOOL EnsureVisible(int nItem, BOOL bPartialOK);
  BOOL Scroll(CSize size);
  BOOL RedrawItems(int nFirst, int nLast);
  BOOL Arrange(UINT nCode);
  CEdit* EditLabel(int nItem);
  int InsertColumn(int nCol, const LVCOLUMN* pColumn);
  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                   int nSubItem = -1);
  BOOL DeleteColumn(int nCol);
  // The caller deletes the result.
  CImageList* CreateDragImage(int nItem, LPPOINT lpPoint);
  BOOL Update(int nItem);
  // pfnCompare gets two items' data (lParam) and dwData.
  BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
  // pfnCompare gets two item indexes and dwData.
  BOOL SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
  CSize ApproximateViewRect(CSize sz = CSize(-1, -1), int iCount = -1) const;

  // Owner-drawn report views (LVS_OWNERDRAWFIXED): reached through the parent's reflection.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

 protected:
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// ---- CToolTipCtrl
class AFX_FWAPI CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)

 public:
  CToolTipCtrl() {}
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
  virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwStyle = 0, DWORD dwStyleEx = 0);

  void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  BOOL GetToolInfo(TTTOOLINFO* pToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  void SetToolInfo(TTTOOLINFO* pToolInfo);
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  int GetToolCount() const;
  int GetDelayTime(DWORD dwDuration) const;
  void SetDelayTime(UINT nDelay);
  void SetDelayTime(DWORD dwDuration, int iTime);
  void GetMargin(LPRECT lprc) const;
  void SetMargin(LPRECT lprc);
  int GetMaxTipWidth() const;
  int SetMaxTipWidth(int iWidth);
  COLORREF GetTipBkColor() const;
  void SetTipBkColor(COLORREF clr);
  COLORREF GetTipTextColor() const;
  void SetTipTextColor(COLORREF clr);
  BOOL SetTitle(UINT uIcon, LPCTSTR lpstrTitle);

  void Activate(BOOL bActivate);
  // A tool for a rectangle of pWnd (nIDTool names it), or for the whole window pWnd when
  // lpRectTool is null and nIDTool is 0. lpszText may be LPSTR_TEXTCALLBACK.
  BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
  BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = NULL,
               UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  BOOL HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFO lpToolInfo) const;
  void RelayEvent(LPMSG lpMsg);
  void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void Update();
  void Pop();
  void Popup();
  void TrackActivate(BOOL bActivate, TTTOOLINFO* pToolInfo);
  void TrackPosition(int x, int y);

 protected:
  void FillInToolInfo(TTTOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};

// ---- CSliderCtrl: the trackbar.
class AFX_FWAPI CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)

 public:
  CSliderCtrl() {}
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID);

  int GetLineSize() const;
  int SetLineSize(int nSize);
  int GetPageSize() const;
  int SetPageSize(int nSize);
  int GetRangeMax() const;
  int GetRangeMin() const;
  void GetRange(int& nMin, int& nMax) const;
  void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
  void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
  void GetSelection(int& nMin, int& nMax) const;
  void SetSelection(int nMin, int nMax);
  void ClearSel(BOOL bRedraw = FALSE);
  void GetChannelRect(LPRECT lprc) const;
  void GetThumbRect(LPRECT lprc) const;
  int GetThumbLength() const;
  void SetThumbLength(int nLength);
  int GetPos() const;
  void SetPos(int nPos);
  UINT GetNumTics() const;
  BOOL SetTic(int nTic);
  void SetTicFreq(int nFreq);
  void ClearTics(BOOL bRedraw = FALSE);
};

// ---- CProgressCtrl: the progress bar.
class AFX_FWAPI CProgressCtrl : public CWnd {
  DECLARE_DYNAMIC(CProgressCtrl)

 public:
  CProgressCtrl() {}
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID);

  // 16-bit bounds (PBM_SETRANGE); SetRange32 takes the full int range.
  void SetRange(short nLower, short nUpper);
  void SetRange32(int nLower, int nUpper);
  void GetRange(int& nLower, int& nUpper) const;
  int GetPos() const;
  // Each answers the previous position.
  int SetPos(int nPos);
  int OffsetPos(int nPos);
  int SetStep(int nStep);
  int StepIt();
  // Colours answer the previous colour (CLR_DEFAULT for the theme's).
  COLORREF SetBarColor(COLORREF clrBar);
  COLORREF SetBkColor(COLORREF clrNew);
  BOOL SetMarquee(BOOL fMarqueeMode, int nInterval);
};

// ---- CAnimateCtrl: plays an AVI clip from a file or a resource.
class AFX_FWAPI CAnimateCtrl : public CWnd {
  DECLARE_DYNAMIC(CAnimateCtrl)

 public:
  CAnimateCtrl() {}
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID);

  // Opens an AVI resource named lpszFileName, found through the resource chain, else the file
  // of that name.
  BOOL Open(LPCTSTR lpszFileName);
  // Opens the AVI resource nID from the module of the resource chain that holds it.
  BOOL Open(UINT nID);
  // Plays frames nFrom to nTo (0xFFFF: the last) nRep times (-1: forever).
  BOOL Play(UINT nFrom, UINT nTo, UINT nRep);
  BOOL Stop();
  // Closes the clip; the control shows nothing.
  BOOL Close();
  // Shows frame nTo (0xFFFF: the last) and stays there.
  BOOL Seek(UINT nTo);
  BOOL IsPlaying() const;
};

#include "afxrich_.h"
