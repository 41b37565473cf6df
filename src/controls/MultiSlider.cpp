// CMultiSlider: markers dragged over a subclassed trackbar, the intervals between them painted
// in the host's colours, a hover tip and the end-of-drag message to the parent.
#include "controls/MultiSlider.h"

#include "controls/logic/MarkerGeometry.h"
#include "controls/logic/MarkerOrder.h"
#include "controls/logic/MarkerTipText.h"

IMPLEMENT_DYNAMIC(CMultiSlider, CSliderCtrl)

BEGIN_MESSAGE_MAP(CMultiSlider, CSliderCtrl)
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_WM_PAINT()
  ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_MOUSEMOVE()
  ON_WM_TIMER()
  ON_WM_RBUTTONUP()
END_MESSAGE_MAP()

namespace {

tkw::MarkerRects RectsOf(const CMarker& marker) {
  tkw::MarkerRects r;
  r.head = marker.m_mainRect;
  r.left = marker.m_leftRect;
  r.right = marker.m_rightRect;
  return r;
}

// DrawEdge flags of a marker's parts: the head open at the bottom, the point's halves as
// diagonals meeting below the position; all filled.
const UINT kHeadEdges = BF_LEFT | BF_TOP | BF_RIGHT | BF_MIDDLE;
const UINT kLeftPointEdges = BF_DIAGONAL_ENDTOPLEFT | BF_MIDDLE;
const UINT kRightPointEdges = BF_DIAGONAL_ENDBOTTOMLEFT | BF_MIDDLE;

}  // namespace

CMultiSlider::CMultiSlider()
    : m_bTimeFormat(TRUE),
      m_bDrawIntervals(TRUE),
      m_nMaxMarkers(1),
      m_nNotifyKind(0),
      m_Markers(10),
      m_pNewMarker(NULL),
      m_pDragMarker(NULL),
      m_pTTMarker(NULL),
      m_nTimerID(2),
      m_nTimerPeriod(1000),
      m_fMin(0.0f),
      m_fMax(0.0f),
      m_bInitialized(false),
      m_bFocused(false),
      m_nDays(0),
      m_nHours(0),
      m_nMinutes(0),
      m_nSeconds(0),
      m_nHitIndex(0),
      m_nCrossing(tkw::kCrossingNone) {
  m_aColors.Add(RGB(255, 255, 255));
  m_wndBubble.Create();
  m_font.CreateFont(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, _T("Arial"));
}

CMultiSlider::~CMultiSlider() {
  // Destroyed here, while the handlers can still reach this object's members.
  if (::IsWindow(m_hWnd)) DestroyWindow();
  m_wndBubble.DestroyWindow();
  CleanUp();
}

void CMultiSlider::CleanUp() {
  delete m_pNewMarker;
  m_pNewMarker = NULL;
  m_pDragMarker = NULL;
  m_pTTMarker = NULL;
  m_TTRect.SetRectEmpty();
  m_aColors.RemoveAll();
}

// ---- range and markers

BOOL CMultiSlider::SetRanges(float fMin, float fMax) {
  m_fMin = fMin;
  m_fMax = fMax;
  m_bInitialized = false;
  if (::IsWindow(m_hWnd)) Invalidate();
  return TRUE;
}

BOOL CMultiSlider::GetRanges(float& fMin, float& fMax) const {
  fMin = m_fMin;
  fMax = m_fMax;
  return TRUE;
}

int CMultiSlider::GetMarkers(float* pValues) const {
  if (!pValues) return 0;
  int n = 0;
  for (POSITION pos = m_Markers.GetHeadPosition(); pos;)
    pValues[n++] = static_cast<CMarker*>(m_Markers.GetNext(pos))->m_fValue;
  return n;
}

