// Failures of the chart component raised as COM error exceptions.
#pragma once
#include <windows.h>

namespace tkw {

// Throws a _com_error carrying hr and the component's error description, or one naming the
// chart's interface when the component left none.
[[noreturn]] void RaiseChartError(HRESULT hr);

inline void CheckChart(HRESULT hr) {
  if (FAILED(hr)) RaiseChartError(hr);
}

// Makes the chart component's manifest (tkwchart.manifest beside this library) the current
// activation context for the object's lifetime, so that the component is created without
// being registered. Without the manifest, creation relies on the registry.
class ChartActivation {
 public:
  ChartActivation();
  ~ChartActivation();
  ChartActivation(const ChartActivation&) = delete;
  ChartActivation& operator=(const ChartActivation&) = delete;

 private:
  ULONG_PTR m_cookie = 0;
  bool m_active = false;
};

}  // namespace tkw
