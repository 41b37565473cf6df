// Notifications: WM_NOTIFY and WM_COMMAND by id and code, reflection back to the child's own
// object (with and without letting the parent see it), owner-draw, colour and scroll
// reflection, PreTranslateMessage and the focus handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Support.h"
#include "afxwin.h"

namespace {

const UINT kIdChild = 0x41, kIdOther = 0x42;
const UINT kCodeSelect = UINT(-850), kCodeOther = UINT(-851);

// What the parent and its children heard, in order.
std::vector<std::string> g_log;

// A child with every kind of reflection entry; it logs what reaches it.
class CReflectingChild : public CWnd {
 public:
  BOOL exAnswer = FALSE;   // what the _EX handlers answer
  HBRUSH brush = nullptr;  // null: the parent decides the colour
  UINT colourKind = 99, scrollCode = 99, scrollPos = 0;
  int measures = 0;
  std::vector<UINT> drawnIds;
  CWnd *gainedFrom = nullptr, *lostTo = nullptr;

  // Sends a notification to the parent as a control would.
  LRESULT Notify(UINT code) {
    NMHDR hdr = {m_hWnd, UINT_PTR(GetDlgCtrlID()), code};
    return ::SendMessageW(::GetParent(m_hWnd), WM_NOTIFY, hdr.idFrom, LPARAM(&hdr));
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN) g_log.push_back("child pre " + std::to_string(pMsg->wParam));
    return FALSE;
  }

 protected:
  afx_msg void OnReflectSelect(NMHDR* pNMHDR, LRESULT* pResult) {
    g_log.push_back("child select " + std::to_string(pNMHDR->idFrom));
    *pResult = 7;
  }
  afx_msg BOOL OnReflectOther(NMHDR*, LRESULT*) {
    g_log.push_back("child other");
    return exAnswer;
  }
  afx_msg void OnClicked() { g_log.push_back("child clicked"); }
  afx_msg BOOL OnDoubleClicked() {
    g_log.push_back("child double-clicked");
    return exAnswer;
  }
  afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) {
    ++measures;
    lpMIS->itemHeight = 31;
  }
  afx_msg void DrawItem(LPDRAWITEMSTRUCT lpDIS) { drawnIds.push_back(lpDIS->CtlID); }
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
    EXPECT_NE(nullptr, pDC);
    colourKind = nCtlColor;
    return brush;
  }
  afx_msg void HScroll(UINT nSBCode, UINT nPos) {
    scrollCode = nSBCode;
    scrollPos = nPos;
  }
  afx_msg void OnKeyDown(UINT nChar, UINT, UINT) {
    g_log.push_back("child key " + std::to_string(nChar));
  }
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

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
  ON_NOTIFY_REFLECT(kCodeSelect, OnReflectSelect)
  ON_NOTIFY_REFLECT_EX(kCodeOther, OnReflectOther)
  ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
  ON_CONTROL_REFLECT_EX(BN_DOUBLECLICKED, OnDoubleClicked)
  ON_WM_MEASUREITEM_REFLECT()
  ON_WM_DRAWITEM_REFLECT()
  ON_WM_CTLCOLOR_REFLECT()
  ON_WM_HSCROLL_REFLECT()
  ON_WM_KEYDOWN()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

