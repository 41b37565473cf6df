// Shared set-up of the grid core tests: an owner window that records what the list asks and
// sends, a derived list that answers through its virtual operations, and a ready list.
#pragma once
#include "grid/GfxCategoryManager.h"
#include "grid/GfxListCtrl.h"

#include <gtest/gtest.h>

#include "Support.h"

#include <map>
#include <string>
#include <vector>

namespace listcore {

// A copy of one request as the owner saw it.
struct SeenRequest {
  int code = -1, listId = -1, item = -1, subItem = -1, reserved = -1;
  DWORD_PTR itemData = 0;
  DWORD flags = 0;
  std::wstring text;
};

inline SeenRequest Copy(const LXHDREX& r) {
  SeenRequest s;
  s.code = r.iNotifyCode;
  s.listId = r.iListId;
  s.item = r.iItem;
  s.subItem = r.iSubItem;
  s.reserved = r.iReserved;
  s.itemData = r.dwItemData;
  s.flags = r.dwFlag;
  s.text = r.csText.GetString();
  return s;
}

// Cell texts: "<item data>:<column>" unless a test sets one.
inline CString CellText(DWORD_PTR data, int column,
                        const std::map<std::pair<DWORD_PTR, int>, CString>& texts) {
  auto it = texts.find({data, column});
  if (it != texts.end()) return it->second;
  CString s;
  s.Format(L"%llu:%d", static_cast<unsigned long long>(data), column);
  return s;
}

// The list's parent: answers WM_USER+1 and the text callback, records notifications that
// get past the list's own handling.
class Owner : public CWnd {
 public:
  bool Create() {
    return CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_CHILD | WS_VISIBLE,
                    CRect(0, 0, 600, 400), CWnd::FromHandle(tks::HostFrame()), 1) != FALSE;
  }
  void GetText(int item, int column, DWORD_PTR data, CString& text) {
    textCalls.push_back({item, column, data});
    text = CellText(data, column, texts);
  }

  // Category callback: odd item data under "Odd", even under "Even".
  void File(CGfxCategoryManager* manager, DWORD_PTR& data) {
    const wchar_t* key = (data % 2) ? L"Odd" : L"Even";
    int index = manager->FindCategory(key);
    if (index < 0) index = manager->AddCategory(key, key);
    manager->AddItemToCategory(index, data);
  }

  struct TextCall {
    int item, column;
    DWORD_PTR data;
  };
  std::vector<TextCall> textCalls;
  std::vector<SeenRequest> requests;
  std::vector<UINT> notifications;  // codes that reached the owner
  std::map<std::pair<DWORD_PTR, int>, CString> texts;
  LRESULT answer = 0;     // answer to requests
  DWORD answerFlags = 0;  // result flags set in the record
  COLORREF answerColor = 0;
  CString answerText;  // replaces the record's text when not empty

 protected:
  LRESULT OnRequest(WPARAM wParam, LPARAM lParam) {
    EXPECT_EQ(0u, wParam) << "a request carries wParam 0";
    LXHDREX* r = reinterpret_cast<LXHDREX*>(lParam);
    requests.push_back(Copy(*r));
    r->dwFlag = answerFlags;
    r->crText = answerColor;
    if (!answerText.IsEmpty()) r->csText = answerText;
    return answer;
  }
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (CWnd::OnNotify(wParam, lParam, pResult)) return TRUE;
    notifications.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()
};

// A host's derived list: texts and requests through the virtual operations, with counters for
// the operations the keys and commands call.
class DerivedList : public CGfxListCtrl {
 public:
  void GetTextCallback(int item, int column, DWORD_PTR data, CString& text) override {
    textCalls.push_back({item, column, data});
    text = CellText(data, column, texts);
  }
  long GetExInfoCallback(LXHDREX* r) override {
    requests.push_back(Copy(*r));
    r->dwFlag = answerFlags;
    r->crText = answerColor;
    return answer;
  }
  void OnProperties(int item) override { properties.push_back(item); }
  void OnRefresh() override { ++refreshes; }
  void OnInsert() override { ++inserts; }
  void OnPaste() override { ++pastes; }
  void OnPrint() override { ++prints; }
  void Populate(CObArray* array, int param) override {
    EXPECT_EQ(nullptr, array);
    populates.push_back(param);
  }
  bool CanDeleteItem(int item) override { return refusedData.count(GetItemData(item)) == 0; }

  std::vector<Owner::TextCall> textCalls;
  std::vector<SeenRequest> requests;
  std::map<std::pair<DWORD_PTR, int>, CString> texts;
  std::map<DWORD_PTR, bool> refusedData;
  long answer = 0;
  DWORD answerFlags = 0;
  COLORREF answerColor = 0;
  std::vector<int> properties, populates;
  int refreshes = 0, inserts = 0, pastes = 0, prints = 0;
};

// The two ways a host uses the grid.
enum class Use { ParentCallbacks, DerivedList };

inline std::string UseName(const testing::TestParamInfo<Use>& info) {
  return info.param == Use::ParentCallbacks ? "ParentCallbacks" : "DerivedList";
}

// An owner with one list of three columns (Name 100, Size 60, Notes 120) in report view.
class ListFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates list_ as the given kind (a DerivedList sets itself as reciper).
  void MakeList(Use use, DWORD extraStyle = 0);
  // Rows with item data 1..n.
  void AddRows(int n);
  CString ClipboardText();
  void SetClipboardText(const wchar_t* text);

  Owner owner_;
  CGfxListCtrl* list_ = nullptr;
  DerivedList* derived_ = nullptr;  // list_ when it is a DerivedList
  Use use_ = Use::ParentCallbacks;
};

}  // namespace listcore
