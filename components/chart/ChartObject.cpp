// The chart control's object model properties and its in-place embedding.
#include "ChartObject.h"

#include <algorithm>
#include <cmath>

#include "ChartPainter.h"

namespace tkw::chart {

namespace {

const wchar_t kWindowClass[] = L"TKWChart62";

VARIANT_BOOL Vb(bool b) {
  return b ? VARIANT_TRUE : VARIANT_FALSE;
}

template <typename T, typename U>
HRESULT Get(T* p, U value) {
  if (!p) return E_POINTER;
  *p = T(value);
  return S_OK;
}

void RegisterWindowClass() {
  WNDCLASSW wc = {};
  if (GetClassInfoW(g_module, kWindowClass, &wc)) return;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = g_module;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kWindowClass;
  RegisterClassW(&wc);
}

}  // namespace

ChartObject::ChartObject() = default;

ChartObject::~ChartObject() {
  if (m_hwnd) DestroyWindow(m_hwnd);
  if (m_inPlaceSite) m_inPlaceSite->Release();
  if (m_site) m_site->Release();
  if (m_adviseHolder) m_adviseHolder->Release();
}

STDMETHODIMP ChartObject::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (riid == IID_IOleObject)
    *ppv = static_cast<IOleObject*>(this);
  else if (riid == IID_IOleInPlaceObject || riid == IID_IOleWindow)
    *ppv = static_cast<IOleInPlaceObject*>(this);
  else if (riid == IID_IViewObject || riid == IID_IViewObject2)
    *ppv = static_cast<IViewObject2*>(this);
  else if (riid == IID_IPersistStreamInit || riid == IID_IPersist)
    *ppv = static_cast<IPersistStreamInit*>(this);
  else if (riid == IID_ISupportErrorInfo)
    *ppv = static_cast<ISupportErrorInfo*>(this);
  else
    return DispatchObject::QueryInterface(riid, ppv);
  AddRef();
  return S_OK;
}

void ChartObject::Changed() {
  if (m_hwnd) InvalidateRect(m_hwnd, nullptr, FALSE);
}

void ChartObject::Draw(HDC dc, const RECT& rc) {
  PaintChart(dc, rc, m_model);
}

HRESULT ChartObject::SetFlag(bool& flag, VARIANT_BOOL v) {
  flag = v != VARIANT_FALSE;
  Changed();
  return S_OK;
}

HRESULT ChartObject::SetWord(int32_t& word, LONG v) {
  word = int32_t(v);
  Changed();
  return S_OK;
}

// Data loading

STDMETHODIMP ChartObject::OpenDataEx(short nType, LONG n1, LONG n2) {
  return m_model.OpenData(nType, n1, n2)
             ? S_OK
             : Fail(E_INVALIDARG, L"The data cannot be opened with these sizes.");
}

STDMETHODIMP ChartObject::CloseData(short nType) {
  if (!m_model.CloseData(nType)) return Fail(E_UNEXPECTED, L"No data of this type is open.");
  Changed();
  return S_OK;
}

STDMETHODIMP ChartObject::ClearData(LONG nFlags) {
  m_model.Clear(nFlags);
  Changed();
  return S_OK;
}

// Model objects

STDMETHODIMP ChartObject::get_AxisX(IAxis** p) {
  return NewAxis(this, 0, p);
}
STDMETHODIMP ChartObject::get_AxisY(IAxis** p) {
  return NewAxis(this, 1, p);
}
STDMETHODIMP ChartObject::get_Axis(IAxisCollection** p) {
  return NewAxisCollection(this, p);
}
STDMETHODIMP ChartObject::get_Series(ISeriesCollection** p) {
  return NewSeriesCollection(this, p);
}
STDMETHODIMP ChartObject::get_Titles(ITitleCollection** p) {
  return NewTitleCollection(this, p);
}
STDMETHODIMP ChartObject::get_Legend(IStringList** p) {
  return NewLegendList(this, p);
}
STDMETHODIMP ChartObject::get_Value(IValues** p) {
  return NewValues(this, p);
}
STDMETHODIMP ChartObject::get_RealTime(IRealTime** p) {
  return NewRealTime(this, p);
}

