// Window objects and handles: permanent and temporary wrappers, creation and its failures,
// subclassing existing windows, self-deleting windows and windows destroyed from outside.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Support.h"
#include "afxwin.h"

namespace {

HWND CreateForeignStatic(HWND hWndParent = nullptr) {
  return ::CreateWindowExW(0, L"STATIC", L"foreign", hWndParent != nullptr ? WS_CHILD : WS_POPUP, 0,
                           0, 10, 10, hWndParent, nullptr, nullptr, nullptr);
}

// A framework window of the default class: a popup, or a child of pParent.
bool Make(CWnd& wnd, CWnd* pParent = nullptr, UINT nID = 1) {
  if (pParent) return wnd.Create(nullptr, L"c", WS_VISIBLE, CRect(0, 0, 40, 20), pParent, nID) != 0;
  return wnd.CreateEx(0, nullptr, L"w", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr) != 0;
}

TEST(WndHandleMap, AForeignWindowGetsOneTemporaryWrapperOrAnAttachedObject) {
  HWND hWnd = CreateForeignStatic();
  ASSERT_NE(nullptr, hWnd);
  WNDPROC pfnBefore = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
  CWnd* pTemp = CWnd::FromHandle(hWnd);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd)) << "the same wrapper until the map is cleared";
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << "a wrapper is never permanent";
  AfxDeleteTempWndMap();
  EXPECT_TRUE(::IsWindow(hWnd)) << "freeing the wrapper must not destroy the window";
  EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));

  {
    CWnd wnd, other;
    ASSERT_TRUE(wnd.Attach(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hWnd));
    EXPECT_EQ(pfnBefore, reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)))
        << "attaching does not subclass";
    EXPECT_FALSE(other.Attach(hWnd)) << "one object per window";
    EXPECT_EQ(hWnd, wnd.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
  }
  EXPECT_TRUE(::IsWindow(hWnd)) << "a detached object does not destroy the window";
  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(hWnd));
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << "an attached window is unbound too";
}

TEST(WndHandleMap, AnObjectIsFoundUntilItsWindowEndsHoweverItEnds) {
  const struct {
    const char* how;
    std::function<void(CWnd*&)> end;
  } ways[] = {
      {"DestroyWindow", [](CWnd*& p) { EXPECT_TRUE(p->DestroyWindow()); }},
      {"destroyed from outside", [](CWnd*& p) { ::DestroyWindow(p->m_hWnd); }},
      {"the object's destructor",
       [](CWnd*& p) {
         delete p;
         p = nullptr;
       }},
  };
  for (const auto& way : ways) {
    CWnd* pWnd = new CWnd;
    ASSERT_TRUE(Make(*pWnd));
    HWND hWnd = pWnd->m_hWnd;
    AfxDeleteTempWndMap();
    EXPECT_EQ(pWnd, CWnd::FromHandle(hWnd)) << "clearing temporaries leaves permanent objects";
    way.end(pWnd);
    EXPECT_FALSE(::IsWindow(hWnd)) << way.how;
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << way.how;
    if (pWnd) {
      EXPECT_EQ(nullptr, pWnd->GetSafeHwnd()) << way.how;
      EXPECT_FALSE(pWnd->DestroyWindow()) << "nothing left to destroy";
      delete pWnd;
    }
  }
}

TEST(WndHandleMap, AChildCreatedWithAnIdIsFoundThroughItsParent) {
  CWnd parent, child;
  ASSERT_TRUE(Make(parent));
  ASSERT_TRUE(child.Create(nullptr, L"c", WS_VISIBLE, CRect(5, 6, 45, 26), &parent, 77));
  EXPECT_TRUE(child.GetStyle() & WS_CHILD) << "Create makes a child";
  EXPECT_EQ(&child, parent.GetDescendantWindow(77, TRUE));
  CRect rc;
  child.GetWindowRect(&rc);
  parent.ScreenToClient(&rc);
  EXPECT_EQ(CRect(5, 6, 45, 26), rc);
}

// ---- creation failures and self-deleting objects

int g_deleted = 0;
int g_postNcDestroy = 0;

