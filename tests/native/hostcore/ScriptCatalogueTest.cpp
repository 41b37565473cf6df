// The script catalogue as shipped: every function the editor and the wizard rely on, with the
// entries each wizard page reads; and damaged catalogues, which must fail whole and cleanly.
#include "QXScriptCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

namespace {

// The catalogue file sits in the source tree, which the build names (compile paths may be
// relative when a compiler cache shares objects between checkouts).
std::string ReadShippedCatalogue() {
  const std::string path = std::string(TKW_SOURCE_DIR) + "/hostcore/res/ScriptCatalogue.xml";
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const qx::ScriptCatalogue& Shipped() {
  static qx::ScriptCatalogue catalogue = [] {
    qx::ScriptCatalogue parsed;
    std::wstring error;
    const std::string text = ReadShippedCatalogue();
    EXPECT_FALSE(text.empty()) << "the shipped catalogue file was not found";
    EXPECT_TRUE(qx::ParseScriptCatalogue(text.data(), text.size(), parsed, error))
        << "the shipped catalogue does not parse: " << std::string(error.begin(), error.end());
    return parsed;
  }();
  return catalogue;
}

std::string Narrow(const std::wstring& s) {
  return std::string(s.begin(), s.end());
}

// Texts of the entries with this number and attribute, in list order.
std::vector<std::wstring> Entries(const qx::ScriptFunction& f, int number, int attribute) {
  std::vector<std::wstring> texts;
  for (const auto& e : f.parms) {
    if (e.number == number && e.attribute == attribute) texts.push_back(e.text);
  }
  return texts;
}

const qx::ScriptFunction& Function(const wchar_t* name) {
  const qx::ScriptFunction* f = qx::FindScriptFunction(Shipped(), name);
  static const qx::ScriptFunction none;
  EXPECT_NE(f, nullptr) << Narrow(name) << " is missing from the catalogue";
  return f ? *f : none;
}

// The categories the wizard's category list offers (resource strings 542 to 547).
const std::set<std::wstring> kCategories = {L"Date and time",  L"File access", L"Random strings",
                                            L"Random numbers", L"String",      L"Numeric"};

TEST(ShippedCatalogue, EveryFunctionHasAWizardCategoryADescriptionAndOneSubtitle) {
  ASSERT_FALSE(Shipped().functions.empty());
  for (const qx::ScriptFunction& f : Shipped().functions) {
    SCOPED_TRACE(Narrow(f.name));
    EXPECT_TRUE(kCategories.count(f.category))
        << "category \"" << Narrow(f.category) << "\" is not a wizard caption";
    EXPECT_FALSE(f.description.empty());
    EXPECT_EQ(Entries(f, qx::kParmFunction, qx::kAttrCaption).size(), 1u) << "one page subtitle";
    EXPECT_TRUE(f.parmDef.empty() || !f.parameterHelp.empty()) << "arguments need a tip title";
  }
}

TEST(ShippedCatalogue, WizardPagesFindTheirCategoriesLabelsChoicesAndColumns) {
  // The entries each page reads: functions it does not route by name reach it by category.
  const struct {
    const wchar_t* name;
    const wchar_t* category;  // null: any
    int number, attribute;    // one entry of this kind (number 0: none asked)
  } needs[] = {
      {L"$QXDate", L"Date and time", 2, qx::kAttrCaption},
      {L"$QXFileArray", L"File access", 4, qx::kAttrCaption},
      {L"$QXRandList", L"Random strings", 2, qx::kAttrColumn},
      {L"$QXURandList", L"Random strings", 1, qx::kAttrColumn},
      {L"$QXRandMultiList", L"Random strings", 2, qx::kAttrColumn},
      {L"$QXRandRange", L"Random numbers", 2, qx::kAttrCaption},
      {L"$QXURandRange", L"Random numbers", 2, qx::kAttrCaption},
      {L"$QXMid", nullptr, 3, qx::kAttrCaption},
      {L"$QXLeft", nullptr, 2, qx::kAttrCaption},
      {L"$QXSetGlobalVarRtn", nullptr, 2, qx::kAttrCaption},
      {L"$QXList", nullptr, 1, qx::kAttrColumn},
      {L"$QXFormat", nullptr, 2, qx::kAttrColumn},
      {L"$QXConcat", nullptr, 1, qx::kAttrColumn},
      {L"$QXRandStr", nullptr, 2, qx::kAttrChoices},
      {L"$QXCurrentDate", nullptr, 0, 0},
  };
  for (const auto& n : needs) {
    const qx::ScriptFunction& f = Function(n.name);
    EXPECT_EQ(f.category, n.category ? n.category : f.category) << Narrow(n.name);
    EXPECT_EQ(Entries(f, n.number, n.attribute).size(), n.number ? 1u : 0u) << Narrow(n.name);
  }
  EXPECT_TRUE(Function(L"$QXCurrentDate").parmDef.empty()) << "it takes no arguments";

  // The file page knows the rules of these modes; the list page chooses from two or more.
  const auto fileModes =
      qx::SplitChoices(Entries(Function(L"$QXFileArray"), 2, qx::kAttrChoices).at(0));
  for (const wchar_t* mode : {L"RANGE", L"SELECTION"})
    EXPECT_NE(std::find(fileModes.begin(), fileModes.end(), mode), fileModes.end());
  EXPECT_GE(qx::SplitChoices(Entries(Function(L"$QXList"), 1, qx::kAttrChoices).at(0)).size(), 2u);

  // The values these functions offer are constants the editor knows (date formats are not).
  const std::set<std::wstring> constants(Shipped().constants.begin(), Shipped().constants.end());
  for (const wchar_t* name : {L"$QXList", L"$QXFileArray", L"$QXRandStr", L"$QXProfile"}) {
    for (const auto& e : Function(name).parms) {
      if (e.attribute != qx::kAttrChoices) continue;
      for (const auto& v : qx::SplitChoices(e.text))
        EXPECT_TRUE(constants.count(v)) << Narrow(name) << ": " << Narrow(v);
    }
  }
}

TEST(FunctionLookup, IgnoresCaseAndTheOptionalPrefixButNothingElse) {
  const qx::ScriptFunction* rand = qx::FindScriptFunction(Shipped(), L"$QXRand");
  ASSERT_NE(rand, nullptr);
  for (const wchar_t* same : {L"$qxrand", L"Rand", L"RAND"})
    EXPECT_EQ(qx::FindScriptFunction(Shipped(), same), rand) << Narrow(same);
  for (const wchar_t* none : {L"$QXRandom", L"$QX", L"", L" $QXRand", L"$QXRand(", L"$QX$QXRand"})
    EXPECT_EQ(qx::FindScriptFunction(Shipped(), none), nullptr) << Narrow(none);
  EXPECT_EQ(qx::SplitChoices(L""), std::vector<std::wstring>{});
  EXPECT_EQ(qx::SplitChoices(L"A;B;"), (std::vector<std::wstring>{L"A", L"B", L""}));
}

// ---- damaged catalogues

// A catalogue of one function with those attributes and that content.
std::string One(const std::string& attributes,
                const std::string& body = "<description>d</description>") {
  return "<scriptcatalogue><function " + attributes + ">" + body + "</function></scriptcatalogue>";
}
std::string Parm(const std::string& number, const std::string& kind, const std::string& text) {
  return One("name=\"$QXA\" category=\"S\"", "<description>d</description><parm number=\"" +
                                                 number + "\" kind=\"" + kind + "\">" + text +
                                                 "</parm>");
}

TEST(DamagedCatalogue, FailsWholeWithAMessageNamingTheProblem) {
  const struct {
    std::string xml;
    const char* errorPart;  // a piece of the message the user sees
  } cases[] = {
      {"<catalogue/>", "not <scriptcatalogue>"},
      {One("name=\"Rand\" category=\"S\""), "not a function name"},
      {One("name=\"$QX Rand\" category=\"S\""), "not a function name"},
      {"<scriptcatalogue><function name=\"$QXA\" category=\"S\"><description>d</description>"
       "</function><function name=\"$QXa\" category=\"S\"><description>d</description>"
       "</function></scriptcatalogue>",
       "listed twice"},
      {One("name=\"$QXA\""), "no category"},
      {One("name=\"$QXA\" category=\"S\"", ""), "no description"},
      {One("name=\"$QXA\" category=\"S\" kind=\"x\""), "unknown attribute kind"},
      {One("name=\"$QXA\" category=\"S\"", "<description>d</description><example>x</example>"),
       "cannot hold <example>"},
      {One("name=\"$QXA\" category=\"S\"", "<description>d</description><description/>"),
       "more than one"},
      {Parm("5", "caption", "x"), "not 1 to 4 or 102"},
      {Parm("1", "label", "x"), "not caption, choices or column"},
      {Parm("1", "choices", "A;;B"), "empty value"},
      {Parm("1", "caption", "  "), "no text"},
      {Parm("1", "caption", "<b><c/></b>"), "nested too deeply"},
      {"<scriptcatalogue><constant name=\"A B\"/></scriptcatalogue>", "not a constant name"},
      {"<scriptcatalogue><function name=\"$QXA\" category=\"S\">", "not closed"},
  };
  for (const auto& c : cases) {
    qx::ScriptCatalogue out;
    out.constants.push_back(L"LEFTOVER");
    std::wstring error;
    EXPECT_FALSE(qx::ParseScriptCatalogue(c.xml.data(), c.xml.size(), out, error)) << c.xml;
    EXPECT_TRUE(out.functions.empty() && out.constants.empty()) << c.xml << ": half-read";
    EXPECT_NE(Narrow(error).find(c.errorPart), std::string::npos)
        << c.xml << ": expected the message to mention \"" << c.errorPart << "\", got \""
        << Narrow(error) << "\"";
  }
  std::string huge = "<scriptcatalogue>" + std::string((1u << 20) + 1, ' ') + "</scriptcatalogue>";
  qx::ScriptCatalogue out;
  std::wstring error;
  EXPECT_FALSE(qx::ParseScriptCatalogue(huge.data(), huge.size(), out, error));
  EXPECT_NE(Narrow(error).find("larger than"), std::string::npos) << Narrow(error);
}

TEST(DamagedCatalogue, TruncatedOrDamagedShippedFilesFailCleanly) {
  const std::string text = ReadShippedCatalogue();
  ASSERT_FALSE(text.empty());
  auto failsCleanly = [](const std::string& xml, size_t size) {
    qx::ScriptCatalogue out;
    std::wstring error;
    const bool read = qx::ParseScriptCatalogue(xml.data(), size, out, error);
    EXPECT_TRUE(read || (out.functions.empty() && out.constants.empty() && !error.empty()));
    return read;
  };
  // Every cut in the last kilobyte and a spread before it; only cutting trailing blanks reads.
  for (std::size_t cut = 0; cut < text.size(); cut += (cut + 1024 < text.size() ? 97 : 1)) {
    const bool whole = text.find_first_not_of(" \r\n\t", cut) == std::string::npos;
    EXPECT_EQ(whole, failsCleanly(text, cut)) << "cut at " << cut;
  }
  std::mt19937 random(20261205);
  for (int round = 0; round < 400; ++round) {
    std::string damaged = text;
    for (int k = 0; k <= round % 4; ++k)
      damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
    failsCleanly(damaged, damaged.size());
  }
}

}  // namespace
