// CWizTitleButton: the wizards' title panel.
#include "wizard/WizTitleButton.h"

#include <qxres_ids.h>

#include "core/TKWDIB.h"
#include "wizard/logic/TitleTextLayout.h"

CWizTitleButton::CWizTitleButton()
    : m_crTeal(RGB(0, 128, 128)),
      m_crPurple(RGB(128, 0, 128)),
      m_crWhite(RGB(255, 255, 255)),
      m_pFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)))) {
  LOGFONTW lf = {};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  lf.lfWeight = FW_BOLD;
  m_fontBold.CreateFontIndirect(&lf);
}

CWizTitleButton::~CWizTitleButton() = default;

void CWizTitleButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  const CRect rc(lpDIS->rcItem);
  pDC->FillSolidRect(&rc, RGB(255, 255, 255));
  CFont* pOldFont = pDC->SelectObject(&m_fontBold);
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);

  pDC->TextOut(rc.left + 18, rc.top + 8, m_strTitle);
  const auto words =
      tkw::LayoutTitleText(m_strText, rc.Width(), rc.Height(), [pDC](const CString& word) -> SIZE {
        const CSize size = pDC->GetTextExtent(word);
        return SIZE{size.cx, size.cy};
      });
  for (const tkw::PlacedWord& w : words) pDC->TextOut(w.x, w.y, w.text);

  TKWDIB dib;
  HPALETTE hPalette = NULL;
  if (HBITMAP hBitmap = dib.LoadResourceBitmap(IDB_QX_WIZARD_TITLE, &hPalette)) {
    HPALETTE hOldPalette = hPalette ? ::SelectPalette(lpDIS->hDC, hPalette, FALSE) : NULL;
    if (hPalette) ::RealizePalette(lpDIS->hDC);
    TKWDIB::DrawTransparentBitmap(lpDIS->hDC, hBitmap, rc.right - 55, 3, TKWDIB::kTransparent);
    if (hPalette) ::SelectPalette(lpDIS->hDC, hOldPalette, FALSE);
    ::DeleteObject(hBitmap);
  }
  if (hPalette) ::DeleteObject(hPalette);

  pDC->SetBkMode(nOldMode);
  pDC->SelectObject(pOldFont);
}
