// CScriptWizardSheet: the function map, page creation on request and removing editor tips.
#include "script/wizard/ScriptWizardSheet.h"

#include "script/wizard/ScriptWizardBasePage.h"
#include "script/wizard/ScriptWizDatePage.h"
#include "script/wizard/ScriptWizListPage.h"
#include "script/wizard/ScriptWizRandNumPage.h"
#include "script/wizard/ScriptWizSingleParameterPage.h"
#include "script/wizard/WizCategory.h"
#include "script/wizard/WizFileAccessPage.h"
#include "script/wizard/WizRandListPage.h"
#include "script/wizard/logic/WizardPageChoice.h"

#include <QXScriptManager.h>

IMPLEMENT_DYNAMIC(CScriptWizardSheet, CPropertySheet)

const UINT CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_DATES_AND_NUMBERS =
    ::RegisterWindowMessageW(L"WM_CREATE_CATEGORY_FOR_DATES_AND_NUMBERS");
const UINT CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_FILE_ACCESS =
    ::RegisterWindowMessageW(L"WM_CREATE_CATEGORY_FOR_FILE_ACCESS");
const UINT CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_RANDOM_STRINGS =
    ::RegisterWindowMessageW(L"WM_CREATE_CATEGORY_FOR_RANDOM_STRINGS");
const UINT CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_RANDOM_NUMBERS =
    ::RegisterWindowMessageW(L"WM_CREATE_CATEGORY_FOR_RANDOM_NUMBERS");
const UINT CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_SINGLE_PARAMETER =
    ::RegisterWindowMessageW(L"WM_CREATE_CATEGORY_FOR_SINGLE_PARAMETER");
const UINT CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_LIST =
    ::RegisterWindowMessageW(L"WM_CREATE_CATEGORY_FOR_LIST");
const UINT CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_STRING_MANIPULATION =
    ::RegisterWindowMessageW(L"WM_CREATE_CATEGORY_FOR_STRING_MANIPULATION");
const UINT CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_NUMERICAL_MANIPULATION =
    ::RegisterWindowMessageW(L"WM_CREATE_CATEGORY_FOR_NUMERICAL_MANIPULATION");

namespace {
// Embedded script editors hide their assist lists and tips on it.
const UINT WM_REMOVETIP = ::RegisterWindowMessageW(L"WM_REMOVETIP");
}  // namespace

BEGIN_MESSAGE_MAP(CScriptWizardSheet, CPropertySheet)
  ON_REGISTERED_MESSAGE(WM_CREATE_CATEGORY_FOR_DATES_AND_NUMBERS, OnCreateDatesPage)
  ON_REGISTERED_MESSAGE(WM_CREATE_CATEGORY_FOR_FILE_ACCESS, OnCreateFileAccessPage)
  ON_REGISTERED_MESSAGE(WM_CREATE_CATEGORY_FOR_RANDOM_STRINGS, OnCreateRandStringsPage)
  ON_REGISTERED_MESSAGE(WM_CREATE_CATEGORY_FOR_RANDOM_NUMBERS, OnCreateRandNumPage)
  ON_REGISTERED_MESSAGE(WM_CREATE_CATEGORY_FOR_SINGLE_PARAMETER, OnCreateSingleParameterPage)
  ON_REGISTERED_MESSAGE(WM_CREATE_CATEGORY_FOR_LIST, OnCreateListPage)
  ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
END_MESSAGE_MAP()

CScriptWizardSheet::CScriptWizardSheet(UINT nIDCaption, CWnd* pParentWnd,
                                       const CString& strKeywordList, HBITMAP hbmWatermark,
                                       HBITMAP hbmHeader)
    : CPropertySheet(nIDCaption, pParentWnd, 0, hbmWatermark, NULL, hbmHeader),
      m_strKeyWordList(strKeywordList),
      m_mapFunctions(10),
      m_pCategoryPage(NULL),
      m_pFileAccessPage(NULL),
      m_pRandStringsPage(NULL),
      m_pDatesPage(NULL),
      m_pRandNumPage(NULL),
      m_pSingleParameterPage(NULL),
      m_pListPage(NULL) {
  m_psh.dwFlags |= PSH_WIZARD97 | PSH_HEADER | PSH_WATERMARK;
  BuildFunctionMap();
  m_pCategoryPage = new CWizCategory;
  m_pCategoryPage->m_psp.dwFlags &= ~PSP_HASHELP;
  AddPage(m_pCategoryPage);
}

