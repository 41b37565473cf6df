// A wide text as a quoted ASCII string for failure reports: what is not printable ASCII is
// written as \uXXXX, so that a report shows exactly which characters a text held.
#pragma once

#include <string>

namespace tkw {

std::string PrintableText(const std::wstring& text);

}  // namespace tkw
