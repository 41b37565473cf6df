// The grid's own behaviour: rows, selection and navigation, deleting with confirmation, keys
// and clicks, commands, row heights, scroll bars, the empty-list text, header limits, hit
// testing and bad input.
#include "GridFixture.h"

#include "grid/GfxColumnManager.h"

#include <qxres_ids.h>

#include <functional>

using grid::Use;

namespace {

class ListCore : public grid::GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    owner_.namedCells = true;
    MakeList(Use::DerivedList, LVS_SHOWSELALWAYS);
  }
  int RowHeight() { return Row(0).Height(); }
  // Keys reach the list through the framework's pre-translation, as in a host.
  struct PreTranslating {
    tks::PreTranslateHook previous = tks::SetPreTranslateHook(
        [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
    ~PreTranslating() { tks::SetPreTranslateHook(previous); }
  };
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

  list_->SetSubItemImage(0, 2, 12);
  EXPECT_STREQ(L"12", list_->GetItemText(0, 2)) << "sub-item images are stored as text";
  list_->ModifyFlag(GFXLF_IMAGECOLUMNS, 0, 0);
  list_->SetSubItemImage(0, 1, 3);
  EXPECT_STREQ(L"", list_->GetItemText(0, 1)) << "only with image columns on";
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
  EXPECT_FALSE(list_->EnableMoveNext()) << "an empty list goes nowhere";
  list_->OnMoveNextRecord();
  AddRows(4);
  EXPECT_EQ(DWORD_PTR(0), list_->GetSelected());
  EXPECT_TRUE(list_->EnableMoveNext()) << "with no selection the first row is next";
  EXPECT_FALSE(list_->EnableMovePrev());

  list_->OnMoveLastRecord();
  EXPECT_EQ((std::vector<int>{3}), Selected());
  EXPECT_FALSE(list_->EnableMoveNext());
  list_->OnMoveNextRecord();
  EXPECT_EQ((std::vector<int>{3}), Selected());

  list_->OnMovePrevRecord();
  EXPECT_EQ((std::vector<int>{2, 3}), Selected()) << "the other rows keep their states";
  EXPECT_EQ(2, list_->GetNextItem(-1, LVNI_FOCUSED));
  EXPECT_EQ(DWORD_PTR(3), list_->GetSelected());

  list_->RemoveAllSelection();
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
  tks::AnswerNextMessageBox(IDNO);
  list_->OnDelete();
  EXPECT_EQ(5, list_->GetItemCount()) << "no deletes on No";

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

  Select({2});
  tks::AnswerNextMessageBox(IDYES);
  list_->OnDelete();
  EXPECT_EQ((std::vector<DWORD_PTR>{1, 3}), RowData());
  EXPECT_EQ((std::vector<int>{1}), Selected()) << "the last row when nothing follows";
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

// ---- keys and clicks

TEST_F(ListCore, KeysCallTheListsOperations) {
  AddRows(2);
  PreTranslating hook;
  list_->SetFocus();
  const HWND hwnd = list_->GetSafeHwnd();
  for (auto key : {std::make_pair(UINT(VK_F5), 0u),
                   {'V', tks::kCtrl},
                   {'P', tks::kCtrl},
                   {'V', 0u},
                   {VK_RETURN, tks::kAlt}})
    tks::PressKey(hwnd, key.first, key.second);
  EXPECT_EQ(1, derived_->refreshes);
  EXPECT_EQ(1, derived_->pastes) << "V alone pastes nothing";
  EXPECT_EQ(1, derived_->prints);
  EXPECT_EQ((std::vector<int>{-1}), derived_->properties) << "Alt+Enter opens the properties";

  // Left and right move the focus column within the columns of a focused row.
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
  PreTranslating hook;
  list_->SetFocus();
  Select({1});
  list_->SetFocusColumn(1);
  const struct {
    const char* what;
    std::function<void()> change;
    size_t properties;
  } steps[] = {
      {"a plain cell", [] {}, 1},
      {"an editable focus column takes Enter for its editor", [&] { list_->SetEditCol(1); }, 1},
      {"without editing by Enter the properties open",
       [&] { list_->ModifyFlag(GFXLF_ENTEREDIT, 0, 0); }, 2},
      {"neither flag: Enter goes to the list view",
       [&] { list_->ModifyFlag(GFXLF_ENTERPROPERTIES, 0, 0); }, 2},
  };
  for (const auto& step : steps) {
    step.change();
    tks::PressKey(list_->GetSafeHwnd(), VK_RETURN);
    EXPECT_EQ(step.properties, derived_->properties.size()) << step.what;
  }
}

TEST_F(ListCore, ClicksSetTheFocusColumnAndReachTheParentAndADoubleClickOpensProperties) {
  AddRows(3);
  const HWND hwnd = list_->GetSafeHwnd();
  tks::Click(hwnd, CellCentre(1, 2));
  tks::PumpUntilIdle();
  EXPECT_EQ(2, list_->GetFocusColumn());
  EXPECT_EQ((std::vector<int>{1}), Selected());
  EXPECT_TRUE(owner_.Notified(NM_CLICK));
  owner_.notifications.clear();
  tks::Click(hwnd, CPoint(10, 190));
  tks::PumpUntilIdle();
  EXPECT_TRUE(owner_.Notified(NM_CLICK)) << "a click on no row goes on to the parent";

  tks::DoubleClick(hwnd, CellCentre(2, 1));
  tks::PumpUntilIdle();
  EXPECT_EQ((std::vector<int>{2}), derived_->properties);
  EXPECT_TRUE(owner_.Notified(NM_DBLCLK)) << "the list view's own handling follows";
}

// ---- commands

TEST_F(ListCore, ViewCommandsChangeTheViewAndRepopulate) {
  const struct {
    UINT id;
    DWORD view;
  } commands[] = {{ID_GFX_LISTVIEW, LVS_LIST},
                  {ID_GFX_LISTVIEW, LVS_LIST},
                  {ID_GFX_SMALLICONVIEW, LVS_SMALLICON},
                  {ID_GFX_LARGEICONVIEW, LVS_ICON},
                  {ID_GFX_REPORTVIEW, LVS_REPORT}};
  for (const auto& c : commands) {
    list_->SendMessage(WM_COMMAND, c.id);
    EXPECT_EQ(c.view, list_->GetStyle() & LVS_TYPEMASK) << c.id;
  }
  EXPECT_EQ((std::vector<int>{-1, -1, -1, -1, -1}), derived_->populates)
      << "even an unchanged view repopulates";
}

class EnabledProbe : public CCmdUI {
 public:
  void Enable(BOOL on) override { enabled = on; }
  BOOL enabled = -1;
};

TEST_F(ListCore, ColumnCommandsAreEnabledWhileAColumnModelExists) {
  for (bool model : {false, true}) {
    if (model) list_->CreateColumnManager();
    for (UINT id : {UINT(ID_GFX_COLUMNFORMAT), UINT(ID_GFX_CUSTOMIZECOLUMNS)}) {
      EnabledProbe probe;
      probe.m_nID = id;
      EXPECT_TRUE(list_->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &probe, nullptr));
      EXPECT_EQ(model, probe.enabled != FALSE) << id;
    }
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
  list_->CreateCategoryManager();
  list_->SetItemHeight(20, true);
  EXPECT_EQ(20, RowHeight()) << "with a category manager every row has the category height";
}

TEST_F(ListCore, TheStateImageInsetFollowsTheStateImageList) {
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

// Whether a bar shows, and whether it is disabled.
std::pair<bool, bool> Bar(HWND hwnd, LONG idObject) {
  SCROLLBARINFO info = {};
  info.cbSize = sizeof(info);
  if (!::GetScrollBarInfo(hwnd, idObject, &info)) return {false, false};
  return {!(info.rgstate[0] & STATE_SYSTEM_INVISIBLE),
          (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) != 0};
}

TEST_F(ListCore, BothScrollBarsShowAndAreDisabledWhileEverythingFits) {
  EXPECT_LT(tks::PumpUntilIdle(), 500)
      << "the bars and the list view settle instead of repainting forever";
  const HWND hwnd = list_->GetSafeHwnd();
  EXPECT_EQ(std::make_pair(true, true), Bar(hwnd, OBJID_VSCROLL)) << "no rows";
  EXPECT_EQ(std::make_pair(true, true), Bar(hwnd, OBJID_HSCROLL)) << "no rows";

  AddRows(40);
  list_->SetColumnWidth(2, 600);
  EXPECT_LT(tks::PumpUntilIdle(), 500);
  list_->ResetScrollBar();
  EXPECT_EQ(std::make_pair(true, false), Bar(hwnd, OBJID_VSCROLL)) << "more rows than a page";
  EXPECT_EQ(std::make_pair(true, false), Bar(hwnd, OBJID_HSCROLL)) << "wider than the client";

  list_->ModifyFlag(GFXLF_SCROLLBARS, 0, 0);
  list_->DeleteAllItems();
  list_->SetColumnWidth(2, 50);
  tks::PumpUntilIdle();
  EXPECT_FALSE(Bar(hwnd, OBJID_VSCROLL).first) << "without the flag the list view decides";
}

TEST_F(ListCore, AnEmptyListShowsItsTextInABandUnderTheHeader) {
  list_->SetShowEmptyListText(true);
  list_->SetEmptyListText(L"Nothing here");
  list_->SetBkColor(grid::kWhite);
  list_->SetTextBkColor(RGB(200, 255, 200));
  CRect header, client;
  list_->GetHeaderCtrl()->GetWindowRect(&header);
  list_->ScreenToClient(&header);
  list_->GetClientRect(&client);
  const tks::Capture shot = tks::CaptureWindow(list_->GetSafeHwnd());
  const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
  EXPECT_EQ(RGB(200, 255, 200), shot.AtClient(2, header.bottom + 2))
      << "the band starts 2 pixels below the header";
  EXPECT_EQ(RGB(200, 255, 200), shot.AtClient(2, header.bottom + 16)) << "and is 15 pixels high";
  EXPECT_EQ(grid::kWhite, shot.AtClient(2, header.bottom + 17));
  int greyLeft = 10000, greyRight = -1, greyOutside = 0;
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
  list_->SetBkColor(grid::kWhite);
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
  AddRows(2);
  Select({0});
  tks::PumpUntilIdle();
  CRect update, client;
  list_->GetClientRect(&client);
  for (int mode : {2, 1}) {
    Select({0});
    list_->m_background.nMode = mode;
    list_->ValidateRect(nullptr);
    list_->SetItemState(0, 0, LVIS_SELECTED);
    ASSERT_TRUE(list_->GetUpdateRect(&update));
    EXPECT_EQ(mode == 2, client.right == update.right)
        << "mode " << mode << ": the row is repainted to the client's right edge only in mode 2";
  }
}

// ---- header limits and hit testing

LRESULT SendHeaderNotify(CGfxListCtrl& list, UINT code, int item, int width) {
  HDITEM hdi = {};
  hdi.mask = HDI_WIDTH;
  hdi.cxy = width;
  NMHEADER nm = {};
  nm.hdr.hwndFrom = list.GetHeaderCtrl()->GetSafeHwnd();
  nm.hdr.code = code;
  nm.iItem = item;
  nm.pitem = &hdi;
  return list.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nm));
}

TEST_F(ListCore, FixedWidthColumnsCannotBeTrackedAndOnlyTheFirstGoesBelowSixteen) {
  list_->GetGfxHeader().m_dwFixedWidthMask = 1u << 1;
  const struct {
    UINT code;
    int item, width;
    LRESULT refused;
  } cases[] = {{HDN_BEGINTRACKW, 1, 0, 1},
               {HDN_BEGINTRACKW, 2, 0, 0},
               {HDN_ITEMCHANGINGW, 2, 15, 1},
               {HDN_ITEMCHANGINGW, 2, 16, 0},
               {HDN_ITEMCHANGINGW, 0, 0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(c.refused, SendHeaderNotify(*list_, c.code, c.item, c.width))
        << c.code << " column " << c.item << " width " << c.width;
  list_->SetColumnWidth(2, 10);
  EXPECT_EQ(100, list_->GetColumnWidth(2)) << "narrowing below 16 is refused";
}

TEST_F(ListCore, HitTestingFindsRowAndColumnAndCellRectanglesLeavePreviewsOut) {
  AddRows(3);
  int column = -1;
  CPoint centre = CellCentre(1, 1), edge(100, Row(2).top + 1), empty(20, 190);
  EXPECT_EQ(1, list_->HitTestEx(centre, &column));
  EXPECT_EQ(1, column);
  EXPECT_EQ(2, list_->HitTestEx(edge, &column));
  EXPECT_EQ(0, column) << "the boundary belongs to the column on its left";
  EXPECT_EQ(-1, list_->HitTestEx(empty, &column));

  CRect cell;
  list_->GetSubItemRect(1, 2, cell);
  EXPECT_EQ(CRect(160, cell.top, 260, cell.bottom), cell);
  CRect unchanged(1, 2, 3, 4);
  list_->GetSubItemRect(1, 7, unchanged);
  EXPECT_EQ(CRect(1, 2, 3, 4), unchanged) << "no such column";
  list_->SetColumnWidth(0, 4);
  list_->GetSubItemRect(1, 0, unchanged);
  EXPECT_EQ(CRect(1, 2, 3, 4), unchanged) << "columns under 5 pixels have no cell";
  EXPECT_FALSE(list_->EnsureSubItemVisible(0));
  EXPECT_FALSE(list_->EnsureSubItemVisible(3));

  list_->SetAutoPreviewHeight(10);
  const CRect row = Row(1);
  RECT rc = {};
  CPoint inPreview(120, row.bottom - 3), inCell(30, row.top + 2);
  EXPECT_EQ(-1, list_->CellRectFromPoint(inPreview, &rc, &column));
  EXPECT_EQ(1, list_->HitTestEx(inPreview, &column)) << "the row itself includes its preview";
  EXPECT_EQ(1, list_->CellRectFromPoint(inCell, &rc, &column));
  EXPECT_EQ(1, column);
  EXPECT_EQ(row.bottom - 10, rc.bottom);
}

TEST_F(ListCore, AColumnBeyondTheClientIsScrolledIntoView) {
  AddRows(2);
  list_->SetColumnWidth(1, 500);
  CRect client, header, cell;
  list_->GetClientRect(&client);
  EXPECT_TRUE(list_->EnsureSubItemVisible(2));
  list_->GetHeaderCtrl()->GetItemRect(2, &header);
  list_->GetHeaderCtrl()->MapWindowPoints(list_.get(), &header);
  EXPECT_EQ(client.right, header.right) << "scrolled by the overhang";
  list_->CalculateCellRect(0, 1, cell);
  EXPECT_EQ(0, cell.left) << "the first column is scrolled back";
}

// ---- bad input and resources

TEST_F(ListCore, ThirtyTwoColumnsAreTheLimit) {
  for (int i = 3; i < 32; ++i)
    EXPECT_EQ(i, list_->InsertColumnEx(i, L"c", LVCFMT_LEFT, 20, GFXCOL_EDIT));
  EXPECT_EQ(-1, list_->InsertColumnEx(32, L"c", LVCFMT_LEFT, 20, 0));
  EXPECT_TRUE(list_->IsEditCol(31));
  AddRows(1);
  ASSERT_TRUE(list_->DoCopyInClipboard(false));
  CString text = ClipboardText();
  EXPECT_EQ(31 + 31, text.Remove(L'\t')) << "every column in the header line and the row";
}

TEST_F(ListCore, AHundredListsLeaveNoGdiOrUserObjects) {
  auto once = [&] {
    CGfxListCtrl list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, CRect(0, 0, 300, 200),
                &owner_, 101);
    list.InsertColumnEx(0, L"A", LVCFMT_LEFT, 50, 0);
    list.OnInit();
    list.InsertItemEx(0, 1);
    list.CreateCategoryManager();
    list.DestroyWindow();
  };
  once();  // first-use allocations (classes, stock objects) are not leaks
  TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 100; ++i) once());
}

// ---- registry

TEST(ListCoreRegistry, GetRegKeyReadsADefaultValueOfAtMost260Bytes) {
  const wchar_t kKey[] = L"Software\\Velotrace Tests\\ListCoreRegKey";
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &key, nullptr));
  const struct {
    std::wstring value;
    LONG result;
    const wchar_t* read;
  } cases[] = {{L"htmlfile", ERROR_SUCCESS, L"htmlfile"},
               {std::wstring(200, L'x'), ERROR_MORE_DATA, L""}};  // nothing past 260 bytes
  wchar_t out[200];
  for (const auto& c : cases) {
    ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(c.value.c_str()),
                     DWORD((c.value.size() + 1) * 2));
    wcscpy(out, L"junk");
    EXPECT_EQ(c.result, CGfxListCtrl::GetRegKey(HKEY_CURRENT_USER, kKey, out));
    EXPECT_STREQ(c.read, out);
  }
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
