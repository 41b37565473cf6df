// Shared set-up of the combo cell editor tests: a stand-in grid that records what the editors
// send it (end-of-edit records, moves) inside an owner that records double clicks, with the
// framework's PreTranslateMessage walk on every pumped message.
#pragma once
#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Support.h"

namespace combotest {

// One end-of-label-edit record as the list received it.
struct EndEdit {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  WPARAM wParam = 0;
  UINT mask = 0;
  int item = -1, subItem = -1;
  bool nullText = false;
  std::wstring text;
  int cchTextMax = -1;
};

// One move request (WM_USER+3).
struct Move {
  WPARAM direction;
  int item, subItem;
  bool operator==(const Move& o) const {
    return direction == o.direction && item == o.item && subItem == o.subItem;
  }
};

// Receives the list's double clicks.
class OwnerWnd : public CWnd {
 public:
  std::vector<NMHDR> notifications;

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// Stands in for the grid: control id kListId, a font of its own, records what editors send.
class ListWnd : public CWnd {
 public:
  static const int kListId = 77;
  std::vector<EndEdit> ends;
  std::vector<Move> moves;
  HFONT font = nullptr;

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class ComboEditorTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Choices as a heap array (the composite editor takes ownership of one).
  static CStringArray* NewChoices(std::initializer_list<const wchar_t*> items);
  // Gives the focus elsewhere (the owner), as a click outside the editor would.
  void FocusAway();

  OwnerWnd owner_;
  ListWnd list_;
  HFONT font_ = nullptr;
  tks::PreTranslateHook previousHook_;
};

}  // namespace combotest
