// Prefix and exact search, type-ahead and auto-completion over a combo editor's choices.
#include "grid/editors/logic/ComboChoices.h"

namespace tkw {
namespace combo {

namespace {

int Count(const CStringArray* pItems) {
  return pItems ? int(pItems->GetSize()) : 0;
}

bool StartsWithNoCase(const CString& s, const wchar_t* prefix) {
  const CString p(prefix ? prefix : L"");
  return s.GetLength() >= p.GetLength() && s.Left(p.GetLength()).CompareNoCase(p) == 0;
}

}  // namespace

int FindPrefix(const CStringArray* pItems, int nStart, const wchar_t* text) {
  for (int i = nStart < 0 ? 0 : nStart; i < Count(pItems); ++i)
    if (StartsWithNoCase(pItems->GetAt(i), text)) return i;
  return -1;
}

int FindExact(const CStringArray* pItems, int nStart, const wchar_t* text) {
  for (int i = nStart < 0 ? 0 : nStart; i < Count(pItems); ++i) {
    const CString& s = pItems->GetAt(i);
    if (!s.IsEmpty() && s.Compare(text ? text : L"") == 0) return i;
  }
  return -1;
}

int TypeAhead(const CStringArray* pItems, int nCurSel, wchar_t ch) {
  const int n = Count(pItems);
  const int from = nCurSel < 0 ? 0 : nCurSel;
  // Once round, starting at the current choice.
  for (int k = 0; k < n; ++k) {
    const int i = (from + k) % n;
    const CString& s = pItems->GetAt(i);
    if (!s.IsEmpty() && s[0] == ch) return i;
  }
  return -1;
}

Completion Complete(const CStringArray* pItems, const CString& typed) {
  Completion c;
  if (typed.IsEmpty()) return c;
  const int i = FindPrefix(pItems, -1, typed);
  if (i < 0 || pItems->GetAt(i).Compare(typed) == 0) return c;
  c.bComplete = true;
  c.strText = pItems->GetAt(i);
  c.nSelStart = typed.GetLength();
  c.nSelEnd = c.strText.GetLength();
  return c;
}

}  // namespace combo
}  // namespace tkw
