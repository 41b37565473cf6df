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

TEST(CategoryLabel, OneMemberSaysElementAndASpaceOthersSayElements) {
  EXPECT_EQ(L"Red (1 element )", FormatLabel(L"Red", 1));
  EXPECT_EQ(L"Red (0 elements)", FormatLabel(L"Red", 0));
  EXPECT_EQ(L"Red (2 elements)", FormatLabel(L"Red", 2));
  EXPECT_EQ(L"Red (100000 elements)", FormatLabel(L"Red", 100000));
}

TEST(CategoryLabel, NameIsTakenAsItIsAndNullReadsAsEmpty) {
  EXPECT_EQ(L" (3 elements)", FormatLabel(nullptr, 3));
  EXPECT_EQ(L"50% & %s (1 element )", FormatLabel(L"50% & %s", 1))
      << "no format processing of the name";
  const std::wstring longName(100000, L'x');
  EXPECT_EQ(longName + L" (7 elements)", FormatLabel(longName.c_str(), 7));
}

TEST(CategoryRange, LowerBoundIsInsideUpperBoundIsOutside) {
  EXPECT_TRUE(InRange(10.0, 20.0, 10.0));
  EXPECT_TRUE(InRange(10.0, 20.0, 19.999));
  EXPECT_FALSE(InRange(10.0, 20.0, 20.0));
  EXPECT_FALSE(InRange(10.0, 20.0, 9.999));
  EXPECT_FALSE(InRange(10.0, 10.0, 10.0)) << "an empty range holds nothing";
  EXPECT_FALSE(InRange(20.0, 10.0, 15.0)) << "a reversed range holds nothing";
  EXPECT_FALSE(InRange(10.0, 20.0, std::nan(""))) << "NaN falls in no range";
  EXPECT_TRUE(InRange<long long>(-5, 0, -5));
  EXPECT_FALSE(InRange<long long>(-5, 0, 0));
}

TEST(CategoryIdentitiesTest, EachCategoryHasADistinctIdentityThatMapsBack) {
  CategoryIdentities ids;
  std::set<CategoryIdentities::Identity> seen;
  for (int i = 0; i < 1000; ++i) {
    const auto id = ids.Add();
    EXPECT_NE(0u, id);
    EXPECT_TRUE(seen.insert(id).second) << "identity " << i << " repeats an earlier one";
  }
  EXPECT_EQ(1000, ids.Count());
  for (int i = 0; i < ids.Count(); ++i) EXPECT_EQ(i, ids.IndexOf(ids.At(i)));
  EXPECT_EQ(-1, ids.IndexOf(0));
  EXPECT_EQ(-1, ids.IndexOf(12345));
  EXPECT_EQ(0u, ids.At(-1));
  EXPECT_EQ(0u, ids.At(1000));
}

TEST(CategoryIdentitiesTest, IdentitiesStayPutWhileCategoriesAreAdded) {
  CategoryIdentities ids;
  const auto first = ids.Add();
  for (int i = 0; i < 5000; ++i) ids.Add();
  EXPECT_EQ(first, ids.At(0))
      << "growing the table must not change an existing category's identity";
  EXPECT_EQ(0, ids.IndexOf(first));
}

TEST(CategoryIdentitiesTest, RenewAvoidsTakenValuesAndReportsTheMove) {
  CategoryIdentities ids;
  ids.Add();
  const auto before = ids.Add();
  ids.Add();

  // The owner's item data happen to hit the old identity and the next candidates.
  std::set<CategoryIdentities::Identity> asked;
  int refusals = 3;
  auto isTaken = [&](CategoryIdentities::Identity v) {
    EXPECT_TRUE(asked.insert(v).second) << "a refused candidate came back";
    return v == before || refusals-- > 0;
  };
  CategoryIdentities::Moves moves;
  ids.Renew(1, isTaken, moves);

  ASSERT_EQ(1u, moves.size());
  EXPECT_EQ(before, moves[0].first);
  const auto after = moves[0].second;
  EXPECT_NE(before, after);
  EXPECT_EQ(after, ids.At(1));
  EXPECT_EQ(1, ids.IndexOf(after));
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
  const int small = m.AddCategory(L"Small", 0.0, 10.0);
  m.AddCategory(L"Red again", L"red");
  EXPECT_EQ(red, m.FindCategory(L"red"));
  EXPECT_EQ(-1, m.FindCategory(L"Red")) << "keys compare case-sensitively";
  EXPECT_EQ(early, m.FindCategory(CTime(1000)));
  EXPECT_EQ(-1, m.FindCategory(CTime(2000)));
  EXPECT_EQ(small, m.FindCategory(0.0));
  EXPECT_EQ(-1, m.FindCategory(10.0));
  m.AddItemToCategory(99, 5);  // no such category: nothing happens
  m.AddItemToCategory(red, 5);
  EXPECT_EQ(1u, m.GetCategory(red)->members.size());
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
