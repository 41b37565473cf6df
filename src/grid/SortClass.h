// CSortClass: sorts a grid's rows by the text of one column, fetched once per row.
#pragma once

#include "core/TKWExport.h"

#include <afxwin.h>

#include <vector>

class CGfxListCtrl;

class TKWUI_API CSortClass {
 public:
  // Fetches every row's key and replaces each row's item data by its sort record.
  CSortClass(CGfxListCtrl* pList, int nColumn, bool bNumeric, bool bValute);
  // Puts every row's own item data back.
  virtual ~CSortClass();

  void Sort(bool bAscending);

  static int CALLBACK CompareAsc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
  static int CALLBACK CompareDes(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
  static int CALLBACK CompareAscI(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
  static int CALLBACK CompareDesI(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

  // Text key record.
  class TKWUI_API CSortItem {
   public:
    CSortItem(const CString& strText, DWORD_PTR dwItemData, DWORD_PTR dwSummaryData);
    virtual ~CSortItem();
    CString m_strText;
    DWORD_PTR m_dwItemData;
    DWORD_PTR m_dwSummaryData;
  };

  // Numeric key record.
  struct CSortItemInt {
    int nKey;
    DWORD_PTR dwSummaryData;
    DWORD_PTR dwItemData;
  };

 protected:
  int m_nColumn;
  CGfxListCtrl* m_pList;
  bool m_bNumeric;
  bool m_bValute;
  bool m_bRedrawSuspended;  // the list stops repainting row by row while records stand in
  // The records, one per row in the order before the sort (only the kind in use is filled).
  // Reserved once, so a row's record never moves while the row points at it.
  std::vector<CSortItem> m_textRecords;
  std::vector<CSortItemInt> m_intRecords;

  // Each record's place in the sorted order, by its index (filled by Sort).
  std::vector<UINT> m_ranks;

  // The row's own item data when dwRecord is one of this sorter's records.
  bool FindOwnItemData(DWORD_PTR dwRecord, DWORD_PTR& dwItemData) const;
  // The index of one of this sorter's records, or -1 for any other value.
  ptrdiff_t IndexOf(DWORD_PTR dwRecord) const;

 private:
  // Orders the list by the ranks Sort computed; lParamSort is the sorter.
  static int CALLBACK CompareRanks(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
};
