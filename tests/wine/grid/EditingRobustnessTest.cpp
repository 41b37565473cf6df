// Cell editing under hostile owners and extreme data: rows and lists that vanish under an open
// editor, huge texts and choice lists, and columns too narrow for an editor.
#include "GridFixture.h"

#include <afxres.h>
#include <qxres_ids.h>

#include "grid/editors/GfxInEdit.h"
#include "grid/editors/GfxPopupMenu.h"
#include "grid/editors/InPlaceCombo.h"

using grid::Use;

namespace {

const UINT kEditorId = 2125;

class EditingRobustness : public grid::GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    owner_.namedCells = true;
    MakeList(Use::ParentCallbacks, LVS_SHOWSELALWAYS);
    AddRows(3);
    list_->SetEditCol(0);
    list_->SetComboCol(1);
    owner_.answers[NTEX_COMBOREQUEST] = 1;
    owner_.choices = {L"small", L"large"};
  }
  HWND Editor() { return ::GetDlgItem(list_->m_hWnd, kEditorId); }
  HWND Combo() { return CInPlaceCombo::GetInstance()->GetSafeHwnd(); }
  std::vector<grid::SeenRequest> Commits() {
    std::vector<grid::SeenRequest> commits;
    for (const auto& r : owner_.requests)
      if (r.code == NTEX_SETTEXT) commits.push_back(r);
    return commits;
  }
};

TEST_F(EditingRobustness, ARowDeletedUnderAnOpenEditorTakesNoCommit) {
  const struct {
    const char* what;
    bool combo;
    bool all;  // every row deleted, else only the edited one
  } cases[] = {
      {"text editor, its row", false, false},
      {"text editor, all rows", false, true},
      {"in-place list, its row", true, false},
      {"in-place list, all rows", true, true},
  };
  for (const auto& c : cases) {
    if (list_->GetItemCount() < 3) AddRows(3 - list_->GetItemCount(), 10);
    owner_.requests.clear();
    HWND editor = c.combo ? (list_->ComboSubLabel(2, 1, false, false), Combo())
                          : (list_->EditSubLabel(2, 0, false), Editor());
    ASSERT_TRUE(::IsWindow(editor)) << c.what;
    if (c.all)
      list_->DeleteAllItems();
    else
      list_->DeleteItem(2);
    if (!c.combo) tks::TypeText(editor, L"x");
    tks::PressKey(editor, VK_RETURN);
    tks::PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(editor)) << c.what;
    EXPECT_TRUE(Commits().empty()) << c.what;
  }
}

TEST_F(EditingRobustness, TheOwnerMayDestroyTheListWhileAnEditIsReported) {
  const struct {
    const char* what;
    bool combo;
    UINT key;  // 0: a typed character reported as it changes the cell
  } cases[] = {
      {"Enter in the text editor", false, VK_RETURN},  {"Tab in the text editor", false, VK_TAB},
      {"Down in the text editor", false, VK_DOWN},     {"a typed character", false, 0},
      {"Enter in the in-place list", true, VK_RETURN},
  };
  for (const auto& c : cases) {
    if (!list_) {
      MakeList(Use::ParentCallbacks, LVS_SHOWSELALWAYS);
      AddRows(3);
      list_->SetEditCol(0);
      list_->SetComboCol(1);
    }
    owner_.onRequest = [this](LXHDREX* r) {
      if (r->iNotifyCode == NTEX_SETTEXT) list_->DestroyWindow();
    };
    HWND editor = c.combo ? (list_->ComboSubLabel(1, 1, false, false), Combo())
                          : (list_->EditSubLabel(1, 0, false), Editor());
    ASSERT_TRUE(::IsWindow(editor)) << c.what;
    if (c.combo) tks::PressKey(editor, VK_DOWN);
    tks::TypeText(editor, c.combo ? L"" : L"y");
    if (c.key) tks::PressKey(editor, c.key);
    tks::PumpUntilIdle();
    owner_.onRequest = nullptr;
    EXPECT_FALSE(::IsWindow(list_->GetSafeHwnd())) << c.what;
    EXPECT_FALSE(::IsWindow(editor)) << c.what;
    list_.reset();
  }
}

TEST_F(EditingRobustness, HugeChoiceListsAndCellTextsAreShownAndCommittedWhole) {
  owner_.choices.clear();
  for (int i = 0; i < 100000; ++i) {
    CString choice;
    choice.Format(L"choice %06d", i);
    owner_.choices.push_back(choice);
  }
  CInPlaceCombo* combo = list_->ComboSubLabel(0, 1, false, false);
  ASSERT_NE(nullptr, combo);
  EXPECT_EQ(100000, combo->GetCount());
  combo->SetCurSel(99999);
  owner_.requests.clear();
  tks::PressKey(combo->GetSafeHwnd(), VK_RETURN);
  tks::PumpUntilIdle();
  ASSERT_EQ(1u, Commits().size());
  EXPECT_EQ(L"choice 099999", Commits()[0].text);

  const std::wstring huge(100000, L'w');
  owner_.texts[{1, 0}] = huge.c_str();
  CRichEditCtrl* editor = list_->EditSubLabel(0, 0, false);
  ASSERT_NE(nullptr, editor);
  EXPECT_EQ(100000, editor->GetWindowTextLength());
  owner_.requests.clear();
  editor->SetSel(-1, -1);
  tks::TypeText(editor->m_hWnd, L"!");
  HWND hEditor = editor->m_hWnd;
  tks::PressKey(hEditor, VK_RETURN);
  tks::PumpUntilIdle();
  EXPECT_FALSE(::IsWindow(hEditor));
  ASSERT_FALSE(Commits().empty());
  EXPECT_EQ(huge + L"!", Commits().back().text);
}

