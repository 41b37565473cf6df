// Printing grids to the PostScript test printer through the whole print loop: the print and
// file dialogs answered as a user would, the file read back as text, the status dialog
// watched from the page callback, and the loop's failures; one page recorded in a metafile.
#include "GridFixture.h"

#include "grid/editors/GfxListCtrlPrint.h"

#include "Leaks.h"
#include "Modal.h"
#include "Printer.h"

#include <map>

namespace grid {
namespace {

// Ticks "print to file", optionally picks a page range, and presses OK; then names the file.
void AnswerPrintToFile(const std::wstring& path, int from = 0, int to = 0) {
  tks::AnswerNextDialog([from, to](HWND d) {
    SendDlgItemMessageW(d, 0x410 /* chx1 */, BM_SETCHECK, BST_CHECKED, 0);
    if (from) {
      CheckRadioButton(d, 0x420, 0x422, 0x422 /* rad3: pages */);
      SetDlgItemInt(d, 0x480, UINT(from), FALSE);
      SetDlgItemInt(d, 0x481, UINT(to), FALSE);
    }
    tks::PressButton(d, IDOK);
  });
  tks::AnswerNextDialog([path](HWND d) {
    for (int id : {0x480, 0x47c})
      if (HWND box = GetDlgItem(d, id)) SetWindowTextW(box, path.c_str());
    tks::PressButton(d, IDOK);
  });
}

// A grid job that watches the loop from its page callback, and may change the page range
// or cancel.
struct WatchedJob : CGfxListCtrlPrint {
  bool OnPreparePrinting(CPrintInfo* pInfo, bool bAfterPreview) override {
    const bool ok = CGfxListCtrlPrint::OnPreparePrinting(pInfo, bAfterPreview);
    if (ok && forceFrom) {
      pInfo->m_pPD->m_pd.Flags |= PD_PAGENUMS;
      pInfo->m_pPD->m_pd.nFromPage = WORD(forceFrom);
      pInfo->m_pPD->m_pd.nToPage = WORD(forceTo);
    }
    return ok;
  }
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
    pages.push_back(int(pInfo->m_nCurPage));
    CString caption;
    caption.Format(L"Stampa di %s in corso ..", m_strTitle.GetString());
    HWND status = FindWindowW(L"#32770", caption);
    statusSeen = statusSeen || status != NULL;
    if (status) pageLines.push_back(tks::DialogItemText(status, 1039));
    mainDisabled = mainDisabled && AfxGetMainWnd() && !AfxGetMainWnd()->IsWindowEnabled();
    if (status && int(pages.size()) == cancelOnPage) tks::PressButton(status, IDCANCEL);
    CGfxListCtrlPrint::OnPrint(pDC, pInfo);
  }
  int forceFrom = 0, forceTo = 0, cancelOnPage = 0;
  std::vector<int> pages;
  std::vector<std::wstring> pageLines;
  bool statusSeen = false, mainDisabled = true;
};

class PrintTest : public GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    ASSERT_TRUE(tks::InstallTestPrinter());
    tks::FrameworkApp().UpdatePrinterSelection(TRUE);
    MakeList();
    owner_.namedCells = true;
    AfxGetApp()->m_pMainWnd = &owner_;
    // The status dialog stays up for the whole print, which may outlast the watchdog's ticks
    // on a busy machine: it is not a forgotten modal window.
    tks::EnableModalWatchdog(false);
  }
  void TearDown() override {
    AfxGetApp()->m_pMainWnd = NULL;
    tks::EnableModalWatchdog(true);
    GridFixture::TearDown();
  }
  // Prints through job and answers the dialogs; the PostScript file's text and page count.
  std::string Print(WatchedJob& job, int* pages, int from = 0, int to = 0) {
    job.m_pList = list_.get();
    job.m_strTitle = L"Orders";
    const std::wstring path = tks::TempPath(L"tkw-grid.ps");
    AnswerPrintToFile(path, from, to);
    job.OnFilePrint();
    return tks::PostScriptText(path, pages);
  }
  // Rows per page of the list as it last printed.
  int RowsPerPage(DWORD printFlag) {
    list_->SetPrintFlag(printFlag);
    AddRows(1);
    WatchedJob job;
    int pages = 0;
    Print(job, &pages);
    list_->DeleteAllItems();
    return list_->GetRowsPerPage();
  }
};

