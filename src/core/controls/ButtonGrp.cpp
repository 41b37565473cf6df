// CButtonGrp: icon buttons laid out right-aligned inside a static, relaying clicks as commands.
#include "core/controls/ButtonGrp.h"

IMPLEMENT_DYNAMIC(CButtonGrp, CStatic)

BEGIN_MESSAGE_MAP(CButtonGrp, CStatic)
  ON_WM_SIZE()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

const UINT kColourFlags = 255;  // device-dependent colour with a mask
const COLORREF kStripMask = 0xFF00FF;
const int kCaptionWidth = 65;  // width and step of buttons with captions
const int kDrawWidth = 24;     // Draw()'s fixed sizes without captions
const int kDrawStep = 25;

}  // namespace

CButtonGrp::CButtonGrp()
    : m_nButtons(0),
      m_pReciper(NULL),
      m_nBitmapID(static_cast<UINT>(-1)),
      m_nButtonWidth(24),
      m_nButtonStep(24),
      m_rectStatic(0, 0, 0, 0),
      m_bCaptions(FALSE),
      m_bCreated(FALSE),
      m_bCreating(FALSE) {}

CButtonGrp::~CButtonGrp() {}

void CButtonGrp::EnableButtonText(BOOL bOn) {
  m_bCaptions = bOn;
  if (bOn) m_nButtonWidth = m_nButtonStep = kCaptionWidth;
}

void CButtonGrp::AddButton(UINT nIconID, UINT nCommandID, UINT nTooltipID) {
  Add(nIconID, nCommandID, nTooltipID, NULL, FALSE);
}

void CButtonGrp::AddButton(UINT nCommandID, UINT nTooltipID) {
  Add(0, nCommandID, nTooltipID, NULL, TRUE);
}

void CButtonGrp::AddButtonWithText(UINT nIconID, UINT nCommandID, UINT nTooltipID,
                                   LPCTSTR lpszCaption) {
  if (m_nButtons < kMaxButtons) EnableButtonText(TRUE);
  Add(nIconID, nCommandID, nTooltipID, lpszCaption, FALSE);
}

void CButtonGrp::AddButtonWithText(UINT nCommandID, UINT nTooltipID, LPCTSTR lpszCaption) {
  Add(0, nCommandID, nTooltipID, lpszCaption, TRUE);
}

void CButtonGrp::Add(UINT nIconID, UINT nCommandID, UINT nTooltipID, LPCTSTR lpszCaption,
                     BOOL bStrip) {
  if (m_nButtons >= kMaxButtons) return;
  if (m_nButtons == 0 && !m_imageList.GetSafeHandle()) {
    if (!bStrip) {
      m_imageList.Create(16, 16, kColourFlags, kMaxButtons, 0);
      m_imageList.SetBkColor(CLR_NONE);
    } else if (m_nBitmapID != static_cast<UINT>(-1)) {
      // Strip images are 17 pixels wide, 14 with captions.
      m_imageList.Create(m_nBitmapID, lpszCaption ? 14 : 17, 1, kStripMask);
    }
  }
  if (!bStrip && m_imageList.GetSafeHandle()) {
    LPCTSTR name = MAKEINTRESOURCE(nIconID);
    HICON hIcon = static_cast<HICON>(
        ::LoadImage(AfxFindResourceHandle(name, RT_GROUP_ICON), name, IMAGE_ICON, 16, 16, 0));
    // A missing icon still gets its slot, so image i stays the image of button i.
    if (!hIcon)
      hIcon =
          static_cast<HICON>(::CopyImage(::LoadIcon(NULL, IDI_APPLICATION), IMAGE_ICON, 16, 16, 0));
    if (hIcon) {
      m_imageList.Add(hIcon);
      ::DestroyIcon(hIcon);
    }
  }
  Button& b = m_buttons[m_nButtons++];
  b.nIconID = nIconID;
  b.nCommandID = nCommandID;
  b.nTooltipID = nTooltipID;
  b.strCaption = lpszCaption ? lpszCaption : _T("");
  // Buttons added after the static was subclassed are created with the rest at once.
  if (m_bCreated) {
    for (int i = 0; i < m_nButtons - 1; ++i)
      if (::IsWindow(m_buttons[i].button.m_hWnd)) m_buttons[i].button.DestroyWindow();
    if (::IsWindow(m_tooltip.m_hWnd)) m_tooltip.DestroyWindow();
    CreateButtons();
  }
}

CRect CButtonGrp::FrameRect() const {
  if (!m_rectStatic.IsRectEmpty()) return m_rectStatic;
  CRect rc;
  GetClientRect(&rc);
  return rc;
}

void CButtonGrp::PreSubclassWindow() {
  CStatic::PreSubclassWindow();
  // Clicks on the buttons must reach us, and the buttons must not be painted over.
  ModifyStyle(0, WS_CLIPCHILDREN);
  if (!m_bCreating) CreateButtons();
}

