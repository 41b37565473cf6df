// The grid's column model without windows: definitions, default column list, stored layout.
#include "grid/GfxColumnManager.h"

#include "grid/logic/GfxProfileStore.h"

#include <algorithm>
#include <utility>

namespace {
// Limits for reading a stored layout. A layout we wrote names each shown column once and each
// definition once, and ids are the 32 mask bits, so a real layout has a few dozen entries and
// no gaps below its counts. A count beyond that comes from a damaged store:
// - no more than kMaxStoredEntries positions of a list are looked at, whatever the count says;
// - a run of kMaxMissingRun positions without an id ends the list early (a written list has no
//   gaps at all; a hand-edited one may lose a few entries, which are skipped as before);
// So an absurd count costs a bounded number of lookups, and a real layout reads unchanged.
constexpr int kMaxStoredEntries = 1024;
constexpr int kMaxMissingRun = 32;

// Stored widths beyond the 16-bit coordinate range would overflow the drawing's sums.
constexpr int kMaxStoredWidth = 32767;

// Titles and descriptions are a line of text; more than this is damage.
constexpr std::size_t kMaxStoredText = 4096;

std::wstring EntryName(const wchar_t* pszPrefix, int pos) {
  return pszPrefix + std::to_wstring(pos);
}

// A stored text, cut to a length no title needs: a damaged store may hold megabytes.
std::wstring StoredText(CGfxProfileStore& store, const wchar_t* pszSection,
                        const wchar_t* pszPrefix, int pos) {
  std::wstring text = store.GetString(pszSection, EntryName(pszPrefix, pos).c_str(), L"");
  if (text.size() > kMaxStoredText) text.resize(kMaxStoredText);
  return text;
}

// Calls fn(pos, id) for each stored id of a list of count entries ("DefColId " or
// "ColDef_id_"), within the limits above. Missing or negative ids are skipped.
template <typename Fn>
void ForEachStoredId(CGfxProfileStore& store, const wchar_t* pszSection, const wchar_t* pszPrefix,
                     int count, Fn fn) {
  for (int pos = 0, missing = 0, end = std::min(count, kMaxStoredEntries); pos < end; ++pos) {
    const int id = store.GetInt(pszSection, EntryName(pszPrefix, pos).c_str(), -1);
    if (id < 0) {
      if (++missing == kMaxMissingRun) break;
      continue;
    }
    missing = 0;
    fn(pos, id);
  }
}

const wchar_t* OrEmpty(const wchar_t* psz) {
  return psz ? psz : L"";
}
}  // namespace

// --- CGfxColumn --------------------------------------------------------------------------

CGfxColumnManager::CGfxColumn::CGfxColumn(int id, const wchar_t* pszText, const wchar_t* pszTextDt,
                                          int align, int width, std::uint32_t dwdata, int image,
                                          const wchar_t* pszDescr)
    : m_id(id), m_align(align), m_width(width), m_image(image), m_dwdata(dwdata) {
  Set(m_text, pszText);
  Set(m_textdt, pszTextDt);
  Set(m_descr, pszDescr);
}

void CGfxColumnManager::CGfxColumn::Set(std::optional<std::wstring>& s, const wchar_t* psz) {
  // Copy before releasing the old string: psz may point into it (SetText(GetText())).
  if (psz)
    s = std::wstring(psz);
  else
    s.reset();
}

const wchar_t* CGfxColumnManager::CGfxColumn::GetDisplayTitle() const {
  if (HasFlag(GFXCOL_IMAGE) && m_descr) return m_descr->c_str();
  return GetText();
}

// --- construction --------------------------------------------------------------------------

CGfxColumnManager::CGfxColumnManager() = default;

CGfxColumnManager::CGfxColumnManager(const CGfxColumnManager* pOther) {
  if (!pOther) return;
  m_defaults = pOther->m_defaults;
  m_columns.reserve(pOther->m_columns.size());
  for (const CGfxColumn& col : pOther->m_columns)
    DefineColumn(col.GetId(), col.GetText(), col.GetTextDt(), col.GetAlign(), col.GetWidth(),
                 col.GetFlags(), col.GetImage(), col.GetDescr());
}

CGfxColumnManager::~CGfxColumnManager() = default;

// --- definitions ---------------------------------------------------------------------------

