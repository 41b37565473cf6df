// Random editing of the numeric editor's text with its invariants checked after every step.
#include "grid/editors/logic/NumericTextFuzzer.h"

#include "core/logic/PrintableText.h"
#include "grid/editors/logic/NumericText.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <random>

namespace tkw {

namespace {

bool IsDigit(wchar_t ch) {
  return ch >= L'0' && ch <= L'9';
}

// The grouping the text must have, written independently of the editor's own code.
std::wstring Grouped(const std::wstring& digits, wchar_t comma) {
  std::wstring out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (comma && i > 0 && (digits.size() - i) % 3 == 0) out += comma;
    out += digits[i];
  }
  return out;
}

class Fuzzer {
 public:
  explicit Fuzzer(unsigned seed) : m_random(seed) {}

  NumericFuzzResult Run(long long steps) {
    NumericFuzzResult result;
    for (result.steps = 1; result.steps <= steps; ++result.steps) {
      const std::wstring before = m_edit.GetText();
      const int selStart = m_edit.GetSelStart(), selEnd = m_edit.GetSelEnd();
      std::string operation;
      std::string failure = Step(operation);
      if (failure.empty() && !m_foreign) failure = CheckNumericText(m_edit);
      if (!failure.empty()) {
        char where[96];
        std::snprintf(where, sizeof where, "step %lld, selection %d-%d, ", result.steps, selStart,
                      selEnd);
        result.failure = where + operation + " on " + PrintableText(before) + " gave " +
                         PrintableText(m_edit.GetText()) + ": " + failure;
        return result;
      }
    }
    result.steps = steps;
    return result;
  }

 private:
  int Pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

  wchar_t RandomChar() {
    static const wchar_t kOthers[] = {L'-', L'+',  L'\b', L'.',  L',',   L' ',
                                      L'a', L'\t', L'\r', L'\'', 0x00A0, 0x20AC};
    const int kind = Pick(10);
    if (kind < 5) return static_cast<wchar_t>(L'0' + Pick(10));
    if (kind < 7) return m_edit.GetFormat().decimalPoint;
    return kOthers[Pick(sizeof kOthers / sizeof kOthers[0])];
  }

  double RandomValue() {
    switch (Pick(6)) {
      case 0: return Pick(2001) - 1000;
      case 1: return 0.0;
      case 2:
        return (Pick(2) ? -1 : 1) *
               std::ldexp(1.0 + Pick(1 << 20) / double(1 << 20), Pick(60) - 20);
      case 3: return (Pick(2) ? -1 : 1) * Pick(1000000) / std::pow(10.0, Pick(7));
      case 4: return Pick(2) ? 1e40 : -0.0;
      default: return Pick(2) ? std::nan("") : -HUGE_VAL;
    }
  }

  // Answers whether the text was written again (a refused separator leaves it as it was).
  bool ChangeSettings(std::string& operation) {
    static const wchar_t kSeparators[] = {L',', L'.', L' ', L'\'', 0x00A0, L'5', L'-', L'\n'};
    const wchar_t separator = kSeparators[Pick(sizeof kSeparators / sizeof kSeparators[0])];
    switch (Pick(4)) {
      case 0:
        operation = "SetDecimals";
        m_edit.SetDecimals(Pick(20) == 0 ? NumericText::kMaxDecimals + 5 : Pick(7) - 1);
        return true;
      case 1:
        operation = "EnableCommas";
        m_edit.EnableCommas(Pick(2) != 0);
        return true;
      case 2:
        operation = "SetComma " + PrintableText(std::wstring(1, separator));
        return m_edit.SetComma(separator);
      default:
        operation = "SetDecimalPoint " + PrintableText(std::wstring(1, separator));
        return m_edit.SetDecimalPoint(separator);
    }
  }

