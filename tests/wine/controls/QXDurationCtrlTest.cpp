// The duration control's wrapper: created by runtime class, and Create answers 0 when no
// control is registered under its class identifier.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <memory>

#include "Support.h"
#include "controls/QXDurationCtrl.h"

namespace {

TEST(QXDurationCtrl, CreatableByNameAndFailsCleanlyWithoutTheControl) {
  std::unique_ptr<CObject> p(CRuntimeClass::CreateObject("CQXDurationCtrl"));
  ASSERT_NE(nullptr, p);
  CQXDurationCtrl* ctl = static_cast<CQXDurationCtrl*>(p.get());
  EXPECT_EQ(0xFFFFu, ctl->GetRuntimeClass()->m_wSchema);
  EXPECT_EQ(nullptr, ctl->m_hWnd) << "a new instance has no window yet";
  CWnd parent;
  parent.Attach(tks::HostFrame());
  EXPECT_FALSE(ctl->Create(nullptr, L"d", WS_CHILD, CRect(0, 0, 100, 20), &parent, 5));
  EXPECT_EQ(nullptr, ctl->m_hWnd);
  EXPECT_EQ(nullptr, GetDlgItem(parent, 5));
  parent.Detach();
}

}  // namespace
