// The small shared controls driven by messages: button rows, the bubble, coloured statics,
// the input box and the function list with its description tip.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "CoreTestWindows.h"
#include "QXScriptManager.h"
#include "Support.h"
#include "core/controls/Bubble.h"
#include "core/controls/ButtonGrp.h"
#include "core/controls/ColorStaticST.h"
#include "core/controls/ExListBox.h"
#include "core/controls/InputBox.h"
#include "qxres_ids.h"

namespace {

class SmallControls : public testing::Test {
 protected:
  void SetUp() override { coretest::UseHostResources(); }
  void TearDown() override { tks::PumpUntilIdle(); }
};

CRect ScreenRect(HWND hwnd) {
  CRect rc;
  ::GetWindowRect(hwnd, &rc);
  return rc;
}

// Pumps until cond holds or about two seconds pass, waking for messages only.
template <class Cond>
bool PumpUntil(Cond cond) {
  const DWORD start = ::GetTickCount();
  while (!cond()) {
    if (::GetTickCount() - start > 2000) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    tks::PumpUntilIdle();
  }
  return true;
}

// ---- CButtonGrp

void AddTen(CButtonGrp& group) {
  const UINT icons[] = {IDI_QX_PROPERTIES, IDI_QX_DELETE, IDI_QX_INSERT};
  for (UINT i = 0; i < 10; ++i)
    group.AddButton(icons[i % 3], 5000 + i, IDS_QX_DELETE_SELECTED_ITEMS);
}

TEST_F(SmallControls, ButtonRowHoldsTenButtonsAndIgnoresTheEleventh) {
  coretest::ParentWnd parent;
  CButtonGrp group;
  AddTen(group);
  ASSERT_EQ(10, group.GetButtonCount());
  EXPECT_EQ(10, group.GetImageList()->GetImageCount());
  group.AddButton(IDI_QX_PROPERTIES, 6000, IDS_QX_DELETE_SELECTED_ITEMS);
  group.AddShowPropertiesButton();
  EXPECT_EQ(10, group.GetButtonCount());
  EXPECT_EQ(10, group.GetImageList()->GetImageCount());
  EXPECT_EQ(5009u, group.GetButtonCommand(9));

  ASSERT_TRUE(group.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 40), &parent, 100));
  for (int i = 0; i < 10; ++i) {
    HWND button = ::GetDlgItem(group.m_hWnd, CButtonGrp::kFirstButtonID + i);
    ASSERT_NE(nullptr, button) << "button " << i;
    EXPECT_EQ(BS_OWNERDRAW, ::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK);
  }
  EXPECT_EQ(nullptr, ::GetDlgItem(group.m_hWnd, CButtonGrp::kFirstButtonID + 10));
  EXPECT_EQ(10, group.GetToolTip()->GetToolCount());

  // Right-aligned, the last button rightmost, each one step further left.
  CRect last = ScreenRect(group.GetButton(9)->m_hWnd),
        first = ScreenRect(group.GetButton(0)->m_hWnd);
  group.ScreenToClient(&last);
  group.ScreenToClient(&first);
  EXPECT_EQ(289, last.right);
  EXPECT_EQ(24, last.Width());
  EXPECT_EQ(1, last.top);
  EXPECT_EQ(29, last.bottom);
  EXPECT_EQ(289 - 9 * 24 - 24, first.left);
}

TEST_F(SmallControls, ButtonClickReachesTheRecipientAsItsCommand) {
  coretest::ParentWnd parent;
  coretest::ParentWnd recipient(CRect(0, 320, 100, 360));
  CButtonGrp group;
  group.AddButton(IDI_QX_PROPERTIES, 4141, IDS_QX_DELETE_SELECTED_ITEMS);
  group.AddButton(IDI_QX_DELETE, 32781, IDS_QX_DELETE_SELECTED_ITEMS);
  ASSERT_TRUE(group.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 40), &parent, 100));

  // Without a recipient the parent gets the command.
  tks::Click(group.GetButton(1)->m_hWnd, {5, 5});
  ASSERT_EQ(1u, parent.commands.size());
  EXPECT_EQ(32781u, parent.commands[0].first);
  EXPECT_EQ(0, parent.commands[0].second);

  group.SetReciper(&recipient);
  tks::Click(group.GetButton(0)->m_hWnd, {5, 5});
  ASSERT_EQ(1u, recipient.commands.size()) << "the click went elsewhere";
  EXPECT_EQ(4141u, recipient.commands[0].first);
  EXPECT_EQ(0, recipient.commands[0].second);
  EXPECT_EQ(1u, parent.commands.size());
}

