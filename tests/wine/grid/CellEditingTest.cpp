// Cell editing from the list's side: moving between cells from an editor, the choices request
// of an in-place list, and the header's menu with its sort and column commands.
#include "GridFixture.h"

#include "grid/GfxColumnManager.h"
#include "grid/editors/GfxInPercentEdit.h"
#include "grid/editors/InPlaceCombo.h"
#include "grid/editors/GfxPopupMenu.h"

using grid::Use;

namespace {

class CellEditing : public grid::GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    owner_.namedCells = true;
    MakeList(Use::ParentCallbacks, LVS_SHOWSELALWAYS);
    AddRows(3);
  }
  // What an editor sends when the user leaves cell {row, column} in a direction.
  void Leave(int row, int column, WPARAM direction) {
    int cell[2] = {row, column};
    EXPECT_EQ(0, list_->SendMessage(WM_GFXLIST_USERTAB, direction, reinterpret_cast<LPARAM>(cell)));
  }
  int Focused() { return list_->GetNextItem(-1, LVNI_FOCUSED); }
  // The height the list asks for when it creates an in-place list (selection field and dropped
  // list together); the control itself lays the two out by its font.
  static int g_comboHeight;
  static LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t name[32] = {};
    if (code == HCBT_CREATEWND && ::GetClassNameW(HWND(wParam), name, 32) &&
        lstrcmpiW(name, L"ComboBox") == 0)
      g_comboHeight = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs->cy;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HWND Header() { return list_->GetHeaderCtrl()->GetSafeHwnd(); }
  // Right-clicks the header over a column, with the cursor there as a real click has it.
  void RightClickHeader(int column) {
    RECT rc;
    Header_GetItemRect(Header(), column, &rc);
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    POINT screen = pt;
    ::ClientToScreen(Header(), &screen);
    ::SetCursorPos(screen.x, screen.y);
    tks::RightClick(Header(), pt);
    tks::PumpUntilIdle();
  }
};

TEST_F(CellEditing, LeavingAnEditorMovesTheFocusColumnAndTheSelectedRow) {
  // In-place list columns: opening one asks the owner for choices, which it refuses.
  list_->SetComboCol(0);
  list_->SetComboExCol(2);
  const struct {
    const char* what;
    int row, column;
    WPARAM direction;
    int focusColumn;
    std::vector<int> selected;
    bool opens;
  } steps[] = {
      {"Tab goes to the next editable cell", 0, 0, 0, 2, {0}, true},
      {"and wraps to the next row", 0, 2, 0, 0, {1}, true},
      {"Shift+Tab wraps back", 1, 0, 1, 2, {0}, true},
      {"Tab past the last row goes nowhere", 2, 2, 0, 2, {0}, false},
      {"Shift+Tab before the first row goes nowhere", 0, 0, 1, 2, {0}, false},
      {"left one column", 0, 2, 2, 1, {0}, false},
      {"right one column", 0, 1, 3, 2, {0}, false},
      {"not beyond the last", 0, 2, 3, 2, {0}, false},
      {"next row", 0, 2, 5, 2, {1}, false},
      {"previous row", 1, 2, 4, 2, {0}, false},
      {"no row above the first", 0, 2, 4, 2, {0}, false},
  };
  Select({0});
  list_->SetItemState(0, LVIS_FOCUSED, LVIS_FOCUSED);
  for (const auto& step : steps) {
    owner_.requests.clear();
    Leave(step.row, step.column, step.direction);
    EXPECT_EQ(step.focusColumn, list_->GetFocusColumn()) << step.what;
    EXPECT_EQ(step.selected, Selected()) << step.what;
    EXPECT_EQ(step.selected[0], Focused()) << step.what;
    ASSERT_EQ(step.opens ? 1u : 0u, owner_.requests.size()) << step.what;
    if (step.opens) {
      EXPECT_EQ(step.selected[0], owner_.requests[0].item) << step.what;
      EXPECT_EQ(step.focusColumn, owner_.requests[0].subItem) << step.what;
    }
  }

  Select({0, 2});
  Leave(0, 0, 0);
  EXPECT_EQ((std::vector<int>{0, 2}), Selected()) << "a multiple selection is kept";
}

