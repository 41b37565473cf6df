// The wizard title panel's description layout with a fixed-pitch measure: wrapping whole
// words, a word without blanks, and text below the panel dropped.
#include <gtest/gtest.h>

#include "wizard/logic/TitleTextLayout.h"

namespace {

using namespace tkw;

// Ten pixels a character, lines 12 high.
SIZE Measure(const CString& word) {
  return SIZE{10 * word.GetLength(), 12};
}

CString Placed(const std::vector<PlacedWord>& words) {
  CString s;
  for (const PlacedWord& w : words) {
    CString one;
    one.Format(L"[%s@%d,%d]", static_cast<LPCTSTR>(w.text), w.x, w.y);
    s += one;
  }
  return s;
}

TEST(TitleTextLayout, WrapsWholeWordsAndDropsWhatFallsBelowThePanel) {
  struct Case {
    const wchar_t* text;
    int width, height;
    const wchar_t* placed;
  };
  // Width 235: words may reach x 140 (three 3-letter words with blanks fit on a line).
  const Case cases[] = {
      {L"ab cd", 235, 100, L"[ab @45,23][cd@75,23]"},
      {L"abc abc abc abc", 235, 100, L"[abc @45,23][abc @85,23][abc @45,35][abc@85,35]"},
      {L"abcdefghijkl", 235, 100, L"[abcdefghijkl@45,35]"},  // one word, wrapped
      // Height 58: the limit is y 35; the line at 35 still wraps once more, to 47.
      {L"abcdefg abcdefg abcdefg abcdefg", 235, 58,
       L"[abcdefg @45,23][abcdefg @45,35][abcdefg @45,47]"},
  };
  for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(CString(c.placed), Placed(LayoutTitleText(c.text, c.width, c.height, Measure)))
        << "case " << i;
  }
}

}  // namespace
