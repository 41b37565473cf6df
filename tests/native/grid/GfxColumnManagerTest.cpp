// Column model: definitions, copies, and the stored layout read back from good and damaged stores.
#include "grid/GfxColumnManager.h"
#include "grid/logic/GfxProfileStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {
// An in-memory profile: one map per value kind, plus the record of every write in order.
class CMapProfileStore : public CGfxProfileStore {
 public:
  using Key = std::pair<std::wstring, std::wstring>;

  int GetInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nDefault) override {
    ++reads;
    auto it = ints.find({pszSection, pszEntry});
    return it == ints.end() ? nDefault : it->second;
  }
  std::wstring GetString(const wchar_t* pszSection, const wchar_t* pszEntry,
                         const wchar_t* pszDefault) override {
    ++reads;
    auto it = strings.find({pszSection, pszEntry});
    return it == strings.end() ? std::wstring(pszDefault ? pszDefault : L"") : it->second;
  }
  bool WriteInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nValue) override {
    if (failAfter >= 0 && static_cast<int>(writes.size()) >= failAfter) return false;
    writes.push_back(std::wstring(pszSection) + L"|" + pszEntry + L"=i" + std::to_wstring(nValue));
    ints[{pszSection, pszEntry}] = nValue;
    return true;
  }
  bool WriteString(const wchar_t* pszSection, const wchar_t* pszEntry,
                   const wchar_t* pszValue) override {
    if (failAfter >= 0 && static_cast<int>(writes.size()) >= failAfter) return false;
    writes.push_back(std::wstring(pszSection) + L"|" + pszEntry + L"=s" + pszValue);
    strings[{pszSection, pszEntry}] = pszValue;
    return true;
  }

  void Int(const wchar_t* pszEntry, int n) { ints[{kSection, pszEntry}] = n; }
  void Str(const wchar_t* pszEntry, const std::wstring& s) { strings[{kSection, pszEntry}] = s; }

  static constexpr const wchar_t* kSection = L"GfxLists\\Jobs";
  std::map<Key, int> ints;
  std::map<Key, std::wstring> strings;
  std::vector<std::wstring> writes;
  int failAfter = -1;  // refuse every write once this many have succeeded
  long reads = 0;
};

// A store that answers every lookup with the same values, as if it held infinitely many entries.
class CEndlessStore : public CGfxProfileStore {
 public:
  int GetInt(const wchar_t*, const wchar_t* pszEntry, int) override {
    ++reads;
    return std::wstring(pszEntry).find(L"Num") != std::wstring::npos ? 1000000000 : value;
  }
  std::wstring GetString(const wchar_t*, const wchar_t*, const wchar_t*) override {
    ++reads;
    return L"x";
  }
  bool WriteInt(const wchar_t*, const wchar_t*, int) override { return false; }
  bool WriteString(const wchar_t*, const wchar_t*, const wchar_t*) override { return false; }
  int value = 0;
  long reads = 0;
};

std::wstring Str(const wchar_t* psz) {
  return psz ? psz : L"<null>";
}

// The code-defined layout of a typical grid: four columns, three of them shown.
void DefineJobsColumns(CGfxColumnManager& m) {
  m.DefineColumn(0, L"Name", nullptr, 0, 120, GFXCOL_EDIT | GFXCOL_SORTABLE, -1, L"Job name");
  m.DefineColumn(3, L"Runs", L"Count", 1, 60, GFXCOL_NUMERIC, -1, nullptr);
  m.DefineColumn(5, nullptr, nullptr, 2, 20, GFXCOL_IMAGE | GFXCOL_HEADERIMAGE, 4, L"State");
  m.DefineColumn(7, L"Cost", nullptr, 1, 80, GFXCOL_VALUTE, -1, nullptr);
  const int shown[] = {0, 3, 5};
  m.DefineDefaultColumns(3, shown);
}

std::vector<int> Defaults(const CGfxColumnManager& m) {
  return m.GetDefaultColumns();
}

// Everything a definition holds, as one comparable string.
std::wstring Describe(const CGfxColumnManager::CGfxColumn& c) {
  return std::to_wstring(c.GetId()) + L"," + std::to_wstring(c.GetAlign()) + L"," +
         std::to_wstring(c.GetWidth()) + L"," + std::to_wstring(c.GetImage()) + L"," +
         std::to_wstring(c.GetFlags()) + L"," + Str(c.GetText()) + L"," + Str(c.GetTextDt()) +
         L"," + Str(c.GetDescr());
}

