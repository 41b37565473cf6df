// Hosting an ActiveX control in a CWnd: creation by class identifier and ProgID, saved state
// from a stream or a compound file, licences, in-place activation, ambient properties, calls
// and automation errors, and release of everything when the window goes.
#include "afxwin.h"
#include "afxdisp.h"

#include <gtest/gtest.h>

#include "Support.h"

namespace {

const CLSID kTestControl = {
    0x5E0C3A41, 0x7B2D, 0x4C8E, {0x9F, 0x10, 0x2A, 0x6B, 0x3C, 0x4D, 0x5E, 0x03}};
const wchar_t kLicensed[] = L"{5E0C3A41-7B2D-4C8E-9F10-2A6B3C4D5E04}";
const wchar_t kUnknown[] = L"{5E0C3A41-7B2D-4C8E-9F10-2A6B3C4D5EFF}";
enum { kValue = 0, kCaption = 1, kLicensedProp = 2, kUserMode = 3, kFail = 4, kScale = 5 };

// The component's own count of live objects: S_OK from DllCanUnloadNow means none.
bool ComponentIdle() {
  HMODULE h = GetModuleHandleW(L"tkwtestctl.dll");
  if (!h) return true;
  FARPROC proc = GetProcAddress(h, "DllCanUnloadNow");
  HRESULT(WINAPI * canUnload)() = nullptr;
  memcpy(&canUnload, &proc, sizeof proc);
  return canUnload && canUnload() == S_OK;
}

class ControlHost : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tks::UseComponent(L"tkwtestctl"));
    // OLE's own window and the first control's one-time objects are made before any count.
    static bool warm = false;
    parent_.Attach(tks::HostFrame());
    if (!warm) {
      warm = true;
      ASSERT_TRUE(Create(L"Tkw.TestControl"));
      ctl_.DestroyWindow();
    }
  }
  void TearDown() override {
    if (ctl_.m_hWnd) ctl_.DestroyWindow();
    parent_.Detach();
    EXPECT_TRUE(ComponentIdle()) << "a control object outlived its window";
  }
  BOOL Create(LPCTSTR cls, CFile* persist = nullptr, BOOL storage = FALSE, BSTR licence = nullptr) {
    return ctl_.CreateControl(cls, L"ctl", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 60), &parent_,
                              77, persist, storage, licence);
  }
  CString TempPath() {
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    GetTempFileNameW(dir, L"ax", 0, path);
    return path;
  }
  // Writes the control's saved state: value, caption length, caption.
  static void WriteState(IStream* stm, LONG value, const wchar_t* caption) {
    ULONG cch = ULONG(wcslen(caption));
    stm->Write(&value, sizeof value, nullptr);
    stm->Write(&cch, sizeof cch, nullptr);
    stm->Write(caption, cch * sizeof(wchar_t), nullptr);
  }

  CWnd parent_;
  CWnd ctl_;
};

TEST_F(ControlHost, CreatesByIdOrProgIdActivatesInPlaceAndAnswersCalls) {
  ASSERT_TRUE(ctl_.CreateControl(kTestControl, L"ctl", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 40),
                                 &parent_, 77));
  EXPECT_EQ(ctl_.m_hWnd, GetDlgItem(parent_, 77));
  ASSERT_NE(nullptr, ctl_.GetControlUnknown());
  HWND inner = GetWindow(ctl_, GW_CHILD);
  ASSERT_NE(nullptr, inner) << "in-place activation made the control's window inside ours";
  ctl_.MoveWindow(0, 0, 150, 30);
  CRect rc;
  GetClientRect(inner, &rc);
  EXPECT_EQ(CSize(150, 30), rc.Size()) << "the control follows its host's size";

  LONG value = 0;
  ctl_.GetProperty(kValue, VT_I4, &value);
  EXPECT_EQ(-1, value) << "without saved state the control starts afresh";
  BOOL userMode = FALSE;
  ctl_.GetProperty(kUserMode, VT_BOOL, &userMode);
  EXPECT_TRUE(userMode) << "the site's ambient user mode";
  ctl_.SetProperty(kValue, VT_I4, LONG(6));
  ctl_.SetProperty(kCaption, VT_BSTR, L"Hello");
  double scaled = 0;
  static const BYTE params[] = VTS_I4 VTS_R8;
  ctl_.InvokeHelper(kScale, DISPATCH_METHOD, VT_R8, &scaled, params, LONG(7), 0.5);
  EXPECT_DOUBLE_EQ(42.5, scaled);
  CString caption;
  ctl_.GetProperty(kCaption, VT_BSTR, &caption);
  EXPECT_EQ(CString(L"Hello"), caption);
  wchar_t shown[32] = L"";
  GetWindowTextW(inner, shown, 32);
  EXPECT_STREQ(L"Hello", shown);
  ctl_.DestroyWindow();

  EXPECT_TRUE(Create(L"Tkw.TestControl"));
  ctl_.DestroyWindow();
  EXPECT_TRUE(Create(L"{5E0C3A41-7B2D-4C8E-9F10-2A6B3C4D5E03}"));
}

