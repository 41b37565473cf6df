// CFileWizardPage: the recent-file list in the profile, the path edit and browse button, the
// existence check on Next and the open request on Finish.
#include "wizard/FileWizardPage.h"

#include <afxdlgs.h>

#include <vector>

#include "QXModuleManager.h"
#include "QXSettingsManager.h"
#include "wizard/TKWPropertySheet.h"
#include "wizard/WizardData.h"
#include "wizard/logic/FilePageRules.h"

namespace {

const int kBrowseButton = 291;
const int kPathEdit = 395;
const int kRecentList = 1220;
const int kPageIcon = 4550;
const DWORD kBack = 1, kBackNext = 3, kBackFinish = 5, kBackNoFinish = 9;
const wchar_t kAllFiles[] = L"All Files (*.*)|*.*||";

}  // namespace

CFilePageData::CFilePageData()
    : m_strFilter(kAllFiles), m_nValue(1), m_bFinishPage(FALSE), m_nNextPage(0) {}

IMPLEMENT_DYNCREATE(CFileWizardPage, TKWPropertyPage)

BEGIN_MESSAGE_MAP(CFileWizardPage, TKWPropertyPage)
  ON_BN_CLICKED(kBrowseButton, OnBrowse)
  ON_EN_CHANGE(kPathEdit, OnUpdatePath)
  ON_NOTIFY(NM_CLICK, kRecentList, OnClickProjectList)
  ON_NOTIFY(NM_RCLICK, kRecentList, OnClickProjectList)
  ON_MESSAGE(WMU_DELETE_RECENT, OnDeleteRecent)
END_MESSAGE_MAP()

CFileWizardPage::CFileWizardPage() : CFileWizardPage(IDD) {}

CFileWizardPage::CFileWizardPage(int nIDTemplate) : TKWPropertyPage(nIDTemplate) {
  m_strHeaderTitle = L"Open An Existing Project";
  m_strHeaderSubTitle = L"Select the project to open.";
  m_bFinishPage = TRUE;
  m_nValue = 0;
  m_nNextPage = 0;
  CommonConstruct();
}

CFileWizardPage::CFileWizardPage(CFilePageData* pData, int nIDTemplate)
    : TKWPropertyPage(nIDTemplate) {
  m_strHeaderTitle = pData->m_strHeaderTitle;
  m_strHeaderSubTitle = pData->m_strHeaderSubTitle;
  m_strFilter = pData->m_strFilter;
  m_strInitialDir = pData->m_strInitialDir;
  m_nValue = pData->m_nValue;
  m_bFinishPage = pData->m_bFinishPage;
  m_strSection = pData->m_strSection;
  m_nNextPage = pData->m_nNextPage;
  CommonConstruct();
}

void CFileWizardPage::CommonConstruct() {
  m_pRecentList = new CStringList(10);
  m_pShownList = new CStringList(10);
  m_pPageData = nullptr;
  m_psp.dwFlags |= PSP_USEHICON;
  HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEW(kPageIcon), RT_GROUP_ICON);
  m_psp.hIcon = static_cast<HICON>(
      ::LoadImageW(hInst, MAKEINTRESOURCEW(kPageIcon), IMAGE_ICON, 16, 16, LR_SHARED));
  CWinApp* pApp = AfxGetApp();
  m_strRegKey.Format(L"%s%s%s%s", L"Software\\",
                     pApp && pApp->m_pszRegistryKey ? pApp->m_pszRegistryKey : L"", L"\\",
                     pApp && pApp->m_pszProfileName ? pApp->m_pszProfileName : L"");
}

CFileWizardPage::~CFileWizardPage() {
  delete m_pRecentList;
  delete m_pShownList;
}

void CFileWizardPage::DoDataExchange(CDataExchange* pDX) {
  DDX_Control(pDX, kRecentList, m_listRecent);
  DDX_Control(pDX, kBrowseButton, m_btnBrowse);
}

BOOL CFileWizardPage::OnInitDialog() {
  TKWPropertyPage::OnInitDialog();
  GetRecentFileListfromReg(m_pRecentList);
  PopulateRecentFileList();
  m_listRecent.Initialize(m_pShownList);
  return TRUE;
}

// ---- the recent list

CString CFileWizardPage::RecentListKey() {
  m_strSection = file_page::RecentListSection(m_strSection);
  return m_strRegKey + L"\\" + m_strSection;
}

