// The multi-marker slider without a window: scale, marker rectangles, hit testing, intervals,
// drag limits and tip texts.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <ostream>

#include "controls/logic/MarkerGeometry.h"
#include "controls/logic/MarkerOrder.h"
#include "controls/logic/MarkerTipText.h"
#include "controls/logic/SliderScale.h"

inline std::ostream& operator<<(std::ostream& os, const RECT& r) {
  return os << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}

namespace {

// 100 pixels for the values 0 to 99: one pixel per value.
tkw::SliderScale Scale(float min = 0, float max = 99, int left = 10, int right = 110) {
  tkw::SliderScale s;
  s.min = min;
  s.max = max;
  s.left = left;
  s.right = right;
  return s;
}

TEST(SliderScale, RoundsHalfUpToTheGivenDecimals) {
  const struct {
    float value;
    short digits;
    float expected;
  } cases[] = {{2.5f, 0, 3.0f},        {-2.5f, 0, -2.0f}, {2.49f, 0, 2.0f},
               {1.25f, 1, 1.3f},       {1.04f, 1, 1.0f},  {1234.0f, -2, 1200.0f},
               {1250.0f, -2, 1300.0f}, {0.125f, 2, 0.13f}};
  for (const auto& c : cases)
    EXPECT_FLOAT_EQ(c.expected, tkw::RoundTo(c.value, c.digits))
        << c.value << " to " << c.digits << " digits";
}

TEST(SliderScale, PixelsAndValuesMapOverTheWorkRectangleWithASpanOfMaxMinusMinPlusOne) {
  const tkw::SliderScale s = Scale();
  const struct {
    float value;
    int pixel;
    int markerX;
  } cases[] = {{0, 10, 10},     {50, 60, 60}, {99, 109, 109},
               {49.6f, 60, 60}, {-10, 0, 10}, {150, 160, 110}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.pixel, s.PixelOf(c.value)) << c.value;
    EXPECT_EQ(c.markerX, s.MarkerX(c.value)) << c.value << ": markers stay on the scale";
  }
  EXPECT_FLOAT_EQ(50.0f, s.ValueAt(60));
  EXPECT_FLOAT_EQ(100.0f, s.ValueAt(110)) << "the right end lies one step beyond max";
  EXPECT_FLOAT_EQ(12.5f, Scale(0, 24, 0, 200).ValueAt(100)) << "one decimal";
  for (int v = 0; v <= 99; ++v) EXPECT_FLOAT_EQ(float(v), s.ValueAt(s.PixelOf(float(v))));
}

TEST(SliderScale, DegenerateScalesAndValuesStayDefined) {
  EXPECT_EQ(10, Scale(0, 99, 10, 10).PixelOf(50)) << "no width";
  EXPECT_FLOAT_EQ(0.0f, Scale(0, 99, 10, 10).ValueAt(60));
  EXPECT_EQ(10, Scale(5, 3).PixelOf(4)) << "no span";
  EXPECT_EQ(10, Scale().MarkerX(std::numeric_limits<float>::quiet_NaN()));
  EXPECT_EQ(110, Scale().MarkerX(std::numeric_limits<float>::infinity()));
  EXPECT_EQ(110, Scale().MarkerX(3.0e38f));
}

TEST(SliderScale, ReleaseValueKeepsThePixelOnTheScaleAndTheValueWithinZeroAndMax) {
  const struct {
    tkw::SliderScale scale;
    int x;
    float expected;
  } cases[] = {{Scale(), 60, 50},        {Scale(), 10, 1},
               {Scale(), -40, 1},        {Scale(), 110, 99},
               {Scale(), 400, 99},       {Scale(-50, 49), 30, 0},
               {Scale(-50, 49), 80, 20}, {Scale(0, 99, 10, 10), 50, 0}};
  for (const auto& c : cases)
    EXPECT_FLOAT_EQ(c.expected, c.scale.ReleaseValue(c.x))
        << "x " << c.x << " on " << c.scale.min << ".." << c.scale.max;
}

// Thumb from y 6 to 34, channel from y 14 to 26 (a trackbar with a selection range).
const CRect kThumb(0, 6, 20, 34);
const CRect kChannel(8, 14, 112, 26);

TEST(MarkerGeometry, AMarkerIsAHeadAboveTheChannelBottomAndAPointBelowIt) {
  const tkw::MarkerRects r = tkw::MarkerRectsAt(60, kThumb, kChannel);
  EXPECT_EQ(CRect(54, 6, 66, 26), r.head);
  EXPECT_EQ(CRect(54, 26, 60, 34), r.left);
  EXPECT_EQ(CRect(60, 26, 66, 34), r.right);
  EXPECT_EQ(CRect(54, 6, 66, 40), tkw::HoverRect(r, CRect(0, 0, 120, 40)));
}

TEST(MarkerGeometry, HitTestTakesListOrderAndPullsStacksApartByTheSideOfThePoint) {
  std::vector<tkw::MarkerRects> markers;
  for (int x : {30, 60, 60, 60, 100, 104})
    markers.push_back(tkw::MarkerRectsAt(x, kThumb, kChannel));
  const struct {
    CPoint pt;
    int expected;
  } cases[] = {{{30, 15}, 0},  {{25, 30}, 0},  {{35, 30}, 0},  {{61, 30}, 3},
               {{60, 15}, 3},  {{57, 30}, 1},  {{55, 15}, 1},  {{102, 15}, 4},
               {{80, 15}, -1}, {{30, 36}, -1}, {{200, 15}, -1}};
  for (const auto& c : cases)
    EXPECT_EQ(c.expected, tkw::HitTestMarkers(markers, c.pt)) << c.pt.x << "," << c.pt.y;
  EXPECT_EQ(-1, tkw::HitTestMarkers({}, CPoint(30, 15)));
}