TEST_F(PrintTest, RowsThatFillOneOrTwoPagesPrintInOrderWithHeaderAndFooter) {
  const int perPage = RowsPerPage(0x04 | 0x08);
  ASSERT_GT(perPage, 5);
  EXPECT_LT(perPage, RowsPerPage(0)) << "a footer line costs rows";
  list_->SetPrintName(L"Quarterly orders");
  list_->SetPrintFlag(0x04 | 0x08);
  for (int fill : {1, 2}) {
    list_->DeleteAllItems();
    AddRows(perPage * fill);
    WatchedJob job;
    int pages = 0;
    const std::string text = Print(job, &pages);
    EXPECT_EQ(fill, pages) << text;
    EXPECT_NE(std::string::npos, text.find("Name")) << "header titles";
    EXPECT_NE(std::string::npos, text.find("Notes"));
    EXPECT_NE(std::string::npos, text.find("Quarterly orders")) << "footer name";
    const std::string last = std::to_string(perPage * fill) + ":0";
    const size_t first = text.find("1:0"), end = text.find(last);
    EXPECT_TRUE(first != std::string::npos && end != std::string::npos && first < end) << text;
    EXPECT_TRUE(job.statusSeen && job.mainDisabled) << "status up, main window off, while printing";
    EXPECT_TRUE(AfxGetMainWnd()->IsWindowEnabled()) << "and on again afterwards";
  }
}

TEST_F(PrintTest, PageRangesRunForwardsBackwardsAndStopWhenCancelled) {
  const int perPage = RowsPerPage(0);
  AddRows(perPage * 3);
  struct Case {
    int from, to, cancelOn;
    std::vector<int> pages;
    int printedPages;
  } cases[] = {
      {2, 3, 0, {2, 3}, 2},
      {3, 1, 0, {3, 2, 1}, 3},
      {1, 3, 2, {1, 2}, 0},  // cancelled: the document is aborted
  };
  for (const Case& c : cases) {
    WatchedJob job;
    job.forceFrom = c.from;
    job.forceTo = c.to;
    job.cancelOnPage = c.cancelOn;
    int pages = 0;
    const std::string text = Print(job, &pages);
    EXPECT_EQ(c.pages, job.pages) << c.from << ".." << c.to;
    EXPECT_EQ(c.printedPages, pages) << c.from << ".." << c.to;
    if (c.from == 3 && c.to == 1) {
      EXPECT_LT(text.find(std::to_string(2 * perPage + 1) + ":0"), text.find("1:0"));
    }
  }
}

// A job of many pages, each taking kPageMs, that reads the status dialog's page line on its
// first two pages and cancels on the second.
struct SlowPages : CGfxPrintJob {
  static const int kPageMs = 70;
  explicit SlowPages(int n) : nPages(n) { m_strTitle = L"Slow"; }
  bool OnPreparePrinting(CPrintInfo* pInfo, bool bAfterPreview) override {
    pInfo->SetMaxPage(UINT(nPages));
    return CGfxPrintJob::OnPreparePrinting(pInfo, bAfterPreview);
  }
  void OnPrint(CDC*, CPrintInfo*) override {
    HWND status = FindWindowW(L"#32770", L"Stampa di Slow in corso ..");
    lines.push_back(tks::DialogItemText(status, 1039));
    if (lines.size() == 2)
      tks::PressButton(status, IDCANCEL);
    else
      ::Sleep(kPageMs);  // the page's own cost, which the estimate extrapolates
  }
  int nPages;
  std::vector<std::wstring> lines;
};

