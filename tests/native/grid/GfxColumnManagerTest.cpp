// Column model: definitions, copies, and the stored layout read back from good and damaged stores.
#include "grid/GfxColumnManager.h"
#include "grid/logic/GfxProfileStore.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <sstream>
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
    if (it != ints.end()) return it->second;
    if (endless < 0) return nDefault;
    return std::wstring(pszEntry).find(L"Num") != std::wstring::npos ? 1000000000 : endless;
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

  // Stored values of the test section, as "NumDef=2; DefColId 0=5; ColDef_text_0=\"Job\"".
  void Put(const std::wstring& values) {
    std::wistringstream in(values);
    for (std::wstring entry; std::getline(in >> std::ws, entry, L';');) {
      const size_t eq = entry.find(L'=');
      const std::wstring name = entry.substr(0, eq), value = entry.substr(eq + 1);
      if (value[0] == L'"')
        strings[{kSection, name}] = value.substr(1, value.size() - 2);
      else
        ints[{kSection, name}] = std::stoi(value);
    }
  }

  static constexpr const wchar_t* kSection = L"GfxLists\\Jobs";
  std::map<Key, int> ints;
  std::map<Key, std::wstring> strings;
  std::vector<std::wstring> writes;
  int failAfter = -1;  // refuse every write once this many have succeeded
  int endless = -1;    // when set: every missing id reads as this, every count as a billion
  long reads = 0;
};

// The code-defined layout of a typical grid: four columns, three of them shown.
void DefineJobsColumns(CGfxColumnManager& m) {
  m.DefineColumn(0, L"Name", nullptr, 0, 120, GFXCOL_EDIT | GFXCOL_SORTABLE, -1, L"Job name");
  m.DefineColumn(3, L"Runs", L"Count", 1, 60, GFXCOL_NUMERIC, -1, nullptr);
  m.DefineColumn(5, nullptr, nullptr, 2, 20, GFXCOL_IMAGE | GFXCOL_HEADERIMAGE, 4, L"State");
  m.DefineColumn(7, L"Cost", nullptr, 1, 80, GFXCOL_VALUTE, -1, nullptr);
  const int shown[] = {0, 3, 5};
  m.DefineDefaultColumns(3, shown);
}
const std::vector<int> kCodeDefaults = {0, 3, 5};

// Everything a definition holds, as one comparable string.
std::wstring Describe(const CGfxColumnManager::CGfxColumn& c) {
  auto str = [](const wchar_t* psz) { return std::wstring(psz ? psz : L"<null>"); };
  return std::to_wstring(c.GetId()) + L"," + std::to_wstring(c.GetAlign()) + L"," +
         std::to_wstring(c.GetWidth()) + L"," + std::to_wstring(c.GetImage()) + L"," +
         std::to_wstring(c.GetFlags()) + L"," + str(c.GetText()) + L"," + str(c.GetTextDt()) +
         L"," + str(c.GetDescr());
}

std::vector<std::wstring> Describe(const CGfxColumnManager& m) {
  std::vector<std::wstring> out;
  for (int i = 0; i < m.GetColumnCount(); ++i) out.push_back(Describe(*m.GetColumn(i)));
  return out;
}

// The jobs columns on a store that holds the given stored layout.
struct ManagerWithStore {
  CMapProfileStore store;
  CGfxColumnManager mgr;
  explicit ManagerWithStore(const std::wstring& stored = L"") {
    store.Put(stored);
    mgr.SetProfileStore(&store);
    mgr.SetProfileSection(L"Jobs");
    DefineJobsColumns(mgr);
  }
  std::wstring Column(int id) { return Describe(*mgr.GetColumnById(id)); }
};
}  // namespace

// --- definitions ---------------------------------------------------------------------------

