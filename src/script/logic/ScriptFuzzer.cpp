// Random script texts through the editor's window-free logic, every rule checked.
#include "script/logic/ScriptFuzzer.h"

#include "script/logic/PasswordText.h"
#include "script/logic/ScriptCaretContext.h"
#include "script/logic/ScriptColouring.h"
#include "core/logic/PrintableText.h"
#include "script/logic/ScriptRecolour.h"

#include <cstdio>
#include <random>
#include <vector>

namespace tkw {

namespace {

const std::vector<std::wstring> kNames = {L"$QXRand", L"$QXRandRange", L"$QXLen", L"$QXDate",
                                          L"$QXNoSuch"};

class Fuzzer {
 public:
  explicit Fuzzer(unsigned seed) : m_random(seed) {
    m_keywords.Set(kNames, [](const std::wstring& name) { return name != L"$QXNoSuch"; });
  }

  ScriptFuzzResult Run(long long steps) {
    ScriptFuzzResult result;
    for (result.steps = 1; result.steps <= steps; ++result.steps) {
      std::string operation;
      const std::string failure = Step(operation);
      if (!failure.empty()) {
        char where[48];
        std::snprintf(where, sizeof where, "step %lld, ", result.steps);
        result.failure = where + operation + ": " + failure;
        return result;
      }
    }
    result.steps = steps;
    return result;
  }

 private:
  int Pick(int n) { return static_cast<int>(m_random() % static_cast<unsigned>(n)); }

  std::wstring RandomText() {
    static const wchar_t* const kTokens[] = {
        L"$qx",    L"$QX", L"$Qx",  L"rand", L"Rand",   L"RANGE",  L"len",   L"date",
        L"nosuch", L"(",   L")",    L",",    L" ",      L"'",      L"\"",    L"1",
        L"$",      L"q",   L"\r\n", L"\n",   L"\u00e9", L"\u0130", L"\u00df"};
    std::wstring text;
    for (int i = Pick(Pick(8) == 0 ? 200 : 24); i > 0; --i)
      text += kTokens[Pick(sizeof kTokens / sizeof kTokens[0])];
    return text;
  }

  std::string Step(std::string& operation) {
    const std::wstring input = RandomText();
    const int n = static_cast<int>(input.size());
    const int start = Pick(n + 3) - 1, end = Pick(3) ? n : Pick(n + 3) - 1;
    operation = "text " + PrintableText(input) + ", range " + std::to_string(start) + "-" +
                std::to_string(end);
    std::wstring text = input;
    const ScriptColouring colouring = ColourScriptRange(text, start, end, m_keywords);
    std::string failure = CheckColouring(input, text, colouring);
    if (failure.empty()) failure = CheckCaret(text, colouring);
    if (failure.empty()) failure = CheckSpans(text);
    if (failure.empty()) failure = CheckPassword(input);
    return failure;
  }

  std::string CheckColouring(const std::wstring& input, const std::wstring& text,
                             const ScriptColouring& colouring) {
    const int n = static_cast<int>(input.size());
    if (text.size() != input.size()) return "the corrected text changed length";
    if (colouring.start < 0 || colouring.start > colouring.end || colouring.end > n)
      return "range outside the text";
    int previousEnd = colouring.start;
    std::vector<bool> inRun(input.size(), false);
    for (const ScriptColourRun& run : colouring.runs) {
      if (run.start < previousEnd || run.end <= run.start || run.end > colouring.end)
        return "run out of order or outside the range";
      previousEnd = run.end;
      std::wstring listed;
      if (!m_keywords.Find(ScriptLower(text.substr(run.start, run.end - run.start)), &listed) ||
          listed != text.substr(run.start, run.end - run.start))
        return "a coloured name that is not in the listed form";
      if (run.end >= n || text[run.end] != L'(') return "a coloured name without \"(\"";
      for (int i = run.start; i < run.end; ++i) inRun[i] = true;
    }
    for (size_t i = 0; i < input.size(); ++i) {
      if (text[i] == input[i]) continue;
      if (!inRun[i] || ScriptLower(text[i]) != ScriptLower(input[i]))
        return "the text changed outside a known name's letter case";
    }
    // A second pass finds the same names and has nothing left to correct.
    std::wstring again = text;
    const ScriptColouring second =
        ColourScriptRange(again, colouring.start, colouring.end, m_keywords);
    if (again != text || second.runs.size() != colouring.runs.size())
      return "colouring the corrected text again changed it";
    return std::string();
  }

