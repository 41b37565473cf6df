// The web browser wrapper over the platform's browser control: created by runtime class,
// members reaching the control by their dispatch ids, and destruction without a document.
#include <afxwin.h>
#include <afxdisp.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Support.h"
#include "automation/WebBrowser.h"
#include "core/ActivationContext.h"

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

// Every member against the browser's own type information: a recorder created under the
// browser's class identifier checks each call's id, kind and argument types and logs it.
// The recorder's own interface (browserfixture/RecordingBrowser.idl).
struct IRecordingBrowser : IDispatch {
  virtual HRESULT STDMETHODCALLTYPE TakeLog(BSTR* pLog) = 0;
};
const IID IID_IRecordingBrowser = {
    0x6A1D2C50, 0x4E8B, 0x4F21, {0x9C, 0x3A, 0x7B, 0x5E, 0x0D, 0x1F, 0x2A, 0x02}};

struct MemberCall {
  const char* member;
  void (*call)(CWebBrowser&);
  const wchar_t* logged;
};

VARIANT g_arg;  // an empty optional argument, as a host passes one

const MemberCall kMembers[] = {
    {"GoBack", [](CWebBrowser& w) { w.GoBack(); }, L"call GoBack"},
    {"GoForward", [](CWebBrowser& w) { w.GoForward(); }, L"call GoForward"},
    {"GoHome", [](CWebBrowser& w) { w.GoHome(); }, L"call GoHome"},
    {"GoSearch", [](CWebBrowser& w) { w.GoSearch(); }, L"call GoSearch"},
    {"Navigate", [](CWebBrowser& w) { w.Navigate(L"about:blank", &g_arg, &g_arg, &g_arg, &g_arg); },
     L"call Navigate"},
    {"Navigate2", [](CWebBrowser& w) { w.Navigate2(&g_arg, &g_arg, &g_arg, &g_arg, &g_arg); },
     L"call Navigate2"},
    {"Refresh", [](CWebBrowser& w) { w.Refresh(); }, L"call Refresh"},
    {"Refresh2", [](CWebBrowser& w) { w.Refresh2(&g_arg); }, L"call Refresh2"},
    {"Stop", [](CWebBrowser& w) { w.Stop(); }, L"call Stop"},
    {"Quit", [](CWebBrowser& w) { w.Quit(); }, L"call Quit"},
    {"ClientToWindow",
     [](CWebBrowser& w) {
       long cx = 1, cy = 2;
       w.ClientToWindow(&cx, &cy);
     },
     L"call ClientToWindow"},
    {"PutProperty", [](CWebBrowser& w) { w.PutProperty(L"p", COleVariant(7L)); },
     L"call PutProperty"},
    {"GetProperty_",
     [](CWebBrowser& w) {
       VARIANT v = w.GetProperty_(L"p");
       VariantClear(&v);
     },
     L"call GetProperty"},
    {"ExecWB", [](CWebBrowser& w) { w.ExecWB(1, 0, &g_arg, &g_arg); }, L"call ExecWB"},
    {"QueryStatusWB", [](CWebBrowser& w) { w.QueryStatusWB(1); }, L"call QueryStatusWB"},
    {"ShowBrowserBar", [](CWebBrowser& w) { w.ShowBrowserBar(&g_arg, &g_arg, &g_arg); },
     L"call ShowBrowserBar"},
    {"GetApplication", [](CWebBrowser& w) { w.GetApplication(); }, L"get Application"},
    {"GetParent", [](CWebBrowser& w) { w.GetParent(); }, L"get Parent"},
    {"GetContainer", [](CWebBrowser& w) { w.GetContainer(); }, L"get Container"},
    {"GetDocument", [](CWebBrowser& w) { w.GetDocument(); }, L"get Document"},
    {"GetTopLevelContainer", [](CWebBrowser& w) { w.GetTopLevelContainer(); },
     L"get TopLevelContainer"},
    {"GetType", [](CWebBrowser& w) { w.GetType(); }, L"get Type"},
    {"GetLeft", [](CWebBrowser& w) { w.GetLeft(); }, L"get Left"},
    {"SetLeft", [](CWebBrowser& w) { w.SetLeft(3); }, L"put Left"},
    {"GetTop", [](CWebBrowser& w) { w.GetTop(); }, L"get Top"},
    {"SetTop", [](CWebBrowser& w) { w.SetTop(3); }, L"put Top"},
    {"GetWidth", [](CWebBrowser& w) { w.GetWidth(); }, L"get Width"},
    {"SetWidth", [](CWebBrowser& w) { w.SetWidth(3); }, L"put Width"},
    {"GetHeight", [](CWebBrowser& w) { w.GetHeight(); }, L"get Height"},
    {"SetHeight", [](CWebBrowser& w) { w.SetHeight(3); }, L"put Height"},
    {"GetLocationName", [](CWebBrowser& w) { w.GetLocationName(); }, L"get LocationName"},
    {"GetLocationURL", [](CWebBrowser& w) { w.GetLocationURL(); }, L"get LocationURL"},
    {"GetBusy", [](CWebBrowser& w) { w.GetBusy(); }, L"get Busy"},
    {"GetName", [](CWebBrowser& w) { w.GetName(); }, L"get Name"},
    {"GetHwnd", [](CWebBrowser& w) { w.GetHwnd(); }, L"get HWND"},
    {"GetFullName", [](CWebBrowser& w) { w.GetFullName(); }, L"get FullName"},
    {"GetPath", [](CWebBrowser& w) { w.GetPath(); }, L"get Path"},
    {"GetReadyState", [](CWebBrowser& w) { w.GetReadyState(); }, L"get ReadyState"},
    {"GetVisible", [](CWebBrowser& w) { w.GetVisible(); }, L"get Visible"},
    {"SetVisible", [](CWebBrowser& w) { w.SetVisible(TRUE); }, L"put Visible"},
    {"GetStatusBar", [](CWebBrowser& w) { w.GetStatusBar(); }, L"get StatusBar"},
    {"SetStatusBar", [](CWebBrowser& w) { w.SetStatusBar(TRUE); }, L"put StatusBar"},
    {"GetStatusText", [](CWebBrowser& w) { w.GetStatusText(); }, L"get StatusText"},
    {"SetStatusText", [](CWebBrowser& w) { w.SetStatusText(L"ready"); }, L"put StatusText"},
    {"GetToolBar", [](CWebBrowser& w) { w.GetToolBar(); }, L"get ToolBar"},
    {"SetToolBar", [](CWebBrowser& w) { w.SetToolBar(1); }, L"put ToolBar"},
    {"GetMenuBar", [](CWebBrowser& w) { w.GetMenuBar(); }, L"get MenuBar"},
    {"SetMenuBar", [](CWebBrowser& w) { w.SetMenuBar(TRUE); }, L"put MenuBar"},
    {"GetFullScreen", [](CWebBrowser& w) { w.GetFullScreen(); }, L"get FullScreen"},
    {"SetFullScreen", [](CWebBrowser& w) { w.SetFullScreen(TRUE); }, L"put FullScreen"},
    {"GetOffline", [](CWebBrowser& w) { w.GetOffline(); }, L"get Offline"},
    {"SetOffline", [](CWebBrowser& w) { w.SetOffline(TRUE); }, L"put Offline"},
    {"GetSilent", [](CWebBrowser& w) { w.GetSilent(); }, L"get Silent"},
    {"SetSilent", [](CWebBrowser& w) { w.SetSilent(TRUE); }, L"put Silent"},
    {"GetRegisterAsBrowser", [](CWebBrowser& w) { w.GetRegisterAsBrowser(); },
     L"get RegisterAsBrowser"},
    {"SetRegisterAsBrowser", [](CWebBrowser& w) { w.SetRegisterAsBrowser(TRUE); },
     L"put RegisterAsBrowser"},
    {"GetRegisterAsDropTarget", [](CWebBrowser& w) { w.GetRegisterAsDropTarget(); },
     L"get RegisterAsDropTarget"},
    {"SetRegisterAsDropTarget", [](CWebBrowser& w) { w.SetRegisterAsDropTarget(TRUE); },
     L"put RegisterAsDropTarget"},
    {"GetTheaterMode", [](CWebBrowser& w) { w.GetTheaterMode(); }, L"get TheaterMode"},
    {"SetTheaterMode", [](CWebBrowser& w) { w.SetTheaterMode(TRUE); }, L"put TheaterMode"},
    {"GetAddressBar", [](CWebBrowser& w) { w.GetAddressBar(); }, L"get AddressBar"},
    {"SetAddressBar", [](CWebBrowser& w) { w.SetAddressBar(TRUE); }, L"put AddressBar"},
    {"GetResizable", [](CWebBrowser& w) { w.GetResizable(); }, L"get Resizable"},
    {"SetResizable", [](CWebBrowser& w) { w.SetResizable(TRUE); }, L"put Resizable"},
};

