// The script wizard driven as a user drives it: a category and a function on the first page,
// the argument page's fields, then Finish; the returned call text is what the editor inserts.
#include "script/wizard/ScriptWizardInit.h"
#include "script/wizard/ScriptWizardIds.h"

#include <QXScriptManager.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "Support.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace scriptwiz;

const int kFinishButton = 0x3025;  // the wizard's Finish button

void UseHostResources() {
  const HMODULE module = tks::HostResources();
  ASSERT_NE(nullptr, module);
}

// " name name ... " from the manager's keywords, as the script editor hands it over.
CString KeywordList() {
  CString list = L" ";
  CStringArray* pWords = TKWGetScriptManager()->GetKeyWords();
  for (INT_PTR i = 0; i < pWords->GetSize(); ++i) list += pWords->GetAt(i) + L" ";
  return list;
}

HWND Page(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void Press(HWND sheet, int button) {
  SendMessageW(sheet, PSM_PRESSBUTTON, button, 0);
  tks::PumpUntilIdle();
}

bool FinishOffered(HWND sheet) {
  tks::PumpUntilIdle();  // the pages post their button states
  const HWND finish = GetDlgItem(sheet, kFinishButton);
  return IsWindowVisible(finish) && IsWindowEnabled(finish);
}

std::vector<std::wstring> ListTexts(HWND page, int id) {
  std::vector<std::wstring> texts;
  const HWND list = GetDlgItem(page, id);
  const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
    SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
    texts.push_back(text);
  }
  return texts;
}

// Picks an entry of a list box or combo box and tells the page, as a click does.
bool Pick(HWND page, int id, const std::wstring& text) {
  const HWND ctl = GetDlgItem(page, id);
  wchar_t cls[32] = L"";
  GetClassNameW(ctl, cls, 32);
  const bool combo = std::wstring(cls) == L"ComboBox";
  const LRESULT index = SendMessageW(ctl, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT,
                                     WPARAM(-1), reinterpret_cast<LPARAM>(text.c_str()));
  if (index < 0) return false;
  SendMessageW(ctl, combo ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(index), 0);
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(ctl));
  tks::PumpUntilIdle();
  return true;
}

