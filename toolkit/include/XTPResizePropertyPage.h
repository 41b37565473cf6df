// CXTPResizePropertyPage: a property page whose controls, anchored with SetResize in
// OnInitDialog, follow the page when its resizable sheet changes size.
#pragma once
#include "XTPResize.h"
#include <afxdlgs.h>

class XTP_API CXTPResizePropertyPage : public CPropertyPage, public CXTPResize {
  DECLARE_DYNAMIC(CXTPResizePropertyPage)

 public:
  CXTPResizePropertyPage();
  explicit CXTPResizePropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, UINT nFlags = 0);
  explicit CXTPResizePropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0, UINT nFlags = 0);
  ~CXTPResizePropertyPage() override;

 protected:
  BOOL OnInitDialog() override;
  // A page created after the sheet was resized takes the sheet's present page area.
  BOOL OnSetActive() override;

  afx_msg void OnSize(UINT nType, int cx, int cy);
  DECLARE_MESSAGE_MAP()
};
