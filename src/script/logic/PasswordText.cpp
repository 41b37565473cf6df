// The script editor's password text: real text, masked display and their single-level undo.
#include "script/logic/PasswordText.h"

#include "script/logic/ScriptWordList.h"

#include <algorithm>

namespace tkw {

namespace {

bool StartsWithPrefix(const std::wstring& text) {
  return text.size() >= 3 && ScriptLower(text.substr(0, 3)) == L"$qx";
}

}  // namespace

std::wstring PasswordText::Mask(const std::wstring& realText) {
  return StartsWithPrefix(realText) ? realText : std::wstring(realText.size(), L'*');
}

void PasswordText::SetText(const std::wstring& realText) {
  m_real = realText;
  m_display = Mask(m_real);
  m_selStart = m_selEnd = 0;
}

void PasswordText::Select(int selStart, int selEnd) {
  const int n = static_cast<int>(m_real.size());
  m_selStart = std::max(0, std::min(selStart, n));
  m_selEnd = std::max(0, std::min(selEnd, n));
  if (m_selStart > m_selEnd) std::swap(m_selStart, m_selEnd);
}

void PasswordText::SaveUndo() {
  m_undo = Snapshot{m_real, m_selStart, m_selEnd};
}

void PasswordText::SaveRedo() {
  m_redo = Snapshot{m_real, m_selStart, m_selEnd};
  m_undoRestoresBefore = true;
}

void PasswordText::Replace(int start, int end, const std::wstring& with, int caret) {
  m_real.replace(start, end - start, with);
  m_display = Mask(m_real);
  m_selStart = m_selEnd = caret;
  SaveRedo();
}

void PasswordText::Backspace() {
  SaveUndo();
  if (m_selStart != m_selEnd)
    Replace(m_selStart, m_selEnd, L"", m_selStart);
  else if (m_selStart > 0)
    Replace(m_selStart - 1, m_selStart, L"", m_selStart - 1);
}

void PasswordText::Delete() {
  SaveUndo();
  if (m_selStart != m_selEnd)
    Replace(m_selStart, m_selEnd, L"", m_selStart);
  else if (m_selStart < static_cast<int>(m_real.size()))
    Replace(m_selStart, m_selStart + 1, L"", m_selStart);
}

void PasswordText::Space() {
  SaveUndo();
  Replace(m_selStart, m_selEnd, L" ", m_selStart + 1);
}

void PasswordText::Char(wchar_t ch) {
  if (ch < L'!' || ch > L'~') return;
  const bool wasMasked = m_masked == 1;
  SaveUndo();
  Replace(m_selStart, m_selEnd, std::wstring(1, ch), m_selStart + 1);
  const std::wstring lower = ScriptLower(m_real);
  const size_t n = lower.size();
  if (wasMasked && n > 3 && lower.compare(n - 3, 3, L"$qx") == 0) {
    // The user started a script expression where a masked text stood.
    m_real.erase(0, n - 3);
    m_display = Mask(m_real);
    m_selStart = m_selEnd = 3;
    SaveRedo();
  }
  m_masked = StartsWithPrefix(m_real) ? 0 : 1;
}

void PasswordText::Paste(const std::wstring& pasted) {
  SaveUndo();
  Replace(m_selStart, m_selEnd, pasted, m_selStart + static_cast<int>(pasted.size()));
}

void PasswordText::Undo() {
  const Snapshot& shown = m_undoRestoresBefore ? m_undo : m_redo;
  m_real = shown.text;
  m_display = Mask(m_real);
  m_selStart = shown.selStart;
  m_selEnd = shown.selEnd;
  m_undoRestoresBefore = !m_undoRestoresBefore;
}

}  // namespace tkw
