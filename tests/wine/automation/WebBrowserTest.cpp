// The web browser wrapper over the platform's browser control: created by runtime class,
// members reaching the control by their dispatch ids, and destruction without a document.
#include <afxwin.h>
#include <afxdisp.h>

#include <gtest/gtest.h>

#include <memory>

#include "Support.h"
#include "automation/WebBrowser.h"

namespace {

TEST(WebBrowser, HostsTheBrowserControlAndReachesItsInterface) {
  CWnd parent;
  parent.Attach(tks::HostFrame());
  std::unique_ptr<CWebBrowser> web(
      static_cast<CWebBrowser*>(CRuntimeClass::CreateObject("CWebBrowser")));
  ASSERT_NE(nullptr, web);
  web->SetRecordingDelay(TRUE);
  EXPECT_TRUE(web->IsRecordingDelay());
  ASSERT_TRUE(
      web->Create(nullptr, L"web", WS_CHILD | WS_VISIBLE, CRect(0, 0, 320, 200), &parent, 7));
  ASSERT_NE(nullptr, web->GetControlUnknown());

  // Members the platform's control implements, on the ids the wrapper passes.
  web->SetSilent(TRUE);
  EXPECT_TRUE(web->GetSilent());
  web->SetSilent(FALSE);
  EXPECT_FALSE(web->GetSilent());
  web->SetOffline(TRUE);
  EXPECT_TRUE(web->GetOffline());
  web->SetRegisterAsDropTarget(FALSE);
  EXPECT_FALSE(web->GetRegisterAsDropTarget());
  EXPECT_STREQ(L"Microsoft Web Browser Control", web->GetName());

  VARIANT none;
  VariantInit(&none);
  web->Navigate(L"about:blank", &none, &none, &none, &none);
  EXPECT_NE(-1, web->GetLocationURL().Find(L"about:blank"));

  ASSERT_TRUE(web->DestroyWindow()) << "no document: nothing to detach";
  EXPECT_EQ(nullptr, web->m_hWnd);
  parent.Detach();
}

}  // namespace
