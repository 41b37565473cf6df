// The grid's own behaviour: rows, selection and navigation, deleting with confirmation, keys
// and clicks, commands, row heights, recorded colours, scroll bars, the empty-list text,
// header limits, hit testing and bad input.
#include "ListCoreFixture.h"

#include "grid/GfxColumnManager.h"

#include <qxres_ids.h>

using listcore::Use;

namespace {

class ListCore : public listcore::ListFixture {
 protected:
  void SetUp() override {
    ListFixture::SetUp();
    MakeList(Use::DerivedList);
  }
  std::vector<DWORD_PTR> RowData() {
    std::vector<DWORD_PTR> data;
    for (int i = 0; i < list_->GetItemCount(); ++i) data.push_back(list_->GetItemData(i));
    return data;
  }
  std::vector<int> Selected() {
    std::vector<int> rows;
    for (int i = list_->GetNextItem(-1, LVNI_SELECTED); i >= 0;
         i = list_->GetNextItem(i, LVNI_SELECTED))
      rows.push_back(i);
    return rows;
  }
  void Select(std::initializer_list<int> rows) {
    list_->SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (int i : rows) list_->SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
  }
  int RowHeight() {
    CRect rc;
    list_->GetItemRect(0, &rc, LVIR_BOUNDS);
    return rc.Height();
  }
  CPoint CellCentre(int item, int column) {
    CRect rc;
    list_->GetSubItemRect(item, column, rc);
    return rc.CenterPoint();
  }
};

// ---- rows

TEST_F(ListCore, RowsAreInsertedDeletedAndRefreshedByPositionAndBadPositionsDoNothing) {
  AddRows(3);
  EXPECT_EQ(1, list_->InsertItemEx(1, 9));
  EXPECT_EQ((std::vector<DWORD_PTR>{1, 9, 2, 3}), RowData());
  EXPECT_EQ(-1, list_->InsertItemEx(-5, 10));
  EXPECT_TRUE(list_->DeleteItemEx(1, 9));
  EXPECT_FALSE(list_->DeleteItemEx(3, 3)) << "no row 3";
  EXPECT_FALSE(list_->DeleteItemEx(-1, 1));
  EXPECT_EQ((std::vector<DWORD_PTR>{1, 2, 3}), RowData());

  list_->ModifyItemEx(0, 1, 1, L"fixed");
  EXPECT_STREQ(L"fixed", list_->GetItemText(0, 1));
  list_->ModifyItemEx(0, 1, 1);
  EXPECT_STREQ(L"", list_->GetItemText(0, 1)) << "back on the callback";
  list_->ModifyItemEx(7, 1, 1, L"x");
  list_->ModifyItemEx(0, 9, 1, L"x");
  list_->ModifyItemEx(0, -1, 1);
  EXPECT_EQ(3, list_->GetItemCount());
}

TEST_F(ListCore, SubItemImagesAreStoredAsTextOnlyWithImageColumnsOn) {
  AddRows(1);
  list_->SetSubItemImage(0, 2, 12);
  EXPECT_STREQ(L"12", list_->GetItemText(0, 2));
  list_->ModifyFlag(GFXLF_IMAGECOLUMNS, 0, 0);
  list_->SetSubItemImage(0, 1, 3);
  EXPECT_STREQ(L"", list_->GetItemText(0, 1));
  list_->SetSubItemImage(4, 1, 3);
}

TEST_F(ListCore, RemovingAnyFlagClearsTheHighHalf) {
  list_->ModifyFlag(0, 0x100000000ULL, 0);
  EXPECT_EQ(GFXLF_DEFAULT | 0x100000000ULL, list_->GetFlag());
  list_->ModifyFlag(GFXLF_TIPS, 0, SWP_FRAMECHANGED);
  EXPECT_EQ(GFXLF_DEFAULT & ~ULONGLONG(GFXLF_TIPS), list_->GetFlag());
}

// ---- selection and navigation

TEST_F(ListCore, RecordNavigationFollowsTheFirstSelectedRow) {
  EXPECT_FALSE(list_->EnableMoveFirst());
  EXPECT_FALSE(list_->EnableMoveNext()) << "an empty list goes nowhere";
  list_->OnMoveNextRecord();
  AddRows(4);
  EXPECT_EQ(DWORD_PTR(0), list_->GetSelected());
  EXPECT_TRUE(list_->EnableMoveNext()) << "with no selection the first row is next";
  EXPECT_FALSE(list_->EnableMovePrev());

  list_->OnMoveLastRecord();
  EXPECT_EQ((std::vector<int>{3}), Selected());
  EXPECT_EQ(3, list_->GetNextItem(-1, LVNI_FOCUSED));
  EXPECT_FALSE(list_->EnableMoveNext());
  EXPECT_FALSE(list_->EnableMoveLast());
  list_->OnMoveNextRecord();
  EXPECT_EQ((std::vector<int>{3}), Selected());

  list_->OnMovePrevRecord();
  EXPECT_EQ((std::vector<int>{2, 3}), Selected()) << "the other rows keep their states";
  EXPECT_EQ(2, list_->GetNextItem(-1, LVNI_FOCUSED));
  EXPECT_EQ(DWORD_PTR(3), list_->GetSelected());
  EXPECT_EQ(2, list_->SelectedCount());

  list_->RemoveAllSelection();
  EXPECT_TRUE(Selected().empty());
  EXPECT_EQ(-1, list_->GetNextItem(-1, LVNI_FOCUSED));
  list_->OnMoveFirstRecord();
  EXPECT_EQ((std::vector<int>{0}), Selected());
  EXPECT_FALSE(list_->EnableMovePrev());
  EXPECT_TRUE(list_->EnableMoveLast());
  list_->OnSelectAll();
  EXPECT_EQ(4, list_->SelectedCount());
}

// ---- deleting

TEST_F(ListCore, DeletingAsksOnceAndKeepsTheRowsTheOwnerRefuses) {
  AddRows(5);
  derived_->refusedData[3] = true;
  Select({1, 2, 3});
  std::wstring question;
  tks::AnswerNextMessageBox([&](const std::wstring&, const std::wstring& text) {
    question = text;
    return IDYES;
  });
  list_->SetFocus();
  tks::PressKey(list_->GetSafeHwnd(), VK_DELETE);
  CString expected;
  expected.LoadString(IDS_QX_DELETE_SELECTED_ITEMS);
  EXPECT_EQ(std::wstring(expected.GetString()), question);
  EXPECT_EQ((std::vector<DWORD_PTR>{1, 3, 5}), RowData())
      << "rows 2 and 4 deleted, the refused row 3 stays";
  EXPECT_EQ((std::vector<int>{1, 2}), Selected())
      << "the refused row stays selected, the row after the last deletion is selected";
  EXPECT_EQ(2, list_->GetNextItem(-1, LVNI_FOCUSED));
}

TEST_F(ListCore, NoDeletesOnNoAndTheLastRowIsSelectedWhenNothingFollows) {
  AddRows(3);
  Select({2});
  tks::AnswerNextMessageBox(IDNO);
  list_->OnDelete();
  EXPECT_EQ(3, list_->GetItemCount());
  tks::AnswerNextMessageBox(IDYES);
  list_->OnDelete();
  EXPECT_EQ((std::vector<DWORD_PTR>{1, 2}), RowData());
  EXPECT_EQ((std::vector<int>{1}), Selected());
}

TEST_F(ListCore, ReadOnlyListsAndEmptySelectionsAskNothing) {
  AddRows(2);
  list_->OnDelete();  // nothing selected: no box (the watchdog would fail the test)
  Select({0});
  list_->SetReadOnly(1);
  list_->OnDelete();
  list_->SetFocus();
  tks::PressKey(list_->GetSafeHwnd(), VK_DELETE);
  tks::PressKey(list_->GetSafeHwnd(), VK_INSERT);
  list_->SetReadOnly(0);
  list_->SetAllowDelete(false);
  tks::PressKey(list_->GetSafeHwnd(), VK_DELETE);
  EXPECT_EQ(2, list_->GetItemCount());
  EXPECT_EQ(0, derived_->inserts);
  tks::PressKey(list_->GetSafeHwnd(), VK_INSERT);
  EXPECT_EQ(1, derived_->inserts);
}

// ---- keys

TEST_F(ListCore, KeysCallTheListsOperations) {
  AddRows(2);
  tks::PreTranslateHook previous = tks::SetPreTranslateHook(
      [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
  list_->SetFocus();
  const HWND hwnd = list_->GetSafeHwnd();
  tks::PressKey(hwnd, VK_F5);
  tks::PressKey(hwnd, 'V', tks::kCtrl);
  tks::PressKey(hwnd, 'P', tks::kCtrl);
  tks::PressKey(hwnd, 'V');
  tks::PressKey(hwnd, VK_RETURN, tks::kAlt);
  EXPECT_EQ(1, derived_->refreshes);
  EXPECT_EQ(1, derived_->pastes) << "V alone pastes nothing";
  EXPECT_EQ(1, derived_->prints);
  EXPECT_EQ((std::vector<int>{-1}), derived_->properties) << "Alt+Enter opens the properties";
  tks::SetPreTranslateHook(previous);
}

TEST_F(ListCore, LeftAndRightMoveTheFocusColumnWithinTheColumnsOfAFocusedRow) {
  AddRows(2);
  const HWND hwnd = list_->GetSafeHwnd();
  list_->SetFocus();
  tks::PressKey(hwnd, VK_RIGHT);
  EXPECT_EQ(-1, list_->GetFocusColumn()) << "no focused row, no focus column";
  list_->SetItemState(0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  for (int i = 0; i < 5; ++i) tks::PressKey(hwnd, VK_RIGHT);
  EXPECT_EQ(2, list_->GetFocusColumn());
  for (int i = 0; i < 5; ++i) tks::PressKey(hwnd, VK_LEFT);
  EXPECT_EQ(0, list_->GetFocusColumn());
}

TEST_F(ListCore, EnterOpensThePropertiesOfARowWithoutAnEditableCell) {
  AddRows(2);
  const HWND hwnd = list_->GetSafeHwnd();
  tks::PreTranslateHook previous = tks::SetPreTranslateHook(
      [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
  list_->SetFocus();
  Select({1});
  list_->SetFocusColumn(1);
  tks::PressKey(hwnd, VK_RETURN);
  EXPECT_EQ((std::vector<int>{-1}), derived_->properties);
  list_->SetEditCol(1);
  tks::PressKey(hwnd, VK_RETURN);
  EXPECT_EQ(1u, derived_->properties.size())
      << "an editable focus column takes Enter for its editor";
  list_->ModifyFlag(GFXLF_ENTEREDIT, 0, 0);
  tks::PressKey(hwnd, VK_RETURN);
  EXPECT_EQ(2u, derived_->properties.size()) << "without editing by Enter the properties open";
  list_->ModifyFlag(GFXLF_ENTERPROPERTIES, 0, 0);
  tks::PressKey(hwnd, VK_RETURN);
  EXPECT_EQ(2u, derived_->properties.size()) << "neither flag: Enter goes to the list view";
  tks::SetPreTranslateHook(previous);
}

// ---- clicks

TEST_F(ListCore, AClickSetsTheFocusColumnAndReachesTheParentWhenNoEditorOpens) {
  AddRows(3);
  const HWND hwnd = list_->GetSafeHwnd();
  tks::Click(hwnd, CellCentre(1, 2));
  tks::PumpUntilIdle();
  EXPECT_EQ(2, list_->GetFocusColumn());
  EXPECT_EQ((std::vector<int>{1}), Selected());
  EXPECT_EQ(1, list_->GetNextItem(-1, LVNI_FOCUSED));
  EXPECT_NE(owner_.notifications.end(),
            std::find(owner_.notifications.begin(), owner_.notifications.end(), UINT(NM_CLICK)));

  owner_.notifications.clear();
  CPoint below(10, 190);
  tks::Click(hwnd, below);
  tks::PumpUntilIdle();
  EXPECT_NE(owner_.notifications.end(),
            std::find(owner_.notifications.begin(), owner_.notifications.end(), UINT(NM_CLICK)))
      << "a click on no row goes on to the parent";
}

TEST_F(ListCore, ADoubleClickOpensTheRowsProperties) {
  AddRows(3);
  tks::DoubleClick(list_->GetSafeHwnd(), CellCentre(2, 1));
  tks::PumpUntilIdle();
  EXPECT_EQ((std::vector<int>{2}), derived_->properties);
  EXPECT_NE(owner_.notifications.end(),
            std::find(owner_.notifications.begin(), owner_.notifications.end(), UINT(NM_DBLCLK)))
      << "the list view's own handling follows";
}

// ---- commands

TEST_F(ListCore, ViewCommandsChangeTheViewAndRepopulate) {
  list_->SendMessage(WM_COMMAND, ID_GFX_LISTVIEW);
  EXPECT_EQ(DWORD(LVS_LIST), list_->GetStyle() & LVS_TYPEMASK);
  list_->SendMessage(WM_COMMAND, ID_GFX_LISTVIEW);
  list_->SendMessage(WM_COMMAND, ID_GFX_SMALLICONVIEW);
  EXPECT_EQ(DWORD(LVS_SMALLICON), list_->GetStyle() & LVS_TYPEMASK);
  list_->SendMessage(WM_COMMAND, ID_GFX_LARGEICONVIEW);
  EXPECT_EQ(DWORD(LVS_ICON), list_->GetStyle() & LVS_TYPEMASK);
  list_->SendMessage(WM_COMMAND, ID_GFX_REPORTVIEW);
  EXPECT_EQ(DWORD(LVS_REPORT), list_->GetStyle() & LVS_TYPEMASK);
  EXPECT_EQ((std::vector<int>{-1, -1, -1, -1, -1}), derived_->populates)
      << "even an unchanged view repopulates";
}

class EnabledProbe : public CCmdUI {
 public:
  void Enable(BOOL on) override { enabled = on; }
  BOOL enabled = -1;
};

TEST_F(ListCore, ColumnCommandsAreEnabledWhileAColumnModelExists) {
  for (UINT id : {UINT(ID_GFX_COLUMNFORMAT), UINT(ID_GFX_CUSTOMIZECOLUMNS)}) {
    EnabledProbe probe;
    probe.m_nID = id;
    EXPECT_TRUE(list_->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &probe, nullptr));
    EXPECT_FALSE(probe.enabled) << id;
  }
  list_->CreateColumnManager();
  for (UINT id : {UINT(ID_GFX_COLUMNFORMAT), UINT(ID_GFX_CUSTOMIZECOLUMNS)}) {
    EnabledProbe probe;
    probe.m_nID = id;
    list_->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &probe, nullptr);
    EXPECT_TRUE(probe.enabled) << id;
  }
}

// ---- looks

TEST_F(ListCore, RowHeightsFollowTheSettersAndTheCategoryManager) {
  AddRows(2);
  EXPECT_EQ(17, RowHeight());
  list_->SetItemHeight(25);
  EXPECT_EQ(25, RowHeight());
  list_->SetAutoPreviewHeight(10);
  EXPECT_EQ(35, RowHeight()) << "the auto-preview area adds to the row";
  EXPECT_EQ(10, list_->GetAutoPreviewHeight());
  list_->CreateCategoryManager();
  list_->SetItemHeight(20, true);
  EXPECT_EQ(20, RowHeight()) << "with a category manager every row has the category height";
}

TEST_F(ListCore, ColoursAndTheStateImageListAreRecordedAndPassedOn) {
  list_->SetTextColor(RGB(1, 2, 3));
  list_->SetTextBkColor(RGB(4, 5, 6));
  list_->SetBkColor(RGB(7, 8, 9));
  EXPECT_EQ(RGB(1, 2, 3), list_->m_colours.crText);
  EXPECT_EQ(RGB(4, 5, 6), list_->m_colours.crTextBk);
  EXPECT_EQ(RGB(7, 8, 9), list_->m_colours.crBackground);
  EXPECT_EQ(RGB(1, 2, 3), list_->GetTextColor());
  EXPECT_EQ(RGB(4, 5, 6), list_->GetTextBkColor());
  EXPECT_EQ(RGB(7, 8, 9), list_->GetBkColor());

  CImageList images;
  ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 0, 1));
  list_->SetImageList(&images, LVSIL_STATE);
  EXPECT_EQ(0, list_->m_rows.nStateImageInset) << "an empty state list has no icons";
  images.Add(::LoadIcon(nullptr, IDI_APPLICATION));
  list_->SetImageList(&images, LVSIL_STATE);
  EXPECT_EQ(2, list_->m_rows.nStateImageInset);
  EXPECT_EQ(images.GetSafeHandle(), list_->GetImageList(LVSIL_STATE)->GetSafeHandle());
  list_->SetImageList(nullptr, LVSIL_STATE);
  EXPECT_EQ(0, list_->m_rows.nStateImageInset);
}

bool BarShownAndDisabled(HWND hwnd, LONG idObject, bool& disabled) {
  SCROLLBARINFO info = {};
  info.cbSize = sizeof(info);
  if (!::GetScrollBarInfo(hwnd, idObject, &info)) return false;
  disabled = (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0;
  return !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

TEST_F(ListCore, BothScrollBarsShowAndAreDisabledWhileEverythingFits) {
  tks::ShowHostFrame(true);
  EXPECT_LT(tks::PumpUntilIdle(), 500)
      << "the bars and the list view settle instead of repainting forever";
  tks::PumpUntilIdle();
  bool disabled = false;
  EXPECT_TRUE(BarShownAndDisabled(list_->GetSafeHwnd(), OBJID_VSCROLL, disabled));
  EXPECT_TRUE(disabled) << "no rows: vertical disabled";
  EXPECT_TRUE(BarShownAndDisabled(list_->GetSafeHwnd(), OBJID_HSCROLL, disabled));
  EXPECT_TRUE(disabled) << "no rows: horizontal disabled";

  AddRows(40);
  list_->SetColumnWidth(2, 600);
  EXPECT_LT(tks::PumpUntilIdle(), 500);
  list_->ResetScrollBar();
  EXPECT_TRUE(BarShownAndDisabled(list_->GetSafeHwnd(), OBJID_VSCROLL, disabled));
  EXPECT_FALSE(disabled) << "more rows than a page";
  EXPECT_TRUE(BarShownAndDisabled(list_->GetSafeHwnd(), OBJID_HSCROLL, disabled));
  EXPECT_FALSE(disabled) << "rows wider than the client";

  list_->ModifyFlag(GFXLF_SCROLLBARS, 0, 0);
  list_->DeleteAllItems();
  list_->SetColumnWidth(2, 50);
  tks::PumpUntilIdle();
  EXPECT_FALSE(BarShownAndDisabled(list_->GetSafeHwnd(), OBJID_VSCROLL, disabled))
      << "without the flag the list view decides";
  tks::ShowHostFrame(false);
}

TEST_F(ListCore, AnEmptyListShowsItsTextInABandUnderTheHeader) {
  list_->SetShowEmptyListText(true);
  list_->SetEmptyListText(L"Nothing here");
  list_->SetBkColor(RGB(255, 255, 255));
  list_->SetTextBkColor(RGB(200, 255, 200));
  CRect header;
  list_->GetHeaderCtrl()->GetWindowRect(&header);
  list_->ScreenToClient(&header);
  const tks::Capture shot = tks::CaptureWindow(list_->GetSafeHwnd());
  const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
  EXPECT_EQ(RGB(200, 255, 200), shot.AtClient(2, header.bottom + 2))
      << "the band starts 2 pixels below the header";
  EXPECT_EQ(RGB(200, 255, 200), shot.AtClient(2, header.bottom + 16)) << "and is 15 pixels high";
  EXPECT_EQ(RGB(255, 255, 255), shot.AtClient(2, header.bottom + 17));
  int greyLeft = 10000, greyRight = -1, greyOutside = 0;
  CRect client;
  list_->GetClientRect(&client);
  for (int y = header.bottom; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x)
      if (shot.AtClient(x, y) == grey) {
        if (y < header.bottom + 2 || y > header.bottom + 16) ++greyOutside;
        greyLeft = std::min(greyLeft, x);
        greyRight = std::max(greyRight, x);
      }
  ASSERT_GE(greyRight, 0) << "the text is drawn in the grey-text colour";
  EXPECT_EQ(0, greyOutside);
  EXPECT_NEAR(client.right - 1 - greyRight, greyLeft, 6) << "centred (glyph ink is not symmetric)";

  AddRows(1);
  const tks::Capture rows = tks::CaptureWindow(list_->GetSafeHwnd());
  for (int x = 0; x < client.right; ++x)
    ASSERT_NE(grey, rows.AtClient(x, header.bottom + 24)) << "no text once rows exist";
}

TEST_F(ListCore, AnEmptyListShowsItsPictureCentredInModeOne) {
  CClientDC screen(nullptr);
  ASSERT_TRUE(list_->m_background.bitmap.CreateCompatibleBitmap(&screen, 40, 20));
  {
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* old = dc.SelectObject(&list_->m_background.bitmap);
    dc.FillSolidRect(0, 0, 40, 20, RGB(255, 0, 0));
    dc.SelectObject(old);
  }
  list_->m_background.nWidth = 40;
  list_->m_background.nHeight = 20;
  list_->m_background.nMode = 1;
  list_->SetBkColor(RGB(255, 255, 255));
  CRect client;
  list_->GetClientRect(&client);
  const int left = (client.Width() - 40) / 2, top = (client.Height() - 20) / 2;
  tks::Capture shot = tks::CaptureWindow(list_->GetSafeHwnd());
  EXPECT_EQ(RGB(255, 0, 0), shot.AtClient(left, top));
  EXPECT_EQ(RGB(255, 0, 0), shot.AtClient(left + 39, top + 19));
  EXPECT_NE(RGB(255, 0, 0), shot.AtClient(left - 1, top));
  EXPECT_NE(RGB(255, 0, 0), shot.AtClient(left + 40, top + 19));

  list_->m_background.nMode = 2;
  shot = tks::CaptureWindow(list_->GetSafeHwnd());
  EXPECT_NE(RGB(255, 0, 0), shot.AtClient(left + 5, top + 5)) << "only mode 1 centres the picture";
}

TEST_F(ListCore, LosingTheSelectionRepaintsTheRowAcrossTheClientOverAPicture) {
  tks::ShowHostFrame(true);
  AddRows(2);
  Select({0});
  tks::PumpUntilIdle();
  list_->m_background.nMode = 2;
  list_->ValidateRect(nullptr);
  list_->SetItemState(0, 0, LVIS_SELECTED);
  CRect update, client;
  list_->GetClientRect(&client);
  ASSERT_TRUE(list_->GetUpdateRect(&update));
  EXPECT_EQ(client.right, update.right) << "the row is repainted to the client's right edge";

  list_->m_background.nMode = 1;
  Select({0});
  list_->ValidateRect(nullptr);
  list_->SetItemState(0, 0, LVIS_SELECTED);
  list_->GetUpdateRect(&update);
  EXPECT_GT(client.right, update.right) << "in mode 1 only the list view repaints the row";
  tks::ShowHostFrame(false);
}

// ---- header limits

LRESULT SendHeaderNotify(CGfxListCtrl& list, UINT code, int item, int width) {
  HDITEM hdi = {};
  hdi.mask = HDI_WIDTH;
  hdi.cxy = width;
  NMHEADER nm = {};
  nm.hdr.hwndFrom = list.GetHeaderCtrl()->GetSafeHwnd();
  nm.hdr.idFrom = 0;
  nm.hdr.code = code;
  nm.iItem = item;
  nm.pitem = &hdi;
  return list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
}

TEST_F(ListCore, FixedWidthColumnsCannotBeTrackedAndOnlyTheFirstGoesBelowSixteen) {
  list_->GetGfxHeader().m_dwFixedWidthMask = 1u << 1;
  EXPECT_EQ(1, SendHeaderNotify(*list_, HDN_BEGINTRACKW, 1, 0));
  EXPECT_EQ(0, SendHeaderNotify(*list_, HDN_BEGINTRACKW, 2, 0));
  EXPECT_EQ(1, SendHeaderNotify(*list_, HDN_ITEMCHANGINGW, 2, 15));
  EXPECT_EQ(0, SendHeaderNotify(*list_, HDN_ITEMCHANGINGW, 2, 16));
  EXPECT_EQ(0, SendHeaderNotify(*list_, HDN_ITEMCHANGINGW, 0, 0));
  list_->SetColumnWidth(2, 10);
  EXPECT_EQ(120, list_->GetColumnWidth(2)) << "narrowing below 16 is refused";
  list_->SetColumnWidth(0, 0);
  EXPECT_EQ(0, list_->GetColumnWidth(0));
}

// ---- hit testing

TEST_F(ListCore, HitTestingFindsRowAndColumnAndCellRectanglesLeavePreviewsOut) {
  AddRows(3);
  int column = -1;
  CPoint point = CellCentre(1, 1);
  EXPECT_EQ(1, list_->HitTestEx(point, &column));
  EXPECT_EQ(1, column);
  CRect row;
  list_->GetItemRect(2, &row, LVIR_BOUNDS);
  CPoint edge(100, row.top + 1);  // the boundary belongs to the column on its left
  EXPECT_EQ(2, list_->HitTestEx(edge, &column));
  EXPECT_EQ(0, column);
  CPoint empty(20, 190);
  EXPECT_EQ(-1, list_->HitTestEx(empty, &column));
  EXPECT_EQ(0, column);

  CRect cell;
  list_->GetSubItemRect(1, 2, cell);
  EXPECT_EQ(160, cell.left);
  EXPECT_EQ(280, cell.right);
  CRect unchanged(1, 2, 3, 4);
  list_->GetSubItemRect(1, 7, unchanged);
  EXPECT_EQ(CRect(1, 2, 3, 4), unchanged) << "no such column";
  list_->SetColumnWidth(0, 4);
  list_->GetSubItemRect(1, 0, unchanged);
  EXPECT_EQ(CRect(1, 2, 3, 4), unchanged) << "columns under 5 pixels have no cell";
  EXPECT_FALSE(list_->EnsureSubItemVisible(0));
  EXPECT_FALSE(list_->EnsureSubItemVisible(3));

  list_->SetAutoPreviewHeight(10);
  list_->GetItemRect(1, &row, LVIR_BOUNDS);
  RECT rc = {};
  CPoint inPreview(120, row.bottom - 3);
  EXPECT_EQ(-1, list_->CellRectFromPoint(inPreview, &rc, &column));
  EXPECT_EQ(1, list_->HitTestEx(inPreview, &column)) << "the row itself includes its preview";
  CPoint inCell(30, row.top + 2);  // column 0 is 4 pixels wide now
  EXPECT_EQ(1, list_->CellRectFromPoint(inCell, &rc, &column));
  EXPECT_EQ(1, column);
  EXPECT_EQ(row.bottom - 10, rc.bottom);
}

TEST_F(ListCore, AColumnBeyondTheClientIsScrolledIntoView) {
  AddRows(2);
  list_->SetColumnWidth(1, 500);
  CRect client;
  list_->GetClientRect(&client);
  EXPECT_TRUE(list_->EnsureSubItemVisible(2));
  CRect header;
  list_->GetHeaderCtrl()->GetItemRect(2, &header);
  list_->GetHeaderCtrl()->MapWindowPoints(list_, &header);
  EXPECT_EQ(client.right, header.right) << "scrolled by the overhang";
  CRect cell;
  list_->CalculateCellRect(0, 1, cell);
  EXPECT_EQ(0, cell.left) << "the first column is scrolled back";
  EXPECT_EQ(100, cell.right);
}

// ---- bad input and resources

TEST_F(ListCore, ThirtyTwoColumnsAreTheLimit) {
  for (int i = 3; i < 32; ++i)
    EXPECT_EQ(i, list_->InsertColumnEx(i, L"c", LVCFMT_LEFT, 20, GFXCOL_EDIT));
  EXPECT_EQ(-1, list_->InsertColumnEx(32, L"c", LVCFMT_LEFT, 20, 0));
  EXPECT_EQ(32, list_->GetColumnCount());
  EXPECT_TRUE(list_->IsEditCol(31));
  AddRows(1);
  ASSERT_TRUE(list_->DoCopyInClipboard(false));
  CString text = ClipboardText();
  EXPECT_EQ(31 + 31, text.Remove(L'\t')) << "every column in the header line and the row";
}

TEST(ListCoreResources, AHundredListsLeaveNoGdiOrUserObjects) {
  listcore::Owner owner;
  ASSERT_TRUE(owner.Create());
  auto once = [&] {
    CGfxListCtrl list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 300, 200),
                &owner, 100);
    list.InsertColumnEx(0, L"A", LVCFMT_LEFT, 50, 0);
    list.OnInit();
    list.InsertItemEx(0, 1);
    list.CreateCategoryManager();
    list.DestroyWindow();
  };
  once();  // first-use allocations (classes, stock objects) are not leaks
  TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 100; ++i) once());
  owner.DestroyWindow();
}

