// bench_editing: the numeric editor's text operations, each beside a baseline measured in the
// same run (the same keys put into a plain string at the caret, with no number rules), and the
// long fuzz pass over random editing that checks every step.
#include "grid/editors/logic/NumericText.h"
#include "grid/editors/logic/NumericTextFuzzer.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

double NowMs() {
  using Clock = std::chrono::steady_clock;
  return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

// The keys of one cell's editing: mostly digits, now and then a decimal point, a sign or a
// backspace, as a user fixes a number.
std::wstring TypingKeys(int count) {
  std::wstring keys;
  unsigned seed = 7;
  for (int i = 0; i < count; ++i) {
    seed = seed * 1103515245u + 12345u;
    const unsigned r = (seed >> 16) % 20;
    keys += r < 15 ? static_cast<wchar_t>(L'0' + r % 10) : r < 17 ? L'\b' : r < 19 ? L'.' : L'-';
  }
  return keys;
}

void PrintRow(const char* name, long long count, double ms, double baseMs) {
  char base[32] = "-", ratio[32] = "-";
  if (baseMs > 0) {
    std::snprintf(base, sizeof base, "%.1f", baseMs);
    std::snprintf(ratio, sizeof ratio, "%.2f", ms / baseMs);
  }
  std::printf("%-30s %10lld | %10.1f %9.3f | %10s | %7s\n", name, count, ms, ms * 1e6 / count, base,
              ratio);
}

// 1,000 cells of 1,000 keys each, every cell starting from 0.00.
void TypingLogic() {
  const std::wstring keys = TypingKeys(1000);
  const int cells = 1000;
  double sink = 0;
  double start = NowMs();
  for (int cell = 0; cell < cells; ++cell) {
    tkw::NumericText edit;
    // Long runs of digits would grow the number without end; each cell keeps to a real width.
    for (size_t i = 0; i < keys.size(); ++i) {
      if (i % 12 == 0) edit.SetValue(0.0);
      edit.Char(keys[i]);
    }
    sink += edit.GetValue();
  }
  const double ms = NowMs() - start;
  size_t baseSink = 0;
  start = NowMs();
  for (int cell = 0; cell < cells; ++cell) {
    std::wstring text = L"0.00";
    size_t caret = 0;
    for (size_t i = 0; i < keys.size(); ++i) {
      if (i % 12 == 0) text = L"0.00", caret = 0;
      if (keys[i] == L'\b') {
        if (caret > 0) text.erase(--caret, 1);
      } else {
        text.insert(caret++, 1, keys[i]);
      }
    }
    baseSink += text.size();
  }
  const double baseMs = NowMs() - start;
  PrintRow("typing (logic, per key)", 1000LL * cells, ms, baseMs);
  if (sink != sink || baseSink == 0) std::printf("(unexpected results)\n");
}

bool Fuzz() {
  const long long steps = 1000000;
  const double start = NowMs();
  const tkw::NumericFuzzResult result = tkw::FuzzNumericText(20261206u, steps);
  PrintRow("fuzz steps, all checked", result.steps, NowMs() - start, 0);
  if (!result.failure.empty()) {
    std::printf("fuzz FAILED: %s\n", result.failure.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main() {
  std::printf(
      "TKWUICore editing benchmark: the numeric editor's key handling beside a plain string\n"
      "taking the same keys at the caret; ns/op is the time per key or step; ratio = editor\n"
      "time / baseline time.\n");
  std::printf("\n%-30s %10s | %10s %9s | %10s | %7s\n", "operation", "count", "ms", "ns/op",
              "base ms", "ratio");
  std::printf("%s\n", std::string(88, '-').c_str());
  TypingLogic();
  return Fuzz() ? 0 : 1;
}
