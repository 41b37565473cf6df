// bench_chart: the chart component loading and painting 100,000 points of one line series,
// beside a baseline measured in the same run: GDI drawing the same polyline, already scaled,
// into the same picture. Then a real-time feed: 1,000 samples a second for 10 simulated
// seconds into a loop buffer of 5 seconds, one sample a load as fast as they come, beside the
// same samples written into a plain ring; with the process's memory before the feed, when the
// buffer is full and at the end.
#include "BenchMeasure.h"
#include <windows.h>
#include <ole2.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "Cfx62.h"

namespace {

// Best of several runs, so that a stray pause of the machine does not count.
template <typename F>
double BestOf(int runs, F f) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const double t0 = bench::NowMs();
    f();
    best = std::min(best, bench::NowMs() - t0);
  }
  return best;
}

constexpr int kWidth = 1200, kHeight = 600;

// Committed private memory of this process, in KiB, summed over its address space (the
// process counters are not filled in everywhere the benchmark runs).
double PrivateKiB() {
  size_t bytes = 0;
  MEMORY_BASIC_INFORMATION mbi;
  for (const char* p = nullptr; VirtualQuery(p, &mbi, sizeof mbi) == sizeof mbi;
       p = static_cast<const char*>(mbi.BaseAddress) + mbi.RegionSize) {
    if (mbi.State == MEM_COMMIT && mbi.Type == MEM_PRIVATE) bytes += mbi.RegionSize;
    if (!mbi.RegionSize) break;
  }
  return double(bytes) / 1024.0;
}

// Feeds samples one at a time into the chart's real-time loop buffer; prints time per sample
// against a plain ring buffer and the memory before, at full and after.
void RealTime(_Chart* chart) {
  constexpr int kRate = 1000, kSeconds = 10, kBuffer = 5 * kRate;
  constexpr int kSamples = kRate * kSeconds;
  IRealTime* rt = nullptr;
  chart->get_RealTime(&rt);
  chart->ClearData(0x4000000);
  rt->put_BufferSize(kBuffer);
  rt->put_Style(4);  // loop position
  rt->Release();
  IValues* v = nullptr;
  chart->get_Value(&v);
  auto sample = [](int i) { return 50 + 40 * std::sin(i * 0.01); };

  const double before = PrivateKiB();
  double atFull = 0;
  const double t0 = bench::NowMs();
  for (int i = 0; i < kSamples; ++i) {
    chart->OpenDataEx(0x101, 1, 1);
    v->put_Item(0, 0, sample(i));
    chart->CloseData(0x101);
    if (i == kBuffer - 1) atFull = PrivateKiB();
  }
  const double chartMs = bench::NowMs() - t0;
  const double after = PrivateKiB();
  v->Release();

  std::vector<double> ring(kBuffer);
  size_t pos = 0;
  const double ringMs = BestOf(3, [&] {
    for (int i = 0; i < kSamples; ++i) {
      ring[pos] = sample(i);
      pos = (pos + 1) % ring.size();
    }
  });
  volatile double sink = ring[pos];
  (void)sink;

  std::printf("\n%-34s %9s | %10s %10s | %7s\n", "real-time feed", "samples", "chart us", "ring us",
              "ratio");
  std::printf("%s\n", std::string(80, '-').c_str());
  std::printf("%-34s %9d | %10.3f %10.3f | %7.1f\n", "time per sample", kSamples,
              chartMs * 1000.0 / kSamples, ringMs * 1000.0 / kSamples,
              ringMs > 0 ? chartMs / ringMs : 0.0);
  std::printf("%-34s %9s | %10.0f KiB before, %.0f KiB full, %.0f KiB after\n", "private memory",
              "", before, atFull, after);
  std::printf("%-34s %9s | %10.0f KiB\n", "growth once the buffer is full", "", after - atFull);
  std::printf("(before: with the cleared 100,000-point table, which the buffer's shape frees)\n");
}

}  // namespace

int main() {
  wchar_t exe[MAX_PATH];
  GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring manifest(exe);
  manifest = manifest.substr(0, manifest.find_last_of(L'\\') + 1) + L"tkwchart.manifest";
  ACTCTXW actx = {};
  actx.cbSize = sizeof actx;
  actx.lpSource = manifest.c_str();
  HANDLE ctx = CreateActCtxW(&actx);
  ULONG_PTR cookie = 0;
  if (ctx == INVALID_HANDLE_VALUE || !ActivateActCtx(ctx, &cookie)) {
    std::fprintf(stderr, "bench_chart: the chart's manifest cannot be activated\n");
    return 1;
  }
  CoInitialize(nullptr);
  _Chart* chart = nullptr;
  if (FAILED(CoCreateInstance(CLSID_Chart, nullptr, CLSCTX_INPROC_SERVER, IID__Chart,
                              reinterpret_cast<void**>(&chart)))) {
    std::fprintf(stderr, "bench_chart: the chart cannot be created\n");
    return 1;
  }

  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  HDC dc = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ oldBmp = SelectObject(dc, bmp);

  std::printf("\n%-34s %9s | %10s %10s | %7s\n", "operation", "points", "chart ms", "GDI ms",
              "ratio");
  std::printf("%s\n", std::string(80, '-').c_str());
  for (const int points : {10000, 100000}) {
    std::vector<double> values(static_cast<size_t>(points));
    for (int i = 0; i < points; ++i)
      values[size_t(i)] = 500 + 400 * std::sin(i * 0.001) + (i * 7919 % 97);

    IValues* v = nullptr;
    chart->get_Value(&v);
    const double load = BestOf(3, [&] {
      chart->OpenDataEx(1, 1, points);
      for (int i = 0; i < points; ++i) v->put_Item(0, i, values[size_t(i)]);
      chart->CloseData(1);
    });
    v->Release();
    const double paint = BestOf(5, [&] {
      LONG result = 0;
      chart->Paint(LONG(LONG_PTR(dc)), 0, 0, kWidth, kHeight, 0, &result);
    });

    // The baseline: the same points, scaled once, drawn as one polyline on a cleared picture.
    std::vector<POINT> line(static_cast<size_t>(points));
    const double gdiLoad = BestOf(3, [&] {
      const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
      for (int i = 0; i < points; ++i)
        line[size_t(i)] = {
            LONG(40 + double(i) * (kWidth - 60) / (points - 1)),
            LONG(kHeight - 30 - (values[size_t(i)] - *lo) * (kHeight - 50) / (*hi - *lo))};
    });
    const double gdiPaint = BestOf(5, [&] {
      const RECT rc = {0, 0, kWidth, kHeight};
      FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      HPEN pen = CreatePen(PS_SOLID, 1, RGB(30, 90, 176));
      HGDIOBJ old = SelectObject(dc, pen);
      Polyline(dc, line.data(), points);
      SelectObject(dc, old);
      DeleteObject(pen);
    });
    const auto row = [&](const char* name, double ms, double base) {
      std::printf("%-34s %9d | %10.2f %10.2f | %7.2f\n", name, points, ms, base,
                  base > 0 ? ms / base : 0.0);
    };
    row("load (open, set values, close)", load, gdiLoad);
    row("paint", paint, gdiPaint);
    row("load and paint", load + paint, gdiLoad + gdiPaint);
  }

  RealTime(chart);

  chart->Release();
  SelectObject(dc, oldBmp);
  DeleteObject(bmp);
  DeleteDC(dc);
  CoUninitialize();
  DeactivateActCtx(0, cookie);
  ReleaseActCtx(ctx);
  return 0;
}
