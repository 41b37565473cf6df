// Where the parts of a chart go: titles, legend box, plot area, points, bars and pie slices.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ChartModel.h"

namespace tkw::chart {

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// Text sizes of the font the chart is drawn with.
struct TextMetrics {
  int charWidth = 7;
  int lineHeight = 14;
  // Width of a text in pixels; without it a text is its length in average characters, which
  // proportional fonts overrun on wide letters.
  std::function<int(const std::u16string&)> measure;
  int Width(const std::u16string& s) const {
    return measure ? measure(s) : int(s.size()) * charWidth;
  }
};

// One line of the legend box: a series, or a slice of a pie whose points carry labels.
struct LegendEntry {
  size_t series = 0;  // the series, or the slice's point; it picks the swatch's colour
  std::u16string text;
  Box swatch;
  int textX = 0, textY = 0;
};

struct ChartLayout {
  Box chart;                // the whole drawing
  std::vector<Box> titles;  // one line each, centred above the plot
  Box legendBox;            // empty when the series legend box is off
  std::vector<LegendEntry> legend;
  Box plot;  // inside the axes
};

// Lays a chart of `look` out in `chart`; `labelChars` is the width of the longest Y label.
ChartLayout LayOut(const Appearance& look, const Box& chart, const TextMetrics& text,
                   int labelChars);

// Horizontal centre of point `point` of `points` across the plot. Lines and areas put the
// first and last point on the plot's edges; bars centre each point in a slot of its own.
double PointX(size_t point, size_t points, const Box& plot, bool slots);

// The bar of series `series` of `seriesCount` at `point`, rising from `baseY` to `valueY`.
Box BarBox(size_t point, size_t points, size_t series, size_t seriesCount, const Box& plot,
           int itemWidth, double baseY, double valueY);

struct PieSlice {
  size_t point = 0;
  double start = 0, sweep = 0;  // degrees, counter-clockwise from 3 o'clock
  int dx = 0, dy = 0;           // offset of a separated slice
};

// Slices of one series' values (negative and missing values take no room), each separated
// slice pushed out along its middle by its distance in pixels.
std::vector<PieSlice> PieSlices(const std::vector<double>& values,
                                const std::vector<int>& distances);

}  // namespace tkw::chart
