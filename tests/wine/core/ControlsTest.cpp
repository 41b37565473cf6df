// The small shared controls driven by messages: button rows, the bubble, coloured statics,
// the input box and the function list with its description tip.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>

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

// A button's rectangle in the row's client coordinates.
CRect InRow(CButtonGrp& group, int i) {
  CRect rc = ScreenRect(group.GetButton(i)->m_hWnd);
  group.ScreenToClient(&rc);
  return rc;
}

const DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

void AddTen(CButtonGrp& group) {
  const UINT icons[] = {IDI_QX_PROPERTIES, IDI_QX_DELETE, IDI_QX_INSERT};
  for (UINT i = 0; i < 10; ++i)
    group.AddButton(icons[i % 3], 5000 + i, IDS_QX_DELETE_SELECTED_ITEMS);
}

// ---- CButtonGrp

TEST_F(SmallControls, ButtonRowHoldsTenRightAlignedButtonsAndIgnoresTheEleventh) {
  coretest::ParentWnd parent;
  CButtonGrp group;
  AddTen(group);
  group.AddButton(IDI_QX_PROPERTIES, 6000, IDS_QX_DELETE_SELECTED_ITEMS);
  group.AddShowPropertiesButton();
  EXPECT_EQ(10, group.GetButtonCount());
  EXPECT_EQ(10, group.GetImageList()->GetImageCount());
  EXPECT_EQ(5009u, group.GetButtonCommand(9));

  ASSERT_TRUE(group.Create(L"", kVisibleChild, CRect(10, 10, 300, 40), &parent, 100));
  for (int i = 0; i < 10; ++i) {
    HWND button = ::GetDlgItem(group.m_hWnd, CButtonGrp::kFirstButtonID + i);
    ASSERT_NE(nullptr, button) << "button " << i;
    EXPECT_EQ(BS_OWNERDRAW, ::GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK);
  }
  EXPECT_EQ(10, group.GetToolTip()->GetToolCount());
  // The last button rightmost, each one step further left.
  EXPECT_EQ(CRect(289 - 24, 1, 289, 29), InRow(group, 9));
  EXPECT_EQ(289 - 10 * 24, InRow(group, 0).left);
}

TEST_F(SmallControls, ButtonClickReachesTheRecipientAsItsCommand) {
  coretest::ParentWnd parent;
  coretest::ParentWnd recipient(CRect(0, 320, 100, 360));
  CButtonGrp group;
  group.AddShowPropertiesButton();
  group.AddDeleteButton();
  group.AddInsertButton();
  ASSERT_TRUE(group.Create(L"", kVisibleChild, CRect(10, 10, 200, 40), &parent, 100));

  tks::Click(group.GetButton(1)->m_hWnd, {5, 5});
  group.SetReciper(&recipient);
  tks::Click(group.GetButton(0)->m_hWnd, {5, 5});
  using Command = std::pair<WPARAM, LPARAM>;
  EXPECT_EQ(std::vector<Command>{Command(32781, 0)}, parent.commands) << "no recipient: parent";
  EXPECT_EQ(std::vector<Command>{Command(4141, 0)}, recipient.commands);

  group.EnableDelete(FALSE);
  group.ShowInsert(FALSE);
  EXPECT_FALSE(group.GetButton(1)->IsWindowEnabled());
  EXPECT_TRUE(group.GetButton(0)->IsWindowEnabled());
  EXPECT_FALSE(group.GetButton(2)->IsWindowVisible());
  group.EnableButton(12345, FALSE);  // no such command: nothing happens
  group.EnableWindow(TRUE);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(group.GetButton(i)->IsWindowEnabled()) << i;
  group.DisableButton(4141);
  EXPECT_FALSE(group.GetButton(0)->IsWindowEnabled());
}

TEST_F(SmallControls, CaptionButtonsUseTheWiderLayoutAgainAfterASizeChange) {
  coretest::ParentWnd parent;
  CButtonGrp group;
  group.AddButtonWithText(IDI_QX_INSERT, 295, IDS_QX_DELETE_SELECTED_ITEMS, L"Insert");
  group.AddButtonWithText(IDI_QX_DELETE, 32781, IDS_QX_DELETE_SELECTED_ITEMS, L"Delete");
  ASSERT_TRUE(group.Create(L"", kVisibleChild, CRect(0, 0, 200, 30), &parent, 100));
  EXPECT_EQ(65, InRow(group, 0).Width());
  CString caption;
  group.GetButton(1)->GetWindowText(caption);
  EXPECT_EQ(CString(L"Delete"), caption);
  EXPECT_TRUE(group.GetButton(1)->GetStyle() & BS_LEFTTEXT);
  group.MoveWindow(0, 0, 300, 30);
  EXPECT_EQ(299, InRow(group, 1).right);
}