// Replaces a field's text as a paste does.
void Enter(HWND page, int id, const std::wstring& text) {
  const HWND ctl = GetDlgItem(page, id);
  SetFocus(ctl);
  SendMessageW(ctl, EM_SETSEL, 0, -1);
  SendMessageW(ctl, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  tks::PumpUntilIdle();
}

// Sets a date picker and tells the page, as a pick in its calendar does.
void PickDate(HWND page, int id, WORD month, WORD day, WORD year) {
  const HWND picker = GetDlgItem(page, id);
  SYSTEMTIME time = {};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  SendMessageW(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
  NMDATETIMECHANGE change = {};
  change.nmhdr.hwndFrom = picker;
  change.nmhdr.idFrom = UINT_PTR(id);
  change.nmhdr.code = DTN_DATETIMECHANGE;
  change.st = time;
  SendMessageW(page, WM_NOTIFY, WPARAM(id), reinterpret_cast<LPARAM>(&change));
  tks::PumpUntilIdle();
}

void Click(HWND page, int id) {
  const HWND button = GetDlgItem(page, id);
  EXPECT_TRUE(IsWindowEnabled(button)) << "button " << id << " is unavailable";
  SendMessageW(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  tks::PumpUntilIdle();
}

std::wstring Text(HWND page, int id) {
  wchar_t text[512] = L"";
  GetDlgItemTextW(page, id, text, 512);
  return text;
}

// One field a user fills on an argument page: text typed, a choice picked, or a date.
struct Field {
  enum Kind { kText, kPick, kDate, kClick } kind;
  int id;
  const wchar_t* value;  // the text or choice; MM/DD/YYYY for a date
};

struct WizardCase {
  const wchar_t* function;
  const wchar_t* category;  // the caption to select first ("All functions" when null)
  std::vector<Field> fields;
  const wchar_t* expected;
};

class ScriptWizard : public testing::Test {
 protected:
  void SetUp() override {
    UseHostResources();
    tks::ClearModalAnswers();
  }
  void TearDown() override {
    EXPECT_EQ(0, tks::PendingModalAnswers()) << "the wizard never opened";
    tks::ClearModalAnswers();
    TKWGetScriptManager()->LoadDefaultCatalogue();
  }
  // Runs the wizard; drive gets the sheet and must end it.
  CString Run(std::function<void(HWND)> drive, CString keywords = KeywordList()) {
    tks::AnswerNextDialog(std::move(drive));
    CScriptWizardInit init(CWnd::FromHandle(tks::HostFrame()));
    return init.CreateWizard(NULL, keywords);
  }
  // Selects the category and the function on the first page.
  static void Choose(HWND sheet, const wchar_t* category, const wchar_t* function) {
    const HWND page = Page(sheet);
    ASSERT_TRUE(Pick(page, IDC_CATEGORIES, category ? category : L"All functions")) << category;
    ASSERT_TRUE(Pick(page, IDC_FUNCTIONS, function)) << function;
  }
  static void Fill(HWND page, const std::vector<Field>& fields) {
    for (const Field& f : fields) {
      switch (f.kind) {
        case Field::kText: Enter(page, f.id, f.value); break;
        case Field::kPick: EXPECT_TRUE(Pick(page, f.id, f.value)) << f.value; break;
        case Field::kClick: Click(page, f.id); break;
        case Field::kDate: {
          const std::wstring d = f.value;
          PickDate(page, f.id, WORD(std::stoi(d.substr(0, 2))), WORD(std::stoi(d.substr(3, 2))),
                   WORD(std::stoi(d.substr(6, 4))));
          break;
        }
      }
    }
  }
};

Field T(int id, const wchar_t* v) {
  return {Field::kText, id, v};
}
Field P(int id, const wchar_t* v) {
  return {Field::kPick, id, v};
}
Field D(int id, const wchar_t* v) {
  return {Field::kDate, id, v};
}
const Field kAdd = {Field::kClick, IDC_ADD, L""};

const WizardCase kCatalogueCases[] = {
    // Single argument.
    {L"$QXAsc", nullptr, {T(IDC_ARG1, L"abc")}, L"$QXAsc(\"abc\")"},
    {L"$QXChr", L"String", {T(IDC_ARG1, L"65")}, L"$QXChr(65)"},
    {L"$QXGetVar", nullptr, {T(IDC_ARG1, L"x")}, L"$QXGetVar(\"x\")"},
    {L"$QXGetGlobalVar", nullptr, {T(IDC_ARG1, L"g")}, L"$QXGetGlobalVar(\"g\")"},
    {L"$QXLen", nullptr, {T(IDC_ARG1, L"$QXGetVar(x)")}, L"$QXLen($QXGetVar(x))"},
    {L"$QXRand", L"Random numbers", {T(IDC_ARG1, L"7.9")}, L"$QXRand(7)"},
    {L"$QXURand", nullptr, {T(IDC_ARG1, L"100")}, L"$QXURand(100)"},
    {L"$QXUpper", nullptr, {T(IDC_ARG1, L"abc")}, L"$QXUpper(\"abc\")"},
    {L"$QXLower", nullptr, {T(IDC_ARG1, L"A\"b")}, L"$QXLower(\"A\"b\")"},
    {L"$QXTrim", nullptr, {T(IDC_ARG1, L" a ")}, L"$QXTrim(\" a \")"},
    {L"$QXTrimLeft", nullptr, {T(IDC_ARG1, L" a")}, L"$QXTrimLeft(\" a\")"},
    {L"$QXTrimRight", nullptr, {T(IDC_ARG1, L"a ")}, L"$QXTrimRight(\"a \")"},
    {L"$QXProfile", nullptr, {P(IDC_CHOICES, L"SERVER")}, L"$QXProfile(SERVER)"},
    {L"$QXCurrentDateTime",
     L"Date and time",
     {P(IDC_CHOICES, L"HH:MM:SS")},
     L"$QXCurrentDateTime(\"HH:MM:SS\")"},
    // No arguments: Finish on the first page.
    {L"$QXCurrentDate", L"Date and time", {}, L"$QXCurrentDate()"},
    // Ranges, substrings and variables.
    {L"$QXRandRange",
     L"Random numbers",
     {T(IDC_ARG1, L"1"), T(IDC_ARG2, L"100")},
     L"$QXRandRange(1,100)"},
    {L"$QXURandRange",
     nullptr,
     {T(IDC_ARG1, L"12.7"), T(IDC_ARG2, L"$QXRand(10)")},
     L"$QXURandRange(12,$QXRand(10))"},
    {L"$QXLeft", nullptr, {T(IDC_ARG1, L"a\"b"), T(IDC_ARG2, L"3")}, L"$QXLeft(\"a\"b\",3)"},
    {L"$QXRight", nullptr, {T(IDC_ARG1, L"abc"), T(IDC_ARG2, L"2")}, L"$QXRight(\"abc\",2)"},
    {L"$QXMid",
     nullptr,
     {T(IDC_ARG1, L"abcdef"), T(IDC_ARG2, L"2"), T(IDC_ARG3, L"3")},
     L"$QXMid(\"abcdef\",2,3)"},
    {L"$QXSetVar", nullptr, {T(IDC_ARG1, L"x"), T(IDC_ARG2, L"5")}, L"$QXSetVar(\"x\",\"5\")"},
    {L"$QXSetVarRtn",
     nullptr,
     {T(IDC_ARG1, L"x"), T(IDC_ARG2, L"a")},
     L"$QXSetVarRtn(\"x\",\"a\")"},
    {L"$QXSetGlobalVar",
     nullptr,
     {T(IDC_ARG1, L"g"), T(IDC_ARG2, L"$QXGetVar(x)")},
     L"$QXSetGlobalVar(\"g\",$QXGetVar(x))"},
    {L"$QXSetGlobalVarRtn",
     nullptr,
     {T(IDC_ARG1, L"$QXGetVar(n)"), T(IDC_ARG2, L"1")},
     L"$QXSetGlobalVarRtn($QXGetVar(n),\"1\")"},
    // Dates.
    {L"$QXDate",
     L"Date and time",
     {D(IDC_START_DATE, L"03/04/2025"), D(IDC_END_DATE, L"12/31/2025")},
     L"$QXDate(\"03/04/2025\",\"12/31/2025\")"},
    // Files.
    {L"$QXFileArray",
     L"File access",
     {T(IDC_ARG1, L"C:\\data\\names.txt"), P(IDC_CHOICES, L"RANGE"), T(IDC_ARG3, L"2"),
      T(IDC_ARG4, L"9.5")},
     L"$QXFileArray(\"C:\\data\\names.txt\",RANGE,2,9)"},
    {L"$QXRandStr",
     L"Random strings",
     {T(IDC_ARG1, L"8"), P(IDC_CHOICES, L"ALPHA")},
     L"$QXRandStr(8,ALPHA)"},
    // Lists of values.
    {L"$QXList",
     L"Random strings",
     {P(IDC_CHOICES, L"RANDOM"), T(IDC_ARG1, L"a"), kAdd, T(IDC_ARG1, L"$QXRand(5)"), kAdd},
     L"$QXList(RANDOM,\"a\",$QXRand(5))"},
    {L"$QXRandList",
     L"Random strings",
     {T(IDC_ARG1, L"a"), T(IDC_ARG2, L"40"), kAdd, T(IDC_ARG1, L"b"), T(IDC_ARG2, L"60"), kAdd},
     L"$QXRandList(\"a\":40,\"b\":60)"},
    {L"$QXRandMultiList",
     nullptr,
     {T(IDC_ARG1, L"x"), T(IDC_ARG2, L"5"), kAdd},
     L"$QXRandMultiList(\"x\":5)"},
    {L"$QXURandList",
     nullptr,
     {T(IDC_ARG1, L"a"), kAdd, T(IDC_ARG1, L"b"), kAdd},
     L"$QXURandList(\"a\",\"b\")"},
    {L"$QXConcat",
     nullptr,
     {T(IDC_ARG1, L"a"), kAdd, T(IDC_ARG1, L"$QXGetVar(x)"), kAdd},
     L"$QXConcat(\"a\",$QXGetVar(x))"},
    {L"$QXSum", L"Numeric", {T(IDC_ARG1, L"1.5"), kAdd, T(IDC_ARG1, L"2"), kAdd}, L"$QXSum(1.5,2)"},
    {L"$QXProd", nullptr, {T(IDC_ARG1, L"3"), kAdd}, L"$QXProd(3)"},
    {L"$QXFormat",
     nullptr,
     {T(IDC_ARG3, L"{1}-{2}"), T(IDC_ARG1, L"n"), T(IDC_ARG2, L"7"), kAdd, T(IDC_ARG1, L"m"),
      T(IDC_ARG2, L"150"), kAdd},
     L"$QXFormat(\"{1}-{2}\",7,150)"},
};

TEST_F(ScriptWizard, TheCatalogueTableCoversEveryFunction) {
  CStringArray* pWords = TKWGetScriptManager()->GetKeyWords();
  for (INT_PTR i = 0; i < pWords->GetSize(); ++i) {
    const std::wstring name = pWords->GetAt(i).GetString();
    bool found = false;
    for (const WizardCase& c : kCatalogueCases) found = found || name == c.function;
    EXPECT_TRUE(found) << name << " has no row in the table";
  }
}

TEST_F(ScriptWizard, EveryCatalogueFunctionComposesItsCallFromThePageFields) {
  for (const WizardCase& c : kCatalogueCases) {
    SCOPED_TRACE(testing::Message() << "function " << c.function);
    bool finishBeforeFields = true, finishAfterFields = false;
    const CString result = Run([&](HWND sheet) {
      Choose(sheet, c.category, c.function);
      if (!c.fields.empty()) {
        Press(sheet, PSBTN_NEXT);
        finishBeforeFields = FinishOffered(sheet);
        Fill(Page(sheet), c.fields);
        EXPECT_EQ(std::wstring(c.expected), Text(Page(sheet), IDC_PREVIEW));
      }
      finishAfterFields = FinishOffered(sheet);
      Press(sheet, PSBTN_FINISH);
    });
    EXPECT_EQ(CString(c.expected), result);
    EXPECT_TRUE(finishAfterFields) << "Finish not offered once the fields are complete";
    // Pages whose fields start out complete (the date page, $QXChr's 0) offer Finish at once.
    const std::wstring name = c.function;
    if (!c.fields.empty() && name != L"$QXDate" && name != L"$QXChr") {
      EXPECT_FALSE(finishBeforeFields) << "Finish offered before any field was filled";
    }
  }
}

bool Enabled(HWND page, int id) {
  return IsWindowEnabled(GetDlgItem(page, id)) != FALSE;
}

TEST_F(ScriptWizard, ListPagesRefuseRowsTheCallCannotTake) {
  Run([](HWND sheet) {
    Choose(sheet, nullptr, L"$QXList");
    Press(sheet, PSBTN_NEXT);
    HWND page = Page(sheet);
    Pick(page, IDC_CHOICES, L"SEQUENTIAL");
    Enter(page, IDC_ARG1, L"v");
    for (int i = 0; i < 16; ++i) Click(page, IDC_ADD);
    EXPECT_FALSE(Enabled(page, IDC_ADD)) << "a 17th row can be added";
    Press(sheet, PSBTN_BACK);
    Choose(sheet, nullptr, L"$QXRandList");
    Press(sheet, PSBTN_NEXT);
    page = Page(sheet);
    Enter(page, IDC_ARG1, L"a");
    for (const wchar_t* weight : {L"0.5", L"150", L"abc"}) {
      Enter(page, IDC_ARG2, weight);
      EXPECT_FALSE(Enabled(page, IDC_ADD)) << "weight " << weight;
    }
    Enter(page, IDC_ARG2, L"$QXRand(9)");
    EXPECT_TRUE(Enabled(page, IDC_ADD));
    Press(sheet, PSBTN_CANCEL);
  });
}

TEST_F(ScriptWizard, DoubleClickFinishesOrMovesOnByTheFunctionsTemplate) {
  const auto doubleClick = [](HWND sheet, const wchar_t* function) {
    const HWND page = Page(sheet);
    Pick(page, IDC_FUNCTIONS, function);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_FUNCTIONS, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_FUNCTIONS)));
    tks::PumpUntilIdle();
  };
  EXPECT_EQ(CString(L"$QXCurrentDate()"),
            Run([&](HWND sheet) { doubleClick(sheet, L"$QXCurrentDate"); }));
  EXPECT_EQ(CString(L"$QXLen(\"ab\")"), Run([&](HWND sheet) {
              doubleClick(sheet, L"$QXLen");
              Enter(Page(sheet), IDC_ARG1, L"ab");
              Press(sheet, PSBTN_FINISH);
            }));
}

