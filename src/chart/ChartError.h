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

}  // namespace tkw