int CGfxColumnManager::DefineColumn(int id, const wchar_t* pszText, const wchar_t* pszTextDt,
                                    int align, int width, std::uint32_t dwdata, int image,
                                    const wchar_t* pszDescr) {
  // An id is a mask bit everywhere in the list; a column that cannot have one is refused here
  // so that every definition can be trusted later.
  if (!IsValidColumnId(id)) return -1;
  m_columns.emplace_back(id, pszText, pszTextDt, align, width, dwdata, image, pszDescr);
  return GetColumnCount() - 1;
}

bool CGfxColumnManager::DefineDefaultColumns(int count, const int* pIds) {
  if (count < 1 || !pIds) {
    m_defaults.clear();
    return count > 0 && pIds;
  }
  m_defaults.assign(pIds, pIds + count);
  return true;
}

int CGfxColumnManager::FindColumnById(int id) const {
  for (int pos = 0; pos < GetColumnCount(); ++pos)
    if (m_columns[pos].GetId() == id) return pos;
  return -1;
}

bool CGfxColumnManager::IsDefColumn(int id) const {
  return std::find(m_defaults.begin(), m_defaults.end(), id) != m_defaults.end();
}

void CGfxColumnManager::RenameColumn(int id, const wchar_t* pszText) {
  if (CGfxColumn* pCol = GetColumnById(id)) pCol->SetText(pszText);
}

CGfxColumnManager::CGfxColumn* CGfxColumnManager::GetColumn(int pos) {
  return pos >= 0 && pos < GetColumnCount() ? &m_columns[pos] : nullptr;
}

const CGfxColumnManager::CGfxColumn* CGfxColumnManager::GetColumn(int pos) const {
  return pos >= 0 && pos < GetColumnCount() ? &m_columns[pos] : nullptr;
}

CGfxColumnManager::CGfxColumn* CGfxColumnManager::GetColumnById(int id) {
  return GetColumn(FindColumnById(id));
}

const CGfxColumnManager::CGfxColumn* CGfxColumnManager::GetColumnById(int id) const {
  return GetColumn(FindColumnById(id));
}

void CGfxColumnManager::SwapDefinitions(CGfxColumnManager& other) {
  m_columns.swap(other.m_columns);
}

// --- default column list -------------------------------------------------------------------

int CGfxColumnManager::GetDefaultColumn(int pos) const {
  return pos >= 0 && pos < GetDefaultCount() ? m_defaults[pos] : -1;
}

bool CGfxColumnManager::SetDefaultColumn(int pos, int id) {
  if (pos < 0 || pos >= GetDefaultCount()) return false;
  m_defaults[pos] = id;
  return true;
}

void CGfxColumnManager::AdoptLiveColumns(const std::vector<int>& live) {
  std::vector<int> adopted;
  std::uint32_t listed = 0;
  auto append = [&](int id) {
    const std::uint32_t bit = GetColumnMask(id);
    if (!bit || (listed & bit)) return;
    listed |= bit;
    adopted.push_back(id);
  };
  size_t nextLive = 0;
  for (int id : m_defaults) {
    const bool waiting =
        FindColumnById(id) < 0 && std::find(live.begin(), live.end(), id) == live.end();
    if (waiting)
      append(id);
    else if (nextLive < live.size())
      append(live[nextLive++]);
  }
  while (nextLive < live.size()) append(live[nextLive++]);
  m_defaults = std::move(adopted);
}

// --- profile -------------------------------------------------------------------------------

void CGfxColumnManager::SetProfileSection(const wchar_t* pszSection) {
  m_section = OrEmpty(pszSection);
}

CGfxProfileStore* CGfxColumnManager::GetProfileStore() const {
  return m_pStore ? m_pStore : CGfxProfileStore::GetDefault();
}

std::wstring CGfxColumnManager::GetStoredSection() const {
  return L"GfxLists\\" + m_section;
}

bool CGfxColumnManager::ReadFromProfile() {
  if (m_section.empty()) return false;
  return ReadFromProfile(GetStoredSection().c_str());
}

bool CGfxColumnManager::WriteToProfile() {
  if (m_section.empty()) return false;
  return WriteToProfile(GetStoredSection().c_str());
}

