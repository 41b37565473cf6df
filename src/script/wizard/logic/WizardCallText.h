// The call texts the script wizard's pages compose from their fields, and the checks that
// decide whether a field's text is usable. Quote characters inside a value are written as they
// are: the host's script reader takes the text up to the closing quote of the call.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tkw {
namespace wizard {

// A value is an expression (a nested script call, written unchanged) when its text contains
// "$qx" in any letter case.
bool IsExpression(const std::wstring& text);
// The value in double quotes, unless it is an expression.
std::wstring QuoteUnlessExpression(const std::wstring& text);

// Reads the number at the start of a text as the host does: leading blanks skipped, then an
// optional sign, digits, a fraction and an exponent; 0 when the text does not begin with one.
double ReadNumber(const std::wstring& text);
// A count or bound above 0 and at most 2147483647, cut to a whole number; false otherwise.
bool ReadPositiveInt(const std::wstring& text, int* value);
// A character code from 0 to 255, cut to a whole number; false otherwise.
bool ReadCharCode(const std::wstring& text, int* value);
// A number cut to a whole number for writing back ("%d"), clamped to the int range.
int ToWholeNumber(const std::wstring& text);

// name("start","end"): dates as MM/DD/YYYY.
std::wstring ComposeDateCall(const std::wstring& name, const std::wstring& start,
                             const std::wstring& end);

// The random numbers page: ranges, substrings and variable assignments.
struct RandNumArgs {
  std::wstring first, second, third;
};
bool IsTextOrVariableFunction(const std::wstring& name);  // the seven that take text arguments
bool IsVariableFunction(const std::wstring& name);        // the four that assign variables
bool IsRandNumInputFunction(const std::wstring& name);    // the nine with inputs on the page
std::wstring ComposeRandNumCall(const std::wstring& name, const RandNumArgs& args);
// The range functions need both bounds as numbers, the first below the second, unless either is
// an expression; the others need their arguments non-empty.
bool IsRandNumComplete(const std::wstring& name, const RandNumArgs& args);

// name(first,value,value...): the list page.
std::wstring ComposeListCall(const std::wstring& name, const std::wstring& first,
                             const std::vector<std::wstring>& values);
constexpr int kMaxListRows = 16;

// The random list page's rows: value and weight.
using ValueRow = std::pair<std::wstring, std::wstring>;
bool HasWeightColumn(const std::wstring& name);  // two grid columns
bool IsRandListValueValid(const std::wstring& name, const std::wstring& value);
bool IsRandListWeightValid(const std::wstring& name, const std::wstring& weight);
std::wstring ComposeRandListCall(const std::wstring& name, const std::wstring& format,
                                 const std::vector<ValueRow>& rows);

// The file access page.
struct FileAccessArgs {
  std::wstring file, mode, third, fourth;
};
bool IsFileAccessComplete(const std::wstring& name, const FileAccessArgs& args);
std::wstring ComposeFileAccessCall(const std::wstring& name, const FileAccessArgs& args);

// The single-parameter page: the check of a typed argument (true when usable; *written gets
// the text to write back, empty for an invalid number) and the call.
bool CheckSingleArgument(const std::wstring& name, const std::wstring& text, std::wstring* written);
bool IsNumericSingleFunction(const std::wstring& name);  // $QXChr, $QXRand, $QXURand
std::wstring ComposeSingleCall(const std::wstring& name, const std::wstring& argument);

}  // namespace wizard
}  // namespace tkw
