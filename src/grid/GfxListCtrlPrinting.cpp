// Printing a grid: the print command, page set-up and one page of the table.
#include "grid/GfxListCtrl.h"

#include "grid/editors/GfxListCtrlPrint.h"
#include "grid/editors/logic/PrintLayout.h"

#include <afxdlgs.h>

#include <vector>

namespace {

enum : DWORD {
  kPrintTextColour = 0x01,
  kPrintFontStyle = 0x02,
  kFooterName = 0x04,
  kFooterPage = 0x08,
  kFooterDate = 0x10,
  kAnyFooter = kFooterName | kFooterPage | kFooterDate,
};

UINT AlignmentOfFormat(int fmt) {
  switch (fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return DT_LEFT;
  }
}

const UINT kCellText = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

void Line(CDC* pDC, int x1, int y1, int x2, int y2) {
  pDC->MoveTo(x1, y1);
  pDC->LineTo(x2, y2);
}

// An image scaled into the cell with its proportions kept, centred, on white.
void DrawScaledImage(CDC* pDC, CImageList* pImages, int nImage, const CRect& cell) {
  IMAGEINFO info = {};
  if (!pImages || !pImages->GetSafeHandle() || nImage < 0 ||
      !ImageList_GetImageInfo(pImages->GetSafeHandle(), nImage, &info))
    return;
  const int cx = info.rcImage.right - info.rcImage.left,
            cy = info.rcImage.bottom - info.rcImage.top;
  if (cx <= 0 || cy <= 0 || cell.Width() <= 0 || cell.Height() <= 0) return;
  CDC mem;
  mem.CreateCompatibleDC(NULL);
  CBitmap bitmap;
  CDC screen;
  screen.Attach(::GetDC(NULL));
  bitmap.CreateCompatibleBitmap(&screen, cx, cy);
  ::ReleaseDC(NULL, screen.Detach());
  CBitmap* pOld = mem.SelectObject(&bitmap);
  mem.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
  ImageList_Draw(pImages->GetSafeHandle(), nImage, mem.GetSafeHdc(), 0, 0, ILD_TRANSPARENT);
  const double scale = std::min(double(cell.Width()) / cx, double(cell.Height()) / cy);
  const int w = int(cx * scale), h = int(cy * scale);
  pDC->FillSolidRect(&cell, RGB(255, 255, 255));
  pDC->StretchBlt(cell.left + (cell.Width() - w) / 2, cell.top + (cell.Height() - h) / 2, w, h,
                  &mem, 0, 0, cx, cy, SRCCOPY);
  mem.SelectObject(pOld);
}

}  // namespace

void CGfxListCtrl::OnPrint() {
  CGfxListCtrlPrint job;
  job.m_pList = this;
  job.m_pParent = GetParent();
  job.m_strTitle = m_print.strName;
  job.OnFilePrint();
}

void CGfxListCtrl::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  OnEndPrinting(pDC, pInfo);
  CRect page = pInfo ? pInfo->m_rectDraw
                     : CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
  const int dpiX = pDC->GetDeviceCaps(LOGPIXELSX), dpiY = pDC->GetDeviceCaps(LOGPIXELSY);
  page.left += tkw::print::MillimetresToDevice(m_print.rcMargins.left, dpiX);
  page.top += tkw::print::MillimetresToDevice(m_print.rcMargins.top, dpiY);
  page.right -= tkw::print::MillimetresToDevice(m_print.rcMargins.right, dpiX);
  page.bottom -= tkw::print::MillimetresToDevice(m_print.rcMargins.bottom, dpiY);
  m_print.rcPage = page;

  LOGFONTW lf = {};
  lf.lfHeight = -MulDiv(9, dpiY, 72);
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpyW(lf.lfFaceName, L"Arial");
  m_print.fontNormal.CreateFontIndirect(&lf);
  lf.lfWeight = FW_BOLD;
  m_print.fontBold.CreateFontIndirect(&lf);
  lf.lfWeight = FW_NORMAL;
  lf.lfItalic = TRUE;
  m_print.fontItalic.CreateFontIndirect(&lf);
  lf.lfItalic = FALSE;
  lf.lfUnderline = TRUE;
  m_print.fontUnderline.CreateFontIndirect(&lf);

  CFont* pOld = pDC->SelectObject(&m_print.fontNormal);
  m_print.nRowHeight = pDC->GetTextExtent(L"XX", 2).cy;
  pDC->SelectObject(&m_print.fontBold);
  m_print.nHeaderHeight = pDC->GetTextExtent(L"XX", 2).cy;
  pDC->SelectObject(pOld);
  m_print.nRowsPerPage = tkw::print::RowsPerPage(
      page.Height(), m_print.nHeaderHeight, m_print.nRowHeight, (m_print.dwFlag & kAnyFooter) != 0);
  if (pInfo) {
    pInfo->SetMinPage(1);
    pInfo->SetMaxPage(UINT(tkw::print::PageCount(GetItemCount(), m_print.nRowsPerPage)));
  }
}

