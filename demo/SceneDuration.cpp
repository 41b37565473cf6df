// Scene of the duration control: a run's length and its ramp-up entered as days, hours,
// minutes and seconds, one with the spin button and one without days.
#include "Gallery.h"

#include "controls/QXDurationCtrl.h"

namespace {

class CDurationScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    CFont* pFont = CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    const struct {
      const wchar_t* caption;
      long seconds;
      BOOL days, spin;
    } rows[] = {{L"Run length:", 2 * 86400 + 6 * 3600 + 30 * 60, TRUE, TRUE},
                {L"Ramp-up:", 12 * 60 + 45, FALSE, FALSE}};
    int y = 14;
    for (int i = 0; i < 2; ++i) {
      m_captions[i].Create(rows[i].caption, WS_CHILD | WS_VISIBLE, CRect(12, y + 4, 92, y + 20),
                           &m_frame, 10 + i);
      m_captions[i].SetFont(pFont);
      CQXDurationCtrl& d = m_durations[i];
      if (!d.Create(nullptr, L"duration", WS_CHILD | WS_VISIBLE, CRect(96, y, 380, y + 24),
                    &m_frame, 20 + i))
        continue;
      d.SetShowDays(rows[i].days);
      d.SetSpinButton(rows[i].spin);
      d.SetTotalSeconds(rows[i].seconds);
      d.SizeToContent();
      y += 36;
    }
  }

  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  CSceneFrame m_frame;
  CStatic m_captions[2];
  CQXDurationCtrl m_durations[2];
};

GallerySceneRegistration s_duration({L"controls-duration", L"Duration control", CSize(340, 90),
                                     [] { return std::make_unique<CDurationScene>(); }});

}  // namespace
