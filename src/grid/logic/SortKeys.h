// Sort keys of the grid: reading numeric and currency cell texts, comparing keys (window-free).
#pragma once

#include <cstdint>

namespace tkw {
namespace sortkeys {

// The leading decimal integer of a text as the C runtime's string-to-int reads it: leading
// white space, an optional sign, then digits up to the first other character; 0 when there
// are no digits; values beyond the int range are clamped. A null text reads as 0.
int ParseNumeric(const wchar_t* text);

// A currency text: every "." (thousands separator) is dropped, then read as ParseNumeric does,
// so "1.200,50" reads as 1200.
int ParseValute(const wchar_t* text);

// Case-insensitive comparison (A-Z and the Latin-1 letters fold to lower case); answers
// -1, 0 or 1. Null texts compare as empty.
int CompareNoCase(const wchar_t* a, const wchar_t* b);

// 0 when equal, 1 when a is greater, -1 otherwise.
inline int CompareInt(int a, int b) {
  return a == b ? 0 : (a > b ? 1 : -1);
}

// Where a pair of rows goes before the keys are looked at: the summary row is always after
// every other row. Answers 1 when a is the summary row, -1 when b is, 0 when neither is.
inline int CompareSummary(std::uintptr_t aData, std::uintptr_t bData, std::uintptr_t summaryData) {
  if (aData == summaryData) return 1;
  if (bData == summaryData) return -1;
  return 0;
}

}  // namespace sortkeys
}  // namespace tkw
