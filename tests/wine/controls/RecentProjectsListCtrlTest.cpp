// The recent projects list: its columns and texts, and the Delete key that asks first and
// reports each selected row to the parent.
#include "controls/RecentProjectsListCtrl.h"

#include "FrameworkApp.h"
#include "Support.h"

#include <qxres_ids.h>

#include <string>
#include <vector>

namespace {

// The parent: removes the first selected row for every report, as the owner of the list does.
class RecentOwner : public CWnd {
 public:
  CRecentProjectsListCtrl* pList = nullptr;
  int nReports = 0;

 protected:
  LRESULT OnRemove(WPARAM wParam, LPARAM lParam) {
    EXPECT_EQ(wParam, 0u);
    EXPECT_EQ(lParam, 0);
    ++nReports;
    pList->DeleteItem(pList->GetNextItem(-1, LVNI_SELECTED));
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RecentOwner, CWnd)
  ON_MESSAGE(0x0581, OnRemove)
END_MESSAGE_MAP()

class RecentProjects : public testing::Test {
 protected:
  void SetUp() override {
    const HMODULE module = tks::HostResources();
    ASSERT_NE(nullptr, module);
    tks::CreateHostFrame();
    for (const wchar_t* p : {L"C:\\Projects\\shop.qxp", L"D:\\load\\caf\u00e9.qxp", L"E:\\x.qxp"})
      paths_.AddTail(p);
    ASSERT_TRUE(owner_.CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_CHILD | WS_VISIBLE,
                                CRect(0, 0, 600, 300), CWnd::FromHandle(tks::HostFrame()), 1));
    ASSERT_TRUE(
        list_.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS,
                     CRect(0, 0, 580, 280), &owner_, 2));
    owner_.pList = &list_;
    EXPECT_TRUE(list_.Initialize(&paths_));
  }
  void TearDown() override {
    list_.DestroyWindow();
    owner_.DestroyWindow();
    tks::ClearModalAnswers();
  }

  CStringList paths_;
  RecentOwner owner_;
  CRecentProjectsListCtrl list_;
};

TEST_F(RecentProjects, ShowsOnePathPerRowBesideTheFileIcon) {
  ASSERT_EQ(list_.GetItemCount(), 3);
  EXPECT_EQ(list_.GetRowCount(), 3);
  EXPECT_EQ(list_.GetHeaderCtrl()->GetItemCount(), 2) << "icon and file columns";
  CString strIcon, strPath;
  list_.GetItemTextEx(1, 0, strIcon);
  list_.GetItemTextEx(1, 1, strPath);
  EXPECT_STREQ(strIcon, L"0");
  EXPECT_STREQ(strPath, L"D:\\load\\caf\u00e9.qxp");
  EXPECT_STREQ(list_.GetSelected(), L"");
  for (int i : {0, 2}) list_.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_STREQ(list_.GetSelected(), L"E:\\x.qxp") << "the last selected row wins";
}

TEST_F(RecentProjects, DeleteAsksThenReportsEverySelectedRowFromTheTop) {
  CString strQuestion;
  strQuestion.LoadString(IDS_QX_REMOVE_RECENT_PROJECTS);
  ASSERT_FALSE(strQuestion.IsEmpty());
  const tks::PreTranslateHook previous = tks::SetPreTranslateHook(
      [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
  struct Case {
    std::vector<int> selected;
    int nButton;
    int nReports;
    std::vector<std::wstring> remaining;
  };
  const Case cases[] = {
      {{}, IDYES, 0, {L"C:\\Projects\\shop.qxp", L"D:\\load\\caf\u00e9.qxp", L"E:\\x.qxp"}},
      {{1}, IDNO, 0, {L"C:\\Projects\\shop.qxp", L"D:\\load\\caf\u00e9.qxp", L"E:\\x.qxp"}},
      {{0, 2}, IDYES, 2, {L"D:\\load\\caf\u00e9.qxp"}},
      {{0, 1, 2}, IDYES, 3, {}},
  };
  for (const Case& c : cases) {
    list_.Populate(&paths_);
    owner_.nReports = 0;
    for (int i : c.selected) list_.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    std::wstring asked;
    tks::AnswerNextMessageBox([&](const std::wstring&, const std::wstring& text) {
      asked = text;
      return c.nButton;
    });
    tks::PressKey(list_.m_hWnd, VK_DELETE);
    tks::PumpUntilIdle();
    EXPECT_EQ(asked, std::wstring(strQuestion)) << c.selected.size() << " selected";
    EXPECT_EQ(owner_.nReports, c.nReports) << c.selected.size() << " selected";
    std::vector<std::wstring> remaining;
    for (int i = 0; i < list_.GetItemCount(); ++i)
      remaining.push_back(reinterpret_cast<LPCTSTR>(list_.GetItemData(i)));
    EXPECT_EQ(remaining, c.remaining);
  }
  tks::SetPreTranslateHook(previous);
}

}  // namespace
