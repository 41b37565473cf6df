// CWizRandListPage: the script wizard's page for calls over a list of values, with or without
// weights ($QXRandList, $QXRandMultiList, $QXURandList, $QXConcat, $QXSum, $QXProd, $QXFormat).
#pragma once

#include "script/wizard/ScriptWizListRows.h"
#include "script/ScriptEditCtrl.h"
#include "script/wizard/ScriptWizardBasePage.h"
#include "script/wizard/ScriptWizardListCtrl.h"

class TKWUI_API CWizRandListPage : public CScriptWizardBasePage {
  DECLARE_DYNAMIC(CWizRandListPage)

 public:
  CWizRandListPage(const CString& strFunction, const CString& strSubtitle);

  CScriptEditCtrl m_editFormat;  // $QXFormat's format text
  CScriptEditCtrl m_editValue;
  CScriptEditCtrl m_editWeight;
  CScriptWizardListCtrl m_wndRows;
  CScriptWizRows m_rows;
  bool m_bValueValid;
  bool m_bWeightValid;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  BOOL OnSetActive() override;
  LRESULT OnWizardBack() override;
  afx_msg void OnChangeValue();
  afx_msg void OnChangeWeight();
  afx_msg void OnChangeFormat();
  afx_msg void OnAdd();
  afx_msg void OnRemove();
  DECLARE_MESSAGE_MAP()

 private:
  bool HasWeights() const;
  void Refresh();
};
