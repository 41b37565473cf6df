// CGfxListCtrl: construction, set-up, flags, columns and the column model of the grid.
#include "grid/GfxListCtrl.h"

#include "grid/GfxCategoryManager.h"
#include "grid/GfxColumnManager.h"

#include <qxres_ids.h>

#include <algorithm>

IMPLEMENT_DYNCREATE(CGfxListCtrl, CListCtrl)

// Every handler of the class is listed here; the sorting, drawing and category parts
// implement theirs in their own files.
BEGIN_MESSAGE_MAP(CGfxListCtrl, CListCtrl)
  ON_WM_CREATE()
  ON_WM_DESTROY()
  ON_WM_SIZE()
  ON_WM_PAINT()
  ON_WM_ERASEBKGND()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_LBUTTONDBLCLK()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_QUERYNEWPALETTE()
  ON_WM_PALETTECHANGED()
  ON_WM_MEASUREITEM_REFLECT()
  ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
  ON_NOTIFY_REFLECT(LVN_INSERTITEM, OnItemInserted)
  ON_NOTIFY_REFLECT(LVN_ITEMCHANGED, OnItemChanged)
  ON_NOTIFY_REFLECT_EX(LVN_ITEMCHANGING, OnItemChanging)
  ON_NOTIFY_REFLECT_EX(NM_CLICK, OnClick)
  ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, OnEndLabelEdit)
  ON_NOTIFY_REFLECT(LVN_KEYDOWN, OnKeyDown)
  ON_MESSAGE(LVM_SETTEXTCOLOR, OnSetTextColor)
  ON_MESSAGE(LVM_SETTEXTBKCOLOR, OnSetTextBkColor)
  ON_MESSAGE(LVM_SETBKCOLOR, OnSetBkColor)
  ON_MESSAGE(LVM_SETIMAGELIST, OnSetImageList)
  ON_MESSAGE(LVM_INSERTCOLUMNW, OnInsertColumn)
  ON_MESSAGE(LVM_INSERTCOLUMNA, OnInsertColumn)
  ON_MESSAGE(WM_SETREDRAW, OnSetRedraw)
  ON_MESSAGE(WM_GFXLIST_USERTAB, OnUserTab)
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
  ON_COMMAND(ID_GFX_SORTASC, OnSortAscending)
  ON_COMMAND(ID_GFX_SORTDESC, OnSortDescending)
  ON_UPDATE_COMMAND_UI(ID_GFX_SORTASC, OnUpdateSortCommand)
  ON_UPDATE_COMMAND_UI(ID_GFX_SORTDESC, OnUpdateSortCommand)
  ON_COMMAND(ID_GFX_COLUMNFORMAT, OnColumnFormat)
  ON_COMMAND(ID_GFX_CUSTOMIZECOLUMNS, OnCustomizeColumns)
  ON_UPDATE_COMMAND_UI(ID_GFX_COLUMNFORMAT, OnUpdateColumnCommand)
  ON_UPDATE_COMMAND_UI(ID_GFX_CUSTOMIZECOLUMNS, OnUpdateColumnCommand)
  ON_COMMAND_RANGE(ID_GFX_REPORTVIEW, ID_GFX_SMALLICONVIEW, OnViewCommand)
  ON_COMMAND(ID_GFX_COPYALL, OnCopyToClipboard)
END_MESSAGE_MAP()

namespace {

// A copy of the system's default GUI font with the given weight and attributes.
void CreateGuiFont(CFont& font, LONG lWeight, BOOL bUnderline, BOOL bItalic) {
  LOGFONT lf = {};
  ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  lf.lfWeight = lWeight;
  lf.lfUnderline = static_cast<BYTE>(bUnderline);
  lf.lfItalic = static_cast<BYTE>(bItalic);
  font.CreateFontIndirect(&lf);
}

}  // namespace

