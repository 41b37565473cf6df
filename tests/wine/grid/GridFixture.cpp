// The grid tests' owner window, derived list and list fixture.
#include "GridFixture.h"

#include <algorithm>
#include <cstdlib>

namespace grid {

void UseHostResources() {
  const HMODULE module = tks::HostResources();
  ASSERT_NE(nullptr, module) << "qxres.dll does not load beside the test program";
}

BEGIN_MESSAGE_MAP(Owner, CWnd)
  ON_MESSAGE(WM_USER + 1, OnRequest)
END_MESSAGE_MAP()

bool Owner::Create() {
  return CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, 400),
                  CWnd::FromHandle(tks::HostFrame()), 1) != FALSE;
}

void Owner::GetText(int item, int column, DWORD_PTR data, CString& text) {
  textCalls.push_back({item, column, data});
  auto it = texts.find({data, column});
  if (it != texts.end())
    text = it->second;
  else if (namedCells)
    text.Format(L"%llu:%d", static_cast<unsigned long long>(data), column);
  else
    text.Empty();
}

void Owner::GetImage(int, int column, DWORD_PTR data, int& image) {
  auto it = images.find({data, column});
  if (it != images.end()) image = it->second;
}

void Owner::File(CGfxCategoryManager* manager, DWORD_PTR data) {
  auto it = keys.find(data);
  if (it == keys.end()) return;
  int index = manager->FindCategory(it->second);
  if (index < 0) index = manager->AddCategory(it->second, it->second);
  manager->AddItemToCategory(index, data);
}

void Owner::FileRow(CGfxCategoryManager* manager, DWORD_PTR& data) {
  filed.push_back(data);
  File(manager, data);
}

void Owner::FileAll(CGfxCategoryManager* manager) {
  bulkCalls.emplace_back();
  for (DWORD_PTR row = 0; row < DWORD_PTR(manager->GetItemCount()); ++row) {
    bulkCalls.back().push_back(row);
    File(manager, row + 1);
  }
}

LRESULT Owner::Answer(LXHDREX* r, bool byMessage) {
  SeenRequest seen;
  seen.code = r->iNotifyCode;
  seen.listId = r->iListId;
  seen.item = r->iItem;
  seen.subItem = r->iSubItem;
  seen.itemData = r->dwItemData;
  seen.flags = r->dwFlag;
  seen.text = r->csText.GetString();
  seen.byMessage = byMessage;
  if (r->iNotifyCode == NTEX_DIVIDER || r->iNotifyCode == NTEX_AUTOPREVIEW) {
    const LXHDREX_DIV* div = static_cast<const LXHDREX_DIV*>(r);
    seen.hasDC = div->pDC && div->pDC->GetSafeHdc();
    seen.rect = div->rcItem;
  }
  requests.push_back(seen);
  if (onRequest) onRequest(r);
  if (r->iNotifyCode == NTEX_ITEMINFO) {
    r->dwFlag = answerFlags;
    r->crText = answerColor;
  }
  if (!answerText.IsEmpty()) r->csText = answerText;
  if (r->iNotifyCode == NTEX_COMBOREQUEST && r->pcsaChoices)
    for (const CString& choice : choices) r->pcsaChoices->Add(choice);
  auto it = answers.find(r->iNotifyCode);
  return it == answers.end() ? 0 : it->second;
}

LRESULT Owner::OnRequest(WPARAM wParam, LPARAM lParam) {
  EXPECT_EQ(0u, wParam) << "a request carries wParam 0";
  return Answer(reinterpret_cast<LXHDREX*>(lParam), true);
}

BOOL Owner::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (CWnd::OnNotify(wParam, lParam, pResult)) return TRUE;
  notifications.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
  return FALSE;
}

bool Owner::Notified(UINT code) const {
  return std::find(notifications.begin(), notifications.end(), code) != notifications.end();
}

void DerivedList::GetTextCallback(int item, int column, DWORD_PTR data, CString& text) {
  if (owner)
    owner->GetText(item, column, data, text);
  else
    text.Empty();
}

long DerivedList::GetExInfoCallback(LXHDREX* r) {
  return owner ? static_cast<long>(owner->Answer(r, false)) : 0;
}

void GridFixture::SetUp() {
  UseHostResources();
  tks::ClearModalAnswers();
  tks::ShowHostFrame(true);
  ASSERT_TRUE(owner_.Create());
}

