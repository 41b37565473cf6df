// CDocument's path and title, and the application's document opening.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

CDocument::CDocument() : m_bModified(FALSE) {}

CDocument::~CDocument() = default;

void CDocument::SetTitle(LPCTSTR lpszTitle) {
  m_strTitle = lpszTitle;
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU) {
  (void)bAddToMRU;
  wchar_t full[MAX_PATH];
  LPWSTR pName = nullptr;
  const DWORD n = ::GetFullPathNameW(lpszPathName, MAX_PATH, full, &pName);
  m_strPathName = n > 0 && n < MAX_PATH ? full : lpszPathName;
  // The title is the last component, as the shell names the file.
  const int nSlash = m_strPathName.ReverseFind(L'\\');
  SetTitle(m_strPathName.Mid(nSlash + 1));
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName) {
  (void)lpszFileName;
  return nullptr;
}
