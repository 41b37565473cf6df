// bench_grid: time and private memory of the grid's bulk operations, each beside a baseline
// measured in the same run (a plain list view holding its own texts; std::stable_sort of
// prefetched keys; for sorts also the plain list sorting itself), for 10,000 and 100,000 rows
// (and 1,000,000 for insertion).
#include "BenchMeasure.h"
#include "grid/GfxCategoryManager.h"
#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"
#include "grid/SortClass.h"
#include "grid/logic/SortKeys.h"

#include <afxwin.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <functional>
#include <string>
#include <vector>

namespace {

// ---- measuring

struct Sample {
  bool measured = false;
  double ms = 0;
  long long bytes = 0;
};

Sample Measure(const std::function<bool()>& work) {
  Sample s;
  const long long before = bench::PrivateBytes();
  const double start = bench::NowMs();
  s.measured = work();
  s.ms = bench::NowMs() - start;
  s.bytes = bench::PrivateBytes() - before;
  return s;
}

void PrintHeader() {
  std::printf("\n%-22s %9s | %10s %9s %7s | %10s %9s %7s | %7s\n", "operation", "rows", "grid ms",
              "grid KB", "B/row", "base ms", "base KB", "B/row", "ratio");
  std::printf("%s\n", std::string(104, '-').c_str());
}

// Time, kilobytes and bytes per row of one sample ("-" where there is nothing to show).
void Format(const Sample& s, int rows, char (&ms)[32], char (&kb)[32], char (&perRow)[32]) {
  std::snprintf(ms, sizeof ms, "%.1f", s.ms);
  std::snprintf(kb, sizeof kb, "%lld", s.bytes / 1024);
  if (rows > 0)
    std::snprintf(perRow, sizeof perRow, "%lld", s.bytes / rows);
  else
    std::snprintf(perRow, sizeof perRow, "-");
}

void PrintRow(const char* name, int rows, const Sample& grid, const Sample& base) {
  char gridMs[32] = "skipped", gridKb[32] = "-", gridRow[32] = "-", baseMs[32] = "-",
       baseKb[32] = "-", baseRow[32] = "-", ratio[32] = "-";
  if (grid.measured) Format(grid, rows, gridMs, gridKb, gridRow);
  if (base.measured) {
    Format(base, rows, baseMs, baseKb, baseRow);
    if (grid.measured && base.ms > 0) std::snprintf(ratio, sizeof ratio, "%.2f", grid.ms / base.ms);
  }
  std::printf("%-22s %9d | %10s %9s %7s | %10s %9s %7s | %7s\n", name, rows, gridMs, gridKb,
              gridRow, baseMs, baseKb, baseRow, ratio);
  std::fflush(stdout);
}

// ---- data: three columns (a name, a size, a price with thousands dots), by item data

struct Table {
  std::vector<std::wstring> cells[3];

  void Fill(int rows) {
    for (auto& c : cells) {
      c.clear();
      c.reserve(rows);
    }
    unsigned seed = 12345;
    for (int i = 0; i < rows; ++i) {
      seed = seed * 1103515245u + 12345u;
      const unsigned r = seed >> 8;
      wchar_t name[32], size[16], price[24];
      std::swprintf(name, 32, L"%c%c item %u", L'A' + r % 26, L'a' + (r / 26) % 26, r % 100000);
      std::swprintf(size, 16, L"%u", r % 1000000);
      const unsigned value = (r / 7) % 10000000;
      std::swprintf(price, 24, L"%u.%03u.%03u", value / 1000000, (value / 1000) % 1000,
                    value % 1000);
      cells[0].push_back(name);
      cells[1].push_back(size);
      cells[2].push_back(price);
    }
  }
};

Table g_table;

// The window that owns both lists: answers the grid's texts and files rows into categories
// by the first letter of their name.
class Owner : public CWnd {
 public:
  CGfxListCtrl* list = nullptr;

  void GetText(int /*nItem*/, int nColumn, DWORD_PTR dwData, CString& strText) {
    const int id = list->GetColumnIndex(nColumn);
    if (id >= 0 && id < 3 && dwData < g_table.cells[id].size())
      strText = g_table.cells[id][dwData].c_str();
    else
      strText.Empty();
  }

  void Categorize(CGfxCategoryManager* pManager, DWORD_PTR& dwData) {
    if (dwData >= g_table.cells[0].size()) return;
    const wchar_t key[2] = {g_table.cells[0][dwData][0], 0};
    int index = pManager->FindCategory(key);
    if (index < 0) index = pManager->AddCategory(key, key);
    pManager->AddItemToCategory(index, dwData);
  }
};

const wchar_t* const kTitles[3] = {L"Name", L"Size", L"Price"};

struct Lists {
  Owner owner;
  CGfxListCtrl grid;
  CListCtrl plain;

