// Automation call arguments: the VTS_ parameter codes, the argument array built from them and
// the caller's variable arguments, and the move of a converted result into the caller's storage.
#pragma once
#include "afx.h"

#if !defined(_WIN32)
#include "afxolenative_.h"
#endif

#include <cstdarg>
#include <vector>

// A parameter-type string is a run of these codes, one per argument, left to right; the
// by-reference forms take a pointer to the type. Each code names what the caller passes.
#define VTS_NONE NULL  // members without parameters
#define VTS_I2 "\x02"        // short
#define VTS_I4 "\x03"        // long
#define VTS_R4 "\x04"        // float
#define VTS_R8 "\x05"        // double
#define VTS_CY "\x06"        // CY
#define VTS_DATE "\x07"      // DATE
#define VTS_BSTR "\x08"      // LPCOLESTR, copied into a new BSTR for the call
#define VTS_DISPATCH "\x09"  // LPDISPATCH
#define VTS_SCODE "\x0A"     // SCODE
#define VTS_BOOL "\x0B"      // BOOL
#define VTS_VARIANT "\x0C"   // const VARIANT*
#define VTS_UNKNOWN "\x0D"   // LPUNKNOWN
#define VTS_I1 "\x10"        // char
#define VTS_UI1 "\x11"       // BYTE
#define VTS_UI2 "\x12"       // unsigned short
#define VTS_UI4 "\x13"       // unsigned long
#define VTS_I8 "\x14"        // LONGLONG
#define VTS_UI8 "\x15"       // ULONGLONG
#define VTS_COLOR VTS_I4     // OLE_COLOR
#define VTS_PI2 "\x42"
#define VTS_PI4 "\x43"
#define VTS_PR4 "\x44"
#define VTS_PR8 "\x45"
#define VTS_PCY "\x46"
#define VTS_PDATE "\x47"
#define VTS_PBSTR "\x48"
#define VTS_PDISPATCH "\x49"
#define VTS_PSCODE "\x4A"
#define VTS_PBOOL "\x4B"  // VARIANT_BOOL*
#define VTS_PVARIANT "\x4C"
#define VTS_PUNKNOWN "\x4D"
#define VTS_PI1 "\x50"
#define VTS_PUI1 "\x51"
#define VTS_PUI2 "\x52"
#define VTS_PUI4 "\x53"
#define VTS_PI8 "\x54"
#define VTS_PUI8 "\x55"

// The by-reference bit of a parameter code; it becomes VT_BYREF in the argument.
#define VT_MFCBYREF 0x40

// The arguments of one call, rightmost first as IDispatch::Invoke takes them. Strings passed
// as VTS_BSTR are copied into BSTRs owned here; everything else is borrowed from the caller.
class AFX_FWAPI CDispArgs {
 public:
  // Reads every code before taking any argument, so that an unknown code throws an invalid
  // argument exception with nothing taken or allocated.
  CDispArgs(const BYTE* pbParamInfo, va_list argList);
  ~CDispArgs();

  UINT GetCount() const { return UINT(m_args.size()); }
  VARIANTARG* GetArgs() { return m_args.empty() ? NULL : m_args.data(); }

  // The variant type one parameter code stands for (VT_BYREF included), or VT_EMPTY when
  // the code is unknown.
  static VARTYPE PASCAL TypeOfCode(BYTE code);

 private:
  CDispArgs(const CDispArgs&) = delete;
  CDispArgs& operator=(const CDispArgs&) = delete;

  std::vector<VARIANTARG> m_args;
  std::vector<BSTR> m_strings;  // the copies of VTS_BSTR arguments
};

// Moves a result already converted to vtRet into the caller's storage: a CString for VT_BSTR,
// a BOOL for VT_BOOL, the variant itself for VT_VARIANT, the plain value otherwise. The caller
// then owns interfaces and variants; vaResult is left empty. VT_EMPTY stores nothing.
AFX_FWAPI void AFXAPI AfxStoreDispResult(VARTYPE vtRet, VARIANT& vaResult, void* pvRet);
