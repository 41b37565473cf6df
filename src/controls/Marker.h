// CMarker: one value marker of the multi-marker slider, with the rectangles it is drawn in.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

class TKWUI_API CMarker : public CObject {
 public:
  CMarker();
  CMarker(const CMarker& src);
  CMarker& operator=(const CMarker& src);

  // Equal when the values and all three rectangles are equal.
  bool operator==(const CMarker& other) const;
  bool operator!=(const CMarker& other) const { return !(*this == other); }

  float m_fValue;     // -1 until the marker is given a value
  CRect m_mainRect;   // the head, above the channel's bottom
  CRect m_rightRect;  // the point's right half, from the marker's position rightwards
  CRect m_leftRect;   // the point's left half
};
