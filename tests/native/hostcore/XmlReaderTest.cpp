// The XML subset reader: what it accepts, the text it gives back, and the inputs it must refuse.
#include "QXXmlReader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Narrow(const std::wstring& s) {
  return std::string(s.begin(), s.end());
}

bool Parse(const std::string& xml, qx::XmlNode& root, std::wstring& error,
           qx::XmlLimits limits = {}) {
  return qx::ParseXml(xml.data(), xml.size(), root, error, limits);
}

TEST(XmlReader, ReadsElementsAttributesTextAndReferences) {
  qx::XmlNode root;
  std::wstring error;
  ASSERT_TRUE(
      Parse("\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- lead -->\n"
            "<a x='1' y=\"&lt;&amp;&gt;\">one<b/>two<![CDATA[<raw&>]]>&#65;&#x42;<c "
            "z=\"&quot;&apos;\">in</c></a>\n",
            root, error))
      << Narrow(error);
  EXPECT_EQ(root.name, L"a");
  ASSERT_NE(root.Attribute(L"y"), nullptr);
  EXPECT_EQ(*root.Attribute(L"x"), L"1");
  EXPECT_EQ(*root.Attribute(L"y"), L"<&>");
  EXPECT_EQ(root.Attribute(L"missing"), nullptr);
  EXPECT_EQ(root.text, L"onetwo<raw&>AB");
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].name, L"b");
  EXPECT_EQ(root.children[1].text, L"in");
  EXPECT_EQ(*root.children[1].Attribute(L"z"), L"\"'");
  EXPECT_EQ(root.line, 3);
}

TEST(XmlReader, DecodesUnicodeIncludingCharactersBeyondTheBasicPlane) {
  qx::XmlNode root;
  std::wstring error;
  // é, 日本 and U+1D11E (a surrogate pair where wchar_t has 16 bits), raw and as a reference.
  ASSERT_TRUE(
      Parse("<t>\xC3\xA9\xE6\x97\xA5\xE6\x9C\xAC\xF0\x9D\x84\x9E&#x1D11E;</t>", root, error))
      << Narrow(error);
  std::wstring expected = L"\u00e9\u65e5\u672c";
  if (sizeof(wchar_t) == 2)
    expected += L"\xD834\xDD1E\xD834\xDD1E";
  else
    expected += std::wstring(2, static_cast<wchar_t>(0x1D11E));
  EXPECT_EQ(root.text, expected);
}

TEST(XmlReader, RefusesMalformedDocumentsWithALineNumber) {
  struct Case {
    const char* xml;
    const char* errorPart;
  } cases[] = {
      {"", "no root element"},
      {"   ", "no root element"},
      {"text", "no root element"},
      {"<a>", "not closed"},
      {"<a></b>", "does not match"},
      {"<a><b></a></b>", "does not match"},
      {"<a x=1/>", "must be quoted"},
      {"<a x=\"1\" x=\"2\"/>", "appears twice"},
      {"<a x=\"1\"y=\"2\"/>", "separated by blanks"},
      {"<a x=\"<\"/>", "holds \"<\""},
      {"<a x/>", "has no value"},
      {"<a>&nbsp;</a>", "unknown entity"},
      {"<a>&amp</a>", "not closed by"},
      {"<a>&#0;</a>", "does not allow"},
      {"<a>&#xD800;</a>", "does not allow"},
      {"<a>&#x110000;</a>", "out of range"},
      {"<a>&#;</a>", "no digits"},
      {"<a>&#12a;</a>", "wrong digit"},
      {"<!DOCTYPE a [<!ENTITY e \"x\">]><a>&e;</a>", "not supported"},
      {"<a/><b/>", "more text after"},
      {"<a><!-- open </a>", "comment is not closed"},
      {"<a><![CDATA[x</a>", "CDATA section is not closed"},
      {"<a>]]></a>", "not allowed in text"},
      {"<a>\x01</a>", "control character"},
      {"<a>\xC3</a>", "UTF-8"},
      {"<a>\xC0\xAF</a>", "UTF-8"},          // overlong "/"
      {"<a>\xED\xA0\x80</a>", "UTF-8"},      // an encoded surrogate
      {"<a>\xF4\x90\x80\x80</a>", "UTF-8"},  // above U+10FFFF
      {"<1a/>", "name was expected"},
      {"<a\n\n><b></a>", "line 3"},
  };
  for (const Case& c : cases) {
    qx::XmlNode root;
    root.name = L"stale";
    std::wstring error;
    EXPECT_FALSE(Parse(c.xml, root, error)) << c.xml;
    EXPECT_TRUE(root.name.empty() && root.children.empty()) << c.xml << ": root must be left empty";
    EXPECT_NE(Narrow(error).find(c.errorPart), std::string::npos)
        << "for " << c.xml << " expected a message with \"" << c.errorPart << "\", got \""
        << Narrow(error) << "\"";
    EXPECT_EQ(Narrow(error).rfind("line ", 0), 0u) << Narrow(error);
  }
}

TEST(XmlReader, LimitsDepthElementCountAndSize) {
  qx::XmlLimits limits;
  limits.maxDepth = 3;
  limits.maxElements = 5;
  limits.maxBytes = 64;
  qx::XmlNode root;
  std::wstring error;
  EXPECT_TRUE(Parse("<a><b><c/></b></a>", root, error, limits)) << Narrow(error);
  EXPECT_FALSE(Parse("<a><b><c><d/></c></b></a>", root, error, limits));
  EXPECT_NE(Narrow(error).find("too deeply"), std::string::npos);
  EXPECT_FALSE(Parse("<a><b/><b/><b/><b/><b/></a>", root, error, limits));
  EXPECT_NE(Narrow(error).find("too many"), std::string::npos);
  EXPECT_FALSE(Parse("<a>" + std::string(64, 'x') + "</a>", root, error, limits));
  EXPECT_NE(Narrow(error).find("larger than 64"), std::string::npos);

  // A deeply nested file stops at the limit instead of exhausting the stack.
  std::string deep;
  for (int i = 0; i < 50000; ++i) deep += "<a>";
  EXPECT_FALSE(Parse(deep, root, error));
  EXPECT_NE(Narrow(error).find("too deeply"), std::string::npos);
}

TEST(XmlReader, NullDataIsAnErrorButEmptyDataIsJustNoDocument) {
  qx::XmlNode root;
  std::wstring error;
  EXPECT_FALSE(qx::ParseXml(nullptr, 5, root, error));
  EXPECT_EQ(error, L"no data");
  EXPECT_FALSE(qx::ParseXml(nullptr, 0, root, error));
  EXPECT_NE(Narrow(error).find("no root element"), std::string::npos);
}

}  // namespace