std::vector<std::wstring> Describe(const CGfxColumnManager& m) {
  std::vector<std::wstring> out;
  for (int i = 0; i < m.GetColumnCount(); ++i) out.push_back(Describe(*m.GetColumn(i)));
  return out;
}

struct ManagerWithStore {
  CMapProfileStore store;
  CGfxColumnManager mgr;
  ManagerWithStore() {
    mgr.SetProfileStore(&store);
    mgr.SetProfileSection(L"Jobs");
    DefineJobsColumns(mgr);
  }
};
}  // namespace

// --- definitions ---------------------------------------------------------------------------

TEST(GfxColumnManager, DefinitionsKeepValuesAndNullStringsStayNull) {
  CGfxColumnManager m;
  EXPECT_EQ(0, m.GetColumnCount());
  EXPECT_EQ(0, m.GetDefaultCount());
  EXPECT_STREQ(L"", m.GetProfileSection());

  EXPECT_EQ(0, m.DefineColumn(4, L"Title", L"", 1, 50, 0xFFFFFFFFu, 2, nullptr));
  EXPECT_EQ(1, m.DefineColumn(31, nullptr, nullptr, 0, 0, 0, -1, nullptr));
  const auto* c = m.GetColumn(0);
  ASSERT_NE(nullptr, c);
  EXPECT_EQ(L"4,1,50,2,4294967295,Title,,<null>", Describe(*c));
  EXPECT_NE(nullptr, c->GetTextDt()) << "an empty string is not a null one";
  EXPECT_EQ(nullptr, m.GetColumn(1)->GetText());

  // A string set from the column's own buffer (the format dialog re-applies edited labels).
  auto* edited = m.GetColumn(0);
  edited->SetText(edited->GetText());
  m.RenameColumn(4, edited->GetText() + 2);
  edited->SetDescr(edited->GetTextDt());
  EXPECT_STREQ(L"tle", edited->GetText());
  EXPECT_STREQ(L"", edited->GetDescr());
  EXPECT_EQ(nullptr, m.GetColumn(2));
  EXPECT_EQ(nullptr, m.GetColumn(-1));
}

TEST(GfxColumnManager, IdsThatAreNoMaskBitAreRefusedAndNeverShifted) {
  CGfxColumnManager m;
  for (int id : {-1, 32, 33, 64, INT_MIN, INT_MAX}) {
    EXPECT_FALSE(CGfxColumnManager::IsValidColumnId(id)) << id;
    EXPECT_EQ(0u, CGfxColumnManager::GetColumnMask(id)) << id;
    EXPECT_EQ(-1, m.DefineColumn(id, L"x", nullptr, 0, 10, 0, -1, nullptr)) << id;
  }
  EXPECT_EQ(0, m.GetColumnCount());
  EXPECT_EQ(1u, CGfxColumnManager::GetColumnMask(0));
  EXPECT_EQ(0x80000000u, CGfxColumnManager::GetColumnMask(31));
}

