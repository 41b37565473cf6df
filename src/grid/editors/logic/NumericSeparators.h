// The numeric editor's separators from the locale's texts, kept as 8-bit characters (window-free).
#pragma once

namespace tkw {

struct NumericSeparators {
  char decimalPoint = '.';
  char comma = ',';
};

// The first character of each locale text. An empty text, or one starting with a digit or a
// sign, leaves the default; a thousands separator equal to the decimal point leaves the default
// ','. Characters beyond 8 bits: a thousands separator (the narrow spaces some locales use)
// becomes a space, a decimal point keeps the default.
NumericSeparators ChooseNumericSeparators(const wchar_t* decimal, const wchar_t* thousand);

// An 8-bit separator as the text shows it (bytes above 0x7F are Latin-1, not negative).
inline wchar_t SeparatorChar(char ch) {
  return static_cast<wchar_t>(static_cast<unsigned char>(ch));
}

}  // namespace tkw
