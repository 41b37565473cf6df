// Tip texts of the multi-marker slider.
#include "controls/logic/MarkerTipText.h"

#include <climits>
#include <cmath>

namespace tkw {

DayTime SplitSeconds(float fValue) {
  DayTime t;
  if (!std::isfinite(fValue)) return t;
  const double whole = std::trunc(static_cast<double>(fValue));
  t.negative = whole < 0;
  // Bounded so that the day count fits an int; the seconds of a day stay exact below it.
  const double magnitude = std::fmin(std::fabs(whole), double(INT_MAX) * 86400.0);
  const long long s = static_cast<long long>(magnitude);
  t.days = static_cast<int>(s / 86400);
  t.hours = static_cast<int>(s % 86400 / 3600);
  t.minutes = static_cast<int>(s % 3600 / 60);
  t.seconds = static_cast<int>(s % 60);
  return t;
}

CString MarkerTipText(float fValue, bool bTimeFormat) {
  CString text;
  if (!bTimeFormat) {
    text.Format(L"%.1f min", static_cast<double>(fValue));
    return text;
  }
  const DayTime t = SplitSeconds(fValue);
  text.Format(L"%01d Day(s) %02d:%02d:%02d", t.days, t.hours, t.minutes, t.seconds);
  return t.negative ? L"-" + text : text;
}

}  // namespace tkw
