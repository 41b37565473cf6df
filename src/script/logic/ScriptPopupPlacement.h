// Where the script editor shows its assist list and its parameter tip: under the caret, and
// moved so that they stay on the desktop (window-free; screen coordinates throughout).
#pragma once

#include <string>

namespace tkw {

struct ScriptPoint {
  int x = 0, y = 0;
  bool operator==(const ScriptPoint& o) const { return x == o.x && y == o.y; }
};

struct ScriptRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// Where the function name being typed before caret starts: the "$" before the letters and
// digits that end at the caret, or -1 when none stands there.
int ScriptTypedNameStart(const std::wstring& text, int caret);

// The assist list's top-left corner: the typed prefix (prefixWidth pixels wide) starts under the
// caret, one line (lineHeight) below it; above the caret when it would pass the bottom.
ScriptPoint PlaceScriptAssist(ScriptPoint caret, int prefixWidth, int lineHeight, int listWidth,
                              int listHeight, const ScriptRect& desktop);

// The parameter tip's top-left corner, from the tip's size: (5, 15) past the caret; left of the
// caret when it would pass the right edge, above it when it would pass the bottom.
ScriptPoint PlaceScriptTip(ScriptPoint caret, int tipWidth, int tipHeight,
                           const ScriptRect& desktop);

}  // namespace tkw
