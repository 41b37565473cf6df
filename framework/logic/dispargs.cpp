// Automation call arguments built from VTS_ codes, and results moved into the caller's storage.
#include "afxdispargs_.h"

#include <cstring>

VARTYPE PASCAL CDispArgs::TypeOfCode(BYTE code) {
  VARTYPE vt = VARTYPE(code & ~VT_MFCBYREF);
  switch (vt) {
    case VT_I2: case VT_I4: case VT_R4: case VT_R8: case VT_CY: case VT_DATE: case VT_BSTR:
    case VT_DISPATCH: case VT_ERROR: case VT_BOOL: case VT_VARIANT: case VT_UNKNOWN: case VT_I1:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_I8: case VT_UI8:
      return (code & VT_MFCBYREF) ? VARTYPE(vt | VT_BYREF) : vt;
    default:
      return VT_EMPTY;
  }
}

CDispArgs::CDispArgs(const BYTE* pbParamInfo, va_list argList) {
  size_t count = pbParamInfo ? std::strlen(reinterpret_cast<const char*>(pbParamInfo)) : 0;
  for (size_t i = 0; i < count; ++i)
    if (TypeOfCode(pbParamInfo[i]) == VT_EMPTY) AfxThrowInvalidArgException();
  m_args.resize(count);
  // Invoke takes the rightmost argument first: the first code fills the last slot.
  for (size_t i = 0; i < count; ++i) {
    VARIANTARG& arg = m_args[count - 1 - i];
    VariantInit(&arg);
    VARTYPE vt = TypeOfCode(pbParamInfo[i]);
    arg.vt = vt;
    if (vt & VT_BYREF) {
      arg.byref = va_arg(argList, void*);
      continue;
    }
    // Arguments narrower than int arrive promoted to int, floats as double.
    switch (vt) {
      case VT_I2: arg.iVal = SHORT(va_arg(argList, int)); break;
      case VT_I4: arg.lVal = va_arg(argList, LONG); break;
      case VT_R4: arg.fltVal = FLOAT(va_arg(argList, double)); break;
      case VT_R8: arg.dblVal = va_arg(argList, double); break;
      case VT_DATE: arg.date = va_arg(argList, double); break;
      case VT_CY: arg.cyVal = va_arg(argList, CY); break;
      case VT_BSTR: {
        LPCOLESTR psz = va_arg(argList, LPCOLESTR);
        arg.bstrVal = SysAllocString(psz ? psz : L"");
        if (!arg.bstrVal) AfxThrowMemoryException();
        m_strings.push_back(arg.bstrVal);
        break;
      }
      case VT_DISPATCH: arg.pdispVal = va_arg(argList, LPDISPATCH); break;
      case VT_ERROR: arg.scode = va_arg(argList, SCODE); break;
      case VT_BOOL: arg.boolVal = va_arg(argList, BOOL) ? VARIANT_TRUE : VARIANT_FALSE; break;
      // A borrowed copy: the caller keeps ownership of what the variant holds.
      case VT_VARIANT: arg = *va_arg(argList, const VARIANT*); break;
      case VT_UNKNOWN: arg.punkVal = va_arg(argList, LPUNKNOWN); break;
      case VT_I1: arg.cVal = CHAR(va_arg(argList, int)); break;
      case VT_UI1: arg.bVal = BYTE(va_arg(argList, int)); break;
      case VT_UI2: arg.uiVal = USHORT(va_arg(argList, int)); break;
      case VT_UI4: arg.ulVal = va_arg(argList, ULONG); break;
      case VT_I8: arg.llVal = va_arg(argList, LONGLONG); break;
      case VT_UI8: arg.ullVal = va_arg(argList, ULONGLONG); break;
      default: break;
    }
  }
}

CDispArgs::~CDispArgs() {
  // Only the strings copied above are ours; a VTS_VARIANT holding a string is the caller's.
  for (BSTR str : m_strings) SysFreeString(str);
}

void AFXAPI AfxStoreDispResult(VARTYPE vtRet, VARIANT& vaResult, void* pvRet) {
  if (vtRet == VT_EMPTY || !pvRet) {
    VariantClear(&vaResult);
    return;
  }
  switch (vtRet) {
    case VT_I2: *static_cast<SHORT*>(pvRet) = vaResult.iVal; break;
    case VT_I4: *static_cast<LONG*>(pvRet) = vaResult.lVal; break;
    case VT_R4: *static_cast<FLOAT*>(pvRet) = vaResult.fltVal; break;
    case VT_R8: *static_cast<DOUBLE*>(pvRet) = vaResult.dblVal; break;
    case VT_DATE: *static_cast<DATE*>(pvRet) = vaResult.date; break;
    case VT_CY: *static_cast<CY*>(pvRet) = vaResult.cyVal; break;
    case VT_BSTR:
      *static_cast<CString*>(pvRet) = CString(vaResult.bstrVal, int(SysStringLen(vaResult.bstrVal)));
      SysFreeString(vaResult.bstrVal);
      break;
    case VT_DISPATCH: *static_cast<LPDISPATCH*>(pvRet) = vaResult.pdispVal; break;
    case VT_ERROR: *static_cast<SCODE*>(pvRet) = vaResult.scode; break;
    case VT_BOOL: *static_cast<BOOL*>(pvRet) = vaResult.boolVal != VARIANT_FALSE; break;
    case VT_VARIANT: *static_cast<VARIANT*>(pvRet) = vaResult; break;
    case VT_UNKNOWN: *static_cast<LPUNKNOWN*>(pvRet) = vaResult.punkVal; break;
    case VT_I1: *static_cast<CHAR*>(pvRet) = vaResult.cVal; break;
    case VT_UI1: *static_cast<BYTE*>(pvRet) = vaResult.bVal; break;
    case VT_UI2: *static_cast<USHORT*>(pvRet) = vaResult.uiVal; break;
    case VT_UI4: *static_cast<ULONG*>(pvRet) = vaResult.ulVal; break;
    case VT_I8: *static_cast<LONGLONG*>(pvRet) = vaResult.llVal; break;
    case VT_UI8: *static_cast<ULONGLONG*>(pvRet) = vaResult.ullVal; break;
    default:
      VariantClear(&vaResult);
      AfxThrowInvalidArgException();
  }
  VariantInit(&vaResult);
}
