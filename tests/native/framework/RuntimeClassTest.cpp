// Runtime classes: kind tests, creation by name, registration in the module state.
#include "afx.h"

#include <gtest/gtest.h>

namespace {

class CAnimal : public CObject {
  DECLARE_DYNAMIC(CAnimal)
};
class CDog : public CAnimal {
  DECLARE_DYNCREATE(CDog)
 public:
  int legs = 4;
};
IMPLEMENT_DYNAMIC(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)

TEST(RuntimeClass, KindFollowsTheBaseChain) {
  CDog dog;
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CDog)));
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CAnimal)));
  EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_FALSE(dog.IsKindOf(RUNTIME_CLASS(CException)));
  EXPECT_FALSE(dog.IsKindOf(nullptr));
}

TEST(RuntimeClass, CreatesByNameOnlyWhenCreatable) {
  CObject* p = CRuntimeClass::CreateObject("CDog");
  ASSERT_NE(nullptr, p);
  EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CDog)));
  EXPECT_EQ(4, static_cast<CDog*>(p)->legs);
  delete p;
  EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CAnimal"));
  EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("NoSuchClass"));
  EXPECT_EQ(RUNTIME_CLASS(CDog), CRuntimeClass::FromName(L"CDog"));
  EXPECT_EQ(nullptr, CRuntimeClass::FromName(L"C\x00e9"));
  EXPECT_EQ(nullptr, CRuntimeClass::FromName(static_cast<LPCSTR>(nullptr)));
}

TEST(ModuleState, ManageStateSwitchesAndRestores) {
  AFX_MODULE_STATE* app = AfxGetModuleState();
  AFX_MODULE_STATE other(TRUE);
  {
    AFX_MANAGE_STATE(&other);
    EXPECT_EQ(&other, AfxGetModuleState());
    // Classes of the application state are not visible from another module's state.
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CDog"));
  }
  EXPECT_EQ(app, AfxGetModuleState());
}

}  // namespace
