// The script editor's colouring pass and its extra quoted-text and custom-key passes.
#include "script/logic/ScriptColouring.h"

#include <algorithm>

namespace tkw {

namespace {

bool IsAsciiAlnum(wchar_t ch) {
  return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9');
}

}  // namespace

ScriptColourSetting ScriptColourSettings::For(ScriptColour colour) const {
  switch (colour) {
    case ScriptColour::Keyword: return keyword;
    case ScriptColour::Constant: return constant;
    case ScriptColour::CustomKey: return customKey;
    case ScriptColour::QuotedText: return quotedText;
    case ScriptColour::Number: return number;
    default: return ScriptColourSetting();
  }
}

int ScriptRangeText::Find(wchar_t ch, int from) const {
  if (from < 0 || from >= m_size) return -1;
  const wchar_t* found = std::find(m_text + from, m_text + m_size, ch);
  return found == m_text + m_size ? -1 : static_cast<int>(found - m_text);
}

int ScriptRangeText::FindPrefix(int from) const {
  for (int p = Find(L'$', from); p >= 0; p = Find(L'$', p + 1))
    if (p + 2 < m_size && (*this)[p + 1] == L'q' && (*this)[p + 2] == L'x') return p;
  return -1;
}

int ScriptNameEnd(const ScriptRangeText& range, int p) {
  const int last = range.size() - 1;
  int i = p + 3;
  while (i < last && IsAsciiAlnum(range[i])) ++i;
  return i;
}

ScriptColouring ColourScriptRange(std::wstring& text, int start, int end,
                                  const ScriptWordList& keywords) {
  ScriptColouring result;
  const int length = static_cast<int>(text.size());
  start = std::max(0, std::min(start, length));
  end = std::max(0, std::min(end, length));
  result.start = start;
  result.end = std::max(start, end);
  if (start >= end) return result;

  const ScriptRangeText range(text, start, end);
  const int n = range.size();
  std::wstring name;
  for (int p = range.FindPrefix(0); p >= 0;) {
    if (p + 3 >= n) {
      result.tooCloseOccurrence = p;
      break;
    }
    const int stop = ScriptNameEnd(range, p);
    name.resize(stop - p);
    for (int i = p; i < stop; ++i) name[i - p] = range[i];
    std::wstring listed;
    if (range[stop] == L'(' && keywords.Find(name, &listed)) {
      ScriptColourRun run;
      run.start = start + p;
      run.end = start + stop;
      run.colour = ScriptColour::Keyword;
      run.corrected = text.compare(run.start, listed.size(), listed) != 0;
      if (run.corrected) text.replace(run.start, listed.size(), listed);
      result.runs.push_back(run);
    }
    result.lastOccurrence = p;
    result.lastName = name;
    p = range.FindPrefix(stop);
  }
  return result;
}

std::vector<ScriptColourRun> QuotedTextRuns(const std::wstring& text) {
  std::vector<ScriptColourRun> runs;
  const int n = static_cast<int>(text.size());
  auto isQuote = [](wchar_t ch) { return ch == L'"' || ch == L'\''; };
  for (int i = 0; i < n; ++i) {
    if (!isQuote(text[i])) continue;
    int j = i + 1;
    while (j < n && !isQuote(text[j])) ++j;
    ScriptColourRun run;
    run.start = i;
    run.end = std::min(j + 1, n);
    run.colour = ScriptColour::QuotedText;
    runs.push_back(run);
    i = j;
  }
  return runs;
}

std::vector<ScriptColourRun> CustomTextRuns(const std::wstring& text,
                                            const std::vector<std::wstring>& customKeys) {
  std::vector<ScriptColourRun> runs;
  const int n = static_cast<int>(text.size());
  auto isBreak = [](wchar_t ch) { return ch == L' ' || ch == L'\r' || ch == L'\n'; };
  for (int i = 0; i < n;) {
    if (isBreak(text[i])) {
      ++i;
      continue;
    }
    int j = i;
    while (j < n && !isBreak(text[j])) ++j;
    const std::wstring word = text.substr(i, j - i);
    ScriptColourRun run;
    run.start = i;
    run.end = j;
    if (std::all_of(word.begin(), word.end(), [](wchar_t ch) { return ch >= L'0' && ch <= L'9'; }))
      run.colour = ScriptColour::Number;
    else if (std::any_of(customKeys.begin(), customKeys.end(), [&](const std::wstring& key) {
               return ScriptLower(key) == ScriptLower(word);
             }))
      run.colour = ScriptColour::CustomKey;
    runs.push_back(run);
    i = j;
  }
  return runs;
}

}  // namespace tkw