  bool Create(CWnd* frame) {
    if (!owner.Create(AfxRegisterWndClass(0), L"owner", WS_CHILD | WS_VISIBLE,
                      CRect(0, 0, 1000, 700), frame, 1))
      return false;
    owner.list = &grid;
    const DWORD style = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS;
    if (!grid.Create(style | LVS_OWNERDRAWFIXED, CRect(0, 0, 480, 600), &owner, 100)) return false;
    if (!plain.Create(style, CRect(500, 0, 980, 600), &owner, 101)) return false;
    grid.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&Owner::GetText));
    grid.SetCategoryCallback(static_cast<GFXLIST_CATEGORY_CALLBACK>(&Owner::Categorize));
    grid.InsertColumnEx(0, kTitles[0], LVCFMT_LEFT, 160, 0);
    grid.InsertColumnEx(1, kTitles[1], LVCFMT_RIGHT, 100, GFXCOL_NUMERIC);
    grid.InsertColumnEx(2, kTitles[2], LVCFMT_RIGHT, 120, GFXCOL_VALUTE);
    grid.OnInit();
    plain.InsertColumn(0, kTitles[0], LVCFMT_LEFT, 160);
    plain.InsertColumn(1, kTitles[1], LVCFMT_RIGHT, 100);
    plain.InsertColumn(2, kTitles[2], LVCFMT_RIGHT, 120);
    return true;
  }

  void Clear() {
    if (grid.GetCategoryManager()) grid.EnableCategoryView(false);
    // No sort column: otherwise every insertion of the next run would sort the list again.
    grid.GetGfxHeader().m_nSortCol = -1;
    RemoveRows(grid);
    RemoveRows(plain);
  }

  // From the last row up: the list view's own delete-all moves the rest of its row array for
  // every row it removes from the front, which takes minutes for a million rows.
  static void RemoveRows(CListCtrl& list) {
    list.SetRedraw(FALSE);
    for (int i = list.GetItemCount() - 1; i >= 0; --i) list.DeleteItem(i);
    list.SetRedraw(TRUE);
  }
};

bool InsertGrid(Lists& lists, int rows) {
  lists.grid.SetRedraw(FALSE);
  for (int i = 0; i < rows; ++i) lists.grid.InsertItemEx(i, static_cast<DWORD_PTR>(i));
  lists.grid.SetRedraw(TRUE);
  return lists.grid.GetItemCount() == rows;
}

bool InsertPlain(Lists& lists, int rows) {
  lists.plain.SetRedraw(FALSE);
  for (int i = 0; i < rows; ++i) {
    LVITEM item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = i;
    item.pszText = const_cast<LPWSTR>(g_table.cells[0][i].c_str());
    item.lParam = i;
    const int at = lists.plain.InsertItem(&item);
    lists.plain.SetItemText(at, 1, g_table.cells[1][i].c_str());
    lists.plain.SetItemText(at, 2, g_table.cells[2][i].c_str());
  }
  lists.plain.SetRedraw(TRUE);
  return lists.plain.GetItemCount() == rows;
}

// The baseline of a sort: every key fetched through the same callback, then sorted.
bool SortBaseline(Lists& lists, int column) {
  const int rows = lists.grid.GetItemCount();
  CString text;
  if (column == 0) {
    std::vector<std::pair<std::wstring, DWORD_PTR>> keys;
    keys.reserve(rows);
    for (int i = 0; i < rows; ++i) {
      lists.grid.GetItemTextEx(i, column, text, nullptr);
      keys.emplace_back(text.GetString(), lists.grid.GetItemData(i));
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
      return tkw::sortkeys::CompareNoCase(a.first.c_str(), b.first.c_str()) < 0;
    });
    return !keys.empty();
  }
  std::vector<std::pair<int, DWORD_PTR>> keys;
  keys.reserve(rows);
  for (int i = 0; i < rows; ++i) {
    lists.grid.GetItemTextEx(i, column, text, nullptr);
    keys.emplace_back(
        column == 2 ? tkw::sortkeys::ParseValute(text) : tkw::sortkeys::ParseNumeric(text),
        lists.grid.GetItemData(i));
  }
  std::stable_sort(keys.begin(), keys.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  return !keys.empty();
}

// What a user of a plain list view would write instead: the list sorts itself, comparing the
// texts it holds (read by row index for every comparison).
struct PlainSort {
  HWND list;
  int column;
};

