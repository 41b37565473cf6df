// The application profile in both stores: the registry below the application's key and the
// INI file, with round trips, bad names and values, and nothing written elsewhere.
#include <afxwin.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t kCompany[] = L"TKWProfileTest";

// A fresh application in a module state of its own, so that each test gets its own profile
// settings without touching the program's application object.
struct ScopedApp {
  AFX_MODULE_STATE state{TRUE};
  AFX_MAINTAIN_STATE keep{&state};
  CWinApp app{L"ProfileApp"};
};

bool KeyExists(HKEY root, const std::wstring& path) {
  HKEY h = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

std::vector<std::wstring> SubkeysOf(HKEY root, const std::wstring& path) {
  std::vector<std::wstring> names;
  HKEY h = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD n = 256;
    if (RegEnumKeyExW(h, i, name, &n, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, n);
  }
  RegCloseKey(h);
  return names;
}

class RegistryProfile : public testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kCompany).c_str());
    softwareBefore = SubkeysOf(HKEY_CURRENT_USER, L"Software");
    scoped = std::make_unique<ScopedApp>();
    scoped->app.SetRegistryKey(kCompany);
  }
  void TearDown() override {
    scoped.reset();
    // Nothing but our own company key may have appeared below Software.
    std::vector<std::wstring> after = SubkeysOf(HKEY_CURRENT_USER, L"Software");
    std::vector<std::wstring> added;
    for (const auto& name : after)
      if (std::find(softwareBefore.begin(), softwareBefore.end(), name) == softwareBefore.end() &&
          name != kCompany)
        added.push_back(name);
    EXPECT_TRUE(added.empty()) << "unexpected key below HKCU\\Software: "
                               << std::string(added[0].begin(), added[0].end());
    RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kCompany).c_str());
  }
  CWinApp& App() { return scoped->app; }
  std::wstring AppPath() const { return std::wstring(L"Software\\") + kCompany + L"\\ProfileApp"; }

  std::unique_ptr<ScopedApp> scoped;
  std::vector<std::wstring> softwareBefore;
};

// What both stores must do alike: values round trip whole, missing ones answer their
// defaults, and a null value or entry removes the entry or the whole section.
void ExpectTheProfileContract(CWinApp& app) {
  EXPECT_TRUE(app.WriteProfileInt(L"S", L"Negative", -5));
  EXPECT_EQ(-5, int(app.GetProfileInt(L"S", L"Negative", 0)));
  EXPECT_TRUE(app.WriteProfileString(L"S", L"Name", L"Grid \x00e9t\x00e9"));
  EXPECT_EQ(CString(L"Grid \x00e9t\x00e9"), app.GetProfileString(L"S", L"Name"));
  std::wstring huge(100000, L'x');
  huge.back() = L'z';
  ASSERT_TRUE(app.WriteProfileString(L"S", L"Huge", huge.c_str()));
  EXPECT_EQ(CString(huge.c_str()), app.GetProfileString(L"S", L"Huge"));
  BYTE data[] = {0, 1, 0x7F, 0x80, 0xFF};
  EXPECT_TRUE(app.WriteProfileBinary(L"S", L"Blob", data, sizeof(data)));
  LPBYTE got = nullptr;
  UINT bytes = 0;
  ASSERT_TRUE(app.GetProfileBinary(L"S", L"Blob", &got, &bytes));
  std::unique_ptr<BYTE[]> owner(got);
  EXPECT_EQ(std::vector<BYTE>(data, data + sizeof(data)), std::vector<BYTE>(got, got + bytes));

  EXPECT_EQ(3u, app.GetProfileInt(L"Nowhere", L"X", 3));
  EXPECT_EQ(CString(L"d"), app.GetProfileString(L"Nowhere", L"X", L"d"));
  got = reinterpret_cast<LPBYTE>(1);
  EXPECT_FALSE(app.GetProfileBinary(L"Nowhere", L"X", &got, &bytes));
  EXPECT_EQ(nullptr, got);
  EXPECT_EQ(0u, bytes);

  EXPECT_TRUE(app.WriteProfileString(L"GfxLists\\Jobs", L"Layout", L"1,2,3"));
  EXPECT_TRUE(app.WriteProfileString(L"GfxLists\\Jobs", L"Other", L"x"));
  EXPECT_TRUE(app.WriteProfileString(L"GfxLists\\Jobs", L"Layout", nullptr));
  EXPECT_EQ(CString(L"gone"), app.GetProfileString(L"GfxLists\\Jobs", L"Layout", L"gone"));
  EXPECT_EQ(CString(L"x"), app.GetProfileString(L"GfxLists\\Jobs", L"Other"));
  EXPECT_TRUE(app.WriteProfileString(L"GfxLists\\Jobs", nullptr, nullptr));
  EXPECT_EQ(CString(L"gone"), app.GetProfileString(L"GfxLists\\Jobs", L"Other", L"gone"));
  EXPECT_TRUE(app.WriteProfileString(L"Nowhere", L"X", nullptr)) << "removing nothing is fine";
}

