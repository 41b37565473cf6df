// Shared set-up of the wizard framework's window tests: the resource module in the chain,
// and pages of the page base's own template.
#pragma once
#include <gtest/gtest.h>

#include "FrameworkApp.h"
#include "Support.h"
#include "qxres_ids.h"
#include "wizard/TKWPropertyPage.h"
#include "wizard/TKWPropertySheet.h"

namespace wiztest {

// Puts qxres.dll into the resource chain once per program.
inline bool LoadResourceModule() {
  const HMODULE module = tks::HostResources();
  return module != NULL;
}

// A page of the default template that counts OnApply and answers as told.
class CCountingPage : public TKWPropertyPage {
 public:
  CCountingPage() : TKWPropertyPage(IDD_QX_WIZARD_PAGE) {}
  BOOL OnApply() override {
    ++applies;
    return apply;
  }
  BOOL apply = TRUE;
  int applies = 0;
};

class WizardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadResourceModule()) << "qxres.dll does not load beside the test program";
    tks::ClearModalAnswers();
  }
  void TearDown() override { EXPECT_EQ(0, tks::PendingModalAnswers()); }
};

// A button's rectangle in its parent's client coordinates.
inline CRect ButtonRect(HWND hSheet, int nID) {
  CRect rc;
  HWND h = ::GetDlgItem(hSheet, nID);
  ::GetWindowRect(h, &rc);
  ::MapWindowPoints(NULL, hSheet, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

}  // namespace wiztest
