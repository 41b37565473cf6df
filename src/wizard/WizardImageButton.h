// CWizardImageButton: an owner-drawn button showing a bitmap face that follows hover, disabled
// state and an arrow variant, with the caption centred on top.
#pragma once
#include <afxwin.h>

#include "core/TKWExport.h"

// Create it with BS_OWNERDRAW; the faces come from the resource chain.
class TKWUI_API CWizardImageButton : public CButton {
 public:
  CWizardImageButton();
  ~CWizardImageButton() override;

  void SetUseArrowIcon(BOOL bUse) { m_bUseArrowIcon = bUse; }
  BOOL GetUseArrowIcon() const { return m_bUseArrowIcon; }

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

  // The face for an item state: disabled wins over hover; the arrow picks the other column.
  static UINT FaceBitmapId(BOOL bDisabled, BOOL bHover, BOOL bArrow);

 protected:
  // Makes pMask a monochrome mask of pImage where the colour at (x, y) is white, and blacks
  // those pixels out of the image so the two can be laid with SRCAND then SRCPAINT.
  void CreateMaskBitmap(CBitmap* pImage, CBitmap* pMask, int x, int y);
  BOOL TrackMouseEventEx(HWND hWnd, DWORD dwFlags, DWORD dwHoverTime);

  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 public:
  BOOL m_bHover;
  BOOL m_bUseArrowIcon;
};
