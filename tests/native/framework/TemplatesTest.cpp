// Collection templates: element lifetimes, shifting, growth, iteration while removing, rehashing.
#include "afxtempl.h"

#include <gtest/gtest.h>

#include <map>
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
template <class F>
bool ThrowsInvalidArg(F f) {
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

template <class A>
std::string Dump(const A& a) {
  std::string s;
  for (INT_PTR i = 0; i < a.GetSize(); ++i) s += std::to_string(a[i].value) + " ";
  return s;
}

TEST(CArrayElements, ConstructedAndDestroyedExactlyOnce) {
  Tracked::live = 0;
  {
    CArray<Tracked> a;
    a.SetSize(10);
    EXPECT_EQ(10, Tracked::live);
    a.SetSize(3);  // shrinking destroys the tail
    EXPECT_EQ(3, Tracked::live);
    for (int i = 0; i < 100; ++i) a.Add(Tracked(i));
    EXPECT_EQ(103, Tracked::live);
    a.RemoveAt(0, 50);
    EXPECT_EQ(53, Tracked::live);
    a.InsertAt(10, Tracked(7), 5);
    EXPECT_EQ(58, Tracked::live);
    a.FreeExtra();
    EXPECT_EQ(58, Tracked::live);
  }
  EXPECT_EQ(0, Tracked::live) << "the array must destroy its elements";
}

TEST(CArrayElements, ShrinkingThenGrowingGivesFreshDefaults) {
  CArray<int, int> a;
  for (int i = 1; i <= 5; ++i) a.Add(i);
  a.SetSize(2);
  a.SetSize(4);
  EXPECT_EQ(1, a[0]);
  EXPECT_EQ(2, a[1]);
  EXPECT_EQ(0, a[2]) << "an element regrown after shrinking must not keep its old value";
  EXPECT_EQ(0, a[3]);
}

TEST(CArrayShifting, InsertAndRemoveMoveTheRightElements) {
  CArray<Tracked> a;
  for (int i = 0; i < 5; ++i) a.Add(Tracked(i));
  a.InsertAt(2, Tracked(9), 2);
  EXPECT_EQ("0 1 9 9 2 3 4 ", Dump(a));
  a.RemoveAt(1, 3);
  EXPECT_EQ("0 2 3 4 ", Dump(a));
  a.InsertAt(4, Tracked(5));  // at the end
  EXPECT_EQ("0 2 3 4 5 ", Dump(a));
  a.InsertAt(8, Tracked(8), 2);  // past the end leaves a gap of defaults
  EXPECT_EQ("0 2 3 4 5 0 0 0 8 8 ", Dump(a));
  a.RemoveAt(a.GetUpperBound());
  EXPECT_EQ(9, a.GetSize());
}

TEST(CArrayShifting, InsertingAnArrayIntoItself) {
  CArray<int, int> a;
  for (int i = 0; i < 3; ++i) a.Add(i);
  a.InsertAt(1, &a);
  ASSERT_EQ(6, a.GetSize());
  const int expected[] = {0, 0, 1, 2, 1, 2};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(expected[i], a[i]) << "at " << i;
}

TEST(CArrayGrowth, AddingAnElementOfTheSameArraySurvivesReallocation) {
  CArray<Tracked> a;
  a.Add(Tracked(42));
  for (int i = 0; i < 200; ++i) a.Add(a[0]);  // the argument refers into the storage that moves
  for (INT_PTR i = 0; i < a.GetSize(); ++i) ASSERT_EQ(42, a[i].value) << "at " << i;
  a.SetAtGrow(1000, a[0]);
  EXPECT_EQ(1001, a.GetSize());
  EXPECT_EQ(42, a[1000].value);
  EXPECT_EQ(0, a[999].value);
}

TEST(CArrayGrowth, GrowByKeepsData) {
  CArray<int, int> a;
  a.SetSize(0, 100);
  for (int i = 0; i < 1000; ++i) a.Add(i * 3);
  const int* p = a.GetData();
  ASSERT_NE(nullptr, p);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(i * 3, p[i]);
  a.RemoveAll();
  EXPECT_EQ(nullptr, a.GetData());
  EXPECT_EQ(-1, a.GetUpperBound());
}

TEST(CArrayBadInput, OutOfRangeAssertsAndThrows) {
  CArray<int, int> a;
  a.Add(1);
  g_asserts = 0;
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetAt(-1, 0); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a[5] = 3; }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(0, 2); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.InsertAt(-1, 0); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetSize(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.Append(a); }));
  EXPECT_EQ(8, g_asserts) << "each misuse must also assert";
  EXPECT_EQ(1, a.GetSize()) << "a rejected call must leave the array alone";
  EXPECT_EQ(1, a[0]);
}

// ---- CList

