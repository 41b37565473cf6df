// The grid's print job: checks and records the grid, then lets the grid print its pages.
#include "grid/editors/GfxListCtrlPrint.h"

#include "grid/GfxListCtrl.h"
#include "grid/editors/logic/PrintLayout.h"

#include <algorithm>

CGfxListCtrlPrint::CGfxListCtrlPrint() {}
CGfxListCtrlPrint::~CGfxListCtrlPrint() {}

bool CGfxListCtrlPrint::OnPreparePrinting(CPrintInfo* pInfo, bool bAfterPreview) {
  pInfo->SetMinPage(1);
  if (!m_pList || !::IsWindow(m_pList->GetSafeHwnd())) return false;
  m_nRows = m_pList->GetItemCount();
  m_nColumns = m_pList->GetColumnCount();
  if (m_nRows <= 0 || m_nColumns <= 0) return false;
  m_columnEdges.assign(1, 0);
  m_columnFormats.clear();
  m_columnTitles.clear();
  for (int i = 0; i < m_nColumns; ++i) {
    wchar_t title[129] = {};
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH | LVCF_FMT | LVCF_TEXT;
    column.pszText = title;
    column.cchTextMax = 129;  // titles are kept to 128 characters
    m_pList->GetColumn(i, &column);
    m_columnEdges.push_back(m_columnEdges.back() + column.cx);
    m_columnFormats.push_back(column.fmt);
    m_columnTitles.push_back(title);
  }
  return CGfxPrintJob::OnPreparePrinting(pInfo, bAfterPreview);
}

void CGfxListCtrlPrint::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  if (m_pList) m_pList->OnBeginPrinting(pDC, pInfo);
}
void CGfxListCtrlPrint::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
  if (m_pList) m_pList->OnPrint(pDC, pInfo);
}
void CGfxListCtrlPrint::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) {
  if (m_pList) m_pList->OnEndPrinting(pDC, pInfo);
}

void CGfxListCtrlPrint::SubtractMargin(CDC* pDC, CRect& rect) {
  const int dpiX = pDC->GetDeviceCaps(LOGPIXELSX), dpiY = pDC->GetDeviceCaps(LOGPIXELSY);
  rect.left += tkw::print::MillimetresToDevice(m_nMarginLeft, dpiX);
  rect.top += tkw::print::MillimetresToDevice(m_nMarginTop, dpiY);
  rect.right -= tkw::print::MillimetresToDevice(m_nMarginRight, dpiX);
  rect.bottom -= tkw::print::MillimetresToDevice(m_nMarginBottom, dpiY);
}

CFont& CGfxListCtrlPrint::FontFor(CDC* pDC, CFont& font, const CString& face, int nPoints,
                                  int nWeight) {
  if (!font.GetSafeHandle())
    font.CreateFont(-MulDiv(nPoints, pDC->GetDeviceCaps(LOGPIXELSY), 72), 0, 0, 0, nWeight, 0, 0, 0,
                    DEFAULT_CHARSET, 0, 0, 0, 0, face);
  return font;
}

int CGfxListCtrlPrint::PrintListHead(CDC* pDC, CRect& rect, bool bCalcOnly) {
  CFont* pOld = pDC->SelectObject(&FontFor(pDC, m_fontList, m_strFaceList, m_nSizeList, FW_BOLD));
  const int nHeight = pDC->GetTextExtent(L"XX", 2).cy * 3 / 2;
  if (!bCalcOnly && !m_columnTitles.empty()) {
    std::vector<int> screen;
    for (size_t i = 0; i + 1 < m_columnEdges.size(); ++i)
      screen.push_back(m_columnEdges[i + 1] - m_columnEdges[i]);
    const std::vector<int> edges = tkw::print::ScaleColumns(screen, rect.Width());
    CRect frame(rect.left, rect.top, rect.right, rect.top + nHeight);
    pDC->Rectangle(&frame);
    for (size_t i = 0; i < m_columnTitles.size(); ++i) {
      CRect cell(rect.left + edges[i], frame.top, rect.left + edges[i + 1], frame.bottom);
      const int fmt = m_columnFormats[i] & LVCFMT_JUSTIFYMASK;
      const UINT align = fmt == LVCFMT_RIGHT    ? DT_RIGHT
                         : fmt == LVCFMT_CENTER ? DT_CENTER
                                                : DT_LEFT;
      pDC->DrawText(m_columnTitles[i], &cell,
                    align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
  }
  pDC->SelectObject(pOld);
  m_nHeights[0] = nHeight;
  return nHeight;
}

int CGfxListCtrlPrint::PrintListFoot(CDC*, CRect&, bool) {
  return 0;
}

int CGfxListCtrlPrint::PrintPageHead(CDC* pDC, CRect& rect, int nPage, int nPages, bool bCalcOnly) {
  CFont* pOld = pDC->SelectObject(&FontFor(pDC, m_fontHead, m_strFaceHead, m_nSizeHead, FW_NORMAL));
  CString strNumber;
  strNumber.Format(m_strPageNumber, nPage, nPages);
  CRect text = rect;
  text.right -= pDC->GetTextExtent(strNumber).cx + pDC->GetTextExtent(L"X", 1).cx;
  const UINT flags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
  int nHeight = pDC->DrawText(m_strPageHead, &text, flags | DT_CALCRECT);
  nHeight = std::max<int>(nHeight, pDC->GetTextExtent(strNumber).cy);
  if (!bCalcOnly) {
    CRect number = rect;
    pDC->DrawText(strNumber, &number, DT_RIGHT | DT_SINGLELINE | DT_NOPREFIX);
    pDC->DrawText(m_strPageHead, &text, flags);
  }
  pDC->SelectObject(pOld);
  m_nHeights[2] = nHeight;
  return nHeight;
}

int CGfxListCtrlPrint::PrintPageFoot(CDC* pDC, CRect& rect, bool bCalcOnly) {
  CFont* pOld = pDC->SelectObject(&FontFor(pDC, m_fontFoot, m_strFaceFoot, m_nSizeFoot, FW_NORMAL));
  CRect text = rect;
  const int nHeight =
      pDC->DrawText(m_strPageFoot, &text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
  if (!bCalcOnly) {
    text = rect;
    text.top = rect.bottom - nHeight;
    pDC->DrawText(m_strPageFoot, &text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  }
  pDC->SelectObject(pOld);
  m_nHeights[3] = nHeight;
  return nHeight;
}