TEST_F(PrintTest, StatusShowsPagesAndRemainingTime) {
  AddRows(3 * RowsPerPage(0));
  WatchedJob job;
  int pages = 0;
  Print(job, &pages);
  ASSERT_EQ(3u, job.pageLines.size());
  EXPECT_NE(std::wstring::npos, job.pageLines[0].find(L"1 of 3")) << job.pageLines[0];
  EXPECT_NE(std::wstring::npos, job.pageLines[0].find(L"??")) << "nothing known on page 1";

  // From page 2 on, the pages left times the time a page took so far.
  for (int nPages : {30, 1000}) {
    SlowPages slow(nPages);
    AnswerPrintToFile(tks::TempPath(L"tkw-slow.ps"));
    slow.OnFilePrint();
    ASSERT_EQ(2u, slow.lines.size());
    const std::wstring& line = slow.lines[1];
    const int atLeast = (nPages - 1) * SlowPages::kPageMs / 1000;
    int page = 0, of = 0, minutes = 0, seconds = 0;
    if (nPages > 60 * 1000 / SlowPages::kPageMs) {
      ASSERT_EQ(4, swscanf(line.c_str(), L"Page %d of %d - remaining time: %d minutes, %d seconds",
                           &page, &of, &minutes, &seconds))
          << line;
      EXPECT_GE(minutes * 60 + seconds, atLeast) << line;
      EXPECT_LT(seconds, 60) << line;
    } else {
      ASSERT_EQ(3,
                swscanf(line.c_str(), L"Page %d of %d - remaining time: %d", &page, &of, &seconds))
          << line;
      EXPECT_EQ(line.substr(line.size() - 8), L" seconds") << line;
      EXPECT_EQ(std::wstring::npos, line.find(L"minutes")) << line;
      EXPECT_GE(seconds, atLeast) << line;
    }
    EXPECT_EQ(2, page);
    EXPECT_EQ(nPages, of);
  }
}

// What a page recorded in a metafile holds: each text with the colour and font it was drawn
// in, the line segments, and the bitmaps stretched onto it.
struct DrawnText {
  COLORREF colour = RGB(0, 0, 0);
  LOGFONTW font = {};
};
struct DrawnImage {
  CRect rect;           // where it landed on the page
  CSize source;         // the bitmap's size
  COLORREF centre = 0;  // the bitmap's middle pixel
};
struct RecordedPage {
  std::map<std::wstring, DrawnText> texts;
  std::vector<DrawnImage> images;
  int lines = 0;
  DrawnText current;
  std::map<DWORD, LOGFONTW> fonts;  // by metafile object index
};

COLORREF CentrePixel(const EMRSTRETCHBLT* blt) {
  const BYTE* base = reinterpret_cast<const BYTE*>(blt);
  const auto* bmi = reinterpret_cast<const BITMAPINFOHEADER*>(base + blt->offBmiSrc);
  if (bmi->biBitCount < 24) return CLR_INVALID;
  const int stride = (bmi->biWidth * bmi->biBitCount + 31) / 32 * 4;
  const int height = bmi->biHeight < 0 ? -bmi->biHeight : bmi->biHeight;
  const BYTE* px =
      base + blt->offBitsSrc + (height / 2) * stride + (bmi->biWidth / 2) * (bmi->biBitCount / 8);
  return RGB(px[2], px[1], px[0]);
}

int CALLBACK RecordCall(HDC, HANDLETABLE*, const ENHMETARECORD* rec, int, LPARAM param) {
  auto* page = reinterpret_cast<RecordedPage*>(param);
  switch (rec->iType) {
    case EMR_LINETO: ++page->lines; break;
    case EMR_SETTEXTCOLOR:
      page->current.colour = reinterpret_cast<const EMRSETTEXTCOLOR*>(rec)->crColor;
      break;
    case EMR_EXTCREATEFONTINDIRECTW: {
      const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(rec);
      page->fonts[font->ihFont] = font->elfw.elfLogFont;
      break;
    }
    case EMR_SELECTOBJECT: {
      const auto it = page->fonts.find(reinterpret_cast<const EMRSELECTOBJECT*>(rec)->ihObject);
      if (it != page->fonts.end()) page->current.font = it->second;
      break;
    }
    case EMR_EXTTEXTOUTW: {
      const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(rec);
      const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(rec) +
                                                           text->emrtext.offString);
      if (text->emrtext.nChars)
        page->texts[std::wstring(chars, text->emrtext.nChars)] = page->current;
      break;
    }
    case EMR_STRETCHBLT: {
      const auto* blt = reinterpret_cast<const EMRSTRETCHBLT*>(rec);
      page->images.push_back(
          {CRect(CPoint(blt->xDest, blt->yDest), CSize(blt->cxDest, blt->cyDest)),
           CSize(blt->cxSrc, blt->cySrc), CentrePixel(blt)});
      break;
    }
  }
  return 1;
}

