// CScriptAssistDlg: filling, fitting and choosing in the script editor's function list.
#include "script/ScriptAssistDlg.h"

#include "script/ScriptEditCtrl.h"

#include "QXScriptManager.h"

#include <qxres_ids.h>

#include <algorithm>

namespace {

const int kMaxListHeight = 150;
const COLORREF kFunctionColour = 0xFF0000;  // blue

}  // namespace

IMPLEMENT_DYNAMIC(CScriptAssistDlg, CDialog)

BEGIN_MESSAGE_MAP(CScriptAssistDlg, CDialog)
  ON_LBN_DBLCLK(IDC_QX_SCRIPT_ASSIST_LIST, OnDblClkList)
  ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

CScriptAssistDlg::CScriptAssistDlg() : m_pEditor(NULL) {}

void CScriptAssistDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_QX_SCRIPT_ASSIST_LIST, m_wndList);
}

int CScriptAssistDlg::AddFunction(LPCTSTR pszName) {
  return m_wndList.AddItem(pszName, kFunctionColour);
}

void CScriptAssistDlg::ResetList() {
  m_wndList.ResetContent();
}

void CScriptAssistDlg::FitToEntries() {
  const int nCount = m_wndList.GetCount();
  if (nCount <= 0) return;
  CClientDC dc(&m_wndList);
  CFont* pOld = dc.SelectObject(m_wndList.GetFont());
  TEXTMETRIC tm = {};
  dc.GetTextMetrics(&tm);
  int nWidth = 0;
  for (int i = 0; i < nCount; ++i) {
    CString text;
    m_wndList.GetText(i, text);
    nWidth = std::max(nWidth, int(dc.GetTextExtent(text).cx));
  }
  dc.SelectObject(pOld);
  const int nHeight = std::min(kMaxListHeight, int(tm.tmHeight) * nCount);
  CRect rc;
  GetWindowRect(&rc);
  if (nWidth <= rc.Width() && nHeight <= rc.Height()) return;
  // Never smaller than before in either direction.
  nWidth = std::max(nWidth, rc.Width());
  const int nDialogHeight = std::max(nHeight, rc.Height());
  SetWindowPos(&wndTop, 0, 0, nWidth, nDialogHeight, SWP_NOMOVE | SWP_NOSENDCHANGING);
  m_wndList.SetWindowPos(&wndTop, 0, 0, nWidth - 9, nDialogHeight, SWP_NOMOVE | SWP_NOSENDCHANGING);
}

int CScriptAssistDlg::SelectMatching(LPCTSTR pszText) {
  const int nFound = m_wndList.FindString(-1, pszText);
  if (nFound >= 0) m_wndList.SetCurSel(nFound);
  return nFound;
}

void CScriptAssistDlg::SelectNext() {
  const int nNext = m_wndList.GetCurSel() + 1;
  if (nNext < m_wndList.GetCount()) m_wndList.SetCurSel(nNext);
}

void CScriptAssistDlg::SelectPrevious() {
  const int nPrevious = m_wndList.GetCurSel() - 1;
  if (nPrevious >= 0) m_wndList.SetCurSel(nPrevious);
}

void CScriptAssistDlg::OnOK() {
  if (m_pEditor) {
    CString text;
    const int nSel = m_wndList.GetCurSel();
    if (m_wndList.GetCount() > 0 && nSel >= 0) m_wndList.GetText(nSel, text);
    if (!text.IsEmpty()) {
      CScriptObject* pObject = m_pEditor->GetQXScriptObject(text);
      // A function without parameters is inserted as a complete call.
      text += pObject && pObject->GetParmDef().IsEmpty() ? _T("()") : _T("(");
      m_pEditor->InsertText(text);
      m_strLastInserted = text;
    }
    m_pEditor->ScriptAssist(false, _T(""));
    // A click in the list took the focus; typing goes on in the editor.
    if (::GetFocus() != m_pEditor->m_hWnd) m_pEditor->SetFocus();
  }
  m_wndList.HideTip();
  ShowWindow(SW_HIDE);
}

void CScriptAssistDlg::OnCancel() {
  if (m_pEditor) m_pEditor->ScriptAssist(false, _T(""));
  m_wndList.HideTip();
  ShowWindow(SW_HIDE);
}

void CScriptAssistDlg::OnDblClkList() {
  OnOK();
}

BOOL CScriptAssistDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_wndList.m_hWnd) {
    switch (pMsg->wParam) {
      case VK_RETURN:
      case VK_TAB: OnOK(); return TRUE;
      case VK_ESCAPE: OnCancel(); return TRUE;
      default: break;
    }
  }
  return CDialog::PreTranslateMessage(pMsg);
}

BOOL CScriptAssistDlg::OnNcActivate(BOOL bActive) {
  if (!bActive && m_pEditor) m_pEditor->ScriptAssist(false, _T(""));
  return CDialog::OnNcActivate(bActive);
}