void CFileWizardPage::GetRecentFileListfromReg(CStringList* pList) {
  HKEY hKey = NULL;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, RecentListKey(), 0, const_cast<LPWSTR>(L""),
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL, &hKey,
                        NULL) != ERROR_SUCCESS)
    return;
  for (int i = 1; i <= file_page::kRecentShown; ++i) {
    CString strName;
    strName.Format(L"File%d", i);
    wchar_t szPath[file_page::kRecentValueChars] = L"";
    DWORD cb = sizeof(szPath), dwType = 0;
    if (::RegQueryValueExW(hKey, strName, NULL, &dwType, reinterpret_cast<BYTE*>(szPath), &cb) !=
            ERROR_SUCCESS ||
        dwType != REG_SZ)
      continue;
    szPath[file_page::kRecentValueChars - 1] = L'\0';
    if (szPath[0]) pList->AddTail(szPath);
  }
  ::RegCloseKey(hKey);
}

void CFileWizardPage::PopulateRecentFileList() {
  std::vector<CString> recent;
  for (POSITION pos = m_pRecentList->GetHeadPosition(); pos;)
    recent.push_back(m_pRecentList->GetNext(pos));
  m_pShownList->RemoveAll();
  for (const CString& str : file_page::ShownRecentFiles(recent)) m_pShownList->AddTail(str);
}

void CFileWizardPage::UpdateRecentFileListInRegistry() {
  RecentListKey();
  std::vector<CString> recent;
  for (POSITION pos = m_pRecentList->GetHeadPosition(); pos;)
    recent.push_back(m_pRecentList->GetNext(pos));
  CWinApp* pApp = AfxGetApp();
  if (!pApp) return;
  for (const auto& write : file_page::RecentListWrites(m_strPath, recent))
    pApp->WriteProfileString(m_strSection, write.first, write.second);
}

LRESULT CFileWizardPage::OnDeleteRecent(WPARAM wParam, LPARAM lParam) {
  return DeleteItemFromListCtrl(wParam, lParam);
}

LRESULT CFileWizardPage::DeleteItemFromListCtrl(WPARAM, LPARAM) {
  GetDlgItemText(kPathEdit, m_strPath);
  HKEY hKey = NULL;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, RecentListKey(), 0, const_cast<LPWSTR>(L""),
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, NULL, &hKey,
                        NULL) == ERROR_SUCCESS) {
    for (int i = 1; i <= file_page::kRecentShown; ++i) {
      CString strName;
      strName.Format(L"File%d", i);
      wchar_t szPath[file_page::kRecentValueChars] = L"";
      DWORD cb = sizeof(szPath), dwType = 0;
      if (::RegQueryValueExW(hKey, strName, NULL, &dwType, reinterpret_cast<BYTE*>(szPath), &cb) ==
              ERROR_SUCCESS &&
          dwType == REG_SZ && m_strPath == szPath)
        ::RegDeleteValueW(hKey, strName);
    }
    ::RegCloseKey(hKey);
  }
  m_pRecentList->RemoveAll();
  m_pShownList->RemoveAll();
  GetRecentFileListfromReg(m_pRecentList);
  PopulateRecentFileList();
  if (::IsWindow(m_listRecent.m_hWnd)) m_listRecent.Populate(m_pShownList);
  SetDlgItemText(kPathEdit, L"");
  m_strPath.Empty();
  SetButtons(m_bFinishPage ? kBackNoFinish : kBack);
  return 0;
}

// ---- buttons and path

void CFileWizardPage::SetButtons(DWORD dwFlags) {
  CWnd* pParent = GetParent();
  if (pParent && pParent->IsKindOf(RUNTIME_CLASS(TKWPropertySheet)))
    static_cast<TKWPropertySheet*>(pParent)->SetWizardButtons(dwFlags);
  else if (CPropertySheet* pSheet = GetParentSheet())
    pSheet->SetWizardButtons(dwFlags);
}

BOOL CFileWizardPage::OnSetActive() {
  SetDlgItemText(kPathEdit, m_strPath);
  const bool bEmpty = m_strPath.IsEmpty();
  if (m_bFinishPage) SetButtons(bEmpty ? kBackNoFinish : kBackFinish);
  if (m_bWizardMode) SetButtons(bEmpty ? kBack : kBackNext);
  return TKWPropertyPage::OnSetActive();
}

