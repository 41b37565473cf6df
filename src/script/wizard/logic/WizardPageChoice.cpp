// WizardPageChoice: the page table of the script wizard and its catalogue lists.
#include "script/wizard/logic/WizardPageChoice.h"

#include <algorithm>
#include <iterator>

namespace tkw {
namespace wizard {

namespace {

struct NamedPage {
  const wchar_t* name;
  PageKind kind;
};

// Functions whose arguments do not follow their category's page.
const NamedPage kNamedPages[] = {
    {L"$QXConcat", PageKind::kRandomStrings},
    {L"$QXSum", PageKind::kRandomStrings},
    {L"$QXProd", PageKind::kRandomStrings},
    {L"$QXFormat", PageKind::kRandomStrings},
    {L"$QXList", PageKind::kList},
    {L"$QXAsc", PageKind::kSingleParameter},
    {L"$QXChr", PageKind::kSingleParameter},
    {L"$QXGetVar", PageKind::kSingleParameter},
    {L"$QXGetGlobalVar", PageKind::kSingleParameter},
    {L"$QXLen", PageKind::kSingleParameter},
    {L"$QXRand", PageKind::kSingleParameter},
    {L"$QXUpper", PageKind::kSingleParameter},
    {L"$QXLower", PageKind::kSingleParameter},
    {L"$QXTrim", PageKind::kSingleParameter},
    {L"$QXTrimLeft", PageKind::kSingleParameter},
    {L"$QXTrimRight", PageKind::kSingleParameter},
    {L"$QXProfile", PageKind::kSingleParameter},
    {L"$QXURand", PageKind::kSingleParameter},
    {L"$QXCurrentDate", PageKind::kSingleParameter},
    {L"$QXCurrentDateTime", PageKind::kSingleParameter},
    {L"$QXMid", PageKind::kRandomNumbers},
    {L"$QXRight", PageKind::kRandomNumbers},
    {L"$QXLeft", PageKind::kRandomNumbers},
    {L"$QXSetGlobalVar", PageKind::kRandomNumbers},
    {L"$QXSetGlobalVarRtn", PageKind::kRandomNumbers},
    {L"$QXSetVar", PageKind::kRandomNumbers},
    {L"$QXSetVarRtn", PageKind::kRandomNumbers},
    {L"$QXRandStr", PageKind::kFileAccess},
};

const PageKind kCategoryPages[6] = {
    PageKind::kDatesAndNumbers, PageKind::kFileAccess,         PageKind::kRandomStrings,
    PageKind::kRandomNumbers,   PageKind::kStringManipulation, PageKind::kNumericalManipulation,
};

}  // namespace

PageKind ChoosePage(const std::wstring& function, const std::wstring& selectedCaption,
                    const std::wstring& ownCategory, const CategoryCaptions& captions) {
  for (const NamedPage& named : kNamedPages)
    if (function == named.name) return named.kind;
  const std::wstring& caption = selectedCaption == captions.all ? ownCategory : selectedCaption;
  if (caption.empty()) return PageKind::kNone;
  for (size_t i = 0; i < std::size(kCategoryPages); ++i)
    if (caption == captions.categories[i]) return kCategoryPages[i];
  return PageKind::kNone;
}

std::vector<std::wstring> SplitKeywordList(const std::wstring& keywordList) {
  std::vector<std::wstring> names;
  std::wstring rest = keywordList;
  while (!rest.empty()) {
    // The list starts with a blank; the first name runs from after it to the next blank.
    const size_t start = rest.find_first_not_of(L' ');
    if (start == std::wstring::npos) break;
    const size_t end = rest.find(L' ', start);
    if (end == std::wstring::npos) break;  // the name runs to the end of the list
    names.push_back(rest.substr(start, end - start));
    rest.erase(0, end);
    if (rest.size() <= 1) rest.clear();
  }
  return names;
}

std::vector<std::wstring> SplitChoices(const std::wstring& text) {
  std::vector<std::wstring> values;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L';', start);
    if (end == std::wstring::npos) end = text.size();
    if (end > start) values.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return values;
}

}  // namespace wizard
}  // namespace tkw
