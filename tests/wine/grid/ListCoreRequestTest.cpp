// The grid's traffic with its owner: cell texts, requests (WM_USER+1 or the virtual answer),
// fonts and colours chosen by the answer, committed edits, and the clipboard text, run against
// a list with callbacks on its parent and against a derived list.
#include "GridFixture.h"

#include <qxres_ids.h>

using grid::SeenRequest;
using grid::Use;

namespace {

class ListCoreUse : public grid::GridFixture, public testing::WithParamInterface<Use> {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    owner_.namedCells = true;
    MakeList(GetParam(), LVS_SHOWSELALWAYS);
  }
  void SetAnswer(LRESULT answer, DWORD flags = 0, COLORREF colour = 0) {
    owner_.answers[NTEX_ITEMINFO] = owner_.answers[NTEX_SETTEXT] = answer;
    owner_.answerFlags = flags;
    owner_.answerColor = colour;
  }
  // Ends an edit of a cell the way an in-place editor does (text null: cancelled).
  void EndEdit(int item, int column, const wchar_t* text) {
    NMLVDISPINFO info = {};
    info.hdr.hwndFrom = list_->GetSafeHwnd();
    info.hdr.idFrom = 100;
    info.hdr.code = LVN_ENDLABELEDIT;
    info.item.iItem = item;
    info.item.iSubItem = column;
    info.item.pszText = const_cast<wchar_t*>(text);
    owner_.SendMessage(WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&info));
  }
  const std::vector<SeenRequest>& Requests() { return owner_.requests; }
};

TEST_P(ListCoreUse, ARequestReachesTheOwnerWithTheListIdentifier) {
  AddRows(2);
  LXHDREX request;
  request.iNotifyCode = NTEX_ITEMINFO;
  request.iItem = 1;
  request.iSubItem = 2;
  request.dwItemData = 2;
  SetAnswer(1);
  EXPECT_EQ(1, list_->SendInfoExMsg(&request));
  ASSERT_EQ(1u, Requests().size());
  EXPECT_EQ(100, Requests()[0].listId) << "a negative list identifier means the control identifier";
  EXPECT_EQ(2, Requests()[0].subItem);

  list_->m_owner.nListId = 7;
  request.iListId = -1;
  list_->SendInfoExMsg(&request);
  ASSERT_EQ(2u, Requests().size());
  EXPECT_EQ(7, Requests()[1].listId);
  EXPECT_EQ(!derived_, Requests()[1].byMessage)
      << "a list that is its own reciper sends no WM_USER+1";
}

TEST_P(ListCoreUse, AskForInfoSelectsTheFontAndColourTheAnswerNames) {
  CClientDC screen(nullptr);
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(&screen));
  LXHDREX request;
  request.iNotifyCode = NTEX_ITEMINFO;
  struct Case {
    DWORD flags;
    HGDIOBJ font;
  } cases[] = {
      {LXHDREX_BOLD, list_->m_tools.fontBold.GetSafeHandle()},
      {LXHDREX_ITALIC, list_->m_tools.fontItalic.GetSafeHandle()},
      {LXHDREX_UNDERLINE, list_->m_tools.fontUnderline.GetSafeHandle()},
      {LXHDREX_BOLD | LXHDREX_ITALIC, list_->m_tools.fontBold.GetSafeHandle()},
      {0, list_->m_tools.fontNormal.GetSafeHandle()},
      {LXHDREX_FONT | LXHDREX_BOLD, ::GetStockObject(SYSTEM_FIXED_FONT)},
  };
  for (const Case& c : cases) {
    SetAnswer(1, c.flags | LXHDREX_TEXTCOLOR, RGB(1, 2, 3));
    request.hfText = static_cast<HFONT>(::GetStockObject(SYSTEM_FIXED_FONT));
    request.dwFlag = 0xFF;  // cleared before sending
    dc.SetTextColor(RGB(9, 9, 9));
    EXPECT_TRUE(list_->AskForInfo(&request, &dc));
    EXPECT_EQ(0u, Requests().back().flags) << "result flags are cleared before the request";
    EXPECT_EQ(c.font, ::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT)) << "flags " << c.flags;
    EXPECT_EQ(RGB(1, 2, 3), dc.GetTextColor());
  }
  SetAnswer(0);
  dc.SetTextColor(RGB(9, 9, 9));
  EXPECT_FALSE(list_->AskForInfo(&request, &dc));
  EXPECT_EQ(RGB(9, 9, 9), dc.GetTextColor()) << "a zero answer changes nothing";
}

