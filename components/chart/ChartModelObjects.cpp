// The objects of the chart's model: axes, series, titles, legend, values and real-time
// settings. Each keeps the chart alive and reads or writes its model in place.
#include <algorithm>

#include "ChartObject.h"

namespace tkw::chart {

namespace {

constexpr long kMaxAxes = 16;

VARIANT_BOOL Vb(bool b) {
  return b ? VARIANT_TRUE : VARIANT_FALSE;
}

template <typename T, typename U>
HRESULT Get(T* p, U value) {
  if (!p) return E_POINTER;
  *p = T(value);
  return S_OK;
}

HRESULT GetText(BSTR* p, const std::u16string& s) {
  if (!p) return E_POINTER;
  *p = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(s.data()), UINT(s.size()));
  return *p || s.empty() ? S_OK : E_OUTOFMEMORY;
}

std::u16string Text(BSTR b) {
  return std::u16string(reinterpret_cast<const char16_t*>(b), b ? SysStringLen(b) : 0);
}

bool ValidIndex(long i, long limit = ChartModel::kMaxItems) {
  return i >= 0 && i < limit;
}

// A model object: keeps the chart, and the chart's model, alive while a caller holds it.
template <class Itf>
class Part : public DispatchObject<Itf> {
 public:
  explicit Part(ChartObject* chart, long index = 0) : m_chart(chart), m_index(index) {
    static_cast<_Chart*>(m_chart)->AddRef();
  }
  ~Part() override { static_cast<_Chart*>(m_chart)->Release(); }

