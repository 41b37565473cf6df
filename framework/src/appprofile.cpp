// CWinApp's profile: the registry under HKCU\Software\<key>\<application> once a registry key
// is set, else the INI file m_pszProfileName.
#include "afxwin.h"

#include <cwchar>
#include <string>
#include <vector>

namespace {

const size_t kMaxKeyName = 255;        // one registry key name
const size_t kMaxValueName = 16383;    // one registry value name
const DWORD kMaxIniChars = 16u << 20;  // stop growing the read buffer here

// Closes a registry key when it leaves scope.
class RegKey {
 public:
  RegKey() = default;
  explicit RegKey(HKEY h) : m_h(h) {}
  ~RegKey() { Close(); }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  HKEY* operator&() {
    Close();
    return &m_h;
  }
  operator HKEY() const { return m_h; }
  HKEY Detach() {
    HKEY h = m_h;
    m_h = nullptr;
    return h;
  }

 private:
  void Close() {
    if (m_h) ::RegCloseKey(m_h);
    m_h = nullptr;
  }
  HKEY m_h = nullptr;
};

bool HasAny(LPCTSTR s, LPCTSTR chars) {
  return std::wcspbrk(s, chars) != nullptr;
}

// A section is a relative key path: non-empty components, none longer than a key name may be.
// In the INI store it must not be able to close its own bracket or start another line.
bool ValidSection(LPCTSTR lpszSection, bool bIni) {
  if (!lpszSection || !*lpszSection) return false;
  if (bIni) return std::wcslen(lpszSection) <= kMaxKeyName && !HasAny(lpszSection, L"[]\r\n");
  size_t run = 0;
  for (LPCTSTR p = lpszSection;; ++p) {
    if (*p == L'\\' || *p == 0) {
      if (run == 0) return false;  // leading, trailing or doubled separator
      if (*p == 0) return true;
      run = 0;
    } else if (++run > kMaxKeyName) {
      return false;
    }
  }
}

// An entry names one value. In the INI store it must survive the file's line format:
// no '=', no line breaks, no leading comment or section marks, no blanks the reader trims.
bool ValidEntry(LPCTSTR lpszEntry, bool bIni) {
  if (!lpszEntry || !*lpszEntry) return false;
  const size_t n = std::wcslen(lpszEntry);
  if (n > kMaxValueName) return false;
  if (!bIni) return true;
  if (HasAny(lpszEntry, L"=\r\n")) return false;
  if (lpszEntry[0] == L';' || lpszEntry[0] == L'[') return false;
  return !iswspace(lpszEntry[0]) && !iswspace(lpszEntry[n - 1]);
}

// INI binary values: each byte as two letters 'A' + nibble, as the documented format has it.
std::wstring EncodeBinary(const BYTE* p, UINT n) {
  std::wstring s;
  s.reserve(size_t(n) * 2);
  for (UINT i = 0; i < n; ++i) {
    s.push_back(wchar_t(L'A' + (p[i] >> 4)));
    s.push_back(wchar_t(L'A' + (p[i] & 0x0F)));
  }
  return s;
}

bool DecodeBinary(const CString& s, std::vector<BYTE>& out) {
  const int n = s.GetLength();
  if (n % 2) return false;
  out.resize(size_t(n / 2));
  for (int i = 0; i < n; i += 2) {
    const int hi = s[i] - L'A', lo = s[i + 1] - L'A';
    if (hi < 0 || hi > 15 || lo < 0 || lo > 15) return false;
    out[size_t(i / 2)] = BYTE((hi << 4) | lo);
  }
  return true;
}

}  // namespace

// ---- registry keys

HKEY CWinApp::GetAppRegistryKey() {
  if (!m_pszRegistryKey || !m_pszProfileName) return NULL;
  RegKey software, company, app;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ | KEY_WRITE, &software) !=
      ERROR_SUCCESS)
    return NULL;
  DWORD dw = 0;
  if (::RegCreateKeyExW(software, m_pszRegistryKey, 0, NULL, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, NULL, &company, &dw) != ERROR_SUCCESS)
    return NULL;
  if (::RegCreateKeyExW(company, m_pszProfileName, 0, NULL, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, NULL, &app, &dw) != ERROR_SUCCESS)
    return NULL;
  return app.Detach();
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection) {
  if (!ValidSection(lpszSection, false)) return NULL;
  RegKey app(GetAppRegistryKey());
  if (!app) return NULL;
  RegKey section;
  DWORD dw = 0;
  if (::RegCreateKeyExW(app, lpszSection, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                        NULL, &section, &dw) != ERROR_SUCCESS)
    return NULL;
  return section.Detach();
}

namespace {
// Reading must not create keys: a missing section simply answers the default.
HKEY OpenSectionForRead(LPCTSTR lpszRegistryKey, LPCTSTR lpszApp, LPCTSTR lpszSection,
                        REGSAM access = KEY_READ) {
  std::wstring path =
      std::wstring(L"Software\\") + lpszRegistryKey + L"\\" + lpszApp + L"\\" + lpszSection;
  HKEY h = NULL;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &h) != ERROR_SUCCESS) return NULL;
  return h;
}
}  // namespace

