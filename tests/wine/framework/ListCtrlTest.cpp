// The common control wrappers against real controls: a report-view grid's items, columns,
// selection and sorting, owner drawing through reflection, the header, image lists, tooltips.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include <vector>

#include "CtlParent.h"
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
  EXPECT_EQ(4, list.GetItemCount());
  EXPECT_STREQ(L"row 2", list.GetItemText(2, 0));
  EXPECT_STREQ(L"3.2", list.GetItemText(3, 2));
  wchar_t buf[4] = {};
  EXPECT_EQ(3, list.GetItemText(1, 0, buf, 4)) << "the buffer form truncates";
  EXPECT_STREQ(L"row", buf);
  EXPECT_TRUE(list.GetItemText(9, 0).IsEmpty()) << "a missing row reads as empty";

  // Texts longer than the first buffer the wrapper tries still come back whole.
  CString longText(L'x', 1500);
  ASSERT_TRUE(list.SetItemText(0, 1, longText));
  EXPECT_EQ(1500, list.GetItemText(0, 1).GetLength());

  EXPECT_EQ(DWORD_PTR(20), list.GetItemData(2));
  ASSERT_TRUE(list.SetItemData(1, kWideData));
  EXPECT_EQ(kWideData, list.GetItemData(1)) << "item data keeps all 64 bits";

  LVITEM item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = 4;
  item.pszText = const_cast<LPWSTR>(L"row 4");
  item.lParam = 40;
  EXPECT_EQ(4, list.InsertItem(&item));
  EXPECT_EQ(5, list.InsertItem(5, L"row 5"));
  EXPECT_EQ(6, list.GetItemCount());

  wchar_t text[32] = {};
  LVITEM get = {};
  get.mask = LVIF_TEXT | LVIF_PARAM;
  get.iItem = 4;
  get.pszText = text;
  get.cchTextMax = 32;
  ASSERT_TRUE(list.GetItem(&get));
  EXPECT_STREQ(L"row 4", text);
  EXPECT_EQ(40, get.lParam);

  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_STREQ(L"1.1", list.GetItemText(0, 1));
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(0, list.GetItemCount());
}

TEST_F(ReportGrid, SelectionWalksInOrder) {
  EXPECT_EQ(nullptr, list.GetFirstSelectedItemPosition()) << "nothing selected: no position";
  list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
  list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(2u, list.GetSelectedCount());
  EXPECT_EQ(UINT(LVIS_SELECTED | LVIS_FOCUSED), list.GetItemState(3, LVIS_SELECTED | LVIS_FOCUSED));
  std::vector<int> walked;
  for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
    walked.push_back(list.GetNextSelectedItem(pos));
  EXPECT_EQ((std::vector<int>{1, 3}), walked);
  EXPECT_EQ(3, list.GetNextItem(-1, LVNI_FOCUSED));
  EXPECT_EQ(3, list.GetNextItem(1, LVNI_SELECTED));
}

int CALLBACK DescendingByData(LPARAM a, LPARAM b, LPARAM sign) {
  return a < b ? int(sign) : (a > b ? -int(sign) : 0);
}

TEST_F(ReportGrid, SortFindAndHitTest) {
  ASSERT_TRUE(list.SortItems(DescendingByData, 1));
  EXPECT_STREQ(L"row 3", list.GetItemText(0, 0));
  EXPECT_STREQ(L"row 0", list.GetItemText(3, 0));
  EXPECT_STREQ(L"0.2", list.GetItemText(3, 2)) << "subitems move with their row";
  EXPECT_FALSE(list.SortItems(nullptr, 0));

  LVFINDINFO find = {};
  find.flags = LVFI_PARAM;
  find.lParam = 20;
  EXPECT_EQ(1, list.FindItem(&find));
  find.flags = LVFI_STRING;
  find.psz = L"row 0";
  EXPECT_EQ(3, list.FindItem(&find));

  CRect row;
  ASSERT_TRUE(list.GetItemRect(2, &row, LVIR_LABEL));
  UINT flags = 0;
  EXPECT_EQ(2, list.HitTest(row.CenterPoint(), &flags));
  EXPECT_TRUE(flags & LVHT_ONITEM);
  CRect sub;
  ASSERT_TRUE(list.GetSubItemRect(2, 1, LVIR_BOUNDS, sub));
  EXPECT_EQ(100, sub.left) << "the second column starts after the first's width";
  LVHITTESTINFO hti = {};
  hti.pt = sub.CenterPoint();
  EXPECT_EQ(2, list.SubItemHitTest(&hti));
  EXPECT_EQ(1, hti.iSubItem);
  POINT pos;
  EXPECT_TRUE(list.GetItemPosition(2, &pos));
  EXPECT_EQ(-1, list.HitTest(CPoint(5, 270))) << "below the last row";
  EXPECT_TRUE(list.EnsureVisible(3, FALSE));
  EXPECT_EQ(0, list.GetTopIndex());
  EXPECT_GE(list.GetCountPerPage(), 4);
}

