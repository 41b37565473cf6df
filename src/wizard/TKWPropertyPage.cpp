// TKWPropertyPage: construction, activation, keyboard rules, read-only mode and control
// helpers of the host's pages. The processing protocol is in TKWPropertyPageProcessing.cpp,
// the wizard-data operations in TKWPropertyPageWizData.cpp.
#include "wizard/TKWPropertyPage.h"

#include "QXHostWindows.h"
#include "wizard/TKWPropertySheet.h"
#include "wizard/WizardData.h"

namespace {

const int kIconControl = 409;
const int kDarkBlueControl = 754;

bool CtrlDown() {
  return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

// Keys a child page hands straight to the focused control, so that the sheet's default
// button and cancel handling never see them.
bool IsEditingKey(WPARAM vk) {
  switch (vk) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_DELETE: return true;
    case 'C':
    case 'X':
    case 'V': return CtrlDown();
    default: return false;
  }
}

}  // namespace

IMPLEMENT_DYNCREATE(TKWPropertyPage, CXTPResizePropertyPage)

BEGIN_MESSAGE_MAP(TKWPropertyPage, CXTPResizePropertyPage)
  ON_WM_CTLCOLOR()
  ON_WM_CLOSE()
  ON_WM_TIMER()
  ON_MESSAGE(WMU_PROCESSING_COMPLETE, OnProcessingComplete)
  ON_MESSAGE(WMU_KILL_PROCESSING, OnKillProcessing)
  ON_MESSAGE(WMU_INITIAL_SETFOCUS, OnInitialSetFocus)
END_MESSAGE_MAP()

TKWPropertyPage::TKWPropertyPage() : CXTPResizePropertyPage(UINT(IDD), 0, 0) {
  CommonConstruct();
}

TKWPropertyPage::TKWPropertyPage(int nIDTemplate)
    : CXTPResizePropertyPage(UINT(nIDTemplate), 0, 0) {
  CommonConstruct();
}

TKWPropertyPage::TKWPropertyPage(int nIDTemplate, UINT nIDCaption, UINT nFlags)
    : CXTPResizePropertyPage(UINT(nIDTemplate), nIDCaption, nFlags) {
  CommonConstruct();
}

void TKWPropertyPage::CommonConstruct() {
  m_psp.dwFlags &= ~PSP_HASHELP;
  m_nIconID = UINT(-1);
  m_hIcon = NULL;
  m_bReadOnly = FALSE;
  m_bModified = FALSE;
  m_bWizardMode = FALSE;
  m_bDirectKeys = FALSE;
  m_pWizData = nullptr;
  m_pFoundItem = nullptr;
  m_pProgressDlg = nullptr;
  m_nStatusAnimID = 0;
  m_bDeleting = FALSE;
  m_nProcessingError = 0;
  m_nProcessingErrorDetail = 0;
  m_bHostFlag = TRUE;
  ::InitializeCriticalSection(&m_csStatus);
  m_hCompleteEvent = ::CreateEventW(NULL, TRUE, FALSE, NULL);
  m_hKillEvent = ::CreateEventW(NULL, TRUE, FALSE, NULL);
  m_hFinishedEvent = ::CreateEventW(NULL, TRUE, FALSE, NULL);
}

TKWPropertyPage::~TKWPropertyPage() {
  for (HANDLE h : {m_hCompleteEvent, m_hKillEvent, m_hFinishedEvent})
    if (h) ::CloseHandle(h);
  ::DeleteCriticalSection(&m_csStatus);
  if (m_hIcon) ::DestroyIcon(m_hIcon);
}

// ---- activation

BOOL TKWPropertyPage::OnInitDialog() {
  CXTPResizePropertyPage::OnInitDialog();
  CWnd* pParent = GetParent();
  if (m_pWizData && m_pWizData->m_bForceWizardMode)
    m_bWizardMode = 1;
  else if (pParent && pParent->IsKindOf(RUNTIME_CLASS(TKWPropertySheet)))
    m_bWizardMode = static_cast<TKWPropertySheet*>(pParent)->m_psh.dwFlags & PSH_WIZARD;
  if (m_nIconID != UINT(-1) && m_hIcon) {
    if (HWND hIcon = ::GetDlgItem(m_hWnd, kIconControl))
      ::SendMessageW(hIcon, STM_SETICON, reinterpret_cast<WPARAM>(m_hIcon), 0);
  }
  UpdateData(FALSE);
  return TRUE;
}

BOOL TKWPropertyPage::OnSetActive() {
  CWnd* pParent = GetParent();
  if (m_bWizardMode && pParent && pParent->IsKindOf(RUNTIME_CLASS(TKWPropertySheet))) {
    auto* pSheet = static_cast<TKWPropertySheet*>(pParent);
    pSheet->PostMessage(WMU_SHEET_PAGE_ACTIVATED);
    m_psp.pszTitle = pSheet->m_strPageTitle;
    m_psp.dwFlags |= PSP_USETITLE;
    if (!pSheet->m_strPageTitle.IsEmpty()) pSheet->SetTitle(pSheet->m_strPageTitle, 0);
  }
  const BOOL bResult = CXTPResizePropertyPage::OnSetActive();
  PostMessage(WMU_INITIAL_SETFOCUS);
  return bResult;
}