class CSelfDeletingWnd : public CWnd {
 public:
  BOOL failCreate = FALSE;
  ~CSelfDeletingWnd() override { ++g_deleted; }
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    if (failCreate) return -1;
    return CWnd::OnCreate(lpcs);
  }
  void PostNcDestroy() override {
    ++g_postNcDestroy;
    delete this;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfDeletingWnd, CWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WndSelfDeleting, TheObjectEndsOnceWhicheverWayItsWindowEnds) {
  const struct {
    const char* how;
    BOOL failCreate;
    const wchar_t* cls;
    std::function<void(CSelfDeletingWnd*)> end;
  } ways[] = {
      {"destroyed from outside", FALSE, nullptr,
       [](CSelfDeletingWnd* p) { ::DestroyWindow(p->m_hWnd); }},
      {"its own DestroyWindow", FALSE, nullptr,
       [](CSelfDeletingWnd* p) { EXPECT_TRUE(p->DestroyWindow()); }},
      {"OnCreate answering -1", TRUE, nullptr, nullptr},
      {"an unknown class never makes a window", FALSE, L"NoSuchClass.TkwFw", nullptr},
  };
  for (const auto& way : ways) {
    g_deleted = g_postNcDestroy = 0;
    auto* pWnd = new CSelfDeletingWnd;
    pWnd->failCreate = way.failCreate;
    const BOOL created = pWnd->CreateEx(0, way.cls, L"s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    EXPECT_EQ(way.end != nullptr, created != FALSE) << way.how;
    if (created) {
      HWND hWnd = pWnd->m_hWnd;
      way.end(pWnd);
      EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << way.how;
    }
    EXPECT_EQ(1, g_postNcDestroy) << way.how;
    EXPECT_EQ(1, g_deleted) << way.how;
  }
}

// ---- subclassing an existing window

class CUpperEdit : public CWnd {
 public:
  int chars = 0;
  int destroyed = 0;
  afx_msg void OnChar(UINT nChar, UINT, UINT) {
    ++chars;
    // Pass on the upper-case letter: the edit's own procedure does the typing.
    DefWindowProc(WM_CHAR, WPARAM(::CharUpperW(reinterpret_cast<LPWSTR>(UINT_PTR(nChar)))), 1);
  }
  afx_msg void OnDestroy() {
    ++destroyed;
    CWnd::OnDestroy();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CUpperEdit, CWnd)
  ON_WM_CHAR()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

HWND CreateEditChild(CWnd& parent) {
  return ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent.m_hWnd,
                           reinterpret_cast<HMENU>(UINT_PTR(12)), nullptr, nullptr);
}

TEST(WndSubclass, SubclassDlgItemRoutesAChildThroughTheObjectAndBack) {
  CWnd parent;
  ASSERT_TRUE(Make(parent));
  HWND hEdit = CreateEditChild(parent);
  WNDPROC pfnEdit = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));

  CUpperEdit edit, missing;
  EXPECT_FALSE(missing.SubclassDlgItem(99, &parent)) << "no child with that id";
  ASSERT_TRUE(edit.SubclassDlgItem(12, &parent));
  EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
  ::SendMessageW(hEdit, WM_CHAR, L'a', 1);
  ::SendMessageW(hEdit, WM_CHAR, L'b', 1);
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(L"AB", (LPCTSTR)text) << "the edit's own procedure still types";

  EXPECT_EQ(hEdit, edit.UnsubclassWindow());
  EXPECT_EQ(pfnEdit, reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC)));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
  ::SendMessageW(hEdit, WM_CHAR, L'c', 1);
  EXPECT_EQ(2, edit.chars) << "after unsubclassing the object hears nothing";
}

TEST(WndSubclass, ASubclassedWindowDestroyedWithItsParentUnbindsItself) {
  auto* pParent = new CWnd;
  ASSERT_TRUE(Make(*pParent));
  HWND hEdit = CreateEditChild(*pParent);
  CUpperEdit edit;
  ASSERT_TRUE(edit.SubclassWindow(hEdit));
  delete pParent;  // destroys the parent window and with it the edit
  EXPECT_FALSE(::IsWindow(hEdit));
  EXPECT_EQ(1, edit.destroyed);
  EXPECT_EQ(nullptr, edit.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}

// ---- dialog items, descendants and relatives

TEST(WndItems, DialogItemTextReadsIntoAString) {
  CWnd parent;
  ASSERT_TRUE(Make(parent));
  ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, parent.m_hWnd,
                    reinterpret_cast<HMENU>(UINT_PTR(20)), nullptr, nullptr);
  parent.SetDlgItemText(20, L"not a number");
  CString text;
  EXPECT_EQ(12, parent.GetDlgItemText(20, text));
  EXPECT_EQ(0, parent.GetDlgItemText(555, text)) << "a missing item reads as empty";
  EXPECT_TRUE(text.IsEmpty());
}

