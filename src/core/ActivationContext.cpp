// The library's own activation context, made once from manifest resource 2 of TKWUICore.dll.
#include "core/ActivationContext.h"

#include <map>
#include <string>

namespace tkw {
namespace {

HMODULE ThisModule() {
  HMODULE module = NULL;
  ::GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

HANDLE CreateLibraryContext() {
  ACTCTXW actctx = {};
  actctx.cbSize = sizeof actctx;
  actctx.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  actctx.hModule = ThisModule();
  actctx.lpResourceName = MAKEINTRESOURCEW(2);
  // CreateActCtx wants a source path even when the manifest comes from the module.
  wchar_t path[MAX_PATH] = {};
  if (!actctx.hModule || !::GetModuleFileNameW(actctx.hModule, path, MAX_PATH))
    return INVALID_HANDLE_VALUE;
  actctx.lpSource = path;
  return ::CreateActCtxW(&actctx);
}

}  // namespace

HANDLE LibraryActivationContext() {
  // Kept for the life of the process: every image list of the library runs in it.
  static const HANDLE context = CreateLibraryContext();
  return context;
}

ActivationScope::ActivationScope() : m_cookie(0), m_bActive(false) {
  HANDLE context = LibraryActivationContext();
  if (context != INVALID_HANDLE_VALUE) m_bActive = ::ActivateActCtx(context, &m_cookie) != FALSE;
}

ActivationScope::~ActivationScope() {
  if (m_bActive) ::DeactivateActCtx(0, m_cookie);
}

namespace {

// One context per component, made on first use and kept: hosts create controls many times.
HANDLE ComponentContext(const wchar_t* name) {
  static std::map<std::wstring, HANDLE> contexts;
  const auto found = contexts.find(name);
  if (found != contexts.end()) return found->second;
  HANDLE context = INVALID_HANDLE_VALUE;
  wchar_t path[MAX_PATH];
  const DWORD n = ::GetModuleFileNameW(ThisModule(), path, MAX_PATH);
  if (n && n < MAX_PATH) {
    std::wstring manifest(path, n);
    manifest = manifest.substr(0, manifest.find_last_of(L'\\') + 1) + name + L".manifest";
    if (::GetFileAttributesW(manifest.c_str()) != INVALID_FILE_ATTRIBUTES) {
      ACTCTXW actctx = {};
      actctx.cbSize = sizeof actctx;
      actctx.lpSource = manifest.c_str();
      context = ::CreateActCtxW(&actctx);
    }
  }
  contexts[name] = context;
  return context;
}

}  // namespace

ComponentScope::ComponentScope(const wchar_t* name) : m_cookie(0), m_bActive(false) {
  HANDLE context = ComponentContext(name);
  if (context != INVALID_HANDLE_VALUE) m_bActive = ::ActivateActCtx(context, &m_cookie) != FALSE;
}

ComponentScope::~ComponentScope() {
  if (m_bActive) ::DeactivateActCtx(0, m_cookie);
}

}  // namespace tkw
