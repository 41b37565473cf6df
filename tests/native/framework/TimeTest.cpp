// CTime and CTimeSpan: local parts round trip, formatting, span arithmetic, invalid input.
#include "afx.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <iterator>
#include <string>
#include <vector>

namespace {

int g_asserts = 0;
void AFXAPI CountAssert(LPCSTR, int, LPCSTR) {
  ++g_asserts;
}

// Year, month, day, hour, minute, second and day of the week, in local time.
std::vector<int> Parts(const CTime& t) {
  return {t.GetYear(),   t.GetMonth(),  t.GetDay(),      t.GetHour(),
          t.GetMinute(), t.GetSecond(), t.GetDayOfWeek()};
}

// Times are read in local time; a fixed zone with daylight saving makes the results stable.
class TimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* tz = std::getenv("TZ");
    m_hadTz = tz != nullptr;
    if (tz) m_oldTz = tz;
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    tzset();
  }
  void TearDown() override {
    if (m_hadTz)
      setenv("TZ", m_oldTz.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  bool m_hadTz = false;
  std::string m_oldTz;
};

TEST_F(TimeTest, LocalPartsRoundTripAndSpansCrossMonthYearAndDaylightSaving) {
  const CTime t(2024, 2, 29, 23, 59, 58);
  EXPECT_EQ((std::vector<int>{2024, 2, 29, 23, 59, 58, 5}), Parts(t))
      << "29 Feb 2024 is a Thursday (1 = Sunday)";
  EXPECT_EQ(CTime(1709247598), t) << "one hour east of UTC in winter";
  EXPECT_EQ(CTime(1719871200), CTime(2024, 7, 2, 0, 0, 0)) << "two hours east in summer";

  const CTime after = CTime(2023, 12, 31, 22, 30, 0) + CTimeSpan(0, 2, 0, 0);
  EXPECT_EQ((std::vector<int>{2024, 1, 1, 0, 30, 0, 2}), Parts(after));
  // The clocks go forward on 31 March 2024: a day of wall time is 23 hours.
  EXPECT_EQ(35 * 3600,
            (CTime(2024, 4, 1, 12, 0, 0) - CTime(2024, 3, 31, 0, 0, 0)).GetTotalSeconds());
  CTime u(2024, 5, 10, 8, 0, 0);
  u += CTimeSpan(1, 1, 1, 1);
  u -= CTimeSpan(0, 0, 0, 2);
  EXPECT_EQ(CString(L"2024-05-11 09:00:59"), u.Format(L"%Y-%m-%d %H:%M:%S"));
  EXPECT_TRUE(CTime(2024, 5, 10, 8, 0, 0) < u);
}

TEST_F(TimeTest, FormatCodesAndOddFormats) {
  CTime t(2024, 3, 5, 7, 8, 9);
  EXPECT_EQ(CString(L"05/03/24 07h"), t.Format(L"%d/%m/%y %Hh"));
  EXPECT_EQ(CString(L"5.3.2024 7:08"), t.Format(L"%#d.%#m.%Y %#H:%M"));
  EXPECT_EQ(CString(L"Tuesday Mar 065"), t.Format(L"%A %b %j"));
  EXPECT_EQ(CString(L"100% %Q %"), t.Format(L"100%% %Q %")) << "unknown codes are copied";
  EXPECT_EQ(CString(), t.Format(L""));
  EXPECT_EQ(CString(), t.Format(NULL));
  EXPECT_EQ(CString(L"1970-01-01 00:00:00"), CTime(0).FormatGmt(L"%Y-%m-%d %H:%M:%S"));
  EXPECT_EQ(CString(L"01:00"), CTime(0).Format(L"%H:%M")) << "local time is an hour ahead";
}

TEST(CTimeSpanParts, TotalsPartsAndCarries) {
  const CTimeSpan span(3, 4, 5, 6);
  EXPECT_EQ((3 * 24 + 4) * 60 + 5, span.GetTotalMinutes());
  EXPECT_EQ(CString(L"3 days 04:05:06 100% %X"), span.Format(L"%D days %H:%M:%S 100%% %X"));
  EXPECT_EQ(CTimeSpan(1, 0, 0, 0), CTimeSpan(0, 23, 59, 0) + CTimeSpan(60));
  EXPECT_EQ(CTimeSpan(-60), CTimeSpan(0) - CTimeSpan(0, 0, 1, 0));
  EXPECT_EQ(CTimeSpan(0, 48, 0, 0), CTimeSpan(2, 0, 0, 0)) << "hours beyond a day carry over";
}

TEST(CTimeBadInput, InvalidPartsGiveMinusOneAndReadAsZero) {
  AFX_ASSERT_HOOK old = AfxSetAssertHook(CountAssert);
  g_asserts = 0;
  const CTime invalid[] = {CTime(2024, 13, 1, 0, 0, 0), CTime(2024, 1, 0, 0, 0, 0),
                           CTime(1899, 1, 1, 0, 0, 0), CTime(2024, 1, 1, 24, 0, 0),
                           CTime(2024, 1, 1, 0, 60, 0)};
  AfxSetAssertHook(old);
  for (const CTime& t : invalid) EXPECT_EQ(-1, t.GetTime());
  EXPECT_EQ(int(std::size(invalid)), g_asserts);

  const CTime bad(-1);
  EXPECT_EQ(0, bad.GetYear());
  EXPECT_EQ(0, bad.GetDayOfWeek());
  EXPECT_EQ(CString(), bad.Format(L"%Y"));
  struct tm tm;
  EXPECT_EQ(nullptr, bad.GetLocalTm(&tm));
  EXPECT_EQ(nullptr, CTime(0).GetGmtTm(nullptr));
  EXPECT_EQ(-1, (CTime(0x7FFFFFFFFFFFFFF0LL) + CTimeSpan(100)).GetTime())
      << "overflow must not wrap into a valid time";
  EXPECT_EQ(-1, (CTime(-0x7FFFFFFFFFFFFFF0LL) - CTimeSpan(100)).GetTime());
}

}  // namespace
