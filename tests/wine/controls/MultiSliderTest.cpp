// The multi-marker slider driven by mouse input and timer messages: painted intervals, drags
// that stop at neighbours, the hover tip, the parent's end-of-drag messages, and handles.
#include <afxcmn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

#include "FrameworkApp.h"
#include "Support.h"
#include "controls/MultiSlider.h"

namespace {

const COLORREF kRed = RGB(220, 40, 40);
const COLORREF kGreen = RGB(40, 180, 60);
const COLORREF kBlue = RGB(40, 60, 220);
const COLORREF kYellow = RGB(240, 220, 40);
const DWORD kStyle = WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_BOTH | TBS_NOTICKS | TBS_ENABLESELRANGE;

// A host's slider: it inserts and owns its markers and shows what the tests look at.
class TestSlider : public CMultiSlider {
 public:
  ~TestSlider() override {
    DestroyWindow();
    while (!m_Markers.IsEmpty()) delete static_cast<CMarker*>(m_Markers.RemoveHead());
  }
  // The scale is made scalePixels wide: with the default range each value is two pixels, so
  // drags land on whole values.
  bool Create(std::initializer_list<float> values, float fMax = 99, int scalePixels = 200) {
    SetRanges(0, fMax);
    for (float v : values) {
      CMarker* pMarker = new CMarker;
      pMarker->m_fValue = v;
      InsertMarker(pMarker);
    }
    if (!CSliderCtrl::Create(kStyle, CRect(10, 10, 10 + scalePixels, 50),
                             CWnd::FromHandle(tks::HostFrame()), 100))
      return false;
    Initialize();
    const int margins = scalePixels - m_workRect.Width();  // the trackbar's own insets
    SetWindowPos(NULL, 0, 0, scalePixels + margins, 40, SWP_NOMOVE | SWP_NOZORDER);
    Initialize();
    return m_workRect.Width() == scalePixels;
  }
  std::vector<float> Values() const {
    std::vector<float> values(static_cast<size_t>(GetNumMarkers()));
    if (!values.empty()) GetMarkers(values.data());
    return values;
  }
  // A point on the scale at a value, half way down the channel: where a user grabs a marker.
  CPoint At(float fValue) {
    Initialize();
    const float perValue = float(m_workRect.Width()) / (m_fMax - m_fMin + 1);
    return CPoint(m_workRect.left + int(std::floor((fValue - m_fMin) * perValue + 0.5f)),
                  m_channelRect.CenterPoint().y);
  }
  const CRect& Channel() const { return m_channelRect; }
  bool TipShown() const { return m_wndBubble.IsWindowVisible() != FALSE; }
  CString Tip() const { return m_wndBubble.GetText(); }
};

class MultiSlider : public testing::Test {
 protected:
  void SetUp() override { tks::FrameworkApp(); }
  void TearDown() override { tks::PumpUntilIdle(); }
};

TEST_F(MultiSlider, IntervalsArePaintedFromTheColourListAndFollowTheRange) {
  TestSlider slider;
  ASSERT_TRUE(slider.Create({25, 50, 75}));
  const COLORREF window = ::GetSysColor(COLOR_WINDOW);
  const int y = slider.Channel().CenterPoint().y;
  const float middles[] = {12, 37, 62, 87};
  const struct {
    std::vector<COLORREF> colours;
    BOOL drawIntervals;
    std::vector<COLORREF> expected;  // at the middle of each interval
  } cases[] = {
      {{kRed, kGreen, kBlue, kYellow}, TRUE, {kRed, kGreen, kBlue, kYellow}},
      {{kRed, kGreen}, TRUE, {kRed, kGreen, window, window}},
      {{kRed, kGreen, kBlue, kYellow}, FALSE, {window, window, window, window}},
  };
  for (const auto& c : cases) {
    slider.m_aColors.RemoveAll();
    for (COLORREF colour : c.colours) slider.m_aColors.Add(colour);
    slider.m_bDrawIntervals = c.drawIntervals;
    const tks::Capture shot = tks::CaptureWindow(slider.m_hWnd);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(c.expected[i], shot.AtClient(slider.At(middles[i]).x, y))
          << "interval " << i << " with " << c.colours.size() << " colours";
    EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), shot.AtClient(slider.At(50).x, y))
        << "a marker's head covers the boundary";
  }

  slider.m_bDrawIntervals = TRUE;
  // Twice the range: the marker at 50 now stands where 25 stood.
  slider.SetRanges(0, 199);
  const tks::Capture wider = tks::CaptureWindow(slider.m_hWnd);
  EXPECT_EQ(kGreen, wider.AtClient(slider.At(40).x, y));
  EXPECT_EQ(kYellow, wider.AtClient(slider.At(190).x, y));
}

