// CXTFlatComboBox: the flat frame and button it paints over a plain combo box.
#include <XTFlatComboBox.h>

#include "ComboEditorFixture.h"

namespace {

using FlatComboBox = combotest::ComboEditorTest;

TEST_F(FlatComboBox, PaintsAOnePixelFrameLitByTheFocusAndADropArrow) {
  CXTFlatComboBox combo;
  ASSERT_TRUE(
      combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(20, 20, 160, 200), &list_, 9));
  combo.AddString(L"One");
  combo.SetCurSel(0);
  CRect rc;
  combo.GetClientRect(&rc);
  const int button = ::GetSystemMetrics(SM_CXVSCROLL);
  auto corner = [&] {
    return tks::CaptureWindow(combo.m_hWnd).AtClient(rc.right - 1, rc.bottom - 1);
  };

  struct Case {
    const char* name;
    BOOL flat;
    bool focused;
    COLORREF frame;
  } cases[] = {
      {"flat", TRUE, false, ::GetSysColor(COLOR_BTNSHADOW)},
      {"flat, focused", TRUE, true, ::GetSysColor(COLOR_HIGHLIGHT)},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    combo.SetFlatStyle(k.flat);
    if (k.focused) combo.SetFocus();
    tks::PumpUntilIdle();
    const tks::Capture cap = tks::CaptureWindow(combo.m_hWnd);
    EXPECT_EQ(k.frame, cap.AtClient(rc.right - 1, rc.bottom - 1));
    EXPECT_EQ(k.frame, cap.AtClient(rc.left, rc.top));
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT),
              cap.AtClient(rc.right - 1 - button / 2, rc.top + rc.Height() / 2))
        << "the arrow in the middle of the button";
  }
  combo.SetFlatStyle(FALSE);
  EXPECT_NE(::GetSysColor(COLOR_HIGHLIGHT), corner()) << "without the flat look, the plain edge";
}

}  // namespace
