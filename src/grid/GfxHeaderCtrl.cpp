// CGfxHeaderCtrl: sort state, image headers and column dragging of the grid's header.
#include "grid/GfxHeaderCtrl.h"

#include "grid/GfxColumnManager.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(CGfxHeaderCtrl, CXTPHeaderCtrl)

BEGIN_MESSAGE_MAP(CGfxHeaderCtrl, CXTPHeaderCtrl)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_RBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_NCHITTEST, OnHitTest)
  ON_WM_SETCURSOR()
  ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

const COLORREF kMarkerColour = RGB(0xFF, 0x00, 0x00);  // 0x0000FF
const int kFrameThickness = 2;

// Width of the item at an index, 0 when there is none.
int ItemWidth(const CHeaderCtrl& header, int nIndex) {
  HDITEM item = {};
  item.mask = HDI_WIDTH;
  return header.GetItem(nIndex, &item) ? item.cxy : 0;
}

// A 2-pixel frame inverted onto the device context.
void InvertFrame(HDC hDC, const RECT& rc) {
  const int w = rc.right - rc.left;
  const int h = rc.bottom - rc.top;
  const int t = kFrameThickness;
  ::PatBlt(hDC, rc.left, rc.top, w, t, DSTINVERT);
  ::PatBlt(hDC, rc.left, rc.bottom - t, w, t, DSTINVERT);
  ::PatBlt(hDC, rc.left, rc.top + t, t, h - 2 * t, DSTINVERT);
  ::PatBlt(hDC, rc.right - t, rc.top + t, t, h - 2 * t, DSTINVERT);
}

}  // namespace

CGfxHeaderCtrl::CGfxHeaderCtrl()
    : m_dwSortDirections(0),
      m_dwNoArrowMask(0),
      m_dwFixedWidthMask(0),
      m_nSortCol(-1),
      m_bSortAsc(0),
      m_pImageList(NULL),
      m_bColumnDragEnabled(true),
      m_bDragPending(false),
      m_bDragging(false),
      m_pItemWidths(NULL),
      m_nItemCount(0),
      m_nDragSource(-1),
      m_nDropPosition(-1),
      m_rcMarker(0, 0, 0, 0),
      m_pfnDropCallback(NULL),
      m_rcDrag(0, 0, 0, 0),
      m_rcLastFrame(0, 0, 0, 0),
      m_bDividerAllowed(true) {
  SetTheme(xtpHeaderThemeOffice2003);
}

CGfxHeaderCtrl::~CGfxHeaderCtrl() {
  delete[] m_pItemWidths;
}

// ---- sort state

bool CGfxHeaderCtrl::GetSortOrder(int nPosition) const {
  return (m_dwSortDirections & CGfxColumnManager::GetColumnMask(nPosition)) != 0;
}

void CGfxHeaderCtrl::SetSortOrder(int nPosition, bool bAscending) {
  const DWORD bit = CGfxColumnManager::GetColumnMask(nPosition);
  if (bAscending)
    m_dwSortDirections |= bit;
  else
    m_dwSortDirections &= ~bit;
}

int CGfxHeaderCtrl::SetSortImage(int nPosition, int nAscending) {
  if (!::IsWindow(m_hWnd)) return m_nSortCol;

  const int nPrevious = m_nSortCol;
  m_nSortCol = nPosition;
  m_bSortAsc = nAscending;
  MakeOwnerDrawn(nPosition);
  Invalidate();
  SetSortOrder(nPosition, nAscending == 1);
  return nPrevious;
}

void CGfxHeaderCtrl::MakeOwnerDrawn(int nPosition) {
  HDITEM item = {};
  item.mask = HDI_FORMAT;
  if (::IsWindow(m_hWnd) && GetItem(nPosition, &item) && !(item.fmt & HDF_OWNERDRAW)) {
    item.fmt |= HDF_OWNERDRAW;
    SetItem(nPosition, &item);
  }
}

int CGfxHeaderCtrl::GetItemSubitem(int nPosition) const {
  // The list view keeps each column's subitem number; the header is the list's child.
  HWND hList = ::IsWindow(m_hWnd) ? ::GetParent(m_hWnd) : NULL;
  if (!hList || nPosition < 0) return -1;
  LVCOLUMNW column = {};
  column.mask = LVCF_SUBITEM;
  if (!::SendMessageW(hList, LVM_GETCOLUMNW, static_cast<WPARAM>(nPosition),
                      reinterpret_cast<LPARAM>(&column)))
    return -1;
  return column.iSubItem;
}

