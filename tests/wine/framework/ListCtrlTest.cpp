// The common control wrappers against real controls: a report-view grid's items, columns,
// selection and sorting, owner drawing through reflection, the header, image lists, tooltips.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include <vector>

#include "CtlParent.h"
#include "MemoryCanvas.h"
#include "Support.h"

namespace {

const DWORD_PTR kWideData = static_cast<DWORD_PTR>(0x8000000000000001ull);

// A report view with three columns and four rows ("row N" / "N.1" / "N.2"), data 10*N.
class ReportGrid : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, parent.Area(),
                            &parent, 20));
    EXPECT_EQ(0, list.InsertColumn(0, L"Name", LVCFMT_LEFT, 100));
    EXPECT_EQ(1, list.InsertColumn(1, L"Size", LVCFMT_RIGHT, 60));
    LVCOLUMN col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.pszText = const_cast<LPWSTR>(L"Kind");
    col.cx = 80;
    EXPECT_EQ(2, list.InsertColumn(2, &col));
    for (int i = 0; i < 4; ++i) {
      CString name, a, b;
      name.Format(L"row %d", i);
      a.Format(L"%d.1", i);
      b.Format(L"%d.2", i);
      ASSERT_EQ(i, list.InsertItem(LVIF_TEXT | LVIF_PARAM, i, name, 0, 0, 0, LPARAM(10 * i)));
      list.SetItemText(i, 1, a);
      list.SetItemText(i, 2, b);
    }
  }
  void TearDown() override { AfxDeleteTempGdiAndMenuMaps(); }

  ctltest::ParentWnd parent;
  CListCtrl list;
};

TEST_F(ReportGrid, ItemsAndSubItemsRoundTrip) {
  EXPECT_STREQ(L"3.2", list.GetItemText(3, 2));
  wchar_t buf[4] = {};
  EXPECT_EQ(3, list.GetItemText(1, 0, buf, 4)) << "the buffer form truncates";
  EXPECT_STREQ(L"row", buf);
  EXPECT_TRUE(list.GetItemText(9, 0).IsEmpty()) << "a missing row reads as empty";
  // Texts longer than the first buffer the wrapper tries still come back whole.
  ASSERT_TRUE(list.SetItemText(0, 1, CString(L'x', 1500)));
  EXPECT_EQ(1500, list.GetItemText(0, 1).GetLength());

  EXPECT_EQ(DWORD_PTR(20), list.GetItemData(2));
  ASSERT_TRUE(list.SetItemData(1, kWideData));
  EXPECT_EQ(kWideData, list.GetItemData(1)) << "item data keeps all 64 bits";
  EXPECT_EQ(4, list.InsertItem(4, L"row 4"));
  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_STREQ(L"1.1", list.GetItemText(0, 1));
}

TEST_F(ReportGrid, SelectionWalksInOrder) {
  EXPECT_EQ(nullptr, list.GetFirstSelectedItemPosition()) << "nothing selected: no position";
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  std::vector<int> walked;
  for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
    walked.push_back(list.GetNextSelectedItem(pos));
  EXPECT_EQ((std::vector<int>{1, 3}), walked);
}

int CALLBACK DescendingByData(LPARAM a, LPARAM b, LPARAM sign) {
  return a < b ? int(sign) : (a > b ? -int(sign) : 0);
}

TEST_F(ReportGrid, SortFindAndHitTest) {
  ASSERT_TRUE(list.SortItems(DescendingByData, 1));
  EXPECT_STREQ(L"row 3", list.GetItemText(0, 0));
  EXPECT_STREQ(L"0.2", list.GetItemText(3, 2)) << "subitems move with their row";
  EXPECT_FALSE(list.SortItems(nullptr, 0)) << "no comparison, no call into nothing";

  CRect row, sub;
  ASSERT_TRUE(list.GetItemRect(2, &row, LVIR_LABEL));
  UINT flags = 0;
  EXPECT_EQ(2, list.HitTest(row.CenterPoint(), &flags));
  EXPECT_TRUE(flags & LVHT_ONITEM);
  ASSERT_TRUE(list.GetSubItemRect(2, 1, LVIR_BOUNDS, sub));
  EXPECT_EQ(100, sub.left) << "the second column starts after the first's width";
  LVHITTESTINFO hti = {};
  hti.pt = sub.CenterPoint();
  EXPECT_EQ(2, list.SubItemHitTest(&hti));
  EXPECT_EQ(1, hti.iSubItem);
  EXPECT_EQ(-1, list.HitTest(CPoint(5, 270))) << "below the last row";
}

TEST_F(ReportGrid, ColumnOrderAndExtendedStyles) {
  CHeaderCtrl* header = list.GetHeaderCtrl();
  ASSERT_NE(nullptr, header);
  int order[3] = {2, 0, 1}, back[3] = {};
  ASSERT_TRUE(list.SetColumnOrderArray(3, order));
  ASSERT_TRUE(list.GetColumnOrderArray(back)) << "the count comes from the header";
  EXPECT_EQ(2, back[0]);
  EXPECT_EQ(1, back[2]);
  EXPECT_FALSE(header->GetOrderArray(nullptr, 3)) << "no array, nothing written";

  CListCtrl extended;
  ASSERT_TRUE(extended.CreateEx(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, WS_CHILD | LVS_REPORT,
                                parent.Area(), &parent, 23));
  EXPECT_EQ(DWORD(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), extended.GetExtendedStyle())
      << "extended list styles go to the control";
}

