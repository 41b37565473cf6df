// The script editor's colouring pass and its extra quoted-text and custom-key passes.
#include "script/logic/ScriptColouring.h"

#include <algorithm>

namespace tkw {

namespace {

bool IsAsciiAlnum(wchar_t ch) {
  return (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9');
}

}  // namespace

int ScriptNameEnd(const std::wstring& rangeText, int p) {
  const int last = static_cast<int>(rangeText.size()) - 1;
  int i = p + 3;
  while (i < last && IsAsciiAlnum(rangeText[i])) ++i;
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

  result.rangeText.assign(text, start, end - start);
  for (wchar_t& ch : result.rangeText) ch = ScriptLower(ch);
  const std::wstring& range = result.rangeText;
  const int n = static_cast<int>(range.size());

  size_t found = range.find(L"$qx");
  while (found != std::wstring::npos) {
    const int p = static_cast<int>(found);
    if (p + 3 >= n) {
      result.tooCloseOccurrence = p;
      break;
    }
    const int stop = ScriptNameEnd(range, p);
    std::wstring name = range.substr(p, stop - p);
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
    result.lastName = std::move(name);
    found = range.find(L"$qx", stop);
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
