// CWebBrowser: every member is one InvokeHelper call with the browser interface's dispatch id.
#include "automation/WebBrowser.h"

#include <afxdisp.h>
#include <mshtml.h>
#include <mshtmhst.h>
#include <olectl.h>

IMPLEMENT_DYNCREATE(CWebBrowser, CWnd)

namespace {
const CLSID kWebBrowserClsid = {
    0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
// ICustomDoc: lets the container replace the document's UI handler.
const IID kCustomDoc = {
    0x3050F3F0, 0x98B5, 0x11CF, {0xBB, 0x82, 0x00, 0xAA, 0x00, 0xBD, 0xCE, 0x0B}};

enum : DISPID {
  kGoBack = 100,
  kGoForward = 101,
  kGoHome = 102,
  kGoSearch = 103,
  kNavigate = 104,
  kRefresh = DISPID_REFRESH,
  kRefresh2 = 105,
  kStop = 106,
  kApplication = 200,
  kParent = 201,
  kContainer = 202,
  kDocument = 203,
  kTopLevelContainer = 204,
  kType = 205,
  kLeft = 206,
  kTop = 207,
  kWidth = 208,
  kHeight = 209,
  kLocationName = 210,
  kLocationURL = 211,
  kBusy = 212,
  kQuit = 300,
  kClientToWindow = 301,
  kPutProperty = 302,
  kGetProperty = 303,
  kName = 0,
  kHwnd = DISPID_HWND,
  kFullName = 400,
  kPath = 401,
  kVisible = 402,
  kStatusBar = 403,
  kStatusText = 404,
  kToolBar = 405,
  kMenuBar = 406,
  kFullScreen = 407,
  kNavigate2 = 500,
  kQueryStatusWB = 501,
  kExecWB = 502,
  kShowBrowserBar = 503,
  kReadyState = DISPID_READYSTATE,
  kOffline = 550,
  kSilent = 551,
  kRegisterAsBrowser = 552,
  kRegisterAsDropTarget = 553,
  kTheaterMode = 554,
  kAddressBar = 555,
  kResizable = 556
};

// The document's UI-handler slot, as the document exposes it.
struct ICustomDocSlot : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetUIHandler(IDocHostUIHandler* pUIHandler) = 0;
};
}  // namespace

CLSID const& CWebBrowser::GetClsid() {
  return kWebBrowserClsid;
}

