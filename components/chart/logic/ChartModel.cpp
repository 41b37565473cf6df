// The chart component's state: value table, real-time buffer and growing indexed collections.
#include "ChartModel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tkw::chart {

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename T>
T& Grow(std::vector<T>& v, size_t i) {
  if (i >= v.size()) v.resize(i + 1);
  return v[i];
}
}  // namespace

Colour DefaultSeriesColour(size_t index) {
  static const Colour kColours[] = {0x00B05A1E, 0x00286EF0, 0x0032A028, 0x002828D2,
                                    0x00A05096, 0x0000B4D2, 0x00787878, 0x00B4B400};
  return kColours[index % (sizeof kColours / sizeof kColours[0])];
}

ChartModel::ChartModel() {
  m_look.axes.resize(2);
}

void ChartModel::SetLook(Appearance look) {
  if (look.axes.size() < 2) look.axes.resize(2);
  m_look = std::move(look);
  SetBufferSize(m_look.bufferSize);
}

AxisState& ChartModel::Axis(size_t i) {
  return Grow(m_look.axes, i);
}

SeriesState& ChartModel::Series(size_t i) {
  const size_t old = m_look.series.size();
  SeriesState& s = Grow(m_look.series, i);
  for (size_t k = old; k < m_look.series.size(); ++k)
    m_look.series[k].colour = DefaultSeriesColour(k);
  return s;
}

TitleState& ChartModel::Title(size_t i) {
  return Grow(m_look.titles, i);
}

std::u16string& ChartModel::Legend(size_t i) {
  return Grow(m_look.legend, i);
}

void ChartModel::SeparateSlice(int32_t series, int32_t point, int32_t distance) {
  for (SeparatedSlice& s : m_look.slices)
    if (s.series == series && s.point == point) {
      s.distance = distance;
      return;
    }
  m_look.slices.push_back({series, point, distance});
}

int32_t ChartModel::SliceDistance(int32_t series, int32_t point) const {
  for (const SeparatedSlice& s : m_look.slices)
    if (s.series == series && s.point == point) return s.distance;
  return 0;
}

void ChartModel::Reshape(size_t series, size_t points) {
  if (series == m_nSeries && points == m_nPoints) return;
  std::vector<double> values(series * points, kNaN);
  for (size_t s = 0; s < std::min(series, m_nSeries); ++s)
    for (size_t p = 0; p < std::min(points, m_nPoints); ++p)
      values[s * points + p] = m_values[s * m_nPoints + p];
  m_values.swap(values);
  m_nSeries = series;
  m_nPoints = points;
}

bool ChartModel::OpenData(int32_t type, int32_t n1, int32_t n2) {
  if (!(type & kLoadValues) || n1 < 0 || n2 < 0 || n1 > kMaxItems) return false;
  const size_t series = size_t(n1);
  if (type & kLoadAddPoints) {
    const size_t added = size_t(n2);
    const size_t capacity = m_look.bufferSize > 0 ? size_t(m_look.bufferSize) : 0;
    if (capacity && added > capacity) return false;
    m_loopLoad = LoopMode() && capacity;
    if (m_loopLoad) {
      if (series * capacity > kMaxCells) return false;
      Reshape(series, capacity);
    } else {
      // A scrolling buffer keeps its newest points and drops the oldest to make room.
      size_t keep = m_nPoints;
      if (capacity && keep + added > capacity) keep = capacity - added;
      const size_t points = keep + added;
      if (series * points > kMaxCells) return false;
      std::vector<double> values(series * points, kNaN);
      for (size_t s = 0; s < std::min(series, m_nSeries); ++s)
        std::copy_n(m_values.data() + s * m_nPoints + (m_nPoints - keep), keep,
                    values.data() + s * points);
      m_values.swap(values);
      m_nSeries = series;
      m_nPoints = points;
    }
    m_newPoints = added;
  } else {
    if (series * size_t(n2) > kMaxCells) return false;
    m_values.assign(series * size_t(n2), kNaN);
    m_nSeries = series;
    m_nPoints = size_t(n2);
    m_loopPos = 0;
    m_newPoints = 0;
  }
  m_openType = type;
  return true;
}

bool ChartModel::CloseData(int32_t type) {
  if (!m_openType || type != m_openType) return false;
  if ((m_openType & kLoadAddPoints) && m_loopLoad && m_nPoints)
    m_loopPos = (m_loopPos + m_newPoints) % m_nPoints;
  m_openType = 0;
  m_newPoints = 0;
  return true;
}

bool ChartModel::SetValue(int32_t series, int32_t point, double value) {
  if (series < 0 || point < 0 || size_t(series) >= m_nSeries) return false;
  size_t slot = size_t(point);
  if (m_openType & kLoadAddPoints) {
    if (slot >= m_newPoints) return false;
    slot = m_loopLoad ? (m_loopPos + slot) % m_nPoints : m_nPoints - m_newPoints + slot;
  }
  if (slot >= m_nPoints) return false;
  m_values[size_t(series) * m_nPoints + slot] = value;
  return true;
}

double ChartModel::Value(int32_t series, int32_t point) const {
  if (series < 0 || point < 0 || size_t(series) >= m_nSeries || size_t(point) >= m_nPoints)
    return kNaN;
  return m_values[size_t(series) * m_nPoints + size_t(point)];
}

void ChartModel::Clear(int32_t flags) {
  if (flags & kClearValues) {
    m_values.clear();
    m_nSeries = m_nPoints = m_loopPos = m_newPoints = 0;
    m_openType = 0;
  }
}

void ChartModel::SetBufferSize(int32_t n) {
  m_look.bufferSize = std::max<int32_t>(0, n);
  if (m_look.bufferSize && m_nPoints > size_t(m_look.bufferSize))
    Reshape(m_nSeries, size_t(m_look.bufferSize));
  if (m_nPoints)
    m_loopPos %= m_nPoints;
  else
    m_loopPos = 0;
}

}  // namespace tkw::chart