TEST(WebBrowser, EveryMemberIsOneCallTheBrowserInterfaceTakes) {
  CWnd parent;
  parent.Attach(tks::HostFrame());
  CWebBrowser web;
  {
    tkw::ComponentScope recorder(L"tkwrecbrowser");
    ASSERT_TRUE(
        web.Create(nullptr, L"web", WS_CHILD | WS_VISIBLE, CRect(0, 0, 320, 200), &parent, 7));
  }
  IRecordingBrowser* pRecorder = nullptr;
  ASSERT_NE(nullptr, web.GetControlUnknown());
  ASSERT_EQ(S_OK, web.GetControlUnknown()->QueryInterface(IID_IRecordingBrowser,
                                                          reinterpret_cast<void**>(&pRecorder)))
      << "the recorder stands in for the browser";
  VariantInit(&g_arg);
  for (const MemberCall& m : kMembers) {
    try {
      m.call(web);
    } catch (COleException* e) {
      ADD_FAILURE() << m.member << ": automation error " << std::hex << e->m_sc;
      e->Delete();
    } catch (COleDispatchException* e) {
      ADD_FAILURE() << m.member << ": dispatch error " << std::hex << e->m_scError;
      e->Delete();
    }
    BSTR log = nullptr;
    ASSERT_EQ(S_OK, pRecorder->TakeLog(&log));
    EXPECT_EQ(std::wstring(m.logged) + L"\n", std::wstring(log, SysStringLen(log))) << m.member;
    SysFreeString(log);
  }
  pRecorder->Release();
  EXPECT_TRUE(web.DestroyWindow());
  parent.Detach();
}

}  // namespace
