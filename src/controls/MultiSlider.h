// CMultiSlider: a horizontal slider with several value markers that split a range into
// coloured intervals.
#pragma once
#include <afxcmn.h>
#include <afxcoll.h>
#include <afxwin.h>

#include <utility>
#include <vector>

#include "controls/Marker.h"
#include "controls/logic/SliderScale.h"
#include "core/TKWExport.h"
#include "core/controls/Bubble.h"

// Messages the parent gets when a drag ends (wParam and lParam 0): the second one when
// m_nNotifyKind is non-zero. The parent reads the values with GetMarkers.
#define WM_MULTISLIDER_DRAGGED (WM_USER + 0x168)
#define WM_MULTISLIDER_DRAGGED_EX (WM_USER + 0x167)

// Subclasses a trackbar (create it with TBS_ENABLESELRANGE for a channel tall enough to show
// the intervals) and takes only its channel and thumb geometry: everything is painted here.
//
// Markers reach the list through the protected InsertMarker, from a derived class; they stay
// the inserter's to delete, except that RemoveLevelMarker deletes the marker it removes. The
// list is kept in ascending order: a dragged marker stops at its neighbours' values.
class TKWUI_API CMultiSlider : public CSliderCtrl {
  DECLARE_DYNAMIC(CMultiSlider)

 public:
  CMultiSlider();
  ~CMultiSlider() override;

  // The value range; the geometry is recomputed at the next paint.
  BOOL SetRanges(float fMin, float fMax);
  BOOL GetRanges(float& fMin, float& fMax) const;
  float GetMinRange() const { return m_fMin; }
  float GetMaxRange() const { return m_fMax; }

  int GetNumMarkers() const { return static_cast<int>(m_Markers.GetCount()); }
  // Writes the values in list order into pValues (GetNumMarkers() floats) and returns how many;
  // 0 for a null buffer.
  int GetMarkers(float* pValues) const;

  // Set by the host; the control has no setters for them.
  CUIntArray m_aColors;   // interval colours: one more than there are markers
  BOOL m_bTimeFormat;     // tip as days and time (TRUE) or as minutes
  BOOL m_bDrawIntervals;  // paint the coloured intervals
  int m_nMaxMarkers;      // a click on empty scale prepares a marker below this count
  DWORD m_nNotifyKind;    // non-zero: the end of a drag sends WM_MULTISLIDER_DRAGGED_EX

 protected:
  // Inserts before the first marker whose value is greater or equal; returns its index, or -1
  // for a null marker. A marker already in the list stays where it is.
  int InsertMarker(CMarker* pMarker);
  // Removes and deletes the marker; FALSE when it is not in the list.
  BOOL RemoveLevelMarker(CMarker* pMarker);
  // The neighbours of the marker at pos (pos itself is left unchanged); null at the ends.
  CMarker* GetNextMarker(POSITION& pos);
  CMarker* GetPrevMarker(POSITION& pos);
  // The hover rectangle: the head extended to the client area's bottom.
  CRect GetMarkerRect(CMarker* pMarker);
  // The marker under the point (see tkw::HitTestMarkers), or null; records m_nHitIndex.
  CMarker* MarkerHitTest(CPoint pt);
  float RoundTo(float fValue, short nDigits);
  void SetRectangles(CMarker* pMarker);
  // Reads the trackbar's geometry and places every marker.
  void Initialize();
  // The nearest marker values below and above the value at pt, from the range's ends.
  std::pair<float, float> GetMinMax(CPoint pt);
  // Keeps *pfValue of the marker between its neighbours and records m_nCrossing.
  void AvoidCrossing(CMarker* pMarker, float* pfValue);
  void SetInfoWindow(CPoint& point);
  void BuildTooltipText(CMarker* pMarker, bool bShow, CString& strText);
  void CleanUp();

  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

  CObList m_Markers;       // CMarker*, ascending by value
  CMarker* m_pNewMarker;   // prepared by a click on empty scale; owned here
  CMarker* m_pDragMarker;  // being dragged
  CMarker* m_pTTMarker;    // whose tip is armed or shown
  CRect m_TTRect;          // its hover rectangle
  UINT m_nTimerID;         // the hover timer
  UINT m_nTimerPeriod;     // hover delay in milliseconds
  float m_fMin, m_fMax;    // the range
  CRect m_workRect;        // the pixel scale: the channel less 2 pixels left and right
  CRect m_channelRect;     // the trackbar's channel
  CRect m_clientRect;
  CRect m_thumbRect;    // the trackbar's thumb: its top and bottom bound the markers
  bool m_bInitialized;  // the rectangles above are up to date
  CBubble m_wndBubble;  // the tip
  bool m_bFocused;
  CFont m_font;
  int m_nDays, m_nHours, m_nMinutes, m_nSeconds;  // the last tip value, split
  int m_nHitIndex;                                // 1-based index of the last marker hit
  BYTE m_nCrossing;                               // tkw::MarkerCrossing of the last drag step

 private:
  tkw::SliderScale Scale() const;
  std::vector<float> MarkerValues() const;
  int IndexOf(const CMarker* pMarker) const;
  CMarker* MarkerAt(int nIndex) const;
  void EnsureGeometry();
  CString TipText(float fValue);
  void ShowTipAtCursor(const CString& strText);
  void Draw(CDC* pDC);
};
