// CWizardImageButton: the wizards' image button.
#include "wizard/WizardImageButton.h"

#include <commctrl.h>
#include <qxres_ids.h>

BEGIN_MESSAGE_MAP(CWizardImageButton, CButton)
  ON_WM_MOUSEMOVE()
  ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CWizardImageButton::CWizardImageButton() : m_bHover(FALSE), m_bUseArrowIcon(FALSE) {}

CWizardImageButton::~CWizardImageButton() = default;

UINT CWizardImageButton::FaceBitmapId(BOOL bDisabled, BOOL bHover, BOOL bArrow) {
  if (bDisabled) return bArrow ? IDB_QX_WIZBTN_ARROW_DISABLED : IDB_QX_WIZBTN_DISABLED;
  if (bHover) return bArrow ? IDB_QX_WIZBTN_ARROW_HOVER : IDB_QX_WIZBTN_HOVER;
  return bArrow ? IDB_QX_WIZBTN_ARROW_NORMAL : IDB_QX_WIZBTN_NORMAL;
}

void CWizardImageButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
  CDC* pDC = CDC::FromHandle(lpDIS->hDC);
  const BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
  LPCTSTR pszFace =
      bDisabled ? _T("Trebuchet 10pt Regular 959595") : _T("Trebuchet 10pt Bold f5f5f5");
  const CRect rc(lpDIS->rcItem);

  CBitmap image, mask;
  if (image.LoadBitmap(FaceBitmapId(bDisabled, m_bHover, m_bUseArrowIcon))) {
    CreateMaskBitmap(&image, &mask, 0, 0);
    BITMAP bm = {};
    image.GetBitmap(&bm);
    CDC memDC;
    memDC.CreateCompatibleDC(pDC);
    CBitmap* pOld = memDC.SelectObject(&mask);
    pDC->StretchBlt(0, 0, rc.right, rc.bottom, &memDC, 0, 0, bm.bmWidth, bm.bmHeight, SRCAND);
    memDC.SelectObject(&image);
    pDC->StretchBlt(0, 0, rc.right, rc.bottom, &memDC, 0, 0, bm.bmWidth, bm.bmHeight, SRCPAINT);
    memDC.SelectObject(pOld);
  }

  CFont font;
  font.CreateFont(16, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, pszFace);
  CFont* pOldFont = pDC->SelectObject(&font);
  const COLORREF crOld = pDC->SetTextColor(RGB(255, 255, 255));
  const int nOldMode = pDC->SetBkMode(TRANSPARENT);
  CString strText;
  if (m_hWnd) GetWindowText(strText);
  CRect rcText(rc);
  pDC->DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  pDC->SetBkMode(nOldMode);
  pDC->SetTextColor(crOld);
  pDC->SelectObject(pOldFont);
}

void CWizardImageButton::CreateMaskBitmap(CBitmap* pImage, CBitmap* pMask, int x, int y) {
  BITMAP bm = {};
  pImage->GetBitmap(&bm);
  pMask->DeleteObject();
  pMask->CreateBitmap(bm.bmWidth, bm.bmHeight, 1, 1, NULL);

  CDC imageDC, maskDC;
  imageDC.CreateCompatibleDC(NULL);
  maskDC.CreateCompatibleDC(NULL);
  CBitmap* pOldImage = imageDC.SelectObject(pImage);
  CBitmap* pOldMask = maskDC.SelectObject(pMask);

  // Mono conversion: pixels of the background colour become white, all others black.
  const COLORREF crOldBk = imageDC.SetBkColor(imageDC.GetPixel(x, y));
  maskDC.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &imageDC, 0, 0, SRCCOPY);
  // Back into colour: white mask bits become black in the image, so SRCPAINT leaves them alone.
  const COLORREF crOldText = imageDC.SetTextColor(RGB(255, 255, 255));
  imageDC.SetBkColor(RGB(0, 0, 0));
  imageDC.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &maskDC, 0, 0, SRCAND);

  imageDC.SetTextColor(crOldText);
  imageDC.SetBkColor(crOldBk);
  maskDC.SelectObject(pOldMask);
  imageDC.SelectObject(pOldImage);
}

BOOL CWizardImageButton::TrackMouseEventEx(HWND hWnd, DWORD dwFlags, DWORD dwHoverTime) {
  TRACKMOUSEEVENT tme = {};
  tme.cbSize = sizeof(tme);
  tme.dwFlags = dwFlags;
  tme.hwndTrack = hWnd;
  tme.dwHoverTime = dwHoverTime;
  return ::_TrackMouseEvent(&tme);
}

void CWizardImageButton::OnMouseMove(UINT nFlags, CPoint point) {
  if (!m_bHover) {
    TrackMouseEventEx(m_hWnd, TME_LEAVE, HOVER_DEFAULT);
    m_bHover = TRUE;
    Invalidate();
  }
  CButton::OnMouseMove(nFlags, point);
}

LRESULT CWizardImageButton::OnMouseLeave(WPARAM, LPARAM) {
  m_bHover = FALSE;
  Invalidate();
  return 0;
}