TEST_F(SmallControls, ButtonsAreEnabledAndShownByCommand) {
  coretest::ParentWnd parent;
  CButtonGrp group;
  group.AddShowPropertiesButton();
  group.AddDeleteButton();
  group.AddInsertButton();
  ASSERT_TRUE(group.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 40), &parent, 100));
  group.EnableDelete(FALSE);
  EXPECT_FALSE(group.GetButton(1)->IsWindowEnabled());
  EXPECT_TRUE(group.GetButton(0)->IsWindowEnabled());
  group.ShowInsert(FALSE);
  EXPECT_FALSE(group.GetButton(2)->IsWindowVisible());
  group.DisableButton(4141);
  EXPECT_FALSE(group.GetButton(0)->IsWindowEnabled());
  group.EnableWindow(TRUE);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(group.GetButton(i)->IsWindowEnabled()) << i;
  group.EnableButton(12345, FALSE);  // no such command: nothing happens
  group.EnableWindow(FALSE);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(group.GetButton(i)->IsWindowEnabled()) << i;
}

TEST_F(SmallControls, CaptionButtonsUseTheWiderLayout) {
  coretest::ParentWnd parent;
  CButtonGrp group;
  group.AddButtonWithText(IDI_QX_INSERT, 295, IDS_QX_DELETE_SELECTED_ITEMS, L"Insert");
  group.AddButtonWithText(IDI_QX_DELETE, 32781, IDS_QX_DELETE_SELECTED_ITEMS, L"Delete");
  ASSERT_TRUE(group.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 30), &parent, 100));
  EXPECT_EQ(65, ScreenRect(group.GetButton(0)->m_hWnd).Width());
  CString caption;
  group.GetButton(1)->GetWindowText(caption);
  EXPECT_EQ(CString(L"Delete"), caption);
  EXPECT_TRUE(group.GetButton(1)->GetStyle() & BS_LEFTTEXT);
  group.MoveWindow(0, 0, 300, 30);
  CRect right = ScreenRect(group.GetButton(1)->m_hWnd);
  group.ScreenToClient(&right);
  EXPECT_EQ(299, right.right) << "a size change lays the buttons out again";
}

TEST_F(SmallControls, ButtonRowCreatedAndDestroyedLeavesNothing) {
  coretest::ParentWnd parent;
  {  // the common controls keep a few objects for the life of the process once used
    CButtonGrp warmup;
    AddTen(warmup);
    warmup.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 40), &parent, 100);
    warmup.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  TKS_EXPECT_NO_GUI_LEAK({
    CButtonGrp group;
    AddTen(group);
    group.Create(L"", WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 40), &parent, 100);
    group.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    group.DestroyWindow();
  });
}

TEST_F(SmallControls, ThemedButtonTracksTheHotStateAndClicksLikeAPlainButton) {
  coretest::ParentWnd parent;
  CXTButton button;
  ASSERT_TRUE(button.Create(L"Run", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 90, 34),
                            &parent, 77));
  HICON icon = static_cast<HICON>(
      ::LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_ICON, 16, 16, LR_SHARED));
  EXPECT_TRUE(button.SetIcon(CSize(16, 16), icon));
  EXPECT_NE(icon, button.GetIcon()) << "the button keeps its own copy";
  EXPECT_FALSE(button.IsHot());
  tks::MoveMouse(button.m_hWnd, {5, 5});
  EXPECT_TRUE(button.IsHot());
  button.SendMessage(WM_MOUSELEAVE);
  EXPECT_FALSE(button.IsHot());
  button.UpdateWindow();
  tks::Click(button.m_hWnd, {5, 5});
  ASSERT_EQ(1u, parent.commands.size());
  EXPECT_EQ(MAKEWPARAM(77, BN_CLICKED), parent.commands[0].first);
  EXPECT_EQ(reinterpret_cast<LPARAM>(button.m_hWnd), parent.commands[0].second);
}

