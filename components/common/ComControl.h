// The shared body of our in-process ActiveX controls: reference counting, IDispatch from the
// embedded type library, in-place activation in a child window, stream and storage
// persistence, and a class factory that can demand a licence key.
#pragma once
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

namespace tkc {

// Objects and locks alive in this module; DllCanUnloadNow answers from it.
extern LONG g_moduleRefs;
// This module's handle, set by DllMain.
extern HINSTANCE g_hModule;

// The type information of one interface from the type library embedded in this module.
HRESULT LoadTypeInfo(REFIID iid, ITypeInfo** ppInfo);

// Base of a control that implements the dual interface Itf (identified by iid).
// A derived control implements Itf's own methods and the hooks below.
template <class Itf, const IID* piid>
class ControlBase : public Itf,
                    public IOleObject,
                    public IOleInPlaceObject,
                    public IPersistStreamInit,
                    public IPersistStorage {
 public:
  ControlBase() { ::InterlockedIncrement(&g_moduleRefs); }
  virtual ~ControlBase() {
    if (m_pTypeInfo) m_pTypeInfo->Release();
    ::InterlockedDecrement(&g_moduleRefs);
  }

  // ---- hooks
  // Creates the control's window as a child of hWndParent covering rc.
  virtual HWND CreateControlWindow(HWND hWndParent, const RECT& rc) = 0;
  // Reads and writes the control's properties; InitNew gives the defaults.
  virtual HRESULT LoadState(IStream* pStream) = 0;
  virtual HRESULT SaveState(IStream* pStream) = 0;
  virtual HRESULT InitState() { return S_OK; }
  // Called when the site changes (ambient properties may be read here).
  virtual void OnSiteChanged() {}

  // ---- IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == *piid)
      *ppv = static_cast<Itf*>(this);
    else if (riid == IID_IOleObject)
      *ppv = static_cast<IOleObject*>(this);
    else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject)
      *ppv = static_cast<IOleInPlaceObject*>(this);
    else if (riid == IID_IPersistStreamInit || riid == IID_IPersist)
      *ppv = static_cast<IPersistStreamInit*>(this);
    else if (riid == IID_IPersistStorage)
      *ppv = static_cast<IPersistStorage*>(this);
    else
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ULONG(::InterlockedIncrement(&m_nRefs)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG n = ::InterlockedDecrement(&m_nRefs);
    if (n == 0) delete this;
    return ULONG(n);
  }

