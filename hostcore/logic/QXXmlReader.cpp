// The XML subset reader: UTF-8 decoding, then a bounded recursive descent over code points.
#include "QXXmlReader.h"

#include <new>

namespace qx {

const std::wstring* XmlNode::Attribute(const wchar_t* pszName) const {
  for (const auto& attribute : attributes) {
    if (attribute.first == pszName) return &attribute.second;
  }
  return nullptr;
}

namespace {

// Thrown inside the reader only; ParseXml turns it into its false result.
struct ParseError {
  int line;
  std::wstring message;
};

void AppendCodePoint(std::wstring& out, char32_t cp) {
  if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
  } else {
    out += static_cast<wchar_t>(cp);
  }
}

bool IsXmlChar(char32_t cp) {
  return cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp <= 0xD7FF) ||
         (cp >= 0xE000 && cp <= 0xFFFD) || (cp >= 0x10000 && cp <= 0x10FFFF);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF, only characters XML
// allows.
std::u32string DecodeUtf8(const unsigned char* p, std::size_t n) {
  std::u32string out;
  out.reserve(n);
  int line = 1;
  std::size_t i = 0;
  if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) i = 3;
  while (i < n) {
    const unsigned char c = p[i];
    char32_t cp = 0;
    std::size_t len = 0;
    if (c < 0x80) {
      cp = c;
      len = 1;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      len = 2;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      len = 3;
    } else if ((c & 0xF8) == 0xF0) {
      cp = c & 0x07;
      len = 4;
    } else {
      throw ParseError{line, L"the text is not valid UTF-8"};
    }
    if (n - i < len) throw ParseError{line, L"the text ends inside a UTF-8 sequence"};
    for (std::size_t k = 1; k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) throw ParseError{line, L"the text is not valid UTF-8"};
      cp = (cp << 6) | (p[i + k] & 0x3F);
    }
    static const char32_t kMinimum[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[len] || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
      throw ParseError{line, L"the text is not valid UTF-8"};
    if (!IsXmlChar(cp))
      throw ParseError{line, L"the text holds a control character that XML does not allow"};
    if (cp == '\n') ++line;
    out += cp;
    i += len;
  }
  return out;
}

class Reader {
 public:
  Reader(const std::u32string& text, const XmlLimits& limits) : m_text(text), m_limits(limits) {}

  void ReadDocument(XmlNode& root) {
    SkipMisc();
    if (AtEnd() || Peek() != '<') Fail(L"the document has no root element");
    ReadElement(root, 1);
    SkipMisc();
    if (!AtEnd()) Fail(L"there is more text after the root element");
  }

 private:
  bool AtEnd() const { return m_pos >= m_text.size(); }
  char32_t Peek(std::size_t ahead = 0) const {
    return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : 0;
  }
  bool StartsWith(const char* psz) const {
    for (std::size_t k = 0; psz[k]; ++k) {
      if (Peek(k) != static_cast<char32_t>(static_cast<unsigned char>(psz[k]))) return false;
    }
    return true;
  }
  void Advance(std::size_t n = 1) {
    for (std::size_t k = 0; k < n && m_pos < m_text.size(); ++k) {
      if (m_text[m_pos] == '\n') ++m_line;
      ++m_pos;
    }
  }
  [[noreturn]] void Fail(const std::wstring& message) const { throw ParseError{m_line, message}; }

