// TKWPropertyPage: the wizard-data operations on a sheet's shared data, the keys a page
// keeps for its controls and those it leaves to the main frame's accelerators.
#include "WizardFixture.h"

#include <memory>
#include <vector>

#include "QXJob.h"
#include "QXTest.h"
#include "QXXact.h"
#include "controls/Item.h"

namespace {

// Transactions of this class are the ones a test collects.
class CLeafXact : public CXact {
  DECLARE_DYNAMIC(CLeafXact)

 public:
  explicit CLeafXact(LPCTSTR name) : CXact(name) {}
};
IMPLEMENT_DYNAMIC(CLeafXact, CXact)

// Opens the protected wizard-data operations to the tests.
class CDataPage : public wiztest::CCountingPage {
 public:
  using TKWPropertyPage::AddToWizData;
  using TKWPropertyPage::DeleteFromWizData;
  using TKWPropertyPage::FindTestItem;
  using TKWPropertyPage::IsFolderInWizData;
  using TKWPropertyPage::IsPageDataInWizData;
  using TKWPropertyPage::TransferItems;
};

class PageTest : public wiztest::WizardTest {
 protected:
  TKWPropertySheet sheet{L"Wizard"};
  CDataPage page;
  void SetUp() override {
    wiztest::WizardTest::SetUp();
    sheet.SetupPropertyPage(&page);
  }
};

TEST_F(PageTest, ListsHoldAnObjectOnceAndOnlyTheThreeListsExist) {
  CXact xact(L"x");
  for (int list : {1, 2, 3}) {
    SCOPED_TRACE(list);
    EXPECT_TRUE(page.AddToWizData(&xact, list));
    EXPECT_FALSE(page.AddToWizData(&xact, list)) << "never twice";
    EXPECT_TRUE(page.IsFolderInWizData(&xact, list));
    EXPECT_TRUE(page.DeleteFromWizData(&xact, list));
    EXPECT_FALSE(page.IsFolderInWizData(&xact, list));
  }
  EXPECT_FALSE(page.AddToWizData(&xact, 4));
  EXPECT_FALSE(page.IsFolderInWizData(&xact, 0));

  CPageData* pRecord = new CPageData(12);
  EXPECT_FALSE(page.IsPageDataInWizData(pRecord));
  sheet.m_WizData.m_arrPageData.Add(pRecord);  // the data frees it
  EXPECT_TRUE(page.IsPageDataInWizData(pRecord));
  EXPECT_FALSE(page.IsPageDataInWizData(nullptr));
}

TEST_F(PageTest, TransferTakesEveryTransactionOfTheClassOutOfTheTreeInOrder) {
  // root: a*, b (c*, e), d*   (* of the collected class)
  CXact root(L"root");
  auto* b = new CXact(L"b");
  CXact* a = new CLeafXact(L"a");
  CXact* c = new CLeafXact(L"c");
  CXact* d = new CLeafXact(L"d");
  root.AddXact(a);
  root.AddXact(b);
  root.AddXact(d);
  b->AddXact(c);
  b->AddXact(new CXact(L"e"));
  CTest test;
  EXPECT_FALSE(page.TransferItems(&test, &root, RUNTIME_CLASS(CLeafXact)));
  ASSERT_EQ(3, test.GetXactCount());
  EXPECT_EQ(a, test.GetXact(0));
  EXPECT_EQ(c, test.GetXact(1));
  EXPECT_EQ(d, test.GetXact(2));
  ASSERT_EQ(1, root.GetXactCount());
  EXPECT_EQ(b, root.GetXact(0));
  EXPECT_EQ(1, b->GetXactCount()) << "e stays where it was";
}

// An item with children of its own (the base item has none).
class CTreeItem : public CItem {
 public:
  explicit CTreeItem(std::vector<CItem*> children = {}) : m_children(std::move(children)) {}
  int GetChildCount() override { return int(m_children.size()); }
  CItem* GetChild(int nIndex) override { return m_children[size_t(nIndex)]; }

