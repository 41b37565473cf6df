// Window DCs: the client and whole-window DCs map to their wrappers while alive and are
// released with them.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CtlParent.h"
#include "Support.h"

namespace {

TEST(GdiWindowDC, ClientAndWindowDCsAreReleasedWithTheirObjectsAndMeasureInTheirPixels) {
  ctltest::ParentWnd parent;
  {
    CClientDC warm(&parent);  // the first DC of a window may be cached by the system
  }
  TKS_EXPECT_NO_GUI_LEAK({
    for (int i = 0; i < 20; ++i) {
      CClientDC client(&parent);
      ASSERT_NE(nullptr, client.GetSafeHdc());
      EXPECT_EQ(&client, CDC::FromHandle(client.m_hDC));
      CWindowDC whole(&parent);
      ASSERT_NE(nullptr, whole.GetSafeHdc());
    }
  });
  CClientDC dc(&parent);
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(120, L"Arial", &dc));
  LOGFONT lf = {};
  font.GetLogFont(&lf);
  EXPECT_EQ(-MulDiv(12, dc.GetDeviceCaps(LOGPIXELSY), 72), lf.lfHeight)
      << "12 points in this DC's pixels";
  // The screen's DC for a null window, as the system's GetDC(NULL) gives.
  CClientDC screen(nullptr);
  EXPECT_GT(screen.GetDeviceCaps(LOGPIXELSY), 0);
}

}  // namespace