  static bool IsSpace(char32_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  static bool IsNameStart(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
  }
  static bool IsNameChar(char32_t c) {
    return IsNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
  }

  void SkipSpace() {
    while (!AtEnd() && IsSpace(Peek())) Advance();
  }

  // Whitespace, comments and processing instructions (the declaration among them).
  void SkipMisc() {
    for (;;) {
      SkipSpace();
      if (StartsWith("<!--"))
        SkipComment();
      else if (StartsWith("<?"))
        SkipProcessingInstruction();
      else if (StartsWith("<!DOCTYPE"))
        Fail(L"document type declarations are not supported");
      else
        return;
    }
  }

  void SkipComment() {
    Advance(4);
    while (!StartsWith("-->")) {
      if (AtEnd()) Fail(L"a comment is not closed");
      Advance();
    }
    Advance(3);
  }

  void SkipProcessingInstruction() {
    Advance(2);
    while (!StartsWith("?>")) {
      if (AtEnd()) Fail(L"a processing instruction is not closed");
      Advance();
    }
    Advance(2);
  }

  std::wstring ReadName() {
    if (AtEnd() || !IsNameStart(Peek())) Fail(L"a name was expected");
    std::wstring name;
    while (!AtEnd() && IsNameChar(Peek())) {
      AppendCodePoint(name, Peek());
      Advance();
    }
    return name;
  }

  // After "&": a named or numeric character reference up to ";".
  void ReadReference(std::wstring& out) {
    Advance();
    std::string ref;
    while (!AtEnd() && Peek() != ';') {
      if (ref.size() > 10 || Peek() > 0x7F) Fail(L"a character reference is not closed by \";\"");
      ref += static_cast<char>(Peek());
      Advance();
    }
    if (AtEnd()) Fail(L"a character reference is not closed by \";\"");
    Advance();
    if (ref == "lt")
      out += L'<';
    else if (ref == "gt")
      out += L'>';
    else if (ref == "amp")
      out += L'&';
    else if (ref == "quot")
      out += L'"';
    else if (ref == "apos")
      out += L'\'';
    else if (!ref.empty() && ref[0] == '#') {
      const bool hex = ref[1] == 'x';
      const std::size_t first = hex ? 2 : 1;
      if (first >= ref.size()) Fail(L"a numeric character reference has no digits");
      char32_t cp = 0;
      for (std::size_t k = first; k < ref.size(); ++k) {
        const char c = ref[k];
        int digit;
        if (c >= '0' && c <= '9')
          digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
          digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
          digit = c - 'A' + 10;
        else
          Fail(L"a numeric character reference has a wrong digit");
        cp = cp * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        if (cp > 0x10FFFF) Fail(L"a numeric character reference is out of range");
      }
      if (!IsXmlChar(cp))
        Fail(L"a numeric character reference names a character that XML does not allow");
      AppendCodePoint(out, cp);
    } else {
      Fail(L"unknown entity &" + std::wstring(ref.begin(), ref.end()) + L";");
    }
  }

  std::wstring ReadAttributeValue() {
    const char32_t quote = Peek();
    if (quote != '"' && quote != '\'') Fail(L"an attribute value must be quoted");
    Advance();
    std::wstring value;
    for (;;) {
      if (AtEnd()) Fail(L"an attribute value is not closed");
      const char32_t c = Peek();
      if (c == quote) break;
      if (c == '<') Fail(L"an attribute value holds \"<\"");
      if (c == '&') {
        ReadReference(value);
        continue;
      }
      AppendCodePoint(value, c);
      Advance();
    }
    Advance();
    return value;
  }

  void ReadElement(XmlNode& node, int depth) {
    if (depth > m_limits.maxDepth) Fail(L"elements are nested too deeply");
    if (++m_elements > m_limits.maxElements) Fail(L"the document has too many elements");
    node.line = m_line;
    Advance();  // "<"
    node.name = ReadName();
    for (;;) {
      const bool spaced = !AtEnd() && IsSpace(Peek());
      SkipSpace();
      if (AtEnd()) Fail(L"the start tag of <" + node.name + L"> is not closed");
      if (StartsWith("/>")) {
        Advance(2);
        return;
      }
      if (Peek() == '>') {
        Advance();
        break;
      }
      if (!spaced) Fail(L"attributes of <" + node.name + L"> must be separated by blanks");
      std::wstring name = ReadName();
      SkipSpace();
      if (Peek() != '=') Fail(L"the attribute " + name + L" has no value");
      Advance();
      SkipSpace();
      std::wstring value = ReadAttributeValue();
      if (node.Attribute(name.c_str()))
        Fail(L"the attribute " + name + L" appears twice in <" + node.name + L">");
      node.attributes.emplace_back(std::move(name), std::move(value));
    }
    // Content up to the matching end tag.
    for (;;) {
      if (AtEnd()) Fail(L"the element <" + node.name + L"> is not closed");
      if (StartsWith("</")) {
        Advance(2);
        const std::wstring name = ReadName();
        if (name != node.name)
          Fail(L"the end tag </" + name + L"> does not match <" + node.name + L">");
        SkipSpace();
        if (Peek() != '>') Fail(L"the end tag </" + name + L"> is not closed");
        Advance();
        return;
      }
      if (StartsWith("<!--")) {
        SkipComment();
      } else if (StartsWith("<![CDATA[")) {
        Advance(9);
        while (!StartsWith("]]>")) {
          if (AtEnd()) Fail(L"a CDATA section is not closed");
          AppendCodePoint(node.text, Peek());
          Advance();
        }
        Advance(3);
      } else if (StartsWith("<?")) {
        SkipProcessingInstruction();
      } else if (StartsWith("<!")) {
        Fail(L"declarations are not allowed inside elements");
      } else if (Peek() == '<') {
        node.children.emplace_back();
        ReadElement(node.children.back(), depth + 1);
      } else if (Peek() == '&') {
        ReadReference(node.text);
      } else {
        if (StartsWith("]]>")) Fail(L"\"]]>\" is not allowed in text");
        AppendCodePoint(node.text, Peek());
        Advance();
      }
    }
  }

  const std::u32string& m_text;
  const XmlLimits& m_limits;
  std::size_t m_pos = 0;
  int m_line = 1;
  std::size_t m_elements = 0;
};

std::wstring LineMessage(int line, const std::wstring& message) {
  return L"line " + std::to_wstring(line) + L": " + message;
}

}  // namespace

bool ParseXml(const char* pData, std::size_t nSize, XmlNode& root, std::wstring& error,
              const XmlLimits& limits) {
  root = XmlNode();
  error.clear();
  if (!pData && nSize != 0) {
    error = L"no data";
    return false;
  }
  if (nSize > limits.maxBytes) {
    error = L"the document is larger than " + std::to_wstring(limits.maxBytes) + L" bytes";
    return false;
  }
  try {
    const std::u32string text = DecodeUtf8(reinterpret_cast<const unsigned char*>(pData), nSize);
    XmlNode parsed;
    Reader reader(text, limits);
    reader.ReadDocument(parsed);
    root = std::move(parsed);
    return true;
  } catch (const ParseError& e) {
    error = LineMessage(e.line, e.message);
    return false;
  } catch (const std::bad_alloc&) {
    error = L"not enough memory to read the document";
    return false;
  }
}

}  // namespace qx
