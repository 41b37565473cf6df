// The job model: who owns which transaction, test and job, and what the wizard's moves rely on.
#include "QXJob.h"
#include "QXRunSettings.h"

#include <gtest/gtest.h>

namespace {

// Counts its destructions, so a test can see who deleted what.
class CCountedXact : public CXact {
  DECLARE_DYNAMIC(CCountedXact)

 public:
  explicit CCountedXact(LPCTSTR lpszName) : CXact(lpszName) {}
  ~CCountedXact() override { ++s_nDeleted; }
  static int s_nDeleted;
};
int CCountedXact::s_nDeleted = 0;
IMPLEMENT_DYNAMIC(CCountedXact, CXact)

// A user transaction: the kind the wizard moves out of a tree into a test.
class CUserXact : public CCountedXact {
  DECLARE_DYNAMIC(CUserXact)

 public:
  explicit CUserXact(LPCTSTR lpszName) : CCountedXact(lpszName) {}
};
IMPLEMENT_DYNAMIC(CUserXact, CCountedXact)

class CCountedTest : public CTest {
 public:
  explicit CCountedTest(LPCTSTR lpszName) : CTest(lpszName) {}
  ~CCountedTest() override { ++s_nDeleted; }
  static int s_nDeleted;
};
int CCountedTest::s_nDeleted = 0;

class JobModel : public testing::Test {
 protected:
  void SetUp() override {
    CCountedXact::s_nDeleted = 0;
    CCountedTest::s_nDeleted = 0;
  }
};

CString Names(const CXact* pXact) {
  CString strNames;
  for (int i = 0; i < pXact->GetChildCount(); ++i)
    strNames += (i ? _T(",") : _T("")) + pXact->GetXact(i)->GetName();
  return strNames;
}

TEST_F(JobModel, ATransactionOwnsItsChildrenAndKeepsTheirParentLinks) {
  {
    CXact root(_T("root"));
    CXact* pA = new CCountedXact(_T("a"));
    CXact* pB = new CCountedXact(_T("b"));
    CXact* pC = new CCountedXact(_T("c"));
    EXPECT_EQ(root.AddXact(pA), 0);
    EXPECT_EQ(root.AddXact(pC), 1);
    EXPECT_EQ(root.AddXact(pB, pA), 1) << "inserted after a";
    EXPECT_EQ(Names(&root), CString(_T("a,b,c")));
    EXPECT_EQ(pB->GetParent(), &root);
    EXPECT_EQ(root.GetXactCount(), 3);
    EXPECT_EQ(root.GetXact(3), nullptr);
    EXPECT_EQ(root.GetXact(-1), nullptr);

    // No second parent, no cycles, no null.
    EXPECT_EQ(pA->AddXact(pB), -1);
    EXPECT_EQ(pA->AddXact(&root), -1);
    EXPECT_EQ(pA->AddXact(pA), -1);
    EXPECT_EQ(root.AddXact(NULL), -1);

    // Removing hands the child back without deleting it.
    CXact* pRemoved = root.RemoveXact(1);
    EXPECT_EQ(pRemoved, pB);
    EXPECT_EQ(pB->GetParent(), nullptr);
    EXPECT_EQ(CCountedXact::s_nDeleted, 0);
    EXPECT_EQ(pA->AddXact(pB), 0) << "a removed child can be adopted elsewhere";
    EXPECT_FALSE(root.RemoveXact(pB)) << "b is no longer root's child";
    EXPECT_EQ(root.RemoveXact(7), nullptr);
  }
  EXPECT_EQ(CCountedXact::s_nDeleted, 3) << "the root deleted its children and grandchildren";
}

TEST_F(JobModel, ATransactionDeletedThroughABorrowingArrayLeavesItsParent) {
  CXact root(_T("root"));
  CXact* pA = new CCountedXact(_T("a"));
  CXact* pB = new CCountedXact(_T("b"));
  root.AddXact(pA);
  root.AddXact(pB);
  CXactArray selection;  // the wizard's list of chosen transactions borrows them
  selection.Add(pA);
  selection.DeleteAll();
  EXPECT_EQ(CCountedXact::s_nDeleted, 1);
  EXPECT_EQ(Names(&root), CString(_T("b"))) << "the parent no longer lists the deleted child";
}

TEST_F(JobModel, SelectionMarksAreStoredAsGiven) {
  CXact xact(_T("x"));
  EXPECT_EQ(xact.GetSelected(), CXact::unselected);
  xact.SetSelected(CXact::partlySelected);
  EXPECT_EQ(xact.GetSelected(), 2);
}

TEST_F(JobModel, ArraysFreeTheirElementsOnlyInDeleteAll) {
  CCountedXact borrowed(_T("borrowed"));
  {
    CXactArray arr;
    arr.Add(&borrowed);
    EXPECT_EQ(arr.Find(&borrowed), 0);
  }
  EXPECT_EQ(CCountedXact::s_nDeleted, 0) << "the destructor forgets, it does not delete";

  CXactArray owned;
  owned.Add(new CCountedXact(_T("1")));
  owned.Add(new CCountedXact(_T("2")));
  owned.DeleteAll();
  EXPECT_EQ(CCountedXact::s_nDeleted, 2);
  EXPECT_EQ(owned.GetSize(), 0);
  owned.DeleteAll();  // nothing left: nothing happens
  EXPECT_EQ(CCountedXact::s_nDeleted, 2);

  CJobArray jobs;
  CJob* pJob = new CJob(_T("job"));
  pJob->AddTest(new CCountedTest(_T("t")));
  jobs.Add(pJob);
  EXPECT_EQ(jobs.Find(pJob), 0);
  jobs.DeleteAll();
  EXPECT_EQ(CCountedTest::s_nDeleted, 1) << "deleting a job deletes its tests";

  CIterArray iters;
  iters.Add(new CIteration(10, 5));
  iters.DeleteAll();
  EXPECT_EQ(iters.GetSize(), 0);
  CBenchmarkPropertiesArray props;
  props.Add(new CBenchmarkProperties(_T("a"), _T("b")));
  props.DeleteAll();
  EXPECT_EQ(props.GetSize(), 0);
}

// The wizard's move of user transactions out of a tree into a test: add to the test first,
// then remove from the parent by index, which must still name the same child.
BOOL TransferItems(CTest* pTest, CXact* pXact, CRuntimeClass* pClass) {
  if (pXact->IsKindOf(pClass)) {
    pTest->AddXact(pXact, NULL);
    return TRUE;
  }
  for (int i = 0; i < pXact->GetChildCount();) {
    if (TransferItems(pTest, pXact->GetXact(i), pClass))
      pXact->RemoveXact(i);
    else
      ++i;
  }
  return FALSE;
}

TEST_F(JobModel, MovingUserTransactionsIntoATestKeepsEveryOneOwnedOnce) {
  {
    CTest* pTest = new CCountedTest(_T("test"));
    {
      CXact root(_T("root"));
      CXact* pFolder = new CCountedXact(_T("folder"));
      root.AddXact(new CUserXact(_T("u1")));
      root.AddXact(pFolder);
      pFolder->AddXact(new CUserXact(_T("u2")));
      pFolder->AddXact(new CCountedXact(_T("plain")));
      pFolder->AddXact(new CUserXact(_T("u3")));
      EXPECT_FALSE(TransferItems(pTest, &root, RUNTIME_CLASS(CUserXact)));
      EXPECT_EQ(Names(&root), CString(_T("folder")));
      EXPECT_EQ(Names(pFolder), CString(_T("plain")));
      ASSERT_EQ(pTest->GetXactCount(), 3);
      EXPECT_EQ(pTest->GetXact(0)->GetName(), CString(_T("u1")));
      EXPECT_EQ(pTest->GetXact(2)->GetName(), CString(_T("u3")));
      EXPECT_EQ(pTest->GetXact(1)->GetParent(), nullptr);
    }
    EXPECT_EQ(CCountedXact::s_nDeleted, 2) << "the tree deleted only what it still held";
    CJob job(_T("job"));
    job.m_strJobSetting = _T("setting");
    EXPECT_EQ(job.AddTest(pTest, NULL), 0);
    EXPECT_EQ(job.AddTest(pTest, NULL), -1) << "a test is held once";
    CTest* pSecond = new CCountedTest(_T("second"));
    CTest* pMiddle = new CCountedTest(_T("middle"));
    EXPECT_EQ(job.AddTest(pSecond, pTest), 1);
    EXPECT_EQ(job.AddTest(pMiddle, pTest), 1) << "after the given test";
    EXPECT_EQ(job.GetTest(2), pSecond);
    EXPECT_EQ(job.RemoveTest(1), pMiddle);
    delete pMiddle;
    EXPECT_EQ(job.GetJobSetting(), CString(_T("setting")));
  }
  EXPECT_EQ(CCountedXact::s_nDeleted, 5);
  EXPECT_EQ(CCountedTest::s_nDeleted, 3);
}

TEST_F(JobModel, LatencyRefusesValuesThatDoNotFitTogether) {
  CLatency latency;
  EXPECT_EQ(latency.GetMode(), CLatency::fixed);
  EXPECT_FALSE(latency.Set(CLatency::random, 500, 100));
  EXPECT_FALSE(latency.Set(7, 0, 0));
  EXPECT_FALSE(latency.Set(CLatency::fixed, -1, 0));
  EXPECT_EQ(latency.GetMinimum(), 1000) << "a refused Set changes nothing";
  EXPECT_TRUE(latency.Set(CLatency::random, 100, 500));
  CLatency copy;
  copy = static_cast<const CXMLCmdTarget&>(latency);
  EXPECT_EQ(copy.GetMaximum(), 500);
}

}  // namespace
