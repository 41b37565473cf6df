// What the control wrappers share: sending to the control, reading an item's text, and taking
// the owner-draw requests a parent reflects back to the control's own object.
#pragma once
#include "afxwin.h"

namespace afx_internal {

// The control's answer to a message. Calling a member before the control exists is a bug
// (asserted); the release build answers fallback instead of sending to nowhere.
inline LRESULT Send(HWND h, UINT msg, WPARAM wp = 0, LPARAM lp = 0, LRESULT fallback = 0) {
  ASSERT(::IsWindow(h));
  return ::IsWindow(h) ? ::SendMessageW(h, msg, wp, lp) : fallback;
}

// The text of item nIndex of a list or combo box, asked with its length message and its text
// message (LB_GETTEXTLEN and LB_GETTEXT, or the CB_ pair); empty for a missing item.
inline CString ItemText(HWND h, int nIndex, UINT nLengthMsg, UINT nTextMsg) {
  CString text;
  const int len = int(Send(h, nLengthMsg, WPARAM(nIndex)));
  if (len <= 0) return text;
  const int got = int(Send(h, nTextMsg, WPARAM(nIndex), LPARAM(text.GetBuffer(len + 1)), -1));
  text.ReleaseBuffer(got < 0 ? 0 : got);
  return text;
}

// The answer of a reflected message the control took itself.
inline bool Took(LRESULT* pResult, LRESULT result) {
  if (pResult) *pResult = result;
  return true;
}

// A reflected WM_DRAWITEM goes to the control's DrawItem; false for any other message.
template <class Control>
bool TakeDrawItem(Control& control, UINT message, LPARAM lParam, LRESULT* pResult) {
  if (message != WM_DRAWITEM) return false;
  control.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  return Took(pResult, TRUE);
}

// List and combo boxes also measure, compare and delete their owner-drawn items.
template <class Control>
bool TakeItemOwnerDraw(Control& control, UINT message, LPARAM lParam, LRESULT* pResult) {
  switch (message) {
    case WM_MEASUREITEM:
      control.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      return Took(pResult, TRUE);
    case WM_COMPAREITEM:
      return Took(pResult, control.CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)));
    case WM_DELETEITEM:
      control.DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
      return Took(pResult, TRUE);
    default: return TakeDrawItem(control, message, lParam, pResult);
  }
}

}  // namespace afx_internal
