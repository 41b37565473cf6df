// An IDispatch that records every call it gets and answers with a reply the test chose.
#pragma once
#include <oaidl.h>
#include <windows.h>

#include <vector>

namespace tkx {

// One Invoke as it arrived: arguments in call order (the reverse of DISPPARAMS), by-value
// arguments deep-copied, by-reference ones as they came.
struct Invocation {
  DISPID id = 0;
  WORD flags = 0;
  std::vector<VARIANT> args;
  std::vector<DISPID> named;
  bool resultWanted = false;
};

class RecordingDispatch : public IDispatch {
 public:
  RecordingDispatch();
  ~RecordingDispatch();
  RecordingDispatch(const RecordingDispatch&) = delete;
  RecordingDispatch& operator=(const RecordingDispatch&) = delete;

  // The value every Invoke from now on writes into the caller's result (copied each time).
  void SetReply(const VARIANT& reply);
  void Clear();
  const std::vector<Invocation>& Calls() const { return m_calls; }
  ULONG References() const { return m_refs; }
  // Calls other than Invoke (GetIDsOfNames, GetTypeInfo...): a driver given dispatch
  // identifiers has no reason to make them.
  int OtherCalls() const { return m_otherCalls; }

  STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override { return ++m_refs; }
  STDMETHODIMP_(ULONG) Release() override { return --m_refs; }
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                      VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

 private:
  // Objects live on the test's stack: the count is watched, never used to delete.
  ULONG m_refs = 1;
  int m_otherCalls = 0;
  VARIANT m_reply;
  std::vector<Invocation> m_calls;
};

}  // namespace tkx