TEST_F(ReportGrid, ColumnsHeaderAndStyles) {
  EXPECT_EQ(60, list.GetColumnWidth(1));
  EXPECT_TRUE(list.SetColumnWidth(1, 75));
  EXPECT_EQ(75, list.GetColumnWidth(1));
  wchar_t name[16] = {};
  LVCOLUMN col = {};
  col.mask = LVCF_TEXT | LVCF_FMT;
  col.pszText = name;
  col.cchTextMax = 16;
  ASSERT_TRUE(list.GetColumn(1, &col));
  EXPECT_STREQ(L"Size", name);
  EXPECT_EQ(LVCFMT_RIGHT, col.fmt & LVCFMT_JUSTIFYMASK);

  CHeaderCtrl* header = list.GetHeaderCtrl();
  ASSERT_NE(nullptr, header);
  EXPECT_EQ(3, header->GetItemCount());
  int order[3] = {2, 0, 1};
  ASSERT_TRUE(list.SetColumnOrderArray(3, order));
  int back[3] = {};
  ASSERT_TRUE(list.GetColumnOrderArray(back));
  EXPECT_EQ(2, back[0]);
  EXPECT_EQ(1, back[2]);
  EXPECT_EQ(2, header->OrderToIndex(0));

  EXPECT_TRUE(list.DeleteColumn(2));
  EXPECT_EQ(2, header->GetItemCount());

  list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  EXPECT_EQ(DWORD(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), list.GetExtendedStyle());
  EXPECT_TRUE(list.SetTextColor(RGB(1, 2, 3)));
  EXPECT_EQ(RGB(1, 2, 3), list.GetTextColor());
  EXPECT_TRUE(list.SetTextBkColor(RGB(4, 5, 6)));
  EXPECT_EQ(RGB(4, 5, 6), list.GetTextBkColor());
  EXPECT_TRUE(list.SetBkColor(RGB(7, 8, 9)));
  EXPECT_EQ(RGB(7, 8, 9), list.GetBkColor());
  EXPECT_GT(list.GetStringWidth(L"wide text"), list.GetStringWidth(L"w"));
}

TEST_F(ReportGrid, ImageListsAreSharedNotOwned) {
  CImageList small;
  ASSERT_TRUE(small.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2));
  EXPECT_EQ(nullptr, list.SetImageList(&small, LVSIL_SMALL));
  CImageList* current = list.GetImageList(LVSIL_SMALL);
  EXPECT_EQ(&small, current) << "an attached list maps to its object";
  EXPECT_EQ(&small, list.SetImageList(nullptr, LVSIL_SMALL));
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

TEST(HeaderCtrl, ItemsOrderAndHitTest) {
  ctltest::ParentWnd parent;
  CHeaderCtrl header;
  ASSERT_TRUE(header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 300, 24), &parent, 22));
  for (int i = 0; i < 3; ++i) {
    HDITEM hdi = {};
    hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_LPARAM;
    hdi.pszText = const_cast<LPWSTR>(i == 0 ? L"A" : i == 1 ? L"B" : L"C");
    hdi.cxy = 50 + 10 * i;
    hdi.lParam = LPARAM(kWideData) + i;
    EXPECT_EQ(i, header.InsertItem(i, &hdi));
  }
  EXPECT_EQ(3, header.GetItemCount());
  wchar_t text[8] = {};
  HDITEM get = {};
  get.mask = HDI_TEXT | HDI_WIDTH | HDI_LPARAM;
  get.pszText = text;
  get.cchTextMax = 8;
  ASSERT_TRUE(header.GetItem(1, &get));
  EXPECT_STREQ(L"B", text);
  EXPECT_EQ(60, get.cxy);
  EXPECT_EQ(LPARAM(kWideData) + 1, get.lParam);

  CRect r;
  ASSERT_TRUE(header.GetItemRect(2, &r));
  EXPECT_EQ(110, r.left);
  HDHITTESTINFO hti = {};
  hti.pt = r.CenterPoint();
  EXPECT_EQ(2, header.HitTest(&hti));
  EXPECT_TRUE(hti.flags & HHT_ONHEADER);

  int order[3] = {1, 2, 0};
  ASSERT_TRUE(header.SetOrderArray(3, order));
  int back[3] = {};
  ASSERT_TRUE(header.GetOrderArray(back, 3));
  EXPECT_EQ(1, back[0]);
  EXPECT_EQ(0, back[2]);
  EXPECT_FALSE(header.GetOrderArray(nullptr, 3));
  EXPECT_TRUE(header.DeleteItem(0));
  EXPECT_EQ(2, header.GetItemCount());
}

