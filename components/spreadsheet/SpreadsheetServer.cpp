// The spreadsheet server's entry point.
#include "SpreadsheetServer.h"

#include "SheetObjects.h"

IDispatch* NewSpreadsheetApplication() {
  return sheet::NewApplication();
}
