// The job model: who owns which transaction, test and job, and what the wizard's moves rely on.
#include "QXJob.h"
#include "QXRunSettings.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

namespace {

// T that counts its destructions, so a test can see who deleted what.
template <class T>
class Counted : public T {
 public:
  using T::T;
  ~Counted() override { ++s_nDeleted; }
  static int s_nDeleted;
};
template <class T>
int Counted<T>::s_nDeleted = 0;

using CountedXact = Counted<CXact>;
using CountedTest = Counted<CTest>;

// A user transaction: the kind the wizard moves out of a tree into a test.
class CUserXact : public CountedXact {
  DECLARE_DYNAMIC(CUserXact)

 public:
  explicit CUserXact(LPCTSTR lpszName) : CountedXact(lpszName) {}
};
IMPLEMENT_DYNAMIC(CUserXact, CXact)

class JobModel : public testing::Test {
 protected:
  void SetUp() override { CountedXact::s_nDeleted = CountedTest::s_nDeleted = 0; }
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
    CXact* pA = new CountedXact(_T("a"));
    CXact* pB = new CountedXact(_T("b"));
    EXPECT_EQ(root.AddXact(pA), 0);
    EXPECT_EQ(root.AddXact(new CountedXact(_T("c"))), 1);
    EXPECT_EQ(root.AddXact(pB, pA), 1) << "inserted after a";
    EXPECT_EQ(Names(&root), CString(_T("a,b,c")));
    EXPECT_EQ(pB->GetParent(), &root);
    EXPECT_EQ(root.GetXact(3), nullptr);
    EXPECT_EQ(root.GetXact(-1), nullptr);
    for (CXact* pRefused : {pB, &root, pA, static_cast<CXact*>(NULL)})
      EXPECT_EQ(pA->AddXact(pRefused), -1) << "no second parent, no cycle, no null";

    EXPECT_EQ(root.RemoveXact(1), pB) << "removing hands the child back";
    EXPECT_EQ(pB->GetParent(), nullptr);
    EXPECT_EQ(CountedXact::s_nDeleted, 0);
    EXPECT_EQ(pA->AddXact(pB), 0) << "a removed child can be adopted elsewhere";
    EXPECT_FALSE(root.RemoveXact(pB)) << "b is no longer root's child";
    EXPECT_EQ(root.RemoveXact(7), nullptr);
  }
  EXPECT_EQ(CountedXact::s_nDeleted, 3) << "the root deleted its children and grandchildren";

  CXact root(_T("root"));
  CXact* pA = new CountedXact(_T("a"));
  root.AddXact(pA);
  root.AddXact(new CountedXact(_T("b")));
  CXactArray selection;  // the wizard's list of chosen transactions borrows them
  selection.Add(pA);
  selection.DeleteAll();
  EXPECT_EQ(Names(&root), CString(_T("b"))) << "a transaction deleted elsewhere leaves its parent";
}

template <class A>
class OwningArray : public testing::Test {};
using Arrays = testing::Types<CXactArray, CJobArray, CIterArray, CBenchmarkPropertiesArray>;
TYPED_TEST_SUITE(OwningArray, Arrays);

TYPED_TEST(OwningArray, FreesItsElementsOnlyInDeleteAll) {
  using Element = std::remove_pointer_t<decltype(std::declval<TypeParam&>().GetAt(0))>;
  Counted<Element>::s_nDeleted = 0;
  Counted<Element> borrowed;
  {
    TypeParam arr;
    arr.Add(&borrowed);
    arr.RemoveAll();
    arr.Add(&borrowed);
    EXPECT_EQ(arr.Find(&borrowed), 0);
  }
  EXPECT_EQ(Counted<Element>::s_nDeleted, 0) << "RemoveAll and the destructor only forget";
  TypeParam owned;
  owned.Add(new Counted<Element>());
  owned.Add(new Counted<Element>());
  owned.DeleteAll();
  EXPECT_EQ(Counted<Element>::s_nDeleted, 2);
  EXPECT_EQ(owned.GetSize(), 0);
  owned.DeleteAll();
  EXPECT_EQ(Counted<Element>::s_nDeleted, 2) << "nothing left: nothing happens";
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

TEST_F(JobModel, MovingUserTransactionsIntoATestOfAJobKeepsEveryOneOwnedOnce) {
  {
    CTest* pTest = new CountedTest(_T("test"));
    {
      CXact root(_T("root"));
      CXact* pFolder = new CountedXact(_T("folder"));
      root.AddXact(new CUserXact(_T("u1")));
      root.AddXact(pFolder);
      pFolder->AddXact(new CUserXact(_T("u2")));
      pFolder->AddXact(new CountedXact(_T("plain")));
      pFolder->AddXact(new CUserXact(_T("u3")));
      EXPECT_FALSE(TransferItems(pTest, &root, RUNTIME_CLASS(CUserXact)));
      EXPECT_EQ(Names(&root), CString(_T("folder")));
      EXPECT_EQ(Names(pFolder), CString(_T("plain")));
      ASSERT_EQ(pTest->GetXactCount(), 3);
      EXPECT_EQ(pTest->GetXact(2)->GetName(), CString(_T("u3")));
      EXPECT_EQ(pTest->GetXact(1)->GetParent(), nullptr);
    }
    EXPECT_EQ(CountedXact::s_nDeleted, 2) << "the tree deleted only what it still held";
    CJob job(_T("job"));
    EXPECT_EQ(job.AddTest(pTest, NULL), 0);
    EXPECT_EQ(job.AddTest(pTest, NULL), -1) << "a test is held once";
    CTest* pSecond = new CountedTest(_T("second"));
    CTest* pMiddle = new CountedTest(_T("middle"));
    EXPECT_EQ(job.AddTest(pSecond, pTest), 1);
    EXPECT_EQ(job.AddTest(pMiddle, pTest), 1) << "after the given test";
    EXPECT_EQ(job.GetTest(2), pSecond);
    EXPECT_EQ(job.RemoveTest(1), pMiddle);
    delete pMiddle;
  }
  EXPECT_EQ(CountedXact::s_nDeleted, 5);
  EXPECT_EQ(CountedTest::s_nDeleted, 3);
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
