// The module chain: an extension library that the host only loads joins the chain (classes by
// name, its dialog template and string), leaves it cleanly when unloaded, and a regular library
// with its own module state can link it into that state.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "dllfixture/FixtureIds.h"

namespace {

bool ClassInList(CRuntimeClass* pHead, const char* name) {
  for (CRuntimeClass* p = pHead; p; p = p->m_pNextClass)
    if (strcmp(p->m_lpszClassName, name) == 0) return true;
  return false;
}

// An export of a fixture library with its real type (through void*: FARPROC has no signature).
template <class F>
F Export(HMODULE h, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(h, name)));
}

bool LibraryLinked(AFX_MODULE_STATE* pState, HMODULE h) {
  for (CDynLinkLibrary* p = pState->m_pLibraryList; p; p = p->m_pNextDLL)
    if (p->m_hModule == h) return true;
  return false;
}

class ModuleChain : public testing::Test {
 protected:
  void SetUp() override { tks::FrameworkApp(); }
};

TEST_F(ModuleChain, LoadedExtensionLibraryServesClassesTemplatesAndStrings) {
  AFX_MODULE_STATE* pState = AfxGetModuleState();
  ASSERT_EQ(nullptr, CRuntimeClass::FromName("CFixtureThing"));
  HMODULE h = AfxLoadLibrary(FIXTURE_EXT_DLL);
  ASSERT_NE(nullptr, h) << "fixture library not found next to the test program";

  // Its classes are its own (not mixed into the host's list) and found by name through the chain.
  EXPECT_FALSE(ClassInList(pState->m_pClassList, "CFixtureThing"));
  auto firstClass = Export<CRuntimeClass* (*)()>(h, "FixtureFirstClass");
  ASSERT_NE(nullptr, firstClass);
  EXPECT_TRUE(ClassInList(firstClass(), "CFixtureThing"));
  EXPECT_TRUE(ClassInList(firstClass(), "CFixtureDialog"));
  EXPECT_TRUE(LibraryLinked(pState, h));
  EXPECT_EQ(h, pState->m_pLibraryList->m_hModule) << "the newest library comes first";

  CRuntimeClass* pClass = CRuntimeClass::FromName(L"CFixtureThing");
  ASSERT_NE(nullptr, pClass);
  CObject* pThing = pClass->CreateObject();
  ASSERT_NE(nullptr, pThing);
  EXPECT_TRUE(pThing->IsKindOf(pClass));
  delete pThing;

  // Resources: the dialog template and the string are found in the library.
  EXPECT_EQ(h, AfxFindResourceHandle(MAKEINTRESOURCEW(IDD_FIXTURE), RT_DIALOG));
  CString text;
  EXPECT_TRUE(text.LoadString(IDS_FIXTURE));
  EXPECT_EQ(CString(L"Fixture string"), text);

  // Its dialog class, created by name, finds its template through the chain.
  CObject* pObject = CRuntimeClass::CreateObject("CFixtureDialog");
  ASSERT_NE(nullptr, pObject);
  ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CDialog)));
  CDialog* pDialog = static_cast<CDialog*>(pObject);
  ASSERT_TRUE(pDialog->Create(IDD_FIXTURE));
  CString edit;
  pDialog->GetDlgItemText(IDC_FIXTURE_EDIT, edit);
  EXPECT_EQ(CString(L"from the library"), edit) << "OnInitDialog loaded the members";
  pDialog->DestroyWindow();
  delete pObject;

  ASSERT_TRUE(AfxFreeLibrary(h));
  EXPECT_FALSE(LibraryLinked(pState, h));
  EXPECT_EQ(nullptr, CRuntimeClass::FromName("CFixtureThing"));
  EXPECT_EQ(AfxGetResourceHandle(),
            AfxFindResourceHandle(MAKEINTRESOURCEW(IDD_FIXTURE), RT_DIALOG));
  EXPECT_FALSE(text.LoadString(IDS_FIXTURE));
}