TEST_F(ControlHost, UnknownClassesAndLicencesAnswerZeroAndLeaveNoWindow) {
  TKS_EXPECT_GUI_DELTA(0, 0, {
    EXPECT_FALSE(Create(kUnknown));
    EXPECT_FALSE(Create(L"Tkw.NoSuchControl"));
    EXPECT_FALSE(Create(kLicensed)) << "a licensed control without a key";
    BSTR wrong = SysAllocString(L"guess");
    EXPECT_FALSE(Create(kLicensed, nullptr, FALSE, wrong));
    SysFreeString(wrong);
  });
  EXPECT_EQ(nullptr, ctl_.m_hWnd);
  EXPECT_EQ(nullptr, ctl_.GetControlUnknown());
  BSTR key = SysAllocString(L"tkw-test-licence");
  ASSERT_TRUE(Create(kLicensed, nullptr, FALSE, key));
  SysFreeString(key);
  BOOL licensed = FALSE;
  ctl_.GetProperty(kLicensedProp, VT_BOOL, &licensed);
  EXPECT_TRUE(licensed);
}

TEST_F(ControlHost, LoadsSavedStateFromAStreamFileOrACompoundFile) {
  CString streamPath = TempPath();
  {
    IStream* stm = nullptr;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, TRUE, &stm));
    WriteState(stm, 1234, L"from a stream");
    HGLOBAL h;
    GetHGlobalFromStream(stm, &h);
    CFile f(streamPath, CFile::modeCreate | CFile::modeWrite);
    f.Write("skip", 4);  // state is read from the file's current position on
    f.Write(GlobalLock(h), UINT(GlobalSize(h)));
    GlobalUnlock(h);
    stm->Release();
  }
  CString storagePath = TempPath();
  {
    IStorage* stg = nullptr;
    ASSERT_EQ(S_OK, StgCreateDocfile(storagePath,
                                     STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, &stg));
    IStream* stm = nullptr;
    ASSERT_EQ(S_OK, stg->CreateStream(L"Contents", STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE,
                                      0, 0, &stm));
    WriteState(stm, 99, L"from storage");
    stm->Release();
    stg->Release();
  }
  struct Case {
    const wchar_t* path;
    BOOL storage;
    LONG value;
    const wchar_t* caption;
  };
  for (const Case& c : {Case{streamPath, FALSE, 1234, L"from a stream"},
                        Case{storagePath, TRUE, 99, L"from storage"}}) {
    CFile f(c.path, CFile::modeRead);
    if (!c.storage) f.Seek(4, CFile::begin);
    ASSERT_TRUE(Create(L"Tkw.TestControl", &f, c.storage)) << c.caption;
    LONG value = 0;
    CString caption;
    ctl_.GetProperty(kValue, VT_I4, &value);
    ctl_.GetProperty(kCaption, VT_BSTR, &caption);
    EXPECT_EQ(c.value, value);
    EXPECT_EQ(CString(c.caption), caption);
    ctl_.DestroyWindow();
  }
  {
    CFile f(streamPath, CFile::modeReadWrite);  // read from 0, "skip" then two bytes: too short
    f.SetLength(6);
  }
  CFile broken(streamPath, CFile::modeRead);
  EXPECT_FALSE(Create(L"Tkw.TestControl", &broken)) << "state the control cannot load";
  broken.Close();
  DeleteFileW(streamPath);
  DeleteFileW(storagePath);
}

TEST_F(ControlHost, AutomationErrorsReachTheCallerAsDispatchExceptions) {
  ASSERT_TRUE(Create(L"Tkw.TestControl"));
  try {
    static const BYTE params[] = VTS_BSTR;
    ctl_.InvokeHelper(kFail, DISPATCH_METHOD, VT_EMPTY, nullptr, params, L"no disk");
    ADD_FAILURE() << "the control's error was swallowed";
  } catch (COleDispatchException* e) {
    EXPECT_EQ(CString(L"no disk"), e->m_strDescription);
    EXPECT_EQ(E_INVALIDARG, e->m_scError);
    e->Delete();
  }
  try {
    ctl_.GetProperty(999, VT_I4, nullptr);
    ADD_FAILURE() << "an unknown member was not reported";
  } catch (COleException* e) {
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND, e->m_sc);
    e->Delete();
  }
  CWnd plain;
  plain.Attach(parent_);
  LONG value;
  EXPECT_THROW(plain.GetProperty(kValue, VT_I4, &value), COleException*)
      << "a window without a control";
  plain.Detach();
}

TEST_F(ControlHost, RepeatedCreateAndDestroyLeavesNothingBehind) {
  TKS_EXPECT_GUI_DELTA(0, 0, {
    for (int i = 0; i < 200; ++i) {
      ASSERT_TRUE(Create(L"Tkw.TestControl"));
      ctl_.SetProperty(kCaption, VT_BSTR, L"cycle");
      ctl_.DestroyWindow();
    }
  });
}

}  // namespace