// The list's first page, set up, printed and ended into an A4 metafile.
RecordedPage RecordFirstPage(CGfxListCtrl& list) {
  RecordedPage page;
  const RECT himetric = {0, 0, 21000, 29700};
  CDC dc;
  dc.Attach(CreateEnhMetaFileW(NULL, NULL, &himetric, NULL));
  CPrintInfo info;
  info.m_rectDraw.SetRect(0, 0, 794, 1123);
  info.m_nCurPage = 1;
  list.OnBeginPrinting(&dc, &info);
  list.OnPrint(&dc, &info);
  list.OnEndPrinting(&dc, &info);
  HENHMETAFILE emf = CloseEnhMetaFile(dc.Detach());
  EnumEnhMetaFile(NULL, emf, RecordCall, &page, NULL);
  DeleteEnhMetaFile(emf);
  return page;
}

TEST_F(PrintTest, PageRecordsHeaderRowsAndFooterAndPrintingLeavesNoObjects) {
  AddRows(3);
  list_->SetPrintName(L"Quarterly orders");
  const COLORREF black = RGB(0, 0, 0), red = RGB(200, 0, 0);
  struct Case {
    DWORD flags;
    COLORREF cells;  // the owner answers red for every cell
  } cases[] = {{0x04 | 0x08, black}, {0x01 | 0x02 | 0x04 | 0x08, red}};
  owner_.answers[NTEX_ITEMINFO] = 1;
  owner_.answerFlags = LXHDREX_TEXTCOLOR | LXHDREX_BOLD;
  owner_.answerColor = red;
  for (const Case& c : cases) {
    list_->SetPrintFlag(c.flags);
    RecordedPage page;
    TKS_EXPECT_NO_GUI_LEAK(page = RecordFirstPage(*list_));
    const int columns = list_->GetColumnCount();
    EXPECT_EQ(4 * (columns + 1), page.lines) << "cell lines and a line under each of 3 rows";
    const std::pair<const wchar_t*, COLORREF> expected[] = {{L"Name", black},
                                                            {L"Notes", black},
                                                            {L"1:0", c.cells},
                                                            {L"3:0", c.cells},
                                                            {L"Quarterly orders", black},
                                                            {L"1", black}};
    for (const auto& e : expected) {
      const auto it = page.texts.find(e.first);
      ASSERT_NE(page.texts.end(), it) << "page lacks " << e.first;
      EXPECT_EQ(e.second, it->second.colour) << e.first << " flags " << c.flags;
    }
  }
  // The whole loop, status dialog included, after a first print has made what it caches.
  WatchedJob warm;
  int pages = 0;
  Print(warm, &pages);
  TKS_EXPECT_NO_GUI_LEAK({
    WatchedJob job;
    Print(job, &pages);
  });
  EXPECT_EQ(1, pages);
}

