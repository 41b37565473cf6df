// The wizard title panel's description layout.
#include "wizard/logic/TitleTextLayout.h"

namespace tkw {

std::vector<PlacedWord> LayoutTitleText(const CString& text, int width, int height,
                                        const std::function<SIZE(const CString&)>& measure) {
  const int left = 45;
  const int xLimit = width - 95;
  const int yLimit = height - 23;
  std::vector<PlacedWord> placed;
  int x = left;
  int y = 23;
  auto place = [&](const CString& word) {
    const SIZE size = measure(word);
    if (x + size.cx <= xLimit) {
      placed.push_back({word, x, y});
      x += size.cx;
    } else if (y <= yLimit) {
      // The last line may reach one line height past the limit.
      y += size.cy;
      placed.push_back({word, left, y});
      x = left + size.cx;
    }
  };
  CString word;
  for (int i = 0; i < text.GetLength(); ++i) {
    word += text[i];
    if (text[i] == L' ') {
      place(word);
      word.Empty();
    }
  }
  if (!word.IsEmpty()) place(word);
  return placed;
}

}  // namespace tkw
