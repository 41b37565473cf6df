// CString behaviour callers rely on: growth, self-referencing edits, searching, formatting.
#include "afx.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

TEST(CStringStorage, GrowsEditsItselfAndReleasesBuffersWithinTheirBlock) {
  CString s, untouched;
  for (int i = 0; i < 10000; ++i) s.AppendChar(wchar_t(L'a' + i % 26));
  ASSERT_EQ(10000, s.GetLength());
  EXPECT_EQ(wchar_t(L'a' + 9999 % 26), s[9999]);
  EXPECT_STREQ(L"", untouched.GetString()) << "writing one empty string must not change another";

  s = L"hello world";
  s = s.GetString() + 6;  // parts of itself
  s += s;
  s.Append(s.GetString() + 5, 5);
  EXPECT_STREQ(L"worldworldworld", s);

  wcscpy(s.GetBuffer(10), L"abc");
  s.ReleaseBuffer();
  EXPECT_EQ(3, s.GetLength());
  s.GetBufferSetLength(2);
  s.ReleaseBuffer(1000);  // longer than the block: clamped, never past it
  EXPECT_LE(s.GetLength(), s.GetAllocLength());
}

TEST(CStringExtract, OutOfRangeArgumentsAreClamped) {
  const CString s(L"abcdef");
  const struct {
    CString got;
    const wchar_t* expected;
  } cases[] = {{s.Mid(2, 2), L"cd"},     {s.Mid(10), L""},  {s.Mid(-3), L"abcdef"},
               {s.Left(100), L"abcdef"}, {s.Left(-1), L""}, {s.Right(2), L"ef"},
               {s.Right(99), L"abcdef"}};
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_STREQ(cases[i].expected, cases[i].got) << "case " << i;
}

TEST(CStringEdit, ReplaceRemoveInsertDeleteTrim) {
  CString s(L"a.b.c");
  EXPECT_EQ(2, s.Replace(L".", L"::"));
  EXPECT_STREQ(L"a::b::c", s);
  EXPECT_EQ(0, s.Replace(L"", L"x"));
  EXPECT_EQ(4, s.Remove(L':'));
  s.Insert(1, L"XY");
  s.Insert(100, L'!');
  EXPECT_STREQ(L"aXYbc!", s);
  s.Delete(1, 100);
  EXPECT_STREQ(L"a", s);
  CString t(L"  \tpad  "), u(L"xxpadxx");
  EXPECT_STREQ(L"pad", t.Trim());
  EXPECT_STREQ(L"pad", u.Trim(L'x'));
}

TEST(CStringSearch, FindsAndReportsMinusOne) {
  const CString s(L"one,two,three");
  const struct {
    int got, expected;
  } cases[] = {{s.Find(L','), 3},       {s.Find(L',', 4), 7},  {s.Find(L',', 100), -1},
               {s.Find(L"two"), 4},     {s.Find(L"four"), -1}, {s.ReverseFind(L','), 7},
               {s.FindOneOf(L"xn"), 1}, {s.Find(L'\0'), -1}};
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cases[i].expected, cases[i].got) << "case " << i;
  int pos = 0;
  for (const wchar_t* token : {L"one", L"two", L"three", L""})
    EXPECT_STREQ(token, s.Tokenize(L",", pos));
  EXPECT_EQ(-1, pos);
}

TEST(CStringFormat, WindowsDialectOnEveryPlatformAndNoLengthLimit) {
  CString s;
  s.Format(L"%s|%d|%c|%5.2f|%%|%I64d", L"wide", 42, L'x', 3.14159, (long long)1 << 40);
  s.AppendFormat(L"[%S]", "narrow");
  EXPECT_STREQ(L"wide|42|x| 3.14|%|1099511627776[narrow]", s);
  const CString big(L'z', 100000);
  s.Format(L"<%s>", big.GetString());
  EXPECT_EQ(100002, s.GetLength());
}

TEST(CStringCompare, CaseOrderAndOutOfRangeWrites) {
  EXPECT_EQ(0, CString(L"Abc").CompareNoCase(L"aBC"));
  EXPECT_LT(CString(L"abc").Compare(L"abd"), 0);
  EXPECT_TRUE(CString(L"a") < CString(L"b"));
  EXPECT_EQ(0, CString().Compare(nullptr));
  CString s(L"ab");
  bool thrown = false;
  try {
    s.SetAt(5, L'x');
  } catch (CInvalidArgException* e) {
    thrown = true;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
  EXPECT_STREQ(L"ab", s);
}

}  // namespace
