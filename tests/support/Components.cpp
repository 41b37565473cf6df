// Registration-free activation of our components for the test programs.
#include "Components.h"

#include <windows.h>

#include <map>
#include <string>

namespace tks {

bool UseComponent(const wchar_t* name) {
  static std::map<std::wstring, bool> active;
  auto found = active.find(name);
  if (found != active.end()) return found->second;
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring manifest(path, n);
  manifest = manifest.substr(0, manifest.find_last_of(L"\\/") + 1) + name + L".manifest";
  ACTCTXW ctx = {};
  ctx.cbSize = sizeof ctx;
  ctx.lpSource = manifest.c_str();
  HANDLE hCtx = CreateActCtxW(&ctx);
  ULONG_PTR cookie = 0;
  // The context stays active (and its handle open) until the process ends.
  bool ok = hCtx != INVALID_HANDLE_VALUE && ActivateActCtx(hCtx, &cookie);
  active[name] = ok;
  return ok;
}

}  // namespace tks
