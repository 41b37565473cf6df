// Scenes of property sheets and wizards: the framework's sheet in Wizard97 mode (the interior
// page of a new-job wizard with its header texts and bitmap); the library's sheet with its
// buttons re-packed after hiding Apply; its wizard on an exterior page with the watermark and an
// interior page with the header; and the file page with its recent list.
#include "Gallery.h"

#include "wizard/FileWizardPage.h"
#include "wizard/TKWPropertyPage.h"
#include "wizard/TKWPropertySheet.h"

#include <afxdlgs.h>
#include <afxdtctl.h>
#include <qxres_ids.h>

#include <vector>

namespace {

// A page template in memory (DLGTEMPLATE with DS_SETFONT), as the pages take it through
// PSP_DLGINDIRECT.
class PageTemplate {
 public:
  PageTemplate(short cx, short cy) {
    Dword(WS_CHILD | DS_SETFONT | DS_CONTROL);
    Dword(0);
    Word(0);  // item count, raised by Add
    Word(0);
    Word(0);
    Word(WORD(cx));
    Word(WORD(cy));
    Word(0);  // no menu
    Word(0);  // default class
    Word(0);  // no caption
    Word(8);
    String(L"MS Shell Dlg");
  }
  // Predefined classes by atom: 0x80 button, 0x81 edit, 0x82 static; or a class name.
  PageTemplate& Add(WORD id, const wchar_t* cls, WORD atom, DWORD style, short x, short y, short cx,
                    short cy, const wchar_t* text) {
    if (m_words.size() % 2) m_words.push_back(0);  // items are DWORD aligned
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(atom == 0x81 || cls ? WS_EX_CLIENTEDGE : 0);  // sunken edit fields
    for (short v : {x, y, cx, cy}) Word(WORD(v));
    Word(id);
    if (cls) {
      String(cls);
    } else {
      Word(0xFFFF);
      Word(atom);
    }
    String(text);
    Word(0);  // no creation data
    ++m_words[4];
    return *this;
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

 private:
  void Word(WORD w) { m_words.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void String(const wchar_t* s) {
    do Word(WORD(*s));
    while (*s++);
  }
  std::vector<WORD> m_words;
};

// A top-down 32-bit bitmap painted by fill(x, y) -> colour.
template <class Fill>
HBITMAP PaintBitmap(int cx, int cy, Fill fill) {
  BITMAPINFO bi = {};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* pBits = nullptr;
  HBITMAP hbm = ::CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, &pBits, NULL, 0);
  if (!hbm) return NULL;
  auto* px = static_cast<DWORD*>(pBits);
  for (int y = 0; y < cy; ++y)
    for (int x = 0; x < cx; ++x) {
      const COLORREF c = fill(x, y);
      px[y * cx + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  return hbm;
}

// The header picture: three rising bars on a blue disc, the tool's load-test motif.
COLORREF HeaderPixel(int x, int y) {
  const int dx = x - 24, dy = y - 24;
  if (dx * dx + dy * dy > 22 * 22) return RGB(255, 255, 255);
  const int bar = (x - 10) / 10, inBar = (x - 10) % 10;
  if (bar >= 0 && bar < 3 && inBar < 7 && y > 36 - (bar + 1) * 8 && y < 38)
    return RGB(255, 200, 60);
  return RGB(40, 90 + y, 170 + y);
}

COLORREF WatermarkPixel(int x, int y) {
  return RGB(30 + x / 4, 70 + y / 5, 150 + y / 4);
}

class CWizardScene : public CGalleryScene {
 public:
  CWizardScene()
      : m_intro(PageTemplate(317, 193)
                    .Add(10, nullptr, 0x82, SS_LEFT, 115, 8, 190, 24,
                         L"Welcome to the New Load Test Wizard")
                    .Add(11, nullptr, 0x82, SS_LEFT, 115, 40, 190, 40,
                         L"This wizard creates a job that runs your transactions against a "
                         L"server and records the results.")),
        m_job(PageTemplate(317, 143)
                  .Add(20, nullptr, 0x82, SS_LEFT, 21, 4, 60, 10, L"&Job name:")
                  .Add(21, nullptr, 0x81, WS_TABSTOP | ES_AUTOHSCROLL, 90, 2, 180, 14, L"")
                  .Add(22, nullptr, 0x82, SS_LEFT, 21, 26, 60, 10, L"&Start on:")
                  .Add(23, L"SysDateTimePick32", 0, WS_TABSTOP | DTS_SHORTDATEFORMAT, 90, 24, 100,
                       14, L"")
                  .Add(24, nullptr, 0x82, SS_LEFT, 21, 48, 60, 10, L"&Virtual users:")
                  .Add(25, nullptr, 0x81, WS_TABSTOP | ES_NUMBER, 90, 46, 40, 14, L"")
                  .Add(26, nullptr, 0x80, BS_AUTOCHECKBOX | WS_TABSTOP, 90, 68, 180, 12,
                       L"&Stop the run on the first error")
                  .Add(27, nullptr, 0x80, BS_GROUPBOX, 21, 88, 250, 40, L"Results")
                  .Add(28, nullptr, 0x82, SS_LEFT, 30, 102, 230, 20,
                       L"Results go to the project's result folder under the job's name.")) {}

  ~CWizardScene() override {
    if (m_sheet.m_hWnd) m_sheet.DestroyWindow();
    if (m_hbmHeader) ::DeleteObject(m_hbmHeader);
    if (m_hbmWatermark) ::DeleteObject(m_hbmWatermark);
  }

  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    m_hbmHeader = PaintBitmap(49, 49, HeaderPixel);
    m_hbmWatermark = PaintBitmap(164, 314, WatermarkPixel);
    m_sheet.Construct(L"New Load Test", nullptr, 1, m_hbmWatermark, nullptr, m_hbmHeader);

    m_introPage.m_psp.dwFlags |= PSP_DLGINDIRECT | PSP_HIDEHEADER;
    m_introPage.m_psp.pResource = m_intro.Get();
    m_jobPage.m_psp.dwFlags |= PSP_DLGINDIRECT;
    m_jobPage.m_psp.pResource = m_job.Get();
    m_jobPage.m_strHeaderTitle = L"Job settings";
    m_jobPage.m_strHeaderSubTitle = L"Name the job, choose when it starts and how many users run.";
    m_sheet.AddPage(&m_introPage);
    m_sheet.AddPage(&m_jobPage);
    m_sheet.Create(&m_frame, WS_CHILD | WS_VISIBLE | DS_CONTROL | WS_CLIPCHILDREN, 0);

    m_jobPage.SetDlgItemText(21, L"Checkout nightly");
    m_jobPage.SetDlgItemText(25, L"40");
    m_jobPage.CheckDlgButton(26, BST_CHECKED);
    m_startDate.SubclassDlgItem(23, &m_jobPage);
    const CTime start(2026, 12, 7, 22, 0, 0);
    m_startDate.SetTime(&start);
    m_startDate.SetFormat(L"yyyy'-'MM'-'dd");
    m_sheet.SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  }

  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  CSceneFrame m_frame;
  PageTemplate m_intro, m_job;
  CPropertySheet m_sheet;
  CPropertyPage m_introPage, m_jobPage;
  CDateTimeCtrl m_startDate;
  HBITMAP m_hbmHeader = NULL;
  HBITMAP m_hbmWatermark = NULL;
};

GallerySceneRegistration g_wizard({L"framework-wizard", L"Wizard97 property sheet", CSize(579, 361),
                                   [] { return std::make_unique<CWizardScene>(); }});

// The library's sheet as a child of the scene frame, with pages of the page base's template
// whose notes say what they hold.
class CLibrarySheetScene : public CGalleryScene {
 public:
  ~CLibrarySheetScene() override {
    if (m_sheet.m_hWnd) m_sheet.DestroyWindow();
    if (m_hbmHeader) ::DeleteObject(m_hbmHeader);
    if (m_hbmWatermark) ::DeleteObject(m_hbmWatermark);
  }
  CWnd* GetShotWindow() override { return &m_frame; }

 protected:
  void CreateSheet(CWnd* pParent, const CRect& rc) {
    m_frame.Create(pParent, rc);
    m_sheet.Create(&m_frame, WS_CHILD | WS_VISIBLE | DS_CONTROL | WS_CLIPCHILDREN, 0);
  }
  void Note(CPropertyPage& page, const wchar_t* text) {
    if (page.m_hWnd) page.SetDlgItemText(IDC_QX_PAGE_NOTE, text);
  }

  CSceneFrame m_frame;
  TKWPropertySheet m_sheet{L"Job Properties"};
  TKWPropertyPage m_pages[2];  // the page base's own template
  HBITMAP m_hbmHeader = NULL;
  HBITMAP m_hbmWatermark = NULL;
};

// Apply hidden: OK and Cancel move right into the places it leaves.
class CRepackedSheetScene : public CLibrarySheetScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_sheet.SetSheetButtons(TKWPropertySheet::sheetApply);
    m_sheet.SetupPropertyPage(&m_pages[0]);
    m_sheet.SetupPropertyPage(&m_pages[1]);
    m_pages[0].m_psp.pszTitle = L"General";
    m_pages[1].m_psp.pszTitle = L"Schedule";
    m_sheet.AddPage(&m_pages[0]);
    m_sheet.AddPage(&m_pages[1]);
    CreateSheet(pParent, rc);
    Note(m_pages[0], L"Apply is hidden: OK and Cancel take its place at the right.");
  }
};

// Wizard mode with a Wizard97 watermark and header; iPage picks the exterior (watermark) or
// the interior (header) page.
class CLibraryWizardScene : public CLibrarySheetScene {
 public:
  explicit CLibraryWizardScene(int iPage) : m_iPage(iPage) {}
  void Build(CWnd* pParent, const CRect& rc) override {
    m_hbmHeader = PaintBitmap(49, 49, HeaderPixel);
    m_hbmWatermark = PaintBitmap(164, 314, WatermarkPixel);
    m_sheet.SetWizardMode();
    m_sheet.m_psh.dwFlags |=
        PSH_WIZARD97 | PSH_WATERMARK | PSH_HEADER | PSH_USEHBMWATERMARK | PSH_USEHBMHEADER;
    m_sheet.m_psh.hbmWatermark = m_hbmWatermark;
    m_sheet.m_psh.hbmHeader = m_hbmHeader;
    m_sheet.m_psh.nStartPage = m_iPage;
    m_sheet.SetupExteriorPage(&m_pages[0]);
    m_sheet.SetupPropertyPage(&m_pages[1]);
    m_pages[1].m_strHeaderTitle = L"Transactions";
    m_pages[1].m_strHeaderSubTitle = L"Choose the transactions the virtual users run.";
    m_sheet.AddPage(&m_pages[0]);
    m_sheet.AddPage(&m_pages[1]);
    CreateSheet(pParent, rc);
    Note(m_pages[0], L"Welcome to the New Load Test Wizard.");
    // The exterior page's text stands right of the watermark (only a shown page has a window).
    if (CWnd* pNote = m_pages[0].GetSafeHwnd() ? m_pages[0].GetDlgItem(IDC_QX_PAGE_NOTE) : nullptr)
      pNote->SetWindowPos(nullptr, 180, 20, 300, 40, SWP_NOZORDER | SWP_NOACTIVATE);
    Note(m_pages[1], L"Pick one or more transactions of the project.");
    m_sheet.SetWizardButtons(m_iPage ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_NEXT);
  }