TEST_F(CellEditing, ASecondClickEditsTheCellAndTabCommitsAndOpensTheNextTextCell) {
  list_->SetEditCol(0);
  list_->SetEditCol(1);
  list_->SetNumeric(1);
  tks::Click(list_->m_hWnd, CellCentre(1, 0));
  tks::PumpUntilIdle();
  EXPECT_FALSE(::IsWindow(::GetDlgItem(list_->m_hWnd, 2125))) << "the first click only selects";
  tks::Click(list_->m_hWnd, CellCentre(1, 0));
  tks::PumpUntilIdle();
  HWND editor = ::GetDlgItem(list_->m_hWnd, 2125);
  ASSERT_TRUE(::IsWindow(editor));
  EXPECT_TRUE(CWnd::FromHandle(editor)->IsKindOf(RUNTIME_CLASS(CGfxInEdit)));
  EXPECT_EQ(editor, ::GetFocus());

  owner_.requests.clear();
  ::SetWindowTextW(editor, L"renamed");
  tks::PressKey(editor, VK_TAB);
  EXPECT_FALSE(::IsWindow(editor));
  ASSERT_LE(1u, owner_.requests.size());
  const grid::SeenRequest& commit = owner_.requests[0];
  EXPECT_EQ(NTEX_SETTEXT, commit.code);
  EXPECT_EQ(1, commit.item);
  EXPECT_EQ(0, commit.subItem);
  EXPECT_EQ(L"renamed", commit.text);

  editor = ::GetDlgItem(list_->m_hWnd, 2125);
  ASSERT_TRUE(::IsWindow(editor)) << "the next editable cell opens";
  EXPECT_EQ(1, list_->GetFocusColumn());
  tks::TypeText(editor, L"4x2");
  CString typed;
  ::GetWindowTextW(editor, typed.GetBuffer(16), 16);
  typed.ReleaseBuffer();
  EXPECT_EQ(CString(L"42"), typed) << "a numeric column takes digits only";
  tks::PressKey(editor, VK_ESCAPE);
  tks::PumpUntilIdle();
  EXPECT_FALSE(::IsWindow(editor));
}

TEST_F(CellEditing, APercentCellIsEditedAsAPlainWholeNumber) {
  list_->m_masks.dwPercent = 1u << 1;
  owner_.texts[{1, 1}] = L"42";
  CRichEditCtrl* editor = list_->EditSubLabel(0, 1, false);
  ASSERT_NE(nullptr, editor);
  ASSERT_TRUE(editor->IsKindOf(RUNTIME_CLASS(CGfxInPercentEdit)));
  CString text;
  editor->GetWindowText(text);
  EXPECT_EQ(CString(L"42"), text);
  EXPECT_EQ(0, static_cast<CGfxInPercentEdit*>(editor)->GetDecimals());
  editor->DestroyWindow();
}

TEST_F(CellEditing, AnInPlaceListAsksTheOwnerForItsChoicesWithTheCellText) {
  list_->SetComboExCol(1);
  owner_.texts[{2, 1}] = L"medium";
  owner_.answers[NTEX_COMBOREQUEST] = 0;
  EXPECT_EQ(nullptr, list_->ComboSubLabel(1, 1, true, false));
  ASSERT_EQ(1u, owner_.requests.size());
  const grid::SeenRequest& r = owner_.requests[0];
  EXPECT_EQ(NTEX_COMBOREQUEST, r.code);
  EXPECT_EQ(100, r.listId);
  EXPECT_EQ(1, r.item);
  EXPECT_EQ(1, r.subItem);
  EXPECT_EQ(DWORD_PTR(2), r.itemData);
  EXPECT_EQ(L"medium", r.text);
  EXPECT_EQ(nullptr, list_->ComboSubLabel(1, 7, true, false)) << "no such column";
  EXPECT_EQ(1u, owner_.requests.size());
}

