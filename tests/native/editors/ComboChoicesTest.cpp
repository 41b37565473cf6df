// Combo cell editors without windows: finding choices, type-ahead, auto-completion and the
// drop-down geometry.
#include "grid/editors/logic/ComboChoices.h"
#include "grid/editors/logic/ComboLayout.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace tkw::combo;

namespace {

struct Choices {
  Choices(std::initializer_list<const wchar_t*> items) {
    for (const wchar_t* s : items) array.Add(s);
  }
  CStringArray array;
};

TEST(ComboChoices, FindPrefixAndExactFromAStart) {
  Choices c{L"Alpha", L"", L"beta", L"Alpine", L"alp"};
  struct Case {
    bool exact;
    int start;
    const wchar_t* text;
    int expected;
  } cases[] = {
      {false, -1, L"alp", 0},  {false, 1, L"ALP", 3},    {false, 4, L"alp", 4},
      {false, 0, L"", 0},      {false, 0, L"gamma", -1}, {false, 9, L"a", -1},
      {true, -1, L"alp", 4},   {true, 0, L"ALP", -1},    {true, 0, L"", -1},
      {true, 4, L"Alpha", -1}, {true, 0, L"beta", 2},
  };
  for (const Case& k : cases) {
    const int got =
        k.exact ? FindExact(&c.array, k.start, k.text) : FindPrefix(&c.array, k.start, k.text);
    EXPECT_EQ(k.expected, got) << (k.exact ? "exact" : "prefix") << " from " << k.start;
  }
  EXPECT_EQ(-1, FindPrefix(nullptr, 0, L"a")) << "no choices array";
  EXPECT_EQ(-1, FindExact(nullptr, 0, L"a"));
}

TEST(ComboChoices, TypeAheadSearchesFromTheCurrentChoiceAndWraps) {
  Choices c{L"Apple", L"", L"banana", L"Avocado", L"apricot"};
  struct Case {
    int cur;
    wchar_t ch;
    int expected;
  } cases[] = {
      {-1, L'A', 0}, {0, L'A', 0}, {3, L'A', 3},  {4, L'A', 0},  {4, L'a', 4},
      {0, L'a', 4},  {2, L'b', 2}, {0, L'B', -1}, {1, L'z', -1},
  };
  for (const Case& k : cases)
    EXPECT_EQ(k.expected, TypeAhead(&c.array, k.cur, k.ch))
        << "from " << k.cur << " key " << char(k.ch);
  EXPECT_EQ(-1, TypeAhead(nullptr, 0, L'a'));
}

TEST(ComboChoices, CompletionSelectsWhatWasNotTyped) {
  Choices c{L"Abcd", L"abx", L"Zeta"};
  struct Case {
    const wchar_t* typed;
    bool complete;
    const wchar_t* text;
    int selStart, selEnd;
  } cases[] = {
      {L"ab", true, L"Abcd", 2, 4},   {L"ABC", true, L"Abcd", 3, 4}, {L"Abcd", false, L"", 0, 0},
      {L"abcd", true, L"Abcd", 4, 4},  // same letters, other case: the choice's own spelling
      {L"q", false, L"", 0, 0},       {L"", false, L"", 0, 0},
  };
  for (const Case& k : cases) {
    const Completion got = Complete(&c.array, k.typed);
    EXPECT_EQ(k.complete, got.bComplete) << "typed " << k.typed;
    if (!k.complete) continue;
    EXPECT_STREQ(k.text, got.strText.GetString());
    EXPECT_EQ(k.selStart, got.nSelStart);
    EXPECT_EQ(k.selEnd, got.nSelEnd);
  }
}

TEST(ComboLayout, DropDownHeightIsBoundedAndNeverZero) {
  struct Case {
    int choices, row, expected;
  } cases[] = {{3, 16, 64},   {5, 16, 96}, {6, 16, 100}, {40, 16, 100},
               {-1, 16, 100}, {0, 0, 20},  {0, 16, 16}};
  for (const Case& k : cases)
    EXPECT_EQ(k.expected, WantedDropHeight(k.choices, k.row)) << k.choices << " choices";
  EXPECT_EQ(48, ListPartHeight(16, 3));
  EXPECT_EQ(100, ListPartHeight(16, 25));
  EXPECT_EQ(CRect(10, 40, 110, 104), DropRect(CRect(10, 20, 110, 40), 64));
}

TEST(ComboLayout, ButtonTakesTheRightEdgeAndThePartTheRest) {
  const CRect client(0, 0, 120, 18);
  EXPECT_EQ(CRect(0, 0, 103, 18), PartRect(client, 17));
  EXPECT_EQ(CRect(103, 0, 120, 18), ButtonRect(client, 17));
  EXPECT_EQ(CRect(0, 0, 0, 18), PartRect(CRect(0, 0, 10, 18), 17)) << "narrower than the button";
  EXPECT_EQ(CRect(0, 0, 10, 18), ButtonRect(CRect(0, 0, 10, 18), 17));
}

}  // namespace
