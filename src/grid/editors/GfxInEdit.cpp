// CGfxInEdit: keys, characters, focus and the end-of-edit protocol of the text cell editor.
#include "grid/editors/GfxInEdit.h"

#include "grid/editors/GfxCellEditProtocol.h"

#include <algorithm>

namespace celledit = tkw::celledit;

namespace {

// Texts of the right-click menu's entries: the resource module's strings when it has them.
CString MenuText(UINT nId, LPCTSTR pszFallback) {
  CString text;
  if (!text.LoadString(nId) || text.IsEmpty()) text = pszFallback;
  return text;
}

}  // namespace

IMPLEMENT_DYNAMIC(CGfxInEdit, CGfxCellRichEdit)

BEGIN_MESSAGE_MAP(CGfxInEdit, CGfxCellRichEdit)
  ON_WM_CHAR()
  ON_WM_CREATE()
  ON_WM_KILLFOCUS()
  ON_WM_NCDESTROY()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CGfxInEdit::CGfxInEdit(int iItem, int iSubItem, CString strInitText, bool bClick)
    : m_bClick(bClick),
      m_bNoBlank(FALSE),
      m_bNumberEdit(FALSE),
      m_iItem(iItem),
      m_iSubItem(iSubItem),
      m_strInitText(strInitText),
      m_bESC(FALSE),
      m_bReported(false) {}

void CGfxInEdit::PostNcDestroy() {
  CRichEditCtrl::PostNcDestroy();
  delete this;
}

void CGfxInEdit::OnNcDestroy() {
  CRichEditCtrl::OnNcDestroy();
}

// ---- reporting and moving

bool CGfxInEdit::ProcessSelect() {
  return celledit::ReportText(*this, m_iItem, m_iSubItem, m_strInitText, m_bNoBlank || m_bESC);
}

void CGfxInEdit::Navigate(int nDirection) {
  if (!ProcessSelect()) return;
  m_bReported = true;
  celledit::CloseAndMove(*this, nDirection, m_iItem, m_iSubItem);
}

// ---- creation

int CGfxInEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CRichEditCtrl::OnCreate(lpCreateStruct) == -1) return -1;
  celledit::StartEditing(*this, m_strInitText, true, m_bClick);
  return 0;
}

// ---- keys and characters

BOOL CGfxInEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN || pMsg->hwnd != m_hWnd)
    return CRichEditCtrl::PreTranslateMessage(pMsg);
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  switch (pMsg->wParam) {
    case VK_LEFT:
      if (nStart == 0 && nEnd == 0) {
        Navigate(celledit::kMoveLeft);
        return TRUE;
      }
      break;
    case VK_RIGHT: {
      const long nLength = GetWindowTextLength();
      if (nStart == nLength && nEnd == nLength) {
        Navigate(celledit::kMoveRight);
        return TRUE;
      }
      break;
    }
    case VK_UP: Navigate(celledit::kMovePrevious); return TRUE;
    case VK_DOWN: Navigate(celledit::kMoveNext); return TRUE;
    case VK_ESCAPE:
      m_bESC = TRUE;
      DestroyWindow();
      return TRUE;
    default: break;
  }
  const bool bOwnKey = pMsg->wParam == VK_RETURN || pMsg->wParam == VK_DELETE ||
                       pMsg->wParam == VK_RIGHT || pMsg->wParam == VK_LEFT ||
                       pMsg->wParam == VK_TAB || ::GetKeyState(VK_CONTROL) < 0;
  if (bOwnKey) {
    // Straight to the editor, so that a dialog around the list never sees these keys.
    ::TranslateMessage(pMsg);
    ::DispatchMessage(pMsg);
    return TRUE;
  }
  return CRichEditCtrl::PreTranslateMessage(pMsg);
}

void CGfxInEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_ESCAPE || nChar == VK_RETURN) {
    // Losing the focus commits.
    if (CWnd* pList = GetParent()) pList->SetFocus();
    return;
  }
  if (nChar == VK_TAB) {
    const bool bShift = ::GetKeyState(VK_SHIFT) < 0;
    Navigate(bShift ? celledit::kMovePrevious : celledit::kMoveNext);
    return;
  }
  if (m_bNumberEdit && (nChar < '0' || nChar > '9')) return;
  CRichEditCtrl::OnChar(nChar, nRepCnt, nFlags);
  WidenToText();
  // A live update: the list sees every character that changes the cell.
  ProcessSelect();
}

void CGfxInEdit::WidenToText() {
  CWnd* pList = GetParent();
  if (!pList) return;
  CString text;
  GetWindowText(text);
  CClientDC dc(this);
  CFont* pOld = dc.SelectObject(pList->GetFont());
  const int nWanted = dc.GetTextExtent(text).cx + 5;
  dc.SelectObject(pOld);
  CRect rc;
  GetWindowRect(&rc);
  if (nWanted <= rc.Width()) return;
  pList->ScreenToClient(&rc);
  CRect rcList;
  pList->GetClientRect(&rcList);
  rc.right = std::max(rc.left + nWanted, rcList.right);
  MoveWindow(&rc, TRUE);
}

// ---- focus and mouse

void CGfxInEdit::OnKillFocus(CWnd* pNewWnd) {
  CRichEditCtrl::OnKillFocus(pNewWnd);
  if (m_bReported) return;
  if (m_bESC || (m_bNoBlank && IsBlank())) SetWindowText(m_strInitText);
  if (!ProcessSelect()) return;
  m_bReported = true;
  PostMessage(WM_CLOSE);
}

void CGfxInEdit::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CRichEditCtrl::OnLButtonDblClk(nFlags, point);
  celledit::SendListDoubleClick(GetParent());
}

void CGfxInEdit::OnRButtonDown(UINT /*nFlags*/, CPoint /*point*/) {
  TrackEditMenu(MenuText(19, _T("&Annulla")), MenuText(16, _T("&Taglia")),
                MenuText(18, _T("&Copia")), MenuText(136, _T("&Incolla")));
}
