// CXTFlatComboBox: the toolkit's combo box with a flat frame and drop button.
#pragma once
#include "XTPExport.h"
#include <afxwin.h>

// A plain combo box (same styles, messages and notifications) drawn flat: a one-pixel frame
// instead of the sunken edge and a flat drop button, both highlighted while the pointer is
// over the box or it has the focus. The flat parts are drawn over the control's own painting,
// also when it is printed (WM_PRINTCLIENT), so captures show what the screen shows.
class XTP_API CXTFlatComboBox : public CComboBox {
  DECLARE_DYNAMIC(CXTFlatComboBox)

 public:
  CXTFlatComboBox();
  ~CXTFlatComboBox() override;

  // Flat: the frame and button drawn flat (on by default); off shows the plain combo box.
  void SetFlatStyle(BOOL bFlat = TRUE);
  BOOL GetFlatStyle() const { return m_bFlat; }

  // TRUE while the pointer is over the box.
  BOOL IsHot() const { return m_bHot; }

 protected:
  // Draws the flat frame and button into hdc (the control's client coordinates).
  virtual void DrawFlat(HDC hdc);

  afx_msg void OnPaint();
  afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  DECLARE_MESSAGE_MAP()

 private:
  BOOL m_bFlat;
  BOOL m_bHot;
};
