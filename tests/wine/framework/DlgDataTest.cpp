// Dialog data exchange: DDX round trips between members and controls, and DDX/DDV failures
// that tell the user, put the focus back on the field and fail UpdateData.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "DlgTemplate.h"
#include "FrameworkApp.h"
#include "Support.h"

namespace {

std::string Narrow(const wchar_t* s) {
  std::string out;
  for (; *s; ++s) out += *s < 128 ? char(*s) : '?';
  return out;
}

enum : WORD {
  kText = 100,
  kInt,
  kUInt,
  kLong,
  kDWord,
  kDouble,
  kCheck,
  kRadio0,
  kRadio1,
  kRadio2,
  kCombo,
  kComboEdit,
  kList,
  kControl
};

dlgtest::DialogTemplate DataTemplate() {
  dlgtest::DialogTemplate t(WS_POPUP | WS_CAPTION, 200, 200, L"Data");
  short y = 4;
  for (WORD id : {kText, kInt, kUInt, kLong, kDWord, kDouble}) {
    t.Add(id, 0x81, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 4, y, 120, 12);
    y += 14;
  }
  t.Add(kCheck, 0x80, BS_AUTOCHECKBOX | WS_TABSTOP, 4, y, 80, 12, L"check");
  y += 14;
  t.Add(kRadio0, 0x80, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 4, y, 40, 12, L"r0");
  t.Add(kRadio1, 0x80, BS_AUTORADIOBUTTON, 48, y, 40, 12, L"r1");
  t.Add(kRadio2, 0x80, BS_AUTORADIOBUTTON, 92, y, 40, 12, L"r2");
  y += 14;
  t.Add(kCombo, 0x85, CBS_DROPDOWNLIST | WS_GROUP | WS_TABSTOP | WS_VSCROLL, 4, y, 100, 60);
  y += 14;
  t.Add(kComboEdit, 0x85, CBS_DROPDOWN | WS_TABSTOP | WS_VSCROLL, 4, y, 100, 60);
  y += 14;
  t.Add(kList, 0x83, WS_BORDER | WS_TABSTOP | LBS_NOTIFY, 4, y, 100, 40);
  y += 44;
  t.Add(kControl, 0x82, 0, 4, y, 100, 12, L"static");
  return t;
}

// Every DDX kind on one dialog; a test may switch on one DDV check or a missing control.
class CDataDialog : public CDialog {
 public:
  CString text = L"hello";
  int number = -17;
  UINT unsignedNumber = 4000000000u;
  long longNumber = -2000000000L;
  DWORD dword = 0xFFFFFFFFu;
  double real = 0.1;
  int check = 1;
  int radio = 2;
  int comboIndex = 1;
  CString editCombo = L"typed";
  CString listString = L"be";
  CWnd staticControl;

  int minInt = INT_MIN, maxInt = INT_MAX;
  int maxChars = -1;
  bool useMissingControl = false;
  bool useIndexes = false;
  int listIndex = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, kText, text);
    if (maxChars >= 0) DDV_MaxChars(pDX, text, maxChars);
    DDX_Text(pDX, kInt, number);
    DDV_MinMaxInt(pDX, number, minInt, maxInt);
    DDX_Text(pDX, kUInt, unsignedNumber);
    DDX_Text(pDX, kLong, longNumber);
    DDX_Text(pDX, kDWord, dword);
    DDX_Text(pDX, kDouble, real);
    DDX_Check(pDX, kCheck, check);
    DDX_Radio(pDX, kRadio0, radio);
    DDX_CBIndex(pDX, kCombo, comboIndex);
    DDX_CBString(pDX, kComboEdit, editCombo);
    if (useIndexes)
      DDX_LBIndex(pDX, kList, listIndex);
    else
      DDX_LBString(pDX, kList, listString);
    DDX_Control(pDX, kControl, staticControl);
    if (useMissingControl) DDX_Text(pDX, 999, text);
  }
};