TEST(GfxColumnManager, FindRenameAndDefaultList) {
  CGfxColumnManager m;
  DefineJobsColumns(m);
  m.DefineColumn(3, L"Second 3", nullptr, 0, 1, 0, -1, nullptr);  // duplicates are allowed
  EXPECT_EQ(1, m.FindColumnById(3)) << "the first definition with an id is found";
  EXPECT_EQ(-1, m.FindColumnById(4));
  EXPECT_EQ(nullptr, m.GetColumnById(4));
  EXPECT_TRUE(m.IsDefColumn(5));
  EXPECT_FALSE(m.IsDefColumn(7));

  m.RenameColumn(3, L"Executions");
  EXPECT_STREQ(L"Executions", m.GetColumn(1)->GetText());
  EXPECT_STREQ(L"Second 3", m.GetColumn(4)->GetText());
  m.RenameColumn(0, nullptr);
  EXPECT_EQ(nullptr, m.GetColumn(0)->GetText());
  const auto before = Describe(m);
  m.RenameColumn(9, L"nobody");
  EXPECT_EQ(before, Describe(m));

  int ids[] = {7, 0};
  EXPECT_TRUE(m.DefineDefaultColumns(2, ids));
  ids[0] = 1;  // the list is a copy
  EXPECT_EQ((std::vector<int>{7, 0}), Defaults(m));
  EXPECT_EQ(-1, m.GetDefaultColumn(2));
  EXPECT_TRUE(m.SetDefaultColumn(1, 3));
  EXPECT_FALSE(m.SetDefaultColumn(2, 3));
  EXPECT_EQ((std::vector<int>{7, 3}), Defaults(m));
  EXPECT_FALSE(m.DefineDefaultColumns(0, ids));
  EXPECT_EQ(0, m.GetDefaultCount());
  EXPECT_TRUE(m.DefineDefaultColumns(1, ids));
  EXPECT_FALSE(m.DefineDefaultColumns(-3, ids));
  EXPECT_EQ(0, m.GetDefaultCount());
  EXPECT_FALSE(m.DefineDefaultColumns(2, nullptr));
  EXPECT_EQ(0, m.GetDefaultCount());
}

TEST(GfxColumnManager, DisplayTitleOfImageColumnsIsTheirDescription) {
  CGfxColumnManager m;
  DefineJobsColumns(m);
  EXPECT_STREQ(L"Name", m.GetColumnById(0)->GetDisplayTitle());
  EXPECT_STREQ(L"State", m.GetColumnById(5)->GetDisplayTitle());
  m.GetColumnById(5)->SetDescr(nullptr);
  EXPECT_EQ(nullptr, m.GetColumnById(5)->GetDisplayTitle());
}

TEST(GfxColumnManager, CopyIsDeepAndLeavesSectionBehind) {
  CGfxColumnManager original;
  original.SetProfileSection(L"Jobs");
  DefineJobsColumns(original);

  CGfxColumnManager copy(&original);
  EXPECT_STREQ(L"", copy.GetProfileSection());
  EXPECT_EQ(Describe(original), Describe(copy));
  EXPECT_EQ(Defaults(original), Defaults(copy));
  EXPECT_EQ(nullptr, copy.GetColumnById(5)->GetText());

  copy.RenameColumn(0, L"Changed");
  copy.GetColumnById(3)->ModifyFlags(GFXCOL_NUMERIC, GFXCOL_VALUTE);
  EXPECT_STREQ(L"Name", original.GetColumnById(0)->GetText());
  EXPECT_EQ(GFXCOL_NUMERIC, original.GetColumnById(3)->GetFlags());

  // The format dialog hands its edited definitions back this way; the default lists stay.
  const int only[] = {7};
  copy.DefineDefaultColumns(1, only);
  original.SwapDefinitions(copy);
  EXPECT_STREQ(L"Changed", original.GetColumnById(0)->GetText());
  EXPECT_STREQ(L"Name", copy.GetColumnById(0)->GetText());
  EXPECT_EQ((std::vector<int>{0, 3, 5}), Defaults(original));

  CGfxColumnManager fromNothing(nullptr);
  EXPECT_EQ(0, fromNothing.GetColumnCount());
}

// --- writing -------------------------------------------------------------------------------

