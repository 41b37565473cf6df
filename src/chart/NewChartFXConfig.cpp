// CNewChartFX: chart templates through file dialogs, default templates in the profile,
// temporary templates, printing and the clipboard.
#include "chart/NewChartFX.h"

#include <commdlg.h>

#include <vector>

#include "chart/logic/ChartTemplatePath.h"
#include "QXSettingsManager.h"
#include "qxres_ids.h"

namespace {

enum ExportFormat { kTemplateFile = 1, kCopyData = 3, kCopyGraph = 4 };
const wchar_t kSettings[] = L"Settings";

// A VARIANT holding a path as a BSTR, cleared when it goes.
struct PathVariant {
  explicit PathVariant(const CString& path) {
    VariantInit(&v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocStringLen(path, UINT(path.GetLength()));
  }
  ~PathVariant() { VariantClear(&v); }
  VARIANT v;
};

CString ResourceString(UINT nID) {
  CString s;
  s.LoadString(nID);
  return s;
}

// The template file dialog: open or save, starting with strInitial; the chosen path or empty.
CString TemplateDialog(bool bOpen, UINT nTitle, const CString& strInitial) {
  const std::wstring filter = tkw::DialogFilter(tkw::kChartTemplateFilter);
  std::vector<wchar_t> file(2048, L'\0');
  lstrcpynW(file.data(), strInitial, int(file.size()));
  const CString title = ResourceString(nTitle);
  const CString folder =
      TKWGetSettingsManager() ? TKWGetSettingsManager()->GetUserZRWPath() : CString();
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.lpstrInitialDir = folder.IsEmpty() ? nullptr : static_cast<LPCWSTR>(folder);
  ofn.lpstrTitle = title.IsEmpty() ? nullptr : static_cast<LPCWSTR>(title);
  ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLESIZING;
  const BOOL ok = bOpen ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
  return ok ? CString(file.data()) : CString();
}

}  // namespace

void CNewChartFX::ChartLoadConfiguration() {
  const CString path = TemplateDialog(true, IDS_QX_CHART_TEMPLATE_TITLE, CString());
  if (path.IsEmpty()) return;
  m_strConfigFile = tkw::CompleteTemplatePath(path);
  Import(kTemplateFile, PathVariant(m_strConfigFile).v);
}

void CNewChartFX::ChartSaveConfiguration() {
  const CString path = TemplateDialog(false, IDS_QX_CHART_TEMPLATE_TITLE, CString());
  if (path.IsEmpty()) return;
  m_strConfigFile = tkw::CompleteTemplatePath(path);
  Export(kTemplateFile, PathVariant(m_strConfigFile).v);
}

void CNewChartFX::SetDefaultConfiguration(CString strKey) {
  CString initial = AfxGetApp()->GetProfileString(kSettings, strKey);
  if (initial.IsEmpty()) initial = m_strConfigFile;
  const CString path = TemplateDialog(false, IDS_QX_CHART_DEFAULT_TEMPLATE_TITLE, initial);
  if (path.IsEmpty()) return;
  m_strConfigFile = tkw::CompleteTemplatePath(path);
  // The profile names the file only once it has been written.
  Export(kTemplateFile, PathVariant(m_strConfigFile).v);
  AfxGetApp()->WriteProfileString(kSettings, strKey, m_strConfigFile);
}

BOOL CNewChartFX::LoadDefaultConfigurationFile(CString strKey) {
  const CString path = AfxGetApp()->GetProfileString(kSettings, strKey);
  if (path.IsEmpty()) return FALSE;
  Import(kTemplateFile, PathVariant(path).v);
  return TRUE;
}

void CNewChartFX::ClearDefaultConfiguration(CString strKey) {
  const CString path = AfxGetApp()->GetProfileString(kSettings, strKey);
  m_strConfigFile.Empty();
  if (path.IsEmpty()) return;
  if (AfxMessageBox(ResourceString(IDS_QX_CHART_CLEAR_DEFAULT_TEMPLATE), MB_YESNO) == IDYES)
    AfxGetApp()->WriteProfileString(kSettings, strKey, L"");
}

void CNewChartFX::CreateTempConfiguration(CString strPath) {
  Export(kTemplateFile, PathVariant(strPath).v);
}

void CNewChartFX::LoadTempConfiguration(CString strPath) {
  Import(kTemplateFile, PathVariant(strPath).v);
}

void CNewChartFX::ChartCopyData() {
  VARIANT empty;
  VariantInit(&empty);
  Export(kCopyData, empty);
}

void CNewChartFX::ChartCopyGraph() {
  VARIANT empty;
  VariantInit(&empty);
  Export(kCopyGraph, empty);
}

void CNewChartFX::ChartPrint() {
  PRINTDLGW pd = {};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = m_hWnd;
  pd.Flags =
      PD_PRINTSETUP | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIES | PD_HIDEPRINTTOFILE;
  if (!PrintDlgW(&pd)) return;
  HDC hDC = nullptr;
  if (pd.hDevNames) {
    auto* names = static_cast<DEVNAMES*>(GlobalLock(pd.hDevNames));
    auto* mode = pd.hDevMode ? static_cast<DEVMODEW*>(GlobalLock(pd.hDevMode)) : nullptr;
    const auto* base = reinterpret_cast<const wchar_t*>(names);
    hDC = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset,
                    base + names->wOutputOffset, mode);
    if (mode) GlobalUnlock(pd.hDevMode);
    GlobalUnlock(pd.hDevNames);
  }
  if (pd.hDevMode) GlobalFree(pd.hDevMode);
  if (pd.hDevNames) GlobalFree(pd.hDevNames);
  if (!hDC) {
    MessageBox(L"Failed Initializing Printer", nullptr, MB_OK);
    return;
  }
  DOCINFOW di = {};
  di.cbSize = sizeof di;
  di.lpszDocName = L"MultiUser Test History";
  StartDocW(hDC, &di);
  // The component's paint with the print flag makes the page itself.
  Paint(long(LONG_PTR(hDC)), 0, 0, short(GetDeviceCaps(hDC, HORZRES)),
        short(GetDeviceCaps(hDC, VERTRES)), PAINT_PRINT);
  EndDoc(hDC);
  DeleteDC(hDC);
}