TEST(WndItems, SendMessageToDescendantsReachesGrandchildren) {
  class CCounting : public CWnd {
   public:
    int hits = 0;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == WM_APP + 9) ++hits;
      return CWnd::WindowProc(message, wParam, lParam);
    }
  };
  CWnd parent;
  CCounting child, grandchild;
  ASSERT_TRUE(Make(parent));
  ASSERT_TRUE(Make(child, &parent));
  ASSERT_TRUE(Make(grandchild, &child));
  parent.SendMessageToDescendants(WM_APP + 9);
  parent.SendMessageToDescendants(WM_APP + 9, 0, 0, FALSE);
  EXPECT_EQ(2, child.hits);
  EXPECT_EQ(1, grandchild.hits) << "not deep: children only";
}

// Members taking an optional window read a null pointer as no window at all.
TEST(WndItems, ANullWindowPointerStandsForNoWindow) {
  CWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"w", WS_POPUP, CRect(10, 20, 50, 60), nullptr, 0));
  EXPECT_EQ(nullptr, ::GetParent(wnd.m_hWnd)) << "no parent: a top-level window";
  CPoint pt(1, 2);
  wnd.MapWindowPoints(nullptr, &pt, 1);
  EXPECT_EQ(CPoint(11, 22), pt) << "mapped to the screen";
}

TEST(WndItems, CenterWindowAndTheSafeOwnerOfAChild) {
  CWnd parent, child;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
  ASSERT_TRUE(Make(child, &parent));
  child.CenterWindow();
  CRect rc;
  child.GetWindowRect(&rc);
  parent.ScreenToClient(&rc);
  EXPECT_EQ(CRect(80, 40, 120, 60), rc);
  HWND hWndTop = nullptr;
  EXPECT_EQ(&parent, CWnd::GetSafeOwner(&child, &hWndTop));
  EXPECT_EQ(nullptr, hWndTop) << "the owner itself is not disabled";
  EXPECT_TRUE(parent.IsWindowEnabled());
}

// ---- creation from inside creation, and timers

// A window that builds its child while it is itself being created.
class CNestingWnd : public CWnd {
 public:
  CWnd child;
  BOOL childMade = FALSE;
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    childMade = Make(child, this, 3);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WndCreate, AChildMadeInsideOnCreateBindsToItsOwnObject) {
  CNestingWnd wnd;
  ASSERT_TRUE(Make(wnd));
  EXPECT_TRUE(wnd.childMade);
  EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
  EXPECT_EQ(&wnd.child, CWnd::FromHandlePermanent(wnd.child.m_hWnd));
  EXPECT_EQ(&wnd, wnd.child.GetParent());
  // The hook is gone afterwards: a window made by plain API stays foreign.
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(CreateForeignStatic(wnd.m_hWnd)));
}

class CTimerWnd : public CWnd {
 public:
  std::vector<UINT_PTR> fired;
  afx_msg void OnTimer(UINT_PTR nIDEvent) { fired.push_back(nIDEvent); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimerWnd, CWnd)
  ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(WndCreate, ATimerReachesOnTimerWithItsId) {
  CTimerWnd wnd;
  ASSERT_TRUE(Make(wnd));
  ASSERT_EQ(UINT_PTR(0x51), wnd.SetTimer(0x51, 1));
  // Wait for the timer message itself (bounded), not for a fixed time.
  for (const DWORD start = ::GetTickCount(); wnd.fired.empty() && ::GetTickCount() - start < 5000;)
    if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0)
      tks::PumpUntilIdle();
  EXPECT_TRUE(wnd.KillTimer(0x51));
  ASSERT_FALSE(wnd.fired.empty());
  EXPECT_EQ(UINT_PTR(0x51), wnd.fired[0]);
}

}  // namespace
