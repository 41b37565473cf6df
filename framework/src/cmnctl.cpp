// CListCtrl, CHeaderCtrl and CToolTipCtrl: the common controls' messages as members.
#include "afxcmn.h"
#include "ctlwrap_.h"

using namespace afx_internal;

namespace {

HIMAGELIST HandleOf(const CImageList* p) {
  return p ? p->m_hImageList : NULL;
}

// Texts of unknown length: grow the buffer until the control's copy no longer fills it.
template <typename Fetch>
CString FetchText(Fetch fetch) {
  CString s;
  for (int size = 256; size <= (1 << 20); size *= 4) {
    const int n = fetch(s.GetBuffer(size), size);
    if (n < size - 1) {
      s.ReleaseBuffer(n < 0 ? 0 : n);
      return s;
    }
    s.ReleaseBuffer(0);
  }
  return s;
}
}  // namespace

// ---- CHeaderCtrl
IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_HEADERW, NULL, dwStyle, rect, pParentWnd, nID);
}
int CHeaderCtrl::GetItemCount() const {
  return int(Send(m_hWnd, HDM_GETITEMCOUNT, 0, 0, -1));
}
BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* p) const {
  return p ? BOOL(Send(m_hWnd, HDM_GETITEMW, WPARAM(nPos), LPARAM(p))) : FALSE;
}
BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* p) {
  return p ? BOOL(Send(m_hWnd, HDM_SETITEMW, WPARAM(nPos), LPARAM(p))) : FALSE;
}
int CHeaderCtrl::InsertItem(int nPos, HDITEM* p) {
  return p ? int(Send(m_hWnd, HDM_INSERTITEMW, WPARAM(nPos), LPARAM(p), -1)) : -1;
}
BOOL CHeaderCtrl::DeleteItem(int nPos) {
  return BOOL(Send(m_hWnd, HDM_DELETEITEM, WPARAM(nPos)));
}
BOOL CHeaderCtrl::GetItemRect(int n, LPRECT r) const {
  return r ? BOOL(Send(m_hWnd, HDM_GETITEMRECT, WPARAM(n), LPARAM(r))) : FALSE;
}
BOOL CHeaderCtrl::Layout(HDLAYOUT* p) {
  return p ? BOOL(Send(m_hWnd, HDM_LAYOUT, 0, LPARAM(p))) : FALSE;
}
int CHeaderCtrl::OrderToIndex(int nOrder) const {
  return int(Send(m_hWnd, HDM_ORDERTOINDEX, WPARAM(nOrder), 0, -1));
}
BOOL CHeaderCtrl::GetOrderArray(LPINT a, int n) const {
  return a && n > 0 ? BOOL(Send(m_hWnd, HDM_GETORDERARRAY, WPARAM(n), LPARAM(a))) : FALSE;
}
BOOL CHeaderCtrl::SetOrderArray(int n, LPINT a) {
  return a && n > 0 ? BOOL(Send(m_hWnd, HDM_SETORDERARRAY, WPARAM(n), LPARAM(a))) : FALSE;
}
CImageList* CHeaderCtrl::SetImageList(CImageList* p) {
  return CImageList::FromHandle(HIMAGELIST(Send(m_hWnd, HDM_SETIMAGELIST, 0, LPARAM(HandleOf(p)))));
}
CImageList* CHeaderCtrl::GetImageList() const {
  return CImageList::FromHandle(HIMAGELIST(Send(m_hWnd, HDM_GETIMAGELIST)));
}
int CHeaderCtrl::HitTest(LPHDHITTESTINFO p) {
  return p ? int(Send(m_hWnd, HDM_HITTEST, 0, LPARAM(p), -1)) : -1;
}
CImageList* CHeaderCtrl::CreateDragImage(int nIndex) {
  HIMAGELIST h = HIMAGELIST(Send(m_hWnd, HDM_CREATEDRAGIMAGE, WPARAM(nIndex)));
  if (!h) return NULL;
  CImageList* p = new CImageList;
  p->Attach(h);
  return p;
}
int CHeaderCtrl::SetHotDivider(CPoint pt) {
  return int(Send(m_hWnd, HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y), -1));
}
int CHeaderCtrl::SetHotDivider(int nIndex) {
  return int(Send(m_hWnd, HDM_SETHOTDIVIDER, FALSE, LPARAM(nIndex), -1));
}
int CHeaderCtrl::GetBitmapMargin() const {
  return int(Send(m_hWnd, HDM_GETBITMAPMARGIN));
}
int CHeaderCtrl::SetBitmapMargin(int n) {
  return int(Send(m_hWnd, HDM_SETBITMAPMARGIN, WPARAM(n)));
}
void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CHeaderCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return TakeDrawItem(*this, message, lParam, pResult) ||
         CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CListCtrl
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_LISTVIEWW, NULL, dwStyle, rect, pParentWnd, nID);
}
BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                         UINT nID) {
  if (!Create(dwStyle, rect, pParentWnd, nID)) return FALSE;
  // List-view extended styles go through the control, not the window's own extended style.
  if (dwExStyle) SetExtendedStyle(dwExStyle);
  return TRUE;
}