int CMultiSlider::InsertMarker(CMarker* pMarker) {
  if (!pMarker) return -1;
  const int existing = IndexOf(pMarker);
  if (existing >= 0) return existing;
  const size_t index = tkw::InsertIndex(MarkerValues(), pMarker->m_fValue);
  if (index < static_cast<size_t>(m_Markers.GetCount()))
    m_Markers.InsertBefore(m_Markers.FindIndex(static_cast<INT_PTR>(index)), pMarker);
  else
    m_Markers.AddTail(pMarker);
  if (m_bInitialized) SetRectangles(pMarker);
  if (::IsWindow(m_hWnd)) Invalidate();
  return static_cast<int>(index);
}

BOOL CMultiSlider::RemoveLevelMarker(CMarker* pMarker) {
  POSITION pos = pMarker ? m_Markers.Find(pMarker) : NULL;
  if (!pos) return FALSE;
  m_Markers.RemoveAt(pos);
  // No pointer may outlive the marker.
  if (m_pDragMarker == pMarker) m_pDragMarker = NULL;
  if (m_pTTMarker == pMarker) {
    m_pTTMarker = NULL;
    m_TTRect.SetRectEmpty();
  }
  CRect area;
  area.UnionRect(&pMarker->m_mainRect, &pMarker->m_leftRect);
  area.UnionRect(&area, &pMarker->m_rightRect);
  delete pMarker;
  if (::IsWindow(m_hWnd)) InvalidateRect(&area, TRUE);
  return TRUE;
}

CMarker* CMultiSlider::GetNextMarker(POSITION& pos) {
  POSITION p = pos;
  if (!p) return NULL;
  m_Markers.GetNext(p);
  return p ? static_cast<CMarker*>(m_Markers.GetAt(p)) : NULL;
}

CMarker* CMultiSlider::GetPrevMarker(POSITION& pos) {
  POSITION p = pos;
  if (!p) return NULL;
  m_Markers.GetPrev(p);
  return p ? static_cast<CMarker*>(m_Markers.GetAt(p)) : NULL;
}

std::vector<float> CMultiSlider::MarkerValues() const {
  std::vector<float> values;
  values.reserve(static_cast<size_t>(m_Markers.GetCount()));
  for (POSITION pos = m_Markers.GetHeadPosition(); pos;)
    values.push_back(static_cast<CMarker*>(m_Markers.GetNext(pos))->m_fValue);
  return values;
}

int CMultiSlider::IndexOf(const CMarker* pMarker) const {
  int i = 0;
  for (POSITION pos = m_Markers.GetHeadPosition(); pos; ++i)
    if (m_Markers.GetNext(pos) == pMarker) return i;
  return -1;
}

CMarker* CMultiSlider::MarkerAt(int nIndex) const {
  POSITION pos = nIndex >= 0 ? m_Markers.FindIndex(nIndex) : NULL;
  return pos ? static_cast<CMarker*>(m_Markers.GetAt(pos)) : NULL;
}

// ---- geometry

tkw::SliderScale CMultiSlider::Scale() const {
  tkw::SliderScale scale;
  scale.min = m_fMin;
  scale.max = m_fMax;
  scale.left = m_workRect.left;
  scale.right = m_workRect.right;
  return scale;
}

float CMultiSlider::RoundTo(float fValue, short nDigits) {
  return tkw::RoundTo(fValue, nDigits);
}

void CMultiSlider::SetRectangles(CMarker* pMarker) {
  if (!pMarker) return;
  const tkw::MarkerRects r =
      tkw::MarkerRectsAt(Scale().MarkerX(pMarker->m_fValue), m_thumbRect, m_channelRect);
  pMarker->m_mainRect = r.head;
  pMarker->m_leftRect = r.left;
  pMarker->m_rightRect = r.right;
}

void CMultiSlider::Initialize() {
  if (!::IsWindow(m_hWnd)) return;
  GetClientRect(&m_clientRect);
  GetChannelRect(&m_channelRect);
  GetThumbRect(&m_thumbRect);
  m_workRect = m_channelRect;
  m_workRect.DeflateRect(2, 0);
  for (POSITION pos = m_Markers.GetHeadPosition(); pos;)
    SetRectangles(static_cast<CMarker*>(m_Markers.GetNext(pos)));
  m_bInitialized = true;
}

