// The bubble's text rules and size, with a fixed-width measure in place of a font.
#include <gtest/gtest.h>

#include "core/logic/BubbleLayout.h"

namespace {

// Every character 7 pixels wide.
int Measure(const std::wstring& s) {
  return static_cast<int>(s.size()) * 7;
}

TEST(BubbleText, LinesSeparatorsAndIconMarkersAreRecognised) {
  const auto lines = tkw::SplitBubbleText(L"Start\n\rEnd\n\a03Marker 3\n\n\r\a12x");
  ASSERT_EQ(5u, lines.size());
  EXPECT_EQ(L"Start", lines[0].text);
  EXPECT_FALSE(lines[0].separatorBefore);
  EXPECT_EQ(-1, lines[0].image);
  EXPECT_EQ(L"End", lines[1].text);
  EXPECT_TRUE(lines[1].separatorBefore);
  EXPECT_EQ(3, lines[2].image);
  EXPECT_EQ(L"Marker 3", lines[2].text);
  EXPECT_EQ(L"", lines[3].text);
  EXPECT_TRUE(lines[4].separatorBefore);
  EXPECT_EQ(12, lines[4].image);
  EXPECT_EQ(L"x", lines[4].text);
}

TEST(BubbleText, IncompleteMarkersStayText) {
  const auto lines = tkw::SplitBubbleText(L"\a1\n\aab\n\a");
  ASSERT_EQ(3u, lines.size());
  for (const auto& line : lines) EXPECT_EQ(-1, line.image);
  EXPECT_EQ(L"\a1", lines[0].text);
  EXPECT_TRUE(tkw::SplitBubbleText(L"").empty());
  EXPECT_EQ(2u, tkw::SplitBubbleText(L"a\n").size())
      << "a trailing line feed ends with an empty line";
}

TEST(BubbleLayout, SizeFollowsWidestLineLinesAndSeparators) {
  tkw::BubbleMetrics m;
  m.borderWidth = 1;
  m.fontHeight = 13;
  m.imageWidth = 16;
  m.imageHeight = 16;
  const auto lines = tkw::SplitBubbleText(L"abc\n\rabcdef\n\a01ab");
  const tkw::BubbleLayout layout = tkw::LayoutBubble(lines, Measure, m);
  EXPECT_EQ(16, layout.lineHeight) << "the image is taller than the font";
  EXPECT_EQ(6 + 42 + 10, layout.width);  // "abcdef" is wider than 16 + "ab"
  EXPECT_EQ(3 * 16 + 5 + 6, layout.height);
  ASSERT_EQ(3u, layout.rows.size());
  EXPECT_EQ(3, layout.rows[0].top);
  EXPECT_EQ(-1, layout.rows[0].separatorY);
  EXPECT_GT(layout.rows[1].separatorY, layout.rows[0].top + 15);
  EXPECT_LT(layout.rows[1].separatorY, layout.rows[1].top);
  EXPECT_EQ(3 + 16 + 5, layout.rows[1].top);
  EXPECT_EQ(layout.rows[2].imageX + 16, layout.rows[2].textX);
  EXPECT_EQ(layout.rows[0].textX, layout.rows[2].imageX) << "icons start where text would";
}

TEST(BubbleLayout, IconWidthCountsAndShadowAddsFiveEachWay) {
  tkw::BubbleMetrics m;
  m.fontHeight = 20;
  m.imageWidth = 16;
  m.imageHeight = 16;
  const auto lines = tkw::SplitBubbleText(L"\a00abcdef");
  const tkw::BubbleLayout plain = tkw::LayoutBubble(lines, Measure, m);
  EXPECT_EQ(6 + 16 + 42 + 10, plain.width);
  EXPECT_EQ(20, plain.lineHeight);
  m.shadow = true;
  const tkw::BubbleLayout shadowed = tkw::LayoutBubble(lines, Measure, m);
  EXPECT_EQ(plain.width + 5, shadowed.width);
  EXPECT_EQ(plain.height + 5, shadowed.height);
}

TEST(BubbleLayout, EmptyLinesAreMeasuredAsABlankAndNoImageListMeansNoIcon) {
  tkw::BubbleMetrics m;
  m.imageWidth = 0;
  m.imageHeight = 0;
  std::wstring measured;
  const auto lines = tkw::SplitBubbleText(L"\n\a05");
  const tkw::BubbleLayout layout = tkw::LayoutBubble(
      lines,
      [&](const std::wstring& s) {
        measured += s + L"|";
        return Measure(s);
      },
      m);
  EXPECT_EQ(L" | |", measured);
  EXPECT_EQ(-1, layout.rows[1].imageX);
  EXPECT_EQ(6 + 7 + 10, layout.width);
  EXPECT_EQ(2 * 13 + 6, layout.height);
}

}  // namespace
