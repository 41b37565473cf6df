// Recording the messages a window receives, to compare with an expected sequence.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "logic/Sequence.h"

namespace tks {

// Records messages, either from a window subclass (Attach) or from a test's own window
// procedure (Record). WM_COMMAND and WM_NOTIFY get their notification code and control id.
class MessageRecorder {
 public:
  MessageRecorder() = default;
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  // Only these messages are recorded from now on (empty: all of them).
  void Only(std::set<UINT> messages);
  // Subclasses hwnd and records what reaches it, until Detach or destruction.
  bool Attach(HWND hwnd);
  // Removes every subclass this recorder installed.
  void Detach();
  // Records one message (call from a window procedure).
  void Record(UINT msg, WPARAM wParam, LPARAM lParam);
  // What was recorded, oldest first.
  const std::vector<SeqMsg>& Messages() const { return messages_; }
  // Forgets what was recorded.
  void Clear() { messages_.clear(); }

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  // Each recorder subclasses under its own id, so several can watch one window.
  UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
  std::set<UINT> only_;
  std::vector<HWND> attached_;
  std::vector<SeqMsg> messages_;
};

// A gtest assertion result for CompareSequence, so failures print both sequences.
testing::AssertionResult SequenceMatches(const std::vector<SeqMsg>& expected,
                                         const std::vector<SeqMsg>& actual);

}  // namespace tks

// Expects the recorded sequence to match the expected one (see tks::CompareSequence).
#define TKS_EXPECT_SEQUENCE(expected, actual) \
  EXPECT_TRUE(::tks::SequenceMatches((expected), (actual)))
