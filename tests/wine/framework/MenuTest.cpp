// CMenu against real menus: items round trip, ownership of the handle, temporary wrappers of
// submenus, and popup tracking answered the way a user would.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CtlParent.h"
#include "Support.h"

namespace {

enum { kOpen = 101, kSave = 102, kRecent = 103, kQuit = 104 };

// File menu: Open, Save (greyed), separator, a Recent submenu with one item, Quit (checked).
void BuildFileMenu(CMenu& menu) {
  ASSERT_TRUE(menu.CreatePopupMenu());
  CMenu recent;
  ASSERT_TRUE(recent.CreatePopupMenu());
  recent.AppendMenu(MF_STRING, kRecent, L"&1 notes.txt");
  menu.AppendMenu(MF_STRING, kOpen, L"&Open...");
  menu.AppendMenu(MF_STRING | MF_GRAYED, kSave, L"&Save");
  menu.AppendMenu(MF_SEPARATOR);
  // The parent menu takes the submenu over: detach so our object does not destroy it.
  menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(recent.Detach()), L"Recent");
  menu.AppendMenu(MF_STRING, kQuit, L"&Quit");
  menu.CheckMenuItem(kQuit, MF_BYCOMMAND | MF_CHECKED);
}

TEST(Menu, ItemsRoundTrip) {
  CMenu menu;
  BuildFileMenu(menu);
  EXPECT_EQ(UINT(-1), menu.GetMenuItemID(3)) << "a submenu has id -1";
  CString text;
  EXPECT_EQ(8, menu.GetMenuString(kOpen, text, MF_BYCOMMAND));
  EXPECT_STREQ(L"&Open...", text);
  wchar_t buf[4] = {};
  menu.GetMenuString(kOpen, buf, 4, MF_BYCOMMAND);
  EXPECT_STREQ(L"&Op", buf) << "the buffer form truncates to its size";
  CMenu* pRecent = menu.GetSubMenu(3);
  ASSERT_NE(nullptr, pRecent);
  EXPECT_EQ(UINT(kRecent), pRecent->GetMenuItemID(0));
  EXPECT_EQ(nullptr, menu.GetSubMenu(0)) << "a plain item has no submenu";
  AfxDeleteTempGdiAndMenuMaps();
}

TEST(Menu, OwnsItsHandleUntilDetached) {
  HMENU h;
  {
    CMenu menu;
    ASSERT_TRUE(menu.CreateMenu());
    h = menu.m_hMenu;
    EXPECT_EQ(&menu, CMenu::FromHandle(h));
  }
  EXPECT_FALSE(::IsMenu(h)) << "the destructor destroys the menu";

  {
    CMenu menu;
    menu.CreatePopupMenu();
    h = menu.Detach();
    EXPECT_FALSE(menu.DestroyMenu());
  }
  EXPECT_TRUE(::IsMenu(h));

  // A temporary wrapper never destroys the menu it wraps.
  CMenu* pTemp = CMenu::FromHandle(h);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(pTemp, CMenu::FromHandle(h));
  AfxDeleteTempGdiAndMenuMaps();
  EXPECT_TRUE(::IsMenu(h));
  CMenu owner;
  owner.Attach(h);
  EXPECT_EQ(nullptr, CMenu::FromHandle(nullptr));

  CMenu empty;
  EXPECT_FALSE(empty.AppendMenu(MF_STRING, 1, L"x")) << "an empty object refuses work";
  EXPECT_EQ(-1, empty.GetMenuItemCount());
  CString s = L"stale";
  EXPECT_EQ(0, empty.GetMenuString(1, s, MF_BYCOMMAND));
  EXPECT_TRUE(s.IsEmpty());
}

TEST(Menu, TrackPopupMenuAnswersTheChosenCommand) {
  ctltest::ParentWnd owner;
  CMenu menu;
  BuildFileMenu(menu);

  std::vector<tks::MenuItem> seen;
  tks::AnswerNextPopupMenu([&](HMENU, const std::vector<tks::MenuItem>& items) -> UINT {
    seen = items;
    return kQuit;
  });
  const BOOL chosen = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, &owner);
  EXPECT_EQ(kQuit, chosen);
  ASSERT_EQ(5u, seen.size()) << "the popup showed every item";
  EXPECT_EQ(L"&Open...", seen[0].text);
  EXPECT_TRUE(seen[1].disabled);
  EXPECT_TRUE(seen[2].separator);
  EXPECT_TRUE(seen[3].submenu);

  // Without TPM_RETURNCMD the choice arrives at the owner as a command.
  tks::AnswerNextPopupMenu(UINT(kOpen));
  EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, 10, 10, &owner));
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, owner.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE))
      << "no command was posted";
  EXPECT_EQ(UINT(kOpen), LOWORD(msg.wParam));

  tks::AnswerNextPopupMenu(0u);
  EXPECT_EQ(0, menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner)) << "a cancelled menu answers 0";
  EXPECT_EQ(0, tks::PendingModalAnswers());

  EXPECT_FALSE(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr)) << "no owner, no popup";
  AfxDeleteTempGdiAndMenuMaps();
}

}  // namespace
