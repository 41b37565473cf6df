// CGfxInScriptEdit: keys, focus and the end-of-edit protocol of the script cell editor.
#include "grid/editors/GfxInScriptEdit.h"

#include "grid/editors/GfxCellEditProtocol.h"

namespace celledit = tkw::celledit;

IMPLEMENT_DYNAMIC(CGfxInScriptEdit, CScriptEditCtrl)

BEGIN_MESSAGE_MAP(CGfxInScriptEdit, CScriptEditCtrl)
  ON_WM_CREATE()
  ON_WM_KILLFOCUS()
  ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CGfxInScriptEdit::CGfxInScriptEdit(int iItem, int iSubItem, CString strInitText, bool bClick)
    : m_bClick(bClick),
      m_iItem(iItem),
      m_iSubItem(iSubItem),
      m_strInitText(strInitText),
      m_bESC(FALSE),
      m_bReported(false) {}

void CGfxInScriptEdit::PostNcDestroy() {
  CScriptEditCtrl::PostNcDestroy();
  delete this;
}

int CGfxInScriptEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CScriptEditCtrl::OnCreate(lpCreateStruct) == -1) return -1;
  celledit::StartEditing(*this, m_strInitText, false, m_bClick);
  return 0;
}

bool CGfxInScriptEdit::ProcessSelect() {
  return celledit::ReportText(*this, m_iItem, m_iSubItem, m_strInitText, m_bESC != FALSE);
}

void CGfxInScriptEdit::Navigate(int nDirection) {
  if (!ProcessSelect()) return;
  m_bReported = true;
  celledit::CloseAndMove(*this, nDirection, m_iItem, m_iSubItem);
}

void CGfxInScriptEdit::Finish() {
  if (m_bESC) SetWindowText(m_strInitText);
  if (!ProcessSelect()) return;
  m_bReported = true;
  DestroyWindow();
}

BOOL CGfxInScriptEdit::PreTranslateMessage(MSG* pMsg) {
  // The assist list's keys and the tip's removal come first.
  if (CScriptEditCtrl::PreTranslateMessage(pMsg)) return TRUE;
  if (pMsg->message != WM_KEYDOWN || pMsg->hwnd != m_hWnd) return FALSE;
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  switch (pMsg->wParam) {
    case VK_LEFT:
      if (nStart == 0 && nEnd == 0) {
        Navigate(celledit::kMoveLeft);
        return TRUE;
      }
      return FALSE;
    case VK_RIGHT: {
      const long nLength = GetTextLength();
      if (nStart == nLength && nEnd == nLength) {
        Navigate(celledit::kMoveRight);
        return TRUE;
      }
      return FALSE;
    }
    case VK_UP: Navigate(celledit::kMovePrevious); return TRUE;
    case VK_DOWN: Navigate(celledit::kMoveNext); return TRUE;
    case VK_ESCAPE:
      m_bESC = TRUE;
      Finish();
      return TRUE;
    case VK_RETURN: Finish(); return TRUE;
    default: break;
  }
  if (pMsg->wParam == VK_DELETE || pMsg->wParam == VK_TAB || ::GetKeyState(VK_CONTROL) < 0) {
    // Straight to the editor, so that a dialog around the list never sees these keys; Tab
    // reaches the control as a character.
    ::TranslateMessage(pMsg);
    ::DispatchMessage(pMsg);
    return TRUE;
  }
  return FALSE;
}

void CGfxInScriptEdit::OnKillFocus(CWnd* pNewWnd) {
  if (IsScriptWizardRunning() || m_bReported) {
    CRichEditCtrl::OnKillFocus(pNewWnd);
    return;
  }
  const bool bAssistShown = GetScriptAssistState();
  CScriptEditCtrl::OnKillFocus(pNewWnd);
  if (bAssistShown && GetScriptAssistState()) {
    // The focus went into the assist list: the edit goes on, and the list sees the text so far.
    ProcessSelect();
    return;
  }
  if (m_bESC) SetWindowText(m_strInitText);
  if (!ProcessSelect()) return;
  m_bReported = true;
  PostMessage(WM_CLOSE);
}

void CGfxInScriptEdit::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CScriptEditCtrl::OnLButtonDblClk(nFlags, point);
  celledit::SendListDoubleClick(GetParent());
}
