// TKWPropertySheet: button re-packing, self-managed wizard buttons, read-only mode, the
// modified flag, the advise sink and the keyboard and help conventions of the host's sheets.
#include "wizard/TKWPropertySheet.h"

#include "XTPPaintManager.h"
#include "controls/Item.h"
#include "wizard/TKWPropertyPage.h"

namespace {

const int kApplyButton = 0x3021;
// The command the host's main window answers with its help.
const UINT kHelpCommand = 32079;

bool IsRichEdit(HWND hWnd) {
  wchar_t cls[32] = L"";
  if (!hWnd || !::GetClassNameW(hWnd, cls, 32)) return false;
  return _wcsnicmp(cls, L"RichEdit", 8) == 0;
}

void EnableAndShow(CWnd* pButton, BOOL bEnable) {
  pButton->EnableWindow(bEnable);
  pButton->ShowWindow(SW_SHOW);
}

void HideAndDisable(CWnd* pButton) {
  pButton->ShowWindow(SW_HIDE);
  pButton->EnableWindow(FALSE);
}

}  // namespace

IMPLEMENT_DYNAMIC(TKWPropertySheet, CXTPResizePropertySheet)

BEGIN_MESSAGE_MAP(TKWPropertySheet, CXTPResizePropertySheet)
  ON_MESSAGE(PSM_CHANGED, OnChanged)
  ON_MESSAGE(PSM_UNCHANGED, OnUnChanged)
  ON_WM_HELPINFO()
END_MESSAGE_MAP()

TKWPropertySheet::TKWPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, UINT nFlags)
    : CXTPResizePropertySheet(nIDCaption, pParentWnd, iSelectPage, nFlags) {
  CommonConstruct();
}

TKWPropertySheet::TKWPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
                                   UINT nFlags)
    : CXTPResizePropertySheet(pszCaption, pParentWnd, iSelectPage, nFlags) {
  CommonConstruct();
}

void TKWPropertySheet::CommonConstruct() {
  m_pAdvise = nullptr;
  m_bModified = FALSE;
  m_dwSheetButtons = 0;
  m_bReadOnly = FALSE;
  m_pItem = nullptr;
  m_pOwnedObject = nullptr;
  m_pDataObject = nullptr;
  m_bOwnWizardButtons = 0;
  m_bHideBackNext = 0;
  m_dwWizardButtons = 0;
  m_dwHostValue1 = 0;
  m_dwHostValue2 = 0;
  m_WizData.m_pdwHostValue = &m_dwHostValue2;
  m_WizData.m_pstrJobName = &m_strJobName;
  m_WizData.m_pstrHostString = &m_strHost2;
}

TKWPropertySheet::~TKWPropertySheet() {
  delete m_pOwnedObject;
  CWnd* pMain = AfxGetMainWnd();
  if (pMain && ::IsWindow(pMain->m_hWnd)) pMain->SetFocus();
}

BOOL TKWPropertySheet::OnInitDialog() {
  const BOOL bResult = CXTPResizePropertySheet::OnInitDialog();
  HideSheetButtons();
  return bResult;
}

void TKWPropertySheet::HideSheetButtons() {
  // Moves a button right by whole widths of `width`, in client coordinates; the resize
  // layout takes the new place as the button's own.
  auto shift = [this](CWnd* pButton, CRect rc, int nWidths, int width) {
    if (nWidths == 0) return;
    rc.OffsetRect(nWidths * width, 0);
    ScreenToClient(&rc);
    pButton->MoveWindow(&rc, TRUE);
    SetResize(pButton->m_hWnd, XTP_ANCHOR_BOTTOMRIGHT, XTP_ANCHOR_BOTTOMRIGHT);
  };
  bool bApplyHidden = false, bCancelHidden = false;
  if (CWnd* pApply = GetDlgItem(kApplyButton)) {
    bApplyHidden = (m_dwSheetButtons & sheetApply) != 0;
    if (bApplyHidden)
      HideAndDisable(pApply);
    else
      EnableAndShow(pApply, TRUE);
  }
  if (CWnd* pCancel = GetDlgItem(IDCANCEL)) {
    CRect rc;
    pCancel->GetWindowRect(&rc);
    bCancelHidden = (m_dwSheetButtons & sheetCancel) != 0;
    if (bCancelHidden) {
      HideAndDisable(pCancel);
    } else {
      shift(pCancel, rc, bApplyHidden ? 1 : 0, rc.Width());
      EnableAndShow(pCancel, TRUE);
    }
  }
  if (CWnd* pOK = GetDlgItem(IDOK)) {
    CRect rc;
    pOK->GetWindowRect(&rc);
    if (m_dwSheetButtons & sheetOK) {
      HideAndDisable(pOK);
    } else {
      EnableAndShow(pOK, TRUE);
      shift(pOK, rc, int(bApplyHidden) + int(bCancelHidden), rc.Width());
    }
  }
}

