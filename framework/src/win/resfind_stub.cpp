// Temporary: string loading from the executable until the resource chain lands.
#include "afx.h"
BOOL CString::LoadString(UINT nID) { return LoadString(::GetModuleHandleW(NULL), nID); }
int CException::ReportError(UINT nType, UINT) {
  wchar_t text[512];
  if (!GetErrorMessage(text, 512)) wcscpy(text, L"An error occurred.");
  return ::MessageBoxW(NULL, text, NULL, nType);
}
