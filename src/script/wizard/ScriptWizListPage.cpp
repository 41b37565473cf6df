// CScriptWizListPage: the order from its choices, values added to the grid one by one.
#include "script/wizard/ScriptWizListPage.h"

#include "script/wizard/ScriptWizardIds.h"
#include "script/wizard/logic/WizardCallText.h"

#include <QXScriptManager.h>

using namespace scriptwiz;
using namespace tkw::wizard;

IMPLEMENT_DYNAMIC(CScriptWizListPage, CScriptWizardBasePage)

BEGIN_MESSAGE_MAP(CScriptWizListPage, CScriptWizardBasePage)
  ON_CBN_SELCHANGE(IDC_CHOICES, OnSelchangeFirst)
  ON_BN_CLICKED(IDC_ADD, OnAdd)
  ON_BN_CLICKED(IDC_REMOVE, OnRemove)
END_MESSAGE_MAP()

CScriptWizListPage::CScriptWizListPage(const CString& strFunction, const CString& strSubtitle)
    : CScriptWizardBasePage(IDD_LIST, strFunction, strSubtitle), m_bFirstSet(0) {}

void CScriptWizListPage::DoDataExchange(CDataExchange* pDX) {
  CScriptWizardBasePage::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ARG1, m_editValue);
  DDX_Control(pDX, IDC_CHOICES, m_cbFirst);
  DDX_Control(pDX, IDC_ROWS, m_wndRows);
}

BOOL CScriptWizListPage::OnInitDialog() {
  CScriptWizardBasePage::OnInitDialog();
  SetupEditor(m_editValue);
  CStringArray choices;
  GetChoices(choices);
  for (INT_PTR i = 0; i < choices.GetSize(); ++i) m_cbFirst.AddString(choices[i]);
  SetLabel(IDC_LABEL1, 1);
  SetLabel(IDC_LABEL2, 2);
  m_rows.Show(m_wndRows, GetParmText(1, QXATTR_COLUMN), GetParmText(2, QXATTR_COLUMN));
  ShowDescription();
  Refresh();
  return TRUE;
}

BOOL CScriptWizListPage::OnSetActive() {
  const BOOL result = CScriptWizardBasePage::OnSetActive();
  Refresh();
  return result;
}

void CScriptWizListPage::OnSelchangeFirst() {
  const int index = m_cbFirst.GetCurSel();
  m_strFirst.Empty();
  if (index >= 0) m_cbFirst.GetLBText(index, m_strFirst);
  m_bFirstSet = !m_strFirst.IsEmpty();
  Refresh();
}

void CScriptWizListPage::OnAdd() {
  if (m_rows.GetCount() >= kMaxListRows) return;
  m_rows.AddShown(m_wndRows, ScriptWizGetText(this, IDC_ARG1), CString());
  Refresh();
}

void CScriptWizListPage::OnRemove() {
  m_rows.RemoveSelected(m_wndRows);
  Refresh();
}

LRESULT CScriptWizListPage::OnWizardBack() {
  m_rows.DeleteAllShown(m_wndRows);
  Refresh();
  return CScriptWizardBasePage::OnWizardBack();
}

void CScriptWizListPage::Refresh() {
  const int count = m_rows.GetCount();
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_ADD), count < kMaxListRows);
  ::EnableWindow(::GetDlgItem(m_hWnd, IDC_REMOVE), count > 0);
  if (count > 0 && m_bFirstSet)
    SetBackFinishButtons();
  else
    SetBackButton();
  std::vector<std::wstring> values;
  for (const auto& row : m_rows.Texts()) values.push_back(row.first);
  SetPreview(ComposeListCall(m_strFunction.GetString(), m_strFirst.GetString(), values).c_str());
}
