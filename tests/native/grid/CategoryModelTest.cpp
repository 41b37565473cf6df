// Row categories without windows: the row label, range bounds, the identities category rows
// carry, and the manager's records.
#include "grid/GfxCategoryManager.h"
#include "grid/logic/CategoryModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace {
using tkw::categories::CategoryIdentities;
using tkw::categories::FormatLabel;
using tkw::categories::InRange;
using Identity = CategoryIdentities::Identity;

TEST(CategoryLabel, OneMemberSaysElementAndASpaceOthersSayElements) {
  const std::wstring longName(100000, L'x');
  const struct {
    const wchar_t* name;
    std::size_t count;
    std::wstring expected;
  } cases[] = {
      {L"Red", 1, L"Red (1 element )"},
      {L"Red", 0, L"Red (0 elements)"},
      {L"Red", 2, L"Red (2 elements)"},
      {L"Red", 100000, L"Red (100000 elements)"},
      {nullptr, 3, L" (3 elements)"},
      {L"50% & %s", 1, L"50% & %s (1 element )"},  // no format processing of the name
      {longName.c_str(), 7, longName + L" (7 elements)"},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(c.expected == FormatLabel(c.name, c.count)) << "count " << c.count;
}

TEST(CategoryRange, LowerBoundIsInsideUpperBoundIsOutside) {
  EXPECT_TRUE(InRange(10.0, 20.0, 10.0));
  EXPECT_FALSE(InRange(10.0, 20.0, 20.0));
  EXPECT_FALSE(InRange(10.0, 20.0, 9.999));
  EXPECT_FALSE(InRange(10.0, 10.0, 10.0)) << "an empty range holds nothing";
  EXPECT_FALSE(InRange(20.0, 10.0, 15.0)) << "a reversed range holds nothing";
  EXPECT_FALSE(InRange(10.0, 20.0, std::nan(""))) << "NaN falls in no range";
}

TEST(CategoryIdentitiesTest, EachCategoryKeepsADistinctIdentityThatMapsBack) {
  CategoryIdentities ids;
  std::vector<Identity> given;
  for (int i = 0; i < 5000; ++i) given.push_back(ids.Add());
  EXPECT_EQ(given.size(), std::set<Identity>(given.begin(), given.end()).size())
      << "an identity repeats an earlier one";
  for (int i = 0; i < ids.Count(); ++i) {
    ASSERT_NE(0u, given[i]);
    ASSERT_EQ(given[i], ids.At(i)) << "growing the table moved the identity of category " << i;
    ASSERT_EQ(i, ids.IndexOf(given[i]));
  }
  EXPECT_EQ(-1, ids.IndexOf(0));
  EXPECT_EQ(-1, ids.IndexOf(12345));
  EXPECT_EQ(0u, ids.At(-1));
  EXPECT_EQ(0u, ids.At(ids.Count()));
}

TEST(CategoryIdentitiesTest, RenewAvoidsTakenValuesAndReportsTheMove) {
  CategoryIdentities ids;
  ids.Add();
  const Identity before = ids.Add();
  ids.Add();

  // The owner's item data happen to hit the old identity and the next candidates.
  std::set<Identity> asked;
  int refusals = 3;
  auto isTaken = [&](Identity v) {
    EXPECT_TRUE(asked.insert(v).second) << "a refused candidate came back";
    return v == before || refusals-- > 0;
  };
  CategoryIdentities::Moves moves;
  ids.Renew(1, isTaken, moves);

  ASSERT_EQ(1u, moves.size());
  EXPECT_EQ(before, moves[0].first);
  EXPECT_NE(before, moves[0].second);
  EXPECT_EQ(moves[0].second, ids.At(1));
  EXPECT_EQ(1, ids.IndexOf(moves[0].second));
  EXPECT_EQ(-1, ids.IndexOf(before)) << "the old value is an ordinary item data now";
  EXPECT_EQ(4u, asked.size()) << "three refusals, then the fourth candidate is taken";
  EXPECT_EQ(0, ids.IndexOf(ids.At(0)));
  EXPECT_EQ(2, ids.IndexOf(ids.At(2)));

  ids.Renew(7, isTaken, moves);
  ids.Renew(-1, isTaken, moves);
  EXPECT_EQ(1u, moves.size()) << "indices without a category change nothing";
}

}  // namespace

TEST(CategoryManagerRecords, KeysAndRangesFindTheFirstMatchingCategoryOfTheirKind) {
  CGfxCategoryManager m;
  const int red = m.AddCategory(L"Red", L"red");
  const int early = m.AddCategory(L"Early", CTime(1000), CTime(2000));
  const int later = m.AddCategory(L"Later", CTime(2000), CTime(3000));
  const int small = m.AddCategory(L"Small", 0.0, 10.0);
  m.AddCategory(L"Red again", L"red");
  EXPECT_EQ(red, m.FindCategory(L"red"));
  EXPECT_EQ(-1, m.FindCategory(L"Red")) << "keys compare case-sensitively";
  EXPECT_EQ(-1, m.FindCategory(L"")) << "range categories have no key";
  EXPECT_EQ(-1, m.FindCategory(static_cast<LPCTSTR>(nullptr)));
  EXPECT_EQ(early, m.FindCategory(CTime(1999)));
  EXPECT_EQ(later, m.FindCategory(CTime(2000)));
  EXPECT_EQ(-1, m.FindCategory(CTime(3000)));
  EXPECT_EQ(small, m.FindCategory(0.0));
  EXPECT_EQ(-1, m.FindCategory(10.0));

  m.AddItemToCategory(99, 5);  // no such category: nothing happens
  m.AddItemToCategory(red, 5);
  EXPECT_EQ(std::vector<DWORD_PTR>{5}, m.GetCategory(red)->members);
  EXPECT_EQ(nullptr, m.GetCategory(99));
  EXPECT_STREQ(L"Red (1 element )", m.GetCategoryLabel(red));
  EXPECT_STREQ(L"", m.GetCategoryLabel(-1));
  for (int i = 0; i < m.GetCategoryCount(); ++i)
    EXPECT_EQ(i, m.IsListItemACategory(m.GetCategoryItemData(i)));
  EXPECT_EQ(-1, m.IsListItemACategory(5));
}

TEST(CategoryManagerRecords, ARemovedItemIsForgottenOnceAndKeepsItsPlaceAmongTheMembers) {
  CGfxCategoryManager m;
  const int red = m.AddCategory(L"Red", L"red");
  m.AddItemToCategory(red, 7);
  EXPECT_FALSE(m.RemoveItem(8)) << "an item nobody filed";
  EXPECT_TRUE(m.RemoveItem(7));
  EXPECT_TRUE(m.IsRemoved(7));
  EXPECT_FALSE(m.RemoveItem(7)) << "already gone";
  EXPECT_EQ(1u, m.GetCategory(red)->members.size()) << "labels keep their counts";
}
