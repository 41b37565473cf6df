// CInputBox: a one-field input dialog with a caption and a prompt, optionally for passwords.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

class TKWUI_API CInputBox : public CDialog {
  DECLARE_DYNAMIC(CInputBox)

 public:
  // Template and controls in the host's resource module.
  enum { IDD = 5255, IDC_PROMPT = 1898, IDC_VALUE = 2125 };

  CInputBox(LPCTSTR lpszCaption = NULL, LPCTSTR lpszPrompt = NULL, BOOL bPassword = FALSE,
            CWnd* pParent = NULL);

  // The entered value (after OK) or the preset one.
  CString GetInputValue() const { return m_strValue; }
  void SetInputValue(LPCTSTR lpszValue) { m_strValue = lpszValue ? lpszValue : _T(""); }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  CString m_strCaption;
  CString m_strPrompt;
  CString m_strValue;
  BOOL m_bPassword;
};
