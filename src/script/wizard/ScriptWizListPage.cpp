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
  m_wndRows.SetColumnHeaderOneText(GetParmText(1, QXATTR_COLUMN));
  m_wndRows.SetColumnHeaderTwoText(GetParmText(2, QXATTR_COLUMN));
  m_wndRows.Initialize(&m_rows.List());
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
  m_rows.Add(ScriptWizGetText(this, IDC_ARG1), CString());
  m_wndRows.Populate(&m_rows.List());
  Refresh();
}

void CScriptWizListPage::OnRemove() {
  if (m_rows.Remove(m_wndRows.GetSelected())) m_wndRows.Populate(&m_rows.List());
  Refresh();
}

LRESULT CScriptWizListPage::OnWizardBack() {
  m_rows.DeleteAll();
  m_wndRows.Populate(&m_rows.List());
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
