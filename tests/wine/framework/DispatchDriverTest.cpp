// COleDispatchDriver against a recording IDispatch, COleVariant, and CFile on real files.
#include "afxdisp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records each Invoke and answers with a canned result or failure.
class RecordingDispatch : public IDispatch {
 public:
  struct Call {
    DISPID id;
    WORD flags;
    std::vector<DISPID> named;
    std::vector<VARIANT> args;  // as received: rightmost first
    bool wantsResult;
  };
  std::vector<Call> calls;
  VARIANT result{};
  HRESULT failure = S_OK;
  const wchar_t* errorText = nullptr;
  ULONG refs = 1;

  ~RecordingDispatch() {
    for (Call& c : calls)
      for (VARIANT& v : c.args) VariantClear(&v);
    VariantClear(&result);
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (riid != IID_IUnknown && riid != IID_IDispatch) return *ppv = nullptr, E_NOINTERFACE;
    *ppv = this;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p,
                                   VARIANT* pResult, EXCEPINFO* pInfo, UINT*) override {
    Call c{id, flags, {}, {}, pResult != nullptr};
    for (UINT i = 0; i < p->cNamedArgs; ++i) c.named.push_back(p->rgdispidNamedArgs[i]);
    for (UINT i = 0; i < p->cArgs; ++i) {
      VARIANT v;
      VariantInit(&v);
      VariantCopy(&v, &p->rgvarg[i]);
      c.args.push_back(v);
    }
    calls.push_back(c);
    if (errorText) {
      pInfo->scode = failure;
      pInfo->bstrSource = SysAllocString(L"Recorder");
      pInfo->bstrDescription = SysAllocString(errorText);
      return DISP_E_EXCEPTION;
    }
    if (FAILED(failure)) return failure;
    if (pResult) VariantCopy(pResult, &result);
    return S_OK;
  }
};

TEST(DispatchDriver, CallsCarryIdKindArgumentsAndConvertedResults) {
  RecordingDispatch obj;
  COleDispatchDriver driver(&obj, FALSE);
  obj.result.vt = VT_I4;
  obj.result.lVal = 42;
  CString text;
  static const BYTE params[] = VTS_BSTR VTS_I4 VTS_VARIANT;
  COleVariant missing(long(DISP_E_PARAMNOTFOUND), VT_ERROR);
  driver.InvokeHelper(236, DISPATCH_PROPERTYGET, VT_BSTR, &text, params, L"A1", LONG(3), &missing);
  EXPECT_EQ(CString(L"42"), text) << "the result is converted to the asked type";
  ASSERT_EQ(1u, obj.calls.size());
  const RecordingDispatch::Call& get = obj.calls[0];
  EXPECT_EQ(236, get.id);
  EXPECT_EQ(DISPATCH_PROPERTYGET, get.flags);
  EXPECT_TRUE(get.named.empty());
  ASSERT_EQ(3u, get.args.size());
  EXPECT_EQ(VT_ERROR, get.args[0].vt) << "the last argument comes first";
  EXPECT_EQ(3, get.args[1].lVal);
  EXPECT_STREQ(L"A1", get.args[2].bstrVal);

  driver.SetProperty(1063, VT_BOOL, TRUE);
  driver.InvokeHelper(304, DISPATCH_METHOD, VT_EMPTY, nullptr, VTS_NONE);
  ASSERT_EQ(3u, obj.calls.size());
  const RecordingDispatch::Call& put = obj.calls[1];
  EXPECT_EQ(DISPATCH_PROPERTYPUT, put.flags);
  ASSERT_EQ(1u, put.named.size());
  EXPECT_EQ(DISPID_PROPERTYPUT, put.named[0]) << "a put names its value argument";
  EXPECT_EQ(VARIANT_TRUE, put.args.at(0).boolVal);
  EXPECT_FALSE(obj.calls[2].wantsResult) << "no result asked for VT_EMPTY";

  obj.result.vt = VT_BOOL;
  obj.result.boolVal = VARIANT_TRUE;
  BOOL flag = FALSE;
  driver.GetProperty(7, VT_BOOL, &flag);
  EXPECT_EQ(TRUE, flag);
  EXPECT_EQ(DISPATCH_PROPERTYGET, obj.calls.back().flags);
  driver.DetachDispatch();
}

