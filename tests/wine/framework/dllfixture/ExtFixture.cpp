// An extension library as the tests need one: it joins the host's chain when loaded and
// brings a creatable class, a dialog class with its template, and a string.
#include <afxwin.h>
#include <afxdllx.h>

#include "FixtureIds.h"

AFX_EXTENSION_LIBRARY(g_fixtureModule)

// A plain creatable class: found by name only through the chain.
class AFX_EXT_CLASS CFixtureThing : public CObject {
  DECLARE_DYNCREATE(CFixtureThing)
};
IMPLEMENT_DYNCREATE(CFixtureThing, CObject)

// A dialog whose template lives in this library.
class AFX_EXT_CLASS CFixtureDialog : public CDialog {
  DECLARE_DYNCREATE(CFixtureDialog)

 public:
  CFixtureDialog() : CDialog(IDD_FIXTURE), m_text(L"from the library") {}
  CString m_text;

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_FIXTURE_EDIT, m_text); }
};
IMPLEMENT_DYNCREATE(CFixtureDialog, CDialog)

// For regular libraries: links this library into the caller's module state too.
extern "C" __declspec(dllexport) CDynLinkLibrary* FixtureInitModule() {
  return new CDynLinkLibrary(g_fixtureModule);
}

// The classes this library took as its own, for the tests to compare with the host's list.
extern "C" __declspec(dllexport) CRuntimeClass* FixtureFirstClass() {
  return g_fixtureModule.pFirstSharedClass;
}