TEST_F(SmallControls, ThemedButtonTracksTheHotStateAndClicksLikeAPlainButton) {
  coretest::ParentWnd parent;
  CXTButton button;
  ASSERT_TRUE(
      button.Create(L"Run", kVisibleChild | BS_OWNERDRAW, CRect(10, 10, 90, 34), &parent, 77));
  HICON icon = static_cast<HICON>(
      ::LoadImageW(nullptr, MAKEINTRESOURCEW(32512), IMAGE_ICON, 16, 16, LR_SHARED));
  EXPECT_TRUE(button.SetIcon(CSize(16, 16), icon));
  EXPECT_NE(icon, button.GetIcon()) << "the button keeps its own copy";
  tks::MoveMouse(button.m_hWnd, {5, 5});
  EXPECT_TRUE(button.IsHot());
  button.SendMessage(WM_MOUSELEAVE);
  EXPECT_FALSE(button.IsHot());
  tks::Click(button.m_hWnd, {5, 5});
  ASSERT_EQ(1u, parent.commands.size());
  EXPECT_EQ(MAKEWPARAM(77, BN_CLICKED), parent.commands[0].first);
  EXPECT_EQ(reinterpret_cast<LPARAM>(button.m_hWnd), parent.commands[0].second);
}

// ---- CBubble

TEST_F(SmallControls, BubbleRepaintsOnlyForANewTextOrPlace) {
  CBubble bubble;
  ASSERT_TRUE(bubble.Create());
  tks::MessageRecorder paints;
  paints.Only({WM_PAINT});
  ASSERT_TRUE(paints.Attach(bubble.m_hWnd));
  struct Step {
    const wchar_t* text;
    int x;
    bool painted;
  } steps[] = {{L"Marker 1\n\rStart 00:10", 100, true},
               {L"Marker 1\n\rStart 00:10", 100, false},
               {L"Marker 1\n\rStart 00:11", 100, true},
               {L"Marker 1\n\rStart 00:11", 101, true}};
  for (const Step& step : steps) {
    paints.Clear();
    bubble.Show(step.text, step.x, 120);
    EXPECT_EQ(step.painted, !paints.Messages().empty()) << "painted at once, x " << step.x;
    tks::PumpUntilIdle();
    EXPECT_EQ(step.painted, !paints.Messages().empty()) << "painted later, x " << step.x;
    EXPECT_EQ(CPoint(step.x, 120), ScreenRect(bubble.m_hWnd).TopLeft());
  }
  bubble.Hide();
  EXPECT_FALSE(bubble.IsWindowVisible());
  EXPECT_TRUE(bubble.GetText().IsEmpty());
  bubble.Show(L"Marker 1\n\rStart 00:11", 101, 120);
  EXPECT_TRUE(bubble.IsWindowVisible()) << "shown again after hiding";
  paints.Detach();
}

TEST_F(SmallControls, BubbleSizeFollowsSeparatorsShadowAndIconsAndStaysOnTheScreen) {
  CBubble bubble;
  ASSERT_TRUE(bubble.Create());
  auto sizeOf = [&](const wchar_t* text) {
    bubble.Show(text, 10, 10);
    return ScreenRect(bubble.m_hWnd).Size();
  };
  const CSize one = sizeOf(L"one"), two = sizeOf(L"one\ntwo");
  EXPECT_EQ(two.cy + 5, sizeOf(L"one\n\rtwo").cy) << "a separator adds 5";
  bubble.SetShadow(TRUE);
  EXPECT_EQ(two + CSize(5, 5), sizeOf(L"one\ntwo")) << "the shadow adds 5 each way";
  bubble.SetShadow(FALSE);
  CImageList images;
  images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
  images.Add(::LoadIconW(nullptr, MAKEINTRESOURCEW(32512)));
  bubble.SetImageList(&images);
  EXPECT_EQ(one.cx + 16, sizeOf(L"\a00one").cx) << "an icon line is wider by the icon";

  const int right = ::GetSystemMetrics(SM_CXFULLSCREEN);
  const int bottom = ::GetSystemMetrics(SM_CYFULLSCREEN) - 20;
  bubble.Show(L"near the corner", right - 3, bottom - 2);
  EXPECT_EQ(CPoint(right, bottom), ScreenRect(bubble.m_hWnd).BottomRight());
  bubble.DestroyWindow();
}

// ---- CColorStaticST

