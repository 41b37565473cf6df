// CGfxListCtrl: painting rows, category rows, the picture behind them, and short texts.
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {

const int kCellMargin = 6;     // text inset on both sides of a cell
const int kNoImageInset = 18;  // image cell without an image: text inset on both sides
const int kButtonLeft = 3;     // category button, from the row's left
const int kButtonSize = 12;
const int kCategoryTextLeft = 20;      // category label, from the row's left
const int kOpenCategoryLineLeft = 16;  // an open category's bottom line leaves the gutter free
const int kSmallIconWidth = 16;

const COLORREF kButtonLight = RGB(0xC0, 0xC0, 0xC0);
const COLORREF kButtonShadow = RGB(0x80, 0x80, 0x80);

// First tile position at or before nFrom for tiles of nSize starting at nOrigin.
int FirstTile(int nOrigin, int nFrom, int nSize) {
  int nOffset = (nFrom - nOrigin) % nSize;
  if (nOffset < 0) nOffset += nSize;
  return nFrom - nOffset;
}

// Calls draw(x, y) for every tile of a w x h picture laid from origin that meets rcArea.
template <class Draw>
void ForEachTile(const CRect& rcArea, CPoint origin, int w, int h, Draw draw) {
  if (w <= 0 || h <= 0 || rcArea.IsRectEmpty()) return;
  for (int y = FirstTile(origin.y, rcArea.top, h); y < rcArea.bottom; y += h)
    for (int x = FirstTile(origin.x, rcArea.left, w); x < rcArea.right; x += w) draw(x, y);
}

UINT AlignmentOf(const CGfxListCtrl& list, int nPosition) {
  LVCOLUMN column = {};
  column.mask = LVCF_FMT;
  const std::vector<CGfxListCtrl::CKeptColumn>* pKept = list.GetKeptColumns();
  if (pKept && nPosition >= 0 && nPosition < static_cast<int>(pKept->size()))
    column.fmt = (*pKept)[static_cast<size_t>(nPosition)].nFormat;
  else if (!list.GetColumn(nPosition, &column))
    return DT_LEFT;
  switch (column.fmt & LVCFMT_JUSTIFYMASK) {
    case LVCFMT_RIGHT: return DT_RIGHT;
    case LVCFMT_CENTER: return DT_CENTER;
    default: return DT_LEFT;
  }
}

void Line(CDC* pDC, int x1, int y1, int x2, int y2) {
  pDC->MoveTo(x1, y1);
  pDC->LineTo(x2, y2);
}

// The 8 x 8 checker the focus frame is painted with.
void CreateHalftoneBrush(CBrush& brush) {
  static const WORD kPattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
  CBitmap pattern;
  if (pattern.CreateBitmap(8, 8, 1, 1, kPattern)) brush.CreatePatternBrush(&pattern);
}

// One row being painted: its state, rectangles and colours, and the steps both row painters
// share. The device context's state is saved on construction and restored on destruction.
class CRowPainter {
 public:
  CRowPainter(CGfxListCtrl& list, LPDRAWITEMSTRUCT pDraw, bool bCategoryView)
      : m_list(list),
        m_pDC(CDC::FromHandle(pDraw->hDC)),
        m_nItem(static_cast<int>(pDraw->itemID)),
        m_nSavedDC(m_pDC->SaveDC()),
        m_nPreviewHeight(bCategoryView ? 0 : std::max(0, list.m_rows.nPreviewHeight)) {
    // The row's state and item data (one message for both: this runs for every row); the
    // selection shows only with the focus or when the style asks for it always.
    LVITEM item = {};
    item.mask = LVIF_STATE | LVIF_PARAM;
    item.iItem = m_nItem;
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_DROPHILITED | LVIS_OVERLAYMASK |
                     LVIS_STATEIMAGEMASK;
    if (list.GetItem(&item)) {
      m_nState = item.state & item.stateMask;
      m_dwData = static_cast<DWORD_PTR>(item.lParam);
    }
    const bool bHasFocus = list.HasFocusForPainting();
    const bool bShowAlways = (list.GetStyle() & LVS_SHOWSELALWAYS) != 0;
    m_bHighlighted =
        (m_nState & LVIS_DROPHILITED) || ((m_nState & LVIS_SELECTED) && (bHasFocus || bShowAlways));
    m_bFocused = (m_nState & LVIS_FOCUSED) != 0;

    // Step 2: bounds and label, without the auto-preview area.
    list.GetItemRect(m_nItem, &m_rcBounds, LVIR_BOUNDS);
    list.GetItemRect(m_nItem, &m_rcLabel, LVIR_LABEL);
    m_rcBounds.bottom -= m_nPreviewHeight;
    m_rcLabel.bottom -= m_nPreviewHeight;
    const int nClientWidth = ClientWidth();
    if ((list.GetFlag() & GFXLF_FULLROWHIGHLIGHT) && m_rcBounds.right < nClientWidth)
      m_rcBounds.right = nClientWidth;

    // Step 3: pen and the row's text colour.
    m_pDC->SelectObject(&list.m_tools.penLightGrid);
    m_crRowText = ::GetSysColor(m_bHighlighted ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT);
    m_pDC->SetTextColor(m_crRowText);
    m_pDC->SetBkMode(TRANSPARENT);
    m_pDC->SelectObject(&list.m_tools.fontNormal);

    // Step 5: how images of this row are blended.
    if (m_bHighlighted) {
      m_nImageStyle = ILD_NORMAL | ILD_BLEND50;
      m_crImageBlend = list.m_colours.crHighlight;
    } else if (m_nState & LVIS_CUT) {
      m_nImageStyle = ILD_NORMAL | ILD_BLEND50;
      m_crImageBlend = list.m_colours.crBackground;
    }
  }

  ~CRowPainter() { m_pDC->RestoreDC(m_nSavedDC); }

  CRowPainter(const CRowPainter&) = delete;
  CRowPainter& operator=(const CRowPainter&) = delete;

  int ClientWidth() const {
    if (m_list.m_rows.nClientWidth > 0) return m_list.m_rows.nClientWidth;
    CRect rcClient;
    m_list.GetClientRect(&rcClient);
    return rcClient.right;
  }

  // Step 4, the fill: highlight, or in mode 1 the text background (other modes keep the
  // picture behind plain rows visible).
  void FillRow() {
    if (m_bHighlighted) {
      m_pDC->FillSolidRect(&m_rcBounds, m_list.m_colours.crHighlight);
      m_pDC->SetBkColor(m_list.m_colours.crHighlight);
    } else if (m_list.m_background.nMode == 1) {
      m_pDC->FillSolidRect(&m_rcBounds, m_list.m_colours.crTextBk);
    }
  }

  // Step 6: the cells from column nFirst on; column 0 starts at the label's left.
  void DrawCells(int nFirst) {
    CRect rcClip;
    if (m_pDC->GetClipBox(&rcClip) == NULLREGION || rcClip.IsRectEmpty()) return;
    // While the list paints, its columns are read once for all rows (see OnPaint).
    const std::vector<CGfxListCtrl::CKeptColumn>* pKept = m_list.GetKeptColumns();
    const int nCount = m_list.GetColumnCount();
    int nLeft = m_rcBounds.left;
    for (int i = 0; i < nCount; ++i) {
      const int nWidth = pKept ? (*pKept)[static_cast<size_t>(i)].nWidth : m_list.GetColumnWidth(i);
      CRect rcCell(nLeft, m_rcBounds.top, nLeft + nWidth, m_rcBounds.bottom);
      nLeft += nWidth;
      if (i < nFirst) continue;
      if (rcCell.left > rcClip.right) break;
      if (rcCell.right <= rcClip.left) continue;
      if (i == 0)
        rcCell.left = std::min(rcCell.right, m_rcLabel.left + m_list.m_rows.nStateImageInset);
      DrawCell(i, rcCell);
    }
  }

  // Step 7: the auto-preview area under the row, drawn by the owner.
  void DrawPreview() {
    if (m_nPreviewHeight <= 0) return;
    CRect rcPreview(m_rcBounds.left, m_rcBounds.bottom, m_rcBounds.right,
                    m_rcBounds.bottom + m_nPreviewHeight);
    if (!m_list.m_background.bitmap.GetSafeHandle()) {
      m_pDC->SetTextColor(m_list.m_colours.crText);
      m_pDC->FillSolidRect(&rcPreview, m_list.m_colours.crTextBk);
    }
    m_pDC->SelectObject(&m_list.m_tools.fontNormal);
    LXHDREX_DIV request;
    FillRequest(request, NTEX_AUTOPREVIEW, 0);
    request.pDC = m_pDC;
    request.rcItem = rcPreview;
    m_list.SendInfoExMsg(&request);
    if (m_list.GetFlag() & GFXLF_PREVIEWLINE) {
      m_pDC->SelectObject(&m_list.m_tools.penLightGrid);
      Line(m_pDC, rcPreview.left, rcPreview.bottom - 1, rcPreview.right, rcPreview.bottom - 1);
    }
  }

  // Step 8: the owner's decoration, else the horizontal grid line.
  void DrawDecoration() {
    const ULONGLONG qwFlag = m_list.GetFlag();
    bool bLine = (qwFlag & GFXLF_HGRID) != 0;
    if (qwFlag & GFXLF_ROWDECORATION) {
      LXHDREX_DIV request;
      FillRequest(request, NTEX_DIVIDER, 0);
      request.pDC = m_pDC;
      request.rcItem = m_rcBounds;
      if (m_list.SendInfoExMsg(&request)) bLine = false;
    }
    if (bLine) {
      m_pDC->SelectObject(&m_list.m_tools.penLightGrid);
      Line(m_pDC, m_rcBounds.left, m_rcBounds.bottom - 1, m_rcBounds.right, m_rcBounds.bottom - 1);
    }
  }

  // Step 9: the focused row's halftone frame, one pixel short at the bottom.
  void DrawFocusFrame() {
    if (!m_bFocused) return;
    CBrush brush;
    CreateHalftoneBrush(brush);
    if (!brush.GetSafeHandle()) return;
    m_pDC->SetTextColor(RGB(0, 0, 0));
    m_pDC->SetBkColor(RGB(0xFF, 0xFF, 0xFF));
    CRect rcFrame = m_rcBounds;
    rcFrame.bottom -= 1;
    m_pDC->FrameRect(&rcFrame, &brush);
  }

  void FillRequest(LXHDREX& request, int nCode, int nSubItem) const {
    request.iNotifyCode = nCode;
    request.iListId = m_list.GetListId();
    request.iItem = m_nItem;
    request.iSubItem = nSubItem;
    request.dwItemData = m_dwData;
  }

  CGfxListCtrl& m_list;
  CDC* m_pDC;
  int m_nItem;
  int m_nSavedDC;
  int m_nPreviewHeight;
  UINT m_nState = 0;
  DWORD_PTR m_dwData = 0;
  bool m_bHighlighted = false;
  bool m_bFocused = false;
  CRect m_rcBounds;
  CRect m_rcLabel;
  COLORREF m_crRowText = 0;
  UINT m_nImageStyle = ILD_TRANSPARENT;
  COLORREF m_crImageBlend = CLR_NONE;

 private:
  // Selects without wrapping the previous object: cells select a font and a pen each.
  void Select(const CGdiObject& object) {
    ::SelectObject(m_pDC->GetSafeHdc(), object.GetSafeHandle());
  }

  void DrawCell(int nPosition, const CRect& rcCell) {
    CString strText;
    m_list.GetItemTextEx(m_nItem, nPosition, strText, &m_dwData);
    const ULONGLONG qwFlag = m_list.GetFlag();
    const bool bCursor =
        (qwFlag & GFXLF_CELLCURSOR) && m_bFocused && nPosition == m_list.GetFocusColumn();

    if (!strText.IsEmpty()) {
      const int nSubItem = m_list.GetColumnIndex(nPosition);
      const UINT nAlign = AlignmentOf(m_list, nPosition);
      CRect rcText = rcCell;
      rcText.DeflateRect(kCellMargin, 0);
      m_pDC->SetTextColor(bCursor ? ::GetSysColor(COLOR_BTNTEXT) : m_crRowText);
      Select(m_list.m_tools.fontNormal);
      if (qwFlag & GFXLF_CELLINFO) {
        LXHDREX request;
        FillRequest(request, NTEX_ITEMINFO, nSubItem);
        m_list.AskForInfo(&request, m_pDC);
      }
      if (bCursor) FillCellCursor(rcCell);

      if ((qwFlag & GFXLF_IMAGECOLUMNS) && m_list.IsImageCol(nSubItem))
        DrawImageCell(nPosition, strText, rcText, nAlign);
      else
        DrawCellText(strText, rcText, nAlign);
      m_pDC->SetTextColor(m_crRowText);
    } else if (bCursor) {
      FillCellCursor(rcCell);
    }

    if (qwFlag & GFXLF_VGRID) {
      Select(m_list.m_tools.penLightGrid);
      Line(m_pDC, rcCell.right - 1, rcCell.bottom, rcCell.right - 1, rcCell.top - 1);
    }
  }

  void FillCellCursor(const CRect& rcCell) {
    CRect rcCursor = rcCell;
    rcCursor.left -= 1;
    m_pDC->FillSolidRect(&rcCursor, m_list.m_colours.crTextBk);
  }

  void DrawCellText(const CString& strText, const CRect& rcText, UINT nAlign) {
    CRect rc = rcText;
    m_pDC->DrawText(strText, &rc,
                    nAlign | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }

  // An image column: the image from the callback, or else the index the text holds.
  void DrawImageCell(int nPosition, const CString& strText, CRect rcText, UINT nAlign) {
    int nImage = -1;
    m_list.GetImageCallback(m_nItem, nPosition, m_dwData, nImage);
    const bool bFromText = nImage == -1;
    if (bFromText) nImage = static_cast<int>(wcstol(strText, NULL, 10));
    CImageList* pImages = m_list.GetItemImageList();
    if (nImage == -2 || !pImages || !pImages->GetSafeHandle()) {
      rcText.DeflateRect(kNoImageInset, 0);
      DrawCellText(strText, rcText, nAlign);
      return;
    }
    int cx = 0, cy = 0;
    pImages->GetIconSize(&cx, &cy);
    if (rcText.Width() > 1)
      pImages->DrawEx(m_pDC, nImage, rcText.TopLeft(), CSize(cx, cy), m_list.m_colours.crBackground,
                      m_crImageBlend, m_nImageStyle);
    rcText.DeflateRect(cx + 2, 0);
    if (!bFromText) DrawCellText(strText, rcText, DT_LEFT);
  }
};

}  // namespace

// ---- rows

void CGfxListCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (!lpDrawItemStruct || !lpDrawItemStruct->hDC) return;
  if (m_pCategoryManager) {
    DrawItemCategory(lpDrawItemStruct);
    return;
  }
  const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
  if (nItem < 0 || nItem >= GetItemCount()) return;

  CRowPainter row(*this, lpDrawItemStruct, false);
  DrawWatermark(nItem, row.m_rcBounds, row.m_pDC);
  row.FillRow();
  row.DrawCells(0);
  row.DrawPreview();
  row.DrawDecoration();
  row.DrawFocusFrame();
}

