// CMenu against real menus: items round trip, ownership of the handle, temporary wrappers of
// submenus, popup tracking answered the way a user would, owner-drawn items reaching their
// CMenu object and the owner's update handlers run over a popup.
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

// A menu whose owner-drawn items record what reached them.
class RecordingMenu : public CMenu {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT p) override {
    measured.push_back(p->itemData);
    p->itemWidth = 60;
    p->itemHeight = 18;
  }
  void DrawItem(LPDRAWITEMSTRUCT p) override { drawn.push_back(p->itemData); }
  std::vector<ULONG_PTR> measured, drawn;
};

// A value that only survives if all bits of the item data are kept.
const ULONG_PTR kWideData = static_cast<ULONG_PTR>(0xFEDCBA9876543210ull);

TEST(Menu, OwnerDrawnItemsReachTheirMenuObjectAlsoFromAnUnattachedSubmenu) {
  ctltest::ParentWnd owner;
  RecordingMenu menu;
  ASSERT_TRUE(menu.CreatePopupMenu());
  menu.AppendMenu(MF_OWNERDRAW, kOpen, reinterpret_cast<LPCTSTR>(ULONG_PTR(1)));
  menu.AppendMenu(MF_OWNERDRAW, kSave, reinterpret_cast<LPCTSTR>(kWideData));
  CMenu sub;
  sub.CreatePopupMenu();
  sub.AppendMenu(MF_OWNERDRAW, kRecent, reinterpret_cast<LPCTSTR>(ULONG_PTR(3)));
  HMENU hSub = sub.Detach();
  menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(hSub), L"Recent");

  std::vector<ULONG_PTR> drawnWhileOpen;
  tks::AnswerNextPopupMenu([&](HMENU, const std::vector<tks::MenuItem>&) -> UINT {
    drawnWhileOpen = menu.drawn;
    return 0;
  });
  menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner);
  EXPECT_EQ((std::vector<ULONG_PTR>{1, kWideData}), menu.measured)
      << "each owner-drawn item is measured through the menu object, its data whole";
  EXPECT_EQ((std::vector<ULONG_PTR>{1, kWideData}), drawnWhileOpen);

  // Items of a submenu without an object of its own go to the attached menu above it.
  menu.measured.clear();
  menu.drawn.clear();
  MEASUREITEMSTRUCT mis = {};
  mis.CtlType = ODT_MENU;
  mis.itemID = kRecent;
  mis.itemData = 3;
  owner.SendMessage(WM_MEASUREITEM, 0, LPARAM(&mis));
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_MENU;
  dis.itemID = kRecent;
  dis.hwndItem = reinterpret_cast<HWND>(hSub);
  dis.itemData = 3;
  owner.SendMessage(WM_DRAWITEM, 0, LPARAM(&dis));
  EXPECT_EQ((std::vector<ULONG_PTR>{3}), menu.measured);
  EXPECT_EQ((std::vector<ULONG_PTR>{3}), menu.drawn);
  EXPECT_EQ(18u, mis.itemHeight);

  // An item nobody attached is left to the default handling.
  mis.itemData = 99;
  mis.itemHeight = 0;
  owner.SendMessage(WM_MEASUREITEM, 0, LPARAM(&mis));
  EXPECT_EQ(1u, menu.measured.size());
  AfxDeleteTempGdiAndMenuMaps();
}

// An owner with update handlers for two of the file menu's commands.
class UpdatingOwner : public ctltest::ParentWnd {
 protected:
  afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
  afx_msg void OnUpdateOpen(CCmdUI* pCmdUI) {
    pCmdUI->Enable(FALSE);
    pCmdUI->SetCheck(1);
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(UpdatingOwner, ctltest::ParentWnd)
  ON_UPDATE_COMMAND_UI(kSave, OnUpdateSave)
  ON_UPDATE_COMMAND_UI(kOpen, OnUpdateOpen)
END_MESSAGE_MAP()

TEST(Menu, APopupRunsItsOwnersUpdateHandlersBeforeItShows) {
  UpdatingOwner owner;
  CMenu menu;
  BuildFileMenu(menu);
  menu.EnableMenuItem(kQuit, MF_BYCOMMAND | MF_GRAYED);
  std::vector<tks::MenuItem> seen;
  UINT openState = 0;
  tks::AnswerNextPopupMenu([&](HMENU h, const std::vector<tks::MenuItem>& items) -> UINT {
    seen = items;
    openState = ::GetMenuState(h, kOpen, MF_BYCOMMAND);
    return 0;
  });
  menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner);
  ASSERT_EQ(5u, seen.size());
  EXPECT_TRUE(seen[0].disabled) << "Open: its handler disables it";
  EXPECT_TRUE(openState & MF_CHECKED) << "Open: its handler checks it";
  EXPECT_FALSE(seen[1].disabled) << "Save: its handler enables the greyed item";
  EXPECT_TRUE(seen[4].disabled) << "Quit: no handler, the state it had";
  AfxDeleteTempGdiAndMenuMaps();
}

}  // namespace
