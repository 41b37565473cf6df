// CFile and CFileException over the system's file handles.
#include "afx.h"

#include <algorithm>
#include <cwchar>

IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = INVALID_HANDLE_VALUE;

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName) {}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                     UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  if (!lpszError || !nMaxError) return FALSE;
  LPWSTR text = NULL;
  if (m_lOsError > 0)
    ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                         FORMAT_MESSAGE_IGNORE_INSERTS,
                     NULL, DWORD(m_lOsError), 0, reinterpret_cast<LPWSTR>(&text), 0, NULL);
  CString str;
  if (text) {
    str = text;
    str.TrimRight();
    ::LocalFree(text);
  } else {
    str.Format(L"File error %d", m_cause);
  }
  if (!m_strFileName.IsEmpty()) str += L" (" + m_strFileName + L")";
  std::wcsncpy(lpszError, str, nMaxError - 1);
  lpszError[nMaxError - 1] = 0;
  return TRUE;
}

int PASCAL CFileException::OsErrorToException(LONG lOsError) {
  switch (lOsError) {
    case NO_ERROR: return none;
    case ERROR_FILE_NOT_FOUND: return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY: return badPath;
    case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return accessDenied;
    case ERROR_INVALID_HANDLE: return invalidFile;
    case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
    case ERROR_CANNOT_MAKE: return directoryFull;
    case ERROR_SEEK:
    case ERROR_NEGATIVE_SEEK: return badSeek;
    case ERROR_SHARING_VIOLATION: return sharingViolation;
    case ERROR_LOCK_VIOLATION: return lockViolation;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return diskFull;
    case ERROR_HANDLE_EOF: return endOfFile;
    default: return genericException;
  }
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName) {
  throw new CFileException(cause, lOsError, lpszFileName);
}

namespace {
void ThrowLastError(const CString& strFileName) {
  LONG err = LONG(::GetLastError());
  AfxThrowFileException(CFileException::OsErrorToException(err), err, strFileName);
}
}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {
  CFileException e;
  if (!Open(lpszFileName, nOpenFlags, &e))
    AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile() {
  if (m_hFile != hFileNull && m_bCloseOnDelete) Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  ASSERT(m_hFile == hFileNull);
  m_strFileName = lpszFileName;
  DWORD access = 0;
  switch (nOpenFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
  }
  DWORD share = 0;
  switch (nOpenFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;  // compatibility mode and exclusive both deny everyone
  }
  DWORD creation = OPEN_EXISTING;
  if (nOpenFlags & modeCreate) creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
  SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
  HANDLE h = ::CreateFileW(lpszFileName, access, share, &sa, creation, FILE_ATTRIBUTE_NORMAL, NULL);
  if (h == INVALID_HANDLE_VALUE) {
    if (pError) {
      LONG err = LONG(::GetLastError());
      pError->m_lOsError = err;
      pError->m_cause = CFileException::OsErrorToException(err);
      pError->m_strFileName = lpszFileName;
    }
    return FALSE;
  }
  m_hFile = h;
  m_bCloseOnDelete = TRUE;
  return TRUE;
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  ASSERT(m_hFile != hFileNull);
  if (nCount == 0) return 0;
  DWORD nRead = 0;
  if (!::ReadFile(m_hFile, lpBuf, nCount, &nRead, NULL)) ThrowLastError(m_strFileName);
  return UINT(nRead);
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  ASSERT(m_hFile != hFileNull);
  if (nCount == 0) return;
  DWORD nWritten = 0;
  if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, NULL)) ThrowLastError(m_strFileName);
  // A short write without an error means the medium is full.
  if (nWritten != nCount)
    AfxThrowFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  ASSERT(m_hFile != hFileNull);
  LARGE_INTEGER dist, pos;
  dist.QuadPart = lOff;
  if (!::SetFilePointerEx(m_hFile, dist, &pos, DWORD(nFrom))) ThrowLastError(m_strFileName);
  return ULONGLONG(pos.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
  ASSERT(m_hFile != hFileNull);
  LARGE_INTEGER zero, pos;
  zero.QuadPart = 0;
  if (!::SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT)) ThrowLastError(m_strFileName);
  return ULONGLONG(pos.QuadPart);
}

ULONGLONG CFile::GetLength() const {
  ASSERT(m_hFile != hFileNull);
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(m_hFile, &size)) ThrowLastError(m_strFileName);
  return ULONGLONG(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
  ULONGLONG pos = GetPosition();
  Seek(LONGLONG(dwNewLen), begin);
  if (!::SetEndOfFile(m_hFile)) ThrowLastError(m_strFileName);
  if (pos < dwNewLen) Seek(LONGLONG(pos), begin);
}

void CFile::Flush() {
  if (m_hFile == hFileNull) return;
  if (!::FlushFileBuffers(m_hFile)) ThrowLastError(m_strFileName);
}

void CFile::Close() {
  BOOL ok = TRUE;
  if (m_hFile != hFileNull) ok = ::CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  if (!ok) ThrowLastError(m_strFileName);
  m_strFileName.Empty();
}

void CFile::Abort() {
  if (m_hFile != hFileNull) ::CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName.Empty();
}

CString CFile::GetFileName() const {
  int slash = std::max(m_strFileName.ReverseFind(L'\\'), m_strFileName.ReverseFind(L'/'));
  return m_strFileName.Mid(slash + 1);
}
