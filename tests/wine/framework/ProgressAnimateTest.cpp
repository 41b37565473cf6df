// The progress bar and animation wrappers against real controls: 32-bit ranges and previous
// positions, and animation clips found through the resource chain.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include "CtlParent.h"
#include "FrameworkApp.h"
#include "qxres_ids.h"

namespace {

class CommonControls : public testing::Test {
 protected:
  void SetUp() override { tks::FrameworkApp(); }
  ctltest::ParentWnd parent_;
};

TEST_F(CommonControls, ProgressBarMovesWithinItsRangeAndAnswersPreviousPositions) {
  CProgressCtrl bar;
  ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), &parent_, 537));
  bar.SetRange32(-70000, 70000);  // beyond what 16-bit bounds hold
  int lower = 0, upper = 0;
  bar.GetRange(lower, upper);
  EXPECT_EQ(-70000, lower);
  EXPECT_EQ(70000, upper);

  struct Move {
    const char* what;
    int (*apply)(CProgressCtrl&);
    int previous, now;
  };
  const Move moves[] = {
      {"SetPos", [](CProgressCtrl& c) { return c.SetPos(-50000); }, -70000, -50000},
      {"OffsetPos", [](CProgressCtrl& c) { return c.OffsetPos(60000); }, -50000, 10000},
      {"StepIt", [](CProgressCtrl& c) { return c.StepIt(); }, 10000, 10000 + 2500},
      {"SetPos past the end", [](CProgressCtrl& c) { return c.SetPos(90000); }, 12500, 70000},
  };
  EXPECT_EQ(10, bar.SetStep(2500)) << "the default step";
  bar.SetPos(-70000);
  for (const Move& m : moves) {
    EXPECT_EQ(m.previous, m.apply(bar)) << m.what;
    EXPECT_EQ(m.now, bar.GetPos()) << m.what;
  }
  bar.SetRange(5, 50);
  bar.GetRange(lower, upper);
  EXPECT_EQ(5, lower);
  EXPECT_EQ(50, upper);
}

TEST_F(CommonControls, AnimationOpensResourceClipsThroughTheChain) {
  CAnimateCtrl anim;
  ASSERT_TRUE(
      anim.Create(WS_CHILD | WS_VISIBLE | ACS_CENTER, CRect(0, 0, 100, 100), &parent_, 1636));
  // The clip lives in the resource module only: not found until the module joins the chain.
  EXPECT_FALSE(anim.Open(IDR_QX_AVI_WORKING));
  HMODULE h = ::LoadLibraryW(L"qxres.dll");
  ASSERT_NE(nullptr, h) << "the resource module is not beside the test program";
  auto* pLibrary = new CDynLinkLibrary(h, h, FALSE);

  EXPECT_TRUE(anim.Open(IDR_QX_AVI_WORKING));
  EXPECT_TRUE(anim.Seek(0));
  EXPECT_TRUE(anim.Play(0, 0xFFFF, UINT(-1)));
  EXPECT_TRUE(anim.Stop());
  EXPECT_TRUE(anim.Close());
  EXPECT_FALSE(anim.Play(0, 0xFFFF, 1)) << "a closed control has no clip to play";
  EXPECT_FALSE(anim.Open(IDR_QX_AVI_WORKING + 1)) << "no such clip";

  anim.DestroyWindow();
  delete pLibrary;  // leaves the chain
  ::FreeLibrary(h);
}

}  // namespace