void CMultiSlider::EnsureGeometry() {
  // Input can arrive before the first paint (or after a size change): place the markers first.
  if (!m_bInitialized) Initialize();
}

CRect CMultiSlider::GetMarkerRect(CMarker* pMarker) {
  return pMarker ? tkw::HoverRect(RectsOf(*pMarker), m_clientRect) : CRect();
}

CMarker* CMultiSlider::MarkerHitTest(CPoint pt) {
  std::vector<tkw::MarkerRects> rects;
  rects.reserve(static_cast<size_t>(m_Markers.GetCount()));
  for (POSITION pos = m_Markers.GetHeadPosition(); pos;)
    rects.push_back(RectsOf(*static_cast<CMarker*>(m_Markers.GetNext(pos))));
  const int hit = tkw::HitTestMarkers(rects, pt);
  if (hit < 0) return NULL;
  m_nHitIndex = hit + 1;
  return MarkerAt(hit);
}

std::pair<float, float> CMultiSlider::GetMinMax(CPoint pt) {
  return tkw::NeighbourValues(MarkerValues(), Scale().ValueAt(pt.x), m_fMin, m_fMax);
}

void CMultiSlider::AvoidCrossing(CMarker* pMarker, float* pfValue) {
  const int index = IndexOf(pMarker);
  if (!pfValue || index < 0) return;
  const tkw::CrossingCheck check =
      tkw::AvoidCrossing(MarkerValues(), static_cast<size_t>(index), *pfValue);
  *pfValue = check.value;
  m_nCrossing = check.crossing;
}

// ---- tip

CString CMultiSlider::TipText(float fValue) {
  const tkw::DayTime t = tkw::SplitSeconds(fValue);
  m_nDays = t.days;
  m_nHours = t.hours;
  m_nMinutes = t.minutes;
  m_nSeconds = t.seconds;
  return tkw::MarkerTipText(fValue, m_bTimeFormat != FALSE);
}

void CMultiSlider::BuildTooltipText(CMarker* pMarker, bool bShow, CString& strText) {
  if (!pMarker) return;
  strText.Empty();
  if (!bShow) {
    m_wndBubble.Hide();
    return;
  }
  strText = TipText(pMarker->m_fValue);
}

void CMultiSlider::ShowTipAtCursor(const CString& strText) {
  // Below and right of the cursor's hot spot, clear of the arrow.
  CPoint at;
  ::GetCursorPos(&at);
  at.Offset(::GetSystemMetrics(SM_CXCURSOR) / 2, ::GetSystemMetrics(SM_CYCURSOR) / 2);
  m_wndBubble.Show(strText, at);
}

void CMultiSlider::SetInfoWindow(CPoint& point) {
  if (m_pDragMarker) {
    CString text;
    BuildTooltipText(m_pDragMarker, true, text);
    m_wndBubble.SetText(text);
    m_wndBubble.ShowWindow(SW_SHOWNOACTIVATE);
    m_wndBubble.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return;
  }
  if (m_TTRect.PtInRect(point)) return;
  m_TTRect.SetRectEmpty();
  CMarker* pHit = MarkerHitTest(point);
  CRect hover = GetMarkerRect(pHit);
  if (pHit && hover.PtInRect(point)) {
    SetTimer(m_nTimerID, m_nTimerPeriod, NULL);
  } else {
    if (GetCapture() == this) ::ReleaseCapture();
    m_wndBubble.Hide();
    KillTimer(m_nTimerID);
    pHit = NULL;
    hover.SetRectEmpty();
  }
  m_TTRect = hover;
  m_pTTMarker = pHit;
}