// Builds a list from a masked bitmap and an icon, draws it and checks the pixels.
void AddAndDraw(HICON icon) {
  {
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24 | ILC_MASK, 1, 1));
    // An 8x8 bitmap: red, with a magenta corner that the mask colour makes transparent.
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = 8;
    bi.bmiHeader.biHeight = -8;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    CBitmap bitmap;
    bitmap.Attach(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 8, 8, RGB(255, 0, 0));
    dc.FillSolidRect(0, 0, 2, 2, RGB(255, 0, 255));
    dc.SelectObject(old);
    EXPECT_EQ(0, images.Add(&bitmap, RGB(255, 0, 255)));
    EXPECT_EQ(1, images.Add(icon));
    EXPECT_EQ(2, images.GetImageCount());
    IMAGEINFO info = {};
    ASSERT_TRUE(images.GetImageInfo(0, &info));
    EXPECT_EQ(8, info.rcImage.right - info.rcImage.left);

    // Drawn onto white: red where the image is, white where the mask colour was.
    CBitmap target;
    target.Attach(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    old = dc.SelectObject(&target);
    dc.FillSolidRect(0, 0, 8, 8, RGB(255, 255, 255));
    EXPECT_TRUE(images.Draw(&dc, 0, CPoint(0, 0), ILD_TRANSPARENT));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetPixel(5, 5));
    EXPECT_EQ(RGB(255, 255, 255), dc.GetPixel(0, 0)) << "the mask colour is transparent";
    dc.SelectObject(old);

    HICON icon = images.ExtractIcon(1);
    EXPECT_NE(nullptr, icon);
    ::DestroyIcon(icon);
    EXPECT_TRUE(images.Remove(0));
    EXPECT_EQ(1, images.GetImageCount());
    EXPECT_EQ(-1, images.Add(static_cast<CBitmap*>(nullptr), RGB(0, 0, 0)));
    EXPECT_FALSE(images.Draw(nullptr, 0, CPoint(0, 0), ILD_NORMAL));
  }
}

TEST(ImageList, AddDrawAndRelease) {
  HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);  // shared: stays loaded
  AddAndDraw(icon);  // the first use leaves the system's caches behind
  TKS_EXPECT_NO_GUI_LEAK(AddAndDraw(icon));
}

TEST(ImageList, TemporaryWrapperLeavesTheListAlive) {
  HIMAGELIST h = ImageList_Create(4, 4, ILC_COLOR32, 1, 1);
  CImageList* temp = CImageList::FromHandle(h);
  ASSERT_NE(nullptr, temp);
  EXPECT_EQ(temp, CImageList::FromHandle(h));
  AfxDeleteTempGdiAndMenuMaps();
  EXPECT_EQ(0, ImageList_GetImageCount(h)) << "the list still answers";
  CImageList owner;
  owner.Attach(h);
  EXPECT_EQ(&owner, CImageList::FromHandle(h));
}

TEST(ToolTipCtrl, ToolsAndTextsRoundTrip) {
  ctltest::ParentWnd parent;
  CToolTipCtrl tips;
  ASSERT_TRUE(tips.Create(&parent, TTS_ALWAYSTIP));
  EXPECT_EQ(0, tips.GetToolCount());
  CRect area(0, 0, 50, 50);
  ASSERT_TRUE(tips.AddTool(&parent, L"first tip", &area, 1));
  ASSERT_TRUE(tips.AddTool(&parent, L"second tip", CRect(60, 0, 100, 50), 2));
  EXPECT_FALSE(tips.AddTool(&parent, L"no id", &area, 0)) << "a rectangle tool needs an id";
  EXPECT_EQ(2, tips.GetToolCount());
  CString text;
  tips.GetText(text, &parent, 2);
  EXPECT_STREQ(L"second tip", text);
  tips.UpdateTipText(L"changed", &parent, 2);
  tips.GetText(text, &parent, 2);
  EXPECT_STREQ(L"changed", text);

  TTTOOLINFO ti = {};
  ASSERT_TRUE(tips.GetToolInfo(&ti, &parent, 1));
  EXPECT_EQ(CRect(0, 0, 50, 50), CRect(ti.rect));
  tips.SetToolRect(&parent, 1, CRect(0, 0, 20, 20));
  ASSERT_TRUE(tips.GetToolInfo(&ti, &parent, 1));
  EXPECT_EQ(20, ti.rect.right);

  TTTOOLINFO hit = {};
  EXPECT_TRUE(tips.HitTest(&parent, CPoint(70, 10), &hit));
  EXPECT_EQ(UINT_PTR(2), hit.uId);

  tips.SetMaxTipWidth(200);
  EXPECT_EQ(200, tips.GetMaxTipWidth());
  tips.SetTipBkColor(RGB(1, 2, 3));
  EXPECT_EQ(RGB(1, 2, 3), tips.GetTipBkColor());
  tips.SetTipTextColor(RGB(4, 5, 6));
  EXPECT_EQ(RGB(4, 5, 6), tips.GetTipTextColor());
  tips.SetDelayTime(TTDT_INITIAL, 123);
  EXPECT_EQ(123, tips.GetDelayTime(TTDT_INITIAL));
  tips.Activate(TRUE);
  tips.Pop();

  tips.DelTool(&parent, 1);
  EXPECT_EQ(1, tips.GetToolCount());
}

}  // namespace
