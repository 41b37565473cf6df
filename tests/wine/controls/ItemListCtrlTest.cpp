// The transaction list: its columns and texts, the red ID cell, marks toggled by clicks and
// carried through sub-transactions, and the Select All menu.
#include "controls/ItemListCtrl.h"
#include "controls/RecentProjectsListCtrl.h"

#include "FrameworkApp.h"
#include "Support.h"

#include <qxres_ids.h>

#include <string>
#include <vector>

namespace {

void UseHostResources() {
  const HMODULE module = tks::HostResources();
  ASSERT_NE(nullptr, module);
}

// The list's parent, counting the marks-changed messages.
class MarkWatcher : public CWnd {
 public:
  int nChanged = 0;

 protected:
  LRESULT OnMarksChanged(WPARAM, LPARAM) {
    ++nChanged;
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(MarkWatcher, CWnd)
  ON_MESSAGE(0x0521, OnMarksChanged)
END_MESSAGE_MAP()

// A login transaction with two steps, and a search without any, shown as three rows.
class ItemListTest : public testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    UseHostResources();
    tks::CreateHostFrame();
    login_ = new CXact(_T("Login"), IDI_QX_RECENT_PROJECT);
    form_ = new CXact(_T("Open form"));
    post_ = new CXact(_T("Post credentials"));
    login_->AddXact(form_);
    login_->AddXact(post_);
    search_ = new CXact(_T("Search"));
    for (CXact* p : {login_, form_, post_}) xacts_.Add(p);
    ASSERT_TRUE(parent_.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_CHILD | WS_VISIBLE,
                                 CRect(0, 0, 600, 300), CWnd::FromHandle(tks::HostFrame()), 1));
    ASSERT_TRUE(
        list_.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                     CRect(0, 0, 580, 280), &parent_, 2));
    list_.SetIconMode(GetParam());
    EXPECT_TRUE(list_.Initialize(&xacts_));
    tks::PumpUntilIdle();
  }
  void TearDown() override {
    list_.DestroyWindow();
    parent_.DestroyWindow();
    delete login_;
    delete search_;
    tks::ClearModalAnswers();
  }
  std::vector<std::wstring> Texts(int nItem) {
    std::vector<std::wstring> texts;
    for (int i = 0; i < list_.GetHeaderCtrl()->GetItemCount(); ++i) {
      CString s;
      list_.GetItemTextEx(nItem, i, s);
      texts.push_back(std::wstring(s));
    }
    return texts;
  }
  POINT CellPoint(int nItem, int nPosition) {
    CRect rc;
    list_.GetSubItemRect(nItem, nPosition, rc);
    return {rc.left + 2, rc.CenterPoint().y};
  }
  std::string Marks() {
    std::string s;
    for (CXact* p : {login_, form_, post_}) s += static_cast<char>('0' + p->GetSelected());
    return s;
  }

  CXact *login_, *form_, *post_, *search_;
  CXactArray xacts_;
  MarkWatcher parent_;
  CItemListCtrl list_;
};

TEST_P(ItemListTest, ShowsEveryTransactionWithItsDefaultColumns) {
  ASSERT_EQ(list_.GetItemCount(), 3);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(list_.GetItemData(i), reinterpret_cast<DWORD_PTR>(xacts_[i])) << "row " << i;
  if (GetParam()) {
    // Icon mode: hidden, Icon, Name, Type; the three mark icons come first in the icon list.
    EXPECT_EQ(Texts(0), (std::vector<std::wstring>{L"10", L"3", L"Login", L""}));
    EXPECT_EQ(Texts(1), (std::vector<std::wstring>{L"10", L"-1", L"Open form", L""}))
        << "a transaction without an icon has no image";
    for (int nMark = 0; nMark < 3; ++nMark) EXPECT_EQ(list_.GetMarkImage(nMark), nMark);
  } else {
    EXPECT_EQ(Texts(0), (std::vector<std::wstring>{L"", L"Login", L""}));
    EXPECT_EQ(list_.GetMarkImage(0), -1);
  }
  CXactArray other;
  other.Add(search_);
  list_.Populate(&other);
  EXPECT_EQ(list_.GetItemCount(), 1);
  EXPECT_EQ(list_.GetXactArray(), &other);
}

