// ActiveX hosting: CWnd::CreateControl, the control site, and calls on the hosted control.
#include "olesite_.h"

namespace {

const wchar_t kHostClass[] = L"AfxOleControlHost";

template <class T>
void SafeRelease(T*& p) {
  if (p) p->Release();
  p = nullptr;
}

// The host window: a plain child that owns the site (in its extra bytes), hands its size and
// focus to the control and closes the control when it goes.
LRESULT CALLBACK HostWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  COleControlSite* pSite = COleControlSite::FromHost(hWnd);
  switch (message) {
    case WM_SIZE:
      if (pSite) pSite->Resize();
      break;
    case WM_SETFOCUS:
      if (pSite) pSite->Focus();
      break;
    case WM_DESTROY:
      if (pSite) {
        ::SetWindowLongPtrW(hWnd, 0, 0);
        pSite->Close();
        pSite->Release();
      }
      break;
    default: break;
  }
  return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

BOOL RegisterHostClass() {
  WNDCLASSW wc = {};
  if (::GetClassInfoW(AfxGetInstanceHandle(), kHostClass, &wc)) return TRUE;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &HostWndProc;
  wc.cbWndExtra = sizeof(COleControlSite*);
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kHostClass;
  return ::RegisterClassW(&wc) != 0;
}

// Reads the rest of a file into a movable block that a stream or lock-bytes object owns.
HGLOBAL ReadRest(CFile* pFile) {
  ULONGLONG left = pFile->GetLength() - pFile->GetPosition();
  HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, SIZE_T(left ? left : 1));
  if (!hGlobal) return nullptr;
  void* p = ::GlobalLock(hGlobal);
  UINT nRead = pFile->Read(p, UINT(left));
  ::GlobalUnlock(hGlobal);
  if (nRead != left) {
    ::GlobalFree(hGlobal);
    return nullptr;
  }
  return hGlobal;
}

LONG PixelsToHimetric(LONG px, int dpi) {
  return MulDiv(px, 2540, dpi);
}

}  // namespace

COleControlSite::COleControlSite()
    : m_nRefs(1),
      m_hWndHost(nullptr),
      m_pUnk(nullptr),
      m_pObject(nullptr),
      m_pInPlaceObject(nullptr) {}

COleControlSite::~COleControlSite() {
  Close();
}

COleControlSite* COleControlSite::FromHost(HWND hWndHost) {
  WCHAR name[32];
  if (!::IsWindow(hWndHost) || !::GetClassNameW(hWndHost, name, 32) ||
      ::lstrcmpW(name, kHostClass) != 0)
    return nullptr;
  return reinterpret_cast<COleControlSite*>(::GetWindowLongPtrW(hWndHost, 0));
}

HRESULT COleControlSite::LoadState(CFile* pPersist, BOOL bStorage) {
  HRESULT hr = E_NOINTERFACE;
  if (pPersist) {
    HGLOBAL hGlobal = ReadRest(pPersist);
    if (!hGlobal) return STG_E_READFAULT;
    if (bStorage) {
      ILockBytes* pBytes = nullptr;
      IStorage* pStorage = nullptr;
      IPersistStorage* pPersistStg = nullptr;
      hr = ::CreateILockBytesOnHGlobal(hGlobal, TRUE, &pBytes);
      if (FAILED(hr)) ::GlobalFree(hGlobal);
      if (SUCCEEDED(hr))
        hr = ::StgOpenStorageOnILockBytes(pBytes, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE,
                                          nullptr, 0, &pStorage);
      if (SUCCEEDED(hr))
        hr = m_pUnk->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&pPersistStg));
      if (SUCCEEDED(hr)) hr = pPersistStg->Load(pStorage);
      SafeRelease(pPersistStg);
      SafeRelease(pStorage);
      SafeRelease(pBytes);
      return hr;
    }
    IStream* pStream = nullptr;
    hr = ::CreateStreamOnHGlobal(hGlobal, TRUE, &pStream);
    if (FAILED(hr)) {
      ::GlobalFree(hGlobal);
      return hr;
    }
    IPersistStreamInit* pInit = nullptr;
    IPersistStream* pPlain = nullptr;
    if (SUCCEEDED(m_pUnk->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&pInit))))
      hr = pInit->Load(pStream);
    else if (SUCCEEDED(
                 m_pUnk->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&pPlain))))
      hr = pPlain->Load(pStream);
    SafeRelease(pInit);
    SafeRelease(pPlain);
    SafeRelease(pStream);
    return hr;
  }
  // No saved state: the control starts afresh, through whichever persistence it offers.
  IPersistStreamInit* pInit = nullptr;
  if (SUCCEEDED(m_pUnk->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&pInit)))) {
    hr = pInit->InitNew();
    pInit->Release();
    return hr;
  }
  IPersistStorage* pPersistStg = nullptr;
  if (SUCCEEDED(
          m_pUnk->QueryInterface(IID_IPersistStorage, reinterpret_cast<void**>(&pPersistStg)))) {
    ILockBytes* pBytes = nullptr;
    IStorage* pStorage = nullptr;
    hr = ::CreateILockBytesOnHGlobal(nullptr, TRUE, &pBytes);
    if (SUCCEEDED(hr))
      hr = ::StgCreateDocfileOnILockBytes(
          pBytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &pStorage);
    if (SUCCEEDED(hr)) hr = pPersistStg->InitNew(pStorage);
    SafeRelease(pStorage);
    SafeRelease(pBytes);
    pPersistStg->Release();
    return hr;
  }
  return S_OK;  // a control without persistence needs no start
}

