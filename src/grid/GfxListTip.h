// CGfxListTip: the pop-up that shows a grid cell's whole text over the cell when it is cut.
#pragma once

#include "core/TKWExport.h"

#include <afxwin.h>

class TKWUI_API CGfxListTip : public CWnd {
 public:
  // Registers the "ZGfxListTip" class the first time; throws the framework's resource
  // exception when that fails.
  CGfxListTip();

  // The hidden pop-up, owned by the list whose cells it shows.
  virtual BOOL Create(CWnd* pParentWnd);
  // Shows the tip over rcCell (the parent's client coordinates) when the text, starting
  // nOffset pixels into the cell, does not fit; takes the mouse until it leaves the cell.
  void Show(CRect rcCell, LPCTSTR lpszText, int nOffset);
  // Releases the mouse and hides the tip.
  void Hide();

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  // A click or double click handed to the window under the tip, as if the tip were not there.
  void ForwardClick(const MSG& msg);
  HFONT ParentFont() const;
  void PaintText(HDC hDC);

  CWnd* m_pParentWnd;
  CRect m_rectHover;  // the cell, in the tip's client coordinates
  CString m_strText;

  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnButtonDown(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()
};