void GridFixture::TearDown() {
  if (list_ && list_->GetSafeHwnd()) list_->DestroyWindow();
  list_.reset();
  derived_ = nullptr;
  if (owner_.GetSafeHwnd()) owner_.DestroyWindow();
  tks::ShowHostFrame(false);
  EXPECT_EQ(0, tks::PendingModalAnswers()) << "an armed answer found no modal window";
  tks::ClearModalAnswers();
}

void GridFixture::CreateList(Use use, DWORD extraStyle) {
  if (use == Use::DerivedList) {
    derived_ = new DerivedList;
    derived_->owner = &owner_;
    list_.reset(derived_);
  } else {
    list_.reset(new CGfxListCtrl);
  }
  ASSERT_TRUE(list_->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | extraStyle,
                            CRect(0, 0, 400, 200), &owner_, 100));
  if (derived_) {
    list_->SetReciper(list_.get());
  } else {
    list_->SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&Owner::GetText));
    list_->SetGetImageCallback(static_cast<GFXLIST_GETIMAGE_CALLBACK>(&Owner::GetImage));
  }
  list_->SetCategoryCallback(static_cast<GFXLIST_CATEGORY_CALLBACK>(&Owner::FileRow));
}

void GridFixture::MakeList(Use use, DWORD extraStyle, int firstColumnWidth) {
  CreateList(use, extraStyle);
  list_->InsertColumnEx(0, L"Name", LVCFMT_LEFT, firstColumnWidth, 0);
  list_->InsertColumnEx(1, L"Size", LVCFMT_RIGHT, 60, 0);
  list_->InsertColumnEx(2, L"Notes", LVCFMT_LEFT, 100, 0);
  list_->OnInit();
  // Fixed geometry: OnInit lets the header stretch the last column over the client.
  list_->SetColumnWidth(2, 100);
  // The list view's own grid lines are drawn over the rows; the tests look at ours.
  list_->ModifyExStyle(LVS_EX_GRIDLINES, 0, 0);
}

void GridFixture::AddRows(int n, DWORD_PTR first) {
  for (int i = 0; i < n; ++i)
    list_->InsertItemEx(list_->GetItemCount(), first + static_cast<DWORD_PTR>(i));
}

CRect GridFixture::Row(int item) {
  CRect rc(0, 0, 0, 0);
  list_->GetItemRect(item, &rc, LVIR_BOUNDS);
  return rc;
}

CPoint GridFixture::CellCentre(int item, int column) {
  CRect rc;
  list_->GetSubItemRect(item, column, rc);
  return rc.CenterPoint();
}

void GridFixture::Select(std::initializer_list<int> rows) {
  list_->SetItemState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (int i : rows) list_->SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
}

std::vector<int> GridFixture::Selected() {
  std::vector<int> rows;
  for (int i = list_->GetNextItem(-1, LVNI_SELECTED); i >= 0;
       i = list_->GetNextItem(i, LVNI_SELECTED))
    rows.push_back(i);
  return rows;
}

tks::Capture GridFixture::Snap() {
  tks::PumpUntilIdle();
  list_->UpdateWindow();
  // What the owner is asked while the capture paints, and nothing from earlier paints.
  owner_.requests.clear();
  tks::Capture capture = tks::CaptureWindow(list_->GetSafeHwnd());
  SaveForLooking(capture);
  return capture;
}

std::vector<DWORD_PTR> GridFixture::RowData() {
  std::vector<DWORD_PTR> data;
  for (int i = 0; i < list_->GetItemCount(); ++i) data.push_back(list_->GetItemData(i));
  return data;
}

std::vector<std::wstring> GridFixture::RowLabels() {
  std::vector<std::wstring> labels;
  for (int i = 0; i < list_->GetItemCount(); ++i)
    labels.push_back(list_->GetItemText(i, 0).GetString());
  return labels;
}

CString GridFixture::ClipboardText() {
  CString text;
  if (!::OpenClipboard(nullptr)) return L"<clipboard busy>";
  if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(::GlobalLock(h));
    ::GlobalUnlock(h);
  }
  ::CloseClipboard();
  return text;
}

void GridFixture::SetClipboardText(const wchar_t* text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(::GlobalLock(h), text, bytes);
  ::GlobalUnlock(h);
  ::SetClipboardData(CF_UNICODETEXT, h);
  ::CloseClipboard();
}

void SaveForLooking(const tks::Capture& capture) {
  if (!std::getenv("TKW_SAVE_CAPTURES")) return;
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  capture.WritePng(std::wstring(name.begin(), name.end()) + L".png");
}

}  // namespace grid
