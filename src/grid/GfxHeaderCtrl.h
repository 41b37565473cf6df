// CGfxHeaderCtrl: the grid's header: sort arrows, image headers, fixed widths, column dragging.
#pragma once

#include "core/TKWExport.h"

#include <XTPHeaderCtrl.h>

// Receives (from, to) when a dragged column is dropped; called on the header's parent.
typedef void (CWnd::*GFX_HEADER_DROP_CALLBACK)(int& nFrom, int& nTo);

class TKWUI_API CGfxHeaderCtrl : public CXTPHeaderCtrl {
  DECLARE_DYNAMIC(CGfxHeaderCtrl)

 public:
  CGfxHeaderCtrl();
  ~CGfxHeaderCtrl() override;

  // Remembered direction of the column at a position: true when last sorted ascending.
  bool GetSortOrder(int nPosition) const;
  void SetSortOrder(int nPosition, bool bAscending);

  // Makes the column the sort column with that direction (non-zero ascending), makes its item
  // owner drawn, repaints and remembers the direction. Answers the previous sort column;
  // without a window it only answers the current one.
  int SetSortImage(int nPosition, int nAscending);
  int GetSortColumn() const { return m_nSortCol; }
  bool IsSortAscending() const { return m_bSortAsc != 0; }

  // Drop callback, called on the parent with (from, to) when a dragged column is dropped.
  void SetCallback(GFX_HEADER_DROP_CALLBACK pfnCallback) { m_pfnDropCallback = pfnCallback; }

  // False when the point is on the right edge of a column whose divider may not be dragged.
  bool IsDragAllowed(CPoint point) const;
  // The drag rectangle becomes the size of the item at a position (its width x the client
  // height of the list the frame is drawn over).
  void DrawDragColumn(int nPosition);

  // The subitem number of the column at a position (-1 for no such column).
  int GetItemSubitem(int nPosition) const;
  // Only owner-drawn items show a sort arrow or an image; the header draws the others itself.
  void MakeOwnerDrawn(int nPosition);

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

  // Drag state, for the list and its tests.
  bool IsDragPending() const { return m_bDragPending; }
  bool IsDragging() const { return m_bDragging; }
  int GetDragSource() const { return m_nDragSource; }
  int GetDropPosition() const { return m_nDropPosition; }
  const CRect& GetMarkerRect() const { return m_rcMarker; }
  const CRect& GetDragRect() const { return m_rcDrag; }
  const CRect& GetLastDragFrame() const { return m_rcLastFrame; }
  bool IsDividerAllowed() const { return m_bDividerAllowed; }

 public:
  // State the list reads and sets directly.
  DWORD m_dwSortDirections;  // bit n: the column at position n was last sorted ascending
  DWORD m_dwNoArrowMask;     // by subitem number: no sort arrow
  DWORD m_dwFixedWidthMask;  // by subitem number: divider cannot be dragged
  int m_nSortCol;            // position of the column showing the arrow, -1 none
  int m_bSortAsc;            // arrow direction, non-zero ascending
  CImageList* m_pImageList;  // images of image headers
  bool m_bColumnDragEnabled;

 protected:
  bool m_bDragPending;  // the left button went down on an item
  bool m_bDragging;     // a column is being dragged
  int* m_pItemWidths;   // widths of all items at the start of a drag (owned meanwhile)
  int m_nItemCount;     // entries in m_pItemWidths
  int m_nDragSource;    // position of the dragged item
  int m_nDropPosition;  // position in front of which the item will drop
  CRect m_rcMarker;     // area of the last drop marker
  GFX_HEADER_DROP_CALLBACK m_pfnDropCallback;
  CRect m_rcDrag;          // size of the dragged column
  CRect m_rcLastFrame;     // last frame drawn over the list
  bool m_bDividerAllowed;  // the cursor is on a divider that may be dragged

  void StartDrag();
  void TrackDrag(CPoint point);
  // Ends a pending or running drag; answers whether a column was being dragged.
  bool EndDrag();
  void EraseDragFrame();
  void DrawDropMarker(int nBoundary);

  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnHitTest(WPARAM wParam, LPARAM lParam);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  DECLARE_MESSAGE_MAP()
};
