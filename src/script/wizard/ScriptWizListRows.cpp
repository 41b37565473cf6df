// CScriptWizRows: owning the rows of a list page.
#include "script/wizard/ScriptWizListRows.h"

bool CScriptWizRows::Remove(CItemTextInfo* pRow) {
  POSITION pos = pRow ? m_list.Find(pRow) : NULL;
  if (!pos) return false;
  m_list.RemoveAt(pos);
  delete pRow;
  return true;
}

void CScriptWizRows::DeleteAll() {
  while (!m_list.IsEmpty()) delete m_list.RemoveHead();
}

std::vector<std::pair<std::wstring, std::wstring>> CScriptWizRows::Texts() const {
  std::vector<std::pair<std::wstring, std::wstring>> texts;
  for (POSITION pos = m_list.GetHeadPosition(); pos;) {
    const CItemTextInfo* pRow = static_cast<const CItemTextInfo*>(m_list.GetNext(pos));
    texts.emplace_back(pRow->m_strValue.GetString(), pRow->m_strWeight.GetString());
  }
  return texts;
}

void CScriptWizRows::Show(CScriptWizardListCtrl& grid, const CString& strHeaderOne,
                          const CString& strHeaderTwo) {
  grid.SetColumnHeaderOneText(strHeaderOne);
  grid.SetColumnHeaderTwoText(strHeaderTwo);
  grid.Initialize(&m_list);
}

void CScriptWizRows::AddShown(CScriptWizardListCtrl& grid, const CString& strValue,
                              const CString& strWeight) {
  Add(strValue, strWeight);
  grid.Populate(&m_list);
}

void CScriptWizRows::RemoveSelected(CScriptWizardListCtrl& grid) {
  if (Remove(grid.GetSelected())) grid.Populate(&m_list);
}

void CScriptWizRows::DeleteAllShown(CScriptWizardListCtrl& grid) {
  DeleteAll();
  grid.Populate(&m_list);
}
