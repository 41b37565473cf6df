// The module side of a component: its handle, its object count and its type library.
#include "ComControl.h"

namespace tkc {

LONG g_moduleRefs = 0;
HINSTANCE g_hModule = nullptr;

HRESULT LoadTypeInfo(REFIID iid, ITypeInfo** ppInfo) {
  // The type library is resource 1 of this very module; nothing is looked up in the registry.
  WCHAR path[MAX_PATH];
  if (!::GetModuleFileNameW(g_hModule, path, MAX_PATH)) return HRESULT_FROM_WIN32(::GetLastError());
  ITypeLib* pLib = nullptr;
  HRESULT hr = ::LoadTypeLibEx(path, REGKIND_NONE, &pLib);
  if (FAILED(hr)) return hr;
  hr = pLib->GetTypeInfoOfGuid(iid, ppInfo);
  pLib->Release();
  return hr;
}

}  // namespace tkc

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    tkc::g_hModule = hInstance;
    ::DisableThreadLibraryCalls(hInstance);
  }
  return TRUE;
}

STDAPI DllCanUnloadNow() {
  return tkc::g_moduleRefs == 0 ? S_OK : S_FALSE;
}
