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

// Records what reflection brought to an owner-drawn control's virtual members.
template <class Control>
class Recording : public Control {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT p) {
    ++measures;
    p->itemHeight = 18;
  }
  void DrawItem(LPDRAWITEMSTRUCT p) override { drawn.push_back(p->itemData); }
  int measures = 0;
  std::vector<DWORD_PTR> drawn;
};

class RecordingList : public Recording<CListBox> {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT p) override { Recording::MeasureItem(p); }
};
class RecordingCombo : public Recording<CComboBox> {
 public:
  void MeasureItem(LPMEASUREITEMSTRUCT p) override { Recording::MeasureItem(p); }
};

void Repaint(CWnd& wnd) {
  wnd.Invalidate();
  wnd.UpdateWindow();
}

TEST(CtlButton, StyleAndStateRoundTripAndOwnerDrawnButtonsDrawThroughReflection) {
  ctltest::ParentWnd parent;
  CButton check;
  ASSERT_TRUE(check.Create(L"Wrap", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE, CRect(0, 0, 100, 20),
                           &parent, 10));
  check.SetCheck(BST_INDETERMINATE);
  EXPECT_EQ(BST_INDETERMINATE, check.GetCheck());
  EXPECT_EQ(UINT(BS_AUTO3STATE), check.GetButtonStyle()) << "the button style, not the window's";
  EXPECT_EQ(&check, CWnd::FromHandle(check.m_hWnd)) << "the control is bound to its object";

  Recording<CButton> button;
  ASSERT_TRUE(button.Create(L"OD", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 30, 80, 54),
                            &parent, 11));
  Repaint(button);
  EXPECT_FALSE(button.drawn.empty()) << "WM_DRAWITEM to the parent did not reach DrawItem";
}

TEST(CtlEdit, LinesSelectionAndPositions) {
  ctltest::ParentWnd parent;
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL,
                          CRect(0, 0, 200, 100), &parent, 12));
  edit.SetWindowText(L"alpha\r\nbe");
  wchar_t line[16] = {}, small[3] = {}, one[1] = {};
  EXPECT_EQ(5, edit.GetLine(0, line, 16));
  EXPECT_EQ(std::wstring(L"alpha"), std::wstring(line, 5));
  EXPECT_EQ(3, edit.GetLine(0, small, 3)) << "the copy stops at the buffer size";
  EXPECT_EQ(1, edit.GetLine(1, one, 1)) << "even a buffer too small to hold its own size";
  EXPECT_EQ(L'b', one[0]);

  edit.SetSel(1, 3);
  int start = -1, end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(MAKELONG(start, end), LONG(edit.GetSel()));
  EXPECT_EQ(MAKELONG(1, 3), LONG(edit.GetSel()));
  const int hit = edit.CharFromPos(edit.PosFromChar(8));
  EXPECT_EQ(8, LOWORD(hit));
  EXPECT_EQ(1, HIWORD(hit));
}

TEST(CtlListBox, ItemsDataAndMultipleSelection) {
  ctltest::ParentWnd parent;
  CListBox list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOTIFY, parent.Area(),
                          &parent, 14));
  for (const wchar_t* s : {L"one", L"three"}) list.AddString(s);
  list.InsertString(1, L"two");
  CString s;
  list.GetText(2, s);
  EXPECT_STREQ(L"three", s);
  list.GetText(7, s);
  EXPECT_TRUE(s.IsEmpty()) << "a missing item reads as empty";
  EXPECT_NE(LB_ERR, list.SetItemData(1, kWideData));
  EXPECT_EQ(kWideData, list.GetItemData(1));

  list.SetSel(0);
  list.SetSel(2);
  int sel[4] = {-1, -1, -1, -1};
  ASSERT_EQ(2, list.GetSelItems(4, sel));
  EXPECT_EQ(2, sel[1]);
  EXPECT_EQ(0, list.GetSelItems(0, nullptr)) << "no buffer, nothing written";
  CRect r;
  ASSERT_NE(LB_ERR, list.GetItemRect(1, &r));
  BOOL outside = TRUE;
  EXPECT_EQ(1u, list.ItemFromPoint(r.CenterPoint(), outside));
  EXPECT_FALSE(outside);
}