class DialogData : public testing::Test {
 protected:
  void SetUp() override {
    tks::FrameworkApp();
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get()));
    for (const wchar_t* s : {L"zero", L"one", L"two"})
      dlg.SendDlgItemMessage(kCombo, CB_ADDSTRING, 0, LPARAM(s));
    for (const wchar_t* s : {L"alpha", L"beta", L"gamma"}) {
      dlg.SendDlgItemMessage(kComboEdit, CB_ADDSTRING, 0, LPARAM(s));
      dlg.SendDlgItemMessage(kList, LB_ADDSTRING, 0, LPARAM(s));
    }
  }
  void TearDown() override { dlg.DestroyWindow(); }

  CString Text(int id) {
    CString s;
    dlg.GetDlgItemText(id, s);
    return s;
  }
  void SetText(int id, const wchar_t* s) { dlg.SetDlgItemText(id, s); }

  // Runs UpdateData(TRUE) expecting one message box; answers it and returns its text.
  std::wstring FailingSave() {
    std::wstring shown;
    tks::AnswerNextMessageBox([&](const std::wstring&, const std::wstring& text) {
      shown = text;
      return IDOK;
    });
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(0, tks::PendingModalAnswers()) << "no message box was shown";
    return shown;
  }

  dlgtest::DialogTemplate tmpl = DataTemplate();
  CDataDialog dlg;
};

TEST_F(DialogData, LoadingFillsEveryControlAndSavingReadsEveryOneBack) {
  ASSERT_TRUE(dlg.UpdateData(FALSE));
  const std::pair<WORD, const wchar_t*>
      loaded[] = {{kText, L"hello"},       {kInt, L"-17"},          {kUInt, L"4000000000"},
                  {kLong, L"-2000000000"}, {kDWord, L"4294967295"}, {kDouble, L"0.1"},
                  {kComboEdit, L"typed"}};  // an editable combo shows a text no item starts with
  for (const auto& field : loaded)
    EXPECT_EQ(CString(field.second), Text(field.first)) << field.first;
  EXPECT_EQ(UINT(BST_CHECKED), dlg.IsDlgButtonChecked(kCheck));
  EXPECT_EQ(UINT(BST_CHECKED), dlg.IsDlgButtonChecked(kRadio2));
  EXPECT_EQ(1, int(dlg.SendDlgItemMessage(kCombo, CB_GETCURSEL)));
  EXPECT_EQ(1, int(dlg.SendDlgItemMessage(kList, LB_GETCURSEL)))
      << "\"be\" selects the first item starting with it";
  EXPECT_EQ(&dlg.staticControl, CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, kControl)));

  const std::pair<WORD, const wchar_t*> typed[] = {
      {kText, L"changed \x00e9"}, {kInt, L"  2147483647 "}, {kUInt, L"0"},
      {kLong, L"-2147483648"},    {kDWord, L"123"},         {kDouble, L"-1.5e3"}};
  for (const auto& field : typed) SetText(field.first, field.second);
  dlg.CheckDlgButton(kCheck, BST_UNCHECKED);
  dlg.CheckRadioButton(kRadio0, kRadio2, kRadio0);
  dlg.SendDlgItemMessage(kCombo, CB_SETCURSEL, 2);
  dlg.SendDlgItemMessage(kComboEdit, CB_SETCURSEL, 2);
  dlg.SendDlgItemMessage(kList, LB_SETCURSEL, 0);
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(CString(L"changed \x00e9"), dlg.text);
  EXPECT_EQ(INT_MAX, dlg.number);
  EXPECT_EQ(0u, dlg.unsignedNumber);
  EXPECT_EQ(LONG_MIN, dlg.longNumber);
  EXPECT_EQ(123u, dlg.dword);
  EXPECT_DOUBLE_EQ(-1500.0, dlg.real);
  EXPECT_EQ(0, dlg.check);
  EXPECT_EQ(0, dlg.radio);
  EXPECT_EQ(2, dlg.comboIndex);
  EXPECT_EQ(CString(L"gamma"), dlg.editCombo);
  EXPECT_EQ(CString(L"alpha"), dlg.listString);

  // Nothing selected: index -1, no radio checked.
  dlg.useIndexes = true;
  dlg.SendDlgItemMessage(kList, LB_SETCURSEL, WPARAM(-1));
  dlg.CheckRadioButton(kRadio0, kRadio2, 0);
  ASSERT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(-1, dlg.listIndex);
  EXPECT_EQ(-1, dlg.radio);
}

TEST_F(DialogData, DoublesSurviveARoundTrip) {
  for (double v : {1.0 / 3.0, 1e-300, -123456789.125, 0.0}) {
    dlg.real = v;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    dlg.real = 99;
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_NEAR(v, dlg.real, std::abs(v) * 1e-14) << "text was " << Narrow(Text(kDouble));
  }
}

