// The bubble window's text rules and size, without windows: lines, separators, icon lines.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace tkw {

// One line of bubble text.
struct BubbleLine {
  std::wstring text;             // what is drawn (markers removed)
  int image = -1;                // image list index shown before the text, or -1
  bool separatorBefore = false;  // a separator is drawn above this line
};

// Splits bubble text into lines. Lines are separated by line feeds; a line starting with a
// carriage return gets a separator above it; a line starting with the bell character (7) and
// two digits shows that image before the rest of the line.
std::vector<BubbleLine> SplitBubbleText(const std::wstring& text);

// Measures a text's width in pixels in the bubble's font.
using BubbleMeasure = std::function<int(const std::wstring& text)>;

// Fixed sizes the layout works with.
struct BubbleMetrics {
  int borderWidth = 1;  // the system border width
  int fontHeight = 13;  // height of a text line
  int imageWidth = 16;  // size of the images of icon lines (0 when there is no image list)
  int imageHeight = 16;
  bool shadow = false;  // a 5-pixel shadow band on the right and at the bottom
};

// Where one line goes in the window.
struct BubbleRow {
  int top = 0;          // row top; the text is centred vertically in the row
  int separatorY = -1;  // y of the separator's dark line, or -1
  int imageX = -1;      // left of the icon, or -1
  int textX = 0;        // left of the text
};

struct BubbleLayout {
  int width = 0;  // window size, shadow included
  int height = 0;
  int lineHeight = 0;  // the larger of the font height and the image height
  std::vector<BubbleRow> rows;
};

// Gap added above a line that has a separator.
constexpr int kBubbleSeparatorGap = 5;
// Extra size of the shadow band, each way.
constexpr int kBubbleShadow = 5;

// The window size and line positions. Width: 6 border widths + the widest line (its text, plus
// the image width on an icon line) + 10. Height: the lines times the line height, plus 5 per
// separator, plus 6 border widths for the frame. An empty line is measured as one blank.
BubbleLayout LayoutBubble(const std::vector<BubbleLine>& lines, const BubbleMeasure& measure,
                          const BubbleMetrics& metrics);

}  // namespace tkw
