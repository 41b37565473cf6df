// Grid printing's page arithmetic: margins, rows per page, page plans, column scaling and the
// remaining-time text.
#include "grid/editors/logic/PrintLayout.h"

#include <gtest/gtest.h>

using namespace tkw::print;

namespace {

TEST(PrintLayout, MarginsRowsAndPages) {
  EXPECT_EQ(236, MillimetresToDevice(10, 600));  // 1000 HIMETRIC at 600 dpi
  EXPECT_EQ(0, MillimetresToDevice(0, 600));
  EXPECT_EQ(118110236, MillimetresToDevice(5000000, 600)) << "no 32-bit overflow";

  struct Case {
    int height, header, row;
    bool footer;
    int rows;
  } cases[] = {
      {1000, 100, 100, false, 9}, {1000, 100, 100, true, 8},  // a footer costs one header line
      {1050, 50, 100, false, 10}, {50, 100, 10, false, 1},    // never less than one row
      {1000, 10, 0, false, 1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.rows, RowsPerPage(c.height, c.header, c.row, c.footer))
        << c.height << "/" << c.header << "/" << c.row << " footer " << c.footer;

  EXPECT_EQ(1, PageCount(0, 10));
  EXPECT_EQ(1, PageCount(10, 10));
  EXPECT_EQ(2, PageCount(20, 10)) << "rows that exactly fill two pages";
  EXPECT_EQ(3, PageCount(21, 10));
  EXPECT_EQ(10, RowsOfPage(2, 10, 25).first);
  EXPECT_EQ(25, RowsOfPage(3, 10, 25).last) << "the last page stops at the last row";
  EXPECT_EQ(RowsOfPage(9, 10, 25).first, RowsOfPage(9, 10, 25).last) << "past the end: none";
}

TEST(PrintLayout, PagePlansGoForwardsBackwardsOrOpenEnded) {
  struct Case {
    int from, to, min, max;
    int first, step, end, count;
  } cases[] = {
      {1, 3, 1, 5, 1, 1, 4, 3},
      {4, 2, 1, 5, 4, -1, 1, 3},  // descending
      {0, 9, 1, 5, 1, 1, 6, 5},   // kept within the job's pages
      {2, 2, 1, 5, 2, 1, 3, 1},
      {1, kUnknownPage, 1, kUnknownPage, 1, 1, kUnknownPage, kUnknownPage - 1},
      {3, 1, 1, 0, 1, 1, 2, 1},  // a maximum below the minimum becomes the minimum
  };
  for (const Case& c : cases) {
    const PagePlan p = PlanPages(c.from, c.to, c.min, c.max);
    EXPECT_EQ(c.first, p.first) << c.from << ".." << c.to;
    EXPECT_EQ(c.step, p.step) << c.from << ".." << c.to;
    EXPECT_EQ(c.end, p.end) << c.from << ".." << c.to;
    EXPECT_EQ(c.count, p.count) << c.from << ".." << c.to;
  }
}

TEST(PrintLayout, ColumnsSpanThePageInProportion) {
  using V = std::vector<int>;
  EXPECT_EQ(V({0, 250, 1000}), ScaleColumns({100, 300}, 1000));
  EXPECT_EQ(V({0, 333, 666, 1000}), ScaleColumns({0, 0, 0}, 1000)) << "no width: equal shares";
  EXPECT_EQ(V({0, 0, 1000}), ScaleColumns({-5, 20}, 1000));
  EXPECT_EQ(V({0}), ScaleColumns({}, 1000));
  const V wide = ScaleColumns(V(7, 1), 1000);
  EXPECT_EQ(1000, wide.back()) << "rounding never leaves a gap at the right";
}

TEST(PrintLayout, RemainingTimeAndPercent) {
  struct Case {
    int page, pages;
    double avg;
    const wchar_t* text;
  } cases[] = {
      {1, 10, 0, L"??"},
      {2, 10, 5000, L"45 seconds"},
      {2, 10, 8000, L"1 minutes, 12 seconds"},
      {10, 10, 60000, L"60 seconds"},
      {1, 1, 5000, L""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.text, RemainingTimeText(c.page, c.pages, c.avg)) << c.page << "/" << c.pages;
  EXPECT_EQ(33, PercentDone(1, 3));
  EXPECT_EQ(100, PercentDone(3, 3));
  EXPECT_EQ(0, PercentDone(1, 0));
}

}  // namespace