HRESULT COleControlSite::Attach(IUnknown* pUnk, CFile* pPersist, BOOL bStorage) {
  m_pUnk = pUnk;
  m_pUnk->AddRef();
  HRESULT hr = m_pUnk->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&m_pObject));
  if (FAILED(hr)) return hr;
  DWORD dwMisc = 0;
  m_pObject->GetMiscStatus(DVASPECT_CONTENT, &dwMisc);
  BOOL bSiteFirst = (dwMisc & OLEMISC_SETCLIENTSITEFIRST) != 0;
  if (bSiteFirst && FAILED(hr = m_pObject->SetClientSite(this))) return hr;
  if (FAILED(hr = LoadState(pPersist, bStorage))) return hr;
  if (!bSiteFirst && FAILED(hr = m_pObject->SetClientSite(this))) return hr;
  return S_OK;
}

HRESULT COleControlSite::Activate(HWND hWndHost) {
  m_hWndHost = hWndHost;
  RECT rc;
  ::GetClientRect(hWndHost, &rc);
  HDC hdc = ::GetDC(hWndHost);
  SIZEL size = {PixelsToHimetric(rc.right, ::GetDeviceCaps(hdc, LOGPIXELSX)),
                PixelsToHimetric(rc.bottom, ::GetDeviceCaps(hdc, LOGPIXELSY))};
  ::ReleaseDC(hWndHost, hdc);
  m_pObject->SetExtent(DVASPECT_CONTENT, &size);
  DWORD dwMisc = 0;
  m_pObject->GetMiscStatus(DVASPECT_CONTENT, &dwMisc);
  if (dwMisc & OLEMISC_INVISIBLEATRUNTIME) return S_OK;
  return m_pObject->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, hWndHost, &rc);
}

void COleControlSite::Close() {
  if (m_pInPlaceObject) m_pInPlaceObject->InPlaceDeactivate();
  SafeRelease(m_pInPlaceObject);
  if (m_pObject) {
    m_pObject->Close(OLECLOSE_NOSAVE);
    m_pObject->SetClientSite(nullptr);
  }
  SafeRelease(m_pObject);
  SafeRelease(m_pUnk);
  m_hWndHost = nullptr;
}

void COleControlSite::Resize() {
  if (!m_pInPlaceObject) return;
  RECT rc;
  ::GetClientRect(m_hWndHost, &rc);
  m_pInPlaceObject->SetObjectRects(&rc, &rc);
}

void COleControlSite::Focus() {
  HWND hWndControl = nullptr;
  if (m_pInPlaceObject && SUCCEEDED(m_pInPlaceObject->GetWindow(&hWndControl)) && hWndControl)
    ::SetFocus(hWndControl);
}

// ---- IUnknown
STDMETHODIMP COleControlSite::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (riid == IID_IUnknown || riid == IID_IOleClientSite)
    *ppv = static_cast<IOleClientSite*>(this);
  else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
    *ppv = static_cast<IOleInPlaceSite*>(this);
  else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
    *ppv = static_cast<IOleInPlaceFrame*>(this);
  else if (riid == IID_IOleControlSite)
    *ppv = static_cast<IOleControlSite*>(this);
  else if (riid == IID_IDispatch)
    *ppv = static_cast<IDispatch*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}
STDMETHODIMP_(ULONG) COleControlSite::AddRef() {
  return ULONG(::InterlockedIncrement(&m_nRefs));
}
STDMETHODIMP_(ULONG) COleControlSite::Release() {
  LONG n = ::InterlockedDecrement(&m_nRefs);
  if (n == 0) delete this;
  return ULONG(n);
}