TEST(MarkerGeometry, IntervalsRunBetweenMarkersInListColoursInsideTheChannel) {
  const struct {
    std::vector<int> xs;
    int colours;
    std::vector<std::pair<int, int>> expected;  // (left, right) per colour; empty: none
  } cases[] = {
      {{30, 60}, 3, {{10, 30}, {30, 60}, {60, 110}}},
      {{30, 60}, 2, {{10, 30}, {30, 60}}},
      {{}, 1, {{10, 110}}},
      {{60, 30}, 3, {{10, 60}, {}, {60, 110}}},
      {{10, 110}, 3, {{}, {10, 110}, {}}},
      {{-50, 500}, 3, {{}, {10, 110}, {}}},
      {{30}, 0, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::pair<int, CRect>> want, got;
    for (size_t i = 0; i < c.expected.size(); ++i)
      if (c.expected[i].second > c.expected[i].first)
        want.emplace_back(int(i), CRect(c.expected[i].first, 16, c.expected[i].second, 24));
    for (const tkw::SliderInterval& interval : tkw::LayoutIntervals(kChannel, c.xs, c.colours))
      got.emplace_back(interval.colour, interval.rect);
    EXPECT_EQ(want, got) << c.xs.size() << " markers, " << c.colours << " colours";
  }
  EXPECT_TRUE(tkw::LayoutIntervals(CRect(8, 18, 112, 21), {30}, 3).empty()) << "too thin";
}

TEST(MarkerOrder, ADraggedMarkerStopsAtItsNeighboursValues) {
  const std::vector<float> values = {10, 20, 30};
  const struct {
    std::vector<float> values;
    size_t index;
    float v;
    float expected;
    tkw::MarkerCrossing crossing;
  } cases[] = {
      {values, 1, 15, 15, tkw::kCrossingNone},    {values, 1, 10, 10, tkw::kCrossingPrevious},
      {values, 1, 5, 10, tkw::kCrossingPrevious}, {values, 1, 30, 30, tkw::kCrossingNext},
      {values, 1, 35, 30, tkw::kCrossingNext},    {values, 0, -5, -5, tkw::kCrossingNone},
      {values, 2, 99, 99, tkw::kCrossingNone},    {values, 5, 15, 15, tkw::kCrossingNone},
      {{10}, 0, 50, 50, tkw::kCrossingNone},      {{20, 20}, 0, 25, 20, tkw::kCrossingNext},
      {{20, 20}, 0, 15, 15, tkw::kCrossingNone},  {{20, 20}, 1, 15, 20, tkw::kCrossingPrevious},
  };
  for (const auto& c : cases) {
    const tkw::CrossingCheck got = tkw::AvoidCrossing(c.values, c.index, c.v);
    EXPECT_FLOAT_EQ(c.expected, got.value) << "marker " << c.index << " to " << c.v;
    EXPECT_EQ(c.crossing, got.crossing) << "marker " << c.index << " to " << c.v;
  }
}

TEST(MarkerOrder, NewMarkersGoBeforeEqualValuesAndNeighboursStartAtTheRangeEnds) {
  const std::vector<float> values = {10, 20, 20, 30};
  EXPECT_EQ(1u, tkw::InsertIndex(values, 20));
  EXPECT_EQ(0u, tkw::InsertIndex(values, 5));
  EXPECT_EQ(3u, tkw::InsertIndex(values, 25));
  EXPECT_EQ(4u, tkw::InsertIndex(values, 35));
  EXPECT_EQ(0u, tkw::InsertIndex({}, 35));
  using Around = std::pair<float, float>;
  EXPECT_EQ(Around(20, 30), tkw::NeighbourValues(values, 25, 0, 99));
  EXPECT_EQ(Around(10, 30), tkw::NeighbourValues(values, 20, 0, 99));
  EXPECT_EQ(Around(0, 10), tkw::NeighbourValues(values, 5, 0, 99));
  EXPECT_EQ(Around(0, 99), tkw::NeighbourValues({}, 5, 0, 99));
}

TEST(MarkerTipText, TimeIsTruncatedToWholeSecondsAndSplitIntoDays) {
  const struct {
    float value;
    bool timeFormat;
    const wchar_t* expected;
  } cases[] = {{90061, true, L"1 Day(s) 01:01:01"},
               {59.9f, true, L"0 Day(s) 00:00:59"},
               {0, true, L"0 Day(s) 00:00:00"},
               {86399.9f, true, L"0 Day(s) 23:59:59"},
               {864000, true, L"10 Day(s) 00:00:00"},
               {-61.5f, true, L"-0 Day(s) 00:01:01"},
               {std::nanf(""), true, L"0 Day(s) 00:00:00"},
               {12.34f, false, L"12.3 min"},
               {-0.25f, false, L"-0.2 min"}};
  for (const auto& c : cases)
    EXPECT_EQ(CString(c.expected), tkw::MarkerTipText(c.value, c.timeFormat)) << c.value;
  EXPECT_EQ(INT_MAX, tkw::SplitSeconds(3.0e38f).days) << "huge values saturate";
}

}  // namespace
