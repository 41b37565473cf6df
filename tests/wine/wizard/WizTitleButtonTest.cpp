// The wizard buttons painted into a memory bitmap: the title panel (white ground, bold title,
// description, picture with its magenta shown through) and the image button's faces.
#include <afxwin.h>
#include <cstring>
#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "Host.h"
#include "wizard/WizTitleButton.h"
#include "wizard/WizardImageButton.h"

namespace {

// Paints a button at 300 x 80 onto a black 32-bpp DIB and counts pixels by colour in areas.
class ButtonPaint : public testing::Test {
 protected:
  void SetUp() override {
    const HMODULE module = tks::HostResources();
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
  void Paint(CButton& button, RECT rc = {0, 0, kWidth, kHeight}, UINT state = 0) {
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hDC = dc_;
    dis.rcItem = rc;
    dis.itemState = state;
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
  DWORD At(int x, int y) const { return bits_[y * kWidth + x] & 0xFFFFFF; }
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

TEST_F(ButtonPaint, PaintsTitleDescriptionAndPictureOnWhite) {
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

// The face follows the state (disabled wins over hover, the arrow picks the other column) and is
// laid at its own size with its top-left colour shown through.
TEST_F(ButtonPaint, ImageButtonPaintsTheFaceOfItsState) {
  struct Case {
    BOOL disabled, hover, arrow;
    UINT face;
  } const cases[] = {{FALSE, FALSE, FALSE, 5368}, {FALSE, TRUE, FALSE, 5371},
                     {TRUE, TRUE, FALSE, 5370},   {FALSE, FALSE, TRUE, 5369},
                     {FALSE, TRUE, TRUE, 5374},   {TRUE, TRUE, TRUE, 5373}};
  HMODULE module = ::GetModuleHandleW(L"qxres.dll");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.face);
    HBITMAP face = static_cast<HBITMAP>(
        ::LoadImageW(module, MAKEINTRESOURCEW(c.face), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(nullptr, face);
    BITMAP bm = {};
    ::GetObjectW(face, sizeof(bm), &bm);
    HDC faceDC = ::CreateCompatibleDC(dc_);
    HGDIOBJ oldFace = ::SelectObject(faceDC, face);
    std::memset(bits_, 0x40, sizeof(DWORD) * kWidth * kHeight);  // a grey ground
    CWizardImageButton button;
    button.m_bHover = c.hover;
    button.SetUseArrowIcon(c.arrow);
    Paint(button, {0, 0, bm.bmWidth, bm.bmHeight}, c.disabled ? ODS_DISABLED : 0);
    EXPECT_EQ(0x404040u, At(0, 0)) << "the corner's colour is transparent";
    for (POINT p : {POINT{8, bm.bmHeight / 2}, POINT{bm.bmWidth / 2, 4},
                    POINT{bm.bmWidth - 18, bm.bmHeight / 2}}) {
      const COLORREF want = ::GetPixel(faceDC, p.x, p.y);
      EXPECT_EQ(RGB(GetBValue(want), GetGValue(want), GetRValue(want)), At(p.x, p.y))
          << p.x << "," << p.y;
    }
    ::SelectObject(faceDC, oldFace);
    ::DeleteDC(faceDC);
    ::DeleteObject(face);
  }
}

// Hovering is set by the first mouse move and cleared when the mouse leaves.
TEST_F(ButtonPaint, ImageButtonTracksHover) {
  CWizardImageButton button;
  ASSERT_TRUE(button.Create(L"Next", WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 120, 32),
                            CWnd::FromHandle(tks::CreateHostFrame()), 1));
  button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(button.m_bHover);
  button.SendMessage(WM_MOUSELEAVE);
  EXPECT_FALSE(button.m_bHover);
  button.DestroyWindow();
}

}  // namespace
