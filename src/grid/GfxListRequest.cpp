// LXHDREX: construction of the grid's request records.
#include "grid/GfxListRequest.h"

LXHDREX::LXHDREX()
    : iNotifyCode(-1),
      iListId(-1),
      iItem(0),
      iSubItem(0),
      dwItemData(0),
      iReserved(0),
      dwFlag(0),
      crText(0),
      crBackground(0),
      hfText(NULL),
      pcsaChoices(NULL) {}

LXHDREX::~LXHDREX() {}

LXHDREX_DIV::LXHDREX_DIV() : pDC(NULL), rcItem(0, 0, 0, 0) {}

LXHDREX_DIV::LXHDREX_DIV(const LXHDREX& other) : pDC(NULL), rcItem(0, 0, 0, 0) {
  iNotifyCode = other.iNotifyCode;
  iListId = other.iListId;
  iItem = other.iItem;
  iSubItem = other.iSubItem;
  dwItemData = other.dwItemData;
}