TEST(GfxColumnManager, DefinitionsKeepTheirValuesAndNullStringsStayNull) {
  CGfxColumnManager m;
  EXPECT_EQ(0, m.DefineColumn(4, L"Title", L"", 1, 50, 0xFFFFFFFFu, 2, nullptr));
  EXPECT_EQ(1, m.DefineColumn(31, nullptr, nullptr, 0, 0, GFXCOL_IMAGE, -1, L"State"));
  EXPECT_EQ(L"4,1,50,2,4294967295,Title,,<null>", Describe(*m.GetColumn(0)))
      << "an empty string is not a null one";
  EXPECT_EQ(nullptr, m.GetColumn(1)->GetText());
  EXPECT_EQ(nullptr, m.GetColumn(2));
  EXPECT_EQ(nullptr, m.GetColumn(-1));
  EXPECT_STREQ(L"State", m.GetColumn(1)->GetDisplayTitle()) << "an image column's description";
  EXPECT_STREQ(L"Title", m.GetColumn(0)->GetDisplayTitle());

  // A string set from the column's own buffer (the format dialog re-applies edited labels).
  auto* edited = m.GetColumn(0);
  edited->SetText(edited->GetText());
  m.RenameColumn(4, edited->GetText() + 2);
  edited->SetDescr(edited->GetTextDt());
  EXPECT_STREQ(L"tle", edited->GetText());
  EXPECT_STREQ(L"", edited->GetDescr());

  // Ids are mask bits: one that is none is refused, never shifted into another bit.
  for (int id : {-1, 32, 64, INT_MIN, INT_MAX}) {
    EXPECT_EQ(0u, CGfxColumnManager::GetColumnMask(id)) << id;
    EXPECT_EQ(-1, m.DefineColumn(id, L"x", nullptr, 0, 10, 0, -1, nullptr)) << id;
  }
  EXPECT_EQ(2, m.GetColumnCount());
  EXPECT_EQ(0x80000000u, CGfxColumnManager::GetColumnMask(31));
}

TEST(GfxColumnManager, FindRenameAndDefaultList) {
  CGfxColumnManager m;
  DefineJobsColumns(m);
  m.DefineColumn(3, L"Second 3", nullptr, 0, 1, 0, -1, nullptr);  // duplicates are allowed
  EXPECT_EQ(1, m.FindColumnById(3)) << "the first definition with an id is found";
  EXPECT_EQ(-1, m.FindColumnById(4));
  EXPECT_TRUE(m.IsDefColumn(5));
  EXPECT_FALSE(m.IsDefColumn(7));

  m.RenameColumn(3, L"Executions");
  EXPECT_STREQ(L"Executions", m.GetColumn(1)->GetText());
  EXPECT_STREQ(L"Second 3", m.GetColumn(4)->GetText());
  const auto before = Describe(m);
  m.RenameColumn(9, L"nobody");
  EXPECT_EQ(before, Describe(m));

  int ids[] = {7, 0};
  EXPECT_TRUE(m.DefineDefaultColumns(2, ids));
  ids[0] = 1;  // the list is a copy
  EXPECT_EQ((std::vector<int>{7, 0}), m.GetDefaultColumns());
  for (int count : {0, -3, 2}) {
    m.DefineDefaultColumns(1, ids);
    EXPECT_FALSE(m.DefineDefaultColumns(count, count > 0 ? nullptr : ids)) << count;
    EXPECT_EQ(0, m.GetDefaultCount()) << count;
  }
}

TEST(GfxColumnManager, CopyIsDeepAndLeavesSectionBehind) {
  CGfxColumnManager original;
  original.SetProfileSection(L"Jobs");
  DefineJobsColumns(original);

  CGfxColumnManager copy(&original);
  EXPECT_STREQ(L"", copy.GetProfileSection());
  EXPECT_EQ(Describe(original), Describe(copy));
  EXPECT_EQ(original.GetDefaultColumns(), copy.GetDefaultColumns());

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
  EXPECT_EQ(kCodeDefaults, original.GetDefaultColumns());

  CGfxColumnManager fromNothing(nullptr);
  EXPECT_EQ(0, fromNothing.GetColumnCount());
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
    EXPECT_EQ(c.expected, m.GetDefaultColumns())
        << "defaults " << testing::PrintToString(c.defaults) << " live "
        << testing::PrintToString(c.live);
  }
}

// --- writing -------------------------------------------------------------------------------

TEST(GfxColumnManagerProfile, WritesEveryValueInLayoutOrder) {
  ManagerWithStore s;
  s.mgr.DefineColumn(9, L"", L"dt", 0, 5, 0x80000001u, -1, L"");
  ASSERT_TRUE(s.mgr.WriteToProfile());
  // Per definition in the order of Describe: id, align, width, image, dwdata, text, textdt, descr.
  const wchar_t* const definitions[] = {L"0,0,120,-1,68,Name,,Job name",
                                        L"3,1,60,-1,16,Runs,Count,", L"5,2,20,4,1152,,,State",
                                        L"7,1,80,-1,32,Cost,,", L"9,0,5,-1,-2147483647,,dt,"};
  const wchar_t* const names[] = {L"id",     L"align", L"width",  L"image",
                                  L"dwdata", L"text",  L"textdt", L"descr"};
  const std::wstring p = L"GfxLists\\Jobs|";
  std::vector<std::wstring> expected = {p + L"NumDef=i3", p + L"DefColId 0=i0",
                                        p + L"DefColId 1=i3", p + L"DefColId 2=i5",
                                        p + L"DefNum=i5"};
  for (int d = 0; d < 5; ++d) {
    std::wistringstream values(definitions[d] + std::wstring(L","));
    std::wstring value;
    for (int v = 0; v < 8 && std::getline(values, value, L','); ++v)
      expected.push_back(p + L"ColDef_" + names[v] + L"_" + std::to_wstring(d) +
                         (v < 5 ? L"=i" : L"=s") + value);
  }
  EXPECT_EQ(expected, s.store.writes);
}

