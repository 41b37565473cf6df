// CException family and the framework's throw helpers (window-free).
#include "afx.h"

#include <cwchar>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
CException::~CException() {}

void CException::Delete() {
  if (m_bAutoDelete) delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  if (lpszError && nMaxError) *lpszError = 0;
  return FALSE;
}

CSimpleException::CSimpleException(BOOL bAutoDelete, LPCTSTR lpszMessage)
    : CException(bAutoDelete), m_lpszMessage(lpszMessage) {}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                                       UINT* pnHelpContext) const {
  if (pnHelpContext) *pnHelpContext = 0;
  if (!lpszError || !nMaxError) return FALSE;
  *lpszError = 0;
  if (!m_lpszMessage) return FALSE;
  std::wcsncpy(lpszError, m_lpszMessage, nMaxError - 1);
  lpszError[nMaxError - 1] = 0;
  return TRUE;
}

// Static instances: throwing must not need memory (a memory exception least of all).
namespace {
CMemoryException g_memoryException(FALSE, L"Out of memory.");
CInvalidArgException g_invalidArgException(FALSE, L"Invalid argument.");
CNotSupportedException g_notSupportedException(FALSE, L"Operation not supported.");
CResourceException g_resourceException(FALSE, L"A required resource was unavailable.");
CUserException g_userException(FALSE, NULL);
}  // namespace

void AFXAPI AfxThrowMemoryException() {
  throw &g_memoryException;
}
void AFXAPI AfxThrowInvalidArgException() {
  throw &g_invalidArgException;
}
void AFXAPI AfxThrowNotSupportedException() {
  throw &g_notSupportedException;
}
void AFXAPI AfxThrowResourceException() {
  throw &g_resourceException;
}
void AFXAPI AfxThrowUserException() {
  throw &g_userException;
}
