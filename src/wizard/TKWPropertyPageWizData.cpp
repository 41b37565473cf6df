// TKWPropertyPage's operations on the sheet's shared wizard data: the three object lists, the
// page records, moving transactions into a test and gathering the tests into a job.
#include "wizard/TKWPropertyPage.h"

#include "QXJob.h"
#include "QXTest.h"
#include "QXXact.h"
#include "controls/Item.h"
#include "wizard/WizardData.h"

namespace {

enum WizList { listTransactions = 1, listUserXacts = 2, listTests = 3 };

template <class Array>
int IndexIn(const Array& arr, const CObject* pObj) {
  for (int i = 0; i < int(arr.GetSize()); ++i)
    if (arr.GetAt(i) == pObj) return i;
  return -1;
}

}  // namespace

BOOL TKWPropertyPage::IsFolderInWizData(CObject* pObj, int nList) {
  if (!m_pWizData) return FALSE;
  switch (nList) {
    case listTransactions: return IndexIn(m_pWizData->m_arrTransactions, pObj) >= 0;
    case listUserXacts: return IndexIn(m_pWizData->m_arrUserXacts, pObj) >= 0;
    case listTests: return IndexIn(m_pWizData->m_arrTests, pObj) >= 0;
    default: return FALSE;
  }
}

BOOL TKWPropertyPage::AddToWizData(CObject* pObj, int nList) {
  if (!m_pWizData || !pObj || IsFolderInWizData(pObj, nList)) return FALSE;
  switch (nList) {
    case listTransactions: m_pWizData->m_arrTransactions.Add(static_cast<CXact*>(pObj)); break;
    case listUserXacts: m_pWizData->m_arrUserXacts.Add(static_cast<CXact*>(pObj)); break;
    case listTests: m_pWizData->m_arrTests.Add(pObj); break;
    default: return FALSE;
  }
  return TRUE;
}

BOOL TKWPropertyPage::DeleteFromWizData(CObject* pObj, int nList) {
  if (!m_pWizData) return FALSE;
  int nIndex = -1;
  switch (nList) {
    case listTransactions:
      nIndex = IndexIn(m_pWizData->m_arrTransactions, pObj);
      if (nIndex >= 0) m_pWizData->m_arrTransactions.RemoveAt(nIndex);
      break;
    case listUserXacts:
      nIndex = IndexIn(m_pWizData->m_arrUserXacts, pObj);
      if (nIndex >= 0) m_pWizData->m_arrUserXacts.RemoveAt(nIndex);
      break;
    case listTests:
      nIndex = IndexIn(m_pWizData->m_arrTests, pObj);
      if (nIndex >= 0) m_pWizData->m_arrTests.RemoveAt(nIndex);
      break;
    default: break;
  }
  return nIndex >= 0;
}

BOOL TKWPropertyPage::IsPageDataInWizData(CPageData* pPageData) {
  return pPageData && m_pWizData && IndexIn(m_pWizData->m_arrPageData, pPageData) >= 0;
}

BOOL TKWPropertyPage::TransferItems(CTest* pTest, CXact* pXact, CRuntimeClass* pClass) {
  if (pXact->IsKindOf(pClass)) {
    pTest->AddXact(pXact, nullptr);
    return TRUE;
  }
  // A child taken into the test leaves the tree; the next child then has its index.
  for (int i = 0; i < pXact->GetXactCount();) {
    if (TransferItems(pTest, pXact->GetXact(i), pClass))
      pXact->RemoveXact(i);
    else
      ++i;
  }
  return FALSE;
}

BOOL TKWPropertyPage::AddWizardJob() {
  if (!m_pWizData) return FALSE;
  CWizardData& data = *m_pWizData;
  CJob* pJob = nullptr;
  CTest* pPrevious = nullptr;
  while (data.m_arrTests.GetSize() > 0) {
    auto* pTest = static_cast<CTest*>(data.m_arrTests.GetAt(0));
    if (!pJob) {
      if (data.m_arrJobs.GetSize() > 0) {
        pJob = data.m_arrJobs.GetAt(0);
      } else {
        pJob = new CJob;
        if (data.m_pstrJobName) pJob->SetName(*data.m_pstrJobName);
        pJob->SetJobSetting(data.m_strJobSetting);
        data.m_arrJobs.Add(pJob);
      }
    }
    pJob->AddTest(pTest, pPrevious);
    pPrevious = pTest;
    data.m_arrTests.RemoveAt(0);
  }
  return TRUE;
}

CItem* TKWPropertyPage::FindTestItem(CItem* pItem, CRuntimeClass* pClass) {
  // Depth first, the item before its children; a miss also clears the last find.
  struct Search {
    static CItem* In(CItem* pItem, CRuntimeClass* pClass) {
      if (!pItem) return nullptr;
      if (pItem->IsKindOf(pClass)) return pItem;
      for (int i = 0; i < pItem->GetChildCount(); ++i)
        if (CItem* pFound = In(pItem->GetChild(i), pClass)) return pFound;
      return nullptr;
    }
  };
  m_pFoundItem = Search::In(pItem, pClass);
  return m_pFoundItem;
}
