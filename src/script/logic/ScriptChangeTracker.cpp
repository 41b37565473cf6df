// The script editor's change tracking on both notification paths.
#include "script/logic/ScriptChangeTracker.h"

namespace tkw {

namespace {

const unsigned kEmReplaceSel = 0x00C2, kWmSetText = 0x000C, kWmKeyDown = 0x0100, kWmChar = 0x0102,
               kWmCut = 0x0300, kWmPaste = 0x0302, kWmClear = 0x0303, kWmUndo = 0x0304,
               kEmUndo = 0x00C7, kEmRedo = 0x0454;
const unsigned long long kVkBack = 0x08, kVkDelete = 0x2E;

}  // namespace

bool ScriptChangeTracker::ChangesText(const ScriptChangeMessage& change, bool ctrlDown) {
  switch (change.message) {
    case kEmReplaceSel:
    case kWmSetText:
    case kWmCut:
    case kWmPaste:
    case kWmClear:
    case kWmUndo:
    case kEmUndo:
    case kEmRedo: return true;
    case kWmKeyDown:
      if (change.wParam == kVkBack || change.wParam == kVkDelete) return true;
      return ctrlDown && (change.wParam == 'X' || change.wParam == 'V' || change.wParam == 'Z' ||
                          change.wParam == 'Y');
    case kWmChar:
      // Control characters other than a line break or a tab insert nothing (Backspace acts on
      // its key-down).
      return change.wParam >= 0x20 || change.wParam == '\r' || change.wParam == '\t';
    default: return false;
  }
}

void ScriptChangeTracker::Record(const ScriptChangeMessage& change, int previousKind, int cpMin,
                                 int cpMax) {
  m_kind = GetScriptChangeKind(change, previousKind);
  if (RecordsScriptChangeRange(change, m_kind)) {
    m_cpMin = cpMin;
    m_cpMax = cpMax;
  }
}

int ScriptChangeTracker::Begin(const ScriptChangeMessage& change, int selMin, int selMax) {
  // A message sent while another is handled (a colouring pass inside a change) is tracked on
  // its own; the outer one keeps what it recorded before.
  const int token = static_cast<int>(m_handling.size());
  m_handling.push_back(Handling{change, m_kind});
  Record(change, m_kind, selMin, selMax);
  return token;
}

void ScriptChangeTracker::End(int token) {
  if (token >= 0 && token < static_cast<int>(m_handling.size()))
    m_handling.resize(static_cast<size_t>(token));
}

void ScriptChangeTracker::Protected(const ScriptChangeMessage& change, int cpMin, int cpMax) {
  const bool announcesCurrent = !m_handling.empty() &&
                                change.message == m_handling.back().change.message &&
                                change.wParam == m_handling.back().change.wParam;
  Record(change, announcesCurrent ? m_handling.back().kindBefore : m_kind, cpMin, cpMax);
}

int ScriptChangeTracker::TakeKind() {
  const int kind = m_kind;
  m_kind = kChangeNone;
  return kind;
}

}  // namespace tkw