TEST(GfxColumnManagerProfile, WritesEveryValueInLayoutOrder) {
  ManagerWithStore s;
  s.mgr.DefineColumn(9, L"", L"dt", 0, 5, 0x80000001u, -1, L"");
  ASSERT_TRUE(s.mgr.WriteToProfile());
  const std::wstring p = L"GfxLists\\Jobs|";
  const std::vector<std::wstring> expected = {
      p + L"NumDef=i3",
      p + L"DefColId 0=i0",
      p + L"DefColId 1=i3",
      p + L"DefColId 2=i5",
      p + L"DefNum=i5",
      p + L"ColDef_id_0=i0",
      p + L"ColDef_align_0=i0",
      p + L"ColDef_width_0=i120",
      p + L"ColDef_image_0=i-1",
      p + L"ColDef_dwdata_0=i68",
      p + L"ColDef_text_0=sName",
      p + L"ColDef_textdt_0=s",
      p + L"ColDef_descr_0=sJob name",
      p + L"ColDef_id_1=i3",
      p + L"ColDef_align_1=i1",
      p + L"ColDef_width_1=i60",
      p + L"ColDef_image_1=i-1",
      p + L"ColDef_dwdata_1=i16",
      p + L"ColDef_text_1=sRuns",
      p + L"ColDef_textdt_1=sCount",
      p + L"ColDef_descr_1=s",
      p + L"ColDef_id_2=i5",
      p + L"ColDef_align_2=i2",
      p + L"ColDef_width_2=i20",
      p + L"ColDef_image_2=i4",
      p + L"ColDef_dwdata_2=i1152",
      p + L"ColDef_text_2=s",
      p + L"ColDef_textdt_2=s",
      p + L"ColDef_descr_2=sState",
      p + L"ColDef_id_3=i7",
      p + L"ColDef_align_3=i1",
      p + L"ColDef_width_3=i80",
      p + L"ColDef_image_3=i-1",
      p + L"ColDef_dwdata_3=i32",
      p + L"ColDef_text_3=sCost",
      p + L"ColDef_textdt_3=s",
      p + L"ColDef_descr_3=s",
      p + L"ColDef_id_4=i9",
      p + L"ColDef_align_4=i0",
      p + L"ColDef_width_4=i5",
      p + L"ColDef_image_4=i-1",
      p + L"ColDef_dwdata_4=i-2147483647",
      p + L"ColDef_text_4=s",
      p + L"ColDef_textdt_4=sdt",
      p + L"ColDef_descr_4=s",
  };
  EXPECT_EQ(expected, s.store.writes);
}

TEST(GfxColumnManagerProfile, NothingHappensWithoutSectionOrStore) {
  ManagerWithStore s;
  s.mgr.SetProfileSection(nullptr);
  EXPECT_FALSE(s.mgr.WriteToProfile());
  EXPECT_FALSE(s.mgr.ReadFromProfile());
  EXPECT_TRUE(s.store.writes.empty());
  EXPECT_EQ(0, s.store.reads);

  // Natively there is no default store: the manager reports false and touches nothing.
  CGfxColumnManager m;
  m.SetProfileSection(L"Jobs");
  ASSERT_EQ(nullptr, CGfxProfileStore::GetDefault());
  EXPECT_EQ(nullptr, m.GetProfileStore());
  EXPECT_FALSE(m.WriteToProfile());
  EXPECT_FALSE(m.ReadFromProfile());

  // The process-wide store is used by managers that have none of their own.
  CMapProfileStore shared;
  CGfxProfileStore::SetDefault(&shared);
  EXPECT_TRUE(m.WriteToProfile());
  CGfxProfileStore::SetDefault(nullptr);
  EXPECT_EQ((std::vector<std::wstring>{L"GfxLists\\Jobs|NumDef=i0", L"GfxLists\\Jobs|DefNum=i0"}),
            shared.writes);
}

TEST(GfxColumnManagerProfile, RefusedWriteStopsAndReportsFailure) {
  ManagerWithStore s;
  s.store.failAfter = 7;
  EXPECT_FALSE(s.mgr.WriteToProfile());
  EXPECT_EQ(7u, s.store.writes.size());
}

// --- reading -------------------------------------------------------------------------------

TEST(GfxColumnManagerProfile, RoundTripRestoresUserLayout) {
  ManagerWithStore user;
  // What a user session leaves behind: new order, new widths, a sort column, edited labels.
  const int order[] = {5, 7, 0};
  user.mgr.DefineDefaultColumns(3, order);
  user.mgr.GetColumnById(7)->SetWidth(333);
  user.mgr.GetColumnById(7)->ModifyFlags(0, GFXCOL_SORTDESC);
  user.mgr.GetColumnById(3)->SetAlign(2);
  user.mgr.GetColumnById(0)->SetTextDt(L"Label 2");
  ASSERT_TRUE(user.mgr.WriteToProfile());

  ManagerWithStore next;  // the next run defines the same columns in code
  next.store = user.store;
  ASSERT_TRUE(next.mgr.ReadFromProfile());
  EXPECT_EQ((std::vector<int>{5, 7, 0}), Defaults(next.mgr));
  EXPECT_EQ(L"7,1,333,-1,16416,Cost,,", Describe(*next.mgr.GetColumnById(7)));
  EXPECT_EQ(L"3,2,60,-1,16,Runs,Count,", Describe(*next.mgr.GetColumnById(3)));
  EXPECT_EQ(L"0,0,120,-1,68,Name,Label 2,Job name", Describe(*next.mgr.GetColumnById(0)));

  // Strings that were null come back empty and no longer null.
  EXPECT_STREQ(L"", next.mgr.GetColumnById(5)->GetText());
  EXPECT_STREQ(L"", next.mgr.GetColumnById(3)->GetDescr());

  // Reading and writing again gives the same stored layout.
  next.store.writes.clear();
  user.store.writes.clear();
  ASSERT_TRUE(next.mgr.WriteToProfile());
  ASSERT_TRUE(user.mgr.WriteToProfile());
  EXPECT_EQ(user.store.writes, next.store.writes);
}

