// What the script editor pops up after a colouring pass: the assist list while a function prefix
// is being typed, or the parameter tip while the caret is inside an unclosed argument list.
#pragma once

#include "script/logic/ScriptColouring.h"
#include "script/logic/ScriptWordList.h"

#include <string>

namespace tkw {

// The editor's state the decision reads besides the coloured range.
struct ScriptCaretState {
  int selStart = 0, selEnd = 0;  // the selection saved before the pass
  bool inserting = false;        // a function chosen in the assist list is being inserted
  bool passwordMode = false;
  std::wstring realText;  // password mode: the text behind the mask
};

struct ScriptCaretContext {
  bool showList = false;  // open the assist list
  bool showTip = false;   // show the parameter tip of function
  bool callOpen = false;  // the caret is inside an unclosed argument list
  // The function the caret is at: the listed form when known, else what was typed (lower case).
  std::wstring function;
  bool known = false;  // function is in the keyword list
  int argument = 0;    // inside an open call: the argument the caret is in, from 0
};

// Decides from the pass over the range of text (the text before the caret must lie in it).
ScriptCaretContext GetScriptCaretContext(const std::wstring& text, const ScriptColouring& colouring,
                                         const ScriptCaretState& state,
                                         const ScriptWordList& keywords);

// What the editor does with the decision.
struct ScriptPopupActions {
  bool openList = false;   // place and show the assist list, select function in it
  bool hideList = false;   // hide the assist list and its description tip
  bool hideTip = false;    // hide the parameter tip
  bool createTip = false;  // show the parameter tip of function (when it has a template)
};

// dialogExists: the assist list window was created; assistTyped: the user typed the prefix.
ScriptPopupActions GetScriptPopupActions(const ScriptCaretContext& context, bool dialogExists,
                                         bool assistTyped, bool inserting);

// True when typing ch with an empty selection at caret completes the function prefix ("$q"
// before the caret and x typed, any case): the assist list opens at once.
bool IsScriptPrefixTyped(const std::wstring& text, int caret, wchar_t ch);

// What a function chosen in the assist list replaces: from the "$" of the "$qx" prefix typed
// before an empty caret up to the caret; otherwise the selection itself.
struct ScriptInsertRange {
  int start = 0, end = 0;
};
ScriptInsertRange GetScriptInsertRange(const std::wstring& text, int selStart, int selEnd);

// Password mode: whether the real text has a function prefix without its "(" yet.
bool PasswordWantsList(const std::wstring& realText);

}  // namespace tkw
