// Chart drawing: background, titles, grid lines, series by gallery, axes, loop marker, legend.
#include "ChartPainter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "chart/logic/AxisScale.h"
#include "chart/logic/ChartLayout.h"
#include "chart/logic/LineDecimation.h"

namespace tkw::chart {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A GDI object selected into a DC for a scope, then deleted.
class Selected {
 public:
  Selected(HDC dc, HGDIOBJ obj, bool owned = true) : m_dc(dc), m_obj(obj), m_owned(owned) {
    m_old = SelectObject(dc, obj);
  }
  ~Selected() {
    SelectObject(m_dc, m_old);
    if (m_owned) DeleteObject(m_obj);
  }
  Selected(const Selected&) = delete;
  Selected& operator=(const Selected&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_obj, m_old;
  bool m_owned;
};

void Fill(HDC dc, const Box& b, Colour c) {
  const RECT r = {b.left, b.top, b.right, b.bottom};
  HBRUSH brush = CreateSolidBrush(c);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void Line(HDC dc, int x0, int y0, int x1, int y1) {
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
}

std::wstring Wide(const std::u16string& s) {
  return std::wstring(s.begin(), s.end());
}

std::wstring Label(double value, const AxisState& axis) {
  const double unit = axis.scaleUnit != 0 && std::isfinite(axis.scaleUnit) ? axis.scaleUnit : 1;
  wchar_t buf[64];
  swprintf(buf, 64, L"%.*f", std::clamp(axis.decimals, 0, 15), value / unit);
  return buf;
}

struct Range {
  double lo = HUGE_VAL, hi = -HUGE_VAL;
  void Add(double v) {
    if (std::isfinite(v)) lo = std::min(lo, v), hi = std::max(hi, v);
  }
};

bool SeriesShown(const Appearance& look, size_t s) {
  return s >= look.series.size() || look.series[s].visible;
}

Colour SeriesColour(const Appearance& look, size_t s) {
  return s < look.series.size() ? look.series[s].colour : DefaultSeriesColour(s);
}

// Polyline of one series, broken at missing values and at the loop position. Long runs are
// thinned to what each pixel column shows before GDI sees them.
void DrawLine(HDC dc, const ChartModel& m, size_t s, const Box& plot, const AxisScale& y,
              size_t points, size_t breakAt) {
  std::vector<Pixel> run;
  std::vector<POINT> poly;
  run.reserve(points);
  auto flush = [&] {
    if (run.size() > 1) {
      if (run.size() > size_t(2 * plot.Width() + 2)) run = ThinByColumn(run);
      poly.resize(run.size());
      for (size_t i = 0; i < run.size(); ++i) poly[i] = {run[i].x, run[i].y};
      Polyline(dc, poly.data(), int(poly.size()));
    }
    run.clear();
  };
  for (size_t p = 0; p < points; ++p) {
    if (p == breakAt) flush();
    const double v = m.Value(int32_t(s), int32_t(p));
    const double fy = y.Fraction(v);
    if (!std::isfinite(fy)) {
      flush();
      continue;
    }
    run.push_back({int(std::lround(PointX(p, points, plot, false))),
                   int(std::lround(y.Pixel(v, plot.bottom, plot.top)))});
  }
  flush();
}

void DrawArea(HDC dc, const ChartModel& m, size_t s, const Box& plot, const AxisScale& y,
              size_t points, double baseY) {
  std::vector<POINT> poly;
  for (size_t p = 0; p < points; ++p) {
    const double v = m.Value(int32_t(s), int32_t(p));
    if (!std::isfinite(y.Fraction(v))) continue;
    const LONG x = LONG(std::lround(PointX(p, points, plot, false)));
    if (poly.empty()) poly.push_back({x, LONG(std::lround(baseY))});
    poly.push_back({x, LONG(std::lround(y.Pixel(v, plot.bottom, plot.top)))});
  }
  if (poly.size() < 2) return;
  poly.push_back({poly.back().x, LONG(std::lround(baseY))});
  Polygon(dc, poly.data(), int(poly.size()));
}

void DrawPie(HDC dc, const ChartModel& m, const Appearance& look, const Box& plot) {
  const size_t points = m.PointCount();
  std::vector<double> values(points);
  std::vector<int> distances(points);
  for (size_t p = 0; p < points; ++p) {
    values[p] = m.Value(0, int32_t(p));
    distances[p] = m.SliceDistance(0, int32_t(p));
  }
  int pad = 0;
  for (int d : distances) pad = std::max(pad, d);
  const int radius = std::max(1, std::min(plot.Width(), plot.Height()) / 2 - pad);
  const int cx = plot.left + plot.Width() / 2, cy = plot.top + plot.Height() / 2;
  HPEN pen = CreatePen(PS_SOLID, 1, 0xFFFFFF);
  Selected sp(dc, pen);
  for (const PieSlice& s : PieSlices(values, distances)) {
    const int x = cx + s.dx, y = cy + s.dy;
    Selected sb(dc, CreateSolidBrush(SeriesColour(look, s.point)));
    const double a0 = s.start * kPi / 180, a1 = (s.start + s.sweep) * kPi / 180;
    if (s.sweep >= 359.999) {
      Ellipse(dc, x - radius, y - radius, x + radius, y + radius);
      continue;
    }
    // Pie runs counter-clockwise from its first radial point to its second.
    Pie(dc, x - radius, y - radius, x + radius, y + radius,
        x + int(std::lround(std::cos(a0) * radius)), y - int(std::lround(std::sin(a0) * radius)),
        x + int(std::lround(std::cos(a1) * radius)), y - int(std::lround(std::sin(a1) * radius)));
  }
}

}  // namespace

void PaintChart(HDC dc, const RECT& rc, const ChartModel& m) {
  const Appearance& look = m.Look();
  const Box chart{rc.left, rc.top, rc.right, rc.bottom};
  Fill(dc, chart, look.background);
  Selected font(dc, GetStockObject(DEFAULT_GUI_FONT), false);
  TEXTMETRICW tm;
  GetTextMetricsW(dc, &tm);
  TextMetrics text{std::max<int>(1, tm.tmAveCharWidth), std::max<int>(1, tm.tmHeight), {}};
  text.measure = [dc](const std::u16string& s) {
    const std::wstring w = Wide(s);
    SIZE size{};
    GetTextExtentPoint32W(dc, w.c_str(), int(w.size()), &size);
    return int(size.cx);
  };
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, 0);

