// A grid's rows exported to our own spreadsheet server through the dispatch drivers, and read
// back the way a host checks what it wrote.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridFixture.h"
#include "SpreadsheetServer.h"
#include "automation/SpreadsheetDispatch.h"

namespace {

using Table = std::vector<std::vector<std::wstring>>;

// An omitted optional argument.
COleVariant Missing() {
  return COleVariant(long(DISP_E_PARAMNOTFOUND), VT_ERROR);
}
COleVariant Var(const wchar_t* text) {
  return COleVariant(text);
}
COleVariant Var(long n) {
  return COleVariant(n);
}

// The status a failed call threw with, S_OK when it did not throw.
template <typename Call>
SCODE FailureOf(Call call) {
  try {
    call();
  } catch (COleException* e) {
    const SCODE sc = e->m_sc;
    e->Delete();
    return sc;
  }
  return S_OK;
}

// The texts of an area's values, row by row: one cell or the two-dimensional array.
Table Texts(VARIANT values) {
  Table table;
  if (!(V_VT(&values) & VT_ARRAY)) {
    ::VariantChangeType(&values, &values, 0, VT_BSTR);
    table.push_back({V_VT(&values) == VT_BSTR ? V_BSTR(&values) : L"?"});
  } else {
    SAFEARRAY* array = V_ARRAY(&values);
    LONG rows = 0, columns = 0;
    ::SafeArrayGetUBound(array, 1, &rows);
    ::SafeArrayGetUBound(array, 2, &columns);
    for (LONG r = 1; r <= rows; ++r) {
      table.emplace_back();
      for (LONG c = 1; c <= columns; ++c) {
        LONG at[2] = {r, c};
        VARIANT v;
        ::VariantInit(&v);
        ::SafeArrayGetElement(array, at, &v);
        ::VariantChangeType(&v, &v, 0, VT_BSTR);
        table.back().push_back(V_VT(&v) == VT_BSTR ? V_BSTR(&v) : L"?");
        ::VariantClear(&v);
      }
    }
  }
  ::VariantClear(&values);
  return table;
}

class SpreadsheetExport : public grid::GridFixture {
 protected:
  // The grid's columns' captions, then every row's cell texts as the owner gives them.
  Table GridTable() {
    Table table(1);
    CHeaderCtrl* header = list_->GetHeaderCtrl();
    for (int c = 0; c < header->GetItemCount(); ++c) {
      wchar_t caption[64] = {};
      HDITEM item = {};
      item.mask = HDI_TEXT;
      item.pszText = caption;
      item.cchTextMax = 64;
      header->GetItem(c, &item);
      table[0].push_back(caption);
    }
    for (int r = 0; r < list_->GetItemCount(); ++r) {
      table.emplace_back();
      for (int c = 0; c < header->GetItemCount(); ++c) {
        CString text;
        list_->GetItemTextEx(r, c, text);
        table.back().push_back(static_cast<LPCTSTR>(text));
      }
    }
    return table;
  }
};

TEST_F(SpreadsheetExport, GridRowsWrittenCellByCellReadBackAsOneArea) {
  MakeList();
  owner_.texts = {{{1, 0}, L"alpha"}, {{1, 1}, L"12"},  {{1, 2}, L"first"},
                  {{2, 0}, L"beta"},  {{2, 1}, L"7.5"}, {{2, 2}, L""},
                  {{3, 0}, L"gamma"}, {{3, 1}, L"-3"},  {{3, 2}, L"last row"}};
  AddRows(3);
  const Table rows = GridTable();
  ASSERT_EQ(4u, rows.size());

  _Application app(NewSpreadsheetApplication());
  Workbooks books(app.GetWorkbooks());
  _Workbook book(books.Add(Missing()));
  EXPECT_EQ(1, books.GetCount());
  Worksheets sheets(book.GetWorksheets());
  _Worksheet sheet(sheets.GetItem(Var(1L)));
  sheet.SetName(L"Export");
  EXPECT_EQ(CString(L"Export"), sheet.GetName());

  Range origin(sheet.GetRange(Var(L"A1"), Missing()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c) {
      VARIANT value = origin.GetItem(Var(static_cast<long>(r + 1)), Var(static_cast<long>(c + 1)));
      ASSERT_EQ(VT_DISPATCH, V_VT(&value)) << "a cell of the area";
      Range cell(V_DISPATCH(&value));  // takes the reference
      cell.SetValue(Var(rows[r][c].c_str()));
    }

  Range used(sheet.GetUsedRange());
  EXPECT_EQ(CString(L"$A$1:$C$4"), used.GetAddress(Missing(), Missing(), 1, Missing(), Missing()));
  Table back = Texts(used.GetValue());
  back[2][2] = L"";  // an empty text clears its cell, which reads back empty
  EXPECT_EQ(rows, back);

  // Found again by name through the collections, as a host reopening its export would.
  _Workbook again(books.GetItem(Var(L"book1")));
  Worksheets againSheets(again.GetWorksheets());
  _Worksheet againSheet(againSheets.GetItem(Var(L"EXPORT")));
  Range second(againSheet.GetRange(Var(L"A2"), Var(L"C2")));
  EXPECT_EQ((Table{rows[1]}), Texts(second.GetValue()));
  book.Close(Missing(), Missing(), Missing());
  EXPECT_EQ(0, books.GetCount());
}

TEST_F(SpreadsheetExport, ServerFailuresReachTheCallerAsOleExceptions) {
  _Application app(NewSpreadsheetApplication());
  Workbooks books(app.GetWorkbooks());
  _Workbook book(books.Add(Missing()));
  Worksheets sheets(book.GetWorksheets());
  EXPECT_EQ(DISP_E_BADINDEX, FailureOf([&] { sheets.GetItem(Var(2L)); })) << "no second sheet";
  _Worksheet sheet(sheets.GetItem(Var(1L)));
  EXPECT_EQ(DISP_E_TYPEMISMATCH, FailureOf([&] { sheet.GetRange(Var(L"A0"), Missing()); }))
      << "no row 0";
  EXPECT_EQ(DISP_E_MEMBERNOTFOUND, FailureOf([&] { app.GetRows(); }))
      << "a member the server does not answer";
}

}  // namespace
