// CXTPResizePropertySheet: a sizing frame on the sheet, and its own controls and pages
// anchored so that they follow the frame.
#include "XTPResizePropertySheet.h"

namespace {

// The children comctl32 makes for a sheet or wizard besides the tab control and pages.
const UINT kButtons[] = {
    IDOK,  IDCANCEL, IDHELP, 0x3021 /* Apply */, 0x3023 /* Back */, 0x3024 /* Next */,
    0x3025 /* Finish */};
const UINT kBottomLine = 0x3026;  // the wizard's line above its buttons
const UINT kHeaderLine = 0x3027;  // the Wizard97 line below its header

}  // namespace

IMPLEMENT_DYNAMIC(CXTPResizePropertySheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CXTPResizePropertySheet, CPropertySheet)
  ON_WM_SIZE()
  ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CXTPResizePropertySheet::CXTPResizePropertySheet()
    : CXTPResize(this), m_rcPageInitial(0, 0, 0, 0), m_szPageClient(0, 0) {}

CXTPResizePropertySheet::CXTPResizePropertySheet(UINT nIDCaption, CWnd* pParentWnd,
                                                 UINT iSelectPage, UINT nFlags)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage),
      CXTPResize(this, nFlags),
      m_rcPageInitial(0, 0, 0, 0),
      m_szPageClient(0, 0) {}

CXTPResizePropertySheet::CXTPResizePropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd,
                                                 UINT iSelectPage, UINT nFlags)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage),
      CXTPResize(this, nFlags),
      m_rcPageInitial(0, 0, 0, 0),
      m_szPageClient(0, 0) {}

CXTPResizePropertySheet::~CXTPResizePropertySheet() = default;

BOOL CXTPResizePropertySheet::OnInitDialog() {
  const BOOL bResult = CPropertySheet::OnInitDialog();
  // A sizing frame takes room from the client area: grow the window so the client area, and
  // so the layout comctl32 just made, stays as it is.
  CRect rcClient;
  GetClientRect(&rcClient);
  ModifyStyle(DS_MODALFRAME, WS_THICKFRAME);
  CRect rcWindow = rcClient;
  ::AdjustWindowRectEx(&rcWindow, GetStyle(), FALSE, GetExStyle());
  SetWindowPos(NULL, 0, 0, rcWindow.Width(), rcWindow.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Init();
  AnchorSheetControls();
  return bResult;
}

void CXTPResizePropertySheet::AnchorSheetControls() {
  for (UINT nID : kButtons) SetResize(nID, XTP_ANCHOR_BOTTOMRIGHT, XTP_ANCHOR_BOTTOMRIGHT);
  SetResize(kBottomLine, XTP_ANCHOR_BOTTOMLEFT, XTP_ANCHOR_BOTTOMRIGHT);
  SetResize(kHeaderLine, XTP_ANCHOR_TOPLEFT, XTP_ANCHOR_TOPRIGHT);
  if (HWND hTab = GetTabControl()) SetResize(hTab, XTP_ANCHOR_TOPLEFT, XTP_ANCHOR_BOTTOMRIGHT);
  // Pages are made one by one as they are first shown, so they are placed by the area they
  // share rather than anchored one by one.
  HWND hPage = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
  if (hPage) {
    ::GetWindowRect(hPage, &m_rcPageInitial);
    ScreenToClient(&m_rcPageInitial);
    CRect rc;
    GetClientRect(&rc);
    m_szPageClient = rc.Size();
  }
}

void CXTPResizePropertySheet::PlacePage(CWnd* pPage) {
  if (!pPage || !::IsWindow(pPage->m_hWnd) || m_rcPageInitial.IsRectEmpty()) return;
  CRect rc;
  GetClientRect(&rc);
  const XTP_RESIZEBOX box = xtp_resize::Place(
      {m_rcPageInitial.left, m_rcPageInitial.top, m_rcPageInitial.right, m_rcPageInitial.bottom},
      XTP_ANCHOR_TOPLEFT, XTP_ANCHOR_BOTTOMRIGHT, rc.Width() - m_szPageClient.cx,
      rc.Height() - m_szPageClient.cy);
  CRect rcNow;
  ::GetWindowRect(pPage->m_hWnd, &rcNow);
  ScreenToClient(&rcNow);
  if (rcNow == CRect(box.left, box.top, box.right, box.bottom)) return;
  ::SetWindowPos(pPage->m_hWnd, NULL, box.left, box.top, box.right - box.left, box.bottom - box.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CXTPResizePropertySheet::PlacePages() {
  for (int i = 0; i < GetPageCount(); ++i) PlacePage(GetPage(i));
}

void CXTPResizePropertySheet::OnSize(UINT nType, int cx, int cy) {
  CPropertySheet::OnSize(nType, cx, cy);
  if (nType == SIZE_MINIMIZED) return;
  Size();
  PlacePages();
}

void CXTPResizePropertySheet::OnGetMinMaxInfo(MINMAXINFO* pMMI) {
  CPropertySheet::OnGetMinMaxInfo(pMMI);
  GetMinMaxInfo(pMMI);
}

BOOL CXTPResizePropertySheet::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const BOOL bResult = CPropertySheet::OnNotify(wParam, lParam, pResult);
  // A plain page shown for the first time comes at the size of the sheet's first layout.
  const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
  if (pHdr && pHdr->code == TCN_SELCHANGE) PlacePages();
  return bResult;
}
