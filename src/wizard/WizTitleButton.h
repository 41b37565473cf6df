// CWizTitleButton: the wizards' large title panel: a white area with a bold title, a wrapped
// description and a picture in the top-right corner.
#pragma once
#include <XTButton.h>
#include <afxwin.h>

#include "core/TKWExport.h"

// Create it with BS_OWNERDRAW; the host fills m_strTitle and m_strText directly.
class TKWUI_API CWizTitleButton : public CXTButton {
 public:
  CWizTitleButton();
  ~CWizTitleButton() override;

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

  // Available to the host; the drawing does not use them.
  COLORREF m_crTeal;
  COLORREF m_crPurple;
  COLORREF m_crWhite;
  CFont m_fontBold;  // the default GUI font made bold: title and description
  CFont* m_pFont;    // wrapper of the stock default GUI font
  CString m_strTitle;
  CString m_strText;
};