// The parent: notification entries by id, code and range, a click handler, a colour handler
// that lets the child answer first, and a PreTranslateMessage that eats F5.
class CParentWnd : public CWnd {
 public:
  HBRUSH parentBrush = reinterpret_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
  UINT colourKind = 99;

  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_F5) return FALSE;
    g_log.push_back("parent ate F5");
    return TRUE;
  }

 protected:
  afx_msg void OnSelect(NMHDR* pNMHDR, LRESULT* pResult) {
    g_log.push_back("parent select " + std::to_string(pNMHDR->idFrom));
    *pResult = 42;
  }
  afx_msg void OnOtherRange(UINT nID, NMHDR*, LRESULT* pResult) {
    g_log.push_back("parent other " + std::to_string(nID));
    *pResult = 43;
  }
  afx_msg void OnChildClicked() { g_log.push_back("parent clicked"); }
  afx_msg void OnChildDoubleClicked() { g_log.push_back("parent double-clicked"); }
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    colourKind = nCtlColor;
    HBRUSH hbr = CWnd::OnCtlColor(pDC, pWnd, nCtlColor);  // the child may answer first
    auto* pChild = dynamic_cast<CReflectingChild*>(pWnd);
    return pChild != nullptr && pChild->brush != nullptr ? hbr : parentBrush;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
  ON_NOTIFY(kCodeSelect, kIdChild, OnSelect)
  ON_NOTIFY(kCodeSelect, kIdOther, OnSelect)
  ON_NOTIFY_RANGE(kCodeOther, kIdChild, kIdOther, OnOtherRange)
  ON_BN_CLICKED(kIdChild, OnChildClicked)
  ON_BN_DOUBLECLICKED(kIdChild, OnChildDoubleClicked)
  ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class WndReflection : public testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                                nullptr, nullptr));
  }
  bool MakeChild(CWnd& child, LPCTSTR cls, DWORD style, UINT nID = kIdChild, int y = 0) {
    return child.Create(cls, L"c", WS_VISIBLE | style, CRect(0, y, 100, y + 20), &parent, nID) != 0;
  }
  LRESULT SendCommand(UINT code, CWnd& child) {
    return parent.SendMessage(WM_COMMAND, MAKEWPARAM(child.GetDlgCtrlID(), code),
                              LPARAM(child.m_hWnd));
  }
  CParentWnd parent;
};

TEST_F(WndReflection, NotifyGoesToTheParentEntryOfTheChildsIdAndCode) {
  CWnd quiet;
  ASSERT_TRUE(MakeChild(quiet, nullptr, 0, kIdOther));
  NMHDR hdr = {quiet.m_hWnd, kIdOther, kCodeSelect};
  EXPECT_EQ(42, parent.SendMessage(WM_NOTIFY, kIdOther, LPARAM(&hdr)));
  hdr.code = kCodeOther;
  EXPECT_EQ(43, parent.SendMessage(WM_NOTIFY, kIdOther, LPARAM(&hdr)));
  hdr.idFrom = kIdOther + 1;
  EXPECT_EQ(0, parent.SendMessage(WM_NOTIFY, kIdOther + 1, LPARAM(&hdr)))
      << "an id outside the range has no handler";
  EXPECT_EQ((std::vector<std::string>{"parent select 66", "parent other 66"}), g_log);
}

TEST_F(WndReflection, AReflectedNotificationIsTheChildsAloneUnlessTheExFormDeclines) {
  CReflectingChild child;
  ASSERT_TRUE(MakeChild(child, L"BUTTON", BS_PUSHBUTTON));
  EXPECT_EQ(7, child.Notify(kCodeSelect)) << "the child's answer is the result";
  child.exAnswer = TRUE;
  child.Notify(kCodeOther);
  child.SendMessage(BM_CLICK);
  tks::PumpUntilIdle();
  SendCommand(BN_DOUBLECLICKED, child);
  EXPECT_EQ((std::vector<std::string>{"child select 65", "child other", "child clicked",
                                      "child double-clicked"}),
            g_log)
      << "reflection hides them from the parent; _EX answering TRUE too";

  g_log.clear();
  child.exAnswer = FALSE;
  EXPECT_EQ(43, child.Notify(kCodeOther));
  SendCommand(BN_DOUBLECLICKED, child);
  EXPECT_EQ((std::vector<std::string>{"child other", "parent other 65", "child double-clicked",
                                      "parent double-clicked"}),
            g_log)
      << "_EX answering FALSE lets the parent see it too";
}

