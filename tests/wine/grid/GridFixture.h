// Shared set-up of the grid tests: an owner that answers texts, images, category filing and
// requests and records them, a derived list answering through its virtual operations, a ready
// list in either of the two ways a host uses the grid, and pixel helpers.
#pragma once
#include "grid/GfxCategoryManager.h"
#include "grid/GfxListCtrl.h"

#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "Support.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace grid {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGrid = RGB(0xC0, 0xC0, 0xC0);    // light grid pen, button face
const COLORREF kShadow = RGB(0x80, 0x80, 0x80);  // dark grid pen
const COLORREF kHighlight = RGB(0, 0, 160);

inline bool IsDark(COLORREF c) {
  return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
}
inline bool IsRed(COLORREF c) {
  return GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90;
}
inline bool IsGreen(COLORREF c) {
  return GetGValue(c) > 150 && GetRValue(c) < 90 && GetBValue(c) < 90;
}
// True when some pixel of the client rectangle rc satisfies pred.
template <class Pred>
bool AnyPixel(const tks::Capture& cap, const CRect& rc, Pred pred) {
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x)
      if (pred(cap.AtClient(x, y))) return true;
  return false;
}

// The application object exists and qxres.dll is in the resource chain, as in a host.
void UseHostResources();

// One request as its answerer saw it; codes 3 and 4 also carry a device context and a rectangle.
struct SeenRequest {
  int code = -1, listId = -1, item = -1, subItem = -1;
  DWORD_PTR itemData = 0;
  DWORD flags = 0;
  std::wstring text;
  bool byMessage = false;  // WM_USER+1 to the owner rather than the list's virtual answer
  bool hasDC = false;
  CRect rect;
};

// The list's parent. Whichever way the list asks (callbacks and WM_USER+1 here, or a derived
// list's virtual operations forwarding here), the texts, answers and records are these.
class Owner : public CWnd {
 public:
  bool Create();

  // Text callback: texts[{data, column}], else "<data>:<column>" with namedCells, else empty.
  void GetText(int item, int column, DWORD_PTR data, CString& text);
  // Image callback: images[{data, column}] when set, else leaves the image alone.
  void GetImage(int item, int column, DWORD_PTR data, int& image);
  // Category callback: files the row under keys[data] (a category of that name and key,
  // created when missing). Rows without a key stay unfiled.
  void FileRow(CGfxCategoryManager* manager, DWORD_PTR& data);
  // Bulk filing: the items are row indices; row i is filed as item data i + 1 would be.
  void FileAll(CGfxCategoryManager* manager);
  void File(CGfxCategoryManager* manager, DWORD_PTR data);
  // Records a request and answers it from answers, answerFlags, answerColor, answerText and
  // choices.
  LRESULT Answer(LXHDREX* request, bool byMessage);
  bool Notified(UINT code) const;

  struct TextCall {
    int item, column;
    DWORD_PTR data;
  };
  bool namedCells = false;
  std::map<std::pair<DWORD_PTR, int>, CString> texts;
  std::map<std::pair<DWORD_PTR, int>, int> images;
  std::map<DWORD_PTR, CString> keys;
  std::vector<TextCall> textCalls;
  std::vector<SeenRequest> requests;
  std::vector<UINT> notifications;  // codes that got past the list's own handling
  std::map<int, LRESULT> answers;   // answer by request code, 0 when missing
  DWORD answerFlags = 0;            // result flags set in code 0 answers
  COLORREF answerColor = 0;
  CString answerText;                             // replaces the record's text when not empty
  std::vector<CString> choices;                   // appended to a choices request (code 1)
  std::vector<DWORD_PTR> filed;                   // item data the category callback saw, in order
  std::vector<std::vector<DWORD_PTR>> bulkCalls;  // the items array at each bulk call
  std::function<void(LXHDREX*)> onRequest;        // runs after a request is recorded

 protected:
  LRESULT OnRequest(WPARAM wParam, LPARAM lParam);
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  DECLARE_MESSAGE_MAP()
};

// A host's derived list: texts and requests through the virtual operations (answered by the
// owner when there is one), with records of the operations the keys and commands call.
class DerivedList : public CGfxListCtrl {
 public:
  void GetTextCallback(int item, int column, DWORD_PTR data, CString& text) override;
  long GetExInfoCallback(LXHDREX* r) override;
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
  // The header's drop callback: records, then moves the column.
  void RecordDrop(int& from, int& to) {
    drops.emplace_back(from, to);
    DragColumn(from, to);
  }

  Owner* owner = nullptr;
  std::map<DWORD_PTR, bool> refusedData;
  std::vector<int> properties, populates;
  int refreshes = 0, inserts = 0, pastes = 0, prints = 0;
  std::vector<std::pair<int, int>> drops;
};

// The two ways a host uses the grid.
enum class Use { ParentCallbacks, DerivedList };

inline std::string UseName(const testing::TestParamInfo<Use>& info) {
  return info.param == Use::ParentCallbacks ? "ParentCallbacks" : "DerivedList";
}

// An owner on the shown host frame, and a list of three columns (Name 100, Size 60
// right-aligned, Notes 100) on it.
class GridFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the list window (report view, owner-drawn rows, plus extraStyle) with the owner's
  // callbacks, or as a derived list that is its own reciper. No columns.
  void CreateList(Use use, DWORD extraStyle = 0);
  // CreateList and the three columns.
  void MakeList(Use use, DWORD extraStyle = 0, int firstColumnWidth = 100);
  void MakeList(DWORD extraStyle = 0, int firstColumnWidth = 100) {
    MakeList(Use::ParentCallbacks, extraStyle, firstColumnWidth);
  }
  // Rows with item data first .. first + n - 1, appended.
  void AddRows(int n, DWORD_PTR first = 1);
  CRect Row(int item);
  int Mid(int item) { return Row(item).CenterPoint().y; }
  CPoint CellCentre(int item, int column);
  void Select(std::initializer_list<int> rows);
  std::vector<int> Selected();
  // Paints the list into a picture (as the screen would show it).
  tks::Capture Snap();
  // The rows' item data in list order.
  std::vector<DWORD_PTR> RowData();
  // The texts of column 0 as the list holds them (labels of category rows).
  std::vector<std::wstring> RowLabels();
  CString ClipboardText();
  void SetClipboardText(const wchar_t* text);

  Owner owner_;
  std::unique_ptr<CGfxListCtrl> list_;
  DerivedList* derived_ = nullptr;  // list_ when it is a DerivedList
};

// Writes "<test name>.png" beside the test program when TKW_SAVE_CAPTURES is set, to look at.
void SaveForLooking(const tks::Capture& capture);

}  // namespace grid
