// CDateTimeCtrl: the value through CTime and SYSTEMTIME, the "none" state, the range, the
// display format, and the change notification the parent gets when the user edits a field.
#include <afxdtctl.h>
#include <gtest/gtest.h>

#include <vector>

#include "CtlParent.h"

namespace {

const UINT kPickerId = 300;

class DateParent : public ctltest::ParentWnd {
 public:
  std::vector<SYSTEMTIME> changes;

 protected:
  afx_msg void OnDateChange(NMHDR* pNMHDR, LRESULT* pResult) {
    changes.push_back(reinterpret_cast<NMDATETIMECHANGE*>(pNMHDR)->st);
    *pResult = 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DateParent, ctltest::ParentWnd)
  ON_NOTIFY(DTN_DATETIMECHANGE, kPickerId, OnDateChange)
END_MESSAGE_MAP()

class DateTimeCtrlTest : public ::testing::Test {
 protected:
  DateParent parent;
  CDateTimeCtrl picker;
  void Make(DWORD style = 0) {
    ASSERT_TRUE(picker.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, CRect(10, 10, 210, 34),
                              &parent, kPickerId));
  }
};

TEST_F(DateTimeCtrlTest, ValueRoundTripsThroughCTimeAndSystemTime) {
  Make(DTS_SHORTDATEFORMAT);
  const CTime times[] = {CTime(1999, 12, 31, 23, 59, 58), CTime(2024, 2, 29, 12, 0, 0),
                         CTime(2038, 1, 19, 3, 14, 8)};
  for (const CTime& t : times) {
    ASSERT_TRUE(picker.SetTime(&t));
    CTime got;
    EXPECT_EQ(DWORD(GDT_VALID), picker.GetTime(got));
    EXPECT_EQ(t.GetTime(), got.GetTime()) << t.GetYear();
    SYSTEMTIME st = {};
    EXPECT_EQ(DWORD(GDT_VALID), picker.GetTime(&st));
    EXPECT_EQ(t.GetYear(), st.wYear);
    EXPECT_EQ(t.GetSecond(), st.wSecond);
  }
}

TEST_F(DateTimeCtrlTest, NullTimeUnchecksOnlyAShowNoneControl) {
  Make(DTS_SHOWNONE);
  const CTime t(2020, 5, 17, 8, 30, 0);
  ASSERT_TRUE(picker.SetTime(&t));
  EXPECT_TRUE(picker.SetTime(static_cast<const CTime*>(nullptr)));
  CTime untouched(t);
  EXPECT_EQ(DWORD(GDT_NONE), picker.GetTime(untouched));
  EXPECT_EQ(t.GetTime(), untouched.GetTime()) << "an empty value leaves the CTime alone";

  CDateTimeCtrl plain;
  ASSERT_TRUE(plain.Create(WS_CHILD, CRect(0, 40, 100, 60), &parent, kPickerId + 1));
  EXPECT_FALSE(plain.SetTime(static_cast<const CTime*>(nullptr)));
}

TEST_F(DateTimeCtrlTest, RangeReportsWhichEndsAreSet) {
  Make();
  const CTime lo(2001, 1, 1, 0, 0, 0), hi(2009, 12, 31, 0, 0, 0);
  CTime gotLo, gotHi;
  EXPECT_EQ(0u, picker.GetRange(&gotLo, &gotHi) & (GDTR_MIN | GDTR_MAX));
  ASSERT_TRUE(picker.SetRange(&lo, nullptr));
  EXPECT_EQ(DWORD(GDTR_MIN), picker.GetRange(&gotLo, &gotHi) & (GDTR_MIN | GDTR_MAX));
  EXPECT_EQ(lo.GetYear(), gotLo.GetYear());
  ASSERT_TRUE(picker.SetRange(&lo, &hi));
  EXPECT_EQ(DWORD(GDTR_MIN | GDTR_MAX), picker.GetRange(&gotLo, &gotHi));
  EXPECT_EQ(hi.GetYear(), gotHi.GetYear());
  EXPECT_EQ(hi.GetMonth(), gotHi.GetMonth());
}

TEST_F(DateTimeCtrlTest, FormatShapesTheTextAndKeysNotifyTheParent) {
  Make();
  ASSERT_TRUE(picker.SetFormat(L"yyyy'-'MM'-'dd"));
  const CTime t(2024, 2, 28, 0, 0, 0);
  picker.SetTime(&t);
  CString text;
  picker.GetWindowText(text);
  EXPECT_EQ(CString(L"2024-02-28"), text);

  // The first field (the year) selected with Right, then raised by one with Up.
  picker.SetFocus();
  picker.SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
  picker.SendMessage(WM_KEYDOWN, VK_UP, 1);
  ASSERT_FALSE(parent.changes.empty()) << "no DTN_DATETIMECHANGE reached the parent";
  CTime got;
  picker.GetTime(got);
  EXPECT_EQ(got.GetYear(), parent.changes.back().wYear);
  EXPECT_NE(t.GetTime(), got.GetTime());
}

}  // namespace