// ---- fixed widths

bool CGfxHeaderCtrl::IsDragAllowed(CPoint point) const {
  if (!m_dwFixedWidthMask || !::IsWindow(m_hWnd)) return true;
  const int nHalfCursor = ::GetSystemMetrics(SM_CXCURSOR) / 2;
  const int nCount = GetItemCount();
  int nRight = 0;
  for (int i = 0; i < nCount; ++i) {
    nRight += ItemWidth(*this, i);
    const DWORD bit = CGfxColumnManager::GetColumnMask(GetItemSubitem(i));
    if ((m_dwFixedWidthMask & bit) && point.x >= nRight - nHalfCursor &&
        point.x <= nRight + nHalfCursor)
      return false;
  }
  return true;
}

LRESULT CGfxHeaderCtrl::OnHitTest(WPARAM /*wParam*/, LPARAM lParam) {
  const LRESULT nResult = Default();
  CPoint point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
  ScreenToClient(&point);
  m_bDividerAllowed = IsDragAllowed(point);
  // The toolkit shows the arrow instead of its resize cursor while this is off.
  EnableResizeCursor(m_bDividerAllowed);
  return nResult;
}

BOOL CGfxHeaderCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  return CXTPHeaderCtrl::OnSetCursor(pWnd, nHitTest, message);
}

void CGfxHeaderCtrl::OnLButtonDblClk(UINT nFlags, CPoint point) {
  // A double click on a fixed divider would fit the column to its texts.
  if (!IsDragAllowed(point)) return;
  CXTPHeaderCtrl::OnLButtonDblClk(nFlags, point);
}

void CGfxHeaderCtrl::OnRButtonDown(UINT /*nFlags*/, CPoint /*point*/) {
  // Not passed on: the list's menu comes from the header's right-click notification.
}

// ---- drawing

void CGfxHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (!lpDrawItemStruct || !::IsWindow(m_hWnd)) return;
  HDC hDC = lpDrawItemStruct->hDC;
  const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
  CRect rcItem(lpDrawItemStruct->rcItem);
  const int nSaved = ::SaveDC(hDC);

  ::FillRect(hDC, &rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
  HFONT hFont = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
  if (hFont) ::SelectObject(hDC, hFont);
  SIZE szSpace = {0, 0};
  ::GetTextExtentPoint32W(hDC, L" ", 1, &szSpace);
  const int u = szSpace.cx > 0 ? szSpace.cx : 1;

  wchar_t szText[256] = {};
  HDITEM item = {};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_LPARAM;
  item.pszText = szText;
  item.cchTextMax = 255;
  GetItem(nIndex, &item);

  UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP | DT_END_ELLIPSIS;
  if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
    nFormat |= DT_CENTER;
  else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
    nFormat |= DT_RIGHT;
  if (lpDrawItemStruct->itemState & ODS_SELECTED) rcItem.OffsetRect(1, 2);

  const size_t nLength = wcslen(szText);
  if (m_pImageList && m_pImageList->GetSafeHandle() && nLength > 0 && szText[nLength - 1] == L'_') {
    // An image header: "%d_" names the image; it shows only when it fits the item.
    const int nImage = _wtoi(szText);
    IMAGEINFO info = {};
    if (nImage >= 0 && m_pImageList->GetImageInfo(nImage, &info)) {
      const int cx = info.rcImage.right - info.rcImage.left;
      const int cy = info.rcImage.bottom - info.rcImage.top;
      if (cx <= rcItem.Width())
        ::ImageList_Draw(m_pImageList->GetSafeHandle(), nImage, hDC,
                         rcItem.left + (rcItem.Width() - cx) / 2,
                         rcItem.top + (rcItem.Height() - cy) / 2, ILD_TRANSPARENT);
    }
  } else {
    CRect rcText(rcItem);
    if (nIndex == m_nSortCol) rcText.right -= 6 * u;  // room for the arrow
    rcText.DeflateRect(2 * u, 0);
    if (rcText.Width() > 0) {
      ::SetBkMode(hDC, TRANSPARENT);
      ::SetTextColor(hDC, ::GetSysColor(COLOR_BTNTEXT));
      ::DrawTextW(hDC, szText, -1, &rcText, nFormat);
    }
  }

  if (nIndex == m_nSortCol &&
      !(m_dwNoArrowMask & CGfxColumnManager::GetColumnMask(GetItemSubitem(nIndex)))) {
    // Apex 2u left of the right edge; base from 2.5u to 1.5u left of it.
    const int xApex = rcItem.right - 2 * u;
    const int xBaseLeft = rcItem.right - (5 * u) / 2;
    const int xBaseRight = rcItem.right - (3 * u) / 2;
    const int yTop = rcItem.top + u - 1;
    const int yBottom = rcItem.bottom - u;
    const int yApex = m_bSortAsc ? yTop : yBottom;
    const int yBase = m_bSortAsc ? yBottom : yTop;
    HPEN hShadow = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
    HPEN hLight = ::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    HGDIOBJ hOld = ::SelectObject(hDC, hShadow);
    ::MoveToEx(hDC, xApex, yApex, NULL);
    ::LineTo(hDC, xBaseLeft, yBase);
    ::LineTo(hDC, xBaseRight, yBase);
    ::SelectObject(hDC, hLight);
    ::LineTo(hDC, xApex, yApex);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hShadow);
    ::DeleteObject(hLight);
  }

  if (m_bDragging && nIndex == m_nDragSource) ::InvertRect(hDC, &lpDrawItemStruct->rcItem);
  ::RestoreDC(hDC, nSaved);
}

