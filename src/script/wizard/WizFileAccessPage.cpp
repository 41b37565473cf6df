// CWizFileAccessPage: a file, a mode and the lines the mode needs.
#include "script/wizard/WizFileAccessPage.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/logic/WizardCallText.h"

#include <commdlg.h>

using namespace scriptwiz;
using namespace tkw::wizard;

IMPLEMENT_DYNAMIC(CWizFileAccessPage, CScriptWizardBasePage)

BEGIN_MESSAGE_MAP(CWizFileAccessPage, CScriptWizardBasePage)
  ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
  ON_CBN_SELCHANGE(IDC_CHOICES, OnSelchangeMode)
  ON_EN_CHANGE(IDC_ARG1, OnChangeFile)
  ON_EN_CHANGE(IDC_ARG3, OnChangeThird)
  ON_EN_CHANGE(IDC_ARG4, OnChangeFourth)
END_MESSAGE_MAP()

CWizFileAccessPage::CWizFileAccessPage(const CString& strFunction, const CString& strSubtitle)
    : CScriptWizardBasePage(IDD_FILE_ACCESS, strFunction, strSubtitle),
      m_bFileChosen(false),
      m_bModeChosen(false),
      m_nMode(-1) {}

void CWizFileAccessPage::DoDataExchange(CDataExchange* pDX) {
  CScriptWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ARG1, m_editFile);
  DDX_Control(pDX, IDC_CHOICES, m_cbMode);
  DDX_Control(pDX, IDC_ARG3, m_editThird);
  DDX_Control(pDX, IDC_ARG4, m_editFourth);
}

BOOL CWizFileAccessPage::OnInitDialog() {
  CScriptWizardBasePage::OnInitDialog();
  for (CScriptEditCtrl* pEditor : {&m_editFile, &m_editThird, &m_editFourth}) SetupEditor(*pEditor);
  // A file name is no script: no assist list on it.
  if (m_strFunction == L"$QXFileArray") m_editFile.EnableScriptAssist(false);
  // $QXRandStr takes a length, not a file.
  ::ShowWindow(::GetDlgItem(m_hWnd, IDC_BROWSE), IsRandStr() ? SW_HIDE : SW_SHOW);
  ShowArgument(IDC_ARG3, IDC_LABEL3, false);
  ShowArgument(IDC_ARG4, IDC_LABEL4, false);
  for (int i = 0; i < 4; ++i) SetLabel(IDC_LABEL1 + i, i + 1);
  CStringArray modes;
  GetChoices(modes);
  for (INT_PTR i = 0; i < modes.GetSize(); ++i) m_cbMode.AddString(modes[i]);
  ShowDescription();
  Refresh();
  return TRUE;
}

BOOL CWizFileAccessPage::OnSetActive() {
  const BOOL result = CScriptWizardBasePage::OnSetActive();
  Refresh();
  return result;
}

void CWizFileAccessPage::OnBrowse() {
  wchar_t path[MAX_PATH] = L"";
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = m_hWnd;
  ofn.lpstrFilter = L"All Files (*.*)\0*.*\0\0";
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = L"Select File Location";
  ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
  if (::GetOpenFileNameW(&ofn)) ReplaceText(IDC_ARG1, path);
}

void CWizFileAccessPage::ShowArgument(int nID, int nIDLabel, bool bShow) {
  ShowPair(nID, nIDLabel, bShow);
  if (!bShow) ReplaceText(nID, CString());
}

void CWizFileAccessPage::OnSelchangeMode() {
  m_nMode = m_cbMode.GetCurSel();
  m_strMode.Empty();
  if (m_nMode >= 0) m_cbMode.GetLBText(m_nMode, m_strMode);
  m_bModeChosen = !m_strMode.IsEmpty();
  const bool range = !IsRandStr() && m_strMode == L"RANGE";
  const bool selection = !IsRandStr() && m_strMode == L"SELECTION";
  ShowArgument(IDC_ARG3, IDC_LABEL3, range || selection);
  ShowArgument(IDC_ARG4, IDC_LABEL4, range);
  if (range) {
    for (int id : {IDC_ARG3, IDC_ARG4})
      if (ScriptWizGetText(this, id).IsEmpty()) ReplaceText(id, L"1");
  }
  m_strThird = ScriptWizGetText(this, IDC_ARG3);
  m_strFourth = ScriptWizGetText(this, IDC_ARG4);
  Refresh();
}

CString CWizFileAccessPage::TakeNumber(int nID) {
  CString text = ScriptWizGetText(this, nID);
  if (!text.IsEmpty() && !IsExpression(text.GetString())) {
    text.Format(L"%d", ToWholeNumber(text.GetString()));
    ReplaceText(nID, text);
  }
  return text;
}

void CWizFileAccessPage::OnChangeFile() {
  m_strFile = IsRandStr() ? TakeNumber(IDC_ARG1) : ScriptWizGetText(this, IDC_ARG1);
  m_bFileChosen = !m_strFile.IsEmpty();
  Refresh();
}

void CWizFileAccessPage::OnChangeThird() {
  m_strThird = TakeNumber(IDC_ARG3);
  Refresh();
}

void CWizFileAccessPage::OnChangeFourth() {
  m_strFourth = TakeNumber(IDC_ARG4);
  Refresh();
}

void CWizFileAccessPage::Refresh() {
  const FileAccessArgs args = {m_strFile.GetString(), m_strMode.GetString(), m_strThird.GetString(),
                               m_strFourth.GetString()};
  const std::wstring name = m_strFunction.GetString();
  if (IsFileAccessComplete(name, args))
    SetBackFinishButtons();
  else
    SetBackButton();
  SetPreview(ComposeFileAccessCall(name, args).c_str());
}
