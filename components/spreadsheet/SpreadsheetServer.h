// The spreadsheet server's entry point.
#pragma once
#include <oaidl.h>

// A new application object with no workbook open; its one reference is the caller's.
IDispatch* NewSpreadsheetApplication();