void CGfxListCtrl::DrawItemCategory(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (!lpDrawItemStruct || !lpDrawItemStruct->hDC) return;
  if (!m_pCategoryManager) {
    DrawItem(lpDrawItemStruct);
    return;
  }
  const int nItem = static_cast<int>(lpDrawItemStruct->itemID);
  if (nItem < 0 || nItem >= GetItemCount()) return;

  CRowPainter row(*this, lpDrawItemStruct, true);
  CDC* pDC = row.m_pDC;
  const CRect& rc = row.m_rcBounds;
  const int nCategory = m_pCategoryManager->IsListItemACategory(row.m_dwData);
  if (const CGfxCategoryManager::CGfxCategory* pCategory =
          m_pCategoryManager->GetCategory(nCategory)) {
    pDC->FillSolidRect(&rc, row.m_bHighlighted ? m_colours.crHighlight : m_colours.crCategory);

    // The open/close button: a raised 12 x 12 square with a minus, or a plus when closed.
    CRect rcButton(CPoint(rc.left + kButtonLeft, rc.top + (rc.Height() - kButtonSize) / 2),
                   CSize(kButtonSize, kButtonSize));
    pDC->Draw3dRect(&rcButton, RGB(0xFF, 0xFF, 0xFF), RGB(0, 0, 0));
    rcButton.DeflateRect(1, 1);
    pDC->Draw3dRect(&rcButton, kButtonLight, kButtonShadow);
    rcButton.DeflateRect(1, 1);
    pDC->FillSolidRect(&rcButton, kButtonLight);
    const int nButtonTop = rcButton.top - 2;
    pDC->SelectStockObject(BLACK_PEN);
    Line(pDC, rc.left + 5, nButtonTop + 5, rc.left + 12, nButtonTop + 5);
    if (!pCategory->bOpen) Line(pDC, rc.left + 8, nButtonTop + 2, rc.left + 8, nButtonTop + 9);

    pDC->SelectObject(&m_tools.penDarkGrid);
    Line(pDC, pCategory->bOpen ? rc.left + kOpenCategoryLineLeft : rc.left, rc.bottom - 1, rc.right,
         rc.bottom - 1);

    CRect rcText(rc.left + kCategoryTextLeft, rc.top, rc.right, rc.bottom);
    pDC->DrawText(GetItemText(nItem, 0), &rcText,
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    return;
  }

  // An item row: the picture tiled from the first row, so that it scrolls with the rows.
  const bool bPicture = m_background.bitmap.GetSafeHandle() != NULL;
  CPoint tileOrigin(0, 0);
  CRect rcFirst;
  if (GetItemRect(0, &rcFirst, LVIR_BOUNDS)) tileOrigin = rcFirst.TopLeft();
  if (bPicture) {
    // Whole tiles are copied: the clip keeps them off the neighbouring rows.
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rc);
    CDC dcPicture;
    if (dcPicture.CreateCompatibleDC(pDC)) {
      CBitmap* pOld = dcPicture.SelectObject(&m_background.bitmap);
      ForEachTile(rc, tileOrigin, m_background.nWidth, m_background.nHeight, [&](int x, int y) {
        pDC->BitBlt(x, y, m_background.nWidth, m_background.nHeight, &dcPicture, 0, 0, SRCCOPY);
      });
      dcPicture.SelectObject(pOld);
    }
    pDC->RestoreDC(nSaved);
  }
  if (row.m_bHighlighted && m_background.bBlend && bPicture &&
      m_background.ilScratch.GetSafeHandle()) {
    // A blended selection: the same tiles again, tinted with the highlight colour.
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rc);
    const COLORREF crTint = ::GetSysColor(COLOR_HIGHLIGHT);
    ForEachTile(rc, tileOrigin, m_background.nWidth, m_background.nHeight, [&](int x, int y) {
      m_background.ilScratch.DrawEx(pDC, 0, CPoint(x, y),
                                    CSize(m_background.nWidth, m_background.nHeight), CLR_NONE,
                                    crTint, ILD_NORMAL | ILD_BLEND25);
    });
    pDC->RestoreDC(nSaved);
  } else if (row.m_bHighlighted) {
    pDC->FillSolidRect(&rc, m_colours.crHighlight);
  } else if (!bPicture) {
    pDC->FillSolidRect(&rc, m_colours.crTextBk);
  }

  // Column 0 is the gutter under the category buttons.
  const int nGutter = GetColumnCount() > 0 ? GetColumnWidth(0) : 0;
  if (nGutter > 0) {
    pDC->FillSolidRect(rc.left, rc.top, nGutter, rc.Height(), m_colours.crCategory);
    pDC->SelectObject(&m_tools.penDarkGrid);
    Line(pDC, rc.left + nGutter - 1, rc.top, rc.left + nGutter - 1, rc.bottom);
  }

  int xImage = rc.left;
  CImageList* pStateImages = GetImageList(LVSIL_STATE);
  const int nStateImage = static_cast<int>((row.m_nState & LVIS_STATEIMAGEMASK) >> 12);
  if (pStateImages && pStateImages->GetSafeHandle() && nStateImage > 0) {
    int cx = 0, cy = 0;
    pStateImages->GetIconSize(&cx, &cy);
    pStateImages->DrawEx(pDC, nStateImage - 1, CPoint(xImage, rc.top), CSize(cx, cy), CLR_NONE,
                         row.m_crImageBlend, row.m_nImageStyle);
    xImage += cx;
  }
  CImageList* pSmallImages = GetImageList(LVSIL_SMALL);
  if (pSmallImages && pSmallImages->GetSafeHandle()) {
    LVITEM item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = nItem;
    if (GetItem(&item) && item.iImage >= 0)
      pSmallImages->DrawEx(pDC, item.iImage, CPoint(xImage, rc.top),
                           CSize(kSmallIconWidth, rc.Height() - 1), CLR_NONE, row.m_crImageBlend,
                           row.m_nImageStyle);
  }

  row.DrawCells(1);
  row.DrawDecoration();
  row.DrawFocusFrame();
}