  const size_t series = m.SeriesCount();
  const size_t points = m.PointCount();
  const bool loop = m.LoopMode() && look.bufferSize > 0;
  Range range;
  for (size_t s = 0; s < series; ++s)
    if (SeriesShown(look, s))
      for (size_t p = 0; p < points; ++p) range.Add(m.Value(int32_t(s), int32_t(p)));
  const AxisState& xAxis = look.axes[0];
  const AxisState& yAxis = look.axes[1];
  const AxisScale y(yAxis, range.lo, range.hi);
  size_t labelChars = 1;
  std::vector<std::wstring> yLabels;
  for (double t : y.Ticks()) {
    yLabels.push_back(Label(t, yAxis));
    labelChars = std::max(labelChars, yLabels.back().size());
  }
  const ChartLayout layout = LayOut(look, chart, text, int(labelChars));
  const Box& plot = layout.plot;
  const bool pie = look.gallery == kPie;

  size_t title = 0;
  for (const TitleState& t : look.titles) {
    if (t.text.empty()) continue;
    const Box& b = layout.titles[title++];
    RECT r = {b.left, b.top, b.right, b.bottom};
    const std::wstring s = Wide(t.text);
    DrawTextW(dc, s.c_str(), int(s.size()), &r, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
  }

  if (!pie) Fill(dc, plot, look.plotBackground);
  if (!pie && (yAxis.gridLines || (look.grid & kGridHorz))) {
    Selected pen(dc, CreatePen(PS_SOLID, 1, yAxis.gridColour));
    for (double t : y.Ticks()) {
      const int py = int(std::lround(y.Pixel(t, plot.bottom, plot.top)));
      Line(dc, plot.left, py, plot.right, py);
    }
  }
  const bool bars = look.gallery == kBars;
  // X labels every `every` points, so that they do not run into each other.
  const size_t xPoints = loop ? size_t(look.bufferSize) : points;
  size_t every = xAxis.step >= 1 ? size_t(xAxis.step) : 1;
  const int slot = xPoints ? plot.Width() / int(std::max<size_t>(xPoints, 1)) : 0;
  while (every < xPoints && int(every) * std::max(slot, 1) < text.charWidth * 6) every *= 2;
  if (!pie && (xAxis.gridLines || (look.grid & kGridVert)) && xPoints) {
    Selected pen(dc, CreatePen(PS_SOLID, 1, xAxis.gridColour));
    for (size_t p = 0; p < xPoints; p += every) {
      const int px = int(std::lround(PointX(p, xPoints, plot, bars)));
      Line(dc, px, plot.top, px, plot.bottom);
    }
  }

  // Series: clipped to the plot, where fixed axis ranges may cut them.
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, plot.left, plot.top, plot.right + 1, plot.bottom + 1);
  const double zeroY =
      y.IsLog() ? plot.bottom : y.Pixel(std::clamp(0.0, y.Min(), y.Max()), plot.bottom, plot.top);
  if (pie) {
    DrawPie(dc, m, look, plot);
  } else {
    size_t shown = 0, index = 0;
    for (size_t s = 0; s < series; ++s) shown += SeriesShown(look, s);
    for (size_t s = 0; s < series; ++s) {
      if (!SeriesShown(look, s)) continue;
      const Colour c = SeriesColour(look, s);
      if (bars) {
        HBRUSH brush = CreateSolidBrush(c);
        for (size_t p = 0; p < points; ++p) {
          const double v = m.Value(int32_t(s), int32_t(p));
          if (!std::isfinite(y.Fraction(v))) continue;
          const Box b = BarBox(p, points, index, shown, plot, look.itemWidth, zeroY,
                               y.Pixel(v, plot.bottom, plot.top));
          const RECT r = {b.left, b.top, b.right, b.bottom};
          FillRect(dc, &r, brush);
        }
        DeleteObject(brush);
      } else if (look.gallery == kArea) {
        Selected pen(dc, CreatePen(PS_SOLID, 1, c));
        Selected brush(dc, CreateSolidBrush(c));
        DrawArea(dc, m, s, plot, y, xPoints, zeroY);
      } else {
        Selected pen(dc, CreatePen(PS_SOLID, xPoints > 2000 ? 1 : 2, c));
        DrawLine(dc, m, s, plot, y, xPoints, loop ? m.LoopPos() : size_t(-1));
      }
      ++index;
    }
  }
  RestoreDC(dc, saved);

