// bench_wizard: the wizard's lists, each case beside a baseline measured in the same run. The
// transaction list shows 100,000 transactions (ten steps under every test transaction) beside
// a plain grid with the same rows and shown columns, names from its owner: filling, painting and
// marking every test at once, with time and the change in the heaps' bytes in use.
// The wizard's machinery: a task posting 100,000 status updates through the page's processing
// protocol beside the same loop without updates (and how soon the progress dialog shows the
// last status), and opening and closing a ten-page sheet in rounds beside the framework's
// plain sheet, with the GDI and USER objects left behind.
#include "BenchMeasure.h"
#include <afxdlgs.h>
#include <qxres_ids.h>

#include "Leaks.h"
#include "QXXact.h"
#include "controls/ItemListCtrl.h"
#include "controls/ProgressDialog.h"
#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"
#include "wizard/TKWPropertyPage.h"
#include "wizard/TKWPropertySheet.h"

#include <afxwin.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Sample {
  double ms = 0;
  long long bytes = 0;
};

Sample Measure(const std::function<void()>& work) {
  Sample s;
  const long long before = bench::HeapBytesInUse();
  const double start = bench::NowMs();
  work();
  s.ms = bench::NowMs() - start;
  s.bytes = bench::HeapBytesInUse() - before;
  return s;
}

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// The plain grid's owner: the name column from the transaction behind each row, the other
// columns empty.
class Owner : public CWnd {
 public:
  void GetText(int /*nItem*/, int nColumn, DWORD_PTR dwData, CString& strText) {
    if (nColumn == 2)
      strText = reinterpret_cast<const CXact*>(dwData)->GetName();
    else
      strText.Empty();
  }
};

// Tests of ten steps each, every one a row: rows / 11 tests.
struct Transactions {
  explicit Transactions(int nRows) {
    for (int nTest = 0; rows.GetSize() < nRows; ++nTest) {
      wchar_t name[48];
      std::swprintf(name, 48, L"Test transaction %d", nTest);
      CXact* pTest = new CXact(name);
      tops.Add(pTest);
      rows.Add(pTest);
      for (int nStep = 0; nStep < 10 && rows.GetSize() < nRows; ++nStep) {
        std::swprintf(name, 48, L"Step %d of %d", nStep + 1, nTest);
        CXact* pStep = new CXact(name);
        pTest->AddXact(pStep);
        rows.Add(pStep);
      }
    }
  }
  ~Transactions() {
    rows.RemoveAll();
    tops.DeleteAll();
  }
  CXactArray tops;  // owns the trees
  CXactArray rows;
};

struct Lists {
  Owner owner;
  CItemListCtrl items;
  CGfxListCtrl plain;

  bool Create(CWnd* pFrame) {
    if (!owner.CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_CHILD | WS_VISIBLE,
                        CRect(0, 0, 1000, 700), pFrame, 1))
      return false;
    const DWORD style = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED;
    if (!items.Create(style, CRect(0, 0, 480, 600), &owner, 100)) return false;
    if (!plain.Create(style, CRect(500, 0, 980, 600), &owner, 101)) return false;
    // The same shown columns as the list in icon mode, with plain texts in them.
    CGfxColumnManager* pColumns = plain.CreateColumnManager();
    pColumns->DefineColumn(0, L"", nullptr, LVCFMT_LEFT, 0, GFXCOL_FIXEDWIDTH, -1, nullptr);
    pColumns->DefineColumn(1, L"", nullptr, LVCFMT_LEFT, 25, GFXCOL_FIXEDWIDTH, -1, nullptr);
    pColumns->DefineColumn(3, L"Name", nullptr, LVCFMT_LEFT, 225, GFXCOL_SORTABLE, -1, nullptr);
    pColumns->DefineColumn(4, L"Type", nullptr, LVCFMT_LEFT, 100, GFXCOL_SORTABLE, -1, nullptr);
    const int shown[] = {0, 1, 3, 4};
    pColumns->DefineDefaultColumns(4, shown);
    plain.OnInit();
    plain.SetupColumnData();
    plain.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&Owner::GetText));
    items.SetIconMode(true);
    return true;
  }
};

void PrintRow(const char* name, int rows, const Sample& list, const Sample& base) {
  std::printf("%-28s %8d | %9.1f %9lld | %9.1f %9lld | %6.2f\n", name, rows, list.ms,
              list.bytes / 1024, base.ms, base.bytes / 1024, base.ms > 0 ? list.ms / base.ms : 0.0);
  std::fflush(stdout);
}

// One case: the measured work on the transaction list and on the plain grid. A warmed-up case
// runs both once unmeasured first, so one-time set-up (fonts, tip window, icon loading) does not
// land on whichever side happens to run first; a case that fills the lists also empties them
// after its warm-up, so that both sides fill memory the process already has rather than the
// second paying for growing the heap.
struct Case {
  const char* name;
  bool bWarmUp;
  bool bFills;
  std::function<void(Lists&, Transactions&)> list;
  std::function<void(Lists&, Transactions&)> base;
};

