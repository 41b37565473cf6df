// CSortClass: keys fetched once per row, list-view comparisons, item data restored afterwards.
#include "grid/SortClass.h"

#include "grid/GfxListCtrl.h"
#include "grid/logic/SortKeys.h"

#include <algorithm>
#include <numeric>
#include <type_traits>

using namespace tkw::sortkeys;

CSortClass::CSortItem::CSortItem(const CString& strText, DWORD_PTR dwItemData,
                                 DWORD_PTR dwSummaryData)
    : m_strText(strText), m_dwItemData(dwItemData), m_dwSummaryData(dwSummaryData) {}

CSortClass::CSortItem::~CSortItem() {}

CSortClass::CSortClass(CGfxListCtrl* pList, int nColumn, bool bNumeric, bool bValute)
    : m_nColumn(nColumn),
      m_pList(pList),
      m_bNumeric(bValute ? false : bNumeric),
      m_bValute(bValute),
      m_bRedrawSuspended(false) {
  if (!m_pList || !::IsWindow(m_pList->GetSafeHwnd())) return;
  // Every item data change would repaint its row; one repaint at the end is enough. A list
  // whose owner turned redrawing off, or that is not shown, is left as it is.
  if (m_pList->IsRedrawOn() && m_pList->IsWindowVisible()) {
    m_pList->SetRedraw(FALSE);
    m_bRedrawSuspended = true;
  }
  // The owner's callback asks for the column id of every row.
  CGfxListCtrl::CKeepColumns keepColumns(*m_pList);
  CGfxListCtrl::CQuietItemData quiet(*m_pList);
  // While the records stand in for the item data, no callback may see a row's item data:
  // each row's text is fetched with its own item data, its record replaces the data after.
  const DWORD_PTR dwSummary = m_pList->GetSummaryData();
  const int nCount = m_pList->GetItemCount();
  const bool bIntKeys = m_bNumeric || m_bValute;
  if (bIntKeys)
    m_intRecords.reserve(static_cast<size_t>(nCount));
  else
    m_textRecords.reserve(static_cast<size_t>(nCount));
  CString strText;
  for (int i = 0; i < nCount; ++i) {
    const DWORD_PTR dwData = m_pList->GetItemData(i);
    DWORD_PTR dwRecord;
    if (bIntKeys) {
      strText.Empty();
      m_pList->GetItemTextEx(i, m_nColumn, strText, &dwData);
      m_intRecords.push_back(
          {m_bValute ? ParseValute(strText) : ParseNumeric(strText), dwSummary, dwData});
      dwRecord = reinterpret_cast<DWORD_PTR>(&m_intRecords.back());
    } else {
      // The text goes straight into its record: no copy per row.
      m_textRecords.emplace_back(CString(), dwData, dwSummary);
      m_pList->GetItemTextEx(i, m_nColumn, m_textRecords.back().m_strText, &dwData);
      dwRecord = reinterpret_cast<DWORD_PTR>(&m_textRecords.back());
    }
    m_pList->SetItemData(i, dwRecord);
  }
}

CSortClass::~CSortClass() {
  if (!m_pList || !::IsWindow(m_pList->GetSafeHwnd())) return;
  const int nCount = m_pList->GetItemCount();
  CGfxListCtrl::CQuietItemData quiet(*m_pList);
  for (int i = 0; i < nCount; ++i) {
    DWORD_PTR dwItemData = 0;
    if (FindOwnItemData(m_pList->GetItemData(i), dwItemData)) m_pList->SetItemData(i, dwItemData);
  }
  if (m_bRedrawSuspended) {
    m_pList->SetRedraw(TRUE);
    m_pList->Invalidate();
  }
}

ptrdiff_t CSortClass::IndexOf(DWORD_PTR dwRecord) const {
  // By address: a row added meanwhile carries its own item data and is no record.
  const auto indexIn = [dwRecord](const auto& records) -> ptrdiff_t {
    if (records.empty()) return -1;
    using Record = typename std::decay<decltype(records)>::type::value_type;
    const DWORD_PTR first = reinterpret_cast<DWORD_PTR>(records.data());
    const DWORD_PTR end = reinterpret_cast<DWORD_PTR>(records.data() + records.size());
    if (dwRecord < first || dwRecord >= end || (dwRecord - first) % sizeof(Record) != 0) return -1;
    return static_cast<ptrdiff_t>((dwRecord - first) / sizeof(Record));
  };
  return m_intRecords.empty() ? indexIn(m_textRecords) : indexIn(m_intRecords);
}

