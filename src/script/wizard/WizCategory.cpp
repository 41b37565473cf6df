// CWizCategory: lists the functions by category; Next asks the sheet for the argument page.
#include "script/wizard/WizCategory.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/ScriptWizardSheet.h"
#include "script/wizard/logic/WizardPageChoice.h"

#include <QXScriptManager.h>

#include <algorithm>
#include <vector>

using namespace scriptwiz;
using tkw::wizard::PageKind;

IMPLEMENT_DYNAMIC(CWizCategory, CScriptWizardBasePage)

BEGIN_MESSAGE_MAP(CWizCategory, CScriptWizardBasePage)
  ON_LBN_SELCHANGE(IDC_CATEGORIES, OnSelchangeCategory)
  ON_LBN_SELCHANGE(IDC_FUNCTIONS, OnSelchangeFunction)
  ON_LBN_DBLCLK(IDC_FUNCTIONS, OnDblclkFunction)
END_MESSAGE_MAP()

namespace {

CString LoadCaption(UINT nID) {
  CString text;
  text.LoadString(nID);
  return text;
}

CString ListText(const CListBox& list, int index) {
  CString text;
  if (index >= 0) list.GetText(index, text);
  return text;
}

}  // namespace

CWizCategory::CWizCategory()
    : CScriptWizardBasePage(IDD_CATEGORY, IDS_CATEGORY_TITLE, IDS_CATEGORY_SUBTITLE),
      m_mapCategories(10),
      m_mapNames(10) {}

void CWizCategory::DoDataExchange(CDataExchange* pDX) {
  CScriptWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FUNCTIONS, m_lbFunctions);
  DDX_Control(pDX, IDC_CATEGORIES, m_lbCategories);
}

BOOL CWizCategory::OnInitDialog() {
  CScriptWizardBasePage::OnInitDialog();
  if (CMapStringToOb* pMap = GetFunctionMap()) {
    for (POSITION pos = pMap->GetStartPosition(); pos;) {
      CString key;
      CObject* pObject = NULL;
      pMap->GetNextAssoc(pos, key, pObject);
      CScriptObject* pFunction = static_cast<CScriptObject*>(pObject);
      m_mapCategories.SetAt(pFunction->GetCategory(), pFunction->GetCategory());
      m_mapNames.SetAt(pFunction->GetName(), pFunction->GetName());
    }
  }
  m_lbCategories.AddString(LoadCaption(IDS_CATEGORY_ALL));
  m_lbCategories.SetCurSel(0);
  // The categories in the resource module's order; unknown ones after them by name.
  std::vector<CString> others;
  for (POSITION pos = m_mapCategories.GetStartPosition(); pos;) {
    CString caption, value;
    m_mapCategories.GetNextAssoc(pos, caption, value);
    others.push_back(caption);
  }
  for (UINT id = IDS_CATEGORY_ALL + 1; id <= IDS_CATEGORY_ALL + 6; ++id) {
    auto known = std::find(others.begin(), others.end(), LoadCaption(id));
    if (known == others.end()) continue;
    m_lbCategories.AddString(*known);
    others.erase(known);
  }
  std::sort(others.begin(), others.end());
  for (const CString& caption : others) m_lbCategories.AddString(caption);
  FillFunctions(ListText(m_lbCategories, 0));
  return TRUE;
}

void CWizCategory::FillFunctions(const CString& strCategory) {
  m_lbFunctions.ResetContent();
  const bool all = strCategory == LoadCaption(IDS_CATEGORY_ALL);
  if (CMapStringToOb* pMap = GetFunctionMap()) {
    for (POSITION pos = pMap->GetStartPosition(); pos;) {
      CString key;
      CObject* pObject = NULL;
      pMap->GetNextAssoc(pos, key, pObject);
      CScriptObject* pFunction = static_cast<CScriptObject*>(pObject);
      if (!all && pFunction->GetCategory() != strCategory) continue;
      const int index = m_lbFunctions.AddString(L"$QX" + pFunction->GetName());
      if (index >= 0) m_lbFunctions.SetItemData(index, reinterpret_cast<DWORD_PTR>(pFunction));
    }
  }
  m_lbFunctions.SetCurSel(0);
  ShowSelected();
}