int CellEditing::g_comboHeight = 0;

TEST_F(CellEditing, ASecondClickDropsTheListBelowItsCellAndTheChoiceIsCommitted) {
  list_->SetComboCol(1);
  owner_.texts[{2, 1}] = L"medium";
  owner_.choices = {L"small", L"medium", L"large"};
  owner_.answers[NTEX_COMBOREQUEST] = 1;
  tks::Click(list_->GetSafeHwnd(), CellCentre(1, 1));
  tks::PumpUntilIdle();
  CInPlaceCombo* combo = CInPlaceCombo::GetInstance();
  EXPECT_FALSE(::IsWindow(combo->GetSafeHwnd())) << "the first click only selects";
  HHOOK hook = ::SetWindowsHookExW(WH_CBT, WatchCreation, nullptr, ::GetCurrentThreadId());
  tks::Click(list_->GetSafeHwnd(), CellCentre(1, 1));
  tks::PumpUntilIdle();
  ASSERT_TRUE(::IsWindow(combo->GetSafeHwnd()));
  EXPECT_EQ(1, combo->GetCurSel()) << "the cell's text is selected";
  EXPECT_EQ(Row(1).Height() * (1 + 13), g_comboHeight) << "three choices drop 13 cells";

  owner_.requests.clear();
  tks::PressKey(combo->GetSafeHwnd(), VK_DOWN);
  tks::PressKey(combo->GetSafeHwnd(), VK_RETURN);
  tks::PumpUntilIdle();
  EXPECT_FALSE(::IsWindow(combo->GetSafeHwnd()));
  std::vector<grid::SeenRequest> commits;
  for (const auto& r : owner_.requests)  // repainting the rows asks for their colours too
    if (r.code == NTEX_SETTEXT) commits.push_back(r);
  ASSERT_EQ(1u, commits.size());
  EXPECT_EQ(1, commits[0].item);
  EXPECT_EQ(1, commits[0].subItem);
  EXPECT_EQ(L"large", commits[0].text);

  CStringArray many;
  for (int i = 0; i < 25; ++i) many.Add(L"x");
  ASSERT_EQ(combo, list_->ShowInPlaceList(0, 1, many, L"x", -1));
  ::UnhookWindowsHookEx(hook);
  EXPECT_EQ(Row(0).Height() * (1 + 11), g_comboHeight) << "long lists drop 11 cells";
  list_->SetFocus();
  tks::PumpUntilIdle();
}

