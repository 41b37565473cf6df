// The file page's browse filter and recent-file list rules.
#include <gtest/gtest.h>

#include "wizard/logic/FilePageRules.h"

namespace {

using file_page::RecentListWrites;
using file_page::ScriptFilter;
using file_page::ShownRecentFiles;
using Paths = std::vector<CString>;

TEST(FilePageRules, FilterListsTheEnabledModulesScripts) {
  struct Case {
    bool enabled[4];
    int modules;
    const wchar_t* expected;
  };
  const Case cases[] = {
      {{true, true, true, true},
       1,
       L"Velotrace Scripts (*.vsb;*.vsm;*.vsw;*.vsf)|*.vsb;*.vsm;*.vsw;*.vsf|All Files "
       L"(*.*)|*.*||"},
      // Per-module entries end and begin with a bar: two in a row make a double bar.
      {{false, true, true, false},
       4,
       L"Velotrace Scripts (*.vsm;*.vsw)|*.vsm;*.vsw|Velotrace Messaging Scripts (*.vsm)|*.vsm|"
       L"|Velotrace Web Scripts (*.vsw)|*.vsw||All Files (*.*)|*.*||"},
      {{false, false, false, false}, 2, L"Velotrace Scripts )||All Files (*.*)|*.*||"},
  };
  for (const Case& t : cases) EXPECT_EQ(CString(t.expected), ScriptFilter(t.enabled, t.modules));
}

TEST(FilePageRules, SectionGetsTheRecentListOnce) {
  EXPECT_EQ(CString(L"Open\\Recent File List"), file_page::RecentListSection(L"Open"));
  EXPECT_EQ(CString(L"Open\\Recent File List"),
            file_page::RecentListSection(L"Open\\Recent File List"));
  EXPECT_EQ(CString(L"\\Recent File List"), file_page::RecentListSection(L""));
}

TEST(FilePageRules, ShownListSkipsRepeatsAndStopsAfterFour) {
  EXPECT_EQ((Paths{L"A", L"B"}), ShownRecentFiles({L"A", L"A", L"B"}));
  EXPECT_EQ((Paths{L"A", L"a", L"C"}), ShownRecentFiles({L"A", L"a", L"C", L"A", L"E"}));
  EXPECT_TRUE(ShownRecentFiles({}).empty());
}

TEST(FilePageRules, ChosenFileGoesFirstAndItsOldValueIsLeftAlone) {
  using Writes = std::vector<std::pair<CString, CString>>;
  EXPECT_EQ((Writes{{L"File1", L"B"}, {L"File2", L"A"}, {L"File4", L"C"}, {L"File5", L"D"}}),
            RecentListWrites(L"B", {L"A", L"B", L"C", L"D"}));
  EXPECT_EQ((Writes{{L"File1", L"N"}}), RecentListWrites(L"N", {}));
}

}  // namespace
