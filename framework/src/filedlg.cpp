// The common dialog base and the open/save file dialog.
#include "afxdlgs.h"
#include "afxfilenames_.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) {
  m_pParentWnd = pParentWnd;
}

HWND CCommonDialog::PreModal() {
  CWnd* pOwner = CWnd::GetSafeOwner(m_pParentWnd);
  return pOwner ? pOwner->GetSafeHwnd() : NULL;
}

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                         DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD dwSize,
                         BOOL /*bVistaStyle*/)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog) {
  ZeroMemory(&m_ofn, sizeof(m_ofn));
  m_ofn.lStructSize = dwSize && dwSize <= sizeof(m_ofn) ? dwSize : sizeof(m_ofn);
  ZeroMemory(m_szFileName, sizeof(m_szFileName));
  ZeroMemory(m_szFileTitle, sizeof(m_szFileTitle));
  m_ofn.lpstrFile = m_szFileName;
  m_ofn.nMaxFile = _countof(m_szFileName);
  m_ofn.lpstrFileTitle = m_szFileTitle;
  m_ofn.nMaxFileTitle = _countof(m_szFileTitle);
  // Explorer style always: its multi-selection buffer is NUL-separated, which
  // GetNextPathName reads.
  m_ofn.Flags = dwFlags | OFN_ENABLESIZING | OFN_EXPLORER;
  if (lpszDefExt) {
    m_strDefExt = lpszDefExt;
    m_ofn.lpstrDefExt = m_strDefExt.GetString();
  }
  if (lpszFileName) lstrcpynW(m_szFileName, lpszFileName, _countof(m_szFileName));
  if (lpszFilter) {
    const std::wstring filter = afx_internal::FilterFromBars(lpszFilter);
    m_strFilter.SetString(filter.data(), int(filter.size()));
    m_ofn.lpstrFilter = m_strFilter.GetString();
  }
}

INT_PTR CFileDialog::DoModal() {
  m_ofn.hwndOwner = PreModal();
  const BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameW(&m_ofn) : ::GetSaveFileNameW(&m_ofn);
  return bResult ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const {
  POSITION pos = GetStartPosition();
  return pos ? GetNextPathName(pos) : CString();
}

CString CFileDialog::GetFileName() const {
  return CString(afx_internal::FileNameOf(GetPathName().GetString()).c_str());
}

CString CFileDialog::GetFileExt() const {
  return CString(afx_internal::FileExtOf(GetPathName().GetString()).c_str());
}

CString CFileDialog::GetFileTitle() const {
  return CString(afx_internal::FileTitleOf(GetPathName().GetString()).c_str());
}

// A position is the buffer offset of the next name plus one, so that offset 0 is not null.
POSITION CFileDialog::GetStartPosition() const {
  return m_ofn.lpstrFile && m_ofn.lpstrFile[0] ? reinterpret_cast<POSITION>(1) : NULL;
}

CString CFileDialog::GetNextPathName(POSITION& pos) const {
  if (!pos || !m_ofn.lpstrFile) {
    pos = NULL;
    return CString();
  }
  std::wstring path;
  if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT)) {  // one path, with nothing defined after it
    pos = NULL;
    return CString(m_ofn.lpstrFile);
  }
  const size_t next =
      afx_internal::NextSelectedPath(m_ofn.lpstrFile, reinterpret_cast<UINT_PTR>(pos) - 1, path);
  pos = next ? reinterpret_cast<POSITION>(next + 1) : NULL;
  return CString(path.c_str());
}
