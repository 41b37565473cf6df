// Scene of the progress dialog mid-task: an import at 62 percent with its animation, status
// line, bar and Cancel.
#include "Gallery.h"

#include "controls/ProgressDialog.h"
#include "controls/logic/ProgressStatus.h"

namespace {

class CProgressScene : public CGalleryScene {
 public:
  CProgressScene() : m_dlg(nullptr, L"Importing results", 0, 0, TRUE, 0, true) {}
  ~CProgressScene() override {
    if (m_dlg.GetSafeHwnd()) m_dlg.DestroyWindow();
  }
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    m_dlg.Create(4763, &m_frame);  // the resource module's progress template
    CPoint at(12, 12);
    m_frame.ClientToScreen(&at);
    m_dlg.SetWindowPos(NULL, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_dlg.SetRange(0, 100, 1);
    m_dlg.SetPos(62);
    m_dlg.SetText(L"Reading transaction %d of %d", 62, 100);
    // A fresh dialog already counts animation 0 as shown: name the default clip.
    m_dlg.SetAnimation(tkw::kDefaultProgressAnimation);
    // A still frame from the middle of the clip rather than wherever its timer stands.
    m_dlg.StopAnimation();
    m_dlg.SendDlgItemMessage(1636, ACM_PLAY, 1, MAKELPARAM(4, 4));
    m_dlg.ShowWindow(SW_SHOW);
  }
  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {&m_dlg}; }

 private:
  CSceneFrame m_frame;
  CProgressDialog m_dlg;
};

GallerySceneRegistration s_progress({L"controls-progress", L"Progress dialog", CSize(440, 230),
                                     [] { return std::make_unique<CProgressScene>(); }});

}  // namespace
