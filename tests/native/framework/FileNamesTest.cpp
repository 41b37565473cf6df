// The file dialog's window-free name work: '|' filters, selection buffers, path parts.
#include "afxfilenames_.h"

#include <gtest/gtest.h>

#include <vector>

using namespace afx_internal;

namespace {

TEST(FileDialogNames, FilterBarsBecomeNulsWithADoubleEnd) {
  const std::wstring f = FilterFromBars(L"Text|*.txt|All|*.*||");
  EXPECT_EQ(std::wstring(L"Text\0*.txt\0All\0*.*\0\0", 20), f);
  // Without the closing bars the dialog still sees the list end.
  const std::wstring open = FilterFromBars(L"Text|*.txt");
  EXPECT_EQ(std::wstring(L"Text\0*.txt\0", 11), open);
  EXPECT_EQ(std::wstring(1, L'\0'), FilterFromBars(nullptr));
}

std::vector<std::wstring> Walk(const std::wstring& buffer) {
  std::vector<std::wstring> paths;
  std::wstring path;
  std::size_t pos = 0;
  do {
    pos = NextSelectedPath(buffer.c_str(), pos, path);
    if (!path.empty()) paths.push_back(path);
  } while (pos && paths.size() < 10);
  return paths;
}

TEST(FileDialogNames, SelectionBuffersGiveEveryFullPathInOrder) {
  using L = std::vector<std::wstring>;
  EXPECT_EQ(L({L"C:\\d\\one.txt"}), Walk(std::wstring(L"C:\\d\\one.txt\0\0", 15)));
  EXPECT_EQ(L({L"C:\\d\\a.txt", L"C:\\d\\b"}), Walk(std::wstring(L"C:\\d\0a.txt\0b\0\0", 14)));
  EXPECT_EQ(L({L"C:\\x.txt"}), Walk(std::wstring(L"C:\\\0x.txt\0\0", 11)))
      << "a root folder keeps its one backslash";
  EXPECT_EQ(L(), Walk(std::wstring(2, L'\0')));
}

TEST(FileDialogNames, PathPartsSplitAtTheLastSeparatorAndDot) {
  struct Case {
    const wchar_t* path;
    const wchar_t *name, *ext, *title;
  } cases[] = {
      {L"C:\\dir\\report.final.prn", L"report.final.prn", L"prn", L"report.final"},
      {L"C:\\dir.d\\noext", L"noext", L"", L"noext"},
      {L"plain.txt", L"plain.txt", L"txt", L"plain"},
      {L"C:\\dir\\", L"", L"", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.name, FileNameOf(c.path)) << c.path;
    EXPECT_EQ(c.ext, FileExtOf(c.path)) << c.path;
    EXPECT_EQ(c.title, FileTitleOf(c.path)) << c.path;
  }
}

}  // namespace
