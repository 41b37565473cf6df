// Chart errors and the component's activation context.
#include "chart/ChartError.h"

#include <comdef.h>

#include <string>

#include "Cfx62.h"

namespace tkw {

void RaiseChartError(HRESULT hr) {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK) info = nullptr;
  if (!info) {
    ICreateErrorInfo* create = nullptr;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
      create->SetGUID(IID__Chart);
      create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
      create->Release();
    }
  }
  throw _com_error(hr, info);  // the exception owns the reference
}

namespace {

// The context is made once per process and kept: hosts create charts many times.
HANDLE ChartContext() {
  static HANDLE s_context = [] {
    HMODULE self = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&ChartContext), &self);
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(self, path, MAX_PATH);
    if (!n || n >= MAX_PATH) return INVALID_HANDLE_VALUE;
    std::wstring manifest(path, n);
    manifest = manifest.substr(0, manifest.find_last_of(L'\\') + 1) + L"tkwchart.manifest";
    if (GetFileAttributesW(manifest.c_str()) == INVALID_FILE_ATTRIBUTES)
      return INVALID_HANDLE_VALUE;
    ACTCTXW actx = {};
    actx.cbSize = sizeof actx;
    actx.lpSource = manifest.c_str();
    return CreateActCtxW(&actx);
  }();
  return s_context;
}

}  // namespace

ChartActivation::ChartActivation() {
  const HANDLE context = ChartContext();
  m_active = context != INVALID_HANDLE_VALUE && ActivateActCtx(context, &m_cookie);
}

ChartActivation::~ChartActivation() {
  if (m_active) DeactivateActCtx(0, m_cookie);
}

}  // namespace tkw
