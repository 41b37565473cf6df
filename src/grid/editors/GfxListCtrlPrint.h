// CGfxListCtrlPrint: the print job of a grid; the pages are laid out by the grid itself.
#pragma once
#include "grid/editors/GfxPrintJob.h"

#include <vector>

class CGfxListCtrl;

class TKWUI_API CGfxListCtrlPrint : public CGfxPrintJob {
 public:
  CGfxListCtrlPrint();
  ~CGfxListCtrlPrint() override;

  // Fails without a list, rows or columns; records the header's columns, then asks the user.
  bool OnPreparePrinting(CPrintInfo* pInfo, bool bAfterPreview = false) override;
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
  void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

  // Drawing pieces for jobs that lay out their own pages.
  void SubtractMargin(CDC* pDC, CRect& rect);  // the four margins, millimetres
  int PrintListHead(CDC* pDC, CRect& rect, bool bCalcOnly);
  int PrintListFoot(CDC* pDC, CRect& rect, bool bCalcOnly);
  int PrintPageHead(CDC* pDC, CRect& rect, int nPage, int nPages, bool bCalcOnly);
  int PrintPageFoot(CDC* pDC, CRect& rect, bool bCalcOnly);

  int m_nMarginLeft = 10, m_nMarginTop = 10, m_nMarginRight = 10, m_nMarginBottom = 10;
  CFont m_fontHead, m_fontList, m_fontFoot;  // made on first use for the printer
  int m_nHeights[6] = {};                    // header line, row, page head, page foot...
  std::vector<int> m_columnEdges;            // count + 1 edges, screen units
  std::vector<int> m_columnFormats;
  std::vector<CString> m_columnTitles;
  BOOL m_bFrame = TRUE;
  int m_nColumns = 0;
  int m_nRows = 0;
  CGfxListCtrl* m_pList = NULL;
  CString m_strPageHead, m_strPageFoot, m_strPageNumber{L"%d / %d"};
  CString m_strFaceHead{L"Arial"}, m_strFaceList{L"Times New Roman"}, m_strFaceFoot{L"Arial"};
  int m_nSizeHead = 12, m_nSizeList = 6, m_nSizeFoot = 8;
  int m_nReserved[2] = {};

 private:
  CFont& FontFor(CDC* pDC, CFont& font, const CString& face, int nPoints, int nWeight);
};
