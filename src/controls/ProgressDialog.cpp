// CProgressDialog: the modal progress dialog of the processing protocol.
#include "controls/ProgressDialog.h"

#include <QXHostWindows.h>
#include <afxdll_.h>
#include <qxres_ids.h>

#include <cstdarg>
#include <cwchar>

#include "controls/logic/ProgressPercent.h"
#include "controls/logic/ProgressStatus.h"

IMPLEMENT_DYNAMIC(CProgressDialog, CDialog)

BEGIN_MESSAGE_MAP(CProgressDialog, CDialog)
  ON_BN_CLICKED(IDC_QX_PROGRESS_CANCEL, OnCancelClicked)
  ON_MESSAGE(WMU_UPDATE_STATUS, OnUpdateStatus)
END_MESSAGE_MAP()

CProgressDialog::CProgressDialog()
    : CProgressDialog(NULL, L"Progress Dialog", FALSE, FALSE, FALSE, FALSE, true) {}

CProgressDialog::CProgressDialog(CWnd* pParent, LPCTSTR pszCaption, int /*nSmooth*/,
                                 int bOwnerNotify, int bHasProgressCtrl, int /*bHideOnCancel*/,
                                 bool bShowCancel)
    : CDialog(IDD_QX_PROGRESS, pParent),
      m_bShowCancel(bShowCancel),
      m_bCancelled(FALSE),
      m_nPos(0),
      m_nPercent(0),
      m_nStep(1),
      m_nUpper(100),
      m_nLower(0),
      m_strCaption(pszCaption ? pszCaption : L""),
      m_bHasProgressCtrl(bHasProgressCtrl),
      m_nAnimID(0),
      m_phKill(NULL),
      m_phComplete(NULL),
      m_bKeepWindow(bOwnerNotify),
      m_hResModule(NULL) {}

CProgressDialog::~CProgressDialog() {
  if (!m_bKeepWindow && m_hWnd) DestroyWindow();
  // The animation control reads its clip from the module: free it only after the window.
  if (m_hResModule && !m_hWnd) AfxFreeLibrary(m_hResModule);
}

BOOL CProgressDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetWindowText(m_strCaption);

  // The template's placeholders give the sizes; the controls are made here so that the
  // dialog owns their objects.
  CRect rcAnim(0, 0, 10, 10);
  if (CWnd* pHolder = GetDlgItem(IDC_QX_PROGRESS_ANIMATION)) {
    pHolder->GetClientRect(&rcAnim);
    pHolder->DestroyWindow();
  }
  if (!m_animate.Create(WS_CHILD | WS_VISIBLE | ACS_CENTER | ACS_TRANSPARENT | ACS_AUTOPLAY, rcAnim,
                        this, IDC_QX_PROGRESS_ANIMATION))
    return FALSE;

  CRect rcBar(0, 0, 10, 10);
  if (CWnd* pHolder = GetDlgItem(IDC_QX_PROGRESS_BAR)) {
    pHolder->GetWindowRect(&rcBar);
    ScreenToClient(&rcBar);
    pHolder->DestroyWindow();
  }
  const DWORD dwBarStyle = m_bHasProgressCtrl > 0 ? WS_CHILD | WS_VISIBLE : WS_CHILD;
  if (!m_progress.Create(dwBarStyle, rcBar, this, IDC_QX_PROGRESS_BAR)) return FALSE;
  m_progress.SetRange32(m_nLower, m_nUpper);
  m_progress.SetStep(m_nStep);

  if (CWnd* pCancel = GetDlgItem(IDCANCEL)) {
    m_btnCancel.SubclassWindow(pCancel->m_hWnd);
    if (!m_bShowCancel) m_btnCancel.ShowWindow(SW_HIDE);
  }
  SetFocus();
  CenterWindow(GetParent());
  return TRUE;
}

int CProgressDialog::ApplyPos(int nPos, const CString& strCaption) {
  if (!::IsWindow(m_hWnd)) return m_nPos;
  m_nPos = nPos;
  const int percent = tkw::ProgressPercent(nPos, m_nLower, m_nUpper);
  if (percent != m_nPercent) {
    m_nPercent = percent;
    SetWindowText(tkw::ProgressCaption(strCaption, percent));
  }
  return m_progress.m_hWnd ? m_progress.SetPos(nPos) : 0;
}

