// Placement of the script editor's assist list and parameter tip.
#include "script/logic/ScriptPopupPlacement.h"

#include <algorithm>

namespace tkw {

int ScriptTypedNameStart(const std::wstring& text, int caret) {
  int i = std::min(caret, static_cast<int>(text.size())) - 1;
  auto isNameChar = [](wchar_t ch) {
    return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9');
  };
  while (i >= 0 && isNameChar(text[i])) --i;
  return i >= 0 && text[i] == L'$' ? i : -1;
}

ScriptPoint PlaceScriptAssist(ScriptPoint caret, int prefixWidth, int lineHeight, int listWidth,
                              int listHeight, const ScriptRect& desktop) {
  ScriptPoint at;
  at.x = std::max(0, caret.x - std::max(0, prefixWidth));
  if (at.x + listWidth > desktop.right) at.x -= at.x + listWidth - desktop.right;
  at.y = caret.y + lineHeight;
  if (at.y + listHeight > desktop.bottom) at.y = caret.y - listHeight;
  return at;
}

ScriptPoint PlaceScriptTip(ScriptPoint caret, int tipWidth, int tipHeight,
                           const ScriptRect& desktop) {
  ScriptPoint at{caret.x + 5, caret.y + 15};
  bool moved = false;
  if (at.x + tipWidth > desktop.right) {
    at.x = caret.x - tipWidth - 55;
    at.y = caret.y + 15;
    moved = true;
  }
  if (at.y + tipHeight > desktop.bottom) {
    at.y = caret.y - tipHeight - 5;
    if (!moved) at.x = caret.x + 5;
  }
  return at;
}

}  // namespace tkw