CGfxListCtrl::CGfxListCtrl()
    : m_pColumnManager(NULL),
      m_pCategoryManager(NULL),
      m_pItemImageList(NULL),
      m_dwSummaryData(0),
      m_nFocusColumn(-1),
      m_nClickedHeaderColumn(-1),
      m_bViewInit(false),
      m_qwFlag(GFXLF_DEFAULT),
      m_nFocusBeforeClick(-1),
      m_nResortedRow(-1),
      m_bRedrawOn(true),
      m_nKeepColumns(0),
      m_nQuietItemData(0),
      m_nPaintFocus(-1) {
  m_emptyList.strText.LoadString(IDS_QX_EMPTY_LIST);
  m_tools.penLightGrid.CreatePen(PS_SOLID, 1, RGB(0xC0, 0xC0, 0xC0));
  m_tools.penDarkGrid.CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80));
  CreateGuiFont(m_tools.fontNormal, FW_NORMAL, FALSE, FALSE);
  CreateGuiFont(m_tools.fontBold, FW_BOLD, FALSE, FALSE);
  CreateGuiFont(m_tools.fontUnderline, 0, TRUE, FALSE);
  CreateGuiFont(m_tools.fontItalic, 0, FALSE, TRUE);
  m_wndHeader.SetCallback(static_cast<GFX_HEADER_DROP_CALLBACK>(&CGfxListCtrl::DragColumn));
}

CGfxListCtrl::~CGfxListCtrl() {
  delete m_pColumnManager;
  delete m_pCategoryManager;
}

// ---- set-up

void CGfxListCtrl::OnInit() {
  ASSERT(::IsWindow(m_hWnd));
  CHeaderCtrl* pHeader = GetHeaderCtrl();
  if (pHeader && !m_wndHeader.GetSafeHwnd()) m_wndHeader.SubclassWindow(pHeader->GetSafeHwnd());
  if (m_rules.bFlatHeader)
    SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
  if (m_wndHeader.GetSafeHwnd()) m_wndHeader.ResizeColumnsToFit();
  if (!m_bViewInit && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT) {
    m_bViewInit = true;
    if (m_wndTip.Create(this)) m_wndTip.ShowWindow(SW_HIDE);
    ModifyStyle(0, WS_CLIPCHILDREN | WS_CLIPSIBLINGS);
  }
}

