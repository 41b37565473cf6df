// TKWPropertyPage: the base of the pages of the host's sheets and wizards, with the processing
// protocol that runs a task on a worker thread behind a progress dialog.
#pragma once
#include <XTPResizePropertyPage.h>

#include "core/TKWExport.h"
#include "wizard/WizardMessages.h"

class CItem;
class CJob;
class CTest;
class CXact;
class CPageData;
class CWizardData;
class CProgressDialog;

class TKWUI_API TKWPropertyPage : public CXTPResizePropertyPage {
  DECLARE_DYNCREATE(TKWPropertyPage)

 public:
  // The page template of a page created by its runtime class.
  enum { IDD = 852 };

  TKWPropertyPage();
  explicit TKWPropertyPage(int nIDTemplate);
  TKWPropertyPage(int nIDTemplate, UINT nIDCaption, UINT nFlags);
  ~TKWPropertyPage() override;

  // ---- added virtual operations
  // Stores the mode and enables or disables the page's controls.
  virtual void SetReadOnly(BOOL bReadOnly);
  // The base Next handling, then nNext as the page to go to.
  virtual LRESULT OnWizardNext(int nNext);

 protected:
  // Runs once activation has finished.
  virtual void SetInitialFocus() {}

 public:
  // Hooks for the host's pages; this library never calls them.
  virtual BOOL CheckData() { return TRUE; }
  virtual BOOL TestProfile() { return TRUE; }
  virtual BOOL DoPageNext() { return TRUE; }
  virtual BOOL DoPageActive() { return TRUE; }

  // ---- the processing protocol
  // Runs pfnTask(pParam) on a worker thread behind a modal progress dialog with Cancel.
  // false when the user cancelled or the task recorded an error.
  bool StartProcessing(AFX_THREADPROC pfnTask, LPVOID pParam);
  // Called by the task, last: the task has finished.
  void ProcessingComplete() { ::SetEvent(m_hCompleteEvent); }
  // Asks the task to stop.
  void ProcessingKill() { ::SetEvent(m_hKillEvent); }
  BOOL IsProcessingComplete() const;
  BOOL IsProcessingKilled() const;
  void ResetProcessingEvents();
  // Called by the task: the status the progress dialog shows next (nAnimID 0: keep the
  // animation, or the default one when there is none yet).
  void SetStatus(CString strText, UINT nAnimID);
  void SetProcessingError(int nError, int nDetail);

  // ---- page state
  void OnSetModified();
  BOOL IsLoadScenarioMode() const;
  BOOL IsUserScenarioMode() const;
  CString* GetHeaderTitle() { return &m_strHeaderTitle; }
  CString* GetHeaderSubTitle() { return &m_strHeaderSubTitle; }
  CString& GetTitle() { return m_strTitle; }
  CString& GetName() { return m_strTitle; }
  void SetTitle(LPCTSTR pszTitle) { m_strTitle = pszTitle; }
  void SetIcon(int nID);

  // ---- controls
  void HideControl(int nID, BOOL bHide);
  void ShowAllControls(int nCmdShow);
  // Every child with an identifier; static labels (-1) keep their state.
  void EnableAllControls(BOOL bEnable);
  // Places control nCtrlID inside frame nFrameID, below the frame's caption.
  void FitInsideFrame(int nCtrlID, int nFrameID, int nReserved);
  void SetTaskPanelWizardText(CString& str);
  void TKWPreProcessPageTemplate(PROPSHEETPAGE& psp, BOOL bWizard);

  // ---- wizard data (nList: 1 transactions, 2 user transactions, 3 tests)
  BOOL AddWizardJob();

 protected:
  BOOL AddToWizData(CObject* pObj, int nList);
  BOOL DeleteFromWizData(CObject* pObj, int nList);
  BOOL IsFolderInWizData(CObject* pObj, int nList);
  BOOL IsPageDataInWizData(CPageData* pPageData);
  BOOL TransferItems(CTest* pTest, CXact* pXact, CRuntimeClass* pClass);
  CItem* FindTestItem(CItem* pItem, CRuntimeClass* pClass);

 public:
  // ---- overrides
  BOOL OnApply() override { return TRUE; }
  LRESULT OnWizardBack() override { return CXTPResizePropertyPage::OnWizardBack(); }
  LRESULT OnWizardNext() override { return CXTPResizePropertyPage::OnWizardNext(); }
  BOOL OnKillActive() override { return CXTPResizePropertyPage::OnKillActive(); }
  BOOL OnSetActive() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange*) override {}

  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnClose();
  afx_msg void OnTimer(UINT_PTR nIDEvent);
  afx_msg LRESULT OnProcessingComplete(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnKillProcessing(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnInitialSetFocus(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 public:
  BOOL m_bModified;
  BOOL m_bWizardMode;
  BOOL m_bDirectKeys;  // every key of a child page goes to the focused control
  CWizardData* m_pWizData;
  CItem* m_pFoundItem;
  CRITICAL_SECTION m_csStatus;  // guards status, animation and error values
  HANDLE m_hKillEvent;
  HANDLE m_hCompleteEvent;
  HANDLE m_hFinishedEvent;
  CProgressDialog* m_pProgressDlg;
  CString m_strTitle;
  CFont m_font;
  UINT m_nIconID;
  HICON m_hIcon;
  BOOL m_bReadOnly;
  CString m_strStatus;
  UINT m_nStatusAnimID;
  BOOL m_bDeleting;
  int m_nProcessingError;
  int m_nProcessingErrorDetail;
  BOOL m_bHostFlag;  // TRUE at construction; for subclasses

 private:
  void CommonConstruct();
  static UINT AFX_CDECL WatchProcessing(LPVOID pParam);
};
