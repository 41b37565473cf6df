// Change kinds and the lines the script editor colours again after a change.
#include "script/logic/ScriptRecolour.h"

#include <algorithm>

namespace tkw {

namespace {

// The Windows message and key codes, so that this file needs no Windows header.
const unsigned kEmReplaceSel = 0x00C2, kWmKeyDown = 0x0100, kWmChar = 0x0102, kWmCut = 0x0300,
               kWmPaste = 0x0302, kEmSetCharFormat = 0x0444;
const unsigned long long kVkBack = 0x08, kVkDelete = 0x2E;

bool IsBreak(wchar_t ch) {
  return ch == L'\r' || ch == L'\n';
}

int Clamp(const std::wstring& text, int pos) {
  return std::max(0, std::min(pos, static_cast<int>(text.size())));
}

}  // namespace

int GetScriptChangeKind(const ScriptChangeMessage& change, int previousKind) {
  switch (change.message) {
    case kEmReplaceSel: return kChangeReplace;
    case kWmKeyDown:
      if (change.wParam == kVkDelete) return kChangeDelete;
      if (change.wParam == kVkBack) return kChangeBackspace;
      return kChangeKey;
    case kWmChar: return kChangeReplace;
    case kWmCut: return kChangeCut;
    case kWmPaste: return previousKind == kChangeCut ? kChangePasteAfterCut : kChangePaste;
    default: return kChangeKey;
  }
}

bool RecordsScriptChangeRange(const ScriptChangeMessage& change, int kind) {
  return change.message != kEmSetCharFormat && kind != kChangePasteAfterCut;
}

ScriptTextSpan GetScriptLine(const std::wstring& text, int pos) {
  pos = Clamp(text, pos);
  ScriptTextSpan line{pos, pos};
  while (line.start > 0 && !IsBreak(text[line.start - 1])) --line.start;
  const int n = static_cast<int>(text.size());
  while (line.end < n && !IsBreak(text[line.end])) ++line.end;
  return line;
}

ScriptTextSpan GetScriptLines(const std::wstring& text, int a, int b) {
  if (a > b) std::swap(a, b);
  return ScriptTextSpan{GetScriptLine(text, a).start, GetScriptLine(text, b).end};
}

std::vector<ScriptTextSpan> GetScriptRecolourSpans(const std::wstring& text, int kind, int cpMin,
                                                   int cpMax, int a, int b) {
  if (kind == kChangePasteAfterCut && a == b) kind = kChangePaste;
  switch (kind) {
    case kChangeReplace:
    case kChangePaste: return {GetScriptLines(text, cpMin, b)};
    case kChangeDelete:
    case kChangeBackspace:
    case kChangeCut: return {GetScriptLines(text, a, b)};
    case kChangePasteAfterCut:
      return {GetScriptLines(text, a, b), GetScriptLine(text, a > cpMin ? cpMin : cpMax)};
    default: return {ScriptTextSpan{0, static_cast<int>(text.size())}};
  }
}

}  // namespace tkw
