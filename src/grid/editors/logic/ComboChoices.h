// Choosing among the strings of a combo cell editor: prefix and exact search, type-ahead and
// auto-completion (window-free).
#pragma once

#include <afxcoll.h>

namespace tkw {
namespace combo {

// First index at or after max(nStart, 0) whose string starts with text, compared without
// regard to case; -1 when none or there are no choices.
int FindPrefix(const CStringArray* pItems, int nStart, const wchar_t* text);

// First index at or after max(nStart, 0) whose non-empty string equals text exactly
// (case-sensitive); -1 when none.
int FindExact(const CStringArray* pItems, int nStart, const wchar_t* text);

// Type-ahead: the first non-empty choice whose first character is ch (exact), searched from
// nCurSel (0 when negative) to the end and then from 0 up to nCurSel, so a current choice that
// already starts with ch is kept. -1 when none.
int TypeAhead(const CStringArray* pItems, int nCurSel, wchar_t ch);

// What auto-completion does with the typed text: nothing, or show a choice with the part
// beyond the typed text selected so that further typing overwrites it.
struct Completion {
  bool bComplete = false;
  CString strText;    // the whole choice
  int nSelStart = 0;  // end of the typed text
  int nSelEnd = 0;    // end of the choice
};

// The completion of typed: the first choice starting with it regardless of case, when that
// choice differs from typed (exactly). An empty text completes nothing.
Completion Complete(const CStringArray* pItems, const CString& typed);

}  // namespace combo
}  // namespace tkw
