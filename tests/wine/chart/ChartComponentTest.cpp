// The chart component as a host sees it: created by registration-free activation, driven
// through its object model, painted into memory, saving and loading templates.
#include <gtest/gtest.h>
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "Cfx62.h"

namespace {

constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

// Activates the chart's manifest (beside the test program) for the test's lifetime.
class ChartContext {
 public:
  ChartContext() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring manifest(path);
    manifest = manifest.substr(0, manifest.find_last_of(L'\\') + 1) + L"tkwchart.manifest";
    ACTCTXW ctx = {};
    ctx.cbSize = sizeof ctx;
    ctx.lpSource = manifest.c_str();
    m_ctx = CreateActCtxW(&ctx);
    if (m_ctx != INVALID_HANDLE_VALUE) ActivateActCtx(m_ctx, &m_cookie);
  }
  ~ChartContext() {
    if (m_ctx == INVALID_HANDLE_VALUE) return;
    DeactivateActCtx(0, m_cookie);
    ReleaseActCtx(m_ctx);
  }
  bool Active() const { return m_ctx != INVALID_HANDLE_VALUE; }

 private:
  HANDLE m_ctx = INVALID_HANDLE_VALUE;
  ULONG_PTR m_cookie = 0;
};

// A 32-bpp picture the chart paints into.
struct Canvas {
  Canvas(int w, int h) : width(w), height(h) {
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc = CreateCompatibleDC(nullptr);
    bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    old = SelectObject(dc, bmp);
  }
  ~Canvas() {
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
  }
  COLORREF At(int x, int y) const {
    const uint32_t p = bits[y * width + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // Rows of column x in that colour, top first.
  std::vector<int> RowsOf(int x, COLORREF c) const {
    std::vector<int> rows;
    for (int y = 0; y < height; ++y)
      if (At(x, y) == c) rows.push_back(y);
    return rows;
  }
  // Columns of row y in that colour, left first.
  std::vector<int> ColumnsOf(int y, COLORREF c) const {
    std::vector<int> cols;
    for (int x = 0; x < width; ++x)
      if (At(x, y) == c) cols.push_back(x);
    return cols;
  }
  int width, height;
  HDC dc;
  HBITMAP bmp;
  HGDIOBJ old;
  uint32_t* bits = nullptr;
};

class ChartComponent : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_context.Active()) << "the chart's manifest cannot be activated";
    ASSERT_HRESULT_SUCCEEDED(CoInitialize(nullptr));
    const HRESULT hr = CoCreateInstance(CLSID_Chart, nullptr, CLSCTX_INPROC_SERVER, IID__Chart,
                                        reinterpret_cast<void**>(&chart));
    ASSERT_HRESULT_SUCCEEDED(hr) << "the chart is not created by its class identifier";
  }
  void TearDown() override {
    if (chart) chart->Release();
    CoUninitialize();
  }

  // Loads a table of values, series by series.
  void Load(const std::vector<std::vector<double>>& series) {
    ASSERT_HRESULT_SUCCEEDED(chart->OpenDataEx(1, LONG(series.size()), LONG(series[0].size())));
    IValues* values = nullptr;
    ASSERT_HRESULT_SUCCEEDED(chart->get_Value(&values));
    for (size_t s = 0; s < series.size(); ++s)
      for (size_t p = 0; p < series[s].size(); ++p)
        EXPECT_HRESULT_SUCCEEDED(values->put_Item(LONG(s), LONG(p), series[s][p]));
    values->Release();
    ASSERT_HRESULT_SUCCEEDED(chart->CloseData(1));
  }
  void SeriesColour(long i, COLORREF c) {
    ISeriesCollection* list = nullptr;
    ISeries* s = nullptr;
    ASSERT_HRESULT_SUCCEEDED(chart->get_Series(&list));
    ASSERT_HRESULT_SUCCEEDED(list->get_Item(i, &s));
    s->put_Color(LONG(c));
    s->Release();
    list->Release();
  }
  void FixY(double min, double max, double logBase = 0) {
    IAxis* y = nullptr;
    ASSERT_HRESULT_SUCCEEDED(chart->get_AxisY(&y));
    y->put_Min(min);
    y->put_Max(max);
    y->put_LogBase(logBase);
    y->Release();
  }
  void Paint(Canvas& c) {
    LONG result = -1;
    ASSERT_HRESULT_SUCCEEDED(
        chart->Paint(LONG(LONG_PTR(c.dc)), 0, 0, c.width, c.height, 0, &result));
    EXPECT_EQ(0, result);
  }
  // Height of the bar of colour c standing in column x, from its top to the X axis.
  static int BarHeight(const Canvas& c, int x, COLORREF colour) {
    const std::vector<int> rows = c.RowsOf(x, colour);
    return rows.empty() ? 0 : rows.back() - rows.front() + 1;
  }

  ChartContext m_context;
  _Chart* chart = nullptr;
};

