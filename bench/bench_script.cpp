// bench_script: the script editor's colouring. One keystroke in a long text colours only the
// changed line, so its cost must not grow with the text; FormatAll colours everything, so its
// cost grows in step with the text. Each is printed beside a baseline measured in the same run:
// a plain scan of the same characters, lower-cased into a copy and searched for "$qx". The whole
// keystroke in the editor window (tracking, colouring, pop-up decisions) is set beside the same
// keystroke in a plain rich edit holding the same text.
#include "BenchMeasure.h"
#include "script/ScriptEditCtrl.h"
#include "script/logic/ScriptCaretContext.h"
#include "script/logic/ScriptColouring.h"
#include "script/logic/ScriptFuzzer.h"
#include "script/logic/ScriptRecolour.h"
#include "script/logic/ScriptWordList.h"

#include <QXScriptManager.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

tkw::ScriptWordList Keywords() {
  tkw::ScriptWordList keywords;
  keywords.Set({L"$QXRand", L"$QXRandRange", L"$QXLen", L"$QXUpper", L"$QXDate", L"$QXConcat"});
  return keywords;
}

// Lines of about sixty characters with calls, quotes and plain words, as scripts are written.
std::wstring ScriptText(size_t length) {
  static const wchar_t* const kLines[] = {
      L"$qxrand(1) + $QXLen(\"customer name\") + 'plain text' + 42\r",
      L"$QXConcat($qxupper(\"abc\"), $QXDate(\"yyyy-mm-dd\"), \"tail\")\r",
      L"some literal words between the calls, no function on this line\r",
      L"$qxrandrange(10, 20) * $qxnosuch(3) - $QXRAND(7) / 2 + 1000\r"};
  std::wstring text;
  for (size_t i = 0; text.size() < length; ++i) text += kLines[i % 4];
  text.resize(length);
  return text;
}

size_t Baseline(const std::wstring& text, int start, int end) {
  std::wstring lower(text, start, end - start);
  for (wchar_t& ch : lower) ch = tkw::ScriptLower(ch);
  size_t count = 0;
  for (size_t p = lower.find(L"$qx"); p != std::wstring::npos; p = lower.find(L"$qx", p + 3))
    ++count;
  return count;
}

void PrintRow(const char* name, long long count, double ms, double baseMs) {
  std::printf("%-34s %8lld | %9.2f %11.0f | %9.2f | %7.2f\n", name, count, ms, ms * 1e6 / count,
              baseMs, ms / baseMs);
}

// Types `keys` characters in the middle of a text of `length` characters and colours after each
// the spans an EN_CHANGE colours; answers the time per key.
double Keystrokes(size_t length, int keys, const tkw::ScriptWordList& keywords, bool print) {
  std::wstring text = ScriptText(length);
  size_t sink = 0;
  double ms = 0, baseMs = 0;
  for (int i = 0; i < keys; ++i) {
    const int caret = static_cast<int>(length / 2) + i % 40;
    text.insert(text.begin() + caret, L'x');
    double start = bench::NowMs();
    for (const tkw::ScriptTextSpan& span : tkw::GetScriptRecolourSpans(
             text, tkw::kChangeReplace, caret, caret, caret + 1, caret + 1)) {
      const tkw::ScriptColouring colouring =
          tkw::ColourScriptRange(text, span.start, span.end, keywords);
      tkw::ScriptCaretState state;
      state.selStart = state.selEnd = caret + 1;
      sink += tkw::GetScriptCaretContext(text, colouring, state, keywords).showTip;
      sink += colouring.runs.size();
    }
    ms += bench::NowMs() - start;
    start = bench::NowMs();
    const tkw::ScriptTextSpan line = tkw::GetScriptLine(text, caret);
    sink += Baseline(text, line.start, line.end);
    baseMs += bench::NowMs() - start;
    text.erase(text.begin() + caret);
  }
  if (print) {
    char name[64];
    std::snprintf(name, sizeof name, "keystroke in %zu chars (per key)", length);
    PrintRow(name, keys, ms, baseMs);
  }
  if (sink == 0) std::printf("(unexpected results)\n");
  return ms / keys;
}

