// The numeric cell editor's text operations (window-free).
#include "grid/editors/logic/NumericText.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cwchar>

namespace tkw {

namespace {

bool IsDigit(wchar_t ch) {
  return ch >= L'0' && ch <= L'9';
}

int Length(const std::wstring& text) {
  return static_cast<int>(text.size());
}

}  // namespace

// ---- settings and value

void NumericText::SetValue(double value) {
  // Beyond single precision's range the nearest finite value shows; not-a-number shows as 0.
  if (std::isnan(value)) value = 0.0;
  value = std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX));
  setStringAndSelection(toString(static_cast<float>(value)), 0);
}

void NumericText::SetDecimals(int decimals) {
  m_format.decimals = std::clamp(decimals, 0, kMaxDecimals);
  SetValue(m_value);
}

void NumericText::EnableCommas(bool commas) {
  m_format.commas = commas;
  SetValue(m_value);
}

bool NumericText::isSeparatorAllowed(wchar_t ch) const {
  return ch >= L' ' && !IsDigit(ch) && ch != L'-' && ch != L'+';
}

bool NumericText::SetComma(wchar_t comma) {
  if (!isSeparatorAllowed(comma)) return false;
  m_format.comma = comma;
  SetValue(m_value);
  return true;
}

bool NumericText::SetDecimalPoint(wchar_t point) {
  if (!isSeparatorAllowed(point)) return false;
  m_format.decimalPoint = point;
  SetValue(m_value);
  return true;
}

void NumericText::Load(const std::wstring& text, int selStart, int selEnd) {
  setStringAndSelection(text, 0);
  m_selStart = std::clamp(std::min(selStart, selEnd), 0, Length(m_text));
  m_selEnd = std::clamp(std::max(selStart, selEnd), 0, Length(m_text));
}

void NumericText::setStringAndSelection(const std::wstring& text, int pos) {
  m_text = text;
  m_selStart = m_selEnd = std::clamp(pos, 0, Length(m_text));
  std::wstring integer, decimal;
  getIntegerAndDecimal(m_text, integer, decimal);
  const std::wstring number = integer + L"." + decimal;
  m_value = std::wcstod(number.c_str(), nullptr);
}

// ---- formatting

// The shortest decimal form that reads back as the same single-precision value, cut after the
// decimals: 2.3f shows as 2.30, where its exact expansion (2.2999999...) would show 2.29.
std::wstring NumericText::toString(float value) const {
  char digits[128];
  const auto written =
      std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed);
  const std::string plain(digits, written.ptr);
  const size_t point = plain.find('.');
  std::wstring text(plain.begin(),
                    point == std::string::npos ? plain.end() : plain.begin() + point);
  if (text.empty()) text = L"0";
  if (m_format.decimals > 0) {
    std::wstring fraction;
    if (point != std::string::npos) fraction.assign(plain.begin() + point + 1, plain.end());
    fraction.resize(m_format.decimals, L'0');
    text += m_format.decimalPoint;
    text += fraction;
  }
  text = putCommas(text);
  if (value < 0) text.insert(text.begin(), L'-');
  return text;
}

wchar_t NumericText::groupChar() const {
  return m_format.comma == m_format.decimalPoint ? 0 : m_format.comma;
}

std::wstring NumericText::removeCommas(const std::wstring& text) const {
  const wchar_t comma = groupChar();
  if (!comma) return text;
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t ch : text)
    if (ch != comma) out += ch;
  return out;
}

std::wstring NumericText::putCommas(const std::wstring& text) const {
  const std::wstring plain = removeCommas(text);
  const wchar_t comma = groupChar();
  if (!m_format.commas || !comma) return plain;
  std::wstring integer, decimal;
  getIntegerAndDecimal(plain, integer, decimal);
  std::wstring out;
  out.reserve(plain.size() + plain.size() / 3 + 1);
  const int length = Length(integer);
  for (int i = 0; i < length; ++i) {
    if (i > 0 && (length - i) % 3 == 0) out += comma;
    out += integer[i];
  }
  if (m_format.decimals > 0) {
    out += m_format.decimalPoint;
    out += decimal;
  }
  return removeFirstComma(out);
}

