// Scene of the value controls: a one-hour load test split into four phases by a multi-marker
// slider, with the tip of the marker being dragged.
#include "Gallery.h"

#include "controls/MultiSlider.h"

#include <initializer_list>
#include <memory>

namespace {

// The phases of the test and the colour of each interval.
const struct {
  const wchar_t* name;
  COLORREF colour;
} kPhases[] = {{L"Ramp-up", RGB(255, 214, 102)},
               {L"Steady load", RGB(120, 200, 120)},
               {L"Ramp-down", RGB(250, 160, 90)},
               {L"Cool-down", RGB(150, 190, 235)}};

// The host's slider: it puts its markers in, owns them and shows a marker's tip on request.
class CPhaseSlider : public CMultiSlider {
 public:
  ~CPhaseSlider() override {
    DestroyWindow();
    while (!m_Markers.IsEmpty()) delete static_cast<CMarker*>(m_Markers.RemoveHead());
  }

  void SetPhases(float fLength, std::initializer_list<float> boundaries) {
    SetRanges(0, fLength);
    m_aColors.RemoveAll();
    for (const auto& phase : kPhases) m_aColors.Add(phase.colour);
    for (float value : boundaries) {
      CMarker* pMarker = new CMarker;
      pMarker->m_fValue = value;
      InsertMarker(pMarker);
    }
  }

  // The pixels where the intervals start and end, in list order, for the names over them.
  std::vector<int> Boundaries() {
    Initialize();
    std::vector<int> xs = {m_workRect.left};
    for (POSITION pos = m_Markers.GetHeadPosition(); pos;)
      xs.push_back(static_cast<CMarker*>(m_Markers.GetNext(pos))->m_mainRect.CenterPoint().x);
    xs.push_back(m_workRect.right);
    return xs;
  }

  // The tip of marker nIndex, below its point, as it shows while the marker is dragged.
  void ShowTip(int nIndex) {
    POSITION pos = m_Markers.FindIndex(nIndex);
    if (!pos) return;
    CMarker* pMarker = static_cast<CMarker*>(m_Markers.GetAt(pos));
    CString text;
    BuildTooltipText(pMarker, true, text);
    CPoint at(pMarker->m_mainRect.CenterPoint().x + 8, m_clientRect.bottom);
    ClientToScreen(&at);
    m_wndBubble.Show(text, at);
  }

  CWnd* GetTip() { return &m_wndBubble; }
};

class CSliderScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    CFont* pFont = CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    m_caption.Create(L"Test phases of a one-hour run (drag a marker to move a boundary)",
                     WS_CHILD | WS_VISIBLE, CRect(12, 10, rc.Width() - 12, 26), &m_frame, 10);
    m_caption.SetFont(pFont);

    m_slider.SetPhases(3600, {600, 2400, 3000});
    m_slider.Create(WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_BOTH | TBS_NOTICKS | TBS_ENABLESELRANGE,
                    CRect(12, 48, rc.Width() - 12, 88), &m_frame, 11);

    const std::vector<int> xs = m_slider.Boundaries();
    for (size_t i = 0; i < _countof(kPhases) && i + 1 < xs.size(); ++i) {
      // Each name centred over its interval.
      const int middle = 12 + (xs[i] + xs[i + 1]) / 2;
      m_labels[i].Create(kPhases[i].name, WS_CHILD | WS_VISIBLE | SS_CENTER,
                         CRect(middle - 40, 30, middle + 40, 46), &m_frame, 20 + int(i));
      m_labels[i].SetFont(pFont);
    }
    m_slider.ShowTip(1);
  }

  CWnd* GetShotWindow() override { return &m_frame; }
  std::vector<CWnd*> GetPopups() override { return {m_slider.GetTip()}; }

 private:
  CSceneFrame m_frame;
  CStatic m_caption;
  CPhaseSlider m_slider;
  CStatic m_labels[_countof(kPhases)];
};

GallerySceneRegistration g_slider(
    {L"controls-multi-slider", L"Multi-marker slider: four phases of a test run", CSize(520, 130),
     [] { return std::unique_ptr<CGalleryScene>(new CSliderScene); }});

}  // namespace