TEST_F(MultiSlider, DragsStopAtNeighboursStayOnTheScaleAndTellTheParentWhenTheyEnd) {
  TestSlider slider;
  ASSERT_TRUE(slider.Create({20, 50, 80}));
  tks::MessageRecorder parent;
  parent.Only({WM_MULTISLIDER_DRAGGED, WM_MULTISLIDER_DRAGGED_EX});
  ASSERT_TRUE(parent.Attach(tks::HostFrame()));
  const int y = slider.Channel().CenterPoint().y;
  CRect client;
  slider.GetClientRect(&client);

  const struct {
    const char* what;
    CPoint from, to;
    int steps;
    DWORD notifyKind;
    std::vector<float> expected;
    const wchar_t* tip;  // shown after the release
  } drags[] = {
      {"a free drag", slider.At(20), slider.At(35), 4, 0, {35, 50, 80}, L"0 Day(s) 00:00:35"},
      {"onto and past the next marker",
       slider.At(50),
       slider.At(90),
       4,
       0,
       {35, 80, 80},
       L"0 Day(s) 00:01:20"},
      {"the left of a stack takes its first marker",
       slider.At(80) - CPoint(3, 0),
       slider.At(10),
       4,
       1,
       {35, 35, 80},
       L"0 Day(s) 00:00:35"},
      {"the right of a stack takes its last marker",
       slider.At(35),
       slider.At(60),
       4,
       0,
       {35, 60, 80},
       L"0 Day(s) 00:01:00"},
      // The release value is kept on the scale and within the range: the tip shows the maximum.
      {"off the scale the marker stays",
       slider.At(80),
       CPoint(client.right + 40, y),
       1,
       0,
       {35, 60, 80},
       L"0 Day(s) 00:01:39"},
  };
  std::vector<tks::SeqMsg> expected;
  for (const auto& d : drags) {
    slider.m_nNotifyKind = d.notifyKind;
    tks::Drag(slider.m_hWnd, d.from, d.to, tks::kNoMods, d.steps);
    EXPECT_EQ(d.expected, slider.Values()) << d.what;
    EXPECT_TRUE(slider.TipShown()) << d.what;
    EXPECT_EQ(CString(d.tip), slider.Tip()) << d.what;
    EXPECT_NE(slider.m_hWnd, ::GetCapture()) << d.what;
    tks::SeqMsg message;
    message.message = d.notifyKind ? WM_MULTISLIDER_DRAGGED_EX : WM_MULTISLIDER_DRAGGED;
    message.flags = tks::kWParam | tks::kLParam;
    expected.push_back(message);
  }
  TKS_EXPECT_SEQUENCE(expected, parent.Messages());

  // A click on empty scale adds nothing and tells nobody.
  parent.Clear();
  const std::vector<float> before = slider.Values();
  tks::Click(slider.m_hWnd, slider.At(47));
  EXPECT_EQ(before, slider.Values());
  EXPECT_TRUE(parent.Messages().empty());
}

TEST_F(MultiSlider, HoverTipAppearsOnTheTimerWithCaptureAndGoesWhenThePointerLeaves) {
  TestSlider slider;
  ASSERT_TRUE(slider.Create({50, 90061}, 172800));
  const CPoint onMarker = slider.At(90061) - CPoint(0, 3);
  tks::MoveMouse(slider.m_hWnd, onMarker);
  EXPECT_FALSE(slider.TipShown()) << "not before the hover delay";
  slider.SendMessage(WM_TIMER, 1);
  EXPECT_FALSE(slider.TipShown()) << "the trackbar's own timer shows no tip";

  slider.SendMessage(WM_TIMER, 2);
  EXPECT_TRUE(slider.TipShown());
  EXPECT_EQ(CString(L"1 Day(s) 01:01:01"), slider.Tip());
  EXPECT_EQ(slider.m_hWnd, ::GetCapture()) << "leaving the marker must be seen";

  tks::MoveMouse(slider.m_hWnd, onMarker + CPoint(1, 0));
  EXPECT_TRUE(slider.TipShown()) << "still over the marker";
  tks::MoveMouse(slider.m_hWnd, slider.At(20000));
  EXPECT_FALSE(slider.TipShown());
  EXPECT_NE(slider.m_hWnd, ::GetCapture());
  slider.SendMessage(WM_TIMER, 2);
  EXPECT_FALSE(slider.TipShown()) << "a late timer finds no marker";

  slider.m_bTimeFormat = FALSE;
  tks::MoveMouse(slider.m_hWnd, slider.At(50));
  slider.SendMessage(WM_TIMER, 2);
  EXPECT_EQ(CString(L"50.0 min"), slider.Tip());
}

TEST_F(MultiSlider, AThousandSlidersLeaveNoHandlesBehind) {
  tks::ShowHostFrame(true);
  auto cycle = [](bool drive) {
    TestSlider slider;
    slider.Create({20, 50, 80});
    slider.m_aColors.Add(kRed);
    slider.UpdateWindow();
    if (!drive) return;
    tks::MoveMouse(slider.m_hWnd, slider.At(50));
    slider.SendMessage(WM_TIMER, 2);
    tks::Drag(slider.m_hWnd, slider.At(50), slider.At(60), tks::kNoMods, 1);
  };
  cycle(true);  // the bubble's class and shared shadow brush are made once
  // Every tenth slider is also hovered and dragged, which shows the tip and takes the capture.
  TKS_EXPECT_NO_GUI_LEAK(for (int i = 0; i < 1000; ++i) cycle(i % 10 == 0));
  tks::ShowHostFrame(false);
}

}  // namespace
