// bench_editing: the numeric editor's text operations, each beside a baseline measured in the
// same run (the same keys put into a plain string at the caret, with no number rules), the
// long fuzz pass over random editing that checks every step, and the grid's cell editors as
// windows beside a plain EDIT control at the same place, with the GDI and USER object counts
// before and after the cycles.
#include "BenchMeasure.h"
#include "grid/GfxListCtrl.h"
#include "grid/editors/logic/NumericText.h"
#include "grid/editors/logic/NumericTextFuzzer.h"

#include <afxwin.h>

#include "Leaks.h"

#include <cstdio>
#include <string>

namespace {

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
  double start = bench::NowMs();
  for (int cell = 0; cell < cells; ++cell) {
    tkw::NumericText edit;
    // Long runs of digits would grow the number without end; each cell keeps to a real width.
    for (size_t i = 0; i < keys.size(); ++i) {
      if (i % 12 == 0) edit.SetValue(0.0);
      edit.Char(keys[i]);
    }
    sink += edit.GetValue();
  }
  const double ms = bench::NowMs() - start;
  size_t baseSink = 0;
  start = bench::NowMs();
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
  const double baseMs = bench::NowMs() - start;
  PrintRow("typing (logic, per key)", 1000LL * cells, ms, baseMs);
  if (sink != sink || baseSink == 0) std::printf("(unexpected results)\n");
}

// ---- the editors as windows

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

class Owner : public CWnd {
 public:
  void GetText(int /*nItem*/, int nColumn, DWORD_PTR dwData, CString& strText) {
    strText.Format(L"%d", static_cast<int>(dwData) * 10 + nColumn);
  }
};

// A window row: time, GDI and USER counts before and after, and the baseline's time.
void PrintWindowRow(const char* name, long long count, double ms, const tks::GuiCounts& before,
                    const tks::GuiCounts& after, double baseMs) {
  std::printf("%-30s %10lld | %10.1f %9.0f | %10.1f | %7.2f | GDI %ld->%ld USER %ld->%ld\n", name,
              count, ms, ms * 1e6 / count, baseMs, ms / baseMs, before.gdi, after.gdi, before.user,
              after.user);
}

// Opens the text editor over a cell, changes its text and commits by moving the focus back to
// the list, against a plain EDIT control created over the same cell and destroyed.
void OpenAndCommit(CGfxListCtrl& grid, int cycles, bool report = true) {
  const tks::GuiCounts before = tks::CountGuiObjects();
  double start = bench::NowMs();
  for (int i = 0; i < cycles; ++i) {
    CRichEditCtrl* editor = grid.EditSubLabel(i % 10, 0, false);
    if (!editor) {
      std::printf("(the editor did not open)\n");
      return;
    }
    editor->SetWindowText(i % 2 ? L"odd" : L"even");
    grid.SetFocus();
    Pump();
  }
  const double ms = bench::NowMs() - start;
  const tks::GuiCounts after = tks::CountGuiObjects();
  CRect cell;
  grid.GetSubItemRect(0, 0, cell);
  start = bench::NowMs();
  for (int i = 0; i < cycles; ++i) {
    HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, cell.left, cell.top,
                                  cell.Width(), cell.Height(), grid.m_hWnd, NULL, NULL, NULL);
    ::SetWindowTextW(edit, i % 2 ? L"odd" : L"even");
    ::DestroyWindow(edit);
    Pump();
  }
  if (report)
    PrintWindowRow("open + commit vs EDIT", cycles, ms, before, after, bench::NowMs() - start);
}

// Sends the keys one by one to the percent editor over a cell and to a plain EDIT control.
void TypingWindows(CGfxListCtrl& grid, int cycles, bool report = true) {
  const std::wstring keys = TypingKeys(1000);
  double ms = 0, baseMs = 0;
  const tks::GuiCounts before = tks::CountGuiObjects();
  for (int cycle = 0; cycle < cycles; ++cycle) {
    CRichEditCtrl* editor = grid.EditSubLabel(0, 1, false);
    if (!editor) {
      std::printf("(the percent editor did not open)\n");
      return;
    }
    const HWND hEditor = editor->m_hWnd;
    double start = bench::NowMs();
    for (wchar_t key : keys) ::SendMessageW(hEditor, WM_CHAR, key, 0);
    ms += bench::NowMs() - start;
    ::SendMessageW(hEditor, WM_CHAR, VK_ESCAPE, 0);
    grid.SetFocus();
    Pump();
    HWND edit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20,
                                  grid.m_hWnd, NULL, NULL, NULL);
    start = bench::NowMs();
    for (wchar_t key : keys) ::SendMessageW(edit, WM_CHAR, key, 0);
    baseMs += bench::NowMs() - start;
    ::DestroyWindow(edit);
  }
  const tks::GuiCounts after = tks::CountGuiObjects();
  if (report)
    PrintWindowRow("typing percent vs EDIT, /key", 1000LL * cycles, ms, before, after, baseMs);
}

bool EditorWindows() {
  CWnd frame;
  Owner owner;
  CGfxListCtrl grid;
  if (!frame.CreateEx(0, AfxRegisterWndClass(0), L"bench_editing", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      0, 0, 800, 600, NULL, NULL) ||
      !owner.Create(AfxRegisterWndClass(0), L"owner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 780, 560),
                    &frame, 1) ||
      !grid.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 600, 500),
                   &owner, 100)) {
    std::printf("bench_editing: cannot create the windows\n");
    return false;
  }
  grid.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&Owner::GetText));
  grid.InsertColumnEx(0, L"Name", LVCFMT_LEFT, 160, 0);
  grid.InsertColumnEx(1, L"Share", LVCFMT_RIGHT, 100, 0);
  grid.OnInit();
  for (int i = 0; i < 10; ++i) grid.InsertItemEx(i, static_cast<DWORD_PTR>(i));
  grid.SetEditCol(0);
  grid.m_masks.dwPercent = 1u << 1;
  grid.SetFocus();
  Pump();
  // The first editor loads the rich edit library; the first cells fill the caches.
  OpenAndCommit(grid, 1, false);
  OpenAndCommit(grid, 1000);
  TypingWindows(grid, 1, false);
  TypingWindows(grid, 20);
  grid.DestroyWindow();
  owner.DestroyWindow();
  frame.DestroyWindow();
  return true;
}

bool Fuzz() {
  const long long steps = 1000000;
  const double start = bench::NowMs();
  const tkw::NumericFuzzResult result = tkw::FuzzNumericText(20261206u, steps);
  PrintRow("fuzz steps, all checked", result.steps, bench::NowMs() - start, 0);
  if (!result.failure.empty()) {
    std::printf("fuzz FAILED: %s\n", result.failure.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main() {
  CWinApp app(L"TKWBenchEditing");
  AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_HIDE);
  std::printf(
      "TKWUICore editing benchmark: the numeric editor's key handling beside a plain string\n"
      "taking the same keys at the caret, and the cell editors as windows beside a plain EDIT\n"
      "control (GDI and USER objects counted before and after the cycles); ns/op is the time\n"
      "per key, cycle or step; ratio = editor time / baseline time.\n");
  std::printf("\n%-30s %10s | %10s %9s | %10s | %7s\n", "operation", "count", "ms", "ns/op",
              "base ms", "ratio");
  std::printf("%s\n", std::string(88, '-').c_str());
  TypingLogic();
  const bool windows = EditorWindows();
  return Fuzz() && windows ? 0 : 1;
}
