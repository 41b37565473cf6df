// Extension libraries and the resource chain: module records, linked libraries, resource lookup.
#pragma once
#include "afx.h"
#include "afxwnd_.h"

class COleObjectFactory;

// ---- one record per extension library, filled by AfxInitExtensionModule at load time
struct AFX_EXTENSION_MODULE {
  BOOL bInitialized;
  HMODULE hModule;
  HMODULE hResource;
  CRuntimeClass* pFirstSharedClass;        // head of the classes the library registered
  COleObjectFactory* pFirstSharedFactory;  // no object factories are kept; always null
};

// Initialises the record from the library's instance handle; the classes its static
// constructors registered since the raw entry step become the library's own. FALSE when
// hInstance is null. A second call on an initialised record does nothing and answers TRUE.
AFX_FWAPI BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hInstance);
// Unlinks and deletes the library objects of this record in every module state; with bAll
// every library linked into the current module state goes (a regular library's detach).
AFX_FWAPI void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// The extension library's raw entry step (see afxdllx.h): on process attach it saves the
// current module state's class list head in m_pClassInit and clears the list, so that the
// library's static constructors fill a list of its own. Answers TRUE for every reason.
AFX_FWAPI BOOL AFXAPI AfxExtensionRawDllMain(HINSTANCE hInstance, DWORD dwReason,
                                             LPVOID lpReserved);

// ---- CDynLinkLibrary: one library linked into a module state's chain (newest first).
// Created on the heap; the chain owns it from then on (AfxTermExtensionModule deletes it).
class AFX_FWAPI CDynLinkLibrary : public CCmdTarget {
  DECLARE_DYNAMIC(CDynLinkLibrary)

 public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource, BOOL bSystem = FALSE);
  ~CDynLinkLibrary() override;

  HMODULE m_hModule;
  HMODULE m_hResource;          // where this library's resources are looked up
  CRuntimeClass* m_pClassList;  // the library's classes (chained by m_pNextClass)
  BOOL m_bSystem;               // searched after every non-system library
  CDynLinkLibrary* m_pNextDLL;  // next (older) library of the same module state

 private:
  void Link();
  AFX_MODULE_STATE* m_pModuleState;  // the state whose chain holds this library
};

// ---- resources
// The module holding a resource: the application's resource handle first, then every
// linked library (non-system before system), then, for each extension library linked here
// from another state (by a regular library), the chain of the state it was loaded into.
// When no module has it, the application's resource handle (so the caller's own
// FindResource reports the failure).
AFX_FWAPI HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
// The current module state's resource handle (the executable when nothing was set).
AFX_FWAPI HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_FWAPI void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);

AFX_FWAPI HINSTANCE AFXAPI AfxLoadLibrary(LPCTSTR lpszModuleName);
AFX_FWAPI BOOL AFXAPI AfxFreeLibrary(HINSTANCE hInstLib);
