// The parts of CGfxInCombo: the edit part, the static part and the drop-down list part.
#include "grid/editors/GfxInCombo.h"

#include "grid/editors/GfxCellEditProtocol.h"
#include "grid/editors/logic/ComboChoices.h"

#include <richedit.h>

namespace combo = tkw::combo;
namespace celledit = tkw::celledit;

namespace {

// Whether pWnd is pCombo or a window inside it.
bool IsComboOrChild(const CGfxInCombo* pCombo, const CWnd* pWnd) {
  return pWnd && pWnd->m_hWnd &&
         (pWnd->m_hWnd == pCombo->m_hWnd || ::IsChild(pCombo->m_hWnd, pWnd->m_hWnd));
}

}  // namespace

// ---- CGfxInComboEdit

IMPLEMENT_DYNAMIC(CGfxInComboEdit, CGfxCellRichEdit)

BEGIN_MESSAGE_MAP(CGfxInComboEdit, CGfxCellRichEdit)
  ON_WM_CREATE()
  ON_WM_CHAR()
  ON_WM_KILLFOCUS()
  ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CGfxInComboEdit::CGfxInComboEdit()
    : m_bClick(true), m_bESC(FALSE), m_pCombo(NULL), m_bDeleting(false), m_bSettingText(false) {}

void CGfxInComboEdit::SetText(const CString& text) {
  m_bSettingText = true;
  SetWindowText(text);
  m_bSettingText = false;
}

BOOL CGfxInComboEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CRichEditCtrl::Create(dwStyle, rect, pParentWnd, nID);
}

int CGfxInComboEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CRichEditCtrl::OnCreate(lpCreateStruct) == -1) return -1;
  if (m_bClick) {
    // The click that started the edit lands in the part, so the caret goes where it was.
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    PostMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(pt.x, pt.y));
    PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
  }
  SendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_KEYEVENTS);
  return 0;
}

BOOL CGfxInComboEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN) return CRichEditCtrl::PreTranslateMessage(pMsg);
  switch (pMsg->wParam) {
    case VK_UP: m_pCombo->SetCurSel(m_pCombo->m_nCurSel - 1); return TRUE;
    case VK_DOWN: m_pCombo->SetCurSel(m_pCombo->m_nCurSel + 1); return TRUE;
    case VK_DELETE:
    case VK_BACK: m_bDeleting = true; break;
    default: break;
  }
  // Every key is the part's: a dialog around the grid must not see it.
  ::TranslateMessage(pMsg);
  ::DispatchMessageW(pMsg);
  return TRUE;
}

void CGfxInComboEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar != VK_ESCAPE && nChar != VK_RETURN && nChar != VK_TAB) {
    CRichEditCtrl::OnChar(nChar, nRepCnt, nFlags);
    return;
  }
  if (nChar == VK_ESCAPE) m_bESC = TRUE;
  // Handing the focus to the combo ends the edit (OnKillFocus) and destroys this part with
  // it; the focus then belongs to the list.
  const HWND hList = ::GetParent(m_pCombo->m_hWnd);
  m_pCombo->SetFocus();
  if (!::GetFocus() && ::IsWindow(hList)) ::SetFocus(hList);
}

void CGfxInComboEdit::OnKillFocus(CWnd* pNewWnd) {
  CGfxInCombo* pCombo = m_pCombo;
  if (m_bESC) {
    pCombo->m_bESC = TRUE;
    pCombo->DestroyWindow();
    return;
  }
  if (pNewWnd &&
      (pNewWnd->m_hWnd == pCombo->m_wndList.m_hWnd || ::IsChild(pCombo->m_hWnd, pNewWnd->m_hWnd)))
    return;
  CRichEditCtrl::OnKillFocus(pNewWnd);
  CString text;
  GetWindowText(text);
  // Reporting may destroy the list and with it the combo, which owns this part.
  const HWND hCombo = pCombo->m_hWnd;
  pCombo->SendMessage(WM_GFXINCOMBO_SELENDOK, 0, LPARAM(text.GetString()));
  if (!::IsWindow(hCombo)) return;
  m_strLastText = text;
  if (!pCombo->ProcessSelect(text)) return;
  pCombo->DestroyWindow();
}

void CGfxInComboEdit::OnChange() {
  if (!m_pCombo->m_bAutoComplete || m_bSettingText) return;
  if (m_bDeleting) {
    m_bDeleting = false;
    return;
  }
  CString typed;
  GetWindowText(typed);
  const combo::Completion c = combo::Complete(m_pCombo->m_pItems, typed);
  if (!c.bComplete) return;
  SetText(c.strText);
  SendMessage(EM_SETSEL, WPARAM(c.nSelStart), LPARAM(c.nSelEnd));
}

void CGfxInComboEdit::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CRichEditCtrl::OnLButtonDblClk(nFlags, point);
  celledit::SendListDoubleClick(m_pCombo->GetParent());
}

