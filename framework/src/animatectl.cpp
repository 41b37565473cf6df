// CAnimateCtrl: the animation control's messages as members; resource clips come through the
// resource chain.
#include "afxcmn.h"
#include "ctlwrap_.h"

using namespace afx_internal;

IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(ANIMATE_CLASSW, NULL, dwStyle, rect, pParentWnd, nID);
}
BOOL CAnimateCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                            UINT nID) {
  return CWnd::CreateEx(dwExStyle, ANIMATE_CLASSW, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(LPCTSTR lpszFileName) {
  // The control looks for a resource of that name in the module it is given and falls back
  // to a file, so the chain's answer serves both.
  HINSTANCE hInst = AfxFindResourceHandle(lpszFileName, L"AVI");
  return BOOL(Send(m_hWnd, ACM_OPENW, WPARAM(hInst), LPARAM(lpszFileName)));
}
BOOL CAnimateCtrl::Open(UINT nID) {
  LPCTSTR lpszName = MAKEINTRESOURCEW(nID);
  HINSTANCE hInst = AfxFindResourceHandle(lpszName, L"AVI");
  return BOOL(Send(m_hWnd, ACM_OPENW, WPARAM(hInst), LPARAM(lpszName)));
}
BOOL CAnimateCtrl::Play(UINT nFrom, UINT nTo, UINT nRep) {
  return BOOL(Send(m_hWnd, ACM_PLAY, WPARAM(nRep), MAKELPARAM(WORD(nFrom), WORD(nTo))));
}
BOOL CAnimateCtrl::Stop() {
  return BOOL(Send(m_hWnd, ACM_STOP));
}
BOOL CAnimateCtrl::Close() {
  return BOOL(Send(m_hWnd, ACM_OPENW));
}
BOOL CAnimateCtrl::Seek(UINT nTo) {
  return Play(nTo, nTo, 1);
}
BOOL CAnimateCtrl::IsPlaying() const {
  return BOOL(Send(m_hWnd, ACM_ISPLAYING));
}