// ---- CBubble

TEST_F(SmallControls, BubbleDoesNotRepaintForTheSameTextAndPlace) {
  CBubble bubble;
  ASSERT_TRUE(bubble.Create());
  tks::MessageRecorder paints;
  paints.Only({WM_PAINT});
  ASSERT_TRUE(paints.Attach(bubble.m_hWnd));
  bubble.Show(L"Marker 1\n\rStart 00:10", 100, 120);
  EXPECT_TRUE(bubble.IsWindowVisible());
  EXPECT_EQ(CPoint(100, 120), ScreenRect(bubble.m_hWnd).TopLeft());
  EXPECT_FALSE(paints.Messages().empty()) << "shown and painted at once";

  paints.Clear();
  bubble.Show(L"Marker 1\n\rStart 00:10", 100, 120);
  tks::PumpUntilIdle();
  EXPECT_TRUE(paints.Messages().empty()) << "same text, same place: no repaint";

  bubble.Show(L"Marker 1\n\rStart 00:11", 100, 120);
  EXPECT_FALSE(paints.Messages().empty()) << "a new text is painted";
  paints.Clear();
  bubble.Show(L"Marker 1\n\rStart 00:11", 101, 120);
  EXPECT_FALSE(paints.Messages().empty()) << "a new place is painted";

  bubble.Hide();
  EXPECT_FALSE(bubble.IsWindowVisible());
  EXPECT_TRUE(bubble.GetText().IsEmpty());
  paints.Clear();
  bubble.Show(L"Marker 1\n\rStart 00:11", 101, 120);
  EXPECT_TRUE(bubble.IsWindowVisible()) << "shown again after hiding";
  paints.Detach();
}

TEST_F(SmallControls, BubbleSizeFollowsLinesSeparatorsAndShadow) {
  CBubble bubble;
  ASSERT_TRUE(bubble.Create());
  bubble.Show(L"one", 10, 10);
  const CRect one = ScreenRect(bubble.m_hWnd);
  bubble.Show(L"one\ntwo", 10, 10);
  const CRect two = ScreenRect(bubble.m_hWnd);
  bubble.Show(L"one\n\rtwo", 10, 10);
  const CRect separated = ScreenRect(bubble.m_hWnd);
  EXPECT_GT(two.Height(), one.Height());
  EXPECT_EQ(two.Height() + 5, separated.Height());
  bubble.SetShadow(TRUE);
  bubble.Show(L"one\ntwo", 10, 10);
  EXPECT_EQ(two.Height() + 5, ScreenRect(bubble.m_hWnd).Height());
  EXPECT_EQ(two.Width() + 5, ScreenRect(bubble.m_hWnd).Width());

  CImageList images;
  images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
  images.Add(::LoadIconW(nullptr, MAKEINTRESOURCEW(32512)));
  bubble.SetShadow(FALSE);
  bubble.SetImageList(&images);
  bubble.Show(L"\a00one", 10, 10);
  EXPECT_EQ(one.Width() + 16, ScreenRect(bubble.m_hWnd).Width())
      << "an icon line is wider by the icon";
  bubble.DestroyWindow();
}

TEST_F(SmallControls, BubbleStaysOnTheScreen) {
  CBubble bubble;
  ASSERT_TRUE(bubble.Create());
  const int right = ::GetSystemMetrics(SM_CXFULLSCREEN);
  const int bottom = ::GetSystemMetrics(SM_CYFULLSCREEN) - 20;
  bubble.Show(L"near the corner", right - 3, bottom - 2);
  const CRect rc = ScreenRect(bubble.m_hWnd);
  EXPECT_EQ(right, rc.right);
  EXPECT_EQ(bottom, rc.bottom);
}