TEST_F(EditingRobustness, DestroyingTheListClosesItsOpenEditorOrTip) {
  const wchar_t kLong[] = L"A note far too long for the hundred pixels of its column";
  enum Open { kText, kList, kTip };
  for (Open open : {kText, kList, kTip}) {
    if (!list_) {
      MakeList(Use::ParentCallbacks, LVS_SHOWSELALWAYS);
      AddRows(3);
      list_->SetEditCol(0);
      list_->SetComboCol(1);
    }
    HWND shown = nullptr;
    if (open == kText) {
      list_->EditSubLabel(0, 0, false);
      shown = Editor();
    } else if (open == kList) {
      list_->ComboSubLabel(0, 1, false, false);
      shown = Combo();
    } else {
      owner_.texts[{1, 2}] = kLong;
      list_->SetFocus();
      tks::MoveMouse(list_->m_hWnd, CellCentre(0, 2));
      shown = list_->m_wndTip.GetSafeHwnd();
    }
    ASSERT_TRUE(::IsWindowVisible(shown)) << open;
    list_->DestroyWindow();
    tks::PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(shown)) << open;
    list_.reset();
  }
  // The shared in-place list opens again over a new list.
  MakeList(Use::ParentCallbacks, LVS_SHOWSELALWAYS);
  AddRows(1);
  list_->SetComboCol(1);
  ASSERT_NE(nullptr, list_->ComboSubLabel(0, 1, false, false));
  EXPECT_EQ(list_->m_hWnd, ::GetParent(Combo()));
}

TEST_F(EditingRobustness, NarrowColumnsOpenNoEditor) {
  // Only the first column may be narrowed this far: the header keeps the others at 16 pixels.
  list_->SetComboCol(0);
  const struct {
    int width;
    bool asked;  // the owner is asked for choices before the list's own width check
  } cases[] = {{0, false}, {4, false}, {5, true}, {9, true}};
  for (const auto& c : cases) {
    list_->SetColumnWidth(0, c.width);
    ASSERT_EQ(c.width, list_->GetColumnWidth(0));
    owner_.requests.clear();
    EXPECT_EQ(nullptr, list_->ComboSubLabel(0, 0, false, false)) << c.width;
    EXPECT_FALSE(::IsWindow(Combo())) << c.width;
    EXPECT_EQ(c.asked ? 1u : 0u, owner_.requests.size()) << c.width;
    if (c.width < 5) {
      EXPECT_EQ(nullptr, list_->EditSubLabel(0, 0, false)) << c.width;
    }
  }
}

}  // namespace

namespace {

// Open, type into and commit one editor, or track and dismiss one popup menu.
enum class Cycle { Text, Percent, InPlaceList, PopupMenu };

class EditorCycles : public EditingRobustness {
 protected:
  void Run(Cycle kind) {
    owner_.requests.clear();
    switch (kind) {
      case Cycle::Text:
      case Cycle::Percent: {
        CRichEditCtrl* editor = list_->EditSubLabel(0, kind == Cycle::Text ? 0 : 2, false);
        ASSERT_NE(nullptr, editor);
        const HWND hEditor = editor->m_hWnd;
        tks::TypeText(hEditor, L"7");
        tks::PressKey(hEditor, VK_RETURN);
        break;
      }
      case Cycle::InPlaceList:
        ASSERT_NE(nullptr, list_->ComboSubLabel(0, 1, false, false));
        tks::PressKey(Combo(), VK_DOWN);
        tks::PressKey(Combo(), VK_RETURN);
        break;
      case Cycle::PopupMenu: {
        CGfxPopupMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, ID_EDIT_CUT, L"Cut");
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING, ID_EDIT_COPY, L"Copy");
        menu.LoadToolBarResource(IDR_QX_MENU_TOOLBAR);
        menu.RemapMenu(&menu);
        tks::AnswerNextPopupMenu(0u);
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 100, 100, list_.get());
        menu.DestroyMenu();
        break;
      }
    }
    tks::PumpUntilIdle();
  }
};

TEST_F(EditorCycles, RepeatedEditsAndMenusLeaveNoGdiOrUserObjects) {
  const int kCycles = 150;  // about 20 s under wine
  list_->m_masks.dwPercent = 1u << 2;
  for (Cycle kind : {Cycle::Text, Cycle::Percent, Cycle::InPlaceList, Cycle::PopupMenu}) {
    Run(kind);  // first use creates what is shared and kept (fonts, the in-place list)
    const tks::GuiLeakCheck check;
    for (int i = 0; i < kCycles && !HasFatalFailure(); ++i) Run(kind);
    EXPECT_EQ(0, check.Delta().gdi) << "GDI objects left by kind " << int(kind);
    EXPECT_EQ(0, check.Delta().user) << "USER objects left by kind " << int(kind);
  }
}

}  // namespace
