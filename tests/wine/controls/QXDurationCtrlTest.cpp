// The duration control behind its wrapper: created by runtime class over our control, every
// accessor on the dispatch id the control names, editing with keys, sizing, the stock Enabled
// property, saved state, and automation errors reaching the caller.
#include <afxwin.h>
#include <afxdisp.h>

#include <gtest/gtest.h>
#include <ocidl.h>

#include <functional>
#include <memory>
#include <string>

#include "Support.h"
#include "controls/QXDurationCtrl.h"

namespace {

// Reads a property by its name in the control's type library.
VARIANT ReadByName(CWnd& ctl, const wchar_t* name) {
  VARIANT v;
  VariantInit(&v);
  IDispatch* disp = nullptr;
  ctl.GetControlUnknown()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&disp));
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  if (SUCCEEDED(disp->GetIDsOfNames(IID_NULL, names, 1, 0, &id)))
    disp->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &v, nullptr, nullptr);
  disp->Release();
  return v;
}

class QXDuration : public testing::Test {
 protected:
  void SetUp() override {
    m_parent.Attach(tks::HostFrame());
    m_ctl.reset(static_cast<CQXDurationCtrl*>(CRuntimeClass::CreateObject("CQXDurationCtrl")));
    ASSERT_NE(nullptr, m_ctl);
    EXPECT_EQ(0xFFFFu, m_ctl->GetRuntimeClass()->m_wSchema);
    ASSERT_TRUE(
        m_ctl->Create(nullptr, L"d", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 24), &m_parent, 5))
        << "the duration control is not found beside the library";
  }
  void TearDown() override {
    if (m_ctl && m_ctl->m_hWnd) m_ctl->DestroyWindow();
    m_parent.Detach();
  }
  HWND Inner() const { return ::GetWindow(m_ctl->m_hWnd, GW_CHILD); }
  void Keys(const wchar_t* keys) {
    for (const wchar_t* k = keys; *k; ++k) {
      const UINT vk = *k == L'<'   ? VK_LEFT
                      : *k == L'>' ? VK_RIGHT
                      : *k == L'+' ? VK_UP
                      : *k == L'-' ? VK_DOWN
                                   : 0;
      if (vk)
        ::SendMessageW(Inner(), WM_KEYDOWN, vk, 0);
      else
        ::SendMessageW(Inner(), WM_CHAR, *k, 0);
    }
  }

  CWnd m_parent;
  std::unique_ptr<CQXDurationCtrl> m_ctl;
};

TEST_F(QXDuration, EveryAccessorUsesThePropertyOfItsName) {
  CQXDurationCtrl& c = *m_ctl;
  const struct {
    const wchar_t* name;
    std::function<void()> set;
    VARTYPE vt;
    long expected;  // for numbers and flags
    const wchar_t* text;
  } cases[] = {
      {L"TotalSeconds", [&] { c.SetTotalSeconds(3725); }, VT_I4, 3725, nullptr},
      {L"_TotalSeconds", [&] { c.Set_TotalSeconds(90061); }, VT_I4, 90061, nullptr},
      {L"SpinButton", [&] { c.SetSpinButton(FALSE); }, VT_BOOL, 0, nullptr},
      {L"ShowDays", [&] { c.SetShowDays(FALSE); }, VT_BOOL, 0, nullptr},
      {L"ShowHoursMinutes", [&] { c.SetShowHoursMinutes(FALSE); }, VT_BOOL, 0, nullptr},
      {L"Enabled", [&] { c.SetEnabled(FALSE); }, VT_BOOL, 0, nullptr},
      {L"DaysLabel", [&] { c.SetDaysLabel(L"giorni"); }, VT_BSTR, 0, L"giorni"},
      {L"HoursLabel", [&] { c.SetHoursLabel(L"ore"); }, VT_BSTR, 0, L"ore"},
      {L"MinutesLabel", [&] { c.SetMinutesLabel(L"minuti"); }, VT_BSTR, 0, L"minuti"},
      {L"SecondsLabel", [&] { c.SetSecondsLabel(L"secondi"); }, VT_BSTR, 0, L"secondi"},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << std::wstring(k.name).c_str());
    k.set();
    VARIANT v = ReadByName(c, k.name);
    ASSERT_EQ(k.vt, V_VT(&v));
    if (k.vt == VT_BSTR)
      EXPECT_STREQ(k.text, V_BSTR(&v));
    else if (k.vt == VT_BOOL)
      EXPECT_EQ(k.expected != 0, V_BOOL(&v) != VARIANT_FALSE);
    else
      EXPECT_EQ(k.expected, V_I4(&v));
    VariantClear(&v);
  }
  // The wrapper's getters read the same properties back.
  EXPECT_EQ(90061, c.GetTotalSeconds()) << "both total properties hold one value";
  EXPECT_EQ(90061, c.Get_TotalSeconds());
  EXPECT_FALSE(c.GetSpinButton());
  EXPECT_FALSE(c.GetShowDays());
  EXPECT_FALSE(c.GetShowHoursMinutes());
  EXPECT_STREQ(L"giorni", c.GetDaysLabel());
  EXPECT_STREQ(L"ore", c.GetHoursLabel());
  EXPECT_STREQ(L"minuti", c.GetMinutesLabel());
  EXPECT_STREQ(L"secondi", c.GetSecondsLabel());
}

