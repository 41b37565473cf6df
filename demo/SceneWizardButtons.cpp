// Scene of the wizard title panel heading a new-job wizard (its title, a description that
// wraps, and the title picture) above a row of image buttons: plain, hovered, disabled and
// with the arrow.
#include "Gallery.h"

#include "wizard/WizTitleButton.h"
#include "wizard/WizardImageButton.h"

namespace {

class CWizardButtonsScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    m_title.m_strTitle = L"Choose the data file";
    m_title.m_strText =
        L"Pick the file the script reads its rows from. Each row feeds one iteration of "
        L"the virtual users.";
    m_title.Create(L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 430, 90), &m_frame,
                   100);
    struct Face {
      const wchar_t* text;
      BOOL hover, disabled, arrow;
    } const faces[] = {{L"Back", FALSE, FALSE, FALSE},
                       {L"Open", TRUE, FALSE, FALSE},
                       {L"Finish", FALSE, TRUE, FALSE},
                       {L"Next", FALSE, FALSE, TRUE}};
    for (int i = 0; i < 4; ++i) {
      CWizardImageButton& button = m_buttons[i];
      button.m_bHover = faces[i].hover;
      button.SetUseArrowIcon(faces[i].arrow);
      const int x = 10 + i * 105;
      button.Create(faces[i].text, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                    CRect(x, 104, x + 100, 130), &m_frame, 101 + i);
      if (faces[i].disabled) button.EnableWindow(FALSE);
    }
  }
  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  CSceneFrame m_frame;
  CWizTitleButton m_title;
  CWizardImageButton m_buttons[4];
};

GallerySceneRegistration s_wizardButtons({L"wizard-buttons", L"Wizard buttons", CSize(440, 140),
                                          [] { return std::make_unique<CWizardButtonsScene>(); }});

}  // namespace
