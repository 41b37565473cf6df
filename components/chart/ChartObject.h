// The chart control: the _Chart object model over a ChartModel, drawing, and the OLE
// interfaces a container needs to embed it in place.
#pragma once
#include <ocidl.h>
#include <olectl.h>

#include "ChartDispatch.h"
#include "chart/logic/ChartModel.h"

namespace tkw::chart {

class ChartObject : public DispatchObject<_Chart>,
                    public IOleObject,
                    public IOleInPlaceObject,
                    public IViewObject2,
                    public IPersistStreamInit,
                    public ISupportErrorInfo {
 public:
  ChartObject();
  ~ChartObject() override;

  ChartModel& Model() { return m_model; }
  // Redraws the window after the model changed.
  void Changed();
  // Draws the chart into `dc` over `rc`.
  void Draw(HDC dc, const RECT& rc);

  // IUnknown, shared by every interface
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
  STDMETHODIMP_(ULONG) AddRef() override { return DispatchObject::AddRef(); }
  STDMETHODIMP_(ULONG) Release() override { return DispatchObject::Release(); }

  // _Chart
  STDMETHODIMP OpenDataEx(short nType, LONG n1, LONG n2) override;
  STDMETHODIMP CloseData(short nType) override;
  STDMETHODIMP ClearData(LONG nFlags) override;
  STDMETHODIMP get_AxisX(IAxis** p) override;
  STDMETHODIMP get_AxisY(IAxis** p) override;
  STDMETHODIMP get_Axis(IAxisCollection** p) override;
  STDMETHODIMP get_Series(ISeriesCollection** p) override;
  STDMETHODIMP get_Titles(ITitleCollection** p) override;
  STDMETHODIMP get_Legend(IStringList** p) override;
  STDMETHODIMP get_Value(IValues** p) override;
  STDMETHODIMP get_RealTime(IRealTime** p) override;
  STDMETHODIMP get_Gallery(LONG* p) override;
  STDMETHODIMP put_Gallery(LONG v) override;
  STDMETHODIMP get_GalleryEx(LONG* p) override;
  STDMETHODIMP put_GalleryEx(LONG v) override;
  STDMETHODIMP get_Type(LONG* p) override;
  STDMETHODIMP put_Type(LONG v) override;
  STDMETHODIMP get_TypeEx(LONG* p) override;
  STDMETHODIMP put_TypeEx(LONG v) override;
  STDMETHODIMP get_Grid(LONG* p) override;
  STDMETHODIMP put_Grid(LONG v) override;
  STDMETHODIMP get_ExportTemplate(LONG* p) override;
  STDMETHODIMP put_ExportTemplate(LONG v) override;
  STDMETHODIMP get_PointType(LONG* p) override;
  STDMETHODIMP put_PointType(LONG v) override;
  STDMETHODIMP get_MarkerSize(short* p) override;
  STDMETHODIMP put_MarkerSize(short v) override;
  STDMETHODIMP get_Chart3D(VARIANT_BOOL* p) override;
  STDMETHODIMP put_Chart3D(VARIANT_BOOL v) override;
  STDMETHODIMP get_ItemWidth(LONG* p) override;
  STDMETHODIMP put_ItemWidth(LONG v) override;
  STDMETHODIMP get_RGBBk(LONG* p) override;
  STDMETHODIMP put_RGBBk(LONG v) override;
  STDMETHODIMP get_RGB2DBk(LONG* p) override;
  STDMETHODIMP put_RGB2DBk(LONG v) override;
  STDMETHODIMP get_LeftGap(LONG* p) override;
  STDMETHODIMP put_LeftGap(LONG v) override;
  STDMETHODIMP get_TopGap(LONG* p) override;
  STDMETHODIMP put_TopGap(LONG v) override;
  STDMETHODIMP get_RightGap(LONG* p) override;
  STDMETHODIMP put_RightGap(LONG v) override;
  STDMETHODIMP get_BottomGap(LONG* p) override;
  STDMETHODIMP put_BottomGap(LONG v) override;
  STDMETHODIMP SeparateSlice(LONG nSeries, LONG nPoint, short nDistance) override;
  STDMETHODIMP get_ToolBar(VARIANT_BOOL* p) override;
  STDMETHODIMP put_ToolBar(VARIANT_BOOL v) override;
  STDMETHODIMP get_SerLegBox(VARIANT_BOOL* p) override;
  STDMETHODIMP put_SerLegBox(VARIANT_BOOL v) override;
  STDMETHODIMP get_DataEditor(VARIANT_BOOL* p) override;
  STDMETHODIMP put_DataEditor(VARIANT_BOOL v) override;
  STDMETHODIMP get_Hidden(double* p) override;
  STDMETHODIMP put_Hidden(double v) override;
  STDMETHODIMP get_NSeries(LONG* p) override;
  STDMETHODIMP get_NValues(LONG* p) override;
  STDMETHODIMP Paint(LONG hDC, LONG x, LONG y, LONG cx, LONG cy, LONG nFlags,
                     LONG* pResult) override;
  STDMETHODIMP Export(short nFormat, VARIANT vArg, LONG* pResult) override;
  STDMETHODIMP Import(short nFormat, VARIANT vArg, LONG* pResult) override;

  // IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* site) override;
  STDMETHODIMP GetClientSite(IOleClientSite** pp) override;
  STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP Close(DWORD) override;
  STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                      LPCRECT pos) override;
  STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return OLE_S_USEREG; }
  STDMETHODIMP Update() override { return S_OK; }
  STDMETHODIMP IsUpToDate() override { return S_OK; }
  STDMETHODIMP GetUserClassID(CLSID* p) override;
  STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return OLE_S_USEREG; }
  STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
  STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
  STDMETHODIMP Advise(IAdviseSink* sink, DWORD* cookie) override;
  STDMETHODIMP Unadvise(DWORD cookie) override;
  STDMETHODIMP EnumAdvise(IEnumSTATDATA** pp) override;
  STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
  STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IOleInPlaceObject
  STDMETHODIMP GetWindow(HWND* p) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP InPlaceDeactivate() override;
  STDMETHODIMP UIDeactivate() override { return S_OK; }
  STDMETHODIMP SetObjectRects(LPCRECT pos, LPCRECT clip) override;
  STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

  // IViewObject2
  STDMETHODIMP Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds,
                    LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override;
  STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override {
    return E_NOTIMPL;
  }
  STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
  STDMETHODIMP Unfreeze(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP SetAdvise(DWORD, DWORD, IAdviseSink*) override { return S_OK; }
  STDMETHODIMP GetAdvise(DWORD*, DWORD*, IAdviseSink**) override { return E_NOTIMPL; }
  STDMETHODIMP GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) override {
    return GetExtent(aspect, size);
  }

  // IPersistStreamInit: the chart starts empty and keeps nothing in a container's stream;
  // its look travels in template files.
  STDMETHODIMP GetClassID(CLSID* p) override { return GetUserClassID(p); }
  STDMETHODIMP IsDirty() override { return S_FALSE; }
  STDMETHODIMP Load(LPSTREAM) override { return S_OK; }
  STDMETHODIMP Save(LPSTREAM, BOOL) override { return S_OK; }
  STDMETHODIMP GetSizeMax(ULARGE_INTEGER* p) override;
  STDMETHODIMP InitNew() override { return S_OK; }

  // ISupportErrorInfo
  STDMETHODIMP InterfaceSupportsErrorInfo(REFIID) override { return S_OK; }

 private:
  HRESULT ActivateInPlace(IOleClientSite* site, HWND parent, LPCRECT pos);
  HRESULT SetFlag(bool& flag, VARIANT_BOOL v);
  HRESULT SetWord(int32_t& word, LONG v);
  HRESULT ExportTo(short format, const VARIANT& arg);
  HRESULT ImportFrom(short format, const VARIANT& arg);
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);

  ChartModel m_model;
  IOleClientSite* m_site = nullptr;
  IOleInPlaceSite* m_inPlaceSite = nullptr;
  IOleAdviseHolder* m_adviseHolder = nullptr;
  HWND m_hwnd = nullptr;
  SIZEL m_extent = {12700, 8467};  // HIMETRIC: 480 x 320 pixels at 96 dpi
};

// The class factory of the chart control.
HRESULT CreateChartFactory(REFIID riid, void** ppv);

// The model's sub-objects, each keeping the chart alive.
HRESULT NewAxis(ChartObject* chart, long index, IAxis** pp);
HRESULT NewAxisCollection(ChartObject* chart, IAxisCollection** pp);
HRESULT NewSeriesCollection(ChartObject* chart, ISeriesCollection** pp);
HRESULT NewTitleCollection(ChartObject* chart, ITitleCollection** pp);
HRESULT NewLegendList(ChartObject* chart, IStringList** pp);
HRESULT NewValues(ChartObject* chart, IValues** pp);
HRESULT NewRealTime(ChartObject* chart, IRealTime** pp);

}  // namespace tkw::chart
