// Which argument page the script wizard opens for a function, and the lists it reads from the
// catalogue: the function names of the editor's keyword list and a parameter's choices.
#pragma once

#include <string>
#include <vector>

namespace tkw {
namespace wizard {

// Argument page kinds, one registered sheet message each. The two manipulation kinds have a
// message but no page.
enum class PageKind {
  kNone,
  kDatesAndNumbers,
  kFileAccess,
  kRandomStrings,
  kRandomNumbers,
  kSingleParameter,
  kList,
  kStringManipulation,
  kNumericalManipulation,
};

// Category captions as the resource module holds them: all functions, then the six categories
// in the order date and time, file access, random strings, random numbers, string, numeric.
struct CategoryCaptions {
  std::wstring all;
  std::wstring categories[6];
};

// The page for a function: some names decide by themselves (case-sensitive); any other function
// goes by the selected category caption, or by its own category while "all" is selected.
PageKind ChoosePage(const std::wstring& function, const std::wstring& selectedCaption,
                    const std::wstring& ownCategory, const CategoryCaptions& captions);

// The names of a keyword list of the form " name name ... ", in order. Scanning stops at a name
// that runs to the end of the list (a list without its trailing blank).
std::vector<std::wstring> SplitKeywordList(const std::wstring& keywordList);

// The values of a choices entry, split at ";"; empty values are dropped.
std::vector<std::wstring> SplitChoices(const std::wstring& text);

}  // namespace wizard
}  // namespace tkw
