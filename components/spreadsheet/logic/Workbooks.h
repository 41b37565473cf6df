// The spreadsheet server's documents: workbooks of named worksheets whose cells hold values.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "CellArea.h"

namespace sheet {

// A cell holds nothing, a number, a text or a truth value.
using CellValue = std::variant<std::monostate, double, std::wstring, bool>;

class Worksheet {
 public:
  explicit Worksheet(std::wstring name) : m_name(std::move(name)) {}

  const std::wstring& Name() const { return m_name; }
  void SetName(std::wstring name) { m_name = std::move(name); }

  const CellValue& Cell(long row, long column) const;
  // An empty value clears the cell, so that only filled cells are stored.
  void SetCell(long row, long column, CellValue value);
  // The smallest area holding every filled cell; A1 alone on an empty sheet.
  CellArea UsedArea() const;

 private:
  std::wstring m_name;
  std::map<std::pair<long, long>, CellValue> m_cells;  // (row, column)
};

struct Workbook {
  std::wstring name;
  std::vector<std::shared_ptr<Worksheet>> sheets;

  // Appends "Sheet<n>", n one past the highest such number in the book.
  std::shared_ptr<Worksheet> AddSheet();
  // By name, case ignored; null when absent.
  std::shared_ptr<Worksheet> Find(const std::wstring& sheetName) const;
};

// The open workbooks. Objects handed out share ownership, so a closed book stays readable to
// whoever still holds it.
class Workbooks {
 public:
  // "Book<n>", numbered over the server's life, with one sheet "Sheet1".
  std::shared_ptr<Workbook> Add();
  void Close(const std::shared_ptr<Workbook>& book);
  std::shared_ptr<Workbook> Find(const std::wstring& bookName) const;
  const std::vector<std::shared_ptr<Workbook>>& Books() const { return m_books; }

 private:
  std::vector<std::shared_ptr<Workbook>> m_books;
  int m_nextNumber = 1;
};

// Equal names ignoring case, as the application's sheet and book names compare.
bool SameName(const std::wstring& a, const std::wstring& b);

}  // namespace sheet
