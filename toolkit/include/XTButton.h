// CXTButton: the toolkit's themed push button, as far as the library uses it.
#pragma once
#include "XTPExport.h"
#include <afxwin.h>

// An owner-drawn push button with an icon and/or a caption, a flat look and a hot state.
// It behaves as a plain button: a click sends BN_CLICKED to its parent. The parent must be a
// framework window, so that WM_DRAWITEM comes back to the button by reflection.
class XTP_API CXTButton : public CButton {
  DECLARE_DYNAMIC(CXTButton)

 public:
  CXTButton();
  ~CXTButton() override;

  // Shows an icon of that size. The button keeps a copy; the caller keeps its own icon.
  // A null icon removes it. FALSE when the copy cannot be made.
  BOOL SetIcon(CSize size, HICON hIcon, BOOL bRedraw = TRUE);
  HICON GetIcon() const { return m_hIcon; }
  CSize GetIconSize() const { return m_sizeIcon; }

  // Flat: no frame until the pointer is over the button (on by default).
  void SetFlatStyle(BOOL bFlat = TRUE);
  BOOL GetFlatStyle() const { return m_bFlat; }

  // TRUE while the pointer is over the button.
  BOOL IsHot() const { return m_bHot; }

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

 protected:
  void PreSubclassWindow() override;
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  void FreeIcon();

  HICON m_hIcon;
  CSize m_sizeIcon;
  BOOL m_bFlat;
  BOOL m_bHot;
};