TEST_F(RegistryProfile, KeepsTheContractBelowTheApplicationKeyWithRegistryTypes) {
  ExpectTheProfileContract(App());
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AppPath() + L"\\Nowhere"))
      << "reading a missing section creates no key";
  ASSERT_TRUE(App().WriteProfileInt(L"Settings", L"Count", 7));
  HKEY app = App().GetAppRegistryKey();
  ASSERT_NE(nullptr, app);
  DWORD value = 0, size = sizeof(value), type = 0;
  EXPECT_EQ(ERROR_SUCCESS,
            RegGetValueW(app, L"Settings", L"Count", RRF_RT_ANY, &type, &value, &size));
  RegCloseKey(app);
  EXPECT_EQ(DWORD(REG_DWORD), type);
  EXPECT_EQ(7u, value);
  // A value of another type is not this value: the default comes back.
  EXPECT_EQ(42u, App().GetProfileInt(L"S", L"Name", 42));
  EXPECT_EQ(CString(L"dflt"), App().GetProfileString(L"S", L"Negative", L"dflt"));
  EXPECT_TRUE(App().WriteProfileString(L"GfxLists", nullptr, nullptr));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, AppPath() + L"\\GfxLists"))
      << "a removed section goes with everything below it";
}

TEST_F(RegistryProfile, BadNamesAreRefusedAndLongValuesKept) {
  const std::wstring longName(300, L'k');
  // Sections are relative paths below the application key: no escaping upwards or sideways.
  for (const wchar_t* bad : {L"", L"\\Absolute", L"Trailing\\", L"Double\\\\Sep"}) {
    EXPECT_FALSE(App().WriteProfileString(bad, L"E", L"v")) << "section accepted: " << bad[0];
    EXPECT_EQ(CString(L"d"), App().GetProfileString(bad, L"E", L"d"));
  }
  EXPECT_FALSE(App().WriteProfileString(longName.c_str(), L"E", L"v"));
  EXPECT_FALSE(App().WriteProfileInt(nullptr, L"E", 1));
  EXPECT_FALSE(App().WriteProfileInt(L"S", L"", 1));
  EXPECT_EQ(9u, App().GetProfileInt(L"S", nullptr, 9));

  // Odd but legal names round-trip as they are.
  const wchar_t* odd = L"Sp ace=eq;semi[br]\x00fc";
  EXPECT_TRUE(App().WriteProfileString(odd, odd, L"odd"));
  EXPECT_EQ(CString(L"odd"), App().GetProfileString(odd, odd));
  EXPECT_TRUE(App().WriteProfileString(L"S", longName.c_str(), L"long entry"));
  EXPECT_EQ(CString(L"long entry"), App().GetProfileString(L"S", longName.c_str()));

  // Every key written lies below the company key, and the company key holds only our application.
  EXPECT_EQ(std::vector<std::wstring>{L"ProfileApp"},
            SubkeysOf(HKEY_CURRENT_USER, std::wstring(L"Software\\") + kCompany));
}