// ---- column dragging

void CGfxHeaderCtrl::DrawDragColumn(int nPosition) {
  // The frame stands for the whole column, so it is as high as the list it is drawn over.
  CRect rcClient(0, 0, 0, 0);
  if (::IsWindow(m_hWnd)) {
    CWnd* pList = GetParent();
    if (pList)
      pList->GetClientRect(&rcClient);
    else
      GetClientRect(&rcClient);
  }
  m_rcDrag.SetRect(0, 0, ItemWidth(*this, nPosition), rcClient.Height());
}

void CGfxHeaderCtrl::OnLButtonDown(UINT nFlags, CPoint point) {
  if (m_bColumnDragEnabled) {
    HDHITTESTINFO hit = {};
    hit.pt = point;
    HitTest(&hit);
    if (hit.iItem >= 0 && (hit.flags & HHT_ONHEADER)) {
      m_nDragSource = hit.iItem;
      m_bDragPending = true;
      Invalidate();
    }
  }
  CXTPHeaderCtrl::OnLButtonDown(nFlags, point);
}

void CGfxHeaderCtrl::StartDrag() {
  m_bDragging = true;
  SetCapture();
  delete[] m_pItemWidths;
  m_nItemCount = GetItemCount();
  m_pItemWidths = new int[m_nItemCount > 0 ? m_nItemCount : 1];
  for (int i = 0; i < m_nItemCount; ++i) {
    m_pItemWidths[i] = ItemWidth(*this, i);
    MakeOwnerDrawn(i);
  }
  m_nDropPosition = -1;
  m_rcMarker.SetRectEmpty();
  m_rcLastFrame.SetRectEmpty();
  DrawDragColumn(m_nDragSource);
  Invalidate();
}

void CGfxHeaderCtrl::DrawDropMarker(int nBoundary) {
  CRect rcClient;
  GetClientRect(&rcClient);
  const int nBottom = rcClient.bottom;
  // Tip 8 pixels above the bottom, a base 6 pixels wide on the last pixel row.
  const POINT triangle[3] = {
      {nBoundary, nBottom - 8}, {nBoundary - 3, nBottom - 1}, {nBoundary + 3, nBottom - 1}};
  m_rcMarker.SetRect(nBoundary - 4, nBottom - 9, nBoundary + 5, nBottom);
  HDC hDC = ::GetDC(m_hWnd);
  if (!hDC) return;
  HBRUSH hBrush = ::CreateSolidBrush(kMarkerColour);
  HPEN hPen = ::CreatePen(PS_SOLID, 1, kMarkerColour);
  HGDIOBJ hOldBrush = ::SelectObject(hDC, hBrush);
  HGDIOBJ hOldPen = ::SelectObject(hDC, hPen);
  ::Polygon(hDC, triangle, 3);
  ::SelectObject(hDC, hOldBrush);
  ::SelectObject(hDC, hOldPen);
  ::DeleteObject(hBrush);
  ::DeleteObject(hPen);
  ::ReleaseDC(m_hWnd, hDC);
}

void CGfxHeaderCtrl::EraseDragFrame() {
  CWnd* pList = GetParent();
  if (m_rcLastFrame.IsRectEmpty() || !pList) return;
  pList->InvalidateRect(&m_rcLastFrame);
  pList->UpdateWindow();
  m_rcLastFrame.SetRectEmpty();
}

