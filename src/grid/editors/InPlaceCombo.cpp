// CInPlaceCombo: the grid's shared in-place drop-down list.
#include "grid/editors/InPlaceCombo.h"

#include "grid/editors/GfxCellEditProtocol.h"

IMPLEMENT_DYNAMIC(CInPlaceCombo, CXTFlatComboBox)

BEGIN_MESSAGE_MAP(CInPlaceCombo, CXTFlatComboBox)
  ON_WM_CREATE()
  ON_WM_KILLFOCUS()
  ON_WM_CHAR()
  ON_CONTROL_REFLECT(CBN_CLOSEUP, OnCloseup)
END_MESSAGE_MAP()

CInPlaceCombo::CInPlaceCombo() : m_iItem(-1), m_iSubItem(-1), m_bESC(FALSE) {}

CInPlaceCombo::~CInPlaceCombo() {}

CInPlaceCombo* CInPlaceCombo::GetInstance() {
  // Kept until the process ends: the grid hands out this pointer and never deletes it.
  static CInPlaceCombo* s_pInstance = new CInPlaceCombo;
  return s_pInstance;
}

BOOL CInPlaceCombo::ShowForCell(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, int iItem,
                                int iSubItem, const CStringArray& aItems, const CString& strText,
                                int nSel) {
  // A window whose close is still queued would be reused and then closed under the new
  // edit: close it now, so that it reports its own cell before the state below is replaced.
  if (::IsWindow(m_hWnd)) DestroyWindow();

  m_bESC = FALSE;
  m_iItem = iItem;
  m_iSubItem = iSubItem;
  m_aItems.Copy(aItems);
  m_strInitText = nSel >= 0 && nSel < m_aItems.GetSize() ? m_aItems[nSel] : strText;

  if (!Create(dwStyle, rect, pParent, nID)) return FALSE;
  SetCurSel(nSel);
  return TRUE;
}

int CInPlaceCombo::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CXTFlatComboBox::OnCreate(lpCreateStruct) == -1) return -1;
  if (CWnd* pList = GetParent()) SetFont(pList->GetFont());
  SetFocus();
  ResetContent();
  for (INT_PTR i = 0; i < m_aItems.GetSize(); ++i) AddString(m_aItems[i]);
  return 0;
}

BOOL CInPlaceCombo::PreTranslateMessage(MSG* pMsg) {
  // Enter and Escape end the edit here; a dialog around the grid must not see them.
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
    ::TranslateMessage(pMsg);
    ::DispatchMessageW(pMsg);
    return TRUE;
  }
  return CXTFlatComboBox::PreTranslateMessage(pMsg);
}

void CInPlaceCombo::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  // The commit follows from the loss of the focus.
  if (nChar == VK_ESCAPE || nChar == VK_RETURN) {
    if (nChar == VK_ESCAPE) m_bESC = TRUE;
    if (CWnd* pList = GetParent()) pList->SetFocus();
    return;
  }
  CXTFlatComboBox::OnChar(nChar, nRepCnt, nFlags);
}

void CInPlaceCombo::OnCloseup() {
  if (CWnd* pList = GetParent()) pList->SetFocus();
}

void CInPlaceCombo::OnKillFocus(CWnd* pNewWnd) {
  CXTFlatComboBox::OnKillFocus(pNewWnd);
  CString strText;
  GetWindowText(strText);
  tkw::celledit::SendEndEdit(GetParent(), UINT(GetDlgCtrlID()), m_iItem, m_iSubItem,
                          m_bESC ? m_strInitText : strText);
  PostMessage(WM_CLOSE);
}
