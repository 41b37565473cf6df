// CSortClass: keys fetched once per row, list-view comparisons, item data restored afterwards.
#include "grid/SortClass.h"

#include "grid/GfxListCtrl.h"
#include "grid/logic/SortKeys.h"

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

bool CSortClass::FindOwnItemData(DWORD_PTR dwRecord, DWORD_PTR& dwItemData) const {
  // By address: a row added meanwhile carries its own item data and is left alone.
  const auto inside = [dwRecord](const auto& records) {
    if (records.empty()) return false;
    const DWORD_PTR first = reinterpret_cast<DWORD_PTR>(records.data());
    const DWORD_PTR end = reinterpret_cast<DWORD_PTR>(records.data() + records.size());
    using Record = typename std::decay<decltype(records)>::type::value_type;
    return dwRecord >= first && dwRecord < end && (dwRecord - first) % sizeof(Record) == 0;
  };
  if (inside(m_intRecords)) {
    dwItemData = reinterpret_cast<const CSortItemInt*>(dwRecord)->dwItemData;
    return true;
  }
  if (inside(m_textRecords)) {
    dwItemData = reinterpret_cast<const CSortItem*>(dwRecord)->m_dwItemData;
    return true;
  }
  return false;
}

void CSortClass::Sort(bool bAscending) {
  if (!m_pList || !::IsWindow(m_pList->GetSafeHwnd())) return;
  PFNLVCOMPARE pfnCompare;
  if (m_bNumeric || m_bValute)
    pfnCompare = bAscending ? CompareAscI : CompareDesI;
  else
    pfnCompare = bAscending ? CompareAsc : CompareDes;
  m_pList->SendMessage(LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(pfnCompare));
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