void TKWPropertySheet::SetWizardButtons(DWORD dwFlags) {
  m_dwWizardButtons = dwFlags;
  if (!m_bOwnWizardButtons) {
    PostMessage(PSM_SETWIZBUTTONS, 0, LPARAM(dwFlags));
    return;
  }
  CWnd* pFinish = GetDlgItem(ID_WIZFINISH);
  if (!pFinish) return;
  EnableAndShow(pFinish, (dwFlags & PSWIZB_FINISH) != 0);
  if (m_bHideBackNext) return;
  if (CWnd* pBack = GetDlgItem(ID_WIZBACK)) {
    EnableAndShow(pBack, (dwFlags & PSWIZB_BACK) != 0);
    if (CWnd* pNext = GetDlgItem(ID_WIZNEXT)) EnableAndShow(pNext, (dwFlags & PSWIZB_NEXT) != 0);
  }
}

void TKWPropertySheet::HideWizardButtons(DWORD dwMask) {
  if (!m_bHideBackNext) return;
  CWnd* pBack = GetDlgItem(ID_WIZBACK);
  if (!pBack) return;
  if (dwMask & PSWIZB_BACK) pBack->ShowWindow(SW_HIDE);
  CWnd* pNext = GetDlgItem(ID_WIZNEXT);
  if (pNext && (dwMask & PSWIZB_NEXT)) pNext->ShowWindow(SW_HIDE);
}

BOOL TKWPropertySheet::Apply() {
  if (m_psh.dwFlags & PSH_WIZARD) PostMessage(WMU_SHEET_PAGE_ACTIVATED);
  bool bRefused = false;
  for (int i = 0; i < GetPageCount(); ++i) {
    CPropertyPage* pPage = GetPage(i);
    if (pPage && ::IsWindow(pPage->m_hWnd) && !pPage->OnApply()) bRefused = true;
  }
  if (bRefused) return FALSE;
  m_bModified = FALSE;
  return TRUE;
}

void TKWPropertySheet::SetReadOnly(BOOL bReadOnly) {
  m_bReadOnly = bReadOnly;
  CPropertyPage* pActive = m_hWnd ? GetActivePage() : nullptr;
  for (int i = 0; i < GetPageCount(); ++i) {
    CPropertyPage* pPage = GetPage(i);
    if (!pPage || !pPage->IsKindOf(RUNTIME_CLASS(TKWPropertyPage))) continue;
    static_cast<TKWPropertyPage*>(pPage)->SetReadOnly(bReadOnly);
    if (pPage == pActive && ::IsWindow(pPage->m_hWnd)) pPage->UpdateData(FALSE);
  }
}

void TKWPropertySheet::AdviseRefresh() {
  if (m_pAdvise) m_pAdvise->Refresh();
}

void TKWPropertySheet::AdviseSetTab() {
  if (m_pAdvise) m_pAdvise->SetTab(GetActiveIndex());
}

void TKWPropertySheet::SetupPage(CPropertyPage* pPage, DWORD dwFlags) {
  ASSERT(pPage != nullptr);
  pPage->m_psp.pszTitle = m_strPageTitle;
  pPage->m_psp.dwFlags |= dwFlags;
  static_cast<TKWPropertyPage*>(pPage)->m_pWizData = &m_WizData;
}

