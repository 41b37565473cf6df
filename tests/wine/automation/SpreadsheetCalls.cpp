// Argument values and result capture of the generated member table.
#include "SpreadsheetCalls.h"

#include <cwchar>
#include <sstream>

namespace {

template <typename T>
std::string Mismatch(const char* what, T expected, T got) {
  std::ostringstream text;
  text << what << " " << got << ", expected " << expected;
  return text.str();
}

}  // namespace

CallArgs::CallArgs() {
  for (int i = 0; i < kMax; ++i) {
    ::VariantInit(&m_variants[i]);
    V_VT(&m_variants[i]) = VT_I4;
    V_I4(&m_variants[i]) = 1000 + i;
    m_strings[i] = L"arg" + std::to_wstring(i);
  }
}

CallArgs::~CallArgs() {
  for (VARIANT& v : m_variants) ::VariantClear(&v);
}

std::string CallArgs::Check(VARTYPE vt, int i, const VARIANT& got) {
  const VARIANT* v = &got;
  if (vt == VT_VARIANT) {
    // A VARIANT argument arrives as itself or as a reference to the caller's.
    if (V_VT(v) == (VT_VARIANT | VT_BYREF)) v = V_VARIANTREF(v);
    if (V_VT(v) != VT_I4 || V_I4(v) != 1000 + i) return "not the VARIANT passed";
    return {};
  }
  if (V_VT(v) != vt) return "type " + std::to_string(V_VT(v)) + ", expected " + std::to_string(vt);
  switch (vt) {
    case VT_I4: return V_I4(v) == Long(i) ? "" : Mismatch<long>("long", Long(i), V_I4(v));
    case VT_BOOL:
      return V_BOOL(v) == (Bool(i) ? VARIANT_TRUE : VARIANT_FALSE)
                 ? ""
                 : Mismatch<int>("VARIANT_BOOL", Bool(i) ? VARIANT_TRUE : VARIANT_FALSE, V_BOOL(v));
    case VT_R8: return V_R8(v) == Double(i) ? "" : Mismatch<double>("double", Double(i), V_R8(v));
    case VT_R4: return V_R4(v) == Float(i) ? "" : Mismatch<float>("float", Float(i), V_R4(v));
    case VT_BSTR:
      return V_BSTR(v) && std::wcscmp(V_BSTR(v), String(i)) == 0 ? "" : "not the string passed";
    case VT_DISPATCH: return V_DISPATCH(v) == Dispatch(i) ? "" : "not the IDispatch passed";
    case VT_UNKNOWN: return V_UNKNOWN(v) == Unknown(i) ? "" : "not the IUnknown passed";
    case VT_BOOL | VT_BYREF: return V_BOOLREF(v) == BoolRef(i) ? "" : "not the flag's address";
    case VT_I4 | VT_BYREF: return V_I4REF(v) == LongRef(i) ? "" : "not the long's address";
  }
  return "no check for type " + std::to_string(vt);
}

std::string CallArgs::CheckReleased() const {
  for (int i = 0; i < kMax; ++i)
    if (m_objects[i].References() != 1)
      return "argument object " + std::to_string(i) + " keeps " +
             std::to_string(m_objects[i].References() - 1) + " extra references";
  return {};
}

VARIANT& CallResult::Set(VARTYPE type, VARTYPE valueType) {
  m_type = type;
  ::VariantClear(&m_value);
  V_VT(&m_value) = valueType;
  return m_value;
}

void CallResult::Take(VARIANT v) {
  Set(VT_VARIANT, VT_EMPTY);
  m_value = v;  // owned from here
}

void CallResult::Take(const CString& s) {
  Set(VT_BSTR, VT_BSTR).bstrVal = ::SysAllocString(s);
}

// The caller owns a returned interface: release it, keeping the pointer to compare.
void CallResult::Take(LPDISPATCH p) {
  Set(VT_DISPATCH, VT_EMPTY);
  m_pointer = p;
  if (p) p->Release();
}

void CallResult::Take(LPUNKNOWN p) {
  Set(VT_UNKNOWN, VT_EMPTY);
  m_pointer = p;
  if (p) p->Release();
}