// ---- IOleClientSite
STDMETHODIMP COleControlSite::SaveObject() {
  return S_OK;
}
STDMETHODIMP COleControlSite::GetMoniker(DWORD, DWORD, IMoniker** ppmk) {
  if (ppmk) *ppmk = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::GetContainer(IOleContainer** ppContainer) {
  if (ppContainer) *ppContainer = nullptr;
  return E_NOINTERFACE;
}
STDMETHODIMP COleControlSite::ShowObject() {
  return S_OK;
}
STDMETHODIMP COleControlSite::OnShowWindow(BOOL) {
  return S_OK;
}
STDMETHODIMP COleControlSite::RequestNewObjectLayout() {
  return E_NOTIMPL;
}

// ---- IOleWindow
STDMETHODIMP COleControlSite::GetWindow(HWND* phwnd) {
  if (!phwnd) return E_POINTER;
  *phwnd = m_hWndHost;
  return m_hWndHost ? S_OK : E_FAIL;
}
STDMETHODIMP COleControlSite::ContextSensitiveHelp(BOOL) {
  return S_OK;
}

// ---- IOleInPlaceSite
STDMETHODIMP COleControlSite::CanInPlaceActivate() {
  return m_hWndHost ? S_OK : S_FALSE;
}
STDMETHODIMP COleControlSite::OnInPlaceActivate() {
  SafeRelease(m_pInPlaceObject);
  return m_pUnk->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&m_pInPlaceObject));
}
STDMETHODIMP COleControlSite::OnUIActivate() {
  return S_OK;
}
STDMETHODIMP COleControlSite::GetWindowContext(IOleInPlaceFrame** ppFrame,
                                               IOleInPlaceUIWindow** ppDoc, LPRECT lprcPosRect,
                                               LPRECT lprcClipRect,
                                               LPOLEINPLACEFRAMEINFO lpFrameInfo) {
  if (!ppFrame || !ppDoc || !lprcPosRect || !lprcClipRect) return E_POINTER;
  *ppFrame = static_cast<IOleInPlaceFrame*>(this);
  AddRef();
  *ppDoc = nullptr;
  ::GetClientRect(m_hWndHost, lprcPosRect);
  *lprcClipRect = *lprcPosRect;
  if (lpFrameInfo) {
    lpFrameInfo->fMDIApp = FALSE;
    lpFrameInfo->hwndFrame = ::GetAncestor(m_hWndHost, GA_ROOT);
    lpFrameInfo->haccel = nullptr;
    lpFrameInfo->cAccelEntries = 0;
  }
  return S_OK;
}
STDMETHODIMP COleControlSite::Scroll(SIZE) {
  return S_FALSE;
}
STDMETHODIMP COleControlSite::OnUIDeactivate(BOOL) {
  return S_OK;
}
STDMETHODIMP COleControlSite::OnInPlaceDeactivate() {
  SafeRelease(m_pInPlaceObject);
  return S_OK;
}
STDMETHODIMP COleControlSite::DiscardUndoState() {
  return S_OK;
}
STDMETHODIMP COleControlSite::DeactivateAndUndo() {
  return S_OK;
}
STDMETHODIMP COleControlSite::OnPosRectChange(LPCRECT lprcPosRect) {
  // The host window decides the size: the control gets the host's client area back.
  (void)lprcPosRect;
  Resize();
  return S_OK;
}

