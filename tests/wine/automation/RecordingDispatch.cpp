// The recording IDispatch of the automation tests.
#include "RecordingDispatch.h"

namespace tkx {

RecordingDispatch::RecordingDispatch() {
  ::VariantInit(&m_reply);
}

RecordingDispatch::~RecordingDispatch() {
  Clear();
  ::VariantClear(&m_reply);
}

void RecordingDispatch::SetReply(const VARIANT& reply) {
  ::VariantClear(&m_reply);
  ::VariantCopy(&m_reply, const_cast<VARIANT*>(&reply));
}

void RecordingDispatch::Clear() {
  for (Invocation& call : m_calls)
    for (VARIANT& arg : call.args) ::VariantClear(&arg);
  m_calls.clear();
  m_otherCalls = 0;
}

STDMETHODIMP RecordingDispatch::QueryInterface(REFIID riid, void** object) {
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP RecordingDispatch::GetTypeInfoCount(UINT* count) {
  ++m_otherCalls;
  *count = 0;
  return S_OK;
}

STDMETHODIMP RecordingDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  ++m_otherCalls;
  *info = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP RecordingDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
  ++m_otherCalls;
  return E_NOTIMPL;
}

STDMETHODIMP RecordingDispatch::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                       VARIANT* result, EXCEPINFO*, UINT*) {
  Invocation call;
  call.id = id;
  call.flags = flags;
  call.resultWanted = result != nullptr;
  for (UINT i = params ? params->cArgs : 0; i-- > 0;) {
    VARIANT copy;
    ::VariantInit(&copy);
    const VARIANT& arg = params->rgvarg[i];
    if (V_VT(&arg) & VT_BYREF)
      copy = arg;
    else
      ::VariantCopy(&copy, const_cast<VARIANT*>(&arg));  // the API takes no const
    call.args.push_back(copy);
  }
  for (UINT i = 0; params && i < params->cNamedArgs; ++i)
    call.named.push_back(params->rgdispidNamedArgs[i]);
  m_calls.push_back(call);
  if (result) ::VariantCopy(result, &m_reply);
  return S_OK;
}

}  // namespace tkx
