// Sort keys: numeric and currency readings of cell texts, and the comparisons the grid sorts by.
#include "grid/logic/SortKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <string>
#include <vector>

using namespace tkw::sortkeys;

namespace {

TEST(SortKeys, NumericReadsTheLeadingIntegerLikeTheRuntime) {
  struct Case {
    const wchar_t* text;
    int expected;
  } cases[] = {
      {L"42", 42},
      {L"  \t17", 17},
      {L"-5", -5},
      {L"+8", 8},
      {L"12abc", 12},
      {L"abc", 0},
      {L"", 0},
      {L"3.7", 3},
      {L"1.200", 1},
      {L"- 5", 0},
      {L"--5", 0},
      {L"007", 7},
      {L"2147483647", INT_MAX},
      {L"99999999999999999999", INT_MAX},
      {L"-2147483648", INT_MIN},
      {L"-99999999999999999999", INT_MIN},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, ParseNumeric(c.text)) << testing::PrintToString(std::wstring(c.text));
  EXPECT_EQ(0, ParseNumeric(nullptr));
}

// Random texts read as the C library reads them (wcstol, clamped to int), and a currency text
// as the same text with its dots taken out.
TEST(SortKeys, RandomTextsReadAsTheRuntimeReadsThem) {
  const wchar_t alphabet[] = L" \t\n+-0123456789.,xE";
  const size_t letters = sizeof(alphabet) / sizeof(alphabet[0]) - 1;
  unsigned seed = 2024;
  for (int round = 0; round < 20000; ++round) {
    std::wstring text;
    seed = seed * 1103515245u + 12345u;
    const int length = (seed >> 16) % 24;
    for (int i = 0; i < length; ++i) {
      seed = seed * 1103515245u + 12345u;
      text += alphabet[(seed >> 16) % letters];
    }
    const long long wide = std::wcstoll(text.c_str(), nullptr, 10);
    const int expected =
        static_cast<int>(std::max<long long>(INT_MIN, std::min<long long>(INT_MAX, wide)));
    ASSERT_EQ(expected, ParseNumeric(text.c_str())) << testing::PrintToString(text);
    std::wstring undotted;
    for (wchar_t c : text)
      if (c != L'.') undotted += c;
    ASSERT_EQ(ParseNumeric(undotted.c_str()), ParseValute(text.c_str()))
        << testing::PrintToString(text);
  }
}

TEST(SortKeys, ValuteDropsEveryDotThenReadsTheInteger) {
  EXPECT_EQ(1200, ParseValute(L"1.200"));
  EXPECT_EQ(2000, ParseValute(L"2.000"));
  EXPECT_EQ(950, ParseValute(L"950"));
  EXPECT_EQ(1234567, ParseValute(L"1.234.567,89")) << "reading stops at the decimal comma";
  EXPECT_EQ(-1500, ParseValute(L" -1.500"));
  EXPECT_EQ(12, ParseValute(L"..1..2.."));
  EXPECT_EQ(0, ParseValute(L"...")) << "dots alone are no number";
  EXPECT_EQ(0, ParseValute(L"EUR 5"));
  EXPECT_EQ(INT_MAX, ParseValute(L"9.999.999.999.999"));
  EXPECT_EQ(0, ParseValute(nullptr));
}

TEST(SortKeys, ValuteOrderOfTheGridsExample) {
  std::vector<std::wstring> cells = {L"2.000", L"1.200", L"950"};
  std::stable_sort(cells.begin(), cells.end(), [](const std::wstring& a, const std::wstring& b) {
    return CompareInt(ParseValute(a.c_str()), ParseValute(b.c_str())) < 0;
  });
  EXPECT_EQ((std::vector<std::wstring>{L"950", L"1.200", L"2.000"}), cells);
}

TEST(SortKeys, TextComparisonIgnoresCase) {
  EXPECT_EQ(0, CompareNoCase(L"apple", L"Apple"));
  EXPECT_EQ(0, CompareNoCase(L"\x00C8RE", L"\x00E8re")) << "Latin-1 capitals fold too";
  EXPECT_EQ(-1, CompareNoCase(L"10", L"9")) << "text order puts 10 before 9";
  EXPECT_EQ(1, CompareNoCase(L"b", L"A"));
  EXPECT_EQ(-1, CompareNoCase(L"ab", L"abc")) << "a prefix comes first";
  EXPECT_EQ(1, CompareNoCase(L"abc", L"AB"));
  EXPECT_EQ(0, CompareNoCase(nullptr, L""));
  EXPECT_EQ(-1, CompareNoCase(nullptr, L"x"));
  EXPECT_EQ(0, CompareNoCase(L"\x00D7", L"\x00D7"));
  EXPECT_NE(0, CompareNoCase(L"\x00D7", L"\x00F7")) << "the multiplication sign is not a letter";
}

TEST(SortKeys, IntegerComparisonAndTheSummaryRow) {
  EXPECT_EQ(0, CompareInt(3, 3));
  EXPECT_EQ(1, CompareInt(10, 9));
  EXPECT_EQ(-1, CompareInt(INT_MIN, INT_MAX));

  const std::uintptr_t summary = 77;
  EXPECT_EQ(1, CompareSummary(summary, 5, summary)) << "the summary row goes after";
  EXPECT_EQ(-1, CompareSummary(5, summary, summary));
  EXPECT_EQ(0, CompareSummary(5, 6, summary));
  // Pointer-sized item data above 4 GiB must not be mistaken for a summary row of the same
  // low half.
  if (sizeof(std::uintptr_t) == 8) {
    const std::uintptr_t high = static_cast<std::uintptr_t>(1) << 33;
    EXPECT_EQ(0, CompareSummary(high | 77, 5, summary));
  }
}

// Any order of rows, sorted with the summary rule and a key comparison, ends with the summary
// row in both directions.
TEST(SortKeys, SummaryRowStaysLastInBothDirections) {
  struct Row {
    std::uintptr_t data;
    int key;
  };
  const std::uintptr_t summary = 1000;
  for (int desc = 0; desc < 2; ++desc) {
    std::vector<Row> rows = {{1, 5}, {summary, 0}, {2, 9}, {3, -4}, {4, 5}};
    std::stable_sort(rows.begin(), rows.end(), [&](const Row& a, const Row& b) {
      int r = CompareSummary(a.data, b.data, summary);
      if (!r) r = desc ? CompareInt(b.key, a.key) : CompareInt(a.key, b.key);
      return r < 0;
    });
    EXPECT_EQ(summary, rows.back().data) << (desc ? "descending" : "ascending");
    EXPECT_EQ(desc ? 9 : -4, rows.front().key);
  }
}

}  // namespace