TEST(CListIteration, RemovingTheReturnedElementWhileWalking) {
  CList<int, int> list;
  for (int i = 0; i < 10; ++i) list.AddTail(i);
  POSITION pos = list.GetHeadPosition();
  while (pos) {
    POSITION cur = pos;
    if (list.GetNext(pos) % 2 == 0) list.RemoveAt(cur);
  }
  EXPECT_EQ(5, list.GetCount());
  std::string forward, backward;
  for (pos = list.GetHeadPosition(); pos;) forward += std::to_string(list.GetNext(pos));
  for (pos = list.GetTailPosition(); pos;) backward += std::to_string(list.GetPrev(pos));
  EXPECT_EQ("13579", forward);
  EXPECT_EQ("97531", backward);
}

TEST(CListEditing, InsertAroundPositionsAndEnds) {
  CList<int, int> list;
  POSITION p2 = list.AddTail(2);
  list.InsertBefore(p2, 1);
  list.InsertAfter(p2, 3);
  list.InsertBefore(NULL, 0);  // NULL means the head
  list.InsertAfter(NULL, 4);   // and the tail
  EXPECT_EQ(0, list.GetHead());
  EXPECT_EQ(4, list.GetTail());
  EXPECT_EQ(p2, list.FindIndex(2));
  EXPECT_EQ(NULL, list.FindIndex(5));
  EXPECT_EQ(NULL, list.FindIndex(-1));
  EXPECT_EQ(0, list.RemoveHead());
  EXPECT_EQ(4, list.RemoveTail());
  list.RemoveAt(p2);
  EXPECT_EQ(2, list.GetCount());
  EXPECT_EQ(1, list.GetHead());
  EXPECT_EQ(3, list.GetTail());
  EXPECT_EQ(list.GetTailPosition(), list.Find(3));
}

TEST(CListEditing, FindContinuesAfterAPosition) {
  CList<CString, LPCTSTR> list;
  list.AddTail(L"a");
  list.AddTail(L"b");
  list.AddTail(L"a");
  POSITION first = list.Find(L"a");
  POSITION second = list.Find(L"a", first);
  EXPECT_EQ(list.GetHeadPosition(), first);
  EXPECT_EQ(list.GetTailPosition(), second);
  EXPECT_EQ(NULL, list.Find(L"a", second));
  EXPECT_EQ(NULL, list.Find(L"A")) << "search is case-sensitive";
}

TEST(CListEditing, AddingAListToItselfDoublesIt) {
  CList<int, int> list;
  list.AddTail(1);
  list.AddTail(2);
  list.AddHead(&list);
  list.AddTail(&list);
  std::string s;
  for (POSITION pos = list.GetHeadPosition(); pos;) s += std::to_string(list.GetNext(pos));
  EXPECT_EQ("12121212", s);
}

TEST(CListElements, DestroyedOnRemovalAndWithTheList) {
  Tracked::live = 0;
  {
    CList<Tracked> list;
    for (int i = 0; i < 20; ++i) list.AddTail(Tracked(i));
    EXPECT_EQ(20, Tracked::live);
    Tracked t = list.RemoveHead();
    EXPECT_EQ(0, t.value);
    EXPECT_EQ(20, Tracked::live);  // 19 in the list plus t
    list.RemoveAt(list.GetTailPosition());
    EXPECT_EQ(19, Tracked::live);
  }
  EXPECT_EQ(0, Tracked::live);
}

TEST(CListBadInput, EmptyListAndNullPositionThrow) {
  CList<int, int> list;
  EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveAt(NULL); }));
  POSITION pos = NULL;
  EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetNext(pos); }));
  EXPECT_TRUE(list.IsEmpty());
}

// ---- CMap

TEST(CMapGrowth, ManyKeysSurviveRehashing) {
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
  int v;
  EXPECT_FALSE(map.Lookup(1, v));
  for (int i = 0; i < n; i += 2) ASSERT_TRUE(map.RemoveKey(i * 7));
  EXPECT_FALSE(map.RemoveKey(0));
  EXPECT_EQ(n / 2, map.GetCount());
}

TEST(CMapIteration, VisitsEveryEntryOnceEvenWhileRemovingThem) {
  CMap<int, int, CString, LPCTSTR> map;
  map.InitHashTable(7);
  for (int i = 0; i < 100; ++i) map[i].Format(L"v%d", i);
  std::set<int> seen;
  POSITION pos = map.GetStartPosition();
  while (pos) {
    int key;
    CString value;
    map.GetNextAssoc(pos, key, value);
    EXPECT_TRUE(seen.insert(key).second) << "key " << key << " visited twice";
    CString expected;
    expected.Format(L"v%d", key);
    EXPECT_EQ(expected, value);
    map.RemoveKey(key);
  }
  EXPECT_EQ(100u, seen.size());
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(NULL, map.GetStartPosition());
}

