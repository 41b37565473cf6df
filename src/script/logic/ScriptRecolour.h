// Which part of the script editor's text is coloured again after a change: the kind of change is
// taken from the message about to make it, the lines from the selection after it.
#pragma once

#include <string>
#include <vector>

namespace tkw {

// The change kinds the editor records before a change.
enum ScriptChangeKind : int {
  kChangeNone = 0,
  kChangeKey = 1,        // a key other than Delete and Backspace, or another message
  kChangeReplace = 2,    // EM_REPLACESEL or a typed character
  kChangeDelete = 3,     // the Delete key
  kChangeBackspace = 4,  // the Backspace key
  kChangeCut = 5,
  kChangePaste = 6,
  kChangePasteAfterCut = 7,
};

// The message about to change the text, as the protected-change notification carries it.
struct ScriptChangeMessage {
  unsigned message = 0;
  unsigned long long wParam = 0;  // pointer-sized on every target
};

// The kind a change message records, given the kind recorded before it.
int GetScriptChangeKind(const ScriptChangeMessage& change, int previousKind);
// Whether the change's character range is recorded (not for format changes, nor a paste after
// a cut, which colours the cut's place as well).
bool RecordsScriptChangeRange(const ScriptChangeMessage& change, int kind);

// A span of character positions to colour, whole lines (from the first character of the first
// line to the end of the last, its line break excluded).
struct ScriptTextSpan {
  int start = 0, end = 0;
  bool operator==(const ScriptTextSpan& other) const {
    return start == other.start && end == other.end;
  }
};

// The start and end of the line holding position pos; a line ends at "\r" or "\n" (a "\r\n"
// pair is one break).
ScriptTextSpan GetScriptLine(const std::wstring& text, int pos);
// FormatTextLines: from the start of a's line to the end of b's line.
ScriptTextSpan GetScriptLines(const std::wstring& text, int a, int b);

// The spans to colour after a change of kind with the recorded range (cpMin, cpMax) and the
// selection (a, b) after it; a span covering the whole text stands for FormatAll.
std::vector<ScriptTextSpan> GetScriptRecolourSpans(const std::wstring& text, int kind, int cpMin,
                                                   int cpMax, int a, int b);

}  // namespace tkw
