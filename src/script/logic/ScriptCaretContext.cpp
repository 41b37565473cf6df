// The script editor's pop-up decisions after a colouring pass.
#include "script/logic/ScriptCaretContext.h"

#include <algorithm>

namespace tkw {

namespace {

bool EndsWith(const std::wstring& text, const std::wstring& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The decision from the last occurrence the pass processed: its name followed by "(" with no
// ")" up to the range's end means an open call.
void DecideFromLastOccurrence(const ScriptRangeText& range, const ScriptColouring& colouring,
                              const ScriptCaretState& state, const ScriptWordList& keywords,
                              ScriptCaretContext& context) {
  if (colouring.lastOccurrence < 0) return;
  // An occurrence too close to the end stops the rescan on its own "$".
  const int stop = colouring.tooCloseOccurrence >= 0
                       ? colouring.tooCloseOccurrence
                       : ScriptNameEnd(range, colouring.lastOccurrence);
  if (range[stop] != L'(') {
    context.showTip = state.inserting;
    return;
  }
  const bool closed = range.Find(L')', stop) >= 0;
  if (!closed && state.selStart > 0 && state.selEnd > 0 && !keywords.GetText().empty()) {
    context.showTip = true;
  } else {
    context.showList = state.inserting;
    context.showTip = state.inserting;
  }
}

// Walks back from the caret to the "$" of the function whose name or argument list it is in.
void DecideFromCaret(const ScriptRangeText& range, const ScriptColouring& colouring,
                     const ScriptCaretState& state, const ScriptWordList& keywords,
                     ScriptCaretContext& context) {
  if (range.size() == 0 || state.selStart <= 0 || state.selEnd <= 0) return;
  std::wstring collected;  // reversed
  int commas = 0;
  for (int i = std::min(state.selEnd - colouring.start, range.size()) - 1; i >= 0; --i) {
    const wchar_t ch = range[i];
    if (ch == L')') {
      context.callOpen = false;
      break;
    }
    if (ch == L'(') {
      commas = static_cast<int>(std::count(collected.begin(), collected.end(), L','));
      collected.clear();
    }
    collected += ch;
    if (ch == L'$') break;
  }
  std::wstring typed(collected.rbegin(), collected.rend());
  if (!typed.empty() && typed.back() == L'(') {
    typed.pop_back();
    context.callOpen = true;
    context.argument = commas;
  }
  if (typed == L"$qx") {
    context.showList = true;
    context.showTip = false;
    return;
  }
  if (typed.find(L"$qx") == std::wstring::npos) {
    context.showList = context.showTip = false;
    context.function.clear();
    context.known = false;
    return;
  }
  std::wstring listed;
  context.known = keywords.Find(typed, &listed);
  context.function = context.known ? listed : typed;
  if (context.known && (state.inserting || context.callOpen)) {
    context.showTip = true;
    context.showList = false;
  } else if (context.known || typed.compare(0, 3, L"$qx") == 0) {
    context.showList = true;
    context.showTip = false;
  }
}

}  // namespace

bool PasswordWantsList(const std::wstring& realText) {
  const std::wstring lower = ScriptLower(realText);
  if (lower.empty() || EndsWith(lower, L"$q") || EndsWith(lower, L"$") || EndsWith(lower, L")"))
    return false;
  size_t prefixes = 0;
  for (size_t p = lower.find(L"$qx"); p != std::wstring::npos; p = lower.find(L"$qx", p + 3))
    ++prefixes;
  const size_t opened = static_cast<size_t>(std::count(lower.begin(), lower.end(), L'('));
  return prefixes > opened;
}

ScriptCaretContext GetScriptCaretContext(const std::wstring& text, const ScriptColouring& colouring,
                                         const ScriptCaretState& state,
                                         const ScriptWordList& keywords) {
  ScriptCaretContext context;
  context.function = colouring.lastName;
  context.known = keywords.Find(context.function);
  const int end = std::min(colouring.end, static_cast<int>(text.size()));
  const ScriptRangeText range(text, std::min(colouring.start, end), end);
  DecideFromLastOccurrence(range, colouring, state, keywords, context);
  DecideFromCaret(range, colouring, state, keywords, context);
  if (state.passwordMode) context.showList = PasswordWantsList(state.realText);
  return context;
}

ScriptPopupActions GetScriptPopupActions(const ScriptCaretContext& context, bool dialogExists,
                                         bool assistTyped, bool inserting) {
  ScriptPopupActions actions;
  if (dialogExists && !context.showTip && context.showList) {
    actions.openList = true;
    actions.hideTip = true;
    return actions;
  }
  actions.hideList = context.showTip || (!context.showList && !assistTyped) ||
                     (inserting && assistTyped && !context.showList);
  if (context.showList) {
    actions.hideTip = true;
  } else if (!context.showTip) {
    actions.hideTip = true;
    actions.hideList = true;
  } else {
    actions.createTip = true;
  }
  return actions;
}

ScriptInsertRange GetScriptInsertRange(const std::wstring& text, int selStart, int selEnd) {
  ScriptInsertRange range{selStart, selEnd};
  if (text.empty() || selStart != selEnd || selStart <= 0 ||
      selStart > static_cast<int>(text.size()))
    return range;
  const ScriptRangeText before(text, 0, selStart);
  int dollar = selStart - 1;
  while (dollar >= 0 && before[dollar] != L'$') --dollar;
  if (dollar >= 0 && before.FindPrefix(dollar) == dollar) range.start = dollar;
  return range;
}

bool IsScriptPrefixTyped(const std::wstring& text, int caret, wchar_t ch) {
  if ((ch != L'x' && ch != L'X') || caret < 2 || caret > static_cast<int>(text.size()))
    return false;
  return text[caret - 2] == L'$' && ScriptLower(text[caret - 1]) == L'q';
}

}  // namespace tkw
