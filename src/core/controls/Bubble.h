// CBubble: a tooltip-like popup with several lines, icons and separators.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>

#include <vector>

#include "core/logic/BubbleLayout.h"
#include "core/TKWExport.h"

// Text rules: lines end at line feeds; "\r" at the start of a line draws a separator above
// it; "\a" and two digits at the start show that image of the bubble's image list.
class TKWUI_API CBubble : public CWnd {
  DECLARE_DYNAMIC(CBubble)

 public:
  CBubble();
  ~CBubble() override;

  // Makes the hidden popup, owned by pParentWnd (may be null).
  BOOL Create(CWnd* pParentWnd = NULL);

  // Shows text with the top-left corner at (x, y) in screen coordinates, kept on the screen,
  // without taking the activation. Nothing happens when text and place are the last ones.
  void Show(LPCTSTR lpszText, int x, int y);
  void Show(LPCTSTR lpszText, CPoint point) { Show(lpszText, point.x, point.y); }
  // Hides the window and forgets the text.
  void Hide();

  // Sets the text and sizes the window to it, without showing it.
  void SetText(LPCTSTR lpszText);
  CString GetText() const { return m_strText; }

  // Images for icon lines (16 by 16 unless the list says otherwise); not owned.
  void SetImageList(CImageList* pImageList);
  CImageList* GetImageList() const { return m_pImageList; }
  // A 5-pixel shadow at the right and the bottom.
  void SetShadow(BOOL bShadow);
  BOOL GetShadow() const { return m_bShadow; }

  // The window class every bubble uses.
  static LPCTSTR ClassName() { return _T("TKWBubble"); }

 protected:
  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  DECLARE_MESSAGE_MAP()

 private:
  void Measure();
  void Draw(HDC hdc);
  static BOOL RegisterClassOnce();
  static HBRUSH ShadowBrush();

  CString m_strText;
  std::vector<tkw::BubbleLine> m_lines;
  tkw::BubbleLayout m_layout;
  CImageList* m_pImageList;
  int m_nLineHeight;
  int m_nLeftMargin;
  UINT m_nFormat;  // DrawText flags of a line
  BOOL m_bShadow;
  CPoint m_ptLast;  // where the text was last shown
};
