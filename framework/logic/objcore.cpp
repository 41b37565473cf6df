// CObject, runtime classes, module state and the assert hook (window-free).
#include "afx.h"

#include <cstdio>
#include <cstring>

// ---- diagnostics

namespace {
AFX_ASSERT_HOOK g_assertHook = nullptr;
AFX_LIBRARY_CLASS_FINDER g_libraryClassFinder = nullptr;
}  // namespace

AFX_ASSERT_HOOK AFXAPI AfxSetAssertHook(AFX_ASSERT_HOOK pfnHook) {
  AFX_ASSERT_HOOK old = g_assertHook;
  g_assertHook = pfnHook;
  return old;
}

void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine, LPCSTR lpszExpression) {
  if (g_assertHook) {
    g_assertHook(lpszFileName, nLine, lpszExpression);
    return;
  }
  std::fprintf(stderr, "ASSERT failed: %s(%d): %s\n", lpszFileName, nLine, lpszExpression);
}

// ---- CObject

CRuntimeClass CObject::classCObject = {"CObject", int(sizeof(CObject)), 0xFFFF, NULL, NULL, NULL,
                                       NULL};

CRuntimeClass* PASCAL CObject::GetThisClass() {
  return &CObject::classCObject;
}
CRuntimeClass* CObject::GetRuntimeClass() const {
  return &CObject::classCObject;
}
CObject::CObject() {}
CObject::~CObject() {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
  return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const {
  return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

void CObject::AssertValid() const {
  ASSERT(this != NULL);
}

// ---- CRuntimeClass

CObject* CRuntimeClass::CreateObject() {
  return m_pfnCreateObject ? (*m_pfnCreateObject)() : NULL;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
  if (!pBaseClass) return FALSE;
  for (const CRuntimeClass* p = this; p;
       p = p->m_pfnGetBaseClass ? (*p->m_pfnGetBaseClass)() : NULL)
    if (p == pBaseClass) return TRUE;
  return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName) {
  if (!lpszClassName) return NULL;
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  for (CRuntimeClass* p = pState->m_pClassList; p; p = p->m_pNextClass)
    if (std::strcmp(p->m_lpszClassName, lpszClassName) == 0) return p;
  if (std::strcmp(lpszClassName, "CObject") == 0) return &CObject::classCObject;
  return g_libraryClassFinder ? g_libraryClassFinder(pState, lpszClassName) : NULL;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCWSTR lpszClassName) {
  if (!lpszClassName) return NULL;
  // Class names are ASCII identifiers; anything else cannot name a class.
  char name[256];
  size_t i = 0;
  for (; lpszClassName[i]; ++i) {
    if (i + 1 >= sizeof(name) || lpszClassName[i] > 0x7F) return NULL;
    name[i] = char(lpszClassName[i]);
  }
  name[i] = 0;
  return FromName(name);
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName) {
  CRuntimeClass* p = FromName(lpszClassName);
  return p ? p->CreateObject() : NULL;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCWSTR lpszClassName) {
  CRuntimeClass* p = FromName(lpszClassName);
  return p ? p->CreateObject() : NULL;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  pNewClass->m_pNextClass = pState->m_pClassList;
  pState->m_pClassList = pNewClass;
}

void AFXAPI AfxSetLibraryClassFinder(AFX_LIBRARY_CLASS_FINDER pfnFinder) {
  g_libraryClassFinder = pfnFinder;
}

// ---- module state

AFX_MODULE_STATE::AFX_MODULE_STATE(BOOL bDLL)
    : m_bDLL(bDLL),
      m_bSystem(FALSE),
      m_pCurrentWinApp(NULL),
      m_hCurrentInstanceHandle(NULL),
      m_hCurrentResourceHandle(NULL),
      m_lpszCurrentAppName(NULL),
      m_pClassList(NULL),
      m_pClassInit(NULL),
      m_pLibraryList(NULL),
      m_pWinState(NULL) {}

namespace {
// Function-local statics: classes register during static construction, in any order.
AFX_MODULE_STATE& AppState() {
  static AFX_MODULE_STATE state(FALSE);
  return state;
}
thread_local AFX_MODULE_STATE* t_pCurrentState = nullptr;
}  // namespace

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState() {
  return &AppState();
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState() {
  return t_pCurrentState ? t_pCurrentState : &AppState();
}

AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState) {
  AFX_MODULE_STATE* pPrev = AfxGetModuleState();
  t_pCurrentState = pNewState;
  return pPrev;
}

AFX_MAINTAIN_STATE::AFX_MAINTAIN_STATE(AFX_MODULE_STATE* pNewState)
    : m_pPrevModuleState(AfxSetModuleState(pNewState)) {}

AFX_MAINTAIN_STATE::~AFX_MAINTAIN_STATE() {
  AfxSetModuleState(m_pPrevModuleState);
}
