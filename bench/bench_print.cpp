// bench_print: printing a grid of 10,000 rows page by page beside the same text table drawn
// directly with GDI, both into enhanced-metafile printer DCs (one a page, A4 at the reference
// resolution) and both as one document to the PostScript printer (its output to a file), with
// pages per second and the growth of private memory per page.
#include "BenchMeasure.h"
#include "Printer.h"
#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"

#include <afxdlgs.h>
#include <afxwin.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const int kColumns = 4;
const wchar_t* const kTitles[kColumns] = {L"Order", L"Customer", L"State", L"Amount"};
const int kWidths[kColumns] = {70, 190, 90, 100};
const int kFormats[kColumns] = {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT};

CString CellText(DWORD_PTR dwData, int nColumn) {
  static const wchar_t* const customers[] = {L"Bianchi & Figli", L"Rossi Trasporti",
                                             L"Verdi S.p.A.", L"Neri Costruzioni"};
  const int i = static_cast<int>(dwData) - 1;
  CString s;
  switch (nColumn) {
    case 0: s.Format(L"%05d", 10400 + i); break;
    case 1: s = customers[i % 4]; break;
    case 2: s = i % 3 ? L"Shipped" : L"Open"; break;
    default: s.Format(L"%d.%02d", 120 + (i * 7919) % 9000, (i * 37) % 100); break;
  }
  return s;
}

class Owner : public CWnd {
 public:
  void GetText(int, int nColumn, DWORD_PTR dwData, CString& strText) {
    strText = CellText(dwData, nColumn);
  }
};

// A printer page: a metafile DC the size of an A4 sheet, thrown away once drawn.
struct Page {
  Page() {
    const RECT himetric = {0, 0, 21000, 29700};
    dc.Attach(::CreateEnhMetaFileW(NULL, NULL, &himetric, NULL));
    dc.m_bPrinting = TRUE;
  }
  ~Page() { ::DeleteEnhMetaFile(::CloseEnhMetaFile(dc.Detach())); }
  CDC dc;
};

const CRect kSheet(0, 0, 794, 1123);

// The baseline: the same table, header line and rows with their cell lines, with plain GDI.
struct DirectTable {
  CFont normal, bold;
  int nRowHeight = 0, nHeaderHeight = 0, nRowsPerPage = 0;
  CRect page;

