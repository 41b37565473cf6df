// CNewChartFXReflectorWnd: a hidden companion of the chart that forwards commands to it.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

class CNewChartFX;

class TKWUI_API CNewChartFXReflectorWnd : public CWnd {
 public:
  // A plain visible child (0x54000000) with that rectangle and parent, no caption, id 0.
  BOOL Create(const CRect& rect, HWND hParent);
  void SetChart(CNewChartFX* pChart) { m_pChart = pChart; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  DECLARE_MESSAGE_MAP()

  CNewChartFX* m_pChart = nullptr;  // not owned
};
