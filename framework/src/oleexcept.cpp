// The OLE exceptions, their throw helpers, and OLE start-up per thread.
#include "afxdisp.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(COleException, CException)
IMPLEMENT_DYNAMIC(COleDispatchException, CException)

COleException::COleException() : m_sc(S_OK) {}

namespace {
BOOL CopyMessage(const CString& str, LPTSTR lpszError, UINT nMaxError) {
  if (!lpszError || !nMaxError) return FALSE;
  std::wcsncpy(lpszError, str, nMaxError - 1);
  lpszError[nMaxError - 1] = 0;
  return !str.IsEmpty();
}
}  // namespace

BOOL COleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  LPWSTR text = NULL;
  DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             NULL, DWORD(m_sc), 0, reinterpret_cast<LPWSTR>(&text), 0, NULL);
  CString str;
  if (n && text) {
    str = text;
    str.TrimRight();
  } else {
    // Unknown codes still name themselves, so the user can report them.
    str.Format(L"OLE error 0x%08lX", static_cast<unsigned long>(m_sc));
  }
  if (text) ::LocalFree(text);
  return CopyMessage(str, lpszError, nMaxError);
}

SCODE PASCAL COleException::Process(const CException* pAnyException) {
  if (!pAnyException) return E_UNEXPECTED;
  if (pAnyException->IsKindOf(RUNTIME_CLASS(COleException)))
    return static_cast<const COleException*>(pAnyException)->m_sc;
  if (pAnyException->IsKindOf(RUNTIME_CLASS(COleDispatchException))) {
    const COleDispatchException* e = static_cast<const COleDispatchException*>(pAnyException);
    return e->m_scError ? e->m_scError : DISP_E_EXCEPTION;
  }
  if (pAnyException->IsKindOf(RUNTIME_CLASS(CMemoryException))) return E_OUTOFMEMORY;
  if (pAnyException->IsKindOf(RUNTIME_CLASS(CNotSupportedException))) return E_NOTIMPL;
  return E_UNEXPECTED;
}

COleDispatchException::COleDispatchException(LPCTSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode),
      m_scError(0),
      m_strDescription(lpszDescription),
      m_dwHelpContext(nHelpID) {}

BOOL COleDispatchException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                            UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = m_dwHelpContext;
  return CopyMessage(m_strDescription, lpszError, nMaxError);
}

void AFXAPI AfxThrowOleException(SCODE sc) {
  COleException* e = new COleException;
  e->m_sc = sc;
  throw e;
}

void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCTSTR lpszDescription, UINT nHelpID) {
  throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}

void AFXAPI AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID, UINT nHelpID) {
  CString description;
  description.LoadString(nDescriptionID);
  throw new COleDispatchException(description, nHelpID == UINT(-1) ? nDescriptionID : nHelpID,
                                  wCode);
}

namespace {
thread_local bool t_oleInitialised = false;
}

BOOL AFXAPI AfxOleInit() {
  if (t_oleInitialised) return TRUE;
  HRESULT hr = ::OleInitialize(NULL);
  if (FAILED(hr)) return FALSE;
  t_oleInitialised = true;
  return TRUE;
}

void AFXAPI AfxOleTerm() {
  if (!t_oleInitialised) return;
  t_oleInitialised = false;
  ::OleUninitialize();
}
