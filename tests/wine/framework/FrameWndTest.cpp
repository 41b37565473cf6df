// CFrameWnd built from its resources, translating its accelerators into commands and deleting
// itself with its window; CDocument's path and title.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "FrameWnd.h"
#include "FrameworkApp.h"
#include "Support.h"

namespace {

// Records the commands that reach it; tells the test when it is deleted.
class CRecordingFrame : public CFrameWnd {
 public:
  explicit CRecordingFrame(bool* pDeleted) : m_pDeleted(pDeleted) {}
  ~CRecordingFrame() override { *m_pDeleted = true; }
  void OnSave() { commands.push_back(ID_TEST_SAVE); }
  std::vector<UINT> commands;

 private:
  bool* m_pDeleted;
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingFrame, CFrameWnd)
  ON_COMMAND(ID_TEST_SAVE, OnSave)
END_MESSAGE_MAP()

class FrameWndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = tks::SetPreTranslateHook(
        [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
  }
  void TearDown() override { tks::SetPreTranslateHook(previous_); }
  tks::PreTranslateHook previous_;
};

TEST_F(FrameWndTest, LoadFrameTakesTitleMenuAndAcceleratorsAndTranslatesKeys) {
  bool deleted = false;
  auto* frame = new CRecordingFrame(&deleted);
  ASSERT_TRUE(frame->LoadFrame(IDR_TEST_FRAME));
  EXPECT_TRUE(frame->IsKindOf(RUNTIME_CLASS(CFrameWnd)));
  CString title;
  frame->GetWindowText(title);
  EXPECT_EQ(CString(L"Frame title"), title) << "the title ends at the string's first newline";
  EXPECT_NE(nullptr, ::GetMenu(frame->m_hWnd));
  ASSERT_NE(nullptr, frame->m_hAccelTable);
  EXPECT_EQ(frame->m_hAccelTable, frame->GetDefaultAccelerator());
  EXPECT_FALSE(frame->GetStyle() & FWS_ADDTOTITLE) << "frame styles stay with the frame";

  frame->ShowWindow(SW_SHOW);
  frame->SetFocus();
  tks::PressKey(frame->m_hWnd, 'S');
  EXPECT_TRUE(frame->commands.empty()) << "S without Ctrl is no accelerator";
  tks::PressKey(frame->m_hWnd, 'S', tks::kCtrl);
  EXPECT_EQ(std::vector<UINT>{ID_TEST_SAVE}, frame->commands);

  frame->DestroyWindow();
  EXPECT_TRUE(deleted) << "a frame deletes itself with its window";
}

TEST_F(FrameWndTest, MissingResourcesLeaveTheFrameBare) {
  bool deleted = false;
  auto* frame = new CRecordingFrame(&deleted);
  ASSERT_TRUE(frame->LoadFrame(IDR_TEST_BARE_FRAME, WS_OVERLAPPEDWINDOW));
  EXPECT_EQ(nullptr, ::GetMenu(frame->m_hWnd));
  EXPECT_EQ(nullptr, frame->GetDefaultAccelerator());
  EXPECT_FALSE(frame->LoadAccelTable(MAKEINTRESOURCEW(IDR_TEST_BARE_FRAME)));
  frame->DestroyWindow();
  EXPECT_TRUE(deleted);

  // A menu named but missing fails the creation, and the frame still gets its last call.
  deleted = false;
  frame = new CRecordingFrame(&deleted);
  EXPECT_FALSE(frame->Create(nullptr, L"x", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, nullptr,
                             MAKEINTRESOURCEW(IDR_TEST_BARE_FRAME)));
  EXPECT_TRUE(deleted);
}

TEST(DocumentTest, PathNameIsFullAndNamesTheTitle) {
  CDocument doc;
  EXPECT_TRUE(doc.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
  doc.SetPathName(L"C:\\projects\\..\\runs\\night.vsw");
  EXPECT_EQ(CString(L"C:\\runs\\night.vsw"), doc.GetPathName());
  EXPECT_EQ(CString(L"night.vsw"), doc.GetTitle());
  EXPECT_EQ(nullptr, tks::FrameworkApp().OpenDocumentFile(L"C:\\runs\\night.vsw"))
      << "with no document templates nothing opens a file";
}

}  // namespace
