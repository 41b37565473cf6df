// CString behaviour callers rely on: growth, self-referencing edits, searching, formatting.
#include "afx.h"

#include <gtest/gtest.h>

namespace {

TEST(CStringStorage, EmptyStringsShareNothingWritable) {
  CString a, b;
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_STREQ(L"", a.GetString());
  a += L"x";
  EXPECT_TRUE(b.IsEmpty()) << "writing one empty string must not change another";
}

TEST(CStringStorage, GrowsAcrossManyAppendsAndKeepsText) {
  CString s;
  for (int i = 0; i < 10000; ++i) s.AppendChar(wchar_t(L'a' + i % 26));
  ASSERT_EQ(10000, s.GetLength());
  EXPECT_EQ(L'a', s[0]);
  EXPECT_EQ(wchar_t(L'a' + 9999 % 26), s[9999]);
}

TEST(CStringStorage, AssigningOrAppendingPartsOfItself) {
  CString s(L"hello world");
  s = s.GetString() + 6;
  EXPECT_STREQ(L"world", s);
  s += s;
  EXPECT_STREQ(L"worldworld", s);
  s.Append(s.GetString() + 5, 5);
  EXPECT_STREQ(L"worldworldworld", s);
}

TEST(CStringStorage, BufferWritesAndRelease) {
  CString s;
  wchar_t* p = s.GetBuffer(10);
  wcscpy(p, L"abc");
  s.ReleaseBuffer();
  EXPECT_EQ(3, s.GetLength());
  p = s.GetBufferSetLength(2);
  s.ReleaseBuffer(2);
  EXPECT_STREQ(L"ab", s);
  s.ReleaseBuffer(1000);  // longer than the block: clamped, never past it
  EXPECT_LE(s.GetLength(), s.GetAllocLength());
}

TEST(CStringExtract, OutOfRangeArgumentsAreClamped) {
  const CString s(L"abcdef");
  EXPECT_STREQ(L"cd", s.Mid(2, 2));
  EXPECT_STREQ(L"", s.Mid(10));
  EXPECT_STREQ(L"abcdef", s.Mid(-3));
  EXPECT_STREQ(L"abcdef", s.Left(100));
  EXPECT_STREQ(L"", s.Left(-1));
  EXPECT_STREQ(L"ef", s.Right(2));
  EXPECT_STREQ(L"abcdef", s.Right(99));
}

TEST(CStringEdit, ReplaceRemoveInsertDeleteTrim) {
  CString s(L"a.b.c");
  EXPECT_EQ(2, s.Replace(L".", L"::"));
  EXPECT_STREQ(L"a::b::c", s);
  EXPECT_EQ(0, s.Replace(L"", L"x"));
  EXPECT_EQ(4, s.Remove(L':'));
  EXPECT_STREQ(L"abc", s);
  s.Insert(1, L"XY");
  EXPECT_STREQ(L"aXYbc", s);
  s.Insert(100, L'!');
  EXPECT_STREQ(L"aXYbc!", s);
  s.Delete(1, 100);
  EXPECT_STREQ(L"a", s);
  CString t(L"  \tpad  ");
  EXPECT_STREQ(L"pad", t.Trim());
  CString u(L"xxpadxx");
  EXPECT_STREQ(L"pad", u.Trim(L'x'));
}

TEST(CStringSearch, FindsAndReportsMinusOne) {
  const CString s(L"one,two,three");
  EXPECT_EQ(3, s.Find(L','));
  EXPECT_EQ(7, s.Find(L',', 4));
  EXPECT_EQ(-1, s.Find(L',', 100));
  EXPECT_EQ(4, s.Find(L"two"));
  EXPECT_EQ(-1, s.Find(L"four"));
  EXPECT_EQ(7, s.ReverseFind(L','));
  EXPECT_EQ(1, s.FindOneOf(L"xn"));
  EXPECT_EQ(-1, s.Find(L'\0'));
  int pos = 0;
  EXPECT_STREQ(L"one", s.Tokenize(L",", pos));
  EXPECT_STREQ(L"two", s.Tokenize(L",", pos));
  EXPECT_STREQ(L"three", s.Tokenize(L",", pos));
  EXPECT_STREQ(L"", s.Tokenize(L",", pos));
  EXPECT_EQ(-1, pos);
}

TEST(CStringFormat, WindowsDialectOnEveryPlatform) {
  CString s;
  s.Format(L"%s|%d|%c|%5.2f|%%|%I64d", L"wide", 42, L'x', 3.14159, (long long)1 << 40);
  EXPECT_STREQ(L"wide|42|x| 3.14|%|1099511627776", s);
  s.AppendFormat(L"[%S]", "narrow");
  EXPECT_STREQ(L"wide|42|x| 3.14|%|1099511627776[narrow]", s);
}

TEST(CStringFormat, LongResultsAreNotCut) {
  CString big(L'z', 100000);
  CString s;
  s.Format(L"<%s>", big.GetString());
  EXPECT_EQ(100002, s.GetLength());
}

TEST(CStringCompare, CaseAndOrder) {
  EXPECT_EQ(0, CString(L"Abc").CompareNoCase(L"aBC"));
  EXPECT_LT(CString(L"abc").Compare(L"abd"), 0);
  EXPECT_TRUE(CString(L"x") == L"x");
  EXPECT_TRUE(CString(L"a") < CString(L"b"));
  EXPECT_EQ(0, CString().Compare(nullptr));
}

TEST(CStringGetAt, OutOfRangeThrowsTheFrameworkException) {
  CString s(L"ab");
  bool thrown = false;
  try {
    s.SetAt(5, L'x');
  } catch (CInvalidArgException* e) {
    thrown = true;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
}

}  // namespace
