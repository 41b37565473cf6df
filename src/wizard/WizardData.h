// CWizardData and CPageData: the state the pages of one wizard run share.
#pragma once
#include <afxwin.h>

#include "QXJob.h"
#include "QXProfile.h"
#include "QXRunSettings.h"
#include "core/TKWExport.h"

// A record a page leaves for the pages after it (for the file page: the chosen path).
class TKWUI_API CPageData : public CObject {
 public:
  explicit CPageData(int nOwnerPage);
  ~CPageData() override;

  int m_nTargetPage;  // page the record leads to
  int m_nOwnerPage;   // page that wrote the record
  DWORD m_dwData;
  CString m_strData;
  DWORD m_dwData2;
};

// The shared state of one wizard run, embedded in its sheet. Besides the named lists it keeps
// values of the host's own pages, which this library only initialises, resets and destroys.
class TKWUI_API CWizardData {
 public:
  enum WizardMode {
    modeLoadScenario = 1,
    modeUserScenario = 2,
    modeTransaction = 4,
    modeNewProject = 8,
  };

  CWizardData();
  virtual ~CWizardData();

  // The mode queries compare the whole value, so a combination answers FALSE to each.
  BOOL IsLoadScenarioWizardMode() const { return m_nWizardMode == modeLoadScenario; }
  BOOL IsUserScenarioWizardMode() const { return m_nWizardMode == modeUserScenario; }
  BOOL IsTransactionWizardMode() const { return m_nWizardMode == modeTransaction; }
  BOOL IsNewProjectWizardMode() const { return m_nWizardMode == modeNewProject; }

  // First record in list order whose target / owner page is nPage, else null.
  CPageData* GetTargetPageData(int nPage) const;
  CPageData* GetOwnerPageData(int nPage) const;

  void DeleteAllTransactions();
  void DeleteAllUserXacts();
  void DeleteAllTests();
  void DeleteAllJobs();
  // Jobs first: a job owns the tests handed to it, so they leave before the loose ones.
  void DeleteAllItems();
  // Starts the run again: the profile under construction and every collected item go.
  void ResetData();
  // The run succeeded: the page records and the finish object go.
  void DoFinishAction();

  CXactArray m_arrTransactions;  // list 1 of the page operations
  CXactArray m_arrUserXacts;     // list 2
  CObArray m_arrTests;           // list 3: CTest*, owned (freed with the data)
  CJobArray m_arrJobs;           // the first job receives the collected tests
  DWORD* m_pdwHostValue;         // set by the sheet
  DWORD m_dwHostValue1;
  DWORD m_dwHostValue2;
  DWORD m_dwHostValue3;
  DWORD m_dwHostValue4;
  DWORD m_dwHostValue5;
  CObArray m_arrPageData;     // CPageData*, owned
  CString* m_pstrJobName;     // the sheet's job name: name of the jobs the wizard creates
  CString* m_pstrHostString;  // a string of the sheet
  int m_nHostIndex1;
  int m_nHostIndex2;
  int m_nHostIndex3;    // back to -1 on ResetData
  int m_nHostIndex4;    // back to -1 on ResetData
  CObArray m_arrOwned;  // host objects, owned
  DWORD m_dwHostValue6;
  DWORD m_dwHostValue7;
  DWORD m_dwHostValue8;
  CLatency m_latency;
  int m_nWizardMode;  // one of WizardMode
  DWORD m_dwHostValue9;
  BOOL m_bForceWizardMode;  // pages set up with this data behave as wizard pages
  CString m_strHostString1;
  CString m_strJobSetting;   // copied into each job the wizard creates
  CProfile* m_pProfile;      // built by the wizard; see DeleteProfile
  CObject* m_pFinishObject;  // deleted by DoFinishAction, or with the data
  CString m_strHostString2;
  DWORD m_dwHostValue10;
  int m_nHostIndex5;
  int m_nHostIndex6;
  DWORD m_dwHostValue11;
  CString m_strHostString3;
  int m_nHostIndex7;
  DWORD m_dwHostValue12;
  CIterArray m_arrIters;
  DWORD m_dwHostValue13;
  CBenchmarkPropertiesArray m_arrBenchmarkProps;  // emptied (not freed) on destruction

 protected:
  // Deletes the profile under construction unless the host's profile manager has taken it.
  void DeleteProfile();

 private:
  CWizardData(const CWizardData&) = delete;
  CWizardData& operator=(const CWizardData&) = delete;

  void DeletePageData();
};
