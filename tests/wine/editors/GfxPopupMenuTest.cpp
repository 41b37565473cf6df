// The owner-drawn popup menu: images from the menus' toolbar, etched separators, bold default
// items, embossed disabled items, update handlers and commands of the owner.
#include <afxwin.h>
#include <afxdll_.h>
#include <afxres.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "FrameworkApp.h"
#include "Support.h"
#include "grid/editors/GfxPopupMenu.h"
#include "qxres_ids.h"

namespace {

const UINT kTwin = 999;  // labelled like Cut, with no image

void UseHostResources() {
  const HMODULE module = tks::HostResources();
  ASSERT_NE(nullptr, module) << "qxres.dll does not load beside the test program";
}

// Handles Cut, Copy and the twin, disables Paste, knows nothing of Undo.
class MenuOwner : public CWnd {
 public:
  std::vector<UINT> commands;

 protected:
  afx_msg void OnCommand(UINT nID) { commands.push_back(nID); }
  afx_msg void OnUpdateEnable(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  afx_msg void OnUpdatePaste(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(MenuOwner, CWnd)
  ON_COMMAND_RANGE(ID_EDIT_COPY, ID_EDIT_CUT, OnCommand)
  ON_COMMAND_RANGE(kTwin, kTwin, OnCommand)
  ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEnable)
  ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateEnable)
  ON_UPDATE_COMMAND_UI(kTwin, OnUpdateEnable)
  ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdatePaste)
END_MESSAGE_MAP()

class GfxPopupMenuTest : public testing::Test {
 protected:
  void SetUp() override {
    UseHostResources();
    ASSERT_TRUE(owner_.CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_CHILD, CRect(0, 0, 50, 50),
                                CWnd::FromHandle(tks::HostFrame()), 1));
  }
  void TearDown() override {
    owner_.DestroyWindow();
    AfxDeleteTempGdiAndMenuMaps();
  }

  // Undo (disabled: no handler), separator, Cut (default), Copy, Paste (disabled), the twin
  // (checked); remapped with the toolbar's images and enabled through the owner.
  void Build(CGfxPopupMenu& menu) {
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_EDIT_UNDO, L"&Undo\tCtrl+Z");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, ID_EDIT_CUT, L"Cut");
    menu.AppendMenu(MF_STRING, ID_EDIT_COPY, L"&Copy");
    menu.AppendMenu(MF_STRING, ID_EDIT_PASTE, L"&Paste");
    menu.AppendMenu(MF_STRING | MF_CHECKED, kTwin, L"Cut");
    menu.SetDefaultItem(ID_EDIT_CUT);
    ASSERT_TRUE(menu.LoadToolBarResource(IDR_QX_MENU_TOOLBAR));
    menu.RemapMenu(&menu);
    menu.EnableMenuItems(&menu, &owner_);
  }

  // Tracks the menu; inspect runs while it is open, then the menu picks id (0 cancels).
  void Track(CGfxPopupMenu& menu, UINT id, std::function<void(HWND)> inspect = nullptr) {
    tks::AnswerNextPopupMenu([&](HMENU, const std::vector<tks::MenuItem>&) -> UINT {
      if (inspect) inspect(::FindWindowW(L"#32768", nullptr));
      return id;
    });
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 100, 100, &owner_);
    tks::PumpUntilIdle();
  }

  MenuOwner owner_;
};

TEST_F(GfxPopupMenuTest, ToolbarImagesPairWithCommandsAndDrawnItemsAreLeftAlone) {
  CGfxPopupMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_OWNERDRAW, ID_EDIT_COPY, reinterpret_cast<LPCTSTR>(ULONG_PTR(42)));
  menu.AppendMenu(MF_STRING, ID_EDIT_CUT, L"Cut");
  EXPECT_FALSE(menu.LoadToolBarResource(1)) << "no such toolbar";
  ASSERT_TRUE(menu.LoadToolBarResource(IDR_QX_MENU_TOOLBAR));
  EXPECT_EQ(CSize(16, 15), menu.m_szImage);
  // The separator after Paste takes no image: sorting follows Paste directly.
  const struct {
    int cmd, image;
  } images[] = {{ID_EDIT_UNDO, 0}, {ID_EDIT_PASTE, 3}, {32215, 4}, {32213, 7}, {4242, -1}};
  for (const auto& c : images) EXPECT_EQ(c.image, menu.FindImageItem(c.cmd)) << c.cmd;

  menu.RemapMenu(&menu);
  ASSERT_EQ(1, menu.m_nSpawnItems) << "only Cut gets a record";
  EXPECT_EQ(1, menu.m_pSpawnItems[0]->iImageIdx);
  MENUITEMINFOW mii = {};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_DATA | MIIM_FTYPE;
  ::GetMenuItemInfoW(menu.m_hMenu, 0, TRUE, &mii);
  EXPECT_EQ(ULONG_PTR(42), mii.dwItemData) << "an owner-drawn item keeps its own data";
}

