// The ready-made collections: their runtime classes and the string-specific behaviour callers use.
#include "afxcoll.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(CollectionRuntimeClasses, CreatableByNameAndSerializableWhereTheyHoldValues) {
  std::unique_ptr<CObject> p(CRuntimeClass::CreateObject("CStringArray"));
  ASSERT_NE(nullptr, p);
  EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CStringArray)));
  EXPECT_TRUE(p->IsSerializable());
  EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CPtrArray"))
      << "pointer collections are not creatable";
  CPtrList ptrs;
  CObList obs;
  EXPECT_FALSE(ptrs.IsSerializable());
  EXPECT_TRUE(obs.IsSerializable());
  EXPECT_STREQ("CMapStringToString", CMapStringToString().GetRuntimeClass()->m_lpszClassName);
}

TEST(StringCollections, CopyTheirTextAndCompareItNotPointers) {
  CStringArray a;
  wchar_t buffer[] = L"first";
  a.Add(buffer);
  buffer[0] = L'F';  // the array holds its own copy
  a.InsertAt(0, L"zero");
  a.SetAtGrow(3, L"three");
  ASSERT_EQ(4, a.GetSize());
  EXPECT_EQ(CString(L"first"), a[1]);
  EXPECT_TRUE(a[2].IsEmpty());
  CStringArray b;
  b.Copy(a);
  a.RemoveAll();
  EXPECT_EQ(CString(L"three"), b[3]) << "a copy must not share elements with its source";
  EXPECT_EQ(4, b.Append(a)) << "Append returns where the appended elements start";

  CStringList list;
  list.AddTail(CString(L"alpha"));
  list.AddTail(L"beta");
  EXPECT_EQ(list.GetTailPosition(), list.Find(CString(L"beta")));
  EXPECT_EQ(NULL, list.Find(L"Beta"));

  CMapStringToString map;
  map.SetAt(L"a", L"1");
  map[L"b"] = L"2";
  map.SetAt(L"a", L"3");
  CString value, joined;
  EXPECT_TRUE(map.Lookup(L"a", value));
  EXPECT_EQ(CString(L"3"), value);
  EXPECT_FALSE(map.Lookup(L"A", value));
  for (POSITION pos = map.GetStartPosition(); pos;) {
    CString key, val;
    map.GetNextAssoc(pos, key, val);
    joined += key + L"=" + val + L";";
  }
  EXPECT_TRUE(joined == L"a=3;b=2;" || joined == L"b=2;a=3;") << joined.GetString();
}

TEST(PointerCollections, HoldPointersWholeWithoutOwningThem) {
  std::unique_ptr<CStringArray> owned(new CStringArray);
  {
    CObArray arr;
    CMapStringToOb map;
    arr.Add(owned.get());
    map[L"x"] = owned.get();
    CObject* found = nullptr;
    EXPECT_TRUE(map.Lookup(L"x", found));
    EXPECT_EQ(owned.get(), found);
  }
  owned->Add(L"still alive");  // ASan reports a use after free if a collection deleted it

  CMapPtrToPtr byPtr;
  int x = 0, y = 0;
  byPtr[&x] = &x;
  byPtr[&y] = &y;
  void* p = nullptr;
  EXPECT_TRUE(byPtr.Lookup(&y, p));
  EXPECT_EQ(&y, p);
  EXPECT_TRUE(byPtr.RemoveKey(&x));
  EXPECT_FALSE(byPtr.Lookup(&x, p));
}

}  // namespace
