// Notifications: WM_NOTIFY by id and code, reflection back to the child's own object
// (with and without letting the parent see it), owner-draw reflection and PreTranslateMessage.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Support.h"
#include "afxwin.h"

namespace {

const UINT kIdChild = 0x41, kIdOther = 0x42;
const UINT kCodeSelect = UINT(-850), kCodeOther = UINT(-851);

// A child that sends notifications to its parent as a control would.
class CNotifierWnd : public CWnd {
 public:
  BOOL reflectAnswer = FALSE;  // what the _EX reflection handler answers
  std::vector<std::string>* log = nullptr;

  LRESULT Notify(UINT code) {
    NMHDR hdr = {};
    hdr.hwndFrom = m_hWnd;
    hdr.idFrom = UINT_PTR(GetDlgCtrlID());
    hdr.code = code;
    return ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, hdr.idFrom,
                          reinterpret_cast<LPARAM>(&hdr));
  }
  afx_msg void OnReflectSelect(NMHDR* pNMHDR, LRESULT* pResult) {
    log->push_back("child select " + std::to_string(pNMHDR->idFrom));
    *pResult = 7;
  }
  afx_msg BOOL OnReflectOther(NMHDR*, LRESULT*) {
    log->push_back("child other");
    return reflectAnswer;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifierWnd, CWnd)
  ON_NOTIFY_REFLECT(kCodeSelect, OnReflectSelect)
  ON_NOTIFY_REFLECT_EX(kCodeOther, OnReflectOther)
END_MESSAGE_MAP()

// A plain child without reflection entries.
class CQuietChild : public CWnd {};

class CParentWnd : public CWnd {
 public:
  std::vector<std::string> log;
  afx_msg void OnSelect(NMHDR* pNMHDR, LRESULT* pResult) {
    log.push_back("parent select " + std::to_string(pNMHDR->idFrom));
    *pResult = 42;
  }
  afx_msg void OnOtherRange(UINT nID, NMHDR*, LRESULT* pResult) {
    log.push_back("parent other " + std::to_string(nID));
    *pResult = 43;
  }
  afx_msg void OnChildClicked() { log.push_back("parent clicked"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
  ON_NOTIFY(kCodeSelect, kIdChild, OnSelect)
  ON_NOTIFY(kCodeSelect, kIdOther, OnSelect)
  ON_NOTIFY_RANGE(kCodeOther, kIdChild, kIdOther, OnOtherRange)
  ON_BN_CLICKED(kIdChild, OnChildClicked)
END_MESSAGE_MAP()

class WndReflection : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
  }
  CParentWnd parent;
};

TEST_F(WndReflection, NotifyGoesToTheParentEntryOfTheChildsIdAndCode) {
  CQuietChild child;
  ASSERT_TRUE(child.Create(nullptr, L"c", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, kIdOther));
  NMHDR hdr = {child.m_hWnd, kIdOther, kCodeSelect};
  EXPECT_EQ(42, ::SendMessageW(parent.m_hWnd, WM_NOTIFY, kIdOther, reinterpret_cast<LPARAM>(&hdr)));
  hdr.code = kCodeOther;
  EXPECT_EQ(43, ::SendMessageW(parent.m_hWnd, WM_NOTIFY, kIdOther, reinterpret_cast<LPARAM>(&hdr)));
  hdr.idFrom = kIdOther + 1;
  EXPECT_EQ(0,
            ::SendMessageW(parent.m_hWnd, WM_NOTIFY, kIdOther + 1, reinterpret_cast<LPARAM>(&hdr)))
      << "an id outside the range has no handler";
  EXPECT_EQ((std::vector<std::string>{"parent select 66", "parent other 66"}), parent.log);
}

TEST_F(WndReflection, ReflectedNotifyIsTheChildsAloneUnlessTheExFormDeclines) {
  CNotifierWnd child;
  child.log = &parent.log;
  ASSERT_TRUE(child.Create(nullptr, L"c", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, kIdChild));

  EXPECT_EQ(7, child.Notify(kCodeSelect)) << "the child's answer is the result";
  EXPECT_EQ((std::vector<std::string>{"child select 65"}), parent.log)
      << "ON_NOTIFY_REFLECT hides it from the parent";

  parent.log.clear();
  child.reflectAnswer = TRUE;
  child.Notify(kCodeOther);
  EXPECT_EQ((std::vector<std::string>{"child other"}), parent.log) << "_EX answering TRUE keeps it";

  parent.log.clear();
  child.reflectAnswer = FALSE;
  EXPECT_EQ(43, child.Notify(kCodeOther));
  EXPECT_EQ((std::vector<std::string>{"child other", "parent other 65"}), parent.log)
      << "_EX answering FALSE lets the parent see it too";
}

// A push button whose object handles its own click.
class CSelfClickButton : public CWnd {
 public:
  std::vector<std::string>* log = nullptr;
  BOOL passOn = FALSE;
  afx_msg void OnClicked() { log->push_back("button clicked"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClickButton, CWnd)
  ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class CPassOnButton : public CWnd {
 public:
  std::vector<std::string>* log = nullptr;
  afx_msg BOOL OnClicked() {
    log->push_back("button saw click");
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPassOnButton, CWnd)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

TEST_F(WndReflection, ControlReflectTakesTheClickFromTheParent) {
  CSelfClickButton button;
  button.log = &parent.log;
  ASSERT_TRUE(button.Create(L"BUTTON", L"b", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20),
                            &parent, kIdChild));
  button.SendMessage(BM_CLICK);
  tks::PumpUntilIdle();
  EXPECT_EQ((std::vector<std::string>{"button clicked"}), parent.log);
}

TEST_F(WndReflection, ControlReflectExCanPassTheClickOn) {
  CPassOnButton button;
  button.log = &parent.log;
  ASSERT_TRUE(button.Create(L"BUTTON", L"b", WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20),
                            &parent, kIdChild));
  button.SendMessage(BM_CLICK);
  tks::PumpUntilIdle();
  EXPECT_EQ((std::vector<std::string>{"button saw click", "parent clicked"}), parent.log);
}

// Owner-drawn controls draw and measure themselves through reflection.
class COwnerDrawButton : public CWnd {
 public:
  int draws = 0;
  UINT drawnCtlId = 0;
  afx_msg void DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    ++draws;
    drawnCtlId = lpDIS->CtlID;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawButton, CWnd)
  ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

class COwnerDrawList : public CWnd {
 public:
  int measures = 0;
  afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
    ++measures;
    lpMIS->itemHeight = 31;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDrawList, CWnd)
  ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

TEST_F(WndReflection, DrawItemIsReflectedToTheOwnerDrawnChild) {
  COwnerDrawButton button;
  ASSERT_TRUE(button.Create(L"BUTTON", L"b", WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 60, 20),
                            &parent, kIdChild));
  parent.ShowWindow(SW_SHOWNOACTIVATE);
  button.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  tks::PumpUntilIdle();
  EXPECT_GE(button.draws, 1) << "WM_DRAWITEM sent to the parent must reach the button's DrawItem";
  EXPECT_EQ(kIdChild, button.drawnCtlId);
}

TEST_F(WndReflection, MeasureItemIsReflectedWhileTheChildIsBeingCreated) {
  COwnerDrawList list;
  ASSERT_TRUE(list.Create(L"LISTBOX", L"", WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                          CRect(0, 0, 100, 100), &parent, kIdChild));
  EXPECT_GE(list.measures, 1);
  EXPECT_EQ(31, list.SendMessage(LB_GETITEMHEIGHT, 0)) << "the height the child's MeasureItem gave";
}

// ---- PreTranslateMessage

class CKeyChild : public CWnd {
 public:
  std::vector<std::string>* log = nullptr;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) log->push_back("child pre " + std::to_string(pMsg->wParam));
    return FALSE;
  }
  afx_msg void OnKeyDown(UINT nChar, UINT, UINT) {
    log->push_back("child key " + std::to_string(nChar));
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeyChild, CWnd)
  ON_WM_KEYDOWN()
END_MESSAGE_MAP()

class CKeyEatingParent : public CWnd {
 public:
  std::vector<std::string> log;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F5) {
      log.push_back("parent ate F5");
      return TRUE;
    }
    return FALSE;
  }
};

