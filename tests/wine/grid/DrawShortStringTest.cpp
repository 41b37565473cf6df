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

TEST_F(ShortString, ATooWideTextKeepsTheLongestPrefixThatFitsBesideTheDots) {
  for (const std::wstring text : {L"Hello world", L"W", L"Wide text"}) {
    for (int offset : {0, 1, 10, 500}) {
      for (int column = 0; column <= Width(text) + 12; column += 3) {
        SCOPED_TRACE(testing::Message() << "column " << column << " offset " << offset);
        const wchar_t* answer = list_.MakeShortString(&dc_, text.c_str(), column, offset);
        if (Width(text) + offset <= column) {
          EXPECT_EQ(text.c_str(), answer) << "a text that fits is the caller's own";
          continue;
        }
        const std::wstring result = answer;
        ASSERT_GE(result.size(), 4u);
        const std::wstring prefix = result.substr(0, result.size() - 3);
        EXPECT_EQ(L"...", result.substr(prefix.size()));
        EXPECT_EQ(text.substr(0, prefix.size()), prefix);
        const std::wstring oneMore = text.substr(0, prefix.size() + 1) + L"...";
        EXPECT_TRUE(prefix.size() == 1 || Width(result) + offset <= column) << "the answer fits";
        EXPECT_TRUE(prefix.size() == text.size() - 1 || Width(oneMore) + offset > column)
            << "one more character would have fitted";
      }
    }
  }
  EXPECT_STREQ(L"Hello...", list_.MakeShortString(&dc_, L"Hello world", Width(L"Hello...") + 1, 0));
  const wchar_t* empty = L"";
  EXPECT_EQ(empty, list_.MakeShortString(&dc_, empty, 0, 50));
  EXPECT_EQ(nullptr, list_.MakeShortString(&dc_, nullptr, 10, 0));
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
  CString text = L"Hello world", fits = L"Hi", huge(L'y', 100000);
  list_.MakeShortString(&dc_, text, Width(L"Hello...") + 1, 0);
  list_.MakeShortString(&dc_, fits, 500, 0);
  list_.MakeShortString(&dc_, huge, 300, 0);
  EXPECT_STREQ(L"Hello...", text);
  EXPECT_STREQ(L"Hi", fits);
  EXPECT_LE(Width(std::wstring(huge)), 300);
  EXPECT_EQ(L"...", std::wstring(huge).substr(huge.GetLength() - 3));
}

}  // namespace