void CProgressDialog::SetRange(int nLower, int nUpper, int nStep) {
  if (!::IsWindow(m_hWnd)) return;
  m_nLower = nLower;
  m_nUpper = nUpper;
  m_nStep = nStep;
  if (m_progress.m_hWnd) {
    m_progress.SetRange32(nLower, nUpper);
    m_progress.SetStep(nStep);
  }
}

int CProgressDialog::SetPos(int nPos) {
  return ApplyPos(nPos, m_strCaption);
}
int CProgressDialog::SetPos(int nPos, CString strCaption) {
  return ApplyPos(nPos, strCaption);
}
int CProgressDialog::StepIt() {
  return SetPos(m_nPos + m_nStep);
}
int CProgressDialog::StepIt(CString strCaption) {
  return SetPos(m_nPos + m_nStep, strCaption);
}

void CProgressDialog::SetText(LPCTSTR pszFormat, ...) {
  if (!::IsWindow(m_hWnd) || !pszFormat) return;
  wchar_t buffer[512];
  va_list args;
  va_start(args, pszFormat);
  // Too long a text is cut at the buffer's end.
  if (_vsnwprintf(buffer, 511, pszFormat, args) < 0) buffer[511] = L'\0';
  buffer[511] = L'\0';
  va_end(args);
  SetDlgItemText(IDC_QX_PROGRESS_STATUS, buffer);
}

void CProgressDialog::SetAnimation(UINT nID) {
  if (nID == m_nAnimID || !m_animate.m_hWnd) return;
  if (!m_hResModule) m_hResModule = AfxLoadLibrary(L"qxres.dll");
  ::SendMessageW(m_animate.m_hWnd, ACM_OPENW, WPARAM(m_hResModule),
                 LPARAM(MAKEINTRESOURCEW(tkw::AnimationClip(nID))));
  m_animate.Play(0, 0xFFFF, UINT(-1));
  m_nAnimID = nID;
}

void CProgressDialog::Clear() {
  if (::IsWindow(m_hWnd)) SetDlgItemText(IDC_QX_PROGRESS_STATUS, L"");
  SetPos(0);
  m_bCancelled = FALSE;
  m_nPos = 0;
  if (::IsWindow(m_hWnd)) UpdateWindow();
}

void CProgressDialog::AddProgressCtrl() {
  m_bHasProgressCtrl = TRUE;
  if (m_progress.m_hWnd) m_progress.ShowWindow(SW_SHOW);
}

BOOL CProgressDialog::StartAnimation() {
  if (m_animate.m_hWnd) m_animate.Play(0, 0xFFFF, UINT(-1));
  return TRUE;
}

BOOL CProgressDialog::StopAnimation() {
  if (m_animate.m_hWnd) m_animate.Stop();
  return TRUE;
}

LRESULT CProgressDialog::OnUpdateStatus(WPARAM wParam, LPARAM lParam) {
  if (const CString* pText = reinterpret_cast<const CString*>(wParam))
    SetDlgItemText(IDC_QX_PROGRESS_STATUS, *pText);
  if (const UINT* pAnimID = reinterpret_cast<const UINT*>(lParam)) SetAnimation(*pAnimID);
  return 1;
}

void CProgressDialog::OnCancelClicked() {
  OnCancel();
}

void CProgressDialog::OnCancel() {
  if (m_bCancelled) return;  // asked and confirmed already; the task is stopping
  if (ZRWMessageBox(L"Are you sure you want to cancel the process.", MB_YESNO | MB_ICONQUESTION,
                    1) != IDYES)
    return;
  m_bCancelled = TRUE;
  // Without a kill handle there is no task to stop: the cancel is only recorded.
  if (m_phKill && *m_phKill) ::SetEvent(*m_phKill);
  if (CWnd* pCancel = GetDlgItem(IDCANCEL)) pCancel->EnableWindow(FALSE);
}