TEST(WndPreTranslate, AParentCanEatAKeyBeforeTheChildSeesIt) {
  CKeyEatingParent parent;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
  CKeyChild child;
  child.log = &parent.log;
  ASSERT_TRUE(child.Create(nullptr, L"c", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, kIdChild));

  tks::PreTranslateHook previous = tks::SetPreTranslateHook(
      [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
  child.PostMessage(WM_KEYDOWN, VK_F5, 1);
  child.PostMessage(WM_KEYDOWN, VK_F6, 1);
  tks::PumpUntilIdle();
  tks::SetPreTranslateHook(previous);

  const std::string f5 = std::to_string(VK_F5), f6 = std::to_string(VK_F6);
  EXPECT_EQ((std::vector<std::string>{"child pre " + f5, "parent ate F5", "child pre " + f6,
                                      "child key " + f6}),
            parent.log);
}

TEST(WndPreTranslate, TheWalkStopsAtTheGivenWindow) {
  CKeyEatingParent parent;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
  CKeyChild child;
  child.log = &parent.log;
  ASSERT_TRUE(child.Create(nullptr, L"c", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, kIdChild));
  MSG msg = {child.m_hWnd, WM_KEYDOWN, VK_F5, 1, 0, {0, 0}};
  EXPECT_FALSE(CWnd::WalkPreTranslateTree(child.m_hWnd, &msg)) << "the parent is above the stop";
  EXPECT_TRUE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
}

}  // namespace

namespace {

// ---- colours and scrolling

class CColouredChild : public CWnd {
 public:
  HBRUSH brush = nullptr;  // null: let the parent decide
  UINT lastKind = 99;
  UINT lastScrollCode = 99, lastScrollPos = 0;
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
    EXPECT_NE(nullptr, pDC);
    lastKind = nCtlColor;
    return brush;
  }
  afx_msg void HScroll(UINT nSBCode, UINT nPos) {
    lastScrollCode = nSBCode;
    lastScrollPos = nPos;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouredChild, CWnd)
  ON_WM_CTLCOLOR_REFLECT()
  ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

class CColourParent : public CWnd {
 public:
  HBRUSH parentBrush = reinterpret_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
  UINT lastKind = 99;
  CWnd* lastChild = nullptr;
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    lastKind = nCtlColor;
    lastChild = pWnd;
    HBRUSH hbr = CWnd::OnCtlColor(pDC, pWnd, nCtlColor);  // the child may answer first
    return hbr != nullptr && lastChildAnswered(pWnd) ? hbr : parentBrush;
  }
  static bool lastChildAnswered(CWnd* pWnd) {
    auto* pChild = dynamic_cast<CColouredChild*>(pWnd);
    return pChild != nullptr && pChild->brush != nullptr;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourParent, CWnd)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

TEST(WndReflectionColours, TheChildsBrushWinsAndTheParentDecidesWhenItDeclines) {
  CColourParent parent;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
  CColouredChild child;
  ASSERT_TRUE(child.Create(L"STATIC", L"s", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 5));
  HDC hdc = ::CreateCompatibleDC(nullptr);
  const HBRUSH childBrush = reinterpret_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));

  child.brush = childBrush;
  LRESULT got = ::SendMessageW(parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc),
                               reinterpret_cast<LPARAM>(child.m_hWnd));
  EXPECT_EQ(reinterpret_cast<LRESULT>(childBrush), got);
  EXPECT_EQ(UINT(CTLCOLOR_STATIC), child.lastKind);
  EXPECT_EQ(UINT(CTLCOLOR_STATIC), parent.lastKind)
      << "WM_CTLCOLORSTATIC arrives as CTLCOLOR_STATIC";
  EXPECT_EQ(&child, parent.lastChild);

  child.brush = nullptr;
  got = ::SendMessageW(parent.m_hWnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hdc),
                       reinterpret_cast<LPARAM>(child.m_hWnd));
  EXPECT_EQ(reinterpret_cast<LRESULT>(parent.parentBrush), got);
  EXPECT_EQ(UINT(CTLCOLOR_EDIT), child.lastKind);
  ::DeleteDC(hdc);
  AfxDeleteTempGdiAndMenuMaps();
}

