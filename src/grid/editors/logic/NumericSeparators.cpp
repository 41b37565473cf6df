// The numeric editor's separators from the locale's texts.
#include "grid/editors/logic/NumericSeparators.h"

namespace tkw {

namespace {

bool Usable(wchar_t ch) {
  return ch >= L' ' && !(ch >= L'0' && ch <= L'9') && ch != L'-' && ch != L'+';
}

}  // namespace

NumericSeparators ChooseNumericSeparators(const wchar_t* decimal, const wchar_t* thousand) {
  NumericSeparators s;
  if (decimal && Usable(decimal[0]) && decimal[0] <= 0xFF)
    s.decimalPoint = static_cast<char>(static_cast<unsigned char>(decimal[0]));
  if (thousand && Usable(thousand[0])) {
    const char comma =
        thousand[0] <= 0xFF ? static_cast<char>(static_cast<unsigned char>(thousand[0])) : ' ';
    if (comma != s.decimalPoint) s.comma = comma;
  }
  return s;
}

}  // namespace tkw
