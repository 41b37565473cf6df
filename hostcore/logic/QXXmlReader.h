// A small reader for the XML subset of the host's own data files (the script catalogue).
#pragma once
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace qx {

// One element: its name, its attributes in document order, the character data directly inside it
// (all pieces joined, entities resolved) and its child elements.
struct XmlNode {
  std::wstring name;
  std::vector<std::pair<std::wstring, std::wstring>> attributes;
  std::wstring text;
  std::vector<XmlNode> children;
  int line = 0;  // line of the start tag, for messages

  // The value of an attribute, or null when the element has none of that name.
  const std::wstring* Attribute(const wchar_t* pszName) const;
};

// Bounds that keep a damaged or hostile file from costing more than a real one would.
struct XmlLimits {
  std::size_t maxBytes = 1u << 20;
  int maxDepth = 16;
  std::size_t maxElements = 20000;
};

// Reads UTF-8 text (an optional byte-order mark, declaration, comments, processing instructions,
// elements, attributes, character data, CDATA sections and the five named and numeric character
// references). Document type declarations are refused. On failure answers false, leaves root
// empty and sets error to a message that names the line.
bool ParseXml(const char* pData, std::size_t nSize, XmlNode& root, std::wstring& error,
              const XmlLimits& limits = XmlLimits());

}  // namespace qx