// A grouped "-123" reads "-,123": the separator after the sign goes.
std::wstring NumericText::removeFirstComma(const std::wstring& text) const {
  const wchar_t comma = groupChar();
  std::wstring out = text;
  if (!comma || out.empty()) return out;
  if (out[0] == comma)
    out.erase(0, 1);
  else if (out.size() > 1 && out[0] == L'-' && out[1] == comma)
    out.erase(1, 1);
  return out;
}

void NumericText::getIntegerAndDecimal(const std::wstring& text, std::wstring& integer,
                                       std::wstring& decimal) const {
  const std::wstring plain = removeCommas(text);
  const int point = decimalIndex(plain);
  integer = point < 0 ? plain : midString(plain, 0, point);
  decimal = point < 0 ? std::wstring() : midString(plain, point + 1, Length(plain) - point - 1);
}

int NumericText::decimalIndex(const std::wstring& text) const {
  const size_t point = text.find(m_format.decimalPoint);
  return point == std::wstring::npos ? -1 : static_cast<int>(point);
}

std::wstring NumericText::midString(const std::wstring& text, int start, int count) {
  if (start < 0 || start >= Length(text) || count <= 0) return std::wstring();
  return text.substr(start, count);
}

// ---- caret context

bool NumericText::bIsLeftDecimal(const std::wstring& text, int pos) const {
  const int point = decimalIndex(text);
  return point < 0 || pos <= point;
}

bool NumericText::bIsLeftCharacterComma(const std::wstring& text, int pos) const {
  return groupChar() && pos > 0 && pos <= Length(text) && text[pos - 1] == groupChar();
}

bool NumericText::bIsRightCharacterComma(const std::wstring& text, int pos) const {
  return groupChar() && pos >= 0 && pos < Length(text) && text[pos] == groupChar();
}

bool NumericText::bIsRightCharacterDecimal(const std::wstring& text, int pos) const {
  return pos >= 0 && pos < Length(text) && text[pos] == m_format.decimalPoint;
}

bool NumericText::bIsRightCharacterSign(const std::wstring& text, int pos) const {
  return pos >= 0 && pos < Length(text) && text[pos] == L'-';
}

void NumericText::deleteCharRight(std::wstring& text, int pos, int n) {
  if (pos < 0 || pos >= Length(text)) return;
  text.erase(pos, std::min(n, Length(text) - pos));
}

void NumericText::deleteCharLeft(std::wstring& text, int pos, int n) {
  const int start = std::max(0, pos - n);
  if (pos > Length(text) || pos <= start) return;
  text.erase(start, pos - start);
}

// Regrouping changes separators left of the caret only (groups count from the right), so the
// caret's distance from the end places it at the same digit.
void NumericText::regroupKeepingDistance(const std::wstring& text, int pos) {
  const int fromEnd = Length(text) - pos;
  const std::wstring grouped = putCommas(text);
  setStringAndSelection(grouped, Length(grouped) - fromEnd);
}

// ---- keys

bool NumericText::Char(wchar_t ch) {
  if (ch == L'-' || ch == L'+') {
    deleteSelection();
    processSign(ch);
  } else if (IsDigit(ch)) {
    processDigit(ch);
  } else if (ch == L'\b') {
    if (hasSelection())
      deleteSelection();
    else
      processBackspace();
  } else if (ch == m_format.decimalPoint) {
    deleteSelection();
    processDecimalPoint();
  } else {
    return false;
  }
  return true;
}

void NumericText::Delete() {
  if (hasSelection())
    deleteSelection();
  else
    processDelete();
}

void NumericText::Paste(const std::wstring& text) {
  for (wchar_t ch : text) Char(ch);
}

void NumericText::deleteSelection() {
  if (!hasSelection()) return;
  const int start = m_selStart;
  std::wstring text = m_text;
  text.erase(start, m_selEnd - start);
  setStringAndSelection(text, start);
  SetValue(m_value);
  m_selStart = m_selEnd = std::min(start, Length(m_text));
}