// ---- the background picture behind a row

void CGfxListCtrl::DrawWatermark(int nItem, CRect& rcRow, CDC* pDC) {
  if (!m_background.bitmap.GetSafeHandle() || !pDC || !::IsWindow(m_hWnd)) return;
  CRect rcClient;
  GetClientRect(&rcClient);
  CRect rcClip = rcRow;
  rcClip.bottom += m_rows.nPreviewHeight;
  rcClip.right = m_rows.nClientWidth > 0 ? m_rows.nClientWidth : rcClient.right;
  if (nItem == GetItemCount() - 1) rcClip.bottom = std::max(rcClip.bottom, rcClient.bottom);

  const int nSaved = pDC->SaveDC();
  pDC->IntersectClipRect(&rcClip);
  CDC dcPicture;
  if (dcPicture.CreateCompatibleDC(pDC)) {
    if ((pDC->GetDeviceCaps(RASTERCAPS) & RC_PALETTE) && m_background.palette.GetSafeHandle()) {
      pDC->SelectPalette(&m_background.palette, FALSE);
      pDC->RealizePalette();
      dcPicture.SelectPalette(&m_background.palette, FALSE);
    }
    CBitmap* pOld = dcPicture.SelectObject(&m_background.bitmap);
    const int w = m_background.nWidth, h = m_background.nHeight;
    switch (m_background.nMode) {
      case 2: {
        CPoint origin(0, 0);
        CRect rcFirst;
        if (GetItemRect(0, &rcFirst, LVIR_BOUNDS)) origin = rcFirst.TopLeft();
        ForEachTile(rcClip, origin, w, h,
                    [&](int x, int y) { pDC->BitBlt(x, y, w, h, &dcPicture, 0, 0, SRCCOPY); });
        break;
      }
      case 4:
        pDC->FillSolidRect(&rcClient, RGB(0xFF, 0xFF, 0xFF));
        pDC->BitBlt(std::max(0, (rcClient.Width() - w) / 2),
                    std::max(0, (rcClient.Height() - h) / 2), w, h, &dcPicture, 0, 0, SRCCOPY);
        break;
      default:
        pDC->SetStretchBltMode(COLORONCOLOR);
        pDC->StretchBlt(rcClient.left, rcClient.top, rcClient.Width(), rcClient.Height(),
                        &dcPicture, 0, 0, w, h, SRCCOPY);
        break;
    }
    dcPicture.SelectObject(pOld);
  }
  pDC->RestoreDC(nSaved);
}

