// CGfxListCtrl: what the list asks its owner: cell texts and images through the callbacks, and
// requests (fonts, colours, choices, committed values) through WM_USER+1.
#include "grid/GfxListCtrl.h"

long CGfxListCtrl::GetExInfoCallback(LXHDREX* pRequest) {
  if (!pRequest) return 0;
  switch (pRequest->iNotifyCode) {
    case NTEX_ITEMINFO: return 1;
    case NTEX_COMBOREQUEST:
      if (pRequest->iSubItem >= 1 && pRequest->pcsaChoices) {
        pRequest->pcsaChoices->Add(_T("true"));
        pRequest->pcsaChoices->Add(_T("false"));
        return 1;
      }
      return 0;
    default: return 0;
  }
}

void CGfxListCtrl::GetTextCallback(int nItem, int nColumn, DWORD_PTR dwItemData, CString& strText) {
  CWnd* pReciper = m_owner.pfnGetText ? GetReciper() : NULL;
  if (pReciper) {
    (pReciper->*m_owner.pfnGetText)(nItem, nColumn, dwItemData, strText);
    return;
  }
  // The list view numbers a row's cells by display position, as the callbacks do.
  strText = GetItemText(nItem, nColumn);
}

void CGfxListCtrl::GetImageCallback(int nItem, int nColumn, DWORD_PTR dwItemData, int& nImage) {
  CWnd* pReciper = m_owner.pfnGetImage ? GetReciper() : NULL;
  if (pReciper) (pReciper->*m_owner.pfnGetImage)(nItem, nColumn, dwItemData, nImage);
}

void CGfxListCtrl::GetItemTextEx(int nItem, int nColumn, CString& strText, const DWORD_PTR* pData) {
  const DWORD_PTR dwData = pData ? *pData : GetItemData(nItem);
  GetTextCallback(nItem, nColumn, dwData, strText);
}

CWnd* CGfxListCtrl::GetReciper() const {
  return m_owner.pReciper ? m_owner.pReciper : GetParent();
}

int CGfxListCtrl::GetListId() const {
  return m_owner.nListId >= 0 ? m_owner.nListId : GetDlgCtrlID();
}

long CGfxListCtrl::SendInfoExMsg(LXHDREX* pRequest) {
  if (!pRequest || !::IsWindow(m_hWnd)) return 0;
  if (pRequest->iListId < 0) pRequest->iListId = GetListId();
  // Compared by handle: a reciper whose window is gone is never the parent.
  const HWND hParent = ::GetParent(m_hWnd);
  const CWnd* pReciper = GetReciper();
  if (hParent && pReciper && pReciper->GetSafeHwnd() == hParent)
    return static_cast<long>(
        ::SendMessage(hParent, WM_GFXLIST_REQUEST, 0, reinterpret_cast<LPARAM>(pRequest)));
  return GetExInfoCallback(pRequest);
}

BOOL CGfxListCtrl::AskForInfo(LXHDREX* pRequest, CDC* pDC) {
  if (!pRequest) return FALSE;
  pRequest->dwFlag = 0;
  if (!SendInfoExMsg(pRequest)) return FALSE;
  if (pDC && pDC->GetSafeHdc()) {
    ::SelectObject(pDC->GetSafeHdc(), FontForAnswer(*pRequest));
    if (pRequest->dwFlag & LXHDREX_TEXTCOLOR) pDC->SetTextColor(pRequest->crText);
  }
  return TRUE;
}

HFONT CGfxListCtrl::FontForAnswer(const LXHDREX& answer) {
  const DWORD dwFlag = answer.dwFlag;
  if ((dwFlag & LXHDREX_FONT) && answer.hfText) return answer.hfText;
  CFont* pFont = &m_tools.fontNormal;
  if (dwFlag & LXHDREX_BOLD)
    pFont = &m_tools.fontBold;
  else if (dwFlag & LXHDREX_ITALIC)
    pFont = &m_tools.fontItalic;
  else if (dwFlag & LXHDREX_UNDERLINE)
    pFont = &m_tools.fontUnderline;
  return static_cast<HFONT>(pFont->GetSafeHandle());
}