// ---- reading

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
  const bool bIni = m_pszRegistryKey == NULL;
  if (!ValidSection(lpszSection, bIni) || !ValidEntry(lpszEntry, bIni) || !m_pszProfileName)
    return UINT(nDefault);
  if (bIni) return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
  RegKey section(OpenSectionForRead(m_pszRegistryKey, m_pszProfileName, lpszSection));
  if (!section) return UINT(nDefault);
  DWORD value = 0, type = 0, size = sizeof(value);
  if (::RegQueryValueExW(section, lpszEntry, NULL, &type, reinterpret_cast<LPBYTE>(&value),
                         &size) != ERROR_SUCCESS ||
      type != REG_DWORD || size != sizeof(value))
    return UINT(nDefault);
  return value;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
  const CString strDefault(lpszDefault ? lpszDefault : L"");
  const bool bIni = m_pszRegistryKey == NULL;
  if (!ValidSection(lpszSection, bIni) || !ValidEntry(lpszEntry, bIni) || !m_pszProfileName)
    return strDefault;
  if (bIni) {
    // The reader answers size - 1 when the value did not fit: grow until it does.
    std::vector<wchar_t> buf(256);
    for (;;) {
      const DWORD n = ::GetPrivateProfileStringW(lpszSection, lpszEntry, strDefault, buf.data(),
                                                 DWORD(buf.size()), m_pszProfileName);
      if (n + 1 < buf.size()) return CString(buf.data(), int(n));
      if (buf.size() >= kMaxIniChars) return strDefault;
      buf.resize(buf.size() * 4);
    }
  }
  RegKey section(OpenSectionForRead(m_pszRegistryKey, m_pszProfileName, lpszSection));
  if (!section) return strDefault;
  DWORD type = 0, size = 0;
  if (::RegQueryValueExW(section, lpszEntry, NULL, &type, NULL, &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return strDefault;
  std::vector<wchar_t> buf(size / sizeof(wchar_t) + 1, L'\0');
  if (::RegQueryValueExW(section, lpszEntry, NULL, &type, reinterpret_cast<LPBYTE>(buf.data()),
                         &size) != ERROR_SUCCESS ||
      type != REG_SZ)
    return strDefault;
  // Stored data need not be terminated; stop at the first terminator or the data's end.
  const size_t chars = size / sizeof(wchar_t);
  return CString(buf.data(), int(wcsnlen(buf.data(), chars)));
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData,
                               UINT* pBytes) {
  if (!ppData || !pBytes) return FALSE;
  *ppData = NULL;
  *pBytes = 0;
  const bool bIni = m_pszRegistryKey == NULL;
  if (!ValidSection(lpszSection, bIni) || !ValidEntry(lpszEntry, bIni) || !m_pszProfileName)
    return FALSE;
  std::vector<BYTE> data;
  if (bIni) {
    const CString text = GetProfileString(lpszSection, lpszEntry, NULL);
    if (text.IsEmpty() || !DecodeBinary(text, data)) return FALSE;
  } else {
    RegKey section(OpenSectionForRead(m_pszRegistryKey, m_pszProfileName, lpszSection));
    if (!section) return FALSE;
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(section, lpszEntry, NULL, &type, NULL, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
      return FALSE;
    data.resize(size);
    if (size &&
        ::RegQueryValueExW(section, lpszEntry, NULL, &type, data.data(), &size) != ERROR_SUCCESS)
      return FALSE;
    data.resize(size);
  }
  *ppData = new BYTE[data.empty() ? 1 : data.size()];
  if (!data.empty()) memcpy(*ppData, data.data(), data.size());
  *pBytes = UINT(data.size());
  return TRUE;
}

// ---- writing

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
  const bool bIni = m_pszRegistryKey == NULL;
  if (!ValidSection(lpszSection, bIni) || !ValidEntry(lpszEntry, bIni) || !m_pszProfileName)
    return FALSE;
  if (bIni) {
    wchar_t text[16];
    swprintf(text, _countof(text), L"%d", nValue);
    return ::WritePrivateProfileStringW(lpszSection, lpszEntry, text, m_pszProfileName);
  }
  RegKey section(GetSectionKey(lpszSection));
  if (!section) return FALSE;
  const DWORD value = DWORD(nValue);
  return ::RegSetValueExW(section, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof(value)) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
  const bool bIni = m_pszRegistryKey == NULL;
  if (!ValidSection(lpszSection, bIni) || !m_pszProfileName) return FALSE;
  if (lpszEntry && !ValidEntry(lpszEntry, bIni)) return FALSE;
  if (bIni) {
    // A line break in the value would start a new line (or section) of the file.
    if (lpszEntry && lpszValue && HasAny(lpszValue, L"\r\n")) return FALSE;
    return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
  }
  if (!lpszEntry) {
    // Remove the section with everything below it.
    RegKey app(GetAppRegistryKey());
    if (!app) return FALSE;
    const LONG r = ::RegDeleteTreeW(app, lpszSection);
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
  }
  if (!lpszValue) {
    RegKey section(
        OpenSectionForRead(m_pszRegistryKey, m_pszProfileName, lpszSection, KEY_READ | KEY_WRITE));
    if (!section) return TRUE;  // nothing to remove
    const LONG r = ::RegDeleteValueW(section, lpszEntry);
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND;
  }
  RegKey section(GetSectionKey(lpszSection));
  if (!section) return FALSE;
  const DWORD bytes = DWORD((std::wcslen(lpszValue) + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(section, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                          bytes) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData,
                                 UINT nBytes) {
  if (!pData && nBytes) return FALSE;
  const bool bIni = m_pszRegistryKey == NULL;
  if (!ValidSection(lpszSection, bIni) || !ValidEntry(lpszEntry, bIni) || !m_pszProfileName)
    return FALSE;
  if (bIni) return WriteProfileString(lpszSection, lpszEntry, EncodeBinary(pData, nBytes).c_str());
  RegKey section(GetSectionKey(lpszSection));
  if (!section) return FALSE;
  return ::RegSetValueExW(section, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
