// A resizable sheet resized as the user would drag its frame: the sheet's own controls and
// the pages' anchored controls must land where their anchors say.
#include <XTPResizePropertyPage.h>
#include <XTPResizePropertySheet.h>
#include <gtest/gtest.h>

#include "../framework/DlgTemplate.h"
#include "Support.h"

namespace {

const WORD kEdit = 100, kButton = 101;

// A page with an edit stretched across its top and a button kept in its bottom-right corner.
class CAnchoredPage : public CXTPResizePropertyPage {
 public:
  explicit CAnchoredPage(const wchar_t* caption) : m_tpl(WS_CHILD | WS_CAPTION, 200, 100, caption) {
    m_tpl.Add(kEdit, 0x81, ES_AUTOHSCROLL, 8, 8, 180, 14);
    m_tpl.Add(kButton, 0x80, BS_PUSHBUTTON, 140, 80, 50, 14, L"Go");
    m_psp.dwFlags |= PSP_DLGINDIRECT;
    m_psp.pResource = m_tpl.Get();
  }
  BOOL OnInitDialog() override {
    CXTPResizePropertyPage::OnInitDialog();
    SetResize(kEdit, XTP_ANCHOR_TOPLEFT, XTP_ANCHOR_TOPRIGHT);
    SetResize(kButton, XTP_ANCHOR_BOTTOMRIGHT, XTP_ANCHOR_BOTTOMRIGHT);
    return TRUE;
  }

 private:
  dlgtest::DialogTemplate m_tpl;
};

CRect ClientRectOf(HWND h) {
  CRect rc;
  ::GetWindowRect(h, &rc);
  ::MapWindowPoints(NULL, ::GetParent(h), reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

void ExpectMoved(const CRect& before, const CRect& after, int dl, int dt, int dr, int db,
                 const char* what) {
  EXPECT_EQ(CRect(before.left + dl, before.top + dt, before.right + dr, before.bottom + db), after)
      << what;
}

TEST(ResizeSheetTest, GrowingTheSheetMovesButtonsAndStretchesTabPagesAndAnchoredControls) {
  CAnchoredPage first(L"First"), second(L"Second");
  CXTPResizePropertySheet sheet(L"Resizable");
  sheet.AddPage(&first);
  sheet.AddPage(&second);
  ASSERT_TRUE(sheet.Create(NULL, WS_POPUP | WS_CAPTION | WS_SYSMENU));
  EXPECT_TRUE(sheet.GetStyle() & WS_THICKFRAME) << "the sheet has a sizing frame";

  const HWND hOK = ::GetDlgItem(sheet.m_hWnd, IDOK), hTab = sheet.GetTabControl();
  const CRect ok = ClientRectOf(hOK), tab = ClientRectOf(hTab), page = ClientRectOf(first.m_hWnd);
  const CRect edit = ClientRectOf(first.GetDlgItem(kEdit)->m_hWnd);
  const CRect button = ClientRectOf(first.GetDlgItem(kButton)->m_hWnd);

  CRect rc;
  sheet.GetWindowRect(&rc);
  const int dx = 80, dy = 40;
  sheet.SetWindowPos(NULL, 0, 0, rc.Width() + dx, rc.Height() + dy, SWP_NOMOVE | SWP_NOZORDER);
  tks::PumpUntilIdle();

  ExpectMoved(ok, ClientRectOf(hOK), dx, dy, dx, dy, "OK keeps its size in the corner");
  ExpectMoved(tab, ClientRectOf(hTab), 0, 0, dx, dy, "tab control stretches");
  ExpectMoved(page, ClientRectOf(first.m_hWnd), 0, 0, dx, dy, "page fills the tab");
  ExpectMoved(edit, ClientRectOf(first.GetDlgItem(kEdit)->m_hWnd), 0, 0, dx, 0,
              "edit stretches across");
  ExpectMoved(button, ClientRectOf(first.GetDlgItem(kButton)->m_hWnd), dx, dy, dx, dy,
              "page button follows the page's corner");

  // A page made after the resize comes at the grown size, its controls anchored alike.
  sheet.SetActivePage(1);
  tks::PumpUntilIdle();
  ASSERT_TRUE(::IsWindow(second.m_hWnd));
  EXPECT_EQ(ClientRectOf(first.m_hWnd), ClientRectOf(second.m_hWnd));
  EXPECT_EQ(edit.Width() + dx, ClientRectOf(second.GetDlgItem(kEdit)->m_hWnd).Width());

  MINMAXINFO mmi{};
  sheet.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  EXPECT_EQ(rc.Width(), mmi.ptMinTrackSize.x) << "never smaller than it was made";
  EXPECT_EQ(rc.Height(), mmi.ptMinTrackSize.y);
  sheet.DestroyWindow();
}

}  // namespace