TEST_F(SmallControls, BubbleCreatedAndDestroyedLeavesNothing) {
  auto showAndDestroy = [] {
    CBubble bubble;
    bubble.Create();
    bubble.SetShadow(TRUE);
    bubble.Show(L"a\n\rb", 50, 50);
    bubble.Hide();
    bubble.DestroyWindow();
  };
  showAndDestroy();  // the shared shadow pattern and the system's font objects are made once
  TKS_EXPECT_NO_GUI_LEAK(showAndDestroy());
}

// ---- CColorStaticST

TEST_F(SmallControls, ColouredStaticAnswersItsColourReflection) {
  coretest::ParentWnd parent;
  CColorStaticST text;
  ASSERT_TRUE(text.Create(L"Status", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(10, 10, 200, 30),
                          &parent, 200));
  EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), text.GetTextColor());
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), text.GetBkColor());
  text.SetTextColor(RGB(200, 0, 0));
  text.SetBkColor(RGB(255, 255, 200));

  HDC dc = ::CreateCompatibleDC(nullptr);
  HBRUSH brush = reinterpret_cast<HBRUSH>(parent.SendMessage(
      WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text.m_hWnd)));
  ASSERT_NE(nullptr, brush);
  LOGBRUSH lb = {};
  ::GetObject(brush, sizeof lb, &lb);
  EXPECT_EQ(RGB(255, 255, 200), lb.lbColor);
  EXPECT_EQ(RGB(200, 0, 0), ::GetTextColor(dc));
  EXPECT_EQ(RGB(255, 255, 200), ::GetBkColor(dc));
  ::DeleteDC(dc);

  text.SetTextColor(0xFFFFFFFF);
  EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), text.GetTextColor())
      << "0xFFFFFFFF brings the system colour back";
  text.SetBkColor(0xFFFFFFFF);
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), text.GetBkColor());
}

TEST_F(SmallControls, ColouredStaticNotifiesClicksWhenAsked) {
  coretest::ParentWnd parent;
  tks::MessageRecorder notes;
  notes.Only({WM_USER + 7});
  CColorStaticST text;
  ASSERT_TRUE(text.Create(L"Link", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(10, 10, 200, 30),
                          &parent, 201));
  ASSERT_TRUE(notes.Attach(parent.m_hWnd));
  tks::Click(text.m_hWnd, {5, 5});
  EXPECT_TRUE(notes.Messages().empty()) << "no notification before EnableNotify";
  text.EnableNotify(&parent, WM_USER + 7);
  tks::Click(text.m_hWnd, {5, 5});
  ASSERT_EQ(1u, notes.Messages().size());
  EXPECT_EQ(201u, notes.Messages()[0].wParam);
  EXPECT_EQ(reinterpret_cast<LPARAM>(text.m_hWnd), notes.Messages()[0].lParam);
  notes.Detach();
}