CScriptObject* CWizCategory::GetSelectedObject() const {
  const int index = m_lbFunctions.m_hWnd ? m_lbFunctions.GetCurSel() : LB_ERR;
  if (index < 0) return NULL;
  return reinterpret_cast<CScriptObject*>(m_lbFunctions.GetItemData(index));
}

void CWizCategory::ShowSelected() {
  CScriptObject* pObject = GetSelectedObject();
  ScriptWizSetText(this, IDC_DESCRIPTION, pObject ? pObject->GetDescription() : CString());
  SetButtonsForFunction(pObject);
}

void CWizCategory::OnSelchangeCategory() {
  FillFunctions(ListText(m_lbCategories, m_lbCategories.GetCurSel()));
}

void CWizCategory::OnSelchangeFunction() {
  ShowSelected();
}

void CWizCategory::OnDblclkFunction() {
  ShowSelected();
  CScriptObject* pObject = GetSelectedObject();
  if (!pObject) return;
  if (CPropertySheet* pSheet = GetParentSheet())
    pSheet->PressButton(pObject->GetParmDef().IsEmpty() ? PSBTN_FINISH : PSBTN_NEXT);
}

BOOL CWizCategory::OnSetActive() {
  const BOOL result = CScriptWizardBasePage::OnSetActive();
  SetButtonsForFunction(GetSelectedObject());
  return result;
}

UINT CWizCategory::PageMessageForSelection() const {
  tkw::wizard::CategoryCaptions captions;
  captions.all = LoadCaption(IDS_CATEGORY_ALL).GetString();
  for (int i = 0; i < 6; ++i)
    captions.categories[i] = LoadCaption(IDS_CATEGORY_ALL + 1 + i).GetString();
  CScriptObject* pObject = GetSelectedObject();
  const CString selected = ListText(m_lbCategories, m_lbCategories.GetCurSel());
  const PageKind kind = tkw::wizard::ChoosePage(
      GetCurrentFunction().GetString(), selected.GetString(),
      pObject ? std::wstring(pObject->GetCategory().GetString()) : std::wstring(), captions);
  switch (kind) {
    case PageKind::kDatesAndNumbers:
      return CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_DATES_AND_NUMBERS;
    case PageKind::kFileAccess: return CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_FILE_ACCESS;
    case PageKind::kRandomStrings: return CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_RANDOM_STRINGS;
    case PageKind::kRandomNumbers: return CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_RANDOM_NUMBERS;
    case PageKind::kSingleParameter:
      return CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_SINGLE_PARAMETER;
    case PageKind::kList: return CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_LIST;
    case PageKind::kStringManipulation:
      return CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_STRING_MANIPULATION;
    case PageKind::kNumericalManipulation:
      return CScriptWizardSheet::WM_CREATE_CATEGORY_FOR_NUMERICAL_MANIPULATION;
    case PageKind::kNone: break;
  }
  return 0;
}

LRESULT CWizCategory::OnWizardNext() {
  if (m_lbFunctions.GetCount() <= 0) return -1;
  SetCurrentFunction(ListText(m_lbFunctions, m_lbFunctions.GetCurSel()));
  CPropertySheet* pSheet = GetParentSheet();
  const UINT message = PageMessageForSelection();
  // Without a page for the function the wizard stays here: a page left from an earlier choice
  // would compose a call of another function.
  if (!pSheet || !message || !::SendMessageW(pSheet->m_hWnd, message, 0, 0)) return -1;
  return CScriptWizardBasePage::OnWizardNext();
}

BOOL CWizCategory::OnWizardFinish() {
  const CString name = ListText(m_lbFunctions, m_lbFunctions.GetCurSel());
  SetResultText(name.IsEmpty() ? CString() : name + L"()");
  return CPropertyPage::OnWizardFinish();
}
