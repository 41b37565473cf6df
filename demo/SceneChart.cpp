// Scenes of the chart window: response times of three transactions over a ten-minute run as
// lines with grid lines and the series legend box; the same run's errors per hour as bars; the
// share of each transaction as a pie with one slice pulled out; and a real-time monitor whose
// loop marker shows where the next sample overwrites the oldest.
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

// A chart filling the scene's frame. Each scene fills in its data and looks in Fill; the title,
// the margins and the series legend box are set the same way for all of them.
class CChartSceneBase : public CGalleryScene {
 public:
  void Build(CWnd* pParent, const CRect& rc) override {
    m_frame.Create(pParent, rc);
    if (!m_chart.Create(nullptr, WindowName(), WS_CHILD | WS_VISIBLE,
                        CRect(0, 0, rc.Width(), rc.Height()), &m_frame, 10))
      return;
    m_chart.SetTitle(0, Fill());
    m_chart.SetChartGap(12, 8, 12, 8);
    m_chart.ShowSerLegBox();
  }
  CWnd* GetShotWindow() override { return &m_frame; }

 protected:
  virtual LPCTSTR WindowName() const = 0;
  // Fills the chart and returns its title.
  virtual LPCTSTR Fill() = 0;

  // A value axis from 0 with light grid lines every gap.
  void ValueAxis(double dMax, double dGap) {
    m_chart.SetAxisYMin(0);
    m_chart.SetAxisYMax(dMax);
    m_chart.SetAxisYGap(dGap);
    m_chart.ShowAxisYGridLines(TRUE);
    m_chart.SetGridColor(RGB(220, 220, 220), RGB(220, 220, 220));
  }
  // Point labels formatted from the numbers nFirst, nFirst + 1, ...
  void PointLabels(int nPoints, int nFirst, LPCTSTR pszFormat) {
    for (int p = 0; p < nPoints; ++p) {
      CString label;
      label.Format(pszFormat, nFirst + p);
      m_chart.SetLegend(p, label);
    }
  }

  CSceneFrame m_frame;
  CNewChartFX m_chart;
};

class CChartScene : public CChartSceneBase {
  LPCTSTR WindowName() const override { return L"Response times"; }
  LPCTSTR Fill() override {
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
    PointLabels(kPoints, 0, L"%d:00");
    ValueAxis(4, 0.5);
    m_chart.SetDecimalsNum(1);
    m_chart.SetMarkerSize(3);
    return L"Response time (s) per transaction";
  }
};

// Bars: failed transactions per hour of a day's run, two series side by side.
class CBarChartScene : public CChartSceneBase {
  LPCTSTR WindowName() const override { return L"Errors"; }
  LPCTSTR Fill() override {
    static const int kErrors[2][8] = {{3, 5, 2, 8, 12, 7, 4, 6}, {1, 2, 4, 3, 6, 9, 5, 2}};
    m_chart.SetGallery(2);  // bars
    m_chart.OpenDataEx(1, 2, 8);
    for (int s = 0; s < 2; ++s)
      for (int p = 0; p < 8; ++p) m_chart.SetValue(s, p, kErrors[s][p]);
    m_chart.CloseData(1);
    m_chart.SetSerLeg(0, L"Timeouts");
    m_chart.SetSerLeg(1, L"Server errors");
    m_chart.SetColor(0, RGB(200, 70, 60));
    m_chart.SetColor(1, RGB(90, 90, 170));
    PointLabels(8, 9, L"%02d:00");
    ValueAxis(14, 2);
    return L"Failed transactions per hour";
  }
};

// Pie: the share of each transaction in the run; the slowest one is pulled out of the pie.
class CPieChartScene : public CChartSceneBase {
  LPCTSTR WindowName() const override { return L"Share"; }
  LPCTSTR Fill() override {
    static const double kShare[] = {46, 31, 15, 8};
    static const wchar_t* const kNames[] = {L"Login", L"Search", L"Checkout", L"Logout"};
    static const COLORREF kColours[] = {RGB(40, 110, 200), RGB(230, 130, 30), RGB(60, 160, 80),
                                        RGB(150, 90, 170)};
    m_chart.SetGallery(4);  // pie
    m_chart.OpenDataEx(1, 1, _countof(kShare));
    for (int p = 0; p < int(_countof(kShare)); ++p) m_chart.SetValue(0, p, kShare[p]);
    m_chart.CloseData(1);
    for (int p = 0; p < int(_countof(kShare)); ++p) {
      m_chart.SetLegend(p, kNames[p]);
      m_chart.SetColor(p, kColours[p]);
    }
    m_chart.SetSeparateSlice(0, 2, 18);
    return L"Transactions in the run";
  }
};

// Real time: a buffer of 60 samples that has taken 75, so the newest 15 have overwritten the
// oldest and the loop marker stands where the next one goes.
class CRealTimeChartScene : public CChartSceneBase {
  LPCTSTR WindowName() const override { return L"Monitor"; }
  LPCTSTR Fill() override {
    constexpr int kBuffer = 60, kFed = 75, kChunk = 5;
    m_chart.SetGallery(1);
    m_chart.SetMaxValues(kBuffer);
    m_chart.SetLoopPosColor(RGB(220, 40, 40));
    m_chart.SetColor(0, RGB(40, 110, 200));
    m_chart.SetColor(1, RGB(60, 160, 80));
    for (int fed = 0; fed < kFed; fed += kChunk) {
      m_chart.OpenDataEx(0x101, 2, kChunk);  // values, added at the loop position
      for (int p = 0; p < kChunk; ++p) {
        const double t = (fed + p) * 0.2;
        m_chart.SetValue(0, p, 50 + 25 * std::sin(t));
        m_chart.SetValue(1, p, 30 + 10 * std::cos(t * 0.7));
      }
      m_chart.CloseData(0x101);
    }
    m_chart.SetSerLeg(0, L"CPU %");
    m_chart.SetSerLeg(1, L"Memory %");
    ValueAxis(100, 20);
    m_chart.SetMarkerSize(0);
    return L"Server load, one sample a second";
  }
};

GallerySceneRegistration s_chart({L"chart", L"Chart window", CSize(560, 340),
                                  [] { return std::make_unique<CChartScene>(); }});

GallerySceneRegistration s_barChart({L"chart-bars", L"Bar chart", CSize(560, 340),
                                     [] { return std::make_unique<CBarChartScene>(); }});
GallerySceneRegistration s_pieChart({L"chart-pie", L"Pie chart", CSize(480, 340),
                                     [] { return std::make_unique<CPieChartScene>(); }});
GallerySceneRegistration s_realTimeChart({L"chart-realtime", L"Real-time chart", CSize(560, 340),
                                          [] { return std::make_unique<CRealTimeChartScene>(); }});

}  // namespace
