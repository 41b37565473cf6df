// CPropertySheet: building the sheet from its pages, the framework's modal loop around a
// modeless sheet, and page management while the sheet runs.
#include "afxdlgs.h"
#include "wndstate_.h"

namespace {

// The default style of a modeless sheet (the caller may pass its own).
const DWORD kModelessStyle =
    WS_SYSMENU | WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_3DLOOK | WS_VISIBLE;

// The sheet being created on this thread: its template is adjusted in PSCB_PRECREATE.
thread_local CPropertySheet* t_pSheetInit = nullptr;

// The template's style field: DLGTEMPLATEEX carries it after its version, signature and help id.
DWORD* TemplateStyle(LPARAM lParam) {
  auto* pWords = reinterpret_cast<WORD*>(lParam);
  if (pWords[1] == 0xFFFF) return reinterpret_cast<DWORD*>(pWords + 6);
  return &reinterpret_cast<DLGTEMPLATE*>(lParam)->style;
}

}  // namespace

int CALLBACK AfxPropSheetCallback(HWND, UINT message, LPARAM lParam) {
  if (message == PSCB_PRECREATE && lParam && t_pSheetInit) {
    DWORD* pStyle = TemplateStyle(lParam);
    // Only a sheet that offers help keeps the caption's help button.
    DWORD dwStyle = t_pSheetInit->m_dwCreateStyle;
    if (t_pSheetInit->m_psh.dwFlags & PSH_HASHELP) dwStyle |= (*pStyle & DS_CONTEXTHELP);
    *pStyle = dwStyle | (*pStyle & (DS_SETFONT | DS_FIXEDSYS | DS_SHELLFONT));
  }
  return 0;
}

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
  ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

// ---- construction

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage) {
  ZeroMemory(&m_psh, sizeof(m_psh));
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags = PSH_DEFAULT;
  m_psh.nStartPage = iSelectPage;
  m_pParentWnd = pParentWnd;
  m_bModeless = FALSE;
  m_dwCreateStyle = kModelessStyle;
  m_dwCreateExStyle = 0;
  m_bInModalLoop = FALSE;
  m_bContinueModal = FALSE;
  m_nModalResult = IDCANCEL;
}

CPropertySheet::CPropertySheet() {
  CommonConstruct(NULL, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
  Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
  Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage,
                               HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader) {
  Construct(nIDCaption, pParentWnd, iSelectPage, hbmWatermark, hpalWatermark, hbmHeader);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
                               HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader) {
  Construct(pszCaption, pParentWnd, iSelectPage, hbmWatermark, hpalWatermark, hbmHeader);
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
  CommonConstruct(pParentWnd, iSelectPage);
  m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
  CommonConstruct(pParentWnd, iSelectPage);
  m_strCaption = pszCaption;
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage,
                               HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader) {
  Construct(nIDCaption, pParentWnd, iSelectPage);
  SetWizard97(hbmWatermark, hpalWatermark, hbmHeader);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
                               HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader) {
  Construct(pszCaption, pParentWnd, iSelectPage);
  SetWizard97(hbmWatermark, hpalWatermark, hbmHeader);
}

void CPropertySheet::SetWizard97(HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader) {
  m_psh.dwFlags |= PSH_WIZARD97;
  if (hbmWatermark) {
    m_psh.hbmWatermark = hbmWatermark;
    m_psh.dwFlags |= PSH_WATERMARK | PSH_USEHBMWATERMARK;
  }
  if (hpalWatermark) {
    m_psh.hplWatermark = hpalWatermark;
    m_psh.dwFlags |= PSH_USEHPLWATERMARK;
  }
  if (hbmHeader) {
    m_psh.hbmHeader = hbmHeader;
    m_psh.dwFlags |= PSH_HEADER | PSH_USEHBMHEADER;
  }
}

// ---- creation and the modal loop

HPROPSHEETPAGE CPropertySheet::CreatePageHandle(CPropertyPage* pPage) {
  return ::CreatePropertySheetPageW(&pPage->PreparePropSheetPage(IsWizard()));
}

BOOL CPropertySheet::CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle) {
  if (m_hWnd || m_pages.GetSize() == 0) return FALSE;
  CArray<HPROPSHEETPAGE, HPROPSHEETPAGE> handles;
  for (int i = 0; i < m_pages.GetSize(); ++i) {
    HPROPSHEETPAGE hPage = CreatePageHandle(GetPage(i));
    if (!hPage) {
      for (int j = 0; j < handles.GetSize(); ++j) ::DestroyPropertySheetPage(handles[j]);
      return FALSE;
    }
    handles.Add(hPage);
  }
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags &= ~PSH_PROPSHEETPAGE;
  m_psh.dwFlags |= PSH_MODELESS | PSH_USECALLBACK;
  m_psh.pfnCallback = AfxPropSheetCallback;
  m_psh.hwndParent = hWndParent;
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.pszCaption = m_strCaption;
  m_psh.nPages = UINT(handles.GetSize());
  m_psh.phpage = handles.GetData();
  if (m_psh.nStartPage >= m_psh.nPages) m_psh.nStartPage = 0;
  m_dwCreateStyle = dwStyle;
  m_dwCreateExStyle = dwExStyle;

  CPropertySheet* pPrevInit = t_pSheetInit;
  t_pSheetInit = this;
  AfxHookWindowCreate(this);
  const INT_PTR hSheet = ::PropertySheetW(&m_psh);
  AfxUnhookWindowCreate();
  t_pSheetInit = pPrevInit;
  m_psh.phpage = NULL;
  if (hSheet == 0 || hSheet == -1 || reinterpret_cast<HWND>(hSheet) != m_hWnd) {
    if (m_hWnd) DestroyWindow();
    return FALSE;
  }
  if (dwExStyle) ModifyStyleEx(0, dwExStyle);
  return TRUE;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
  if (dwStyle == DWORD(-1)) dwStyle = kModelessStyle;
  if (pParentWnd) m_pParentWnd = pParentWnd;
  m_bModeless = TRUE;
  return CreateSheet(m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : NULL, dwStyle, dwExStyle);
}