class IniProfile : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    folder = std::wstring(dir) + L"tkw-profile-test";
    CreateDirectoryW(folder.c_str(), nullptr);
    ini = folder + L"\\ProfileApp.INI";
    DeleteFileW(ini.c_str());
    scoped = std::make_unique<ScopedApp>();
    free(const_cast<LPTSTR>(App().m_pszProfileName));
    App().m_pszProfileName = _wcsdup(ini.c_str());
  }
  void TearDown() override {
    scoped.reset();
    // The INI file is the only file the profile may have made.
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.emplace_back(fd.cFileName);
      } while (FindNextFileW(h, &fd));
      FindClose(h);
    }
    for (const auto& f : files) {
      EXPECT_EQ(L"ProfileApp.INI", f);
      DeleteFileW((folder + L"\\" + f).c_str());
    }
    RemoveDirectoryW(folder.c_str());
  }
  CWinApp& App() { return scoped->app; }
  std::wstring FileText() const {
    HANDLE h =
        CreateFileW(ini.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return L"";
    std::string bytes(GetFileSize(h, nullptr), '\0');
    DWORD got = 0;
    ReadFile(h, &bytes[0], DWORD(bytes.size()), &got, nullptr);
    CloseHandle(h);
    return std::wstring(bytes.begin(), bytes.end());
  }

  std::unique_ptr<ScopedApp> scoped;
  std::wstring folder, ini;
};

TEST_F(IniProfile, KeepsTheContractInTheFile) {
  ExpectTheProfileContract(App());
  const std::wstring text = FileText();
  EXPECT_NE(std::wstring::npos, text.find(L"[S]"))
      << "file holds: " << std::string(text.begin(), text.end());
  EXPECT_NE(std::wstring::npos, text.find(L"Negative=-5"));
  EXPECT_NE(std::wstring::npos, text.find(L"Blob=AAABHPIAPP"));
}

TEST_F(IniProfile, NamesAndValuesThatWouldBreakTheFileAreRefused) {
  EXPECT_TRUE(App().WriteProfileString(L"Keep", L"Entry", L"safe"));
  // Each of these would end up as another section or entry of the file.
  const struct {
    const wchar_t *section, *entry, *value;
  } bad[] = {{L"Keep", L"Entry", L"x\r\n[Other]\r\nEntry=evil"},
             {L"Br]acket", L"Entry", L"v"},
             {L"Keep", L"Eq=ual", L"v"},
             {L"Keep", L"[Sec", L"v"},
             {L"Keep", L" padded", L"v"},
             {L"", L"Entry", L"v"}};
  for (const auto& b : bad)
    EXPECT_FALSE(App().WriteProfileString(b.section, b.entry, b.value))
        << std::string(b.entry, b.entry + wcslen(b.entry));
  EXPECT_FALSE(App().WriteProfileInt(L"Keep", nullptr, 1));
  EXPECT_EQ(CString(L"safe"), App().GetProfileString(L"Keep", L"Entry"));
  EXPECT_EQ(std::wstring::npos, FileText().find(L"evil"));
}

TEST(Profile, WithoutAnyStoreNothingIsWritten) {
  ScopedApp scoped;
  // No AfxWinInit, no registry key: there is no profile file to write to (and no win.ini).
  ASSERT_EQ(nullptr, scoped.app.m_pszProfileName);
  EXPECT_FALSE(scoped.app.WriteProfileString(L"S", L"E", L"v"));
  EXPECT_EQ(CString(L"d"), scoped.app.GetProfileString(L"S", L"E", L"d"));
  EXPECT_EQ(nullptr, scoped.app.GetAppRegistryKey());
}

}  // namespace
