// The rows a list page of the script wizard owns, and what its pages share about them.
#pragma once

#include "script/wizard/ScriptWizardListCtrl.h"

#include <string>
#include <utility>
#include <vector>

// The rows of a list page; deletes them with itself.
class CScriptWizRows {
 public:
  CScriptWizRows() = default;
  CScriptWizRows(const CScriptWizRows&) = delete;
  CScriptWizRows& operator=(const CScriptWizRows&) = delete;
  ~CScriptWizRows() { DeleteAll(); }

  CObList& List() { return m_list; }
  int GetCount() const { return static_cast<int>(m_list.GetCount()); }
  void Add(const CString& strValue, const CString& strWeight) {
    m_list.AddTail(new CItemTextInfo(strValue, strWeight));
  }
  // Removes and deletes the row; false when it is not one of these rows.
  bool Remove(CItemTextInfo* pRow);
  void DeleteAll();
  std::vector<std::pair<std::wstring, std::wstring>> Texts() const;

  // The same operations shown in the page's grid: Show gives it its column headers and these
  // rows; the others repopulate it after changing the rows.
  void Show(CScriptWizardListCtrl& grid, const CString& strHeaderOne, const CString& strHeaderTwo);
  void AddShown(CScriptWizardListCtrl& grid, const CString& strValue, const CString& strWeight);
  void RemoveSelected(CScriptWizardListCtrl& grid);
  void DeleteAllShown(CScriptWizardListCtrl& grid);

 private:
  CObList m_list;
};