  // ---- IDispatch through the type library
  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override {
    if (!pctinfo) return E_POINTER;
    *pctinfo = 1;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID, ITypeInfo** ppTInfo) override {
    if (!ppTInfo) return E_POINTER;
    *ppTInfo = nullptr;
    if (iTInfo != 0) return DISP_E_BADINDEX;
    HRESULT hr = TypeInfo();
    if (FAILED(hr)) return hr;
    m_pTypeInfo->AddRef();
    *ppTInfo = m_pTypeInfo;
    return S_OK;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT cNames, LCID, DISPID* ids) override {
    HRESULT hr = TypeInfo();
    return FAILED(hr) ? hr : ::DispGetIDsOfNames(m_pTypeInfo, names, cNames, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult,
                      EXCEPINFO* pInfo, UINT* puArgErr) override {
    HRESULT hr = TypeInfo();
    if (FAILED(hr)) return hr;
    ::SetErrorInfo(0, nullptr);
    return m_pTypeInfo->Invoke(static_cast<Itf*>(this), id, wFlags, pParams, pResult, pInfo,
                               puArgErr);
  }

  // ---- IOleObject
  STDMETHODIMP SetClientSite(IOleClientSite* pSite) override {
    if (pSite) pSite->AddRef();
    if (m_pSite) m_pSite->Release();
    m_pSite = pSite;
    OnSiteChanged();
    return S_OK;
  }
  STDMETHODIMP GetClientSite(IOleClientSite** ppSite) override {
    if (!ppSite) return E_POINTER;
    *ppSite = m_pSite;
    if (m_pSite) m_pSite->AddRef();
    return S_OK;
  }
  STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP Close(DWORD) override {
    InPlaceDeactivate();
    return S_OK;
  }
  STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  STDMETHODIMP DoVerb(LONG iVerb, LPMSG, IOleClientSite* pSite, LONG, HWND hWndParent,
                      LPCRECT lprcPosRect) override {
    if (iVerb != OLEIVERB_INPLACEACTIVATE && iVerb != OLEIVERB_UIACTIVATE &&
        iVerb != OLEIVERB_SHOW && iVerb != OLEIVERB_PRIMARY)
      return OLEOBJ_S_INVALIDVERB;
    if (m_hWnd) return S_OK;
    if (!pSite) pSite = m_pSite;
    IOleInPlaceSite* pInPlace = nullptr;
    if (!pSite ||
        FAILED(pSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&pInPlace))))
      return E_NOINTERFACE;
    HRESULT hr = pInPlace->CanInPlaceActivate();
    if (hr != S_OK) {
      pInPlace->Release();
      return E_FAIL;
    }
    pInPlace->OnInPlaceActivate();
    HWND hWndSite = nullptr;
    pInPlace->GetWindow(&hWndSite);
    RECT rc = {};
    if (lprcPosRect) rc = *lprcPosRect;
    m_hWnd = CreateControlWindow(hWndSite ? hWndSite : hWndParent, rc);
    m_pInPlaceSite = pInPlace;
    return m_hWnd ? S_OK : E_FAIL;
  }
  STDMETHODIMP EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  STDMETHODIMP Update() override { return S_OK; }
  STDMETHODIMP IsUpToDate() override { return S_OK; }
  STDMETHODIMP GetUserClassID(CLSID*) override { return E_NOTIMPL; }
  STDMETHODIMP GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  STDMETHODIMP SetExtent(DWORD, SIZEL* psizel) override {
    if (psizel) m_extent = *psizel;
    return S_OK;
  }
  STDMETHODIMP GetExtent(DWORD, SIZEL* psizel) override {
    if (!psizel) return E_POINTER;
    *psizel = m_extent;
    return S_OK;
  }
  STDMETHODIMP Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  STDMETHODIMP Unadvise(DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  STDMETHODIMP GetMiscStatus(DWORD, DWORD* pdwStatus) override {
    if (!pdwStatus) return E_POINTER;
    *pdwStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE |
                 OLEMISC_RECOMPOSEONRESIZE | OLEMISC_INSIDEOUT;
    return S_OK;
  }
  STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // ---- IOleWindow, IOleInPlaceObject
  STDMETHODIMP GetWindow(HWND* phwnd) override {
    if (!phwnd) return E_POINTER;
    *phwnd = m_hWnd;
    return m_hWnd ? S_OK : E_FAIL;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP InPlaceDeactivate() override {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    if (m_pInPlaceSite) {
      m_pInPlaceSite->OnInPlaceDeactivate();
      m_pInPlaceSite->Release();
      m_pInPlaceSite = nullptr;
    }
    return S_OK;
  }
  STDMETHODIMP UIDeactivate() override { return S_OK; }
  STDMETHODIMP SetObjectRects(LPCRECT lprcPosRect, LPCRECT) override {
    if (m_hWnd && lprcPosRect)
      ::MoveWindow(m_hWnd, lprcPosRect->left, lprcPosRect->top,
                   lprcPosRect->right - lprcPosRect->left, lprcPosRect->bottom - lprcPosRect->top,
                   TRUE);
    return S_OK;
  }
  STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }

  // ---- IPersistStreamInit, IPersistStorage (the storage keeps the state in one stream)
  STDMETHODIMP GetClassID(CLSID*) override { return E_NOTIMPL; }
  STDMETHODIMP IsDirty() override { return S_FALSE; }
  STDMETHODIMP Load(IStream* pStm) override { return pStm ? LoadState(pStm) : E_POINTER; }
  STDMETHODIMP Save(IStream* pStm, BOOL) override { return pStm ? SaveState(pStm) : E_POINTER; }
  STDMETHODIMP GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
  STDMETHODIMP InitNew() override { return InitState(); }
  STDMETHODIMP InitNew(IStorage*) override { return InitState(); }
  STDMETHODIMP Load(IStorage* pStg) override {
    if (!pStg) return E_POINTER;
    IStream* pStm = nullptr;
    HRESULT hr = pStg->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &pStm);
    if (FAILED(hr)) return hr;
    hr = LoadState(pStm);
    pStm->Release();
    return hr;
  }
  STDMETHODIMP Save(IStorage* pStg, BOOL) override {
    if (!pStg) return E_POINTER;
    IStream* pStm = nullptr;
    HRESULT hr = pStg->CreateStream(L"Contents", STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0,
                                    0, &pStm);
    if (FAILED(hr)) return hr;
    hr = SaveState(pStm);
    pStm->Release();
    return hr;
  }
  STDMETHODIMP SaveCompleted(IStorage*) override { return S_OK; }
  STDMETHODIMP HandsOffStorage() override { return S_OK; }

 protected:
  // Reads one ambient property of the site; VT_EMPTY when there is none.
  VARIANT Ambient(DISPID id) {
    VARIANT v;
    ::VariantInit(&v);
    IDispatch* pDisp = nullptr;
    if (m_pSite &&
        SUCCEEDED(m_pSite->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&pDisp)))) {
      DISPPARAMS none = {nullptr, nullptr, 0, 0};
      if (FAILED(pDisp->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &v, nullptr, nullptr)))
        ::VariantInit(&v);
      pDisp->Release();
    }
    return v;
  }
  // Fails a call with an automation error that the caller's Invoke reports.
  HRESULT RaiseError(HRESULT hr, LPCOLESTR description) {
    ICreateErrorInfo* pCreate = nullptr;
    if (SUCCEEDED(::CreateErrorInfo(&pCreate))) {
      pCreate->SetGUID(*piid);
      pCreate->SetDescription(const_cast<LPOLESTR>(description));
      IErrorInfo* pInfo = nullptr;
      if (SUCCEEDED(pCreate->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&pInfo)))) {
        ::SetErrorInfo(0, pInfo);
        pInfo->Release();
      }
      pCreate->Release();
    }
    return hr;
  }

  HWND m_hWnd = nullptr;
  IOleClientSite* m_pSite = nullptr;
  IOleInPlaceSite* m_pInPlaceSite = nullptr;

 private:
  HRESULT TypeInfo() { return m_pTypeInfo ? S_OK : LoadTypeInfo(*piid, &m_pTypeInfo); }

  LONG m_nRefs = 1;
  ITypeInfo* m_pTypeInfo = nullptr;
  SIZEL m_extent = {2540, 2540};
};

