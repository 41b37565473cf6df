// Quoting wide texts for failure reports.
#include "core/logic/PrintableText.h"

#include <cstdio>

namespace tkw {

std::string PrintableText(const std::wstring& text) {
  std::string out = "\"";
  for (wchar_t ch : text) {
    if (ch >= 0x20 && ch < 0x7F) {
      out += static_cast<char>(ch);
    } else {
      char escaped[16];
      std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(ch));
      out += escaped;
    }
  }
  return out + "\"";
}

}  // namespace tkw