LRESULT TKWPropertyPage::OnInitialSetFocus(WPARAM, LPARAM) {
  SetInitialFocus();
  return 1;
}

LRESULT TKWPropertyPage::OnWizardNext(int nNext) {
  CXTPResizePropertyPage::OnWizardNext();
  return nNext;
}

void TKWPropertyPage::OnClose() {
  Default();
}

HBRUSH TKWPropertyPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH hBrush = CXTPResizePropertyPage::OnCtlColor(pDC, pWnd, nCtlColor);
  if (pWnd && pWnd->GetDlgCtrlID() == kDarkBlueControl) pDC->SetTextColor(RGB(0, 0, 128));
  return hBrush;
}

// ---- keys

BOOL TKWPropertyPage::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN) {
    const WPARAM vk = pMsg->wParam;
    const DWORD dwStyle = GetStyle();
    if (dwStyle & WS_POPUP) {
      const bool bPassed = vk == VK_DELETE || vk == VK_ESCAPE || vk == VK_F8 ||
                           (CtrlDown() && (vk == 'C' || vk == 'X' || vk == 'V'));
      return bPassed ? CDialog::PreTranslateMessage(pMsg) : FALSE;
    }
    if (dwStyle & WS_CHILD) {
      if (IsEditingKey(vk) || (m_bWizardMode && vk != VK_TAB) || m_bDirectKeys) {
        ::TranslateMessage(pMsg);
        ::DispatchMessageW(pMsg);
        return TRUE;
      }
      CWnd* pParent = GetParent();
      if (CtrlDown() && vk >= 'A' && vk <= 'Z' && pParent &&
          pParent->IsKindOf(RUNTIME_CLASS(TKWPropertySheet))) {
        const CString caption = static_cast<TKWPropertySheet*>(pParent)->GetStrCaption();
        if (caption == L"Velotrace Settings" || caption == L"Edit Profiles") return TRUE;
      }
    }
  }
  // Keys the page does not keep are the main frame's shortcuts, as anywhere in the host.
  CWnd* pMain = AfxGetMainWnd();
  if (pMain && ::IsWindow(pMain->m_hWnd) && pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
    HACCEL hAccel = static_cast<CFrameWnd*>(pMain)->GetDefaultAccelerator();
    if (hAccel && ::TranslateAcceleratorW(pMain->m_hWnd, hAccel, pMsg) == 1) return TRUE;
  }
  return CXTPResizePropertyPage::PreTranslateMessage(pMsg);
}

// ---- mode and state

void TKWPropertyPage::SetReadOnly(BOOL bReadOnly) {
  m_bReadOnly = bReadOnly;
  EnableAllControls(!bReadOnly);
}

void TKWPropertyPage::OnSetModified() {
  m_bModified = TRUE;
  SetModified(TRUE);
}

BOOL TKWPropertyPage::IsLoadScenarioMode() const {
  return m_pWizData && m_pWizData->m_nWizardMode == CWizardData::modeLoadScenario;
}

BOOL TKWPropertyPage::IsUserScenarioMode() const {
  return m_pWizData && m_pWizData->m_nWizardMode == CWizardData::modeUserScenario;
}

void TKWPropertyPage::SetIcon(int nID) {
  m_nIconID = UINT(nID);
  if (m_hIcon) ::DestroyIcon(m_hIcon);
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW(nID), RT_GROUP_ICON);
  m_hIcon = static_cast<HICON>(
      ::LoadImageW(hInst, MAKEINTRESOURCEW(nID), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

// ---- controls

void TKWPropertyPage::HideControl(int nID, BOOL bHide) {
  if (HWND hCtrl = ::GetDlgItem(m_hWnd, nID)) ::ShowWindow(hCtrl, bHide ? SW_HIDE : SW_SHOWNORMAL);
}

void TKWPropertyPage::ShowAllControls(int nCmdShow) {
  for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    ::ShowWindow(h, nCmdShow);
}

void TKWPropertyPage::EnableAllControls(BOOL bEnable) {
  if (!::IsWindow(m_hWnd)) return;
  for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
    if (::GetDlgCtrlID(h) != -1 && ::GetDlgCtrlID(h) != 0xFFFF) ::EnableWindow(h, bEnable);
}

void TKWPropertyPage::FitInsideFrame(int nCtrlID, int nFrameID, int) {
  HWND hCtrl = ::GetDlgItem(m_hWnd, nCtrlID), hFrame = ::GetDlgItem(m_hWnd, nFrameID);
  if (!hCtrl || !hFrame) return;
  CRect rc;
  ::GetWindowRect(hFrame, &rc);
  ScreenToClient(&rc);
  rc.DeflateRect(6, 6);
  rc.top += 10;
  ::SetWindowPos(hCtrl, HWND_TOP, rc.left, rc.top, rc.Width(), rc.Height(), SWP_SHOWWINDOW);
}

void TKWPropertyPage::SetTaskPanelWizardText(CString& str) {
  if (str.IsEmpty()) return;
  HWND hPanel = GetTaskPanelWizardHWnd();
  if (hPanel && ::IsWindow(hPanel))
    ::SendMessageW(hPanel, WMU_TASKPANEL_TEXT, reinterpret_cast<WPARAM>(&str), 0);
}

// The framework prepares the page record itself when the sheet is built.
void TKWPropertyPage::TKWPreProcessPageTemplate(PROPSHEETPAGE&, BOOL) {}
