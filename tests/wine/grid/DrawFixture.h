// Shared set-up of the grid's drawing and category tests: an owner that answers texts, images,
// category filing and requests (recording them), a list on it, and pixel helpers.
#pragma once
#include "grid/GfxCategoryManager.h"
#include "grid/GfxListCtrl.h"

#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "Support.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace griddraw {

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

// One request as the owner saw it; codes 3 and 4 also carry a device context and a rectangle.
struct SeenRequest {
  int code = -1, listId = -1, item = -1, subItem = -1;
  DWORD_PTR itemData = 0;
  bool hasDC = false;
  CRect rect;
};

class DrawOwner : public CWnd {
 public:
  bool Create();

  // Text callback: texts[{data, column}] or empty.
  void GetText(int item, int column, DWORD_PTR data, CString& text);
  // Image callback: images[{data, column}] when set, else leaves the image alone.
  void GetImage(int item, int column, DWORD_PTR data, int& image);
  // Category callback: files the row under keys[data] (a category of that name and key,
  // created when missing). Rows without a key stay unfiled.
  void FileRow(CGfxCategoryManager* manager, DWORD_PTR& data);
  // Bulk filing: the items are row indices; row i is filed as item data i + 1 would be.
  void FileAll(CGfxCategoryManager* manager);
  void File(CGfxCategoryManager* manager, DWORD_PTR data);

  std::map<std::pair<DWORD_PTR, int>, CString> texts;
  std::map<std::pair<DWORD_PTR, int>, int> images;
  std::map<DWORD_PTR, CString> keys;
  std::vector<SeenRequest> requests;
  std::map<int, LRESULT> answers;  // answer by request code, 0 when missing
  DWORD answerFlags = 0;           // result flags set in code 0 answers
  COLORREF answerColor = 0;
  std::vector<DWORD_PTR> filed;                   // item data the category callback saw, in order
  std::vector<std::vector<DWORD_PTR>> bulkCalls;  // the items array at each bulk call

 protected:
  LRESULT OnRequest(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};

// A list of three columns (Name 100, Size 60 right-aligned, Notes 100) on a shown owner.
class DrawFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the list (report view, owner-drawn rows, plus extraStyle) with the owner's callbacks.
  void MakeList(DWORD extraStyle = 0, int firstColumnWidth = 100);
  // Rows with item data first .. first + n - 1, appended.
  void AddRows(int n, DWORD_PTR first = 1);
  CRect Row(int item);
  int Mid(int item) { return Row(item).CenterPoint().y; }
  // Paints the list into a picture (as the screen would show it).
  tks::Capture Snap();
  // The rows' item data in list order.
  std::vector<DWORD_PTR> RowData();
  // The texts of column 0 as the list holds them (labels of category rows).
  std::vector<std::wstring> RowLabels();

  DrawOwner owner_;
  CGfxListCtrl list_;
};

// Writes "<test name>.png" beside the test program when TKW_SAVE_CAPTURES is set, to look at.
void SaveForLooking(const tks::Capture& capture);

}  // namespace griddraw
