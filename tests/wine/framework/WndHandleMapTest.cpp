// Window objects and handles: permanent and temporary wrappers, creation and its failures,
// subclassing existing windows, self-deleting windows and windows destroyed from outside.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Support.h"
#include "afxwin.h"

namespace {

HWND CreateForeignStatic(HWND hWndParent = nullptr) {
  return ::CreateWindowExW(0, L"STATIC", L"foreign", hWndParent != nullptr ? WS_CHILD : WS_POPUP, 0,
                           0, 10, 10, hWndParent, nullptr, nullptr, nullptr);
}

TEST(WndHandleMap, AForeignWindowGetsOneTemporaryWrapperUntilTheMapIsCleared) {
  HWND hWnd = CreateForeignStatic();
  ASSERT_NE(nullptr, hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
  CWnd* pTemp = CWnd::FromHandle(hWnd);
  ASSERT_NE(nullptr, pTemp);
  EXPECT_EQ(hWnd, pTemp->m_hWnd);
  EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd)) << "the same wrapper until the map is cleared";
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << "a wrapper is never permanent";

  AfxDeleteTempWndMap();
  EXPECT_TRUE(::IsWindow(hWnd)) << "freeing the wrapper must not destroy the window";
  CWnd* pAgain = CWnd::FromHandle(hWnd);
  ASSERT_NE(nullptr, pAgain);
  EXPECT_EQ(hWnd, pAgain->GetSafeHwnd());
  AfxDeleteTempWndMap();
  ::DestroyWindow(hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));
}

TEST(WndHandleMap, APermanentObjectIsFoundAgainUntilItsWindowIsDestroyed) {
  CWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  HWND hWnd = wnd.m_hWnd;
  EXPECT_EQ(&wnd, CWnd::FromHandle(hWnd));
  AfxDeleteTempWndMap();
  EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd))
      << "clearing temporaries leaves permanent objects";
  EXPECT_EQ(hWnd, static_cast<HWND>(wnd));

  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
  EXPECT_FALSE(wnd.DestroyWindow()) << "nothing left to destroy";
}

TEST(WndHandleMap, AWindowDestroyedFromOutsideLeavesAnEmptyObject) {
  CWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  HWND hWnd = wnd.m_hWnd;
  ::DestroyWindow(hWnd);
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
  EXPECT_EQ(nullptr, wnd.GetSafeHwnd());
}

