// Scene of the wizard title panel heading a new-job wizard: its title, a description that
// wraps, and the title picture.
#include "Gallery.h"

#include "wizard/WizTitleButton.h"

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
  }
  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  CSceneFrame m_frame;
  CWizTitleButton m_title;
};

GallerySceneRegistration s_wizardButtons({L"wizard-buttons", L"Wizard buttons", CSize(440, 100),
                                          [] { return std::make_unique<CWizardButtonsScene>(); }});

}  // namespace