void CGfxListCtrl::ModifyFlag(ULONGLONG qwRemove, ULONGLONG qwAdd, UINT swpFlags) {
  if (qwRemove) m_qwFlag = (m_qwFlag & ~qwRemove) & 0xFFFFFFFFull;
  m_qwFlag |= qwAdd;
  if (!::IsWindow(m_hWnd)) return;
  if (swpFlags)
    SetWindowPos(NULL, 0, 0, 0, 0, swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  else
    Invalidate();
}

void CGfxListCtrl::ModifyExStyle(DWORD dwRemove, DWORD dwAdd, UINT swpFlags) {
  if (!::IsWindow(m_hWnd)) return;
  SetExtendedStyle((GetExtendedStyle() & ~dwRemove) | dwAdd);
  if (swpFlags)
    SetWindowPos(NULL, 0, 0, 0, 0, swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  else
    Invalidate();
}

// ---- end of the window

void CGfxListCtrl::OnDestroy() {
  // Plain rows first, so that the layout read back below is the user's, not the gutter's.
  if (m_pCategoryManager) EnableCategoryView(false);
  // The user's column layout goes back to the profile while the columns still exist.
  if (m_pColumnManager && *m_pColumnManager->GetProfileSection()) {
    m_pColumnManager->RetrieveColumnData(this);
    m_pColumnManager->WriteToProfile();
  }
  // A pop-up's owner is the top-level window, not the list: it would outlive the list.
  if (m_wndTip.GetSafeHwnd()) m_wndTip.DestroyWindow();
  CListCtrl::OnDestroy();
}

// ---- looks

namespace {

// The list view measures owner-drawn rows again when it is told its size changed.
void RemeasureRows(CWnd& wnd) {
  if (!::IsWindow(wnd.m_hWnd)) return;
  CRect rc;
  wnd.GetWindowRect(&rc);
  WINDOWPOS wp = {};
  wp.hwnd = wnd.m_hWnd;
  wp.cx = rc.Width();
  wp.cy = rc.Height();
  wp.flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;  // 0x216
  wnd.SendMessage(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
}

}  // namespace

void CGfxListCtrl::SetItemHeight(int nHeight, bool bForCategories) {
  if (bForCategories)
    m_rows.nCategoryHeight = nHeight;
  else
    m_rows.nHeight = nHeight;
  RemeasureRows(*this);
}

void CGfxListCtrl::SetAutoPreviewHeight(int nHeight) {
  m_rows.nPreviewHeight = nHeight;
  if (!::IsWindow(m_hWnd)) return;
  SetFocus();
  Invalidate();
  RemeasureRows(*this);
}

void CGfxListCtrl::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  if (!lpMeasureItemStruct) return;
  const int nHeight =
      m_pCategoryManager ? m_rows.nCategoryHeight : m_rows.nHeight + m_rows.nPreviewHeight;
  lpMeasureItemStruct->itemHeight = nHeight > 0 ? static_cast<UINT>(nHeight) : 1;
}

void CGfxListCtrl::ResetScrollBar() {
  UpdateScrollBars();
}

void CGfxListCtrl::UpdateScrollBars() {
  // Showing a bar resizes the client, and the list view answers a resize by fitting its bars
  // again: the guard keeps the nested resize from coming back here.
  // A hidden list gets its bars at its first paint.
  static bool s_bUpdating = false;
  if (!(m_qwFlag & GFXLF_SCROLLBARS) || !::IsWindow(m_hWnd) || !IsWindowVisible() || s_bUpdating)
    return;
  s_bUpdating = true;
  const int nCount = GetItemCount();
  bool bVertFits = nCount == 0 || nCount < GetCountPerPage();
  bool bHorzFits = nCount == 0;
  if (!bHorzFits) {
    CRect rcRow, rcClient;
    GetClientRect(&rcClient);
    bHorzFits = GetItemRect(0, &rcRow, LVIR_BOUNDS) && rcRow.Width() < rcClient.Width();
  }
  const struct {
    int nBar;
    bool bFits;
  } bars[] = {{SB_VERT, bVertFits}, {SB_HORZ, bHorzFits}};
  for (const auto& bar : bars) {
    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    si.fMask = SIF_ALL;
    ::GetScrollInfo(m_hWnd, bar.nBar, &si);
    if (bar.bFits) {
      // A range the page covers, shown disabled rather than hidden.
      si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
      si.nMin = 0;
      si.nMax = 1;
      si.nPage = 2;
      si.nPos = 0;
      ::SetScrollInfo(m_hWnd, bar.nBar, &si, TRUE);
      ::ShowScrollBar(m_hWnd, bar.nBar, TRUE);
      ::EnableScrollBar(m_hWnd, bar.nBar, ESB_DISABLE_BOTH);
    } else {
      ::ShowScrollBar(m_hWnd, bar.nBar, TRUE);
      ::EnableScrollBar(m_hWnd, bar.nBar, ESB_ENABLE_BOTH);
    }
  }
  s_bUpdating = false;
}

// ---- messages

int CGfxListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  return CListCtrl::OnCreate(lpCreateStruct);
}

void CGfxListCtrl::OnSize(UINT nType, int cx, int cy) {
  CListCtrl::OnSize(nType, cx, cy);
  m_rows.nClientWidth = cx;
  UpdateScrollBars();
  // The cells around the cursor may have been cut by the old size.
  CPoint point;
  if (!::GetCursorPos(&point)) return;
  ScreenToClient(&point);
  int nColumn = 0;
  const int nItem = HitTestEx(point, &nColumn);
  if (nItem <= 0) return;
  for (int i = nItem - 1; i <= nItem + 1 && i < GetItemCount(); ++i) {
    CRect rcCell(0, 0, 0, 0);
    GetSubItemRect(i, nColumn, rcCell);
    if (!rcCell.IsRectEmpty()) InvalidateRect(&rcCell, FALSE);
  }
}

void CGfxListCtrl::OnPaint() {
  // Selected rows are highlighted across the client, past the last column.
  if ((m_qwFlag & GFXLF_FULLROWHIGHLIGHT) && GetItemCount() > 0) {
    CRect rcRow, rcClient;
    GetClientRect(&rcClient);
    if (GetItemRect(0, &rcRow, LVIR_BOUNDS) && rcRow.right < rcClient.right) {
      CRect rcStrip(rcRow.right, rcClient.top, rcClient.right, rcClient.bottom);
      InvalidateRect(&rcStrip, FALSE);
    }
  }
  {
    // Every row reads the same columns and focus: once per paint, not once per row.
    CKeepColumns keepColumns(*this);
    m_nPaintFocus = ::GetFocus() == m_hWnd ? 1 : 0;
    Default();
    m_nPaintFocus = -1;
  }
  if ((GetStyle() & LVS_TYPEMASK) == LVS_REPORT) {
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    if (pHeader) pHeader->Invalidate();
  }
  if (GetItemCount() == 0) {
    CClientDC dc(this);
    PaintEmptyList(&dc);
  }
  UpdateScrollBars();
}

LRESULT CGfxListCtrl::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/) {
  LRESULT lResult;
  {
    CKeepColumns keepColumns(*this);
    lResult = Default();
  }
  HDC hDC = reinterpret_cast<HDC>(wParam);
  if (hDC && GetItemCount() == 0) {
    CDC dc;
    dc.Attach(hDC);
    PaintEmptyList(&dc);
    dc.Detach();
  }
  return lResult;
}

