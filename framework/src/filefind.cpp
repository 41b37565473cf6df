// CFileFind: FindFirstFile/FindNextFile one match ahead, so FindNextFile can say "last".
#include "afx.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CFileFind, CObject)

CFileFind::CFileFind()
    : m_hFind(INVALID_HANDLE_VALUE), m_found(), m_next(), m_bHasCurrent(FALSE), m_bHasNext(FALSE) {}

CFileFind::~CFileFind() {
  Close();
}

void CFileFind::Close() {
  if (m_hFind != INVALID_HANDLE_VALUE) ::FindClose(m_hFind);
  m_hFind = INVALID_HANDLE_VALUE;
  m_bHasCurrent = m_bHasNext = FALSE;
}

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD) {
  Close();
  CString strPattern = pstrName && *pstrName ? pstrName : L"*.*";
  m_hFind = ::FindFirstFileW(strPattern, &m_next);
  if (m_hFind == INVALID_HANDLE_VALUE) return FALSE;
  m_bHasNext = TRUE;
  const int nSlash = std::max(strPattern.ReverseFind(L'\\'), strPattern.ReverseFind(L'/'));
  m_strRoot = nSlash >= 0 ? strPattern.Left(nSlash + 1) : CString();
  return TRUE;
}

BOOL CFileFind::FindNextFile() {
  if (!m_bHasNext) return FALSE;
  m_found = m_next;
  m_bHasCurrent = TRUE;
  m_bHasNext = ::FindNextFileW(m_hFind, &m_next);
  return m_bHasNext;
}

CString CFileFind::GetFileName() const {
  return m_bHasCurrent ? CString(m_found.cFileName) : CString();
}

CString CFileFind::GetFilePath() const {
  return m_bHasCurrent ? m_strRoot + m_found.cFileName : CString();
}

ULONGLONG CFileFind::GetLength() const {
  return m_bHasCurrent ? (ULONGLONG(m_found.nFileSizeHigh) << 32) | m_found.nFileSizeLow : 0;
}

BOOL CFileFind::IsDots() const {
  return m_bHasCurrent && IsDirectory() &&
         (wcscmp(m_found.cFileName, L".") == 0 || wcscmp(m_found.cFileName, L"..") == 0);
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const {
  return m_bHasCurrent && (m_found.dwFileAttributes & dwMask) != 0;
}
