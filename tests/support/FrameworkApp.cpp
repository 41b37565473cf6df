// The framework application object of a test program, made on first use.
#include "FrameworkApp.h"

#include <utility>

namespace tks {

namespace {

OpenDocumentAnswer& Answer() {
  static OpenDocumentAnswer answer;
  return answer;
}

// Opens documents as the running test says.
class CTestApp : public CWinApp {
 public:
  explicit CTestApp(LPCTSTR lpszAppName) : CWinApp(lpszAppName) {}
  CDocument* OpenDocumentFile(LPCTSTR lpszFileName) override {
    return Answer() ? Answer()(lpszFileName) : CWinApp::OpenDocumentFile(lpszFileName);
  }
};

}  // namespace

CWinApp& FrameworkApp() {
  static CTestApp app(L"TKWTests");
  static const BOOL initialised =
      AfxWinInit(::GetModuleHandleW(nullptr), nullptr, ::GetCommandLineW(), SW_HIDE);
  (void)initialised;
  return app;
}

OpenDocumentAnswer SetOpenDocumentAnswer(OpenDocumentAnswer answer) {
  return std::exchange(Answer(), std::move(answer));
}

HMODULE HostResources() {
  FrameworkApp();
  static const HMODULE module = [] {
    HMODULE h = ::LoadLibraryW(L"qxres.dll");
    if (h) new CDynLinkLibrary(h, h, FALSE);
    return h;
  }();
  return module;
}

}  // namespace tks