void CGfxListCtrl::PaintEmptyList(CDC* pDC) {
  CRect rcClient;
  GetClientRect(&rcClient);
  if (m_background.nMode == 1 && m_background.bitmap.GetSafeHandle()) {
    CDC dcMem;
    if (dcMem.CreateCompatibleDC(pDC)) {
      HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), m_background.bitmap.GetSafeHandle());
      const int x = std::max(0, (rcClient.Width() - m_background.nWidth) / 2);
      const int y = std::max(0, (rcClient.Height() - m_background.nHeight) / 2);
      pDC->BitBlt(x, y, m_background.nWidth, m_background.nHeight, &dcMem, 0, 0, SRCCOPY);
      ::SelectObject(dcMem.GetSafeHdc(), hOld);
    }
  }
  if (!m_emptyList.bShow) return;
  int nTop = 0;
  CHeaderCtrl* pHeader = GetHeaderCtrl();
  if (pHeader && (pHeader->GetStyle() & WS_VISIBLE))  // the list itself may be hidden
  {
    CRect rcHeader;
    pHeader->GetWindowRect(&rcHeader);
    ScreenToClient(&rcHeader);
    nTop = rcHeader.bottom;
  }
  CRect rcBand(rcClient.left, nTop + 2, rcClient.right, nTop + 2 + 15);
  const int nSaved = pDC->SaveDC();
  pDC->FillSolidRect(&rcBand, m_colours.crTextBk);
  pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
  pDC->SetBkColor(m_colours.crTextBk);
  pDC->SetBkMode(TRANSPARENT);
  ::SelectObject(pDC->GetSafeHdc(), m_tools.fontNormal.GetSafeHandle());
  pDC->DrawText(m_emptyList.strText, &rcBand, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  pDC->RestoreDC(nSaved);
}

BOOL CGfxListCtrl::OnEraseBkgnd(CDC* pDC) {
  // The picture covers the client: erasing first would only flicker.
  if (m_background.bitmap.GetSafeHandle()) {
    Invalidate(FALSE);
    return TRUE;
  }
  return CListCtrl::OnEraseBkgnd(pDC);
}

void CGfxListCtrl::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  SetFocus();
  HideTip();
  CListCtrl::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CGfxListCtrl::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  SetFocus();
  HideTip();
  CListCtrl::OnVScroll(nSBCode, nPos, pScrollBar);
}

BOOL CGfxListCtrl::OnItemChanging(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;  // the change goes ahead
  // Kept from the parent only while item data alone is swapped (see CQuietItemData).
  const NMLISTVIEW* pInfo = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  return m_nQuietItemData > 0 && pInfo->uChanged == LVIF_PARAM;
}

void CGfxListCtrl::OnItemChanged(NMHDR* pNMHDR, LRESULT* pResult) {
  *pResult = 0;
  const NMLISTVIEW* pInfo = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  // In mode 1 the list view repaints the row itself; over other pictures it would leave the
  // old highlight behind.
  if (m_background.nMode == 1 || pInfo->iItem < 0 || !(pInfo->uChanged & LVIF_STATE)) return;
  if (!(pInfo->uOldState & ~pInfo->uNewState)) return;
  CRect rcRow;
  if (!GetItemRect(pInfo->iItem, &rcRow, LVIR_BOUNDS)) return;
  if (m_qwFlag & GFXLF_FULLROWHIGHLIGHT) {
    CRect rcClient;
    GetClientRect(&rcClient);
    rcRow.right = std::max(rcRow.right, rcClient.right);
  }
  InvalidateRect(&rcRow, FALSE);
}

