// The drawing and category tests' owner window and list fixture.
#include "DrawFixture.h"

#include <cstdlib>

namespace griddraw {

void UseHostResources() {
  tks::FrameworkApp();
  static HMODULE module = [] {
    HMODULE h = ::LoadLibraryW(L"qxres.dll");
    // The chain owns the library object from here on.
    if (h) new CDynLinkLibrary(h, h, FALSE);
    return h;
  }();
  ASSERT_NE(nullptr, module) << "qxres.dll does not load beside the test program";
}

BEGIN_MESSAGE_MAP(DrawOwner, CWnd)
  ON_MESSAGE(WM_USER + 1, OnRequest)
END_MESSAGE_MAP()

bool DrawOwner::Create() {
  return CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 440, 260),
                  CWnd::FromHandle(tks::HostFrame()), 1) != FALSE;
}

void DrawOwner::GetText(int, int column, DWORD_PTR data, CString& text) {
  auto it = texts.find({data, column});
  text = it == texts.end() ? CString() : it->second;
}

void DrawOwner::GetImage(int, int column, DWORD_PTR data, int& image) {
  auto it = images.find({data, column});
  if (it != images.end()) image = it->second;
}

void DrawOwner::File(CGfxCategoryManager* manager, DWORD_PTR data) {
  auto it = keys.find(data);
  if (it == keys.end()) return;
  int index = manager->FindCategory(it->second);
  if (index < 0) index = manager->AddCategory(it->second, it->second);
  manager->AddItemToCategory(index, data);
}

void DrawOwner::FileRow(CGfxCategoryManager* manager, DWORD_PTR& data) {
  filed.push_back(data);
  File(manager, data);
}

void DrawOwner::FileAll(CGfxCategoryManager* manager) {
  bulkCalls.emplace_back();
  for (DWORD_PTR row = 0; row < DWORD_PTR(manager->GetItemCount()); ++row) {
    bulkCalls.back().push_back(row);
    File(manager, row + 1);
  }
}

LRESULT DrawOwner::OnRequest(WPARAM, LPARAM lParam) {
  LXHDREX* r = reinterpret_cast<LXHDREX*>(lParam);
  SeenRequest seen;
  seen.code = r->iNotifyCode;
  seen.listId = r->iListId;
  seen.item = r->iItem;
  seen.subItem = r->iSubItem;
  seen.itemData = r->dwItemData;
  if (r->iNotifyCode == NTEX_DIVIDER || r->iNotifyCode == NTEX_AUTOPREVIEW) {
    const LXHDREX_DIV* div = static_cast<const LXHDREX_DIV*>(r);
    seen.hasDC = div->pDC && div->pDC->GetSafeHdc();
    seen.rect = div->rcItem;
  }
  requests.push_back(seen);
  if (r->iNotifyCode == NTEX_ITEMINFO) {
    r->dwFlag = answerFlags;
    r->crText = answerColor;
  }
  auto it = answers.find(r->iNotifyCode);
  return it == answers.end() ? 0 : it->second;
}

void DrawFixture::SetUp() {
  UseHostResources();
  tks::ShowHostFrame(true);
  ASSERT_TRUE(owner_.Create());
}

void DrawFixture::TearDown() {
  if (list_.GetSafeHwnd()) list_.DestroyWindow();
  if (owner_.GetSafeHwnd()) owner_.DestroyWindow();
  tks::ShowHostFrame(false);
}

void DrawFixture::MakeList(DWORD extraStyle, int firstColumnWidth) {
  ASSERT_TRUE(list_.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | extraStyle,
                           CRect(0, 0, 400, 200), &owner_, 100));
  list_.InsertColumnEx(0, L"Name", LVCFMT_LEFT, firstColumnWidth, 0);
  list_.InsertColumnEx(1, L"Size", LVCFMT_RIGHT, 60, 0);
  list_.InsertColumnEx(2, L"Notes", LVCFMT_LEFT, 100, 0);
  list_.OnInit();
  // Fixed geometry: OnInit lets the header stretch the last column over the client.
  list_.SetColumnWidth(2, 100);
  // The list view's own grid lines are drawn over the rows; the tests look at ours.
  list_.ModifyExStyle(LVS_EX_GRIDLINES, 0, 0);
  list_.SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&DrawOwner::GetText));
  list_.SetGetImageCallback(static_cast<GFXLIST_GETIMAGE_CALLBACK>(&DrawOwner::GetImage));
  list_.SetCategoryCallback(static_cast<GFXLIST_CATEGORY_CALLBACK>(&DrawOwner::FileRow));
}

void DrawFixture::AddRows(int n, DWORD_PTR first) {
  for (int i = 0; i < n; ++i)
    list_.InsertItemEx(list_.GetItemCount(), first + static_cast<DWORD_PTR>(i));
}

CRect DrawFixture::Row(int item) {
  CRect rc(0, 0, 0, 0);
  list_.GetItemRect(item, &rc, LVIR_BOUNDS);
  return rc;
}

tks::Capture DrawFixture::Snap() {
  tks::PumpUntilIdle();
  list_.UpdateWindow();
  // What the owner is asked while the capture paints, and nothing from earlier paints.
  owner_.requests.clear();
  tks::Capture capture = tks::CaptureWindow(list_.GetSafeHwnd());
  SaveForLooking(capture);
  return capture;
}

std::vector<DWORD_PTR> DrawFixture::RowData() {
  std::vector<DWORD_PTR> data;
  for (int i = 0; i < list_.GetItemCount(); ++i) data.push_back(list_.GetItemData(i));
  return data;
}

std::vector<std::wstring> DrawFixture::RowLabels() {
  std::vector<std::wstring> labels;
  for (int i = 0; i < list_.GetItemCount(); ++i)
    labels.push_back(list_.GetItemText(i, 0).GetString());
  return labels;
}

void SaveForLooking(const tks::Capture& capture) {
  if (!std::getenv("TKW_SAVE_CAPTURES")) return;
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  capture.WritePng(std::wstring(name.begin(), name.end()) + L".png");
}

}  // namespace griddraw