// Plain properties

#define TKW_CHART_WORD(Name, field)               \
  STDMETHODIMP ChartObject::get_##Name(LONG* p) { \
    return Get(p, m_model.Look().field);          \
  }                                               \
  STDMETHODIMP ChartObject::put_##Name(LONG v) {  \
    return SetWord(m_model.Look().field, v);      \
  }
TKW_CHART_WORD(Gallery, gallery)
TKW_CHART_WORD(GalleryEx, galleryEx)
TKW_CHART_WORD(Type, type)
TKW_CHART_WORD(TypeEx, typeEx)
TKW_CHART_WORD(Grid, grid)
TKW_CHART_WORD(ExportTemplate, exportTemplate)
TKW_CHART_WORD(PointType, pointType)
TKW_CHART_WORD(ItemWidth, itemWidth)
TKW_CHART_WORD(LeftGap, gaps[0])
TKW_CHART_WORD(TopGap, gaps[1])
TKW_CHART_WORD(RightGap, gaps[2])
TKW_CHART_WORD(BottomGap, gaps[3])
#undef TKW_CHART_WORD

#define TKW_CHART_FLAG(Name, field)                       \
  STDMETHODIMP ChartObject::get_##Name(VARIANT_BOOL* p) { \
    return Get(p, Vb(m_model.Look().field));              \
  }                                                       \
  STDMETHODIMP ChartObject::put_##Name(VARIANT_BOOL v) {  \
    return SetFlag(m_model.Look().field, v);              \
  }
TKW_CHART_FLAG(ToolBar, toolBar)
TKW_CHART_FLAG(SerLegBox, serLegBox)
TKW_CHART_FLAG(DataEditor, dataEditor)
#undef TKW_CHART_FLAG

STDMETHODIMP ChartObject::get_MarkerSize(short* p) {
  return Get(p, m_model.Look().markerSize);
}
STDMETHODIMP ChartObject::put_MarkerSize(short v) {
  return SetWord(m_model.Look().markerSize, v);
}
STDMETHODIMP ChartObject::get_Chart3D(VARIANT_BOOL* p) {
  return Get(p, Vb(m_model.Look().chart3D != 0));
}
STDMETHODIMP ChartObject::put_Chart3D(VARIANT_BOOL v) {
  return SetWord(m_model.Look().chart3D, v ? 1 : 0);
}
STDMETHODIMP ChartObject::get_RGBBk(LONG* p) {
  return Get(p, m_model.Look().background);
}
STDMETHODIMP ChartObject::put_RGBBk(LONG v) {
  m_model.Look().background = Colour(v);
  Changed();
  return S_OK;
}
STDMETHODIMP ChartObject::get_RGB2DBk(LONG* p) {
  return Get(p, m_model.Look().plotBackground);
}
STDMETHODIMP ChartObject::put_RGB2DBk(LONG v) {
  m_model.Look().plotBackground = Colour(v);
  Changed();
  return S_OK;
}
STDMETHODIMP ChartObject::get_Hidden(double* p) {
  return Get(p, m_model.Look().hidden);
}
STDMETHODIMP ChartObject::put_Hidden(double v) {
  m_model.Look().hidden = v;
  return S_OK;
}
STDMETHODIMP ChartObject::get_NSeries(LONG* p) {
  return Get(p, m_model.SeriesCount());
}
STDMETHODIMP ChartObject::get_NValues(LONG* p) {
  return Get(p, m_model.PointCount());
}

