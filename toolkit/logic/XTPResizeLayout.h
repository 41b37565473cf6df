// Anchor arithmetic of the toolkit's resizable windows: where a control goes, and how large the
// window may become, when its parent's client area changes size. No window involved.
#pragma once

// A corner's share of the parent's growth: 0 keeps it where it was, 1 moves it by the whole
// growth, 0.5 by half of it (a centred control).
struct XTP_RESIZEPOINT {
  double x;
  double y;
};

// A rectangle in the parent's client coordinates.
struct XTP_RESIZEBOX {
  long left;
  long top;
  long right;
  long bottom;
};

// The common anchors.
constexpr XTP_RESIZEPOINT XTP_ANCHOR_TOPLEFT{0, 0};
constexpr XTP_RESIZEPOINT XTP_ANCHOR_TOPCENTER{0.5, 0};
constexpr XTP_RESIZEPOINT XTP_ANCHOR_TOPRIGHT{1, 0};
constexpr XTP_RESIZEPOINT XTP_ANCHOR_MIDDLELEFT{0, 0.5};
constexpr XTP_RESIZEPOINT XTP_ANCHOR_MIDDLECENTER{0.5, 0.5};
constexpr XTP_RESIZEPOINT XTP_ANCHOR_MIDDLERIGHT{1, 0.5};
constexpr XTP_RESIZEPOINT XTP_ANCHOR_BOTTOMLEFT{0, 1};
constexpr XTP_RESIZEPOINT XTP_ANCHOR_BOTTOMCENTER{0.5, 1};
constexpr XTP_RESIZEPOINT XTP_ANCHOR_BOTTOMRIGHT{1, 1};

namespace xtp_resize {

// The control's rectangle after the parent grew by (dx, dy) from the size at which `initial`
// was taken (negative when it shrank). A rectangle never turns inside out: a shrinking parent
// may make it empty, not negative.
XTP_RESIZEBOX Place(const XTP_RESIZEBOX& initial, XTP_RESIZEPOINT topLeft,
                    XTP_RESIZEPOINT bottomRight, long dx, long dy);

}  // namespace xtp_resize