// Middle columns of the runs of columns where colour c appears (one per bar).
std::vector<int> BarColumns(const Canvas& c, COLORREF colour) {
  std::vector<int> middles;
  int start = -1;
  for (int x = 0; x <= c.width; ++x) {
    const bool has = x < c.width && !c.RowsOf(x, colour).empty();
    if (has && start < 0) start = x;
    if (!has && start >= 0) middles.push_back((start + x - 1) / 2), start = -1;
  }
  return middles;
}

TEST_F(ChartComponent, BarsRiseInProportionOnLinearAndLogarithmicAxes) {
  const struct {
    const char* what;
    double min, max, logBase;
    std::vector<double> values;
    std::vector<double> ratios;  // heights relative to the first bar
  } cases[] = {
      {"linear", 0, 100, 0, {25, 50, 100}, {1, 2, 4}},
      {"logarithmic base 10", 1, 1000, 10, {10, 100, 1000}, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    ASSERT_HRESULT_SUCCEEDED(chart->put_Gallery(2));
    SeriesColour(0, kRed);
    FixY(c.min, c.max, c.logBase);
    Load({c.values});
    Canvas canvas(400, 300);
    Paint(canvas);
    const std::vector<int> bars = BarColumns(canvas, kRed);
    ASSERT_EQ(c.values.size(), bars.size()) << c.what;
    const int first = BarHeight(canvas, bars[0], kRed);
    ASSERT_GT(first, 10) << c.what;
    for (size_t i = 0; i < bars.size(); ++i)
      EXPECT_NEAR(c.ratios[i] * first, BarHeight(canvas, bars[i], kRed), 2.0 * c.ratios[i])
          << c.what << ": bar " << i;
    // Every bar stands on the X axis: a black line right below its foot.
    const int foot = canvas.RowsOf(bars[0], kRed).back();
    EXPECT_EQ(RGB(0, 0, 0), canvas.At(bars[0], foot + 1)) << c.what << ": no axis under the bar";
    EXPECT_EQ(foot, canvas.RowsOf(bars[2], kRed).back()) << c.what;
    chart->ClearData(0x4000000);
  }
}

TEST_F(ChartComponent, LinesAndTheLegendBoxShowEachSeriesInItsColour) {
  Load({{10, 20, 30, 40}, {40, 30, 20, 10}});
  SeriesColour(0, kGreen);
  SeriesColour(1, kBlue);
  Canvas plain(400, 300);
  Paint(plain);
  EXPECT_FALSE(plain.RowsOf(200, kGreen).empty()) << "the first line crosses the middle";
  EXPECT_FALSE(plain.RowsOf(200, kBlue).empty()) << "the second line crosses the middle";
  EXPECT_TRUE(plain.RowsOf(390, kGreen).empty()) << "no legend box unless asked for";

  ASSERT_HRESULT_SUCCEEDED(chart->put_SerLegBox(VARIANT_TRUE));
  Canvas legend(400, 300);
  Paint(legend);
  // The swatches are squares at the right, one under the other: find their columns there.
  int x = 399;
  while (x > 300 && legend.RowsOf(x, kGreen).empty()) --x;
  ASSERT_GT(x, 300) << "no green swatch at the right edge";
  const std::vector<int> green = legend.RowsOf(x, kGreen), blue = legend.RowsOf(x, kBlue);
  ASSERT_FALSE(blue.empty()) << "no blue swatch under the green one";
  EXPECT_GT(blue.front(), green.back()) << "series 1 is listed below series 0";
  EXPECT_EQ(green.size(), blue.size()) << "swatches have one size";
}

TEST_F(ChartComponent, PieSlicesFollowTheValuesAndASeparatedSliceMovesOut) {
  ASSERT_HRESULT_SUCCEEDED(chart->put_Gallery(4));
  Load({{1, 1}});
  SeriesColour(0, kRed);
  SeriesColour(1, kBlue);
  Canvas whole(300, 300);
  Paint(whole);
  const std::vector<int> middleRow = whole.ColumnsOf(150, kRed);
  ASSERT_FALSE(middleRow.empty());
  EXPECT_GT(middleRow.front(), 140) << "the first half lies right of 12 o'clock";
  EXPECT_FALSE(whole.ColumnsOf(150, kBlue).empty());
  const int blueRight = whole.ColumnsOf(150, kBlue).back();

  ASSERT_HRESULT_SUCCEEDED(chart->SeparateSlice(0, 1, 20));
  Canvas apart(300, 300);
  Paint(apart);
  const int movedRight = apart.ColumnsOf(150, kBlue).back();
  EXPECT_LT(movedRight, apart.ColumnsOf(150, kRed).front() - 10)
      << "a gap opens between the halves";
  EXPECT_LT(movedRight, blueRight);
}

TEST_F(ChartComponent, RealTimeLoopMarkerStandsWhereTheNextPointGoes) {
  IRealTime* rt = nullptr;
  ILoopMarker* marker = nullptr;
  ASSERT_HRESULT_SUCCEEDED(chart->get_RealTime(&rt));
  ASSERT_HRESULT_SUCCEEDED(rt->put_BufferSize(10));
  ASSERT_HRESULT_SUCCEEDED(rt->put_Style(4));
  ASSERT_HRESULT_SUCCEEDED(rt->get_LoopMarker(&marker));
  ASSERT_HRESULT_SUCCEEDED(marker->put_Color(LONG(kRed)));
  SeriesColour(0, kGreen);
  std::vector<int> markerX;
  for (int round = 0; round < 3; ++round) {
    ASSERT_HRESULT_SUCCEEDED(chart->OpenDataEx(0x101, 1, 4));
    IValues* values = nullptr;
    chart->get_Value(&values);
    for (int p = 0; p < 4; ++p) values->put_Item(0, p, 10 + p);
    values->Release();
    ASSERT_HRESULT_SUCCEEDED(chart->CloseData(0x101));
    Canvas c(400, 300);
    Paint(c);
    int x = 0;
    while (x < c.width && c.RowsOf(x, kRed).size() < 100) ++x;
    markerX.push_back(x);
  }
  LONG pos = -1;
  rt->get_LoopPos(&pos);
  EXPECT_EQ(2, pos) << "12 points in a buffer of 10";
  EXPECT_LT(markerX[0], markerX[1]) << "4 points on, the marker moves right";
  EXPECT_LT(markerX[2], markerX[0]) << "after the wrap it is back at the left";
  marker->Release();
  rt->Release();
}

// A file in the temporary folder, removed at the end.
struct TempFile {
  explicit TempFile(const wchar_t* name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    path = std::wstring(dir) + name;
  }
  ~TempFile() { DeleteFileW(path.c_str()); }
  void Write(const std::string& bytes) const {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n = 0;
    WriteFile(h, bytes.data(), DWORD(bytes.size()), &n, nullptr);
    CloseHandle(h);
  }
  std::wstring path;
};

// A VARIANT holding a path, as the host passes it.
struct PathArg {
  explicit PathArg(const std::wstring& p) {
    VariantInit(&v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(p.c_str());
  }
  ~PathArg() { VariantClear(&v); }
  VARIANT v;
};

std::wstring ErrorDescription() {
  IErrorInfo* info = nullptr;
  std::wstring text;
  if (GetErrorInfo(0, &info) == S_OK) {
    BSTR b = nullptr;
    info->GetDescription(&b);
    if (b) text = b;
    SysFreeString(b);
    info->Release();
  }
  return text;
}

TEST_F(ChartComponent, TemplatesKeepTheLookAndDamagedOnesAreRefused) {
  TempFile file(L"tkw-chart-test.cht");
  chart->put_Gallery(3);
  chart->put_Type(0x41);
  SeriesColour(1, kBlue);
  LONG result = -1;
  ASSERT_HRESULT_SUCCEEDED(chart->Export(1, PathArg(file.path).v, &result));
  chart->put_Gallery(1);
  chart->put_Type(0);
  SeriesColour(1, kRed);
  ASSERT_HRESULT_SUCCEEDED(chart->Import(1, PathArg(file.path).v, &result));
  LONG gallery = 0, type = 0;
  chart->get_Gallery(&gallery);
  chart->get_Type(&type);
  EXPECT_EQ(3, gallery);
  EXPECT_EQ(0x41, type);

  std::ifstream in(std::string(file.path.begin(), file.path.end()).c_str(), std::ios::binary);
  const std::string good((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  TempFile bad(L"tkw-chart-bad.cht");
  const struct {
    const char* what;
    std::string bytes;
    const wchar_t* reason;
  } cases[] = {
      {"not a template", "hello", L"not a chart template"},
      {"truncated", good.substr(0, good.size() / 2), L"truncated"},
      {"oversized", std::string(10 * 1024 * 1024 + 1, 'x'), L"larger than 10 MB"},
  };
  chart->put_Gallery(2);
  for (const auto& c : cases) {
    bad.Write(c.bytes);
    const HRESULT hr = chart->Import(1, PathArg(bad.path).v, &result);
    EXPECT_TRUE(FAILED(hr)) << c.what;
    EXPECT_NE(std::wstring::npos, ErrorDescription().find(c.reason)) << c.what;
    chart->get_Gallery(&gallery);
    EXPECT_EQ(2, gallery) << c.what << ": a refused template changed the chart";
  }
  EXPECT_TRUE(FAILED(chart->Import(1, PathArg(L"C:\\no\\such\\file.cht").v, &result)))
      << "missing file";
  VARIANT empty;
  VariantInit(&empty);
  EXPECT_EQ(E_INVALIDARG, chart->Import(1, empty, &result)) << "a template needs a path";
  EXPECT_EQ(E_INVALIDARG, chart->Export(9, empty, &result)) << "unknown format";
}

TEST_F(ChartComponent, LateBoundCallersReachTheModelByName) {
  IDispatch* disp = nullptr;
  ASSERT_HRESULT_SUCCEEDED(chart->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&disp)));
  LPOLESTR name = const_cast<LPOLESTR>(L"Gallery");
  DISPID id = 0;
  ASSERT_HRESULT_SUCCEEDED(disp->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));
  VARIANT arg;
  VariantInit(&arg);
  V_VT(&arg) = VT_I4;
  V_I4(&arg) = 4;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS put = {&arg, &named, 1, 1};
  ASSERT_HRESULT_SUCCEEDED(disp->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                        &put, nullptr, nullptr, nullptr));
  LONG gallery = 0;
  chart->get_Gallery(&gallery);
  EXPECT_EQ(4, gallery);
  disp->Release();
  IOleObject* ole = nullptr;
  EXPECT_HRESULT_SUCCEEDED(chart->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&ole)))
      << "containers embed the chart through IOleObject";
  if (ole) ole->Release();
}

}  // namespace
