// A regular library with its own module state, as the tests need one: everything it exports
// runs inside its own state, so an extension library the host loaded is visible there only
// after the regular library linked it through the extension's own init export.
#include <afxwin.h>

namespace {
AFX_MODULE_STATE g_regularState(TRUE);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    g_regularState.m_hCurrentInstanceHandle = hInstance;
    g_regularState.m_hCurrentResourceHandle = hInstance;
  } else if (dwReason == DLL_PROCESS_DETACH) {
    // The libraries linked into this state go with it.
    AFX_MANAGE_STATE(&g_regularState);
    AFX_EXTENSION_MODULE none = {FALSE, NULL, NULL, NULL, NULL};
    AfxTermExtensionModule(none, TRUE);
  }
  return 1;
}

// The regular library's own initialisation: calls lpszInitExport of the loaded extension
// library lpszModule (AfxMyStuffInitModule for TKWUICore) inside this state.
extern "C" __declspec(dllexport) BOOL RegularLink(LPCWSTR lpszModule, LPCSTR lpszInitExport) {
  HMODULE hModule = ::GetModuleHandleW(lpszModule);
  FARPROC pInit = hModule ? ::GetProcAddress(hModule, lpszInitExport) : NULL;
  if (!pInit) return FALSE;
  AFX_MANAGE_STATE(&g_regularState);
  return reinterpret_cast<CDynLinkLibrary* (*)()>(reinterpret_cast<void (*)()>(pInit))() != NULL;
}

extern "C" __declspec(dllexport) BOOL RegularHasClass(LPCSTR lpszName) {
  AFX_MANAGE_STATE(&g_regularState);
  return CRuntimeClass::FromName(lpszName) != NULL;
}

extern "C" __declspec(dllexport) BOOL RegularLoadString(UINT nID, wchar_t* pBuffer, int nChars) {
  AFX_MANAGE_STATE(&g_regularState);
  CString text;
  if (!text.LoadString(nID)) return FALSE;
  lstrcpynW(pBuffer, text, nChars);
  return TRUE;
}

// The module the chain finds a resource in, as seen from this state; null when none has it.
extern "C" __declspec(dllexport) HINSTANCE RegularFindResource(UINT nID, LPCWSTR lpszType) {
  AFX_MANAGE_STATE(&g_regularState);
  HINSTANCE hModule = AfxFindResourceHandle(MAKEINTRESOURCEW(nID), lpszType);
  return ::FindResourceW(hModule, MAKEINTRESOURCEW(nID), lpszType) ? hModule : NULL;
}

// Creates a dialog of class lpszClass (by name; a plain CDialog when null) on template nID
// and destroys it again: whether this state finds the class and the template.
extern "C" __declspec(dllexport) BOOL RegularCreateDialog(LPCSTR lpszClass, UINT nID) {
  AFX_MANAGE_STATE(&g_regularState);
  CObject* pObject = lpszClass ? CRuntimeClass::CreateObject(lpszClass) : new CDialog;
  if (!pObject) return FALSE;
  CDialog* pDialog = static_cast<CDialog*>(pObject);
  const BOOL bCreated = pDialog->IsKindOf(RUNTIME_CLASS(CDialog)) && pDialog->Create(nID);
  if (bCreated) pDialog->DestroyWindow();
  delete pObject;
  return bCreated;
}
