// The standard control wrappers against real controls: items and texts round trip, item data
// keeps 64-bit values, and owner-drawn controls get their virtual calls through reflection.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <vector>

#include "CtlParent.h"
#include "Support.h"

namespace {

// A value that only survives if all 64 bits are kept.
const DWORD_PTR kWideData = static_cast<DWORD_PTR>(0xFEDCBA9876543210ull);

TEST(CtlButton, CheckStateAndStyleRoundTrip) {
  ctltest::ParentWnd parent;
  CButton check;
  ASSERT_TRUE(check.Create(L"Wrap", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, CRect(0, 0, 100, 20),
                           &parent, 10));
  EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
  check.SetCheck(BST_INDETERMINATE);
  EXPECT_EQ(BST_INDETERMINATE, check.GetCheck());
  EXPECT_EQ(UINT(BS_AUTO3STATE), check.GetButtonStyle());
  check.SetButtonStyle(BS_AUTOCHECKBOX);
  EXPECT_EQ(UINT(BS_AUTOCHECKBOX), check.GetButtonStyle());
  check.SetState(TRUE);
  EXPECT_TRUE(check.GetState() & BST_PUSHED);
  EXPECT_EQ(&check, CWnd::FromHandle(check.m_hWnd)) << "the control is bound to its object";
}

class CountingButton : public CButton {
 public:
  void DrawItem(LPDRAWITEMSTRUCT p) override {
    ++draws;
    lastId = p->CtlID;
  }
  int draws = 0;
  UINT lastId = 0;
};

TEST(CtlButton, OwnerDrawnButtonDrawsThroughReflection) {
  ctltest::ParentWnd parent;
  CountingButton button;
  ASSERT_TRUE(
      button.Create(L"OD", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 80, 24), &parent, 11));
  button.Invalidate();
  button.UpdateWindow();
  EXPECT_GE(button.draws, 1) << "WM_DRAWITEM to the parent did not reach CButton::DrawItem";
  EXPECT_EQ(11u, button.lastId);
}

TEST(CtlEdit, TextLinesAndSelection) {
  ctltest::ParentWnd parent;
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL,
                          CRect(0, 0, 200, 100), &parent, 12));
  edit.SetWindowText(L"alpha\r\nbe");
  EXPECT_EQ(2, edit.GetLineCount());
  EXPECT_EQ(7, edit.LineIndex(1));
  EXPECT_EQ(2, edit.LineLength(7));
  EXPECT_EQ(1, edit.LineFromChar(8));

  wchar_t line[16] = {};
  EXPECT_EQ(5, edit.GetLine(0, line, 16));
  EXPECT_EQ(std::wstring(L"alpha"), std::wstring(line, 5));
  wchar_t small[3] = {};
  EXPECT_EQ(3, edit.GetLine(0, small, 3)) << "the copy stops at the buffer size";
  EXPECT_EQ(std::wstring(L"alp"), std::wstring(small, 3));

  edit.SetSel(1, 3);
  int start = -1, end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(1, start);
  EXPECT_EQ(3, end);
  EXPECT_EQ(MAKELONG(1, 3), LONG(edit.GetSel()));
  edit.SetModify(FALSE);
  edit.ReplaceSel(L"LL", TRUE);
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(L"aLLha\r\nbe", text);
  EXPECT_TRUE(edit.GetModify());
  EXPECT_TRUE(edit.CanUndo());
  EXPECT_TRUE(edit.Undo());
  edit.GetWindowText(text);
  EXPECT_STREQ(L"alpha\r\nbe", text);

  const CPoint pos = edit.PosFromChar(8);
  const int hit = edit.CharFromPos(pos);
  EXPECT_EQ(8, LOWORD(hit));
  EXPECT_EQ(1, HIWORD(hit));

  edit.SetLimitText(20);
  EXPECT_EQ(20u, edit.GetLimitText());
  EXPECT_TRUE(edit.SetReadOnly(TRUE));
  EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
}

