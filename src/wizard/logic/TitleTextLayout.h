// Where the wizard title panel draws the words of its description: left to right, wrapping
// whole words, and dropping what falls below the panel.
#pragma once
#include <afx.h>

#include <functional>
#include <vector>

namespace tkw {

struct PlacedWord {
  CString text;  // the word with its trailing blank, if it had one
  int x = 0;
  int y = 0;
};

// The description starts at (45, 23); a word that would pass width - 95 goes to the next line
// (down by its own height) while y has not passed height - 23, else it is dropped. A blank
// belongs to the word before it. measure gives a word's size in the drawing font.
std::vector<PlacedWord> LayoutTitleText(const CString& text, int width, int height,
                                        const std::function<SIZE(const CString&)>& measure);

}  // namespace tkw