TEST_F(SmallControls, ColouredStaticAnswersItsColourReflectionAndNotifiesWhenAsked) {
  coretest::ParentWnd parent;
  CColorStaticST text;
  ASSERT_TRUE(
      text.Create(L"Status", kVisibleChild | SS_NOTIFY, CRect(10, 10, 200, 30), &parent, 200));
  EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), text.GetTextColor());
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), text.GetBkColor());
  text.SetTextColor(RGB(200, 0, 0));
  text.SetBkColor(RGB(255, 255, 200));
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBRUSH brush = reinterpret_cast<HBRUSH>(parent.SendMessage(
      WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text.m_hWnd)));
  LOGBRUSH lb = {};
  ASSERT_TRUE(::GetObject(brush, sizeof lb, &lb));
  EXPECT_EQ(RGB(255, 255, 200), lb.lbColor);
  EXPECT_EQ(RGB(200, 0, 0), ::GetTextColor(dc));
  EXPECT_EQ(RGB(255, 255, 200), ::GetBkColor(dc));
  ::DeleteDC(dc);
  text.SetTextColor(0xFFFFFFFF);
  text.SetBkColor(0xFFFFFFFF);
  EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), text.GetTextColor()) << "0xFFFFFFFF: system colour";
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), text.GetBkColor());

  tks::MessageRecorder notes;
  notes.Only({WM_USER + 7});
  ASSERT_TRUE(notes.Attach(parent.m_hWnd));
  tks::Click(text.m_hWnd, {5, 5});
  EXPECT_TRUE(notes.Messages().empty()) << "no notification before EnableNotify";
  text.EnableNotify(&parent, WM_USER + 7);
  tks::Click(text.m_hWnd, {5, 5});
  ASSERT_EQ(1u, notes.Messages().size());
  EXPECT_EQ(200u, notes.Messages()[0].wParam);
  EXPECT_EQ(reinterpret_cast<LPARAM>(text.m_hWnd), notes.Messages()[0].lParam);
  notes.Detach();
}

// ---- CInputBox

