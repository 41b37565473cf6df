// Property sheets and their pages: tabbed sheets and wizards (with Wizard97 header and
// watermark), modal with the framework's own loop or modeless.
#pragma once
#include "afxwin.h"

#include <commctrl.h>
#include <prsht.h>

#include "afxcomdlg_.h"
#include "afxprinfo_.h"

class CPropertySheet;

// ---- CPropertyPage: one page of a sheet, made from a dialog template found through the
// resource chain. The sheet's PSN_ notifications arrive as the virtual handlers below.
class AFX_FWAPI CPropertyPage : public CDialog {
  DECLARE_DYNAMIC(CPropertyPage)

 public:
  CPropertyPage();
  explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0,
                         DWORD dwSize = sizeof(PROPSHEETPAGE));
  explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0,
                         DWORD dwSize = sizeof(PROPSHEETPAGE));
  // Wizard97 pages: the header title and subtitle come from string resources (0: none).
  CPropertyPage(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle, UINT nIDHeaderSubTitle,
                DWORD dwSize = sizeof(PROPSHEETPAGE));
  CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption, UINT nIDHeaderTitle,
                UINT nIDHeaderSubTitle, DWORD dwSize = sizeof(PROPSHEETPAGE));
  ~CPropertyPage() override;

  void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
  void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);
  void Construct(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle, UINT nIDHeaderSubTitle);
  void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption, UINT nIDHeaderTitle,
                 UINT nIDHeaderSubTitle);

  // The page's creation record; flags and texts set here before the sheet runs are kept.
  PROPSHEETPAGE m_psp;
  CString m_strHeaderTitle;     // Wizard97 header title (PSP_USEHEADERTITLE when not empty)
  CString m_strHeaderSubTitle;  // Wizard97 header subtitle (PSP_USEHEADERSUBTITLE)

  // Tells the sheet that the page's data changed (PSM_CHANGED) or no longer differs.
  void SetModified(BOOL bChanged = TRUE);
  // Sends PSM_QUERYSIBLINGS to the sheet: the first page that answers non-zero stops it.
  LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
  // Turns Cancel into Close (PSM_CANCELTOCLOSE).
  void CancelToClose();

  // The sheet whose page this is, or null before it runs.
  CPropertySheet* GetParentSheet() const;

  // ---- notifications from the sheet
  // PSN_SETACTIVE: FALSE keeps the page from becoming active. The first activation leaves
  // the controls as OnInitDialog loaded them; later ones reload them (UpdateData(FALSE)).
  virtual BOOL OnSetActive();
  // PSN_KILLACTIVE: saves the controls (UpdateData(TRUE)); FALSE keeps the page active.
  virtual BOOL OnKillActive();
  // PSN_APPLY (OK or Apply): calls OnOK and answers TRUE; FALSE keeps the sheet open.
  virtual BOOL OnApply();
  // PSN_RESET (Cancel): calls OnCancel.
  virtual void OnReset();
  // Called by OnApply and OnReset; the page does not end the sheet.
  void OnOK() override;
  void OnCancel() override;
  // PSN_QUERYCANCEL: FALSE keeps the sheet open.
  virtual BOOL OnQueryCancel();
  // PSN_WIZBACK / PSN_WIZNEXT: 0 goes to the neighbouring page, -1 stays, or the template id
  // of the page to go to.
  virtual LRESULT OnWizardBack();
  virtual LRESULT OnWizardNext();
  // PSN_WIZFINISH: FALSE keeps the wizard open.
  virtual BOOL OnWizardFinish();

  // Controls inside a sheet leave dialog navigation to the sheet (PSM_ISDIALOGMESSAGE).
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

  DECLARE_MESSAGE_MAP()

 private:
  void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption);
  // The record the sheet hands to CreatePropertySheetPage: texts and flags filled in.
  const PROPSHEETPAGE& PreparePropSheetPage(BOOL bWizard);
  // A template id answered by a wizard handler, as the page record the sheet knows it by.
  LRESULT MapWizardResult(LRESULT lResult) const;

  CString m_strCaption;
  BOOL m_bFirstSetActive;

  friend class CPropertySheet;
  friend INT_PTR CALLBACK AfxPropPageDlgProc(HWND, UINT, WPARAM, LPARAM);
};

// The dialog procedure of the framework's pages: binds the page object to its window when
// the sheet creates it and answers WM_INITDIALOG with OnInitDialog.
AFX_FWAPI INT_PTR CALLBACK AfxPropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam,
                                              LPARAM lParam);

