// CTime and CTimeSpan: absolute times (seconds since 1970 UTC) and the distances between them.
#pragma once

#include <ctime>

// The system headers map this name to GetTickCount, which would rename CTime's member.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

// ---- CTimeSpan: a signed number of seconds.
class AFX_FWAPI CTimeSpan {
 public:
  CTimeSpan() noexcept : m_timeSpan(0) {}
  CTimeSpan(__time64_t time) noexcept : m_timeSpan(time) {}  // NOLINT: converting, as the time type
  CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept;

  LONGLONG GetDays() const noexcept { return m_timeSpan / (24 * 3600); }
  LONGLONG GetTotalHours() const noexcept { return m_timeSpan / 3600; }
  LONG GetHours() const noexcept { return (LONG)(GetTotalHours() - GetDays() * 24); }
  LONGLONG GetTotalMinutes() const noexcept { return m_timeSpan / 60; }
  LONG GetMinutes() const noexcept { return (LONG)(GetTotalMinutes() - GetTotalHours() * 60); }
  LONGLONG GetTotalSeconds() const noexcept { return m_timeSpan; }
  LONG GetSeconds() const noexcept { return (LONG)(GetTotalSeconds() - GetTotalMinutes() * 60); }
  __time64_t GetTimeSpan() const noexcept { return m_timeSpan; }

  // %D days, %H hours (00-23), %M minutes, %S seconds, %% a percent sign; anything else is
  // copied as it stands.
  CString Format(LPCTSTR pszFormat) const;

  CTimeSpan operator+(CTimeSpan span) const noexcept;
  CTimeSpan operator-(CTimeSpan span) const noexcept;
  CTimeSpan& operator+=(CTimeSpan span) noexcept { return *this = *this + span; }
  CTimeSpan& operator-=(CTimeSpan span) noexcept { return *this = *this - span; }
  bool operator==(CTimeSpan span) const noexcept { return m_timeSpan == span.m_timeSpan; }
  bool operator!=(CTimeSpan span) const noexcept { return m_timeSpan != span.m_timeSpan; }
  bool operator<(CTimeSpan span) const noexcept { return m_timeSpan < span.m_timeSpan; }
  bool operator>(CTimeSpan span) const noexcept { return m_timeSpan > span.m_timeSpan; }
  bool operator<=(CTimeSpan span) const noexcept { return m_timeSpan <= span.m_timeSpan; }
  bool operator>=(CTimeSpan span) const noexcept { return m_timeSpan >= span.m_timeSpan; }

 private:
  __time64_t m_timeSpan;
};

// ---- CTime: a point in time. Parts are read in local time unless the name says Gmt.
// A time that cannot be represented (bad parts, arithmetic overflow, before 1970) is -1 or
// another negative value; its parts read as 0 and it formats as an empty string.
class AFX_FWAPI CTime {
 public:
  static CTime PASCAL GetCurrentTime() noexcept;

  CTime() noexcept : m_time(0) {}
  CTime(__time64_t time) noexcept : m_time(time) {}  // NOLINT: converting, as the time type
  // Local date and time; nDST < 0 lets the library decide whether daylight saving applies.
  // Parts out of range (year 1900-3000, month 1-12, day 1-31, hour 0-23, minute and second
  // 0-59) assert and give -1.
  CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1) noexcept;
#if defined(_WIN32)
  CTime(const SYSTEMTIME& st, int nDST = -1) noexcept;
  CTime(const FILETIME& ft, int nDST = -1) noexcept;
  // FALSE for a time that cannot be represented.
  bool GetAsSystemTime(SYSTEMTIME& st) const noexcept;
#endif

  __time64_t GetTime() const noexcept {
    return m_time;
  }
  // Fills *ptm and returns ptm; NULL when the time cannot be represented.
  struct tm* GetLocalTm(struct tm* ptm) const noexcept;
  struct tm* GetGmtTm(struct tm* ptm) const noexcept;

  int GetYear() const noexcept;
  int GetMonth() const noexcept;  // 1-12
  int GetDay() const noexcept;    // 1-31
  int GetHour() const noexcept;
  int GetMinute() const noexcept;
  int GetSecond() const noexcept;
  int GetDayOfWeek() const noexcept;  // 1 = Sunday

  // strftime codes (%Y %m %d %H %M %S %a %A %b %B %c %x %X %p %j %U %W %w %y %Z %z %I %%), with
  // '#' after the percent sign dropping leading zeros of numbers. Unknown codes are copied.
  CString Format(LPCTSTR pszFormat) const;
  CString FormatGmt(LPCTSTR pszFormat) const;

  CTimeSpan operator-(CTime time) const noexcept;
  CTime operator-(CTimeSpan timeSpan) const noexcept;
  CTime operator+(CTimeSpan timeSpan) const noexcept;
  CTime& operator+=(CTimeSpan span) noexcept {
    return *this = *this + span;
  }
  CTime& operator-=(CTimeSpan span) noexcept {
    return *this = *this - span;
  }
  bool operator==(CTime time) const noexcept {
    return m_time == time.m_time;
  }
  bool operator!=(CTime time) const noexcept {
    return m_time != time.m_time;
  }
  bool operator<(CTime time) const noexcept {
    return m_time < time.m_time;
  }
  bool operator>(CTime time) const noexcept {
    return m_time > time.m_time;
  }
  bool operator<=(CTime time) const noexcept {
    return m_time <= time.m_time;
  }
  bool operator>=(CTime time) const noexcept {
    return m_time >= time.m_time;
  }

 private:
  __time64_t m_time;
};
