// The chart component without a window: axis scaling, the value table and real-time buffer,
// layout geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "chart/logic/AxisScale.h"
#include "chart/logic/ChartLayout.h"
#include "chart/logic/ChartModel.h"
#include "chart/logic/LineDecimation.h"

using namespace tkw::chart;

namespace {

AxisState Axis(double min = 0, double max = 0, double step = 0, double logBase = 0) {
  AxisState a;
  a.min = min, a.max = max, a.step = step, a.logBase = logBase;
  return a;
}

TEST(AxisScale, NiceStepsAreOneTwoOrFiveTimesAPowerOfTen) {
  const struct {
    double span;
    int ticks;
    double step;
  } cases[] = {{100, 10, 10}, {100, 8, 20}, {7, 8, 1}, {0.3, 5, 0.1}, {12345, 5, 5000}, {0, 5, 1}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(c.step, NiceStep(c.span, c.ticks)) << c.span << "/" << c.ticks;
}

TEST(AxisScale, LinearRangesWidenToWholeStepsOrKeepAFixedRange) {
  const struct {
    AxisState axis;
    double lo, hi;
    double min, max;
    size_t ticks;
  } cases[] = {
      {Axis(), 3, 97, 0, 100, 6},               // from the values, down to zero
      {Axis(), -13, 42, -20, 50, 8},            // negative values
      {Axis(), 500, 520, 500, 520, 5},          // far from zero: zero is not forced in
      {Axis(), 5, 5, 4.4, 5.6, 7},              // one value: padded
      {Axis(10, 50), 0, 1000, 10, 50, 9},       // a fixed range ignores the values
      {Axis(0, 100, 25), 0, 1, 0, 100, 5},      // and uses a given step
      {Axis(0, 100, 1e-9), 0, 1, 0, 100, 201},  // an absurd step is bounded
  };
  for (const auto& c : cases) {
    const AxisScale s(c.axis, c.lo, c.hi);
    EXPECT_DOUBLE_EQ(c.min, s.Min()) << c.lo << ".." << c.hi;
    EXPECT_DOUBLE_EQ(c.max, s.Max()) << c.lo << ".." << c.hi;
    EXPECT_EQ(c.ticks, s.Ticks().size()) << c.lo << ".." << c.hi;
    EXPECT_LE(s.Ticks().size(), size_t(AxisScale::kMaxTicks) + 1);
  }
}

TEST(AxisScale, LogarithmicAxesTickAtPowersAndRefuseValuesAtOrBelowZero) {
  const AxisScale s(Axis(0, 0, 0, 10), 3, 4500);
  EXPECT_EQ((std::vector<double>{1, 10, 100, 1000, 10000}), s.Ticks());
  EXPECT_DOUBLE_EQ(0.5, s.Fraction(100));
  EXPECT_DOUBLE_EQ(0.25, s.Fraction(10));
  EXPECT_TRUE(std::isnan(s.Fraction(0)));
  EXPECT_TRUE(std::isnan(s.Fraction(-5)));
  EXPECT_EQ((std::vector<double>{1, 2, 4, 8}), AxisScale(Axis(0, 0, 0, 2), 1, 7).Ticks());
  const AxisScale negative(Axis(0, 0, 0, 10), -50, -1);
  EXPECT_GT(negative.Min(), 0) << "a log axis over negative values still has a positive range";
  EXPECT_LE(AxisScale(Axis(0, 0, 0, 10), 1e-300, 1e300).Ticks().size(),
            size_t(AxisScale::kMaxTicks));
  EXPECT_FALSE(AxisScale(Axis(0, 0, 0, 1), 1, 100).IsLog()) << "base 1 is linear";
}

TEST(ChartModel, LoadingShapesTheTableAndRefusesPointsOutsideIt) {
  ChartModel m;
  ASSERT_TRUE(m.OpenData(kLoadValues, 2, 3));
  EXPECT_TRUE(m.Loading());
  EXPECT_TRUE(m.SetValue(1, 2, 7.5));
  EXPECT_FALSE(m.SetValue(2, 0, 1)) << "series out of range";
  EXPECT_FALSE(m.SetValue(0, 3, 1)) << "point out of range";
  EXPECT_FALSE(m.SetValue(-1, 0, 1));
  EXPECT_FALSE(m.CloseData(kLoadValues | kLoadAddPoints)) << "another type than opened";
  EXPECT_TRUE(m.CloseData(kLoadValues));
  EXPECT_EQ(7.5, m.Value(1, 2));
  EXPECT_TRUE(std::isnan(m.Value(0, 0)));
  EXPECT_FALSE(m.OpenData(kLoadValues, 1 << 12, 1 << 20)) << "a table beyond the cell limit";
  EXPECT_FALSE(m.OpenData(kLoadValues, -1, 2));
  EXPECT_EQ(2u, m.SeriesCount()) << "a refused load keeps the table";
  m.Clear(kClearConstantLines);
  EXPECT_EQ(3u, m.PointCount());
  m.Clear(kClearValues);
  EXPECT_EQ(0u, m.PointCount());
}

// Adds `values` as new points of series 0 in one load.
void AddPoints(ChartModel& m, std::vector<double> values) {
  ASSERT_TRUE(m.OpenData(kLoadValues | kLoadAddPoints, 1, int32_t(values.size())));
  for (size_t i = 0; i < values.size(); ++i) ASSERT_TRUE(m.SetValue(0, int32_t(i), values[i]));
  ASSERT_TRUE(m.CloseData(kLoadValues | kLoadAddPoints));
}

std::vector<double> Row(const ChartModel& m) {
  std::vector<double> row;
  for (size_t p = 0; p < m.PointCount(); ++p) row.push_back(m.Value(0, int32_t(p)));
  return row;
}

TEST(ChartModel, RealTimeBufferLoopsAtItsPositionOrScrolls) {
  ChartModel loop;
  loop.Look().realTimeStyle = kRealTimeLoopPos;
  loop.SetBufferSize(4);
  AddPoints(loop, {1, 2, 3});
  EXPECT_EQ(3u, loop.LoopPos());
  AddPoints(loop, {4, 5, 6});
  EXPECT_EQ((std::vector<double>{5, 6, 3, 4}), Row(loop))
      << "new points overwrite the oldest in place";
  EXPECT_EQ(2u, loop.LoopPos());

  ChartModel scroll;
  scroll.SetBufferSize(4);
  AddPoints(scroll, {1, 2, 3});
  AddPoints(scroll, {4, 5, 6});
  EXPECT_EQ((std::vector<double>{3, 4, 5, 6}), Row(scroll)) << "the oldest points scroll out";
  EXPECT_FALSE(scroll.OpenData(kLoadValues | kLoadAddPoints, 1, 5))
      << "more points than the buffer";

  ChartModel growing;
  AddPoints(growing, {1});
  AddPoints(growing, {2, 3});
  EXPECT_EQ((std::vector<double>{1, 2, 3}), Row(growing)) << "no buffer size: points append";
}

TEST(ChartLayout, LegendBoxTitlesAndAxesTakeRoomFromThePlot) {
  Appearance look;
  look.axes.resize(2);
  const Box chart{0, 0, 400, 300};
  const TextMetrics text{};
  const ChartLayout bare = LayOut(look, chart, text, 4);
  look.titles.push_back({u"Users", 0});
  look.serLegBox = true;
  look.series = {{u"first", 0xFF, true}, {u"off", 0xFF00, false}, {u"third", 0xFF0000, true}};
  const ChartLayout full = LayOut(look, chart, text, 4);
  ASSERT_EQ(2u, full.legend.size()) << "series that are off get no legend entry";
  EXPECT_EQ(2u, full.legend[1].series);
  EXPECT_EQ(1u, full.titles.size());
  EXPECT_LT(full.plot.right, full.legendBox.left);
  EXPECT_GT(full.plot.top, bare.plot.top);
  EXPECT_EQ(full.legend[0].swatch.left, full.legend[1].swatch.left);
  EXPECT_EQ(text.lineHeight, full.legend[1].swatch.top - full.legend[0].swatch.top);
  EXPECT_LE(full.legendBox.right, chart.right - look.gaps[2]);
  look.gallery = kPie;
  EXPECT_LT(LayOut(look, chart, text, 4).plot.left, full.plot.left) << "a pie has no axes";

  look.legend = {u"a", u"b", u"c", u"d"};
  TextMetrics wide = text;
  wide.measure = [](const std::u16string& s) { return int(s.size()) * 50; };
  const ChartLayout pie = LayOut(look, chart, wide, 4);
  ASSERT_EQ(4u, pie.legend.size()) << "a pie's legend lists its labelled slices";
  EXPECT_EQ(u"d", pie.legend[3].text);
  EXPECT_EQ(3u, pie.legend[3].series);
  EXPECT_GE(pie.legendBox.right - pie.legend[0].textX, 50) << "the box fits the measured text";
}

TEST(ChartLayout, PointsBarsAndSlices) {
  const Box plot{100, 0, 200, 100};
  EXPECT_DOUBLE_EQ(100, PointX(0, 5, plot, false));
  EXPECT_DOUBLE_EQ(200, PointX(4, 5, plot, false));
  EXPECT_DOUBLE_EQ(110, PointX(0, 5, plot, true));
  const Box a = BarBox(0, 5, 0, 2, plot, 0, 100, 40), b = BarBox(0, 5, 1, 2, plot, 0, 100, 40);
  EXPECT_EQ(a.right, b.left) << "bars of one point stand side by side";
  EXPECT_EQ(40, a.top);
  EXPECT_EQ(100, a.bottom);
  EXPECT_EQ(40, BarBox(0, 5, 0, 1, plot, 0, 40, 100).top) << "negative bars hang from the base";

  const auto slices = PieSlices({1, -3, 1, 2}, {0, 0, 0, 10});
  ASSERT_EQ(3u, slices.size()) << "a negative value takes no slice";
  EXPECT_DOUBLE_EQ(90, slices[0].sweep);
  EXPECT_DOUBLE_EQ(0, slices[0].start) << "the first slice ends at 12 o'clock";
  EXPECT_EQ(3u, slices[2].point);
  EXPECT_DOUBLE_EQ(180, slices[2].sweep);
  EXPECT_EQ(-10, slices[2].dx) << "the separated half slice moves left, along its middle";
  EXPECT_EQ(0, slices[2].dy);
  EXPECT_TRUE(PieSlices({0, 0}, {}).empty());
}

}  // namespace

namespace {

TEST(LineDecimation, KeepsEachColumnsEndsAndExtremesInOrder) {
  const std::vector<Pixel> line = {{0, 5}, {0, 1}, {0, 9}, {0, 4}, {0, 6},  // one column
                                   {1, 3},                                  // a lone point
                                   {2, 7}, {2, 2}, {2, 2}, {2, 8}};
  const std::vector<Pixel> thin = ThinByColumn(line);
  std::vector<std::pair<int, int>> got;
  for (const Pixel& p : thin) got.push_back({p.x, p.y});
  EXPECT_EQ((std::vector<std::pair<int, int>>{
                {0, 5}, {0, 1}, {0, 9}, {0, 6}, {1, 3}, {2, 7}, {2, 2}, {2, 8}}),
            got);
  EXPECT_TRUE(ThinByColumn({}).empty());
}

}  // namespace
