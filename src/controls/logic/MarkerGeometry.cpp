// Marker rectangles, hit testing and the coloured intervals of the multi-marker slider.
#include "controls/logic/MarkerGeometry.h"

#include <algorithm>

namespace tkw {

MarkerRects MarkerRectsAt(int x, const CRect& thumb, const CRect& channel) {
  const int w = kMarkerHalfWidth;
  MarkerRects r;
  r.head.SetRect(x - w, thumb.top, x + w, channel.bottom);
  r.right.SetRect(x, channel.bottom, x + w, thumb.bottom);
  r.left.SetRect(x - w, channel.bottom, x, thumb.bottom);
  return r;
}

CRect HoverRect(const MarkerRects& rects, const CRect& client) {
  CRect r(rects.head);
  r.bottom = client.bottom;
  return r;
}

int HitTestMarkers(const std::vector<MarkerRects>& markers, CPoint pt) {
  const int n = static_cast<int>(markers.size());
  for (int i = 0; i < n; ++i) {
    const MarkerRects& m = markers[i];
    if (!m.right.PtInRect(pt) && !m.left.PtInRect(pt) && !m.head.PtInRect(pt)) continue;
    // The right half starts at the marker's position.
    if (pt.x >= m.right.left)
      while (i + 1 < n && markers[i + 1] == m) ++i;
    return i;
  }
  return -1;
}

std::vector<SliderInterval> LayoutIntervals(const CRect& channel, const std::vector<int>& markerX,
                                            int colourCount) {
  CRect inner(channel);
  inner.DeflateRect(2, 2);
  std::vector<SliderInterval> intervals;
  if (inner.IsRectEmpty()) return intervals;
  int from = static_cast<int>(inner.left);
  const int count = static_cast<int>(markerX.size());
  for (int i = 0; i <= count && i < colourCount; ++i) {
    const int to = i < count ? std::clamp(markerX[i], from, static_cast<int>(inner.right))
                             : static_cast<int>(inner.right);
    if (to > from) intervals.push_back({CRect(from, inner.top, to, inner.bottom), i});
    from = to;
  }
  return intervals;
}

}  // namespace tkw