  if (!pie) {
    Selected pen(dc, CreatePen(PS_SOLID, 1, 0));
    if (yAxis.visible) {
      Line(dc, plot.left, plot.top, plot.left, plot.bottom + 1);
      for (size_t i = 0; i < y.Ticks().size(); ++i) {
        const int py = int(std::lround(y.Pixel(y.Ticks()[i], plot.bottom, plot.top)));
        Line(dc, plot.left - 3, py, plot.left, py);
        RECT r = {chart.left, py - text.lineHeight / 2, plot.left - 5, py + text.lineHeight / 2};
        DrawTextW(dc, yLabels[i].c_str(), int(yLabels[i].size()), &r,
                  DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
      }
    }
    if (xAxis.visible) {
      Line(dc, plot.left, plot.bottom, plot.right + 1, plot.bottom);
      for (size_t p = 0; p < xPoints; p += every) {
        const int px = int(std::lround(PointX(p, xPoints, plot, bars)));
        Line(dc, px, plot.bottom, px, plot.bottom + 3);
        const std::wstring s =
            p < look.legend.size() ? Wide(look.legend[p]) : std::to_wstring(p + 1);
        RECT r = {px - slot * int(every) / 2 - 40, plot.bottom + 4, px + slot * int(every) / 2 + 40,
                  plot.bottom + 4 + text.lineHeight};
        DrawTextW(dc, s.c_str(), int(s.size()), &r, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
      }
    }
    if (loop && xPoints) {
      Selected marker(dc, CreatePen(PS_SOLID, 2, look.loopColour));
      const int px = int(std::lround(PointX(m.LoopPos(), xPoints, plot, false)));
      Line(dc, px, plot.top, px, plot.bottom);
    }
  }

  if (look.serLegBox && !layout.legend.empty()) {
    const Box& b = layout.legendBox;
    Selected pen(dc, CreatePen(PS_SOLID, 1, 0x808080));
    Selected brush(dc, CreateSolidBrush(look.background));
    Rectangle(dc, b.left, b.top, b.right, b.bottom);
    for (const LegendEntry& e : layout.legend) {
      Fill(dc, e.swatch, SeriesColour(look, e.series));
      const std::wstring s = Wide(e.text);
      TextOutW(dc, e.textX, e.textY, s.c_str(), int(s.size()));
    }
  }
}

}  // namespace tkw::chart
