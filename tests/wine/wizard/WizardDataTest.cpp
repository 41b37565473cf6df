// The wizard data: lookups, mode queries, and who frees what whatever the order a run ends in.
#include "wizard/WizardData.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

namespace {

// Destructions per object id: a count of 2 is a double free, 0 a leak.
std::map<int, int> g_deletions;
int g_nextId = 0;

template <class T>
class Counted : public T {
 public:
  template <class... A>
  explicit Counted(A... args) : T(args...), m_nId(g_nextId++) {
    g_deletions[m_nId] = 0;
  }
  ~Counted() override { ++g_deletions[m_nId]; }

 private:
  int m_nId;
};

TEST(WizardData, FindsTheFirstRecordOfAPageAndComparesTheWholeMode) {
  CWizardData data;
  CPageData* pFirst = new CPageData(7);
  CPageData* pSecond = new CPageData(7);
  pSecond->m_nTargetPage = 9;
  data.m_arrPageData.Add(pFirst);
  data.m_arrPageData.Add(pSecond);
  EXPECT_EQ(data.GetOwnerPageData(7), pFirst) << "the first record added wins";
  EXPECT_EQ(data.GetTargetPageData(9), pSecond);
  EXPECT_EQ(data.GetTargetPageData(0), pFirst) << "a new record leads to page 0";
  EXPECT_EQ(data.GetOwnerPageData(9), nullptr);

  struct Mode {
    int nMode;
    BOOL bLoad, bUser, bXact, bProject;
  };
  for (const Mode& m :
       {Mode{0, 0, 0, 0, 0}, Mode{1, 1, 0, 0, 0}, Mode{2, 0, 1, 0, 0}, Mode{3, 0, 0, 0, 0},
        Mode{4, 0, 0, 1, 0}, Mode{8, 0, 0, 0, 1}, Mode{12, 0, 0, 0, 0}}) {
    data.m_nWizardMode = m.nMode;
    EXPECT_EQ(data.IsLoadScenarioWizardMode(), m.bLoad) << "mode " << m.nMode;
    EXPECT_EQ(data.IsUserScenarioWizardMode(), m.bUser) << "mode " << m.nMode;
    EXPECT_EQ(data.IsTransactionWizardMode(), m.bXact) << "mode " << m.nMode;
    EXPECT_EQ(data.IsNewProjectWizardMode(), m.bProject) << "mode " << m.nMode;
  }
}

enum Step { Finish, Reset, PageLeaves };

// A run filled the way pages fill it: loose and nested transactions, tests, a job holding a
// test, page records, host objects, a profile and a finish object.
struct WizardRun {
  explicit WizardRun(bool bProfileHeld) {
    pData = std::make_unique<CWizardData>();
    CXact* pParent = new Counted<CXact>(_T("parent"));
    pParent->AddXact(new Counted<CXact>(_T("child")));
    pData->m_arrTransactions.Add(pParent);
    pData->m_arrUserXacts.Add(new Counted<CXact>(_T("user")));
    CTest* pTest = new Counted<CTest>(_T("loose"));
    pTest->AddXact(new Counted<CXact>(_T("in test")), nullptr);
    pData->m_arrTests.Add(pTest);
    pData->m_arrTests.Add(new Counted<CTest>(_T("loose 2")));
    CJob* pJob = new Counted<CJob>(_T("job"));
    pJob->AddTest(new Counted<CTest>(_T("in job")));
    pData->m_arrJobs.Add(pJob);
    for (int nPage : {1, 2, 3}) pData->m_arrPageData.Add(new Counted<CPageData>(nPage));
    pData->m_arrOwned.Add(new Counted<CObject>());
    pData->m_arrBenchmarkProps.Add(pProps = new Counted<CBenchmarkProperties>());
    pData->m_pProfile = pProfile = new Counted<CProfile>(_T("wizard profile"), 1);
    if (bProfileHeld) {
      EXPECT_TRUE(TKWGetProfileManager()->AddProfile(pProfile));
    }
    pData->m_pFinishObject = new Counted<CObject>();
  }

