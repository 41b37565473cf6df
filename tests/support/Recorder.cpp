// Message recording through comctl32 subclassing.
#include "Recorder.h"

#include <commctrl.h>

#include <utility>

namespace tks {

MessageRecorder::~MessageRecorder() {
  Detach();
}

void MessageRecorder::Only(std::set<UINT> messages) {
  only_ = std::move(messages);
}

bool MessageRecorder::Attach(HWND hwnd) {
  if (!IsWindow(hwnd)) return false;
  if (!SetWindowSubclass(hwnd, SubclassProc, Id(), reinterpret_cast<DWORD_PTR>(this))) return false;
  attached_.push_back(hwnd);
  return true;
}

void MessageRecorder::Detach() {
  for (HWND hwnd : attached_) {
    if (IsWindow(hwnd)) RemoveWindowSubclass(hwnd, SubclassProc, Id());
  }
  attached_.clear();
}

void MessageRecorder::Record(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!only_.empty() && !only_.count(msg)) return;
  SeqMsg m;
  m.message = msg;
  m.wParam = wParam;
  m.lParam = lParam;
  if (msg == WM_COMMAND) {
    m.code = HIWORD(wParam);
    m.id = LOWORD(wParam);
  } else if (msg == WM_NOTIFY && lParam) {
    const auto* hdr = reinterpret_cast<const NMHDR*>(lParam);
    m.code = static_cast<int>(hdr->code);
    m.id = static_cast<int>(hdr->idFrom);
  }
  messages_.push_back(m);
}

LRESULT CALLBACK MessageRecorder::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR id, DWORD_PTR self) {
  auto* recorder = reinterpret_cast<MessageRecorder*>(self);
  recorder->Record(msg, wParam, lParam);
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, SubclassProc, id);
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

testing::AssertionResult SequenceMatches(const std::vector<SeqMsg>& expected,
                                         const std::vector<SeqMsg>& actual) {
  const SeqComparison c = CompareSequence(expected, actual);
  if (c.matches) return testing::AssertionSuccess();
  return testing::AssertionFailure() << c.report;
}

}  // namespace tks
