// CProgressDialog: the modal progress dialog of the processing protocol.
#include "controls/ProgressDialog.h"

#include <QXHostWindows.h>
#include <afxdll_.h>
#include <qxres_ids.h>

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
      CProgressDisplay(pszCaption, bHasProgressCtrl, bShowCancel),
      m_nAnimID(0),
      m_phKill(NULL),
      m_phComplete(NULL),
      m_bKeepWindow(bOwnerNotify) {}

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
  if (!CreateAnimation(rcAnim, IDC_QX_PROGRESS_ANIMATION)) return FALSE;

  CRect rcBar(0, 0, 10, 10);
  if (CWnd* pHolder = GetDlgItem(IDC_QX_PROGRESS_BAR)) {
    pHolder->GetWindowRect(&rcBar);
    ScreenToClient(&rcBar);
    pHolder->DestroyWindow();
  }
  const DWORD dwBarStyle = m_bHasProgressCtrl > 0 ? WS_CHILD | WS_VISIBLE : WS_CHILD;
  if (!CreateBar(dwBarStyle, rcBar)) return FALSE;

  if (CWnd* pCancel = GetDlgItem(IDCANCEL)) {
    m_btnCancel.SubclassWindow(pCancel->m_hWnd);
    if (!m_bShowCancel) m_btnCancel.ShowWindow(SW_HIDE);
  }
  SetFocus();
  CenterWindow(GetParent());
  return TRUE;
}

void CProgressDialog::ShowStatus(LPCTSTR pszText) {
  SetDlgItemText(IDC_QX_PROGRESS_STATUS, CString(pszText).Left(511));
}

void CProgressDialog::SetAnimation(UINT nID) {
  if (nID != m_nAnimID && PlayClip(nID)) m_nAnimID = nID;
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
