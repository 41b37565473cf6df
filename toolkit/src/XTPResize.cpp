// CXTPResize: children anchored to the edges of their parent, moved together when it resizes.
#include "XTPResize.h"

#include <algorithm>

CXTPResize::CXTPResize(CWnd* pWnd, UINT nFlags)
    : m_pResizeWnd(pWnd), m_nFlags(nFlags), m_szMin(0, 0), m_szMax(0, 0) {}

CXTPResize::~CXTPResize() = default;

CSize CXTPResize::ClientSize() const {
  CRect rc(0, 0, 0, 0);
  if (m_pResizeWnd && ::IsWindow(m_pResizeWnd->m_hWnd)) ::GetClientRect(m_pResizeWnd->m_hWnd, &rc);
  return rc.Size();
}

BOOL CXTPResize::SetResize(UINT nID, XTP_RESIZEPOINT topLeft, XTP_RESIZEPOINT bottomRight) {
  ASSERT(m_pResizeWnd && ::IsWindow(m_pResizeWnd->m_hWnd));
  return SetResize(::GetDlgItem(m_pResizeWnd->m_hWnd, int(nID)), topLeft, bottomRight);
}

BOOL CXTPResize::SetResize(HWND hWnd, XTP_RESIZEPOINT topLeft, XTP_RESIZEPOINT bottomRight) {
  if (!hWnd || !m_pResizeWnd || ::GetParent(hWnd) != m_pResizeWnd->m_hWnd) return FALSE;
  CRect rc;
  ::GetWindowRect(hWnd, &rc);
  ::MapWindowPoints(NULL, m_pResizeWnd->m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  RemoveResize(hWnd);
  m_items.push_back(
      {hWnd, topLeft, bottomRight, {rc.left, rc.top, rc.right, rc.bottom}, ClientSize()});
  return TRUE;
}

BOOL CXTPResize::RemoveResize(HWND hWnd) {
  auto it = std::find_if(m_items.begin(), m_items.end(),
                         [hWnd](const Item& item) { return item.hWnd == hWnd; });
  if (it == m_items.end()) return FALSE;
  m_items.erase(it);
  return TRUE;
}

void CXTPResize::RemoveAllControls() {
  m_items.clear();
}

void CXTPResize::Init() {
  if (!m_pResizeWnd || !::IsWindow(m_pResizeWnd->m_hWnd)) return;
  if (!(m_nFlags & XTP_RESIZE_NOMINSIZE)) {
    CRect rc;
    ::GetWindowRect(m_pResizeWnd->m_hWnd, &rc);
    m_szMin = rc.Size();
  }
}

void CXTPResize::Size() {
  if (!m_pResizeWnd || !::IsWindow(m_pResizeWnd->m_hWnd) || m_items.empty()) return;
  const CSize now = ClientSize();
  // Children destroyed since they were anchored are dropped rather than moved.
  m_items.erase(std::remove_if(m_items.begin(), m_items.end(),
                               [](const Item& item) { return !::IsWindow(item.hWnd); }),
                m_items.end());
  HDWP hDwp = ::BeginDeferWindowPos(int(m_items.size()));
  for (const Item& item : m_items) {
    const XTP_RESIZEBOX box =
        xtp_resize::Place(item.box, item.topLeft, item.bottomRight, now.cx - item.szClient.cx,
                          now.cy - item.szClient.cy);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    if (hDwp)
      hDwp = ::DeferWindowPos(hDwp, item.hWnd, NULL, box.left, box.top, box.right - box.left,
                              box.bottom - box.top, flags);
    else
      ::SetWindowPos(item.hWnd, NULL, box.left, box.top, box.right - box.left, box.bottom - box.top,
                     flags);
  }
  if (hDwp) ::EndDeferWindowPos(hDwp);
  ::InvalidateRect(m_pResizeWnd->m_hWnd, NULL, TRUE);
}

void CXTPResize::GetMinMaxInfo(MINMAXINFO* pMMI) const {
  if (m_szMin.cx > 0) pMMI->ptMinTrackSize.x = m_szMin.cx;
  if (m_szMin.cy > 0) pMMI->ptMinTrackSize.y = m_szMin.cy;
  if (m_szMax.cx > 0) pMMI->ptMaxTrackSize.x = m_szMax.cx;
  if (m_szMax.cy > 0) pMMI->ptMaxTrackSize.y = m_szMax.cy;
  if (!m_pResizeWnd || !::IsWindow(m_pResizeWnd->m_hWnd)) return;
  CRect rc;
  ::GetWindowRect(m_pResizeWnd->m_hWnd, &rc);
  if (m_nFlags & XTP_RESIZE_NOHORIZONTAL)
    pMMI->ptMinTrackSize.x = pMMI->ptMaxTrackSize.x = rc.Width();
  if (m_nFlags & XTP_RESIZE_NOVERTICAL)
    pMMI->ptMinTrackSize.y = pMMI->ptMaxTrackSize.y = rc.Height();
}
