// CProgressDisplay: the position, status text and animation both progress displays share.
#include "controls/ProgressDisplay.h"

#include <afxdll_.h>
#include <qxres_ids.h>

#include <cstdarg>
#include <cwchar>
#include <vector>

#include "controls/logic/ProgressPercent.h"
#include "controls/logic/ProgressStatus.h"

CProgressDisplay::CProgressDisplay(LPCTSTR pszCaption, BOOL bHasProgressCtrl, bool bShowCancel)
    : m_bShowCancel(bShowCancel),
      m_bCancelled(FALSE),
      m_nPos(0),
      m_nPercent(0),
      m_nStep(1),
      m_nUpper(100),
      m_nLower(0),
      m_strCaption(pszCaption ? pszCaption : L""),
      m_bHasProgressCtrl(bHasProgressCtrl),
      m_hResModule(NULL) {}

// The derived window frees the module: only it knows when its clip is closed.
CProgressDisplay::~CProgressDisplay() = default;

BOOL CProgressDisplay::CreateAnimation(const CRect& rc, UINT nID) {
  return m_animate.Create(WS_CHILD | WS_VISIBLE | ACS_CENTER | ACS_TRANSPARENT | ACS_AUTOPLAY, rc,
                          &Host(), nID);
}

BOOL CProgressDisplay::CreateBar(DWORD dwStyle, const CRect& rc) {
  if (!m_progress.Create(dwStyle, rc, &Host(), IDC_QX_PROGRESS_BAR)) return FALSE;
  m_progress.SetRange32(m_nLower, m_nUpper);
  m_progress.SetStep(m_nStep);
  return TRUE;
}

bool CProgressDisplay::PlayClip(UINT nID) {
  if (!m_animate.m_hWnd) return false;
  if (!m_hResModule) m_hResModule = AfxLoadLibrary(L"qxres.dll");
  ::SendMessageW(m_animate.m_hWnd, ACM_OPENW, WPARAM(m_hResModule),
                 LPARAM(MAKEINTRESOURCEW(tkw::AnimationClip(nID))));
  m_animate.Play(0, 0xFFFF, UINT(-1));
  return true;
}

int CProgressDisplay::ApplyPos(int nPos, const CString& strCaption) {
  if (!HostExists()) return m_nPos;
  m_nPos = nPos;
  const int percent = tkw::ProgressPercent(nPos, m_nLower, m_nUpper);
  if (percent != m_nPercent) {
    m_nPercent = percent;
    Host().SetWindowText(tkw::ProgressCaption(strCaption, percent));
  }
  return m_progress.m_hWnd ? m_progress.SetPos(nPos) : 0;
}

void CProgressDisplay::SetRange(int nLower, int nUpper, int nStep) {
  if (!HostExists()) return;
  m_nLower = nLower;
  m_nUpper = nUpper;
  m_nStep = nStep;
  if (m_progress.m_hWnd) {
    m_progress.SetRange32(nLower, nUpper);
    m_progress.SetStep(nStep);
  }
}

int CProgressDisplay::SetPos(int nPos) {
  return ApplyPos(nPos, m_strCaption);
}
int CProgressDisplay::SetPos(int nPos, CString strCaption) {
  return ApplyPos(nPos, strCaption);
}
int CProgressDisplay::StepIt() {
  return SetPos(m_nPos + m_nStep);
}
int CProgressDisplay::StepIt(CString strCaption) {
  return SetPos(m_nPos + m_nStep, strCaption);
}

void CProgressDisplay::SetText(LPCTSTR pszFormat, ...) {
  if (!HostExists() || !pszFormat) return;
  va_list args;
  va_start(args, pszFormat);
  va_list copy;
  va_copy(copy, args);
  const int length = _vscwprintf(pszFormat, copy);
  va_end(copy);
  std::vector<wchar_t> buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  if (length > 0) _vsnwprintf(buffer.data(), buffer.size(), pszFormat, args);
  va_end(args);
  ShowStatus(buffer.data());
}

void CProgressDisplay::Clear() {
  if (HostExists()) ShowStatus(L"");
  SetPos(0);
  m_bCancelled = FALSE;
  m_nPos = 0;
  if (HostExists()) Host().UpdateWindow();
}

void CProgressDisplay::AddProgressCtrl() {
  m_bHasProgressCtrl = TRUE;
  if (m_progress.m_hWnd) m_progress.ShowWindow(SW_SHOW);
}
