// Where the multi-marker slider's markers and coloured intervals lie, and which marker a
// pixel hits.
#pragma once
#include <atltypes.h>

#include <vector>

namespace tkw {

// Half the width of a marker's head and of its point.
constexpr int kMarkerHalfWidth = 6;

// The three parts a marker is drawn and hit-tested as.
struct MarkerRects {
  CRect head;   // 12 pixels wide, from the thumb's top to the channel's bottom
  CRect left;   // left half of the point, from the channel's bottom to the thumb's bottom
  CRect right;  // right half of the point

  bool operator==(const MarkerRects& o) const {
    return head == o.head && left == o.left && right == o.right;
  }
  bool operator!=(const MarkerRects& o) const { return !(*this == o); }
};

// The rectangles of a marker drawn at pixel x, from the trackbar's thumb and channel.
MarkerRects MarkerRectsAt(int x, const CRect& thumb, const CRect& channel);

// The hover rectangle: the head, extended down to the client area's bottom.
CRect HoverRect(const MarkerRects& rects, const CRect& client);

// The index of the marker hit by pt, or -1. Markers are tried in list order, each by its
// right half, left half and head. Markers drawn at the same pixel form a stack: a point at or
// right of the stack's position takes the last of it and a point left of it the first, so the
// stacked markers can be pulled apart in either direction.
int HitTestMarkers(const std::vector<MarkerRects>& markers, CPoint pt);

// One coloured interval between two boundaries of the scale.
struct SliderInterval {
  CRect rect;
  int colour = 0;  // index in the colour list
};

// The intervals to fill inside the channel (narrowed by 2 pixels on every side) for markers
// drawn at markerX (in list order): from the scale's left to the first marker in colour 0,
// then to each next marker in the next colour, and from the last marker to the scale's right
// in colour N. Boundaries are kept inside the channel and never run backwards, so intervals
// never overlap; empty intervals and intervals without a colour (index colourCount or more)
// are left out.
std::vector<SliderInterval> LayoutIntervals(const CRect& channel, const std::vector<int>& markerX,
                                            int colourCount);

}  // namespace tkw
