// Reference counting and IDispatch from the component's own type library, shared by the chart
// and the objects of its model.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include "Cfx62.h"

namespace tkw::chart {

// Objects alive in this module; the module may unload when it is zero.
extern LONG g_objects;
extern HINSTANCE g_module;

// The type description of `iid` from the type library embedded in this module (cached).
HRESULT TypeInfoOf(REFIID iid, ITypeInfo** ppInfo);

// A template file that is not a chart template, or is damaged.
constexpr HRESULT kBadTemplate = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x201);

// Records a failure's description for the caller's IErrorInfo and returns `hr`.
HRESULT Fail(HRESULT hr, const wchar_t* description);

// One dual interface `Itf` with IUnknown and IDispatch. Derived classes implement the
// interface's own methods.
template <class Itf>
class DispatchObject : public Itf {
 public:
  DispatchObject() { InterlockedIncrement(&g_objects); }
  virtual ~DispatchObject() { InterlockedDecrement(&g_objects); }
  DispatchObject(const DispatchObject&) = delete;
  DispatchObject& operator=(const DispatchObject&) = delete;

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(Itf)) {
      *ppv = static_cast<Itf*>(this);
      this->AddRef();
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ULONG(InterlockedIncrement(&m_refs)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG n = InterlockedDecrement(&m_refs);
    if (n == 0) delete this;
    return ULONG(n);
  }

  STDMETHODIMP GetTypeInfoCount(UINT* pn) override {
    if (!pn) return E_POINTER;
    *pn = 1;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT n, LCID, ITypeInfo** pp) override {
    if (n != 0) return DISP_E_BADINDEX;
    return TypeInfoOf(__uuidof(Itf), pp);
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    ITypeInfo* info = nullptr;
    HRESULT hr = TypeInfoOf(__uuidof(Itf), &info);
    if (SUCCEEDED(hr)) {
      hr = DispGetIDsOfNames(info, names, count, ids);
      info->Release();
    }
    return hr;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* excep, UINT* argErr) override {
    ITypeInfo* info = nullptr;
    HRESULT hr = TypeInfoOf(__uuidof(Itf), &info);
    if (SUCCEEDED(hr)) {
      hr = info->Invoke(static_cast<Itf*>(this), id, flags, params, result, excep, argErr);
      info->Release();
    }
    return hr;
  }

 protected:
  LONG m_refs = 1;
};

// Creates an object of `T` from `args` and hands its interface out.
template <class T, class Itf, class... Args>
HRESULT MakeObject(Itf** pp, Args&&... args) {
  if (!pp) return E_POINTER;
  *pp = new T(static_cast<Args&&>(args)...);
  return S_OK;
}

}  // namespace tkw::chart