// From the last row up: the list view's own delete-all moves the rest of its row array for
// every row it removes from the front.
void RemoveRows(CListCtrl& list) {
  list.SetRedraw(FALSE);
  for (int i = list.GetItemCount() - 1; i >= 0; --i) list.DeleteItem(i);
  list.SetRedraw(TRUE);
}

void PaintBoth(CGfxListCtrl& list) {
  list.Invalidate();
  list.UpdateWindow();
  Pump();
}

const Case kCases[] = {
    {"transaction list: fill", true, true,
     [](Lists& l, Transactions& t) { l.items.Initialize(&t.rows); },
     [](Lists& l, Transactions& t) {
       l.plain.SetRedraw(FALSE);
       l.plain.SetItemCount(static_cast<int>(t.rows.GetSize()));
       for (INT_PTR i = 0; i < t.rows.GetSize(); ++i)
         l.plain.InsertItemEx(static_cast<int>(i), reinterpret_cast<DWORD_PTR>(t.rows[i]));
       l.plain.SetRedraw(TRUE);
     }},
    {"transaction list: paint", true, false, [](Lists& l, Transactions&) { PaintBoth(l.items); },
     [](Lists& l, Transactions&) { PaintBoth(l.plain); }},
    {"mark every test", false, false,
     [](Lists& l, Transactions& t) {
       for (INT_PTR i = 0; i < t.tops.GetSize(); ++i) l.items.SelectItem(t.tops[i], 1);
       PaintBoth(l.items);
     },
     // The baseline sets every mark directly, with no tree to walk.
     [](Lists& l, Transactions& t) {
       for (INT_PTR i = 0; i < t.rows.GetSize(); ++i) t.rows[i]->SetSelected(1);
       PaintBoth(l.plain);
     }},
};

// ---- the processing protocol and the sheet

const double kStatusPeriodMs = 500;  // the page's status timer

struct StatusRun {
  TKWPropertyPage* pPage = nullptr;
  bool bUpdates = false;
  int nSteps = 0;
  double loopMs = 0;
  double shownMs = -1;  // from the end of the loop until the dialog shows the last status
  size_t sink = 0;
};

// The task: formats every step's status and, with updates, hands it to the page; then waits
// until the progress dialog shows the last one.
UINT AFX_CDECL StatusTask(LPVOID pParam) {
  auto* run = static_cast<StatusRun*>(pParam);
  const double start = bench::NowMs();
  CString strStatus;
  for (int i = 0; i < run->nSteps; ++i) {
    strStatus.Format(L"Step %d of %d", i + 1, run->nSteps);
    if (run->bUpdates)
      run->pPage->SetStatus(strStatus, 0);
    else
      run->sink += static_cast<size_t>(strStatus.GetLength());
  }
  const double end = bench::NowMs();
  run->loopMs = end - start;
  while (run->bUpdates && bench::NowMs() - end < 10 * kStatusPeriodMs) {
    CProgressDialog* pDlg = run->pPage->m_pProgressDlg;
    HWND hStatus = pDlg && pDlg->m_hWnd ? ::GetDlgItem(pDlg->m_hWnd, IDC_QX_PROGRESS_STATUS) : NULL;
    wchar_t shown[64] = L"";
    if (hStatus) ::GetWindowTextW(hStatus, shown, 64);
    if (strStatus == shown) {
      run->shownMs = bench::NowMs() - end;
      break;
    }
    ::Sleep(1);
  }
  run->pPage->ProcessingComplete();
  return 0;
}

StatusRun RunStatus(TKWPropertyPage& page, bool bUpdates, int nSteps) {
  StatusRun run;
  run.pPage = &page;
  run.bUpdates = bUpdates;
  run.nSteps = nSteps;
  page.StartProcessing(StatusTask, &run);
  return run;
}

// Opens and closes a modeless sheet of ten pages of the page base's template nCycles times.
template <class Sheet, class Page>
void OpenCloseSheets(int nCycles) {
  for (int n = 0; n < nCycles; ++n) {
    Sheet sheet(L"Ten pages");
    std::vector<std::unique_ptr<Page>> pages;
    for (int i = 0; i < 10; ++i) {
      pages.push_back(std::make_unique<Page>(IDD_QX_WIZARD_PAGE));
      sheet.AddPage(pages.back().get());
    }
    sheet.Create();
    sheet.SetActivePage(9);
    Pump();
    sheet.DestroyWindow();
    Pump();
  }
}

// A plain framework page of the same template.
class CPlainPage : public CPropertyPage {
 public:
  explicit CPlainPage(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}
};