// Pixels of a tracked menu: each item's rectangle in the captured menu window.
struct MenuPicture {
  tks::Capture image;
  std::vector<CRect> items;

  int Count(const CRect& rc, std::function<bool(COLORREF)> match) const {
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
      for (int x = rc.left; x < rc.right; ++x) n += match(image.At(x, y)) ? 1 : 0;
    return n;
  }
  CRect Square(int pos) const {
    return CRect(items[pos].left, items[pos].top, items[pos].left + items[pos].Height(),
                 items[pos].bottom);
  }
  CRect Label(int pos) const {
    return CRect(Square(pos).right, items[pos].top, items[pos].right, items[pos].bottom);
  }
};

TEST_F(GfxPopupMenuTest, DrawsImagesEtchedSeparatorsBoldDefaultsAndGreyDisabledItems) {
  CGfxPopupMenu menu;
  Build(menu);
  // A red check image for the twin, which has no image of its own.
  menu.m_ilOther.Create(8, 8, ILC_COLOR24, 1, 1);
  CBitmap red;
  red.CreateBitmap(8, 8, 1, 32, std::vector<DWORD>(64, 0x00FF0000).data());
  menu.m_ilOther.Add(&red, static_cast<CBitmap*>(nullptr));

  MenuPicture pic;
  Track(menu, 0, [&](HWND window) {
    ASSERT_TRUE(window);
    pic.image = tks::CaptureWindow(window);
    CRect frame;
    ::GetWindowRect(window, frame);
    for (int pos = 0; pos < menu.GetMenuItemCount(); ++pos) {
      CRect rc;
      ::GetMenuItemRect(window, menu.m_hMenu, UINT(pos), rc);
      rc.OffsetRect(-frame.left, -frame.top);
      pic.items.push_back(rc);
    }
  });
  ASSERT_EQ(6u, pic.items.size());
  ASSERT_GT(pic.image.width, 0);

  const COLORREF dark = ::GetSysColor(COLOR_3DSHADOW), light = ::GetSysColor(COLOR_3DHILIGHT);
  const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
  auto is = [](COLORREF c) { return [c](COLORREF p) { return p == c; }; };
  auto black = is(RGB(0, 0, 0));
  auto coloured = [](COLORREF p) {
    return GetRValue(p) != GetGValue(p) || GetGValue(p) != GetBValue(p);
  };

  const CRect sep = pic.items[1];
  EXPECT_EQ(dark, pic.image.At(sep.CenterPoint().x, sep.top + 2)) << "separator's dark line";
  EXPECT_EQ(light, pic.image.At(sep.CenterPoint().x, sep.top + 3)) << "separator's light line";

  EXPECT_GT(pic.Count(pic.Square(2), coloured), 10) << "Cut shows its image in colour";
  EXPECT_EQ(0, pic.Count(pic.Square(4), coloured)) << "disabled Paste's image is not in colour";
  EXPECT_GT(pic.Count(pic.Square(4), [](COLORREF p) { return p != RGB(255, 255, 255); }), 10)
      << "disabled Paste still shows its image";
  EXPECT_EQ(64, pic.Count(pic.Square(5), is(RGB(255, 0, 0)))) << "the twin shows the check image";

  auto ink = [](COLORREF p) { return GetRValue(p) + GetGValue(p) + GetBValue(p) < 384; };
  EXPECT_GT(pic.Count(pic.Label(2), ink), pic.Count(pic.Label(5), ink) + 5)
      << "the default item's label is bold";
  for (int pos : {0, 4}) {
    EXPECT_EQ(0, pic.Count(pic.Label(pos), black)) << "item " << pos << " is disabled";
    EXPECT_GT(pic.Count(pic.Label(pos), is(grey)), 5) << "grey text of item " << pos;
  }
  // The accelerator stands at the right end of Undo's label area.
  const CRect undo = pic.Label(0);
  EXPECT_GT(pic.Count(CRect(undo.CenterPoint().x, undo.top, undo.right, undo.bottom), is(grey)), 5);
}

TEST_F(GfxPopupMenuTest, ChosenCommandsReachTheOwnerAndNothingIsLeftAfterRepeatedUse) {
  {
    CGfxPopupMenu menu;
    Build(menu);
    Track(menu, ID_EDIT_COPY);
  }
  EXPECT_EQ(std::vector<UINT>{ID_EDIT_COPY}, owner_.commands);

  TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 100; ++i) {
    CGfxPopupMenu menu;
    Build(menu);
    Track(menu, 0);
  });
  EXPECT_EQ(1u, owner_.commands.size());
}

}  // namespace
