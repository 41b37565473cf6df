// CGfxInCombo: the composite combo cell editor: parts, drop button, keys and reporting.
#include "grid/editors/GfxInCombo.h"

#include "grid/GfxListRequest.h"
#include "grid/editors/GfxCellEditProtocol.h"
#include "grid/editors/logic/ComboChoices.h"
#include "grid/editors/logic/ComboLayout.h"

#include <richedit.h>

#include <algorithm>

namespace combo = tkw::combo;
namespace celledit = tkw::celledit;

namespace {
const UINT kOBMCombo = 32738;  // the system's combo arrow bitmap
}  // namespace

IMPLEMENT_DYNAMIC(CGfxInCombo, CWnd)

BEGIN_MESSAGE_MAP(CGfxInCombo, CWnd)
  ON_WM_CREATE()
  ON_WM_PAINT()
  ON_WM_SIZE()
  ON_WM_KILLFOCUS()
  ON_WM_NCDESTROY()
  ON_WM_ERASEBKGND()
  ON_WM_LBUTTONDOWN()
  ON_WM_CHAR()
  ON_WM_SETFOCUS()
  ON_WM_LBUTTONDBLCLK()
  ON_MESSAGE(WM_GFXINCOMBO_SELENDOK, OnSelendOk)
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
END_MESSAGE_MAP()

CGfxInCombo::CGfxInCombo(int iItem, int iSubItem, CString strInitText, CStringArray* pItems,
                         bool bEditable, bool bClick)
    : m_hFont(NULL),
      m_bFlat(true),
      m_bClick(bClick),
      m_nCurSel(-1),
      m_bEditable(bEditable),
      m_nButtonWidth(::GetSystemMetrics(SM_CXVSCROLL)),
      m_iItem(iItem),
      m_iSubItem(iSubItem),
      m_strInitText(strInitText),
      m_bESC(FALSE),
      m_pItems(pItems),
      m_hComboBitmap(::LoadBitmapW(NULL, MAKEINTRESOURCEW(kOBMCombo))),
      m_bAutoComplete(true),
      m_crText(::GetSysColor(COLOR_WINDOWTEXT)),
      m_bClosing(false) {
  m_wndEdit.m_pCombo = this;
  m_wndStatic.m_pCombo = this;
  m_wndList.m_pCombo = this;
}

CGfxInCombo::~CGfxInCombo() {
  if (m_pItems) {
    m_pItems->RemoveAll();
    delete m_pItems;
  }
  if (m_hComboBitmap) ::DeleteObject(m_hComboBitmap);
}

BOOL CGfxInCombo::Create(DWORD dwStyle, CRect rect, CWnd* pParent, int nID) {
  return CWnd::Create(NULL, L"", dwStyle | WS_CHILD, rect, pParent, UINT(nID));
}

void CGfxInCombo::PostNcDestroy() {
  CWnd::PostNcDestroy();
  delete this;
}

// ---- choices

int CGfxInCombo::FindString(int nStart, CString text) const {
  return combo::FindPrefix(m_pItems, nStart, text);
}

int CGfxInCombo::FindStringExact(int nStart, LPCTSTR text) const {
  return combo::FindExact(m_pItems, nStart, text);
}

CString CGfxInCombo::FindFromCharPressed(TCHAR ch) {
  const int i = combo::TypeAhead(m_pItems, m_nCurSel, ch);
  if (i < 0) return CString();
  m_nCurSel = i;
  return m_pItems->GetAt(i);
}

void CGfxInCombo::SetCurSel(int nSel) {
  if (nSel < 0 || !m_pItems || nSel >= m_pItems->GetSize()) return;
  m_nCurSel = nSel;
  ShowText(m_pItems->GetAt(nSel));
}

void CGfxInCombo::ShowText(const CString& text) {
  if (m_bEditable) {
    if (::IsWindow(m_wndEdit.m_hWnd)) m_wndEdit.SetText(text);
  } else if (::IsWindow(m_wndStatic.m_hWnd)) {
    m_wndStatic.SetWindowText(text);
    m_wndStatic.Invalidate();
  }
}

// ---- reporting and moving

