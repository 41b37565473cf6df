// Chart template file names and filters.
#include "chart/logic/ChartTemplatePath.h"

namespace tkw {

CString CompleteTemplatePath(const CString& strPath) {
  const int n = strPath.GetLength();
  if (n >= 4 && strPath.Right(4).CompareNoCase(kChartTemplateExt) == 0) return strPath;
  return strPath + kChartTemplateExt;
}

std::wstring DialogFilter(const wchar_t* pszBars) {
  std::wstring filter(pszBars ? pszBars : L"");
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.push_back(L'\0');  // the list always ends with two NULs
  return filter;
}

}  // namespace tkw
