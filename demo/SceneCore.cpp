// Scenes of the small shared controls: a button row, coloured statics and a bubble; the
// function list with its description tip; the input box in password mode.
#include "Gallery.h"

#include "core/controls/Bubble.h"
#include "core/controls/ButtonGrp.h"
#include "core/controls/ColorStaticST.h"
#include "core/controls/ExListBox.h"
#include "core/controls/InputBox.h"
#include "core/QXImageList.h"

#include <QXScriptManager.h>
#include <qxres_ids.h>

namespace {

class CControlsScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    m_buttons.AddShowPropertiesButton();
    m_buttons.AddButton(IDI_QX_INSERT, 32781, IDS_QX_COPY_ALL);
    m_buttons.AddButton(IDI_QX_DELETE, 295, IDS_QX_DELETE_SELECTED_ITEMS);
    m_buttons.Create(L"", WS_CHILD | WS_VISIBLE, CRect(12, 12, 112, 40), &m_frame, 10);

    const struct {
      const wchar_t* text;
      COLORREF text_colour;
      COLORREF back;
    } statics[] = {
        {L"Connected to db-main", RGB(0, 110, 0), RGB(225, 245, 225)},
        {L"3 transactions failed", RGB(190, 0, 0), RGB(252, 230, 230)},
        {L"System colours", 0xFFFFFFFF, 0xFFFFFFFF},
    };
    for (int i = 0; i < 3; ++i) {
      m_statics[i].Create(statics[i].text, WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE,
                          CRect(12, 56 + i * 30, 212, 80 + i * 30), &m_frame, 20 + i);
      m_statics[i].SetTextColor(statics[i].text_colour);
      m_statics[i].SetBkColor(statics[i].back);
    }

    m_icons.Add(IDI_QX_PROPERTIES);
    m_icons.Add(IDI_QX_DELETE);
    m_bubble.Create(&m_frame);
    m_bubble.SetImageList(m_icons.GetImageList());
    m_bubble.SetShadow(TRUE);
    CPoint at(240, 20);
    m_frame.ClientToScreen(&at);
    m_bubble.Show(
        L"Ramp-up 10:00 - 10:05\n\r\a00 40 virtual users\n\a01 2 stopped on errors\n\rDrag to move "
        L"the marker",
        at.x, at.y);
  }

  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {&m_bubble}; }

 private:
  CSceneFrame m_frame;
  CButtonGrp m_buttons;
  CColorStaticST m_statics[3];
  CQXImageList m_icons;
  CBubble m_bubble;
};

class CFunctionListScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_OWNERDRAWFIXED |
                      LBS_HASSTRINGS | LBS_NOTIFY,
                  CRect(12, 12, 200, rc.Height() - 12), &m_frame, 30);
    m_list.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    const CStringArray* pKeywords = TKWGetScriptManager()->GetKeyWords();
    for (INT_PTR i = 0; pKeywords && i < pKeywords->GetSize(); ++i) {
      const CString& name = pKeywords->GetAt(i);
      // String functions in blue, the rest in the list's own colour.
      CScriptObject* pObject = TKWGetScriptManager()->GetQXScriptObject(name);
      const bool isString = pObject && pObject->GetCategory() == L"String";
      m_list.AddItem(name, isString ? RGB(0, 70, 160) : 0);
    }
    m_list.SetCurSel(3);
    m_list.UpdateTip();
  }

  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {m_list.GetTipWindow()}; }

 private:
  CSceneFrame m_frame;
  CExListBox m_list;
};

class CInputBoxScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    m_box.SetInputValue(L"s3cret!");
    m_box.Create(IDD_QX_INPUT_BOX, &m_frame);
    m_box.SetWindowPos(NULL, 12, 12, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_box.ShowWindow(SW_SHOW);
  }

  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {&m_box}; }

 private:
  CSceneFrame m_frame;
  CInputBox m_box{L"Database login", L"Password for user \"loadtest\":", TRUE};
};

GallerySceneRegistration g_controls({L"core-controls", L"Button row, coloured statics, bubble",
                                     CSize(520, 170), [] {
                                       return std::unique_ptr<CGalleryScene>(new CControlsScene);
                                     }});
GallerySceneRegistration g_functions(
    {L"core-function-list", L"Function list with its description tip", CSize(520, 260),
     [] { return std::unique_ptr<CGalleryScene>(new CFunctionListScene); }});
GallerySceneRegistration g_input({L"core-input-box", L"Input box in password mode", CSize(440, 240),
                                  [] {
                                    return std::unique_ptr<CGalleryScene>(new CInputBoxScene);
                                  }});

}  // namespace