TEST(GfxColumnManagerProfile, NoCountLeavesCodeLayoutUntouched) {
  for (int numDef : {INT_MIN, -1, 0}) {
    ManagerWithStore s;
    const auto before = Describe(s.mgr);
    if (numDef != 0) s.store.Int(L"NumDef", numDef);  // 0 also stands for "absent"
    s.store.Int(L"DefColId 0", 7);
    s.store.Int(L"DefNum", 1);
    s.store.Int(L"ColDef_id_0", 3);
    s.store.Int(L"ColDef_width_0", 999);
    s.store.Str(L"ColDef_text_0", L"Stored");
    EXPECT_FALSE(s.mgr.ReadFromProfile()) << numDef;
    EXPECT_EQ(before, Describe(s.mgr)) << numDef;
    EXPECT_EQ((std::vector<int>{0, 3, 5}), Defaults(s.mgr)) << numDef;
  }
}

TEST(GfxColumnManagerProfile, GapsUnknownIdsAndRepeatsInTheStoredLists) {
  ManagerWithStore s;
  s.store.Int(L"NumDef", 7);
  s.store.Int(L"DefColId 0", 7);
  // position 1 missing: skipped, the rest still count
  s.store.Int(L"DefColId 2", 12);  // no definition carries 12 yet: kept for its module
  s.store.Int(L"DefColId 3", 40);  // no mask bit
  s.store.Int(L"DefColId 4", 3);
  s.store.Int(L"DefColId 5", 7);  // shown once only
  s.store.Int(L"DefColId 6", 0);

  // Definitions: unknown ids are ignored, others apply whatever their stored position.
  s.store.Int(L"DefNum", 4);
  s.store.Int(L"ColDef_id_0", 12);
  s.store.Int(L"ColDef_width_0", 1);
  s.store.Int(L"ColDef_id_1", 5);
  s.store.Int(L"ColDef_width_1", 44);  // only the width stored: the rest keeps code values
  s.store.Int(L"ColDef_id_2", 5);      // a repeat of id 5: the last entry wins
  s.store.Int(L"ColDef_width_2", 55);
  s.store.Int(L"ColDef_id_3", 0);
  s.store.Str(L"ColDef_text_3", L"Job");

  ASSERT_TRUE(s.mgr.ReadFromProfile());
  EXPECT_EQ((std::vector<int>{7, 12, 3, 0}), Defaults(s.mgr));
  EXPECT_EQ(L"5,2,55,4,1152,,,", Describe(*s.mgr.GetColumnById(5)));
  EXPECT_EQ(L"0,0,120,-1,68,Job,,", Describe(*s.mgr.GetColumnById(0)));
  EXPECT_EQ(L"3,1,60,-1,16,Runs,Count,<null>", Describe(*s.mgr.GetColumnById(3)))
      << "a definition without stored entry keeps its null strings";
  EXPECT_EQ(4, s.mgr.GetColumnCount()) << "a stored layout never adds columns";
}

TEST(GfxColumnManagerProfile, AStoredListWithoutAnyUsableIdKeepsTheCodeList) {
  ManagerWithStore s;
  s.store.Int(L"NumDef", 2);
  s.store.Int(L"DefColId 0", 32);
  s.store.Int(L"DefColId 1", -7);
  s.store.Int(L"DefNum", 1);
  s.store.Int(L"ColDef_id_0", 7);
  s.store.Int(L"ColDef_width_0", 90);
  ASSERT_TRUE(s.mgr.ReadFromProfile());
  EXPECT_EQ((std::vector<int>{0, 3, 5}), Defaults(s.mgr));
  EXPECT_EQ(90, s.mgr.GetColumnById(7)->GetWidth()) << "the definitions are still read";
}

