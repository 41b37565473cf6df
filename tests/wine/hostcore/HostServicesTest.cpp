// The host's services: the message box (real and answered by a handler), folders, modules,
// profiles and the task-panel window.
#include "QXHostWindows.h"
#include "QXModuleManager.h"
#include "QXProfile.h"
#include "QXSettingsManager.h"

#include <gtest/gtest.h>

#include "Support.h"

#include <string>
#include <vector>

namespace {

struct Asked {
  std::wstring text;
  UINT nType;
  int nOwner;
};

int CALLBACK RecordingHandler(LPCTSTR lpszText, UINT nType, int nOwner, void* pContext) {
  static_cast<std::vector<Asked>*>(pContext)->push_back({lpszText, nType, nOwner});
  return IDNO;
}

TEST(HostMessageBox, ARealBoxWithTheHostCaptionOrTheInstalledHandlerAnswers) {
  std::wstring title, text;
  tks::AnswerNextMessageBox([&](const std::wstring& t, const std::wstring& m) {
    title = t;
    text = m;
    return IDYES;
  });
  EXPECT_EQ(ZRWMessageBox(_T("Cancel the process?"), MB_YESNO | MB_ICONQUESTION, 1), IDYES);
  EXPECT_EQ(title, L"Velotrace");
  EXPECT_EQ(text, L"Cancel the process?");

  std::vector<Asked> asked;
  void* pOldContext = reinterpret_cast<void*>(1);
  EXPECT_EQ(ZRWSetMessageBoxHandler(RecordingHandler, &asked, &pOldContext), nullptr);
  EXPECT_EQ(pOldContext, nullptr);
  EXPECT_EQ(ZRWMessageBox(_T("Delete?"), MB_YESNO | MB_ICONSTOP, 0), IDNO);
  EXPECT_EQ(ZRWMessageBox(NULL, MB_OK, 1), IDCANCEL) << "a null text asks nobody";
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, L"Delete?");
  EXPECT_EQ(asked[0].nType, UINT(MB_YESNO | MB_ICONSTOP));
  EXPECT_EQ(asked[0].nOwner, 0);
  EXPECT_EQ(tks::PendingModalAnswers(), 0) << "no window was shown";

  EXPECT_EQ(ZRWSetMessageBoxHandler(NULL, NULL), &RecordingHandler);
  tks::AnswerNextMessageBox(IDOK);
  EXPECT_EQ(ZRWMessageBox(_T("Real again")), IDOK);
  EXPECT_EQ(asked.size(), 1u);
}

TEST(Settings, DefaultFoldersUntilTheHostSetsItsOwn) {
  CQXSettingsManager settings;
  EXPECT_EQ(settings.GetUserZRWPath().Right(10), CString(_T("\\Velotrace")));
  EXPECT_EQ(settings.GetProjectFilePath().Right(19), CString(_T("\\Velotrace Projects")));
  settings.SetProjectFilePath(_T("C:\\Projects\\\\"));
  EXPECT_EQ(settings.GetProjectFilePath(), CString(_T("C:\\Projects")));
  settings.SetUserZRWPath(_T("D:\\"));
  EXPECT_EQ(settings.GetUserZRWPath(), CString(_T("D:\\"))) << "a drive root keeps its backslash";
  settings.SetUserZRWPath(NULL);
  EXPECT_EQ(settings.GetUserZRWPath().Right(10), CString(_T("\\Velotrace")));
  EXPECT_NE(TKWGetSettingsManager(), nullptr);
}

TEST(Modules, FourModulesEnabledUntilSwitchedOff) {
  CQXModuleManager modules;
  EXPECT_EQ(modules.GetModuleCount(), 4);
  EXPECT_TRUE(modules.EnableModule(QXMODULE_WEB, FALSE));
  for (int n = 0; n <= 5; ++n)
    EXPECT_EQ(modules.IsModuleEnabled(n),
              n >= QXMODULE_DATABASE && n <= QXMODULE_FILE && n != QXMODULE_WEB)
        << n;
  EXPECT_FALSE(modules.EnableModule(-1, TRUE));
  EXPECT_EQ(modules.GetModuleName(QXMODULE_MESSAGING), CString(_T("Messaging")));
  EXPECT_TRUE(modules.GetModuleName(9).IsEmpty());
}

TEST(Profiles, TheManagerOwnsWhatItHoldsAndGivesBackWhatIsRemoved) {
  CQXProfileManager manager;
  CProfile* pSales = new CProfile(_T("Sales"), QXMODULE_DATABASE);
  CProfile* pOther = new CProfile(_T("sales"), QXMODULE_WEB);
  EXPECT_FALSE(manager.ProfileExist(pSales));
  EXPECT_TRUE(manager.AddProfile(pSales));
  EXPECT_FALSE(manager.AddProfile(pSales)) << "held once";
  EXPECT_FALSE(manager.AddProfile(pOther)) << "names are unique without regard to case";
  EXPECT_FALSE(manager.AddProfile(NULL));
  EXPECT_TRUE(manager.ProfileExist(pSales));
  EXPECT_TRUE(manager.ProfileExist(CString(_T("SALES"))));
  EXPECT_FALSE(manager.ProfileExist(pOther));
  EXPECT_EQ(manager.FindProfile(_T("sales")), pSales);

  EXPECT_TRUE(manager.RemoveProfile(pSales));
  EXPECT_FALSE(manager.ProfileExist(pSales));
  EXPECT_FALSE(manager.RemoveProfile(pSales));
  EXPECT_TRUE(manager.AddProfile(pOther));
  delete pSales;  // given back, so ours to delete; pOther goes with the manager
  EXPECT_EQ(manager.GetProfileCount(), 1);
  EXPECT_EQ(manager.GetProfile(1), nullptr);
}

TEST(TaskPanel, NullUntilSetAndNullAgainOnceTheWindowIsGone) {
  EXPECT_EQ(GetTaskPanelWizardHWnd(), nullptr);
  HWND hPanel =
      ::CreateWindowExW(0, L"STATIC", L"panel", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
  ASSERT_NE(hPanel, nullptr);
  SetTaskPanelWizardHWnd(hPanel);
  EXPECT_EQ(GetTaskPanelWizardHWnd(), hPanel);
  ::DestroyWindow(hPanel);
  EXPECT_EQ(GetTaskPanelWizardHWnd(), nullptr);
  SetTaskPanelWizardHWnd(NULL);
}

}  // namespace