TEST_F(SmallControls, InputBoxShowsCaptionPromptAndPresetAndReturnsTheValueOnOkOnly) {
  struct Case {
    BOOL password;
    int button;
    const wchar_t* kept;  // the value after the dialog, "Job 1" preset, "s3cret" typed
    WPARAM passwordChar;
  } cases[] = {{TRUE, IDOK, L"s3cret", L'*'}, {FALSE, IDCANCEL, L"Job 1", 0}};
  for (const Case& c : cases) {
    CInputBox box(L"Database login", L"Password for sa:", c.password);
    box.SetInputValue(L"Job 1");
    std::wstring caption, prompt, preset;
    WPARAM passwordChar = 1;
    tks::AnswerNextDialog([&](HWND dlg) {
      wchar_t buf[64] = {};
      ::GetWindowTextW(dlg, buf, 64);
      caption = buf;
      prompt = tks::DialogItemText(dlg, IDC_QX_INPUT_PROMPT);
      preset = tks::DialogItemText(dlg, IDC_QX_INPUT_VALUE);
      HWND edit = ::GetDlgItem(dlg, IDC_QX_INPUT_VALUE);
      passwordChar = ::SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0);
      ::SetWindowTextW(edit, L"");
      tks::TypeText(edit, L"s3cret");
      tks::PressButton(dlg, c.button);
    });
    EXPECT_EQ(c.button, box.DoModal());
    EXPECT_EQ(L"Database login", caption);
    EXPECT_EQ(L"Password for sa:", prompt);
    EXPECT_EQ(L"Job 1", preset);
    EXPECT_EQ(c.passwordChar, passwordChar);
    EXPECT_EQ(CString(c.kept), box.GetInputValue());
  }
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
    if (!list.Create(kVisibleChild | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                         LBS_NOTIFY,
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
  EXPECT_EQ(CPoint(ScreenRect(list.m_hWnd).right + 5, item.top), ScreenRect(tip->m_hWnd).TopLeft());

  // A click on the second item changes the selection, and the tip follows it.
  list.GetItemRect(1, &item);
  tks::Click(list.m_hWnd, item.CenterPoint());
  EXPECT_EQ(1, list.GetCurSel());
  EXPECT_EQ(second_, tip->GetTitle());
  EXPECT_EQ(DescriptionOf(second_), tip->GetText());

  list.SetCurSel(2);
  list.UpdateTip();
  EXPECT_EQ(CString(L"NoSuchFunction"), tip->GetTitle());
  EXPECT_TRUE(tip->GetText().IsEmpty()) << "a name the manager does not know";
  list.HideTip();
  EXPECT_FALSE(tip->IsTipVisible());
}

TEST_F(FunctionList, TipGoesLeftOfTheListAtTheDesktopsRightEdge) {
  CRect desktop;
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  coretest::ParentWnd parent(CRect(desktop.right - 170, 0, desktop.right, 200));
  CExListBox list;
  ASSERT_TRUE(CreateList(list, &parent));
  list.UpdateTip();
  EXPECT_EQ(ScreenRect(list.m_hWnd).left - 3, ScreenRect(list.GetTipWindow()->m_hWnd).right);
}

TEST_F(FunctionList, TipHidesOnAKeyAClickOrWhenItsTimeIsUp) {
  coretest::ParentWnd parent;
  CExListBox list;
  ASSERT_TRUE(CreateList(list, &parent));
  CXTPTipWindow* tip = list.GetTipWindow();
  list.UpdateTip();
  tks::PressKey(parent.m_hWnd, 'A');
  EXPECT_FALSE(tip->IsTipVisible()) << "a key hides the tip";
  list.UpdateTip();
  ASSERT_TRUE(tip->IsTipVisible()) << "hidden tips show again for the same item";
  tks::Click(parent.m_hWnd, {300, 250});
  EXPECT_FALSE(tip->IsTipVisible()) << "a click hides the tip";

  tip->ShowTipWindow(CPoint(20, 20), 0, 0, 100);
  const DWORD start = ::GetTickCount();
  while (tip->IsTipVisible() && ::GetTickCount() - start < 2000) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    tks::PumpUntilIdle();
  }
  EXPECT_FALSE(tip->IsTipVisible()) << "the elapse timer hides the tip";
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
    const DWORD style = kVisibleChild | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
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

TEST_F(FunctionList, ItemsAreFilledAndWrittenInTheirColours) {
  coretest::ParentWnd parent;
  CExListBox list;
  ASSERT_TRUE(CreateList(list, &parent));
  const COLORREF navy = RGB(0, 0, 128), white = ::GetSysColor(COLOR_WINDOW);
  struct Case {
    const char* what;
    int index;
    UINT action, state;
    COLORREF fill;  // at the item's right end, where no text is
    COLORREF text;  // some pixel has it
  } cases[] = {
      {"selected coloured: its colour, inverse text", 0, ODA_DRAWENTIRE, ODS_SELECTED, navy,
       RGB(255, 255, 127)},
      {"coloured", 0, ODA_DRAWENTIRE, 0, white, navy},
      {"deselected", 0, ODA_SELECT, 0, white, navy},
      {"disabled", 1, ODA_DRAWENTIRE, ODS_DISABLED, white, ::GetSysColor(COLOR_GRAYTEXT)},
      {"without a colour", 2, ODA_DRAWENTIRE, 0, white, ::GetSysColor(COLOR_WINDOWTEXT)},
      {"selected without a colour: the system highlight", 2, ODA_DRAWENTIRE, ODS_SELECTED,
       ::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHTTEXT)},
  };
  for (const Case& c : cases) {
    coretest::Surface surface(120, 16, RGB(255, 255, 255));
    DRAWITEMSTRUCT dis = {ODT_LISTBOX,
                          300,
                          static_cast<UINT>(c.index),
                          c.action,
                          c.state,
                          list.m_hWnd,
                          surface.dc(),
                          {0, 0, 120, 16},
                          list.GetItemData(c.index)};
    list.DrawItem(&dis);
    EXPECT_EQ(c.fill, surface.At(118, 8)) << c.what;
    EXPECT_TRUE(surface.Shows(c.text)) << c.what << ": no pixel in the text colour";
  }
}

// Each control made, used and destroyed twice: the first round lets the system make the
// objects it keeps for the process once used; the second must leave nothing.
TEST_F(FunctionList, ControlsCreatedAndDestroyedLeaveNothing) {
  coretest::ParentWnd parent;
  const std::pair<const char*, std::function<void()>> rounds[] = {
      {"button row",
       [&] {
         CButtonGrp group;
         AddTen(group);
         group.Create(L"", kVisibleChild, CRect(10, 10, 300, 40), &parent, 100);
         group.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
         group.DestroyWindow();
       }},
      {"bubble",
       [] {
         CBubble bubble;
         bubble.Create();
         bubble.SetShadow(TRUE);
         bubble.Show(L"a\n\rb", 50, 50);
         bubble.Hide();
         bubble.DestroyWindow();
       }},
      {"coloured static",
       [&] {
         CColorStaticST text;
         text.Create(L"x", kVisibleChild, CRect(0, 0, 50, 20), &parent, 202);
         for (COLORREF c : {COLORREF(RGB(1, 2, 3)), COLORREF(0xFFFFFFFF)}) text.SetBkColor(c);
         text.UpdateWindow();
         text.DestroyWindow();
       }},
      {"function list with its tip",
       [&] {
         CExListBox list;
         CreateList(list, &parent);
         list.UpdateTip();
         list.UpdateWindow();
         list.DestroyWindow();
       }},
  };
  for (const auto& round : rounds) {
    SCOPED_TRACE(round.first);
    round.second();
    TKS_EXPECT_NO_GUI_LEAK(round.second());
  }
}

}  // namespace