 private:
  int m_iPage;
};

// The file page with a recent list from the gallery's registry profile.
class CFilePageScene : public CLibrarySheetScene {
 public:
  CFilePageScene() {
    m_data.m_strHeaderTitle = L"Open An Existing Project";
    m_data.m_strHeaderSubTitle = L"Select the project to open.";
    m_data.m_strSection = L"Gallery Projects";
    m_data.m_bFinishPage = TRUE;
  }
  void Build(CWnd* pParent, const CRect& rc) override {
    const wchar_t* recent[] = {L"C:\\Projects\\Checkout\\nightly.vsp",
                               L"C:\\Projects\\Search\\peak hour.vsp",
                               L"D:\\Shared\\Billing\\month end.vsp"};
    for (int i = 0; i < 3; ++i) {
      CString name;
      name.Format(L"File%d", i + 1);
      AfxGetApp()->WriteProfileString(L"Gallery Projects\\Recent File List", name, recent[i]);
    }
    m_page = std::make_unique<CFileWizardPage>(&m_data, CFileWizardPage::IDD);
    m_sheet.SetWizardMode();
    m_sheet.m_psh.dwFlags |= PSH_WIZARD97 | PSH_HEADER | PSH_USEHBMHEADER;
    m_hbmHeader = PaintBitmap(49, 49, HeaderPixel);
    m_sheet.m_psh.hbmHeader = m_hbmHeader;
    m_sheet.SetupPropertyPage(m_page.get());
    m_sheet.AddPage(m_page.get());
    CreateSheet(pParent, rc);
    m_page->SetDlgItemText(IDC_QX_FILE_PATH, recent[0]);
  }
  ~CFilePageScene() override {
    if (m_sheet.m_hWnd) m_sheet.DestroyWindow();
  }

 private:
  CFilePageData m_data;
  std::unique_ptr<CFileWizardPage> m_page;
};

GallerySceneRegistration g_repacked({L"wizard-sheet-repacked", L"Sheet with Apply hidden",
                                     CSize(490, 312),
                                     [] { return std::make_unique<CRepackedSheetScene>(); }});
GallerySceneRegistration g_exterior({L"wizard-exterior-page", L"Wizard with watermark",
                                     CSize(505, 361),
                                     [] { return std::make_unique<CLibraryWizardScene>(0); }});
GallerySceneRegistration g_interior({L"wizard-interior-page", L"Wizard page with header",
                                     CSize(505, 361),
                                     [] { return std::make_unique<CLibraryWizardScene>(1); }});
GallerySceneRegistration g_filePage({L"wizard-file-page", L"File page with recent list",
                                     CSize(579, 361),
                                     [] { return std::make_unique<CFilePageScene>(); }});

}  // namespace
