// CXTPResizePropertySheet: a property sheet or wizard the user can resize; its tab control,
// pages, buttons and wizard lines follow the sheet's edges.
#pragma once
#include "XTPResize.h"
#include <afxdlgs.h>

class XTP_API CXTPResizePropertySheet : public CPropertySheet, public CXTPResize {
  DECLARE_DYNAMIC(CXTPResizePropertySheet)

 public:
  CXTPResizePropertySheet();
  CXTPResizePropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0,
                          UINT nFlags = 0);
  CXTPResizePropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0,
                          UINT nFlags = 0);
  ~CXTPResizePropertySheet() override;

  // Fits a page window into the area the pages share at the sheet's present size.
  void PlacePage(CWnd* pPage);

 protected:
  // The sheet's own initialisation, then a sizing frame and the anchors of its controls.
  BOOL OnInitDialog() override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* pMMI);
  DECLARE_MESSAGE_MAP()

 private:
  // Anchors every child the sheet itself made (tab control, buttons, wizard lines).
  void AnchorSheetControls();
  void PlacePages();

  // The pages' area when the sheet was initialised, and the client size it belonged to.
  CRect m_rcPageInitial;
  CSize m_szPageClient;
};
