// The stand-in grid and owner of the combo cell editor tests.
#include "ComboEditorFixture.h"

#include <commctrl.h>

namespace combotest {

BOOL OwnerWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  notifications.push_back(*reinterpret_cast<NMHDR*>(lParam));
  *pResult = 0;
  return TRUE;
}

BOOL ListWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
  if (hdr->code != UINT(LVN_ENDLABELEDITW)) return CWnd::OnNotify(wParam, lParam, pResult);
  const NMLVDISPINFOW* info = reinterpret_cast<const NMLVDISPINFOW*>(lParam);
  EndEdit e;
  e.hwndFrom = hdr->hwndFrom;
  e.idFrom = hdr->idFrom;
  e.wParam = wParam;
  e.mask = info->item.mask;
  e.item = info->item.iItem;
  e.subItem = info->item.iSubItem;
  e.nullText = info->item.pszText == nullptr;
  if (info->item.pszText) e.text = info->item.pszText;
  e.cchTextMax = info->item.cchTextMax;
  ends.push_back(e);
  *pResult = 0;
  return TRUE;
}

LRESULT ListWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 3) {
    const int* cell = reinterpret_cast<const int*>(lParam);
    moves.push_back({wParam, cell[0], cell[1]});
    return 0;
  }
  // A list view keeps the font it is given; the editors take theirs from the list.
  if (message == WM_SETFONT) {
    font = reinterpret_cast<HFONT>(wParam);
    return 0;
  }
  if (message == WM_GETFONT) return LRESULT(font);
  return CWnd::WindowProc(message, wParam, lParam);
}

void ComboEditorTest::SetUp() {
  tks::ShowHostFrame(true);
  CWnd* host = CWnd::FromHandle(tks::HostFrame());
  ASSERT_TRUE(owner_.CreateEx(0, nullptr, L"owner", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                              CRect(0, 0, 600, 400), host, 5));
  ASSERT_TRUE(list_.CreateEx(0, nullptr, L"list", WS_CHILD | WS_VISIBLE, CRect(10, 10, 500, 350),
                             &owner_, ListWnd::kListId));
  font_ = ::CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
  list_.SendMessage(WM_SETFONT, WPARAM(font_));
  previousHook_ = tks::SetPreTranslateHook(
      [](MSG& msg) { return CWnd::WalkPreTranslateTree(nullptr, &msg) != FALSE; });
}

void ComboEditorTest::TearDown() {
  tks::PumpUntilIdle();
  tks::SetPreTranslateHook(previousHook_);
  if (list_.m_hWnd) list_.DestroyWindow();
  if (owner_.m_hWnd) owner_.DestroyWindow();
  tks::PumpUntilIdle();
  ::DeleteObject(font_);
}

CStringArray* ComboEditorTest::NewChoices(std::initializer_list<const wchar_t*> items) {
  CStringArray* a = new CStringArray;
  for (const wchar_t* s : items) a->Add(s);
  return a;
}

void ComboEditorTest::FocusAway() {
  owner_.SetFocus();
  tks::PumpUntilIdle();
}

}  // namespace combotest
