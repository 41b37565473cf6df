// CScriptWizardBasePage: the sheet's shared state and the buttons, for every wizard page.
#include "script/wizard/ScriptWizardBasePage.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/ScriptWizardSheet.h"
#include "script/wizard/logic/WizardPageChoice.h"

#include <QXScriptManager.h>

using namespace scriptwiz;

IMPLEMENT_DYNAMIC(CScriptWizardBasePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CScriptWizardBasePage, CPropertyPage)
END_MESSAGE_MAP()

const wchar_t CScriptWizardBasePage::kWizardTitle[] = L"QXScript Wizard";

namespace {
// The main window's help command.
const UINT kHelpCommand = 32079;
}  // namespace

CScriptWizardBasePage::CScriptWizardBasePage(UINT nIDTemplate, UINT nIDHeaderTitle,
                                             UINT nIDHeaderSubTitle)
    : CPropertyPage(nIDTemplate, 0, nIDHeaderTitle, nIDHeaderSubTitle) {
  m_psp.pszTitle = kWizardTitle;
  m_psp.dwFlags = (m_psp.dwFlags | PSP_USETITLE) & ~PSP_HASHELP;
}

CScriptWizardBasePage::CScriptWizardBasePage(UINT nIDTemplate, const CString& strFunction,
                                             const CString& strSubtitle)
    : CPropertyPage(nIDTemplate), m_strFunction(strFunction) {
  m_strHeaderTitle = strFunction;
  m_strHeaderSubTitle = strSubtitle;
  m_psp.pszTitle = kWizardTitle;
  m_psp.dwFlags = (m_psp.dwFlags | PSP_USETITLE) & ~PSP_HASHELP;
}

CScriptWizardSheet* CScriptWizardBasePage::GetWizardSheet() const {
  CPropertySheet* pSheet = GetParentSheet();
  return pSheet && pSheet->IsKindOf(RUNTIME_CLASS(CScriptWizardSheet))
             ? static_cast<CScriptWizardSheet*>(pSheet)
             : NULL;
}

void CScriptWizardBasePage::SetResultText(const CString& strText) {
  if (CScriptWizardSheet* pSheet = GetWizardSheet()) pSheet->m_strResult = strText;
}

void CScriptWizardBasePage::SetCurrentFunction(const CString& strName) {
  if (CScriptWizardSheet* pSheet = GetWizardSheet()) pSheet->m_strCurrentFunction = strName;
}

CString CScriptWizardBasePage::GetCurrentFunction() const {
  CScriptWizardSheet* pSheet = GetWizardSheet();
  return pSheet ? pSheet->m_strCurrentFunction : CString();
}

CMapStringToOb* CScriptWizardBasePage::GetFunctionMap() const {
  CScriptWizardSheet* pSheet = GetWizardSheet();
  return pSheet ? &pSheet->m_mapFunctions : NULL;
}

void CScriptWizardBasePage::PostButtons(DWORD dwFlags) {
  if (m_hWnd && ::GetParent(m_hWnd))
    ::PostMessageW(::GetParent(m_hWnd), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags));
}

void CScriptWizardBasePage::SetButtonsForFunction(const CScriptObject* pObject) {
  if (!pObject) return;
  PostButtons(pObject->GetParmDef().IsEmpty() ? PSWIZB_FINISH : PSWIZB_NEXT);
}

void CScriptWizardBasePage::SetBackFinishButtons() {
  PostButtons(PSWIZB_BACK | PSWIZB_FINISH);
}

void CScriptWizardBasePage::SetBackButton() {
  PostButtons(PSWIZB_BACK);
}

BOOL CScriptWizardBasePage::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1) {
    if (CWnd* pMain = AfxGetMainWnd())
      if (pMain->m_hWnd) ::SendMessageW(pMain->m_hWnd, WM_COMMAND, kHelpCommand, 0);
    return TRUE;
  }
  return FALSE;
}

