// CWizCategory: the script wizard's first page: a category and a function of it.
#pragma once

#include "script/wizard/ScriptWizardBasePage.h"

class TKWUI_API CWizCategory : public CScriptWizardBasePage {
  DECLARE_DYNAMIC(CWizCategory)

 public:
  CWizCategory();

  CListBox m_lbFunctions;              // "$QX" names; item data = the CScriptObject
  CListBox m_lbCategories;             // the entry for all functions, then the categories
  CMapStringToString m_mapCategories;  // recorded category captions
  CMapStringToString m_mapNames;       // recorded function names

  // The selected function's object, or null.
  CScriptObject* GetSelectedObject() const;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  BOOL OnWizardFinish() override;

  afx_msg void OnSelchangeCategory();
  afx_msg void OnSelchangeFunction();
  afx_msg void OnDblclkFunction();
  DECLARE_MESSAGE_MAP()

 private:
  void FillFunctions(const CString& strCategory);
  void ShowSelected();
  // The sheet message that creates the page for the selected function, 0 for none.
  UINT PageMessageForSelection() const;
};