TEST(WndHandleMap, AttachAndDetachBindWithoutSubclassing) {
  HWND hWnd = CreateForeignStatic();
  WNDPROC pfnBefore = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
  {
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(pfnBefore, reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC)));
    CWnd other;
    EXPECT_FALSE(other.Attach(hWnd)) << "one object per window";
    EXPECT_EQ(hWnd, wnd.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
  }
  EXPECT_TRUE(::IsWindow(hWnd)) << "a detached object does not destroy the window";

  // An attached (not subclassed) window destroyed through the object is unbound too.
  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(hWnd));
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(nullptr, wnd.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WndHandleMap, TheObjectsDestructorDestroysItsWindow) {
  HWND hWnd = nullptr;
  {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"w", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    hWnd = wnd.m_hWnd;
  }
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(WndHandleMap, AChildCreatedWithAnIdIsFoundThroughItsParent) {
  CWnd parent;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  CWnd child;
  ASSERT_TRUE(child.Create(nullptr, L"c", WS_VISIBLE, CRect(5, 6, 45, 26), &parent, 77));
  EXPECT_TRUE(child.GetStyle() & WS_CHILD);
  EXPECT_EQ(77, child.GetDlgCtrlID());
  EXPECT_EQ(&child, parent.GetDlgItem(77));
  EXPECT_EQ(&parent, child.GetParent());
  EXPECT_EQ(&parent, child.GetTopLevelParent());
  EXPECT_EQ(&child, parent.GetDescendantWindow(77, TRUE));
  CRect rc;
  child.GetWindowRect(&rc);
  parent.ScreenToClient(&rc);
  EXPECT_EQ(CRect(5, 6, 45, 26), rc);
  EXPECT_EQ(77, child.SetDlgCtrlID(78));
  EXPECT_EQ(&child, parent.GetDlgItem(78));
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

class WndSelfDeleting : public testing::Test {
 protected:
  void SetUp() override { g_deleted = g_postNcDestroy = 0; }
};

TEST_F(WndSelfDeleting, AWindowDestroyedFromOutsideDeletesItsObject) {
  auto* pWnd = new CSelfDeletingWnd;
  ASSERT_TRUE(pWnd->CreateEx(0, nullptr, L"s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  HWND hWnd = pWnd->m_hWnd;
  ::DestroyWindow(hWnd);
  EXPECT_EQ(1, g_postNcDestroy);
  EXPECT_EQ(1, g_deleted);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST_F(WndSelfDeleting, ThroughItsOwnDestroyWindowToo) {
  auto* pWnd = new CSelfDeletingWnd;
  ASSERT_TRUE(pWnd->CreateEx(0, nullptr, L"s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_TRUE(pWnd->DestroyWindow());
  EXPECT_EQ(1, g_deleted);
}

TEST_F(WndSelfDeleting, AFailedCreationStillEndsTheObjectOnce) {
  auto* pWnd = new CSelfDeletingWnd;
  pWnd->failCreate = TRUE;
  EXPECT_FALSE(pWnd->CreateEx(0, nullptr, L"s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr))
      << "OnCreate answering -1 fails the creation";
  EXPECT_EQ(1, g_postNcDestroy);
  EXPECT_EQ(1, g_deleted);

  g_deleted = g_postNcDestroy = 0;
  pWnd = new CSelfDeletingWnd;
  EXPECT_FALSE(
      pWnd->CreateEx(0, L"NoSuchClass.TkwFw", L"s", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr))
      << "an unknown class never makes a window";
  EXPECT_EQ(1, g_postNcDestroy);
  EXPECT_EQ(1, g_deleted);
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

TEST(WndSubclass, SubclassDlgItemRoutesAChildThroughTheObjectAndBack) {
  CWnd parent;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  HWND hEdit =
      ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent.m_hWnd,
                        reinterpret_cast<HMENU>(UINT_PTR(12)), nullptr, nullptr);
  ASSERT_NE(nullptr, hEdit);
  WNDPROC pfnEdit = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));

  CUpperEdit edit;
  ASSERT_TRUE(edit.SubclassDlgItem(12, &parent));
  EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hEdit));
  ::SendMessageW(hEdit, WM_CHAR, L'a', 1);
  ::SendMessageW(hEdit, WM_CHAR, L'b', 1);
  EXPECT_EQ(2, edit.chars);
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(L"AB", (LPCTSTR)text) << "the edit's own procedure still types";

  EXPECT_EQ(hEdit, edit.UnsubclassWindow());
  EXPECT_EQ(pfnEdit, reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hEdit, GWLP_WNDPROC)));
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
  ::SendMessageW(hEdit, WM_CHAR, L'c', 1);
  EXPECT_EQ(2, edit.chars) << "after unsubclassing the object hears nothing";

  CUpperEdit missing;
  EXPECT_FALSE(missing.SubclassDlgItem(99, &parent)) << "no child with that id";
}

TEST(WndSubclass, ASubclassedWindowDestroyedWithItsParentUnbindsItself) {
  auto* pParent = new CWnd;
  ASSERT_TRUE(
      pParent->CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, pParent->m_hWnd,
                                 reinterpret_cast<HMENU>(UINT_PTR(12)), nullptr, nullptr);
  CUpperEdit edit;
  ASSERT_TRUE(edit.SubclassWindow(hEdit));
  delete pParent;  // destroys the parent window and with it the edit
  EXPECT_FALSE(::IsWindow(hEdit));
  EXPECT_EQ(1, edit.destroyed);
  EXPECT_EQ(nullptr, edit.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}

// ---- helpers over dialog items and relatives

TEST(WndItems, DialogItemTextNumbersAndChecks) {
  CWnd parent;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD, 0, 0, 100, 20, parent.m_hWnd,
                    reinterpret_cast<HMENU>(UINT_PTR(20)), nullptr, nullptr);
  ::CreateWindowExW(0, L"BUTTON", L"x", WS_CHILD | BS_AUTOCHECKBOX, 0, 30, 100, 20, parent.m_hWnd,
                    reinterpret_cast<HMENU>(UINT_PTR(21)), nullptr, nullptr);

  parent.SetDlgItemInt(20, UINT(-42), TRUE);
  BOOL ok = FALSE;
  EXPECT_EQ(UINT(-42), parent.GetDlgItemInt(20, &ok, TRUE));
  EXPECT_TRUE(ok);
  parent.SetDlgItemText(20, L"not a number");
  parent.GetDlgItemInt(20, &ok, TRUE);
  EXPECT_FALSE(ok);
  CString text;
  EXPECT_EQ(12, parent.GetDlgItemText(20, text));
  EXPECT_STREQ(L"not a number", (LPCTSTR)text);
  EXPECT_EQ(0, parent.GetDlgItemText(555, text)) << "a missing item reads as empty";
  EXPECT_TRUE(text.IsEmpty());

  parent.CheckDlgButton(21, BST_CHECKED);
  EXPECT_EQ(UINT(BST_CHECKED), parent.IsDlgButtonChecked(21));
  EXPECT_TRUE(parent.ModifyStyle(0, WS_DISABLED));
  EXPECT_FALSE(parent.ModifyStyle(0, WS_DISABLED)) << "no change reports FALSE";
  EXPECT_FALSE(parent.IsWindowEnabled());
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
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  CCounting child, grandchild;
  ASSERT_TRUE(child.Create(nullptr, L"c", 0, CRect(0, 0, 50, 50), &parent, 1));
  ASSERT_TRUE(grandchild.Create(nullptr, L"g", 0, CRect(0, 0, 20, 20), &child, 2));
  parent.SendMessageToDescendants(WM_APP + 9);
  EXPECT_EQ(1, child.hits);
  EXPECT_EQ(1, grandchild.hits);
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

}  // namespace

namespace {

// A window that builds its child while it is itself being created.
class CNestingWnd : public CWnd {
 public:
  CWnd child;
  BOOL childMade = FALSE;
  afx_msg int OnCreate(LPCREATESTRUCT lpcs) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    childMade = child.Create(nullptr, L"inner", WS_VISIBLE, CRect(0, 0, 10, 10), this, 3);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingWnd, CWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(WndCreate, AChildMadeInsideOnCreateBindsToItsOwnObject) {
  CNestingWnd wnd;
  ASSERT_TRUE(
      wnd.CreateEx(0, nullptr, L"outer", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
  EXPECT_TRUE(wnd.childMade);
  EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
  EXPECT_EQ(&wnd.child, CWnd::FromHandlePermanent(wnd.child.m_hWnd));
  EXPECT_EQ(&wnd, wnd.child.GetParent());

  // The hook is gone afterwards: a window made by plain API stays foreign.
  HWND hForeign = CreateForeignStatic(wnd.m_hWnd);
  EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hForeign));
}

class CTimerWnd : public CWnd {
 public:
  std::vector<UINT_PTR> fired;
  afx_msg void OnTimer(UINT_PTR nIDEvent) {
    fired.push_back(nIDEvent);
    KillTimer(nIDEvent);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTimerWnd, CWnd)
  ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(WndCreate, ATimerReachesOnTimerWithItsId) {
  CTimerWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  ASSERT_EQ(UINT_PTR(0x51), wnd.SetTimer(0x51, 1));
  // Wait for the timer message itself (bounded), not for a fixed time.
  const DWORD start = ::GetTickCount();
  while (wnd.fired.empty() && ::GetTickCount() - start < 5000) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    tks::PumpUntilIdle();
  }
  EXPECT_EQ((std::vector<UINT_PTR>{0x51}), wnd.fired);
  EXPECT_FALSE(wnd.KillTimer(0x51)) << "already killed by the handler";
}

TEST(WndCreate, TheRuntimeClassCreatesWindowObjects) {
  CObject* pObject = RUNTIME_CLASS(CWnd)->CreateObject();
  ASSERT_NE(nullptr, pObject);
  EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CCmdTarget)));
  EXPECT_EQ(nullptr, static_cast<CWnd*>(pObject)->m_hWnd);
  delete pObject;
}

TEST(WndGeometry, CenterWindowCentersAChildInItsParent) {
  CWnd parent;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr));
  CWnd child;
  ASSERT_TRUE(child.Create(nullptr, L"c", WS_VISIBLE, CRect(0, 0, 40, 20), &parent, 1));
  child.CenterWindow();
  CRect rc;
  child.GetWindowRect(&rc);
  parent.ScreenToClient(&rc);
  EXPECT_EQ(CRect(80, 40, 120, 60), rc);
}

TEST(WndGeometry, TheSafeOwnerOfAChildIsItsTopLevelWindow) {
  CWnd parent;
  ASSERT_TRUE(
      parent.CreateEx(0, nullptr, L"p", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  CWnd child;
  ASSERT_TRUE(child.Create(nullptr, L"c", WS_VISIBLE, CRect(0, 0, 40, 20), &parent, 1));
  HWND hWndTop = nullptr;
  EXPECT_EQ(&parent, CWnd::GetSafeOwner(&child, &hWndTop));
  EXPECT_EQ(nullptr, hWndTop) << "the owner itself is not disabled";
  EXPECT_TRUE(parent.IsWindowEnabled());
}

}  // namespace
