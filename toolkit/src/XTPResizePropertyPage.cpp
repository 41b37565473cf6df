// CXTPResizePropertyPage: the page's anchored controls follow the page's size.
#include "XTPResizePropertyPage.h"

#include "XTPResizePropertySheet.h"

IMPLEMENT_DYNAMIC(CXTPResizePropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTPResizePropertyPage, CPropertyPage)
  ON_WM_SIZE()
END_MESSAGE_MAP()

CXTPResizePropertyPage::CXTPResizePropertyPage() : CXTPResize(this, XTP_RESIZE_NOMINSIZE) {}

CXTPResizePropertyPage::CXTPResizePropertyPage(UINT nIDTemplate, UINT nIDCaption, UINT nFlags)
    : CPropertyPage(nIDTemplate, nIDCaption), CXTPResize(this, nFlags | XTP_RESIZE_NOMINSIZE) {}

CXTPResizePropertyPage::CXTPResizePropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption,
                                               UINT nFlags)
    : CPropertyPage(lpszTemplateName, nIDCaption),
      CXTPResize(this, nFlags | XTP_RESIZE_NOMINSIZE) {}

CXTPResizePropertyPage::~CXTPResizePropertyPage() = default;

BOOL CXTPResizePropertyPage::OnInitDialog() {
  const BOOL bResult = CPropertyPage::OnInitDialog();
  Init();
  return bResult;
}

BOOL CXTPResizePropertyPage::OnSetActive() {
  const BOOL bResult = CPropertyPage::OnSetActive();
  CPropertySheet* pSheet = GetParentSheet();
  if (pSheet && pSheet->IsKindOf(RUNTIME_CLASS(CXTPResizePropertySheet)))
    static_cast<CXTPResizePropertySheet*>(pSheet)->PlacePage(this);
  return bResult;
}

void CXTPResizePropertyPage::OnSize(UINT nType, int cx, int cy) {
  CPropertyPage::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) Size();
}