TEST_P(ListCoreUse, ACommittedEditIsRequestedAndShownOrFetchedAgain) {
  AddRows(3);
  SetAnswer(1);
  owner_.answerText = L"stored";
  EndEdit(1, 2, L"typed");
  ASSERT_EQ(1u, Requests().size());
  const SeenRequest& r = Requests()[0];
  EXPECT_EQ(NTEX_SETTEXT, r.code);
  EXPECT_EQ(100, r.listId);
  EXPECT_EQ(1, r.item);
  EXPECT_EQ(2, r.subItem);
  EXPECT_EQ(DWORD_PTR(2), r.itemData);
  EXPECT_EQ(L"typed", r.text);
  EXPECT_STREQ(L"stored", list_->GetItemText(1, 2)) << "a non-zero answer shows the record's text";

  SetAnswer(0);
  EndEdit(1, 2, L"again");
  EXPECT_EQ(2u, Requests().size());
  LVITEM item = {};
  wchar_t buffer[32] = L"x";
  item.mask = LVIF_TEXT;
  item.iItem = 1;
  item.iSubItem = 2;
  item.pszText = buffer;
  item.cchTextMax = 32;
  // The list view hands out the callback marker's text by asking the parent.
  owner_.notifications.clear();
  list_->GetItem(&item);
  if (!derived_) {
    EXPECT_TRUE(owner_.Notified(LVN_GETDISPINFOW))
        << "a zero answer puts the cell back on the callback";
  }

  EndEdit(1, 2, nullptr);
  EXPECT_EQ(2u, Requests().size()) << "a cancelled edit asks nothing";
}

TEST_P(ListCoreUse, AnEditGoesToEverySelectedRowOnlyWithTheMultiEditFlag) {
  AddRows(4);
  for (int i : {0, 2, 3}) list_->SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
  EndEdit(2, 1, L"v");
  EXPECT_EQ(1u, Requests().size());

  list_->ModifyFlag(0, GFXLF_MULTIEDIT, 0);
  EndEdit(2, 1, L"v");
  ASSERT_EQ(4u, Requests().size());
  for (size_t i = 1; i < 4; ++i) {
    EXPECT_EQ(NTEX_SETTEXT, Requests()[i].code);
    EXPECT_EQ(L"v", Requests()[i].text);
  }
  EXPECT_EQ(0, Requests()[1].item);
  EXPECT_EQ(2, Requests()[2].item);
  EXPECT_EQ(3, Requests()[3].item);
  EXPECT_EQ(DWORD_PTR(4), Requests()[3].itemData);
}

TEST_P(ListCoreUse, CopyingTheWholeListGivesHeaderAndRowsSeparatedByTabsAndCrLf) {
  AddRows(2);
  owner_.texts[{2, 1}] = L"";  // an empty cell keeps its tab
  ASSERT_TRUE(list_->DoCopyInClipboard(false));
  EXPECT_STREQ(L"Name\tSize\tNotes\r\n1:0\t1:1\t1:2\r\n2:0\t\t2:2", ClipboardText());
  list_->InsertColumnEx(3, L"More", LVCFMT_LEFT, 50, 0);  // each copy reads the columns anew
  ASSERT_TRUE(list_->DoCopyInClipboard(false));
  EXPECT_STREQ(L"Name\tSize\tNotes\tMore\r\n1:0\t1:1\t1:2\t1:3\r\n2:0\t\t2:2\t2:3",
               ClipboardText());
}

