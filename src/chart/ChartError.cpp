// Chart errors raised as COM error exceptions.
#include "chart/ChartError.h"

#include <comdef.h>

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

}  // namespace tkw
