// Scenes of grid printing: the print status dialog photographed in the middle of a real print,
// and the first page of a printed grid, recorded in an enhanced metafile and shown on paper.
#include "Gallery.h"

#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"
#include "grid/editors/GfxListCtrlPrint.h"
#include "grid/editors/GfxPrintJob.h"

#include "Capture.h"
#include "Printer.h"

#include <afxdlgs.h>
#include <commctrl.h>
#include <qxres_ids.h>

namespace {

const wchar_t* const kCustomers[] = {L"Bianchi & Figli",  L"Rossi Trasporti",  L"Verdi S.p.A.",
                                     L"Neri Costruzioni", L"Gallo Alimentari", L"Costa Marittima"};
const wchar_t* const kStates[] = {L"Shipped", L"Open", L"Invoiced", L"Shipped", L"Cancelled"};

CString OrderText(DWORD_PTR dwData, int nColumn) {
  const int i = static_cast<int>(dwData) - 1;
  CString s;
  switch (nColumn) {
    case 0: s.Format(L"%05d", 10400 + i); break;
    case 1: s = kCustomers[i % 6]; break;
    case 2: s = kStates[i % 5]; break;
    case 3: s.Format(L"%d.%02d", 120 + (i * 7919) % 9000, (i * 37) % 100); break;
  }
  return s;
}

// A grid of orders, never shown: it only lends its columns and rows to the printer.
void BuildOrderGrid(CSceneFrame& frame, CGfxListCtrl& list, int nRows) {
  list.Create(WS_CHILD | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 500, 300), &frame, 100);
  list.CreateColumnManager();
  CGfxColumnManager* pModel = list.GetColumnManager();
  pModel->DefineColumn(0, L"Order", nullptr, LVCFMT_LEFT, 70, GFXCOL_SORTABLE, -1, nullptr);
  pModel->DefineColumn(1, L"Customer", nullptr, LVCFMT_LEFT, 190, GFXCOL_SORTABLE, -1, nullptr);
  pModel->DefineColumn(2, L"State", nullptr, LVCFMT_CENTER, 90, GFXCOL_SORTABLE, -1, nullptr);
  pModel->DefineColumn(3, L"Amount", nullptr, LVCFMT_RIGHT, 100, GFXCOL_NUMERIC, -1, nullptr);
  const int shown[] = {0, 1, 2, 3};
  pModel->DefineDefaultColumns(4, shown);
  list.OnInit();
  list.SetupColumnData();
  frame.SetRowTextSource([&list](DWORD_PTR dwData, int nColumn) {
    return OrderText(dwData, list.GetColumnIndex(nColumn));
  });
  list.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&CSceneFrame::OnGridText));
  for (int i = 0; i < nRows; ++i)
    list.InsertItemEx(list.GetItemCount(), static_cast<DWORD_PTR>(i + 1));
  list.SetPrintName(L"Orders of the quarter");
  list.SetPrintFlag(0x04 | 0x08);  // footer: name and page number
}

// Answers the print dialog (print to file, OK) and the file dialog (the given path, OK) as a
// user would, so that the gallery can print without anyone at the keyboard.
class CPrintDialogAnswers {
 public:
  explicit CPrintDialogAnswers(const CString& strPath) : m_strPath(strPath) {
    s_pThis = this;
    m_hHook = ::SetWindowsHookExW(WH_CBT, OnCbt, NULL, ::GetCurrentThreadId());
  }
  ~CPrintDialogAnswers() {
    ::UnhookWindowsHookEx(m_hHook);
    s_pThis = nullptr;
  }

 private:
  static LRESULT CALLBACK OnCbt(int nCode, WPARAM wParam, LPARAM lParam) {
    // The dialog is answered from a timer: at activation its modal loop has not started yet.
    if (nCode == HCBT_ACTIVATE && s_pThis && !s_pThis->m_hDialog) {
      wchar_t cls[16] = {};
      ::GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 16);
      if (lstrcmpW(cls, L"#32770") == 0 &&
          !::GetDlgItem(reinterpret_cast<HWND>(wParam), IDC_QX_PRINT_PROGRESS)) {
        s_pThis->m_hDialog = reinterpret_cast<HWND>(wParam);
        ::SetTimer(NULL, 0, 0, OnTimer);
      }
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
  }
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR nId, DWORD) {
    ::KillTimer(NULL, nId);
    if (!s_pThis || !::IsWindow(s_pThis->m_hDialog)) return;
    const HWND hDialog = s_pThis->m_hDialog;
    s_pThis->m_hDialog = NULL;
    // The print dialog comes first, then the file dialog (whose read-only box is also chx1).
    if (s_pThis->m_nAnswered++ == 0)
      ::SendDlgItemMessageW(hDialog, kToFileBox, BM_SETCHECK, BST_CHECKED, 0);
    else
      for (int nName : {kNameEdit, kNameCombo})  // the file dialog's name box, old or new style
        if (HWND hName = ::GetDlgItem(hDialog, nName)) ::SetWindowTextW(hName, s_pThis->m_strPath);
    ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDialog, IDOK)));
  }

  enum { kToFileBox = 0x410, kNameEdit = 0x480, kNameCombo = 0x47c };  // chx1, edt1, cmb13
  static CPrintDialogAnswers* s_pThis;
  CString m_strPath;
  HHOOK m_hHook = NULL;
  HWND m_hDialog = NULL;
  int m_nAnswered = 0;
};
CPrintDialogAnswers* CPrintDialogAnswers::s_pThis = nullptr;

