// Automation: OLE start-up, COleVariant, the dispatch driver and the OLE exceptions.
#pragma once
#include "afx.h"
#include "afxdispargs_.h"

#include <ole2.h>

// ---- exceptions
// A failed OLE call: m_sc is its status code.
class AFX_FWAPI COleException : public CException {
  DECLARE_DYNAMIC(COleException)
 public:
  COleException();
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) const override;
  // The status code an exception stands for: m_sc of an OLE exception, the code of a
  // dispatch exception, E_OUTOFMEMORY for a memory exception, E_UNEXPECTED otherwise.
  static SCODE PASCAL Process(const CException* pAnyException);

  SCODE m_sc;
};

// An automation error raised by the object called: what the object said in its EXCEPINFO.
class AFX_FWAPI COleDispatchException : public CException {
  DECLARE_DYNAMIC(COleDispatchException)
 public:
  COleDispatchException(LPCTSTR lpszDescription, UINT nHelpID, WORD wCode);
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = NULL) const override;

  WORD m_wCode;        // the object's own error code, 0 when it gave a status code instead
  SCODE m_scError;     // the status code, 0 when it gave m_wCode
  CString m_strSource;
  CString m_strDescription;
  CString m_strHelpFile;
  DWORD m_dwHelpContext;
};

AFX_FWAPI void AFXAPI AfxThrowOleException(SCODE sc);
AFX_FWAPI void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCTSTR lpszDescription,
                                                   UINT nHelpID = 0);
AFX_FWAPI void AFXAPI AfxThrowOleDispatchException(WORD wCode, UINT nDescriptionID,
                                                   UINT nHelpID = (UINT)-1);

// ---- start-up
// Initialises OLE on the calling thread once; CWinApp::ExitInstance undoes it.
AFX_FWAPI BOOL AFXAPI AfxOleInit();
// Uninitialises OLE on the calling thread when AfxOleInit initialised it there.
AFX_FWAPI void AFXAPI AfxOleTerm();

// ---- COleVariant: a VARIANT that clears itself. Failed conversions throw COleException.
class AFX_FWAPI COleVariant : public tagVARIANT {
 public:
  COleVariant();
  COleVariant(const VARIANT& varSrc);
  COleVariant(const VARIANT* pSrc);
  COleVariant(const COleVariant& varSrc);
  COleVariant(LPCTSTR lpszSrc);
  COleVariant(const CString& strSrc);
  COleVariant(BYTE nSrc);
  COleVariant(short nSrc, VARTYPE vtSrc = VT_I2);  // VT_I2 or VT_BOOL
  COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);   // VT_I4, VT_ERROR or VT_BOOL
  COleVariant(float fltSrc);
  COleVariant(double dblSrc);
  ~COleVariant();

  const COleVariant& operator=(const VARIANT& varSrc);
  const COleVariant& operator=(const COleVariant& varSrc);
  const COleVariant& operator=(LPCTSTR lpszSrc);
  const COleVariant& operator=(const CString& strSrc);
  const COleVariant& operator=(long lSrc);
  const COleVariant& operator=(double dblSrc);
  BOOL operator==(const VARIANT& varSrc) const;

  void Clear();
  // Converts in place, or from pSrc into this variant.
  void ChangeType(VARTYPE vartype, LPVARIANT pSrc = NULL);
  // Hands the value over and leaves this variant empty.
  VARIANT Detach();
  // Takes over varSrc's value and leaves varSrc empty.
  void Attach(VARIANT& varSrc);

  operator LPVARIANT() { return this; }
  operator const VARIANT*() const { return this; }
};

// ---- COleDispatchDriver: calls an automation object through its IDispatch.
// Failures of a call throw: COleDispatchException when the object raised an automation error,
// COleException for every other failed status (no object attached: E_POINTER).
class AFX_FWAPI COleDispatchDriver {
 public:
  COleDispatchDriver();
  explicit COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
  // A copy holds its own reference.
  COleDispatchDriver(const COleDispatchDriver& dispatchSrc);
  ~COleDispatchDriver();
  const COleDispatchDriver& operator=(const COleDispatchDriver& dispatchSrc);

  // Attaches without AddRef; with bAutoRelease the driver releases it later.
  void AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
  // Hands the pointer (and its reference) to the caller.
  LPDISPATCH DetachDispatch();
  // Releases the pointer when auto-release is on, and detaches it either way.
  void ReleaseDispatch();
  // Creates a local or in-process server and attaches its IDispatch.
  BOOL CreateDispatch(REFCLSID clsid, COleException* pError = NULL);
  BOOL CreateDispatch(LPCTSTR lpszProgID, COleException* pError = NULL);

  void AFX_CDECL InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                              const BYTE* pbParamInfo, ...);
  void InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                     const BYTE* pbParamInfo, va_list argList);
  void AFX_CDECL SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);
  void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const;

  operator LPDISPATCH() { return m_lpDispatch; }

  LPDISPATCH m_lpDispatch;
  BOOL m_bAutoRelease;
};

// One automation call on any IDispatch, as COleDispatchDriver::InvokeHelper makes it.
AFX_FWAPI void AFXAPI AfxDispatchInvoke(LPDISPATCH lpDispatch, DISPID dwDispID, WORD wFlags,
                                        VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
                                        va_list argList);