void CGfxHeaderCtrl::TrackDrag(CPoint point) {
  // The drop position comes from the widths at the start of the drag.
  int nPosition = 0;
  int nBoundary = 0;
  if (point.x >= 1) {
    int nLeft = 0;
    nPosition = m_nItemCount;
    for (int i = 0; i < m_nItemCount; ++i) {
      if (point.x >= nLeft && point.x < nLeft + m_pItemWidths[i]) {
        nPosition = i;
        break;
      }
      nLeft += m_pItemWidths[i];
    }
    nBoundary = nLeft;
  }
  if (nPosition != m_nDropPosition) {
    if (!m_rcMarker.IsRectEmpty()) {
      InvalidateRect(&m_rcMarker);
      UpdateWindow();
    }
    m_nDropPosition = nPosition;
    DrawDropMarker(nBoundary);
  }

  // The frame goes over the list, centred on the cursor.
  CWnd* pList = GetParent();
  if (!pList) return;
  EraseDragFrame();
  CPoint ptList(point);
  MapWindowPoints(pList, &ptList, 1);
  CRect rcFrame(0, 0, m_rcDrag.Width(), m_rcDrag.Height());
  rcFrame.OffsetRect(ptList.x - rcFrame.Width() / 2, ptList.y - rcFrame.Height() / 2);
  HDC hDC = ::GetDC(pList->GetSafeHwnd());
  if (hDC) {
    InvertFrame(hDC, rcFrame);
    ::ReleaseDC(pList->GetSafeHwnd(), hDC);
  }
  m_rcLastFrame = rcFrame;
}

bool CGfxHeaderCtrl::EndDrag() {
  const bool bWasDragging = m_bDragging;
  m_bDragPending = false;
  m_bDragging = false;
  if (bWasDragging) {
    EraseDragFrame();
    if (::GetCapture() == m_hWnd) ReleaseCapture();
    delete[] m_pItemWidths;
    m_pItemWidths = NULL;
    m_nItemCount = 0;
    if (!m_rcMarker.IsRectEmpty()) InvalidateRect(&m_rcMarker);
    m_rcMarker.SetRectEmpty();
  }
  Invalidate();
  return bWasDragging;
}

void CGfxHeaderCtrl::OnMouseMove(UINT nFlags, CPoint point) {
  if (!(nFlags & MK_LBUTTON)) {
    if (m_bDragPending || m_bDragging) EndDrag();
  } else if (m_bDragging) {
    TrackDrag(point);
    return;
  } else if (m_bDragPending) {
    StartDrag();
    return;
  }
  CXTPHeaderCtrl::OnMouseMove(nFlags, point);
}

void CGfxHeaderCtrl::OnLButtonUp(UINT nFlags, CPoint point) {
  const int nSource = m_nDragSource;
  const int nDrop = m_nDropPosition;
  if (EndDrag() && nDrop >= 0 && nDrop != nSource && nDrop != nSource + 1) {
    CWnd* pParent = GetParent();
    if (pParent && m_pfnDropCallback) {
      // The arrow stays on its column: find the column again by its subitem number.
      const int nSortSubitem = m_nSortCol >= 0 ? GetItemSubitem(m_nSortCol) : -1;
      int nFrom = nSource;
      int nTo = nDrop;
      (pParent->*m_pfnDropCallback)(nFrom, nTo);
      if (m_nSortCol >= 0) {
        int nFound = -1;
        if (nSortSubitem >= 0)
          for (int i = GetItemCount() - 1; i >= 0 && nFound < 0; --i)
            if (GetItemSubitem(i) == nSortSubitem) nFound = i;
        if (nFound >= 0)
          m_nSortCol = nFound;
        else if (m_nSortCol == nSource)
          m_nSortCol = nDrop;
        else if (m_nSortCol == nDrop)
          m_nSortCol = nSource;
      }
    }
    Invalidate();
  }
  CXTPHeaderCtrl::OnLButtonUp(nFlags, point);
}

void CGfxHeaderCtrl::OnCaptureChanged(CWnd* pWnd) {
  // Another window took the mouse: the drag ends without a drop.
  if (m_bDragging && (!pWnd || pWnd->GetSafeHwnd() != m_hWnd)) EndDrag();
  CXTPHeaderCtrl::OnCaptureChanged(pWnd);
}
