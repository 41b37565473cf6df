// The chart component's state without a window: appearance, axes, series, titles, legend,
// values and the real-time buffer.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tkw::chart {

using Colour = uint32_t;  // 0x00BBGGRR, as a COLORREF

// Chart kinds the component draws.
enum Gallery : int32_t { kLines = 1, kBars = 2, kArea = 3, kPie = 4 };

// Data-loading types of OpenData/CloseData.
enum DataType : int32_t {
  kLoadValues = 1,        // n1 series, n2 points: the value table takes that shape
  kLoadAddPoints = 0x100  // with kLoadValues: n2 new points go into the real-time buffer
};

// Flags of ClearData.
enum ClearFlags : int32_t { kClearConstantLines = 0x10, kClearValues = 0x4000000 };

// Bits of the grid word.
enum GridFlags : int32_t { kGridHorz = 1, kGridVert = 2 };

// Bits of the real-time style word.
enum RealTimeFlags : int32_t { kRealTimeLoopPos = 4 };

struct AxisState {
  double min = 0, max = 0;  // min == max: scaled from the values
  double step = 0;          // 0: a nice step is chosen
  double scaleUnit = 1;     // values are divided by it for labels
  double logBase = 0;       // > 1: logarithmic
  int32_t decimals = 0;
  int32_t pixPerUnit = 0;  // X axis: pixels between points, 0 = spread over the plot
  int32_t style = 0;       // OR-able flag word
  Colour gridColour = 0xC0C0C0;
  bool gridLines = false;
  bool visible = true;
};

struct SeriesState {
  std::u16string legend;
  Colour colour = 0;
  bool visible = true;
};

struct TitleState {
  std::u16string text;
  int32_t index = 0;
};

struct SeparatedSlice {
  int32_t series = 0, point = 0, distance = 0;
};

// Everything a template keeps: the chart's look, not its values.
struct Appearance {
  int32_t gallery = kLines, galleryEx = 0;
  int32_t type = 0, typeEx = 0, grid = 0, exportTemplate = 0;
  int32_t pointType = 0, markerSize = 3, chart3D = 0, itemWidth = 0;
  Colour background = 0xFFFFFF, plotBackground = 0xFFFFFF;
  int32_t gaps[4] = {8, 8, 8, 8};  // left, top, right, bottom, in pixels
  bool toolBar = false, serLegBox = false, dataEditor = false;
  double hidden = 0;
  std::vector<AxisState> axes;  // 0: X, 1: Y
  std::vector<SeriesState> series;
  std::vector<TitleState> titles;
  std::vector<std::u16string> legend;  // point labels along the X axis
  std::vector<SeparatedSlice> slices;
  int32_t realTimeStyle = 0;
  int32_t bufferSize = 0;
  Colour loopColour = 0x0000FF;
};

// Series colours a new series starts with.
Colour DefaultSeriesColour(size_t index);

class ChartModel {
 public:
  ChartModel();

  Appearance& Look() { return m_look; }
  const Appearance& Look() const { return m_look; }
  void SetLook(Appearance look);

  AxisState& Axis(size_t i);      // grows the axis list
  SeriesState& Series(size_t i);  // grows the series list
  TitleState& Title(size_t i);
  std::u16string& Legend(size_t i);
  void SeparateSlice(int32_t series, int32_t point, int32_t distance);
  int32_t SliceDistance(int32_t series, int32_t point) const;

  // Data loading: OpenData shapes the value table, SetValue fills it, CloseData ends it.
  bool OpenData(int32_t type, int32_t n1, int32_t n2);
  bool CloseData(int32_t type);
  bool SetValue(int32_t series, int32_t point, double value);
  double Value(int32_t series, int32_t point) const;  // NaN outside the table
  void Clear(int32_t flags);
  void SetBufferSize(int32_t n);

  size_t SeriesCount() const { return m_nSeries; }
  size_t PointCount() const { return m_nPoints; }
  // Real-time: the buffer position the next point goes to (the loop marker's place).
  size_t LoopPos() const { return m_loopPos; }
  bool LoopMode() const { return (m_look.realTimeStyle & kRealTimeLoopPos) != 0; }
  bool Loading() const { return m_openType != 0; }

  // Largest value table accepted: a chart with more cells is refused, not allocated.
  static constexpr size_t kMaxCells = size_t(1) << 26;
  static constexpr int32_t kMaxItems = 4096;  // series, titles, axes, legend entries

 private:
  void Reshape(size_t series, size_t points);

  Appearance m_look;
  std::vector<double> m_values;  // series-major
  size_t m_nSeries = 0, m_nPoints = 0;
  size_t m_loopPos = 0;
  int32_t m_openType = 0;
  size_t m_newPoints = 0;   // points being added by an open real-time load
  bool m_loopLoad = false;  // they go in at the loop position
};

}  // namespace tkw::chart