void CMultiSlider::OnTimer(UINT_PTR nIDEvent) {
  // The trackbar repeats page steps on a timer of its own.
  if (nIDEvent != m_nTimerID) {
    CSliderCtrl::OnTimer(nIDEvent);
    return;
  }
  if (!m_pTTMarker) {
    m_wndBubble.Hide();
    m_TTRect.SetRectEmpty();
  } else {
    CString text;
    BuildTooltipText(m_pTTMarker, true, text);
    ShowTipAtCursor(text);
    // Held until the pointer leaves the hover rectangle, so that leaving is seen.
    SetCapture();
  }
  KillTimer(m_nTimerID);
}

// ---- focus and painting

void CMultiSlider::OnSetFocus(CWnd* pOldWnd) {
  CSliderCtrl::OnSetFocus(pOldWnd);
  m_bFocused = true;
}

void CMultiSlider::OnKillFocus(CWnd* pNewWnd) {
  CSliderCtrl::OnKillFocus(pNewWnd);
  m_bFocused = false;
}

void CMultiSlider::OnSize(UINT nType, int cx, int cy) {
  CSliderCtrl::OnSize(nType, cx, cy);
  m_bInitialized = false;
}

void CMultiSlider::OnPaint() {
  CPaintDC dc(this);
  EnsureGeometry();
  CRect clip;
  dc.GetClipBox(&clip);
  // Drawn off screen and copied at once, so a drag does not flicker.
  CDC memory;
  CBitmap bitmap;
  if (memory.CreateCompatibleDC(&dc) &&
      bitmap.CreateCompatibleBitmap(&dc, m_clientRect.Width(), m_clientRect.Height())) {
    CBitmap* pOld = memory.SelectObject(&bitmap);
    Draw(&memory);
    dc.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &memory, clip.left, clip.top,
              SRCCOPY);
    memory.SelectObject(pOld);
  } else {
    Draw(&dc);
  }
}

LRESULT CMultiSlider::OnPrintClient(WPARAM wParam, LPARAM) {
  CDC dc;
  if (!dc.Attach(reinterpret_cast<HDC>(wParam))) return 0;
  EnsureGeometry();
  Draw(&dc);
  dc.Detach();
  return 0;
}

void CMultiSlider::Draw(CDC* pDC) {
  const int saved = pDC->SaveDC();
  pDC->SelectStockObject(NULL_PEN);
  ::FillRect(*pDC, &m_clientRect, ::GetSysColorBrush(COLOR_BTNFACE));
  ::FillRect(*pDC, &m_channelRect, ::GetSysColorBrush(COLOR_WINDOW));
  CRect channel(m_channelRect);
  pDC->DrawEdge(&channel, EDGE_SUNKEN, BF_RECT);
  if (m_bFocused) pDC->DrawFocusRect(&m_clientRect);

  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
  pDC->SelectObject(&m_font);

  if (m_bDrawIntervals) {
    std::vector<int> xs;
    const tkw::SliderScale scale = Scale();
    for (POSITION pos = m_Markers.GetHeadPosition(); pos;)
      xs.push_back(scale.MarkerX(static_cast<CMarker*>(m_Markers.GetNext(pos))->m_fValue));
    // Intervals without a colour are left in the channel's colour.
    for (const tkw::SliderInterval& interval :
         tkw::LayoutIntervals(m_channelRect, xs, static_cast<int>(m_aColors.GetSize())))
      pDC->FillSolidRect(&interval.rect, m_aColors[interval.colour]);
  }

  for (POSITION pos = m_Markers.GetHeadPosition(); pos;) {
    CMarker* pMarker = static_cast<CMarker*>(m_Markers.GetNext(pos));
    CRect head(pMarker->m_mainRect), left(pMarker->m_leftRect), right(pMarker->m_rightRect);
    pDC->DrawEdge(&head, EDGE_RAISED, kHeadEdges);
    pDC->DrawEdge(&left, EDGE_RAISED, kLeftPointEdges);
    pDC->DrawEdge(&right, EDGE_RAISED, kRightPointEdges);
  }
  pDC->RestoreDC(saved);
}

