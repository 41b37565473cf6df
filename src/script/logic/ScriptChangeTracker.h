// Records the kind and range of each change of the script editor's text once, whether the rich
// edit announces it with a protected-change notification (Windows) or not (wine): the editor
// reports every message it is about to pass to the control, and every notification it receives.
#pragma once

#include "script/logic/ScriptRecolour.h"

#include <vector>

namespace tkw {

class ScriptChangeTracker {
 public:
  // Whether a message changes the text when the control handles it (ctrlDown: Ctrl is held, so
  // a key-down may cut, paste or undo).
  static bool ChangesText(const ScriptChangeMessage& change, bool ctrlDown);

  // Before the control handles a message that changes the text: records it with the selection
  // as the range, in case no notification follows. Answers a token for End.
  int Begin(const ScriptChangeMessage& change, int selMin, int selMax);
  // After the control handled it.
  void End(int token);

  // The protected-change notification: the control is about to change the text for the
  // message. When it announces the message being handled, it replaces what Begin recorded
  // (the kind is taken against the kind before that message, so nothing counts twice).
  void Protected(const ScriptChangeMessage& change, int cpMin, int cpMax);

  // The change notification: answers the kind to colour by and forgets it.
  int TakeKind();
  int GetKind() const { return m_kind; }
  int GetMin() const { return m_cpMin; }
  int GetMax() const { return m_cpMax; }

 private:
  void Record(const ScriptChangeMessage& change, int previousKind, int cpMin, int cpMax);

  int m_kind = kChangeNone;
  int m_cpMin = 0, m_cpMax = 0;
  // The messages being handled, innermost last, each with the kind recorded before it.
  struct Handling {
    ScriptChangeMessage change;
    int kindBefore;
  };
  std::vector<Handling> m_handling;
};

}  // namespace tkw
