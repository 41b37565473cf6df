// Window-free rules of the file wizard page: the browse filter built from the enabled
// workload modules, the recent-file list as shown, and where a chosen file goes in the list.
#pragma once
#include <afx.h>

#include <utility>
#include <vector>

namespace file_page {

// The registry values the recent list is read from, in order.
constexpr int kRecentShown = 4;
// Longest path (with its terminator, in UTF-16 units) a recent-list value may hold.
constexpr int kRecentValueChars = 130;

// The browse filter of a finish page: one entry for the scripts of every enabled module
// (database, messaging, web, file), then, when the host has more than one module, one entry
// per enabled module, and "All Files".
CString ScriptFilter(const bool enabled[4], int nModuleCount);

// The section the recent list lives in: "\Recent File List" appended unless the section
// already ends with "Recent File List".
CString RecentListSection(const CString& strSection);

// The entries shown: the first four, each later one only when no earlier one is equal
// (case-sensitive).
std::vector<CString> ShownRecentFiles(const std::vector<CString>& recent);

// The values written when strPath is chosen from the recent list: "File1" = strPath, then
// the k-th recent entry to "File<k+1>" unless it equals strPath (that value is left alone).
std::vector<std::pair<CString, CString>> RecentListWrites(const CString& strPath,
                                                          const std::vector<CString>& recent);

}  // namespace file_page
