// The chart component's module: its class factory, type library and error descriptions.
#include <new>

#include "ChartObject.h"

namespace tkw::chart {

LONG g_objects = 0;
HINSTANCE g_module = nullptr;

namespace {

LONG g_locks = 0;
ITypeLib* g_typeLib = nullptr;

class ChartFactory : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *ppv = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  // The factory is a static object: counting its references keeps nothing alive.
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    ChartObject* chart = new (std::nothrow) ChartObject;
    if (!chart) return E_OUTOFMEMORY;
    const HRESULT hr = chart->QueryInterface(riid, ppv);
    static_cast<_Chart*>(chart)->Release();
    return hr;
  }
  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock)
      InterlockedIncrement(&g_locks);
    else
      InterlockedDecrement(&g_locks);
    return S_OK;
  }
};

ChartFactory g_factory;

}  // namespace

HRESULT TypeInfoOf(REFIID iid, ITypeInfo** ppInfo) {
  if (!ppInfo) return E_POINTER;
  *ppInfo = nullptr;
  if (!g_typeLib) {
    wchar_t path[MAX_PATH];
    if (!GetModuleFileNameW(g_module, path, MAX_PATH)) return HRESULT_FROM_WIN32(GetLastError());
    ITypeLib* lib = nullptr;
    const HRESULT hr = LoadTypeLibEx(path, REGKIND_NONE, &lib);
    if (FAILED(hr)) return hr;
    if (InterlockedCompareExchangePointer(reinterpret_cast<void**>(&g_typeLib), lib, nullptr) !=
        nullptr)
      lib->Release();
  }
  return g_typeLib->GetTypeInfoOfGuid(iid, ppInfo);
}

HRESULT Fail(HRESULT hr, const wchar_t* description) {
  ICreateErrorInfo* create = nullptr;
  if (SUCCEEDED(CreateErrorInfo(&create))) {
    create->SetGUID(IID__Chart);
    create->SetSource(const_cast<LPOLESTR>(L"Cfx62.Chart"));
    create->SetDescription(const_cast<LPOLESTR>(description));
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
      SetErrorInfo(0, info);
      info->Release();
    }
    create->Release();
  }
  return hr;
}

}  // namespace tkw::chart

using namespace tkw::chart;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (clsid != CLSID_Chart) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(riid, ppv);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return g_objects == 0 && g_locks == 0 ? S_OK : S_FALSE;
}