CScriptObject* CScriptWizardBasePage::GetFunctionObject() const {
  CMapStringToOb* pMap = GetFunctionMap();
  CObject* pObject = NULL;
  if (pMap && pMap->Lookup(m_strFunction, pObject)) return static_cast<CScriptObject*>(pObject);
  // A page made outside a wizard sheet still finds its function.
  return TKWGetScriptManager()->GetQXScriptObject(m_strFunction);
}

CString CScriptWizardBasePage::GetParmText(int nParm, int nAttribute) const {
  CScriptObject* pObject = GetFunctionObject();
  return pObject ? pObject->GetParmText(nParm, nAttribute) : CString();
}

void CScriptWizardBasePage::ShowDescription() {
  CScriptObject* pObject = GetFunctionObject();
  ScriptWizSetText(this, IDC_DESCRIPTION, pObject ? pObject->GetDescription() : CString());
}

void CScriptWizardBasePage::SetLabel(int nIDLabel, int nParm) {
  ScriptWizSetText(this, nIDLabel, GetParmText(nParm, QXATTR_CAPTION));
}

void CScriptWizardBasePage::ShowPair(int nIDControl, int nIDLabel, bool bShow) {
  for (int id : {nIDControl, nIDLabel})
    if (HWND hCtl = ::GetDlgItem(m_hWnd, id)) ::ShowWindow(hCtl, bShow ? SW_SHOW : SW_HIDE);
}

void CScriptWizardBasePage::GetChoices(CStringArray& values) const {
  values.RemoveAll();
  CScriptObject* pObject = GetFunctionObject();
  if (!pObject) return;
  CObList* pList = pObject->GetParmObList();
  for (POSITION pos = pList->GetHeadPosition(); pos;) {
    const CScriptParameter* pParm = static_cast<const CScriptParameter*>(pList->GetNext(pos));
    if (pParm->GetAttribute() != QXATTR_CHOICES) continue;
    for (const std::wstring& value : tkw::wizard::SplitChoices(pParm->GetText().GetString()))
      values.Add(CString(value.c_str()));
    break;
  }
}

void CScriptWizardBasePage::SetupEditor(CScriptEditCtrl& editor) {
  CQXScriptManager* pManager = TKWGetScriptManager();
  editor.Initialize(true);
  editor.SetKeyWords(pManager->GetKeyWords());
  editor.SetConstants(pManager->GetConstants());
  editor.DisableRightClick(false);
}

void CScriptWizardBasePage::ReplaceText(int nID, const CString& strText) {
  HWND hCtl = ::GetDlgItem(m_hWnd, nID);
  if (!hCtl || ScriptWizGetText(this, nID) == strText) return;
  ::SetWindowTextW(hCtl, strText);
  ::SendMessageW(hCtl, EM_SETSEL, strText.GetLength(), strText.GetLength());
}

void CScriptWizardBasePage::SetPreview(const CString& strText) {
  ScriptWizSetText(this, IDC_PREVIEW, strText);
}

CString CScriptWizardBasePage::GetPreview() const {
  return ScriptWizGetText(this, IDC_PREVIEW);
}

BOOL CScriptWizardBasePage::OnWizardFinish() {
  SetResultText(GetPreview());
  return CPropertyPage::OnWizardFinish();
}

void ScriptWizSetText(CWnd* pDialog, int nID, const CString& strText) {
  HWND hCtl = pDialog && pDialog->m_hWnd ? ::GetDlgItem(pDialog->m_hWnd, nID) : NULL;
  if (hCtl && ScriptWizGetText(pDialog, nID) != strText) ::SetWindowTextW(hCtl, strText);
}

CString ScriptWizGetText(const CWnd* pDialog, int nID) {
  HWND hCtl = pDialog && pDialog->m_hWnd ? ::GetDlgItem(pDialog->m_hWnd, nID) : NULL;
  if (!hCtl) return CString();
  const int length = ::GetWindowTextLengthW(hCtl);
  CString text;
  if (length > 0) {
    ::GetWindowTextW(hCtl, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
  }
  return text;
}
