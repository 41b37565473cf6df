// The test printer: wine's PostScript driver with a PPD from the machine, printing to files.
#include "Printer.h"

#include <winspool.h>

#include <cstdio>
#include <vector>

namespace tks {

const wchar_t kTestPrinter[] = L"TKW PostScript";

namespace {
const wchar_t kPpd[] = L"Z:\\usr\\share\\ppd\\cups-pdf\\CUPS-PDF_opt.ppd";

std::wstring UnixToWine(const std::string& path) {
  std::wstring w(L"Z:");
  for (char c : path) w += c == '/' ? L'\\' : wchar_t(static_cast<unsigned char>(c));
  return w;
}

std::string WineToUnix(const std::wstring& path) {
  char buf[MAX_PATH * 2];
  // The temporary folder is inside the prefix: ask wine where that is on the Linux side.
  typedef char*(CDECL * ToUnix)(LPCWSTR);
  static auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return std::string();
  char* p = toUnix(path.c_str());
  if (!p) return std::string();
  lstrcpynA(buf, p, sizeof buf);
  ::HeapFree(::GetProcessHeap(), 0, p);
  return buf;
}
}  // namespace

bool InstallTestPrinter() {
  HANDLE h = NULL;
  PRINTER_DEFAULTSW access = {NULL, NULL, PRINTER_ACCESS_USE};
  if (::OpenPrinterW(const_cast<LPWSTR>(kTestPrinter), &h, &access)) {
    ::ClosePrinter(h);
    return ::SetDefaultPrinterW(kTestPrinter) != FALSE;
  }
  if (::GetFileAttributesW(kPpd) == INVALID_FILE_ATTRIBUTES) return false;
  // The spooler looks for driver files in its own driver folder only.
  wchar_t dir[MAX_PATH];
  DWORD needed = 0;
  if (!::GetPrinterDriverDirectoryW(NULL, NULL, 1, reinterpret_cast<LPBYTE>(dir), sizeof dir,
                                    &needed))
    return false;
  std::wstring folder = std::wstring(dir) + L"\\3";
  ::CreateDirectoryW(dir, NULL);
  ::CreateDirectoryW(folder.c_str(), NULL);
  const std::wstring ppd = folder + L"\\TKWPS.PPD";
  if (!::CopyFileW(kPpd, ppd.c_str(), FALSE)) return false;
  DRIVER_INFO_3W driver = {};
  driver.cVersion = 3;
  driver.pName = const_cast<LPWSTR>(L"TKW PostScript Driver");
  driver.pDriverPath = const_cast<LPWSTR>(L"wineps.drv");
  driver.pConfigFile = const_cast<LPWSTR>(L"wineps.drv");
  driver.pDataFile = const_cast<LPWSTR>(L"TKWPS.PPD");
  // The driver stays installed when the printer was removed before.
  if (!::AddPrinterDriverExW(NULL, 3, reinterpret_cast<LPBYTE>(&driver),
                             APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY) &&
      !::AddPrinterDriverW(NULL, 3, reinterpret_cast<LPBYTE>(&driver)) &&
      ::GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED)
    return false;
  PRINTER_INFO_2W info = {};
  info.pPrinterName = const_cast<LPWSTR>(kTestPrinter);
  info.pPortName = const_cast<LPWSTR>(L"FILE:");
  info.pDriverName = driver.pName;
  info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
  info.pDatatype = const_cast<LPWSTR>(L"RAW");
  h = ::AddPrinterW(NULL, 2, reinterpret_cast<LPBYTE>(&info));
  if (!h) return false;
  ::ClosePrinter(h);
  return ::SetDefaultPrinterW(kTestPrinter) != FALSE;
}

void RemoveTestPrinter() {
  HANDLE h = NULL;
  PRINTER_DEFAULTSW access = {NULL, NULL, PRINTER_ALL_ACCESS};
  if (!::OpenPrinterW(const_cast<LPWSTR>(kTestPrinter), &h, &access)) return;
  ::DeletePrinter(h);
  ::ClosePrinter(h);
}

bool RunUnix(const std::string& commandLine) {
  // wine starts a Linux executable given by its Z: path as a native process.
  std::wstring cmd = L"Z:\\bin\\sh -c \"";
  for (char c : commandLine) cmd += wchar_t(static_cast<unsigned char>(c));
  cmd += L"\"";
  std::vector<wchar_t> line(cmd.begin(), cmd.end());
  line.push_back(0);
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!::CreateProcessW(NULL, line.data(), NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
    return false;
  ::WaitForSingleObject(pi.hProcess, 60000);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  return true;
}

std::string PostScriptText(const std::wstring& psPath, int* pages) {
  if (pages) *pages = 0;
  const std::string ps = WineToUnix(psPath);
  if (ps.empty()) return std::string();
  const std::string pdf = ps + ".pdf", txt = ps + ".txt", info = ps + ".info";
  // wine does not hand back a native process's exit code: judge by the files it leaves.
  // Nor does it wait for one: the command leaves a marker file when it is done.
  const std::string done = ps + ".done";
  for (const std::string& f : {pdf, txt, info, done}) ::DeleteFileW(UnixToWine(f).c_str());
  if (!RunUnix("ps2pdf '" + ps + "' '" + pdf + "' && pdftotext -layout '" + pdf + "' '" + txt +
               "' && pdfinfo '" + pdf + "' > '" + info + "'; touch '" + done + "'"))
    return std::string();
  for (int i = 0;
       i < 600 && ::GetFileAttributesW(UnixToWine(done).c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
    ::Sleep(50);
  auto slurp = [](const std::string& unixPath) {
    std::string text;
    FILE* f = _wfopen(UnixToWine(unixPath).c_str(), L"rb");
    if (!f) return text;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
    fclose(f);
    return text;
  };
  if (pages) {
    const std::string meta = slurp(info);
    const size_t at = meta.find("Pages:");
    if (at != std::string::npos) *pages = atoi(meta.c_str() + at + 6);
  }
  return slurp(txt);
}

std::wstring TempPath(const wchar_t* name) {
  wchar_t dir[MAX_PATH];
  ::GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + name;
  ::DeleteFileW(path.c_str());
  return path;
}

}  // namespace tks
