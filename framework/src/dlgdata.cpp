// Dialog data exchange: CDataExchange and the DDX_/DDV_ functions.
#include "afxwin.h"
#include "ctlwrap_.h"

#include <cerrno>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <string>

using afx_internal::ItemText;

namespace {

CString WindowText(HWND hWnd) {
  const int n = ::GetWindowTextLengthW(hWnd);
  std::wstring buf(size_t(n) + 1, L'\0');
  const int got = ::GetWindowTextW(hWnd, &buf[0], n + 1);
  return CString(buf.c_str(), got > 0 ? got : 0);
}

// Only changes the text when it differs, so an unchanged field keeps its caret and undo.
void SetWindowTextIfChanged(HWND hWnd, LPCTSTR lpszNew) {
  if (WindowText(hWnd) != lpszNew) ::SetWindowTextW(hWnd, lpszNew);
}

// Tells the user what is wrong with the field and fails the exchange.
[[noreturn]] void FailWith(CDataExchange* pDX, LPCTSTR lpszMessage) {
  AfxMessageBox(lpszMessage, MB_ICONEXCLAMATION);
  pDX->Fail();
}

// Whole-field integer parsing: optional blanks around one number, nothing else.
bool ParseSigned(const CString& text, long long lo, long long hi, long long& out) {
  const wchar_t* p = text.GetString();
  wchar_t* end = nullptr;
  errno = 0;
  const long long v = std::wcstoll(p, &end, 10);
  if (end == p || errno == ERANGE) return false;
  while (std::iswspace(*end)) ++end;
  if (*end) return false;
  if (v < lo || v > hi) return false;
  out = v;
  return true;
}

bool ParseUnsigned(const CString& text, unsigned long long hi, unsigned long long& out) {
  const wchar_t* p = text.GetString();
  while (std::iswspace(*p)) ++p;
  if (*p == L'-') return false;  // wcstoull would wrap a negative number around
  wchar_t* end = nullptr;
  errno = 0;
  const unsigned long long v = std::wcstoull(p, &end, 10);
  if (end == p || errno == ERANGE) return false;
  while (std::iswspace(*end)) ++end;
  if (*end || v > hi) return false;
  out = v;
  return true;
}

bool ParseDouble(const CString& text, double& out) {
  const wchar_t* p = text.GetString();
  wchar_t* end = nullptr;
  errno = 0;
  const double v = std::wcstod(p, &end);
  if (end == p || errno == ERANGE || !std::isfinite(v)) return false;
  while (std::iswspace(*end)) ++end;
  if (*end) return false;
  out = v;
  return true;
}

template <class T>
void TextSigned(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi) {
  HWND hWnd = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    long long v = 0;
    if (!ParseSigned(WindowText(hWnd), lo, hi, v)) FailWith(pDX, L"Please enter an integer.");
    value = T(v);
  } else {
    wchar_t text[32];
    swprintf(text, _countof(text), L"%lld", static_cast<long long>(value));
    SetWindowTextIfChanged(hWnd, text);
  }
}

template <class T>
void TextUnsigned(CDataExchange* pDX, int nIDC, T& value, unsigned long long hi) {
  HWND hWnd = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    unsigned long long v = 0;
    if (!ParseUnsigned(WindowText(hWnd), hi, v)) FailWith(pDX, L"Please enter a positive integer.");
    value = T(v);
  } else {
    wchar_t text[32];
    swprintf(text, _countof(text), L"%llu", static_cast<unsigned long long>(value));
    SetWindowTextIfChanged(hWnd, text);
  }
}

}  // namespace

// ---- CDataExchange

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate),
      m_pDlgWnd(pDlgWnd),
      m_hWndLastControl(NULL),
      m_bEditLastControl(FALSE),
      m_idLastControl(0) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  HWND hWnd = (m_pDlgWnd && m_pDlgWnd->m_hWnd) ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : NULL;
  if (!hWnd) AfxThrowNotSupportedException();  // no such control: a programming error
  m_hWndLastControl = hWnd;
  m_idLastControl = UINT(nIDC);
  m_bEditLastControl = FALSE;
  return hWnd;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  HWND hWnd = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWnd;
}

void CDataExchange::Fail() {
  if (!m_bSaveAndValidate) {
    // Loading cannot be wrong in the user's eyes; the exchange still stops.
  } else if (m_hWndLastControl && ::IsWindow(m_hWndLastControl)) {
    ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
  for (;;) {
  }  // not reached: AfxThrowUserException throws
}

// ---- CWnd::UpdateData lives with the exchange it drives

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  ASSERT(::IsWindow(m_hWnd));
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
    return TRUE;
  } catch (CUserException* e) {
    // The user has been told already.
    e->Delete();
  } catch (CException* e) {
    e->ReportError(MB_ICONEXCLAMATION);
    e->Delete();
  }
  return FALSE;
}

