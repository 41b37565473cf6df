// Shared set-up of the script editor tests: editors over the stand-in grid of the cell editor
// tests, fed with the host's function catalogue, and readers of what they show.
#pragma once
#include "ComboEditorFixture.h"

#include "script/ScriptEditCtrl.h"

#include "QXScriptManager.h"

#include <memory>
#include <string>

namespace scripttest {

// Colour and weight of one character as the control reports them.
struct CharColour {
  COLORREF colour;
  bool bold;
};

class ScriptEditTest : public combotest::ComboEditorTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates editor (of any derived class) over the list as a host does: Initialize, the
  // manager's keywords and constants, FormatAll; it gets the focus.
  template <class Editor = CScriptEditCtrl>
  Editor* Open(const wchar_t* text = L"") {
    std::unique_ptr<Editor> editor(new Editor);
    Setup(*editor, text);
    Editor* raw = editor.get();
    editor_.reset(editor.release());
    return raw;
  }
  void Setup(CScriptEditCtrl& editor, const wchar_t* text);

  // The text the control shows (in password mode the mask).
  std::wstring Shown() const;
  std::wstring WindowText() const;
  CharColour ColourAt(int pos) const;
  HWND Edit() const { return editor_->m_hWnd; }

  std::unique_ptr<CScriptEditCtrl> editor_;
};

}  // namespace scripttest