TEST(CtlEdit, PasswordCharAndMargins) {
  ctltest::ParentWnd parent;
  CEdit edit;
  ASSERT_TRUE(
      edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 24), &parent, 13));
  edit.SetPasswordChar(L'*');
  EXPECT_EQ(L'*', edit.GetPasswordChar());
  edit.SetPasswordChar(0);
  EXPECT_EQ(0, edit.GetPasswordChar());
  edit.SetMargins(3, 5);
  EXPECT_EQ(DWORD(MAKELONG(3, 5)), edit.GetMargins());
}

TEST(CtlListBox, ItemsDataAndMultipleSelection) {
  ctltest::ParentWnd parent;
  CListBox list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOTIFY, parent.Area(),
                          &parent, 14));
  EXPECT_EQ(0, list.AddString(L"one"));
  EXPECT_EQ(1, list.AddString(L"three"));
  EXPECT_EQ(1, list.InsertString(1, L"two"));
  EXPECT_EQ(3, list.GetCount());
  CString s;
  list.GetText(2, s);
  EXPECT_STREQ(L"three", s);
  EXPECT_EQ(5, list.GetTextLen(2));
  list.GetText(7, s);
  EXPECT_TRUE(s.IsEmpty()) << "a missing item reads as empty";
  EXPECT_EQ(1, list.FindStringExact(-1, L"two"));
  EXPECT_EQ(2, list.FindString(-1, L"thr"));
  EXPECT_EQ(LB_ERR, list.FindStringExact(-1, L"four"));

  EXPECT_NE(LB_ERR, list.SetItemData(1, kWideData));
  EXPECT_EQ(kWideData, list.GetItemData(1));
  int anchor = 0;
  list.SetItemDataPtr(0, &anchor);
  EXPECT_EQ(&anchor, list.GetItemDataPtr(0));

  list.SetSel(0);
  list.SetSel(2);
  EXPECT_EQ(2, list.GetSelCount());
  int sel[4] = {-1, -1, -1, -1};
  ASSERT_EQ(2, list.GetSelItems(4, sel));
  EXPECT_EQ(0, sel[0]);
  EXPECT_EQ(2, sel[1]);
  EXPECT_EQ(0, list.GetSelItems(0, nullptr)) << "no buffer, nothing written";

  CRect r;
  ASSERT_NE(LB_ERR, list.GetItemRect(1, &r));
  BOOL outside = TRUE;
  EXPECT_EQ(1u, list.ItemFromPoint(r.CenterPoint(), outside));
  EXPECT_FALSE(outside);

  EXPECT_EQ(2, list.DeleteString(0));
  list.ResetContent();
  EXPECT_EQ(0, list.GetCount());
}

// Records what the owner-drawn list asked of it.
class OwnerList : public CListBox {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT p) override {
    ++measures;
    p->itemHeight = 18;
  }
  void DrawItem(LPDRAWITEMSTRUCT p) override { drawn.push_back(p->itemData); }
  int measures = 0;
  std::vector<DWORD_PTR> drawn;
};

TEST(CtlListBox, OwnerDrawnListGetsMeasureAndDraw) {
  ctltest::ParentWnd parent;
  OwnerList list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED, parent.Area(), &parent, 15));
  EXPECT_GE(list.measures, 1) << "WM_MEASUREITEM at creation did not reach MeasureItem";
  EXPECT_EQ(18, list.GetItemHeight(0));
  // Without LBS_HASSTRINGS the "string" is the item data.
  list.AddString(reinterpret_cast<LPCTSTR>(DWORD_PTR(5)));
  list.AddString(reinterpret_cast<LPCTSTR>(kWideData));
  EXPECT_EQ(kWideData, list.GetItemData(1));
  list.Invalidate();
  list.UpdateWindow();
  ASSERT_EQ(2u, list.drawn.size()) << "one WM_DRAWITEM per visible item";
  EXPECT_EQ(DWORD_PTR(5), list.drawn[0]);
  EXPECT_EQ(kWideData, list.drawn[1]) << "the item data reaches DrawItem whole";
}