TEST_F(QXDuration, EnabledIsTheControlsOwnPropertyNotTheWindowsState) {
  EXPECT_TRUE(m_ctl->GetEnabled());
  m_ctl->SetEnabled(FALSE);
  EXPECT_FALSE(m_ctl->GetEnabled());
  EXPECT_TRUE(m_ctl->IsWindowEnabled()) << "the wrapper's window stays enabled";
  EXPECT_FALSE(::IsWindowEnabled(Inner())) << "the control greys itself";
  m_ctl->SetEnabled(TRUE);
  EXPECT_TRUE(::IsWindowEnabled(Inner()));
}

TEST_F(QXDuration, KeysEditTheFieldsAndTheHostReadsSeconds) {
  m_ctl->SetTotalSeconds(0);
  ::SetFocus(Inner());
  // From the seconds field: 30 s, one field left 5 min, left again 2 h, one step up 3 h.
  Keys(L"30<5<2+");
  EXPECT_EQ(3 * 3600 + 5 * 60 + 30, m_ctl->GetTotalSeconds());
  Keys(L"<1");  // days
  EXPECT_EQ(86400 + 3 * 3600 + 5 * 60 + 30, m_ctl->Get_TotalSeconds());
}

TEST_F(QXDuration, SizeToContentFitsTheWindowToTheFieldsShown) {
  CRect before, all, fewer;
  m_ctl->GetWindowRect(&before);
  m_ctl->SizeToContent();
  m_ctl->GetWindowRect(&all);
  EXPECT_NE(before.Width(), all.Width());
  EXPECT_GT(all.Height(), 8);
  m_ctl->SetShowDays(FALSE);
  m_ctl->SetSpinButton(FALSE);
  m_ctl->SizeToContent();
  m_ctl->GetWindowRect(&fewer);
  EXPECT_LT(fewer.Width(), all.Width());
  CRect inner;
  ::GetWindowRect(Inner(), &inner);
  EXPECT_EQ(fewer, inner) << "the control follows its site";
}

