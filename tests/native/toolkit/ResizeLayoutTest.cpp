// Where an anchored control lands when its parent grows or shrinks.
#include <gtest/gtest.h>

#include "XTPResizeLayout.h"

namespace {

struct Case {
  const char* name;
  XTP_RESIZEPOINT topLeft, bottomRight;
  long dx, dy;
  XTP_RESIZEBOX expected;
};

TEST(ResizeLayoutTest, ControlsFollowTheirAnchors) {
  const XTP_RESIZEBOX start{10, 20, 110, 40};
  const Case cases[] = {
      {"pinned to the top left stays", XTP_ANCHOR_TOPLEFT, XTP_ANCHOR_TOPLEFT, 50, 30, start},
      {"button at the bottom right moves whole",
       XTP_ANCHOR_BOTTOMRIGHT,
       XTP_ANCHOR_BOTTOMRIGHT,
       50,
       30,
       {60, 50, 160, 70}},
      {"list stretches both ways",
       XTP_ANCHOR_TOPLEFT,
       XTP_ANCHOR_BOTTOMRIGHT,
       50,
       30,
       {10, 20, 160, 70}},
      {"edit stretches across only",
       XTP_ANCHOR_TOPLEFT,
       XTP_ANCHOR_TOPRIGHT,
       50,
       30,
       {10, 20, 160, 40}},
      {"centred control moves by half, rounded",
       XTP_ANCHOR_TOPCENTER,
       XTP_ANCHOR_TOPCENTER,
       51,
       0,
       {36, 20, 136, 40}},
      {"shrinking moves back",
       XTP_ANCHOR_BOTTOMRIGHT,
       XTP_ANCHOR_BOTTOMRIGHT,
       -5,
       -10,
       {5, 10, 105, 30}},
      {"shrinking past the size empties, never inverts",
       XTP_ANCHOR_TOPLEFT,
       XTP_ANCHOR_BOTTOMRIGHT,
       -150,
       -50,
       {10, 20, 10, 20}},
  };
  for (const Case& t : cases) {
    const XTP_RESIZEBOX got = xtp_resize::Place(start, t.topLeft, t.bottomRight, t.dx, t.dy);
    EXPECT_EQ(t.expected.left, got.left) << t.name;
    EXPECT_EQ(t.expected.top, got.top) << t.name;
    EXPECT_EQ(t.expected.right, got.right) << t.name;
    EXPECT_EQ(t.expected.bottom, got.bottom) << t.name;
  }
}

}  // namespace