BOOL CButtonGrp::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID) {
  m_bCreating = TRUE;
  const BOOL ok = CStatic::Create(lpszText, dwStyle | WS_CLIPCHILDREN, rect, pParentWnd, nID);
  m_bCreating = FALSE;
  return ok && CreateButtons();
}

BOOL CButtonGrp::CreateButtons() {
  m_bCreated = TRUE;
  const CRect frame = FrameRect();
  const int top = frame.top + 1;
  const int bottom = frame.bottom - 1;
  int right = frame.right - 1;
  const CSize iconSize = m_bCaptions ? CSize(17, 15) : CSize(16, 16);
  for (int i = m_nButtons - 1; i >= 0; --i) {
    Button& b = m_buttons[i];
    DWORD style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | BS_ICON | BS_CENTER | BS_VCENTER;
    if (m_bCaptions) style |= BS_LEFTTEXT;
    CRect rc(right - m_nButtonWidth, top, right, bottom);
    if (!b.button.Create(b.strCaption, style, rc, this, kFirstButtonID + i)) return FALSE;
    b.button.SetFont(GetParent() ? GetParent()->GetFont() : NULL, FALSE);
    if (m_imageList.GetSafeHandle() && i < m_imageList.GetImageCount()) {
      HICON hIcon = m_imageList.ExtractIcon(i);
      if (hIcon) {
        b.button.SetIcon(iconSize, hIcon, FALSE);
        ::DestroyIcon(hIcon);
      }
    }
    right -= m_nButtonStep;
  }
  if (!m_tooltip.Create(this)) return FALSE;
  m_tooltip.Activate(TRUE);
  for (int i = 0; i < m_nButtons; ++i)
    m_tooltip.AddTool(&m_buttons[i].button, m_buttons[i].nTooltipID);
  return TRUE;
}

void CButtonGrp::Draw() {
  if (!::IsWindow(m_hWnd)) return;
  const CRect frame = FrameRect();
  const int width = m_bCaptions ? kCaptionWidth : kDrawWidth;
  const int step = m_bCaptions ? kCaptionWidth : kDrawStep;
  int right = frame.right - 1;
  for (int i = m_nButtons - 1; i >= 0; --i) {
    CXTButton& button = m_buttons[i].button;
    if (::IsWindow(button.m_hWnd))
      button.MoveWindow(right - width, frame.top + 1, width, frame.Height() - 2);
    right -= step;
  }
}

void CButtonGrp::OnSize(UINT nType, int cx, int cy) {
  CStatic::OnSize(nType, cx, cy);
  Draw();
}

int CButtonGrp::FindCommand(UINT nCommandID) const {
  for (int i = 0; i < m_nButtons; ++i)
    if (m_buttons[i].nCommandID == nCommandID) return i;
  return -1;
}

void CButtonGrp::EnableButton(UINT nCommandID, BOOL bEnable) {
  const int i = FindCommand(nCommandID);
  if (i >= 0 && ::IsWindow(m_buttons[i].button.m_hWnd)) m_buttons[i].button.EnableWindow(bEnable);
}

void CButtonGrp::ShowButton(UINT nCommandID, BOOL bShow) {
  const int i = FindCommand(nCommandID);
  if (i >= 0 && ::IsWindow(m_buttons[i].button.m_hWnd))
    m_buttons[i].button.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CButtonGrp::EnableWindow(BOOL bEnable) {
  for (int i = 0; i < m_nButtons; ++i)
    if (::IsWindow(m_buttons[i].button.m_hWnd)) m_buttons[i].button.EnableWindow(bEnable);
}

BOOL CButtonGrp::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int i = static_cast<int>(LOWORD(wParam)) - kFirstButtonID;
  if (HIWORD(wParam) == BN_CLICKED && i >= 0 && i < m_nButtons) {
    CWnd* pTarget = m_pReciper ? m_pReciper : GetParent();
    if (pTarget && ::IsWindow(pTarget->GetSafeHwnd()))
      pTarget->SendMessage(WM_COMMAND, m_buttons[i].nCommandID, 0);
    return TRUE;
  }
  return CStatic::OnCommand(wParam, lParam);
}

BOOL CButtonGrp::PreTranslateMessage(MSG* pMsg) {
  if (::IsWindow(m_tooltip.m_hWnd)) m_tooltip.RelayEvent(pMsg);
  return CStatic::PreTranslateMessage(pMsg);
}

void CButtonGrp::OnDestroy() {
  for (int i = 0; i < m_nButtons; ++i)
    if (::IsWindow(m_buttons[i].button.m_hWnd)) m_buttons[i].button.DestroyWindow();
  if (::IsWindow(m_tooltip.m_hWnd)) m_tooltip.DestroyWindow();
  m_bCreated = FALSE;
  CStatic::OnDestroy();
}
