// COleDispatchDriver and the automation call behind it and behind CWnd::InvokeHelper.
#include "afxdisp.h"

namespace {
// Frees the strings of an EXCEPINFO on every way out.
struct ExcepInfoStrings {
  EXCEPINFO& info;
  ~ExcepInfoStrings() {
    ::SysFreeString(info.bstrSource);
    ::SysFreeString(info.bstrDescription);
    ::SysFreeString(info.bstrHelpFile);
  }
};

[[noreturn]] void ThrowDispatchException(EXCEPINFO& info) {
  // Servers may defer filling the record until someone asks for it.
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  ExcepInfoStrings strings{info};
  COleDispatchException* e = new COleDispatchException(info.bstrDescription, 0, info.wCode);
  e->m_scError = info.wCode ? 0 : info.scode;
  e->m_strSource = info.bstrSource;
  e->m_strHelpFile = info.bstrHelpFile;
  e->m_dwHelpContext = info.dwHelpContext;
  throw e;
}
}  // namespace

void AFXAPI AfxDispatchInvoke(LPDISPATCH lpDispatch, DISPID dwDispID, WORD wFlags,
                              VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
                              va_list argList) {
  if (!lpDispatch) AfxThrowOleException(E_POINTER);
  CDispArgs args(pbParamInfo, argList);
  DISPPARAMS params = {args.GetArgs(), NULL, args.GetCount(), 0};
  // The value of a property put travels as the named argument DISPID_PROPERTYPUT.
  DISPID dispidNamed = DISPID_PROPERTYPUT;
  if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.rgdispidNamedArgs = &dispidNamed;
    params.cNamedArgs = 1;
  }
  VARIANT vaResult;
  ::VariantInit(&vaResult);
  EXCEPINFO info = {};
  UINT nArgErr = UINT(-1);
  HRESULT hr = lpDispatch->Invoke(dwDispID, IID_NULL, 0, wFlags, &params,
                                  vtRet == VT_EMPTY ? NULL : &vaResult, &info, &nArgErr);
  if (FAILED(hr)) {
    ::VariantClear(&vaResult);
    if (hr == DISP_E_EXCEPTION) ThrowDispatchException(info);
    AfxThrowOleException(hr);
  }
  if (vtRet == VT_EMPTY) return;
  if (vtRet != VT_VARIANT && vaResult.vt != vtRet) {
    hr = ::VariantChangeType(&vaResult, &vaResult, 0, vtRet);
    if (FAILED(hr)) {
      ::VariantClear(&vaResult);
      AfxThrowOleException(hr);
    }
  }
  AfxStoreDispResult(vtRet, vaResult, pvRet);
}

COleDispatchDriver::COleDispatchDriver() : m_lpDispatch(NULL), m_bAutoRelease(TRUE) {}

COleDispatchDriver::COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease)
    : m_lpDispatch(lpDispatch), m_bAutoRelease(bAutoRelease) {}

COleDispatchDriver::COleDispatchDriver(const COleDispatchDriver& dispatchSrc)
    : m_lpDispatch(dispatchSrc.m_lpDispatch), m_bAutoRelease(TRUE) {
  if (m_lpDispatch) m_lpDispatch->AddRef();
}

COleDispatchDriver::~COleDispatchDriver() {
  ReleaseDispatch();
}

const COleDispatchDriver& COleDispatchDriver::operator=(const COleDispatchDriver& dispatchSrc) {
  if (this != &dispatchSrc) {
    // Take the new reference first: the source may be the last holder of ours.
    LPDISPATCH lpDispatch = dispatchSrc.m_lpDispatch;
    if (lpDispatch) lpDispatch->AddRef();
    ReleaseDispatch();
    m_lpDispatch = lpDispatch;
    m_bAutoRelease = TRUE;
  }
  return *this;
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease) {
  ReleaseDispatch();
  m_lpDispatch = lpDispatch;
  m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch() {
  LPDISPATCH lpDispatch = m_lpDispatch;
  m_lpDispatch = NULL;
  return lpDispatch;
}

void COleDispatchDriver::ReleaseDispatch() {
  if (m_lpDispatch && m_bAutoRelease) m_lpDispatch->Release();
  m_lpDispatch = NULL;
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid, COleException* pError) {
  ReleaseDispatch();
  LPDISPATCH lpDispatch = NULL;
  HRESULT hr = ::CoCreateInstance(clsid, NULL, CLSCTX_ALL, IID_IDispatch,
                                  reinterpret_cast<void**>(&lpDispatch));
  if (FAILED(hr)) {
    if (pError) pError->m_sc = hr;
    return FALSE;
  }
  AttachDispatch(lpDispatch, TRUE);
  return TRUE;
}

BOOL COleDispatchDriver::CreateDispatch(LPCTSTR lpszProgID, COleException* pError) {
  CLSID clsid;
  HRESULT hr = lpszProgID ? ::CLSIDFromProgID(lpszProgID, &clsid) : E_INVALIDARG;
  if (FAILED(hr)) {
    if (pError) pError->m_sc = hr;
    return FALSE;
  }
  return CreateDispatch(clsid, pError);
}

void AFX_CDECL COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet,
                                                void* pvRet, const BYTE* pbParamInfo, ...) {
  va_list argList;
  va_start(argList, pbParamInfo);
  try {
    AfxDispatchInvoke(m_lpDispatch, dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
  } catch (...) {
    va_end(argList);
    throw;
  }
  va_end(argList);
}

void COleDispatchDriver::InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                       const BYTE* pbParamInfo, va_list argList) {
  AfxDispatchInvoke(m_lpDispatch, dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
}

void AFX_CDECL COleDispatchDriver::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...) {
  // The value travels as one argument of the property's own type; objects are put by reference.
  BYTE paramInfo[2] = {BYTE(vtProp), 0};
  WORD wFlags = (vtProp == VT_DISPATCH || vtProp == VT_UNKNOWN) ? DISPATCH_PROPERTYPUTREF
                                                                 : DISPATCH_PROPERTYPUT;
  va_list argList;
  va_start(argList, vtProp);
  try {
    AfxDispatchInvoke(m_lpDispatch, dwDispID, wFlags, VT_EMPTY, NULL, paramInfo, argList);
  } catch (...) {
    va_end(argList);
    throw;
  }
  va_end(argList);
}

void COleDispatchDriver::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const {
  const_cast<COleDispatchDriver*>(this)->InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp,
                                                      pvProp, NULL);
}
