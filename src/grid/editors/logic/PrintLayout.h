// Page arithmetic of grid printing (window-free): margins, rows per page, page ranges,
// column widths scaled to the page and the remaining-time text of the status dialog.
#pragma once

#include <string>
#include <vector>

namespace tkw {
namespace print {

// The page number that stands for "last page unknown".
const int kUnknownPage = 65535;

// Millimetres to device units at dotsPerInch (through hundredths of a millimetre, as the
// printer's HIMETRIC mapping does).
int MillimetresToDevice(int mm, int dotsPerInch);

// Rows that fit below the header line: the printable height less one header height, or two
// when a footer line is printed, divided by the row height; at least 1.
int RowsPerPage(int printableHeight, int headerHeight, int rowHeight, bool withFooter);

// Pages for nRows rows at rowsPerPage a page, rounded up; at least 1.
int PageCount(int nRows, int rowsPerPage);

// The rows [first, last) that page p (1-based) prints.
struct RowSpan {
  int first = 0;
  int last = 0;
};
RowSpan RowsOfPage(int page, int rowsPerPage, int nRows);

// The pages a print job visits: from first, moving by step, stopping before end; count is
// the number of pages |end - first|.
struct PagePlan {
  int first = 1;
  int step = 1;
  int end = 2;
  int count = 1;
};
// from and to are the dialog's pages, kept within [minPage, maxPage]; a to below from
// prints backwards; a to of kUnknownPage prints until the job stops it.
PagePlan PlanPages(int from, int to, int minPage, int maxPage);

// Left edges of the columns on the page, plus the right edge of the last one (count + 1
// values): screen widths scaled by pageWidth / (sum of screen widths), so the table spans
// the page. Negative widths count as 0; with no width at all the columns share the page.
std::vector<int> ScaleColumns(const std::vector<int>& screenWidths, int pageWidth);

// "d minutes, s seconds" above a minute, "s seconds" below it, "??" while nothing is known
// (no average yet); empty for a single-page job, which shows no estimate. page is the
// 1-based ordinal of the page about to print, nPages the job's page count.
std::wstring RemainingTimeText(int page, int nPages, double averageMsPerPage);

// The integer percentage 100 × page / nPages (0 without pages).
int PercentDone(int page, int nPages);

}  // namespace print
}  // namespace tkw