// ---- registry

TEST(ListCoreRegistry, GetRegKeyReadsADefaultValueOfAtMost260Bytes) {
  const wchar_t kKey[] = L"Software\\Velotrace Tests\\ListCoreRegKey";
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &key, nullptr));
  const std::wstring value = L"htmlfile";
  ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   DWORD((value.size() + 1) * 2));
  wchar_t out[200] = L"junk";
  EXPECT_EQ(ERROR_SUCCESS, CGfxListCtrl::GetRegKey(HKEY_CURRENT_USER, kKey, out));
  EXPECT_STREQ(L"htmlfile", out);

  const std::wstring tooLong(200, L'x');
  ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(tooLong.c_str()),
                   DWORD((tooLong.size() + 1) * 2));
  wcscpy(out, L"junk");
  EXPECT_EQ(ERROR_MORE_DATA, CGfxListCtrl::GetRegKey(HKEY_CURRENT_USER, kKey, out));
  EXPECT_STREQ(L"", out) << "nothing is copied past 260 bytes";
  ::RegCloseKey(key);
  ::RegDeleteKeyW(HKEY_CURRENT_USER, kKey);

  wcscpy(out, L"junk");
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, CGfxListCtrl::GetRegKey(HKEY_CURRENT_USER, kKey, out));
  EXPECT_STREQ(L"", out);
}

