// CGfxInScriptEdit over a stand-in grid: how each way of ending an edit is reported, the assist
// list taking the focus without ending it, and no handle left behind by any of the editors.
#include "ScriptEditFixture.h"

#include "grid/GfxListCtrl.h"
#include "grid/editors/GfxInScriptEdit.h"

#include <functional>

using combotest::Move;
using scripttest::ScriptEditTest;

namespace {

class ScriptCell : public ScriptEditTest {
 protected:
  // Opens a cell editor on cell (4, 2) as the grid does; it selects its whole text.
  CGfxInScriptEdit* OpenCell(const wchar_t* text) {
    CGfxInScriptEdit* edit = new CGfxInScriptEdit(4, 2, text, false);
    EXPECT_TRUE(edit->Create(WS_CHILD | WS_VISIBLE, CRect(20, 20, 300, 40), &list_, 2125));
    edit->Initialize();
    edit->SetKeyWords(TKWGetScriptManager()->GetKeyWords());
    edit->FormatAll();
    edit->SetFocus();
    tks::PumpUntilIdle();
    return edit;
  }
  std::vector<std::wstring> EndTexts() const {
    std::vector<std::wstring> texts;
    for (const auto& e : list_.ends) texts.push_back(e.text);
    return texts;
  }
};

TEST_F(ScriptCell, EachWayOfEndingIsReportedAsTheGridExpects) {
  enum How { kEnter, kEscape, kFocusLoss, kDown, kLeftAtStart, kTab };
  const struct {
    const char* what;
    const wchar_t* typed;  // replaces the selected initial text; null types nothing
    How how;
    std::vector<std::wstring> ends;
    int direction;  // move asked for, -1 none
    bool stays;     // the editor is still open
  } cases[] = {
      {"Enter commits without moving", L"$qxrand(1)", kEnter, {L"$QXRand(1)"}, -1, false},
      {"Escape restores and reports", L"x", kEscape, {L"old"}, -1, false},
      {"an unchanged text reports nothing", nullptr, kFocusLoss, {}, -1, false},
      {"focus loss commits", L"new", kFocusLoss, {L"new"}, -1, false},
      {"Down commits and moves on", L"new", kDown, {L"new"}, 0, false},
      {"Left at the start moves left", nullptr, kLeftAtStart, {}, 2, false},
      {"Tab stays in the cell", L"a", kTab, {}, -1, true},
  };
  for (const auto& c : cases) {
    list_.ends.clear();
    list_.moves.clear();
    CGfxInScriptEdit* edit = OpenCell(L"old");
    const HWND h = edit->m_hWnd;
    if (c.typed) tks::TypeText(h, c.typed);
    switch (c.how) {
      case kEnter: tks::PressKey(h, VK_RETURN); break;
      case kEscape: tks::PressKey(h, VK_ESCAPE); break;
      case kFocusLoss: FocusAway(); break;
      case kDown: tks::PressKey(h, VK_DOWN); break;
      case kLeftAtStart:
        edit->SetSel(0, 0);
        tks::PressKey(h, VK_LEFT);
        break;
      case kTab: tks::PressKey(h, VK_TAB); break;
    }
    tks::PumpUntilIdle();
    EXPECT_EQ(c.stays, ::IsWindow(h) != FALSE) << c.what;
    EXPECT_EQ(c.ends, EndTexts()) << c.what;
    if (c.direction >= 0)
      EXPECT_EQ((std::vector<Move>{{WPARAM(c.direction), 4, 2}}), list_.moves) << c.what;
    else
      EXPECT_TRUE(list_.moves.empty()) << c.what;
    for (const auto& e : list_.ends) {
      EXPECT_EQ(list_.m_hWnd, e.hwndFrom) << c.what;
      EXPECT_EQ(2125u, e.idFrom) << c.what;
      EXPECT_EQ(4, e.item) << c.what;
      EXPECT_EQ(2, e.subItem) << c.what;
      EXPECT_EQ(int(e.text.size()), e.cchTextMax) << c.what;
    }
    if (::IsWindow(h)) ::DestroyWindow(h);
  }
}

TEST_F(ScriptCell, ClickingIntoTheAssistListKeepsTheEditOpenAndReportsTheTextSoFar) {
  CGfxInScriptEdit* edit = OpenCell(L"");
  const HWND h = edit->m_hWnd;
  tks::TypeText(h, L"$qx");
  CListBox& list = edit->GetAssistDlg().GetList();
  ASSERT_TRUE(list.IsWindowVisible());
  list.SetFocus();
  tks::PumpUntilIdle();
  ASSERT_TRUE(::IsWindow(h));
  EXPECT_EQ((std::vector<std::wstring>{L"$qx"}), EndTexts());
  // Choosing in the list inserts into the cell, which takes the focus back and goes on.
  CRect item;
  list.GetItemRect(list.GetCurSel(), &item);
  tks::DoubleClick(list.m_hWnd, item.CenterPoint());
  ASSERT_TRUE(::IsWindow(h));
  EXPECT_EQ(h, ::GetFocus());
  tks::PressKey(h, VK_RETURN);
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_EQ(L"$QXAsc(", EndTexts().back());
}

TEST_F(ScriptCell, TheGridOpensTheScriptEditorForScriptColumns) {
  CGfxListCtrl grid;
  ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED,
                          CRect(0, 0, 400, 300), &owner_, 100));
  grid.InsertColumnEx(0, L"Name", LVCFMT_LEFT, 120, 0);
  grid.InsertColumnEx(1, L"Value", LVCFMT_LEFT, 200, 0);
  grid.OnInit();
  for (int i = 0; i < 3; ++i) grid.InsertItemEx(i, DWORD_PTR(i));
  grid.m_masks.dwEdit = 1u << 0;
  grid.m_masks.dwScript = 1u << 1;
  for (int column : {0, 1}) {
    CRichEditCtrl* editor = grid.EditSubLabel(2, column, false);
    ASSERT_NE(nullptr, editor) << column;
    EXPECT_EQ(column == 1, editor->IsKindOf(RUNTIME_CLASS(CGfxInScriptEdit)) != FALSE) << column;
    editor->DestroyWindow();  // the editor deletes itself
  }
  EXPECT_EQ(2, TKWGetScriptManager()->GetCurrentItem());
}

