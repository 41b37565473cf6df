// The spreadsheet dispatch drivers against a recording IDispatch: every member of the generated
// family once, then the drivers' sharing of their dispatch pointer.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "RecordingDispatch.h"
#include "SpreadsheetCalls.h"
#include "automation/SpreadsheetDispatch.h"

namespace {

using tkx::RecordingDispatch;

// The reply a server gives for a member of result type vt; interfaces point to `object`.
VARIANT ReplyFor(VARTYPE vt, IDispatch* object) {
  VARIANT v;
  ::VariantInit(&v);
  V_VT(&v) = vt == VT_VARIANT ? VARTYPE(VT_BSTR) : vt;
  switch (vt) {
    case VT_VARIANT:
    case VT_BSTR: V_BSTR(&v) = ::SysAllocString(L"reply"); break;
    case VT_DISPATCH:
      V_DISPATCH(&v) = object;
      object->AddRef();
      break;
    case VT_UNKNOWN:
      V_UNKNOWN(&v) = object;
      object->AddRef();
      break;
    case VT_I4: V_I4(&v) = 4242; break;
    case VT_BOOL: V_BOOL(&v) = VARIANT_TRUE; break;
    case VT_R8: V_R8(&v) = 2.5; break;
    case VT_R4: V_R4(&v) = 1.25f; break;
    case VT_DATE: V_DATE(&v) = 36526.5; break;
  }
  return v;
}

// Empty when the member returned the reply as its C++ result type.
std::string CheckResult(VARTYPE vt, const CallResult& got, const void* object) {
  // DATE is a double in C++: the two results cannot be told apart by type.
  const VARTYPE type = vt == VT_DATE ? VARTYPE(VT_R8) : vt;
  if (got.Type() != type)
    return "returned type " + std::to_string(got.Type()) + ", expected " + std::to_string(type);
  const VARIANT& v = got.Value();
  switch (vt) {
    case VT_VARIANT:
    case VT_BSTR:
      return V_VT(&v) == VT_BSTR && std::wcscmp(V_BSTR(&v), L"reply") == 0 ? "" : "not the reply";
    case VT_DISPATCH:
    case VT_UNKNOWN: return got.Pointer() == object ? "" : "not the object replied";
    case VT_I4: return V_I4(&v) == 4242 ? "" : "not 4242";
    case VT_BOOL: return V_I4(&v) == TRUE ? "" : "not TRUE";
    case VT_R8: return V_R8(&v) == 2.5 ? "" : "not 2.5";
    case VT_R4: return V_R4(&v) == 1.25f ? "" : "not 1.25";
    case VT_DATE: return V_R8(&v) == 36526.5 ? "" : "not the date";
  }
  return {};
}

std::string CheckMember(const SpreadsheetCall& c) {
  RecordingDispatch object;  // what interface results point to
  CallArgs args;
  CallResult result;
  std::string problem;
  {
    RecordingDispatch server;
    VARIANT reply = ReplyFor(c.result, &object);
    server.SetReply(reply);
    ::VariantClear(&reply);
    const ULONG objectRefs = object.References();
    server.AddRef();  // the driver's, released when it goes
    try {
      c.call(&server, args, result);
    } catch (...) {
      return "threw";
    }
    const auto& calls = server.Calls();
    if (calls.size() != 1) return std::to_string(calls.size()) + " Invoke calls";
    const tkx::Invocation& call = calls[0];
    size_t count = 0;
    while (c.params[count] != VT_EMPTY) ++count;
    const bool put = c.kind == DISPATCH_PROPERTYPUT || c.kind == DISPATCH_PROPERTYPUTREF;
    if (call.id != c.id)
      problem = "identifier " + std::to_string(call.id) + ", expected " + std::to_string(c.id);
    else if (call.flags != c.kind)
      problem = "kind " + std::to_string(call.flags) + ", expected " + std::to_string(c.kind);
    else if (server.OtherCalls() != 0)
      problem = "asked the server for names or type information";
    else if (call.named.size() != (put ? 1u : 0u) || (put && call.named[0] != DISPID_PROPERTYPUT))
      problem = "named arguments wrong for the kind";
    else if (call.args.size() != count)
      problem = std::to_string(call.args.size()) + " arguments, expected " + std::to_string(count);
    for (size_t i = 0; problem.empty() && i < count; ++i) {
      const std::string arg = args.Check(c.params[i], static_cast<int>(i), call.args[i]);
      if (!arg.empty()) problem = "argument " + std::to_string(i) + ": " + arg;
    }
    if (problem.empty()) problem = CheckResult(c.result, result, &object);
    if (problem.empty() && server.References() != 1) problem = "the driver kept its reference";
    if (problem.empty() && object.References() != objectRefs)
      problem = "the returned interface's reference is unbalanced";
  }
  if (problem.empty()) problem = args.CheckReleased();
  return problem;
}

TEST(SpreadsheetDispatch, EveryMemberMakesOneInvokeWithItsTableFacts) {
  int failures = 0;
  for (size_t i = 0; i < kSpreadsheetCallCount; ++i) {
    const SpreadsheetCall& c = kSpreadsheetCalls[i];
    const std::string problem = CheckMember(c);
    if (!problem.empty() && ++failures <= 25)
      ADD_FAILURE() << c.cls << "::" << c.member << ": " << problem;
  }
  EXPECT_EQ(0, failures) << "members failing, of " << kSpreadsheetCallCount;
}

TEST(SpreadsheetDispatch, TableHoldsTheDocumentedExamples) {
  struct Example {
    const char* cls;
    const char* member;
    DISPID id;
    WORD kind;
    VARTYPE result;
    int params;
  };
  const Example examples[] = {
      {"Range", "Activate", 304, DISPATCH_METHOD, VT_VARIANT, 0},
      {"Range", "GetAddIndent", 1063, DISPATCH_PROPERTYGET, VT_VARIANT, 0},
      {"Range", "SetAddIndent", 1063, DISPATCH_PROPERTYPUT, VT_EMPTY, 1},
      {"Range", "GetAddress", 236, DISPATCH_PROPERTYGET, VT_BSTR, 5},
      {"Range", "GetApplication", 148, DISPATCH_PROPERTYGET, VT_DISPATCH, 0},
      {"Range", "GetCreator", 149, DISPATCH_PROPERTYGET, VT_I4, 0},
      {"Range", "GetParent", 150, DISPATCH_PROPERTYGET, VT_DISPATCH, 0},
  };
  for (const Example& e : examples) {
    const SpreadsheetCall* found = nullptr;
    for (size_t i = 0; i < kSpreadsheetCallCount && !found; ++i)
      if (!std::strcmp(kSpreadsheetCalls[i].cls, e.cls) &&
          !std::strcmp(kSpreadsheetCalls[i].member, e.member))
        found = &kSpreadsheetCalls[i];
    ASSERT_TRUE(found) << e.cls << "::" << e.member << " missing";
    int params = 0;
    while (found->params[params] != VT_EMPTY) ++params;
    EXPECT_EQ(e.id, found->id) << e.member;
    EXPECT_EQ(e.kind, found->kind) << e.member;
    EXPECT_EQ(e.result, found->result) << e.member;
    EXPECT_EQ(e.params, params) << e.member;
  }
}

TEST(SpreadsheetDispatch, DriversShareOneDispatchByReference) {
  RecordingDispatch server;
  server.AddRef();  // handed over with the constructor's auto-release
  {
    Range range(&server);
    EXPECT_EQ(&server, range.m_lpDispatch);
    EXPECT_EQ(2u, server.References());
    {
      Range copy(range);
      Range assigned;
      assigned = range;
      EXPECT_EQ(&server, assigned.m_lpDispatch);
      EXPECT_EQ(4u, server.References()) << "a copy and an assignment each hold a reference";
    }
    EXPECT_EQ(2u, server.References());
  }
  EXPECT_EQ(1u, server.References()) << "the last driver released the pointer it was given";
}

}  // namespace