BOOL CWebBrowser::Create(LPCTSTR, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID, CCreateContext*) {
  return CreateControl(GetClsid(), lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CWebBrowser::Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                         UINT nID, CFile* pPersist, BOOL bStorage, BSTR bstrLicKey) {
  return CreateControl(GetClsid(), lpszWindowName, dwStyle, rect, pParentWnd, nID, pPersist,
                       bStorage, bstrLicKey);
}

BOOL CWebBrowser::DestroyWindow() {
  if (::IsWindow(m_hWnd) && GetControlUnknown()) {
    if (LPDISPATCH pDocument = GetDocument()) {
      IHTMLDocument2* pHtml = nullptr;
      if (SUCCEEDED(
              pDocument->QueryInterface(IID_IHTMLDocument2, reinterpret_cast<void**>(&pHtml)))) {
        ICustomDocSlot* pCustom = nullptr;
        if (SUCCEEDED(pHtml->QueryInterface(kCustomDoc, reinterpret_cast<void**>(&pCustom)))) {
          pCustom->SetUIHandler(nullptr);
          pCustom->Release();
        }
        pHtml->Release();
      }
      pDocument->Release();
    }
  }
  return CWnd::DestroyWindow();
}

namespace {
template <class T>
T Get(CWnd* p, DISPID id, VARTYPE vt) {
  T v{};
  p->GetProperty(id, vt, &v);
  return v;
}
}  // namespace

// ---- methods

void CWebBrowser::GoBack() {
  InvokeHelper(kGoBack, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
void CWebBrowser::GoForward() {
  InvokeHelper(kGoForward, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
void CWebBrowser::GoHome() {
  InvokeHelper(kGoHome, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
void CWebBrowser::GoSearch() {
  InvokeHelper(kGoSearch, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
void CWebBrowser::Navigate(LPCTSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                           VARIANT* Headers) {
  static const BYTE params[] = VTS_BSTR VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT;
  InvokeHelper(kNavigate, DISPATCH_METHOD, VT_EMPTY, nullptr, params, URL, Flags, TargetFrameName,
               PostData, Headers);
}
void CWebBrowser::Navigate2(VARIANT* URL, VARIANT* Flags, VARIANT* TargetFrameName,
                            VARIANT* PostData, VARIANT* Headers) {
  static const BYTE params[] = VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT;
  InvokeHelper(kNavigate2, DISPATCH_METHOD, VT_EMPTY, nullptr, params, URL, Flags, TargetFrameName,
               PostData, Headers);
}
void CWebBrowser::Refresh() {
  InvokeHelper(kRefresh, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
void CWebBrowser::Refresh2(VARIANT* Level) {
  static const BYTE params[] = VTS_PVARIANT;
  InvokeHelper(kRefresh2, DISPATCH_METHOD, VT_EMPTY, nullptr, params, Level);
}
void CWebBrowser::Stop() {
  InvokeHelper(kStop, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
void CWebBrowser::Quit() {
  InvokeHelper(kQuit, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
void CWebBrowser::ClientToWindow(long* pcx, long* pcy) {
  static const BYTE params[] = VTS_PI4 VTS_PI4;
  InvokeHelper(kClientToWindow, DISPATCH_METHOD, VT_EMPTY, nullptr, params, pcx, pcy);
}
void CWebBrowser::PutProperty(LPCTSTR Property, const VARIANT& vtValue) {
  static const BYTE params[] = VTS_BSTR VTS_VARIANT;
  InvokeHelper(kPutProperty, DISPATCH_METHOD, VT_EMPTY, nullptr, params, Property, &vtValue);
}
VARIANT CWebBrowser::GetProperty_(LPCTSTR Property) {
  VARIANT result;
  VariantInit(&result);
  static const BYTE params[] = VTS_BSTR;
  InvokeHelper(kGetProperty, DISPATCH_METHOD, VT_VARIANT, &result, params, Property);
  return result;
}
void CWebBrowser::ExecWB(long cmdID, long cmdexecopt, VARIANT* pvaIn, VARIANT* pvaOut) {
  static const BYTE params[] = VTS_I4 VTS_I4 VTS_PVARIANT VTS_PVARIANT;
  InvokeHelper(kExecWB, DISPATCH_METHOD, VT_EMPTY, nullptr, params, cmdID, cmdexecopt, pvaIn,
               pvaOut);
}
long CWebBrowser::QueryStatusWB(long cmdID) {
  long result = 0;
  static const BYTE params[] = VTS_I4;
  InvokeHelper(kQueryStatusWB, DISPATCH_METHOD, VT_I4, &result, params, cmdID);
  return result;
}
void CWebBrowser::ShowBrowserBar(VARIANT* pvaClsid, VARIANT* pvarShow, VARIANT* pvarSize) {
  static const BYTE params[] = VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT;
  InvokeHelper(kShowBrowserBar, DISPATCH_METHOD, VT_EMPTY, nullptr, params, pvaClsid, pvarShow,
               pvarSize);
}

// ---- properties

#define TKW_WB_GET(Name, Type, Vt)       \
  Type CWebBrowser::Get##Name() {        \
    return Get<Type>(this, k##Name, Vt); \
  }
#define TKW_WB_PUT(Name, Type, Vt)      \
  void CWebBrowser::Set##Name(Type v) { \
    SetProperty(k##Name, Vt, v);        \
  }
#define TKW_WB_PROP(Name, Type, Vt) TKW_WB_GET(Name, Type, Vt) TKW_WB_PUT(Name, Type, Vt)

TKW_WB_GET(Application, LPDISPATCH, VT_DISPATCH)
TKW_WB_GET(Parent, LPDISPATCH, VT_DISPATCH)
TKW_WB_GET(Container, LPDISPATCH, VT_DISPATCH)
TKW_WB_GET(Document, LPDISPATCH, VT_DISPATCH)
TKW_WB_GET(TopLevelContainer, BOOL, VT_BOOL)
TKW_WB_GET(Type, CString, VT_BSTR)
TKW_WB_PROP(Left, long, VT_I4)
TKW_WB_PROP(Top, long, VT_I4)
TKW_WB_PROP(Width, long, VT_I4)
TKW_WB_PROP(Height, long, VT_I4)
TKW_WB_GET(LocationName, CString, VT_BSTR)
TKW_WB_GET(LocationURL, CString, VT_BSTR)
TKW_WB_GET(Busy, BOOL, VT_BOOL)
TKW_WB_GET(Name, CString, VT_BSTR)
TKW_WB_GET(Hwnd, long, VT_I4)
TKW_WB_GET(FullName, CString, VT_BSTR)
TKW_WB_GET(Path, CString, VT_BSTR)
TKW_WB_GET(ReadyState, long, VT_I4)
TKW_WB_PROP(Visible, BOOL, VT_BOOL)
TKW_WB_PROP(StatusBar, BOOL, VT_BOOL)
TKW_WB_GET(StatusText, CString, VT_BSTR)
void CWebBrowser::SetStatusText(LPCTSTR s) {
  SetProperty(kStatusText, VT_BSTR, s);
}
TKW_WB_PROP(ToolBar, long, VT_I4)
TKW_WB_PROP(MenuBar, BOOL, VT_BOOL)
TKW_WB_PROP(FullScreen, BOOL, VT_BOOL)
TKW_WB_PROP(Offline, BOOL, VT_BOOL)
TKW_WB_PROP(Silent, BOOL, VT_BOOL)
TKW_WB_PROP(RegisterAsBrowser, BOOL, VT_BOOL)
TKW_WB_PROP(RegisterAsDropTarget, BOOL, VT_BOOL)
TKW_WB_PROP(TheaterMode, BOOL, VT_BOOL)
TKW_WB_PROP(AddressBar, BOOL, VT_BOOL)
TKW_WB_PROP(Resizable, BOOL, VT_BOOL)
#undef TKW_WB_PROP
#undef TKW_WB_PUT
#undef TKW_WB_GET