TEST_F(ScriptEditTest, EditorsAssistListsTipsAndCellEditorsLeaveNoHandleBehind) {
  const struct {
    const char* what;
    std::function<void()> run;
  } cases[] = {
      {"editor with coloured call and tip",
       [&] {
         Open();
         tks::TypeText(Edit(), L"$qxrand(");
         editor_->DestroyWindow();
         editor_.reset();
       }},
      {"editor with its assist list open",
       [&] {
         Open();
         tks::TypeText(Edit(), L"1 + $qx");
         editor_->DestroyWindow();
         editor_.reset();  // the assist list goes with the object
       }},
      {"cell editor ended by Enter",
       [&] {
         CGfxInScriptEdit* edit = new CGfxInScriptEdit(0, 1, L"", false);
         edit->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), &list_, 2125);
         edit->Initialize();
         edit->SetKeyWords(TKWGetScriptManager()->GetKeyWords());
         edit->SetFocus();
         tks::TypeText(edit->m_hWnd, L"$qxa");
         tks::PressKey(edit->m_hWnd, VK_RETURN);  // chooses in the list
         tks::PressKey(edit->m_hWnd, VK_RETURN);  // ends the edit
       }},
  };
  for (const auto& c : cases) {
    c.run();  // the first run loads what stays for the process (fonts, classes)
    tks::PumpUntilIdle();
    TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 3; ++i) {
      c.run();
      tks::PumpUntilIdle();
    });
  }
}

}  // namespace
