// The library frame: loading joins the host's module chain, a regular library links it into
// its own state, and unloading leaves the chain cleanly.
#include <afxwin.h>
#include <afxdll_.h>

#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "Support.h"
#include "grid/GfxListCtrl.h"
#include "qxres_ids.h"

namespace {

// An exported function of a module; void(*)() is the generic function pointer type.
template <class F>
F Export(HMODULE hModule, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(::GetProcAddress(hModule, name)));
}

// Runs a program of the build folder and answers its exit code (-1 when it cannot start).
DWORD RunProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  ::GetModuleFileNameW(NULL, path, MAX_PATH);
  wchar_t* slash = wcsrchr(path, L'\\');
  if (!slash) return DWORD(-1);
  lstrcpyW(slash + 1, name);
  STARTUPINFOW si = {};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi = {};
  if (!::CreateProcessW(path, NULL, NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) return DWORD(-1);
  ::WaitForSingleObject(pi.hProcess, 60000);
  DWORD code = DWORD(-1);
  ::GetExitCodeProcess(pi.hProcess, &code);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  return code;
}

TEST(LibraryFrame, AHostThatOnlyLoadsTheLibraryCreatesItsClassesAndUnloadsIt) {
  EXPECT_EQ(0u, RunProgram(L"tkwhostfixture.exe"))
      << "exit codes 10-17 name the failing step in HostFixture.cpp";
}

TEST(LibraryFrame, ItsClassesAreFoundByNameInTheHostsState) {
  tks::FrameworkApp();
  CRuntimeClass* pClass = CRuntimeClass::FromName("CGfxListCtrl");
  ASSERT_NE(nullptr, pClass);
  EXPECT_EQ(RUNTIME_CLASS(CGfxListCtrl), pClass);
  CObject* pObject = pClass->CreateObject();
  ASSERT_NE(nullptr, pObject);
  EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CListCtrl)));
  delete pObject;
}

TEST(LibraryFrame, ItsOwnResourcesAreFoundThroughTheChain) {
  tks::FrameworkApp();
  HINSTANCE hLibrary = ::GetModuleHandleW(L"TKWUICore.dll");
  ASSERT_NE(nullptr, hLibrary);
  EXPECT_EQ(hLibrary, AfxFindResourceHandle(MAKEINTRESOURCEW(4550), RT_GROUP_ICON));
  EXPECT_EQ(hLibrary, AfxFindResourceHandle(MAKEINTRESOURCEW(1561), L"AVI"));
}

TEST(LibraryFrame, ARegularLibrarySeesTheLibraryOnlyAfterLinkingIt) {
  // The host's resource module is in the host's chain, as a host has it.
  const HMODULE hHostResources = tks::HostResources();
  ASSERT_NE(nullptr, hHostResources);
  HMODULE hRegular = ::LoadLibraryW(L"fwregfixture.dll");
  ASSERT_NE(nullptr, hRegular);
  auto link = Export<BOOL (*)(LPCWSTR, LPCSTR)>(hRegular, "RegularLink");
  auto hasClass = Export<BOOL (*)(const char*)>(hRegular, "RegularHasClass");
  auto find = Export<HINSTANCE (*)(UINT, LPCWSTR)>(hRegular, "RegularFindResource");
  auto createDialog = Export<BOOL (*)(const char*, UINT)>(hRegular, "RegularCreateDialog");
  ASSERT_TRUE(link && hasClass && find && createDialog);

  EXPECT_FALSE(hasClass("CGfxListCtrl")) << "a regular library's state starts without the library";
  EXPECT_EQ(nullptr, find(4550, RT_GROUP_ICON));
  EXPECT_EQ(nullptr, find(IDD_QX_INPUT_BOX, RT_DIALOG));
  EXPECT_TRUE(link(L"TKWUICore.dll", "AfxMyStuffInitModule"));
  EXPECT_TRUE(hasClass("CGfxListCtrl"));
  EXPECT_EQ(::GetModuleHandleW(L"TKWUICore.dll"), find(4550, RT_GROUP_ICON));
  // The library's dialogs find their templates in the host's resource module from there too.
  EXPECT_EQ(hHostResources, find(IDD_QX_INPUT_BOX, RT_DIALOG));
  EXPECT_TRUE(createDialog(nullptr, IDD_QX_INPUT_BOX));

  // Unloading the regular library frees what it linked; the host's state keeps the library.
  EXPECT_TRUE(::FreeLibrary(hRegular));
  EXPECT_NE(nullptr, CRuntimeClass::FromName("CGfxListCtrl"));
}

}  // namespace