STDMETHODIMP ChartObject::SeparateSlice(LONG nSeries, LONG nPoint, short nDistance) {
  if (nSeries < 0 || nPoint < 0) return E_INVALIDARG;
  m_model.SeparateSlice(nSeries, nPoint, nDistance);
  Changed();
  return S_OK;
}

STDMETHODIMP ChartObject::Paint(LONG hDC, LONG x, LONG y, LONG cx, LONG cy, LONG nFlags,
                                LONG* pResult) {
  // GDI handles carry 32 significant bits, sign-extended, in a 64-bit process as well.
  HDC dc = reinterpret_cast<HDC>(static_cast<LONG_PTR>(hDC));
  if (!dc || cx <= 0 || cy <= 0) return E_INVALIDARG;
  const bool page = (nFlags & kPaintPage) != 0;
  if (page && StartPage(dc) <= 0) return Fail(E_FAIL, L"The printer refused the page.");
  const RECT rc = {x, y, x + cx, y + cy};
  Draw(dc, rc);
  if (page && EndPage(dc) <= 0) return Fail(E_FAIL, L"The printer refused the page.");
  return Get(pResult, 0);
}

STDMETHODIMP ChartObject::Export(short nFormat, VARIANT vArg, LONG* pResult) {
  const HRESULT hr = ExportTo(nFormat, vArg);
  return FAILED(hr) ? hr : Get(pResult, 0);
}

STDMETHODIMP ChartObject::Import(short nFormat, VARIANT vArg, LONG* pResult) {
  const HRESULT hr = ImportFrom(nFormat, vArg);
  if (FAILED(hr)) return hr;
  Changed();
  return Get(pResult, 0);
}

// Embedding

STDMETHODIMP ChartObject::SetClientSite(IOleClientSite* site) {
  if (site) site->AddRef();
  if (m_site) m_site->Release();
  m_site = site;
  return S_OK;
}

STDMETHODIMP ChartObject::GetClientSite(IOleClientSite** pp) {
  if (!pp) return E_POINTER;
  *pp = m_site;
  if (m_site) m_site->AddRef();
  return S_OK;
}

STDMETHODIMP ChartObject::Close(DWORD) {
  InPlaceDeactivate();
  return S_OK;
}

STDMETHODIMP ChartObject::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                                 LPCRECT pos) {
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE: return ActivateInPlace(site ? site : m_site, parent, pos);
    case OLEIVERB_HIDE:
      if (m_hwnd) ShowWindow(m_hwnd, SW_HIDE);
      return S_OK;
    default: return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
  }
}

HRESULT ChartObject::ActivateInPlace(IOleClientSite* site, HWND parent, LPCRECT pos) {
  if (m_hwnd) {
    ShowWindow(m_hwnd, SW_SHOW);
    return S_OK;
  }
  RECT rc = pos ? *pos : RECT{0, 0, 0, 0};
  IOleInPlaceSite* ips = nullptr;
  if (site &&
      SUCCEEDED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&ips)))) {
    if (ips->CanInPlaceActivate() != S_OK) {
      ips->Release();
      return E_FAIL;
    }
    ips->OnInPlaceActivate();
    HWND siteWnd = nullptr;
    if (SUCCEEDED(ips->GetWindow(&siteWnd)) && siteWnd) parent = siteWnd;
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* doc = nullptr;
    RECT posRect, clipRect;
    OLEINPLACEFRAMEINFO info = {sizeof info, FALSE, nullptr, nullptr, 0};
    if (SUCCEEDED(ips->GetWindowContext(&frame, &doc, &posRect, &clipRect, &info))) rc = posRect;
    if (frame) frame->Release();
    if (doc) doc->Release();
    m_inPlaceSite = ips;
  }
  if (!parent) return E_INVALIDARG;
  RegisterWindowClass();
  m_hwnd = CreateWindowExW(0, kWindowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rc.left,
                           rc.top, rc.right - rc.left, rc.bottom - rc.top, parent, nullptr,
                           g_module, nullptr);
  if (!m_hwnd) return HRESULT_FROM_WIN32(GetLastError());
  SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChartObject::WindowProc));
  return S_OK;
}

