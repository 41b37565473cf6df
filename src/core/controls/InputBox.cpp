// CInputBox: caption, prompt and one edit field on template 5255.
#include "core/controls/InputBox.h"

IMPLEMENT_DYNAMIC(CInputBox, CDialog)

CInputBox::CInputBox(LPCTSTR lpszCaption, LPCTSTR lpszPrompt, BOOL bPassword, CWnd* pParent)
    : CDialog(IDD, pParent),
      m_strCaption(lpszCaption ? lpszCaption : _T("")),
      m_strPrompt(lpszPrompt ? lpszPrompt : _T("")),
      m_bPassword(bPassword) {}

BOOL CInputBox::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(m_strCaption);
  SetDlgItemText(IDC_PROMPT, m_strPrompt);
  if (m_bPassword) SendDlgItemMessage(IDC_VALUE, EM_SETPASSWORDCHAR, _T('*'));
  SetDlgItemText(IDC_VALUE, m_strValue);
  return TRUE;
}

void CInputBox::OnOK() {
  GetDlgItemText(IDC_VALUE, m_strValue);
  CDialog::OnOK();
}