  std::string CheckCaret(const std::wstring& text, const ScriptColouring& colouring) {
    const int n = static_cast<int>(text.size());
    ScriptCaretState state;
    state.selStart = Pick(n + 3) - 1;
    state.selEnd = Pick(2) ? state.selStart : Pick(n + 3) - 1;
    state.inserting = Pick(4) == 0;
    state.passwordMode = Pick(4) == 0;
    state.realText = RandomText();
    const ScriptCaretContext context = GetScriptCaretContext(text, colouring, state, m_keywords);
    if (context.argument < 0) return "a negative argument number";
    if (context.known != m_keywords.Find(ScriptLower(context.function)))
      return "function " + PrintableText(context.function) + " known flag wrong";
    const ScriptPopupActions actions =
        GetScriptPopupActions(context, Pick(2) != 0, Pick(2) != 0, state.inserting);
    if (actions.openList && (actions.createTip || actions.hideList))
      return "the list both opened and hidden, or with a tip";
    const ScriptInsertRange insert = GetScriptInsertRange(text, state.selStart, state.selEnd);
    if (insert.start != state.selStart &&
        (insert.start < 0 || insert.start > insert.end || insert.end > n ||
         ScriptLower(text.substr(insert.start, 3)) != L"$qx"))
      return "an insertion that does not start at a typed prefix";
    return std::string();
  }

  std::string CheckSpans(const std::wstring& text) {
    const int n = static_cast<int>(text.size());
    const int a = Pick(n + 1), b = a + Pick(n - a + 1);
    const int cpMin = Pick(n + 1), cpMax = cpMin + Pick(n - cpMin + 1);
    for (const ScriptTextSpan& span : GetScriptRecolourSpans(text, Pick(9), cpMin, cpMax, a, b)) {
      if (span.start < 0 || span.start > span.end || span.end > n)
        return "recolour span outside the text";
      if (span.start > 0 && text[span.start - 1] != L'\r' && text[span.start - 1] != L'\n')
        return "recolour span starts inside a line";
    }
    return std::string();
  }

  std::string CheckPassword(const std::wstring& input) {
    PasswordText password;
    password.SetText(input);
    for (int i = Pick(12); i > 0; --i) {
      const int n = static_cast<int>(password.GetRealText().size());
      password.Select(Pick(n + 3) - 1, Pick(n + 3) - 1);
      switch (Pick(7)) {
        case 0: password.Backspace(); break;
        case 1: password.Delete(); break;
        case 2: password.Space(); break;
        case 3: password.Paste(RandomText().substr(0, 6)); break;
        case 4: password.Undo(); break;
        default: password.Char(static_cast<wchar_t>(Pick(2) ? L"$QXa("[Pick(5)] : Pick(0x80)));
      }
      const std::wstring& real = password.GetRealText();
      if (password.GetDisplay() != PasswordText::Mask(real))
        return "password display " + PrintableText(password.GetDisplay()) + " is not the mask of " +
               PrintableText(real);
      if (password.GetSelStart() < 0 || password.GetSelStart() > password.GetSelEnd() ||
          password.GetSelEnd() > static_cast<int>(real.size()))
        return "password selection outside the text";
    }
    return std::string();
  }

  std::mt19937 m_random;
  ScriptWordList m_keywords;
};

}  // namespace

ScriptFuzzResult FuzzScriptLogic(unsigned seed, long long steps) {
  return Fuzzer(seed).Run(steps);
}

}  // namespace tkw