// Field rules that shape the call: a date range that follows the start, a mode switch that
// drops the last line, and a click on the frame that tells every editor to hide its tips.
TEST_F(ScriptWizard, PagesKeepTheirFieldsConsistent) {
  const CString dates = Run([](HWND sheet) {
    Choose(sheet, nullptr, L"$QXDate");
    Press(sheet, PSBTN_NEXT);
    PickDate(Page(sheet), IDC_START_DATE, 6, 1, 2026);
    SYSTEMTIME range[2] = {};
    const DWORD limits =
        DWORD(SendDlgItemMessageW(Page(sheet), IDC_END_DATE, DTM_GETRANGE, 0, LPARAM(range)));
    EXPECT_TRUE(limits & GDTR_MIN);
    EXPECT_EQ(2026, range[0].wYear);
    EXPECT_EQ(6, range[0].wMonth);
    EXPECT_EQ(9999, range[1].wYear);
    PickDate(Page(sheet), IDC_END_DATE, 7, 4, 2026);
    Press(sheet, PSBTN_FINISH);
  });
  EXPECT_EQ(CString(L"$QXDate(\"06/01/2026\",\"07/04/2026\")"), dates);

  const UINT removeTip = RegisterWindowMessageW(L"WM_REMOVETIP");
  tks::MessageRecorder tips;
  const CString file = Run([&](HWND sheet) {
    Choose(sheet, nullptr, L"$QXFileArray");
    Press(sheet, PSBTN_NEXT);
    const HWND page = Page(sheet);
    Enter(page, IDC_ARG1, L"f.txt");
    Pick(page, IDC_CHOICES, L"RANGE");
    EXPECT_EQ(L"$QXFileArray(\"f.txt\",RANGE,1,1)", Text(page, IDC_PREVIEW));
    Pick(page, IDC_CHOICES, L"SELECTION");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_ARG4)));
    tips.Only({removeTip});
    tips.Attach(GetDlgItem(page, IDC_ARG1));
    SendMessageW(sheet, WM_NCLBUTTONDOWN, HTNOWHERE, 0);
    Press(sheet, PSBTN_FINISH);
  });
  EXPECT_EQ(CString(L"$QXFileArray(\"f.txt\",SELECTION,1)"), file);
  EXPECT_EQ(1u, tips.Messages().size()) << "the file editor was not told to hide its tips";
}

