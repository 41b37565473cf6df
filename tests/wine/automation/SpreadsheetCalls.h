// The generated table of every spreadsheet dispatch member: its facts from the member table and
// a thunk that calls the member on a driver attached to a given IDispatch.
#pragma once
#include <afxdisp.h>

#include <cstddef>
#include <string>

#include "RecordingDispatch.h"

// Arguments a thunk passes, one distinct value per position, so a swap or a lost argument shows.
class CallArgs {
 public:
  static constexpr int kMax = 32;
  CallArgs();
  ~CallArgs();

  const VARIANT& Variant(int i) const { return m_variants[i]; }
  long Long(int i) const { return 2000 + i; }
  BOOL Bool(int i) const { return i % 2 == 0; }
  double Double(int i) const { return 3000.5 + i; }
  float Float(int i) const { return 4000.25f + static_cast<float>(i); }
  LPCTSTR String(int i) const { return m_strings[i].c_str(); }
  LPDISPATCH Dispatch(int i) { return &m_objects[i]; }
  LPUNKNOWN Unknown(int i) { return &m_objects[i]; }
  VARIANT_BOOL* BoolRef(int i) { return &m_boolSlots[i]; }
  long* LongRef(int i) { return &m_longSlots[i]; }

  // Empty when the argument a callee received at position i is the one passed there for a
  // parameter of type vt; otherwise what differs.
  std::string Check(VARTYPE vt, int i, const VARIANT& got);
  // Empty when no argument object kept a reference.
  std::string CheckReleased() const;

 private:
  VARIANT m_variants[kMax];
  std::wstring m_strings[kMax];
  tkx::RecordingDispatch m_objects[kMax];
  VARIANT_BOOL m_boolSlots[kMax] = {};
  long m_longSlots[kMax] = {};
};

// What a member returned, with the type it came back as.
class CallResult {
 public:
  CallResult() { ::VariantInit(&m_value); }
  ~CallResult() { ::VariantClear(&m_value); }
  CallResult(const CallResult&) = delete;
  CallResult& operator=(const CallResult&) = delete;

  void TakeNothing() { m_type = VT_EMPTY; }
  void Take(VARIANT v);
  void Take(const CString& s);
  void Take(LPDISPATCH p);
  void Take(LPUNKNOWN p);
  void Take(long v) { Set(VT_I4, VT_I4).lVal = v; }
  void Take(int v) { Set(VT_BOOL, VT_I4).lVal = v; }     // BOOL
  void Take(double v) { Set(VT_R8, VT_R8).dblVal = v; }  // double or DATE
  void Take(float v) { Set(VT_R4, VT_R4).fltVal = v; }

  VARTYPE Type() const { return m_type; }
  const VARIANT& Value() const { return m_value; }
  const void* Pointer() const { return m_pointer; }

 private:
  VARIANT& Set(VARTYPE type, VARTYPE valueType);
  VARTYPE m_type = VT_ILLEGAL;
  VARIANT m_value;
  const void* m_pointer = nullptr;
};

struct SpreadsheetCall {
  const char* cls;
  const char* member;
  DISPID id;
  WORD kind;
  VARTYPE result;
  const VARTYPE* params;  // ends with VT_EMPTY
  void (*call)(LPDISPATCH driver, CallArgs& args, CallResult& result);
};

extern const SpreadsheetCall kSpreadsheetCalls[];
extern const size_t kSpreadsheetCallCount;
