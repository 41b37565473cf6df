// The script wizard's call texts and field checks, and its choice of argument page.
#include "script/wizard/logic/WizardCallText.h"
#include "script/wizard/logic/WizardPageChoice.h"

#include <gtest/gtest.h>

namespace {

using namespace tkw::wizard;

TEST(WizardCallText, NumbersReadAsTheHostReadsThem) {
  struct Case {
    const wchar_t* text;
    bool positive;  // accepted as a count or bound
    int value;
    bool charCode;
  } cases[] = {
      {L"12.7", true, 12, true},
      {L"0", false, 0, true},
      {L"-5", false, 0, false},
      {L"2147483647", true, 2147483647, false},
      {L"2147483648", false, 0, false},
      {L"abc", false, 0, true},
      {L" 7x", true, 7, true},
      {L"255.9", true, 255, true},
      {L"256", true, 256, false},
      {L"1e3", true, 1000, false},
      {L"", false, 0, true},
  };
  for (const Case& c : cases) {
    int value = -1;
    EXPECT_EQ(c.positive, ReadPositiveInt(c.text, &value)) << c.text;
    if (c.positive) {
      EXPECT_EQ(c.value, value) << c.text;
    }
    EXPECT_EQ(c.charCode, ReadCharCode(c.text, &value)) << c.text;
  }
}

TEST(WizardCallText, EachPageComposesItsCall) {
  struct Case {
    std::wstring got, expected;
  } cases[] = {
      {ComposeDateCall(L"$QXDate", L"01/02/2025", L"12/31/2025"),
       L"$QXDate(\"01/02/2025\",\"12/31/2025\")"},
      {ComposeRandNumCall(L"$QXRandRange", {L"1", L"100", L""}), L"$QXRandRange(1,100)"},
      {ComposeRandNumCall(L"$QXLeft", {L"a\"b", L"3", L""}), L"$QXLeft(\"a\"b\",3)"},
      {ComposeRandNumCall(L"$QXMid", {L"$qxGetVar(t)", L"2", L"4"}), L"$QXMid($qxGetVar(t),2,4)"},
      {ComposeRandNumCall(L"$QXSetVarRtn", {L"v", L"$QXRand(5)", L""}),
       L"$QXSetVarRtn(\"v\",$QXRand(5))"},
      {ComposeRandNumCall(L"$QXOther", {L"", L"", L""}), L"$QXOther(,)"},
      {ComposeListCall(L"$QXList", L"RANDOM", {L"a", L"$QXRand(5)"}),
       L"$QXList(RANDOM,\"a\",$QXRand(5))"},
      {ComposeListCall(L"$QXList", L"UNIQUE", {}), L"$QXList(UNIQUE,)"},
      {ComposeRandListCall(L"$QXRandList", L"", {{L"a", L"40"}, {L"b", L"60"}}),
       L"$QXRandList(\"a\":40,\"b\":60)"},
      {ComposeRandListCall(L"$QXRandMultiList", L"", {{L"$QXGetVar(x)", L"5"}}),
       L"$QXRandMultiList($QXGetVar(x):5)"},
      {ComposeRandListCall(L"$QXURandList", L"", {{L"a", L""}, {L"b", L""}}),
       L"$QXURandList(\"a\",\"b\")"},
      {ComposeRandListCall(L"$QXSum", L"", {{L"1.5", L""}, {L"2", L""}}), L"$QXSum(1.5,2)"},
      {ComposeRandListCall(L"$QXFormat", L"{1}-{2}", {{L"n", L"7"}, {L"m", L"150"}}),
       L"$QXFormat(\"{1}-{2}\",7,150)"},
      {ComposeRandListCall(L"$QXFormat", L"", {{L"n", L"7"}}), L"$QXFormat(7)"},
      {ComposeRandListCall(L"$QXConcat", L"", {}), L"$QXConcat()"},
      {ComposeFileAccessCall(L"$QXFileArray", {L"c:\\a.txt", L"RANGE", L"1", L"9"}),
       L"$QXFileArray(\"c:\\a.txt\",RANGE,1,9)"},
      {ComposeFileAccessCall(L"$QXFileArray", {L"f", L"SELECTION", L"3", L""}),
       L"$QXFileArray(\"f\",SELECTION,3)"},
      {ComposeFileAccessCall(L"$QXRandStr", {L"8", L"ALPHA", L"", L""}), L"$QXRandStr(8,ALPHA)"},
      {ComposeSingleCall(L"$QXUpper", L"abc"), L"$QXUpper(\"abc\")"},
      {ComposeSingleCall(L"$QXUpper", L"$QXGetVar(x)"), L"$QXUpper($QXGetVar(x))"},
      {ComposeSingleCall(L"$QXProfile", L"SERVER"), L"$QXProfile(SERVER)"},
      {ComposeSingleCall(L"$QXChr", L"65"), L"$QXChr(65)"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, c.got);
}

TEST(WizardCallText, CompletenessAndFieldChecks) {
  EXPECT_TRUE(IsRandNumComplete(L"$QXRandRange", {L"1", L"2", L""}));
  EXPECT_FALSE(IsRandNumComplete(L"$QXRandRange", {L"2", L"2", L""})) << "bounds must rise";
  EXPECT_TRUE(IsRandNumComplete(L"$QXURandRange", {L"50", L"$QXRand(9)", L""}));
  EXPECT_FALSE(IsRandNumComplete(L"$QXMid", {L"a", L"1", L""}));
  EXPECT_TRUE(IsRandNumComplete(L"$QXSetVar", {L"a", L"b", L""}));

  EXPECT_FALSE(IsRandListWeightValid(L"$QXRandList", L"0.5"));
  EXPECT_FALSE(IsRandListWeightValid(L"$QXRandList", L"150"));
  EXPECT_TRUE(IsRandListWeightValid(L"$QXRandList", L"100"));
  EXPECT_TRUE(IsRandListWeightValid(L"$QXFormat", L"150"));
  EXPECT_FALSE(IsRandListValueValid(L"$QXSum", L"abc")) << "a sum takes numbers";
  EXPECT_TRUE(IsRandListValueValid(L"$QXSum", L"$QXRand(3)"));
  EXPECT_TRUE(IsRandListValueValid(L"$QXConcat", L"abc"));
  EXPECT_FALSE(IsRandListValueValid(L"$QXConcat", L""));

  EXPECT_TRUE(IsFileAccessComplete(L"$QXFileArray", {L"f", L"SEQUENTIAL", L"", L""}));
  EXPECT_FALSE(IsFileAccessComplete(L"$QXFileArray", {L"f", L"RANGE", L"1", L""}));
  EXPECT_FALSE(IsFileAccessComplete(L"$QXFileArray", {L"f", L"", L"", L""}));
  EXPECT_TRUE(IsFileAccessComplete(L"$QXRandStr", {L"8", L"ALPHA", L"", L""}));

  std::wstring written;
  EXPECT_FALSE(CheckSingleArgument(L"$QXChr", L"300", &written));
  EXPECT_EQ(L"", written);
  EXPECT_TRUE(CheckSingleArgument(L"$QXRand", L"7.9", &written));
  EXPECT_EQ(L"7", written);
  EXPECT_TRUE(CheckSingleArgument(L"$QXRand", L"$qxlen(a)", &written));
  EXPECT_EQ(L"$qxlen(a)", written);
}

TEST(WizardPageChoice, NamesDecideFirstThenTheCategory) {
  CategoryCaptions captions{L"All",
                            {L"Date", L"File", L"RandStr", L"RandNum", L"String", L"Numeric"}};
  struct Case {
    const wchar_t *function, *selected, *own;
    PageKind kind;
  } cases[] = {
      {L"$QXSum", L"Numeric", L"Numeric", PageKind::kRandomStrings},
      {L"$QXRandStr", L"RandStr", L"RandStr", PageKind::kFileAccess},
      {L"$QXCurrentDate", L"All", L"Date", PageKind::kSingleParameter},
      {L"$QXDate", L"All", L"Date", PageKind::kDatesAndNumbers},
      {L"$QXRandList", L"RandStr", L"RandStr", PageKind::kRandomStrings},
      {L"$QXNew", L"String", L"Date", PageKind::kStringManipulation},
      {L"$QXNew", L"All", L"Numeric", PageKind::kNumericalManipulation},
      {L"$qxlist", L"All", L"Other", PageKind::kNone},  // names compare case-sensitively
  };
  for (const Case& c : cases)
    EXPECT_EQ(static_cast<int>(c.kind),
              static_cast<int>(ChoosePage(c.function, c.selected, c.own, captions)))
        << c.function;
}

TEST(WizardPageChoice, KeywordListsAndChoicesSplit) {
  using Names = std::vector<std::wstring>;
  EXPECT_EQ((Names{L"$QXA", L"$QXB"}), SplitKeywordList(L" $QXA $QXB "));
  EXPECT_EQ((Names{L"$QXA"}), SplitKeywordList(L" $QXA $QXB")) << "a last name without blank";
  EXPECT_EQ(Names{}, SplitKeywordList(L""));
  EXPECT_EQ(Names{}, SplitKeywordList(L"   "));
  EXPECT_EQ((Names{L"A", L"B C"}), SplitChoices(L"A;;B C;"));
}

}  // namespace
