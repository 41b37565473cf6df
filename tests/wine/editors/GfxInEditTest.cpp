// CGfxInEdit driven by keys, characters and focus over a stand-in grid: the records it sends,
// the moves it asks for, and when it goes away.
#include "grid/editors/GfxInEdit.h"

#include "ComboEditorFixture.h"

#include <commctrl.h>

using combotest::ComboEditorTest;
using combotest::ListWnd;
using combotest::Move;

namespace {

class InEdit : public ComboEditorTest {
 protected:
  // Opens an editor on cell (4, 2) as the grid does; it selects its whole text.
  HWND Open(const wchar_t* text, bool noBlank = false, bool digits = false,
            CRect rect = CRect(20, 20, 140, 40)) {
    CGfxInEdit* edit = new CGfxInEdit(4, 2, text, false);
    edit->m_bNoBlank = noBlank;
    edit->SetNumberEdit(digits);
    EXPECT_TRUE(edit->Create(WS_CHILD | WS_VISIBLE, rect, &list_, 2125));
    tks::PumpUntilIdle();
    return edit->m_hWnd;
  }
  static CString Text(HWND h) {
    CString s;
    CWnd::FromHandle(h)->GetWindowText(s);
    return s;
  }
  std::vector<std::wstring> EndTexts() const {
    std::vector<std::wstring> texts;
    for (const auto& e : list_.ends) texts.push_back(e.text);
    return texts;
  }
};

TEST_F(InEdit, EveryCharacterThatChangesTheCellIsReportedLive) {
  HWND h = Open(L"ab");
  EXPECT_EQ(h, ::GetFocus());
  tks::PressKey(h, VK_END);
  tks::TypeText(h, L"c");
  tks::PressKey(h, VK_BACK);  // back to the initial text: nothing to report
  tks::TypeText(h, L"d");
  EXPECT_EQ((std::vector<std::wstring>{L"abc", L"abd"}), EndTexts());
  const combotest::EndEdit& e = list_.ends.back();
  EXPECT_EQ(list_.m_hWnd, e.hwndFrom);
  EXPECT_EQ(2125u, e.idFrom);
  EXPECT_EQ(WPARAM(ListWnd::kListId), e.wParam);
  EXPECT_EQ(UINT(LVIF_TEXT), e.mask);
  EXPECT_EQ(4, e.item);
  EXPECT_EQ(2, e.subItem);
  EXPECT_EQ(3, e.cchTextMax);
}

// Keys that leave the cell commit first, once, and then ask the list to move.
TEST_F(InEdit, ArrowsAtTheEdgesTabAndUpDownMoveToAnotherCell) {
  const struct {
    const char* what;
    long selStart, selEnd;
    UINT vk;
    unsigned mods;
    int direction;  // -1: the key stays in the editor
  } cases[] = {
      {"Left at the start", 0, 0, VK_LEFT, tks::kNoMods, 2},
      {"Left inside the text", 2, 2, VK_LEFT, tks::kNoMods, -1},
      {"Left with a selection", 0, 3, VK_LEFT, tks::kNoMods, -1},
      {"Right at the end", 4, 4, VK_RIGHT, tks::kNoMods, 3},
      {"Right inside the text", 1, 1, VK_RIGHT, tks::kNoMods, -1},
      {"Right with a selection", 2, 4, VK_RIGHT, tks::kNoMods, -1},
      {"Up", 1, 1, VK_UP, tks::kNoMods, 1},
      {"Down", 1, 1, VK_DOWN, tks::kNoMods, 0},
      {"Tab", 1, 1, VK_TAB, tks::kNoMods, 0},
      {"Shift+Tab", 1, 1, VK_TAB, tks::kShift, 1},
  };
  for (const auto& c : cases) {
    list_.ends.clear();
    list_.moves.clear();
    HWND h = Open(L"abc");
    ::SetWindowTextW(h, L"abcd");
    ::SendMessage(h, EM_SETSEL, c.selStart, c.selEnd);
    tks::PressKey(h, c.vk, c.mods);
    if (c.direction < 0) {
      EXPECT_TRUE(::IsWindow(h)) << c.what;
      EXPECT_TRUE(list_.moves.empty()) << c.what;
      EXPECT_TRUE(list_.ends.empty()) << c.what;
      FocusAway();
      continue;
    }
    EXPECT_FALSE(::IsWindow(h)) << c.what;
    EXPECT_EQ((std::vector<Move>{{WPARAM(c.direction), 4, 2}}), list_.moves) << c.what;
    EXPECT_EQ((std::vector<std::wstring>{L"abcd"}), EndTexts()) << c.what;
  }
}

TEST_F(InEdit, TheEditEndsOnEnterEscapeAndFocusLossWithTheRightText) {
  enum How { kEnter, kEscape, kFocusLoss };
  const struct {
    const char* what;
    bool noBlank;
    const wchar_t* typed;  // replaces the selected text; null types nothing
    How how;
    std::vector<std::wstring> ends;
  } cases[] = {
      {"Enter commits", false, L"new", kEnter, {L"n", L"ne", L"new", L"new"}},
      {"Escape restores and still reports", false, L"x", kEscape, {L"x", L"old"}},
      {"unchanged: nothing to report", false, nullptr, kFocusLoss, {}},
      {"non-blank reports even unchanged", true, nullptr, kFocusLoss, {L"old"}},
      {"non-blank refuses an empty text", true, L"\b", kFocusLoss, {L"", L"old"}},
  };
  for (const auto& c : cases) {
    list_.ends.clear();
    HWND h = Open(L"old", c.noBlank);
    if (c.typed) tks::TypeText(h, c.typed);
    if (c.how == kEnter) tks::PressKey(h, VK_RETURN);
    if (c.how == kEscape) tks::PressKey(h, VK_ESCAPE);
    if (c.how == kFocusLoss) FocusAway();
    tks::PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(h)) << c.what;
    EXPECT_EQ(c.ends, EndTexts()) << c.what;
    EXPECT_TRUE(list_.moves.empty()) << c.what;
  }
}