// Makes one kind of control; with a licence key, only CreateInstanceLic with that key does.
template <class T>
class ClassFactory : public IClassFactory2 {
 public:
  explicit ClassFactory(LPCOLESTR pszLicence = nullptr) : m_pszLicence(pszLicence) {
    ::InterlockedIncrement(&g_moduleRefs);
  }
  virtual ~ClassFactory() { ::InterlockedDecrement(&g_moduleRefs); }

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IClassFactory && riid != IID_IClassFactory2)
      return E_NOINTERFACE;
    *ppv = static_cast<IClassFactory2*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ULONG(::InterlockedIncrement(&m_nRefs)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG n = ::InterlockedDecrement(&m_nRefs);
    if (n == 0) delete this;
    return ULONG(n);
  }
  STDMETHODIMP CreateInstance(IUnknown* pOuter, REFIID riid, void** ppv) override {
    if (m_pszLicence) return CLASS_E_NOTLICENSED;
    return Make(pOuter, riid, ppv, FALSE);
  }
  STDMETHODIMP LockServer(BOOL fLock) override {
    if (fLock)
      ::InterlockedIncrement(&g_moduleRefs);
    else
      ::InterlockedDecrement(&g_moduleRefs);
    return S_OK;
  }
  STDMETHODIMP GetLicInfo(LICINFO* pInfo) override {
    if (!pInfo) return E_POINTER;
    pInfo->cbLicInfo = sizeof *pInfo;
    pInfo->fRuntimeKeyAvail = FALSE;
    pInfo->fLicVerified = m_pszLicence == nullptr;
    return S_OK;
  }
  STDMETHODIMP RequestLicKey(DWORD, BSTR*) override { return E_NOTIMPL; }
  STDMETHODIMP CreateInstanceLic(IUnknown* pOuter, IUnknown*, REFIID riid, BSTR bstrKey,
                                 void** ppv) override {
    if (m_pszLicence && (!bstrKey || ::lstrcmpW(bstrKey, m_pszLicence) != 0))
      return CLASS_E_NOTLICENSED;
    return Make(pOuter, riid, ppv, TRUE);
  }

 private:
  HRESULT Make(IUnknown* pOuter, REFIID riid, void** ppv, BOOL bLicensed) {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (pOuter) return CLASS_E_NOAGGREGATION;
    T* p = new T(bLicensed);
    HRESULT hr = p->QueryInterface(riid, ppv);
    p->Release();
    return hr;
  }

  LONG m_nRefs = 1;
  LPCOLESTR m_pszLicence;
};

}  // namespace tkc
