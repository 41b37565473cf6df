// CNewChartFX: creation, the typed operations on the chart's object model, and the window's
// own behaviour (reflector, destruction, F1).
#include "chart/NewChartFX.h"

#include <comdef.h>

#include "Cfx62.h"
#include "chart/ChartError.h"
#include "chart/NewChartFXReflectorWnd.h"
#include "core/ActivationContext.h"

namespace {

// Releases an interface when the step that obtained it ends.
template <class T>
struct Held {
  T* p = nullptr;
  ~Held() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

using tkw::CheckChart;

// Series i, axis i and title i of the chart's collections.
void SeriesAt(_Chart* chart, int i, ISeries** pp) {
  Held<ISeriesCollection> list;
  CheckChart(chart->get_Series(&list));
  CheckChart(list->get_Item(i, pp));
}
void AxisAt(_Chart* chart, int i, IAxis** pp) {
  Held<IAxisCollection> list;
  CheckChart(chart->get_Axis(&list));
  CheckChart(list->get_Item(i, pp));
}

VARIANT_BOOL Vb(int b) {
  return b ? VARIANT_TRUE : VARIANT_FALSE;
}

}  // namespace

// ---- counted pointer

CChartPtr::CChartPtr(const CChartPtr& other) : m_p(other.m_p) {
  if (m_p) m_p->AddRef();
}

CChartPtr& CChartPtr::operator=(const CChartPtr& other) {
  if (other.m_p) other.m_p->AddRef();
  if (m_p) m_p->Release();
  m_p = other.m_p;
  return *this;
}

CChartPtr::~CChartPtr() {
  if (m_p) m_p->Release();
}

// ---- the window

IMPLEMENT_DYNCREATE(CNewChartFX, CWnd)

BEGIN_MESSAGE_MAP(CNewChartFX, CWnd)
  ON_WM_SYSCOLORCHANGE()
  ON_COMMAND(592, OnChartLegend)
  ON_COMMAND(113, OnChartToolbar)
  ON_COMMAND(1133, OnChartPrint)
  ON_COMMAND(32152, OnChartShowData)
  ON_COMMAND(32153, OnChartCopyGraph)
  ON_COMMAND(32154, OnChartCopyData)
  ON_COMMAND(32155, OnChartSaveConfiguration)
  ON_COMMAND(32163, OnChartLoadConfiguration)
END_MESSAGE_MAP()

CNewChartFX::CNewChartFX() = default;

CNewChartFX::~CNewChartFX() {
  delete m_pReflectorWnd;
  if (m_spChart) m_spChart->Release();
}

CLSID CNewChartFX::GetClsid() {
  return CLSID_Chart;
}

BOOL CNewChartFX::Create(LPCTSTR, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParent, UINT nID, CCreateContext*) {
  return Create(pszWindowName, dwStyle, rect, pParent, nID, nullptr, FALSE, nullptr);
}

BOOL CNewChartFX::Create(LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParent,
                         UINT nID, CFile* pPersist, BOOL bStorage, BSTR bstrLicKey) {
  // The component is found through its manifest beside this library, without registration.
  tkw::ComponentScope activation(L"tkwchart");
  return CreateControl(GetClsid(), pszWindowName, dwStyle, rect, pParent, nID, pPersist, bStorage,
                       bstrLicKey);
}

CChartPtr CNewChartFX::GetChartPtr() {
  IUnknown* pUnknown = GetControlUnknown();
  if (!pUnknown) {
    AfxMessageBox(L"This object does not represent an OLE control!", MB_ICONHAND);
    return CChartPtr();
  }
  _Chart* pChart = nullptr;
  const HRESULT hr = pUnknown->QueryInterface(IID__Chart, reinterpret_cast<void**>(&pChart));
  if (hr == E_NOINTERFACE) return CChartPtr();
  CheckChart(hr);
  return CChartPtr(pChart);
}

CChartPtr CNewChartFX::Chart() {
  CChartPtr p = GetChartPtr();
  if (!p) tkw::RaiseChartError(E_POINTER);
  return p;
}

// ---- data loading

void CNewChartFX::OpenDataEx(int nType, long n1, long n2) {
  CheckChart(Chart()->OpenDataEx(short(nType), n1, n2));
}
void CNewChartFX::CloseData(int nType) {
  CheckChart(Chart()->CloseData(short(nType)));
}
void CNewChartFX::ClearData() {
  CheckChart(Chart()->ClearData(0x4000000));
}
void CNewChartFX::ClearConstantLinesAttr() {
  CheckChart(Chart()->ClearData(0x10));
}

void CNewChartFX::SetValue(long nSeries, long nPoint, double dValue) {
  Held<IValues> values;
  CheckChart(Chart()->get_Value(&values));
  CheckChart(values->put_Item(nSeries, nPoint, dValue));
}

void CNewChartFX::SetMaxValues(long n) {
  Held<IRealTime> rt;
  CheckChart(Chart()->get_RealTime(&rt));
  CheckChart(rt->put_BufferSize(n));
  LONG style = 0;
  CheckChart(rt->get_Style(&style));
  CheckChart(rt->put_Style(style | 4));  // loop-position mode
}

void CNewChartFX::SetLoopPosColor(long clr) {
  Held<IRealTime> rt;
  Held<ILoopMarker> marker;
  CheckChart(Chart()->get_RealTime(&rt));
  CheckChart(rt->get_LoopMarker(&marker));
  CheckChart(marker->put_Color(clr));
}

// ---- series, titles, legend

void CNewChartFX::SetSerLeg(int i, LPCTSTR psz) {
  Held<ISeries> series;
  SeriesAt(Chart().Get(), i, &series);
  VARIANT_BOOL on = VARIANT_FALSE;
  CheckChart(series->get_Visible(&on));
  if (!on) CheckChart(series->put_Visible(VARIANT_TRUE));
  _bstr_t text(psz);
  CheckChart(series->put_Legend(text));
}

void CNewChartFX::EmptySerLeg() {
  LONG count = 0;
  {
    Held<ISeriesCollection> list;
    CheckChart(Chart()->get_Series(&list));
    CheckChart(list->get_Count(&count));
  }
  for (int i = 0; i < count; ++i) {
    Held<ISeries> series;
    SeriesAt(Chart().Get(), i, &series);
    CheckChart(series->put_Visible(VARIANT_FALSE));
  }
}

void CNewChartFX::SetColor(int i, COLORREF clr) {
  Held<ISeries> series;
  SeriesAt(Chart().Get(), i, &series);
  CheckChart(series->put_Color(LONG(clr)));
}

void CNewChartFX::SetTitle(int i, CString str) {
  Held<ITitleCollection> list;
  Held<ITitle> title;
  CheckChart(Chart()->get_Titles(&list));
  CheckChart(list->get_Item(i, &title));
  _bstr_t text(static_cast<LPCWSTR>(str));
  CheckChart(title->put_Text(text));
  CheckChart(title->put_Index(i));
}

void CNewChartFX::SetLegend(long i, CString str) {
  Held<IStringList> legend;
  CheckChart(Chart()->get_Legend(&legend));
  _bstr_t text(static_cast<LPCWSTR>(str));
  CheckChart(legend->put_Item(i, text));
}

// ---- axes

#define TKW_AXIS_SET(Name, Which, Prop, Type) \
  void CNewChartFX::Name(Type v) {            \
    Held<IAxis> axis;                         \
    CheckChart(Chart()->get_##Which(&axis));  \
    CheckChart(axis->put_##Prop(v));          \
  }
TKW_AXIS_SET(SetAxisYMax, AxisY, Max, double)
TKW_AXIS_SET(SetAxisYMin, AxisY, Min, double)
TKW_AXIS_SET(SetAxisYGap, AxisY, Step, double)
TKW_AXIS_SET(SetAxisYScaleUnit, AxisY, ScaleUnit, double)
TKW_AXIS_SET(SetPixPerUnit, AxisX, PixPerUnit, long)
#undef TKW_AXIS_SET

void CNewChartFX::SetVertGridGap(int n) {
  Held<IAxis> axis;
  CheckChart(Chart()->get_AxisX(&axis));
  CheckChart(axis->put_Step(n));
}

void CNewChartFX::SetDecimalsNum(long n) {
  Held<IAxis> axis;
  Held<IAxisFormat> format;
  CheckChart(Chart()->get_AxisY(&axis));
  CheckChart(axis->get_Format(&format));
  CheckChart(format->put_Decimals(n));
}

void CNewChartFX::ShowAxisYGridLines(int b) {
  Held<IAxis> axis;
  CheckChart(Chart()->get_AxisY(&axis));
  CheckChart(axis->put_GridLines(Vb(b)));
}

void CNewChartFX::SetGridColor(long clrY, long clrX) {
  Held<IAxis> y, x;
  CheckChart(Chart()->get_AxisY(&y));
  CheckChart(y->put_GridColor(clrY));
  CheckChart(Chart()->get_AxisX(&x));
  CheckChart(x->put_GridColor(clrX));
}

namespace {
long AxisStyle(_Chart* chart, bool y) {
  Held<IAxis> axis;
  CheckChart(y ? chart->get_AxisY(&axis) : chart->get_AxisX(&axis));
  LONG style = 0;
  CheckChart(axis->get_Style(&style));
  return style;
}
void AddAxisStyle(_Chart* chart, bool y, long bits) {
  const long style = AxisStyle(chart, y);
  Held<IAxis> axis;
  CheckChart(y ? chart->get_AxisY(&axis) : chart->get_AxisX(&axis));
  CheckChart(axis->put_Style(style | bits));
}
}  // namespace

long CNewChartFX::GetLegStyle() {
  return AxisStyle(Chart().Get(), false);
}
void CNewChartFX::SetLegStyle(long n) {
  AddAxisStyle(Chart().Get(), false, n);
}
long CNewChartFX::GetYLegStyle() {
  return AxisStyle(Chart().Get(), true);
}
void CNewChartFX::SetYLegStyle(long n) {
  AddAxisStyle(Chart().Get(), true, n);
}

long CNewChartFX::GetAxisCount() {
  Held<IAxisCollection> list;
  CheckChart(Chart()->get_Axis(&list));
  LONG n = 0;
  CheckChart(list->get_Count(&n));
  return n;
}

void CNewChartFX::HideAxis(int i) {
  Held<IAxis> axis;
  AxisAt(Chart().Get(), i, &axis);
  CheckChart(axis->put_Visible(VARIANT_FALSE));
}

void CNewChartFX::DisplayAxis(int i) {
  Held<IAxis> axis;
  AxisAt(Chart().Get(), i, &axis);
  CheckChart(axis->put_Visible(VARIANT_TRUE));
}

void CNewChartFX::SetAxisLogBase(int i, double dBase) {
  Held<IAxis> axis;
  AxisAt(Chart().Get(), i, &axis);
  CheckChart(axis->put_LogBase(dBase));
  if (dBase > 0) {
    Held<IAxis> again;
    AxisAt(Chart().Get(), i, &again);
    CheckChart(again->put_Step(0));
  }
}

double CNewChartFX::GetAxisLogBase(int i) {
  Held<IAxis> axis;
  AxisAt(Chart().Get(), i, &axis);
  double d = 0;
  CheckChart(axis->get_LogBase(&d));
  return d;
}

// ---- gallery and style words

int CNewChartFX::GetGallery() {
  LONG n = 0;
  CheckChart(Chart()->get_Gallery(&n));
  return int(n);
}

void CNewChartFX::SetGallery(int n) {
  CheckChart(Chart()->put_GalleryEx(0));
  CheckChart(Chart()->put_Gallery(n));
}

#define TKW_CHART_WORD(Name, Prop, Type)                \
  Type CNewChartFX::Get##Name() {                       \
    LONG n = 0;                                         \
    CheckChart(Chart()->get_##Prop(&n));                \
    return Type(n);                                     \
  }                                                     \
  void CNewChartFX::Set##Name(Type n) {                 \
    const LONG current = LONG(Get##Name());             \
    CheckChart(Chart()->put_##Prop(current | LONG(n))); \
  }
TKW_CHART_WORD(Type, Type, long)
TKW_CHART_WORD(TypeEx, TypeEx, long)
TKW_CHART_WORD(Grid, Grid, int)
TKW_CHART_WORD(ExportTemplate, ExportTemplate, long)
#undef TKW_CHART_WORD

int CNewChartFX::GetPointType() {
  LONG n = 0;
  CheckChart(Chart()->get_PointType(&n));
  return int(n);
}
void CNewChartFX::SetPointType(int n) {
  CheckChart(Chart()->put_PointType(n));
}
void CNewChartFX::SetMarkerSize(short n) {
  CheckChart(Chart()->put_MarkerSize(n));
}
void CNewChartFX::SetChart3D(int b) {
  CheckChart(Chart()->put_Chart3D(Vb(b)));
}
void CNewChartFX::SetItemWidth(long n) {
  CheckChart(Chart()->put_ItemWidth(n));
}
void CNewChartFX::SetRGBBk(COLORREF clr) {
  CheckChart(Chart()->put_RGBBk(LONG(clr)));
}
void CNewChartFX::SetRGB2DBk(COLORREF clr) {
  CheckChart(Chart()->put_RGB2DBk(LONG(clr)));
}

void CNewChartFX::SetChartGap(long nLeft, long nTop, long nRight, long nBottom) {
  CheckChart(Chart()->put_LeftGap(nLeft));
  CheckChart(Chart()->put_TopGap(nTop));
  CheckChart(Chart()->put_RightGap(nRight));
  CheckChart(Chart()->put_BottomGap(nBottom));
}

void CNewChartFX::SetSeparateSlice(long nSeries, long nPoint, short nDistance) {
  CheckChart(Chart()->SeparateSlice(nSeries, nPoint, nDistance));
}

// ---- tools

#define TKW_CHART_FLAG(Name)                \
  int CNewChartFX::Get##Name() {            \
    VARIANT_BOOL b = VARIANT_FALSE;         \
    CheckChart(Chart()->get_##Name(&b));    \
    return b ? TRUE : FALSE;                \
  }                                         \
  void CNewChartFX::Set##Name(int b) {      \
    CheckChart(Chart()->put_##Name(Vb(b))); \
  }
TKW_CHART_FLAG(ToolBar)
TKW_CHART_FLAG(SerLegBox)
#undef TKW_CHART_FLAG

void CNewChartFX::ShowToolBar() {
  SetToolBar(TRUE);
}
void CNewChartFX::ShowSerLegBox() {
  SetSerLegBox(TRUE);
}

int CNewChartFX::GetDataEditor() {
  VARIANT_BOOL b = VARIANT_FALSE;
  CheckChart(Chart()->get_DataEditor(&b));
  return b ? TRUE : FALSE;
}

double CNewChartFX::GetHidden() {
  double d = 0;
  CheckChart(Chart()->get_Hidden(&d));
  return d;
}

long CNewChartFX::Paint(long hDC, long x, long y, long cx, long cy, PaintFlags flags) {
  LONG result = 0;
  CheckChart(Chart()->Paint(hDC, x, y, cx, cy, flags, &result));
  return result;
}

long CNewChartFX::Export(int nFormat, const VARIANT& v) {
  VARIANT copy;
  VariantInit(&copy);
  CheckChart(VariantCopy(&copy, const_cast<VARIANT*>(&v)));
  LONG result = 0;
  const HRESULT hr = Chart()->Export(short(nFormat), copy, &result);
  VariantClear(&copy);
  CheckChart(hr);
  return result;
}

long CNewChartFX::Import(int nFormat, const VARIANT& v) {
  VARIANT copy;
  VariantInit(&copy);
  CheckChart(VariantCopy(&copy, const_cast<VARIANT*>(&v)));
  LONG result = 0;
  const HRESULT hr = Chart()->Import(short(nFormat), copy, &result);
  VariantClear(&copy);
  CheckChart(hr);
  return result;
}

// ---- toggles

void CNewChartFX::SysColorChange() {
  SetRGBBk(::GetSysColor(COLOR_BTNFACE));
}
void CNewChartFX::ChartLegend() {
  SetSerLegBox(!GetSerLegBox());
}
void CNewChartFX::ChartToolbar() {
  SetToolBar(!GetToolBar());
}
void CNewChartFX::ChartShowData() {
  CheckChart(Chart()->put_DataEditor(Vb(!GetDataEditor())));
}

void CNewChartFX::OnSysColorChange() {
  CWnd::OnSysColorChange();
}

// ---- the window's own behaviour

CNewChartFXReflectorWnd* CNewChartFX::GetReflectorWnd() {
  if (!::IsWindow(m_hWnd)) return nullptr;
  if (!m_pReflectorWnd) {
    CWnd* pParent = GetParent();
    CRect rc;
    if (pParent) pParent->GetWindowRect(&rc);
    m_pReflectorWnd = new CNewChartFXReflectorWnd;
    m_pReflectorWnd->Create(rc, pParent ? pParent->GetSafeHwnd() : nullptr);
    m_pReflectorWnd->SetChart(this);
    m_pReflectorWnd->ShowWindow(SW_HIDE);
  }
  return m_pReflectorWnd;
}

BOOL CNewChartFX::DestroyWindow() {
  if (::IsWindow(m_hWnd)) {
    SetSerLegBox(FALSE);
    SetToolBar(FALSE);
    if (m_pReflectorWnd) {
      m_pReflectorWnd->DestroyWindow();
      delete m_pReflectorWnd;
      m_pReflectorWnd = nullptr;
    }
  }
  return CWnd::DestroyWindow();
}

BOOL CNewChartFX::PreTranslateMessage(MSG* pMsg) {
  // F1 would start the component's own help; the host has its own.
  return pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1 && AfxGetMainWnd() != nullptr;
}
