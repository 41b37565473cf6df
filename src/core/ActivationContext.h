// The library's own activation context, made from its manifest resource, for common-controls calls.
#pragma once
#include <windows.h>

#include "core/TKWExport.h"

namespace tkw {

// Makes the library's activation context current for the lifetime of the object, so that
// common-controls calls bind to the versions the library's manifest names. When the context
// cannot be made (no manifest, an old system) the calls run in the caller's context.
class TKWUI_API ActivationScope {
 public:
  ActivationScope();
  ~ActivationScope();
  ActivationScope(const ActivationScope&) = delete;
  ActivationScope& operator=(const ActivationScope&) = delete;

  // TRUE when the library's context was activated.
  bool IsActive() const { return m_bActive; }

 private:
  ULONG_PTR m_cookie;
  bool m_bActive;
};

// Makes the manifest of one of our components (<name>.manifest beside this library) the
// current activation context for the object's lifetime, so that the component is created
// without being registered. Without the manifest, creation relies on the registry.
class TKWUI_API ComponentScope {
 public:
  explicit ComponentScope(const wchar_t* name);
  ~ComponentScope();
  ComponentScope(const ComponentScope&) = delete;
  ComponentScope& operator=(const ComponentScope&) = delete;

 private:
  ULONG_PTR m_cookie;
  bool m_bActive;
};

// The library's activation context (created once from manifest resource 2 of the module that
// holds this code), or INVALID_HANDLE_VALUE when it cannot be created.
TKWUI_API HANDLE LibraryActivationContext();

}  // namespace tkw