TEST(GfxColumnManagerProfile, NoSectionNoStoreOrARefusedWriteReportFailure) {
  ManagerWithStore s;
  s.mgr.SetProfileSection(nullptr);
  EXPECT_FALSE(s.mgr.WriteToProfile());
  EXPECT_FALSE(s.mgr.ReadFromProfile());
  EXPECT_TRUE(s.store.writes.empty());
  EXPECT_EQ(0, s.store.reads);

  s.mgr.SetProfileSection(L"Jobs");
  s.store.failAfter = 7;
  EXPECT_FALSE(s.mgr.WriteToProfile());
  EXPECT_EQ(7u, s.store.writes.size()) << "the first refused write ends the layout";

  // Natively there is no default store: the manager reports false and touches nothing.
  CGfxColumnManager m;
  m.SetProfileSection(L"Jobs");
  ASSERT_EQ(nullptr, CGfxProfileStore::GetDefault());
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
  EXPECT_EQ((std::vector<int>{5, 7, 0}), next.mgr.GetDefaultColumns());
  EXPECT_EQ(L"7,1,333,-1,16416,Cost,,", next.Column(7));
  EXPECT_EQ(L"3,2,60,-1,16,Runs,Count,", next.Column(3)) << "null strings come back empty";
  EXPECT_EQ(L"0,0,120,-1,68,Name,Label 2,Job name", next.Column(0));
  EXPECT_EQ(L"5,2,20,4,1152,,,State", next.Column(5));

  // Reading and writing again gives the same stored layout.
  next.store.writes.clear();
  user.store.writes.clear();
  ASSERT_TRUE(next.mgr.WriteToProfile());
  ASSERT_TRUE(user.mgr.WriteToProfile());
  EXPECT_EQ(user.store.writes, next.store.writes);
}

TEST(GfxColumnManagerProfile, NoCountLeavesCodeLayoutUntouched) {
  for (int numDef : {INT_MIN, -1, 0}) {  // 0 also stands for "absent"
    ManagerWithStore s(L"NumDef=" + std::to_wstring(numDef) +
                       L"; DefColId 0=7; DefNum=1; ColDef_id_0=3; ColDef_width_0=999;"
                       L"ColDef_text_0=\"Stored\"");
    CGfxColumnManager code;
    DefineJobsColumns(code);
    EXPECT_FALSE(s.mgr.ReadFromProfile()) << numDef;
    EXPECT_EQ(Describe(code), Describe(s.mgr)) << numDef;
    EXPECT_EQ(kCodeDefaults, s.mgr.GetDefaultColumns()) << numDef;
  }
}

TEST(GfxColumnManagerProfile, GapsUnknownIdsAndRepeatsInTheStoredLists) {
  // Shown ids: position 1 missing (skipped, the rest still count), 12 not defined yet (kept for
  // its module), 40 no mask bit (dropped), 7 twice (shown once). Definitions apply whatever
  // their stored position: 12 is ignored, id 5 comes twice (the last wins) with only a width
  // (the rest keeps the code's values).
  ManagerWithStore s(
      L"NumDef=7; DefColId 0=7; DefColId 2=12; DefColId 3=40; DefColId 4=3; DefColId 5=7;"
      L"DefColId 6=0; DefNum=4; ColDef_id_0=12; ColDef_width_0=1; ColDef_id_1=5;"
      L"ColDef_width_1=44; ColDef_id_2=5; ColDef_width_2=55; ColDef_id_3=0;"
      L"ColDef_text_3=\"Job\"");
  ASSERT_TRUE(s.mgr.ReadFromProfile());
  EXPECT_EQ((std::vector<int>{7, 12, 3, 0}), s.mgr.GetDefaultColumns());
  EXPECT_EQ(L"5,2,55,4,1152,,,", s.Column(5));
  EXPECT_EQ(L"0,0,120,-1,68,Job,,", s.Column(0));
  EXPECT_EQ(L"3,1,60,-1,16,Runs,Count,<null>", s.Column(3))
      << "a definition without stored entry keeps its null strings";
  EXPECT_EQ(4, s.mgr.GetColumnCount()) << "a stored layout never adds columns";

  ManagerWithStore unusable(
      L"NumDef=2; DefColId 0=32; DefColId 1=-7; DefNum=1; ColDef_id_0=7; ColDef_width_0=90");
  ASSERT_TRUE(unusable.mgr.ReadFromProfile());
  EXPECT_EQ(kCodeDefaults, unusable.mgr.GetDefaultColumns())
      << "a list without any usable id keeps the code's";
  EXPECT_EQ(90, unusable.mgr.GetColumnById(7)->GetWidth()) << "the definitions are still read";
}