TEST(CMapKeys, StringKeysAreCaseSensitive) {
  CMap<CString, LPCTSTR, int, int> map;
  map[L"Key"] = 1;
  map[L"key"] = 2;
  map[CString(L"KEY")] = 3;
  EXPECT_EQ(3, map.GetCount());
  int v = 0;
  EXPECT_TRUE(map.Lookup(L"key", v));
  EXPECT_EQ(2, v);
  EXPECT_FALSE(map.Lookup(L"kEy", v));
  map[L"key"] = 20;  // replacing does not add
  EXPECT_EQ(3, map.GetCount());
  EXPECT_TRUE(map.RemoveKey(L"Key"));
  EXPECT_TRUE(map.Lookup(L"key", v));
  EXPECT_EQ(20, v);
}

TEST(CMapKeys, CStringArgumentKeysAndPointerKeys) {
  CMap<CString, const CString&, int, int> byName;
  byName.SetAt(CString(L"x"), 1);
  int v = 0;
  EXPECT_TRUE(byName.Lookup(CString(L"x"), v));
  EXPECT_EQ(HashKey<LPCWSTR>(L"x"), HashKey<const CString&>(CString(L"x")))
      << "the same text must hash alike whichever way the key is passed";

  int a = 0, b = 0;
  CMap<void*, void*, int, int> byPtr;
  byPtr[&a] = 1;
  byPtr[&b] = 2;
  EXPECT_TRUE(byPtr.Lookup(&b, v));
  EXPECT_EQ(2, v);
}

TEST(CMapElements, ValuesDestroyedWithTheMap) {
  Tracked::live = 0;
  {
    CMap<int, int, Tracked, const Tracked&> map;
    for (int i = 0; i < 500; ++i) map.SetAt(i, Tracked(i));
    EXPECT_EQ(500, Tracked::live);
    map.RemoveKey(3);
    EXPECT_EQ(499, Tracked::live);
    map.InitHashTable(101);  // rehashing a filled map must keep the entries
    Tracked t;
    EXPECT_TRUE(map.Lookup(250, t));
    EXPECT_EQ(250, t.value);
  }
  EXPECT_EQ(0, Tracked::live);
}

TEST(CMapPairs, EditValuesInPlaceAndWalkEveryEntry) {
  CMap<CString, LPCTSTR, int, int> map;
  for (int i = 0; i < 50; ++i) {
    CString key;
    key.Format(L"k%d", i);
    map[key] = i;
  }
  CMap<CString, LPCTSTR, int, int>::CPair* pair = map.PLookup(L"k7");
  ASSERT_NE(nullptr, pair);
  EXPECT_EQ(CString(L"k7"), pair->key);
  pair->value = 700;
  int v = 0;
  EXPECT_TRUE(map.Lookup(L"k7", v));
  EXPECT_EQ(700, v);
  EXPECT_EQ(nullptr, map.PLookup(L"K7"));

  int count = 0, sum = 0;
  for (const auto* p = map.PGetFirstAssoc(); p; p = map.PGetNextAssoc(p)) {
    ++count;
    sum += p->value;
  }
  EXPECT_EQ(50, count);
  EXPECT_EQ(49 * 50 / 2 - 7 + 700, sum);
}

TEST(CMapBadInput, IteratingPastTheEndThrows) {
  CMap<int, int, int, int> map;
  map[1] = 1;
  POSITION pos = map.GetStartPosition();
  int k, v;
  map.GetNextAssoc(pos, k, v);
  EXPECT_EQ(NULL, pos);
  EXPECT_TRUE(ThrowsInvalidArg([&] { map.GetNextAssoc(pos, k, v); }));
}

// ---- typed pointer collections

class CShape : public CObject {
 public:
  explicit CShape(int n) : sides(n) {}
  int sides;
};

TEST(CTypedPtr, CollectionsHandBackTheirOwnType) {
  CShape tri(3), quad(4);
  CTypedPtrArray<CArray<CObject*, CObject*>, CShape*> arr;
  arr.Add(&tri);
  arr.Add(&quad);
  EXPECT_EQ(4, arr[1]->sides);
  arr[0] = &quad;  // written through the typed reference
  EXPECT_EQ(&quad, arr.GetAt(0));

  CTypedPtrList<CList<void*, void*>, CShape*> list;
  list.AddTail(&tri);
  list.AddHead(&quad);
  POSITION pos = list.GetHeadPosition();
  EXPECT_EQ(4, list.GetNext(pos)->sides);
  EXPECT_EQ(3, list.GetNext(pos)->sides);

  CTypedPtrMap<CMap<CString, LPCTSTR, CObject*, CObject*>, CString, CShape*> map;
  map.SetAt(L"tri", &tri);
  map[L"quad"] = &quad;
  CShape* found = NULL;
  EXPECT_TRUE(map.Lookup(L"quad", found));
  EXPECT_EQ(&quad, found);
  EXPECT_FALSE(map.Lookup(L"hex", found));
  EXPECT_EQ(&quad, found) << "a failed lookup leaves the output alone";
  int total = 0;
  for (POSITION p = map.GetStartPosition(); p;) {
    CString key;
    CShape* shape;
    map.GetNextAssoc(p, key, shape);
    total += shape->sides;
  }
  EXPECT_EQ(7, total);
}

}  // namespace
