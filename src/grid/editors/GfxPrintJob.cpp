// The print job's loop and its status dialog.
#include "grid/editors/GfxPrintJob.h"

#include "grid/editors/logic/PrintLayout.h"
#include "qxres_ids.h"

#include <commctrl.h>

#include <string>

namespace {
// One print at a time per process: the flag is shared by the dialog's Cancel and the loop.
BOOL g_bPrintAborted = FALSE;

CString Formatted(const CString& format, const CString& value) {
  CString text = format;
  text.Replace(L"%1", value);
  return text;
}
}  // namespace

// ---- CGfxPrintStatus

CGfxPrintStatus::CGfxPrintStatus(CWnd* pParent) : m_pParent(pParent) {}

BOOL CGfxPrintStatus::Create() {
  g_bPrintAborted = FALSE;
  return CDialog::Create(IDD_QX_PRINT_STATUS, m_pParent);
}

BOOL CGfxPrintStatus::IsAborted() {
  return g_bPrintAborted;
}
void CGfxPrintStatus::SetAborted(BOOL bAborted) {
  g_bPrintAborted = bAborted;
}

BOOL CALLBACK CGfxPrintStatus::AbortProc(HDC, int) {
  MSG msg;
  while (!g_bPrintAborted && ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(int(msg.wParam));  // the application's loop still has to see it
      break;
    }
    // Keyboard for the status dialog too, so that Esc and Enter reach Cancel.
    CWnd* pWnd = CWnd::FromHandlePermanent(msg.hwnd);
    if (pWnd && pWnd->PreTranslateMessage(&msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return !g_bPrintAborted;
}

void CGfxPrintStatus::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_QX_PRINT_PROGRESS, m_wndProgress);
  DDX_Control(pDX, IDC_QX_PRINT_ANIMATION, m_wndAnimation);
}

BOOL CGfxPrintStatus::OnInitDialog() {
  CDialog::OnInitDialog();
  CenterWindow();
  // The animation comes from whichever module of the chain holds it.
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW(IDR_QX_AVI_PRINT), L"AVI");
  m_wndAnimation.SendMessage(ACM_OPENW, reinterpret_cast<WPARAM>(hInst),
                             reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(IDR_QX_AVI_PRINT)));
  m_wndAnimation.SendMessage(ACM_PLAY, WPARAM(-1), MAKELPARAM(0, 0xFFFF));
  return TRUE;
}

void CGfxPrintStatus::OnCancel() {
  g_bPrintAborted = TRUE;
  EnableWindow(FALSE);  // no second click while the loop notices
}

// ---- CGfxPrintJob

CGfxPrintJob::CGfxPrintJob() : m_pParent(NULL), m_strTitle(L"senza nome"), m_dwReserved(0) {}

CGfxPrintJob::CGfxPrintJob(const CGfxPrintJob& other)
    : m_pParent(other.m_pParent), m_strTitle(other.m_strTitle), m_dwReserved(other.m_dwReserved) {}

CGfxPrintJob& CGfxPrintJob::operator=(const CGfxPrintJob& other) {
  m_pParent = other.m_pParent;
  m_strTitle = other.m_strTitle;
  m_dwReserved = other.m_dwReserved;
  return *this;
}

CGfxPrintJob::~CGfxPrintJob() {}

void CGfxPrintJob::OnPrint(CDC*, CPrintInfo*) {}
void CGfxPrintJob::OnEndPrinting(CDC*, CPrintInfo*) {}
void CGfxPrintJob::OnBeginPrinting(CDC*, CPrintInfo*) {}

bool CGfxPrintJob::OnPreparePrinting(CPrintInfo* pInfo, bool bAfterPreview) {
  return bAfterPreview || DoPreparePrinting(pInfo);
}

BOOL CGfxPrintJob::DoPreparePrinting(CPrintInfo* pInfo) {
  CWinApp* pApp = AfxGetApp();
  if (!pInfo || !pApp) return FALSE;
  PRINTDLGW& pd = pInfo->m_pPD->m_pd;
  if (pInfo->GetMaxPage() < pInfo->GetMinPage()) pInfo->SetMaxPage(pInfo->GetMinPage());
  pd.nFromPage = WORD(pInfo->GetMinPage());
  pd.nToPage = WORD(pInfo->GetMaxPage());
  if (pApp->DoPrintDialog(pInfo->m_pPD) != IDOK || !pd.hDC) return FALSE;
  pInfo->m_nNumPreviewPages = pApp->m_nNumPreviewPages;
  pInfo->m_strPageDesc.LoadString(AFX_IDS_PREVIEWPAGEDESC);
  return TRUE;
}

void CGfxPrintJob::OnPrepareDC(CDC*, CPrintInfo* pInfo) {
  if (pInfo)
    pInfo->m_bContinuePrinting =
        !(pInfo->GetMaxPage() == UINT(tkw::print::kUnknownPage) && pInfo->m_nCurPage != 1);
}