CScriptWizardSheet::~CScriptWizardSheet() {
  delete m_pCategoryPage;
  delete m_pFileAccessPage;
  delete m_pRandStringsPage;
  delete m_pDatesPage;
  delete m_pRandNumPage;
  delete m_pSingleParameterPage;
  delete m_pListPage;
}

void CScriptWizardSheet::BuildFunctionMap() {
  CQXScriptManager* pManager = TKWGetScriptManager();
  for (const std::wstring& name :
       tkw::wizard::SplitKeywordList(std::wstring(m_strKeyWordList.GetString()))) {
    if (CScriptObject* pObject = pManager->GetQXScriptObject(CString(name.c_str())))
      m_mapFunctions.SetAt(CString(name.c_str()), pObject);
  }
}

CString CScriptWizardSheet::SubtitleFor(const CScriptObject* pObject) {
  const CString subtitle =
      pObject ? pObject->GetParmText(QXPARM_FUNCTION, QXATTR_CAPTION) : CString();
  return subtitle.IsEmpty() ? CString(CScriptWizardBasePage::kWizardTitle) : subtitle;
}

void CScriptWizardSheet::RemovePagesAfterActive() {
  const int active = GetActiveIndex();
  for (int i = GetPageCount() - 1; i > active; --i) RemovePage(i);
}

template <class TPage>
LRESULT CScriptWizardSheet::CreatePage(TPage*& pSlot) {
  RemovePagesAfterActive();
  if (pSlot && GetPageIndex(pSlot) >= 0) RemovePage(pSlot);
  delete pSlot;
  CObject* pObject = NULL;
  m_mapFunctions.Lookup(m_strCurrentFunction, pObject);
  pSlot = new TPage(m_strCurrentFunction, SubtitleFor(static_cast<CScriptObject*>(pObject)));
  pSlot->m_psp.dwFlags &= ~PSP_HASHELP;
  AddPage(pSlot);
  return 1;
}

LRESULT CScriptWizardSheet::OnCreateDatesPage(WPARAM, LPARAM) {
  return CreatePage(m_pDatesPage);
}

LRESULT CScriptWizardSheet::OnCreateFileAccessPage(WPARAM, LPARAM) {
  return CreatePage(m_pFileAccessPage);
}

LRESULT CScriptWizardSheet::OnCreateRandStringsPage(WPARAM, LPARAM) {
  return CreatePage(m_pRandStringsPage);
}

LRESULT CScriptWizardSheet::OnCreateListPage(WPARAM, LPARAM) {
  return CreatePage(m_pListPage);
}

LRESULT CScriptWizardSheet::OnCreateRandNumPage(WPARAM, LPARAM) {
  return CreatePage(m_pRandNumPage);
}

LRESULT CScriptWizardSheet::OnCreateSingleParameterPage(WPARAM, LPARAM) {
  return CreatePage(m_pSingleParameterPage);
}

namespace {

struct TipMessage {
  WPARAM wParam;
  LPARAM lParam;
};

BOOL CALLBACK SendRemoveTip(HWND hWnd, LPARAM lParam) {
  const TipMessage* pMessage = reinterpret_cast<const TipMessage*>(lParam);
  ::SendMessageW(hWnd, WM_REMOVETIP, pMessage->wParam, pMessage->lParam);
  return TRUE;
}

}  // namespace

LRESULT CScriptWizardSheet::OnNcLButtonDown(WPARAM wParam, LPARAM lParam) {
  // EnumChildWindows reaches every descendant, the pages' controls included.
  TipMessage message = {wParam, lParam};
  ::EnumChildWindows(m_hWnd, SendRemoveTip, reinterpret_cast<LPARAM>(&message));
  return Default();
}
