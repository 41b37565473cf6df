// The recorder created in place of the web browser control. Every automation call is checked
// against the browser's own type information (the platform's registered type library) and
// written to the log as "get Name", "put Name" or "call Name", or with what does not match;
// calls that want a result get an empty value of the type the browser returns.
#include <string>
#include <vector>

#include "ComControl.h"
#include "RecordingBrowser.h"

namespace {

const GUID kBrowserLib = {
    0xEAB22AC0, 0x30C1, 0x11CF, {0xA7, 0xEB, 0x00, 0x00, 0xC0, 0x5B, 0xAE, 0x0B}};
const IID kWebBrowser2 = {
    0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

// The variant type a caller passes for a parameter of type t: pointers by reference, enums as
// 32-bit integers, aliases resolved.
VARTYPE PassedAs(ITypeInfo* pInfo, const TYPEDESC& t) {
  switch (t.vt) {
    case VT_PTR: return VARTYPE(PassedAs(pInfo, *t.lptdesc) | VT_BYREF);
    case VT_INT: return VT_I4;
    case VT_UINT: return VT_UI4;
    case VT_USERDEFINED: {
      ITypeInfo* pRef = nullptr;
      TYPEATTR* pAttr = nullptr;
      VARTYPE vt = VT_I4;
      if (SUCCEEDED(pInfo->GetRefTypeInfo(t.hreftype, &pRef)) &&
          SUCCEEDED(pRef->GetTypeAttr(&pAttr))) {
        if (pAttr->typekind == TKIND_ALIAS) vt = PassedAs(pRef, pAttr->tdescAlias);
        if (pAttr->typekind == TKIND_DISPATCH) vt = VT_DISPATCH;
        if (pAttr->typekind == TKIND_INTERFACE) vt = VT_UNKNOWN;
        pRef->ReleaseTypeAttr(pAttr);
      }
      if (pRef) pRef->Release();
      return vt;
    }
    default: return t.vt;
  }
}

VARTYPE Normalised(VARTYPE vt) {
  const VARTYPE base = VARTYPE(vt & ~VT_BYREF);
  VARTYPE mapped = base;
  if (base == VT_INT) mapped = VT_I4;
  if (base == VT_UINT) mapped = VT_UI4;
  return VARTYPE(mapped | (vt & VT_BYREF));
}

const wchar_t* KindWord(INVOKEKIND kind) {
  switch (kind) {
    case INVOKE_PROPERTYGET: return L"get";
    case INVOKE_PROPERTYPUT: return L"put";
    case INVOKE_PROPERTYPUTREF: return L"putref";
    default: return L"call";
  }
}

class RecordingBrowserObject : public tkc::ControlBase<IRecordingBrowser, &IID_IRecordingBrowser> {
 public:
  explicit RecordingBrowserObject(BOOL /*bLicensed*/) {
    ITypeLib* pLib = nullptr;
    if (SUCCEEDED(::LoadRegTypeLib(kBrowserLib, 1, 1, 0, &pLib))) {
      pLib->GetTypeInfoOfGuid(kWebBrowser2, &m_pBrowser);
      pLib->Release();
    }
  }
  ~RecordingBrowserObject() override {
    if (m_pBrowser) m_pBrowser->Release();
  }

  HWND CreateControlWindow(HWND hWndParent, const RECT& rc) override {
    return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, hWndParent, nullptr,
                             tkc::g_hModule, nullptr);
  }
  HRESULT LoadState(IStream*) override { return S_OK; }
  HRESULT SaveState(IStream*) override { return S_OK; }

  STDMETHODIMP TakeLog(BSTR* pLog) override {
    if (!pLog) return E_POINTER;
    *pLog = ::SysAllocStringLen(m_log.data(), UINT(m_log.size()));
    m_log.clear();
    return S_OK;
  }

  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD wFlags, DISPPARAMS* pParams, VARIANT* pResult,
                      EXCEPINFO*, UINT*) override {
    if (pResult) ::VariantInit(pResult);
    if (!m_pBrowser) {
      m_log += L"no browser type information\n";
      return S_OK;
    }
    FUNCDESC* pFunc = Find(id, wFlags);
    if (!pFunc) {
      m_log += L"unknown " + std::to_wstring(id) + L" flags " + std::to_wstring(wFlags) + L"\n";
      return S_OK;
    }
    BSTR name = nullptr;
    m_pBrowser->GetDocumentation(id, &name, nullptr, nullptr, nullptr);
    m_log += std::wstring(KindWord(pFunc->invkind)) + L" " + (name ? name : L"?");
    ::SysFreeString(name);
    m_log += Mismatch(*pFunc, pParams) + L"\n";
    if (pResult) pResult->vt = ReturnType(*pFunc);
    if (pResult && pResult->vt == VT_BSTR) pResult->bstrVal = ::SysAllocString(L"");
    m_pBrowser->ReleaseFuncDesc(pFunc);
    return S_OK;
  }

