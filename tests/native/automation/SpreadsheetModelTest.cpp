// The spreadsheet server's window-free part: A1 addresses and the workbook model.
#include <gtest/gtest.h>

#include "logic/CellArea.h"
#include "logic/Workbooks.h"

namespace {

using sheet::CellArea;

TEST(SpreadsheetAddress, ColumnLettersRoundTripAtTheEdges) {
  const struct {
    long column;
    const wchar_t* letters;
  } cases[] = {{1, L"A"}, {26, L"Z"}, {27, L"AA"}, {52, L"AZ"}, {53, L"BA"}, {256, L"IV"}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.letters, sheet::ColumnLetters(c.column)) << c.column;
    EXPECT_EQ(c.column, sheet::ColumnNumber(c.letters)) << c.column;
  }
  for (const wchar_t* bad : {L"", L"IW", L"AAA", L"A1", L"-"})
    EXPECT_EQ(0, sheet::ColumnNumber(bad)) << "accepted " << testing::PrintToString(bad);
  EXPECT_EQ(L"", sheet::ColumnLetters(0));
  EXPECT_EQ(L"", sheet::ColumnLetters(257));
}

TEST(SpreadsheetAddress, AreasParseAndFormat) {
  const struct {
    const wchar_t* text;
    CellArea area;
    const wchar_t* formatted;
  } cases[] = {
      {L"A1", {1, 1, 1, 1}, L"$A$1"},
      {L"$b$2", {2, 2, 2, 2}, L"$B$2"},
      {L"A1:C3", {1, 1, 3, 3}, L"$A$1:$C$3"},
      {L"C3:A1", {1, 1, 3, 3}, L"$A$1:$C$3"},  // corners in any order
      {L"A3:C1", {1, 1, 3, 3}, L"$A$1:$C$3"},
      {L"IV65536", {65536, 256, 65536, 256}, L"$IV$65536"},
  };
  for (const auto& c : cases) {
    CellArea area;
    ASSERT_TRUE(sheet::ParseArea(c.text, &area)) << testing::PrintToString(c.text);
    EXPECT_EQ(c.area, area) << testing::PrintToString(c.text);
    EXPECT_EQ(c.formatted, sheet::FormatArea(area)) << testing::PrintToString(c.text);
  }
  EXPECT_EQ(L"B2:C4", sheet::FormatArea({2, 2, 4, 3}, false));
  for (const wchar_t* bad : {L"", L"A", L"1", L"A0", L"1A", L"A1:", L":A1", L"A1:B2:C3", L"IW1",
                             L"A65537", L"A99999999999", L"A 1", L"$$A1"}) {
    CellArea area;
    EXPECT_FALSE(sheet::ParseArea(bad, &area)) << "accepted " << testing::PrintToString(bad);
  }
}

TEST(SpreadsheetModel, BooksAndSheetsAreNamedAndFoundIgnoringCase) {
  sheet::Workbooks books;
  auto first = books.Add();
  auto second = books.Add();
  EXPECT_EQ(L"Book1", first->name);
  EXPECT_EQ(L"Book2", second->name);
  ASSERT_EQ(1u, first->sheets.size());
  EXPECT_EQ(L"Sheet1", first->sheets[0]->Name());
  first->sheets[0]->SetName(L"Sheet7");
  EXPECT_EQ(L"Sheet8", first->AddSheet()->Name()) << "one past the highest number";
  EXPECT_EQ(first->sheets[1], first->Find(L"SHEET8"));
  EXPECT_EQ(nullptr, first->Find(L"Sheet1"));
  books.Close(first);
  EXPECT_EQ(nullptr, books.Find(L"book1"));
  EXPECT_EQ(second, books.Find(L"book2"));
  EXPECT_EQ(L"Book3", books.Add()->name) << "numbers are not reused after a close";
}

TEST(SpreadsheetModel, CellsStoreValuesAndTheUsedAreaCoversThem) {
  sheet::Worksheet ws(L"Sheet1");
  EXPECT_EQ((CellArea{1, 1, 1, 1}), ws.UsedArea());
  ws.SetCell(3, 5, std::wstring(L"text"));
  ws.SetCell(7, 2, 2.5);
  ws.SetCell(4, 9, true);
  EXPECT_EQ((CellArea{3, 2, 7, 9}), ws.UsedArea());
  EXPECT_EQ(sheet::CellValue(std::wstring(L"text")), ws.Cell(3, 5));
  EXPECT_EQ(sheet::CellValue(2.5), ws.Cell(7, 2));
  ws.SetCell(4, 9, sheet::CellValue());
  EXPECT_EQ((CellArea{3, 2, 7, 5}), ws.UsedArea()) << "a cleared cell leaves the area";
  EXPECT_TRUE(std::holds_alternative<std::monostate>(ws.Cell(4, 9)));
}

}  // namespace