LRESULT CALLBACK ChartObject::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<ChartObject*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_PAINT:
    case WM_PRINTCLIENT: {
      PAINTSTRUCT ps;
      HDC dc = msg == WM_PAINT ? BeginPaint(hwnd, &ps) : reinterpret_cast<HDC>(wp);
      RECT rc;
      GetClientRect(hwnd, &rc);
      // Drawn off screen first, so that a real-time chart does not flicker as it updates.
      HDC mem = CreateCompatibleDC(dc);
      HBITMAP bmp = CreateCompatibleBitmap(dc, std::max(1L, rc.right), std::max(1L, rc.bottom));
      HGDIOBJ old = SelectObject(mem, bmp);
      if (self) self->Draw(mem, rc);
      BitBlt(dc, 0, 0, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
      SelectObject(mem, old);
      DeleteObject(bmp);
      DeleteDC(mem);
      if (msg == WM_PAINT) EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCDESTROY:
      if (self && self->m_hwnd == hwnd) self->m_hwnd = nullptr;
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

STDMETHODIMP ChartObject::GetUserClassID(CLSID* p) {
  return Get(p, CLSID_Chart);
}

STDMETHODIMP ChartObject::SetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  m_extent = *size;
  return S_OK;
}

STDMETHODIMP ChartObject::GetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  return Get(size, m_extent);
}

STDMETHODIMP ChartObject::Advise(IAdviseSink* sink, DWORD* cookie) {
  if (!m_adviseHolder) {
    const HRESULT hr = CreateOleAdviseHolder(&m_adviseHolder);
    if (FAILED(hr)) return hr;
  }
  return m_adviseHolder->Advise(sink, cookie);
}

STDMETHODIMP ChartObject::Unadvise(DWORD cookie) {
  return m_adviseHolder ? m_adviseHolder->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

STDMETHODIMP ChartObject::EnumAdvise(IEnumSTATDATA** pp) {
  return m_adviseHolder ? m_adviseHolder->EnumAdvise(pp) : E_FAIL;
}

STDMETHODIMP ChartObject::GetMiscStatus(DWORD, DWORD* status) {
  return Get(status, OLEMISC_RECOMPOSEONRESIZE | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
                         OLEMISC_SETCLIENTSITEFIRST | OLEMISC_CANTLINKINSIDE);
}

STDMETHODIMP ChartObject::GetWindow(HWND* p) {
  if (!p) return E_POINTER;
  *p = m_hwnd;
  return m_hwnd ? S_OK : E_FAIL;
}

STDMETHODIMP ChartObject::InPlaceDeactivate() {
  if (m_hwnd) {
    HWND hwnd = m_hwnd;
    m_hwnd = nullptr;
    DestroyWindow(hwnd);
  }
  if (m_inPlaceSite) {
    m_inPlaceSite->OnInPlaceDeactivate();
    m_inPlaceSite->Release();
    m_inPlaceSite = nullptr;
  }
  return S_OK;
}

STDMETHODIMP ChartObject::SetObjectRects(LPCRECT pos, LPCRECT) {
  if (!pos) return E_POINTER;
  if (m_hwnd)
    MoveWindow(m_hwnd, pos->left, pos->top, pos->right - pos->left, pos->bottom - pos->top, TRUE);
  return S_OK;
}

STDMETHODIMP ChartObject::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                               LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                               ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!dc || !bounds) return E_INVALIDARG;
  const RECT rc = {bounds->left, bounds->top, bounds->right, bounds->bottom};
  Draw(dc, rc);
  return S_OK;
}

STDMETHODIMP ChartObject::GetSizeMax(ULARGE_INTEGER* p) {
  if (!p) return E_POINTER;
  p->QuadPart = 0;
  return S_OK;
}

}  // namespace tkw::chart
