// The progress displays without a window: percentages, captions and the status a worker
// reports.
#include <gtest/gtest.h>

#include <climits>

#include "controls/logic/ProgressPercent.h"
#include "controls/logic/ProgressStatus.h"

namespace {

using namespace tkw;

TEST(ProgressPercent, DividesByTheSpanWithoutSubtractingTheLowerBound) {
  struct Case {
    int pos, lower, upper, percent;
  };
  const Case cases[] = {
      {40, 0, 100, 40},
      {100, 50, 150, 100},  // lower bound not subtracted
      {7, 5, 5, 0},
      {7, 9, 5, 0},  // empty and reversed ranges
      {2, 0, 3, 66},
      {-2, 0, 300, 0},  // integer division truncates towards zero
      {INT_MAX, 0, INT_MAX, 100},
      {INT_MAX, INT_MIN, INT_MAX, 49},  // no overflow
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.percent, ProgressPercent(c.pos, c.lower, c.upper))
        << c.pos << " in " << c.lower << ".." << c.upper;
  EXPECT_EQ(CString(L"Loading [40%]"), ProgressCaption(L"Loading", 40));
}

TEST(ProgressStatus, FirstStatusWithoutAnimationGetsTheDefaultLaterOnesKeepTheLast) {
  ProgressStatus s;
  s.Set(L"Reading", 0);
  EXPECT_EQ(kDefaultProgressAnimation, s.nAnimID);
  s.Set(L"Writing", 4541);
  s.Set(L"Still writing", 0);
  EXPECT_EQ(4541u, s.nAnimID);
  EXPECT_EQ(CString(L"Still writing"), s.strText);
  EXPECT_EQ(kDefaultProgressAnimation, AnimationClip(0));
  EXPECT_EQ(4541u, AnimationClip(4541));
}

}  // namespace
