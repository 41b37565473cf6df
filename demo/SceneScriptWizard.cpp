// Scenes of the script wizard, driven as a user would: the category page with a function
// chosen, then each argument page with its fields filled and the call composed in the preview.
#include "Gallery.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/ScriptWizardSheet.h"

#include <QXScriptManager.h>
#include <afxrich_.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace scriptwiz;

// One action on the wizard: a choice in a list or combo box, a text pasted into a field, a
// button clicked on the page, a date picked or Next pressed.
struct Step {
  enum Kind { kPick, kText, kClick, kDate, kNext } kind;
  int id;
  const wchar_t* value;
};

void Pump() {
  MSG msg;
  for (int i = 0; i < 1000 && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE); ++i) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

void Perform(CPropertySheet& sheet, const Step& step) {
  const HWND page = sheet.GetActivePage()->m_hWnd;
  const HWND ctl = ::GetDlgItem(page, step.id);
  switch (step.kind) {
    case Step::kPick: {
      wchar_t cls[16] = L"";
      ::GetClassNameW(ctl, cls, 16);
      const bool combo = lstrcmpiW(cls, L"ComboBox") == 0;
      const LRESULT index = ::SendMessageW(ctl, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT,
                                           WPARAM(-1), reinterpret_cast<LPARAM>(step.value));
      ::SendMessageW(ctl, combo ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(index), 0);
      ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(step.id, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(ctl));
      break;
    }
    case Step::kText:
      ::SendMessageW(ctl, EM_SETSEL, 0, -1);
      ::SendMessageW(ctl, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(step.value));
      break;
    case Step::kClick:
      ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(step.id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(ctl));
      break;
    case Step::kDate: {
      const std::wstring d = step.value;  // MM/DD/YYYY
      SYSTEMTIME time = {};
      time.wMonth = WORD(std::stoi(d.substr(0, 2)));
      time.wDay = WORD(std::stoi(d.substr(3, 2)));
      time.wYear = WORD(std::stoi(d.substr(6, 4)));
      ::SendMessageW(ctl, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
      NMDATETIMECHANGE change = {};
      change.nmhdr = {ctl, UINT_PTR(step.id), UINT(DTN_DATETIMECHANGE)};
      change.st = time;
      ::SendMessageW(page, WM_NOTIFY, WPARAM(step.id), reinterpret_cast<LPARAM>(&change));
      break;
    }
    case Step::kNext: sheet.PressButton(PSBTN_NEXT); break;
  }
  Pump();
}

HBITMAP LoadWizardBitmap(UINT nID) {
  return static_cast<HBITMAP>(::LoadImageW(AfxFindResourceHandle(MAKEINTRESOURCEW(nID), RT_BITMAP),
                                           MAKEINTRESOURCEW(nID), IMAGE_BITMAP, 0, 0,
                                           LR_CREATEDIBSECTION));
}

class CScriptWizardScene : public CGalleryScene {
 public:
  explicit CScriptWizardScene(std::vector<Step> steps) : m_steps(std::move(steps)) {}
  ~CScriptWizardScene() override {
    if (m_pSheet && m_pSheet->m_hWnd) m_pSheet->DestroyWindow();
    m_pSheet.reset();
    if (m_hbmHeader) ::DeleteObject(m_hbmHeader);
    if (m_hbmWatermark) ::DeleteObject(m_hbmWatermark);
  }

  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    AfxInitRichEdit2();
    m_hbmWatermark = LoadWizardBitmap(IDB_WATERMARK);
    m_hbmHeader = LoadWizardBitmap(IDB_HEADER);
    CString keywords = L" ";
    CStringArray* pWords = TKWGetScriptManager()->GetKeyWords();
    for (INT_PTR i = 0; i < pWords->GetSize(); ++i) keywords += pWords->GetAt(i) + L" ";
    m_pSheet = std::make_unique<CScriptWizardSheet>(IDS_SHEET_CAPTION, &m_frame, keywords,
                                                    m_hbmWatermark, m_hbmHeader);
    m_pSheet->m_psh.dwFlags |= PSH_WIZARD;
    m_pSheet->Create(&m_frame, WS_CHILD | WS_VISIBLE | DS_CONTROL | WS_CLIPCHILDREN, 0);
    Pump();
    for (const Step& step : m_steps) Perform(*m_pSheet, step);
  }

  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  std::vector<Step> m_steps;
  CSceneFrame m_frame;
  std::unique_ptr<CScriptWizardSheet> m_pSheet;
  HBITMAP m_hbmHeader = NULL;
  HBITMAP m_hbmWatermark = NULL;
};

Step Pick(int id, const wchar_t* v) {
  return {Step::kPick, id, v};
}
Step Text(int id, const wchar_t* v) {
  return {Step::kText, id, v};
}
Step Date(int id, const wchar_t* v) {
  return {Step::kDate, id, v};
}
const Step kNext = {Step::kNext, 0, L""};
const Step kAdd = {Step::kClick, IDC_ADD, L""};

std::vector<Step> Choose(const wchar_t* category, const wchar_t* function) {
  return {Pick(IDC_CATEGORIES, category), Pick(IDC_FUNCTIONS, function)};
}

std::vector<Step> Then(std::vector<Step> first, std::vector<Step> more) {
  first.push_back(kNext);
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

void Register(const wchar_t* name, const wchar_t* title, std::vector<Step> steps) {
  GalleryScenes().push_back({name, title, CSize(640, 420), [steps] {
                               return std::unique_ptr<CGalleryScene>(new CScriptWizardScene(steps));
                             }});
}

struct ScriptWizardScenes {
  ScriptWizardScenes() {
    Register(L"script-wizard-category", L"Script wizard: category page",
             Choose(L"Random strings", L"$QXRandList"));
    Register(L"script-wizard-single", L"Script wizard: single parameter page",
             Then(Choose(L"String", L"$QXUpper"), {Text(IDC_ARG1, L"checkout")}));
    Register(L"script-wizard-numbers", L"Script wizard: random numbers page",
             Then(Choose(L"Random numbers", L"$QXRandRange"),
                  {Text(IDC_ARG1, L"1"), Text(IDC_ARG2, L"100")}));
    Register(L"script-wizard-dates", L"Script wizard: date page",
             Then(Choose(L"Date and time", L"$QXDate"),
                  {Date(IDC_START_DATE, L"03/01/2026"), Date(IDC_END_DATE, L"12/31/2026")}));
    Register(L"script-wizard-file", L"Script wizard: file access page",
             Then(Choose(L"File access", L"$QXFileArray"),
                  {Text(IDC_ARG1, L"C:\\data\\customers.txt"), Pick(IDC_CHOICES, L"RANGE"),
                   Text(IDC_ARG4, L"250")}));
    Register(L"script-wizard-random-list", L"Script wizard: weighted list page",
             Then(Choose(L"Random strings", L"$QXRandList"),
                  {Text(IDC_ARG1, L"Visa"), Text(IDC_ARG2, L"60"), kAdd,
                   Text(IDC_ARG1, L"Mastercard"), Text(IDC_ARG2, L"30"), kAdd,
                   Text(IDC_ARG1, L"$QXGetVar(card)"), Text(IDC_ARG2, L"10"), kAdd}));
    Register(L"script-wizard-list", L"Script wizard: list page",
             Then(Choose(L"Random strings", L"$QXList"),
                  {Pick(IDC_CHOICES, L"SEQUENTIAL"), Text(IDC_ARG1, L"north"), kAdd,
                   Text(IDC_ARG1, L"south"), kAdd, Text(IDC_ARG1, L"east"), kAdd}));
  }
} g_scriptWizardScenes;

}  // namespace