// ---- DDX: text

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWnd = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    value = WindowText(hWnd);
  else
    SetWindowTextIfChanged(hWnd, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
  TextSigned(pDX, nIDC, value, INT_MIN, INT_MAX);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
  TextSigned(pDX, nIDC, value, LONG_MIN, LONG_MAX);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
  TextUnsigned(pDX, nIDC, value, UINT_MAX);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) {
  TextUnsigned(pDX, nIDC, value, ULONG_MAX);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  HWND hWnd = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    double v = 0;
    if (!ParseDouble(WindowText(hWnd), v)) FailWith(pDX, L"Please enter a number.");
    value = v;
  } else {
    // Fifteen significant digits: what a double holds exactly, without noise digits.
    wchar_t text[64];
    swprintf(text, _countof(text), L"%.15g", value);
    SetWindowTextIfChanged(hWnd, text);
  }
}

// ---- DDX: buttons

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    value = int(::SendMessageW(hWnd, BM_GETCHECK, 0, 0));
  } else {
    ASSERT(value >= 0 && value <= 2);
    ::SendMessageW(hWnd, BM_SETCHECK, WPARAM(value >= 0 && value <= 2 ? value : 0), 0);
  }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) value = -1;
  // The group runs from nIDC to the next control with WS_GROUP; only radio buttons count.
  int index = 0;
  for (HWND h = hWnd; h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    if (h != hWnd && (::GetWindowLongW(h, GWL_STYLE) & WS_GROUP)) break;
    if (!(::SendMessageW(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
    if (pDX->m_bSaveAndValidate) {
      if (::SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessageW(h, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    ++index;
  }
}

// ---- DDX: combo and list boxes

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    index = int(::SendMessageW(hWnd, CB_GETCURSEL, 0, 0));
  else
    ::SendMessageW(hWnd, CB_SETCURSEL, WPARAM(index), 0);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    // A drop-down list has no edit field: its text is the selected item's.
    if ((::GetWindowLongW(hWnd, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST) {
      const int sel = int(::SendMessageW(hWnd, CB_GETCURSEL, 0, 0));
      value = sel != CB_ERR ? ItemText(hWnd, sel, CB_GETLBTEXTLEN, CB_GETLBTEXT) : CString();
    } else {
      value = WindowText(hWnd);
    }
  } else {
    // The first item starting with the text is selected; an editable combo shows the text
    // itself when none does.
    if (::SendMessageW(hWnd, CB_SELECTSTRING, WPARAM(-1),
                       reinterpret_cast<LPARAM>(value.GetString())) == CB_ERR &&
        (::GetWindowLongW(hWnd, GWL_STYLE) & 0x3) != CBS_DROPDOWNLIST)
      ::SetWindowTextW(hWnd, value);
  }
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate)
    index = int(::SendMessageW(hWnd, LB_GETCURSEL, 0, 0));
  else
    ::SendMessageW(hWnd, LB_SETCURSEL, WPARAM(index), 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    const int sel = int(::SendMessageW(hWnd, LB_GETCURSEL, 0, 0));
    value = sel != LB_ERR ? ItemText(hWnd, sel, LB_GETTEXTLEN, LB_GETTEXT) : CString();
  } else if (::SendMessageW(hWnd, LB_SELECTSTRING, WPARAM(-1),
                            reinterpret_cast<LPARAM>(value.GetString())) == LB_ERR) {
    ::SendMessageW(hWnd, LB_SETCURSEL, WPARAM(-1), 0);  // no item starts with the text
  }
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd) return;
  HWND hWnd = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(hWnd)) AfxThrowNotSupportedException();
}

// ---- DDV

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
  if (!pDX->m_bSaveAndValidate) {
    // Loading: let the edit control itself refuse longer input.
    if (pDX->m_bEditLastControl && pDX->m_hWndLastControl)
      ::SendMessageW(pDX->m_hWndLastControl, EM_LIMITTEXT, WPARAM(nChars > 0 ? nChars : 0), 0);
    return;
  }
  if (value.GetLength() > nChars) {
    CString message;
    message.Format(L"Please enter no more than %d characters.", nChars);
    FailWith(pDX, message);
  }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  CString message;
  message.Format(L"Please enter an integer between %d and %d.", minVal, maxVal);
  FailWith(pDX, message);
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
  if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  CString message;
  message.Format(L"Please enter an integer between %u and %u.", minVal, maxVal);
  FailWith(pDX, message);
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal,
                             double maxVal) {
  if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
  CString message;
  message.Format(L"Please enter a number between %.15g and %.15g.", minVal, maxVal);
  FailWith(pDX, message);
}