bool CGfxInCombo::ProcessSelect(LPCTSTR pszText) {
  const HWND hWnd = m_hWnd;
  if (!::IsWindow(hWnd)) return false;
  CString text;
  if (pszText)
    text = pszText;
  else if (!m_bEditable)
    m_wndStatic.GetWindowText(text);
  else if (::IsWindow(m_wndEdit.m_hWnd))
    m_wndEdit.GetWindowText(text);
  else
    text = m_wndEdit.m_strLastText;
  if (text.Compare(m_strInitText) == 0) return true;
  m_strInitText = text;
  celledit::SendEndEdit(GetParent(), UINT(GetDlgCtrlID()), m_iItem, m_iSubItem, text,
                        m_bESC != FALSE);
  // Only the saved handle may be read here: this object may be deleted.
  return ::IsWindow(hWnd) != FALSE;
}

void CGfxInCombo::Navigate(int nDirection) {
  // The object is deleted while its window is destroyed: keep what the move needs.
  const int iItem = m_iItem, iSubItem = m_iSubItem;
  CWnd* pList = GetParent();
  if (!ProcessSelect(NULL)) return;
  DestroyWindow();
  celledit::SendMove(pList, nDirection, iItem, iSubItem);
}

void CGfxInCombo::LeftCell() {
  Navigate(celledit::kMoveLeft);
}
void CGfxInCombo::RightCell() {
  Navigate(celledit::kMoveRight);
}
void CGfxInCombo::NextTab() {
  Navigate(celledit::kMoveNext);
}
void CGfxInCombo::PreviousTab() {
  Navigate(celledit::kMovePrevious);
}

bool CGfxInCombo::IsOwnWindow(CWnd* pWnd) const {
  if (!pWnd || !pWnd->m_hWnd) return false;
  return pWnd->m_hWnd == m_wndList.m_hWnd || ::IsChild(m_hWnd, pWnd->m_hWnd);
}

bool CGfxInCombo::IsListOpen() const {
  return ::IsWindow(m_wndList.m_hWnd) && m_wndList.IsWindowVisible();
}

// ---- creation and layout

int CGfxInCombo::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;
  CRect client;
  GetClientRect(&client);
  const CRect part = combo::PartRect(client, m_nButtonWidth);
  HFONT hFont = m_hFont ? m_hFont : reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  SendMessage(WM_SETFONT, WPARAM(hFont));
  const UINT nPartId = UINT(GetDlgCtrlID() + 1);

  if (m_bEditable) {
    m_wndEdit.m_bClick = m_bClick;
    if (!m_wndEdit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, part, this, nPartId)) return -1;
    m_wndEdit.SendMessage(WM_SETFONT, WPARAM(hFont));
    m_wndEdit.SetWindowText(m_strInitText);
    // Colour the whole text and what is typed later, keeping the selection as it was.
    CHARRANGE saved = {};
    m_wndEdit.SendMessage(EM_EXGETSEL, 0, LPARAM(&saved));
    m_wndEdit.SendMessage(EM_SETSEL, 0, -1);
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_COLOR;
    cf.crTextColor = m_crText;
    m_wndEdit.SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, LPARAM(&cf));
    m_wndEdit.SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&cf));
    m_wndEdit.SendMessage(EM_EXSETSEL, 0, LPARAM(&saved));
  } else {
    if (!m_wndStatic.Create(m_strInitText, WS_CHILD | WS_VISIBLE, part, this, nPartId)) return -1;
    m_wndStatic.SendMessage(WM_SETFONT, WPARAM(hFont));
    m_wndStatic.m_crText = m_crText;
  }
  m_nCurSel = FindStringExact(-1, m_strInitText);
  SetFocus();
  return 0;
}

void CGfxInCombo::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  const CRect part = combo::PartRect(CRect(0, 0, cx, cy), m_nButtonWidth);
  for (CWnd* pPart : {static_cast<CWnd*>(&m_wndStatic), static_cast<CWnd*>(&m_wndEdit)})
    if (::IsWindow(pPart->m_hWnd)) pPart->MoveWindow(&part);
}

void CGfxInCombo::OnSetFocus(CWnd* pOldWnd) {
  CWnd::OnSetFocus(pOldWnd);
  if (m_bEditable && ::IsWindow(m_wndEdit.m_hWnd)) m_wndEdit.SetFocus();
}

