// CScriptWizSingleParameterPage: one argument, checked as it is typed, and the call it gives.
#include "script/wizard/ScriptWizSingleParameterPage.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/logic/WizardCallText.h"
#include "script/wizard/logic/WizardPageChoice.h"

#include <QXScriptManager.h>

using namespace scriptwiz;
using namespace tkw::wizard;

IMPLEMENT_DYNAMIC(CScriptWizSingleParameterPage, CScriptWizardBasePage)

BEGIN_MESSAGE_MAP(CScriptWizSingleParameterPage, CScriptWizardBasePage)
  ON_EN_CHANGE(IDC_ARG1, OnChangeArgument)
  ON_CBN_SELCHANGE(IDC_CHOICES, OnSelchangeChoices)
END_MESSAGE_MAP()

CScriptWizSingleParameterPage::CScriptWizSingleParameterPage(const CString& strFunction,
                                                             const CString& strSubtitle)
    : CScriptWizardBasePage(IDD_SINGLE_PARAMETER, strFunction, strSubtitle), m_nArgument(0) {}

void CScriptWizSingleParameterPage::DoDataExchange(CDataExchange* pDX) {
  CScriptWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ARG1, m_editArgument);
  DDX_Control(pDX, IDC_CHOICES, m_cbChoices);
}

BOOL CScriptWizSingleParameterPage::OnInitDialog() {
  CScriptWizardBasePage::OnInitDialog();
  SetupEditor(m_editArgument);
  m_editArgument.EnableScriptAssist(true);
  const std::wstring name = m_strFunction.GetString();
  ShowPair(IDC_ARG1, IDC_LABEL1,
           ChoosePage(name, L"", L"", CategoryCaptions()) == PageKind::kSingleParameter);
  SetLabel(IDC_LABEL1, 1);
  ShowDescription();
  CStringArray choices;
  GetChoices(choices);
  for (INT_PTR i = 0; i < choices.GetSize(); ++i) m_cbChoices.AddString(choices[i]);
  m_cbChoices.ShowWindow(choices.GetSize() > 0 ? SW_SHOW : SW_HIDE);
  if (IsNumericSingleFunction(name)) {
    CString number;
    number.Format(L"%d", m_nArgument);
    ReplaceText(IDC_ARG1, number);
  }
  OnChangeArgument();
  return TRUE;
}

BOOL CScriptWizSingleParameterPage::OnSetActive() {
  const BOOL result = CScriptWizardBasePage::OnSetActive();
  Refresh();
  return result;
}

void CScriptWizSingleParameterPage::OnChangeArgument() {
  std::wstring written;
  CheckSingleArgument(m_strFunction.GetString(), ScriptWizGetText(this, IDC_ARG1).GetString(),
                      &written);
  m_strArgument = written.c_str();
  if (IsNumericSingleFunction(m_strFunction.GetString()) && !IsExpression(written))
    m_nArgument = ToWholeNumber(written);
  // Writing back runs this handler again, which then finds the text unchanged.
  ReplaceText(IDC_ARG1, m_strArgument);
  Refresh();
}

// A picked value becomes the argument as if typed.
void CScriptWizSingleParameterPage::OnSelchangeChoices() {
  const int index = m_cbChoices.GetCurSel();
  if (index < 0) return;
  CString value;
  m_cbChoices.GetLBText(index, value);
  ReplaceText(IDC_ARG1, value);
  OnChangeArgument();
}

void CScriptWizSingleParameterPage::Refresh() {
  if (m_strArgument.IsEmpty())
    SetBackButton();
  else
    SetBackFinishButtons();
  SetPreview(ComposeSingleCall(m_strFunction.GetString(), m_strArgument.GetString()).c_str());
}
