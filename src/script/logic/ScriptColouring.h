// The script editor's colouring pass over a range of its text: every known function name that is
// followed by "(" gets the keyword colour and the catalogue's letter case (window-free).
#pragma once

#include "script/logic/ScriptWordList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tkw {

// Colour settings a run can carry; the editor maps each to its COLORREF and bold flag.
enum class ScriptColour { Plain, Keyword, Constant, CustomKey, QuotedText, Number };

// A colour setting: colour in COLORREF order (0x00BBGGRR) and weight.
struct ScriptColourSetting {
  std::uint32_t colour = 0;
  bool bold = false;
};

// The editor's colour settings with their defaults; Plain is fixed black, not bold.
struct ScriptColourSettings {
  ScriptColourSetting keyword{0xFF0000, false};  // blue
  ScriptColourSetting constant{0x000000, true};
  ScriptColourSetting customKey{0x0000FF, false};  // red
  ScriptColourSetting quotedText{0x408000, false};
  ScriptColourSetting number{0xFF8000, false};

  ScriptColourSetting For(ScriptColour colour) const;
};

struct ScriptColourRun {
  int start = 0;  // positions in the whole text, end exclusive
  int end = 0;
  ScriptColour colour = ScriptColour::Plain;
  bool corrected = false;  // the name's letter case was changed to the listed form
};

// The range of a text read in lower case, in place: a long range is not copied, since a large
// copy costs more than the scan itself.
class ScriptRangeText {
 public:
  ScriptRangeText(const std::wstring& text, int start, int end)
      : m_text(text.data() + start), m_size(end > start ? end - start : 0) {}
  int size() const { return m_size; }
  wchar_t operator[](int i) const { return ScriptLower(m_text[i]); }
  // The next "$qx" (any case) at or after from, or -1.
  int FindPrefix(int from) const;
  // The next ch (not a letter) at or after from, or -1.
  int Find(wchar_t ch, int from) const;

 private:
  const wchar_t* m_text;
  int m_size;
};

struct ScriptColouring {
  int start = 0, end = 0;  // the range coloured (plain first, then the runs)
  std::vector<ScriptColourRun> runs;
  // The last "$qx" occurrence the scan processed (-1: none, relative to the range) and its
  // collected name in lower case; the occurrence that ended the scan when it stood too close
  // to the range's end (-1 when the scan ended for want of another occurrence).
  int lastOccurrence = -1;
  std::wstring lastName;
  int tooCloseOccurrence = -1;
};

// Colours [start, end) of text (clamped to it; nothing when start is not below end). Corrects
// the case of each coloured name in text itself; reads nothing outside the range, so the cost
// follows the range, not the text.
ScriptColouring ColourScriptRange(std::wstring& text, int start, int end,
                                  const ScriptWordList& keywords);

// Where the name scan of an occurrence at p (relative to the range) stops: letters and digits
// after "$qx" are taken, never the range's last character. p + 3 must lie inside the range.
int ScriptNameEnd(const ScriptRangeText& range, int p);

// The editor's extra passes, which its own colouring does not run: quoted text from one double
// quote (or "'") to the next, or to the end when the last has no partner.
std::vector<ScriptColourRun> QuotedTextRuns(const std::wstring& text);
// Words between blanks and line breaks: digits only give Number, a custom key (any case)
// CustomKey, anything else Plain.
std::vector<ScriptColourRun> CustomTextRuns(const std::wstring& text,
                                            const std::vector<std::wstring>& customKeys);

}  // namespace tkw