TEST_F(WndReflection, OwnerDrawnChildrenMeasureFromCreationOnAndDrawThemselves) {
  CReflectingChild list;
  ASSERT_TRUE(list.Create(L"LISTBOX", L"", WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                          CRect(0, 0, 100, 100), &parent, kIdChild));
  EXPECT_GE(list.measures, 1) << "WM_MEASUREITEM arrives while the child is being created";
  EXPECT_EQ(31, list.SendMessage(LB_GETITEMHEIGHT, 0)) << "the height the child's MeasureItem gave";
  list.SendMessage(LB_ADDSTRING, 0, LPARAM(L"item"));
  list.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  tks::PumpUntilIdle();
  ASSERT_FALSE(list.drawnIds.empty()) << "WM_DRAWITEM sent to the parent must reach DrawItem";
  EXPECT_EQ(kIdChild, list.drawnIds[0]);
}

TEST_F(WndReflection, TheChildsBrushWinsTheParentDecidesWhenItDeclinesAndScrollsReflect) {
  CReflectingChild label, bar;
  ASSERT_TRUE(MakeChild(label, L"STATIC", 0, 5));
  ASSERT_TRUE(MakeChild(bar, L"SCROLLBAR", SBS_HORZ, 6, 30));
  HDC hdc = ::CreateCompatibleDC(nullptr);
  label.brush = reinterpret_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(LRESULT(label.brush),
            parent.SendMessage(WM_CTLCOLORSTATIC, WPARAM(hdc), LPARAM(label.m_hWnd)));
  EXPECT_EQ(UINT(CTLCOLOR_STATIC), label.colourKind);
  EXPECT_EQ(UINT(CTLCOLOR_STATIC), parent.colourKind) << "WM_CTLCOLORSTATIC arrives as its kind";
  label.brush = nullptr;
  EXPECT_EQ(LRESULT(parent.parentBrush),
            parent.SendMessage(WM_CTLCOLOREDIT, WPARAM(hdc), LPARAM(label.m_hWnd)));
  EXPECT_EQ(UINT(CTLCOLOR_EDIT), label.colourKind);
  ::DeleteDC(hdc);
  AfxDeleteTempGdiAndMenuMaps();

  parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 17), LPARAM(bar.m_hWnd));
  EXPECT_EQ(UINT(SB_THUMBPOSITION), bar.scrollCode);
  EXPECT_EQ(17u, bar.scrollPos);
}

TEST_F(WndReflection, AParentCanEatAKeyBeforeTheChildSeesItAndTheWalkStopsWhereAsked) {
  CReflectingChild child;
  ASSERT_TRUE(MakeChild(child, nullptr, 0));
  tks::PreTranslateHook previous = tks::SetPreTranslateHook(
      [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
  child.PostMessage(WM_KEYDOWN, VK_F5, 1);
  child.PostMessage(WM_KEYDOWN, VK_F6, 1);
  tks::PumpUntilIdle();
  tks::SetPreTranslateHook(previous);
  const std::string f5 = std::to_string(VK_F5), f6 = std::to_string(VK_F6);
  EXPECT_EQ((std::vector<std::string>{"child pre " + f5, "parent ate F5", "child pre " + f6,
                                      "child key " + f6}),
            g_log);

  MSG msg = {child.m_hWnd, WM_KEYDOWN, VK_F5, 1, 0, {0, 0}};
  EXPECT_FALSE(CWnd::WalkPreTranslateTree(child.m_hWnd, &msg)) << "the parent is above the stop";
  EXPECT_TRUE(CWnd::WalkPreTranslateTree(parent.m_hWnd, &msg));
}

TEST_F(WndReflection, FocusHandlersNameTheOtherWindowsObject) {
  CReflectingChild a, b;
  ASSERT_TRUE(MakeChild(a, nullptr, 0, 1));
  ASSERT_TRUE(MakeChild(b, nullptr, 0, 2, 30));
  parent.SetForegroundWindow();
  a.SetFocus();
  b.SetFocus();
  EXPECT_EQ(&b, a.lostTo);
  EXPECT_EQ(&a, b.gainedFrom);
  EXPECT_EQ(&b, CWnd::GetFocus());
}

}  // namespace