// ---- CPropertySheet: a tabbed sheet or a wizard holding CPropertyPage objects it does not own.
class AFX_FWAPI CPropertySheet : public CWnd {
  DECLARE_DYNAMIC(CPropertySheet)

 public:
  CPropertySheet();
  explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
  explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
  // Wizard97 with a watermark and a header bitmap (either may be null).
  CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark,
                 HPALETTE hpalWatermark = NULL, HBITMAP hbmHeader = NULL);
  CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark,
                 HPALETTE hpalWatermark = NULL, HBITMAP hbmHeader = NULL);
  ~CPropertySheet() override;

  void Construct(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
  void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);
  void Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark,
                 HPALETTE hpalWatermark = NULL, HBITMAP hbmHeader = NULL);
  void Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark,
                 HPALETTE hpalWatermark = NULL, HBITMAP hbmHeader = NULL);

  // The sheet's creation record; flags set here before DoModal or Create are kept.
  PROPSHEETHEADER m_psh;

  // ---- running
  // Runs the sheet in the framework's modal loop (so PreTranslateMessage of the sheet, its
  // pages and their controls sees every message); IDOK or IDCANCEL, ID_WIZFINISH for a
  // finished wizard, -1 when the sheet cannot be created.
  virtual INT_PTR DoModal();
  // Modeless: visible, with a caption and system menu unless dwStyle says otherwise.
  virtual BOOL Create(CWnd* pParentWnd = NULL, DWORD dwStyle = DWORD(-1), DWORD dwExStyle = 0);
  // Ends the modal loop with nEndID; a modeless sheet is destroyed.
  void EndDialog(int nEndID);
  // Presses a sheet button as the user would (PSBTN_NEXT, PSBTN_FINISH, PSBTN_CANCEL...).
  void PressButton(int nButton);

  // ---- pages
  // Adds a page; while the sheet runs, it also appears at once.
  void AddPage(CPropertyPage* pPage);
  // Removes a page from the sheet (its window goes away when the sheet is running).
  void RemovePage(CPropertyPage* pPage);
  void RemovePage(int nPage);
  int GetPageCount() const;
  CPropertyPage* GetPage(int nPage) const;
  int GetPageIndex(CPropertyPage* pPage) const;
  int GetActiveIndex() const;
  CPropertyPage* GetActivePage() const;
  BOOL SetActivePage(int nPage);
  BOOL SetActivePage(CPropertyPage* pPage);

  // ---- attributes
  // nStyle PSH_PROPTITLE prefixes "Properties for".
  void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
  void SetWizardMode();
  BOOL IsWizard() const;
  // PSWIZB_ flags through PSM_SETWIZBUTTONS.
  void SetWizardButtons(DWORD dwFlags);
  void SetFinishText(LPCTSTR lpszText);
  // The sheet's tab control window (null for a wizard or before the sheet runs).
  HWND GetTabControl() const;

  // Sheet keys (Ctrl+Tab, Ctrl+PgUp/PgDn) and dialog navigation through PSM_ISDIALOGMESSAGE.
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  // WM_INITDIALOG of the sheet: the sheet's own processing (which creates the first page).
  virtual BOOL OnInitDialog();
  afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
  // TRUE while the modal loop should go on: the sheet has a current page.
  virtual BOOL ContinueModal();

  CString m_strCaption;
  CWnd* m_pParentWnd;
  BOOL m_bModeless;

  DECLARE_MESSAGE_MAP()

 private:
  void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
  void SetWizard97(HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader);
  // Builds page handles and the header, then creates the sheet window (modeless).
  BOOL CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle);
  HPROPSHEETPAGE CreatePageHandle(CPropertyPage* pPage);
  // A page's OK, Cancel or Finish; EndDialog's result stands once given.
  void NotePageResult(int nResult) {
    if (m_bContinueModal || !m_bInModalLoop) m_nModalResult = nResult;
  }
  int RunSheetLoop();

  CPtrArray m_pages;
  DWORD m_dwCreateStyle;
  DWORD m_dwCreateExStyle;
  BOOL m_bInModalLoop;
  BOOL m_bContinueModal;
  int m_nModalResult;

  friend class CPropertyPage;
  friend int CALLBACK AfxPropSheetCallback(HWND, UINT, LPARAM);
};

AFX_FWAPI int CALLBACK AfxPropSheetCallback(HWND hWnd, UINT message, LPARAM lParam);