TEST_F(PrintTest, OwnerStylesChooseCellColourAndFontAsThePrintFlagsSay) {
  AddRows(2);
  const COLORREF black = RGB(0, 0, 0), red = RGB(200, 0, 0);
  CFont ownerFont;
  ownerFont.CreatePointFont(100, L"Courier New");
  LOGFONTW owner = {};
  ownerFont.GetLogFont(&owner);
  owner_.answers[NTEX_ITEMINFO] = 1;
  owner_.answerColor = red;
  owner_.onRequest = [&](LXHDREX* r) { r->hfText = ownerFont; };
  const DWORD B = LXHDREX_BOLD, I = LXHDREX_ITALIC, U = LXHDREX_UNDERLINE, F = LXHDREX_FONT,
              C = LXHDREX_TEXTCOLOR;
  struct Case {
    DWORD printFlags, ownerFlags;
    COLORREF colour;
    bool bold, italic, underline, ownerFace;
  } cases[] = {
      {0x00, B | C, black, false, false, false, false},  // neither flag: the owner is not heard
      {0x01, B | I | C, red, false, false, false, false},
      {0x02, B | I | U | C, black, true, false, false, false},  // bold before italic
      {0x02, I | U, black, false, true, false, false},          // italic before underline
      {0x02, U, black, false, false, true, false},
      {0x03, F | B | C, red, false, false, false, true},  // the owner's font wins
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "print flags " << c.printFlags << ", owner flags " << c.ownerFlags);
    list_->SetPrintFlag(c.printFlags);
    owner_.answerFlags = c.ownerFlags;
    const RecordedPage page = RecordFirstPage(*list_);
    const DrawnText& header = page.texts.at(L"Name");
    EXPECT_EQ(black, header.colour);
    EXPECT_EQ(FW_BOLD, header.font.lfWeight) << "the header line is bold whatever the owner says";
    for (const wchar_t* cell : {L"1:0", L"2:2"}) {
      const DrawnText& text = page.texts.at(cell);
      EXPECT_EQ(c.colour, text.colour) << cell;
      EXPECT_EQ(c.bold, text.font.lfWeight >= FW_BOLD) << cell;
      EXPECT_EQ(c.italic, text.font.lfItalic != 0) << cell;
      EXPECT_EQ(c.underline, text.font.lfUnderline != 0) << cell;
      EXPECT_EQ(c.ownerFace, std::wstring(text.font.lfFaceName) == L"Courier New") << cell;
      if (c.ownerFace) {
        EXPECT_EQ(owner.lfHeight * 8, text.font.lfHeight) << cell;
      }
    }
  }
  owner_.onRequest = nullptr;
}

TEST_F(PrintTest, ImageTitlesAndImageCellsPrintTheirImagesScaledIntoTheCell) {
  // Three 24 x 16 images: 0 red, 1 green, 2 blue (pixels as 0x00RRGGBB).
  CImageList images;
  ASSERT_TRUE(images.Create(24, 16, ILC_COLOR24, 3, 0));
  for (DWORD colour : {0xFF0000u, 0x00FF00u, 0x0000FFu}) {
    const std::vector<DWORD> pixels(24 * 16, colour);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(24, 16, 1, 32, pixels.data()));
    images.Add(&bitmap, static_cast<CBitmap*>(nullptr));
  }
  AddRows(2);
  LVCOLUMNW title = {};
  title.mask = LVCF_TEXT;
  title.pszText = const_cast<LPWSTR>(L"Notes_");
  list_->SetColumn(2, &title);
  list_->SetHeaderImageList(&images);
  list_->SetItemImageList(&images);
  list_->m_masks.dwImage = 1u << 1;  // the Size column holds image numbers
  owner_.texts[{1, 1}] = L"0";
  owner_.texts[{2, 1}] = L"1";

  const RecordedPage page = RecordFirstPage(*list_);
  EXPECT_EQ(0u, page.texts.count(L"Notes_")) << "an image title prints no text";
  EXPECT_EQ(1u, page.texts.count(L"Size")) << "a title without \"_\" stays text";
  ASSERT_EQ(3u, page.images.size()) << "the title's image and one image a row";
  // Page order: the title's image 2, then row 1's image 0 and row 2's image 1.
  const COLORREF expected[] = {RGB(0, 0, 255), RGB(255, 0, 0), RGB(0, 255, 0)};
  for (size_t i = 0; i < 3; ++i) {
    const DrawnImage& image = page.images[i];
    SCOPED_TRACE(testing::Message() << "image " << i);
    EXPECT_EQ(expected[i], image.centre);
    EXPECT_EQ(CSize(24, 16), image.source);
    EXPECT_NEAR(1.5, double(image.rect.Width()) / image.rect.Height(), 0.1) << "proportions kept";
    EXPECT_GT(image.rect.Height(), 8);
  }
  EXPECT_LE(page.images[0].rect.bottom, page.images[1].rect.top) << "title above the rows";
  EXPECT_LE(page.images[1].rect.bottom, page.images[2].rect.top);
  EXPECT_GT(page.images[0].rect.left, page.images[1].rect.right) << "Notes is right of Size";
  list_->SetHeaderImageList(nullptr);
  list_->SetItemImageList(nullptr);
}

