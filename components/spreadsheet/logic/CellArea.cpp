// A1 addresses of cell areas.
#include "CellArea.h"

#include <algorithm>

namespace sheet {

namespace {

bool IsLetter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}
bool IsDigit(wchar_t c) {
  return c >= L'0' && c <= L'9';
}

// One corner: optional '$', letters, optional '$', digits; nothing else.
bool ParseCell(std::wstring_view text, long* row, long* column) {
  size_t i = 0;
  if (i < text.size() && text[i] == L'$') ++i;
  const size_t lettersStart = i;
  while (i < text.size() && IsLetter(text[i])) ++i;
  // Three letters already pass the last column; stopping there keeps the arithmetic small.
  if (i == lettersStart || i - lettersStart > 2) return false;
  *column = ColumnNumber(text.substr(lettersStart, i - lettersStart));
  if (i < text.size() && text[i] == L'$') ++i;
  const size_t digitsStart = i;
  long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - L'0');
    if (value > kMaxRows) return false;
  }
  *row = value;
  return i == text.size() && i > digitsStart && *row >= 1 && *column >= 1;
}

}  // namespace

long ColumnNumber(std::wstring_view letters) {
  if (letters.empty() || letters.size() > 2) return 0;
  long column = 0;
  for (wchar_t c : letters) {
    if (!IsLetter(c)) return 0;
    column = column * 26 + ((c | 0x20) - L'a' + 1);
  }
  return column <= kMaxColumns ? column : 0;
}

std::wstring ColumnLetters(long column) {
  if (column < 1 || column > kMaxColumns) return {};
  std::wstring letters;
  for (; column > 0; column = (column - 1) / 26)
    letters.insert(letters.begin(), static_cast<wchar_t>(L'A' + (column - 1) % 26));
  return letters;
}

bool ParseArea(std::wstring_view text, CellArea* area) {
  const size_t colon = text.find(L':');
  long r1 = 0, c1 = 0, r2 = 0, c2 = 0;
  if (colon == std::wstring_view::npos) {
    if (!ParseCell(text, &r1, &c1)) return false;
    r2 = r1;
    c2 = c1;
  } else if (!ParseCell(text.substr(0, colon), &r1, &c1) ||
             !ParseCell(text.substr(colon + 1), &r2, &c2)) {
    return false;
  }
  *area = {std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2)};
  return true;
}

std::wstring FormatArea(const CellArea& area, bool absolute) {
  const std::wstring dollar = absolute ? L"$" : L"";
  auto cell = [&](long row, long column) {
    return dollar + ColumnLetters(column) + dollar + std::to_wstring(row);
  };
  std::wstring text = cell(area.top, area.left);
  if (area.Count() > 1) text += L":" + cell(area.bottom, area.right);
  return text;
}

bool IsValidArea(const CellArea& area) {
  return area.top >= 1 && area.left >= 1 && area.top <= area.bottom && area.left <= area.right &&
         area.bottom <= kMaxRows && area.right <= kMaxColumns;
}

}  // namespace sheet
