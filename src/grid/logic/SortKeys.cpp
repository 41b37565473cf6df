// Sort keys of the grid: numeric and currency readings of cell texts and key comparisons.
#include "grid/logic/SortKeys.h"

#include <climits>

namespace tkw {
namespace sortkeys {

namespace {

bool IsCSpace(wchar_t c) {
  return c == L' ' || (c >= L'\t' && c <= L'\r');
}

// Reads [first, last) as the C runtime reads an int; the range may hold anything.
template <typename Next>
int ReadInt(Next next) {
  wchar_t c = next();
  while (IsCSpace(c)) c = next();
  bool negative = false;
  if (c == L'+' || c == L'-') {
    negative = (c == L'-');
    c = next();
  }
  // Accumulate in a wider type and clamp, so long digit strings cannot overflow.
  long long value = 0;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  while (c >= L'0' && c <= L'9') {
    if (value <= limit) value = value * 10 + (c - L'0');
    c = next();
  }
  if (value > limit) value = limit;
  return static_cast<int>(negative ? -value : value);
}

wchar_t FoldCase(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
  // Latin-1 capitals (except the multiplication sign) have their small letter 32 above.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
  return c;
}

}  // namespace

int ParseNumeric(const wchar_t* text) {
  if (!text) return 0;
  const wchar_t* p = text;
  return ReadInt([&p]() { return *p ? *p++ : L'\0'; });
}

int ParseValute(const wchar_t* text) {
  if (!text) return 0;
  const wchar_t* p = text;
  // Skipping the dots while reading is the same as removing them first.
  return ReadInt([&p]() {
    while (*p == L'.') ++p;
    return *p ? *p++ : L'\0';
  });
}

int CompareNoCase(const wchar_t* a, const wchar_t* b) {
  if (!a) a = L"";
  if (!b) b = L"";
  for (;; ++a, ++b) {
    const wchar_t ca = FoldCase(*a);
    const wchar_t cb = FoldCase(*b);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (!ca) return 0;
  }
}

}  // namespace sortkeys
}  // namespace tkw