void NumericText::processSign(wchar_t ch) {
  std::wstring text = m_text;
  int pos = m_selStart;
  const bool negative = bIsRightCharacterSign(text, 0);
  if (negative) {
    text.erase(0, 1);
    pos = std::max(0, pos - 1);
  } else if (ch == L'-') {
    text.insert(text.begin(), L'-');
    ++pos;
  }
  setStringAndSelection(text, pos);
}

void NumericText::processDigit(wchar_t digit) {
  const std::wstring& text = m_text;
  const int pos = m_selStart;
  if (hasSelection()) {
    // A selection across the decimal point keeps the point, and the decimals stay as many as
    // before: what follows the selection becomes the first decimals, zeros fill the rest.
    const int point = decimalIndex(text);
    std::wstring edited = text.substr(0, pos) + digit;
    if (point >= pos && point < m_selEnd) edited += m_format.decimalPoint;
    edited += text.substr(m_selEnd);
    const int newPoint = decimalIndex(edited);
    if (m_format.decimals > 0 && newPoint >= 0) {
      const int decimals = Length(edited) - newPoint - 1;
      if (decimals < m_format.decimals) edited.append(m_format.decimals - decimals, L'0');
    }
    regroupKeepingDistance(edited, pos + 1);
  } else if (bIsLeftDecimal(text, pos)) {
    // Nothing goes in front of the sign.
    if (bIsRightCharacterSign(text, pos)) return;
    std::wstring edited = text;
    edited.insert(edited.begin() + pos, digit);
    regroupKeepingDistance(edited, pos + 1);
  } else if (pos < Length(text)) {
    std::wstring edited = text;
    edited[pos] = digit;
    setStringAndSelection(edited, pos + 1);
  } else {
    // At the end only a decimal part shorter than the setting takes another digit.
    const int point = decimalIndex(text);
    if (Length(text) - point - 1 >= m_format.decimals) return;
    setStringAndSelection(text + digit, pos + 1);
  }
  if (bIsRightCharacterComma(m_text, m_selStart)) m_selStart = m_selEnd = m_selStart + 1;
}

void NumericText::processBackspace() {
  const int pos = m_selStart;
  if (pos == 0 || !bIsLeftDecimal(m_text, pos)) return;
  const int n = bIsLeftCharacterComma(m_text, pos) ? 2 : 1;
  std::wstring edited = m_text;
  deleteCharLeft(edited, pos, n);
  regroupKeepingDistance(edited, std::max(0, pos - n));
}

void NumericText::processDelete() {
  int pos = m_selStart;
  if (bIsRightCharacterDecimal(m_text, pos)) ++pos;
  std::wstring edited = m_text;
  if (bIsLeftDecimal(edited, pos)) {
    if (pos >= Length(edited)) return;
    deleteCharRight(edited, pos, bIsRightCharacterComma(edited, pos) ? 2 : 1);
    regroupKeepingDistance(edited, pos);
  } else {
    // The count of decimals is fixed: the digits after the caret move left and a zero ends them.
    if (pos < Length(edited)) {
      deleteCharRight(edited, pos, 1);
      edited += L'0';
    }
    setStringAndSelection(edited, pos);
  }
}

void NumericText::processDecimalPoint() {
  std::wstring edited = m_text;
  const int pos = m_selStart;
  if (bIsLeftDecimal(edited, pos)) {
    const int point = decimalIndex(edited);
    const int end = point < 0 ? Length(edited) : point;
    const wchar_t comma = groupChar();
    std::wstring kept = edited.substr(0, pos);
    for (int i = pos; i < end; ++i)
      if (!IsDigit(edited[i]) && (!comma || edited[i] != comma)) kept += edited[i];
    edited = kept + edited.substr(end);
  }
  edited = putCommas(edited);
  const int point = decimalIndex(edited);
  setStringAndSelection(edited, point < 0 ? Length(edited) : point + 1);
}

}  // namespace tkw
