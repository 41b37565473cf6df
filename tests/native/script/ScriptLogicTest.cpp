// The script editor's window-free logic: caret context, recolour spans, password text and a
// seeded fuzz pass over all of them.
#include "script/logic/PasswordText.h"
#include "script/logic/ScriptCaretContext.h"
#include "script/logic/ScriptColouring.h"
#include "script/logic/ScriptFuzzer.h"
#include "script/logic/ScriptRecolour.h"
#include "script/logic/ScriptWordList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Narrow(const std::wstring& text) {
  return std::string(text.begin(), text.end());
}

tkw::ScriptWordList Keywords() {
  tkw::ScriptWordList keywords;
  keywords.Set({L"$QXRand", L"$QXRandRange", L"$QXLen", L"$QXNoSuch"},
               [](const std::wstring& name) { return name != L"$QXNoSuch"; });
  return keywords;
}

TEST(ScriptWordList, KeepsOnlyKnownNamesAndFindsThemInAnyCase) {
  tkw::ScriptWordList keywords = Keywords();
  EXPECT_EQ(" $QXRand $QXRandRange $QXLen ", Narrow(keywords.GetText()));
  std::wstring listed;
  EXPECT_TRUE(keywords.Find(L"$qxrandrange", &listed));
  EXPECT_EQ("$QXRandRange", Narrow(listed));
  EXPECT_FALSE(keywords.Find(L"$qxrandran"));  // a part of a name is no name
  EXPECT_FALSE(keywords.Find(L"$qxnosuch"));
  EXPECT_TRUE(keywords.Add(L"  $QXDate \t"));
  EXPECT_FALSE(keywords.Add(L"   "));
  EXPECT_TRUE(keywords.Find(L"$qxdate"));
}

// The extra passes, as "start-end colour" lists (colours by their enum order).
std::string Runs(const std::vector<tkw::ScriptColourRun>& runs) {
  std::string out;
  for (const tkw::ScriptColourRun& run : runs)
    out += std::to_string(run.start) + "-" + std::to_string(run.end) + ":" +
           std::to_string(static_cast<int>(run.colour)) + " ";
  return out;
}

TEST(ScriptColouring, QuotedAndCustomPassesMarkTheirWords) {
  // Single and double quotes pair with each other; the last, unpaired one runs to the end.
  EXPECT_EQ("1-5:4 10-13:4 ", Runs(tkw::QuotedTextRuns(L"a'bc\" + d \"ef")));
  EXPECT_EQ("", Runs(tkw::QuotedTextRuns(L"")));
  // Number 5, custom key 3, plain 0; line breaks separate words like blanks.
  EXPECT_EQ("0-3:5 4-9:3 10-12:0 14-16:0 ",
            Runs(tkw::CustomTextRuns(L"123 RANGE 1a\r\nxy", {L"range"})));
}

// Each case colours the whole text with the caret at its "|", as after a keystroke.
TEST(ScriptCaretContext, DecidesBetweenListTipAndNothing) {
  struct Case {
    const wchar_t* text;
    bool inserting;
    bool list, tip, open;
    const char* function;
    int argument;
  } cases[] = {
      {L"$QX|", false, true, false, false, "", 0},
      {L"a + $q|", false, false, false, false, "", 0},
      {L"$qxra|", false, true, false, false, "$qxra", 0},
      {L"$qxrand|", false, true, false, false, "$QXRand", 0},
      {L"$qxrand(|", false, false, true, true, "$QXRand", 0},
      {L"$QXRand(1, |", false, false, true, true, "$QXRand", 1},
      {L"$QXRandRange(1, 2, 3|", false, false, true, true, "$QXRandRange", 2},
      {L"$QXRand(1, 2)|", false, false, false, false, "", 0},
      {L"$QXRand(1, $QXLen(2)|", false, false, false, false, "", 0},
      {L"$QXRand(1, $qxlen(|", false, false, true, true, "$QXLen", 0},
      {L"$qxrandom(|", false, true, false, true, "$qxrandom", 0},
      {L"$qxrand(1|) + 2", false, false, true, true, "$QXRand", 0},
      {L"$qxrand|", true, false, true, false, "$QXRand", 0},
      {L"plain text|", false, false, false, false, "", 0},
  };
  const tkw::ScriptWordList keywords = Keywords();
  for (const Case& c : cases) {
    std::wstring text = c.text;
    const int caret = static_cast<int>(text.find(L'|'));
    text.erase(caret, 1);
    const tkw::ScriptColouring colouring =
        tkw::ColourScriptRange(text, 0, static_cast<int>(text.size()), keywords);
    tkw::ScriptCaretState state;
    state.selStart = state.selEnd = caret;
    state.inserting = c.inserting;
    const tkw::ScriptCaretContext context =
        tkw::GetScriptCaretContext(text, colouring, state, keywords);
    const std::string name = Narrow(c.text);
    EXPECT_EQ(c.list, context.showList) << name;
    EXPECT_EQ(c.tip, context.showTip) << name;
    EXPECT_EQ(c.open, context.callOpen) << name;
    EXPECT_EQ(c.function, Narrow(context.function)) << name;
    EXPECT_EQ(c.argument, context.argument) << name;
  }
}

