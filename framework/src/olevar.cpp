// COleVariant: a VARIANT that owns and clears what it holds.
#include "afxdisp.h"

namespace {
void CheckResult(HRESULT hr) {
  if (FAILED(hr)) AfxThrowOleException(hr);
}

// mingw declares VariantCopy's source without const; it is only read.
HRESULT Copy(VARIANT* dst, const VARIANT* src) {
  return ::VariantCopy(dst, const_cast<VARIANT*>(src));
}

void SetString(VARIANT* v, LPCTSTR lpsz, UINT cch) {
  v->vt = VT_BSTR;
  v->bstrVal = ::SysAllocStringLen(lpsz, cch);
  if (!v->bstrVal) AfxThrowMemoryException();
}
}  // namespace

COleVariant::COleVariant() {
  ::VariantInit(this);
}
COleVariant::COleVariant(const VARIANT& varSrc) {
  ::VariantInit(this);
  CheckResult(Copy(this, &varSrc));
}
COleVariant::COleVariant(const VARIANT* pSrc) {
  ::VariantInit(this);
  if (pSrc) CheckResult(Copy(this, pSrc));
}
COleVariant::COleVariant(const COleVariant& varSrc) : tagVARIANT() {
  ::VariantInit(this);
  CheckResult(Copy(this, &varSrc));
}
COleVariant::COleVariant(LPCTSTR lpszSrc) {
  ::VariantInit(this);
  *this = lpszSrc;
}
COleVariant::COleVariant(const CString& strSrc) {
  ::VariantInit(this);
  *this = strSrc;
}
COleVariant::COleVariant(BYTE nSrc) {
  ::VariantInit(this);
  vt = VT_UI1;
  bVal = nSrc;
}
COleVariant::COleVariant(short nSrc, VARTYPE vtSrc) {
  ::VariantInit(this);
  ASSERT(vtSrc == VT_I2 || vtSrc == VT_BOOL);
  if (vtSrc == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else {
    vt = VT_I2;
    iVal = nSrc;
  }
}
COleVariant::COleVariant(long lSrc, VARTYPE vtSrc) {
  ::VariantInit(this);
  ASSERT(vtSrc == VT_I4 || vtSrc == VT_ERROR || vtSrc == VT_BOOL);
  if (vtSrc == VT_BOOL) {
    vt = VT_BOOL;
    boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
  } else if (vtSrc == VT_ERROR) {
    vt = VT_ERROR;
    scode = lSrc;
  } else {
    vt = VT_I4;
    lVal = lSrc;
  }
}
COleVariant::COleVariant(float fltSrc) {
  ::VariantInit(this);
  vt = VT_R4;
  fltVal = fltSrc;
}
COleVariant::COleVariant(double dblSrc) {
  ::VariantInit(this);
  vt = VT_R8;
  dblVal = dblSrc;
}
COleVariant::~COleVariant() {
  ::VariantClear(this);
}

const COleVariant& COleVariant::operator=(const VARIANT& varSrc) {
  if (static_cast<const VARIANT*>(this) != &varSrc) CheckResult(Copy(this, &varSrc));
  return *this;
}
const COleVariant& COleVariant::operator=(const COleVariant& varSrc) {
  return operator=(static_cast<const VARIANT&>(varSrc));
}
const COleVariant& COleVariant::operator=(LPCTSTR lpszSrc) {
  // Copy before clearing: the text may be this variant's own string.
  BSTR copy = ::SysAllocString(lpszSrc ? lpszSrc : L"");
  if (!copy) AfxThrowMemoryException();
  Clear();
  vt = VT_BSTR;
  bstrVal = copy;
  return *this;
}
const COleVariant& COleVariant::operator=(const CString& strSrc) {
  Clear();
  SetString(this, strSrc, UINT(strSrc.GetLength()));
  return *this;
}
const COleVariant& COleVariant::operator=(long lSrc) {
  Clear();
  vt = VT_I4;
  lVal = lSrc;
  return *this;
}
const COleVariant& COleVariant::operator=(double dblSrc) {
  Clear();
  vt = VT_R8;
  dblVal = dblSrc;
  return *this;
}

BOOL COleVariant::operator==(const VARIANT& varSrc) const {
  if (vt != varSrc.vt) return FALSE;
  if (vt == VT_EMPTY || vt == VT_NULL) return TRUE;
  return ::VarCmp(const_cast<COleVariant*>(this), const_cast<VARIANT*>(&varSrc),
                  LOCALE_USER_DEFAULT, 0) == static_cast<HRESULT>(VARCMP_EQ);
}

void COleVariant::Clear() {
  CheckResult(::VariantClear(this));
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc) {
  if (!pSrc) pSrc = this;
  if (pSrc != this || vartype != vt) CheckResult(::VariantChangeType(this, pSrc, 0, vartype));
}

VARIANT COleVariant::Detach() {
  VARIANT result = *this;
  vt = VT_EMPTY;
  return result;
}

void COleVariant::Attach(VARIANT& varSrc) {
  Clear();
  static_cast<VARIANT&>(*this) = varSrc;
  varSrc.vt = VT_EMPTY;
}
