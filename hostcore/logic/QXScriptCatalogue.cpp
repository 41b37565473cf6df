// Reading and checking the script function catalogue.
#include "QXScriptCatalogue.h"

#include "QXXmlReader.h"

#include <set>

namespace qx {

namespace {

constexpr std::size_t kMaxFunctions = 1000;
constexpr std::size_t kMaxConstants = 1000;
constexpr std::size_t kMaxParmsPerFunction = 40;
constexpr std::size_t kMaxTextLength = 4096;

struct CatalogueError {
  int line;
  std::wstring message;
};

bool IsAsciiAlnum(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9');
}

wchar_t AsciiLower(wchar_t c) {
  return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// Trims and folds white space runs into one blank.
std::wstring Normalise(const std::wstring& text) {
  std::wstring out;
  bool pending = false;
  for (wchar_t c : text) {
    if (IsBlank(c)) {
      pending = !out.empty();
      continue;
    }
    if (pending) out += L' ';
    pending = false;
    out += c;
  }
  return out;
}

[[noreturn]] void Fail(const XmlNode& node, const std::wstring& message) {
  throw CatalogueError{node.line, message};
}

std::wstring CheckedText(const XmlNode& node, const std::wstring& raw, const wchar_t* what) {
  std::wstring text = Normalise(raw);
  if (text.size() > kMaxTextLength)
    Fail(node, std::wstring(what) + L" is longer than " + std::to_wstring(kMaxTextLength) +
                   L" characters");
  return text;
}

void OnlyAttributes(const XmlNode& node, std::initializer_list<const wchar_t*> allowed) {
  for (const auto& attribute : node.attributes) {
    bool known = false;
    for (const wchar_t* name : allowed) known = known || attribute.first == name;
    if (!known) Fail(node, L"<" + node.name + L"> has an unknown attribute " + attribute.first);
  }
}

void NoChildren(const XmlNode& node) {
  if (!node.children.empty())
    Fail(node.children.front(),
         L"<" + node.name + L"> cannot hold <" + node.children.front().name + L">");
}

const std::wstring& RequiredAttribute(const XmlNode& node, const wchar_t* name) {
  const std::wstring* value = node.Attribute(name);
  if (!value) Fail(node, L"<" + node.name + L"> has no " + name + L" attribute");
  return *value;
}

ScriptParmEntry ReadParm(const XmlNode& node) {
  OnlyAttributes(node, {L"number", L"kind"});
  NoChildren(node);
  ScriptParmEntry entry;
  const std::wstring& number = RequiredAttribute(node, L"number");
  if (number == L"1" || number == L"2" || number == L"3" || number == L"4")
    entry.number = number[0] - L'0';
  else if (number == L"102")
    entry.number = kParmFunction;
  else
    Fail(node, L"parameter number " + number + L" is not 1 to 4 or 102");
  const std::wstring& kind = RequiredAttribute(node, L"kind");
  if (kind == L"caption")
    entry.attribute = kAttrCaption;
  else if (kind == L"choices")
    entry.attribute = kAttrChoices;
  else if (kind == L"column")
    entry.attribute = kAttrColumn;
  else
    Fail(node, L"parameter kind " + kind + L" is not caption, choices or column");
  entry.text = CheckedText(node, node.text, L"a parameter text");
  if (entry.text.empty()) Fail(node, L"a parameter entry has no text");
  if (entry.attribute == kAttrChoices) {
    for (const std::wstring& value : SplitChoices(entry.text)) {
      if (Normalise(value).empty())
        Fail(node, L"the choices \"" + entry.text + L"\" hold an empty value");
    }
  }
  return entry;
}

ScriptFunction ReadFunction(const XmlNode& node) {
  OnlyAttributes(node, {L"name", L"category"});
  if (!Normalise(node.text).empty()) Fail(node, L"<function> holds loose text");
  ScriptFunction function;
  function.name = RequiredAttribute(node, L"name");
  if (!IsScriptFunctionName(function.name))
    Fail(node,
         L"\"" + function.name + L"\" is not a function name ($QX followed by letters and digits)");
  function.category = CheckedText(node, RequiredAttribute(node, L"category"), L"a category");
  if (function.category.empty()) Fail(node, function.name + L" has an empty category");
  bool seenTemplate = false, seenDescription = false, seenHelp = false;
  for (const XmlNode& child : node.children) {
    if (child.name == L"parm") {
      if (function.parms.size() >= kMaxParmsPerFunction)
        Fail(child, function.name + L" has too many parameter entries");
      function.parms.push_back(ReadParm(child));
      continue;
    }
    bool* seen = nullptr;
    std::wstring* target = nullptr;
    if (child.name == L"template") {
      seen = &seenTemplate;
      target = &function.parmDef;
    } else if (child.name == L"description") {
      seen = &seenDescription;
      target = &function.description;
    } else if (child.name == L"help") {
      seen = &seenHelp;
      target = &function.parameterHelp;
    } else {
      Fail(child, L"<function> cannot hold <" + child.name + L">");
    }
    if (*seen) Fail(child, function.name + L" has more than one <" + child.name + L">");
    *seen = true;
    OnlyAttributes(child, {});
    NoChildren(child);
    *target = CheckedText(child, child.text, L"a function text");
  }
  if (function.description.empty()) Fail(node, function.name + L" has no description");
  return function;
}

void ReadCatalogue(const XmlNode& root, ScriptCatalogue& catalogue) {
  if (root.name != L"scriptcatalogue")
    Fail(root, L"the root element is <" + root.name + L">, not <scriptcatalogue>");
  OnlyAttributes(root, {L"version"});
  std::set<std::wstring> names;
  std::set<std::wstring> constants;
  for (const XmlNode& child : root.children) {
    if (child.name == L"function") {
      if (catalogue.functions.size() >= kMaxFunctions)
        Fail(child, L"the catalogue has too many functions");
      ScriptFunction function = ReadFunction(child);
      if (!names.insert(ScriptFunctionKey(function.name)).second)
        Fail(child, function.name + L" is listed twice");
      catalogue.functions.push_back(std::move(function));
    } else if (child.name == L"constant") {
      OnlyAttributes(child, {L"name"});
      NoChildren(child);
      const std::wstring& name = RequiredAttribute(child, L"name");
      // The script editor keeps constants in one blank-separated string.
      bool plain = !name.empty() && name.size() <= 64;
      for (wchar_t c : name) plain = plain && !IsBlank(c) && c != L'(' && c != L')' && c != L',';
      if (!plain) Fail(child, L"\"" + name + L"\" is not a constant name");
      if (catalogue.constants.size() >= kMaxConstants)
        Fail(child, L"the catalogue has too many constants");
      if (!constants.insert(name).second)
        Fail(child, L"the constant " + name + L" is listed twice");
      catalogue.constants.push_back(name);
    } else {
      Fail(child, L"<scriptcatalogue> cannot hold <" + child.name + L">");
    }
  }
}

}  // namespace

bool IsScriptFunctionName(const std::wstring& name) {
  if (name.size() < 4 || name.size() > 3 + 64 || name.compare(0, 3, L"$QX") != 0) return false;
  for (std::size_t i = 3; i < name.size(); ++i) {
    if (!IsAsciiAlnum(name[i])) return false;
  }
  return true;
}

std::wstring ScriptFunctionKey(const std::wstring& name) {
  std::size_t start = 0;
  if (name.size() >= 3 && name[0] == L'$' && AsciiLower(name[1]) == L'q' &&
      AsciiLower(name[2]) == L'x')
    start = 3;
  if (start == name.size() || name.size() - start > 64) return std::wstring();
  std::wstring key;
  for (std::size_t i = start; i < name.size(); ++i) {
    if (!IsAsciiAlnum(name[i])) return std::wstring();
    key += AsciiLower(name[i]);
  }
  return key;
}

const ScriptFunction* FindScriptFunction(const ScriptCatalogue& catalogue,
                                         const std::wstring& name) {
  const std::wstring key = ScriptFunctionKey(name);
  if (key.empty()) return nullptr;
  for (const ScriptFunction& function : catalogue.functions) {
    if (ScriptFunctionKey(function.name) == key) return &function;
  }
  return nullptr;
}

std::vector<std::wstring> SplitChoices(const std::wstring& text) {
  std::vector<std::wstring> values;
  if (text.empty()) return values;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(L';', start);
    values.push_back(
        text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start));
    if (end == std::wstring::npos) return values;
    start = end + 1;
  }
}

bool ParseScriptCatalogue(const char* pData, std::size_t nSize, ScriptCatalogue& out,
                          std::wstring& error) {
  out = ScriptCatalogue();
  XmlNode root;
  XmlLimits limits;
  limits.maxDepth = 4;  // catalogue, function, entry: anything deeper is not a catalogue
  if (!ParseXml(pData, nSize, root, error, limits)) return false;
  try {
    ScriptCatalogue catalogue;
    ReadCatalogue(root, catalogue);
    out = std::move(catalogue);
    error.clear();
    return true;
  } catch (const CatalogueError& e) {
    error = L"line " + std::to_wstring(e.line) + L": " + e.message;
    return false;
  }
}

}  // namespace qx
