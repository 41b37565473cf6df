// Shared set-up of the sort and header tests: lists whose texts come from a table, either
// through callbacks on an owner window or from a derived list overriding GetTextCallback.
#pragma once

#include "grid/GfxCategoryManager.h"
#include "grid/GfxListCtrl.h"

#include <map>
#include <string>
#include <vector>

namespace sorttest {

// Cell texts by item data, one text per column id.
using TextTable = std::map<DWORD_PTR, std::vector<std::wstring>>;

inline void TextFor(const TextTable& table, CGfxListCtrl& list, int nColumn, DWORD_PTR dwData,
                    CString& strText) {
  const auto it = table.find(dwData);
  const int id = list.GetColumnIndex(nColumn);
  if (it == table.end() || id < 0 || id >= static_cast<int>(it->second.size()))
    strText = L"<none>";  // a sort record leaking into a callback shows up as this
  else
    strText = it->second[id].c_str();
}

// A derived list answering its texts itself.
class TableList : public CGfxListCtrl {
 public:
  TextTable* table = nullptr;
  int callbacks = 0;
  void GetTextCallback(int /*nItem*/, int nColumn, DWORD_PTR dwData, CString& strText) override {
    ++callbacks;
    TextFor(*table, *this, nColumn, dwData, strText);
  }
  // Records the header's drop callback before moving the column.
  std::vector<std::pair<int, int>> drops;
  void RecordDrop(int& nFrom, int& nTo) {
    drops.emplace_back(nFrom, nTo);
    DragColumn(nFrom, nTo);
  }
};

// An owner window whose member function answers the texts of its child list.
class TableOwner : public CWnd {
 public:
  TextTable* table = nullptr;
  CGfxListCtrl* list = nullptr;
  int callbacks = 0;
  void GetText(int /*nItem*/, int nColumn, DWORD_PTR dwData, CString& strText) {
    ++callbacks;
    TextFor(*table, *list, nColumn, dwData, strText);
  }
  // Files each row under the first letter of its first column's text.
  void Categorize(CGfxCategoryManager* pManager, DWORD_PTR& dwData) {
    const auto it = table->find(dwData);
    if (it == table->end() || it->second.empty() || it->second[0].empty()) return;
    const std::wstring key(1, it->second[0][0]);
    int index = pManager->FindCategory(key.c_str());
    if (index < 0) index = pManager->AddCategory(key.c_str(), key.c_str());
    pManager->AddItemToCategory(index, dwData);
  }
};

}  // namespace sorttest
