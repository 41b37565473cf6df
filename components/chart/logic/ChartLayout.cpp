// Chart geometry in pixels, computed from the look and the font's sizes.
#include "ChartLayout.h"

#include <algorithm>
#include <cmath>

namespace tkw::chart {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr size_t kLegendChars = 40;  // longer legend texts are cut
}  // namespace

ChartLayout LayOut(const Appearance& look, const Box& chart, const TextMetrics& text,
                   int labelChars) {
  ChartLayout out;
  out.chart = chart;
  Box inner{chart.left + std::max(0, look.gaps[0]), chart.top + std::max(0, look.gaps[1]),
            chart.right - std::max(0, look.gaps[2]), chart.bottom - std::max(0, look.gaps[3])};
  for (const TitleState& t : look.titles) {
    if (t.text.empty()) continue;
    out.titles.push_back({inner.left, inner.top, inner.right, inner.top + text.lineHeight});
    inner.top += text.lineHeight + 2;
  }
  const bool pie = look.gallery == kPie;
  if (look.serLegBox) {
    // A pie's slices are the points of one series, so its legend names them when labelled.
    std::vector<LegendEntry> items;
    if (pie && !look.legend.empty()) {
      for (size_t p = 0; p < look.legend.size(); ++p) items.push_back({p, look.legend[p], {}});
    } else {
      for (size_t i = 0; i < look.series.size(); ++i)
        if (look.series[i].visible) items.push_back({i, look.series[i].legend, {}});
    }
    int widest = 0;
    for (const LegendEntry& e : items)
      widest = std::max(widest, text.Width(e.text.substr(0, kLegendChars)));
    const int swatch = text.lineHeight - 4;
    const int width = widest + swatch + 12;
    out.legendBox = {inner.right - width, inner.top, inner.right,
                     inner.top + int(items.size()) * text.lineHeight + 8};
    int y = out.legendBox.top + 4;
    for (LegendEntry& e : items) {
      e.swatch = {out.legendBox.left + 4, y + 2, out.legendBox.left + 4 + swatch, y + 2 + swatch};
      e.textX = e.swatch.right + 4;
      e.textY = y;
      e.text.resize(std::min(e.text.size(), kLegendChars));
      out.legend.push_back(std::move(e));
      y += text.lineHeight;
    }
    inner.right = out.legendBox.left - 6;
  }
  const bool yAxis = look.axes.size() > 1 && look.axes[1].visible && !pie;
  const bool xAxis = !look.axes.empty() && look.axes[0].visible && !pie;
  out.plot = {inner.left + (yAxis ? labelChars * text.charWidth + 6 : 0),
              inner.top + text.lineHeight / 2, inner.right - text.charWidth,
              inner.bottom - (xAxis ? text.lineHeight + 4 : 0)};
  if (out.plot.right < out.plot.left) out.plot.right = out.plot.left;
  if (out.plot.bottom < out.plot.top) out.plot.bottom = out.plot.top;
  return out;
}

double PointX(size_t point, size_t points, const Box& plot, bool slots) {
  if (slots) return plot.left + (point + 0.5) * plot.Width() / double(std::max<size_t>(points, 1));
  if (points < 2) return plot.left + plot.Width() / 2.0;
  return plot.left + double(point) * plot.Width() / double(points - 1);
}

Box BarBox(size_t point, size_t points, size_t series, size_t seriesCount, const Box& plot,
           int itemWidth, double baseY, double valueY) {
  const double slot = plot.Width() / double(std::max<size_t>(points, 1));
  // Bars take three quarters of their slot unless the chart sets an item width in pixels.
  const double group =
      itemWidth > 0 ? std::min<double>(itemWidth * double(seriesCount), slot) : slot * 0.75;
  const double bar = group / double(std::max<size_t>(seriesCount, 1));
  const double left = PointX(point, points, plot, true) - group / 2 + bar * double(series);
  const double top = std::min(baseY, valueY), bottom = std::max(baseY, valueY);
  return {int(std::lround(left)), int(std::lround(top)),
          int(std::lround(left + std::max(bar, 1.0))), int(std::lround(bottom))};
}

std::vector<PieSlice> PieSlices(const std::vector<double>& values,
                                const std::vector<int>& distances) {
  double total = 0;
  for (double v : values)
    if (v > 0 && std::isfinite(v)) total += v;
  std::vector<PieSlice> slices;
  if (!(total > 0) || !std::isfinite(total)) return slices;
  double angle = 90;  // the first slice starts at 12 o'clock
  for (size_t i = 0; i < values.size(); ++i) {
    const double v = values[i];
    if (!(v > 0 && std::isfinite(v))) continue;
    PieSlice s;
    s.point = i;
    s.sweep = 360 * v / total;
    s.start = angle - s.sweep;  // clockwise, as the eye reads a pie
    angle = s.start;
    const int d = i < distances.size() ? distances[i] : 0;
    if (d > 0) {
      const double mid = (s.start + s.sweep / 2) * kPi / 180;
      s.dx = int(std::lround(std::cos(mid) * d));
      s.dy = int(std::lround(-std::sin(mid) * d));
    }
    slices.push_back(s);
  }
  return slices;
}

}  // namespace tkw::chart