TEST_P(ListCoreUse, ImageHeadersAndTheirCellsAreLeftOutOfTheCopy) {
  AddRows(2);
  list_->SetColumnImage(1, 4);  // header text "4_"
  list_->SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  ASSERT_TRUE(list_->DoCopyInClipboard(true));
  EXPECT_STREQ(L"Name\tNotes\r\n2:0\t2:2", ClipboardText())
      << "only the selected row, without the image column";
}

TEST_P(ListCoreUse, CallbacksGetTheDisplayPositionAndTheRowsItemData) {
  const DWORD_PTR wide =
      sizeof(DWORD_PTR) > 4 ? DWORD_PTR(0x123456789ABCULL) : DWORD_PTR(0x89ABCDEF);
  ASSERT_EQ(0, list_->InsertItemEx(0, wide));
  EXPECT_EQ(wide, list_->GetItemData(0)) << "item data is never cut to 32 bits";
  CString text;
  list_->GetItemTextEx(0, 2, text);
  const auto& calls = owner_.textCalls;
  ASSERT_EQ(1u, calls.size());
  EXPECT_EQ(0, calls[0].item);
  EXPECT_EQ(2, calls[0].column);
  EXPECT_EQ(wide, calls[0].data);
  const DWORD_PTR other = 55;
  list_->GetItemTextEx(0, 1, text, &other);
  EXPECT_EQ(other, calls.back().data) << "an explicit item data wins over the row's";
}

TEST_P(ListCoreUse, CtrlCCopiesTheSelectionAndCtrlASelectsEverything) {
  AddRows(3);
  list_->SetFocus();
  tks::PressKey(list_->GetSafeHwnd(), 'A', tks::kCtrl);
  EXPECT_EQ(3, list_->SelectedCount());
  list_->SetItemState(1, 0, LVIS_SELECTED);
  SetClipboardText(L"before");
  tks::PressKey(list_->GetSafeHwnd(), 'C', tks::kCtrl);
  EXPECT_STREQ(L"Name\tSize\tNotes\r\n1:0\t1:1\t1:2\r\n3:0\t3:1\t3:2", ClipboardText());
  EXPECT_FALSE(owner_.Notified(LVN_KEYDOWN)) << "the list keeps its key-down notifications";
}

TEST_P(ListCoreUse, CopyingNoRowKeepsTheClipboardAndAnswersFalse) {
  const struct {
    const char* what;
    int rows;
    bool selectedOnly;
  } cases[] = {
      {"no rows", 0, false}, {"no rows, selection", 0, true}, {"nothing selected", 2, true}};
  for (const auto& c : cases) {
    AddRows(c.rows - list_->GetItemCount());
    SetClipboardText(L"before");
    EXPECT_FALSE(list_->DoCopyInClipboard(c.selectedOnly)) << c.what;
    EXPECT_STREQ(L"before", ClipboardText()) << c.what;
  }
  list_->SetFocus();
  tks::PressKey(list_->GetSafeHwnd(), 'C', tks::kCtrl);
  EXPECT_STREQ(L"before", ClipboardText()) << "Ctrl+C with nothing selected";
}

TEST_P(ListCoreUse, TheParentHearsOfItemDataChangesButNotOfSortRecords) {
  AddRows(3);
  const auto changing = [&] {
    return std::count(owner_.notifications.begin(), owner_.notifications.end(),
                      UINT(LVN_ITEMCHANGING));
  };
  ASSERT_TRUE(list_->SortByColumn(0, false));
  EXPECT_EQ(0, changing()) << "records swapped in and out by the sort";
  list_->SetItemData(0, 42);
  EXPECT_EQ(1, changing()) << "the owner's own change";
}

INSTANTIATE_TEST_SUITE_P(BothUses, ListCoreUse,
                         testing::Values(Use::ParentCallbacks, Use::DerivedList), grid::UseName);

// ---- the default answers of a list that is not its parent's

class ListCoreDefaults : public grid::GridFixture {
 protected:
  void SetUp() override {
    GridFixture::SetUp();
    owner_.namedCells = true;
  }
};

