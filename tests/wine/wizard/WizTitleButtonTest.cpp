// The wizard title panel painted into a memory bitmap: white ground, bold title, description
// and the picture in the top-right corner with its magenta shown through.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "wizard/WizTitleButton.h"

namespace {

// Paints the panel at 300 x 80 onto a black 32-bpp DIB and counts pixels by colour in areas.
class TitlePanel : public testing::Test {
 protected:
  void SetUp() override {
    tks::FrameworkApp();
    static HMODULE module = [] {
      HMODULE h = LoadLibraryW(L"qxres.dll");
      if (h) new CDynLinkLibrary(h, h, FALSE);  // the chain owns it from here on
      return h;
    }();
    ASSERT_NE(nullptr, module);
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = ::CreateCompatibleDC(nullptr);
    dib_ =
        ::CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = ::SelectObject(dc_, dib_);
  }
  void TearDown() override {
    ::SelectObject(dc_, old_);
    ::DeleteObject(dib_);
    ::DeleteDC(dc_);
  }
  void Paint(CWizTitleButton& button) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hDC = dc_;
    dis.rcItem = {0, 0, kWidth, kHeight};
    button.DrawItem(&dis);
    ::GdiFlush();
  }
  // Pixels in the rectangle that are not white.
  int Inked(const RECT& r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += (bits_[y * kWidth + x] & 0xFFFFFF) != 0xFFFFFF;
    return n;
  }
  int Count(DWORD rgb) const {
    int n = 0;
    for (int i = 0; i < kWidth * kHeight; ++i) n += (bits_[i] & 0xFFFFFF) == rgb;
    return n;
  }

  static const int kWidth = 300, kHeight = 80;
  HDC dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ old_ = nullptr;
  DWORD* bits_ = nullptr;
};

TEST_F(TitlePanel, PaintsTitleDescriptionAndPictureOnWhite) {
  CWizTitleButton button;
  button.m_strTitle = L"Select the data file";
  button.m_strText = L"Choose the file the script reads its rows from";
  Paint(button);
  EXPECT_EQ(0, Inked({0, 60, 40, 80})) << "the ground is white";
  EXPECT_GT(Inked({18, 8, 140, 22}), 20) << "title";
  EXPECT_GT(Inked({45, 23, 205, 60}), 20) << "description";
  EXPECT_GT(Inked({kWidth - 55, 3, kWidth, 51}), 100) << "picture";
  EXPECT_EQ(0, Count(0xFF00FF)) << "magenta is transparent";

  button.m_strTitle.Empty();
  button.m_strText.Empty();
  Paint(button);
  EXPECT_EQ(0, Inked({0, 0, kWidth - 60, kHeight})) << "nothing but the picture";
}

}  // namespace
