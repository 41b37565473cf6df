// CGfxInCombo driven by keys and clicks over a stand-in grid: what it reports and when, the
// moves it asks for, its drop-down list part, completion, drawing and handles.
#include "grid/editors/GfxInCombo.h"

#include "ComboEditorFixture.h"
#include "grid/editors/GfxPopupMenu.h"

#include <afxres.h>
#include <commctrl.h>
#include <richedit.h>

using combotest::ComboEditorTest;
using combotest::Move;

namespace {

const CRect kCell(20, 20, 160, 40);

class GfxInCombo : public ComboEditorTest {
 protected:
  // A combo for cell (3, 1) over the stand-in grid, with the focus.
  CGfxInCombo* Make(bool editable, const wchar_t* init, CStringArray* choices) {
    CGfxInCombo* c = new CGfxInCombo(3, 1, init, choices, editable, false);
    c->m_hFont = list_.font;
    EXPECT_TRUE(c->Create(WS_VISIBLE, kCell, &list_, 300));
    hwnd_ = c->m_hWnd;
    tks::PumpUntilIdle();
    return c;
  }
  CGfxInCombo* MakeColours(bool editable, const wchar_t* init = L"Green") {
    return Make(editable, init, NewChoices({L"Red", L"Green", L"Blue", L"Grey"}));
  }
  // Where keys go: the edit part of an editable combo, else the combo.
  HWND KeyTarget(CGfxInCombo* c) { return c->m_bEditable ? c->m_wndEdit.m_hWnd : c->m_hWnd; }
  bool Open() const { return ::IsWindow(hwnd_) != FALSE; }
  CPoint Button() const { return CPoint(kCell.Width() - 3, kCell.Height() / 2); }
  std::vector<std::wstring> Reported() const {
    std::vector<std::wstring> texts;
    for (const auto& e : list_.ends) texts.push_back(e.nullText ? L"<null>" : e.text);
    return texts;
  }