COLORREF CListCtrl::GetBkColor() const {
  return COLORREF(Send(m_hWnd, LVM_GETBKCOLOR, 0, 0, CLR_NONE));
}
BOOL CListCtrl::SetBkColor(COLORREF cr) {
  return BOOL(Send(m_hWnd, LVM_SETBKCOLOR, 0, LPARAM(cr)));
}
BOOL CListCtrl::SetBkImage(LVBKIMAGE* p) {
  return p ? BOOL(Send(m_hWnd, LVM_SETBKIMAGEW, 0, LPARAM(p))) : FALSE;
}
BOOL CListCtrl::SetBkImage(HBITMAP hbm, BOOL fTile, int xOffsetPercent, int yOffsetPercent) {
  LVBKIMAGEW bk = {};
  bk.ulFlags = LVBKIF_SOURCE_HBITMAP | (fTile ? LVBKIF_STYLE_TILE : LVBKIF_STYLE_NORMAL);
  bk.hbm = hbm;
  bk.xOffsetPercent = xOffsetPercent;
  bk.yOffsetPercent = yOffsetPercent;
  return SetBkImage(&bk);
}
CImageList* CListCtrl::GetImageList(int nImageList) const {
  return CImageList::FromHandle(HIMAGELIST(Send(m_hWnd, LVM_GETIMAGELIST, WPARAM(nImageList))));
}
CImageList* CListCtrl::SetImageList(CImageList* p, int nImageListType) {
  return CImageList::FromHandle(
      HIMAGELIST(Send(m_hWnd, LVM_SETIMAGELIST, WPARAM(nImageListType), LPARAM(HandleOf(p)))));
}
int CListCtrl::GetItemCount() const {
  return int(Send(m_hWnd, LVM_GETITEMCOUNT));
}
BOOL CListCtrl::GetItem(LVITEM* p) const {
  return p ? BOOL(Send(m_hWnd, LVM_GETITEMW, 0, LPARAM(p))) : FALSE;
}
BOOL CListCtrl::SetItem(const LVITEM* p) {
  return p ? BOOL(Send(m_hWnd, LVM_SETITEMW, 0, LPARAM(p))) : FALSE;
}
// The indent is only read with LVIF_INDENT in the mask.
BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
  return SetItem(nItem, nSubItem, nMask, lpszItem, nImage, nState, nStateMask, lParam, 0);
}
BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam, int nIndent) {
  LVITEMW item = {};
  item.mask = nMask;
  item.iItem = nItem;
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPWSTR>(lpszItem);
  item.iImage = nImage;
  item.state = nState;
  item.stateMask = nStateMask;
  item.lParam = lParam;
  item.iIndent = nIndent;
  return SetItem(&item);
}
UINT CListCtrl::GetCallbackMask() const {
  return UINT(Send(m_hWnd, LVM_GETCALLBACKMASK));
}
BOOL CListCtrl::SetCallbackMask(UINT nMask) {
  return BOOL(Send(m_hWnd, LVM_SETCALLBACKMASK, nMask));
}
int CListCtrl::GetNextItem(int nItem, int nFlags) const {
  return int(Send(m_hWnd, LVM_GETNEXTITEM, WPARAM(nItem), MAKELPARAM(nFlags, 0), -1));
}
// A position is the selected item's index plus one, so the end of the walk is null.
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  return reinterpret_cast<POSITION>(INT_PTR(1 + GetNextItem(-1, LVNI_SELECTED)));
}
int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
  const int nOld = int(reinterpret_cast<INT_PTR>(pos)) - 1;
  pos = reinterpret_cast<POSITION>(INT_PTR(1 + GetNextItem(nOld, LVNI_SELECTED)));
  return nOld;
}
BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
  if (!lpRect) return FALSE;
  lpRect->left = LONG(nCode);
  return BOOL(Send(m_hWnd, LVM_GETITEMRECT, WPARAM(nItem), LPARAM(lpRect)));
}
BOOL CListCtrl::SetItemPosition(int nItem, POINT pt) {
  return BOOL(Send(m_hWnd, LVM_SETITEMPOSITION32, WPARAM(nItem), LPARAM(&pt)));
}
BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT p) const {
  return p ? BOOL(Send(m_hWnd, LVM_GETITEMPOSITION, WPARAM(nItem), LPARAM(p))) : FALSE;
}
int CListCtrl::GetStringWidth(LPCTSTR s) const {
  return s ? int(Send(m_hWnd, LVM_GETSTRINGWIDTHW, 0, LPARAM(s))) : 0;
}
CEdit* CListCtrl::GetEditControl() const {
  return static_cast<CEdit*>(CWnd::FromHandle(HWND(Send(m_hWnd, LVM_GETEDITCONTROL))));
}
BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* p) const {
  return p ? BOOL(Send(m_hWnd, LVM_GETCOLUMNW, WPARAM(nCol), LPARAM(p))) : FALSE;
}
BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* p) {
  return p ? BOOL(Send(m_hWnd, LVM_SETCOLUMNW, WPARAM(nCol), LPARAM(p))) : FALSE;
}
int CListCtrl::GetColumnWidth(int nCol) const {
  return int(Send(m_hWnd, LVM_GETCOLUMNWIDTH, WPARAM(nCol)));
}
BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
  return BOOL(Send(m_hWnd, LVM_SETCOLUMNWIDTH, WPARAM(nCol), MAKELPARAM(cx, 0)));
}
BOOL CListCtrl::GetViewRect(LPRECT r) const {
  return r ? BOOL(Send(m_hWnd, LVM_GETVIEWRECT, 0, LPARAM(r))) : FALSE;
}
COLORREF CListCtrl::GetTextColor() const {
  return COLORREF(Send(m_hWnd, LVM_GETTEXTCOLOR, 0, 0, CLR_NONE));
}
BOOL CListCtrl::SetTextColor(COLORREF cr) {
  return BOOL(Send(m_hWnd, LVM_SETTEXTCOLOR, 0, LPARAM(cr)));
}
COLORREF CListCtrl::GetTextBkColor() const {
  return COLORREF(Send(m_hWnd, LVM_GETTEXTBKCOLOR, 0, 0, CLR_NONE));
}
BOOL CListCtrl::SetTextBkColor(COLORREF cr) {
  return BOOL(Send(m_hWnd, LVM_SETTEXTBKCOLOR, 0, LPARAM(cr)));
}
int CListCtrl::GetTopIndex() const {
  return int(Send(m_hWnd, LVM_GETTOPINDEX));
}
int CListCtrl::GetCountPerPage() const {
  return int(Send(m_hWnd, LVM_GETCOUNTPERPAGE));
}
BOOL CListCtrl::GetOrigin(LPPOINT p) const {
  return p ? BOOL(Send(m_hWnd, LVM_GETORIGIN, 0, LPARAM(p))) : FALSE;
}
BOOL CListCtrl::SetItemState(int nItem, LVITEM* p) {
  return p ? BOOL(Send(m_hWnd, LVM_SETITEMSTATE, WPARAM(nItem), LPARAM(p))) : FALSE;
}
BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  LVITEMW item = {};
  item.state = nState;
  item.stateMask = nMask;
  return SetItemState(nItem, &item);
}
UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
  return UINT(Send(m_hWnd, LVM_GETITEMSTATE, WPARAM(nItem), LPARAM(nMask)));
}
CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
  return FetchText([&](LPWSTR buf, int size) { return GetItemText(nItem, nSubItem, buf, size); });
}
int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
  if (!lpszText || nLen <= 0) return 0;
  lpszText[0] = 0;
  LVITEMW item = {};
  item.iSubItem = nSubItem;
  item.pszText = lpszText;
  item.cchTextMax = nLen;
  return int(Send(m_hWnd, LVM_GETITEMTEXTW, WPARAM(nItem), LPARAM(&item)));
}
BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
  LVITEMW item = {};
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPWSTR>(lpszText);
  return BOOL(Send(m_hWnd, LVM_SETITEMTEXTW, WPARAM(nItem), LPARAM(&item)));
}
void CListCtrl::SetItemCount(int nItems) {
  Send(m_hWnd, LVM_SETITEMCOUNT, WPARAM(nItems));
}
BOOL CListCtrl::SetItemCountEx(int iCount, DWORD dwFlags) {
  return BOOL(Send(m_hWnd, LVM_SETITEMCOUNT, WPARAM(iCount), LPARAM(dwFlags)));
}
BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
  return SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, LPARAM(dwData));
}
DWORD_PTR CListCtrl::GetItemData(int nItem) const {
  LVITEMW item = {};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  return GetItem(&item) ? DWORD_PTR(item.lParam) : 0;
}
UINT CListCtrl::GetSelectedCount() const {
  return UINT(Send(m_hWnd, LVM_GETSELECTEDCOUNT));
}
BOOL CListCtrl::GetColumnOrderArray(LPINT piArray, int iCount) const {
  if (!piArray) return FALSE;
  if (iCount < 0) {
    CHeaderCtrl* pHeader = GetHeaderCtrl();
    iCount = pHeader ? pHeader->GetItemCount() : 0;
  }
  return iCount > 0 ? BOOL(Send(m_hWnd, LVM_GETCOLUMNORDERARRAY, WPARAM(iCount), LPARAM(piArray)))
                    : FALSE;
}
BOOL CListCtrl::SetColumnOrderArray(int iCount, LPINT piArray) {
  return piArray && iCount > 0
             ? BOOL(Send(m_hWnd, LVM_SETCOLUMNORDERARRAY, WPARAM(iCount), LPARAM(piArray)))
             : FALSE;
}
CSize CListCtrl::SetIconSpacing(int cx, int cy) {
  const DWORD r = DWORD(Send(m_hWnd, LVM_SETICONSPACING, 0, MAKELPARAM(cx, cy)));
  return CSize(LOWORD(r), HIWORD(r));
}
// The header is the control's own child: a temporary wrapper unless someone subclassed it.
CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
  return static_cast<CHeaderCtrl*>(CWnd::FromHandle(HWND(Send(m_hWnd, LVM_GETHEADER))));
}
DWORD CListCtrl::GetExtendedStyle() const {
  return DWORD(Send(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE));
}
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
  return DWORD(Send(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LPARAM(dwNewStyle)));
}
BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const {
  RECT r = {nArea, iSubItem, 0, 0};
  const BOOL ok = BOOL(Send(m_hWnd, LVM_GETSUBITEMRECT, WPARAM(iItem), LPARAM(&r)));
  if (ok) ref = r;
  return ok;
}
int CListCtrl::GetSelectionMark() const {
  return int(Send(m_hWnd, LVM_GETSELECTIONMARK, 0, 0, -1));
}
int CListCtrl::SetSelectionMark(int i) {
  return int(Send(m_hWnd, LVM_SETSELECTIONMARK, 0, LPARAM(i), -1));
}
DWORD CListCtrl::GetView() const {
  return DWORD(Send(m_hWnd, LVM_GETVIEW));
}
int CListCtrl::SetView(int iView) {
  return int(Send(m_hWnd, LVM_SETVIEW, WPARAM(iView), 0, -1));
}

