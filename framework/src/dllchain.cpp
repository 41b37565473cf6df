// Extension libraries in the module chain, the resource chain and string loading through it.
#include "afxwin.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

// Every live library object, whatever module state's chain holds it: a library that unloads
// must leave the chains of regular libraries that linked it too, not only the current one.
std::mutex& LibraryLock() {
  static std::mutex lock;
  return lock;
}
std::vector<CDynLinkLibrary*>& AllLibraries() {
  static std::vector<CDynLinkLibrary*> libraries;
  return libraries;
}

// The raw step and AfxInitExtensionModule run under the loader lock, one library at a time;
// the flag tells "saved an empty head" apart from "no raw step ran".
struct RawStep {
  AFX_MODULE_STATE* pState = nullptr;
  bool pending = false;
};
RawStep g_rawStep;

// Modules in lookup order for the current module state: the application's (or the regular
// library's) resource handle unless the state is a system one, then the non-system
// libraries, then the system ones.
std::vector<HINSTANCE> ResourceSearchOrder() {
  std::vector<HINSTANCE> order;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  if (!pState->m_bSystem) order.push_back(AfxGetResourceHandle());
  std::lock_guard<std::mutex> guard(LibraryLock());
  for (int pass = 0; pass < 2; ++pass) {
    const BOOL bSystem = pass == 1;
    for (CDynLinkLibrary* p = pState->m_pLibraryList; p; p = p->m_pNextDLL)
      if (p->m_bSystem == bSystem && p->m_hResource &&
          std::find(order.begin(), order.end(), p->m_hResource) == order.end())
        order.push_back(p->m_hResource);
  }
  return order;
}

CRuntimeClass* AFXAPI FindLibraryClass(AFX_MODULE_STATE* pState, LPCSTR lpszClassName) {
  std::lock_guard<std::mutex> guard(LibraryLock());
  for (CDynLinkLibrary* pLib = pState->m_pLibraryList; pLib; pLib = pLib->m_pNextDLL)
    for (CRuntimeClass* p = pLib->m_pClassList; p; p = p->m_pNextClass)
      if (lstrcmpA(p->m_lpszClassName, lpszClassName) == 0) return p;
  return nullptr;
}

// Installed while the framework library starts, before any extension library can load.
struct ClassFinderInstaller {
  ClassFinderInstaller() { AfxSetLibraryClassFinder(&FindLibraryClass); }
} g_classFinderInstaller;

}  // namespace

// ---- extension modules

BOOL AFXAPI AfxExtensionRawDllMain(HINSTANCE, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_pClassInit = pState->m_pClassList;
    pState->m_pClassList = NULL;
    g_rawStep.pState = pState;
    g_rawStep.pending = true;
  }
  return TRUE;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hInstance) {
  if (state.bInitialized) return TRUE;
  if (!hInstance) return FALSE;
  state.bInitialized = TRUE;
  state.hModule = hInstance;
  state.hResource = hInstance;
  state.pFirstSharedFactory = NULL;
  // Without the raw step the library's classes are mixed into the host's list and stay there.
  if (g_rawStep.pending) {
    AFX_MODULE_STATE* pState = g_rawStep.pState;
    state.pFirstSharedClass = pState->m_pClassList;
    pState->m_pClassList = pState->m_pClassInit;
    pState->m_pClassInit = NULL;
    g_rawStep = RawStep();
  }
  return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll) {
  std::vector<CDynLinkLibrary*> doomed;
  {
    std::lock_guard<std::mutex> guard(LibraryLock());
    AFX_MODULE_STATE* pCurrent = AfxGetModuleState();
    for (CDynLinkLibrary* p : AllLibraries()) {
      const bool mine = state.hModule && p->m_hModule == state.hModule;
      bool inCurrent = false;
      for (CDynLinkLibrary* q = pCurrent->m_pLibraryList; q && !inCurrent; q = q->m_pNextDLL)
        inCurrent = q == p;
      if (mine || (bAll && inCurrent)) doomed.push_back(p);
    }
  }
  for (CDynLinkLibrary* p : doomed) delete p;
  if (!bAll) state.bInitialized = FALSE;
}

// ---- CDynLinkLibrary

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule),
      m_hResource(state.hResource),
      m_pClassList(state.pFirstSharedClass),
      m_bSystem(bSystem),
      m_pNextDLL(NULL),
      m_pModuleState(NULL) {
  Link();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource, BOOL bSystem)
    : m_hModule(hModule),
      m_hResource(hResource),
      m_pClassList(NULL),
      m_bSystem(bSystem),
      m_pNextDLL(NULL),
      m_pModuleState(NULL) {
  Link();
}

void CDynLinkLibrary::Link() {
  std::lock_guard<std::mutex> guard(LibraryLock());
  m_pModuleState = AfxGetModuleState();
  m_pNextDLL = m_pModuleState->m_pLibraryList;
  m_pModuleState->m_pLibraryList = this;
  AllLibraries().push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary() {
  std::lock_guard<std::mutex> guard(LibraryLock());
  for (CDynLinkLibrary** pp = &m_pModuleState->m_pLibraryList; *pp; pp = &(*pp)->m_pNextDLL) {
    if (*pp == this) {
      *pp = m_pNextDLL;
      break;
    }
  }
  auto& all = AllLibraries();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

// ---- resources

HINSTANCE AFXAPI AfxGetResourceHandle() {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  return pState->m_hCurrentResourceHandle ? pState->m_hCurrentResourceHandle
                                          : ::GetModuleHandleW(NULL);
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource) {
  AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType) {
  if (lpszName && lpszType)
    for (HINSTANCE h : ResourceSearchOrder())
      if (::FindResourceW(h, lpszName, lpszType)) return h;
  return AfxGetResourceHandle();
}

HINSTANCE AFXAPI AfxLoadLibrary(LPCTSTR lpszModuleName) {
  return lpszModuleName ? ::LoadLibraryW(lpszModuleName) : NULL;
}

BOOL AFXAPI AfxFreeLibrary(HINSTANCE hInstLib) {
  return hInstLib ? ::FreeLibrary(hInstLib) : FALSE;
}

// A string table block can hold the id's neighbours but not the id itself, so every module
// of the chain is asked for the string, not only the first holding the block.
BOOL CString::LoadString(UINT nID) {
  for (HINSTANCE h : ResourceSearchOrder())
    if (LoadString(h, nID)) return TRUE;
  Empty();
  return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID) {
  wchar_t text[1024];
  if (GetErrorMessage(text, _countof(text))) return AfxMessageBox(text, nType);
  CString message;
  if (nMessageID == 0 || !message.LoadString(nMessageID))
    message = L"No error message is available.";
  return AfxMessageBox(message, nType);
}