  HWND hwnd_ = nullptr;
};

// Keys on a combo without edit part: each row types its keys and expects the texts reported
// (at once, not only at the end), the moves asked for, and whether the combo is still open.
TEST_F(GfxInCombo, KeysChooseReportAndMove) {
  struct Key {
    UINT vk;
    unsigned mods;
  };
  struct Case {
    const char* name;
    std::vector<Key> keys;
    std::vector<std::wstring> reported;
    std::vector<Move> moves;
    bool open;
  } cases[] = {
      {"Enter unchanged", {{VK_RETURN, 0}}, {}, {}, false},
      {"Down, Enter", {{VK_DOWN, 0}, {VK_RETURN, 0}}, {L"Blue"}, {}, false},
      {"Up twice stops at the first",
       {{VK_UP, 0}, {VK_UP, 0}, {VK_RETURN, 0}},
       {L"Red"},
       {},
       false},
      {"Down, Escape", {{VK_DOWN, 0}, {VK_ESCAPE, 0}}, {}, {}, false},
      {"G keeps Green", {{'G', tks::kShift}, {VK_RETURN, 0}}, {}, {}, false},
      {"B, G finds Blue then Grey",
       {{'B', tks::kShift}, {'G', tks::kShift}, {VK_RETURN, 0}},
       {L"Grey"},
       {},
       false},
      {"g matches no capital", {{'G', 0}, {VK_RETURN, 0}}, {}, {}, false},
      {"typing only shows", {{'R', tks::kShift}}, {}, {}, true},
      {"Tab", {{VK_DOWN, 0}, {VK_TAB, 0}}, {L"Blue"}, {{0, 3, 1}}, false},
      {"Shift+Tab", {{VK_TAB, tks::kShift}}, {}, {{1, 3, 1}}, false},
      {"Left", {{VK_LEFT, 0}}, {}, {{2, 3, 1}}, false},
      {"Right", {{VK_RIGHT, 0}}, {}, {{3, 3, 1}}, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    list_.ends.clear();
    list_.moves.clear();
    CGfxInCombo* c = MakeColours(false);
    ASSERT_EQ(hwnd_, ::GetFocus());
    for (const Key& key : k.keys)
      if (Open()) tks::PressKey(KeyTarget(c), key.vk, key.mods);
    EXPECT_EQ(k.reported, Reported());
    EXPECT_EQ(k.moves, list_.moves);
    EXPECT_EQ(k.open, Open());
    if (!k.open) {
      EXPECT_EQ(list_.m_hWnd, ::GetFocus()) << "the list has the focus back";
    }
    if (Open()) c->DestroyWindow();
  }
}

TEST_F(GfxInCombo, EveryReportIsAListEndEditRecordForTheCell) {
  CGfxInCombo* c = MakeColours(false);
  tks::PressKey(hwnd_, VK_DOWN);
  c->ProcessSelect(L"Other");
  c->m_bESC = TRUE;
  c->ProcessSelect(L"Cancelled");
  c->ProcessSelect(L"Cancelled");  // the same text again: nothing
  c->DestroyWindow();
  ASSERT_EQ(2u, list_.ends.size());
  for (const combotest::EndEdit& e : list_.ends) {
    EXPECT_EQ(list_.m_hWnd, e.hwndFrom);
    EXPECT_EQ(300u, e.idFrom);
    EXPECT_EQ(WPARAM(combotest::ListWnd::kListId), e.wParam);
    EXPECT_EQ(UINT(LVIF_TEXT), e.mask);
    EXPECT_EQ(3, e.item);
    EXPECT_EQ(1, e.subItem);
  }
  EXPECT_EQ(L"Other", list_.ends[0].text);
  EXPECT_TRUE(list_.ends[1].nullText) << "cancelled: no text";
  EXPECT_EQ(9, list_.ends[1].cchTextMax) << "but still its length";
}

TEST_F(GfxInCombo, TypingCompletesFromTheChoicesButNotAfterDeleting) {
  CGfxInCombo* c = Make(true, L"", NewChoices({L"Xyz", L"Abcd"}));
  ASSERT_EQ(c->m_wndEdit.m_hWnd, ::GetFocus());
  tks::TypeText(c->m_wndEdit.m_hWnd, L"ab");
  CString text;
  c->m_wndEdit.GetWindowText(text);
  EXPECT_STREQ(L"Abcd", text.GetString());
  CHARRANGE sel = {};
  c->m_wndEdit.SendMessage(EM_EXGETSEL, 0, LPARAM(&sel));
  EXPECT_EQ(2, sel.cpMin);
  EXPECT_EQ(4, sel.cpMax);
  tks::PressKey(c->m_wndEdit.m_hWnd, VK_BACK);
  c->m_wndEdit.GetWindowText(text);
  EXPECT_STREQ(L"Ab", text.GetString()) << "the completion is gone and not made again";
  tks::PressKey(c->m_wndEdit.m_hWnd, VK_RETURN);
  EXPECT_FALSE(Open());
  EXPECT_EQ(std::vector<std::wstring>{L"Ab"}, Reported());
}

TEST_F(GfxInCombo, EditPartStepsWithArrowsAndCommitsWhenTheFocusLeaves) {
  CGfxInCombo* c = MakeColours(true, L"Red");
  tks::PressKey(c->m_wndEdit.m_hWnd, VK_DOWN);
  tks::PressKey(c->m_wndEdit.m_hWnd, VK_DOWN);
  EXPECT_EQ(2, c->GetCurSel());
  FocusAway();
  EXPECT_FALSE(Open());
  EXPECT_EQ(std::vector<std::wstring>{L"Blue"}, Reported());

  c = MakeColours(true, L"Red");
  tks::PressKey(c->m_wndEdit.m_hWnd, VK_DOWN);
  tks::PressKey(c->m_wndEdit.m_hWnd, VK_ESCAPE);
  EXPECT_FALSE(Open());
  EXPECT_EQ(list_.m_hWnd, ::GetFocus());
  EXPECT_EQ(std::vector<std::wstring>{L"Blue"}, Reported()) << "Escape reports nothing more";
}

TEST_F(GfxInCombo, EditPartRightClickOffersTheEditCommandsInItalianAndRunsThem) {
  CGfxInCombo* c = MakeColours(true, L"Red");
  c->m_wndEdit.SetSel(0, -1);
  std::vector<std::wstring> labels;
  std::vector<bool> disabled;
  tks::AnswerNextPopupMenu([&](HMENU menu, const std::vector<tks::MenuItem>& items) -> UINT {
    for (size_t i = 0; i < items.size(); ++i) {
      MENUITEMINFOW mii = {};
      mii.cbSize = sizeof(mii);
      mii.fMask = MIIM_DATA;
      ::GetMenuItemInfoW(menu, UINT(i), TRUE, &mii);
      const auto* record = reinterpret_cast<const CGfxPopupMenu::SpawnItem*>(mii.dwItemData);
      labels.push_back(record ? record->cText : L"<not owner-drawn>");
      disabled.push_back(items[i].disabled);
    }
    return ID_EDIT_CUT;
  });
  c->m_wndEdit.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  tks::PumpUntilIdle();
  EXPECT_EQ((std::vector<std::wstring>{L"&Annulla", L"--", L"&Taglia", L"&Copia", L"&Incolla"}),
            labels);
  ASSERT_EQ(5u, disabled.size());
  EXPECT_FALSE(disabled[2]) << "Cut: text is selected";
  EXPECT_FALSE(disabled[3]) << "Copy: text is selected";
  ASSERT_TRUE(Open()) << "the menu does not end the edit";
  CString text;
  c->m_wndEdit.GetWindowText(text);
  EXPECT_STREQ(L"", text.GetString()) << "Cut reached the edit part";
  EXPECT_TRUE(Reported().empty());
}

TEST_F(GfxInCombo, TheButtonDropsASortedListThatReportsAChoiceAtOnce) {
  for (bool editable : {false, true}) {
    SCOPED_TRACE(editable ? "editable" : "static");
    list_.ends.clear();
    CGfxInCombo* c = MakeColours(editable);
    tks::Click(hwnd_, Button());
    CGfxInComboList& part = c->m_wndList;
    ASSERT_TRUE(::IsWindow(part.m_hWnd)) << "the list part opened";
    EXPECT_EQ(list_.m_hWnd, ::GetParent(part.m_hWnd));
    EXPECT_EQ(part.m_hWnd, ::GetFocus());
    CRect rcPart, rcCombo;
    part.GetWindowRect(&rcPart);
    c->GetWindowRect(&rcCombo);
    EXPECT_EQ(rcCombo.bottom, rcPart.top);
    EXPECT_EQ(rcCombo.Width(), rcPart.Width());
    CRect client;
    part.GetClientRect(&client);
    EXPECT_EQ(4 * part.GetItemHeight(0), client.Height());
    CString first, selected;
    part.GetText(0, first);
    part.GetText(part.GetCurSel(), selected);
    EXPECT_STREQ(L"Blue", first.GetString()) << "sorted";
    EXPECT_STREQ(L"Green", selected.GetString()) << "the current text is selected";

    CRect row;
    part.GetItemRect(3, &row);  // "Red"
    tks::Click(part.m_hWnd, row.CenterPoint());
    EXPECT_FALSE(::IsWindow(part.m_hWnd)) << "the list part closed";
    ASSERT_TRUE(Open());
    EXPECT_EQ(std::vector<std::wstring>{L"Red"}, Reported()) << "reported at once";
    EXPECT_EQ(0, c->GetCurSel()) << "the choice's own index";
    EXPECT_EQ(editable ? c->m_wndEdit.m_hWnd : hwnd_, ::GetFocus());

    tks::Click(hwnd_, Button());
    tks::Click(hwnd_, Button());
    EXPECT_FALSE(::IsWindow(c->m_wndList.m_hWnd)) << "the second click closes it";
    EXPECT_TRUE(Open());
    c->DestroyWindow();
  }
}

TEST_F(GfxInCombo, ListPartHeightIsLimitedAndNeverOpensWithoutChoices) {
  CStringArray* many = new CStringArray;
  for (int i = 0; i < 25; ++i) many->Add(CString(L"Choice ") + wchar_t(L'A' + i));
  CGfxInCombo* c = Make(false, L"", many);
  tks::Click(hwnd_, Button());
  ASSERT_TRUE(::IsWindow(c->m_wndList.m_hWnd));
  CRect rc;
  c->m_wndList.GetWindowRect(&rc);
  EXPECT_LE(rc.Height(), 100);
  EXPECT_GT(rc.Height(), 100 - c->m_wndList.GetItemHeight(0)) << "whole rows up to the limit";
  EXPECT_TRUE(c->m_wndList.GetStyle() & WS_VSCROLL);
  FocusAway();
  EXPECT_FALSE(Open()) << "leaving the open list part ends the edit";

  for (CStringArray* none : {static_cast<CStringArray*>(nullptr), new CStringArray}) {
    c = Make(false, L"", none);
    tks::Click(hwnd_, Button());
    EXPECT_FALSE(::IsWindow(c->m_wndList.m_hWnd));
    c->DestroyWindow();
  }
}

TEST_F(GfxInCombo, DoubleClickReachesTheListsOwnerAsTheListsOwn) {
  for (bool editable : {false, true}) {
    owner_.notifications.clear();
    CGfxInCombo* c = MakeColours(editable);
    tks::DoubleClick(editable ? c->m_wndEdit.m_hWnd : hwnd_, CPoint(5, 5));
    ASSERT_EQ(1u, owner_.notifications.size()) << (editable ? "editable" : "static");
    EXPECT_EQ(UINT(NM_DBLCLK), owner_.notifications[0].code);
    EXPECT_EQ(list_.m_hWnd, owner_.notifications[0].hwndFrom);
    EXPECT_EQ(UINT_PTR(combotest::ListWnd::kListId), owner_.notifications[0].idFrom);
    if (Open()) c->DestroyWindow();
  }
}

TEST_F(GfxInCombo, DrawsItsButtonRaisedOrPressedFlatOrNot) {
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE), shadow = ::GetSysColor(COLOR_BTNSHADOW),
                 light = ::GetSysColor(COLOR_BTNHIGHLIGHT), black = RGB(0, 0, 0);
  struct Case {
    bool flat, pressed;
    COLORREF topLeft, bottomRight, innerTopLeft;
  } cases[] = {
      {true, false, light, shadow, face},
      {true, true, shadow, light, face},
      {false, false, face, black, light},
      {false, true, shadow, light, black},
  };
  CGfxInCombo* c = MakeColours(false);
  CRect client;
  c->GetClientRect(&client);
  const int left = client.right - c->m_nButtonWidth;
  for (const Case& k : cases) {
    c->m_bFlat = k.flat;
    if (k.pressed) tks::Click(hwnd_, Button());
    const tks::Capture cap = tks::CaptureWindow(hwnd_);
    EXPECT_EQ(k.topLeft, cap.AtClient(left, 0)) << k.flat << k.pressed;
    EXPECT_EQ(k.bottomRight, cap.AtClient(client.right - 1, client.bottom - 1))
        << k.flat << k.pressed;
    EXPECT_EQ(k.innerTopLeft, cap.AtClient(left + 1, 1)) << k.flat << k.pressed;
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), cap.AtClient(client.right - c->m_nButtonWidth - 1, 1));
    if (k.pressed) tks::Click(hwnd_, Button());
  }
  c->DestroyWindow();
}

TEST_F(GfxInCombo, AThousandEditsLeaveNoWindowOrGdiObjectBehind) {
  auto cycle = [this] {
    CGfxInCombo* c = MakeColours(true);
    tks::PressKey(c->m_wndEdit.m_hWnd, VK_DOWN);
    tks::PressKey(c->m_wndEdit.m_hWnd, VK_RETURN);
  };
  cycle();  // caches warm up
  TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 1000; ++i) cycle());
  EXPECT_FALSE(Open());
  EXPECT_EQ(1001u, list_.ends.size());
}

}  // namespace
