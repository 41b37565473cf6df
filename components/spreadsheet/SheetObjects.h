// The spreadsheet server's automation objects: application, workbooks, workbook, worksheets,
// worksheet and range, each an IDispatch answering the members' dispatch identifiers.
#pragma once
#include <oaidl.h>
#include <windows.h>

#include <memory>

#include "logic/Workbooks.h"

namespace sheet {

// What every object of one application shares.
struct ServerState {
  Workbooks books;
  bool visible = false;
};

// A new application object with no workbook open, its one reference the caller's.
IDispatch* NewApplication();

}  // namespace sheet
