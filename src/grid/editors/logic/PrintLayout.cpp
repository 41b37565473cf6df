// Page arithmetic of grid printing.
#include "PrintLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tkw {
namespace print {

int MillimetresToDevice(int mm, int dotsPerInch) {
  // 64-bit: a huge margin at a high resolution must not wrap.
  const std::int64_t himetric = std::int64_t(mm) * 100;
  return int(himetric * dotsPerInch / 2540);
}

int RowsPerPage(int printableHeight, int headerHeight, int rowHeight, bool withFooter) {
  if (rowHeight <= 0) return 1;
  const int room = printableHeight - headerHeight * (withFooter ? 2 : 1);
  return std::max(1, room / rowHeight);
}

int PageCount(int nRows, int rowsPerPage) {
  if (nRows <= 0 || rowsPerPage <= 0) return 1;
  return std::max(1, int((std::int64_t(nRows) + rowsPerPage - 1) / rowsPerPage));
}

RowSpan RowsOfPage(int page, int rowsPerPage, int nRows) {
  RowSpan span;
  const std::int64_t first = std::int64_t(page - 1) * rowsPerPage;
  span.first = int(std::clamp<std::int64_t>(first, 0, std::max(0, nRows)));
  span.last = int(std::clamp<std::int64_t>(first + rowsPerPage, span.first, std::max(0, nRows)));
  return span;
}

PagePlan PlanPages(int from, int to, int minPage, int maxPage) {
  if (maxPage < minPage) maxPage = minPage;
  PagePlan plan;
  plan.first = std::clamp(from, minPage, maxPage);
  const int last = std::clamp(to, minPage, maxPage);
  plan.step = last < plan.first ? -1 : 1;
  plan.end = last == kUnknownPage ? kUnknownPage : last + plan.step;
  plan.count = std::abs(plan.end - plan.first);
  return plan;
}

std::vector<int> ScaleColumns(const std::vector<int>& screenWidths, int pageWidth) {
  std::vector<int> edges(1, 0);
  if (screenWidths.empty()) return edges;
  std::int64_t total = 0;
  for (int w : screenWidths) total += std::max(0, w);
  const std::int64_t n = std::int64_t(screenWidths.size());
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < screenWidths.size(); ++i) {
    // Edges come from running sums, so rounding never drifts and the last edge is the page's.
    sum += total > 0 ? std::max(0, screenWidths[i]) : 1;
    const std::int64_t whole = total > 0 ? total : n;
    edges.push_back(int(sum * pageWidth / whole));
  }
  return edges;
}

std::wstring RemainingTimeText(int page, int nPages, double averageMsPerPage) {
  if (nPages <= 1) return std::wstring();
  const int seconds = int(double(nPages - page + 1) * averageMsPerPage / 1000.0);
  wchar_t text[64];
  if (seconds > 60)
    std::swprintf(text, 64, L"%d minutes, %d seconds", seconds / 60, seconds % 60);
  else if (seconds == 0)
    return L"??";
  else
    std::swprintf(text, 64, L"%d seconds", seconds);
  return text;
}

int PercentDone(int page, int nPages) {
  return nPages > 0 ? int(std::int64_t(page) * 100 / nPages) : 0;
}

}  // namespace print
}  // namespace tkw