TEST(GfxColumnManagerProfile, OversizedWidthsAndTextsAreBounded) {
  ManagerWithStore s;
  s.store.Int(L"NumDef", 1);
  s.store.Int(L"DefColId 0", 3);
  s.store.Int(L"DefNum", 2);
  s.store.Int(L"ColDef_id_0", 3);
  s.store.Int(L"ColDef_align_0", 0x8003);
  s.store.Int(L"ColDef_width_0", -5);
  s.store.Int(L"ColDef_image_0", -9);
  s.store.Int(L"ColDef_dwdata_0", -1);
  const std::wstring huge(100000, L'W');
  s.store.Str(L"ColDef_text_0", huge);
  s.store.Str(L"ColDef_descr_0", huge + L"!");
  s.store.Int(L"ColDef_id_1", 7);
  s.store.Int(L"ColDef_width_1", 1000000000);
  s.store.Int(L"ColDef_align_1", -1);

  ASSERT_TRUE(s.mgr.ReadFromProfile());
  const auto* c3 = s.mgr.GetColumnById(3);
  EXPECT_EQ(0x8003, c3->GetAlign()) << "taken as stored, as are image and flags";
  EXPECT_EQ(60, c3->GetWidth()) << "a negative width keeps the code's";
  EXPECT_EQ(-9, c3->GetImage());
  EXPECT_EQ(0xFFFFFFFFu, c3->GetFlags());
  EXPECT_EQ(huge.substr(0, 4096), c3->GetText()) << "texts are cut to 4096 characters";
  EXPECT_EQ(4096u, std::wstring(c3->GetDescr()).size());
  EXPECT_EQ(80, s.mgr.GetColumnById(7)->GetWidth()) << "a width past 32767 keeps the code's";
}

TEST(GfxColumnManagerProfile, AbsurdCountsReadInBoundedTime) {
  // Counts of a billion with nothing behind them: the first run of missing entries ends each list.
  ManagerWithStore s;
  s.store.Int(L"NumDef", 1000000000);
  s.store.Int(L"DefColId 0", 5);
  s.store.Int(L"DefNum", INT_MAX);
  s.store.Int(L"ColDef_id_0", 3);
  s.store.Int(L"ColDef_width_0", 61);
  ASSERT_TRUE(s.mgr.ReadFromProfile());
  EXPECT_EQ((std::vector<int>{5}), Defaults(s.mgr));
  EXPECT_EQ(61, s.mgr.GetColumnById(3)->GetWidth());
  EXPECT_LT(s.store.reads, 100);

  // A store that answers every position: an undefined id everywhere, then a defined one.
  for (int value : {12, 99, 3}) {
    CEndlessStore endless;
    endless.value = value;
    CGfxColumnManager m;
    DefineJobsColumns(m);
    m.SetProfileStore(&endless);
    m.SetProfileSection(L"Jobs");
    ASSERT_TRUE(m.ReadFromProfile());
    EXPECT_LT(endless.reads, 10 * 1024 + 10) << "lookups for stored id " << value;
    const std::vector<int> expected =
        value == 99 ? std::vector<int>{0, 3, 5} : std::vector<int>{value};
    EXPECT_EQ(expected, Defaults(m));
    EXPECT_EQ(4, m.GetColumnCount());
  }
}

