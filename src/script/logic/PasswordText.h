// The script editor's password mode: the real text kept apart from what the window shows, which
// masks literal text with "*" and shows a script expression (real text starting with "$QX") in
// clear. Edits arrive on the shown text; positions map one to one onto the real text.
#pragma once

#include <string>

namespace tkw {

class PasswordText {
 public:
  // What the window shows for a real text.
  static std::wstring Mask(const std::wstring& realText);

  // WM_SETTEXT: the real text replaced, caret at 0.
  void SetText(const std::wstring& realText);
  const std::wstring& GetRealText() const { return m_real; }
  const std::wstring& GetDisplay() const { return m_display; }
  // 1 while the real text does not begin with the prefix, 0 when it does, -1 before any key.
  int GetMaskedFlag() const { return m_masked; }

  // The window's selection before a key (clamped to the text).
  void Select(int selStart, int selEnd);
  int GetSelStart() const { return m_selStart; }
  int GetSelEnd() const { return m_selEnd; }

  // Keys handled on their key-down: the selection is removed, or without one the character
  // before (Backspace) or at (Delete) the caret; Space inserts a blank.
  void Backspace();
  void Delete();
  void Space();
  // A typed character from "!" to "~" replaces the selection. Typing the prefix at the end of a
  // masked text starts a script expression: the real text becomes just the prefix.
  void Char(wchar_t ch);
  void Paste(const std::wstring& pasted);
  // Toggles between the text before and after the last edit.
  void Undo();

 private:
  void SaveUndo();
  void Replace(int start, int end, const std::wstring& with, int caret);
  void SaveRedo();

  std::wstring m_real, m_display;
  int m_selStart = 0, m_selEnd = 0;
  int m_masked = -1;
  struct Snapshot {
    std::wstring text;
    int selStart = 0, selEnd = 0;
  } m_undo, m_redo;
  bool m_undoRestoresBefore = true;
};

}  // namespace tkw