TEST_F(QXDuration, SavedStateCreatesAControlAsItWasLeft) {
  m_ctl->SetTotalSeconds(4000);
  m_ctl->SetHoursLabel(L"hrs");
  m_ctl->SetShowDays(FALSE);
  // The state as a host keeps it: the control's stream written to a file.
  IPersistStreamInit* persist = nullptr;
  ASSERT_HRESULT_SUCCEEDED(m_ctl->GetControlUnknown()->QueryInterface(
      IID_IPersistStreamInit, reinterpret_cast<void**>(&persist)));
  IStream* stream = nullptr;
  ASSERT_HRESULT_SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream));
  ASSERT_HRESULT_SUCCEEDED(persist->Save(stream, TRUE));
  persist->Release();
  HGLOBAL mem = nullptr;
  GetHGlobalFromStream(stream, &mem);
  STATSTG stat = {};
  stream->Stat(&stat, STATFLAG_NONAME);
  wchar_t dir[MAX_PATH], path[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  GetTempFileNameW(dir, L"dur", 0, path);
  {
    CFile out(path, CFile::modeCreate | CFile::modeWrite);
    out.Write(GlobalLock(mem), UINT(stat.cbSize.QuadPart));
    GlobalUnlock(mem);
  }
  stream->Release();
  CFile file(path, CFile::modeRead);

  CQXDurationCtrl again;
  ASSERT_TRUE(again.Create(L"again", WS_CHILD, CRect(0, 30, 200, 54), &m_parent, 6, &file));
  EXPECT_EQ(4000, again.GetTotalSeconds());
  EXPECT_STREQ(L"hrs", again.GetHoursLabel());
  EXPECT_FALSE(again.GetShowDays());
  EXPECT_TRUE(again.GetShowHoursMinutes());
  again.DestroyWindow();
  file.Close();
  DeleteFileW(path);
}

// Totals at the ends of the signed 32-bit range: the largest is held and edits never carry it
// past itself or below zero; the smallest is refused and leaves the total as it was.
TEST_F(QXDuration, TotalsAtThe32BitLimitsAreHeldOrRefused) {
  constexpr long kMax = 2147483647, kMin = -kMax - 1;
  CQXDurationCtrl& c = *m_ctl;
  const struct {
    const char* name;
    std::function<void()> set;
    const wchar_t* keys;
    long expected;
    bool refused;
  } cases[] = {
      {"largest total", [&] { c.SetTotalSeconds(kMax); }, L"", kMax, false},
      {"largest through the other id", [&] { c.Set_TotalSeconds(kMax); }, L"", kMax, false},
      {"a step up from the largest", [&] { c.SetTotalSeconds(kMax); }, L"+", kMax, false},
      {"a digit that would pass the largest", [&] { c.SetTotalSeconds(kMax); }, L"9", kMax, false},
      {"a step up in days from the largest", [&] { c.SetTotalSeconds(kMax); }, L"<<<+", kMax,
       false},
      {"a step down from zero", [&] { c.SetTotalSeconds(0); }, L"-", 0, false},
      {"smallest total", [&] { c.SetTotalSeconds(kMin); }, L"", 1234, true},
      {"smallest through the other id", [&] { c.Set_TotalSeconds(kMin); }, L"", 1234, true},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(k.name);
    c.SetTotalSeconds(1234);
    bool refused = false;
    try {
      k.set();
    } catch (COleDispatchException* e) {
      refused = true;
      e->Delete();
    }
    Keys(k.keys);
    EXPECT_EQ(k.refused, refused);
    EXPECT_EQ(k.expected, c.GetTotalSeconds());
    EXPECT_EQ(k.expected, c.Get_TotalSeconds());
  }
}

TEST_F(QXDuration, ControlErrorsAndTheAboutBoxReachTheCaller) {
  try {
    m_ctl->SetTotalSeconds(-1);
    ADD_FAILURE() << "a negative duration was taken";
  } catch (COleDispatchException* e) {
    EXPECT_STREQ(L"A duration cannot be negative.", e->m_strDescription);
    e->Delete();
  }
  EXPECT_EQ(0, m_ctl->GetTotalSeconds());
  std::wstring title;
  tks::AnswerNextMessageBox([&](const std::wstring& t, const std::wstring&) {
    title = t;
    return IDOK;
  });
  m_ctl->AboutBox();
  EXPECT_EQ(L"About the duration control", title);
}

}  // namespace
