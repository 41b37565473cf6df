// The file wizard page's filter, recent-list display and recent-list update rules.
#include "wizard/logic/FilePageRules.h"

namespace file_page {

namespace {

struct ScriptKind {
  const wchar_t* pattern;
  const wchar_t* entry;
};

// In the order the host numbers its workload modules 1 to 4.
const ScriptKind kKinds[4] = {
    {L"*.vsb", L"|Velotrace Database Scripts (*.vsb)|*.vsb|"},
    {L"*.vsm", L"|Velotrace Messaging Scripts (*.vsm)|*.vsm|"},
    {L"*.vsw", L"|Velotrace Web Scripts (*.vsw)|*.vsw|"},
    {L"*.vsf", L"|Velotrace File Scripts (*.vsf)|*.vsf|"},
};

}  // namespace

CString ScriptFilter(const bool enabled[4], int nModuleCount) {
  CString strDescription = L"Velotrace Scripts ";
  CString strPatterns;
  for (int i = 0; i < 4; ++i) {
    if (!enabled[i]) continue;
    if (strDescription.Right(8) == L"Scripts ") {
      strDescription += CString(L"(") + kKinds[i].pattern;
      strPatterns += kKinds[i].pattern;
    } else {
      strDescription += CString(L";") + kKinds[i].pattern;
      strPatterns += CString(L";") + kKinds[i].pattern;
    }
  }
  CString strFilter = strDescription + L")|" + strPatterns;
  if (nModuleCount > 1)
    for (int i = 0; i < 4; ++i)
      if (enabled[i]) strFilter += kKinds[i].entry;
  strFilter += L"|All Files (*.*)|*.*||";
  return strFilter;
}

CString RecentListSection(const CString& strSection) {
  const CString strList = L"Recent File List";
  if (strSection.Right(strList.GetLength()) == strList) return strSection;
  return strSection + L"\\" + strList;
}

std::vector<CString> ShownRecentFiles(const std::vector<CString>& recent) {
  std::vector<CString> shown;
  for (size_t i = 0; i < recent.size() && i < size_t(kRecentShown); ++i) {
    bool bSeen = false;
    for (size_t j = 0; j < i && !bSeen; ++j) bSeen = recent[j] == recent[i];
    if (!bSeen) shown.push_back(recent[i]);
  }
  return shown;
}

std::vector<std::pair<CString, CString>> RecentListWrites(const CString& strPath,
                                                          const std::vector<CString>& recent) {
  std::vector<std::pair<CString, CString>> writes{{L"File1", strPath}};
  for (size_t k = 1; k <= recent.size(); ++k) {
    if (recent[k - 1] == strPath) continue;
    CString strName;
    strName.Format(L"File%d", int(k + 1));
    writes.emplace_back(strName, recent[k - 1]);
  }
  return writes;
}

}  // namespace file_page
