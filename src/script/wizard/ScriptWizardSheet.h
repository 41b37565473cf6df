// CScriptWizardSheet: the script wizard; it owns its pages and creates each argument page when
// the category page asks for it with one of the registered messages.
#pragma once
#include <afxdlgs.h>

#include "core/TKWExport.h"

class CScriptObject;
class CWizCategory;
class CWizFileAccessPage;
class CWizRandListPage;
class CScriptWizDatePage;
class CScriptWizRandNumPage;
class CScriptWizSingleParameterPage;
class CScriptWizListPage;

class TKWUI_API CScriptWizardSheet : public CPropertySheet {
  DECLARE_DYNAMIC(CScriptWizardSheet)

 public:
  // Page requests, registered by name at start-up.
  static const UINT WM_CREATE_CATEGORY_FOR_DATES_AND_NUMBERS;
  static const UINT WM_CREATE_CATEGORY_FOR_FILE_ACCESS;
  static const UINT WM_CREATE_CATEGORY_FOR_RANDOM_STRINGS;
  static const UINT WM_CREATE_CATEGORY_FOR_RANDOM_NUMBERS;
  static const UINT WM_CREATE_CATEGORY_FOR_SINGLE_PARAMETER;
  static const UINT WM_CREATE_CATEGORY_FOR_LIST;
  static const UINT WM_CREATE_CATEGORY_FOR_STRING_MANIPULATION;
  static const UINT WM_CREATE_CATEGORY_FOR_NUMERICAL_MANIPULATION;

  // Wizard97 sheet whose category page lists the functions of strKeywordList the script
  // manager knows. The bitmaps stay the caller's.
  CScriptWizardSheet(UINT nIDCaption, CWnd* pParentWnd, const CString& strKeywordList,
                     HBITMAP hbmWatermark, HBITMAP hbmHeader);
  ~CScriptWizardSheet() override;

  CString m_strKeyWordList;
  CMapStringToOb m_mapFunctions;  // "$QX" name to the script manager's object (not owned)

  CWizCategory* m_pCategoryPage;
  CWizFileAccessPage* m_pFileAccessPage;
  CWizRandListPage* m_pRandStringsPage;
  CScriptWizDatePage* m_pDatesPage;
  CScriptWizRandNumPage* m_pRandNumPage;
  CScriptWizSingleParameterPage* m_pSingleParameterPage;
  CScriptWizListPage* m_pListPage;

  CString m_strResult;           // the composed call; empty until a page finishes
  CString m_strCurrentFunction;  // the function chosen on the category page

  // The Wizard97 subtitle of an argument page for the function: its function caption entry,
  // or the wizard's title.
  static CString SubtitleFor(const CScriptObject* pObject);

 protected:
  afx_msg LRESULT OnCreateDatesPage(WPARAM, LPARAM);
  afx_msg LRESULT OnCreateFileAccessPage(WPARAM, LPARAM);
  afx_msg LRESULT OnCreateRandStringsPage(WPARAM, LPARAM);
  afx_msg LRESULT OnCreateRandNumPage(WPARAM, LPARAM);
  afx_msg LRESULT OnCreateSingleParameterPage(WPARAM, LPARAM);
  afx_msg LRESULT OnCreateListPage(WPARAM, LPARAM);
  afx_msg LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void BuildFunctionMap();
  // Replaces the page in slot by a new one for the current function.
  template <class TPage>
  LRESULT CreatePage(TPage*& pSlot);
  void RemovePagesAfterActive();
};
