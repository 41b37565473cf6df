// CExListBox: coloured owner-drawn items and the description tip of the selected function.
#include "core/controls/ExListBox.h"

#include "QXScriptManager.h"

IMPLEMENT_DYNAMIC(CExListBox, CListBox)

BEGIN_MESSAGE_MAP(CExListBox, CListBox)
  ON_WM_CREATE()
  ON_CONTROL_REFLECT(LBN_SELCHANGE, OnSelChange)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CExListBox::CExListBox() : m_dwTipStyle(0), m_nTipDelay(1000), m_rectTipItem(0, 0, 0, 0) {}

CExListBox::~CExListBox() {}

int CExListBox::AddItem(LPCTSTR lpszText, COLORREF crColour) {
  const int index = AddString(lpszText);
  if (index >= 0 && crColour != 0) SetItemData(index, static_cast<DWORD_PTR>(crColour));
  return index;
}

void CExListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
  lpMIS->itemHeight = ::GetSystemMetrics(SM_CYMENUCHECK);
}

void CExListBox::ApplyItemHeight() {
  // Index 0 sets the height of every item of a fixed-height list.
  if (GetStyle() & LBS_OWNERDRAWFIXED) SetItemHeight(0, ::GetSystemMetrics(SM_CYMENUCHECK));
}

void CExListBox::PreSubclassWindow() {
  CListBox::PreSubclassWindow();
  // While the window is being created the list box does not exist yet; OnCreate follows.
  ApplyItemHeight();
}

int CExListBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CListBox::OnCreate(lpCreateStruct) == -1) return -1;
  ApplyItemHeight();
  return 0;
}

void CExListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  if (static_cast<int>(lpDIS->itemID) < 0) return;
  HDC hdc = lpDIS->hDC;
  CRect rc(lpDIS->rcItem);
  const COLORREF colour = static_cast<COLORREF>(lpDIS->itemData);
  const BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
  const BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
  const UINT action = lpDIS->itemAction;

  if (bSelected && (action & (ODA_DRAWENTIRE | ODA_SELECT))) {
    // Item data 0 is "no colour", not black: such items take the system's selection colours.
    if (colour == 0) {
      ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    } else {
      HBRUSH brush = ::CreateSolidBrush(colour);
      ::FillRect(hdc, &rc, brush);
      ::DeleteObject(brush);
    }
  } else if (!bSelected && (action & (ODA_SELECT | ODA_DRAWENTIRE))) {
    ::FillRect(hdc, &rc, ::GetSysColorBrush(COLOR_WINDOW));
  }
  if (action & ODA_FOCUS) {
    ::DrawFocusRect(hdc, &rc);
    return;  // the focus rectangle toggles; the text is already there
  }

  COLORREF text;
  if (colour == 0)
    text = ::GetSysColor(bSelected   ? COLOR_HIGHLIGHTTEXT
                         : bDisabled ? COLOR_GRAYTEXT
                                     : COLOR_WINDOWTEXT);
  else if (bDisabled)
    text = ::GetSysColor(COLOR_GRAYTEXT);
  else if (bSelected)
    text = RGB(255 - GetRValue(colour), 255 - GetGValue(colour), 255 - GetBValue(colour));
  else
    text = colour;

  CString item;
  GetText(static_cast<int>(lpDIS->itemID), item);
  const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
  const COLORREF oldColour = ::SetTextColor(hdc, text);
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (GetStyle() & LBS_USETABSTOPS) format |= DT_EXPANDTABS;
  ::DrawText(hdc, item, item.GetLength(), &rc, format);
  ::SetTextColor(hdc, oldColour);
  ::SetBkMode(hdc, oldMode);
  if ((lpDIS->itemState & ODS_FOCUS) && (action & ODA_DRAWENTIRE)) ::DrawFocusRect(hdc, &rc);
}

void CExListBox::OnSelChange() {
  UpdateTip();
}

void CExListBox::UpdateTip() {
  if (!::IsWindow(m_hWnd) || GetCount() <= 0) return;
  int sel = GetCurSel();
  if (sel == LB_ERR) {
    SetCurSel(0);
    sel = 0;
  }
  if (!::IsWindow(m_wndTip.m_hWnd) && !m_wndTip.Create(this)) return;

  CString name;
  GetText(sel, name);
  CScriptObject* pObject = TKWGetScriptManager()->GetQXScriptObject(name);
  const CString description = pObject ? pObject->GetDescription() : CString();

  CRect item;
  GetItemRect(sel, &item);
  ClientToScreen(&item);
  if (name == m_strTipTitle && item == m_rectTipItem && m_wndTip.IsTipVisible()) return;
  m_strTipTitle = name;
  m_strTipText = description;
  m_rectTipItem = item;
  m_wndTip.SetTipText(m_strTipTitle, m_strTipText);

  // Beside the list on the right; on the left when it would leave the desktop.
  CRect list;
  GetWindowRect(&list);
  CRect desktop;
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  const CSize size = m_wndTip.GetTipSize();
  CPoint at(list.right + 5, item.top);
  if (at.x + size.cx > desktop.right) at.x = list.left - 3 - size.cx;
  m_wndTip.ShowTipWindow(at, m_dwTipStyle, m_nTipDelay);
}

void CExListBox::HideTip() {
  if (::IsWindow(m_wndTip.m_hWnd)) m_wndTip.HideTipWindow();
}

void CExListBox::OnDestroy() {
  if (::IsWindow(m_wndTip.m_hWnd)) m_wndTip.DestroyWindow();
  CListBox::OnDestroy();
}
