// Template files: a signature, a version, then records of (tag, length, payload) in little
// endian, closed by an end record. Unknown tags are skipped so that newer files still load.
#include "ChartTemplate.h"

#include <cmath>
#include <cstring>

namespace tkw::chart {

namespace {

const char kSignature[8] = {'T', 'K', 'W', 'C', 'H', 'T', '\r', '\n'};
constexpr uint16_t kVersion = 1;
constexpr size_t kMaxText = 1024;        // characters of one text
constexpr int32_t kMaxBuffer = 1 << 20;  // real-time buffer points

enum Tag : uint16_t {
  kEnd = 0,
  kChart = 1,
  kAxis = 2,
  kSeries = 3,
  kTitle = 4,
  kLegend = 5,
  kSlice = 6
};

class Writer {
 public:
  void U16(uint16_t v) { Raw(&v, 2); }
  void I32(int32_t v) { Raw(&v, 4); }
  void F64(double v) { Raw(&v, 8); }
  void Text(const std::u16string& s) {
    const size_t n = std::min(s.size(), kMaxText);
    I32(int32_t(n));
    for (size_t i = 0; i < n; ++i) U16(uint16_t(s[i]));
  }
  // Records are written whole: the length is patched in once the payload is known.
  void Begin(Tag tag) {
    U16(tag);
    m_lengthAt = bytes.size();
    I32(0);
  }
  void End() {
    const int32_t n = int32_t(bytes.size() - m_lengthAt - 4);
    std::memcpy(&bytes[m_lengthAt], &n, 4);
  }
  std::vector<uint8_t> bytes;

 private:
  void Raw(const void* p, size_t n) {
    // Little endian on every platform the component is built for.
    const uint8_t* b = static_cast<const uint8_t*>(p);
    bytes.insert(bytes.end(), b, b + n);
  }
  size_t m_lengthAt = 0;
};

class Reader {
 public:
  Reader(const uint8_t* p, size_t n) : m_p(p), m_n(n) {}
  bool U16(uint16_t& v) { return Raw(&v, 2); }
  bool I32(int32_t& v) { return Raw(&v, 4); }
  bool F64(double& v) { return Raw(&v, 8) && std::isfinite(v); }
  bool Bool(bool& v) {
    int32_t i = 0;
    if (!I32(i) || (i != 0 && i != 1)) return false;
    v = i != 0;
    return true;
  }
  bool Index(int32_t& v) { return I32(v) && v >= 0 && v < ChartModel::kMaxItems; }
  bool Text(std::u16string& s) {
    int32_t n = 0;
    if (!I32(n) || n < 0 || size_t(n) > kMaxText || size_t(n) * 2 > Left()) return false;
    s.resize(size_t(n));
    for (auto& c : s) {
      uint16_t u = 0;
      U16(u);
      c = char16_t(u);
    }
    return true;
  }
  size_t Left() const { return m_n - m_at; }
  const uint8_t* Here() const { return m_p + m_at; }
  void Skip(size_t n) { m_at += n; }