TEST(GfxColumnManagerProfile, OversizedWidthsAndTextsAreBounded) {
  ManagerWithStore s(
      L"NumDef=1; DefColId 0=3; DefNum=3; ColDef_id_0=3; ColDef_align_0=32771;"
      L"ColDef_width_0=-5; ColDef_image_0=-9; ColDef_dwdata_0=-1; ColDef_id_1=7;"
      L"ColDef_width_1=32768; ColDef_id_2=0; ColDef_width_2=32767");
  const std::wstring huge(100000, L'W');
  s.store.strings[{s.store.kSection, L"ColDef_text_0"}] = huge;
  s.store.strings[{s.store.kSection, L"ColDef_descr_0"}] = huge + L"!";
  ASSERT_TRUE(s.mgr.ReadFromProfile());
  const auto* c3 = s.mgr.GetColumnById(3);
  EXPECT_EQ(L"3,32771,60,-9,4294967295", s.Column(3).substr(0, 24))
      << "align, image and flags taken as stored; a negative width keeps the code's";
  EXPECT_EQ(huge.substr(0, 4096), c3->GetText()) << "texts are cut to 4096 characters";
  EXPECT_EQ(4096u, std::wstring(c3->GetDescr()).size());
  EXPECT_EQ(80, s.mgr.GetColumnById(7)->GetWidth()) << "a width past 32767 keeps the code's";
  EXPECT_EQ(32767, s.mgr.GetColumnById(0)->GetWidth());
}

TEST(GfxColumnManagerProfile, AbsurdCountsReadInBoundedTime) {
  // Counts of a billion with nothing behind them: the first run of missing entries ends each list.
  ManagerWithStore s(
      L"NumDef=1000000000; DefColId 0=5; DefNum=2147483647; ColDef_id_0=3; ColDef_width_0=61");
  ASSERT_TRUE(s.mgr.ReadFromProfile());
  EXPECT_EQ((std::vector<int>{5}), s.mgr.GetDefaultColumns());
  EXPECT_EQ(61, s.mgr.GetColumnById(3)->GetWidth());
  EXPECT_LT(s.store.reads, 100);

  // A store that answers every position: an undefined id everywhere, then a defined one.
  for (int value : {12, 99, 3}) {
    ManagerWithStore endless;
    endless.store.endless = value;
    ASSERT_TRUE(endless.mgr.ReadFromProfile());
    EXPECT_LT(endless.store.reads, 10 * 1024 + 10) << "lookups for stored id " << value;
    EXPECT_EQ(value == 99 ? kCodeDefaults : std::vector<int>{value},
              endless.mgr.GetDefaultColumns());
    EXPECT_EQ(4, endless.mgr.GetColumnCount());
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
    auto& section = s.store.kSection;
    s.store.ints[{section, L"NumDef"}] = interesting[pick(15)];
    s.store.ints[{section, L"DefNum"}] = interesting[pick(15)];
    for (int k = pick(60); k > 0; --k) {
      const std::wstring pos = std::to_wstring(pick(40));
      if (pick(4) == 0)
        s.store.strings[{section, strNames[pick(3)] + pos}] = std::wstring(pick(3) * 500u, L'a');
      else
        s.store.ints[{section, names[pick(6)] + pos}] = interesting[pick(15)];
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
      ASSERT_NE(0u, CGfxColumnManager::GetColumnMask(id)) << "seed " << seed << " lists " << id;
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
    again.store.writes.clear();
    ASSERT_TRUE(again.mgr.ReadFromProfile());
    ASSERT_TRUE(again.mgr.WriteToProfile());
    EXPECT_EQ(clean.writes, again.store.writes) << "seed " << seed;
  }
}