int CListCtrl::InsertItem(const LVITEM* p) {
  return p ? int(Send(m_hWnd, LVM_INSERTITEMW, 0, LPARAM(p), -1)) : -1;
}
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
  return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}
int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
  return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}
int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam) {
  LVITEMW item = {};
  item.mask = nMask;
  item.iItem = nItem;
  item.pszText = const_cast<LPWSTR>(lpszItem);
  item.state = nState;
  item.stateMask = nStateMask;
  item.iImage = nImage;
  item.lParam = lParam;
  return InsertItem(&item);
}
BOOL CListCtrl::DeleteItem(int nItem) {
  return BOOL(Send(m_hWnd, LVM_DELETEITEM, WPARAM(nItem)));
}
BOOL CListCtrl::DeleteAllItems() {
  return BOOL(Send(m_hWnd, LVM_DELETEALLITEMS));
}
int CListCtrl::FindItem(LVFINDINFO* p, int nStart) const {
  return p ? int(Send(m_hWnd, LVM_FINDITEMW, WPARAM(nStart), LPARAM(p), -1)) : -1;
}
int CListCtrl::HitTest(LVHITTESTINFO* p) const {
  return p ? int(Send(m_hWnd, LVM_HITTEST, 0, LPARAM(p), -1)) : -1;
}
int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
  LVHITTESTINFO hti = {};
  hti.pt = pt;
  const int n = HitTest(&hti);
  if (pFlags) *pFlags = hti.flags;
  return n;
}
int CListCtrl::SubItemHitTest(LPLVHITTESTINFO p) {
  return p ? int(Send(m_hWnd, LVM_SUBITEMHITTEST, 0, LPARAM(p), -1)) : -1;
}
BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
  return BOOL(Send(m_hWnd, LVM_ENSUREVISIBLE, WPARAM(nItem), MAKELPARAM(bPartialOK, 0)));
}
BOOL CListCtrl::Scroll(CSize size) {
  return BOOL(Send(m_hWnd, LVM_SCROLL, WPARAM(size.cx), LPARAM(size.cy)));
}
BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
  return BOOL(Send(m_hWnd, LVM_REDRAWITEMS, WPARAM(nFirst), LPARAM(nLast)));
}
BOOL CListCtrl::Arrange(UINT nCode) {
  return BOOL(Send(m_hWnd, LVM_ARRANGE, nCode));
}
CEdit* CListCtrl::EditLabel(int nItem) {
  return static_cast<CEdit*>(CWnd::FromHandle(HWND(Send(m_hWnd, LVM_EDITLABELW, WPARAM(nItem)))));
}
int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* p) {
  return p ? int(Send(m_hWnd, LVM_INSERTCOLUMNW, WPARAM(nCol), LPARAM(p), -1)) : -1;
}
int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_FMT;
  column.pszText = const_cast<LPWSTR>(lpszColumnHeading ? lpszColumnHeading : L"");
  column.fmt = nFormat;
  if (nWidth != -1) {
    column.mask |= LVCF_WIDTH;
    column.cx = nWidth;
  }
  if (nSubItem != -1) {
    column.mask |= LVCF_SUBITEM;
    column.iSubItem = nSubItem;
  }
  return InsertColumn(nCol, &column);
}
BOOL CListCtrl::DeleteColumn(int nCol) {
  return BOOL(Send(m_hWnd, LVM_DELETECOLUMN, WPARAM(nCol)));
}
CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint) {
  POINT pt = {0, 0};
  HIMAGELIST h =
      HIMAGELIST(Send(m_hWnd, LVM_CREATEDRAGIMAGE, WPARAM(nItem), LPARAM(lpPoint ? lpPoint : &pt)));
  if (!h) return NULL;
  CImageList* p = new CImageList;
  p->Attach(h);
  return p;
}
BOOL CListCtrl::Update(int nItem) {
  return BOOL(Send(m_hWnd, LVM_UPDATE, WPARAM(nItem)));
}
BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
  return pfnCompare ? BOOL(Send(m_hWnd, LVM_SORTITEMS, WPARAM(dwData),
                                reinterpret_cast<LPARAM>(pfnCompare)))
                    : FALSE;
}
BOOL CListCtrl::SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
  return pfnCompare ? BOOL(Send(m_hWnd, LVM_SORTITEMSEX, WPARAM(dwData),
                                reinterpret_cast<LPARAM>(pfnCompare)))
                    : FALSE;
}
CSize CListCtrl::ApproximateViewRect(CSize sz, int iCount) const {
  const DWORD r =
      DWORD(Send(m_hWnd, LVM_APPROXIMATEVIEWRECT, WPARAM(iCount), MAKELPARAM(sz.cx, sz.cy)));
  return CSize(LOWORD(r), HIWORD(r));
}
void CListCtrl::DrawItem(LPDRAWITEMSTRUCT) {}
BOOL CListCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return TakeDrawItem(*this, message, lParam, pResult) ||
         CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---- CToolTipCtrl
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  return CreateEx(pParentWnd, dwStyle, 0);
}
BOOL CToolTipCtrl::CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwStyleEx) {
  return CWnd::CreateEx(dwStyleEx, TOOLTIPS_CLASSW, NULL, WS_POPUP | dwStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(),
                        NULL, NULL);
}