TEST(DispatchDriver, FailuresThrowTheMatchingException) {
  RecordingDispatch obj;
  COleDispatchDriver driver(&obj, FALSE);
  obj.errorText = L"Cell is locked";
  obj.failure = E_ACCESSDENIED;
  try {
    driver.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    ADD_FAILURE() << "an automation error must throw";
  } catch (COleDispatchException* e) {
    EXPECT_EQ(CString(L"Cell is locked"), e->m_strDescription);
    EXPECT_EQ(CString(L"Recorder"), e->m_strSource);
    EXPECT_EQ(E_ACCESSDENIED, e->m_scError);
    EXPECT_EQ(E_ACCESSDENIED, COleException::Process(e));
    e->Delete();
  }
  obj.errorText = nullptr;
  obj.failure = DISP_E_MEMBERNOTFOUND;
  try {
    driver.InvokeHelper(2, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    ADD_FAILURE() << "a failed status must throw";
  } catch (COleException* e) {
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, e->m_sc);
    e->Delete();
  }
  obj.failure = S_OK;
  obj.result.vt = VT_BSTR;
  obj.result.bstrVal = SysAllocString(L"not a number");
  LONG n = 0;
  try {
    driver.GetProperty(3, VT_I4, &n);
    ADD_FAILURE() << "an unconvertible result must throw";
  } catch (COleException* e) {
    EXPECT_EQ(DISP_E_TYPEMISMATCH, e->m_sc);
    e->Delete();
  }
  driver.DetachDispatch();
  try {
    driver.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    ADD_FAILURE() << "a driver without an object must throw";
  } catch (COleException* e) {
    EXPECT_EQ(E_POINTER, e->m_sc);
    e->Delete();
  }
}

TEST(DispatchDriver, ReferencesFollowAutoReleaseCopiesAndAssignment) {
  RecordingDispatch obj;
  {
    COleDispatchDriver a;
    a.AttachDispatch(&obj);  // takes over the caller's reference
    obj.AddRef();
    COleDispatchDriver b(a);
    EXPECT_EQ(3u, obj.refs) << "a copy holds its own reference";
    COleDispatchDriver c;
    c = b;
    c = c;
    EXPECT_EQ(4u, obj.refs);
    b.ReleaseDispatch();
    EXPECT_EQ(nullptr, b.m_lpDispatch);
    EXPECT_EQ(3u, obj.refs);
    COleDispatchDriver borrowed(&obj, FALSE);
  }
  EXPECT_EQ(1u, obj.refs) << "every driver gave back what it held, the borrower nothing";

  EXPECT_TRUE(AfxOleInit());
  COleDispatchDriver none;
  COleException error;
  EXPECT_FALSE(none.CreateDispatch(L"No.Such.Server", &error));
  EXPECT_TRUE(FAILED(error.m_sc));
  EXPECT_EQ(nullptr, none.m_lpDispatch);
  AfxOleTerm();
}

TEST(OleVariant, OwnsCopiesConvertsAndCompares) {
  COleVariant text(L"12");
  COleVariant copy(text);
  EXPECT_NE(text.bstrVal, copy.bstrVal) << "a copy owns its own string";
  copy.ChangeType(VT_I4);
  EXPECT_TRUE(copy == COleVariant(12L));
  EXPECT_TRUE(COleVariant(short(1), VT_BOOL) == COleVariant(long(-5), VT_BOOL));
  text = static_cast<LPCTSTR>(text.bstrVal);  // assigning its own text keeps it intact
  EXPECT_STREQ(L"12", text.bstrVal);
  VARIANT raw = text.Detach();
  EXPECT_EQ(VT_EMPTY, text.vt);
  text.Attach(raw);
  EXPECT_EQ(VT_EMPTY, raw.vt);
  EXPECT_STREQ(L"12", text.bstrVal);
  COleVariant word(L"abc");
  EXPECT_THROW(word.ChangeType(VT_R8), COleException*);
}

TEST(File, WritesReadsSeeksAndReportsFailures) {
  wchar_t dir[MAX_PATH], path[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  GetTempFileNameW(dir, L"cf", 0, path);
  {
    CFile f(path, CFile::modeCreate | CFile::modeReadWrite);
    f.Write("hello world", 11);
    EXPECT_EQ(11u, f.GetLength());
    EXPECT_EQ(6u, f.Seek(-5, CFile::end));
    char buf[16] = {};
    EXPECT_EQ(5u, f.Read(buf, sizeof buf)) << "a read stops at the end of the file";
    EXPECT_STREQ("world", buf);
    EXPECT_EQ(0u, f.Read(buf, sizeof buf));
    f.SetLength(5);
    EXPECT_EQ(5u, f.SeekToEnd());
    EXPECT_EQ(CString(path).Mid(CString(path).ReverseFind(L'\\') + 1), f.GetFileName());
  }  // closed by the destructor, or the reopening below fails on sharing
  CFile f;
  ASSERT_TRUE(f.Open(path, CFile::modeRead | CFile::shareExclusive));
  EXPECT_EQ(5u, f.GetLength());
  CFileException error;
  CFile second;
  EXPECT_FALSE(second.Open(path, CFile::modeRead, &error));
  EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
  EXPECT_THROW(f.Write("x", 1), CFileException*) << "writing a file opened for reading";
  f.Close();
  DeleteFileW(path);
  EXPECT_FALSE(second.Open(path, CFile::modeRead, &error));
  EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
}

}  // namespace