int CALLBACK ComparePlain(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
  const PlainSort* sort = reinterpret_cast<const PlainSort*>(lParamSort);
  wchar_t a[64] = {}, b[64] = {};
  ListView_GetItemText(sort->list, static_cast<int>(lParam1), sort->column, a, 64);
  ListView_GetItemText(sort->list, static_cast<int>(lParam2), sort->column, b, 64);
  using namespace tkw::sortkeys;
  switch (sort->column) {
    case 0: return CompareNoCase(a, b);
    case 1: return CompareInt(ParseNumeric(a), ParseNumeric(b));
    default: return CompareInt(ParseValute(a), ParseValute(b));
  }
}

// The list view ordering its rows by a key it is handed (a random permutation of the row
// numbers), with no text comparison: the part of any sort that the list view does itself. The
// grid's sort has to let the list view order its rows; wine's list view merges in place, moving
// its row pointers for every row out of order, which grows faster than the rows.
int CALLBACK CompareScrambled(LPARAM a, LPARAM b, LPARAM) {
  const unsigned ha = static_cast<unsigned>(a) * 2654435761u;
  const unsigned hb = static_cast<unsigned>(b) * 2654435761u;
  return ha < hb ? -1 : (ha > hb ? 1 : 0);
}

int CALLBACK CompareInsertionOrder(LPARAM a, LPARAM b, LPARAM) {
  return a < b ? -1 : (a > b ? 1 : 0);
}

bool ListViewOrder(Lists& lists) {
  return lists.plain.SortItems(&CompareScrambled, 0) != FALSE;
}

void RestoreInsertionOrder(Lists& lists) {
  lists.plain.SortItems(&CompareInsertionOrder, 0);
}

bool SortPlain(Lists& lists, int column) {
  PlainSort sort = {lists.plain.GetSafeHwnd(), column};
  return lists.plain.SendMessage(LVM_SORTITEMSEX, reinterpret_cast<WPARAM>(&sort),
                                 reinterpret_cast<LPARAM>(&ComparePlain)) != 0;
}

// The plain list's copy: the same header line and tab-separated rows, put on the clipboard.
bool CopyPlain(Lists& lists) {
  CString all;
  for (int c = 0; c < 3; ++c) {
    if (c) all += L'\t';
    all += kTitles[c];
  }
  const int rows = lists.plain.GetItemCount();
  for (int i = 0; i < rows; ++i) {
    all += L"\r\n";
    for (int c = 0; c < 3; ++c) {
      if (c) all += L'\t';
      all += lists.plain.GetItemText(i, c);
    }
  }
  if (!::OpenClipboard(lists.plain.GetSafeHwnd())) return false;
  ::EmptyClipboard();
  const SIZE_T bytes = (static_cast<SIZE_T>(all.GetLength()) + 1) * sizeof(wchar_t);
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (block) {
    std::memcpy(::GlobalLock(block), all.GetString(), bytes);
    ::GlobalUnlock(block);
    if (!::SetClipboardData(CF_UNICODETEXT, block)) ::GlobalFree(block);
  }
  ::CloseClipboard();
  return block != nullptr;
}

// One full page: the whole client invalidated and painted at once, over enough runs that the
// time is not mostly the machine's noise.
bool PaintPage(CWnd& list) {
  const int runs = 20;
  for (int i = 0; i < runs; ++i) {
    list.Invalidate();
    list.UpdateWindow();
  }
  return true;
}

bool CategoriesOn(Lists& lists) {
  const int before = lists.grid.GetItemCount();
  lists.grid.EnableCategoryView(true);
  CGfxCategoryManager* manager = lists.grid.GetCategoryManager();
  // Closed categories leave only their own rows; anything else means the view is not there yet.
  return manager && manager->GetCategoryCount() > 0 && lists.grid.GetItemCount() != before;
}

bool LayoutRoundTrip(CGfxListCtrl& list, bool write) {
  CGfxColumnManager* manager = list.GetColumnManager();
  if (!manager) return false;
  if (write)
    manager->WriteToProfile();
  else
    manager->ReadFromProfile();
  return true;
}

