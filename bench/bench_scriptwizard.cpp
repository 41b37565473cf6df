// bench_scriptwizard: opening and cancelling the script wizard a thousand times beside a plain
// wizard sheet holding one page of the same template, with the GDI and USER object counts
// before and after the cycles.
#include "BenchMeasure.h"
#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/ScriptWizardInit.h"

#include <QXScriptManager.h>
#include <afxdlgs.h>
#include <afxdll_.h>

#include "Leaks.h"

#include <cstdio>
#include <functional>
#include <string>

namespace {

// Cancels every dialog as soon as it is activated, from inside its modal loop.
LRESULT CALLBACK CancelOnActivate(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    const HWND hWnd = reinterpret_cast<HWND>(wParam);
    wchar_t cls[16] = L"";
    ::GetClassNameW(hWnd, cls, 16);
    if (lstrcmpW(cls, L"#32770") == 0) ::PostMessageW(hWnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  }
  return ::CallNextHookEx(NULL, code, wParam, lParam);
}

// Runs open() cycles times; answers the time taken.
double Cycles(int cycles, const std::function<void()>& open) {
  const double start = bench::NowMs();
  for (int i = 0; i < cycles; ++i) open();
  return bench::NowMs() - start;
}

}  // namespace

int main() {
  CWinApp app(L"TKWBenchScriptWizard");
  AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_HIDE);
  HMODULE hRes = ::LoadLibraryW(L"qxres.dll");
  if (!hRes) {
    std::printf("bench_scriptwizard: qxres.dll does not load\n");
    return 1;
  }
  new CDynLinkLibrary(hRes, hRes, FALSE);  // the chain owns it from here on
  HHOOK hook = ::SetWindowsHookExW(WH_CBT, CancelOnActivate, NULL, ::GetCurrentThreadId());

  CString keywords = L" ";
  CStringArray* pWords = TKWGetScriptManager()->GetKeyWords();
  for (INT_PTR i = 0; i < pWords->GetSize(); ++i) keywords += pWords->GetAt(i) + L" ";
  const auto wizard = [&] { CScriptWizardInit(NULL).CreateWizard(NULL, keywords); };
  const auto plain = [] {
    CPropertySheet sheet(L"Plain", NULL, 0, NULL, NULL, NULL);
    CPropertyPage page(scriptwiz::IDD_CATEGORY);
    sheet.AddPage(&page);
    sheet.DoModal();
  };
  // Warm up: the first runs load the rich edit and common control libraries.
  Cycles(3, wizard);
  Cycles(3, plain);

  const int cycles = 1000;
  const tks::GuiCounts before = tks::CountGuiObjects();
  const double wizardMs = Cycles(cycles, wizard);
  const tks::GuiCounts after = tks::CountGuiObjects();
  const double plainMs = Cycles(cycles, plain);
  ::UnhookWindowsHookEx(hook);

  std::printf(
      "TKWUICore script wizard benchmark: open and cancel cycles of the wizard (function map,\n"
      "category page filled from the catalogue) beside a plain wizard sheet with one page of the\n"
      "same template; ratio = wizard time / plain time.\n\n");
  std::printf("%-28s %8s | %10s %9s | %10s | %6s | %s\n", "operation", "cycles", "ms", "ms/cycle",
              "base ms", "ratio", "objects before -> after");
  std::printf("%s\n", std::string(100, '-').c_str());
  std::printf("%-28s %8d | %10.1f %9.2f | %10.1f | %6.2f | GDI %ld->%ld USER %ld->%ld\n",
              "open and cancel", cycles, wizardMs, wizardMs / cycles, plainMs,
              plainMs > 0 ? wizardMs / plainMs : 0.0, before.gdi, after.gdi, before.user,
              after.user);
  return after.gdi == before.gdi && after.user == before.user ? 0 : 1;
}