// Sets a default value of a key under the classes root, and puts the old one back afterwards.
class ClassesRootValue {
 public:
  ClassesRootValue(const wchar_t* key, const std::wstring& value) : key_(key) {
    wchar_t old[260] = {};
    LONG size = sizeof(old);
    had_ = ::RegQueryValueW(HKEY_CLASSES_ROOT, key, old, &size) == ERROR_SUCCESS;
    old_ = old;
    Set(value);
  }
  ~ClassesRootValue() {
    if (had_)
      Set(old_);
    else
      ::RegDeleteKeyW(HKEY_CLASSES_ROOT, key_.c_str());
  }

 private:
  void Set(const std::wstring& value) {
    ::RegSetValueW(HKEY_CLASSES_ROOT, key_.c_str(), REG_SZ, value.c_str(),
                   DWORD(value.size() * sizeof(wchar_t)));
  }
  std::wstring key_, old_;
  bool had_ = false;
};

TEST(ListCoreRegistry, ALinkTheShellCannotOpenStartsTheBrowserAndHandsOverItsProcess) {
  HINSTANCE result = nullptr;
  {
    ClassesRootValue htm(L".htm", L"TKWTest.Browser");
    ClassesRootValue command(L"TKWTest.Browser\\shell\\open\\command",
                             L"\"C:\\windows\\system32\\cmd.exe\" /c exit \"%1\"");
    result = CGfxListCtrl::GotoURL(L"C:\\no\\such\\folder\\page.tkwlink", SW_HIDE);
  }
  ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TKWTest.Browser");
  ASSERT_GT(reinterpret_cast<INT_PTR>(result), 32);
  HANDLE process = reinterpret_cast<HANDLE>(result);
  EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process, 20000))
      << "the answer is the started browser's process, still open for the caller";
  EXPECT_TRUE(::CloseHandle(process));
}

}  // namespace
