// Workbooks, worksheets and cell values of the spreadsheet server.
#include "Workbooks.h"

#include <algorithm>
#include <cwctype>

namespace sheet {

namespace {

const CellValue kEmpty;

// The n of a name "<prefix><n>", or 0.
long NumberAfter(const std::wstring& prefix, const std::wstring& name) {
  if (name.size() <= prefix.size() || !SameName(name.substr(0, prefix.size()), prefix)) return 0;
  long n = 0;
  for (size_t i = prefix.size(); i < name.size(); ++i) {
    if (!std::iswdigit(name[i]) || n > 100000) return 0;
    n = n * 10 + (name[i] - L'0');
  }
  return n;
}

}  // namespace

bool SameName(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

const CellValue& Worksheet::Cell(long row, long column) const {
  auto it = m_cells.find({row, column});
  return it == m_cells.end() ? kEmpty : it->second;
}

void Worksheet::SetCell(long row, long column, CellValue value) {
  if (std::holds_alternative<std::monostate>(value))
    m_cells.erase({row, column});
  else
    m_cells[{row, column}] = std::move(value);
}

CellArea Worksheet::UsedArea() const {
  if (m_cells.empty()) return {};
  CellArea area{m_cells.begin()->first.first, kMaxColumns, m_cells.rbegin()->first.first, 1};
  for (const auto& cell : m_cells) {
    area.left = std::min(area.left, cell.first.second);
    area.right = std::max(area.right, cell.first.second);
  }
  return area;
}

std::shared_ptr<Worksheet> Workbook::AddSheet() {
  long highest = 0;
  for (const auto& sheet : sheets)
    highest = std::max(highest, NumberAfter(L"Sheet", sheet->Name()));
  sheets.push_back(std::make_shared<Worksheet>(L"Sheet" + std::to_wstring(highest + 1)));
  return sheets.back();
}

std::shared_ptr<Worksheet> Workbook::Find(const std::wstring& sheetName) const {
  for (const auto& sheet : sheets)
    if (SameName(sheet->Name(), sheetName)) return sheet;
  return nullptr;
}

std::shared_ptr<Workbook> Workbooks::Add() {
  auto book = std::make_shared<Workbook>();
  book->name = L"Book" + std::to_wstring(m_nextNumber++);
  book->AddSheet();
  m_books.push_back(book);
  return book;
}

void Workbooks::Close(const std::shared_ptr<Workbook>& book) {
  m_books.erase(std::remove(m_books.begin(), m_books.end(), book), m_books.end());
}

std::shared_ptr<Workbook> Workbooks::Find(const std::wstring& bookName) const {
  for (const auto& book : m_books)
    if (SameName(book->name, bookName)) return book;
  return nullptr;
}

}  // namespace sheet
