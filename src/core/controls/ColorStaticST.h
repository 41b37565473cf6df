// CColorStaticST: a static text with its own text and background colours.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

// Answers its own control-colour reflection, so its parent must be a framework window.
class TKWUI_API CColorStaticST : public CStatic {
  DECLARE_DYNAMIC(CColorStaticST)

 public:
  CColorStaticST();
  ~CColorStaticST() override;

  // Colours; 0xFFFFFFFF brings back the system default (button text, button face).
  void SetTextColor(COLORREF crTextColor = 0xFFFFFFFF);
  COLORREF GetTextColor() const { return m_crTextColor; }
  void SetBkColor(COLORREF crBkColor = 0xFFFFFFFF);
  COLORREF GetBkColor() const { return m_crBkColor; }

  // A click on the static (it needs SS_NOTIFY) sends nMsg to pWnd with the control id and
  // the static's window handle.
  void EnableNotify(CWnd* pWnd = NULL, UINT nMsg = WM_USER);

  enum { kDefaultColour = 0xFFFFFFFF };

 protected:
  afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  afx_msg void OnDestroy();
  afx_msg void OnClicked();
  DECLARE_MESSAGE_MAP()

 private:
  void Repaint();

  COLORREF m_crTextColor;
  COLORREF m_crBkColor;
  HBRUSH m_hBkBrush;
  HWND m_hNotifyWnd;
  UINT m_nNotifyMsg;
};