TEST_F(SmallControls, ColouredStaticLeavesNoBrushes) {
  coretest::ParentWnd parent;
  auto createAndDestroy = [&] {
    CColorStaticST text;
    text.Create(L"x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 202);
    for (COLORREF c : {COLORREF(RGB(1, 2, 3)), COLORREF(RGB(4, 5, 6)), COLORREF(0xFFFFFFFF)})
      text.SetBkColor(c);
    text.UpdateWindow();
    text.DestroyWindow();
  };
  createAndDestroy();  // the first static painted makes the system's font objects
  TKS_EXPECT_NO_GUI_LEAK(createAndDestroy());
}

// ---- CInputBox

TEST_F(SmallControls, InputBoxInPasswordModeReturnsWhatWasTyped) {
  CInputBox box(L"Database login", L"Password for sa:", TRUE);
  std::wstring caption, prompt;
  WPARAM passwordChar = 0;
  tks::AnswerNextDialog([&](HWND dlg) {
    wchar_t buf[64] = {};
    ::GetWindowTextW(dlg, buf, 64);
    caption = buf;
    prompt = tks::DialogItemText(dlg, IDC_QX_INPUT_PROMPT);
    HWND edit = ::GetDlgItem(dlg, IDC_QX_INPUT_VALUE);
    passwordChar = ::SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0);
    tks::TypeText(edit, L"s3cret");
    tks::PressButton(dlg, IDOK);
  });
  EXPECT_EQ(IDOK, box.DoModal());
  EXPECT_EQ(L"Database login", caption);
  EXPECT_EQ(L"Password for sa:", prompt);
  EXPECT_EQ(static_cast<WPARAM>(L'*'), passwordChar);
  EXPECT_EQ(CString(L"s3cret"), box.GetInputValue());
}