TEST(ScriptCaretContext, PasswordModeOpensTheListForAnUnopenedPrefix) {
  struct Case {
    const wchar_t* real;
    bool list;
  } cases[] = {{L"", false},         {L"$QX", true},         {L"$qxRand", true},
               {L"$QXRand(", false}, {L"$QXRand(1)", false}, {L"$QXRand(1, $QXLen", true},
               {L"abc$Q", false},    {L"abc$", false},       {L"secret", false}};
  for (const Case& c : cases) EXPECT_EQ(c.list, tkw::PasswordWantsList(c.real)) << Narrow(c.real);
}

TEST(ScriptCaretContext, PopupActionsFollowTheDecision) {
  tkw::ScriptCaretContext list, tip, none;
  list.showList = true;
  tip.showTip = true;
  const tkw::ScriptPopupActions open = tkw::GetScriptPopupActions(list, true, false, false);
  EXPECT_TRUE(open.openList && open.hideTip && !open.hideList);
  // Without its window the list cannot open: only the tip goes.
  const tkw::ScriptPopupActions noDialog = tkw::GetScriptPopupActions(list, false, true, false);
  EXPECT_TRUE(!noDialog.openList && noDialog.hideTip && !noDialog.hideList);
  const tkw::ScriptPopupActions showTip = tkw::GetScriptPopupActions(tip, true, true, false);
  EXPECT_TRUE(showTip.createTip && showTip.hideList && !showTip.hideTip);
  const tkw::ScriptPopupActions hide = tkw::GetScriptPopupActions(none, true, true, false);
  EXPECT_TRUE(hide.hideList && hide.hideTip && !hide.createTip);
}

TEST(ScriptCaretContext, PrefixIsTypedByXAfterDollarQ) {
  EXPECT_TRUE(tkw::IsScriptPrefixTyped(L"a $q", 4, L'x'));
  EXPECT_TRUE(tkw::IsScriptPrefixTyped(L"$Q", 2, L'X'));
  EXPECT_FALSE(tkw::IsScriptPrefixTyped(L"$q", 2, L'y'));
  EXPECT_FALSE(tkw::IsScriptPrefixTyped(L"q", 1, L'x'));
  EXPECT_FALSE(tkw::IsScriptPrefixTyped(L"$q", 5, L'x'));
}

