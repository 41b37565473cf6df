// The numeric cell editor's text: a number with optional minus sign, thousands separators and a
// fixed count of decimals, edited key by key with the value kept in step (window-free).
#pragma once

#include <string>

namespace tkw {

// How the number is written. Separators that could be read as part of the number (digits,
// signs, NUL) are refused by the setters; a thousands separator equal to the decimal point
// turns grouping off, since the text could not be read back otherwise.
struct NumericFormat {
  bool commas = true;    // group the integer part in threes
  wchar_t comma = L',';  // thousands separator
  wchar_t decimalPoint = L'.';
  int decimals = 2;  // 0: no decimal point at all
};

// Text, selection and value of the editor. Every operation takes the text as it stands (the
// window may hold any text) and ends in setStringAndSelection, so the value always matches the
// text. Starting from SetValue, every key keeps the text well formed.
class NumericText {
 public:
  // Decimals beyond this show nothing a single-precision value holds.
  static constexpr int kMaxDecimals = 30;

  NumericText() { SetValue(0.0); }

  // Value and settings; each setter reformats the text from the value, caret at 0.
  void SetValue(double value);
  double GetValue() const { return m_value; }
  void SetDecimals(int decimals);
  void EnableCommas(bool commas);
  bool SetComma(wchar_t comma);  // false (and unchanged) for a character a number contains
  bool SetDecimalPoint(wchar_t point);
  const NumericFormat& GetFormat() const { return m_format; }

  // The window's state, taken as it is before a key.
  void Load(const std::wstring& text, int selStart, int selEnd);
  const std::wstring& GetText() const { return m_text; }
  int GetSelStart() const { return m_selStart; }
  int GetSelEnd() const { return m_selEnd; }

  // A typed character: digits, '-', '+', the decimal point and Backspace edit the number;
  // anything else is ignored. Answers whether the text or caret may have changed.
  bool Char(wchar_t ch);
  // The Delete key.
  void Delete();
  // Pasted text goes in as if typed, so what does not fit the number is dropped.
  void Paste(const std::wstring& text);
  // Removes the selection and reformats from the resulting value (Cut, and before signs,
  // Backspace, Delete and the decimal point).
  void deleteSelection();

  // The value written with the current settings (single precision, truncated to the decimals).
  std::wstring toString(float value) const;
  // Groups the integer part of a text by the current settings.
  std::wstring putCommas(const std::wstring& text) const;

 private:
  void setStringAndSelection(const std::wstring& text, int pos);
  // Regroups an edited text and keeps the caret as far from the end as it was.
  void regroupKeepingDistance(const std::wstring& text, int pos);
  bool hasSelection() const { return m_selEnd > m_selStart; }
  void processSign(wchar_t ch);
  void processDigit(wchar_t digit);
  void processBackspace();
  void processDecimalPoint();
  void processDelete();

  // The active grouping character, or 0 when texts carry none.
  wchar_t groupChar() const;
  std::wstring removeCommas(const std::wstring& text) const;
  std::wstring removeFirstComma(const std::wstring& text) const;
  void getIntegerAndDecimal(const std::wstring& text, std::wstring& integer,
                            std::wstring& decimal) const;
  int decimalIndex(const std::wstring& text) const;  // -1 without a decimal point
  bool bIsLeftDecimal(const std::wstring& text, int pos) const;
  bool bIsLeftCharacterComma(const std::wstring& text, int pos) const;
  bool bIsRightCharacterComma(const std::wstring& text, int pos) const;
  bool bIsRightCharacterDecimal(const std::wstring& text, int pos) const;
  bool bIsRightCharacterSign(const std::wstring& text, int pos) const;
  static std::wstring midString(const std::wstring& text, int start, int count);
  static void deleteCharRight(std::wstring& text, int pos, int n);
  static void deleteCharLeft(std::wstring& text, int pos, int n);
  bool isSeparatorAllowed(wchar_t ch) const;

  NumericFormat m_format;
  std::wstring m_text;
  int m_selStart = 0;
  int m_selEnd = 0;
  double m_value = 0.0;
};

}  // namespace tkw