bool CGfxColumnManager::ReadFromProfile(const wchar_t* pszSection) {
  CGfxProfileStore* pStore = GetProfileStore();
  if (!pStore) return false;

  // No count (or a negative one) means no stored layout: the code's layout stands.
  const int numDef = pStore->GetInt(pszSection, L"NumDef", 0);
  if (numDef <= 0) return false;

  // Ids of the shown columns, each once. Ids that no definition carries stay listed: a host
  // module defines its columns only while it is loaded, and they come back with it.
  std::vector<int> shown;
  std::uint32_t shownMask = 0;
  ForEachStoredId(*pStore, pszSection, L"DefColId ", numDef, [&](int, int id) {
    const std::uint32_t bit = GetColumnMask(id);
    if (!bit || (shownMask & bit)) return;
    shownMask |= bit;
    shown.push_back(id);
  });
  // A user cannot save a layout that shows nothing, so an empty result is damage, not a choice.
  if (!shown.empty()) m_defaults = std::move(shown);

  // Definitions, in stored order: a later entry for the same id overrides an earlier one.
  const int defNum = pStore->GetInt(pszSection, L"DefNum", -1);
  ForEachStoredId(*pStore, pszSection, L"ColDef_id_", defNum, [&](int pos, int id) {
    CGfxColumn* pCol = GetColumnById(id);
    if (!pCol) return;

    pCol->SetAlign(
        pStore->GetInt(pszSection, EntryName(L"ColDef_align_", pos).c_str(), pCol->GetAlign()));
    // Widths are summed into pixel positions: one beyond the coordinate range keeps the code's.
    const int width =
        pStore->GetInt(pszSection, EntryName(L"ColDef_width_", pos).c_str(), pCol->GetWidth());
    if (width >= 0 && width <= kMaxStoredWidth) pCol->SetWidth(width);
    pCol->SetImage(
        pStore->GetInt(pszSection, EntryName(L"ColDef_image_", pos).c_str(), pCol->GetImage()));
    pCol->SetFlags(static_cast<std::uint32_t>(
        pStore->GetInt(pszSection, EntryName(L"ColDef_dwdata_", pos).c_str(),
                       static_cast<int>(pCol->GetFlags()))));
    pCol->SetText(StoredText(*pStore, pszSection, L"ColDef_text_", pos).c_str());
    pCol->SetTextDt(StoredText(*pStore, pszSection, L"ColDef_textdt_", pos).c_str());
    pCol->SetDescr(StoredText(*pStore, pszSection, L"ColDef_descr_", pos).c_str());
  });
  return true;
}

bool CGfxColumnManager::WriteToProfile(const wchar_t* pszSection) {
  CGfxProfileStore* pStore = GetProfileStore();
  if (!pStore) return false;

  if (!pStore->WriteInt(pszSection, L"NumDef", GetDefaultCount())) return false;
  for (int pos = 0; pos < GetDefaultCount(); ++pos)
    if (!pStore->WriteInt(pszSection, EntryName(L"DefColId ", pos).c_str(), m_defaults[pos]))
      return false;

  if (!pStore->WriteInt(pszSection, L"DefNum", GetColumnCount())) return false;
  for (int pos = 0; pos < GetColumnCount(); ++pos) {
    const CGfxColumn& col = m_columns[pos];
    const bool ok =
        pStore->WriteInt(pszSection, EntryName(L"ColDef_id_", pos).c_str(), col.GetId()) &&
        pStore->WriteInt(pszSection, EntryName(L"ColDef_align_", pos).c_str(), col.GetAlign()) &&
        pStore->WriteInt(pszSection, EntryName(L"ColDef_width_", pos).c_str(), col.GetWidth()) &&
        pStore->WriteInt(pszSection, EntryName(L"ColDef_image_", pos).c_str(), col.GetImage()) &&
        pStore->WriteInt(pszSection, EntryName(L"ColDef_dwdata_", pos).c_str(),
                         static_cast<int>(col.GetFlags())) &&
        pStore->WriteString(pszSection, EntryName(L"ColDef_text_", pos).c_str(),
                            OrEmpty(col.GetText())) &&
        pStore->WriteString(pszSection, EntryName(L"ColDef_textdt_", pos).c_str(),
                            OrEmpty(col.GetTextDt())) &&
        pStore->WriteString(pszSection, EntryName(L"ColDef_descr_", pos).c_str(),
                            OrEmpty(col.GetDescr()));
    if (!ok) return false;
  }
  return true;
}

bool CGfxColumnManager::CustomizeColumn(CGfxListCtrl* pList, CWnd* pParent) {
  (void)pList;
  (void)pParent;
  return false;
}