void RunMachinery(CWnd* pFrame, bool quick) {
  std::printf("\n%-28s %8s | %9s %9s | %9s %9s | %6s\n", "case", "count", "lib ms", "left",
              "base ms", "left", "ratio");
  std::printf("%s\n", std::string(92, '-').c_str());
  {
    TKWPropertySheet sheet(L"Processing", pFrame);
    TKWPropertyPage page(IDD_QX_WIZARD_PAGE);
    sheet.AddPage(&page);
    sheet.Create(pFrame);
    const int nSteps = quick ? 10000 : 100000;
    RunStatus(page, true, 100);  // loads the dialog and its animation once
    const StatusRun base = RunStatus(page, false, nSteps);
    const StatusRun with = RunStatus(page, true, nSteps);
    std::printf("%-28s %8d | %9.1f %9s | %9.1f %9s | %6.2f\n", "status updates", nSteps,
                with.loopMs, "", base.loopMs, "",
                base.loopMs > 0 ? with.loopMs / base.loopMs : 0.0);
    std::printf("  last status shown after %.0f ms (%s one %.0f ms timer period)\n", with.shownMs,
                with.shownMs >= 0 && with.shownMs <= kStatusPeriodMs ? "within" : "NOT within",
                kStatusPeriodMs);
    sheet.DestroyWindow();
  }
  {
    // Rounds of each side in turn, the best round of each counted: a round that another
    // process's load slowed down tells nothing about either side.
    const int nRounds = 5, nCycles = quick ? 4 : 20;
    OpenCloseSheets<TKWPropertySheet, TKWPropertyPage>(1);  // one-time set-up out of the counts
    OpenCloseSheets<CPropertySheet, CPlainPage>(1);
    tks::GuiCounts libLeft, baseLeft;
    double libBest = 0, baseBest = 0;
    for (int round = 0; round < nRounds; ++round) {
      tks::GuiLeakCheck libCheck;
      const Sample lib =
          Measure([&] { OpenCloseSheets<TKWPropertySheet, TKWPropertyPage>(nCycles); });
      const tks::GuiCounts libDelta = libCheck.Delta();
      tks::GuiLeakCheck baseCheck;
      const Sample base = Measure([&] { OpenCloseSheets<CPropertySheet, CPlainPage>(nCycles); });
      const tks::GuiCounts baseDelta = baseCheck.Delta();
      libLeft.gdi += libDelta.gdi;
      libLeft.user += libDelta.user;
      baseLeft.gdi += baseDelta.gdi;
      baseLeft.user += baseDelta.user;
      if (round == 0 || lib.ms < libBest) libBest = lib.ms;
      if (round == 0 || base.ms < baseBest) baseBest = base.ms;
    }
    char libText[32], baseText[32];
    std::snprintf(libText, sizeof(libText), "%ld/%ld", libLeft.gdi, libLeft.user);
    std::snprintf(baseText, sizeof(baseText), "%ld/%ld", baseLeft.gdi, baseLeft.user);
    std::printf("%-28s %8d | %9.1f %9s | %9.1f %9s | %6.2f\n", "10-page sheet open/close", nCycles,
                libBest, libText, baseBest, baseText, baseBest > 0 ? libBest / baseBest : 0.0);
    std::printf(
        "  ms = the best of %d rounds of each side in turn; left = GDI/USER objects after\n"
        "  all %d cycles of a side minus before\n",
        nRounds, nRounds * nCycles);
  }
}

}  // namespace

int main() {
  CWinApp app(L"TKWBench");
  AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_HIDE);
  if (HINSTANCE hRes = AfxLoadLibrary(L"qxres.dll")) new CDynLinkLibrary(hRes, hRes);

  CWnd frame;
  if (!frame.CreateEx(0, AfxRegisterWndClass(0), L"bench_wizard", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                      0, 0, 1024, 768, NULL, NULL)) {
    std::printf("bench_wizard: cannot create the frame window\n");
    return 1;
  }
  const bool quick = std::wcsstr(::GetCommandLineW(), L"quick") != nullptr;
  const int nRows = quick ? 10000 : 100000;
  std::printf(
      "TKWUICore wizard benchmark: the transaction list (icon mode, marks through the tree)\n"
      "beside a plain grid with the same rows and names from its owner. KB is the change in\n"
      "heap bytes in use; ratio = list time / baseline time.\n\n");
  std::printf("%-28s %8s | %9s %9s | %9s %9s | %6s\n", "case", "rows", "list ms", "list KB",
              "base ms", "base KB", "ratio");
  std::printf("%s\n", std::string(92, '-').c_str());
  {
    Lists lists;
    if (!lists.Create(&frame)) {
      std::printf("bench_wizard: cannot create the lists\n");
      return 1;
    }
    Transactions xacts(nRows);
    for (const Case& c : kCases) {
      if (c.bWarmUp) {
        c.base(lists, xacts);
        c.list(lists, xacts);
        if (c.bFills) {
          RemoveRows(lists.plain);
          RemoveRows(lists.items);
        }
      }
      const Sample base = Measure([&] { c.base(lists, xacts); });
      const Sample list = Measure([&] { c.list(lists, xacts); });
      PrintRow(c.name, nRows, list, base);
    }
    lists.items.DestroyWindow();
    lists.plain.DestroyWindow();
  }
  RunMachinery(&frame, quick);
  frame.DestroyWindow();
  return 0;
}
