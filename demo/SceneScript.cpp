// Scenes of the script editor: coloured calls with the assist list open under the caret, the
// parameter tip inside an open call, and password mode beside a script expression in clear.
#include "Gallery.h"

#include "script/ScriptEditCtrl.h"

#include <QXScriptManager.h>

namespace {

enum class ScriptShot { Assist, Tip, Password };

class CScriptScene : public CGalleryScene {
 public:
  explicit CScriptScene(ScriptShot shot) : m_shot(shot) {}
  CWnd* GetShotWindow() override { return &m_frame; }

  std::vector<CWnd*> GetPopups() override {
    switch (m_shot) {
      case ScriptShot::Assist:
        return {&m_edit[0].GetAssistDlg(), m_edit[0].GetAssistDlg().GetList().GetTipWindow()};
      case ScriptShot::Tip: return {&m_edit[0].GetParameterTip()};
      default: return {};
    }
  }

  void Build(CWnd* pParent, const CRect& rc) override {
    AfxInitRichEdit2();
    m_frame.Create(pParent, rc);
    const int nEditors = m_shot == ScriptShot::Password ? 2 : 1;
    for (int i = 0; i < nEditors; ++i) {
      CScriptEditCtrl& edit = m_edit[i];
      edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE,
                  CRect(12, 12 + 40 * i, rc.Width() - 12, 40 + 40 * i), &m_frame, 100 + i);
      edit.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
      edit.Initialize();
      CQXScriptManager* pManager = TKWGetScriptManager();
      edit.SetKeyWords(pManager->GetKeyWords());
      edit.SetConstants(pManager->GetConstants());
    }
    switch (m_shot) {
      case ScriptShot::Assist:
        Type(m_edit[0], L"$qxrand(100) + $qxlen($qxupper(\"abc\")) * $qxc");
        break;
      case ScriptShot::Tip: Type(m_edit[0], L"$qxrand(999) + $qxconcat(\"order-\", "); break;
      case ScriptShot::Password:
        m_edit[0].SetPasswordMode(1);
        m_edit[1].SetPasswordMode(1);
        Type(m_edit[0], L"s3cret!pass");
        Type(m_edit[1], L"$QXGetVar(\"dbpassword\")");
        break;
    }
  }

 private:
  // Key by key, as a user types: each character is coloured and may open the list or tip.
  static void Type(CScriptEditCtrl& edit, const wchar_t* text) {
    edit.SetFocus();
    for (const wchar_t* p = text; *p; ++p) {
      if (*p == L' ') edit.SendMessage(WM_KEYDOWN, VK_SPACE, 1);
      edit.SendMessage(WM_CHAR, *p, 1);
    }
  }

  ScriptShot m_shot;
  CSceneFrame m_frame;
  CScriptEditCtrl m_edit[2];
};

GallerySceneRegistration g_scriptAssist(
    {L"script-assist", L"Script editor: coloured calls and the assist list", CSize(460, 260),
     [] { return std::make_unique<CScriptScene>(ScriptShot::Assist); }});
GallerySceneRegistration g_scriptTip(
    {L"script-tip", L"Script editor: the parameter help of an open call", CSize(460, 120),
     [] { return std::make_unique<CScriptScene>(ScriptShot::Tip); }});
GallerySceneRegistration g_scriptPassword(
    {L"script-password",
     L"Script editor: a masked password and a script "
     L"expression in clear",
     CSize(460, 110), [] { return std::make_unique<CScriptScene>(ScriptShot::Password); }});

}  // namespace
