// Automation call arguments from VTS_ codes, and results moved into the caller's storage.
#include "afxdispargs_.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Builds the arguments of one call and hands them to check while they are alive.
void WithArgs(const std::function<void(CDispArgs&)>& check, const char* codes, ...) {
  va_list argList;
  va_start(argList, codes);
  CDispArgs args(reinterpret_cast<const BYTE*>(codes), argList);
  va_end(argList);
  check(args);
}

TEST(DispArgs, EachCodeTakesItsTypeAndTheArrayIsRightmostFirst) {
  VARIANT borrowed;
  VariantInit(&borrowed);
  borrowed.vt = VT_BSTR;
  borrowed.bstrVal = SysAllocString(L"borrowed");
  LONG byRef = 0;
  CY cy;
  cy.int64 = 12345;
  WithArgs(
      [&](CDispArgs& args) {
        ASSERT_EQ(12u, args.GetCount());
        VARIANTARG* a = args.GetArgs();
        auto at = [&](int i) -> VARIANTARG& { return a[11 - i]; };  // i = position in the call
        EXPECT_EQ(VT_I2, at(0).vt);
        EXPECT_EQ(-2, at(0).iVal);
        EXPECT_EQ(VT_I4, at(1).vt);
        EXPECT_EQ(70000, at(1).lVal);
        EXPECT_EQ(VT_R4, at(2).vt);
        EXPECT_FLOAT_EQ(1.5f, at(2).fltVal);
        EXPECT_EQ(VT_R8, at(3).vt);
        EXPECT_DOUBLE_EQ(2.25, at(3).dblVal);
        EXPECT_EQ(VT_BSTR, at(4).vt);
        EXPECT_STREQ(L"text", at(4).bstrVal);
        EXPECT_EQ(4u, SysStringLen(at(4).bstrVal)) << "the string is a real BSTR copy";
        EXPECT_EQ(VT_BOOL, at(5).vt);
        EXPECT_EQ(VARIANT_TRUE, at(5).boolVal) << "any non-zero BOOL is VARIANT_TRUE";
        EXPECT_EQ(VT_BSTR, at(6).vt) << "a VARIANT argument passes as the variant itself";
        EXPECT_EQ(borrowed.bstrVal, at(6).bstrVal);
        EXPECT_EQ(VT_I4 | VT_BYREF, at(7).vt);
        EXPECT_EQ(&byRef, at(7).byref);
        EXPECT_EQ(VT_I8, at(8).vt);
        EXPECT_EQ(LONGLONG(1) << 40, at(8).llVal);
        EXPECT_EQ(VT_UI1, at(9).vt);
        EXPECT_EQ(200, at(9).bVal);
        EXPECT_EQ(VT_CY, at(10).vt);
        EXPECT_EQ(12345, at(10).cyVal.int64);
        EXPECT_EQ(VT_BSTR, at(11).vt);
        EXPECT_STREQ(L"", at(11).bstrVal) << "a null string passes as an empty one";
      },
      VTS_I2 VTS_I4 VTS_R4 VTS_R8 VTS_BSTR VTS_BOOL VTS_VARIANT VTS_PI4 VTS_I8 VTS_UI1 VTS_CY
          VTS_BSTR,
      short(-2), LONG(70000), 1.5f, 2.25, L"text", BOOL(7), &borrowed, &byRef, LONGLONG(1) << 40,
      BYTE(200), cy, static_cast<const wchar_t*>(nullptr));
  // The borrowed variant's string still belongs to the caller (ASan reports a double free).
  EXPECT_STREQ(L"borrowed", borrowed.bstrVal);
  VariantClear(&borrowed);
}

TEST(DispArgs, NoCodesGiveNoArgumentsAndAnUnknownCodeThrowsBeforeTakingAny) {
  WithArgs([](CDispArgs& args) { EXPECT_EQ(0u, args.GetCount()); }, "");
  WithArgs([](CDispArgs& args) { EXPECT_EQ(nullptr, args.GetArgs()); }, VTS_NONE);
  for (const char* codes : {"\x0E", VTS_BSTR "\x01", "\x7F", VTS_I4 "\x40"}) {
    bool thrown = false;
    try {
      WithArgs([](CDispArgs&) {}, codes, L"never copied", 1, 2);
    } catch (CInvalidArgException*) {
      thrown = true;
    }
    EXPECT_TRUE(thrown) << "codes of length " << strlen(codes);
  }
}

TEST(DispResult, MovesTheConvertedValueIntoTheCallersStorage) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocStringLen(L"a\0b", 3);
  CString text;
  AfxStoreDispResult(VT_BSTR, v, &text);
  EXPECT_EQ(3, text.GetLength()) << "the whole BSTR, embedded zero included";
  EXPECT_EQ(VT_EMPTY, v.vt) << "the result is left empty once moved";

  v.vt = VT_BOOL;
  v.boolVal = VARIANT_TRUE;
  BOOL flag = 5;
  AfxStoreDispResult(VT_BOOL, v, &flag);
  EXPECT_EQ(TRUE, flag) << "VARIANT_TRUE becomes the BOOL 1";

  v.vt = VT_I4;
  v.lVal = -7;
  VARIANT whole;
  AfxStoreDispResult(VT_VARIANT, v, &whole);
  EXPECT_EQ(VT_I4, whole.vt);
  EXPECT_EQ(-7, whole.lVal);

  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(L"unwanted");
  AfxStoreDispResult(VT_EMPTY, v, nullptr);  // freed, or ASan reports a leak
  EXPECT_EQ(VT_EMPTY, v.vt);

  v.vt = VT_NULL;
  EXPECT_THROW(AfxStoreDispResult(VT_NULL, v, &whole), CInvalidArgException*);
}

}  // namespace