  // One random operation; answers a failure found by a check particular to it.
  std::string Step(std::string& operation) {
    const int length = static_cast<int>(m_edit.GetText().size());
    const int kind = Pick(100);
    if (kind < 55) {
      const wchar_t ch = RandomChar();
      operation = "char " + PrintableText(std::wstring(1, ch));
      m_edit.Char(ch);
      // After a digit the caret never rests in front of a separator.
      const NumericFormat& f = m_edit.GetFormat();
      const std::wstring& now = m_edit.GetText();
      const size_t caret = static_cast<size_t>(m_edit.GetSelStart());
      if (!m_foreign && IsDigit(ch) && f.commas && f.comma != f.decimalPoint &&
          caret < now.size() && now[caret] == f.comma)
        return "caret left in front of a separator";
    } else if (kind < 65) {
      operation = "Delete";
      m_edit.Delete();
    } else if (kind < 85) {
      const int a = Pick(length + 1), b = Pick(3) ? a : Pick(length + 1);
      operation = "select";
      m_edit.Load(m_edit.GetText(), a, b);
    } else if (kind < 90) {
      std::wstring pasted;
      for (int i = Pick(8); i > 0; --i) pasted += RandomChar();
      operation = "paste " + PrintableText(pasted);
      m_edit.Paste(pasted);
    } else if (kind < 93) {
      return RetypeCheck(operation);
    } else if (kind < 97) {
      const double value = RandomValue();
      char text[64];
      std::snprintf(text, sizeof text, "SetValue %.9g", value);
      operation = text;
      m_edit.SetValue(value);
      m_foreign = false;
      return SetValueCheck(value);
    } else if (kind < 99) {
      if (ChangeSettings(operation)) m_foreign = false;
    } else {
      // A text the editor did not write (the window may hold anything): no crash, no check
      // until the next value.
      std::wstring text;
      for (int i = Pick(12); i > 0; --i) text += RandomChar();
      operation = "load " + PrintableText(text);
      m_edit.Load(text, Pick(static_cast<int>(text.size()) + 1),
                  Pick(static_cast<int>(text.size()) + 1));
      m_foreign = true;
    }
    return std::string();
  }

  // The value shows to within one unit of its last decimal.
  std::string SetValueCheck(double value) {
    if (std::isnan(value) || std::fabs(value) > 1e30) return std::string();
    const double single = static_cast<float>(value);
    const double unit = std::pow(10.0, -m_edit.GetFormat().decimals);
    if (std::fabs(m_edit.GetValue() - single) <= unit + std::fabs(single) * 1e-6)
      return std::string();
    char text[96];
    std::snprintf(text, sizeof text, "value %.9g shows as %.9g", single, m_edit.GetValue());
    return text;
  }

  // A non-negative text pasted over itself, all selected, gives the same text back: the first
  // digit replaces the selection, the decimal point moves into the decimals, digits overwrite.
  std::string RetypeCheck(std::string& operation) {
    const std::wstring text = m_edit.GetText();
    operation = "retype";
    if (m_foreign || text.empty() || !IsDigit(text[0])) return std::string();
    m_edit.Load(text, 0, static_cast<int>(text.size()));
    m_edit.Paste(text);
    if (m_edit.GetText() == text) return std::string();
    return "retyping gave another text";
  }

  std::mt19937 m_random;
  NumericText m_edit;
  bool m_foreign = false;
};

}  // namespace

std::string CheckNumericText(const NumericText& edit) {
  const NumericFormat& f = edit.GetFormat();
  const std::wstring& text = edit.GetText();
  const wchar_t comma = f.commas && f.comma != f.decimalPoint ? f.comma : 0;
  size_t i = 0;
  std::wstring number;
  if (i < text.size() && text[i] == L'-') number += text[i++];
  const size_t integerStart = i;
  std::wstring digits;
  for (; i < text.size() && text[i] != f.decimalPoint; ++i) {
    if (IsDigit(text[i]))
      digits += text[i];
    else if (!comma || text[i] != comma)
      return "a character that is no digit in the integer part";
  }
  if (text.compare(integerStart, i - integerStart, Grouped(digits, comma)) != 0)
    return "integer part grouped wrongly";
  number += digits + L".";
  if (f.decimals > 0) {
    if (i >= text.size()) return "no decimal point";
    const std::wstring decimals = text.substr(i + 1);
    if (static_cast<int>(decimals.size()) != f.decimals) return "wrong count of decimals";
    for (wchar_t ch : decimals)
      if (!IsDigit(ch)) return "a character that is no digit in the decimals";
    number += decimals;
  } else if (i < text.size()) {
    return "a decimal point with no decimals set";
  }
  const double shown = std::wcstod(number.c_str(), nullptr);
  if (!(shown == edit.GetValue())) {
    char message[96];
    std::snprintf(message, sizeof message, "value %.17g, text reads %.17g", edit.GetValue(), shown);
    return message;
  }
  if (edit.GetSelStart() < 0 || edit.GetSelStart() > edit.GetSelEnd() ||
      edit.GetSelEnd() > static_cast<int>(text.size()))
    return "selection outside the text";
  return std::string();
}

NumericFuzzResult FuzzNumericText(unsigned seed, long long steps) {
  return Fuzzer(seed).Run(steps);
}

}  // namespace tkw