TEST_F(ListCoreDefaults, TheVirtualAnswerOffersTrueAndFalseFromColumnOne) {
  MakeList(Use::ParentCallbacks);
  list_->SetReciper(list_.get());  // not the parent: the virtual answers
  CStringArray choices;
  LXHDREX request;
  request.iNotifyCode = NTEX_COMBOREQUEST;
  request.pcsaChoices = &choices;
  request.iSubItem = 0;
  EXPECT_EQ(0, list_->SendInfoExMsg(&request));
  EXPECT_EQ(0, choices.GetSize());
  request.iSubItem = 1;
  EXPECT_EQ(1, list_->SendInfoExMsg(&request));
  ASSERT_EQ(2, choices.GetSize());
  EXPECT_STREQ(L"true", choices[0]);
  EXPECT_STREQ(L"false", choices[1]);
  request.iNotifyCode = NTEX_ITEMINFO;
  EXPECT_EQ(1, list_->SendInfoExMsg(&request));
  request.iNotifyCode = NTEX_SETTEXT;
  EXPECT_EQ(0, list_->SendInfoExMsg(&request));
  EXPECT_TRUE(owner_.requests.empty());
}

TEST_F(ListCoreDefaults, CopyingAListWithoutColumnsOrRowsLeavesTheClipboardAlone) {
  CreateList(Use::ParentCallbacks);
  SetClipboardText(L"untouched");
  EXPECT_FALSE(list_->DoCopyInClipboard(false));
  EXPECT_FALSE(list_->DoCopyInClipboard(true));
  EXPECT_STREQ(L"untouched", ClipboardText());
}

TEST_F(ListCoreDefaults, TheRightClickMenuOffersOnlyCopyAllAndCopiesTheWholeList) {
  MakeList(Use::ParentCallbacks);
  AddRows(1);
  CString label;
  label.LoadString(IDS_QX_COPY_ALL);
  std::vector<tks::MenuItem> seen;
  tks::AnswerNextPopupMenu([&](HMENU, const std::vector<tks::MenuItem>& items) -> UINT {
    seen = items;
    return ID_GFX_COPYALL;
  });
  SetClipboardText(L"before");
  LRESULT result = 5;
  list_->OnRClick(nullptr, &result);
  tks::PumpUntilIdle();
  EXPECT_EQ(0, result);
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ(UINT(ID_GFX_COPYALL), seen[0].id);
  EXPECT_EQ(std::wstring(label.GetString()), seen[0].text);
  EXPECT_STREQ(L"Name\tSize\tNotes\r\n1:0\t1:1\t1:2", ClipboardText());
}

TEST_F(ListCoreDefaults, HugeCellTextsAreCopiedWhole) {
  MakeList(Use::ParentCallbacks);
  AddRows(2);
  const CString huge(L'x', 100000);
  owner_.texts[{1, 1}] = huge;
  owner_.texts[{2, 2}] = huge;
  ASSERT_TRUE(list_->DoCopyInClipboard(false));
  const CString text = ClipboardText();
  EXPECT_EQ(15 + 2 + (3 + 1 + 100000 + 1 + 3) + 2 + (3 + 1 + 3 + 1 + 100000), text.GetLength());
  EXPECT_EQ(0, text.Find(L"Name\tSize\tNotes\r\n1:0\txxx"));
}

TEST_F(ListCoreDefaults, ARecipersWindowDestroyedFirstNoLongerGetsRequests) {
  MakeList(Use::ParentCallbacks);
  AddRows(1);
  grid::Owner other;
  ASSERT_TRUE(other.Create());
  other.namedCells = true;
  list_->SetReciper(&other);
  other.DestroyWindow();
  LXHDREX request;
  request.iNotifyCode = NTEX_ITEMINFO;
  EXPECT_EQ(1, list_->SendInfoExMsg(&request)) << "the list answers itself";
  EXPECT_TRUE(other.requests.empty());
  EXPECT_TRUE(owner_.requests.empty());
  CString text;
  list_->GetItemTextEx(0, 0, text);  // the callback object still exists
  EXPECT_STREQ(L"1:0", text);
  list_->DestroyWindow();
}

}  // namespace