void CFileWizardPage::OnUpdatePath() {
  GetDlgItemText(kPathEdit, m_strPath);
  if (m_strPath.IsEmpty())
    SetButtons(m_bFinishPage ? kBackNoFinish : kBack);
  else
    SetButtons(kBackNext);
}

void CFileWizardPage::OnClickProjectList(NMHDR*, LRESULT* pResult) {
  const CString strChosen = m_listRecent.GetSelected();
  if (!strChosen.IsEmpty()) {
    SetDlgItemText(kPathEdit, strChosen);
    m_strPath = strChosen;
    SetButtons(m_bFinishPage ? kBackFinish : kBackNext);
  }
  *pResult = 0;
}

void CFileWizardPage::OnBrowse() {
  if (m_bFinishPage) {
    bool enabled[4] = {};
    int nModules = 0;
    if (CQXModuleManager* pModules = TKWGetModuleManager()) {
      for (int i = 0; i < 4; ++i) enabled[i] = pModules->IsModuleEnabled(i + 1) != FALSE;
      nModules = pModules->GetModuleCount();
    }
    m_strFilter = file_page::ScriptFilter(enabled, nModules);
    if (CQXSettingsManager* pSettings = TKWGetSettingsManager())
      m_strInitialDir = pSettings->GetProjectFilePath();
  } else if (m_strFilter.IsEmpty()) {
    m_strFilter = kAllFiles;
  }
  CString strChosen;
  if (!BrowseForFile(strChosen)) return;
  m_strPath = strChosen;
  SetDlgItemText(kPathEdit, m_strPath);
  SetButtons(m_bFinishPage ? kBackFinish : kBackNext);
}

BOOL CFileWizardPage::BrowseForFile(CString& strPath) {
  CFileDialog dlg(TRUE, NULL, NULL,
                  OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                      OFN_FILEMUSTEXIST,
                  m_strFilter, this);
  dlg.m_ofn.lpstrTitle = L"Select File Location";
  dlg.m_ofn.lpstrInitialDir = m_strInitialDir.IsEmpty() ? NULL : LPCWSTR(m_strInitialDir);
  if (dlg.DoModal() != IDOK) return FALSE;
  strPath = dlg.GetPathName();
  return TRUE;
}

// ---- leaving the page

LRESULT CFileWizardPage::OnWizardNext() {
  UpdateData(TRUE);
  CFileFind find;
  if (!find.FindFile(m_strPath)) {
    AfxMessageBox(m_strPath + L" does not exists.\n" + L"Type or browse another file.",
                  MB_ICONEXCLAMATION);
    return -1;
  }
  bool bUnchanged = false;
  if (m_pWizData) {
    CPageData* pRecord = m_pWizData->GetOwnerPageData(IDD);
    if (pRecord && pRecord->m_strData == m_strPath) {
      bUnchanged = true;
    } else {
      if (!pRecord) {
        pRecord = new CPageData(IDD);
        pRecord->m_nTargetPage = m_nNextPage;
        m_pWizData->m_arrPageData.Add(pRecord);
      }
      pRecord->m_strData = m_strPath;
    }
    m_pPageData = pRecord;
  }
  if (!bUnchanged) UpdateRecentFileListInRegistry();
  return m_nNextPage == 0 ? 0 : TKWPropertyPage::OnWizardNext(m_nNextPage);
}

BOOL CFileWizardPage::OnWizardFinish() {
  GetDlgItemText(kPathEdit, m_strPath);
  CWinApp* pApp = AfxGetApp();
  if (pApp && pApp->OpenDocumentFile(m_strPath)) return TKWPropertyPage::OnWizardFinish();
  // What the application cannot open has no place in the recent list.
  SendMessage(WMU_DELETE_RECENT);
  return FALSE;
}

BOOL CFileWizardPage::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
    GetDlgItemText(kPathEdit, m_strPath);
    CPropertySheet* pSheet = GetParentSheet();
    if (!m_strPath.IsEmpty() && pSheet) {
      // Finish goes through the page's finish handler, which sets the sheet's result.
      pSheet->PostMessage(PSM_PRESSBUTTON, m_bFinishPage ? PSBTN_FINISH : PSBTN_NEXT, 0);
      return TRUE;
    }
  }
  return CDialog::PreTranslateMessage(pMsg);
}
