// The grid core tests' owner window and list fixture.
#include "ListCoreFixture.h"

namespace listcore {

BEGIN_MESSAGE_MAP(Owner, CWnd)
  ON_MESSAGE(WM_USER + 1, OnRequest)
END_MESSAGE_MAP()

void ListFixture::SetUp() {
  tks::ClearModalAnswers();
  ASSERT_TRUE(owner_.Create());
}

void ListFixture::TearDown() {
  if (list_ && list_->GetSafeHwnd()) list_->DestroyWindow();
  delete list_;
  list_ = nullptr;
  derived_ = nullptr;
  if (owner_.GetSafeHwnd()) owner_.DestroyWindow();
  EXPECT_EQ(0, tks::PendingModalAnswers()) << "an armed answer found no modal window";
  tks::ClearModalAnswers();
}

void ListFixture::MakeList(Use use, DWORD extraStyle) {
  use_ = use;
  if (use == Use::DerivedList) {
    derived_ = new DerivedList;
    list_ = derived_;
  } else {
    list_ = new CGfxListCtrl;
  }
  ASSERT_TRUE(list_->Create(
      WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_SHOWSELALWAYS | extraStyle,
      CRect(0, 0, 400, 200), &owner_, 100));
  list_->InsertColumnEx(0, L"Name", LVCFMT_LEFT, 100, 0);
  list_->InsertColumnEx(1, L"Size", LVCFMT_RIGHT, 60, 0);
  list_->InsertColumnEx(2, L"Notes", LVCFMT_LEFT, 120, 0);
  list_->OnInit();
  list_->SetColumnWidth(2, 120);  // the header's fitting widened the last column
  if (derived_)
    list_->SetReciper(list_);
  else
    list_->SetGetTextCallback(static_cast<GFXLIST_GETTEXT_CALLBACK>(&Owner::GetText));
}

void ListFixture::AddRows(int n) {
  for (int i = 0; i < n; ++i) {
    const int count = list_->GetItemCount();
    ASSERT_EQ(count, list_->InsertItemEx(count, DWORD_PTR(count + 1)));
  }
}

CString ListFixture::ClipboardText() {
  CString text;
  if (!::OpenClipboard(nullptr)) return L"<clipboard busy>";
  if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(::GlobalLock(h));
    ::GlobalUnlock(h);
  }
  ::CloseClipboard();
  return text;
}

void ListFixture::SetClipboardText(const wchar_t* text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  memcpy(::GlobalLock(h), text, bytes);
  ::GlobalUnlock(h);
  ::SetClipboardData(CF_UNICODETEXT, h);
  ::CloseClipboard();
}

}  // namespace listcore