 private:
  // The browser's function with this id that the flags can mean; null when there is none.
  FUNCDESC* Find(DISPID id, WORD wFlags) {
    TYPEATTR* pAttr = nullptr;
    if (FAILED(m_pBrowser->GetTypeAttr(&pAttr))) return nullptr;
    const WORD nFuncs = pAttr->cFuncs;
    m_pBrowser->ReleaseTypeAttr(pAttr);
    for (UINT i = 0; i < nFuncs; ++i) {
      FUNCDESC* pFunc = nullptr;
      if (FAILED(m_pBrowser->GetFuncDesc(i, &pFunc))) continue;
      const bool bKind = (pFunc->invkind & wFlags) != 0;
      if (pFunc->memid == id && bKind) return pFunc;
      m_pBrowser->ReleaseFuncDesc(pFunc);
    }
    return nullptr;
  }

  // "" when the arguments are the ones the function takes, else what differs.
  std::wstring Mismatch(const FUNCDESC& func, const DISPPARAMS* pParams) {
    std::vector<VARTYPE> taken;
    for (SHORT i = 0; i < func.cParams; ++i) {
      const ELEMDESC& e = func.lprgelemdescParam[i];
      if (!(e.paramdesc.wParamFlags & PARAMFLAG_FRETVAL))
        taken.push_back(PassedAs(m_pBrowser, e.tdesc));
    }
    const UINT nArgs = pParams ? pParams->cArgs : 0;
    if (nArgs != taken.size())
      return L": " + std::to_wstring(nArgs) + L" arguments, the browser takes " +
             std::to_wstring(taken.size());
    for (UINT k = 0; k < nArgs; ++k) {
      const VARTYPE passed = Normalised(pParams->rgvarg[nArgs - 1 - k].vt);
      const VARTYPE wanted = taken[k];
      if (wanted == VT_VARIANT && !(passed & VT_BYREF)) continue;  // any value
      if (passed != wanted)
        return L": argument " + std::to_wstring(k + 1) + L" is " + std::to_wstring(passed) +
               L", the browser takes " + std::to_wstring(wanted);
    }
    return L"";
  }

  VARTYPE ReturnType(const FUNCDESC& func) {
    const VARTYPE vt = func.elemdescFunc.tdesc.vt;
    if (vt != VT_HRESULT && vt != VT_VOID)
      return VARTYPE(PassedAs(m_pBrowser, func.elemdescFunc.tdesc) & ~VT_BYREF);
    for (SHORT i = 0; i < func.cParams; ++i) {
      const ELEMDESC& e = func.lprgelemdescParam[i];
      if (e.paramdesc.wParamFlags & PARAMFLAG_FRETVAL)
        return VARTYPE(PassedAs(m_pBrowser, e.tdesc) & ~VT_BYREF);
    }
    return VT_EMPTY;
  }

  ITypeInfo* m_pBrowser = nullptr;
  std::wstring m_log;
};

const CLSID kBrowserClass = {
    0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};

}  // namespace

STDAPI DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv) {
  if (rclsid != kBrowserClass) return CLASS_E_CLASSNOTAVAILABLE;
  IClassFactory2* pFactory = new tkc::ClassFactory<RecordingBrowserObject>();
  HRESULT hr = pFactory->QueryInterface(riid, ppv);
  pFactory->Release();
  return hr;
}
