// Scenes of grid printing: the print status dialog in the middle of a job, and the first page
// of a printed grid, recorded in an enhanced metafile and shown on a sheet of paper.
#include "Gallery.h"

#include "grid/GfxColumnManager.h"
#include "grid/GfxListCtrl.h"
#include "grid/editors/GfxPrintJob.h"

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

// The status dialog as the print loop leaves it while page 2 of 5 prints.
class CPrintStatusScene : public CGalleryScene {
 public:
  CPrintStatusScene() : m_status(nullptr) {}
  ~CPrintStatusScene() override {
    if (m_status.GetSafeHwnd()) m_status.DestroyWindow();
  }
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    m_status.Create();
    m_status.SetWindowText(L"Stampa di Orders in corso ..");
    CString strFormat, strText;
    m_status.GetDlgItemText(IDC_QX_PRINT_PRINTER, strFormat);
    strText.Format(strFormat, L"Orders", L"Office PostScript", L"FILE:");
    m_status.SetDlgItemText(IDC_QX_PRINT_PRINTER, strText);
    m_status.GetDlgItemText(IDC_QX_PRINT_PAGE, strFormat);
    strText.Format(strFormat, 2, 5, L"36 seconds");
    m_status.SetDlgItemText(IDC_QX_PRINT_PAGE, strText);
    m_status.SetDlgItemText(IDC_QX_PRINT_PERCENT, L"40 %");
    m_status.m_wndProgress.SendMessage(PBM_SETRANGE32, 0, 5);
    m_status.m_wndProgress.SendMessage(PBM_SETPOS, 2);
    // A still frame of the clip rather than wherever its timer stands.
    m_status.m_wndAnimation.SendMessage(ACM_PLAY, 1, MAKELPARAM(3, 3));
    CPoint at(12, 12);
    m_frame.ClientToScreen(&at);
    m_status.SetWindowPos(NULL, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_status.ShowWindow(SW_SHOWNA);
  }
  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {&m_status}; }

 private:
  CSceneFrame m_frame;
  CGfxPrintStatus m_status;
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
    BuildGrid();
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
  void BuildGrid() {
    // Never shown: the grid only lends its columns and rows to the page.
    m_list.Create(WS_CHILD | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 500, 300), &m_frame, 100);
    m_list.CreateColumnManager();
    CGfxColumnManager* pModel = m_list.GetColumnManager();
    pModel->DefineColumn(0, L"Order", nullptr, LVCFMT_LEFT, 70, GFXCOL_SORTABLE, -1, nullptr);
    pModel->DefineColumn(1, L"Customer", nullptr, LVCFMT_LEFT, 190, GFXCOL_SORTABLE, -1, nullptr);
    pModel->DefineColumn(2, L"State", nullptr, LVCFMT_CENTER, 90, GFXCOL_SORTABLE, -1, nullptr);
    pModel->DefineColumn(3, L"Amount", nullptr, LVCFMT_RIGHT, 100, GFXCOL_NUMERIC, -1, nullptr);
    const int shown[] = {0, 1, 2, 3};
    pModel->DefineDefaultColumns(4, shown);
    m_list.OnInit();
    m_list.SetupColumnData();
    m_frame.SetRowTextSource([this](DWORD_PTR dwData, int nColumn) {
      return OrderText(dwData, m_list.GetColumnIndex(nColumn));
    });
    m_list.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&CSceneFrame::OnGridText));
    for (int i = 0; i < 120; ++i)
      m_list.InsertItemEx(m_list.GetItemCount(), static_cast<DWORD_PTR>(i + 1));
    m_list.SetPrintName(L"Orders of the quarter");
    m_list.SetPrintFlag(0x04 | 0x08);  // footer: name and page number
  }

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
