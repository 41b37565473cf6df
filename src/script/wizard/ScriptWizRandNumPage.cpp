// CScriptWizRandNumPage: two or three arguments; bounds of a range must be whole numbers.
#include "script/wizard/ScriptWizRandNumPage.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/logic/WizardCallText.h"

using namespace scriptwiz;
using namespace tkw::wizard;

IMPLEMENT_DYNAMIC(CScriptWizRandNumPage, CScriptWizardBasePage)

BEGIN_MESSAGE_MAP(CScriptWizRandNumPage, CScriptWizardBasePage)
  ON_EN_CHANGE(IDC_ARG1, OnChangeFirst)
  ON_EN_CHANGE(IDC_ARG2, OnChangeSecond)
  ON_EN_CHANGE(IDC_ARG3, OnChangeThird)
END_MESSAGE_MAP()

CScriptWizRandNumPage::CScriptWizRandNumPage(const CString& strFunction, const CString& strSubtitle)
    : CScriptWizardBasePage(IDD_RAND_NUM, strFunction, strSubtitle),
      m_nFirst(0),
      m_nSecond(0),
      m_bInFirst(false),
      m_bInSecond(false) {}

void CScriptWizRandNumPage::DoDataExchange(CDataExchange* pDX) {
  CScriptWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ARG1, m_editFirst);
  DDX_Control(pDX, IDC_ARG2, m_editSecond);
  DDX_Control(pDX, IDC_ARG3, m_editThird);
}

BOOL CScriptWizRandNumPage::OnInitDialog() {
  CScriptWizardBasePage::OnInitDialog();
  for (CScriptEditCtrl* pEditor : {&m_editFirst, &m_editSecond, &m_editThird})
    SetupEditor(*pEditor);
  const std::wstring name = m_strFunction.GetString();
  const bool inputs = IsRandNumInputFunction(name);
  ShowPair(IDC_ARG1, IDC_LABEL1, inputs);
  ShowPair(IDC_ARG2, IDC_LABEL2, inputs);
  ShowPair(IDC_ARG3, IDC_LABEL3, name == L"$QXMid");
  SetLabel(IDC_LABEL1, 1);
  SetLabel(IDC_LABEL2, 2);
  SetLabel(IDC_LABEL3, 3);
  ShowDescription();
  Refresh();
  return TRUE;
}

BOOL CScriptWizRandNumPage::OnSetActive() {
  const BOOL result = CScriptWizardBasePage::OnSetActive();
  Refresh();
  return result;
}

void CScriptWizRandNumPage::TakeArgument(int nID, CString& strText, int& nValue, bool& bInside) {
  if (bInside) return;
  bInside = true;
  const CString typed = ScriptWizGetText(this, nID);
  const std::wstring name = m_strFunction.GetString();
  strText = typed;
  nValue = 0;
  if (!typed.IsEmpty() && !IsTextOrVariableFunction(name) && !IsExpression(typed.GetString())) {
    int value = 0;
    if (ReadPositiveInt(typed.GetString(), &value)) {
      nValue = value;
      strText.Format(L"%d", value);
    } else {
      strText.Empty();
    }
    ReplaceText(nID, strText);
  }
  bInside = false;
  Refresh();
}

void CScriptWizRandNumPage::OnChangeFirst() {
  TakeArgument(IDC_ARG1, m_strFirst, m_nFirst, m_bInFirst);
}

void CScriptWizRandNumPage::OnChangeSecond() {
  TakeArgument(IDC_ARG2, m_strSecond, m_nSecond, m_bInSecond);
}

void CScriptWizRandNumPage::OnChangeThird() {
  m_strThird = ScriptWizGetText(this, IDC_ARG3);
  Refresh();
}

void CScriptWizRandNumPage::Refresh() {
  const RandNumArgs args = {m_strFirst.GetString(), m_strSecond.GetString(),
                            m_strThird.GetString()};
  const std::wstring name = m_strFunction.GetString();
  if (IsRandNumComplete(name, args))
    SetBackFinishButtons();
  else
    SetBackButton();
  SetPreview(ComposeRandNumCall(name, args).c_str());
}
