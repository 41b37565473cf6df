// Shortening texts to a column width: unchanged when they fit, a prefix and "..." otherwise,
// and an answer that stays valid after the call whatever the text's length.
#include "grid/GfxListCtrl.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ShortString : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dc_.CreateCompatibleDC(nullptr));
    old_ = dc_.SelectObject(&list_.m_tools.fontNormal);
  }
  void TearDown() override { dc_.SelectObject(old_); }
  int Width(const std::wstring& text) {
    return dc_.GetTextExtent(text.c_str(), static_cast<int>(text.size())).cx;
  }

  CGfxListCtrl list_;  // no window needed
  CDC dc_;
  CFont* old_ = nullptr;
};

TEST_F(ShortString, ATextThatFitsComesBackAsItIs) {
  const wchar_t* text = L"Hello world";
  const int width = Width(text);
  EXPECT_EQ(text, list_.MakeShortString(&dc_, text, width, 0))
      << "the caller's own text, not a copy";
  EXPECT_EQ(text, list_.MakeShortString(&dc_, text, width + 10, 10))
      << "width plus offset just fits";
  const wchar_t* empty = L"";
  EXPECT_EQ(empty, list_.MakeShortString(&dc_, empty, 0, 50));
  EXPECT_EQ(nullptr, list_.MakeShortString(&dc_, nullptr, 10, 0));
}

TEST_F(ShortString, ATooWideTextBecomesTheLongestPrefixThatFitsWithDots) {
  const std::wstring text = L"Hello world";
  const int column = Width(L"Hello...") + 1;
  const std::wstring result = list_.MakeShortString(&dc_, text.c_str(), column, 0);
  EXPECT_EQ(L"Hello...", result);

  // The offset counts against the column as well.
  const std::wstring withOffset = list_.MakeShortString(&dc_, text.c_str(), Width(text), 1);
  ASSERT_GE(withOffset.size(), 4u);
  EXPECT_EQ(L"...", withOffset.substr(withOffset.size() - 3));
  EXPECT_EQ(text.substr(0, withOffset.size() - 3), withOffset.substr(0, withOffset.size() - 3));
  EXPECT_LE(Width(withOffset) + 1, Width(text));
  const std::wstring oneMore = text.substr(0, withOffset.size() - 2) + L"...";
  EXPECT_GT(Width(oneMore) + 1, Width(text)) << "one more character would not have fitted";
}

TEST_F(ShortString, ASingleCharacterOrNoRoomLeavesOneCharacterAndDots) {
  EXPECT_STREQ(L"W...", list_.MakeShortString(&dc_, L"W", 1, 0));
  EXPECT_STREQ(L"W...", list_.MakeShortString(&dc_, L"Wide text", 0, 0));
  EXPECT_STREQ(L"W...", list_.MakeShortString(&dc_, L"Wide text", 20, 500))
      << "the offset alone is wider";
}

TEST_F(ShortString, TheAnswerStaysValidAfterTheCallForLongTexts) {
  const wchar_t* answer = nullptr;
  {
    std::wstring text(100000, L'x');
    text[0] = L'A';
    answer = list_.MakeShortString(&dc_, text.c_str(), 200, 0);
    text.assign(100000, L'?');  // the caller's buffer changes and goes away
  }
  const std::wstring kept = answer;
  ASSERT_GE(kept.size(), 4u);
  EXPECT_EQ(L'A', kept[0]);
  EXPECT_EQ(L"...", kept.substr(kept.size() - 3));
  EXPECT_LE(Width(kept), 200);
  EXPECT_EQ(std::wstring::npos, kept.find(L'?'));

  // An answer shortened from an earlier answer is still right.
  const std::wstring again = list_.MakeShortString(&dc_, answer, 100, 0);
  EXPECT_EQ(L'A', again[0]);
  EXPECT_LE(Width(again), 100);
}

TEST_F(ShortString, TheStringFormReplacesTheCallersText) {
  CString text = L"Hello world";
  list_.MakeShortString(&dc_, text, Width(L"Hello...") + 1, 0);
  EXPECT_STREQ(L"Hello...", text);
  CString fits = L"Hi";
  list_.MakeShortString(&dc_, fits, 500, 0);
  EXPECT_STREQ(L"Hi", fits);
  CString huge(L'y', 100000);
  list_.MakeShortString(&dc_, huge, 300, 0);
  EXPECT_LE(Width(std::wstring(huge)), 300);
  EXPECT_EQ(L"...", std::wstring(huge).substr(huge.GetLength() - 3));
}

}  // namespace
