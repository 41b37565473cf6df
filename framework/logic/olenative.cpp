// The automation string and variant functions for window-free builds that have no oleaut32.
#if !defined(_WIN32)
#include "afxolenative_.h"

#include <cstdlib>
#include <cstring>

// A BSTR is preceded by its length in bytes, as the system lays it out, so SysStringLen and
// embedded zeros behave as they do on Windows.
BSTR SysAllocStringLen(const OLECHAR* pch, UINT cch) {
  char* block = static_cast<char*>(std::malloc(sizeof(DWORD) + (cch + 1) * sizeof(OLECHAR)));
  if (!block) return nullptr;
  DWORD bytes = cch * sizeof(OLECHAR);
  std::memcpy(block, &bytes, sizeof bytes);
  BSTR str = reinterpret_cast<BSTR>(block + sizeof(DWORD));
  if (pch) std::memcpy(str, pch, bytes);
  else std::memset(str, 0, bytes);
  str[cch] = 0;
  return str;
}

BSTR SysAllocString(const OLECHAR* psz) {
  return psz ? SysAllocStringLen(psz, UINT(std::wcslen(psz))) : nullptr;
}

void SysFreeString(BSTR bstr) {
  if (bstr) std::free(reinterpret_cast<char*>(bstr) - sizeof(DWORD));
}

UINT SysStringLen(BSTR bstr) {
  if (!bstr) return 0;
  DWORD bytes;
  std::memcpy(&bytes, reinterpret_cast<char*>(bstr) - sizeof(DWORD), sizeof bytes);
  return bytes / sizeof(OLECHAR);
}

void VariantInit(VARIANTARG* pvarg) {
  std::memset(pvarg, 0, sizeof *pvarg);
}

// Only strings own memory here: interfaces never reach the native tier.
HRESULT VariantClear(VARIANTARG* pvarg) {
  if (pvarg->vt == VT_BSTR) SysFreeString(pvarg->bstrVal);
  VariantInit(pvarg);
  return S_OK;
}
#endif
