// CSortClass: keys fetched once per row, list-view comparisons, item data restored afterwards.
#include "grid/SortClass.h"

#include "grid/GfxListCtrl.h"
#include "grid/SortKeys.h"

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
  // While the records stand in for the item data, no callback may see a row's item data:
  // every text is fetched first, each row's record replaces its data right after.
  const DWORD_PTR dwSummary = m_pList->GetSummaryData();
  const int nCount = m_pList->GetItemCount();
  CString strText;
  for (int i = 0; i < nCount; ++i) {
    const DWORD_PTR dwData = m_pList->GetItemData(i);
    strText.Empty();
    m_pList->GetItemTextEx(i, m_nColumn, strText, NULL);
    DWORD_PTR dwRecord;
    if (m_bNumeric || m_bValute) {
      CSortItemInt* pRecord = new CSortItemInt;
      pRecord->nKey = m_bValute ? ParseValute(strText) : ParseNumeric(strText);
      pRecord->dwSummaryData = dwSummary;
      pRecord->dwItemData = dwData;
      dwRecord = reinterpret_cast<DWORD_PTR>(pRecord);
    } else {
      dwRecord = reinterpret_cast<DWORD_PTR>(new CSortItem(strText, dwData, dwSummary));
    }
    m_pList->SetItemData(i, dwRecord);
  }
}

CSortClass::~CSortClass() {
  if (!m_pList || !::IsWindow(m_pList->GetSafeHwnd())) return;
  const int nCount = m_pList->GetItemCount();
  for (int i = 0; i < nCount; ++i) {
    const DWORD_PTR dwRecord = m_pList->GetItemData(i);
    if (!dwRecord) continue;
    if (m_bNumeric || m_bValute) {
      CSortItemInt* pRecord = reinterpret_cast<CSortItemInt*>(dwRecord);
      m_pList->SetItemData(i, pRecord->dwItemData);
      delete pRecord;
    } else {
      CSortItem* pRecord = reinterpret_cast<CSortItem*>(dwRecord);
      m_pList->SetItemData(i, pRecord->m_dwItemData);
      delete pRecord;
    }
  }
  if (m_bRedrawSuspended) {
    m_pList->SetRedraw(TRUE);
    m_pList->Invalidate();
  }
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