 private:
  bool Raw(void* v, size_t n) {
    if (Left() < n) return false;
    std::memcpy(v, m_p + m_at, n);
    m_at += n;
    return true;
  }
  const uint8_t* m_p;
  size_t m_n, m_at = 0;
};

template <typename T>
T& At(std::vector<T>& v, int32_t i) {
  if (size_t(i) >= v.size()) v.resize(size_t(i) + 1);
  return v[size_t(i)];
}

bool ReadChart(Reader& r, Appearance& a) {
  int32_t* words[] = {&a.gallery, &a.galleryEx,      &a.type,          &a.typeEx,
                      &a.grid,    &a.exportTemplate, &a.pointType,     &a.markerSize,
                      &a.chart3D, &a.itemWidth,      &a.gaps[0],       &a.gaps[1],
                      &a.gaps[2], &a.gaps[3],        &a.realTimeStyle, &a.bufferSize};
  for (int32_t* w : words)
    if (!r.I32(*w)) return false;
  int32_t bk = 0, plotBk = 0, loop = 0;
  if (!r.I32(bk) || !r.I32(plotBk) || !r.I32(loop)) return false;
  a.background = Colour(bk), a.plotBackground = Colour(plotBk), a.loopColour = Colour(loop);
  return r.Bool(a.toolBar) && r.Bool(a.serLegBox) && r.Bool(a.dataEditor) && r.F64(a.hidden) &&
         a.bufferSize >= 0 && a.bufferSize <= kMaxBuffer;
}

bool ReadAxis(Reader& r, Appearance& a) {
  int32_t i = 0, colour = 0;
  if (!r.Index(i)) return false;
  AxisState& x = At(a.axes, i);
  return r.F64(x.min) && r.F64(x.max) && r.F64(x.step) && r.F64(x.scaleUnit) && r.F64(x.logBase) &&
         r.I32(x.decimals) && r.I32(x.pixPerUnit) && r.I32(x.style) && r.I32(colour) &&
         r.Bool(x.gridLines) && r.Bool(x.visible) && x.decimals >= 0 && x.decimals <= 15 &&
         (x.gridColour = Colour(colour), true);
}

bool ReadRecord(Tag tag, Reader& r, Appearance& a) {
  int32_t i = 0, v = 0;
  switch (tag) {
    case kChart: return ReadChart(r, a);
    case kAxis: return ReadAxis(r, a);
    case kSeries: {
      if (!r.Index(i)) return false;
      SeriesState& s = At(a.series, i);
      return r.I32(v) && (s.colour = Colour(v), r.Bool(s.visible)) && r.Text(s.legend);
    }
    case kTitle: {
      if (!r.Index(i)) return false;
      TitleState& t = At(a.titles, i);
      return r.I32(t.index) && r.Text(t.text);
    }
    case kLegend: return r.Index(i) && r.Text(At(a.legend, i));
    case kSlice: {
      SeparatedSlice s;
      if (!r.I32(s.series) || !r.I32(s.point) || !r.I32(s.distance) ||
          a.slices.size() >= size_t(ChartModel::kMaxItems))
        return false;
      a.slices.push_back(s);
      return true;
    }
    default: return true;  // a newer record: skipped whole by the caller
  }
}

}  // namespace

std::vector<uint8_t> WriteTemplate(const Appearance& a) {
  Writer w;
  for (char c : kSignature) w.bytes.push_back(uint8_t(c));
  w.U16(kVersion);
  w.Begin(kChart);
  for (int32_t v : {a.gallery,
                    a.galleryEx,
                    a.type,
                    a.typeEx,
                    a.grid,
                    a.exportTemplate,
                    a.pointType,
                    a.markerSize,
                    a.chart3D,
                    a.itemWidth,
                    a.gaps[0],
                    a.gaps[1],
                    a.gaps[2],
                    a.gaps[3],
                    a.realTimeStyle,
                    a.bufferSize,
                    int32_t(a.background),
                    int32_t(a.plotBackground),
                    int32_t(a.loopColour),
                    int32_t(a.toolBar),
                    int32_t(a.serLegBox),
                    int32_t(a.dataEditor)})
    w.I32(v);
  w.F64(a.hidden);
  w.End();
  for (size_t i = 0; i < a.axes.size() && i < size_t(ChartModel::kMaxItems); ++i) {
    const AxisState& x = a.axes[i];
    w.Begin(kAxis);
    w.I32(int32_t(i));
    for (double d : {x.min, x.max, x.step, x.scaleUnit, x.logBase}) w.F64(d);
    for (int32_t v : {x.decimals, x.pixPerUnit, x.style, int32_t(x.gridColour),
                      int32_t(x.gridLines), int32_t(x.visible)})
      w.I32(v);
    w.End();
  }
  for (size_t i = 0; i < a.series.size() && i < size_t(ChartModel::kMaxItems); ++i) {
    w.Begin(kSeries);
    w.I32(int32_t(i));
    w.I32(int32_t(a.series[i].colour));
    w.I32(a.series[i].visible);
    w.Text(a.series[i].legend);
    w.End();
  }
  for (size_t i = 0; i < a.titles.size() && i < size_t(ChartModel::kMaxItems); ++i) {
    w.Begin(kTitle);
    w.I32(int32_t(i));
    w.I32(a.titles[i].index);
    w.Text(a.titles[i].text);
    w.End();
  }
  for (size_t i = 0; i < a.legend.size() && i < size_t(ChartModel::kMaxItems); ++i) {
    w.Begin(kLegend);
    w.I32(int32_t(i));
    w.Text(a.legend[i]);
    w.End();
  }
  for (size_t i = 0; i < a.slices.size() && i < size_t(ChartModel::kMaxItems); ++i) {
    w.Begin(kSlice);
    for (int32_t v : {a.slices[i].series, a.slices[i].point, a.slices[i].distance}) w.I32(v);
    w.End();
  }
  w.Begin(kEnd);
  w.End();
  return std::move(w.bytes);
}

TemplateResult ReadTemplate(const uint8_t* data, size_t size, Appearance& out) {
  TemplateResult result;
  if (size > kMaxTemplateBytes) {
    result.error = "the template is larger than 10 MB";
    return result;
  }
  if (!data || size < sizeof kSignature || std::memcmp(data, kSignature, sizeof kSignature) != 0) {
    result.error = "not a chart template";
    return result;
  }
  Reader r(data + sizeof kSignature, size - sizeof kSignature);
  uint16_t version = 0;
  if (!r.U16(version)) {
    result.error = "the template is truncated";
    return result;
  }
  if (version != kVersion) {
    result.error = "unsupported template version " + std::to_string(version);
    return result;
  }
  Appearance a;
  a.axes.resize(2);
  for (size_t n = 1;; ++n) {
    uint16_t tag = 0;
    int32_t length = 0;
    if (!r.U16(tag) || !r.I32(length) || length < 0 || size_t(length) > r.Left()) {
      result.error = "the template is truncated at record " + std::to_string(n);
      return result;
    }
    if (tag == kEnd) {
      if (length != 0 || r.Left() != 0) {
        result.error = "data after the end of the template";
        return result;
      }
      break;
    }
    // Each record is read from its own bounds: it can neither overrun nor leave bytes unread.
    Reader body(r.Here(), size_t(length));
    if (!ReadRecord(Tag(tag), body, a) || (tag <= kSlice && body.Left() != 0)) {
      result.error =
          "record " + std::to_string(n) + " (tag " + std::to_string(tag) + ") is malformed";
      return result;
    }
    r.Skip(size_t(length));
  }
  out = std::move(a);
  result.ok = true;
  return result;
}

}  // namespace tkw::chart