void CGfxListCtrl::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  if (!pInfo || !m_print.fontNormal.GetSafeHandle()) return;
  const CRect page = m_print.rcPage;
  const int nRows = GetItemCount();
  const tkw::print::RowSpan rows =
      tkw::print::RowsOfPage(int(pInfo->m_nCurPage), m_print.nRowsPerPage, nRows);

  // The columns are read once a page, not once a cell: the owner's text callback may ask for
  // column ids too, and each reading is a round of list view messages.
  CKeepColumns keepColumns(*this);
  const int nColumns = GetColumnCount();
  std::vector<int> widths, formats, subItems;
  std::vector<bool> imageColumns;
  std::vector<CString> titles;
  for (int i = 0; i < nColumns; ++i) {
    wchar_t title[129] = {};
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH | LVCF_FMT | LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = 129;
    GetColumn(i, &column);
    widths.push_back(column.cx);
    formats.push_back(column.fmt);
    titles.push_back(title);
    subItems.push_back(GetColumnIndex(i));
    imageColumns.push_back((m_qwFlag & GFXLF_IMAGECOLUMNS) && IsImageCol(subItems.back()));
  }
  const std::vector<int> edges = tkw::print::ScaleColumns(widths, page.Width());

  const int nSaved = pDC->SaveDC();
  pDC->SetBkMode(TRANSPARENT);
  CFont* pOldFont = pDC->SelectObject(&m_print.fontNormal);
  const int nInset = pDC->GetTextExtent(L"X", 1).cx;
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  pDC->SelectObject(&pen);

  // The header line, in the bold font; a title ending in "_" is the header image list's
  // image for that column.
  int y = page.top;
  pDC->SelectObject(&m_print.fontBold);
  CImageList* pHeaderImages = m_wndHeader.m_pImageList;
  for (int i = 0; i < nColumns; ++i) {
    CRect cell(page.left + edges[size_t(i)], y, page.left + edges[size_t(i) + 1],
               y + m_print.nHeaderHeight);
    if (pHeaderImages && titles[size_t(i)].Right(1) == L"_") {
      DrawScaledImage(pDC, pHeaderImages, i, cell);
    } else {
      CRect text = cell;
      text.DeflateRect(nInset, 0);
      pDC->DrawText(titles[size_t(i)], &text, AlignmentOfFormat(formats[size_t(i)]) | kCellText);
    }
    Line(pDC, cell.right - 1, cell.top, cell.right - 1, cell.bottom);
  }
  y += m_print.nHeaderHeight;
  Line(pDC, page.left, y, page.right, y);

  // The rows, asking the owner for each cell's style as on screen. Font and colour are set
  // only when they change: each setting is a record in the printer's spool.
  const DWORD dwPrintFlag = m_print.dwFlag;
  pDC->SelectObject(&m_print.fontNormal);
  pDC->SetTextColor(RGB(0, 0, 0));
  CFont* pCurrentFont = &m_print.fontNormal;
  COLORREF crCurrent = RGB(0, 0, 0);
  for (int nItem = rows.first; nItem < rows.last; ++nItem) {
    const DWORD_PTR dwData = GetItemData(nItem);
    for (int i = 0; i < nColumns; ++i) {
      CRect cell(page.left + edges[size_t(i)], y, page.left + edges[size_t(i) + 1],
                 y + m_print.nRowHeight);
      CString strText;
      GetItemTextEx(nItem, i, strText, &dwData);
      CFont* pFont = &m_print.fontNormal;
      COLORREF crText = RGB(0, 0, 0);
      CFont ownerFont;
      if (dwPrintFlag & (kPrintTextColour | kPrintFontStyle)) {
        LXHDREX request;
        request.iNotifyCode = NTEX_ITEMINFO;
        request.iListId = GetListId();
        request.iItem = nItem;
        request.iSubItem = subItems[size_t(i)];
        request.dwItemData = dwData;
        request.dwFlag = 0;
        if (SendInfoExMsg(&request)) {
          const DWORD f = request.dwFlag;
          if (dwPrintFlag & kPrintFontStyle) {
            LOGFONTW lf = {};
            if ((f & LXHDREX_FONT) && request.hfText &&
                ::GetObjectW(request.hfText, sizeof lf, &lf)) {
              // The owner's screen font, grown to the printer's resolution.
              lf.lfHeight *= 8;
              ownerFont.CreateFontIndirect(&lf);
              pFont = &ownerFont;
            } else if (f & LXHDREX_BOLD) {
              pFont = &m_print.fontBold;
            } else if (f & LXHDREX_ITALIC) {
              pFont = &m_print.fontItalic;
            } else if (f & LXHDREX_UNDERLINE) {
              pFont = &m_print.fontUnderline;
            }
          }
          if ((dwPrintFlag & kPrintTextColour) && (f & LXHDREX_TEXTCOLOR)) crText = request.crText;
        }
      }
      if (pFont != pCurrentFont) pDC->SelectObject(pFont);
      pCurrentFont = pFont;
      if (crText != crCurrent) pDC->SetTextColor(crText);
      crCurrent = crText;
      if (imageColumns[size_t(i)]) {
        DrawScaledImage(pDC, GetItemImageList(), int(wcstol(strText, NULL, 10)), cell);
      } else {
        CRect text = cell;
        text.DeflateRect(nInset, 0);
        pDC->DrawText(strText, &text, AlignmentOfFormat(formats[size_t(i)]) | kCellText);
      }
      if (pFont == &ownerFont) {
        pDC->SelectObject(&m_print.fontNormal);  // the owner's font dies with the cell
        pCurrentFont = &m_print.fontNormal;
      }
      Line(pDC, cell.right - 1, cell.top, cell.right - 1, cell.bottom);
    }
    y += m_print.nRowHeight;
    Line(pDC, page.left, y, page.right, y);
  }

  // The footer, in the line below the last row.
  if (dwPrintFlag & kAnyFooter) {
    pDC->SelectObject(&m_print.fontNormal);
    pDC->SetTextColor(RGB(0, 0, 0));
    CRect foot(page.left, y, page.right, y + m_print.nHeaderHeight);
    if (dwPrintFlag & kFooterName) pDC->DrawText(m_print.strName, &foot, DT_LEFT | kCellText);
    if (dwPrintFlag & kFooterPage) {
      CString strPage;
      strPage.Format(L"%d", int(pInfo->m_nCurPage));
      pDC->DrawText(strPage, &foot, DT_CENTER | kCellText);
    }
    if (dwPrintFlag & kFooterDate) {
      SYSTEMTIME now;
      ::GetLocalTime(&now);
      CString strDate;
      strDate.Format(L"%02d/%02d/%d", now.wDay, now.wMonth, now.wYear);
      pDC->DrawText(strDate, &foot, DT_RIGHT | kCellText);
    }
  }
  pDC->SelectObject(pOldFont);
  pDC->RestoreDC(nSaved);
}

void CGfxListCtrl::OnEndPrinting(CDC*, CPrintInfo*) {
  m_print.fontNormal.DeleteObject();
  m_print.fontBold.DeleteObject();
  m_print.fontItalic.DeleteObject();
  m_print.fontUnderline.DeleteObject();
}
