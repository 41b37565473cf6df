// The component windows over their controls, created, painted and destroyed many times over:
// every window, DC, pen, brush and font a cycle makes is gone when it ends, and so is every
// object of the component (its DllCanUnloadNow answers S_OK).
#include <afxwin.h>

#include <gtest/gtest.h>

#include <functional>

#include "FrameworkApp.h"
#include "Support.h"
#include "chart/NewChartFX.h"
#include "controls/QXDurationCtrl.h"

namespace {

// Creates one window of its kind on the parent, loads it with something to draw, paints it
// and destroys it; false when the window is not created.
using Cycle = std::function<bool(CWnd& parent)>;

bool ChartCycle(CWnd& parent) {
  CNewChartFX chart;
  if (!chart.Create(nullptr, L"chart", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 7,
                    nullptr))
    return false;
  chart.SetGallery(2);
  chart.OpenDataEx(1, 2, 5);
  for (int p = 0; p < 5; ++p) chart.SetValue(0, p, p), chart.SetValue(1, p, 5 - p);
  chart.CloseData(1);
  chart.SetSerLeg(0, L"up");
  chart.ShowSerLegBox();
  chart.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return chart.DestroyWindow() != FALSE;
}

bool DurationCycle(CWnd& parent) {
  CQXDurationCtrl duration;
  if (!duration.Create(nullptr, L"d", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 24), &parent, 8))
    return false;
  duration.SetTotalSeconds(90061);
  duration.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return duration.DestroyWindow() != FALSE;
}

// What the component's module says of its live objects and locks.
HRESULT CanUnload(const wchar_t* module) {
  const HMODULE h = ::GetModuleHandleW(module);
  if (!h) return E_FAIL;
  using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
  const auto canUnload = reinterpret_cast<CanUnloadNow>(
      reinterpret_cast<void*>(::GetProcAddress(h, "DllCanUnloadNow")));
  return canUnload ? canUnload() : E_FAIL;
}

TEST(ComponentWindows, AThousandCreateDestroyCyclesLeaveNoGuiOrComObjectBehind) {
  tks::FrameworkApp();
  CWnd parent;
  parent.Attach(tks::HostFrame());
  const struct {
    const char* name;
    const wchar_t* module;
    Cycle cycle;
  } kinds[] = {{"CNewChartFX", L"tkwchart.dll", ChartCycle},
               {"CQXDurationCtrl", L"tkwduration.dll", DurationCycle}};
  for (const auto& k : kinds) {
    SCOPED_TRACE(k.name);
    ASSERT_TRUE(k.cycle(parent)) << "not created";  // libraries load, caches warm up
    tks::PumpUntilIdle();
    TKS_EXPECT_NO_GUI_LEAK({
      for (int i = 0; i < 1000; ++i) ASSERT_TRUE(k.cycle(parent)) << "cycle " << i;
      tks::PumpUntilIdle();
    });
    EXPECT_EQ(S_OK, CanUnload(k.module));
  }
  parent.Detach();
}

}  // namespace
