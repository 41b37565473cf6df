// CTime and CTimeSpan (window-free apart from the SYSTEMTIME/FILETIME conversions).
#include "afx.h"

#include <cwchar>
#include <string>

namespace {

// Converts t into *ptm; false for times the C library cannot convert on every platform.
bool ToTm(__time64_t t, struct tm* ptm, bool bLocal) {
  if (t < 0) return false;
#if defined(_WIN32)
  return (bLocal ? _localtime64_s(ptm, &t) : _gmtime64_s(ptm, &t)) == 0;
#else
  time_t tt = (time_t)t;
  return (bLocal ? localtime_r(&tt, ptm) : gmtime_r(&tt, ptm)) != NULL;
#endif
}

__time64_t FromLocalTm(struct tm* ptm) {
#if defined(_WIN32)
  return _mktime64(ptm);
#else
  return (__time64_t)mktime(ptm);
#endif
}

bool IsNumericCode(wchar_t ch) {
  return std::wcschr(L"dHIjmMSUwWyY", ch) != NULL;
}

// Expands the codes one at a time so that an unknown code is copied instead of reaching the
// C library, which rejects it differently on each platform (some abort).
CString FormatTm(const struct tm& tm, LPCTSTR pszFormat) {
  CString result;
  if (pszFormat == NULL) return result;
  for (const wchar_t* p = pszFormat; *p; ++p) {
    if (*p != L'%') {
      result += *p;
      continue;
    }
    const wchar_t* start = p;
    bool bNoZeros = false;
    if (p[1] == L'#') {
      bNoZeros = true;
      ++p;
    }
    wchar_t code = p[1];
    if (code == 0) {  // a lone percent sign at the end
      result += start;
      break;
    }
    ++p;
    if (code == L'%') {
      result += L'%';
      continue;
    }
    if (std::wcschr(L"aAbBcdHIjmMpSUwWxXyYzZ", code) == NULL) {
      result.Append(start, int(p - start + 1));
      continue;
    }
    const wchar_t one[] = {L'%', code, 0};
    wchar_t buffer[128];
    size_t n = std::wcsftime(buffer, _countof(buffer), one, &tm);
    std::wstring text(buffer, n);
    if (bNoZeros && IsNumericCode(code)) {
      size_t zeros = 0;
      while (zeros + 1 < text.size() && text[zeros] == L'0') ++zeros;
      text.erase(0, zeros);
    }
    result += text.c_str();
  }
  return result;
}

// Span arithmetic wraps instead of overflowing; time arithmetic that overflows gives -1.
__time64_t WrapAdd(__time64_t a, __time64_t b) {
  return (__time64_t)((ULONGLONG)a + (ULONGLONG)b);
}
__time64_t WrapSub(__time64_t a, __time64_t b) {
  return (__time64_t)((ULONGLONG)a - (ULONGLONG)b);
}

}  // namespace

// ---- CTimeSpan

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept
    : m_timeSpan(nSecs + 60 * (nMins + 60 * ((LONGLONG)nHours + 24 * (LONGLONG)lDays))) {}

CTimeSpan CTimeSpan::operator+(CTimeSpan span) const noexcept {
  return CTimeSpan(WrapAdd(m_timeSpan, span.m_timeSpan));
}
CTimeSpan CTimeSpan::operator-(CTimeSpan span) const noexcept {
  return CTimeSpan(WrapSub(m_timeSpan, span.m_timeSpan));
}

CString CTimeSpan::Format(LPCTSTR pszFormat) const {
  CString result;
  if (pszFormat == NULL) return result;
  for (const wchar_t* p = pszFormat; *p; ++p) {
    if (*p != L'%' || p[1] == 0) {
      result += *p;
      continue;
    }
    switch (*++p) {
      case L'D': result.AppendFormat(L"%lld", (long long)GetDays()); break;
      case L'H': result.AppendFormat(L"%02ld", (long)GetHours()); break;
      case L'M': result.AppendFormat(L"%02ld", (long)GetMinutes()); break;
      case L'S': result.AppendFormat(L"%02ld", (long)GetSeconds()); break;
      case L'%': result += L'%'; break;
      default:
        result += L'%';
        result += *p;
        break;
    }
  }
  return result;
}

