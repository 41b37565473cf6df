// The chart's command reflector.
#include "chart/NewChartFXReflectorWnd.h"

#include "chart/NewChartFX.h"

BEGIN_MESSAGE_MAP(CNewChartFXReflectorWnd, CWnd)
END_MESSAGE_MAP()

BOOL CNewChartFXReflectorWnd::Create(const CRect& rect, HWND hParent) {
  return CWnd::Create(AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                      rect, CWnd::FromHandle(hParent), 0);
}

LRESULT CNewChartFXReflectorWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND) return CWnd::WindowProc(message, wParam, lParam);
  if (m_pChart && ::IsWindow(m_pChart->GetSafeHwnd())) {
    const LRESULT result = ::SendMessage(m_pChart->GetSafeHwnd(), WM_COMMAND, wParam, lParam);
    if (result) return result;
  }
  // The chart did not take the command: its owner may.
  if (HWND hParent = ::GetParent(m_hWnd)) return ::SendMessage(hParent, WM_COMMAND, wParam, lParam);
  return 0;
}
