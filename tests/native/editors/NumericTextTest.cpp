// Numeric editor text: formatting of values, every key at chosen carets and selections, and a
// seeded fuzz pass over random editing.
#include "grid/editors/logic/NumericSeparators.h"
#include "grid/editors/logic/NumericText.h"
#include "grid/editors/logic/NumericTextFuzzer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using tkw::NumericText;

namespace {

struct Settings {
  int decimals = 2;
  bool commas = true;
  wchar_t comma = L',';
  wchar_t point = L'.';
};

NumericText Make(const Settings& s) {
  NumericText edit;
  edit.SetDecimals(s.decimals);
  edit.EnableCommas(s.commas);
  edit.SetComma(s.comma);
  edit.SetDecimalPoint(s.point);
  return edit;
}

std::string Show(const std::wstring& text) {
  return testing::PrintToString(text);
}

const Settings kPlain{0, false};
const Settings kGerman{2, true, L'.', L','};

TEST(NumericText, ValuesShowWithTheSettings) {
  struct Case {
    Settings settings;
    double value;
    const wchar_t* text;
  } cases[] = {
      {{}, 0.0, L"0.00"},
      {{}, 2.3, L"2.30"},  // not 2.29: the single-precision value's shortest form is cut
      {{}, 0.999, L"0.99"},
      {{}, -1234.5, L"-1,234.50"},
      {{0}, -123456, L"-123,456"},
      {kPlain, 1234567, L"1234567"},
      {kGerman, 1234.5, L"1.234,50"},
      {{2, true, L',', L','}, 1234.5, L"1234,50"},  // one character for both: no grouping
      {{}, std::nan(""), L"0.00"},
  };
  for (const Case& c : cases) {
    NumericText edit = Make(c.settings);
    edit.SetValue(c.value);
    EXPECT_EQ(std::wstring(c.text), edit.GetText()) << c.value;
    EXPECT_EQ(0, edit.GetSelStart());
    EXPECT_EQ("", tkw::CheckNumericText(edit)) << c.value;
  }
}

// Keys typed from a text and selection; '\x7f' stands for the Delete key.
TEST(NumericText, KeysEditTheNumber) {
  struct Case {
    Settings settings;
    const wchar_t* text;
    int selStart, selEnd;
    const wchar_t* keys;
    const wchar_t* expected;
    int caret;
  } cases[] = {
      // Digits in the integer part go in and regroup; the caret keeps to its digit.
      {{}, L"0.00", 0, 0, L"1", L"10.00", 1},
      {{}, L"10.00", 1, 1, L"234", L"12,340.00", 5},
      {{}, L"1,234.00", 1, 1, L"5", L"15,234.00", 3},  // steps over the separator
      {{}, L"-5.00", 0, 0, L"7", L"-5.00", 0},         // nothing in front of the sign
      // Digits in the decimals overwrite; at the end there is no room.
      {{}, L"1.25", 2, 2, L"9", L"1.95", 3},
      {{}, L"1.25", 4, 4, L"7", L"1.25", 4},
      // Backspace and Delete.
      {{}, L"1,234.00", 2, 2, L"\b", L"234.00", 0},  // separator and the digit before it
      {{}, L"1,234.00", 3, 3, L"\b", L"134.00", 1},
      {{}, L"1.25", 2, 2, L"\b", L"1.25", 2},  // no effect in the decimals
      {{}, L"-5.00", 1, 1, L"\b", L"5.00", 0},
      {{}, L"1,234.00", 1, 1, L"\x7f", L"134.00", 1},
      {{}, L"1.25", 2, 2, L"\x7f", L"1.50", 2},
      {{}, L"1.25", 1, 1, L"\x7f", L"1.50", 2},  // steps over the decimal point first
      {{}, L"1.25", 4, 4, L"\x7f", L"1.25", 4},
      // Signs and the decimal point.
      {{}, L"5.00", 1, 1, L"-", L"-5.00", 2},
      {{}, L"5.00", 1, 1, L"--", L"5.00", 1},
      {{}, L"5.00", 0, 0, L"+", L"5.00", 0},
      {{}, L"-5.00", 2, 2, L"+", L"5.00", 1},
      {{}, L"12,345.00", 2, 2, L".", L"12.00", 3},
      {{}, L"1.25", 3, 3, L".", L"1.25", 2},
      {kPlain, L"42", 1, 1, L".", L"4", 1},
      // Selections: a digit replaces them keeping the decimals; other keys reformat the value.
      {{}, L"1,234.56", 0, 8, L"7", L"7.00", 1},
      {{}, L"12.34", 1, 3, L"9", L"19.34", 2},
      {{}, L"12.34", 3, 5, L"9", L"12.90", 4},
      {{}, L"12.34", 0, 2, L"\b", L"0.34", 0},
      {{}, L"1,234.00", 1, 5, L"\x7f", L"1.00", 1},
      {{}, L"5.00", 0, 4, L"-", L"-0.00", 1},
      // Other characters are ignored, the grouping character included.
      {{}, L"5.00", 1, 1, L"a ,\t\r", L"5.00", 1},
      // Other separators.
      {kGerman, L"1.234,00", 1, 1, L"5", L"15.234,00", 3},
      {kGerman, L"1.234,00", 5, 5, L",", L"1.234,00", 6},
  };
  for (const Case& c : cases) {
    NumericText edit = Make(c.settings);
    edit.Load(c.text, c.selStart, c.selEnd);
    for (const wchar_t* k = c.keys; *k; ++k) {
      if (*k == L'\x7f')
        edit.Delete();
      else
        edit.Char(*k);
    }
    const std::string where = Show(c.text) + " with " + Show(c.keys);
    EXPECT_EQ(std::wstring(c.expected), edit.GetText()) << where;
    EXPECT_EQ(c.caret, edit.GetSelStart()) << where;
    EXPECT_EQ("", tkw::CheckNumericText(edit)) << where;
  }
}

TEST(NumericText, PasteTakesWhatFitsAsIfTyped) {
  NumericText edit;
  edit.Load(L"0.00", 0, 4);
  edit.Paste(L"1,234.5x6");
  EXPECT_EQ(L"1,234.56", edit.GetText());
  EXPECT_DOUBLE_EQ(1234.56, edit.GetValue());
}

TEST(NumericText, SeparatorsThatBelongToNumbersAreRefused) {
  NumericText edit;
  for (wchar_t bad : {L'5', L'-', L'+', L'\n'}) {
    EXPECT_FALSE(edit.SetComma(bad));
    EXPECT_FALSE(edit.SetDecimalPoint(bad));
  }
  EXPECT_EQ(L',', edit.GetFormat().comma);
  EXPECT_EQ(L'.', edit.GetFormat().decimalPoint);
}

TEST(NumericText, RandomEditingKeepsTheNumberWellFormed) {
  for (unsigned seed : {1u, 2026u}) {
    const tkw::NumericFuzzResult result = tkw::FuzzNumericText(seed, 20000);
    EXPECT_EQ("", result.failure) << "seed " << seed;
  }
}

}  // namespace

namespace {

TEST(NumericSeparators, LocaleTextsGiveEightBitSeparators) {
  struct Case {
    const wchar_t *decimal, *thousand;
    char point, comma;
  } cases[] = {
      {L".", L",", '.', ','},           {L",", L".", ',', '.'},
      {L",", L",", ',', ','},            // equal to the decimal point: the default stays
      {L".", L"\x00a0", '.', '\xa0'},    // Latin-1 no-break space
      {L",", L"\x202f", ',', ' '},       // narrow no-break space
      {L"\x066b", L"\x066c", '.', ' '},  // beyond 8 bits
      {L"", nullptr, '.', ','},         {L"5", L"-", '.', ','},
  };
  for (const Case& c : cases) {
    const tkw::NumericSeparators s = tkw::ChooseNumericSeparators(c.decimal, c.thousand);
    EXPECT_EQ(c.point, s.decimalPoint) << Show(c.decimal ? c.decimal : L"");
    EXPECT_EQ(c.comma, s.comma) << Show(c.thousand ? c.thousand : L"");
  }
  EXPECT_EQ(L'\x00a0', tkw::SeparatorChar('\xa0'));
}

}  // namespace
