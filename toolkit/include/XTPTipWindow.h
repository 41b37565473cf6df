// CXTPTipWindow: the toolkit's tip window, a popup with a bold title and a text.
#pragma once
#include "XTPExport.h"
#include <afxwin.h>

// Tip styles.
#define TWS_XTP_DROPSHADOW 0x0001  // a shadow band on the right and at the bottom

// Shows a bold title and a text at a screen point for a while (5 seconds by default), without
// taking the activation. It hides when its time is up, when the user clicks or presses a key
// anywhere in the thread, or when told (HideTipWindow). Texts may hold line feeds.
class XTP_API CXTPTipWindow : public CWnd {
  DECLARE_DYNAMIC(CXTPTipWindow)

 public:
  CXTPTipWindow();
  ~CXTPTipWindow() override;

  // Creates the hidden popup, owned by pParentWnd (may be null).
  BOOL Create(CWnd* pParentWnd);

  // Sets title and text and sizes the window to fit them.
  void SetTipText(LPCTSTR lpszTitle, LPCTSTR lpszText, BOOL bRedraw = FALSE);
  CString GetTitle() const { return m_strTitle; }
  CString GetText() const { return m_strText; }

  // Shows the tip with its top-left corner at point (screen coordinates), or centred on
  // point.x with bCenterHorz. nElapse is the time in milliseconds it stays (0: until hidden).
  // nDelay is kept for callers that tune hover tips; the tip always shows at once.
  BOOL ShowTipWindow(const CPoint& point, DWORD dwTipStyle = 0, UINT nDelay = 0,
                     UINT nElapse = 5000, BOOL bCenterHorz = FALSE);
  void HideTipWindow();
  BOOL IsTipVisible() const { return ::IsWindow(m_hWnd) && IsWindowVisible(); }

  // Size the window has for the current texts (the drop shadow included when asked for).
  CSize GetTipSize() const { return m_sizeTip; }
  // Space between the frame and the texts.
  void SetMargins(const CSize& size);
  void SetLineSpace(int nLineSpace);

  // Timer used for the elapse time.
  enum { kTimerHide = 1 };

 protected:
  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg void OnDestroy();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void Measure();
  void Draw(HDC hdc);
  void Unhook();
  static LRESULT CALLBACK InputHook(int nCode, WPARAM wParam, LPARAM lParam);

  CString m_strTitle;
  CString m_strText;
  CSize m_sizeMargin;
  int m_nLineSpace;
  DWORD m_dwTipStyle;
  CSize m_sizeTip;
  HFONT m_hFont;      // the default GUI font (stock)
  HFONT m_hBoldFont;  // its bold variant, owned
  HHOOK m_hHook;      // watches the thread's input while shown
};