TEST_F(CellEditing, TheHeaderMenuSortsTheClickedColumnAndEnablesItsCommands) {
  const struct {
    const char* what;
    bool columnModel;
    ULONGLONG sortFlag;
    std::vector<bool> disabled;  // the five items, separator included
  } cases[] = {
      {"plain list", false, GFXLF_SORT, {false, false, false, true, true}},
      {"no sorting", false, 0, {true, true, false, true, true}},
      {"column model", true, GFXLF_SORT, {false, false, false, false, false}},
  };
  for (const auto& c : cases) {
    if (c.columnModel) list_->CreateColumnManager();
    list_->ModifyFlag(GFXLF_SORT, c.sortFlag, 0);
    std::vector<tks::MenuItem> seen;
    tks::AnswerNextPopupMenu([&](HMENU menu, const std::vector<tks::MenuItem>& items) -> UINT {
      seen = items;
      // Owner-drawn: the labels and images are in the items' records.
      for (size_t i = 0; i < seen.size(); ++i) {
        MENUITEMINFOW mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_DATA | MIIM_FTYPE;
        ::GetMenuItemInfoW(menu, UINT(i), TRUE, &mii);
        EXPECT_TRUE(mii.fType & MFT_OWNERDRAW) << i;
        const auto* record = reinterpret_cast<const CGfxPopupMenu::SpawnItem*>(mii.dwItemData);
        if (!record || i == 2) continue;
        seen[i].text = record->cText;
        EXPECT_GE(record->iImageIdx, 0) << "no image for item " << i;
      }
      return 0;
    });
    RightClickHeader(2);
    EXPECT_EQ(2, list_->m_nClickedHeaderColumn) << c.what;
    ASSERT_EQ(5u, seen.size()) << c.what;
    const std::vector<std::wstring> texts = {L"Sort Ascending", L"Sort Descending", L"",
                                             L"Customize Columns", L"Column Format"};
    const std::vector<UINT> ids = {ID_GFX_SORTASC, ID_GFX_SORTDESC, 0, ID_GFX_CUSTOMIZECOLUMNS,
                                   ID_GFX_COLUMNFORMAT};
    for (size_t i = 0; i < seen.size(); ++i) {
      if (i == 2) {
        EXPECT_TRUE(seen[i].separator);
        continue;
      }
      EXPECT_EQ(texts[i], seen[i].text);
      EXPECT_EQ(ids[i], seen[i].id);
      EXPECT_EQ(c.disabled[i], seen[i].disabled) << c.what << ": " << i;
    }
  }
  delete list_->m_pColumnManager;  // sorting no longer asks the model
  list_->m_pColumnManager = nullptr;

  owner_.texts[{1, 1}] = L"5";
  owner_.texts[{2, 1}] = L"40";
  owner_.texts[{3, 1}] = L"300";
  list_->SetNumeric(1);
  tks::AnswerNextPopupMenu(ID_GFX_SORTDESC);
  RightClickHeader(1);
  EXPECT_EQ((std::vector<DWORD_PTR>{3, 2, 1}), RowData());

  list_->SetShowHeaderPopup(false);
  RightClickHeader(0);
  EXPECT_EQ(0, list_->m_nClickedHeaderColumn) << "remembered even without a menu";
}

// The column dialog the commands run in the next test.
INT_PTR g_dialogAnswer = IDCANCEL;
std::vector<std::pair<UINT, int>> g_dialogRuns;  // command and width of column 1 it saw
INT_PTR ShrinkSecondColumn(UINT command, CGfxColumnManager* manager, CWnd*) {
  CGfxColumnManager::CGfxColumn* column = manager->GetColumnById(1);
  g_dialogRuns.emplace_back(command, column->GetWidth());
  column->SetWidth(33);
  return g_dialogAnswer;
}

TEST_F(CellEditing, ColumnCommandsRunTheDialogOnTheLiveLayoutAndRebuildOnOk) {
  list_->DeleteAllColumns();
  CGfxColumnManager* m = list_->CreateColumnManager();
  m->DefineColumn(0, L"Name", nullptr, LVCFMT_LEFT, 100, 0, -1, nullptr);
  m->DefineColumn(1, L"Size", nullptr, LVCFMT_RIGHT, 60, 0, -1, nullptr);
  const int shown[] = {0, 1};
  m->DefineDefaultColumns(2, shown);
  ASSERT_TRUE(list_->SetupColumnData());
  list_->SetColumnWidth(1, 77);
  CGfxListCtrl::SetColumnDialog(&ShrinkSecondColumn);
  g_dialogRuns.clear();

  g_dialogAnswer = IDCANCEL;
  list_->SendMessage(WM_COMMAND, ID_GFX_COLUMNFORMAT);
  EXPECT_EQ(77, list_->GetColumnWidth(1)) << "cancelled: the list is not rebuilt";
  g_dialogAnswer = IDOK;
  list_->SendMessage(WM_COMMAND, ID_GFX_CUSTOMIZECOLUMNS);
  EXPECT_EQ(33, list_->GetColumnWidth(1));
  CGfxListCtrl::SetColumnDialog(nullptr);
  EXPECT_EQ(
      (std::vector<std::pair<UINT, int>>{{ID_GFX_COLUMNFORMAT, 77}, {ID_GFX_CUSTOMIZECOLUMNS, 77}}),
      g_dialogRuns);
}

}  // namespace