// ---- mouse

void CMultiSlider::OnLButtonDown(UINT nFlags, CPoint point) {
  EnsureGeometry();
  m_wndBubble.Hide();
  m_TTRect.SetRectEmpty();
  // A press that never moves must not finish at the neighbour of an earlier drag.
  m_nCrossing = tkw::kCrossingNone;
  if (m_workRect.PtInRect(point)) {
    m_pDragMarker = MarkerHitTest(point);
    if (!m_pDragMarker && GetNumMarkers() < m_nMaxMarkers) {
      delete m_pNewMarker;
      m_pNewMarker = new CMarker;
      m_pNewMarker->m_fValue = Scale().ValueAt(point.x);
      SetRectangles(m_pNewMarker);
    } else {
      GetMinMax(point);
    }
  }
  if (m_pDragMarker) {
    CString text;
    BuildTooltipText(m_pDragMarker, true, text);
    ShowTipAtCursor(text);
    // Moves beyond the control still belong to the drag.
    SetCapture();
  }
  CSliderCtrl::OnLButtonDown(nFlags, point);
}

void CMultiSlider::OnMouseMove(UINT nFlags, CPoint point) {
  CSliderCtrl::OnMouseMove(nFlags, point);
  EnsureGeometry();
  if (m_pDragMarker && m_workRect.PtInRect(point)) {
    float value = Scale().ValueAt(point.x);
    if (m_Markers.GetCount() > 1) AvoidCrossing(m_pDragMarker, &value);
    if (value >= m_fMin && value <= m_fMax) {
      CMarker moved;
      moved.m_fValue = value;
      SetRectangles(&moved);
      const CRect before = GetMarkerRect(m_pDragMarker);
      const CRect after = GetMarkerRect(&moved);
      *m_pDragMarker = moved;
      if (before != after) {
        CRect dirty;
        dirty.UnionRect(&before, &after);
        dirty.InflateRect(tkw::kMarkerHalfWidth, 0);
        InvalidateRect(&dirty, TRUE);
        UpdateWindow();
      }
    }
  }
  SetInfoWindow(point);
}

void CMultiSlider::OnLButtonUp(UINT nFlags, CPoint point) {
  const HWND hWnd = m_hWnd;
  SetFocus();
  m_wndBubble.Hide();
  CMarker* pDragged = m_pDragMarker;
  if (pDragged && GetCapture() == this) ::ReleaseCapture();

  float finalValue = Scale().ReleaseValue(point.x);
  if (pDragged && m_nCrossing != tkw::kCrossingNone) {
    POSITION pos = m_Markers.Find(pDragged);
    CMarker* pNeighbour =
        m_nCrossing == tkw::kCrossingPrevious ? GetPrevMarker(pos) : GetNextMarker(pos);
    if (pNeighbour) finalValue = pNeighbour->m_fValue;
  }

  if (m_pNewMarker) {
    // A click on empty scale never adds a marker: the prepared one is dropped.
    delete m_pNewMarker;
    m_pNewMarker = NULL;
  } else if (pDragged) {
    if (!m_clientRect.PtInRect(point)) Invalidate();
    m_pDragMarker = NULL;
    if (finalValue >= m_fMin && finalValue <= m_fMax) {
      CWnd* pParent = GetParent();
      if (pParent)
        pParent->SendMessage(m_nNotifyKind ? WM_MULTISLIDER_DRAGGED_EX : WM_MULTISLIDER_DRAGGED, 0,
                             0);
      // The parent may have destroyed the control.
      if (!::IsWindow(hWnd)) return;
      RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      ShowTipAtCursor(TipText(finalValue));
    }
  }
  CSliderCtrl::OnLButtonUp(nFlags, point);
}

void CMultiSlider::OnRButtonUp(UINT nFlags, CPoint point) {
  CSliderCtrl::OnRButtonUp(nFlags, point);
}
