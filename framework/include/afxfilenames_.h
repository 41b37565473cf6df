// Window-free file name work of the file dialog: '|' filters, multi-selection buffers and
// the parts of a path.
#pragma once
#include <cstddef>
#include <string>

namespace afx_internal {

// "Text (*.txt)|*.txt|All|*.*||" as the dialog wants it: every '|' becomes a NUL, and the
// result always ends in two NULs (the string's own terminator makes the second).
std::wstring FilterFromBars(const wchar_t* lpszFilter);

// The selection buffer of an explorer-style dialog is either one full path followed by two
// NULs, or a folder followed by NUL-separated names. From offset pos, answers the next full
// path and the offset of the one after it, or 0 when there is none.
std::size_t NextSelectedPath(const wchar_t* buffer, std::size_t pos, std::wstring& path);

// "C:\dir\name.ext" → "name.ext", "ext", "name" (no dot gives an empty extension).
std::wstring FileNameOf(const std::wstring& path);
std::wstring FileExtOf(const std::wstring& path);
std::wstring FileTitleOf(const std::wstring& path);

}  // namespace afx_internal