TEST(WndReflectionColours, ScrollNotificationsFromAChildAreReflected) {
  CWnd parent;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
  CColouredChild bar;
  ASSERT_TRUE(
      bar.Create(L"SCROLLBAR", L"", WS_VISIBLE | SBS_HORZ, CRect(0, 0, 100, 16), &parent, 6));
  ::SendMessageW(parent.m_hWnd, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 17),
                 reinterpret_cast<LPARAM>(bar.m_hWnd));
  EXPECT_EQ(UINT(SB_THUMBPOSITION), bar.lastScrollCode);
  EXPECT_EQ(17u, bar.lastScrollPos);
}

// ---- focus handlers receive the other window's object

class CFocusChild : public CWnd {
 public:
  CWnd* gainedFrom = nullptr;
  CWnd* lostTo = nullptr;
  afx_msg void OnSetFocus(CWnd* pOldWnd) {
    gainedFrom = pOldWnd;
    CWnd::OnSetFocus(pOldWnd);
  }
  afx_msg void OnKillFocus(CWnd* pNewWnd) {
    lostTo = pNewWnd;
    CWnd::OnKillFocus(pNewWnd);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFocusChild, CWnd)
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

TEST(WndFocus, FocusHandlersNameTheOtherWindowsObject) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                              nullptr, nullptr));
  CFocusChild a, b;
  ASSERT_TRUE(a.Create(nullptr, L"a", WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 1));
  ASSERT_TRUE(b.Create(nullptr, L"b", WS_VISIBLE, CRect(0, 30, 50, 50), &parent, 2));
  parent.SetForegroundWindow();
  a.SetFocus();
  b.SetFocus();
  EXPECT_EQ(&b, a.lostTo);
  EXPECT_EQ(&a, b.gainedFrom);
  EXPECT_EQ(&b, CWnd::GetFocus());
}

}  // namespace
