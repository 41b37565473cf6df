// Framework core: diagnostics, CObject and runtime classes, module state, exceptions, CString.
#pragma once
#include "afxver_.h"

#include <cstddef>
#include <new>

class CObject;
class CWinApp;
class CDynLinkLibrary;
struct CRuntimeClass;

// ---- diagnostics
// A failed ASSERT calls the assert hook (tests turn it into a test failure) and goes on,
// as "Ignore" would; it never terminates the host.
typedef void(AFXAPI* AFX_ASSERT_HOOK)(LPCSTR lpszFileName, int nLine, LPCSTR lpszExpression);
AFX_FWAPI AFX_ASSERT_HOOK AFXAPI AfxSetAssertHook(AFX_ASSERT_HOOK pfnHook);
AFX_FWAPI void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine, LPCSTR lpszExpression);

#if !defined(NDEBUG)
#define ASSERT(f) ((void)((f) || (AfxAssertFailedLine(__FILE__, __LINE__, #f), 0)))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(p) ASSERT((p) != NULL)
#define ASSERT_KINDOF(class_name, p) ASSERT((p)->IsKindOf(RUNTIME_CLASS(class_name)))
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#define ASSERT_KINDOF(class_name, p) ((void)0)
#endif
#define TRACE(...) ((void)0)
#define TRACE0(s) ((void)0)
#define ENSURE(cond)                            \
  do {                                          \
    if (!(cond)) AfxThrowInvalidArgException(); \
  } while (0)
#define ENSURE_ARG(cond) ENSURE(cond)
#define UNUSED(x) ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))
#define DEBUG_NEW new
#define AFX_INLINE inline
#ifndef _countof
#define _countof(a) (sizeof(a) / sizeof((a)[0]))
#endif

// ---- exceptions thrown by the framework itself
AFX_FWAPI void AFXAPI AfxThrowMemoryException();
AFX_FWAPI void AFXAPI AfxThrowInvalidArgException();
AFX_FWAPI void AFXAPI AfxThrowNotSupportedException();
AFX_FWAPI void AFXAPI AfxThrowUserException();
AFX_FWAPI void AFXAPI AfxThrowResourceException();

// ---- collection positions: an opaque handle on an element of a list or map.
typedef struct __POSITION {
} * POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// ---- runtime classes
struct AFX_FWAPI CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;                         // 0xFFFF for dynamic classes
  CObject*(PASCAL* m_pfnCreateObject)();  // null when the class is not creatable
  CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();
  CRuntimeClass* m_pNextClass;  // next class registered in the same list
  const void* m_pClassInit;

  CObject* CreateObject();
  BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

  // Finds a class by name in the current module state and every linked library.
  static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
  static CRuntimeClass* PASCAL FromName(LPCWSTR lpszClassName);
  static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
  static CObject* PASCAL CreateObject(LPCWSTR lpszClassName);
};

// Registers a class in the current module state's class list during static construction.
struct AFX_FWAPI AFX_CLASSINIT {
  explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)            \
 public:                                       \
  static CRuntimeClass class##class_name;      \
  static CRuntimeClass* PASCAL GetThisClass(); \
  virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name) \
  DECLARE_DYNAMIC(class_name)         \
  static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
  CRuntimeClass* PASCAL class_name::GetThisClass() {                         \
    return &class_name::class##class_name;                                   \
  }                                                                          \
  CRuntimeClass class_name::class##class_name = {                            \
      #class_name, int(sizeof(class class_name)),  wSchema,                  \
      pfnNew,      &base_class_name::GetThisClass, NULL,                     \
      NULL};                                                                 \
  static AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);   \
  CRuntimeClass* class_name::GetRuntimeClass() const {                       \
    return &class_name::class##class_name;                                   \
  }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, NULL)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
  CObject* PASCAL class_name::CreateObject() {           \
    return new class_name;                               \
  }                                                      \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
  CObject* PASCAL class_name::CreateObject() {                 \
    return new class_name;                                     \
  }                                                            \
  IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)

// ---- CObject: root of the framework's classes. Objects are not copyable.
class AFX_FWAPI CObject {
 public:
  virtual CRuntimeClass* GetRuntimeClass() const;
  virtual ~CObject();

  BOOL IsKindOf(const CRuntimeClass* pClass) const;
  BOOL IsSerializable() const;
  virtual void AssertValid() const;

  static CRuntimeClass classCObject;
  static CRuntimeClass* PASCAL GetThisClass();

 protected:
  CObject();

 private:
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
};

// ---- module state
// One per executable or regular library; extension libraries share their host's and link into
// its library list. The windowing layer keeps its own per-module data behind m_pWinState.
struct AFX_FWAPI AFX_MODULE_STATE {
  explicit AFX_MODULE_STATE(BOOL bDLL);

  BOOL m_bDLL;  // a regular library's own state
  BOOL m_bSystem;
  CWinApp* m_pCurrentWinApp;
  HINSTANCE m_hCurrentInstanceHandle;
  HINSTANCE m_hCurrentResourceHandle;
  LPCTSTR m_lpszCurrentAppName;
  CRuntimeClass* m_pClassList;      // head of the classes registered in this state
  CRuntimeClass* m_pClassInit;      // the saved head while an extension library starts
  CDynLinkLibrary* m_pLibraryList;  // head of the linked libraries, newest first
  void* m_pWinState;
};

// The module state of the calling code: the thread's current one (AFX_MANAGE_STATE), else
// the process's application state.
AFX_FWAPI AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_FWAPI AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();
AFX_FWAPI AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState);

struct AFX_FWAPI AFX_MAINTAIN_STATE {
  explicit AFX_MAINTAIN_STATE(AFX_MODULE_STATE* pNewState);
  ~AFX_MAINTAIN_STATE();
  AFX_MODULE_STATE* m_pPrevModuleState;
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE _ctlState(p);

// The windowing layer installs this to search the class lists of linked libraries.
typedef CRuntimeClass*(AFXAPI* AFX_LIBRARY_CLASS_FINDER)(AFX_MODULE_STATE* pState,
                                                         LPCSTR lpszClassName);
AFX_FWAPI void AFXAPI AfxSetLibraryClassFinder(AFX_LIBRARY_CLASS_FINDER pfnFinder);

#include "afxstr.h"
#include "afxexcept_.h"
#include "afxtime_.h"
#if defined(_WIN32)
#include "afxfile_.h"
#include "afxfind_.h"
#endif
