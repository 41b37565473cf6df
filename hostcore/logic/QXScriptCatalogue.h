// The script function catalogue as plain data: read from its XML form, checked, looked up by name.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace qx {

// Parameter numbers and attribute kinds of the entries the script wizard reads.
enum : int {
  kParmFunction = 102,  // the entry describes the function as a whole
  kAttrCaption = 3,     // label of the argument's input (for kParmFunction: the page subtitle)
  kAttrChoices = 7,     // allowed values, separated by ";"
  kAttrColumn = 8,      // column caption of a list page's grid
};

struct ScriptParmEntry {
  int number = 0;     // 1 to 4, or kParmFunction
  int attribute = 0;  // kAttrCaption, kAttrChoices or kAttrColumn
  std::wstring text;
};

struct ScriptFunction {
  std::wstring name;      // with the "$QX" prefix, in the catalogue's letter case
  std::wstring category;  // caption of the category, as the wizard lists it
  std::wstring description;
  std::wstring parameterHelp;  // shown as the title of the editor's parameter tip
  std::wstring parmDef;        // parameter template; empty for a function without arguments
  std::vector<ScriptParmEntry> parms;
};

struct ScriptCatalogue {
  std::vector<ScriptFunction> functions;  // in file order
  std::vector<std::wstring> constants;    // in file order
};

// Reads the catalogue from UTF-8 XML:
//   <scriptcatalogue>
//     <constant name="RANGE"/>
//     <function name="$QXRandRange" category="Random numbers">
//       <template>(Min,Max)</template> <description>...</description> <help>...</help>
//       <parm number="1" kind="caption|choices|column">text</parm> ...
//     </function>
//   </scriptcatalogue>
// Texts are trimmed and their runs of white space become one blank, so long descriptions may be
// wrapped in the file. Anything unexpected (unknown elements or attributes, a name that is not
// "$QX" plus letters and digits, a name given twice, a parameter number or kind the wizard does not
// know, an empty choice) fails the whole catalogue: on failure out is empty and error says why.
bool ParseScriptCatalogue(const char* pData, std::size_t nSize, ScriptCatalogue& out,
                          std::wstring& error);

// True when name is a script function name: "$QX" followed by 1 to 64 ASCII letters or digits.
bool IsScriptFunctionName(const std::wstring& name);

// Finds a function by name, ignoring letter case, with or without the "$QX" prefix
// ("$QXRand", "$qxrand" and "Rand" find the same function). Null when there is none.
const ScriptFunction* FindScriptFunction(const ScriptCatalogue& catalogue,
                                         const std::wstring& name);

// The key FindScriptFunction compares: the name without its prefix, in lower case; empty when the
// name cannot be a function name at all.
std::wstring ScriptFunctionKey(const std::wstring& name);

// Splits a choices text at ";" (no trimming; an empty text gives no values).
std::vector<std::wstring> SplitChoices(const std::wstring& text);

}  // namespace qx