void RunRows(Lists& lists, int rows, bool full) {
  g_table.Fill(rows);
  lists.Clear();
  Sample none;

  const Sample insertGrid = Measure([&] { return InsertGrid(lists, rows); });
  const Sample insertPlain = Measure([&] { return InsertPlain(lists, rows); });
  PrintRow("insert rows", rows, insertGrid, insertPlain);
  if (!full) return;  // the largest run ends the program; its rows go with the process

  const Sample listViewOrder = Measure([&] { return ListViewOrder(lists); });
  RestoreInsertionOrder(lists);
  const char* sortNames[3] = {"sort text", "sort numeric", "sort valute"};
  for (int column = 0; column < 3; ++column) {
    const Sample grid = Measure([&] { return lists.grid.SortByColumn(column, true); });
    const Sample base = Measure([&] { return SortBaseline(lists, column); });
    const Sample plain = Measure([&] { return SortPlain(lists, column); });
    Sample baseAndOrder = base;
    baseAndOrder.ms += listViewOrder.ms;
    PrintRow(sortNames[column], rows, grid, base);
    PrintRow("  vs base + list order", rows, grid, baseAndOrder);
    PrintRow("  vs plain list sort", rows, grid, plain);
  }
  PrintRow("  list view order only", rows, listViewOrder, Sample());
  // Where a sort's time goes: the records replacing and restoring every row's item data.
  const Sample records = Measure([&] {
    CSortClass sorter(&lists.grid, 1, true, false);
    return true;
  });
  PrintRow("  records only", rows, records, none);

  const Sample copyGrid = Measure([&] { return lists.grid.DoCopyInClipboard(false) != FALSE; });
  const Sample copyPlain = Measure([&] { return CopyPlain(lists); });
  PrintRow("copy to clipboard", rows, copyGrid, copyPlain);

  // Repaints still owed to the operations above are not part of painting a page.
  lists.grid.UpdateWindow();
  lists.plain.UpdateWindow();
  const Sample paintGrid = Measure([&] { return PaintPage(lists.grid); });
  const Sample paintPlain = Measure([&] { return PaintPage(lists.plain); });
  PrintRow("paint page (x20)", rows, paintGrid, paintPlain);

  const Sample categories = Measure([&] { return CategoriesOn(lists); });
  PrintRow("category view on", rows, categories, none);

  lists.Clear();
}

}  // namespace

int main() {
  CWinApp app(L"TKWBench");
  AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_HIDE);
  app.SetRegistryKey(L"Velotrace Bench");

  CWnd frame;
  if (!frame.CreateEx(0, AfxRegisterWndClass(0), L"bench_grid", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                      0, 1024, 768, NULL, NULL)) {
    std::printf("bench_grid: cannot create the frame window\n");
    return 1;
  }
  Lists lists;
  if (!lists.Create(&frame)) {
    std::printf("bench_grid: cannot create the lists\n");
    return 1;
  }

  std::printf(
      "TKWUICore grid benchmark: the grid (texts from its owner) beside a plain list view with\n"
      "its own texts (insert, copy, paint) and std::stable_sort of the keys fetched through the "
      "same\n"
      "callback (sorts; \"vs plain list sort\": the plain list sorting itself with\n"
      "LVM_SORTITEMSEX, comparing the texts it holds; \"vs base + list order\": the baseline\n"
      "plus the list view ordering as many rows by a key it is handed, the part of a sort the\n"
      "list view does itself). KB is the change in private bytes, B/row\n"
      "that change per row; ratio = grid time / baseline time.\n");
  PrintHeader();
  // The column layout: written to and read from the application profile.
  {
    CGfxListCtrl layoutList;
    layoutList.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 300, 200), &lists.owner, 102);
    layoutList.SetProfileSection(L"Bench");
    CGfxColumnManager* manager = layoutList.GetColumnManager();
    int ids[32];
    for (int i = 0; i < 32; ++i) {
      wchar_t title[16];
      std::swprintf(title, 16, L"Column %d", i);
      manager->DefineColumn(i, title, nullptr, LVCFMT_LEFT, 60, GFXCOL_SORTABLE, -1, title);
      ids[i] = i;
    }
    manager->DefineDefaultColumns(32, ids);
    layoutList.OnInit();
    layoutList.SetupColumnData();
    Sample none;
    PrintRow("layout write (32 col)", 0, Measure([&] { return LayoutRoundTrip(layoutList, true); }),
             none);
    PrintRow("layout read (32 col)", 0, Measure([&] { return LayoutRoundTrip(layoutList, false); }),
             none);
    layoutList.SetProfileSection(L"");  // nothing written again on destroy
    layoutList.DestroyWindow();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Velotrace Bench");
  }
  // "quick" on the command line measures only the smallest size (a check that everything runs).
  const bool quick = std::wcsstr(::GetCommandLineW(), L"quick") != nullptr;
  RunRows(lists, 10000, true);
  if (!quick) {
    RunRows(lists, 100000, true);
    RunRows(lists, 1000000, false);
  }

  if (quick) {
    lists.Clear();
    lists.plain.DestroyWindow();
    lists.grid.DestroyWindow();
    frame.DestroyWindow();
    return 0;
  }
  // Destroying lists of a million rows takes the list view minutes (it deletes them one by
  // one); the process ends with them instead.
  std::fflush(stdout);
  ::ExitProcess(0);
}