// ---- IOleInPlaceUIWindow, IOleInPlaceFrame
STDMETHODIMP COleControlSite::GetBorder(LPRECT) {
  return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP COleControlSite::RequestBorderSpace(LPCBORDERWIDTHS) {
  return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP COleControlSite::SetBorderSpace(LPCBORDERWIDTHS) {
  return OLE_E_INVALIDRECT;
}
STDMETHODIMP COleControlSite::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) {
  return S_OK;
}
STDMETHODIMP COleControlSite::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
  return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::SetMenu(HMENU, HOLEMENU, HWND) {
  return S_OK;
}
STDMETHODIMP COleControlSite::RemoveMenus(HMENU) {
  return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::SetStatusText(LPCOLESTR) {
  return S_OK;
}
STDMETHODIMP COleControlSite::EnableModeless(BOOL) {
  return S_OK;
}
STDMETHODIMP COleControlSite::TranslateAccelerator(LPMSG, WORD) {
  return S_FALSE;
}

// ---- IOleControlSite
STDMETHODIMP COleControlSite::OnControlInfoChanged() {
  return S_OK;
}
STDMETHODIMP COleControlSite::LockInPlaceActive(BOOL) {
  return S_OK;
}
STDMETHODIMP COleControlSite::GetExtendedControl(IDispatch** ppDisp) {
  if (ppDisp) *ppDisp = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::TransformCoords(POINTL*, POINTF*, DWORD) {
  return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::TranslateAccelerator(MSG*, DWORD) {
  return S_FALSE;
}
STDMETHODIMP COleControlSite::OnFocus(BOOL) {
  return S_OK;
}
STDMETHODIMP COleControlSite::ShowPropertyFrame() {
  return E_NOTIMPL;
}

// ---- IDispatch: ambient properties
STDMETHODIMP COleControlSite::GetTypeInfoCount(UINT* pctinfo) {
  if (pctinfo) *pctinfo = 0;
  return S_OK;
}
STDMETHODIMP COleControlSite::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
  if (ppTInfo) *ppTInfo = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  return E_NOTIMPL;
}
STDMETHODIMP COleControlSite::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS*,
                                     VARIANT* pVarResult, EXCEPINFO*, UINT*) {
  if (!(wFlags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (!pVarResult) return E_POINTER;
  ::VariantInit(pVarResult);
  HWND hWndParent = m_hWndHost ? ::GetParent(m_hWndHost) : nullptr;
  switch (dispIdMember) {
    // A hosting application runs controls in user mode, never in design mode.
    case DISPID_AMBIENT_USERMODE:
    case DISPID_AMBIENT_AUTOCLIP:
    case DISPID_AMBIENT_MESSAGEREFLECT:
      pVarResult->vt = VT_BOOL;
      pVarResult->boolVal =
          dispIdMember == DISPID_AMBIENT_MESSAGEREFLECT ? VARIANT_FALSE : VARIANT_TRUE;
      return S_OK;
    case DISPID_AMBIENT_UIDEAD:
    case DISPID_AMBIENT_SHOWGRABHANDLES:
    case DISPID_AMBIENT_SHOWHATCHING:
    case DISPID_AMBIENT_SUPPORTSMNEMONICS:
      pVarResult->vt = VT_BOOL;
      pVarResult->boolVal = VARIANT_FALSE;
      return S_OK;
    case DISPID_AMBIENT_BACKCOLOR:
      pVarResult->vt = VT_I4;
      pVarResult->lVal = LONG(::GetSysColor(COLOR_BTNFACE));
      return S_OK;
    case DISPID_AMBIENT_FORECOLOR:
      pVarResult->vt = VT_I4;
      pVarResult->lVal = LONG(::GetSysColor(COLOR_BTNTEXT));
      return S_OK;
    case DISPID_AMBIENT_LOCALEID:
      pVarResult->vt = VT_I4;
      pVarResult->lVal = LONG(::GetUserDefaultLCID());
      return S_OK;
    case DISPID_AMBIENT_DISPLAYNAME: {
      WCHAR name[256] = L"";
      if (m_hWndHost) ::GetWindowTextW(m_hWndHost, name, 256);
      pVarResult->vt = VT_BSTR;
      pVarResult->bstrVal = ::SysAllocString(name);
      return S_OK;
    }
    case DISPID_AMBIENT_FONT: {
      // The parent's font, as a dialog's controls show it.
      HFONT hFont = hWndParent
                        ? reinterpret_cast<HFONT>(::SendMessageW(hWndParent, WM_GETFONT, 0, 0))
                        : nullptr;
      if (!hFont) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
      LOGFONTW lf = {};
      ::GetObjectW(hFont, sizeof lf, &lf);
      HDC hdc = ::GetDC(nullptr);
      int dpi = ::GetDeviceCaps(hdc, LOGPIXELSY);
      ::ReleaseDC(nullptr, hdc);
      FONTDESC fd = {sizeof fd,          lf.lfFaceName,       {},
                     SHORT(lf.lfWeight), SHORT(lf.lfCharSet), lf.lfItalic,
                     lf.lfUnderline,     lf.lfStrikeOut};
      LONG height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
      fd.cySize.int64 = LONGLONG(MulDiv(height ? height : 11, 720000, dpi));
      IFontDisp* pFont = nullptr;
      HRESULT hr = ::OleCreateFontIndirect(&fd, IID_IFontDisp, reinterpret_cast<void**>(&pFont));
      if (FAILED(hr)) return hr;
      pVarResult->vt = VT_DISPATCH;
      pVarResult->pdispVal = pFont;
      return S_OK;
    }
    default: return DISP_E_MEMBERNOTFOUND;
  }
}

// ---- CWnd's side

BOOL CWnd::CreateControl(LPCTSTR pszClass, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID, CFile* pPersist, BOOL bStorage,
                         BSTR bstrLicKey) {
  CLSID clsid;
  if (!pszClass) return FALSE;
  // A class identifier in braces is taken as it is; anything else is a ProgID.
  HRESULT hr = pszClass[0] == L'{' ? ::CLSIDFromString(const_cast<LPOLESTR>(pszClass), &clsid)
                                   : ::CLSIDFromProgID(pszClass, &clsid);
  if (FAILED(hr)) return FALSE;
  return CreateControl(clsid, pszWindowName, dwStyle, rect, pParentWnd, nID, pPersist, bStorage,
                       bstrLicKey);
}

BOOL CWnd::CreateControl(REFCLSID clsid, LPCTSTR pszWindowName, DWORD dwStyle, const RECT& rect,
                         CWnd* pParentWnd, UINT nID, CFile* pPersist, BOOL bStorage,
                         BSTR bstrLicKey) {
  ASSERT(m_hWnd == nullptr);
  // Controls need OLE on this thread; a host that did not start it gets it started here.
  if (!AfxOleInit()) return FALSE;
  IUnknown* pUnk = nullptr;
  HRESULT hr;
  if (bstrLicKey) {
    IClassFactory2* pFactory = nullptr;
    hr = ::CoGetClassObject(clsid, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, nullptr,
                            IID_IClassFactory2, reinterpret_cast<void**>(&pFactory));
    if (SUCCEEDED(hr)) {
      hr = pFactory->CreateInstanceLic(nullptr, nullptr, IID_IUnknown, bstrLicKey,
                                       reinterpret_cast<void**>(&pUnk));
      pFactory->Release();
    }
  } else {
    hr = ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                            IID_IUnknown, reinterpret_cast<void**>(&pUnk));
  }
  if (FAILED(hr)) return FALSE;

  COleControlSite* pSite = new COleControlSite;
  hr = pSite->Attach(pUnk, pPersist, bStorage);
  pUnk->Release();
  if (FAILED(hr) || !RegisterHostClass()) {
    pSite->Close();
    pSite->Release();
    return FALSE;
  }
  // The control draws itself into the host window; the host stays out of its way.
  if (!CreateEx(0, kHostClass, pszWindowName, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID)) {
    pSite->Close();
    pSite->Release();
    return FALSE;
  }
  ::SetWindowLongPtrW(m_hWnd, 0, reinterpret_cast<LONG_PTR>(pSite));  // the window's reference
  if (FAILED(pSite->Activate(m_hWnd))) {
    DestroyWindow();
    return FALSE;
  }
  return TRUE;
}

LPUNKNOWN CWnd::GetControlUnknown() {
  COleControlSite* pSite = COleControlSite::FromHost(m_hWnd);
  return pSite ? pSite->GetControlUnknown() : nullptr;
}

namespace {
// The control's IDispatch, counted; a window without a control throws E_POINTER.
LPDISPATCH ControlDispatch(CWnd* pWnd) {
  LPUNKNOWN pUnk = pWnd->GetControlUnknown();
  LPDISPATCH pDisp = nullptr;
  if (!pUnk) AfxThrowOleException(E_POINTER);
  HRESULT hr = pUnk->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pDisp));
  if (FAILED(hr)) AfxThrowOleException(hr);
  return pDisp;
}
}  // namespace

void AFX_CDECL CWnd::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                  const BYTE* pbParamInfo, ...) {
  COleDispatchDriver driver(ControlDispatch(this));
  va_list argList;
  va_start(argList, pbParamInfo);
  try {
    driver.InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
  } catch (...) {
    va_end(argList);
    throw;
  }
  va_end(argList);
}

void AFX_CDECL CWnd::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...) {
  COleDispatchDriver driver(ControlDispatch(this));
  BYTE paramInfo[2] = {BYTE(vtProp), 0};
  WORD wFlags = (vtProp == VT_DISPATCH || vtProp == VT_UNKNOWN) ? DISPATCH_PROPERTYPUTREF
                                                                : DISPATCH_PROPERTYPUT;
  va_list argList;
  va_start(argList, vtProp);
  try {
    driver.InvokeHelperV(dwDispID, wFlags, VT_EMPTY, nullptr, paramInfo, argList);
  } catch (...) {
    va_end(argList);
    throw;
  }
  va_end(argList);
}

void CWnd::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const {
  COleDispatchDriver driver(ControlDispatch(const_cast<CWnd*>(this)));
  driver.InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, nullptr);
}
