// The text of the multi-marker slider's tip: a value as days and time, or as minutes.
#pragma once
#include <afx.h>

namespace tkw {

// A value in whole seconds split into days, hours, minutes and seconds.
struct DayTime {
  bool negative = false;  // the parts hold the magnitude
  int days = 0;           // at most INT_MAX: larger values show that many
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
};

// Truncates fValue (seconds) towards zero, never rounds: 59.9 is 0:00:59.
DayTime SplitSeconds(float fValue);

// "1 Day(s) 01:01:01" for 90061 with bTimeFormat (a "-" in front of negative values), else
// the value with one decimal and " min".
CString MarkerTipText(float fValue, bool bTimeFormat);

}  // namespace tkw