// ---- short texts

LPCTSTR CGfxListCtrl::MakeShortString(CDC* pDC, LPCTSTR lpszText, int nColumnWidth, int nOffset) {
  static const TCHAR kDots[] = _T("...");
  if (!lpszText || !*lpszText || !pDC || !pDC->GetSafeHdc()) return lpszText;
  const int nLength = static_cast<int>(wcslen(lpszText));
  if (pDC->GetTextExtent(lpszText, nLength).cx + nOffset <= nColumnWidth) return lpszText;

  // The longest prefix (at least one character) that fits beside the dots; measured once
  // instead of cutting a character at a time, so that long texts stay cheap.
  const int nRoom = nColumnWidth - nOffset - pDC->GetTextExtent(kDots, 3).cx;
  int nFit = 0;
  if (nRoom > 0 && nLength > 1) {
    SIZE size = {};
    if (!::GetTextExtentExPoint(pDC->GetSafeHdc(), lpszText, nLength - 1, nRoom, &nFit, NULL,
                                &size))
      nFit = 0;
  }
  nFit = std::max(1, std::min(nFit, nLength - 1));
  CString strShort(lpszText, nFit);
  strShort += kDots;
  m_strShortString = strShort;
  return m_strShortString;
}

void CGfxListCtrl::MakeShortString(CDC* pDC, CString& strText, int nColumnWidth, int nOffset) {
  LPCTSTR lpszText = strText;
  LPCTSTR lpszShort = MakeShortString(pDC, lpszText, nColumnWidth, nOffset);
  if (lpszShort != lpszText) strText = CString(lpszShort);
}