TEST(GfxColumnManagerProfile, RandomDamagedStoresNeverBreakTheModel) {
  // Deterministic: the same stores every run, so a failure can be replayed by its seed.
  const int interesting[] = {-1, 0,  1,  2,          3,       5,       7,    12,
                             31, 32, -2, 1000000000, INT_MIN, INT_MAX, 60000};
  const wchar_t* const names[] = {L"ColDef_id_",    L"ColDef_align_",  L"ColDef_width_",
                                  L"ColDef_image_", L"ColDef_dwdata_", L"DefColId "};
  const wchar_t* const strNames[] = {L"ColDef_text_", L"ColDef_textdt_", L"ColDef_descr_"};
  for (unsigned seed = 1; seed <= 300; ++seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    ManagerWithStore s;
    s.store.Int(L"NumDef", interesting[pick(15)]);
    s.store.Int(L"DefNum", interesting[pick(15)]);
    for (int k = pick(60); k > 0; --k) {
      const int pos = pick(40);
      if (pick(4) == 0)
        s.store.Str((strNames[pick(3)] + std::to_wstring(pos)).c_str(),
                    std::wstring(static_cast<size_t>(pick(3) * 500), L'a'));
      else
        s.store.Int((names[pick(6)] + std::to_wstring(pos)).c_str(), interesting[pick(15)]);
    }

    s.mgr.ReadFromProfile();
    ASSERT_EQ(4, s.mgr.GetColumnCount()) << "seed " << seed;
    const int ids[] = {0, 3, 5, 7};
    for (int i = 0; i < 4; ++i) {
      const auto* c = s.mgr.GetColumn(i);
      ASSERT_EQ(ids[i], c->GetId()) << "seed " << seed;
      EXPECT_TRUE(c->GetWidth() >= 0 && c->GetWidth() <= 32767) << "seed " << seed;
    }
    ASSERT_GE(s.mgr.GetDefaultCount(), 1) << "seed " << seed;
    std::uint32_t seen = 0;
    for (int id : s.mgr.GetDefaultColumns()) {
      ASSERT_TRUE(CGfxColumnManager::IsValidColumnId(id)) << "seed " << seed << " lists " << id;
      ASSERT_EQ(0u, seen & CGfxColumnManager::GetColumnMask(id))
          << "seed " << seed << " repeats " << id;
      seen |= CGfxColumnManager::GetColumnMask(id);
    }

    // Whatever was read must survive its own round trip unchanged.
    CMapProfileStore clean;
    s.mgr.SetProfileStore(&clean);
    ASSERT_TRUE(s.mgr.WriteToProfile());
    ManagerWithStore again;
    again.store = clean;
    ASSERT_TRUE(again.mgr.ReadFromProfile());
    for (int i = 0; i < 4; ++i) {
      // Strings that stayed null are written empty; compare through the stored form.
      auto* c = s.mgr.GetColumn(i);
      c->SetText(c->GetText() ? c->GetText() : L"");
      c->SetTextDt(c->GetTextDt() ? c->GetTextDt() : L"");
      c->SetDescr(c->GetDescr() ? c->GetDescr() : L"");
    }
    EXPECT_EQ(Describe(s.mgr), Describe(again.mgr)) << "seed " << seed;
    EXPECT_EQ(Defaults(s.mgr), Defaults(again.mgr)) << "seed " << seed;
  }
}

TEST(GfxColumnManager, LiveColumnsReorderTheListAndWaitingIdsKeepTheirPlaces) {
  struct Case {
    std::vector<int> defaults, live, expected;
  };
  // Defined ids: 0, 3, 5, 7 (DefineJobsColumns). 12 and 20 wait for a module to define them.
  const Case cases[] = {
      {{0, 3, 5}, {0, 5, 3}, {0, 5, 3}},
      {{0, 12, 3, 5}, {0, 5, 3}, {0, 12, 5, 3}},
      {{12, 0, 20, 3}, {3, 0}, {12, 3, 20, 0}},
      {{0, 3, 5}, {0, 3}, {0, 3}},           // a column the owner deleted goes
      {{0, 3}, {0, 3, 7}, {0, 3, 7}},        // one the owner added comes last
      {{0, 3, 3, 5}, {0, 3, 5}, {0, 3, 5}},  // never twice
      {{0, 12}, {0, 12}, {0, 12}},           // an undefined id the list shows is live
      {{}, {5, 0}, {5, 0}},
  };
  for (const Case& c : cases) {
    CGfxColumnManager m;
    DefineJobsColumns(m);
    m.DefineDefaultColumns(static_cast<int>(c.defaults.size()), c.defaults.data());
    m.AdoptLiveColumns(c.live);
    EXPECT_EQ(c.expected, Defaults(m)) << "defaults " << testing::PrintToString(c.defaults)
                                       << " live " << testing::PrintToString(c.live);
  }
}
