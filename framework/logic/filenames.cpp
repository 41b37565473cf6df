// File name work of the file dialog, window-free.
#include "afxfilenames_.h"

namespace afx_internal {

std::wstring FilterFromBars(const wchar_t* lpszFilter) {
  std::wstring filter = lpszFilter ? lpszFilter : L"";
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  // A filter written without its closing "||" still needs the double terminator.
  if (filter.empty() || filter.back() != L'\0') filter.push_back(L'\0');
  return filter;
}

std::size_t NextSelectedPath(const wchar_t* buffer, std::size_t pos, std::wstring& path) {
  path.clear();
  if (!buffer || !buffer[pos]) return 0;
  const std::wstring first = buffer;
  const std::size_t afterFirst = first.size() + 1;
  if (!buffer[afterFirst]) {  // one file: the buffer holds its full path
    path = first;
    return 0;
  }
  // Several files: the first string is the folder, the names follow it.
  if (pos == 0) pos = afterFirst;
  const std::wstring name = buffer + pos;
  path = first;
  if (!path.empty() && path.back() != L'\\' && path.back() != L'/') path += L'\\';
  path += name;
  const std::size_t next = pos + name.size() + 1;
  return buffer[next] ? next : 0;
}

std::wstring FileNameOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/:");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring FileExtOf(const std::wstring& path) {
  const std::wstring name = FileNameOf(path);
  const std::size_t dot = name.rfind(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
}

std::wstring FileTitleOf(const std::wstring& path) {
  const std::wstring name = FileNameOf(path);
  return name.substr(0, name.rfind(L'.'));
}

}  // namespace afx_internal
