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

// The catalogue file sits in the source tree; find it from this file's own path.
std::string ReadShippedCatalogue() {
  std::string path = __FILE__;
  path = path.substr(0, path.rfind('/'));  // tests/native/hostcore
  path = path.substr(0, path.rfind('/'));  // tests/native
  path = path.substr(0, path.rfind('/'));  // tests
  path = path.substr(0, path.rfind('/')) + "/hostcore/res/ScriptCatalogue.xml";
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

const wchar_t* const kNamedFunctions[] = {L"$QXConcat",
                                          L"$QXSum",
                                          L"$QXProd",
                                          L"$QXFormat",
                                          L"$QXList",
                                          L"$QXAsc",
                                          L"$QXChr",
                                          L"$QXGetVar",
                                          L"$QXGetGlobalVar",
                                          L"$QXLen",
                                          L"$QXRand",
                                          L"$QXUpper",
                                          L"$QXLower",
                                          L"$QXTrim",
                                          L"$QXTrimLeft",
                                          L"$QXTrimRight",
                                          L"$QXProfile",
                                          L"$QXURand",
                                          L"$QXCurrentDate",
                                          L"$QXCurrentDateTime",
                                          L"$QXMid",
                                          L"$QXRight",
                                          L"$QXLeft",
                                          L"$QXSetGlobalVar",
                                          L"$QXSetGlobalVarRtn",
                                          L"$QXSetVar",
                                          L"$QXSetVarRtn",
                                          L"$QXRandStr",
                                          L"$QXDate",
                                          L"$QXRandList",
                                          L"$QXURandList",
                                          L"$QXRandMultiList",
                                          L"$QXRandRange",
                                          L"$QXURandRange",
                                          L"$QXFileArray"};

TEST(ShippedCatalogue, HoldsEveryFunctionInItsExactNameWithCategoryDescriptionAndSubtitle) {
  for (const wchar_t* name : kNamedFunctions) {
    const qx::ScriptFunction& f = Function(name);
    SCOPED_TRACE(Narrow(name));
    EXPECT_EQ(f.name, name) << "the catalogue's letter case is what the editor corrects to";
    EXPECT_TRUE(kCategories.count(f.category))
        << "category \"" << Narrow(f.category) << "\" is not a wizard caption";
    EXPECT_FALSE(f.description.empty());
    EXPECT_EQ(Entries(f, qx::kParmFunction, qx::kAttrCaption).size(), 1u) << "one page subtitle";
    if (!f.parmDef.empty()) {
      EXPECT_FALSE(f.parameterHelp.empty()) << "a function with arguments needs a tip title";
    }
  }
  EXPECT_EQ(Shipped().functions.size(), std::size(kNamedFunctions));
}

TEST(ShippedCatalogue, FunctionsReachedByCategoryHaveTheCategoryOfTheirPage) {
  // Names the wizard does not route by name reach their page through the category caption.
  EXPECT_EQ(Function(L"$QXDate").category, L"Date and time");
  EXPECT_EQ(Function(L"$QXFileArray").category, L"File access");
  for (const wchar_t* name : {L"$QXRandList", L"$QXURandList", L"$QXRandMultiList"})
    EXPECT_EQ(Function(name).category, L"Random strings") << Narrow(name);
  for (const wchar_t* name : {L"$QXRandRange", L"$QXURandRange"})
    EXPECT_EQ(Function(name).category, L"Random numbers") << Narrow(name);
}

TEST(ShippedCatalogue, OnlyCurrentDateTakesNoArguments) {
  for (const auto& f : Shipped().functions) {
    if (f.name == L"$QXCurrentDate") {
      EXPECT_TRUE(f.parmDef.empty());
    } else {
      EXPECT_FALSE(f.parmDef.empty()) << Narrow(f.name);
    }
  }
}

TEST(ShippedCatalogue, ArgumentPagesFindTheirLabelsChoicesAndColumns) {
  // Two-argument pages label both inputs; $QXMid and the file page label more.
  for (const wchar_t* name :
       {L"$QXRandRange", L"$QXURandRange", L"$QXLeft", L"$QXRight", L"$QXSetVar", L"$QXSetVarRtn",
        L"$QXSetGlobalVar", L"$QXSetGlobalVarRtn", L"$QXDate"}) {
    EXPECT_EQ(Entries(Function(name), 1, qx::kAttrCaption).size(), 1u) << Narrow(name);
    EXPECT_EQ(Entries(Function(name), 2, qx::kAttrCaption).size(), 1u) << Narrow(name);
  }
  EXPECT_EQ(Entries(Function(L"$QXMid"), 3, qx::kAttrCaption).size(), 1u);
  for (int n = 1; n <= 4; ++n)
    EXPECT_EQ(Entries(Function(L"$QXFileArray"), n, qx::kAttrCaption).size(), 1u)
        << "file page label " << n;

  // The file functions offer the modes whose rules the file page knows.
  const auto fileModes =
      qx::SplitChoices(Entries(Function(L"$QXFileArray"), 2, qx::kAttrChoices).at(0));
  EXPECT_NE(std::find(fileModes.begin(), fileModes.end(), L"RANGE"), fileModes.end());
  EXPECT_NE(std::find(fileModes.begin(), fileModes.end(), L"SELECTION"), fileModes.end());
  EXPECT_FALSE(Entries(Function(L"$QXRandStr"), 2, qx::kAttrChoices).empty())
      << "$QXRandStr needs its modes";

  // The list page's first argument is chosen from a list; its grid has column captions.
  const auto listChoices = Entries(Function(L"$QXList"), 1, qx::kAttrChoices);
  ASSERT_EQ(listChoices.size(), 1u);
  EXPECT_GE(qx::SplitChoices(listChoices[0]).size(), 2u);
  EXPECT_EQ(Entries(Function(L"$QXList"), 1, qx::kAttrColumn).size(), 1u);

  // Random list pages head their value column (and weight column where there is one).
  for (const wchar_t* name : {L"$QXRandList", L"$QXRandMultiList", L"$QXFormat"})
    EXPECT_EQ(Entries(Function(name), 2, qx::kAttrColumn).size(), 1u) << Narrow(name);
  for (const wchar_t* name : {L"$QXURandList", L"$QXConcat", L"$QXSum", L"$QXProd", L"$QXRandList"})
    EXPECT_EQ(Entries(Function(name), 1, qx::kAttrColumn).size(), 1u) << Narrow(name);

  // Every constant a choices entry offers is also a constant the editor knows.
  const std::set<std::wstring> constants(Shipped().constants.begin(), Shipped().constants.end());
  for (const wchar_t* name : {L"$QXList", L"$QXFileArray", L"$QXRandStr", L"$QXProfile"}) {
    for (const auto& choices : Entries(Function(name), 1, qx::kAttrChoices))
      for (const auto& v : qx::SplitChoices(choices)) EXPECT_TRUE(constants.count(v)) << Narrow(v);
    for (const auto& choices : Entries(Function(name), 2, qx::kAttrChoices))
      for (const auto& v : qx::SplitChoices(choices)) EXPECT_TRUE(constants.count(v)) << Narrow(v);
  }
}

TEST(FunctionLookup, IgnoresCaseAndTheOptionalPrefixButNothingElse) {
  ASSERT_NE(qx::FindScriptFunction(Shipped(), L"$QXRand"), nullptr);
  EXPECT_EQ(qx::FindScriptFunction(Shipped(), L"$qxrand"),
            qx::FindScriptFunction(Shipped(), L"$QXRand"));
  EXPECT_EQ(qx::FindScriptFunction(Shipped(), L"Rand"),
            qx::FindScriptFunction(Shipped(), L"$QXRand"));
  EXPECT_EQ(qx::FindScriptFunction(Shipped(), L"RAND")->name, L"$QXRand");
  EXPECT_EQ(qx::FindScriptFunction(Shipped(), L"$QXRandom"), nullptr);
  EXPECT_EQ(qx::FindScriptFunction(Shipped(), L"$QX"), nullptr);
  EXPECT_EQ(qx::FindScriptFunction(Shipped(), L""), nullptr);
  EXPECT_EQ(qx::FindScriptFunction(Shipped(), L" $QXRand"), nullptr);
  EXPECT_EQ(qx::FindScriptFunction(Shipped(), L"$QXRand("), nullptr);
  EXPECT_EQ(qx::FindScriptFunction(Shipped(), L"$QX$QXRand"), nullptr);
}

TEST(SplitChoices, KeepsEmptyPiecesAndOrder) {
  EXPECT_EQ(qx::SplitChoices(L""), std::vector<std::wstring>{});
  EXPECT_EQ(qx::SplitChoices(L"A"), std::vector<std::wstring>{L"A"});
  EXPECT_EQ(qx::SplitChoices(L"A;B;"), (std::vector<std::wstring>{L"A", L"B", L""}));
}

// ---- damaged catalogues

struct BadCase {
  const char* what;
  std::string xml;
  const char* errorPart;  // a piece of the message the user sees
};

std::string Wrap(const std::string& functionBody) {
  return "<scriptcatalogue><function name=\"$QXA\" "
         "category=\"String\"><description>d</description>" +
         functionBody + "</function></scriptcatalogue>";
}

TEST(DamagedCatalogue, FailsWholeWithAMessageNamingTheProblem) {
  const BadCase cases[] = {
      {"wrong root", "<catalogue/>", "not <scriptcatalogue>"},
      {"name without prefix",
       "<scriptcatalogue><function name=\"Rand\" "
       "category=\"String\"><description>d</description></function></scriptcatalogue>",
       "not a function name"},
      {"name with blank",
       "<scriptcatalogue><function name=\"$QX Rand\" "
       "category=\"String\"><description>d</description></function></scriptcatalogue>",
       "not a function name"},
      {"duplicate, other case",
       "<scriptcatalogue><function name=\"$QXA\" "
       "category=\"S\"><description>d</description></function><function name=\"$QXa\" "
       "category=\"S\"><description>d</description></function></scriptcatalogue>",
       "listed twice"},
      {"no category",
       "<scriptcatalogue><function "
       "name=\"$QXA\"><description>d</description></function></scriptcatalogue>",
       "no category"},
      {"no description",
       "<scriptcatalogue><function name=\"$QXA\" category=\"S\"/></scriptcatalogue>",
       "no description"},
      {"parameter number 5", Wrap("<parm number=\"5\" kind=\"caption\">x</parm>"),
       "not 1 to 4 or 102"},
      {"parameter kind", Wrap("<parm number=\"1\" kind=\"label\">x</parm>"),
       "not caption, choices or column"},
      {"empty choice", Wrap("<parm number=\"1\" kind=\"choices\">A;;B</parm>"), "empty value"},
      {"empty entry", Wrap("<parm number=\"1\" kind=\"caption\">  </parm>"), "no text"},
      {"unknown element", Wrap("<example>x</example>"), "cannot hold <example>"},
      {"unknown attribute",
       "<scriptcatalogue><function name=\"$QXA\" category=\"S\" "
       "kind=\"x\"><description>d</description></function></scriptcatalogue>",
       "unknown attribute kind"},
      {"two descriptions", Wrap("<description>e</description>"), "more than one"},
      {"constant with blank", "<scriptcatalogue><constant name=\"A B\"/></scriptcatalogue>",
       "not a constant name"},
      {"too deep", Wrap("<parm number=\"1\" kind=\"caption\"><b><c/></b></parm>"),
       "nested too deeply"},
      {"not closed", "<scriptcatalogue><function name=\"$QXA\" category=\"S\">", "not closed"},
  };
  for (const BadCase& c : cases) {
    qx::ScriptCatalogue out;
    out.constants.push_back(L"LEFTOVER");
    std::wstring error;
    EXPECT_FALSE(qx::ParseScriptCatalogue(c.xml.data(), c.xml.size(), out, error)) << c.what;
    EXPECT_TRUE(out.functions.empty() && out.constants.empty())
        << c.what << ": nothing may stay half-read";
    EXPECT_NE(Narrow(error).find(c.errorPart), std::string::npos)
        << c.what << ": expected the message to mention \"" << c.errorPart << "\", got \""
        << Narrow(error) << "\"";
  }
}

TEST(DamagedCatalogue, EveryTruncationOfTheShippedFileFailsCleanly) {
  const std::string text = ReadShippedCatalogue();
  ASSERT_FALSE(text.empty());
  // Every cut in the last kilobyte, and a spread of cuts before it.
  for (std::size_t cut = 0; cut < text.size(); cut += (cut + 1024 < text.size() ? 97 : 1)) {
    qx::ScriptCatalogue out;
    std::wstring error;
    // Cutting only trailing white space leaves a whole document.
    const bool whole = text.find_first_not_of(" \r\n\t", cut) == std::string::npos;
    EXPECT_EQ(qx::ParseScriptCatalogue(text.data(), cut, out, error), whole) << "cut at " << cut;
    if (!whole) {
      EXPECT_TRUE(out.functions.empty()) << "cut at " << cut;
      EXPECT_FALSE(error.empty()) << "cut at " << cut;
    }
  }
}

TEST(DamagedCatalogue, RandomByteDamageNeverCrashesAndFailureLeavesNothing) {
  const std::string text = ReadShippedCatalogue();
  std::mt19937 random(20261205);
  for (int round = 0; round < 400; ++round) {
    std::string damaged = text;
    const int edits = 1 + round % 4;
    for (int k = 0; k < edits; ++k)
      damaged[random() % damaged.size()] = static_cast<char>(random() % 256);
    qx::ScriptCatalogue out;
    std::wstring error;
    if (!qx::ParseScriptCatalogue(damaged.data(), damaged.size(), out, error)) {
      EXPECT_TRUE(out.functions.empty() && out.constants.empty()) << "round " << round;
      EXPECT_FALSE(error.empty()) << "round " << round;
    }
  }
}

TEST(DamagedCatalogue, OversizedInputIsRefusedBeforeReading) {
  std::string huge = "<scriptcatalogue>";
  huge.append((1u << 20) + 1, ' ');
  huge += "</scriptcatalogue>";
  qx::ScriptCatalogue out;
  std::wstring error;
  EXPECT_FALSE(qx::ParseScriptCatalogue(huge.data(), huge.size(), out, error));
  EXPECT_NE(Narrow(error).find("larger than"), std::string::npos) << Narrow(error);
}

}  // namespace