  // The sheet goes: the data dies; the transactions and jobs it forgets go back to the host,
  // which frees them.
  void Destroy() {
    std::vector<CObject*> forgotten;
    for (CObArray* pList : {static_cast<CObArray*>(&pData->m_arrTransactions),
                            static_cast<CObArray*>(&pData->m_arrUserXacts),
                            static_cast<CObArray*>(&pData->m_arrJobs)})
      for (INT_PTR i = 0; i < pList->GetSize(); ++i) forgotten.push_back(pList->GetAt(i));
    pData.reset();
    for (CObject* pObject : forgotten) delete pObject;
    delete pProps;  // benchmark properties are emptied, never freed
    if (TKWGetProfileManager()->RemoveProfile(pProfile)) delete pProfile;
  }

  std::unique_ptr<CWizardData> pData;
  CProfile* pProfile = nullptr;
  CBenchmarkProperties* pProps = nullptr;
};

// A page that goes first takes its own record out and frees it.
void LeavePage(CWizardData& data) {
  if (data.m_arrPageData.GetSize() == 0) return;
  CObject* pRecord = data.m_arrPageData.GetAt(0);
  data.m_arrPageData.RemoveAt(0);
  delete pRecord;
}

TEST(WizardData, EveryObjectIsFreedOnceWhateverTheOrderTheRunEndsIn) {
  const std::vector<std::vector<Step>> orders = {
      {},
      {Finish},
      {Reset},
      {Finish, Reset},
      {Reset, Finish},
      {PageLeaves, Finish},
      {Finish, Finish},
      {Reset, Reset},
      {PageLeaves, Reset, Finish},
      {Reset, PageLeaves, PageLeaves, PageLeaves, PageLeaves}};
  for (bool bProfileHeld : {false, true}) {
    for (size_t nOrder = 0; nOrder < orders.size(); ++nOrder) {
      g_deletions.clear();
      WizardRun run(bProfileHeld);
      for (Step step : orders[nOrder]) {
        if (step == Finish) run.pData->DoFinishAction();
        if (step == Reset) run.pData->ResetData();
        if (step == PageLeaves) LeavePage(*run.pData);
      }
      if (bProfileHeld && !orders[nOrder].empty()) {
        EXPECT_TRUE(TKWGetProfileManager()->ProfileExist(run.pProfile))
            << "a profile the manager holds survives the run";
      }
      run.Destroy();
      for (const auto& [nId, nCount] : g_deletions)
        EXPECT_EQ(nCount, 1) << "object " << nId << ", order " << nOrder << ", profile held "
                             << bProfileHeld;
    }
  }
}

TEST(WizardData, ResetEmptiesTheListsAndFinishOnlyTheRecords) {
  g_deletions.clear();
  WizardRun run(false);
  CWizardData& data = *run.pData;
  data.m_nHostIndex1 = data.m_nHostIndex3 = data.m_nHostIndex4 = 5;
  data.DoFinishAction();
  EXPECT_EQ(data.m_arrPageData.GetSize(), 0);
  EXPECT_EQ(data.m_pFinishObject, nullptr);
  EXPECT_EQ(data.m_arrTests.GetSize(), 2) << "finishing keeps the collected items";
  EXPECT_NE(data.m_pProfile, nullptr);
  data.ResetData();
  for (INT_PTR nSize : {data.m_arrTransactions.GetSize(), data.m_arrUserXacts.GetSize(),
                        data.m_arrTests.GetSize(), data.m_arrJobs.GetSize()})
    EXPECT_EQ(nSize, 0);
  EXPECT_EQ(data.m_pProfile, nullptr);
  EXPECT_EQ(data.m_nHostIndex1, 5) << "only the last two host indices reset";
  EXPECT_EQ(data.m_nHostIndex3, -1);
  EXPECT_EQ(data.m_nHostIndex4, -1);
  run.Destroy();
  for (const auto& [nId, nCount] : g_deletions) EXPECT_EQ(nCount, 1) << "object " << nId;
}

}  // namespace
