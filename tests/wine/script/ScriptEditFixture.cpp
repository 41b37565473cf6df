// The script editor tests' shared set-up.
#include "ScriptEditFixture.h"

#include "QXScriptManager.h"

#include "FrameworkApp.h"

#include <richedit.h>

namespace scripttest {

void ScriptEditTest::SetUp() {
  // The assist list's template and the menu labels come from the host's resource module.
  const HMODULE module = tks::HostResources();
  ASSERT_NE(nullptr, module) << "qxres.dll does not load beside the test program";
  ComboEditorTest::SetUp();
}

void ScriptEditTest::TearDown() {
  if (editor_ && editor_->m_hWnd) editor_->DestroyWindow();
  editor_.reset();
  ComboEditorTest::TearDown();
}

void ScriptEditTest::Setup(CScriptEditCtrl& editor, const wchar_t* text) {
  ASSERT_TRUE(AfxInitRichEdit2());
  ASSERT_TRUE(
      editor.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(20, 20, 400, 60), &list_, 2125));
  ASSERT_TRUE(editor.Initialize());
  CQXScriptManager* manager = TKWGetScriptManager();
  editor.SetKeyWords(manager->GetKeyWords());
  editor.SetConstants(manager->GetConstants());
  editor.SetWindowText(text);
  editor.FormatAll();
  editor.SetFocus();
  tks::PumpUntilIdle();
}

std::wstring ScriptEditTest::Shown() const {
  CString shown;
  editor_->GetTextRange(0, editor_->GetTextLength(), shown);
  return shown.GetString();
}

std::wstring ScriptEditTest::WindowText() const {
  CString text;
  editor_->GetWindowText(text);
  return text.GetString();
}

CharColour ScriptEditTest::ColourAt(int pos) const {
  CHARRANGE saved = {};
  editor_->GetSel(saved);
  editor_->SetSel(pos, pos + 1);
  CHARFORMAT2 cf = {};
  cf.cbSize = sizeof(cf);
  ::SendMessage(Edit(), EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&cf));
  editor_->SetSel(saved);
  const COLORREF colour = (cf.dwEffects & CFE_AUTOCOLOR) ? 0 : cf.crTextColor;
  return CharColour{colour, (cf.dwEffects & CFE_BOLD) != 0};
}

}  // namespace scripttest
