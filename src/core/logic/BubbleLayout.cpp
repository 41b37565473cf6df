// The bubble window's text rules and size, without windows.
#include "core/logic/BubbleLayout.h"

#include <algorithm>
#include <cwctype>

namespace tkw {

std::vector<BubbleLine> SplitBubbleText(const std::wstring& text) {
  std::vector<BubbleLine> lines;
  if (text.empty()) return lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(L'\n', start);
    std::wstring raw =
        text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
    BubbleLine line;
    if (!raw.empty() && raw[0] == L'\r') {
      line.separatorBefore = true;
      raw.erase(0, 1);
    }
    if (raw.size() >= 3 && raw[0] == L'\a' && std::iswdigit(raw[1]) && std::iswdigit(raw[2])) {
      line.image = (raw[1] - L'0') * 10 + (raw[2] - L'0');
      raw.erase(0, 3);
    }
    line.text = raw;
    lines.push_back(line);
    if (end == std::wstring::npos) break;
    start = end + 1;
  }
  return lines;
}

BubbleLayout LayoutBubble(const std::vector<BubbleLine>& lines, const BubbleMeasure& measure,
                          const BubbleMetrics& metrics) {
  BubbleLayout layout;
  const int margin = 3 * metrics.borderWidth;
  layout.lineHeight = std::max(metrics.fontHeight, metrics.imageHeight);
  int widest = 0;
  int y = margin;
  for (const BubbleLine& line : lines) {
    BubbleRow row;
    if (line.separatorBefore) {
      row.separatorY = y + kBubbleSeparatorGap / 2 - 1;
      y += kBubbleSeparatorGap;
    }
    row.top = y;
    int width = measure ? measure(line.text.empty() ? std::wstring(L" ") : line.text) : 0;
    row.textX = margin + 5;
    if (line.image >= 0 && metrics.imageWidth > 0) {
      row.imageX = row.textX;
      row.textX += metrics.imageWidth;
      width += metrics.imageWidth;
    }
    widest = std::max(widest, width);
    layout.rows.push_back(row);
    y += layout.lineHeight;
  }
  layout.width = 6 * metrics.borderWidth + widest + 10;
  layout.height = y + margin;
  if (metrics.shadow) {
    layout.width += kBubbleShadow;
    layout.height += kBubbleShadow;
  }
  return layout;
}

}  // namespace tkw
