// CString members that need Windows: string resources and BSTR conversion.
#include "afx.h"

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID) {
  Empty();
  const wchar_t* p = nullptr;
  // With a zero buffer length LoadStringW answers a read-only pointer to the resource text.
  const int n = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&p), 0);
  if (n <= 0 || !p) return FALSE;
  SetString(p, n);
  return TRUE;
}

BSTR CString::AllocSysString() const {
  BSTR b = ::SysAllocStringLen(GetString(), UINT(GetLength()));
  if (!b) AfxThrowMemoryException();
  return b;
}

BSTR CString::SetSysString(BSTR* pbstr) const {
  if (!::SysReAllocStringLen(pbstr, GetString(), UINT(GetLength()))) AfxThrowMemoryException();
  return *pbstr;
}