INT_PTR CPropertySheet::DoModal() {
  if (m_hWnd) return -1;
  // The owner must be top-level; without a parent the main window's last active popup owns
  // the sheet, so a sheet opened from a dialog stays above it.
  HWND hWndOwner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : NULL;
  if (!hWndOwner) {
    CWnd* pMain = AfxGetMainWnd();
    hWndOwner = pMain ? pMain->m_hWnd : ::GetActiveWindow();
    if (hWndOwner) hWndOwner = ::GetLastActivePopup(::GetAncestor(hWndOwner, GA_ROOT));
  } else {
    hWndOwner = ::GetAncestor(hWndOwner, GA_ROOT);
  }
  bool bEnableOwner = false;
  if (hWndOwner && ::IsWindowEnabled(hWndOwner)) {
    ::EnableWindow(hWndOwner, FALSE);
    bEnableOwner = true;
  }

  m_bModeless = FALSE;
  m_nModalResult = IDCANCEL;
  INT_PTR nResult = -1;
  if (CreateSheet(hWndOwner, kModelessStyle, 0)) {
    m_bInModalLoop = TRUE;
    m_bContinueModal = TRUE;
    nResult = RunSheetLoop();
    m_bInModalLoop = FALSE;
    m_bContinueModal = FALSE;
    if (m_hWnd)
      ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (bEnableOwner) ::EnableWindow(hWndOwner, TRUE);
  if (hWndOwner && m_hWnd && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndOwner);
  if (m_hWnd) DestroyWindow();
  return nResult;
}

BOOL CPropertySheet::ContinueModal() {
  return m_bContinueModal && m_hWnd && ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

// Pumps through the thread's PreTranslateMessage, so the sheet, its pages and their
// controls see each message first; the owner gets WM_ENTERIDLE once per idle period.
int CPropertySheet::RunSheetLoop() {
  HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
  bool bIdleSent = false;
  MSG msg;
  while (ContinueModal()) {
    if (!::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE)) {
      if (!bIdleSent && hWndOwner) {
        bIdleSent = true;
        ::SendMessageW(hWndOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
        continue;  // the owner may have acted on the sheet
      }
    }
    if (!afx_internal::PumpModalMessage(msg)) {
      m_nModalResult = -1;
      break;
    }
    CWinThread* pThread = AfxGetThread();
    if (!pThread || pThread->IsIdleMessage(&msg)) bIdleSent = false;
  }
  return m_nModalResult;
}

void CPropertySheet::EndDialog(int nEndID) {
  m_nModalResult = nEndID;
  if (m_bInModalLoop) {
    m_bContinueModal = FALSE;
    if (m_hWnd) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the loop
  } else if (m_bModeless && m_hWnd) {
    DestroyWindow();
  }
}

BOOL CPropertySheet::OnInitDialog() {
  return BOOL(Default());
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) {
  return OnInitDialog();
}

void CPropertySheet::PressButton(int nButton) {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessageW(m_hWnd, PSM_PRESSBUTTON, WPARAM(nButton), 0);
}

// ---- pages

void CPropertySheet::AddPage(CPropertyPage* pPage) {
  ASSERT(pPage != nullptr);
  // A page already in the sheet stays where it is: one page window cannot serve two tabs.
  if (!pPage || GetPageIndex(pPage) >= 0) return;
  m_pages.Add(pPage);
  if (!m_hWnd) return;
  HPROPSHEETPAGE hPage = CreatePageHandle(pPage);
  if (!hPage || !::SendMessageW(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage))) {
    if (hPage) ::DestroyPropertySheetPage(hPage);
    m_pages.RemoveAt(m_pages.GetSize() - 1);
  }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
  const int nPage = GetPageIndex(pPage);
  if (nPage >= 0) RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage) {
  if (nPage < 0 || nPage >= m_pages.GetSize()) return;
  if (m_hWnd) ::SendMessageW(m_hWnd, PSM_REMOVEPAGE, WPARAM(nPage), 0);
  m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageCount() const {
  return int(m_pages.GetSize());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
  if (nPage < 0 || nPage >= m_pages.GetSize()) return nullptr;
  return static_cast<CPropertyPage*>(m_pages[nPage]);
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
  for (int i = 0; i < m_pages.GetSize(); ++i)
    if (m_pages[i] == pPage) return i;
  return -1;
}

int CPropertySheet::GetActiveIndex() const {
  if (!m_hWnd) return int(m_psh.nStartPage);
  HWND hPage = reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
  if (!hPage) return -1;
  return int(::SendMessageW(m_hWnd, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(hPage), 0));
}

CPropertyPage* CPropertySheet::GetActivePage() const {
  return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage) {
  if (nPage < 0 || nPage >= m_pages.GetSize()) return FALSE;
  if (!m_hWnd) {
    m_psh.nStartPage = UINT(nPage);
    return TRUE;
  }
  return BOOL(::SendMessageW(m_hWnd, PSM_SETCURSEL, WPARAM(nPage), 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
  return SetActivePage(GetPageIndex(pPage));
}

// ---- attributes

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle) {
  m_strCaption = lpszText;
  m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
  if (m_hWnd)
    ::SendMessageW(m_hWnd, PSM_SETTITLEW, nStyle, reinterpret_cast<LPARAM>(LPCTSTR(m_strCaption)));
}

void CPropertySheet::SetWizardMode() {
  m_psh.dwFlags |= PSH_WIZARD;
}

BOOL CPropertySheet::IsWizard() const {
  return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0;
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessageW(m_hWnd, PSM_SETWIZBUTTONS, 0, LPARAM(dwFlags));
}

void CPropertySheet::SetFinishText(LPCTSTR lpszText) {
  ASSERT(::IsWindow(m_hWnd));
  ::SendMessageW(m_hWnd, PSM_SETFINISHTEXTW, 0, reinterpret_cast<LPARAM>(lpszText));
}

HWND CPropertySheet::GetTabControl() const {
  return m_hWnd ? reinterpret_cast<HWND>(::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0)) : NULL;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
  if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
  if (!m_hWnd || !pMsg->hwnd) return FALSE;
  const bool bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                      (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
  if (!bInput) return FALSE;
  if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)) return FALSE;
  // The sheet's own navigation: Ctrl+Tab and Ctrl+PgUp/PgDn between pages, Tab across the
  // page's controls and the sheet's buttons, Enter and Escape on the sheet's buttons.
  return BOOL(::SendMessageW(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)));
}
