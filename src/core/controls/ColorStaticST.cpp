// CColorStaticST: coloured static text through control-colour reflection.
#include "core/controls/ColorStaticST.h"

IMPLEMENT_DYNAMIC(CColorStaticST, CStatic)

BEGIN_MESSAGE_MAP(CColorStaticST, CStatic)
  ON_WM_CTLCOLOR_REFLECT()
  ON_WM_DESTROY()
  ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
END_MESSAGE_MAP()

CColorStaticST::CColorStaticST()
    : m_crTextColor(::GetSysColor(COLOR_BTNTEXT)),
      m_crBkColor(::GetSysColor(COLOR_BTNFACE)),
      m_hBkBrush(::CreateSolidBrush(m_crBkColor)),
      m_hNotifyWnd(NULL),
      m_nNotifyMsg(WM_USER) {}

CColorStaticST::~CColorStaticST() {
  if (m_hBkBrush) ::DeleteObject(m_hBkBrush);
}

void CColorStaticST::Repaint() {
  if (::IsWindow(m_hWnd)) Invalidate();
}

void CColorStaticST::SetTextColor(COLORREF crTextColor) {
  m_crTextColor = crTextColor == kDefaultColour ? ::GetSysColor(COLOR_BTNTEXT) : crTextColor;
  Repaint();
}

void CColorStaticST::SetBkColor(COLORREF crBkColor) {
  m_crBkColor = crBkColor == kDefaultColour ? ::GetSysColor(COLOR_BTNFACE) : crBkColor;
  if (m_hBkBrush) ::DeleteObject(m_hBkBrush);
  m_hBkBrush = ::CreateSolidBrush(m_crBkColor);
  Repaint();
}

void CColorStaticST::EnableNotify(CWnd* pWnd, UINT nMsg) {
  m_hNotifyWnd = pWnd ? pWnd->GetSafeHwnd() : NULL;
  m_nNotifyMsg = nMsg;
}

HBRUSH CColorStaticST::CtlColor(CDC* pDC, UINT) {
  pDC->SetTextColor(m_crTextColor);
  pDC->SetBkColor(m_crBkColor);
  if (!m_hBkBrush) m_hBkBrush = ::CreateSolidBrush(m_crBkColor);
  return m_hBkBrush;
}

void CColorStaticST::OnDestroy() {
  // The brush goes with the window; a later CtlColor (after re-creation) makes a new one.
  if (m_hBkBrush) ::DeleteObject(m_hBkBrush);
  m_hBkBrush = NULL;
  CStatic::OnDestroy();
}

void CColorStaticST::OnClicked() {
  if (m_hNotifyWnd && ::IsWindow(m_hNotifyWnd))
    ::SendMessage(m_hNotifyWnd, m_nNotifyMsg, static_cast<WPARAM>(GetDlgCtrlID()),
                  reinterpret_cast<LPARAM>(m_hWnd));
}