LRESULT CGfxListCtrl::OnSetTextColor(WPARAM /*wParam*/, LPARAM lParam) {
  m_colours.crText = static_cast<COLORREF>(lParam);
  return Default();
}

LRESULT CGfxListCtrl::OnSetTextBkColor(WPARAM /*wParam*/, LPARAM lParam) {
  m_colours.crTextBk = static_cast<COLORREF>(lParam);
  return Default();
}

LRESULT CGfxListCtrl::OnSetBkColor(WPARAM /*wParam*/, LPARAM lParam) {
  m_colours.crBackground = static_cast<COLORREF>(lParam);
  return Default();
}

LRESULT CGfxListCtrl::OnSetImageList(WPARAM wParam, LPARAM lParam) {
  if (wParam == LVSIL_STATE) {
    HIMAGELIST hImages = reinterpret_cast<HIMAGELIST>(lParam);
    m_rows.nStateImageInset = (hImages && ImageList_GetImageCount(hImages) > 0) ? 2 : 0;
  }
  return Default();
}

LRESULT CGfxListCtrl::OnSetRedraw(WPARAM wParam, LPARAM /*lParam*/) {
  m_bRedrawOn = wParam != FALSE;
  return Default();
}

// ---- commands

void CGfxListCtrl::OnViewCommand(UINT nId) {
  static const DWORD views[] = {LVS_REPORT, LVS_ICON, LVS_LIST, LVS_SMALLICON};
  const DWORD dwView = views[nId - ID_GFX_REPORTVIEW];
  if ((GetStyle() & LVS_TYPEMASK) != dwView) ModifyStyle(LVS_TYPEMASK, dwView);
  Populate(NULL, -1);
}

// ---- header notifications

BOOL CGfxListCtrl::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
  const HWND hHeader = ::IsWindow(m_hWnd) ? ListView_GetHeader(m_hWnd) : NULL;
  if (!pHdr || !hHeader || pHdr->hwndFrom != hHeader)
    return CListCtrl::OnNotify(wParam, lParam, pResult);

  const NMHEADER* pHeader = reinterpret_cast<const NMHEADER*>(lParam);
  switch (pHdr->code) {
    case HDN_BEGINTRACKW:
    case HDN_BEGINTRACKA:
      // Fixed-width columns keep their divider.
      if (HasMaskBit(m_wndHeader.m_dwFixedWidthMask, GetColumnIndex(pHeader->iItem))) {
        *pResult = 1;
        return TRUE;
      }
      break;
    case HDN_ITEMCHANGINGW:
    case HDN_ITEMCHANGINGA:
      if (pHeader->pitem && (pHeader->pitem->mask & HDI_WIDTH)) {
        if (m_background.bitmap.GetSafeHandle()) {
          // The picture under the moving divider is painted again.
          CPoint point;
          ::GetCursorPos(&point);
          ScreenToClient(&point);
          CRect rcClient;
          GetClientRect(&rcClient);
          CRect rcArea(point.x - 8, rcClient.top, point.x + 8, rcClient.bottom);
          InvalidateRect(&rcArea, FALSE);
        }
        // Narrow columns could not be grabbed again; the first may vanish (category gutter).
        if (pHeader->iItem > 0 && pHeader->pitem->cxy < 16) {
          *pResult = 1;
          return TRUE;
        }
      }
      break;
    case NM_RCLICK: {
      // Remembered for the header menu's commands.
      CPoint point;
      ::GetCursorPos(&point);
      ::ScreenToClient(hHeader, &point);
      m_nClickedHeaderColumn = -1;
      const int nCount = Header_GetItemCount(hHeader);
      for (int i = 0; i < nCount; ++i) {
        RECT rc;
        if (Header_GetItemRect(hHeader, i, &rc) && ::PtInRect(&rc, point)) {
          m_nClickedHeaderColumn = i;
          break;
        }
      }
      *pResult = 1;
      if (m_rules.bShowHeaderPopup) {
        ::ClientToScreen(hHeader, &point);
        ShowHeaderMenu(point);
      }
      return TRUE;
    }
    default: break;
  }
  return CListCtrl::OnNotify(wParam, lParam, pResult);
}
