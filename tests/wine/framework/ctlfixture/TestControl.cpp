// The hosting tests' control: a value and a caption that persist, its licence and ambient
// user mode as read-only properties, and a method that raises an automation error.
#include "ComControl.h"
#include "TestControl.h"

namespace {

class TestControlObject : public tkc::ControlBase<ITestControl, &IID_ITestControl> {
 public:
  explicit TestControlObject(BOOL bLicensed) : m_bLicensed(bLicensed) {}
  ~TestControlObject() override { ::SysFreeString(m_caption); }

  HWND CreateControlWindow(HWND hWndParent, const RECT& rc) override {
    return ::CreateWindowExW(0, L"STATIC", m_caption ? m_caption : L"", WS_CHILD | WS_VISIBLE,
                             rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hWndParent,
                             nullptr, tkc::g_hModule, nullptr);
  }
  // State: the value, the caption's length in characters, the caption.
  HRESULT LoadState(IStream* pStm) override {
    LONG value = 0;
    ULONG cch = 0, got1 = 0, got2 = 0;
    HRESULT hr = pStm->Read(&value, sizeof value, &got1);
    if (SUCCEEDED(hr)) hr = pStm->Read(&cch, sizeof cch, &got2);
    if (FAILED(hr) || got1 != sizeof value || got2 != sizeof cch || cch > 4096) return E_FAIL;
    BSTR caption = ::SysAllocStringLen(nullptr, cch);
    ULONG got = 0;
    hr = pStm->Read(caption, cch * sizeof(WCHAR), &got);
    if (FAILED(hr) || got != cch * sizeof(WCHAR)) {
      ::SysFreeString(caption);
      return E_FAIL;
    }
    m_value = value;
    ::SysFreeString(m_caption);
    m_caption = caption;
    return S_OK;
  }
  HRESULT SaveState(IStream* pStm) override {
    ULONG cch = ::SysStringLen(m_caption);
    pStm->Write(&m_value, sizeof m_value, nullptr);
    pStm->Write(&cch, sizeof cch, nullptr);
    return pStm->Write(m_caption, cch * sizeof(WCHAR), nullptr);
  }
  HRESULT InitState() override {
    m_value = -1;  // a fresh control, told apart from any loaded one
    return S_OK;
  }
  void OnSiteChanged() override {
    VARIANT v = Ambient(DISPID_AMBIENT_USERMODE);
    m_userMode = v.vt == VT_BOOL ? v.boolVal : VARIANT_FALSE;
    ::VariantClear(&v);
  }

  STDMETHODIMP get_Value(LONG* p) override { return *p = m_value, S_OK; }
  STDMETHODIMP put_Value(LONG v) override { return m_value = v, S_OK; }
  STDMETHODIMP get_Caption(BSTR* p) override {
    *p = ::SysAllocString(m_caption ? m_caption : L"");
    return S_OK;
  }
  STDMETHODIMP put_Caption(BSTR v) override {
    ::SysFreeString(m_caption);
    m_caption = ::SysAllocString(v);
    if (m_hWnd) ::SetWindowTextW(m_hWnd, m_caption);
    return S_OK;
  }
  STDMETHODIMP get_Licensed(VARIANT_BOOL* p) override {
    return *p = m_bLicensed ? VARIANT_TRUE : VARIANT_FALSE, S_OK;
  }
  STDMETHODIMP get_UserMode(VARIANT_BOOL* p) override { return *p = m_userMode, S_OK; }
  STDMETHODIMP Fail(BSTR reason) override { return RaiseError(E_INVALIDARG, reason); }
  STDMETHODIMP Scale(LONG factor, double offset, double* p) override {
    *p = m_value * factor + offset;
    return S_OK;
  }

 private:
  BOOL m_bLicensed;
  LONG m_value = 0;
  BSTR m_caption = nullptr;
  VARIANT_BOOL m_userMode = VARIANT_FALSE;
};

}  // namespace

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
  IClassFactory2* pFactory = nullptr;
  if (rclsid == CLSID_TestControl)
    pFactory = new tkc::ClassFactory<TestControlObject>();
  else if (rclsid == CLSID_LicensedTestControl)
    pFactory = new tkc::ClassFactory<TestControlObject>(L"tkw-test-licence");
  else
    return CLASS_E_CLASSNOTAVAILABLE;
  HRESULT hr = pFactory->QueryInterface(riid, ppv);
  pFactory->Release();
  return hr;
}