void CGfxInComboEdit::OnRButtonDown(UINT, CPoint) {
  TrackEditMenu(_T("&Annulla"), _T("&Taglia"), _T("&Copia"), _T("&Incolla"));
}

// ---- CGfxInComboStatic

IMPLEMENT_DYNAMIC(CGfxInComboStatic, CStatic)

BEGIN_MESSAGE_MAP(CGfxInComboStatic, CStatic)
  ON_WM_KILLFOCUS()
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CGfxInComboStatic::CGfxInComboStatic()
    : m_pCombo(NULL), m_crText(::GetSysColor(COLOR_WINDOWTEXT)) {}

BOOL CGfxInComboStatic::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN && pMsg->message != WM_CHAR)
    return CStatic::PreTranslateMessage(pMsg);
  if (!m_pCombo->TypeAheadKey(pMsg)) {
    ::TranslateMessage(pMsg);
    ::DispatchMessageW(pMsg);
  }
  return TRUE;
}

void CGfxInComboStatic::OnKillFocus(CWnd* pNewWnd) {
  CStatic::OnKillFocus(pNewWnd);
  if (!IsComboOrChild(m_pCombo, pNewWnd)) m_pCombo->DestroyWindow();
}

BOOL CGfxInComboStatic::OnEraseBkgnd(CDC*) {
  return TRUE;  // painted whole in Paint
}

void CGfxInComboStatic::Paint(HDC hdc) {
  CRect rc;
  GetClientRect(&rc);
  ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_WINDOW));
  CString text;
  GetWindowText(text);
  const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
  const COLORREF oldColor = ::SetTextColor(hdc, m_crText);
  HGDIOBJ hOldFont = ::SelectObject(hdc, HGDIOBJ(SendMessage(WM_GETFONT)));
  ::ExtTextOutW(hdc, 0, 0, ETO_CLIPPED, &rc, text.GetString(), UINT(text.GetLength()), NULL);
  ::SelectObject(hdc, hOldFont);
  ::SetTextColor(hdc, oldColor);
  ::SetBkMode(hdc, oldMode);
}

void CGfxInComboStatic::OnPaint() {
  PAINTSTRUCT ps;
  HDC hdc = ::BeginPaint(m_hWnd, &ps);
  Paint(hdc);
  ::EndPaint(m_hWnd, &ps);
}

LRESULT CGfxInComboStatic::OnPrintClient(WPARAM wParam, LPARAM) {
  Paint(reinterpret_cast<HDC>(wParam));
  return 0;
}

// ---- CGfxInComboList

IMPLEMENT_DYNAMIC(CGfxInComboList, CListBox)

BEGIN_MESSAGE_MAP(CGfxInComboList, CListBox)
  ON_WM_KILLFOCUS()
  ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CGfxInComboList::CGfxInComboList() : m_pCombo(NULL), m_nLastSel(-1) {}

BOOL CGfxInComboList::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
    Choose();
    return TRUE;
  }
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE) {
    m_pCombo->SetFocus();  // closes the part without choosing
    return TRUE;
  }
  return CListBox::PreTranslateMessage(pMsg);
}

void CGfxInComboList::OnLButtonUp(UINT nFlags, CPoint point) {
  CListBox::OnLButtonUp(nFlags, point);
  Choose();
}

void CGfxInComboList::Choose() {
  CGfxInCombo* pCombo = m_pCombo;
  if (!pCombo) return;
  int nSel = GetCurSel();
  CString text;
  if (nSel >= 0) GetText(nSel, text);
  // The part closes itself when the focus goes back: the saved choice is then the one.
  pCombo->SetFocus();
  if (!::IsWindow(m_hWnd)) {
    nSel = m_nLastSel;
    text = m_strLastSel;
  }
  pCombo->InvalidateButton();
  if (nSel >= 0) {
    // The part's rows are sorted: the combo counts its choices in their own order.
    const int nChoice = pCombo->FindStringExact(-1, text);
    pCombo->SendMessage(WM_GFXINCOMBO_SELENDOK, WPARAM(nChoice >= 0 ? nChoice : nSel),
                        LPARAM(text.GetString()));
  }
  if (::IsWindow(m_hWnd)) DestroyWindow();
}

void CGfxInComboList::OnKillFocus(CWnd* pNewWnd) {
  CListBox::OnKillFocus(pNewWnd);
  m_nLastSel = GetCurSel();
  m_strLastSel.Empty();
  if (m_nLastSel >= 0) GetText(m_nLastSel, m_strLastSel);
  CGfxInCombo* pCombo = m_pCombo;
  if (!pCombo) return;  // the combo is closing and destroys this part itself
  const bool bBackToCombo = IsComboOrChild(pCombo, pNewWnd);
  DestroyWindow();
  pCombo->InvalidateButton();
  // The focus left the combo altogether while its list was open: the edit ends here.
  if (!bBackToCombo && pCombo->ProcessSelect(NULL)) {
    pCombo->DestroyWindow();
  }
}