TEST_F(ScriptWizard, CancelReturnsNothingWhereverTheWizardStands) {
  const std::function<void(HWND)> drives[] = {
      [](HWND sheet) { Press(sheet, PSBTN_CANCEL); },
      [](HWND sheet) {
        Choose(sheet, nullptr, L"$QXMid");
        Press(sheet, PSBTN_NEXT);
        Enter(Page(sheet), IDC_ARG1, L"abc");
        Press(sheet, PSBTN_CANCEL);
      },
      // Cancel queued behind the Next that creates the argument page.
      [](HWND sheet) {
        Choose(sheet, nullptr, L"$QXDate");
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        tks::PumpUntilIdle();
      },
  };
  for (const auto& drive : drives) EXPECT_EQ(CString(), Run(drive));
}

TEST_F(ScriptWizard, GoingBackAndChoosingAgainReplacesTheArgumentPage) {
  const CString result = Run([](HWND sheet) {
    Choose(sheet, nullptr, L"$QXLeft");
    Press(sheet, PSBTN_NEXT);
    Enter(Page(sheet), IDC_ARG1, L"abc");
    Press(sheet, PSBTN_BACK);
    Choose(sheet, nullptr, L"$QXChr");
    Press(sheet, PSBTN_NEXT);
    EXPECT_EQ(nullptr, PropSheet_IndexToPage(sheet, 2)) << "an old page still follows";
    Enter(Page(sheet), IDC_ARG1, L"300");
    EXPECT_FALSE(FinishOffered(sheet)) << "a code above 255 is taken";
    EXPECT_EQ(L"", Text(Page(sheet), IDC_ARG1));
    Enter(Page(sheet), IDC_ARG1, L"66");
    Press(sheet, PSBTN_FINISH);
  });
  EXPECT_EQ(CString(L"$QXChr(66)"), result);
}

