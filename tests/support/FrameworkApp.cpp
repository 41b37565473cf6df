// The framework application object of a test program, made on first use.
#include "FrameworkApp.h"

namespace tks {

CWinApp& FrameworkApp() {
  static CWinApp app(L"TKWTests");
  static const BOOL initialised =
      AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_HIDE);
  (void)initialised;
  return app;
}

}  // namespace tks
