// CWizardData and CPageData.
#include "wizard/WizardData.h"

CPageData::CPageData(int nOwnerPage)
    : m_nTargetPage(0), m_nOwnerPage(nOwnerPage), m_dwData(0), m_dwData2(0) {}

CPageData::~CPageData() = default;

CWizardData::CWizardData()
    : m_pdwHostValue(nullptr),
      m_dwHostValue1(0),
      m_dwHostValue2(0),
      m_dwHostValue3(0),
      m_dwHostValue4(0),
      m_dwHostValue5(0),
      m_pstrJobName(nullptr),
      m_pstrHostString(nullptr),
      m_nHostIndex1(-1),
      m_nHostIndex2(-1),
      m_nHostIndex3(-1),
      m_nHostIndex4(-1),
      m_dwHostValue6(0),
      m_dwHostValue7(0),
      m_dwHostValue8(0),
      m_nWizardMode(0),
      m_dwHostValue9(0),
      m_bForceWizardMode(FALSE),
      m_pProfile(nullptr),
      m_pFinishObject(nullptr),
      m_dwHostValue10(0),
      m_nHostIndex5(-1),
      m_nHostIndex6(-1),
      m_dwHostValue11(0),
      m_nHostIndex7(-1),
      m_dwHostValue12(0),
      m_dwHostValue13(0) {}

CWizardData::~CWizardData() {
  DeletePageData();
  // Emptied before the deletes, so a destructor that looks at the list finds no freed object.
  CObArray owned;
  owned.Append(m_arrOwned);
  m_arrOwned.RemoveAll();
  for (INT_PTR i = 0; i < owned.GetSize(); ++i) delete owned.GetAt(i);
  m_arrBenchmarkProps.RemoveAll();
  DeleteProfile();
  // A run that never finished still owns its loose tests and its finish object.
  DeleteAllTests();
  delete m_pFinishObject;
  m_pFinishObject = nullptr;
  // Transactions and jobs still held are the arrays' to forget: they are often borrowed from
  // the host's trees, or handed to the host at the end of the run.
}

CPageData* CWizardData::GetTargetPageData(int nPage) const {
  for (INT_PTR i = 0; i < m_arrPageData.GetSize(); ++i) {
    CPageData* pData = static_cast<CPageData*>(m_arrPageData.GetAt(i));
    if (pData && pData->m_nTargetPage == nPage) return pData;
  }
  return nullptr;
}

CPageData* CWizardData::GetOwnerPageData(int nPage) const {
  for (INT_PTR i = 0; i < m_arrPageData.GetSize(); ++i) {
    CPageData* pData = static_cast<CPageData*>(m_arrPageData.GetAt(i));
    if (pData && pData->m_nOwnerPage == nPage) return pData;
  }
  return nullptr;
}

void CWizardData::DeleteAllTransactions() {
  m_arrTransactions.DeleteAll();
}

void CWizardData::DeleteAllUserXacts() {
  m_arrUserXacts.DeleteAll();
}

void CWizardData::DeleteAllTests() {
  // One at a time and out of the list before the delete, so the list never holds a freed test.
  while (m_arrTests.GetSize() > 0) {
    CObject* pTest = m_arrTests.GetAt(0);
    m_arrTests.RemoveAt(0);
    delete pTest;
  }
}

void CWizardData::DeleteAllJobs() {
  m_arrJobs.DeleteAll();
}

void CWizardData::DeleteAllItems() {
  DeleteAllJobs();
  DeleteAllTests();
  DeleteAllUserXacts();
  DeleteAllTransactions();
}

void CWizardData::DeleteProfile() {
  if (m_pProfile && !TKWGetProfileManager()->ProfileExist(m_pProfile)) delete m_pProfile;
  m_pProfile = nullptr;
}

void CWizardData::ResetData() {
  DeleteProfile();
  DeleteAllItems();
  m_nHostIndex3 = -1;
  m_nHostIndex4 = -1;
}

void CWizardData::DoFinishAction() {
  DeletePageData();
  if (m_pFinishObject) {
    CObject* pFinish = m_pFinishObject;
    m_pFinishObject = nullptr;
    delete pFinish;
  }
}

void CWizardData::DeletePageData() {
  for (INT_PTR i = 0; i < m_arrPageData.GetSize(); ++i) delete m_arrPageData.GetAt(i);
  m_arrPageData.RemoveAll();
}
