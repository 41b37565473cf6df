// CFileWizardPage and CFilePageData: a ready-made wizard page that picks an existing file from
// the recent-file list of the profile, by typing its path, or by browsing.
#pragma once
#include "controls/RecentProjectsListCtrl.h"
#include "core/TKWExport.h"
#include "wizard/TKWPropertyPage.h"

// What a file page is for: titles, browse filter and folder, recent-list section, next page.
struct TKWUI_API CFilePageData {
  CFilePageData();

  CString m_strHeaderTitle;
  CString m_strHeaderSubTitle;
  CString m_strFilter;      // browse filter, "|"-separated
  CString m_strInitialDir;  // browse folder
  int m_nValue;             // kept for the host
  BOOL m_bFinishPage;       // Finish instead of Next
  CString m_strSection;     // profile section of the recent list
  int m_nNextPage;          // template id of the page Next goes to (0: the next one)
};

class TKWUI_API CFileWizardPage : public TKWPropertyPage {
  DECLARE_DYNCREATE(CFileWizardPage)

 public:
  enum { IDD = 4505 };

  CFileWizardPage();
  explicit CFileWizardPage(int nIDTemplate);
  CFileWizardPage(CFilePageData* pData, int nIDTemplate);
  ~CFileWizardPage() override;

  // Reads File1 to File4 of the recent-list key into pList (missing, empty and too long
  // values are skipped).
  void GetRecentFileListfromReg(CStringList* pList);
  // The recent entries without repeats, at most four, into the shown list.
  void PopulateRecentFileList();
  // The chosen path first, the others after it (File2 onwards).
  void UpdateRecentFileListInRegistry();
  // Removes the path that could not be opened from the recent list and the page.
  LRESULT DeleteItemFromListCtrl(WPARAM wParam, LPARAM lParam);

  BOOL OnSetActive() override;
  LRESULT OnWizardNext() override;
  BOOL OnWizardFinish() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  CRecentProjectsListCtrl m_listRecent;
  CButton m_btnBrowse;
  CString m_strPath;
  BOOL m_bFinishPage;
  CString m_strFilter;
  CString m_strInitialDir;
  int m_nValue;
  int m_nNextPage;
  CString m_strSection;
  CString m_strRegKey;
  CStringList* m_pRecentList;  // as read from the registry
  CStringList* m_pShownList;   // as shown in the list
  CPageData* m_pPageData;      // this page's record in the wizard data; not owned

 protected:
  // Shows the open-file dialog; TRUE with the chosen path.
  virtual BOOL BrowseForFile(CString& strPath);

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnBrowse();
  afx_msg void OnUpdatePath();
  afx_msg void OnClickProjectList(NMHDR* pNMHDR, LRESULT* pResult);
  afx_msg LRESULT OnDeleteRecent(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

 private:
  void CommonConstruct();
  void SetButtons(DWORD dwFlags);
  // Back + Finish / Back + Next, or the disabled forms when the path is empty.
  void SetButtonsForPath();
  CString RecentListKey();
};