void CGfxInCombo::OnNcDestroy() {
  // The list part lives on the grid, not inside the combo: it must not outlive it. Without its
  // combo it takes its own focus loss for no departure from the edit.
  m_wndList.m_pCombo = NULL;
  if (::IsWindow(m_wndList.m_hWnd)) m_wndList.DestroyWindow();
  CWnd::OnNcDestroy();
}

// ---- drawing

BOOL CGfxInCombo::OnEraseBkgnd(CDC* pDC) {
  CRect client;
  GetClientRect(&client);
  pDC->FillSolidRect(&client, ::GetSysColor(COLOR_WINDOW));
  return TRUE;
}

void CGfxInCombo::OnPaint() {
  CPaintDC dc(this);
  DrawButton(&dc, IsListOpen());
}

LRESULT CGfxInCombo::OnPrintClient(WPARAM wParam, LPARAM lParam) {
  CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
  if (lParam & PRF_ERASEBKGND) OnEraseBkgnd(pDC);
  DrawButton(pDC, IsListOpen());
  return 0;
}

void CGfxInCombo::DrawButton(CDC* pDC, bool bPressed) {
  CRect client;
  GetClientRect(&client);
  CRect rc = combo::ButtonRect(client, m_nButtonWidth);
  pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));

  if (m_hComboBitmap) {
    BITMAP bm = {};
    ::GetObjectW(m_hComboBitmap, sizeof bm, &bm);
    HDC hMem = ::CreateCompatibleDC(pDC->m_hDC);
    HGDIOBJ hOld = ::SelectObject(hMem, m_hComboBitmap);
    // A pressed button shows its arrow one pixel down and right, as pushed in.
    const int shift = bPressed ? 1 : 0;
    ::BitBlt(pDC->m_hDC, rc.left + (rc.Width() - bm.bmWidth) / 2 + shift,
             rc.top + (rc.Height() - bm.bmHeight) / 2 + shift, bm.bmWidth, bm.bmHeight, hMem, 0, 0,
             SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
  }

  const COLORREF face = ::GetSysColor(COLOR_BTNFACE), black = RGB(0, 0, 0);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  if (bPressed) {
    pDC->Draw3dRect(&rc, shadow, light);
    if (!m_bFlat) {
      rc.DeflateRect(1, 1);
      pDC->Draw3dRect(&rc, black, face);
    }
  } else {
    if (!m_bFlat) {
      pDC->Draw3dRect(&rc, face, black);
      rc.DeflateRect(1, 1);
    }
    pDC->Draw3dRect(&rc, light, shadow);
  }
}

void CGfxInCombo::InvalidateButton() {
  if (!::IsWindow(m_hWnd)) return;
  CRect client;
  GetClientRect(&client);
  const CRect rc = combo::ButtonRect(client, m_nButtonWidth);
  InvalidateRect(&rc, TRUE);
}

// ---- the drop-down list

void CGfxInCombo::OpenList() {
  CWnd* pList = GetParent();
  const int nChoices = m_pItems ? int(m_pItems->GetSize()) : -1;
  int nRow = 0;
  {
    CClientDC dc(pList);
    CFont* pOld = dc.SelectObject(pList->GetFont());
    nRow = dc.GetTextExtent(CString(L"X")).cy + 3;
    if (pOld) dc.SelectObject(pOld);
  }
  CRect rc;
  GetWindowRect(&rc);
  pList->ScreenToClient(&rc);
  CRect drop = combo::DropRect(rc, combo::WantedDropHeight(nChoices, nRow));

  if (!m_wndList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_SORT, drop, pList,
                        UINT(GetDlgCtrlID() + 2)))
    return;
  m_wndList.m_nLastSel = -1;
  m_wndList.m_strLastSel.Empty();
  for (INT_PTR i = 0; i < m_pItems->GetSize(); ++i) m_wndList.AddString(m_pItems->GetAt(i));
  m_wndList.SendMessage(WM_SETFONT, WPARAM(pList->SendMessage(WM_GETFONT)));
  const int nHeight = combo::ListPartHeight(m_wndList.GetItemHeight(0), nChoices);
  // A few choices show whole, border included; a long list is cut at the limit and scrolls.
  CRect outer(0, 0, drop.Width(), nHeight);
  ::AdjustWindowRectEx(&outer, m_wndList.GetStyle(), FALSE, m_wndList.GetExStyle());
  m_wndList.SetWindowPos(&CWnd::wndTop, 0, 0, drop.Width(),
                         std::min(outer.Height(), combo::kMaxDropHeight), SWP_NOMOVE);

  CString text;
  if (m_bEditable)
    m_wndEdit.GetWindowText(text);
  else
    m_wndStatic.GetWindowText(text);
  m_wndList.SetCurSel(m_wndList.FindStringExact(-1, text));
  m_wndList.SetFocus();
}