TEST(ScriptCaretContext, ChosenFunctionReplacesTheTypedPrefix) {
  struct Case {
    const wchar_t* text;
    int selStart, selEnd, start, end;
  } cases[] = {
      {L"1 + $QXra", 9, 9, 4, 9},  // the typed part of the name goes
      {L"1 + $qx", 7, 7, 4, 7},   {L"$qxa($qX", 8, 8, 5, 8},
      {L"1 + $q", 6, 6, 6, 6},  // no prefix: only the caret
      {L"$qxab", 2, 5, 2, 5},   // a selection is replaced as it is
      {L"", 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const tkw::ScriptInsertRange range = tkw::GetScriptInsertRange(c.text, c.selStart, c.selEnd);
    EXPECT_EQ(c.start, range.start) << Narrow(c.text);
    EXPECT_EQ(c.end, range.end) << Narrow(c.text);
  }
}

TEST(ScriptRecolour, ChangeKindsFollowTheMessage) {
  struct Case {
    unsigned message;
    unsigned long long wParam;
    int previous, kind;
  } cases[] = {{0x00C2, 0, 0, 2},    {0x0100, 0x2E, 0, 3}, {0x0100, 0x08, 0, 4},
               {0x0100, 0x41, 0, 1}, {0x0102, L'a', 0, 2}, {0x0300, 0, 0, 5},
               {0x0302, 0, 5, 7},    {0x0302, 0, 2, 6},    {0x0444, 0, 0, 1}};
  for (const Case& c : cases)
    EXPECT_EQ(c.kind, tkw::GetScriptChangeKind({c.message, c.wParam}, c.previous))
        << "message " << c.message;
  EXPECT_FALSE(tkw::RecordsScriptChangeRange({0x0444, 0}, 1));
  EXPECT_FALSE(tkw::RecordsScriptChangeRange({0x0302, 0}, 7));
  EXPECT_TRUE(tkw::RecordsScriptChangeRange({0x0102, 0}, 2));
}

TEST(ScriptRecolour, ColoursOnlyTheLinesOfTheChange) {
  // Lines: [0,5) "line0", [7,12) "line1" after "\r\n", [13,18) "line2" after "\r".
  const std::wstring text = L"line0\r\nline1\rline2";
  using Spans = std::vector<tkw::ScriptTextSpan>;
  struct Case {
    int kind, cpMin, cpMax, a, b;
    Spans spans;
  } cases[] = {
      {tkw::kChangeReplace, 8, 8, 9, 9, {{7, 12}}},
      {tkw::kChangePaste, 2, 2, 15, 15, {{0, 18}}},
      {tkw::kChangeBackspace, 0, 0, 13, 13, {{13, 18}}},
      {tkw::kChangeCut, 0, 0, 3, 8, {{0, 12}}},
      {tkw::kChangePasteAfterCut, 14, 16, 2, 4, {{0, 5}, {13, 18}}},
      {tkw::kChangePasteAfterCut, 1, 16, 9, 9, {{0, 12}}},  // a caret: an ordinary paste
      {tkw::kChangeKey, 8, 8, 9, 9, {{0, 18}}},
      {tkw::kChangeNone, 8, 8, 9, 9, {{0, 18}}},
  };
  for (const Case& c : cases) {
    const Spans spans = tkw::GetScriptRecolourSpans(text, c.kind, c.cpMin, c.cpMax, c.a, c.b);
    ASSERT_EQ(c.spans.size(), spans.size()) << "kind " << c.kind;
    for (size_t i = 0; i < spans.size(); ++i)
      EXPECT_TRUE(c.spans[i] == spans[i])
          << "kind " << c.kind << " span " << i << ": expected " << c.spans[i].start << "-"
          << c.spans[i].end << ", got " << spans[i].start << "-" << spans[i].end;
  }
}

TEST(PasswordText, MasksLiteralTextAndShowsScriptsInClear) {
  tkw::PasswordText password;
  for (wchar_t ch : std::wstring(L"abc")) password.Char(ch);
  EXPECT_EQ("***", Narrow(password.GetDisplay()));
  EXPECT_EQ("abc", Narrow(password.GetRealText()));
  // Typing the prefix at the end of a masked text starts a script expression.
  for (wchar_t ch : std::wstring(L"$QX")) password.Char(ch);
  EXPECT_EQ("$QX", Narrow(password.GetRealText()));
  EXPECT_EQ("$QX", Narrow(password.GetDisplay()));
  EXPECT_EQ(3, password.GetSelEnd());
  password.Char(L'(');
  EXPECT_EQ("$QX(", Narrow(password.GetDisplay()));
  EXPECT_EQ(0, password.GetMaskedFlag());
}

TEST(PasswordText, EditsOnTheShownTextReachTheRealTextAndUndoToggles) {
  tkw::PasswordText password;
  password.SetText(L"secret");
  password.Select(2, 4);  // "cr"
  password.Backspace();
  EXPECT_EQ("seet", Narrow(password.GetRealText()));
  password.Select(0, 0);
  password.Delete();
  password.Select(1, 1);
  password.Space();
  EXPECT_EQ("e et", Narrow(password.GetRealText()));
  EXPECT_EQ("****", Narrow(password.GetDisplay()));
  password.Select(4, 4);
  password.Paste(L"XY");
  EXPECT_EQ("e etXY", Narrow(password.GetRealText()));
  EXPECT_EQ(6, password.GetSelStart());
  password.Undo();
  EXPECT_EQ("e et", Narrow(password.GetRealText()));
  EXPECT_EQ(4, password.GetSelStart());
  password.Undo();
  EXPECT_EQ("e etXY", Narrow(password.GetRealText()));
  password.Select(0, 0);
  password.Backspace();  // nothing before the caret
  EXPECT_EQ("e etXY", Narrow(password.GetRealText()));
}

TEST(ScriptFuzz, RandomTextsKeepEveryRule) {
  for (unsigned seed : {1u, 2026u}) {
    const tkw::ScriptFuzzResult result = tkw::FuzzScriptLogic(seed, 5000);
    EXPECT_EQ("", result.failure) << "seed " << seed;
  }
}

}  // namespace