 private:
  std::vector<CItem*> m_children;
};

class CTestItem : public CItem {
  DECLARE_DYNAMIC(CTestItem)
};
IMPLEMENT_DYNAMIC(CTestItem, CItem)

TEST_F(PageTest, FindTestItemSearchesDepthFirstAndForgetsOnAMiss) {
  CTestItem deep, shallow;
  CTreeItem folder({&deep});
  CTreeItem root({&folder, &shallow});
  EXPECT_EQ(&deep, page.FindTestItem(&root, RUNTIME_CLASS(CTestItem))) << "pre-order";
  EXPECT_EQ(&deep, page.m_pFoundItem);
  EXPECT_EQ(nullptr, page.FindTestItem(&root, RUNTIME_CLASS(CXact)));
  EXPECT_EQ(nullptr, page.m_pFoundItem);
}

TEST_F(PageTest, WizardJobGathersTheTestsInOrderIntoANamedJob) {
  sheet.m_strJobName = L"Nightly";
  sheet.m_WizData.m_strJobSetting = L"loop=3";
  CTest* t1 = new CTest;
  CTest* t2 = new CTest;
  sheet.m_WizData.m_arrTests.Add(t1);
  sheet.m_WizData.m_arrTests.Add(t2);
  EXPECT_TRUE(page.AddWizardJob());
  EXPECT_EQ(0, sheet.m_WizData.m_arrTests.GetSize());
  ASSERT_EQ(1, sheet.m_WizData.m_arrJobs.GetSize());
  CJob* job = sheet.m_WizData.m_arrJobs.GetAt(0);
  EXPECT_EQ(CString(L"Nightly"), job->GetName());
  EXPECT_EQ(CString(L"loop=3"), job->GetJobSetting());
  ASSERT_EQ(2, job->GetTestCount());
  EXPECT_EQ(t1, job->GetTest(0));
  EXPECT_EQ(t2, job->GetTest(1));

  // A later run adds to the job that is there.
  CTest* t3 = new CTest;
  sheet.m_WizData.m_arrTests.Add(t3);
  page.AddWizardJob();
  EXPECT_EQ(1, sheet.m_WizData.m_arrJobs.GetSize());
  EXPECT_EQ(t3, job->GetTest(2));
  sheet.m_WizData.DeleteAllJobs();
}

TEST_F(PageTest, KeysOfAChildPageGoToTheFocusedControl) {
  TKWPropertySheet settings{L"Edit Profiles"};
  wiztest::CCountingPage child;
  settings.AddPage(&child);
  ASSERT_TRUE(settings.Create());
  HWND hNote = ::GetDlgItem(child.m_hWnd, IDC_QX_PAGE_NOTE);
  auto keyDown = [&](WPARAM vk, bool ctrl) {
    BYTE keys[256] = {};
    if (ctrl) keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG msg{hNote, WM_KEYDOWN, vk, 0, 0, {0, 0}};
    const BOOL taken = child.PreTranslateMessage(&msg);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    return taken;
  };
  EXPECT_TRUE(keyDown(VK_RETURN, false)) << "Enter never reaches the default button";
  EXPECT_TRUE(keyDown('V', true));
  EXPECT_TRUE(keyDown('S', true)) << "swallowed in the profile editor";
  EXPECT_FALSE(keyDown(VK_LEFT, false)) << "not a wizard: arrows take the normal way";
  child.m_bWizardMode = TRUE;
  EXPECT_TRUE(keyDown(VK_LEFT, false)) << "in a wizard arrows go to the control";
  EXPECT_FALSE(keyDown(VK_TAB, false)) << "Tab still moves the focus";
  settings.DestroyWindow();
}

// The host's main frame: records the commands its accelerators send.
class CAcceleratorFrame : public CFrameWnd {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
    return CFrameWnd::WindowProc(message, wParam, lParam);
  }
  std::vector<UINT> commands;
};

TEST_F(PageTest, CtrlLettersReachTheMainFrameUnlessTheSheetKeepsThem) {
  const WORD kSave = 0xE103;
  ACCEL accel{FVIRTKEY | FCONTROL, 'S', kSave};
  HACCEL hAccel = ::CreateAcceleratorTableW(&accel, 1);
  auto* frame = new CAcceleratorFrame;  // deletes itself with its window
  ASSERT_TRUE(frame->Create(nullptr, L"Main"));
  frame->m_hAccelTable = hAccel;
  // Only the page's own rules: the sheet is no child of the frame.
  auto previous = tks::SetPreTranslateHook(
      [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
  CWinApp* app = AfxGetApp();
  CWnd* previousMain = app->m_pMainWnd;
  const struct {
    const wchar_t* caption;
    std::vector<UINT> commands;
  } cases[] = {{L"Edit Profiles", {}}, {L"Options", {kSave}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << CString(c.caption).GetString());
    TKWPropertySheet sheet{c.caption};
    wiztest::CCountingPage child;
    sheet.AddPage(&child);
    ASSERT_TRUE(sheet.Create());
    frame->commands.clear();
    app->m_pMainWnd = frame;
    tks::PressKey(child.m_hWnd, 'S', tks::kCtrl);
    app->m_pMainWnd = previousMain;
    EXPECT_EQ(c.commands, frame->commands);
    sheet.DestroyWindow();
  }
  tks::SetPreTranslateHook(previous);
  frame->DestroyWindow();
  ::DestroyAcceleratorTable(hAccel);
}

}  // namespace
