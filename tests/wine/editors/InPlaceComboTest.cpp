// CInPlaceCombo driven by keys and focus changes over a stand-in grid: what it reports, when
// it closes, and that the shared instance survives its windows.
#include "grid/editors/InPlaceCombo.h"

#include "ComboEditorFixture.h"

#include <commctrl.h>

using combotest::ComboEditorTest;
using combotest::ListWnd;

namespace {

const DWORD kInPlaceListStyle = 0x508000C3;

class InPlaceCombo : public ComboEditorTest {
 protected:
  // Shows the shared list for cell (4, 2) with Alpha, Beta, Gamma, Beta selected.
  CInPlaceCombo* Show(int nSel = 1, const wchar_t* text = L"typed") {
    CStringArray items;
    for (const wchar_t* s : {L"Alpha", L"Beta", L"Gamma"}) items.Add(s);
    CInPlaceCombo* combo = CInPlaceCombo::GetInstance();
    EXPECT_TRUE(combo->ShowForCell(kInPlaceListStyle, CRect(20, 20, 140, 200), &list_, 0, 4, 2,
                                   items, text, nSel));
    return combo;
  }
};

TEST_F(InPlaceCombo, ShowsTheChoicesInOrderWithTheFocusAndTheListsFont) {
  CInPlaceCombo* combo = Show();
  ASSERT_TRUE(::IsWindow(combo->m_hWnd));
  EXPECT_EQ(combo->m_hWnd, ::GetFocus());
  EXPECT_EQ(WPARAM(font_), WPARAM(combo->SendMessage(WM_GETFONT)));
  ASSERT_EQ(3, combo->GetCount());
  const wchar_t* expected[] = {L"Alpha", L"Beta", L"Gamma"};
  for (int i = 0; i < 3; ++i) {
    CString s;
    combo->GetLBText(i, s);
    EXPECT_STREQ(expected[i], s.GetString());
  }
  EXPECT_EQ(1, combo->GetCurSel());
  EXPECT_EQ(CInPlaceCombo::GetInstance(), combo) << "one instance per process";
}

// Every way an edit ends, and the one record the list then gets.
TEST_F(InPlaceCombo, ReportsTheCellOnceWhicheverWayTheEditEnds) {
  enum How { kFocusLoss, kEnter, kEscape, kCloseUp };
  struct Case {
    const char* name;
    int sel;
    const wchar_t* text;
    bool down;  // Down arrow first: the next choice
    How how;
    const wchar_t* reported;
  } cases[] = {
      {"unchanged, focus lost", 1, L"", false, kFocusLoss, L"Beta"},
      {"changed, Enter", 1, L"", true, kEnter, L"Gamma"},
      {"changed, Escape", 1, L"", true, kEscape, L"Beta"},
      {"no selection, Escape", -1, L"typed", true, kEscape, L"typed"},
      {"empty cell, Escape", -1, L"", true, kEscape, L""},
      {"changed, drop-down closed", 0, L"", true, kCloseUp, L"Beta"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    list_.ends.clear();
    CInPlaceCombo* combo = Show(k.sel, k.text);
    const HWND hCombo = combo->m_hWnd;
    if (k.down) tks::PressKey(hCombo, VK_DOWN);
    switch (k.how) {
      case kFocusLoss: FocusAway(); break;
      case kEnter: tks::PressKey(hCombo, VK_RETURN); break;
      case kEscape: tks::PressKey(hCombo, VK_ESCAPE); break;
      case kCloseUp:
        combo->ShowDropDown(TRUE);
        combo->ShowDropDown(FALSE);
        tks::PumpUntilIdle();
        break;
    }
    EXPECT_FALSE(::IsWindow(hCombo)) << "the window closes after the edit";
    if (k.how != kFocusLoss) {
      EXPECT_EQ(list_.m_hWnd, ::GetFocus()) << "the focus is the list's";
    }
    ASSERT_EQ(1u, list_.ends.size());
    const combotest::EndEdit& e = list_.ends[0];
    EXPECT_EQ(list_.m_hWnd, e.hwndFrom);
    EXPECT_EQ(0u, e.idFrom);
    EXPECT_EQ(WPARAM(ListWnd::kListId), e.wParam);
    EXPECT_EQ(UINT(LVIF_TEXT), e.mask);
    EXPECT_EQ(4, e.item);
    EXPECT_EQ(2, e.subItem);
    EXPECT_FALSE(e.nullText) << "never a cancelled record";
    EXPECT_EQ(std::wstring(k.reported), e.text);
    EXPECT_EQ(int(e.text.size()), e.cchTextMax);
  }
}

TEST_F(InPlaceCombo, ShowingAnotherCellWhileOpenReportsTheFirstCellFirst) {
  CInPlaceCombo* combo = Show();
  tks::PressKey(combo->m_hWnd, VK_DOWN);
  CStringArray items;
  items.Add(L"One");
  ASSERT_TRUE(combo->ShowForCell(kInPlaceListStyle, CRect(20, 40, 140, 200), &list_, 0, 5, 1, items,
                                 L"One", -1));
  combo->SelectString(-1, L"One");  // as the grid does after showing it
  tks::PumpUntilIdle();
  ASSERT_TRUE(::IsWindow(combo->m_hWnd)) << "the queued close of the first window is harmless";
  EXPECT_EQ(1, combo->GetCount());
  ASSERT_EQ(1u, list_.ends.size());
  EXPECT_EQ(4, list_.ends[0].item);
  EXPECT_EQ(L"Gamma", list_.ends[0].text);
  FocusAway();
  ASSERT_EQ(2u, list_.ends.size());
  EXPECT_EQ(5, list_.ends[1].item);
  EXPECT_EQ(L"One", list_.ends[1].text);
}

TEST_F(InPlaceCombo, AThousandEditsLeaveNoWindowOrGdiObjectBehind) {
  for (int i = 0; i < 2; ++i) tks::PressKey(Show()->m_hWnd, VK_RETURN);  // caches warm up
  TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 1000; ++i) {
    CInPlaceCombo* combo = Show();
    tks::PressKey(combo->m_hWnd, VK_RETURN);
  });
  EXPECT_EQ(1002u, list_.ends.size());
}

}  // namespace
