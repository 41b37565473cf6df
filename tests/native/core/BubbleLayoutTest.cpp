// The bubble's text rules and size, with a fixed-width measure in place of a font.
#include <gtest/gtest.h>

#include <iterator>

#include "core/logic/BubbleLayout.h"

namespace {

// Every character 7 pixels wide.
int Measure(const std::wstring& s) {
  return static_cast<int>(s.size()) * 7;
}

TEST(BubbleText, LinesSeparatorsAndIconMarkersAreRecognisedAndIncompleteMarkersStayText) {
  const struct {
    std::wstring text;
    bool separator;
    int image;
  } expected[] = {{L"Start", false, -1}, {L"End", true, -1}, {L"Marker 3", false, 3},
                  {L"", false, -1},      {L"x", true, 12},   {L"\a1", false, -1},
                  {L"\aab", false, -1},  {L"\a", false, -1}, {L"", false, -1}};
  const auto lines =
      tkw::SplitBubbleText(L"Start\n\rEnd\n\a03Marker 3\n\n\r\a12x\n\a1\n\aab\n\a\n");
  ASSERT_EQ(std::size(expected), lines.size()) << "a trailing line feed ends with an empty line";
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(expected[i].text, lines[i].text) << "line " << i;
    EXPECT_EQ(expected[i].separator, lines[i].separatorBefore) << "line " << i;
    EXPECT_EQ(expected[i].image, lines[i].image) << "line " << i;
  }
  EXPECT_TRUE(tkw::SplitBubbleText(L"").empty());
}

TEST(BubbleLayout, SizeFollowsWidestLineLinesSeparatorsIconsAndShadow) {
  tkw::BubbleMetrics m;
  m.fontHeight = 13;
  m.imageWidth = m.imageHeight = 16;
  const auto lines = tkw::SplitBubbleText(L"abc\n\rabcdef\n\a01ab");
  const tkw::BubbleLayout layout = tkw::LayoutBubble(lines, Measure, m);
  EXPECT_EQ(16, layout.lineHeight) << "the image is taller than the font";
  EXPECT_EQ(6 + 42 + 10, layout.width) << "\"abcdef\" is wider than 16 + \"ab\"";
  EXPECT_EQ(3 * 16 + 5 + 6, layout.height);
  ASSERT_EQ(3u, layout.rows.size());
  EXPECT_EQ(3, layout.rows[0].top);
  EXPECT_EQ(-1, layout.rows[0].separatorY);
  EXPECT_GT(layout.rows[1].separatorY, layout.rows[0].top + 15);
  EXPECT_LT(layout.rows[1].separatorY, layout.rows[1].top);
  EXPECT_EQ(3 + 16 + 5, layout.rows[1].top);
  EXPECT_EQ(layout.rows[0].textX, layout.rows[2].imageX) << "icons start where text would";
  EXPECT_EQ(layout.rows[2].imageX + 16, layout.rows[2].textX);

  m.fontHeight = 20;
  const auto icon = tkw::SplitBubbleText(L"\a00abcdef");
  const tkw::BubbleLayout plain = tkw::LayoutBubble(icon, Measure, m);
  EXPECT_EQ(6 + 16 + 42 + 10, plain.width) << "the icon's width counts";
  EXPECT_EQ(20, plain.lineHeight);
  m.shadow = true;
  const tkw::BubbleLayout shadowed = tkw::LayoutBubble(icon, Measure, m);
  EXPECT_EQ(plain.width + 5, shadowed.width);
  EXPECT_EQ(plain.height + 5, shadowed.height);
}

TEST(BubbleLayout, EmptyLinesAreMeasuredAsABlankAndNoImageListMeansNoIcon) {
  tkw::BubbleMetrics m;
  m.imageWidth = m.imageHeight = 0;
  std::wstring measured;
  const tkw::BubbleLayout layout = tkw::LayoutBubble(
      tkw::SplitBubbleText(L"\n\a05"),
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
