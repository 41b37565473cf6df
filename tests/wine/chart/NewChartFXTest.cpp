// The chart window over the chart component: the typed operations as the model sees them,
// commands and their reflector, templates through files and the profile, the clipboard, and
// the error paths of a window without a control and of a failing component.
#include <afxwin.h>

#include <comdef.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "Cfx62.h"
#include "FrameworkApp.h"
#include "Printer.h"
#include "Support.h"
#include "chart/NewChartFX.h"
#include "chart/NewChartFXReflectorWnd.h"

namespace {

constexpr COLORREF kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

// A counted reference the test reads the model through.
template <class T>
struct Ref {
  T* p = nullptr;
  Ref() = default;
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  ~Ref() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

// Reads one property of a model object.
template <class Obj, class T>
T Read(Obj* obj, HRESULT (STDMETHODCALLTYPE Obj::*get)(T*)) {
  T v{};
  EXPECT_HRESULT_SUCCEEDED((obj->*get)(&v));
  return v;
}

std::wstring ReadText(BSTR b) {
  std::wstring s = b ? b : L"";
  SysFreeString(b);
  return s;
}

// The chart window with its protected parts in reach.
class CTestChart : public CNewChartFX {
 public:
  using CNewChartFX::GetReflectorWnd;
};

// What a file dialog showed when it opened.
struct FileDialogSeen {
  std::wstring title;    // caption
  std::wstring initial;  // file name it started with
  int filters = 0;       // entries of the file type list
};

std::wstring TextOf(HWND hwnd) {
  wchar_t text[MAX_PATH] = {};
  GetWindowTextW(hwnd, text, MAX_PATH);
  return text;
}

// Fills the file dialog's name and presses OK; an empty name cancels it.
void AnswerFileDialog(const std::wstring& path, FileDialogSeen* seen = nullptr) {
  tks::AnswerNextDialog([path, seen](HWND dialog) {
    HWND name = GetDlgItem(dialog, cmb13);
    if (!name) name = GetDlgItem(dialog, edt1);
    if (seen)
      *seen = {TextOf(dialog), TextOf(name),
               int(SendDlgItemMessageW(dialog, cmb1, CB_GETCOUNT, 0, 0))};
    if (path.empty()) return tks::PressButton(dialog, IDCANCEL);
    SetWindowTextW(name, path.c_str());
    tks::PressButton(dialog, IDOK);
  });
}

// The name part of a path: the dialog opens the folder and shows the name.
std::wstring NameOf(const std::wstring& path) {
  return path.substr(path.find_last_of(L'\\') + 1);
}

std::wstring TempFolder() {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  std::wstring folder = std::wstring(dir) + L"tkwchartfx\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

// Empties the folder of the templates a test wrote.
void ClearFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW((folder + L"*").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      DeleteFileW((folder + found.cFileName).c_str());
  } while (FindNextFileW(h, &found));
  FindClose(h);
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The application, with the host's resource module in its chain as a host has it.
void HostApp() {
  const bool chained = tks::HostResources() != nullptr;
  ASSERT_TRUE(chained) << "qxres.dll beside the test";
}

class NewChartFX : public testing::Test {
 protected:
  void SetUp() override {
    HostApp();
    m_parent.Attach(tks::HostFrame());
    ASSERT_TRUE(m_chart.Create(nullptr, L"chart", WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300),
                               &m_parent, 42, nullptr))
        << "the chart window is not created over the component";
    m_model = m_chart.GetChartPtr();
    ASSERT_TRUE(m_model);
  }
  void TearDown() override {
    m_model = CChartPtr();
    if (m_chart.m_hWnd) m_chart.DestroyWindow();
    m_parent.Detach();
  }

  // Loads series x points with value series * 10 + point.
  void Load(long series, long points) {
    m_chart.OpenDataEx(1, series, points);
    for (long s = 0; s < series; ++s)
      for (long p = 0; p < points; ++p) m_chart.SetValue(s, p, s * 10 + p);
    m_chart.CloseData(1);
  }
  void Axis(IAxis** pp, bool y) {
    ASSERT_HRESULT_SUCCEEDED(y ? m_model->get_AxisY(pp) : m_model->get_AxisX(pp));
  }
  void AxisAt(long i, IAxis** pp) {
    Ref<IAxisCollection> list;
    ASSERT_HRESULT_SUCCEEDED(m_model->get_Axis(&list));
    ASSERT_HRESULT_SUCCEEDED(list->get_Item(i, pp));
  }
  void SeriesAt(long i, ISeries** pp) {
    Ref<ISeriesCollection> list;
    ASSERT_HRESULT_SUCCEEDED(m_model->get_Series(&list));
    ASSERT_HRESULT_SUCCEEDED(list->get_Item(i, pp));
  }
  double AxisValue(bool y, HRESULT (STDMETHODCALLTYPE IAxis::*get)(double*)) {
    Ref<IAxis> axis;
    Axis(&axis, y);
    return Read(axis.p, get);
  }
  long AxisLong(bool y, HRESULT (STDMETHODCALLTYPE IAxis::*get)(LONG*)) {
    Ref<IAxis> axis;
    Axis(&axis, y);
    return Read(axis.p, get);
  }
  bool SeriesOn(long i) {
    Ref<ISeries> s;
    SeriesAt(i, &s);
    return Read(s.p, &ISeries::get_Visible) != VARIANT_FALSE;
  }
  std::wstring SeriesLegend(long i) {
    Ref<ISeries> s;
    SeriesAt(i, &s);
    return ReadText(Read(s.p, &ISeries::get_Legend));
  }
  bool Flag(HRESULT (STDMETHODCALLTYPE _Chart::*get)(VARIANT_BOOL*)) {
    return Read(m_model.Get(), get) != VARIANT_FALSE;
  }
  LRESULT Command(HWND to, UINT id) { return ::SendMessageW(to, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

  CWnd m_parent;
  CTestChart m_chart;
  CChartPtr m_model;
};

TEST_F(NewChartFX, TypedOperationsReachTheirPlaceInTheModel) {
  Load(3, 6);
  const struct {
    const char* what;
    std::function<void(CNewChartFX&)> act;
    std::function<void()> check;
  } cases[] = {
      {"value",
       [](CNewChartFX& c) { c.OpenDataEx(1, 3, 6), c.SetValue(1, 4, 42.5), c.CloseData(1); },
       [&] {
         Ref<IValues> v;
         ASSERT_HRESULT_SUCCEEDED(m_model->get_Value(&v));
         double d = 0;
         EXPECT_HRESULT_SUCCEEDED(v->get_Item(1, 4, &d));
         EXPECT_EQ(42.5, d);
       }},
      {"Y axis range, step and unit",
       [](CNewChartFX& c) {
         c.SetAxisYMin(-5), c.SetAxisYMax(90), c.SetAxisYGap(15), c.SetAxisYScaleUnit(1000);
       },
       [&] {
         EXPECT_EQ(-5, AxisValue(true, &IAxis::get_Min));
         EXPECT_EQ(90, AxisValue(true, &IAxis::get_Max));
         EXPECT_EQ(15, AxisValue(true, &IAxis::get_Step));
         EXPECT_EQ(1000, AxisValue(true, &IAxis::get_ScaleUnit));
         EXPECT_EQ(0, AxisValue(false, &IAxis::get_Step)) << "the X axis is not touched";
       }},
      {"X axis step and pixels per unit",
       [](CNewChartFX& c) { c.SetVertGridGap(4), c.SetPixPerUnit(12); },
       [&] {
         EXPECT_EQ(4, AxisValue(false, &IAxis::get_Step));
         EXPECT_EQ(12, AxisLong(false, &IAxis::get_PixPerUnit));
       }},
      {"decimals on the Y axis format", [](CNewChartFX& c) { c.SetDecimalsNum(3); },
       [&] {
         Ref<IAxis> y;
         Ref<IAxisFormat> format;
         Axis(&y, true);
         ASSERT_HRESULT_SUCCEEDED(y->get_Format(&format));
         EXPECT_EQ(3, Read(format.p, &IAxisFormat::get_Decimals));
       }},
      {"grid lines and their colours",
       [](CNewChartFX& c) { c.ShowAxisYGridLines(TRUE), c.SetGridColor(kRed, kBlue); },
       [&] {
         Ref<IAxis> y;
         Axis(&y, true);
         EXPECT_NE(VARIANT_FALSE, Read(y.p, &IAxis::get_GridLines));
         EXPECT_EQ(long(kRed), AxisLong(true, &IAxis::get_GridColor));
         EXPECT_EQ(long(kBlue), AxisLong(false, &IAxis::get_GridColor));
       }},
      {"axis visibility", [](CNewChartFX& c) { c.HideAxis(2), c.HideAxis(1), c.DisplayAxis(1); },
       [&] {
         Ref<IAxis> a1, a2;
         AxisAt(1, &a1);
         AxisAt(2, &a2);
         EXPECT_NE(VARIANT_FALSE, Read(a1.p, &IAxis::get_Visible));
         EXPECT_EQ(VARIANT_FALSE, Read(a2.p, &IAxis::get_Visible));
       }},
      {"series colour, title and legend",
       [](CNewChartFX& c) {
         c.SetColor(1, kGreen), c.SetTitle(2, L"Hits per second"), c.SetLegend(3, L"10:05");
       },
       [&] {
         Ref<ISeries> s;
         SeriesAt(1, &s);
         EXPECT_EQ(long(kGreen), Read(s.p, &ISeries::get_Color));
         Ref<ITitleCollection> titles;
         Ref<ITitle> title;
         ASSERT_HRESULT_SUCCEEDED(m_model->get_Titles(&titles));
         ASSERT_HRESULT_SUCCEEDED(titles->get_Item(2, &title));
         EXPECT_EQ(L"Hits per second", ReadText(Read(title.p, &ITitle::get_Text)));
         EXPECT_EQ(2, Read(title.p, &ITitle::get_Index));
         Ref<IStringList> legend;
         ASSERT_HRESULT_SUCCEEDED(m_model->get_Legend(&legend));
         BSTR text = nullptr;
         EXPECT_HRESULT_SUCCEEDED(legend->get_Item(3, &text));
         EXPECT_EQ(L"10:05", ReadText(text));
       }},
      {"real-time buffer keeps its style bits and adds loop-position mode",
       [&](CNewChartFX& c) {
         Ref<IRealTime> rt;
         ASSERT_HRESULT_SUCCEEDED(m_model->get_RealTime(&rt));
         rt->put_Style(1);
         c.SetMaxValues(600), c.SetLoopPosColor(kRed);
       },
       [&] {
         Ref<IRealTime> rt;
         Ref<ILoopMarker> marker;
         ASSERT_HRESULT_SUCCEEDED(m_model->get_RealTime(&rt));
         EXPECT_EQ(600, Read(rt.p, &IRealTime::get_BufferSize));
         EXPECT_EQ(1 | 4, Read(rt.p, &IRealTime::get_Style));
         ASSERT_HRESULT_SUCCEEDED(rt->get_LoopMarker(&marker));
         EXPECT_EQ(long(kRed), Read(marker.p, &ILoopMarker::get_Color));
       }},
      {"gallery resets its companion first",
       [&](CNewChartFX& c) { m_model->put_GalleryEx(7), c.SetGallery(2); },
       [&] {
         EXPECT_EQ(2, Read(m_model.Get(), &_Chart::get_Gallery));
         EXPECT_EQ(0, Read(m_model.Get(), &_Chart::get_GalleryEx));
       }},
      {"plain properties and margins",
       [](CNewChartFX& c) {
         c.SetPointType(3), c.SetMarkerSize(5), c.SetChart3D(TRUE), c.SetItemWidth(9);
         c.SetRGBBk(kBlue), c.SetRGB2DBk(kGreen), c.SetChartGap(11, 12, 13, 14);
       },
       [&] {
         _Chart* m = m_model.Get();
         EXPECT_EQ(3, Read(m, &_Chart::get_PointType));
         EXPECT_EQ(5, Read(m, &_Chart::get_MarkerSize));
         EXPECT_TRUE(Flag(&_Chart::get_Chart3D));
         EXPECT_EQ(9, Read(m, &_Chart::get_ItemWidth));
         EXPECT_EQ(long(kBlue), Read(m, &_Chart::get_RGBBk));
         EXPECT_EQ(long(kGreen), Read(m, &_Chart::get_RGB2DBk));
         EXPECT_EQ(11, Read(m, &_Chart::get_LeftGap));
         EXPECT_EQ(12, Read(m, &_Chart::get_TopGap));
         EXPECT_EQ(13, Read(m, &_Chart::get_RightGap));
         EXPECT_EQ(14, Read(m, &_Chart::get_BottomGap));
       }},
      {"clearing the values", [](CNewChartFX& c) { c.ClearConstantLinesAttr(), c.ClearData(); },
       [&] { EXPECT_EQ(0, Read(m_model.Get(), &_Chart::get_NValues)); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.act(m_chart);
    c.check();
  }
}

TEST_F(NewChartFX, StyleWordsOnlyEverGainBits) {
  const struct {
    const char* what;
    std::function<void(long)> set;
    std::function<long()> get;
  } words[] = {
      {"Type", [&](long n) { m_chart.SetType(n); }, [&] { return m_chart.GetType(); }},
      {"TypeEx", [&](long n) { m_chart.SetTypeEx(n); }, [&] { return m_chart.GetTypeEx(); }},
      {"Grid", [&](long n) { m_chart.SetGrid(int(n)); }, [&] { return long(m_chart.GetGrid()); }},
      {"ExportTemplate", [&](long n) { m_chart.SetExportTemplate(n); },
       [&] { return m_chart.GetExportTemplate(); }},
      {"X axis style", [&](long n) { m_chart.SetLegStyle(n); },
       [&] { return m_chart.GetLegStyle(); }},
      {"Y axis style", [&](long n) { m_chart.SetYLegStyle(n); },
       [&] { return m_chart.GetYLegStyle(); }},
  };
  for (const auto& w : words) {
    SCOPED_TRACE(w.what);
    const long before = w.get();
    w.set(0x12);
    w.set(0x41);
    w.set(0);
    EXPECT_EQ(before | 0x53, w.get());
  }
}

TEST_F(NewChartFX, LogBaseZeroesTheStepOnlyWhenLogarithmic) {
  {
    Ref<IAxis> axis;
    AxisAt(1, &axis);
    axis->put_Step(25);
  }
  m_chart.SetAxisLogBase(1, 0);
  Ref<IAxis> axis;
  AxisAt(1, &axis);
  EXPECT_EQ(25, Read(axis.p, &IAxis::get_Step)) << "a linear axis keeps its step";
  m_chart.SetAxisLogBase(1, 10);
  EXPECT_EQ(0, Read(axis.p, &IAxis::get_Step));
  EXPECT_EQ(10, m_chart.GetAxisLogBase(1));
}

TEST_F(NewChartFX, SeriesLegendsTurnSeriesOnAndEmptyingTurnsThemAllOff) {
  m_chart.EmptySerLeg();  // no series yet: nothing to do
  Load(3, 2);
  m_chart.EmptySerLeg();
  for (long i = 0; i < 3; ++i) EXPECT_FALSE(SeriesOn(i)) << "series " << i;
  m_chart.SetSerLeg(1, L"Users");
  EXPECT_TRUE(SeriesOn(1));
  EXPECT_EQ(L"Users", SeriesLegend(1));
  EXPECT_FALSE(SeriesOn(0));
  m_chart.SetSerLeg(1, L"Virtual users");
  EXPECT_TRUE(SeriesOn(1));
  EXPECT_EQ(L"Virtual users", SeriesLegend(1));
}

TEST_F(NewChartFX, CommandsToggleToolsDirectlyAndThroughTheReflector) {
  CNewChartFXReflectorWnd* reflector = m_chart.GetReflectorWnd();
  ASSERT_NE(nullptr, reflector);
  EXPECT_EQ(reflector, m_chart.GetReflectorWnd()) << "one reflector per chart";
  EXPECT_FALSE(reflector->IsWindowVisible());
  EXPECT_EQ(m_parent.m_hWnd, ::GetParent(reflector->m_hWnd));

  const struct {
    UINT id;
    HRESULT (STDMETHODCALLTYPE _Chart::*get)(VARIANT_BOOL*);
  } toggles[] = {
      {592, &_Chart::get_SerLegBox}, {113, &_Chart::get_ToolBar}, {32152, &_Chart::get_DataEditor}};
  for (const auto& t : toggles) {
    SCOPED_TRACE(t.id);
    const bool before = Flag(t.get);
    Command(m_chart.m_hWnd, t.id);
    EXPECT_NE(before, Flag(t.get));
    Command(reflector->m_hWnd, t.id);
    EXPECT_EQ(before, Flag(t.get)) << "the reflector passes the command to the chart";
  }
  m_chart.ShowToolBar();
  m_chart.ShowSerLegBox();
  EXPECT_TRUE(Flag(&_Chart::get_ToolBar));
  EXPECT_TRUE(Flag(&_Chart::get_SerLegBox));

  // Destroying the window switches both off in the component and takes the reflector along.
  const HWND reflectorWnd = reflector->m_hWnd;
  ASSERT_TRUE(m_chart.DestroyWindow());
  EXPECT_FALSE(::IsWindow(reflectorWnd));
  EXPECT_FALSE(Flag(&_Chart::get_ToolBar));
  EXPECT_FALSE(Flag(&_Chart::get_SerLegBox));
}

TEST_F(NewChartFX, SysColorChangeTakesTheButtonFace) {
  m_chart.SetRGBBk(kRed);
  m_chart.SysColorChange();
  EXPECT_EQ(long(::GetSysColor(COLOR_BTNFACE)), Read(m_model.Get(), &_Chart::get_RGBBk));
}

TEST_F(NewChartFX, F1IsKeptFromTheComponentOnlyInAnApplicationWithAMainWindow) {
  MSG f1 = {m_chart.m_hWnd, WM_KEYDOWN, VK_F1, 0, 0, {0, 0}};
  MSG other = {m_chart.m_hWnd, WM_KEYDOWN, VK_F2, 0, 0, {0, 0}};
  CWinApp& app = tks::FrameworkApp();
  CWnd* const saved = app.m_pMainWnd;
  app.m_pMainWnd = nullptr;
  EXPECT_FALSE(m_chart.PreTranslateMessage(&f1));
  app.m_pMainWnd = &m_parent;
  EXPECT_TRUE(m_chart.PreTranslateMessage(&f1));
  EXPECT_FALSE(m_chart.PreTranslateMessage(&other));
  app.m_pMainWnd = saved;
}

// Templates: each way of writing one, then reading it back into a chart whose look changed.
TEST_F(NewChartFX, TemplatesRoundTripThroughFilesDialogsAndTheProfile) {
  const std::wstring folder = TempFolder();
  ClearFolder(folder);
  const CString key = L"ChartFxTestGraph";
  CWinApp& app = tks::FrameworkApp();
  app.WriteProfileString(L"Settings", key, L"");
  m_chart.m_strConfigFile = L"";

  auto changeLook = [&] { m_chart.SetRGBBk(kGreen); };
  auto lookKept = [&] { return Read(m_model.Get(), &_Chart::get_RGBBk) == long(kBlue); };

  // Temporary templates: the path as given, nothing remembered.
  const std::wstring temp = folder + L"temp.tpl";
  DeleteFileW(temp.c_str());
  m_chart.SetRGBBk(kBlue);
  m_chart.CreateTempConfiguration(temp.c_str());
  EXPECT_TRUE(FileExists(temp));
  changeLook();
  m_chart.LoadTempConfiguration(temp.c_str());
  EXPECT_TRUE(lookKept());
  EXPECT_TRUE(m_chart.m_strConfigFile.IsEmpty());

  // Save and load through the dialog, reached by the chart's commands.
  const struct {
    const wchar_t* typed;
    const wchar_t* stored;
  } names[] = {{L"report.cht", L"report.cht"},
               {L"report", L"report.CHT"},
               {L"report.chart", L"report.chart.CHT"}};
  for (const auto& n : names) {
    SCOPED_TRACE(testing::Message() << n.stored);
    const std::wstring stored = folder + n.stored;
    DeleteFileW(stored.c_str());
    m_chart.SetRGBBk(kBlue);
    FileDialogSeen seen;
    AnswerFileDialog(folder + n.typed, &seen);
    Command(m_chart.m_hWnd, 32155);
    EXPECT_EQ(L"Chart Template", seen.title);
    EXPECT_EQ(L"", seen.initial);
    EXPECT_EQ(1, seen.filters) << "only chart templates are offered";
    EXPECT_TRUE(FileExists(stored));
    EXPECT_STREQ(stored.c_str(), m_chart.m_strConfigFile);
    changeLook();
    AnswerFileDialog(folder + n.typed);
    Command(m_chart.m_hWnd, 32163);
    EXPECT_TRUE(lookKept());
  }

  // Cancelled dialogs change nothing; without a default, the last file is offered.
  const CString remembered = m_chart.m_strConfigFile;
  FileDialogSeen seen;
  AnswerFileDialog(L"", &seen);
  m_chart.SetDefaultConfiguration(key);
  EXPECT_EQ(NameOf(std::wstring(remembered)), seen.initial);
  AnswerFileDialog(L"");
  m_chart.ChartLoadConfiguration();
  EXPECT_EQ(remembered, m_chart.m_strConfigFile);
  EXPECT_TRUE(app.GetProfileString(L"Settings", key).IsEmpty());
  EXPECT_FALSE(m_chart.LoadDefaultConfigurationFile(key)) << "no default set yet";

  // The default template: written, then named in the profile, then loaded by its key.
  const std::wstring def = folder + L"default.CHT";
  DeleteFileW(def.c_str());
  m_chart.SetRGBBk(kBlue);
  AnswerFileDialog(folder + L"default", &seen);
  m_chart.SetDefaultConfiguration(key);
  EXPECT_EQ(L"Default Chart Template", seen.title);
  EXPECT_STREQ(def.c_str(), app.GetProfileString(L"Settings", key));
  m_chart.m_strConfigFile = L"";
  AnswerFileDialog(L"", &seen);
  m_chart.SetDefaultConfiguration(key);
  EXPECT_EQ(L"default.CHT", seen.initial) << "the default is offered again";
  changeLook();
  EXPECT_TRUE(m_chart.LoadDefaultConfigurationFile(key));
  EXPECT_TRUE(lookKept());

  // Clearing asks first; No keeps the default, Yes drops it; both forget the last file.
  std::wstring question;
  tks::AnswerNextMessageBox([&](const std::wstring&, const std::wstring& text) {
    question = text;
    return IDNO;
  });
  m_chart.ClearDefaultConfiguration(key);
  EXPECT_EQ(L"Do you want to stop using the default chart template?", question);
  EXPECT_TRUE(m_chart.m_strConfigFile.IsEmpty());
  EXPECT_STREQ(def.c_str(), app.GetProfileString(L"Settings", key));
  tks::AnswerNextMessageBox(IDYES);
  m_chart.ClearDefaultConfiguration(key);
  EXPECT_TRUE(app.GetProfileString(L"Settings", key).IsEmpty());
  m_chart.ClearDefaultConfiguration(key);  // nothing set: no question
  EXPECT_EQ(0, tks::PendingModalAnswers());
  ClearFolder(folder);
}

TEST_F(NewChartFX, CopyCommandsPutTheDataAndThePictureOnTheClipboard) {
  Load(2, 3);
  m_chart.SetSerLeg(0, L"Users");
  Command(m_chart.m_hWnd, 32154);
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE text = GetClipboardData(CF_UNICODETEXT);
  std::wstring copied = text ? static_cast<const wchar_t*>(GlobalLock(text)) : L"";
  if (text) GlobalUnlock(text);
  CloseClipboard();
  EXPECT_NE(std::wstring::npos, copied.find(L"Users")) << "copied: " << copied.size();
  EXPECT_NE(std::wstring::npos, copied.find(L"\t12\r\n")) << "the last point of series 1";

  Command(m_chart.m_hWnd, 32153);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_ENHMETAFILE));
}

TEST_F(NewChartFX, ComponentFailuresReachTheCallerAsComErrors) {
  const std::wstring missing = TempFolder() + L"missing.CHT";
  DeleteFileW(missing.c_str());
  try {
    m_chart.LoadTempConfiguration(missing.c_str());
    ADD_FAILURE() << "a missing template was read";
  } catch (const _com_error& e) {
    EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), e.Error());
  }
  try {
    m_chart.SetValue(5, 5, 1);  // no data open
    ADD_FAILURE() << "a value outside the data was taken";
  } catch (const _com_error& e) {
    EXPECT_EQ(E_INVALIDARG, e.Error());
  }
}

// Oversized and malformed loads: each is either taken whole or refused with E_INVALIDARG,
// leaving the table it found; the chart paints afterwards either way.
TEST_F(NewChartFX, HugeAndMalformedLoadsAreTakenWholeOrRefused) {
  constexpr long kMillion = 1000000;
  const struct {
    const char* name;
    std::function<void(CNewChartFX&)> load;
    HRESULT hr;
    long lastPoint;  // the last point holding a value afterwards
  } cases[] = {
      {"a million points in one series",
       [&](CNewChartFX& c) {
         c.OpenDataEx(1, 1, kMillion);
         for (long p = 0; p < kMillion; ++p) c.SetValue(0, p, p % 1000);
         c.CloseData(1);
       },
       S_OK, kMillion - 1},
      {"more cells than a chart holds", [](CNewChartFX& c) { c.OpenDataEx(1, 4096, kMillion); },
       E_INVALIDARG, 3},
      {"a negative point count", [](CNewChartFX& c) { c.OpenDataEx(1, 1, -1); }, E_INVALIDARG, 3},
      {"a million points added to a buffer of 600",
       [](CNewChartFX& c) {
         c.SetMaxValues(600);
         c.OpenDataEx(0x101, 1, kMillion);
       },
       E_INVALIDARG, 3},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    Load(1, 4);
    HRESULT hr = S_OK;
    try {
      k.load(m_chart);
    } catch (const _com_error& e) {
      hr = e.Error();
    }
    EXPECT_EQ(k.hr, hr);
    Ref<IValues> values;
    ASSERT_HRESULT_SUCCEEDED(m_model->get_Value(&values));
    double v = 0;
    values->get_Item(0, k.lastPoint, &v);
    EXPECT_FALSE(std::isnan(v)) << "the table lost its values";
    values->get_Item(0, k.lastPoint + 1, &v);
    EXPECT_TRUE(std::isnan(v)) << "the table grew";
    m_chart.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
}

TEST(NewChartFXWithoutControl, SaysSoAndRaisesAMissingPointer) {
  HostApp();
  CWnd parent;
  parent.Attach(tks::HostFrame());
  CNewChartFX bare;
  ASSERT_TRUE(bare.CWnd::Create(AfxRegisterWndClass(0), L"bare", WS_CHILD, CRect(0, 0, 50, 50),
                                &parent, 43));
  std::wstring said;
  tks::AnswerNextMessageBox([&](const std::wstring&, const std::wstring& text) {
    said = text;
    return IDOK;
  });
  EXPECT_FALSE(bare.GetChartPtr());
  EXPECT_EQ(L"This object does not represent an OLE control!", said);

  tks::AnswerNextMessageBox(IDOK);
  try {
    bare.SetGallery(1);
    ADD_FAILURE() << "an operation ran without a control";
  } catch (const _com_error& e) {
    EXPECT_EQ(E_POINTER, e.Error());
  }
  EXPECT_EQ(0, tks::PendingModalAnswers());
  bare.CWnd::DestroyWindow();
  parent.Detach();
}

TEST_F(NewChartFX, PrintingWithoutAPrinterEndsAtTheSystemsNotice) {
  // The print setup tells there is no printer; the chart starts no document of its own.
  tks::RemoveTestPrinter();  // other tests of this prefix may have installed it
  std::wstring said;
  tks::AnswerNextMessageBox([&](const std::wstring&, const std::wstring& text) {
    said = text;
    return IDOK;
  });
  Command(m_chart.m_hWnd, 1133);
  EXPECT_NE(std::wstring::npos, said.find(L"printer"));
  EXPECT_EQ(0, tks::PendingModalAnswers());
}

}  // namespace