// A tool is named by its window and id; id 0 with TTF_IDISHWND means the window itself.
void CToolTipCtrl::FillInToolInfo(TTTOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const {
  ti = TTTOOLINFO();
  ti.cbSize = sizeof(ti);
  HWND hWnd = pWnd->GetSafeHwnd();
  if (nIDTool == 0) {
    ti.hwnd = ::GetParent(hWnd) ? ::GetParent(hWnd) : hWnd;
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
  } else {
    ti.hwnd = hWnd;
    ti.uId = nIDTool;
  }
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
  TTTOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  wchar_t buf[1024] =
      {};  // the control copies without a size (80 characters at most on old versions)
  ti.lpszText = buf;
  Send(m_hWnd, TTM_GETTEXTW, _countof(buf), LPARAM(&ti));
  str = buf;
}
BOOL CToolTipCtrl::GetToolInfo(TTTOOLINFO* p, CWnd* pWnd, UINT_PTR nIDTool) const {
  if (!p) return FALSE;
  FillInToolInfo(*p, pWnd, nIDTool);
  p->lpszText = NULL;  // a text buffer of unknown size would be written past
  return BOOL(Send(m_hWnd, TTM_GETTOOLINFOW, 0, LPARAM(p)));
}
void CToolTipCtrl::SetToolInfo(TTTOOLINFO* p) {
  if (p) Send(m_hWnd, TTM_SETTOOLINFOW, 0, LPARAM(p));
}
void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  if (!lpRect) return;
  TTTOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.rect = *lpRect;
  Send(m_hWnd, TTM_NEWTOOLRECTW, 0, LPARAM(&ti));
}
int CToolTipCtrl::GetToolCount() const {
  return int(Send(m_hWnd, TTM_GETTOOLCOUNT));
}
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const {
  return int(Send(m_hWnd, TTM_GETDELAYTIME, dwDuration));
}
void CToolTipCtrl::SetDelayTime(UINT nDelay) {
  Send(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, LPARAM(nDelay));
}
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) {
  Send(m_hWnd, TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}
void CToolTipCtrl::GetMargin(LPRECT r) const {
  if (r) Send(m_hWnd, TTM_GETMARGIN, 0, LPARAM(r));
}
void CToolTipCtrl::SetMargin(LPRECT r) {
  if (r) Send(m_hWnd, TTM_SETMARGIN, 0, LPARAM(r));
}
int CToolTipCtrl::GetMaxTipWidth() const {
  return int(Send(m_hWnd, TTM_GETMAXTIPWIDTH));
}
int CToolTipCtrl::SetMaxTipWidth(int w) {
  return int(Send(m_hWnd, TTM_SETMAXTIPWIDTH, 0, LPARAM(w)));
}
COLORREF CToolTipCtrl::GetTipBkColor() const {
  return COLORREF(Send(m_hWnd, TTM_GETTIPBKCOLOR));
}
void CToolTipCtrl::SetTipBkColor(COLORREF c) {
  Send(m_hWnd, TTM_SETTIPBKCOLOR, WPARAM(c));
}
COLORREF CToolTipCtrl::GetTipTextColor() const {
  return COLORREF(Send(m_hWnd, TTM_GETTIPTEXTCOLOR));
}
void CToolTipCtrl::SetTipTextColor(COLORREF c) {
  Send(m_hWnd, TTM_SETTIPTEXTCOLOR, WPARAM(c));
}
BOOL CToolTipCtrl::SetTitle(UINT uIcon, LPCTSTR s) {
  return BOOL(Send(m_hWnd, TTM_SETTITLEW, uIcon, LPARAM(s)));
}
void CToolTipCtrl::Activate(BOOL b) {
  Send(m_hWnd, TTM_ACTIVATE, WPARAM(b));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  CString text;
  if (!text.LoadString(nIDText)) return FALSE;
  return AddTool(pWnd, text.GetString(), lpRectTool, nIDTool);
}
BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  if (!pWnd->GetSafeHwnd() || (lpRectTool && nIDTool == 0)) return FALSE;
  TTTOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  if (lpRectTool) ti.rect = *lpRectTool;
  ti.uFlags |= TTF_SUBCLASS;
  ti.lpszText = const_cast<LPWSTR>(lpszText ? lpszText : L"");
  return BOOL(Send(m_hWnd, TTM_ADDTOOLW, 0, LPARAM(&ti)));
}
void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TTTOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  Send(m_hWnd, TTM_DELTOOLW, 0, LPARAM(&ti));
}
BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFO lpToolInfo) const {
  if (!lpToolInfo) return FALSE;
  TTHITTESTINFOW hti = {};
  hti.hwnd = pWnd->GetSafeHwnd();
  hti.pt = pt;
  hti.ti.cbSize = sizeof(hti.ti);
  if (!Send(m_hWnd, TTM_HITTESTW, 0, LPARAM(&hti))) return FALSE;
  *lpToolInfo = hti.ti;
  return TRUE;
}
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) {
  if (lpMsg) Send(m_hWnd, TTM_RELAYEVENT, 0, LPARAM(lpMsg));
}
void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  TTTOOLINFO ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.lpszText = const_cast<LPWSTR>(lpszText ? lpszText : L"");
  Send(m_hWnd, TTM_UPDATETIPTEXTW, 0, LPARAM(&ti));
}
void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
  CString text;
  if (text.LoadString(nIDText)) UpdateTipText(text.GetString(), pWnd, nIDTool);
}
void CToolTipCtrl::Update() {
  Send(m_hWnd, TTM_UPDATE);
}
void CToolTipCtrl::Pop() {
  Send(m_hWnd, TTM_POP);
}
void CToolTipCtrl::Popup() {
  Send(m_hWnd, TTM_POPUP);
}
void CToolTipCtrl::TrackActivate(BOOL bActivate, TTTOOLINFO* p) {
  Send(m_hWnd, TTM_TRACKACTIVATE, WPARAM(bActivate), LPARAM(p));
}
void CToolTipCtrl::TrackPosition(int x, int y) {
  Send(m_hWnd, TTM_TRACKPOSITION, 0, MAKELPARAM(x, y));
}
