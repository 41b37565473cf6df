// The grid's column model without windows: definitions, default column list, stored layout.
#include "grid/GfxColumnManager.h"

#include "grid/GfxProfileStore.h"

#include <algorithm>
#include <utility>

namespace {
// Limits for reading a stored layout. A layout we wrote names each shown column once and each
// definition once, and ids are the 32 mask bits, so a real layout has a few dozen entries and
// no gaps below its counts. A count beyond that comes from a damaged store:
// - no more than kMaxStoredEntries positions of a list are looked at, whatever the count says;
// - a run of kMaxMissingRun positions without an id ends the list early (a written list has no
//   gaps at all; a hand-edited one may lose a few entries, which are skipped as before);
// - definitions stop being read once every defined id has had its values.
// So an absurd count costs a bounded number of lookups, and a real layout reads unchanged.
constexpr int kMaxStoredEntries = 1024;
constexpr int kMaxMissingRun = 32;

// Stored widths beyond the 16-bit coordinate range would overflow the drawing's sums.
constexpr int kMaxStoredWidth = 32767;

std::wstring EntryName(const wchar_t* pszPrefix, int pos) {
  return pszPrefix + std::to_wstring(pos);
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

  // No count (or a nonsensical one) means no stored layout: the code's layout stands.
  const int numDef = pStore->GetInt(pszSection, L"NumDef", 0);
  if (numDef <= 0) return false;

  // Ids of the shown columns. Only ids the code defined are taken, each once: a column can
  // be shown only once, and ids nobody defined would only be skipped by the rebuild.
  std::vector<int> shown;
  std::uint32_t shownMask = 0;
  for (int pos = 0, missing = 0, end = std::min(numDef, kMaxStoredEntries); pos < end; ++pos) {
    const int id = pStore->GetInt(pszSection, EntryName(L"DefColId ", pos).c_str(), -1);
    if (id < 0) {
      if (++missing == kMaxMissingRun) break;
      continue;
    }
    missing = 0;
    const std::uint32_t bit = GetColumnMask(id);
    if (!bit || (shownMask & bit) || FindColumnById(id) < 0) continue;
    shownMask |= bit;
    shown.push_back(id);
  }
  // A user cannot save a layout that shows nothing, so an empty result is damage, not a choice.
  if (!shown.empty()) m_defaults = std::move(shown);

  std::uint32_t definedMask = 0;
  for (const CGfxColumn& col : m_columns) definedMask |= GetColumnMask(col.GetId());

  // Definitions. The first stored entry of an id gives its values; a written layout repeats
  // an id only when the code defined it twice, and then the first definition is the one found.
  const int defNum = pStore->GetInt(pszSection, L"DefNum", -1);
  std::uint32_t readMask = 0;
  for (int pos = 0, missing = 0, end = std::min(defNum, kMaxStoredEntries);
       pos < end && readMask != definedMask; ++pos) {
    const int id = pStore->GetInt(pszSection, EntryName(L"ColDef_id_", pos).c_str(), -1);
    if (id < 0) {
      if (++missing == kMaxMissingRun) break;
      continue;
    }
    missing = 0;
    const std::uint32_t bit = GetColumnMask(id);
    CGfxColumn* pCol = bit && !(readMask & bit) ? GetColumnById(id) : nullptr;
    if (!pCol) continue;
    readMask |= bit;

    // Values the list could not use keep the code's value.
    const int align =
        pStore->GetInt(pszSection, EntryName(L"ColDef_align_", pos).c_str(), pCol->GetAlign());
    if (align >= 0 && align <= 2) pCol->SetAlign(align);
    const int width =
        pStore->GetInt(pszSection, EntryName(L"ColDef_width_", pos).c_str(), pCol->GetWidth());
    if (width >= 0 && width <= kMaxStoredWidth) pCol->SetWidth(width);
    const int image =
        pStore->GetInt(pszSection, EntryName(L"ColDef_image_", pos).c_str(), pCol->GetImage());
    if (image >= -1) pCol->SetImage(image);
    pCol->SetFlags(static_cast<std::uint32_t>(
        pStore->GetInt(pszSection, EntryName(L"ColDef_dwdata_", pos).c_str(),
                       static_cast<int>(pCol->GetFlags()))));
    pCol->SetText(
        pStore->GetString(pszSection, EntryName(L"ColDef_text_", pos).c_str(), L"").c_str());
    pCol->SetTextDt(
        pStore->GetString(pszSection, EntryName(L"ColDef_textdt_", pos).c_str(), L"").c_str());
    pCol->SetDescr(
        pStore->GetString(pszSection, EntryName(L"ColDef_descr_", pos).c_str(), L"").c_str());
  }
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