TEST_F(ModuleChain, RegularLibraryLinksTheExtensionIntoItsOwnState) {
  HMODULE ext = AfxLoadLibrary(FIXTURE_EXT_DLL);
  HMODULE reg = AfxLoadLibrary(FIXTURE_REG_DLL);
  ASSERT_TRUE(ext && reg);
  auto link = Export<BOOL (*)(LPCWSTR, LPCSTR)>(reg, "RegularLink");
  auto hasClass = Export<BOOL (*)(const char*)>(reg, "RegularHasClass");
  auto loadString = Export<BOOL (*)(UINT, wchar_t*, int)>(reg, "RegularLoadString");
  auto createDialog = Export<BOOL (*)(const char*, UINT)>(reg, "RegularCreateDialog");
  ASSERT_TRUE(link && hasClass && loadString && createDialog);

  // Loading linked the extension into the host's state only; the regular library's state
  // sees nothing of it until it links it itself.
  EXPECT_TRUE(LibraryLinked(AfxGetModuleState(), ext));
  wchar_t buf[64] = {};
  EXPECT_FALSE(hasClass("CFixtureThing"));
  EXPECT_FALSE(loadString(IDS_FIXTURE, buf, 64));
  EXPECT_TRUE(loadString(IDS_REGULAR_ONLY, buf, 64)) << "the regular library's own resources";
  EXPECT_FALSE(createDialog("CFixtureDialog", IDD_FIXTURE));

  ASSERT_TRUE(link(FIXTURE_EXT_DLL, "FixtureInitModule"));
  EXPECT_TRUE(hasClass("CFixtureThing"));
  EXPECT_TRUE(loadString(IDS_FIXTURE, buf, 64));
  EXPECT_STREQ(L"Fixture string", buf);
  EXPECT_TRUE(createDialog("CFixtureDialog", IDD_FIXTURE))
      << "the extension's dialog found its template through the regular library's chain";
  // The host's own state does not see the regular library's resources.
  CString text;
  EXPECT_FALSE(text.LoadString(IDS_REGULAR_ONLY));

  // The regular library takes what it linked with it; the extension leaves with its own unload.
  ASSERT_TRUE(AfxFreeLibrary(reg));
  EXPECT_TRUE(LibraryLinked(AfxGetModuleState(), ext));
  ASSERT_TRUE(AfxFreeLibrary(ext));
  EXPECT_EQ(nullptr, GetModuleHandleW(FIXTURE_EXT_DLL));
  EXPECT_FALSE(LibraryLinked(AfxGetModuleState(), ext));
  EXPECT_EQ(nullptr, CRuntimeClass::FromName("CFixtureThing"));
}

TEST(ResourceChain, BadNamesAndHandlesHaveDefinedAnswers) {
  EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(nullptr, RT_DIALOG));
  EXPECT_EQ(AfxGetResourceHandle(), AfxFindResourceHandle(L"NO_SUCH_TEMPLATE", RT_DIALOG));
  EXPECT_EQ(nullptr, AfxLoadLibrary(nullptr));
  EXPECT_EQ(nullptr, AfxLoadLibrary(L"no-such-library-tkw.dll"));
  EXPECT_FALSE(AfxFreeLibrary(nullptr));
  AFX_EXTENSION_MODULE record = {FALSE, nullptr, nullptr, nullptr, nullptr};
  EXPECT_FALSE(AfxInitExtensionModule(record, nullptr));
  AfxTermExtensionModule(record);  // terminating an uninitialised record is harmless
  CString text(L"old");
  EXPECT_FALSE(text.LoadString(64999u));
  EXPECT_TRUE(text.IsEmpty());
}

TEST(ResourceChain, SystemLibrariesAreSearchedAfterTheOthers) {
  AFX_MODULE_STATE state(TRUE);
  AFX_MANAGE_STATE(&state);
  // Both fixtures hold IDS_SHARED with their own text; loaded as data, so no entry point runs.
  HMODULE ext = LoadLibraryExW(FIXTURE_EXT_DLL, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HMODULE reg = LoadLibraryExW(FIXTURE_REG_DLL, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_TRUE(ext && reg);
  state.m_hCurrentResourceHandle = GetModuleHandleW(nullptr);  // holds no strings

  CDynLinkLibrary* pOther = new CDynLinkLibrary(reg, reg, FALSE);
  CDynLinkLibrary* pSystem = new CDynLinkLibrary(ext, ext, TRUE);
  EXPECT_EQ(pSystem, state.m_pLibraryList) << "newest first";
  EXPECT_EQ(pOther, state.m_pLibraryList->m_pNextDLL);
  CString text;
  EXPECT_TRUE(text.LoadString(IDS_SHARED));
  EXPECT_EQ(CString(L"regular"), text) << "the system library, though newer, comes last";
  EXPECT_TRUE(text.LoadString(IDS_FIXTURE)) << "and is still searched";

  delete pOther;
  EXPECT_TRUE(text.LoadString(IDS_SHARED));
  EXPECT_EQ(CString(L"extension"), text);
  delete pSystem;
  EXPECT_EQ(nullptr, state.m_pLibraryList);
  EXPECT_FALSE(text.LoadString(IDS_SHARED));
  FreeLibrary(reg);
  FreeLibrary(ext);
}

}  // namespace