TEST_F(DialogData, UnparsableNumbersFailWithAMessageAndTheFocusOnTheField) {
  ASSERT_TRUE(dlg.UpdateData(FALSE));
  dlg.ShowWindow(SW_SHOW);
  struct Case {
    WORD id;
    const wchar_t* text;
    const wchar_t* message;
  };
  for (const Case& c : {Case{kInt, L"12abc", L"integer"}, Case{kInt, L"99999999999", L"integer"},
                        Case{kInt, L"", L"integer"}, Case{kUInt, L"-1", L"positive integer"},
                        Case{kDWord, L"4294967296", L"positive integer"},
                        Case{kDouble, L"1,5", L"number"}, Case{kDouble, L"1e999", L"number"}}) {
    ASSERT_TRUE(dlg.UpdateData(FALSE));  // every other field valid again
    SetText(c.id, c.text);
    const std::wstring shown = FailingSave();
    EXPECT_NE(std::wstring::npos, shown.find(c.message))
        << "message for \"" << Narrow(c.text) << "\": " << Narrow(shown.c_str());
    EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, c.id), ::GetFocus()) << "focus back on the field";
    DWORD start = 1, end = 0;
    dlg.SendDlgItemMessage(c.id, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(DWORD(wcslen(c.text)), end) << "its text selected";
  }
  EXPECT_EQ(-17, dlg.number) << "a failed field leaves its member alone";
}

TEST_F(DialogData, ValidationFailuresNameTheLimits) {
  dlg.minInt = 1;
  dlg.maxInt = 10;
  dlg.number = 5;
  ASSERT_TRUE(dlg.UpdateData(FALSE));
  SetText(kInt, L"11");
  std::wstring shown = FailingSave();
  EXPECT_NE(std::wstring::npos, shown.find(L"between 1 and 10")) << Narrow(shown.c_str());
  EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, kInt), ::GetFocus());
  SetText(kInt, L"10");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(10, dlg.number);

  // Loading with a character limit limits the edit control; saving a longer text fails.
  dlg.maxChars = 5;
  dlg.text = L"abc";
  ASSERT_TRUE(dlg.UpdateData(FALSE));
  EXPECT_EQ(5, int(dlg.SendDlgItemMessage(kText, EM_GETLIMITTEXT)));
  dlg.SendDlgItemMessage(kText, EM_SETLIMITTEXT, 0);
  SetText(kText, L"abcdef");
  shown = FailingSave();
  EXPECT_NE(std::wstring::npos, shown.find(L"no more than 5 characters")) << Narrow(shown.c_str());
  EXPECT_EQ(::GetDlgItem(dlg.m_hWnd, kText), ::GetFocus());
}

// Timer steps of the test below: a thread timer procedure must be a stdcall function.
CDataDialog* g_okDialog;
int g_okStep;

void CALLBACK OkStep(HWND, UINT, UINT_PTR id, DWORD) {
  if (!g_okDialog->m_hWnd || !g_okDialog->IsWindowVisible()) return;
  // Each step stops its timer first: the message box's own loop dispatches thread timers too.
  KillTimer(nullptr, id);
  if (g_okStep++ == 0) {
    g_okDialog->SetDlgItemText(kInt, L"7");
    // Armed only now: the dialog itself must not be taken for the box.
    tks::AnswerNextMessageBox(IDOK);
    g_okDialog->SendMessage(WM_COMMAND, IDOK);  // fails validation: the dialog stays
    g_okDialog->SetDlgItemText(kInt, L"3");
    SetTimer(nullptr, 0, 10, OkStep);
  } else {
    g_okDialog->SendMessage(WM_COMMAND, IDOK);
  }
}

TEST_F(DialogData, OKKeepsAModalDialogOpenWhileAFieldIsInvalid) {
  dlg.DestroyWindow();
  dlg.minInt = 0;
  dlg.maxInt = 3;
  dlg.number = 1;
  dlg.InitModalIndirect(tmpl.Get());
  g_okDialog = &dlg;
  g_okStep = 0;
  SetTimer(nullptr, 0, 10, OkStep);
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(2, g_okStep);
  EXPECT_EQ(3, dlg.number);
  EXPECT_EQ(0, tks::PendingModalAnswers());
}

TEST_F(DialogData, AMissingControlFailsTheExchange) {
  dlg.useMissingControl = true;
  tks::AnswerNextMessageBox(IDOK);
  EXPECT_FALSE(dlg.UpdateData(FALSE));
  EXPECT_EQ(0, tks::PendingModalAnswers());
}

}  // namespace
