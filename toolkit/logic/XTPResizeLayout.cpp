// Anchor arithmetic of the toolkit's resizable windows.
#include "XTPResizeLayout.h"

#include <cmath>

namespace xtp_resize {

namespace {

// Whole pixels: a centred control moves by half the growth, rounded the same way both sides.
long Share(double fraction, long growth) {
  return std::lround(fraction * double(growth));
}

}  // namespace

XTP_RESIZEBOX Place(const XTP_RESIZEBOX& initial, XTP_RESIZEPOINT topLeft,
                    XTP_RESIZEPOINT bottomRight, long dx, long dy) {
  XTP_RESIZEBOX box;
  box.left = initial.left + Share(topLeft.x, dx);
  box.top = initial.top + Share(topLeft.y, dy);
  box.right = initial.right + Share(bottomRight.x, dx);
  box.bottom = initial.bottom + Share(bottomRight.y, dy);
  if (box.right < box.left) box.right = box.left;
  if (box.bottom < box.top) box.bottom = box.top;
  return box;
}

}  // namespace xtp_resize
