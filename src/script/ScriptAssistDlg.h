// CScriptAssistDlg: the script editor's pop-up list of script functions.
#pragma once

#include "core/TKWExport.h"
#include "core/controls/ExListBox.h"

#include <afxwin.h>

class CScriptEditCtrl;

// A modeless pop-up that lists every function an editor knows, coloured, with the selected
// function's description in a tip. The editor places it under the caret and moves its
// selection while the user types; choosing an entry inserts the function into the editor.
class TKWUI_API CScriptAssistDlg : public CDialog {
  DECLARE_DYNAMIC(CScriptAssistDlg)

 public:
  enum { IDD = 4308 };
  CScriptAssistDlg();

  // The editor the chosen function goes to (not owned).
  void SetOwner(CScriptEditCtrl* pEditor) { m_pEditor = pEditor; }
  CScriptEditCtrl* GetOwnerEditor() const { return m_pEditor; }

  // Adds a function in blue; answers its index.
  int AddFunction(LPCTSTR pszName);
  void ResetList();
  // Grows the dialog and its list to show every entry (at most 150 pixels high); never shrinks.
  void FitToEntries();
  // Selects the first entry that starts with the text (any case); answers it or a negative value.
  int SelectMatching(LPCTSTR pszText);
  void SelectNext();
  void SelectPrevious();

  CExListBox& GetList() { return m_wndList; }
  CString GetLastInserted() const { return m_strLastInserted; }

  // Inserts the selected function into the editor and hides the list (Enter, a double click).
  void OnOK() override;
  void OnCancel() override;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Enter, Escape and Tab reach the list directly: a dialog's own keyboard handling would
  // take them for its buttons.
  BOOL PreTranslateMessage(MSG* pMsg) override;
  afx_msg void OnDblClkList();
  afx_msg BOOL OnNcActivate(BOOL bActive);
  DECLARE_MESSAGE_MAP()

 private:
  CExListBox m_wndList;        // control 1412
  CScriptEditCtrl* m_pEditor;  // the owning editor
  CString m_strLastInserted;
};