TEST(CtlComboBox, ItemsTextsAndData) {
  ctltest::ParentWnd parent;
  CComboBox combo;
  ASSERT_TRUE(
      combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, CRect(0, 0, 150, 200), &parent, 16));
  for (const wchar_t* s : {L"red", L"green"}) combo.AddString(s);
  combo.InsertString(0, L"blue");
  CString s;
  combo.GetLBText(2, s);
  EXPECT_STREQ(L"green", s);
  wchar_t buf[8] = {};
  EXPECT_EQ(4, combo.GetLBText(0, buf));
  combo.GetLBText(9, s);
  EXPECT_TRUE(s.IsEmpty());
  EXPECT_EQ(CB_ERR, combo.GetLBText(0, nullptr));
  combo.SetItemData(1, kWideData);
  EXPECT_EQ(kWideData, combo.GetItemData(1));
}

TEST(CtlOwnerDraw, ListAndComboBoxesMeasureAndDrawThroughReflection) {
  ctltest::ParentWnd parent;
  RecordingList list;
  ASSERT_TRUE(
      list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED, CRect(0, 0, 180, 280), &parent, 15));
  EXPECT_GE(list.measures, 1) << "WM_MEASUREITEM at creation did not reach MeasureItem";
  EXPECT_EQ(18, list.GetItemHeight(0));
  // Without LBS_HASSTRINGS the "string" is the item data.
  list.AddString(reinterpret_cast<LPCTSTR>(DWORD_PTR(5)));
  list.AddString(reinterpret_cast<LPCTSTR>(kWideData));
  Repaint(list);
  EXPECT_EQ((std::vector<DWORD_PTR>{5, kWideData}), list.drawn)
      << "one DrawItem per visible item, with its data whole";

  RecordingCombo combo;
  ASSERT_TRUE(
      combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                   CRect(200, 0, 350, 200), &parent, 17));
  EXPECT_GE(combo.measures, 1);
  combo.AddString(L"x");
  combo.SetCurSel(0);
  Repaint(combo);
  EXPECT_FALSE(combo.drawn.empty()) << "WM_DRAWITEM did not reach CComboBox::DrawItem";
}

// A sorted owner-drawn list box without strings compares and deletes its items through its
// parent, which reflects both back to the control's object.
class ComparingList : public CListBox {
 public:
  int CompareItem(LPCOMPAREITEMSTRUCT p) override {
    ++compares;
    return p->itemData1 < p->itemData2 ? -1 : (p->itemData1 > p->itemData2 ? 1 : 0);
  }
  void DeleteItem(LPDELETEITEMSTRUCT p) override { deleted.push_back(p->itemData); }
  int compares = 0;
  std::vector<DWORD_PTR> deleted;
};

TEST(CtlOwnerDraw, SortedListBoxesCompareAndDeleteThroughReflection) {
  ctltest::ParentWnd parent;
  ComparingList list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_SORT,
                          CRect(0, 0, 180, 280), &parent, 16));
  for (DWORD_PTR data : {DWORD_PTR(30), kWideData, DWORD_PTR(10)})
    list.AddString(reinterpret_cast<LPCTSTR>(data));
  EXPECT_GE(list.compares, 2) << "WM_COMPAREITEM did not reach CompareItem";
  EXPECT_EQ(DWORD_PTR(10), list.GetItemData(0)) << "the answer of CompareItem sorted the list";
  EXPECT_EQ(kWideData, list.GetItemData(2));
  list.DeleteString(1);
  EXPECT_EQ((std::vector<DWORD_PTR>{30}), list.deleted) << "WM_DELETEITEM did not reach DeleteItem";
}

}  // namespace
