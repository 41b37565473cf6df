// The script manager as the library meets it: the catalogue read from qxcore.dll's resource,
// the lookups the editor and the wizard make, and a damaged catalogue.
#include "QXScriptManager.h"

#include <gtest/gtest.h>

#include <qxres_ids.h>

#include <set>
#include <string>

namespace {

std::string Narrow(const CString& s) {
  std::string out;
  for (int i = 0; i < s.GetLength(); ++i) out += s[i] < 128 ? static_cast<char>(s[i]) : '?';
  return out;
}

// The category captions of the host's resource module, which the wizard compares with.
std::set<std::wstring> ResourceCategories() {
  std::set<std::wstring> captions;
  HMODULE hRes = ::LoadLibraryExW(L"qxres.dll", NULL, LOAD_LIBRARY_AS_DATAFILE);
  EXPECT_NE(hRes, nullptr) << "qxres.dll must sit beside the test";
  for (UINT id = IDS_QX_CATEGORY_DATE_TIME; hRes && id <= IDS_QX_CATEGORY_NUMERIC; ++id) {
    WCHAR text[256] = L"";
    EXPECT_GT(::LoadStringW(hRes, id, text, 256), 0) << "string " << id;
    captions.insert(text);
  }
  if (hRes) ::FreeLibrary(hRes);
  return captions;
}

TEST(ScriptManager, LoadsTheEmbeddedCatalogueWhoseCategoriesAreWizardCaptions) {
  CQXScriptManager* pManager = TKWGetScriptManager();
  ASSERT_NE(pManager, nullptr);
  EXPECT_EQ(pManager, TKWGetScriptManager()) << "one manager per process";
  EXPECT_TRUE(pManager->GetLoadError().IsEmpty()) << Narrow(pManager->GetLoadError());
  EXPECT_EQ(pManager->GetKeyWords()->GetSize(), pManager->GetQXScriptObjectList()->GetCount());
  EXPECT_GT(pManager->GetKeyWords()->GetSize(), 0);
  EXPECT_GT(pManager->GetConstants()->GetSize(), 0);
  const std::set<std::wstring> captions = ResourceCategories();
  ASSERT_EQ(captions.size(), 6u);
  CStringArray* pKeyWords = pManager->GetKeyWords();
  for (INT_PTR i = 0; i < pKeyWords->GetSize(); ++i) {
    const CString strName = pKeyWords->GetAt(i);
    SCOPED_TRACE(Narrow(strName));
    CScriptObject* pObject = pManager->GetQXScriptObject(strName);
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(CString(_T("$QX")) + pObject->GetName(), strName) << "GetName has no prefix";
    EXPECT_TRUE(captions.count(pObject->GetCategory().GetString()))
        << "category \"" << Narrow(pObject->GetCategory()) << "\" is none of strings 542 to 547";
    CObject* pMapped = NULL;
    EXPECT_TRUE(pManager->GetQXScriptObjectList()->Lookup(strName, pMapped));
    EXPECT_EQ(pMapped, pObject);
    if (i > 0) {
      EXPECT_LT(pKeyWords->GetAt(i - 1).CompareNoCase(strName), 0)
          << "keywords are sorted for the assist list";
    }
  }
}

TEST(ScriptManager, FindsFunctionsAndTheirParameterEntriesWithOrWithoutPrefixInAnyCase) {
  CQXScriptManager* pManager = TKWGetScriptManager();
  CScriptObject* pRand = pManager->GetQXScriptObject(_T("$QXRand"));
  ASSERT_NE(pRand, nullptr);
  EXPECT_EQ(pManager->GetQXScriptObject(_T("$qxrand")), pRand);
  EXPECT_EQ(pManager->GetQXScriptObject(_T("Rand")), pRand);
  EXPECT_EQ(pManager->GetQXScriptObject(_T("$QXRandom")), nullptr);
  EXPECT_EQ(pManager->GetQXScriptObject(_T("")), nullptr);
  EXPECT_EQ(pManager->GetQXScriptParmObList(_T("$QXNothing")), nullptr);
  EXPECT_EQ(pRand->GetName(), CString(_T("Rand")));

  CObList* pList = pManager->GetQXScriptParmObList(_T("fileARRAY"));
  ASSERT_NE(pList, nullptr);
  ASSERT_FALSE(pList->IsEmpty());
  ASSERT_TRUE(pList->GetHead()->IsKindOf(RUNTIME_CLASS(CScriptParameter)));
  const auto* pFirst = static_cast<CScriptParameter*>(pList->GetHead());
  EXPECT_EQ(pFirst->GetParmNo(), QXPARM_FUNCTION) << "the subtitle entry comes first";
  EXPECT_EQ(pFirst->GetAttribute(), QXATTR_CAPTION);
  CScriptObject* pFile = pManager->GetQXScriptObject(_T("$QXFileArray"));
  EXPECT_EQ(pFile->GetParmText(QXPARM_FUNCTION, QXATTR_CAPTION), pFirst->GetText());
  EXPECT_GE(pFile->GetParmText(2, QXATTR_CHOICES).Find(_T("SELECTION")), 0);
  EXPECT_TRUE(pFile->GetParmText(4, QXATTR_CHOICES).IsEmpty());
}

TEST(ScriptManager, ADamagedCatalogueLeavesAnEmptyManagerAndSaysWhy) {
  CQXScriptManager manager;
  const char good[] =
      "<scriptcatalogue><function name=\"$QXA\" "
      "category=\"String\"><description>d</description></function>"
      "<constant name=\"K\"/></scriptcatalogue>";
  ASSERT_TRUE(manager.LoadCatalogue(good, sizeof(good) - 1)) << Narrow(manager.GetLoadError());
  ASSERT_NE(manager.GetQXScriptObject(_T("$QXA")), nullptr);

  const char bad[] = "<scriptcatalogue><function name=\"$QXB\" category=\"String\">";
  EXPECT_FALSE(manager.LoadCatalogue(bad, sizeof(bad) - 1));
  EXPECT_EQ(manager.GetKeyWords()->GetSize(), 0);
  EXPECT_EQ(manager.GetConstants()->GetSize(), 0);
  EXPECT_EQ(manager.GetQXScriptObjectList()->GetCount(), 0);
  EXPECT_EQ(manager.GetQXScriptObject(_T("$QXA")), nullptr)
      << "nothing of the old catalogue survives";
  EXPECT_GE(manager.GetLoadError().Find(_T("line 1")), 0) << Narrow(manager.GetLoadError());

  EXPECT_FALSE(manager.LoadCatalogue(NULL, 10));
  EXPECT_FALSE(manager.GetLoadError().IsEmpty());
  EXPECT_TRUE(manager.LoadDefaultCatalogue());
  EXPECT_EQ(manager.GetKeyWords()->GetSize(), 35);
}

}  // namespace
