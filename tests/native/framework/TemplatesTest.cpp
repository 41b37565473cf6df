// Collection templates: element lifetimes, shifting, growth, iteration while removing, rehashing.
#include "afxtempl.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <set>
#include <string>

namespace {

// Counts live instances so that leaks and double destruction show up as a wrong count.
struct Tracked {
  static int live;
  int value;
  Tracked() : value(0) { ++live; }
  Tracked(int v) : value(v) { ++live; }  // NOLINT: converting on purpose, like a handle type
  Tracked(const Tracked& o) : value(o.value) { ++live; }
  Tracked& operator=(const Tracked& o) {
    value = o.value;
    return *this;
  }
  ~Tracked() { --live; }
  bool operator==(const Tracked& o) const { return value == o.value; }
};
int Tracked::live = 0;

int g_asserts = 0;
void AFXAPI CountAssert(LPCSTR, int, LPCSTR) {
  ++g_asserts;
}

// Expects exactly one CInvalidArgException from f, with the assert hook counting instead of
// printing.
bool ThrowsInvalidArg(const std::function<void()>& f) {
  AFX_ASSERT_HOOK old = AfxSetAssertHook(CountAssert);
  bool thrown = false;
  try {
    f();
  } catch (CInvalidArgException* e) {
    thrown = true;
    e->Delete();
  }
  AfxSetAssertHook(old);
  return thrown;
}

std::string Dump(const CArray<Tracked>& a) {
  std::string s;
  for (INT_PTR i = 0; i < a.GetSize(); ++i) s += std::to_string(a[i].value) + " ";
  return s;
}

template <class L>
std::string Dump(const L& list) {
  std::string s;
  for (POSITION pos = list.GetHeadPosition(); pos;) s += std::to_string(list.GetNext(pos));
  return s;
}

// ---- element lifetimes

TEST(CollectionElements, AreConstructedAndDestroyedExactlyOnce) {
  Tracked::live = 0;
  {
    CArray<Tracked> a;
    a.SetSize(10);
    a.SetSize(3);  // shrinking destroys the tail
    EXPECT_EQ(3, Tracked::live);
    for (int i = 0; i < 100; ++i) a.Add(Tracked(i));
    a.RemoveAt(0, 50);
    a.InsertAt(10, Tracked(7), 5);
    a.FreeExtra();
    EXPECT_EQ(58, Tracked::live);

    CList<Tracked> list;
    for (int i = 0; i < 20; ++i) list.AddTail(Tracked(i));
    Tracked head = list.RemoveHead();
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(58 + 19, Tracked::live);  // 18 in the list plus the head taken out

    CMap<int, int, Tracked, const Tracked&> map;
    for (int i = 0; i < 500; ++i) map.SetAt(i, Tracked(i));
    map.RemoveKey(3);
    map.InitHashTable(101);  // rehashing a filled map must keep the entries
    EXPECT_EQ(58 + 19 + 499, Tracked::live);
    Tracked found;
    EXPECT_TRUE(map.Lookup(250, found));
    EXPECT_EQ(250, found.value);
  }
  EXPECT_EQ(0, Tracked::live) << "every collection must destroy its elements";
}

// ---- CArray

TEST(CArray, InsertRemoveAndResizeMoveTheRightElements) {
  CArray<Tracked> a;
  for (int i = 0; i < 5; ++i) a.Add(Tracked(i));
  a.InsertAt(2, Tracked(9), 2);
  EXPECT_EQ("0 1 9 9 2 3 4 ", Dump(a));
  a.RemoveAt(1, 3);
  EXPECT_EQ("0 2 3 4 ", Dump(a));
  a.InsertAt(1, &a);  // an array into itself
  EXPECT_EQ("0 0 2 3 4 2 3 4 ", Dump(a));
  a.InsertAt(10, Tracked(8), 2);  // past the end leaves a gap of defaults
  EXPECT_EQ("0 0 2 3 4 2 3 4 0 0 8 8 ", Dump(a));
  a.SetSize(3);
  a.SetSize(5);
  EXPECT_EQ("0 0 2 0 0 ", Dump(a)) << "regrown elements must not keep their old values";
}

TEST(CArray, GrowingKeepsDataEvenWhenTheNewElementLivesInTheArray) {
  CArray<Tracked> a;
  a.SetSize(0, 100);
  a.Add(Tracked(42));
  for (int i = 0; i < 200; ++i) a.Add(a[0]);  // the argument refers into the storage that moves
  for (INT_PTR i = 0; i < a.GetSize(); ++i) ASSERT_EQ(42, a[i].value) << "at " << i;
  a.SetAtGrow(1000, a[0]);
  EXPECT_EQ(1001, a.GetSize());
  EXPECT_EQ(42, a[1000].value);
  EXPECT_EQ(0, a[999].value);
  a.RemoveAll();
  EXPECT_EQ(nullptr, a.GetData());
  EXPECT_EQ(-1, a.GetUpperBound());
}

// ---- CList

TEST(CList, RemovingTheReturnedElementWhileWalking) {
  CList<int, int> list;
  for (int i = 0; i < 10; ++i) list.AddTail(i);
  POSITION pos = list.GetHeadPosition();
  while (pos) {
    POSITION cur = pos;
    if (list.GetNext(pos) % 2 == 0) list.RemoveAt(cur);
  }
  EXPECT_EQ("13579", Dump(list));
  std::string backward;
  for (pos = list.GetTailPosition(); pos;) backward += std::to_string(list.GetPrev(pos));
  EXPECT_EQ("97531", backward);
}

TEST(CList, InsertAroundPositionsEndsAndItself) {
  CList<int, int> list;
  POSITION p2 = list.AddTail(2);
  list.InsertBefore(p2, 1);
  list.InsertAfter(p2, 3);
  list.InsertBefore(NULL, 0);  // NULL means the head
  list.InsertAfter(NULL, 4);   // and the tail
  EXPECT_EQ("01234", Dump(list));
  EXPECT_EQ(p2, list.FindIndex(2));
  EXPECT_EQ(NULL, list.FindIndex(5));
  EXPECT_EQ(NULL, list.FindIndex(-1));
  EXPECT_EQ(0, list.RemoveHead());
  EXPECT_EQ(4, list.RemoveTail());
  list.RemoveAt(p2);
  EXPECT_EQ("13", Dump(list));
  list.AddHead(&list);
  list.AddTail(&list);
  EXPECT_EQ("13131313", Dump(list));
}

TEST(CList, FindContinuesAfterAPositionAndComparesCase) {
  CList<CString, LPCTSTR> list;
  for (const wchar_t* s : {L"a", L"b", L"a"}) list.AddTail(s);
  POSITION first = list.Find(L"a");
  EXPECT_EQ(list.GetHeadPosition(), first);
  EXPECT_EQ(list.GetTailPosition(), list.Find(L"a", first));
  EXPECT_EQ(NULL, list.Find(L"a", list.GetTailPosition()));
  EXPECT_EQ(NULL, list.Find(L"A"));
}

// ---- CMap

TEST(CMap, ManyKeysSurviveRehashing) {
  CMap<int, int, int, int> map;
  const int n = 20000;
  for (int i = 0; i < n; ++i) map.SetAt(i * 7, i);
  EXPECT_EQ(n, map.GetCount());
  EXPECT_GT(map.GetHashTableSize(), 17u) << "the table must grow with the map";
  for (int i = 0; i < n; ++i) {
    int v = -1;
    ASSERT_TRUE(map.Lookup(i * 7, v)) << "key " << i * 7;
    ASSERT_EQ(i, v);
  }
  for (int i = 0; i < n; i += 2) ASSERT_TRUE(map.RemoveKey(i * 7));
  EXPECT_FALSE(map.RemoveKey(0));
  EXPECT_EQ(n / 2, map.GetCount());
}

TEST(CMap, IterationVisitsEveryEntryOnceEvenWhileRemovingThem) {
  CMap<int, int, CString, LPCTSTR> map;
  map.InitHashTable(7);
  for (int i = 0; i < 100; ++i) map[i].Format(L"v%d", i);
  std::set<int> seen;
  for (POSITION pos = map.GetStartPosition(); pos;) {
    int key;
    CString value, expected;
    map.GetNextAssoc(pos, key, value);
    EXPECT_TRUE(seen.insert(key).second) << "key " << key << " visited twice";
    expected.Format(L"v%d", key);
    EXPECT_EQ(expected, value);
    map.RemoveKey(key);
  }
  EXPECT_EQ(100u, seen.size());
  EXPECT_EQ(NULL, map.GetStartPosition());
}

TEST(CMap, StringKeysAreCaseSensitiveHoweverTheyArePassed) {
  CMap<CString, LPCTSTR, int, int> map;
  map[L"Key"] = 1;
  map[L"key"] = 2;
  map[CString(L"KEY")] = 3;
  map[L"key"] = 20;  // replacing does not add
  EXPECT_EQ(3, map.GetCount());
  EXPECT_TRUE(map.RemoveKey(L"Key"));
  int v = 0;
  EXPECT_FALSE(map.Lookup(L"kEy", v));
  EXPECT_TRUE(map.Lookup(L"key", v));
  EXPECT_EQ(20, v);
  EXPECT_EQ(HashKey<LPCWSTR>(L"x"), HashKey<const CString&>(CString(L"x")))
      << "the same text must hash alike whichever way the key is passed";
}

// ---- misuse and typed wrappers

TEST(CollectionBadInput, MisuseThrowsTheFrameworkExceptionAndChangesNothing) {
  CArray<int, int> a;
  a.Add(1);
  CList<int, int> list;
  CMap<int, int, int, int> map;
  map[1] = 1;
  POSITION end = map.GetStartPosition();
  int k, v;
  map.GetNextAssoc(end, k, v);
  POSITION none = NULL;

  const std::function<void()> arrayMisuses[] = {[&] { a.GetAt(1); },    [&] { a.SetAt(-1, 0); },
                                                [&] { a[5] = 3; },      [&] { a.RemoveAt(0, 2); },
                                                [&] { a.RemoveAt(1); }, [&] { a.InsertAt(-1, 0); },
                                                [&] { a.SetSize(-1); }, [&] { a.Append(a); }};
  g_asserts = 0;
  for (size_t i = 0; i < std::size(arrayMisuses); ++i)
    EXPECT_TRUE(ThrowsInvalidArg(arrayMisuses[i])) << "array misuse " << i;
  EXPECT_EQ(int(std::size(arrayMisuses)), g_asserts) << "each misuse must also assert";
  EXPECT_EQ(1, a.GetSize());
  EXPECT_EQ(1, a[0]);

  const std::function<void()> otherMisuses[] = {
      [&] { list.GetHead(); }, [&] { list.RemoveTail(); }, [&] { list.RemoveAt(NULL); },
      [&] { list.GetNext(none); }, [&] { map.GetNextAssoc(end, k, v); }};
  for (size_t i = 0; i < std::size(otherMisuses); ++i)
    EXPECT_TRUE(ThrowsInvalidArg(otherMisuses[i])) << "list or map misuse " << i;
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(1, map.GetCount());
}

class CShape : public CObject {
 public:
  explicit CShape(int n) : sides(n) {}
  int sides;
};

TEST(CTypedPtr, CollectionsHandBackTheirOwnType) {
  CShape tri(3), quad(4);
  CTypedPtrArray<CArray<CObject*, CObject*>, CShape*> arr;
  arr.Add(&tri);
  arr[0] = &quad;  // written through the typed reference
  EXPECT_EQ(4, arr.GetAt(0)->sides);
}

}  // namespace
