// WizardCallText: composing the script wizard's call texts and checking its fields.
#include "script/wizard/logic/WizardCallText.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <initializer_list>

namespace tkw {
namespace wizard {

namespace {

bool IsOneOf(const std::wstring& name, std::initializer_list<const wchar_t*> names) {
  for (const wchar_t* n : names)
    if (name == n) return true;
  return false;
}

bool IsRangeFunction(const std::wstring& name) {
  return !IsTextOrVariableFunction(name);
}

}  // namespace

bool IsExpression(const std::wstring& text) {
  for (size_t i = 0; i + 3 <= text.size(); ++i) {
    if (text[i] == L'$' && (text[i + 1] == L'q' || text[i + 1] == L'Q') &&
        (text[i + 2] == L'x' || text[i + 2] == L'X'))
      return true;
  }
  return false;
}

std::wstring QuoteUnlessExpression(const std::wstring& text) {
  return IsExpression(text) ? text : L"\"" + text + L"\"";
}

double ReadNumber(const std::wstring& text) {
  const double value = std::wcstod(text.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
}

bool ReadPositiveInt(const std::wstring& text, int* value) {
  const double number = std::trunc(ReadNumber(text));
  if (!(number > 0 && number <= double(INT_MAX))) return false;
  *value = static_cast<int>(number);
  return true;
}

bool ReadCharCode(const std::wstring& text, int* value) {
  const double number = ReadNumber(text);
  if (!(number >= 0 && number < 256)) return false;
  *value = static_cast<int>(number);
  return true;
}

int ToWholeNumber(const std::wstring& text) {
  const double number = std::trunc(ReadNumber(text));
  if (number >= double(INT_MAX)) return INT_MAX;
  if (number <= double(INT_MIN)) return INT_MIN;
  return static_cast<int>(number);
}

std::wstring ComposeDateCall(const std::wstring& name, const std::wstring& start,
                             const std::wstring& end) {
  return name + L"(\"" + start + L"\",\"" + end + L"\")";
}

bool IsTextOrVariableFunction(const std::wstring& name) {
  return IsOneOf(name, {L"$QXMid", L"$QXLeft", L"$QXRight"}) || IsVariableFunction(name);
}

bool IsVariableFunction(const std::wstring& name) {
  return IsOneOf(name, {L"$QXSetGlobalVar", L"$QXSetGlobalVarRtn", L"$QXSetVar", L"$QXSetVarRtn"});
}

bool IsRandNumInputFunction(const std::wstring& name) {
  return IsTextOrVariableFunction(name) || IsOneOf(name, {L"$QXRandRange", L"$QXURandRange"});
}

std::wstring ComposeRandNumCall(const std::wstring& name, const RandNumArgs& args) {
  std::wstring text = name + L"(";
  text += IsTextOrVariableFunction(name) ? QuoteUnlessExpression(args.first) : args.first;
  text += L",";
  text += IsVariableFunction(name) ? QuoteUnlessExpression(args.second) : args.second;
  if (name == L"$QXMid") text += L"," + args.third;
  return text + L")";
}

bool IsRandNumComplete(const std::wstring& name, const RandNumArgs& args) {
  if (name == L"$QXMid") return !args.first.empty() && !args.second.empty() && !args.third.empty();
  if (!IsRangeFunction(name)) return !args.first.empty() && !args.second.empty();
  if (IsExpression(args.first) || IsExpression(args.second)) return true;
  int low = 0, high = 0;
  return ReadPositiveInt(args.first, &low) && ReadPositiveInt(args.second, &high) && low < high;
}

std::wstring ComposeListCall(const std::wstring& name, const std::wstring& first,
                             const std::vector<std::wstring>& values) {
  std::wstring text = name + L"(" + first + L",";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += L",";
    text += QuoteUnlessExpression(values[i]);
  }
  return text + L")";
}

bool HasWeightColumn(const std::wstring& name) {
  return IsOneOf(name, {L"$QXRandMultiList", L"$QXRandList", L"$QXFormat"});
}

bool IsRandListValueValid(const std::wstring& name, const std::wstring& value) {
  if (IsOneOf(name, {L"$QXSum", L"$QXProd"}) && !IsExpression(value)) return ReadNumber(value) != 0;
  return !value.empty();
}

bool IsRandListWeightValid(const std::wstring& name, const std::wstring& weight) {
  if (IsExpression(weight)) return true;
  const double number = ReadNumber(weight);
  if (name == L"$QXFormat") return number >= 1;
  return number >= 1 && number <= 100;
}

std::wstring ComposeRandListCall(const std::wstring& name, const std::wstring& format,
                                 const std::vector<ValueRow>& rows) {
  std::wstring text = name + L"(";
  if (name == L"$QXFormat" && !format.empty()) text += L"\"" + format + L"\",";
  const bool plainNumbers = IsOneOf(name, {L"$QXSum", L"$QXProd"});
  const bool weighted =
      !plainNumbers && !IsOneOf(name, {L"$QXURandList", L"$QXConcat", L"$QXFormat"});
  for (size_t i = 0; i < rows.size(); ++i) {
    if (plainNumbers)
      text += rows[i].first;
    else if (name == L"$QXFormat")
      text += rows[i].second;
    else
      text += QuoteUnlessExpression(rows[i].first);
    if (weighted) text += L":" + rows[i].second;
    text += i + 1 < rows.size() ? L"," : L")";
  }
  if (rows.empty()) text += L")";
  return text;
}

bool IsFileAccessComplete(const std::wstring& name, const FileAccessArgs& args) {
  if (args.file.empty() || args.mode.empty()) return false;
  if (name == L"$QXRandStr") return true;
  if (args.mode == L"RANGE") return !args.third.empty() && !args.fourth.empty();
  if (args.mode == L"SELECTION") return !args.third.empty();
  return true;
}

std::wstring ComposeFileAccessCall(const std::wstring& name, const FileAccessArgs& args) {
  std::wstring text = name + L"(";
  text += name == L"$QXRandStr" ? args.file : L"\"" + args.file + L"\"";
  text += L"," + args.mode;
  if (!args.third.empty()) text += L"," + args.third;
  if (!args.fourth.empty()) text += L"," + args.fourth;
  return text + L")";
}

bool IsNumericSingleFunction(const std::wstring& name) {
  return IsOneOf(name, {L"$QXChr", L"$QXRand", L"$QXURand"});
}

bool CheckSingleArgument(const std::wstring& name, const std::wstring& text,
                         std::wstring* written) {
  *written = text;
  if (text.empty()) return false;
  if (IsExpression(text) || !IsNumericSingleFunction(name)) return true;
  int value = 0;
  const bool valid = name == L"$QXChr" ? ReadCharCode(text, &value) : ReadPositiveInt(text, &value);
  *written = valid ? std::to_wstring(value) : std::wstring();
  return valid;
}

std::wstring ComposeSingleCall(const std::wstring& name, const std::wstring& argument) {
  const bool plain = IsNumericSingleFunction(name) || name == L"$QXProfile";
  return name + L"(" + (plain ? argument : QuoteUnlessExpression(argument)) + L")";
}

}  // namespace wizard
}  // namespace tkw