// ---- CTime

CTime PASCAL CTime::GetCurrentTime() noexcept {
#if defined(_WIN32)
  return CTime(_time64(NULL));
#else
  return CTime((__time64_t)time(NULL));
#endif
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) noexcept
    : m_time(-1) {
  const bool bValid = nYear >= 1900 && nYear <= 3000 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 &&
                      nDay <= 31 && nHour >= 0 && nHour <= 23 && nMin >= 0 && nMin <= 59 &&
                      nSec >= 0 && nSec <= 59;
  ASSERT(bValid);
  if (!bValid) return;
  struct tm tm = {};
  tm.tm_year = nYear - 1900;
  tm.tm_mon = nMonth - 1;
  tm.tm_mday = nDay;
  tm.tm_hour = nHour;
  tm.tm_min = nMin;
  tm.tm_sec = nSec;
  tm.tm_isdst = nDST < 0 ? -1 : (nDST > 0 ? 1 : 0);
  m_time = FromLocalTm(&tm);
}

#if defined(_WIN32)
CTime::CTime(const SYSTEMTIME& st, int nDST) noexcept
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST) {}

CTime::CTime(const FILETIME& ft, int nDST) noexcept : m_time(-1) {
  FILETIME local;
  SYSTEMTIME st;
  if (!FileTimeToLocalFileTime(&ft, &local) || !FileTimeToSystemTime(&local, &st)) {
    ASSERT(FALSE);
    return;
  }
  *this = CTime(st, nDST);
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const noexcept {
  struct tm tm;
  if (!ToTm(m_time, &tm, true)) return false;
  st.wYear = (WORD)(tm.tm_year + 1900);
  st.wMonth = (WORD)(tm.tm_mon + 1);
  st.wDayOfWeek = (WORD)tm.tm_wday;
  st.wDay = (WORD)tm.tm_mday;
  st.wHour = (WORD)tm.tm_hour;
  st.wMinute = (WORD)tm.tm_min;
  st.wSecond = (WORD)tm.tm_sec;
  st.wMilliseconds = 0;
  return true;
}
#endif

struct tm* CTime::GetLocalTm(struct tm* ptm) const noexcept {
  return ptm && ToTm(m_time, ptm, true) ? ptm : NULL;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const noexcept {
  return ptm && ToTm(m_time, ptm, false) ? ptm : NULL;
}

#define AFX_TIME_PART(name, expr)                \
  int CTime::name() const noexcept {             \
    struct tm tm;                                \
    return ToTm(m_time, &tm, true) ? (expr) : 0; \
  }
AFX_TIME_PART(GetYear, tm.tm_year + 1900)
AFX_TIME_PART(GetMonth, tm.tm_mon + 1)
AFX_TIME_PART(GetDay, tm.tm_mday)
AFX_TIME_PART(GetHour, tm.tm_hour)
AFX_TIME_PART(GetMinute, tm.tm_min)
AFX_TIME_PART(GetSecond, tm.tm_sec)
AFX_TIME_PART(GetDayOfWeek, tm.tm_wday + 1)
#undef AFX_TIME_PART

CString CTime::Format(LPCTSTR pszFormat) const {
  struct tm tm;
  return ToTm(m_time, &tm, true) ? FormatTm(tm, pszFormat) : CString();
}

CString CTime::FormatGmt(LPCTSTR pszFormat) const {
  struct tm tm;
  return ToTm(m_time, &tm, false) ? FormatTm(tm, pszFormat) : CString();
}

CTimeSpan CTime::operator-(CTime time) const noexcept {
  return CTimeSpan(WrapSub(m_time, time.m_time));
}

CTime CTime::operator+(CTimeSpan timeSpan) const noexcept {
  __time64_t result;
  return __builtin_add_overflow(m_time, timeSpan.GetTimeSpan(), &result) ? CTime(-1)
                                                                         : CTime(result);
}

CTime CTime::operator-(CTimeSpan timeSpan) const noexcept {
  __time64_t result;
  return __builtin_sub_overflow(m_time, timeSpan.GetTimeSpan(), &result) ? CTime(-1)
                                                                         : CTime(result);
}
