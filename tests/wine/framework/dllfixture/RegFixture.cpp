// A regular library with its own module state that uses the extension fixture: everything it
// exports runs inside its own state, as such a library's entry points do.
#include <afxwin.h>

#include "FixtureIds.h"

extern "C" __declspec(dllimport) CDynLinkLibrary* FixtureInitModule();

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

extern "C" __declspec(dllexport) BOOL RegFixtureLink() {
  AFX_MANAGE_STATE(&g_regularState);
  return FixtureInitModule() != NULL;
}

extern "C" __declspec(dllexport) BOOL RegFixtureHasClass(const char* lpszName) {
  AFX_MANAGE_STATE(&g_regularState);
  return CRuntimeClass::FromName(lpszName) != NULL;
}

extern "C" __declspec(dllexport) BOOL RegFixtureLoadString(UINT nID, wchar_t* pBuffer, int nChars) {
  AFX_MANAGE_STATE(&g_regularState);
  CString text;
  if (!text.LoadString(nID)) return FALSE;
  lstrcpynW(pBuffer, text, nChars);
  return TRUE;
}

// Creates the extension library's dialog by name and runs it modally (its template is found
// through this state's chain); -2 when the class is not found.
extern "C" __declspec(dllexport) INT_PTR RegFixtureRunDialog() {
  AFX_MANAGE_STATE(&g_regularState);
  CObject* pObject = CRuntimeClass::CreateObject("CFixtureDialog");
  if (!pObject) return -2;
  const INT_PTR result = static_cast<CDialog*>(pObject)->DoModal();
  delete pObject;
  return result;
}
