// CGfxInEdit: keys, characters, focus and the end-of-edit protocol of the text cell editor.
#include "grid/editors/GfxInEdit.h"

#include "grid/editors/GfxCellEditProtocol.h"
#include "grid/editors/GfxPopupMenu.h"

#include <afxres.h>
#include <qxres_ids.h>

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

IMPLEMENT_DYNAMIC(CGfxInEdit, CRichEditCtrl)

BEGIN_MESSAGE_MAP(CGfxInEdit, CRichEditCtrl)
  ON_WM_CHAR()
  ON_WM_CREATE()
  ON_WM_KILLFOCUS()
  ON_WM_NCDESTROY()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
  ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
  ON_COMMAND(ID_EDIT_CUT, OnEditCut)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEditCut)
  ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
  ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
  ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
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
  const HWND hWnd = m_hWnd;
  if (!::IsWindow(hWnd)) return false;
  CString text;
  GetWindowText(text);
  if (text.Compare(m_strInitText) == 0 && !m_bNoBlank && !m_bESC) return true;
  celledit::SendEndEdit(GetParent(), UINT(GetDlgCtrlID()), m_iItem, m_iSubItem, text);
  // Only the saved handle may be read here: this object may be deleted.
  return ::IsWindow(hWnd) != FALSE;
}

void CGfxInEdit::Navigate(int nDirection) {
  if (!ProcessSelect()) return;
  m_bReported = true;
  // The object is deleted while its window is destroyed: keep what the move needs.
  const int iItem = m_iItem, iSubItem = m_iSubItem;
  CWnd* pList = GetParent();
  DestroyWindow();
  celledit::SendMove(pList, nDirection, iItem, iSubItem);
}

// ---- creation

int CGfxInEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CRichEditCtrl::OnCreate(lpCreateStruct) == -1) return -1;
  if (CWnd* pList = GetParent()) SendMessage(WM_SETFONT, pList->SendMessage(WM_GETFONT), TRUE);
  // The rich edit's default limit (32,767) would let a longer cell text in but refuse keys.
  LimitText(0x7FFFFFFE);
  SetWindowText(m_strInitText);
  SetFocus();
  SetSel(0, -1);
  if (m_bClick) {
    // The click that opened the editor places the caret where the user clicked.
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    PostMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(point.x, point.y));
    PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  }
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
  CGfxPopupMenu menu;
  if (!menu.CreatePopupMenu()) return;
  menu.AppendMenu(MF_STRING, ID_EDIT_UNDO, MenuText(19, _T("&Annulla")));
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING, ID_EDIT_CUT, MenuText(16, _T("&Taglia")));
  menu.AppendMenu(MF_STRING, ID_EDIT_COPY, MenuText(18, _T("&Copia")));
  menu.AppendMenu(MF_STRING, ID_EDIT_PASTE, MenuText(136, _T("&Incolla")));
  menu.LoadToolBarResource(IDR_QX_MENU_TOOLBAR);
  menu.RemapMenu(&menu);
  // The update handlers enable the commands that apply now.
  menu.EnableMenuItems(&menu, this);
  const DWORD dwPos = ::GetMessagePos();
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, static_cast<short>(LOWORD(dwPos)),
                      static_cast<short>(HIWORD(dwPos)), this);
  menu.DestroyMenu();
}

// ---- edit commands

BOOL CGfxInEdit::UpdateCopy() const {
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  return nStart != nEnd;
}

void CGfxInEdit::OnEditCopy() {
  SendMessage(WM_COPY);
}
void CGfxInEdit::OnEditCut() {
  SendMessage(WM_CUT);
}
void CGfxInEdit::OnEditPaste() {
  SendMessage(WM_PASTE);
}
void CGfxInEdit::OnEditUndo() {
  SendMessage(EM_UNDO);
}
void CGfxInEdit::OnUpdateEditCopy(CCmdUI* pCmdUI) {
  pCmdUI->Enable(UpdateCopy());
}
void CGfxInEdit::OnUpdateEditCut(CCmdUI* pCmdUI) {
  pCmdUI->Enable(UpdateCut());
}
void CGfxInEdit::OnUpdateEditPaste(CCmdUI* pCmdUI) {
  pCmdUI->Enable(UpdatePaste());
}
void CGfxInEdit::OnUpdateEditUndo(CCmdUI* pCmdUI) {
  pCmdUI->Enable(UpdateUndo());
}