TEST(CtlComboBox, ItemsTextsAndData) {
  ctltest::ParentWnd parent;
  CComboBox combo;
  ASSERT_TRUE(
      combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 150, 200), &parent, 16));
  combo.AddString(L"red");
  combo.AddString(L"green");
  EXPECT_EQ(0, combo.InsertString(0, L"blue"));
  EXPECT_EQ(3, combo.GetCount());
  CString s;
  combo.GetLBText(2, s);
  EXPECT_STREQ(L"green", s);
  wchar_t buf[8] = {};
  EXPECT_EQ(4, combo.GetLBText(0, buf));
  EXPECT_STREQ(L"blue", buf);
  EXPECT_EQ(5, combo.GetLBTextLen(2));
  combo.GetLBText(9, s);
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(CB_ERR, combo.GetLBText(0, nullptr));

  combo.SetItemData(1, kWideData);
  EXPECT_EQ(kWideData, combo.GetItemData(1));
  EXPECT_EQ(CB_ERR, combo.GetCurSel());
  EXPECT_EQ(2, combo.SelectString(-1, L"gr"));
  EXPECT_EQ(2, combo.GetCurSel());
  EXPECT_EQ(1, combo.FindStringExact(-1, L"red"));
  EXPECT_EQ(CB_ERR, combo.FindStringExact(-1, L"re"));

  combo.SetWindowText(L"abcdef");
  EXPECT_TRUE(combo.SetEditSel(1, 4));
  EXPECT_EQ(DWORD(MAKELONG(1, 4)), combo.GetEditSel());
  combo.LimitText(3);
  HWND edit = ::GetWindow(combo.m_hWnd, GW_CHILD);
  ASSERT_NE(nullptr, edit);
  EXPECT_EQ(3, ::SendMessageW(edit, EM_GETLIMITTEXT, 0, 0)) << "the limit reaches the edit field";

  combo.ShowDropDown(TRUE);
  EXPECT_TRUE(combo.GetDroppedState());
  CRect drop;
  combo.GetDroppedControlRect(&drop);
  EXPECT_GT(drop.Height(), 0);
  combo.ShowDropDown(FALSE);
  EXPECT_FALSE(combo.GetDroppedState());

  EXPECT_EQ(2, combo.DeleteString(0));
  combo.ResetContent();
  EXPECT_EQ(0, combo.GetCount());
}

class OwnerCombo : public CComboBox {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT p) override {
    ++measures;
    p->itemHeight = 20;
  }
  void DrawItem(LPDRAWITEMSTRUCT) override { ++draws; }
  int measures = 0, draws = 0;
};

TEST(CtlComboBox, OwnerDrawnComboMeasuresThroughReflection) {
  ctltest::ParentWnd parent;
  OwnerCombo combo;
  ASSERT_TRUE(
      combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                   CRect(0, 0, 150, 200), &parent, 17));
  EXPECT_GE(combo.measures, 1);
  EXPECT_EQ(20, combo.GetItemHeight(0));
  combo.AddString(L"x");
  combo.SetCurSel(0);
  combo.Invalidate();
  combo.UpdateWindow();
  EXPECT_GE(combo.draws, 1) << "WM_DRAWITEM did not reach CComboBox::DrawItem";
}

TEST(CtlStatic, BitmapAndIconRoundTrip) {
  ctltest::ParentWnd parent;
  CStatic picture;
  ASSERT_TRUE(picture.Create(L"", WS_CHILD | WS_VISIBLE | SS_BITMAP, CRect(0, 0, 32, 32), &parent));
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 32, nullptr));
  EXPECT_EQ(nullptr, picture.SetBitmap(bitmap));
  EXPECT_EQ(static_cast<HBITMAP>(bitmap), picture.GetBitmap());
  picture.SetBitmap(nullptr);

  CStatic icon;
  ASSERT_TRUE(icon.Create(L"", WS_CHILD | WS_VISIBLE | SS_ICON, CRect(40, 0, 72, 32), &parent));
  HICON h = ::LoadIconW(nullptr, IDI_APPLICATION);
  icon.SetIcon(h);
  EXPECT_EQ(h, icon.GetIcon());
}

}  // namespace