TEST_F(SmallControls, InputBoxShowsThePresetAndCancelKeepsIt) {
  CInputBox box(L"Rename", L"New name:", FALSE);
  box.SetInputValue(L"Job 1");
  std::wstring shown;
  WPARAM passwordChar = 1;
  tks::AnswerNextDialog([&](HWND dlg) {
    shown = tks::DialogItemText(dlg, IDC_QX_INPUT_VALUE);
    passwordChar = ::SendDlgItemMessageW(dlg, IDC_QX_INPUT_VALUE, EM_GETPASSWORDCHAR, 0, 0);
    ::SetDlgItemTextW(dlg, IDC_QX_INPUT_VALUE, L"Job 2");
    tks::PressButton(dlg, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, box.DoModal());
  EXPECT_EQ(L"Job 1", shown);
  EXPECT_EQ(0u, passwordChar) << "plain mode shows the characters";
  EXPECT_EQ(CString(L"Job 1"), box.GetInputValue());
}

// ---- CExListBox

class FunctionList : public SmallControls {
 protected:
  void SetUp() override {
    SmallControls::SetUp();
    CStringArray* keys = TKWGetScriptManager()->GetKeyWords();
    ASSERT_GE(keys->GetSize(), 2) << "the script manager has no functions";
    first_ = keys->GetAt(0);
    second_ = keys->GetAt(1);
  }
  static CString DescriptionOf(const CString& name) {
    CScriptObject* object = TKWGetScriptManager()->GetQXScriptObject(name);
    return object ? object->GetDescription() : CString();
  }
  BOOL CreateList(CExListBox& list, CWnd* parent) {
    if (!list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED |
                         LBS_HASSTRINGS | LBS_NOTIFY,
                     CRect(10, 10, 150, 150), parent, 300))
      return FALSE;
    list.AddItem(first_, RGB(0, 0, 128));
    list.AddItem(second_, RGB(128, 0, 0));
    list.AddItem(L"NoSuchFunction");
    return TRUE;
  }
  CString first_, second_;
};

TEST_F(FunctionList, TipShowsTheSelectedFunctionsDescriptionBesideTheList) {
  coretest::ParentWnd parent;
  CExListBox list;
  ASSERT_TRUE(CreateList(list, &parent));
  EXPECT_EQ(::GetSystemMetrics(SM_CYMENUCHECK), list.GetItemHeight(0));
  EXPECT_EQ(RGB(0, 0, 128), list.GetItemData(0));
  EXPECT_EQ(0u, list.GetItemData(2));
  ASSERT_FALSE(DescriptionOf(first_).IsEmpty());

  list.UpdateTip();
  EXPECT_EQ(0, list.GetCurSel()) << "the first item is selected when none is";
  CXTPTipWindow* tip = list.GetTipWindow();
  ASSERT_TRUE(tip->IsTipVisible());
  EXPECT_EQ(first_, tip->GetTitle());
  EXPECT_EQ(DescriptionOf(first_), tip->GetText());
  CRect item;
  list.GetItemRect(0, &item);
  list.ClientToScreen(&item);
  const CRect at = ScreenRect(tip->m_hWnd);
  EXPECT_EQ(ScreenRect(list.m_hWnd).right + 5, at.left);
  EXPECT_EQ(item.top, at.top);

  // A click on the second item changes the selection, and the tip follows it.
  CRect second;
  list.GetItemRect(1, &second);
  tks::Click(list.m_hWnd, second.CenterPoint());
  EXPECT_EQ(1, list.GetCurSel());
  EXPECT_EQ(second_, tip->GetTitle());
  EXPECT_EQ(DescriptionOf(second_), tip->GetText());
  EXPECT_TRUE(tip->IsTipVisible());

  // A name the manager does not know shows an empty description.
  list.SetCurSel(2);
  list.UpdateTip();
  EXPECT_EQ(CString(L"NoSuchFunction"), tip->GetTitle());
  EXPECT_TRUE(tip->GetText().IsEmpty());

  list.HideTip();
  EXPECT_FALSE(tip->IsTipVisible());
}

// A dialog with one owner-drawn list box (id 300) in a 20-point font, so the height the list
// box takes from its font differs from the one CExListBox gives its items.
class ListDialog : public CDialog {
 public:
  ListDialog() {
    auto words = [&](std::initializer_list<WORD> w) { t_.insert(t_.end(), w); };
    auto text = [&](const wchar_t* s) {
      while (*s) t_.push_back(*s++);
      t_.push_back(0);
    };
    words({LOWORD(DS_SETFONT), HIWORD(WS_POPUP), 0, 0, 1, 0, 0, 200, 120, 0, 0, 0, 20});
    text(L"Arial");
    if (t_.size() % 2) t_.push_back(0);  // the item starts on a DWORD
    const DWORD style = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    words({LOWORD(style), HIWORD(style), 0, 0, 5, 5, 150, 100, 300, 0xFFFF, 0x0083, 0, 0});
  }
  BOOL Create(CWnd* parent) {
    return CreateIndirect(reinterpret_cast<LPCDLGTEMPLATE>(t_.data()), parent);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    return list.SubclassDlgItem(300, this);
  }
  CExListBox list;

 private:
  std::vector<WORD> t_;
};

TEST_F(FunctionList, ListFromADialogTemplateGetsTheCheckMarkHeight) {
  coretest::ParentWnd parent;
  ListDialog dialog;
  ASSERT_TRUE(dialog.Create(&parent));
  ASSERT_NE(nullptr, dialog.list.m_hWnd);
  dialog.list.AddItem(L"$QXRand");
  EXPECT_EQ(::GetSystemMetrics(SM_CYMENUCHECK), dialog.list.GetItemHeight(0));
  dialog.DestroyWindow();
}

TEST_F(FunctionList, TipGoesLeftOfTheListAtTheDesktopsRightEdge) {
  CRect desktop;
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  coretest::ParentWnd parent(CRect(desktop.right - 170, 0, desktop.right, 200));
  CExListBox list;
  ASSERT_TRUE(CreateList(list, &parent));
  list.UpdateTip();
  const CRect at = ScreenRect(list.GetTipWindow()->m_hWnd);
  EXPECT_EQ(ScreenRect(list.m_hWnd).left - 3, at.right);
}

TEST_F(FunctionList, TipHidesOnAKeyAClickOrWhenItsTimeIsUp) {
  coretest::ParentWnd parent;
  CExListBox list;
  ASSERT_TRUE(CreateList(list, &parent));
  CXTPTipWindow* tip = list.GetTipWindow();
  list.UpdateTip();
  ASSERT_TRUE(tip->IsTipVisible());
  tks::PressKey(parent.m_hWnd, 'A');
  EXPECT_FALSE(tip->IsTipVisible()) << "a key hides the tip";

  list.UpdateTip();
  ASSERT_TRUE(tip->IsTipVisible()) << "hidden tips show again for the same item";
  tks::Click(parent.m_hWnd, {300, 250});
  EXPECT_FALSE(tip->IsTipVisible()) << "a click hides the tip";

  tip->ShowTipWindow(CPoint(20, 20), 0, 0, 100);
  ASSERT_TRUE(tip->IsTipVisible());
  EXPECT_TRUE(PumpUntil([&] { return !tip->IsTipVisible(); })) << "the elapse timer hides the tip";
}

// Draws one item of the list into a white 32-bit surface and answers the surface's pixels.
struct DrawnItem {
  COLORREF fill = 0;    // at the item's right end, where no text is
  bool textIn = false;  // some pixel has the expected text colour
};
DrawnItem DrawOne(CExListBox& list, int index, UINT action, UINT state, COLORREF text) {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
  bmi.bmiHeader.biWidth = 120;
  bmi.bmiHeader.biHeight = -16;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  DWORD* bits = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBITMAP bitmap =
      ::CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  HGDIOBJ old = ::SelectObject(dc, bitmap);
  RECT all = {0, 0, 120, 16};
  ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  DRAWITEMSTRUCT dis = {ODT_LISTBOX, 300, static_cast<UINT>(index), action, state, list.m_hWnd,
                        dc,          all, list.GetItemData(index)};
  list.DrawItem(&dis);
  ::GdiFlush();
  auto at = [&](int x, int y) {
    const DWORD v = bits[y * 120 + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  };
  DrawnItem result;
  result.fill = at(118, 8);
  for (int y = 0; y < 16 && !result.textIn; ++y)
    for (int x = 0; x < 120 && !result.textIn; ++x) result.textIn = at(x, y) == text;
  ::SelectObject(dc, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return result;
}

TEST_F(FunctionList, ItemsAreFilledAndWrittenInTheirColours) {
  coretest::ParentWnd parent;
  CExListBox list;
  ASSERT_TRUE(CreateList(list, &parent));
  const COLORREF navy = RGB(0, 0, 128), inverse = RGB(255, 255, 127);

  DrawnItem selected = DrawOne(list, 0, ODA_DRAWENTIRE, ODS_SELECTED, inverse);
  EXPECT_EQ(navy, selected.fill) << "a selected coloured item is filled with its colour";
  EXPECT_TRUE(selected.textIn) << "and written in the inverse colour";

  DrawnItem plain = DrawOne(list, 0, ODA_DRAWENTIRE, 0, navy);
  EXPECT_EQ(::GetSysColor(COLOR_WINDOW), plain.fill);
  EXPECT_TRUE(plain.textIn) << "an unselected coloured item is written in its colour";

  DrawnItem deselected = DrawOne(list, 0, ODA_SELECT, 0, navy);
  EXPECT_EQ(::GetSysColor(COLOR_WINDOW), deselected.fill);

  DrawnItem disabled =
      DrawOne(list, 1, ODA_DRAWENTIRE, ODS_DISABLED, ::GetSysColor(COLOR_GRAYTEXT));
  EXPECT_TRUE(disabled.textIn) << "disabled items are grey";

  DrawnItem uncoloured = DrawOne(list, 2, ODA_DRAWENTIRE, 0, ::GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_TRUE(uncoloured.textIn) << "items without a colour use the window text colour";
  DrawnItem highlighted =
      DrawOne(list, 2, ODA_DRAWENTIRE, ODS_SELECTED, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
  EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), highlighted.fill)
      << "a selected item without a colour takes the system highlight";
  EXPECT_TRUE(highlighted.textIn);
}

TEST_F(FunctionList, ListWithTipCreatedAndDestroyedLeavesNothing) {
  coretest::ParentWnd parent;
  {
    CExListBox warmup;
    CreateList(warmup, &parent);
    warmup.UpdateTip();
    warmup.DestroyWindow();
  }
  TKS_EXPECT_NO_GUI_LEAK({
    CExListBox list;
    CreateList(list, &parent);
    list.UpdateTip();
    list.UpdateWindow();
    list.DestroyWindow();
  });
}

}  // namespace
