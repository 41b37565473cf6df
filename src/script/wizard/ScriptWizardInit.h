// CScriptWizardInit: the script editor's entry to the script wizard.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

class TKWUI_API CScriptWizardInit {
 public:
  explicit CScriptWizardInit(CWnd* pParent = NULL) : m_pParent(pParent) {}
  CScriptWizardInit& operator=(const CScriptWizardInit& other) {
    m_pParent = other.m_pParent;
    return *this;
  }

  // Runs the wizard modally over pParent (the stored parent when null) with the editor's
  // keyword list (" name name ... "); answers the composed call, or "" when cancelled.
  CString CreateWizard(CWnd* pParent, CString strKeywordList);

 private:
  CWnd* m_pParent;
};