void CGfxInCombo::OnLButtonDown(UINT nFlags, CPoint point) {
  CRect client;
  GetClientRect(&client);
  const bool bInButton = combo::ButtonRect(client, m_nButtonWidth).PtInRect(point) != FALSE;
  // An open list part closes when the focus comes back to the combo: the second click on the
  // button, or a click beside it.
  if (::IsWindow(m_wndList.m_hWnd))
    SetFocus();
  else if (bInButton && m_pItems && m_pItems->GetSize() > 0)
    OpenList();
  if (!::IsWindow(m_hWnd)) return;
  InvalidateButton();
  CWnd::OnLButtonDown(nFlags, point);
}

LRESULT CGfxInCombo::OnSelendOk(WPARAM wParam, LPARAM lParam) {
  ShowText(reinterpret_cast<LPCTSTR>(lParam));
  if (int(wParam) >= 0) m_nCurSel = int(wParam);
  ProcessSelect(NULL);
  return 1;
}

// ---- keys, focus and clicks

bool CGfxInCombo::TypeAheadKey(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_UP || pMsg->wParam == VK_DOWN)) {
    SetCurSel(m_nCurSel + (pMsg->wParam == VK_UP ? -1 : 1));
    return true;
  }
  if (pMsg->message == WM_CHAR) {
    const TCHAR ch = TCHAR(pMsg->wParam);
    if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')) {
      const CString found = FindFromCharPressed(ch);
      if (!found.IsEmpty()) ShowText(found);
      return true;
    }
  }
  return false;
}

BOOL CGfxInCombo::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN && pMsg->message != WM_CHAR)
    return CWnd::PreTranslateMessage(pMsg);
  if (pMsg->message == WM_KEYDOWN) {
    switch (pMsg->wParam) {
      case VK_UP: SetCurSel(m_nCurSel - 1); return TRUE;
      case VK_DOWN: SetCurSel(m_nCurSel + 1); return TRUE;
      case VK_RETURN:
        if (!ProcessSelect(NULL)) return TRUE;
        GetParent()->SetFocus();
        return TRUE;
      case VK_ESCAPE:
        m_bESC = TRUE;
        GetParent()->SetFocus();
        return TRUE;
      case VK_TAB:
        if (::GetKeyState(VK_SHIFT) < 0)
          PreviousTab();
        else
          NextTab();
        return TRUE;
      case VK_LEFT: LeftCell(); return TRUE;
      case VK_RIGHT: RightCell(); return TRUE;
      default: break;
    }
  }
  if (!m_bEditable && TypeAheadKey(pMsg)) return TRUE;
  // Everything else is handled here: a dialog around the grid must not see it.
  ::TranslateMessage(pMsg);
  ::DispatchMessageW(pMsg);
  return TRUE;
}

void CGfxInCombo::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_ESCAPE) {
    m_bESC = TRUE;
    GetParent()->SetFocus();
    return;
  }
  CWnd::OnChar(nChar, nRepCnt, nFlags);
}

BOOL CGfxInCombo::DestroyWindow() {
  m_bClosing = true;
  return CWnd::DestroyWindow();
}

void CGfxInCombo::OnKillFocus(CWnd* pNewWnd) {
  CWnd::OnKillFocus(pNewWnd);
  // Destroying hides the window first, which moves the focus to the list: the edit has
  // already ended then.
  if (m_bClosing) return;
  if (m_bESC) {
    DestroyWindow();
    return;
  }
  if (IsOwnWindow(pNewWnd)) return;
  if (!ProcessSelect(NULL)) return;
  DestroyWindow();
}

void CGfxInCombo::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CWnd::OnLButtonDblClk(nFlags, point);
  celledit::SendListDoubleClick(GetParent());
}
