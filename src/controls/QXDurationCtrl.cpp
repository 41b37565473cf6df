// CQXDurationCtrl: every accessor is one property call with the control's dispatch id.
#include "controls/QXDurationCtrl.h"

#include <afxdisp.h>
#include <olectl.h>

#include "core/ActivationContext.h"

IMPLEMENT_DYNCREATE(CQXDurationCtrl, CWnd)

namespace {
const CLSID kDurationClsid = {
    0xAB094589, 0x05AF, 0x11D2, {0x8B, 0xD0, 0x00, 0xA0, 0xC9, 0xB0, 0x55, 0x90}};
enum : DISPID {
  kTotalSecondsValue = DISPID_VALUE,
  kSpinButton = 1,
  kDaysLabel = 2,
  kHoursLabel = 3,
  kMinutesLabel = 4,
  kSecondsLabel = 5,
  kShowDays = 6,
  kShowHoursMinutes = 7,
  kTotalSeconds = 8,
  kSizeToContent = 9
};
}  // namespace

CLSID const& CQXDurationCtrl::GetClsid() {
  return kDurationClsid;
}

BOOL CQXDurationCtrl::Create(LPCTSTR, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                             CWnd* pParentWnd, UINT nID, CCreateContext*) {
  return Create(lpszWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CQXDurationCtrl::Create(LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                             CWnd* pParentWnd, UINT nID, CFile* pPersist, BOOL bStorage,
                             BSTR bstrLicKey) {
  // The control ships beside this library and is found through its manifest.
  tkw::ComponentScope activation(L"tkwduration");
  return CreateControl(GetClsid(), lpszWindowName, dwStyle, rect, pParentWnd, nID, pPersist,
                       bStorage, bstrLicKey);
}

namespace {
long GetLong(CWnd* p, DISPID id) {
  long n = 0;
  p->GetProperty(id, VT_I4, &n);
  return n;
}
BOOL GetBool(CWnd* p, DISPID id) {
  BOOL b = FALSE;
  p->GetProperty(id, VT_BOOL, &b);
  return b;
}
CString GetText(CWnd* p, DISPID id) {
  CString s;
  p->GetProperty(id, VT_BSTR, &s);
  return s;
}
}  // namespace

long CQXDurationCtrl::Get_TotalSeconds() {
  return GetLong(this, kTotalSecondsValue);
}
void CQXDurationCtrl::Set_TotalSeconds(long n) {
  SetProperty(kTotalSecondsValue, VT_I4, n);
}
BOOL CQXDurationCtrl::GetSpinButton() {
  return GetBool(this, kSpinButton);
}
void CQXDurationCtrl::SetSpinButton(BOOL b) {
  SetProperty(kSpinButton, VT_BOOL, b);
}
CString CQXDurationCtrl::GetDaysLabel() {
  return GetText(this, kDaysLabel);
}
void CQXDurationCtrl::SetDaysLabel(LPCTSTR s) {
  SetProperty(kDaysLabel, VT_BSTR, s);
}
CString CQXDurationCtrl::GetHoursLabel() {
  return GetText(this, kHoursLabel);
}
void CQXDurationCtrl::SetHoursLabel(LPCTSTR s) {
  SetProperty(kHoursLabel, VT_BSTR, s);
}
CString CQXDurationCtrl::GetMinutesLabel() {
  return GetText(this, kMinutesLabel);
}
void CQXDurationCtrl::SetMinutesLabel(LPCTSTR s) {
  SetProperty(kMinutesLabel, VT_BSTR, s);
}
CString CQXDurationCtrl::GetSecondsLabel() {
  return GetText(this, kSecondsLabel);
}
void CQXDurationCtrl::SetSecondsLabel(LPCTSTR s) {
  SetProperty(kSecondsLabel, VT_BSTR, s);
}
BOOL CQXDurationCtrl::GetShowDays() {
  return GetBool(this, kShowDays);
}
void CQXDurationCtrl::SetShowDays(BOOL b) {
  SetProperty(kShowDays, VT_BOOL, b);
}
BOOL CQXDurationCtrl::GetShowHoursMinutes() {
  return GetBool(this, kShowHoursMinutes);
}
void CQXDurationCtrl::SetShowHoursMinutes(BOOL b) {
  SetProperty(kShowHoursMinutes, VT_BOOL, b);
}
long CQXDurationCtrl::GetTotalSeconds() {
  return GetLong(this, kTotalSeconds);
}
void CQXDurationCtrl::SetTotalSeconds(long n) {
  SetProperty(kTotalSeconds, VT_I4, n);
}
// The stock property of the control, not the window's enabled state.
BOOL CQXDurationCtrl::GetEnabled() {
  return GetBool(this, DISPID_ENABLED);
}
void CQXDurationCtrl::SetEnabled(BOOL b) {
  SetProperty(DISPID_ENABLED, VT_BOOL, b);
}
void CQXDurationCtrl::SizeToContent() {
  InvokeHelper(kSizeToContent, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
void CQXDurationCtrl::AboutBox() {
  InvokeHelper(DISPID_ABOUTBOX, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
}