double FormatAll(size_t length, int passes, const tkw::ScriptWordList& keywords) {
  const std::wstring original = ScriptText(length);
  size_t sink = 0;
  double ms = 0, baseMs = 0;
  for (int i = 0; i < passes; ++i) {
    std::wstring text = original;
    double start = bench::NowMs();
    const tkw::ScriptColouring colouring =
        tkw::ColourScriptRange(text, 0, static_cast<int>(text.size()), keywords);
    tkw::ScriptCaretState state;
    state.selStart = state.selEnd = static_cast<int>(text.size());
    sink += tkw::GetScriptCaretContext(text, colouring, state, keywords).showList +
            colouring.runs.size();
    ms += bench::NowMs() - start;
    start = bench::NowMs();
    sink += Baseline(original, 0, static_cast<int>(original.size()));
    baseMs += bench::NowMs() - start;
  }
  char name[64];
  std::snprintf(name, sizeof name, "FormatAll %zu chars (per pass)", length);
  PrintRow(name, passes, ms, baseMs);
  if (sink == 0) std::printf("(unexpected results)\n");
  return ms / passes;
}

// Types `keys` characters one by one in the middle of a 10,000-character expression in a rich
// edit window; answers the time in milliseconds.
double WindowKeystrokes(CWnd& frame, bool script, int keys) {
  std::unique_ptr<CRichEditCtrl> edit(script ? new CScriptEditCtrl : new CRichEditCtrl);
  if (!edit->Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 700, 500), &frame, 100))
    return 0;
  edit->LimitText(0x7FFFFFFE);
  if (script) {
    CScriptEditCtrl* scriptEdit = static_cast<CScriptEditCtrl*>(edit.get());
    scriptEdit->Initialize();
    scriptEdit->SetKeyWords(TKWGetScriptManager()->GetKeyWords());
  }
  const std::wstring text = ScriptText(10000);
  edit->SetWindowText(text.c_str());
  edit->SetFocus();
  const double start = bench::NowMs();
  for (int i = 0; i < keys; ++i) {
    const long caret = 5000 + i % 40;
    edit->SetSel(caret, caret);
    edit->SendMessage(WM_CHAR, L"x+1 "[i % 4], 1);
  }
  const double ms = bench::NowMs() - start;
  edit->DestroyWindow();
  return ms;
}

void EditorWindows() {
  AfxInitRichEdit2();
  CWnd frame;
  if (!frame.CreateEx(0, AfxRegisterWndClass(0), L"bench_script", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      0, 0, 800, 600, NULL, NULL)) {
    std::printf("bench_script: cannot create the windows\n");
    return;
  }
  WindowKeystrokes(frame, true, 20);  // warm-up: libraries, fonts, the assist list's template
  WindowKeystrokes(frame, false, 20);
  const int keys = 400;
  const double base = WindowKeystrokes(frame, false, keys);
  const double ms = WindowKeystrokes(frame, true, keys);
  PrintRow("editor key in 10,000 chars vs rich edit", keys, ms, base);
  frame.DestroyWindow();
}

}  // namespace

int main() {
  CWinApp app(L"TKWBenchScript");
  AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_HIDE);
  std::printf(
      "TKWUICore script benchmark: colouring after a keystroke and FormatAll; the baseline is a\n"
      "lower-cased copy of the same characters searched for \"$qx\"; ns/op is the time per key or\n"
      "pass; ratio = colouring time / baseline time.\n");
  std::printf("\n%-34s %8s | %9s %11s | %9s | %7s\n", "operation", "count", "ms", "ns/op",
              "base ms", "ratio");
  std::printf("%s\n", std::string(90, '-').c_str());
  const tkw::ScriptWordList keywords = Keywords();
  Keystrokes(10000, 200, keywords, false);  // warm-up
  const double key10k = Keystrokes(10000, 20000, keywords, true);
  const double key100k = Keystrokes(100000, 20000, keywords, true);
  const double all10k = FormatAll(10000, 400, keywords);
  const double all100k = FormatAll(100000, 40, keywords);
  std::printf("\ngrowth from 10,000 to 100,000 characters (ten times the text):\n");
  std::printf("  keystroke %.2f (the changed line only: about 1)\n", key100k / key10k);
  std::printf("  FormatAll %.2f (every line: about 10)\n", all100k / all10k);
  std::printf("  keystroke / FormatAll at 10,000 characters: %.4f\n", key10k / all10k);
  std::printf("\nthe whole keystroke in the editor window, beside a plain rich edit:\n");
  EditorWindows();

  const double start = bench::NowMs();
  const tkw::ScriptFuzzResult fuzz = tkw::FuzzScriptLogic(20261206u, 200000);
  std::printf("\nfuzz: %lld steps, all checked, %.0f ms\n", fuzz.steps, bench::NowMs() - start);
  if (!fuzz.failure.empty()) {
    std::printf("fuzz FAILED: %s\n", fuzz.failure.c_str());
    return 1;
  }
  return 0;
}