  void Begin(CDC& dc, const CRect& sheet) {
    normal.DeleteObject();
    bold.DeleteObject();
    page = sheet;
    page.DeflateRect(MulDiv(100, dc.GetDeviceCaps(LOGPIXELSX), 254),
                     MulDiv(100, dc.GetDeviceCaps(LOGPIXELSY), 254));  // 10 mm
    normal.CreateFont(-MulDiv(9, dc.GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                      DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    bold.CreateFont(-MulDiv(9, dc.GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, FW_BOLD, 0, 0, 0,
                    DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
    CFont* pOld = dc.SelectObject(&normal);
    nRowHeight = dc.GetTextExtent(L"XX", 2).cy;
    dc.SelectObject(&bold);
    nHeaderHeight = dc.GetTextExtent(L"XX", 2).cy;
    dc.SelectObject(pOld);
    nRowsPerPage = std::max(1, (page.Height() - nHeaderHeight) / nRowHeight - 1);
  }

  void Print(CDC& dc, int nPage, int nRows) {
    int edges[kColumns + 1] = {0};
    int total = 0;
    for (int w : kWidths) total += w;
    for (int i = 0; i < kColumns; ++i) edges[i + 1] = edges[i] + kWidths[i] * page.Width() / total;
    dc.SetBkMode(TRANSPARENT);
    CFont* pOld = dc.SelectObject(&bold);
    const UINT text = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    auto align = [](int fmt) {
      return fmt == LVCFMT_RIGHT ? DT_RIGHT : fmt == LVCFMT_CENTER ? DT_CENTER : DT_LEFT;
    };
    int y = page.top;
    for (int i = 0; i < kColumns; ++i) {
      CRect cell(page.left + edges[i], y, page.left + edges[i + 1], y + nHeaderHeight);
      dc.DrawText(kTitles[i], -1, &cell, align(kFormats[i]) | text);
      dc.MoveTo(cell.right - 1, cell.top);
      dc.LineTo(cell.right - 1, cell.bottom);
    }
    y += nHeaderHeight;
    dc.SelectObject(&normal);
    const int first = (nPage - 1) * nRowsPerPage, last = std::min(nRows, first + nRowsPerPage);
    for (int r = first; r < last; ++r) {
      for (int i = 0; i < kColumns; ++i) {
        CRect cell(page.left + edges[i], y, page.left + edges[i + 1], y + nRowHeight);
        dc.DrawText(CellText(DWORD_PTR(r + 1), i), &cell, align(kFormats[i]) | text);
        dc.MoveTo(cell.right - 1, cell.top);
        dc.LineTo(cell.right - 1, cell.bottom);
      }
      y += nRowHeight;
      dc.MoveTo(page.left, y);
      dc.LineTo(page.right, y);
    }
    dc.SelectObject(pOld);
  }
};

struct Result {
  double ms = 0;
  int pages = 0;
  long long firstKb = 0, lastKb = 0;  // private memory growth over the first and last tenth
};

// Where the pages go: a fresh metafile DC for every page, or one document on a printer DC.
class PageSink {
 public:
  virtual ~PageSink() = default;
  virtual void Print(int nPage, const std::function<void(CDC&, int)>& printPage) = 0;
};

class MetafilePages : public PageSink {
 public:
  void Print(int nPage, const std::function<void(CDC&, int)>& printPage) override {
    Page page;
    printPage(page.dc, nPage);
  }
};

// One document on the test PostScript printer, written to a file; pages start and end around
// each page's drawing as the print loop does.
class PrinterDocument : public PageSink {
 public:
  explicit PrinterDocument(CDC& dc) : m_dc(dc) {
    const std::wstring path = tks::TempPath(L"tkw-bench-print.ps");
    DOCINFOW doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = L"bench_print";
    doc.lpszOutput = path.c_str();
    m_bStarted = ::StartDocW(m_dc.GetSafeHdc(), &doc) > 0;
    m_path = path;
  }
  ~PrinterDocument() override {
    if (m_bStarted) ::EndDoc(m_dc.GetSafeHdc());
    ::DeleteFileW(m_path.c_str());
  }
  bool Started() const { return m_bStarted; }
  void Print(int nPage, const std::function<void(CDC&, int)>& printPage) override {
    ::StartPage(m_dc.GetSafeHdc());
    printPage(m_dc, nPage);
    ::EndPage(m_dc.GetSafeHdc());
  }

 private:
  CDC& m_dc;
  std::wstring m_path;
  bool m_bStarted = false;
};

// Prints every page through printPage into the sink and watches memory.
Result Run(int nPages, PageSink& sink, const std::function<void(CDC&, int)>& printPage) {
  Result r;
  r.pages = nPages;
  const int tenth = std::max(1, nPages / 10);
  long long mark = bench::PrivateBytes();
  const double start = bench::NowMs();
  for (int p = 1; p <= nPages; ++p) {
    sink.Print(p, printPage);
    if (p == tenth) {
      r.firstKb = (bench::PrivateBytes() - mark) / 1024;
    }
    if (p == nPages - tenth) mark = bench::PrivateBytes();
  }
  r.ms = bench::NowMs() - start;
  r.lastKb = (bench::PrivateBytes() - mark) / 1024;
  return r;
}

struct Sides {
  Result base, grid;
};

// Lays both sides out for the sheet of layoutDc, warms each up once and runs nRounds rounds,
// the two sides taking turns, into fresh sinks; keeps the best round of each. The build machine
// is shared, and a round that another process slowed down says nothing about either side.
Sides Compare(CGfxListCtrl& list, DirectTable& direct, CDC& layoutDc, const CRect& sheet, int nRows,
              int nRounds, const std::function<std::unique_ptr<PageSink>()>& makeSink) {
  CPrintInfo info;
  info.m_rectDraw = sheet;
  list.OnBeginPrinting(&layoutDc, &info);
  direct.Begin(layoutDc, sheet);
  direct.nRowsPerPage = list.GetRowsPerPage();  // the same rows on every sheet
  const int gridPages = int(info.GetMaxPage());
  const int directPages = (nRows + direct.nRowsPerPage - 1) / direct.nRowsPerPage;
  const auto printGrid = [&](CDC& dc, int p) {
    info.m_nCurPage = UINT(p);
    list.OnPrint(&dc, &info);
  };
  const auto printDirect = [&](CDC& dc, int p) { direct.Print(dc, p, nRows); };
  const auto runIn = [&](int nPages, const std::function<void(CDC&, int)>& printPage) {
    const std::unique_ptr<PageSink> sink = makeSink();
    return Run(nPages, *sink, printPage);
  };
  runIn(2, printDirect);  // fonts and the text path once on each side
  runIn(2, printGrid);
  Sides best;
  for (int round = 0; round < nRounds; ++round) {
    const Result b = runIn(directPages, printDirect);
    const Result g = runIn(gridPages, printGrid);
    if (round == 0 || b.ms < best.base.ms) best.base = b;
    if (round == 0 || g.ms < best.grid.ms) best.grid = g;
  }
  list.OnEndPrinting(&layoutDc, &info);
  return best;
}

void PrintResult(const char* name, const Result& r, double baseMs) {
  std::printf("%-18s %6d | %9.1f %9.1f | %8lld %8lld | %6.2f\n", name, r.pages, r.ms,
              r.ms > 0 ? 1000.0 * r.pages / r.ms : 0.0, r.firstKb, r.lastKb,
              baseMs > 0 ? r.ms / baseMs : 0.0);
  std::fflush(stdout);
}

}  // namespace

int main() {
  CWinApp app(L"TKWBench");
  AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_HIDE);
  if (HINSTANCE hRes = AfxLoadLibrary(L"qxres.dll")) new CDynLinkLibrary(hRes, hRes);

  CWnd frame;
  if (!frame.CreateEx(0, AfxRegisterWndClass(0), L"bench_print", WS_OVERLAPPEDWINDOW, 0, 0, 800,
                      600, NULL, NULL)) {
    std::printf("bench_print: cannot create the frame window\n");
    return 1;
  }
  const bool quick = std::wcsstr(::GetCommandLineW(), L"quick") != nullptr;
  const int nRows = quick ? 2000 : 10000, nRounds = quick ? 1 : 5;
  std::printf(
      "TKWUICore print benchmark: a grid of %d rows printed page by page beside the same\n"
      "table drawn with GDI, each page into its own A4 metafile DC, then both as documents\n"
      "to the PostScript printer (output to a file). KB first/last is the\n"
      "growth of private bytes over the first and the last tenth of the pages (flat when\n"
      "nothing is kept per page); ratio = grid time / GDI time, each the best of %d rounds\n"
      "(one round to the printer, whose driver takes about half a second a page).\n\n",
      nRows, nRounds);
  std::printf("%-18s %6s | %9s %9s | %8s %8s | %6s\n", "case", "pages", "ms", "pages/s", "KB first",
              "KB last", "ratio");
  std::printf("%s\n", std::string(78, '-').c_str());

  Owner owner;
  CGfxListCtrl list;
  owner.CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_CHILD, CRect(0, 0, 600, 400), &frame, 1);
  list.Create(WS_CHILD | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 600, 400), &owner, 100);
  CGfxColumnManager* pColumns = list.CreateColumnManager();
  int shown[kColumns];
  for (int i = 0; i < kColumns; ++i) {
    pColumns->DefineColumn(i, kTitles[i], nullptr, kFormats[i], kWidths[i], 0, -1, nullptr);
    shown[i] = i;
  }
  pColumns->DefineDefaultColumns(kColumns, shown);
  list.OnInit();
  list.SetupColumnData();
  list.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&Owner::GetText));
  list.SetRedraw(FALSE);
  for (int i = 0; i < nRows; ++i) list.InsertItemEx(i, DWORD_PTR(i + 1));

  DirectTable direct;
  {
    Page layout;
    const Sides metafile = Compare(list, direct, layout.dc, kSheet, nRows, nRounds,
                                   [] { return std::make_unique<MetafilePages>(); });
    PrintResult("GDI table", metafile.base, metafile.base.ms);
    PrintResult("grid print", metafile.grid, metafile.base.ms);
  }
  if (!tks::InstallTestPrinter()) {
    std::printf("(no PostScript printer: the cups-pdf PPD is not installed)\n");
  } else {
    CDC printer;
    printer.Attach(::CreateDCW(L"WINSPOOL", tks::kTestPrinter, nullptr, nullptr));
    printer.m_bPrinting = TRUE;
    const CRect sheet(0, 0, printer.GetDeviceCaps(HORZRES), printer.GetDeviceCaps(VERTRES));
    // The driver takes about half a second a page either way: one round is enough to compare.
    const Sides ps = Compare(list, direct, printer, sheet, nRows, 1,
                             [&] { return std::make_unique<PrinterDocument>(printer); });
    PrintResult("GDI to printer", ps.base, ps.base.ms);
    PrintResult("grid to printer", ps.grid, ps.base.ms);
    ::DeleteDC(printer.Detach());
  }
  list.DestroyWindow();
  owner.DestroyWindow();
  frame.DestroyWindow();
  return 0;
}