TEST_F(ReportGrid, ImageListsAreSharedNotOwned) {
  CImageList small;
  ASSERT_TRUE(small.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2));
  EXPECT_EQ(nullptr, list.SetImageList(&small, LVSIL_SMALL));
  EXPECT_EQ(&small, list.GetImageList(LVSIL_SMALL)) << "an attached list maps to its object";
  EXPECT_EQ(&small, list.SetImageList(nullptr, LVSIL_SMALL));

  HIMAGELIST h = ImageList_Create(4, 4, ILC_COLOR32, 1, 1);
  CImageList* temp = CImageList::FromHandle(h);
  EXPECT_EQ(temp, CImageList::FromHandle(h));
  AfxDeleteTempGdiAndMenuMaps();
  EXPECT_EQ(0, ImageList_GetImageCount(h)) << "a temporary wrapper leaves the list alive";
  ImageList_Destroy(h);
}

// Rows drawn by the control's own object, in the order the list asks.
class OwnerDrawnList : public CListCtrl {
 public:
  void DrawItem(LPDRAWITEMSTRUCT p) override {
    rows.push_back(int(p->itemID));
    data.push_back(p->itemData);
  }
  std::vector<int> rows;
  std::vector<DWORD_PTR> data;
};

TEST(ListCtrl, OwnerDrawnReportGetsDrawItemThroughReflection) {
  ctltest::ParentWnd parent;
  OwnerDrawnList list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED, parent.Area(),
                          &parent, 21));
  list.InsertColumn(0, L"Only", LVCFMT_LEFT, 200);
  list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, L"a", 0, 0, 0, LPARAM(kWideData));
  list.InsertItem(LVIF_TEXT | LVIF_PARAM, 1, L"b", 0, 0, 0, 7);
  list.rows.clear();
  list.data.clear();
  list.Invalidate();
  list.UpdateWindow();
  ASSERT_EQ((std::vector<int>{0, 1}), list.rows) << "one DrawItem per visible row, top first";
  EXPECT_EQ(kWideData, list.data[0]) << "the row's data reaches DrawItem whole";
}

// Builds a list from a masked bitmap and an icon, draws it and checks the pixels.
void AddAndDraw(HICON icon) {
  CImageList images;
  ASSERT_TRUE(images.Create(8, 8, ILC_COLOR32 | ILC_MASK, 1, 1));
  // An 8x8 bitmap: red, with a magenta corner that the mask colour makes transparent.
  DWORD pixels[64];
  for (int i = 0; i < 64; ++i) pixels[i] = i % 8 < 2 && i < 16 ? 0xFF00FF : 0xFF0000;
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 32, pixels));
  EXPECT_EQ(0, images.Add(&bitmap, RGB(255, 0, 255)));
  EXPECT_EQ(1, images.Add(icon));
  EXPECT_EQ(-1, images.Add(static_cast<CBitmap*>(nullptr), RGB(0, 0, 0)));

  // Drawn onto white: red where the image is, white where the mask colour was.
  gditest::MemoryCanvas canvas(8, 8);
  canvas.dc().FillSolidRect(0, 0, 8, 8, RGB(255, 255, 255));
  EXPECT_TRUE(images.Draw(&canvas.dc(), 0, CPoint(0, 0), ILD_TRANSPARENT));
  EXPECT_EQ(RGB(255, 0, 0), canvas.At(5, 5));
  EXPECT_EQ(RGB(255, 255, 255), canvas.At(0, 0)) << "the mask colour is transparent";
  EXPECT_FALSE(images.Draw(nullptr, 0, CPoint(0, 0), ILD_NORMAL));
}

TEST(ImageList, AddDrawAndRelease) {
  HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);  // shared: stays loaded
  AddAndDraw(icon);  // the first use leaves the system's caches behind
  TKS_EXPECT_NO_GUI_LEAK(AddAndDraw(icon));
}

TEST(ToolTipCtrl, ToolsAreNamedByWindowAndId) {
  ctltest::ParentWnd parent;
  CToolTipCtrl tips;
  ASSERT_TRUE(tips.Create(&parent, TTS_ALWAYSTIP));
  CRect area(0, 0, 50, 50);
  ASSERT_TRUE(tips.AddTool(&parent, L"first tip", &area, 1));
  ASSERT_TRUE(tips.AddTool(&parent, L"second tip", CRect(60, 0, 100, 50), 2));
  EXPECT_FALSE(tips.AddTool(&parent, L"no id", &area, 0)) << "a rectangle tool needs an id";
  EXPECT_EQ(2, tips.GetToolCount());
  CString text;
  tips.UpdateTipText(L"changed", &parent, 2);
  tips.GetText(text, &parent, 2);
  EXPECT_STREQ(L"changed", text);

  TTTOOLINFO ti = {};
  tips.SetToolRect(&parent, 1, CRect(0, 0, 20, 20));
  ASSERT_TRUE(tips.GetToolInfo(&ti, &parent, 1));
  EXPECT_EQ(CRect(0, 0, 20, 20), CRect(ti.rect));
  TTTOOLINFO hit = {};
  EXPECT_TRUE(tips.HitTest(&parent, CPoint(70, 10), &hit));
  EXPECT_EQ(UINT_PTR(2), hit.uId);
  tips.DelTool(&parent, 1);
  EXPECT_EQ(1, tips.GetToolCount());
}

}  // namespace
