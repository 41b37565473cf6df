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

  CMapStringToString names;
  CPtrList ptrs;
  CObList obs;
  EXPECT_TRUE(names.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(ptrs.IsSerializable());
  EXPECT_TRUE(obs.IsSerializable());
  EXPECT_STREQ("CMapStringToString", names.GetRuntimeClass()->m_lpszClassName);
}

TEST(CStringArrayUse, TakesTextAndStringsAndCopiesThem) {
  CStringArray a;
  wchar_t buffer[] = L"first";
  a.Add(buffer);
  buffer[0] = L'F';  // the array holds its own copy
  CString second(L"second");
  a.Add(second);
  a.InsertAt(0, L"zero");
  a.SetAtGrow(4, L"four");
  ASSERT_EQ(5, a.GetSize());
  EXPECT_EQ(CString(L"zero"), a[0]);
  EXPECT_EQ(CString(L"first"), a[1]);
  EXPECT_EQ(CString(L"second"), a.GetAt(2));
  EXPECT_TRUE(a[3].IsEmpty());
  EXPECT_EQ(CString(L"four"), a[4]);

  CStringArray b;
  b.Copy(a);
  a.RemoveAll();
  EXPECT_EQ(5, b.GetCount());
  EXPECT_EQ(CString(L"four"), b[4]) << "a copy must not share elements with its source";
  EXPECT_EQ(5, b.Append(a)) << "Append returns where the appended elements start";
  EXPECT_EQ(5, b.GetCount());
}

TEST(CStringListUse, FindComparesTextNotPointers) {
  CStringList list;
  list.AddTail(CString(L"alpha"));
  list.AddTail(L"beta");
  CString probe(L"beta");
  EXPECT_EQ(list.GetTailPosition(), list.Find(probe));
  EXPECT_EQ(NULL, list.Find(L"Beta"));
}

TEST(CMapStringToStringUse, LookupReplaceAndIterate) {
  CMapStringToString map;
  map.SetAt(L"a", L"1");
  map[L"b"] = L"2";
  map.SetAt(L"a", L"3");
  EXPECT_EQ(2, map.GetCount());
  CString value;
  EXPECT_TRUE(map.Lookup(L"a", value));
  EXPECT_EQ(CString(L"3"), value);
  EXPECT_FALSE(map.Lookup(L"A", value));

  CString joined;
  for (POSITION pos = map.GetStartPosition(); pos;) {
    CString key, val;
    map.GetNextAssoc(pos, key, val);
    joined += key + L"=" + val + L";";
  }
  EXPECT_TRUE(joined == L"a=3;b=2;" || joined == L"b=2;a=3;") << joined.GetString();
}

TEST(ObjectCollections, HoldPointersWithoutOwningThem) {
  std::unique_ptr<CStringArray> owned(new CStringArray);
  {
    CObArray arr;
    CMapStringToOb map;
    CObList list;
    arr.Add(owned.get());
    map[L"x"] = owned.get();
    list.AddTail(owned.get());
    CObject* found = nullptr;
    EXPECT_TRUE(map.Lookup(L"x", found));
    EXPECT_EQ(owned.get(), found);
    EXPECT_EQ(list.GetHeadPosition(), list.Find(owned.get()));
  }
  owned->Add(L"still alive");  // ASan reports a use after free if a collection deleted it
  EXPECT_EQ(1, owned->GetSize());
}

TEST(SmallValueCollections, KeepTheirWidths) {
  CByteArray bytes;
  bytes.Add(0xFF);
  CWordArray words;
  words.Add(0xFFFF);
  CDWordArray dwords;
  dwords.Add(0xFFFFFFFFu);
  CUIntArray uints;
  uints.Add(7u);
  EXPECT_EQ(0xFF, bytes[0]);
  EXPECT_EQ(0xFFFF, words[0]);
  EXPECT_EQ(0xFFFFFFFFu, dwords[0]);

  CMapWordToPtr byId;
  CMapPtrToPtr byPtr;
  int x = 0;
  byId[0xFFFF] = &x;
  byPtr[&x] = &x;
  void* p = nullptr;
  EXPECT_TRUE(byId.Lookup(0xFFFF, p));
  EXPECT_EQ(&x, p);
  EXPECT_FALSE(byId.Lookup(0, p));
  EXPECT_TRUE(byPtr.Lookup(&x, p));
  EXPECT_TRUE(byPtr.RemoveKey(&x));
  EXPECT_TRUE(byPtr.IsEmpty());
}

}  // namespace
