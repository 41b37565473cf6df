// Chart template names and the file dialog's filter.
#include <gtest/gtest.h>

#include <cwchar>

#include "chart/logic/ChartTemplatePath.h"

namespace {

TEST(ChartTemplatePath, CompletesTheExtensionUnlessItIsThereInAnyCase) {
  const struct {
    const wchar_t* in;
    const wchar_t* out;
  } cases[] = {{L"C:\\t\\report.cht", L"C:\\t\\report.cht"},
               {L"report.CHT", L"report.CHT"},
               {L"report", L"report.CHT"},
               {L"report.chart", L"report.chart.CHT"},
               {L"", L".CHT"},
               {L"cht", L"cht.CHT"}};
  for (const auto& c : cases) {
    const CString got = tkw::CompleteTemplatePath(c.in);
    EXPECT_STREQ(c.out, static_cast<LPCWSTR>(got));
  }
}

TEST(ChartTemplatePath, TheDoubleBarEndsTheFilterAfterTheTemplatePair) {
  const std::wstring f = tkw::DialogFilter(tkw::kChartTemplateFilter);
  // The dialog reads pairs of NUL-terminated strings until an empty one.
  std::vector<std::wstring> read;
  for (const wchar_t* p = f.c_str(); *p; p += std::wcslen(p) + 1) read.push_back(p);
  EXPECT_EQ((std::vector<std::wstring>{L"Chart Templates (*.CHT)", L"*.CHT"}), read);
}

}  // namespace
