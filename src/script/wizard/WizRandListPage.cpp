// CWizRandListPage: values (and weights) checked as typed, added to the grid one by one.
#include "script/wizard/WizRandListPage.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/logic/WizardCallText.h"

#include <QXScriptManager.h>

using namespace scriptwiz;
using namespace tkw::wizard;

IMPLEMENT_DYNAMIC(CWizRandListPage, CScriptWizardBasePage)

BEGIN_MESSAGE_MAP(CWizRandListPage, CScriptWizardBasePage)
  ON_EN_CHANGE(IDC_ARG1, OnChangeValue)
  ON_EN_CHANGE(IDC_ARG2, OnChangeWeight)
  ON_EN_CHANGE(IDC_ARG3, OnChangeFormat)
  ON_BN_CLICKED(IDC_ADD, OnAdd)
  ON_BN_CLICKED(IDC_REMOVE, OnRemove)
END_MESSAGE_MAP()

CWizRandListPage::CWizRandListPage(const CString& strFunction, const CString& strSubtitle)
    : CScriptWizardBasePage(IDD_RAND_LIST, strFunction, strSubtitle),
      m_bValueValid(false),
      m_bWeightValid(false) {}

void CWizRandListPage::DoDataExchange(CDataExchange* pDX) {
  CScriptWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ARG3, m_editFormat);
  DDX_Control(pDX, IDC_ARG1, m_editValue);
  DDX_Control(pDX, IDC_ARG2, m_editWeight);
  DDX_Control(pDX, IDC_ROWS, m_wndRows);
}

bool CWizRandListPage::HasWeights() const {
  return HasWeightColumn(m_strFunction.GetString());
}

BOOL CWizRandListPage::OnInitDialog() {
  CScriptWizardBasePage::OnInitDialog();
  for (CScriptEditCtrl* pEditor : {&m_editFormat, &m_editValue, &m_editWeight})
    SetupEditor(*pEditor);
  ShowPair(IDC_ARG3, IDC_LABEL3, m_strFunction == L"$QXFormat");
  // Without a weight column the weight is not asked for.
  ShowPair(IDC_ARG2, IDC_LABEL2, HasWeights());
  m_bWeightValid = !HasWeights();
  for (int i = 0; i < 3; ++i) SetLabel(IDC_LABEL1 + i, i + 1);
  m_wndRows.SetColumnCount(HasWeights() ? 2 : 1);
  m_rows.Show(m_wndRows, GetParmText(1, QXATTR_COLUMN), GetParmText(2, QXATTR_COLUMN));
  ShowDescription();
  Refresh();
  return TRUE;
}

BOOL CWizRandListPage::OnSetActive() {
  const BOOL result = CScriptWizardBasePage::OnSetActive();
  Refresh();
  return result;
}

void CWizRandListPage::OnChangeValue() {
  m_bValueValid =
      IsRandListValueValid(m_strFunction.GetString(), ScriptWizGetText(this, IDC_ARG1).GetString());
  Refresh();
}

void CWizRandListPage::OnChangeWeight() {
  m_bWeightValid =
      !HasWeights() || IsRandListWeightValid(m_strFunction.GetString(),
                                             ScriptWizGetText(this, IDC_ARG2).GetString());
  Refresh();
}

void CWizRandListPage::OnChangeFormat() {
  Refresh();
}

void CWizRandListPage::OnAdd() {
  if (!m_bValueValid || !m_bWeightValid) return;
  m_rows.AddShown(m_wndRows, ScriptWizGetText(this, IDC_ARG1),
                  HasWeights() ? ScriptWizGetText(this, IDC_ARG2) : CString());
  Refresh();
}

void CWizRandListPage::OnRemove() {
  m_rows.RemoveSelected(m_wndRows);
  Refresh();
}

LRESULT CWizRandListPage::OnWizardBack() {
  m_rows.DeleteAllShown(m_wndRows);
  Refresh();
  return CScriptWizardBasePage::OnWizardBack();
}

void CWizRandListPage::Refresh() {
  const int count = m_rows.GetCount();
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_ADD), m_bValueValid && m_bWeightValid);
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_REMOVE), count > 0);
  if (count > 0)
    SetBackFinishButtons();
  else
    SetBackButton();
  SetPreview(ComposeRandListCall(m_strFunction.GetString(),
                                 ScriptWizGetText(this, IDC_ARG3).GetString(), m_rows.Texts())
                 .c_str());
}
