// Extension libraries in the module chain, the resource chain and string loading through it.
#include "afxwin.h"
#include "wndstate_.h"

#include <algorithm>
#include <map>
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

// The module state each extension library was loaded into: its home. The library's
// resources include what its home chain provides (its dialogs' templates in the host's
// resource module), so a regular library that links it searches that chain too.
std::map<HMODULE, AFX_MODULE_STATE*>& HomeStates() {
  static std::map<HMODULE, AFX_MODULE_STATE*> homes;
  return homes;
}

HINSTANCE ResourceHandleOf(const AFX_MODULE_STATE* pState) {
  return pState->m_hCurrentResourceHandle ? pState->m_hCurrentResourceHandle
                                          : ::GetModuleHandleW(NULL);
}

// Adds a state's own sources: its resource handle unless it is a system state, then its
// non-system libraries, then its system ones. Caller holds LibraryLock.
void AddStateSources(const AFX_MODULE_STATE* pState, std::vector<HINSTANCE>& order) {
  auto add = [&order](HINSTANCE h) {
    if (h && std::find(order.begin(), order.end(), h) == order.end()) order.push_back(h);
  };
  if (!pState->m_bSystem) add(ResourceHandleOf(pState));
  for (const BOOL bSystem : {FALSE, TRUE})
    for (CDynLinkLibrary* p = pState->m_pLibraryList; p; p = p->m_pNextDLL)
      if (p->m_bSystem == bSystem) add(p->m_hResource);
}

// Whether pState's chain still holds a library object of hModule. Caller holds LibraryLock.
bool StateHolds(const AFX_MODULE_STATE* pState, HMODULE hModule) {
  for (CDynLinkLibrary* p = pState->m_pLibraryList; p; p = p->m_pNextDLL)
    if (p->m_hModule == hModule) return true;
  return false;
}

// Modules in lookup order for the current module state: its own sources, then the home
// chains of the extension libraries it linked from another state (a regular library's).
std::vector<HINSTANCE> ResourceSearchOrder() {
  std::vector<HINSTANCE> order;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  std::lock_guard<std::mutex> guard(LibraryLock());
  AddStateSources(pState, order);
  for (CDynLinkLibrary* p = pState->m_pLibraryList; p; p = p->m_pNextDLL) {
    auto home = HomeStates().find(p->m_hModule);
    if (home != HomeStates().end() && home->second != pState &&
        StateHolds(home->second, p->m_hModule))
      AddStateSources(home->second, order);
  }
  // The framework's own resources (its print strings) come after every module of the chain,
  // so that any module can replace them.
  HMODULE hFramework = NULL;
  if (::GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(&ResourceSearchOrder), &hFramework) &&
      std::find(order.begin(), order.end(), hFramework) == order.end())
    order.push_back(hFramework);
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
  {
    std::lock_guard<std::mutex> guard(LibraryLock());
    HomeStates()[hInstance] = AfxGetModuleState();
  }
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
  afx_internal::MessageMapGeneration()++;
  if (!bAll) {
    state.bInitialized = FALSE;
    std::lock_guard<std::mutex> guard(LibraryLock());
    HomeStates().erase(state.hModule);
  }
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
  return ResourceHandleOf(AfxGetModuleState());
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
  if (!hInstLib) return FALSE;
  const BOOL bFreed = ::FreeLibrary(hInstLib);
  afx_internal::MessageMapGeneration()++;  // its maps may be gone now
  return bFreed;
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