// Keyword lists and catalogues a wizard can be handed: unknown and absurd names are left out,
// an empty catalogue gives empty lists, and a function without parameter entries still gets
// its page with the wizard's title as subtitle.
TEST_F(ScriptWizard, OddCataloguesGiveListsOfWhatTheManagerKnows) {
  const std::wstring longName = L"$QX" + std::wstring(997, L'a');
  std::vector<std::wstring> functions;
  CString result = Run(
      [&](HWND sheet) {
        functions = ListTexts(Page(sheet), IDC_FUNCTIONS);
        Press(sheet, PSBTN_CANCEL);
      },
      CString((L" $QXRand " + longName + L" $QXNoSuch $QXDate ").c_str()));
  EXPECT_EQ((std::vector<std::wstring>{L"$QXDate", L"$QXRand"}), functions);

  const char empty[] = "<scriptcatalogue version=\"1\"></scriptcatalogue>";
  ASSERT_TRUE(TKWGetScriptManager()->LoadCatalogue(empty, sizeof(empty) - 1));
  std::vector<std::wstring> categories;
  result = Run(
      [&](HWND sheet) {
        functions = ListTexts(Page(sheet), IDC_FUNCTIONS);
        categories = ListTexts(Page(sheet), IDC_CATEGORIES);
        Press(sheet, PSBTN_NEXT);
        EXPECT_EQ(0, PropSheet_HwndToIndex(sheet, Page(sheet))) << "Next left an empty page";
        Press(sheet, PSBTN_FINISH);
      },
      L" $QXRand $QXDate ");
  EXPECT_TRUE(functions.empty());
  EXPECT_EQ(std::vector<std::wstring>{L"All functions"}, categories);
  EXPECT_EQ(CString(), result);

  const char bare[] =
      "<scriptcatalogue version=\"1\"><function name=\"$QXBare\" category=\"Random numbers\">"
      "<template>(n)</template><description>No entries.</description></function>"
      "</scriptcatalogue>";
  ASSERT_TRUE(TKWGetScriptManager()->LoadCatalogue(bare, sizeof(bare) - 1))
      << TKWGetScriptManager()->GetLoadError().GetString();
  std::wstring subtitle;
  result = Run(
      [&](HWND sheet) {
        Choose(sheet, L"Random numbers", L"$QXBare");
        Press(sheet, PSBTN_NEXT);
        EXPECT_EQ(L"$QXBare(,)", Text(Page(sheet), IDC_PREVIEW));
        EXPECT_FALSE(FinishOffered(sheet));
        Press(sheet, PSBTN_CANCEL);
      },
      L" $QXBare ");
  EXPECT_EQ(CString(), result);
}

TEST_F(ScriptWizard, OpeningAndCancellingLeavesNoWindowsOrGdiObjects) {
  const auto toFilePage = [](HWND sheet) {
    Choose(sheet, nullptr, L"$QXFileArray");
    Press(sheet, PSBTN_NEXT);
    Press(sheet, PSBTN_CANCEL);
  };
  const auto cancel = [](HWND sheet) { Press(sheet, PSBTN_CANCEL); };
  // Warm up: the first runs load the rich edit library and fill the system's caches.
  for (int i = 0; i < 2; ++i) Run(toFilePage);
  TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 20; ++i) Run(cancel));
  TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 5; ++i) Run(toFilePage));
}

}  // namespace