TEST_F(InEdit, DigitsOnlyDropsEveryOtherCharacter) {
  HWND h = Open(L"", false, true);
  tks::TypeText(h, L"1a-2");
  ::SendMessage(h, WM_CHAR, '\b', 0);
  tks::TypeText(h, L" 3.");
  EXPECT_EQ(CString(L"123"), Text(h));
}

TEST_F(InEdit, ALongTextWidensTheEditorToTheListsRightEdge) {
  HWND h = Open(L"", false, false, CRect(20, 20, 60, 40));
  tks::TypeText(h, L"a text far longer than the cell");
  CRect rc, client;
  ::GetWindowRect(h, &rc);
  list_.ScreenToClient(&rc);
  list_.GetClientRect(&client);
  EXPECT_EQ(20, rc.left);
  EXPECT_GE(rc.right, client.right);
}

TEST_F(InEdit, ADoubleClickReachesTheListsOwner) {
  HWND h = Open(L"word");
  tks::DoubleClick(h, {5, 5});
  ASSERT_EQ(1u, owner_.notifications.size());
  EXPECT_EQ(UINT(NM_DBLCLK), owner_.notifications[0].code);
  EXPECT_EQ(list_.m_hWnd, owner_.notifications[0].hwndFrom);
  EXPECT_EQ(UINT_PTR(ListWnd::kListId), owner_.notifications[0].idFrom);
}

TEST_F(InEdit, TheRightClickMenuOffersTheEditCommandsThatApply) {
  HWND h = Open(L"word");
  std::vector<tks::MenuItem> seen;
  tks::AnswerNextPopupMenu([&](HMENU, const std::vector<tks::MenuItem>& items) -> UINT {
    seen = items;
    return ID_EDIT_CUT;
  });
  tks::RightClick(h, {5, 5});
  tks::PumpUntilIdle();
  ASSERT_EQ(5u, seen.size());
  const UINT ids[] = {ID_EDIT_UNDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
  for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(ids[i], seen[i].id) << i;
  EXPECT_TRUE(seen[0].disabled) << "nothing to undo";
  EXPECT_FALSE(seen[2].disabled) << "the whole text is selected";
  EXPECT_EQ(CString(), Text(h)) << "Cut ran";
}

}  // namespace