// A job whose last page is never known prints only its first page.
struct UnknownLength : WatchedJob {
  void OnBeginPrinting(CDC*, CPrintInfo*) override {}
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
    pages.push_back(int(pInfo->m_nCurPage));
    pDC->TextOut(100, 100, L"only page", 9);
  }
};

// A printer whose driver refuses the document: a memory DC in place of the printer's, which
// StartDoc rejects as a real driver does.
struct RefusingPrinter : WatchedJob {
  bool OnPreparePrinting(CPrintInfo* pInfo, bool bAfterPreview) override {
    if (!WatchedJob::OnPreparePrinting(pInfo, bAfterPreview)) return false;
    HDC& hDC = pInfo->m_pPD->m_pd.hDC;
    ::DeleteDC(hDC);
    hDC = ::CreateCompatibleDC(NULL);
    return true;
  }
  // The answer is armed only now: an answer armed earlier would be taken by the status dialog.
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override {
    ended = true;
    tks::AnswerNextMessageBox([this](const std::wstring&, const std::wstring& text) {
      message = text;
      return IDOK;
    });
    WatchedJob::OnEndPrinting(pDC, pInfo);
  }
  bool ended = false;
  std::wstring message;
};

TEST_F(PrintTest, BadInputPrintsNothingOrReportsWithoutCrashing) {
  {
    WatchedJob empty;  // no rows: no dialog at all
    empty.m_pList = list_.get();
    empty.OnFilePrint();
    EXPECT_TRUE(empty.pages.empty());
  }
  AddRows(2);
  {
    auto refuse = [this](RefusingPrinter& job) {
      job.m_pList = list_.get();
      job.m_strTitle = L"Orders";
      AnswerPrintToFile(tks::TempPath(L"tkw-refused.ps"));
      job.OnFilePrint();
    };
    RefusingPrinter warm, job;  // the first makes what the message box caches
    refuse(warm);
    TKS_EXPECT_NO_GUI_LEAK(refuse(job));
    EXPECT_EQ(L"Failed to start printing.", job.message);
    EXPECT_TRUE(job.pages.empty());
    EXPECT_TRUE(job.ended) << "the job's end callback runs";
    EXPECT_EQ(NULL, FindWindowW(L"#32770", L"Stampa di Orders in corso ..")) << "status gone";
    EXPECT_TRUE(AfxGetMainWnd()->IsWindowEnabled());
    EXPECT_EQ(0, tks::PendingModalAnswers());
  }
  {
    UnknownLength job;
    int pages = 0;
    Print(job, &pages);
    EXPECT_EQ(std::vector<int>{1}, job.pages);
    EXPECT_EQ(1, pages);
  }
  {
    // Long titles, no column width and margins beyond the page still print one page.
    list_->SetColumnWidth(0, 0);
    list_->SetMargins(400, 400, 400, 400);
    list_->SetPrintName(CString(L'x', 1000));
    list_->SetPrintFlag(0x1C);
    WatchedJob job;
    job.m_strTitle = CString(L't', 1000);
    int pages = 0;
    Print(job, &pages);
    EXPECT_EQ(2, pages) << "no row fits: one row a page";
  }
}

}  // namespace
}  // namespace grid