// The grid job of the status scene: on the second page it photographs the status dialog.
class CSnapshotPrint : public CGfxListCtrlPrint {
 public:
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
    if (++m_nPages == 2) {
      const CString strCaption = L"Stampa di " + m_strTitle + L" in corso ..";
      if (HWND hStatus = ::FindWindowW(L"#32770", strCaption))
        m_status = tks::CaptureWindow(hStatus);
    }
    CGfxListCtrlPrint::OnPrint(pDC, pInfo);
  }
  int m_nPages = 0;
  tks::Capture m_status;
};

// The status dialog of a real print: a grid of 400 orders printed to the PostScript printer,
// the dialog captured from inside the print while page 2 prints.
class CPrintStatusScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    BuildOrderGrid(m_frame, m_list, 400);
    if (!tks::InstallTestPrinter()) return;
    AfxGetApp()->UpdatePrinterSelection(TRUE);
    const std::wstring strPath = tks::TempPath(L"tkw-gallery-print.ps");
    CSnapshotPrint job;
    job.m_pList = &m_list;
    job.m_pParent = &m_frame;
    job.m_strTitle = L"Orders";
    {
      CPrintDialogAnswers answers(strPath.c_str());
      job.OnFilePrint();
    }
    ::DeleteFileW(strPath.c_str());
    const tks::Capture& shot = job.m_status;
    if (shot.pixels.empty()) return;
    // The capture's rows are a top-down 32-bpp DIB as they stand.
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = shot.width;
    bmi.bmiHeader.biHeight = -shot.height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0));
    if (!pBits) return;
    memcpy(pBits, shot.pixels.data(), shot.pixels.size() * sizeof shot.pixels[0]);
    m_picture.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BITMAP,
                     CRect(CPoint((rc.Width() - shot.width) / 2, (rc.Height() - shot.height) / 2),
                           CSize(shot.width, shot.height)),
                     &m_frame, 101);
    m_picture.SendMessage(STM_SETIMAGE, IMAGE_BITMAP,
                          reinterpret_cast<LPARAM>(m_bitmap.GetSafeHandle()));
  }
  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  CBitmap m_bitmap;  // outlives the picture that shows it
  CSceneFrame m_frame;
  CGfxListCtrl m_list;
  CWnd m_picture;
};

// The grid's first page, printed into a metafile the size of an A4 sheet at screen resolution
// and shown at half size on white paper.
class CPrintPageScene : public CGalleryScene {
 public:
  ~CPrintPageScene() override {
    if (m_hPage) ::DeleteEnhMetaFile(m_hPage);
  }
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    BuildOrderGrid(m_frame, m_list, 120);
    m_hPage = PrintFirstPage();

    const CSize sheet(794 / 2, 1123 / 2);
    const CRect rcSheet(CPoint((rc.Width() - sheet.cx) / 2, (rc.Height() - sheet.cy) / 2), sheet);
    m_sheet.Create(L"STATIC", L"",
                   WS_CHILD | WS_VISIBLE | WS_BORDER | SS_ENHMETAFILE | SS_REALSIZECONTROL, rcSheet,
                   &m_frame, 101);
    m_sheet.SendMessage(STM_SETIMAGE, IMAGE_ENHMETAFILE, reinterpret_cast<LPARAM>(m_hPage));
  }
  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  HENHMETAFILE PrintFirstPage() {
    const RECT himetric = {0, 0, 21000, 29700};
    CDC dc;
    dc.Attach(::CreateEnhMetaFileW(NULL, NULL, &himetric, L"TKWUICore\0Orders\0"));
    dc.m_bPrinting = TRUE;
    CPrintInfo info;
    info.m_rectDraw.SetRect(0, 0, 794, 1123);
    info.m_nCurPage = 1;
    dc.FillSolidRect(&info.m_rectDraw, RGB(255, 255, 255));
    m_list.OnBeginPrinting(&dc, &info);
    m_list.OnPrint(&dc, &info);
    m_list.OnEndPrinting(&dc, &info);
    return ::CloseEnhMetaFile(dc.Detach());
  }

  CSceneFrame m_frame;
  CGfxListCtrl m_list;
  CWnd m_sheet;
  HENHMETAFILE m_hPage = NULL;
};

GallerySceneRegistration s_printStatus({L"grid-print-status", L"Print status", CSize(520, 280),
                                        [] { return std::make_unique<CPrintStatusScene>(); }});
GallerySceneRegistration s_printPage({L"grid-print-page", L"Printed page", CSize(440, 600),
                                      [] { return std::make_unique<CPrintPageScene>(); }});

}  // namespace
