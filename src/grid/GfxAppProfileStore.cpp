// The default layout store of the Windows library: the application's profile functions.
#include "grid/logic/GfxProfileStore.h"

#include <afxwin.h>

namespace {

// Reads and writes through the host application's profile (its registry key when it has one,
// its profile file otherwise). Without an application nothing is read or written.
class CGfxAppProfileStore : public CGfxProfileStore {
 public:
  int GetInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nDefault) override {
    CWinApp* pApp = AfxGetApp();
    return pApp ? static_cast<int>(pApp->GetProfileInt(pszSection, pszEntry, nDefault)) : nDefault;
  }

  std::wstring GetString(const wchar_t* pszSection, const wchar_t* pszEntry,
                         const wchar_t* pszDefault) override {
    CWinApp* pApp = AfxGetApp();
    if (!pApp) return pszDefault ? pszDefault : L"";
    const CString value = pApp->GetProfileString(pszSection, pszEntry, pszDefault);
    return std::wstring(value.GetString(), static_cast<size_t>(value.GetLength()));
  }

  bool WriteInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nValue) override {
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->WriteProfileInt(pszSection, pszEntry, nValue);
  }

  bool WriteString(const wchar_t* pszSection, const wchar_t* pszEntry,
                   const wchar_t* pszValue) override {
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->WriteProfileString(pszSection, pszEntry, pszValue);
  }
};

CGfxAppProfileStore g_appStore;

// Installed while the library is loaded; tests may replace it with a store of their own.
struct InstallAppStore {
  InstallAppStore() { CGfxProfileStore::SetDefault(&g_appStore); }
  ~InstallAppStore() {
    if (CGfxProfileStore::GetDefault() == &g_appStore) CGfxProfileStore::SetDefault(nullptr);
  }
} g_installAppStore;

}  // namespace