TEST_P(ItemListTest, TheIDColumnIsRedAndOnlyCellLooksAreAnswered) {
  for (int nCode : {0, 1, 2, 3, 4}) {
    for (int nColumn : {2, 3}) {
      LXHDREX request;
      request.iNotifyCode = nCode;
      request.iSubItem = nColumn;
      request.dwFlag = 0;
      EXPECT_EQ(list_.GetExInfoCallback(&request), nCode == 0 ? 1 : 0) << "code " << nCode;
      const bool bRed = nCode == 0 && nColumn == 2;
      EXPECT_EQ((request.dwFlag & LXHDREX_TEXTCOLOR) != 0, bRed) << nCode << "/" << nColumn;
      if (bRed) {
        EXPECT_EQ(request.crText, RGB(255, 0, 0));
      }
    }
  }
}

TEST_P(ItemListTest, AClickOnTheFirstColumnTogglesTheMarkThroughTheTree) {
  // Plain mode: the first shown column is ID; icon mode: the mark's image column.
  const int nMarkColumn = GetParam() ? 1 : 0;
  tks::Click(list_.m_hWnd, CellPoint(1, nMarkColumn));
  tks::PumpUntilIdle();
  EXPECT_EQ(Marks(), "210") << "one step of two marked";
  EXPECT_EQ(parent_.nChanged, 1);
  tks::Click(list_.m_hWnd, CellPoint(2, nMarkColumn));
  tks::PumpUntilIdle();
  EXPECT_EQ(Marks(), "111");
  tks::Click(list_.m_hWnd, CellPoint(0, nMarkColumn));
  tks::PumpUntilIdle();
  EXPECT_EQ(Marks(), "000") << "a marked parent clears its subtree";
  tks::Click(list_.m_hWnd, CellPoint(0, GetParam() ? 2 : 1));
  tks::PumpUntilIdle();
  EXPECT_EQ(Marks(), "000") << "the name column selects and does not mark";
  EXPECT_EQ(parent_.nChanged, 3);
  EXPECT_EQ(list_.GetSelected(), login_);
}

TEST_P(ItemListTest, AClickOnASelectedRowMarksTheWholeSelection) {
  for (int i : {1, 2}) list_.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
  tks::Click(list_.m_hWnd, CellPoint(1, GetParam() ? 1 : 0));
  tks::PumpUntilIdle();
  EXPECT_EQ(Marks(), "111");
}

TEST_P(ItemListTest, RightClickOffersSelectAll) {
  std::vector<tks::MenuItem> seen;
  tks::AnswerNextPopupMenu([&](HMENU, const std::vector<tks::MenuItem>& items) -> UINT {
    seen = items;
    return 32156;
  });
  NMITEMACTIVATE click = {};
  click.iItem = 1;
  list_.OnRClick(&click.hdr, nullptr);
  tks::PumpUntilIdle();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, L"Select All");
  EXPECT_EQ(list_.GetSelectedCount(), 3u);
  click.iItem = -1;
  list_.OnRClick(&click.hdr, nullptr);
  EXPECT_EQ(tks::PendingModalAnswers(), 0) << "no menu off the rows";
}

// Both item lists create fonts, image lists and a header of their own: a list that goes leaves
// none of them behind.
TEST(ItemLists, LeaveNoGdiOrUserObjectBehind) {
  UseHostResources();
  tks::CreateHostFrame();
  CXactArray xacts;
  CXact xact(_T("one"), IDI_QX_RECENT_PROJECT);
  xacts.Add(&xact);
  CStringList paths;
  paths.AddTail(_T("C:\\one.qxp"));
  auto cycle = [&](bool bIconMode) {
    CWnd* pFrame = CWnd::FromHandle(tks::HostFrame());
    const DWORD style = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED;
    CItemListCtrl items;
    items.SetIconMode(bIconMode);
    items.Create(style, CRect(0, 0, 300, 200), pFrame, 2);
    items.Initialize(&xacts);
    CRecentProjectsListCtrl recent;
    recent.Create(style, CRect(0, 200, 300, 400), pFrame, 3);
    recent.Initialize(&paths);
    items.UpdateWindow();
    recent.UpdateWindow();
    tks::PumpUntilIdle();
    items.DestroyWindow();
    recent.DestroyWindow();
  };
  cycle(true);  // loads what the process keeps once (icons, class registrations)
  TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 20; ++i) cycle(i % 2 == 0));
}

INSTANTIATE_TEST_SUITE_P(Modes, ItemListTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? "IconMode" : "Plain";
                         });

}  // namespace