void CGfxPrintJob::OnFilePrint() {
  CPrintInfo info;
  if (!OnPreparePrinting(&info)) return;
  CPrintDialog& pd = *info.m_pPD;

  CString strFile;
  if (pd.m_pd.Flags & PD_PRINTTOFILE) {
    CString strExt, strName, strFilter, strCaption;
    strExt.LoadString(AFX_IDS_PRINTDEFAULTEXT);
    strName.LoadString(AFX_IDS_PRINTDEFAULT);
    strFilter.LoadString(AFX_IDS_PRINTFILTER);
    strCaption.LoadString(AFX_IDS_PRINTCAPTION);
    CFileDialog dlg(FALSE, strExt, strName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, strFilter,
                    m_pParent);
    dlg.m_ofn.lpstrTitle = strCaption;
    if (dlg.DoModal() != IDOK) return;
    strFile = dlg.GetPathName();
  }

  DOCINFOW docInfo = {};
  docInfo.cbSize = sizeof docInfo;
  docInfo.lpszDocName = m_strTitle;
  docInfo.lpszOutput = strFile.IsEmpty() ? NULL : strFile.GetString();
  CString strFormat;
  strFormat.LoadString(strFile.IsEmpty() ? AFX_IDS_PRINTONPORT : AFX_IDS_PRINTTOFILE);
  const CString strPort = Formatted(strFormat, strFile.IsEmpty() ? pd.GetPortName() : strFile);

  CDC dc;
  dc.Attach(pd.m_pd.hDC);  // CPrintInfo deletes it; detached below
  dc.m_bPrinting = TRUE;
  info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
  dc.DPtoLP(&info.m_rectDraw);
  OnBeginPrinting(&dc, &info);
  dc.SetAbortProc(&CGfxPrintStatus::AbortProc);

  CWnd* pMain = AfxGetMainWnd();
  if (pMain) pMain->EnableWindow(FALSE);
  CGfxPrintStatus status(m_pParent);
  status.Create();
  CString strCaption;
  strCaption.Format(L"Stampa di %s in corso ..", m_strTitle.GetString());
  status.SetWindowText(strCaption);
  CString strPrinter;
  status.GetDlgItemText(IDC_QX_PRINT_PRINTER, strPrinter);
  CString strLine;
  strLine.Format(strPrinter, m_strTitle.GetString(), pd.GetDeviceName().GetString(),
                 strPort.GetString());
  status.SetDlgItemText(IDC_QX_PRINT_PRINTER, strLine);
  // Shown without taking activation: the user's window keeps the keyboard until it is clicked.
  status.ShowWindow(SW_SHOWNA);
  status.UpdateWindow();

  if (dc.StartDoc(&docInfo) <= 0) {
    if (pMain) pMain->EnableWindow(TRUE);
    OnEndPrinting(&dc, &info);
    status.DestroyWindow();
    dc.Detach();
    AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT);
    return;
  }
  if (PrintPages(dc, info, status))
    dc.EndDoc();
  else
    dc.AbortDoc();

  if (pMain) pMain->EnableWindow(TRUE);
  OnEndPrinting(&dc, &info);
  status.DestroyWindow();
  dc.Detach();
}

bool CGfxPrintJob::PrintPages(CDC& dc, CPrintInfo& info, CGfxPrintStatus& status) {
  const tkw::print::PagePlan plan =
      tkw::print::PlanPages(int(info.GetFromPage()), int(info.GetToPage()), int(info.GetMinPage()),
                            int(info.GetMaxPage()));
  status.m_wndProgress.SendMessage(PBM_SETRANGE32, 0, plan.count);
  status.m_wndProgress.SendMessage(PBM_SETPOS, 0);
  CString strPageFormat;
  status.GetDlgItemText(IDC_QX_PRINT_PAGE, strPageFormat);

  const DWORD dwStart = ::GetTickCount();
  double averageMs = 0;
  int k = 1;
  for (int page = plan.first; page != plan.end; page += plan.step, ++k) {
    status.m_wndProgress.SendMessage(PBM_SETPOS, WPARAM(k));
    CString strText;
    strText.Format(L"%d %%", tkw::print::PercentDone(k, plan.count));
    status.SetDlgItemText(IDC_QX_PRINT_PERCENT, strText);
    info.m_nCurPage = UINT(page);
    OnPrepareDC(&dc, &info);
    if (!info.m_bContinuePrinting) break;
    // A one-page job has no estimate: its page line shows an empty remaining time.
    const std::wstring remaining = tkw::print::RemainingTimeText(k, plan.count, averageMs);
    strText.Format(strPageFormat, k, plan.count, remaining.c_str());
    status.SetDlgItemText(IDC_QX_PRINT_PAGE, strText);
    info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    dc.DPtoLP(&info.m_rectDraw);
    if (dc.StartPage() <= 0) return false;
    OnPrepareDC(&dc, &info);
    const int nSaved = dc.SaveDC();
    OnPrint(&dc, &info);
    const bool bPageDone = dc.EndPage() > 0;
    CGfxPrintStatus::AbortProc(dc.GetSafeHdc(), 0);
    dc.RestoreDC(nSaved);
    if (!bPageDone || CGfxPrintStatus::IsAborted()) return false;
    averageMs = double(::GetTickCount() - dwStart) / k;
  }
  return true;
}