void TKWPropertySheet::SetupPropertyPage(TKWPropertyPage* pPage) {
  SetupPage(pPage, PSP_USETITLE);
}

void TKWPropertySheet::SetupInteriorPage(CPropertyPage* pPage) {
  SetupPage(pPage, PSP_USETITLE);
}

void TKWPropertySheet::SetupExteriorPage(CPropertyPage* pPage) {
  SetupPage(pPage, PSP_USETITLE | PSP_HIDEHEADER);
}

void TKWPropertySheet::DeleteAllPages() {
  RemoveAllControls();
  for (int i = GetPageCount() - 1; i >= 0; --i) {
    CPropertyPage* pPage = GetPage(i);
    if (pPage && pPage->IsKindOf(RUNTIME_CLASS(TKWPropertyPage)))
      static_cast<TKWPropertyPage*>(pPage)->m_bDeleting = TRUE;
  }
  for (int i = GetPageCount() - 1; i >= 0; --i) {
    CPropertyPage* pPage = GetPage(i);
    RemovePage(i);
    delete pPage;
  }
}

BOOL TKWPropertySheet::SetPageTitle(int nPage, LPTSTR pszText) {
  HWND hTab = reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL));
  if (!hTab) return TRUE;
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = pszText;
  return BOOL(::SendMessageW(hTab, TCM_SETITEMW, WPARAM(nPage), reinterpret_cast<LPARAM>(&item)));
}

LRESULT TKWPropertySheet::OnChanged(WPARAM, LPARAM) {
  m_bModified = TRUE;
  if (CWnd* pApply = GetDlgItem(kApplyButton)) pApply->EnableWindow(TRUE);
  return 0;
}

LRESULT TKWPropertySheet::OnUnChanged(WPARAM, LPARAM) {
  m_bModified = FALSE;
  if (CWnd* pApply = GetDlgItem(kApplyButton)) pApply->EnableWindow(FALSE);
  return 0;
}

BOOL TKWPropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (!m_pItem) return FALSE;
  const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
  if (pHdr && pHdr->code == UINT(TCN_SELCHANGE)) {
    // The tab already shows the new page; the sheet switches after this notification.
    m_pItem->m_nSelectedTab = int(::SendMessageW(pHdr->hwndFrom, TCM_GETCURSEL, 0, 0));
    if (m_pAdvise) m_pAdvise->SetTab(m_pItem->m_nSelectedTab);
  }
  // The pages' themed controls draw their icons with the toolkit's icon settings.
  if (!XTPPaintManager()) CXTPPaintManager::SetTheme(xtpThemeDefault);
  CXTPPaintManager* pPaintManager = XTPPaintManager();
  pPaintManager->m_bIconShadows = TRUE;
  pPaintManager->m_bFadedIcons = TRUE;
  pPaintManager->m_bEmbossDisabledIcons = TRUE;
  RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return CWnd::OnNotify(wParam, lParam, pResult);
}

BOOL TKWPropertySheet::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_NCLBUTTONDOWN)
    SendMessageToDescendants(TKWGetRemoveTipMessage(), pMsg->wParam, pMsg->lParam, TRUE);
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && m_bOwnWizardButtons &&
      !IsRichEdit(::GetFocus())) {
    if ((m_dwWizardButtons & (PSWIZB_BACK | PSWIZB_NEXT)) == (PSWIZB_BACK | PSWIZB_NEXT)) {
      PostMessage(PSM_PRESSBUTTON, PSBTN_NEXT, 0);
      return TRUE;
    }
  }
  return CPropertySheet::PreTranslateMessage(pMsg);
}

BOOL TKWPropertySheet::OnHelpInfo(HELPINFO* pHelpInfo) {
  CWnd* pMain = AfxGetMainWnd();
  if (!(GetStyle() & WS_CHILD) && pMain && ::IsWindow(pMain->m_hWnd)) {
    pMain->SendMessage(WM_COMMAND, kHelpCommand, 0);
    return TRUE;
  }
  return CWnd::OnHelpInfo(pHelpInfo);
}