 protected:
  ChartModel& Model() { return m_chart->Model(); }
  // Stores a value and redraws.
  template <typename T, typename U>
  HRESULT Put(T& field, U value) {
    field = T(value);
    m_chart->Changed();
    return S_OK;
  }
  ChartObject* m_chart;
  long m_index;
};

class AxisFormat : public Part<IAxisFormat> {
 public:
  using Part::Part;
  STDMETHODIMP get_Decimals(LONG* p) override {
    return Get(p, Model().Axis(size_t(m_index)).decimals);
  }
  STDMETHODIMP put_Decimals(LONG v) override {
    if (v < 0 || v > 15) return E_INVALIDARG;
    return Put(Model().Axis(size_t(m_index)).decimals, v);
  }
};

class Axis : public Part<IAxis> {
 public:
  using Part::Part;
  AxisState& A() { return Model().Axis(size_t(m_index)); }
  STDMETHODIMP get_Max(double* p) override { return Get(p, A().max); }
  STDMETHODIMP put_Max(double v) override { return Put(A().max, v); }
  STDMETHODIMP get_Min(double* p) override { return Get(p, A().min); }
  STDMETHODIMP put_Min(double v) override { return Put(A().min, v); }
  STDMETHODIMP get_Step(double* p) override { return Get(p, A().step); }
  STDMETHODIMP put_Step(double v) override { return Put(A().step, v); }
  STDMETHODIMP get_ScaleUnit(double* p) override { return Get(p, A().scaleUnit); }
  STDMETHODIMP put_ScaleUnit(double v) override { return Put(A().scaleUnit, v); }
  STDMETHODIMP get_LogBase(double* p) override { return Get(p, A().logBase); }
  STDMETHODIMP put_LogBase(double v) override { return Put(A().logBase, v); }
  STDMETHODIMP get_PixPerUnit(LONG* p) override { return Get(p, A().pixPerUnit); }
  STDMETHODIMP put_PixPerUnit(LONG v) override { return Put(A().pixPerUnit, v); }
  STDMETHODIMP get_Style(LONG* p) override { return Get(p, A().style); }
  STDMETHODIMP put_Style(LONG v) override { return Put(A().style, v); }
  STDMETHODIMP get_Visible(VARIANT_BOOL* p) override { return Get(p, Vb(A().visible)); }
  STDMETHODIMP put_Visible(VARIANT_BOOL v) override { return Put(A().visible, v != VARIANT_FALSE); }
  STDMETHODIMP get_GridLines(VARIANT_BOOL* p) override { return Get(p, Vb(A().gridLines)); }
  STDMETHODIMP put_GridLines(VARIANT_BOOL v) override {
    return Put(A().gridLines, v != VARIANT_FALSE);
  }
  STDMETHODIMP get_GridColor(LONG* p) override { return Get(p, A().gridColour); }
  STDMETHODIMP put_GridColor(LONG v) override { return Put(A().gridColour, v); }
  STDMETHODIMP get_Format(IAxisFormat** p) override {
    return MakeObject<AxisFormat>(p, m_chart, m_index);
  }
};

class AxisCollection : public Part<IAxisCollection> {
 public:
  using Part::Part;
  STDMETHODIMP get_Item(LONG i, IAxis** p) override {
    return ValidIndex(i, kMaxAxes) ? NewAxis(m_chart, i, p) : E_INVALIDARG;
  }
  STDMETHODIMP get_Count(LONG* p) override { return Get(p, Model().Look().axes.size()); }
};

class Series : public Part<ISeries> {
 public:
  using Part::Part;
  SeriesState& S() { return Model().Series(size_t(m_index)); }
  STDMETHODIMP get_Visible(VARIANT_BOOL* p) override { return Get(p, Vb(S().visible)); }
  STDMETHODIMP put_Visible(VARIANT_BOOL v) override { return Put(S().visible, v != VARIANT_FALSE); }
  STDMETHODIMP get_Legend(BSTR* p) override { return GetText(p, S().legend); }
  STDMETHODIMP put_Legend(BSTR v) override { return Put(S().legend, Text(v)); }
  STDMETHODIMP get_Color(LONG* p) override { return Get(p, S().colour); }
  STDMETHODIMP put_Color(LONG v) override { return Put(S().colour, v); }
};

// The series the chart knows: those named by the look and those holding values.
size_t SeriesCount(ChartModel& m) {
  return std::max(m.Look().series.size(), m.SeriesCount());
}

class SeriesCollection : public Part<ISeriesCollection> {
 public:
  using Part::Part;
  STDMETHODIMP get_Item(LONG i, ISeries** p) override {
    return ValidIndex(i) ? MakeObject<Series>(p, m_chart, i) : E_INVALIDARG;
  }
  STDMETHODIMP get_Count(LONG* p) override { return Get(p, SeriesCount(Model())); }
};

class Title : public Part<ITitle> {
 public:
  using Part::Part;
  TitleState& T() { return Model().Title(size_t(m_index)); }
  STDMETHODIMP get_Text(BSTR* p) override { return GetText(p, T().text); }
  STDMETHODIMP put_Text(BSTR v) override { return Put(T().text, Text(v)); }
  STDMETHODIMP get_Index(LONG* p) override { return Get(p, T().index); }
  STDMETHODIMP put_Index(LONG v) override { return Put(T().index, v); }
};

class TitleCollection : public Part<ITitleCollection> {
 public:
  using Part::Part;
  STDMETHODIMP get_Item(LONG i, ITitle** p) override {
    return ValidIndex(i) ? MakeObject<Title>(p, m_chart, i) : E_INVALIDARG;
  }
  STDMETHODIMP get_Count(LONG* p) override { return Get(p, Model().Look().titles.size()); }
};

class LegendList : public Part<IStringList> {
 public:
  using Part::Part;
  STDMETHODIMP get_Item(LONG i, BSTR* p) override {
    return ValidIndex(i) ? GetText(p, Model().Legend(size_t(i))) : E_INVALIDARG;
  }
  STDMETHODIMP put_Item(LONG i, BSTR v) override {
    return ValidIndex(i) ? Put(Model().Legend(size_t(i)), Text(v)) : E_INVALIDARG;
  }
  STDMETHODIMP get_Count(LONG* p) override { return Get(p, Model().Look().legend.size()); }
};

class Values : public Part<IValues> {
 public:
  using Part::Part;
  STDMETHODIMP get_Item(LONG s, LONG i, double* p) override { return Get(p, Model().Value(s, i)); }
  STDMETHODIMP put_Item(LONG s, LONG i, double v) override {
    // Values are set while data is open; the window redraws when the load is closed.
    return Model().SetValue(s, i, v) ? S_OK
                                     : Fail(E_INVALIDARG, L"The point lies outside the open data.");
  }
};

class LoopMarker : public Part<ILoopMarker> {
 public:
  using Part::Part;
  STDMETHODIMP get_Color(LONG* p) override { return Get(p, Model().Look().loopColour); }
  STDMETHODIMP put_Color(LONG v) override { return Put(Model().Look().loopColour, v); }
};

class RealTime : public Part<IRealTime> {
 public:
  using Part::Part;
  STDMETHODIMP get_BufferSize(LONG* p) override { return Get(p, Model().Look().bufferSize); }
  STDMETHODIMP put_BufferSize(LONG v) override {
    if (v < 0 || size_t(v) > ChartModel::kMaxCells) return E_INVALIDARG;
    Model().SetBufferSize(v);
    m_chart->Changed();
    return S_OK;
  }
  STDMETHODIMP get_Style(LONG* p) override { return Get(p, Model().Look().realTimeStyle); }
  STDMETHODIMP put_Style(LONG v) override { return Put(Model().Look().realTimeStyle, v); }
  STDMETHODIMP get_LoopMarker(ILoopMarker** p) override {
    return MakeObject<LoopMarker>(p, m_chart);
  }
  STDMETHODIMP get_LoopPos(LONG* p) override { return Get(p, Model().LoopPos()); }
};

}  // namespace

HRESULT NewAxis(ChartObject* chart, long index, IAxis** pp) {
  return MakeObject<Axis>(pp, chart, index);
}
HRESULT NewAxisCollection(ChartObject* chart, IAxisCollection** pp) {
  return MakeObject<AxisCollection>(pp, chart);
}
HRESULT NewSeriesCollection(ChartObject* chart, ISeriesCollection** pp) {
  return MakeObject<SeriesCollection>(pp, chart);
}
HRESULT NewTitleCollection(ChartObject* chart, ITitleCollection** pp) {
  return MakeObject<TitleCollection>(pp, chart);
}
HRESULT NewLegendList(ChartObject* chart, IStringList** pp) {
  return MakeObject<LegendList>(pp, chart);
}
HRESULT NewValues(ChartObject* chart, IValues** pp) {
  return MakeObject<Values>(pp, chart);
}
HRESULT NewRealTime(ChartObject* chart, IRealTime** pp) {
  return MakeObject<RealTime>(pp, chart);
}

}  // namespace tkw::chart
