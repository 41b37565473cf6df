// Scene of the chart window: response times of three transactions over a ten-minute run, as
// lines on a Y axis with grid lines, with the time of each sample along the X axis and the
// series legend box.
#include "Gallery.h"

#include "chart/NewChartFX.h"

#include <cmath>

namespace {

const struct {
  const wchar_t* name;
  COLORREF colour;
  double base, swing;  // seconds
} kTransactions[] = {{L"Login", RGB(40, 110, 200), 0.8, 0.3},
                     {L"Search", RGB(230, 130, 30), 1.6, 0.6},
                     {L"Checkout", RGB(60, 160, 80), 2.6, 0.9}};
constexpr int kPoints = 11;  // one sample a minute, 0 to 10

class CChartScene : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    if (!m_chart.Create(nullptr, L"Response times", WS_CHILD | WS_VISIBLE,
                        CRect(0, 0, rc.Width(), rc.Height()), &m_frame, 10))
      return;

    m_chart.SetGallery(1);  // lines
    m_chart.OpenDataEx(1, _countof(kTransactions), kPoints);
    for (int s = 0; s < int(_countof(kTransactions)); ++s) {
      const auto& t = kTransactions[s];
      for (int p = 0; p < kPoints; ++p) {
        // Load rises to its plateau after three minutes; times follow with some jitter.
        const double load = p < 3 ? p / 3.0 : 1.0;
        m_chart.SetValue(s, p, t.base + t.swing * load + 0.15 * std::sin(p * 1.7 + s));
      }
    }
    m_chart.CloseData(1);

    for (int s = 0; s < int(_countof(kTransactions)); ++s) {
      m_chart.SetSerLeg(s, kTransactions[s].name);
      m_chart.SetColor(s, kTransactions[s].colour);
    }
    for (int p = 0; p < kPoints; ++p) {
      CString label;
      label.Format(L"%d:00", p);
      m_chart.SetLegend(p, label);
    }
    m_chart.SetTitle(0, L"Response time (s) per transaction");
    m_chart.SetAxisYMin(0);
    m_chart.SetAxisYMax(4);
    m_chart.SetAxisYGap(0.5);
    m_chart.SetDecimalsNum(1);
    m_chart.ShowAxisYGridLines(TRUE);
    m_chart.SetGridColor(RGB(220, 220, 220), RGB(220, 220, 220));
    m_chart.SetMarkerSize(3);
    m_chart.SetChartGap(12, 8, 12, 8);
    m_chart.ShowSerLegBox();
  }

  CWnd* GetShotWindow() override { return &m_frame; }

 private:
  CSceneFrame m_frame;
  CNewChartFX m_chart;
};

GallerySceneRegistration s_chart({L"chart", L"Chart window", CSize(560, 340),
                                  [] { return std::make_unique<CChartScene>(); }});

}  // namespace