bool CSortClass::FindOwnItemData(DWORD_PTR dwRecord, DWORD_PTR& dwItemData) const {
  const ptrdiff_t nIndex = IndexOf(dwRecord);
  if (nIndex < 0) return false;
  dwItemData = m_intRecords.empty() ? m_textRecords[size_t(nIndex)].m_dwItemData
                                    : m_intRecords[size_t(nIndex)].dwItemData;
  return true;
}

void CSortClass::Sort(bool bAscending) {
  if (!m_pList || !::IsWindow(m_pList->GetSafeHwnd())) return;
  // The order is decided once over the records themselves, with a stable sort (equal keys keep
  // their order in either direction); the list then only follows the ranks, which costs one
  // subtraction a comparison instead of a text comparison.
  const bool bIntKeys = m_bNumeric || m_bValute;
  const size_t nRecords = bIntKeys ? m_intRecords.size() : m_textRecords.size();
  std::vector<UINT> order(nRecords);
  std::iota(order.begin(), order.end(), 0u);
  const auto sortBy = [&](auto& records, PFNLVCOMPARE pfnCompare) {
    std::stable_sort(order.begin(), order.end(), [&](UINT a, UINT b) {
      return pfnCompare(reinterpret_cast<LPARAM>(&records[a]),
                        reinterpret_cast<LPARAM>(&records[b]), 0) < 0;
    });
  };
  if (bIntKeys)
    sortBy(m_intRecords, bAscending ? CompareAscI : CompareDesI);
  else
    sortBy(m_textRecords, bAscending ? CompareAsc : CompareDes);
  m_ranks.assign(nRecords, 0);
  for (size_t k = 0; k < nRecords; ++k) m_ranks[order[k]] = static_cast<UINT>(k);
  m_pList->SendMessage(LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                       reinterpret_cast<LPARAM>(&CSortClass::CompareRanks));
}

int CALLBACK CSortClass::CompareRanks(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
  const CSortClass* pSorter = reinterpret_cast<const CSortClass*>(lParamSort);
  // A row that is no record of this sorter (added after the keys were read) goes last.
  const auto rankOf = [pSorter](LPARAM lParam) -> size_t {
    const ptrdiff_t nIndex = pSorter->IndexOf(static_cast<DWORD_PTR>(lParam));
    return nIndex < 0 ? pSorter->m_ranks.size() : pSorter->m_ranks[size_t(nIndex)];
  };
  const size_t a = rankOf(lParam1), b = rankOf(lParam2);
  return a == b ? 0 : (a < b ? -1 : 1);
}

int CALLBACK CSortClass::CompareAsc(LPARAM lParam1, LPARAM lParam2, LPARAM /*lParamSort*/) {
  const CSortItem* a = reinterpret_cast<const CSortItem*>(lParam1);
  const CSortItem* b = reinterpret_cast<const CSortItem*>(lParam2);
  const int nSummary = CompareSummary(a->m_dwItemData, b->m_dwItemData, a->m_dwSummaryData);
  return nSummary ? nSummary : CompareNoCase(a->m_strText, b->m_strText);
}

int CALLBACK CSortClass::CompareDes(LPARAM lParam1, LPARAM lParam2, LPARAM /*lParamSort*/) {
  const CSortItem* a = reinterpret_cast<const CSortItem*>(lParam1);
  const CSortItem* b = reinterpret_cast<const CSortItem*>(lParam2);
  const int nSummary = CompareSummary(a->m_dwItemData, b->m_dwItemData, a->m_dwSummaryData);
  return nSummary ? nSummary : CompareNoCase(b->m_strText, a->m_strText);
}

int CALLBACK CSortClass::CompareAscI(LPARAM lParam1, LPARAM lParam2, LPARAM /*lParamSort*/) {
  const CSortItemInt* a = reinterpret_cast<const CSortItemInt*>(lParam1);
  const CSortItemInt* b = reinterpret_cast<const CSortItemInt*>(lParam2);
  const int nSummary = CompareSummary(a->dwItemData, b->dwItemData, a->dwSummaryData);
  return nSummary ? nSummary : CompareInt(a->nKey, b->nKey);
}

int CALLBACK CSortClass::CompareDesI(LPARAM lParam1, LPARAM lParam2, LPARAM /*lParamSort*/) {
  const CSortItemInt* a = reinterpret_cast<const CSortItemInt*>(lParam1);
  const CSortItemInt* b = reinterpret_cast<const CSortItemInt*>(lParam2);
  const int nSummary = CompareSummary(a->dwItemData, b->dwItemData, a->dwSummaryData);
  return nSummary ? nSummary : CompareInt(b->nKey, a->nKey);
}
