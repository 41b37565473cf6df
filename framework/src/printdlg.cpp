// The print dialog, the print job's state and the application's printer defaults.
#include "afxdlgs.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

// A DC for the printer these DEVNAMES/DEVMODE handles name; null when they name none.
AFX_FWAPI HDC AFXAPI AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode) {
  if (!hDevNames) return NULL;
  auto* pNames = static_cast<LPDEVNAMES>(::GlobalLock(hDevNames));
  if (!pNames) return NULL;
  auto* pMode = hDevMode ? static_cast<LPDEVMODEW>(::GlobalLock(hDevMode)) : NULL;
  const wchar_t* base = reinterpret_cast<const wchar_t*>(pNames);
  HDC hDC = ::CreateDCW(base + pNames->wDriverOffset, base + pNames->wDeviceOffset, NULL, pMode);
  if (pMode) ::GlobalUnlock(hDevMode);
  ::GlobalUnlock(hDevNames);
  return hDC;
}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd) {
  ZeroMemory(&m_pd, sizeof(m_pd));
  m_pd.lStructSize = sizeof(m_pd);
  m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
  m_pd.nCopies = 1;
}

CPrintDialog::~CPrintDialog() {
  // The application keeps the handles it lent; a dialog used on its own frees what the
  // system gave it.
  CWinApp* pApp = AfxGetApp();
  if (m_pd.hDevMode && (!pApp || pApp->m_hDevMode != m_pd.hDevMode)) ::GlobalFree(m_pd.hDevMode);
  if (m_pd.hDevNames && (!pApp || pApp->m_hDevNames != m_pd.hDevNames))
    ::GlobalFree(m_pd.hDevNames);
}

INT_PTR CPrintDialog::DoModal() {
  m_pd.hwndOwner = PreModal();
  return ::PrintDlgW(&m_pd) ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults() {
  // PD_RETURNDEFAULT wants both handles null.
  HGLOBAL hMode = m_pd.hDevMode, hNames = m_pd.hDevNames;
  m_pd.hDevMode = m_pd.hDevNames = NULL;
  m_pd.Flags |= PD_RETURNDEFAULT;
  const BOOL bOk = ::PrintDlgW(&m_pd);
  m_pd.Flags &= ~PD_RETURNDEFAULT;
  if (!bOk) {
    m_pd.hDevMode = hMode;
    m_pd.hDevNames = hNames;
  }
  return bOk;
}

int CPrintDialog::GetCopies() const {
  if (m_pd.Flags & PD_USEDEVMODECOPIES) {
    LPDEVMODEW pMode = GetDevMode();
    if (pMode) {
      const int n = pMode->dmCopies;
      ::GlobalUnlock(m_pd.hDevMode);
      return n;
    }
  }
  return m_pd.nCopies;
}

LPDEVMODEW CPrintDialog::GetDevMode() const {
  return m_pd.hDevMode ? static_cast<LPDEVMODEW>(::GlobalLock(m_pd.hDevMode)) : NULL;
}

CString CPrintDialog::DevNamesString(int which) const {
  if (!m_pd.hDevNames) return CString();
  auto* pNames = static_cast<LPDEVNAMES>(::GlobalLock(m_pd.hDevNames));
  if (!pNames) return CString();
  const WORD offsets[] = {pNames->wDriverOffset, pNames->wDeviceOffset, pNames->wOutputOffset};
  CString s(reinterpret_cast<const wchar_t*>(pNames) + offsets[which]);
  ::GlobalUnlock(m_pd.hDevNames);
  return s;
}

CString CPrintDialog::GetDriverName() const {
  return DevNamesString(0);
}
CString CPrintDialog::GetDeviceName() const {
  return DevNamesString(1);
}
CString CPrintDialog::GetPortName() const {
  return DevNamesString(2);
}

HDC CPrintDialog::GetPrinterDC() const {
  return m_pd.hDC;
}

HDC CPrintDialog::CreatePrinterDC() {
  if (m_pd.hDC) ::DeleteDC(m_pd.hDC);
  m_pd.hDC = AfxCreateDC(m_pd.hDevNames, m_pd.hDevMode);
  return m_pd.hDC;
}

// ---- CPrintInfo

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)),
      m_bDocObject(FALSE),
      m_dwFlags(0),
      m_nOffsetPage(0),
      m_nJobNumber(UINT(SP_ERROR)),
      m_bPreview(FALSE),
      m_bDirect(FALSE),
      m_bContinuePrinting(TRUE),
      m_nCurPage(1),
      m_nNumPreviewPages(0),
      m_lpUserData(NULL) {
  SetMinPage(1);
  SetMaxPage(0xffff);  // unknown until the job counts its pages
}

CPrintInfo::~CPrintInfo() {
  if (m_pPD->m_pd.hDC) ::DeleteDC(m_pPD->m_pd.hDC);
  delete m_pPD;
}

// ---- the application's printer

void CWinApp::SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld) {
  if (bFreeOld) {
    if (m_hDevNames && m_hDevNames != hDevNames) ::GlobalFree(m_hDevNames);
    if (m_hDevMode && m_hDevMode != hDevMode) ::GlobalFree(m_hDevMode);
  }
  m_hDevNames = hDevNames;
  m_hDevMode = hDevMode;
}

void CWinApp::UpdatePrinterSelection(BOOL bForceDefaults) {
  if (m_hDevNames && !bForceDefaults) return;
  PRINTDLGW pd = {};
  pd.lStructSize = sizeof(pd);
  pd.Flags = PD_RETURNDEFAULT;
  if (::PrintDlgW(&pd)) SelectPrinter(pd.hDevNames, pd.hDevMode);
}

BOOL CWinApp::GetPrinterDeviceDefaults(PRINTDLGW* pPrintDlg) {
  UpdatePrinterSelection(FALSE);
  if (!pPrintDlg || !m_hDevNames) return FALSE;
  pPrintDlg->hDevNames = m_hDevNames;
  pPrintDlg->hDevMode = m_hDevMode;
  return TRUE;
}

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD) {
  UpdatePrinterSelection(FALSE);
  pPD->m_pd.hDevMode = m_hDevMode;
  pPD->m_pd.hDevNames = m_hDevNames;
  INT_PTR nResult = pPD->DoModal();
  if (nResult != IDOK && ::CommDlgExtendedError() != 0) {
    // The remembered printer is gone or was changed behind our back: start again from the
    // system's default printer.
    UpdatePrinterSelection(TRUE);
    pPD->m_pd.hDevMode = m_hDevMode;
    pPD->m_pd.hDevNames = m_hDevNames;
    nResult = pPD->DoModal();
  }
  // The dialog may have replaced the handles: the ones it holds now are the application's.
  SelectPrinter(pPD->m_pd.hDevNames, pPD->m_pd.hDevMode);
  return nResult;
}

BOOL CWinApp::CreatePrinterDC(CDC& dc) {
  UpdatePrinterSelection(FALSE);
  HDC hDC = AfxCreateDC(m_hDevNames, m_hDevMode);
  if (!hDC) return FALSE;
  dc.DeleteDC();
  return dc.Attach(hDC);
}
