// CPropertyPage: the page record handed to the sheet, binding the page window, and the
// sheet's PSN_ notifications turned into the page's virtual handlers.
#include "afxdlgs.h"

INT_PTR CALLBACK AfxPropPageDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  // lParam is the sheet's copy of the page record; its lParam is the page object.
  auto* psp = reinterpret_cast<const PROPSHEETPAGE*>(lParam);
  auto* pPage = psp ? reinterpret_cast<CPropertyPage*>(psp->lParam) : nullptr;
  if (!pPage) return TRUE;
  if (!CWnd::FromHandlePermanent(hWnd)) {
    // From here on the page's messages reach its message map first.
    if (!pPage->SubclassWindow(hWnd)) return TRUE;
  }
  return pPage->OnInitDialog();
}

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
END_MESSAGE_MAP()

void CPropertyPage::CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption) {
  ZeroMemory(&m_psp, sizeof(m_psp));
  m_psp.dwSize = sizeof(m_psp);
  m_psp.dwFlags = PSP_DEFAULT;
  m_psp.pszTemplate = lpszTemplateName;
  m_psp.pfnDlgProc = AfxPropPageDlgProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  m_lpszTemplateName = lpszTemplateName;
  if (IS_INTRESOURCE(lpszTemplateName))
    m_nIDHelp = UINT(reinterpret_cast<UINT_PTR>(lpszTemplateName));
  if (nIDCaption != 0) m_strCaption.LoadString(nIDCaption);
  m_bFirstSetActive = TRUE;
}

CPropertyPage::CPropertyPage() {
  CommonConstruct(NULL, 0);
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, DWORD) {
  CommonConstruct(MAKEINTRESOURCEW(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD) {
  CommonConstruct(lpszTemplateName, nIDCaption);
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle,
                             UINT nIDHeaderSubTitle, DWORD) {
  Construct(nIDTemplate, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption, UINT nIDHeaderTitle,
                             UINT nIDHeaderSubTitle, DWORD) {
  Construct(lpszTemplateName, nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption) {
  CommonConstruct(MAKEINTRESOURCEW(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption) {
  CommonConstruct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle,
                              UINT nIDHeaderSubTitle) {
  Construct(MAKEINTRESOURCEW(nIDTemplate), nIDCaption, nIDHeaderTitle, nIDHeaderSubTitle);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption, UINT nIDHeaderTitle,
                              UINT nIDHeaderSubTitle) {
  CommonConstruct(lpszTemplateName, nIDCaption);
  if (nIDHeaderTitle != 0) m_strHeaderTitle.LoadString(nIDHeaderTitle);
  if (nIDHeaderSubTitle != 0) m_strHeaderSubTitle.LoadString(nIDHeaderSubTitle);
}

const PROPSHEETPAGE& CPropertyPage::PreparePropSheetPage(BOOL bWizard) {
  m_psp.dwSize = sizeof(m_psp);
  m_psp.pfnDlgProc = AfxPropPageDlgProc;
  m_psp.lParam = reinterpret_cast<LPARAM>(this);
  // The template may live in any module of the resource chain, unless the caller gave one
  // in memory (PSP_DLGINDIRECT with m_psp.pResource).
  if (!(m_psp.dwFlags & PSP_DLGINDIRECT))
    m_psp.hInstance = AfxFindResourceHandle(m_psp.pszTemplate, RT_DIALOG);
  if (!m_strCaption.IsEmpty()) {
    m_psp.pszTitle = m_strCaption;
    m_psp.dwFlags |= PSP_USETITLE;
  }
  if (bWizard && !m_strHeaderTitle.IsEmpty()) {
    m_psp.pszHeaderTitle = m_strHeaderTitle;
    m_psp.dwFlags |= PSP_USEHEADERTITLE;
  }
  if (bWizard && !m_strHeaderSubTitle.IsEmpty()) {
    m_psp.pszHeaderSubTitle = m_strHeaderSubTitle;
    m_psp.dwFlags |= PSP_USEHEADERSUBTITLE;
  }
  m_bFirstSetActive = TRUE;
  return m_psp;
}

// ---- talking to the sheet

CPropertySheet* CPropertyPage::GetParentSheet() const {
  if (!m_hWnd) return nullptr;
  CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
  return pParent && pParent->IsKindOf(RUNTIME_CLASS(CPropertySheet))
             ? static_cast<CPropertySheet*>(pParent)
             : nullptr;
}

void CPropertyPage::SetModified(BOOL bChanged) {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessageW(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED,
                 reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam) {
  ASSERT(::IsWindow(m_hWnd));
  return ::SendMessageW(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam);
}

void CPropertyPage::CancelToClose() {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessageW(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

// ---- default handlers

BOOL CPropertyPage::OnSetActive() {
  if (m_bFirstSetActive)
    m_bFirstSetActive = FALSE;
  else
    UpdateData(FALSE);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
  return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() {
  OnCancel();
}

void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnQueryCancel() {
  return TRUE;
}

LRESULT CPropertyPage::OnWizardBack() {
  return 0;
}

LRESULT CPropertyPage::OnWizardNext() {
  return 0;
}

BOOL CPropertyPage::OnWizardFinish() {
  return TRUE;
}

LRESULT CPropertyPage::MapWizardResult(LRESULT lResult) const {
  if (lResult == 0 || lResult == -1) return lResult;
  // The sheet finds the target by the template pointer of its record: a name must be the
  // very pointer the target page was built with.
  if (CPropertySheet* pSheet = GetParentSheet()) {
    for (int i = 0; i < pSheet->GetPageCount(); ++i) {
      const CPropertyPage* pPage = pSheet->GetPage(i);
      LPCTSTR pszTemplate = pPage->m_psp.pszTemplate;
      if (IS_INTRESOURCE(pszTemplate) ? reinterpret_cast<LRESULT>(pszTemplate) == lResult : false)
        return reinterpret_cast<LRESULT>(pszTemplate);
    }
  }
  return lResult;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
  if (!pHdr || pHdr->hwndFrom != ::GetParent(m_hWnd))
    return CDialog::OnNotify(wParam, lParam, pResult);
  CPropertySheet* pSheet = GetParentSheet();
  LRESULT lResult = 0;
  switch (pHdr->code) {
    case PSN_SETACTIVE: lResult = OnSetActive() ? 0 : -1; break;
    case PSN_KILLACTIVE: lResult = !OnKillActive(); break;
    case PSN_APPLY:
      lResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      if (lResult == PSNRET_NOERROR && pSheet) pSheet->NotePageResult(IDOK);
      break;
    case PSN_RESET:
      OnReset();
      if (pSheet) pSheet->NotePageResult(IDCANCEL);
      break;
    case PSN_QUERYCANCEL: lResult = !OnQueryCancel(); break;
    case PSN_WIZBACK: lResult = MapWizardResult(OnWizardBack()); break;
    case PSN_WIZNEXT: lResult = MapWizardResult(OnWizardNext()); break;
    case PSN_WIZFINISH:
      lResult = !OnWizardFinish();
      if (!lResult && pSheet) pSheet->NotePageResult(ID_WIZFINISH);
      break;
    case PSN_HELP: ::SendMessageW(m_hWnd, WM_COMMAND, ID_HELP, 0); break;
    default: return CDialog::OnNotify(wParam, lParam, pResult);
  }
  // The sheet reads the answer from the dialog's message result.
  ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, lResult);
  *pResult = lResult;
  return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg) {
  // Not CDialog's: IsDialogMessage on the page alone would skip the sheet's buttons.
  return CWnd::PreTranslateMessage(pMsg);
}
