// CGfxInPercentEdit: keys and characters of the numeric cell editor, over its number text.
#include "grid/editors/GfxInPercentEdit.h"

#include "grid/editors/logic/NumericSeparators.h"

#include <clocale>

IMPLEMENT_DYNAMIC(CGfxInPercentEdit, CGfxInEdit)

BEGIN_MESSAGE_MAP(CGfxInPercentEdit, CGfxInEdit)
  ON_WM_CHAR()
  ON_WM_RBUTTONDOWN()
END_MESSAGE_MAP()

CGfxInPercentEdit::CGfxInPercentEdit(int iItem, int iSubItem, CString strInitText, bool bClick)
    : CGfxInEdit(iItem, iSubItem, strInitText, bClick),
      m_dValue(0.0),
      m_bCommas(TRUE),
      m_cComma(','),
      m_cDecimalPoint('.'),
      m_nDecimals(2),
      m_nSavedSel(0) {
  LocalSettings();
}

// ---- settings and value

void CGfxInPercentEdit::ApplySettings() {
  m_number.SetDecimals(m_nDecimals);
  m_number.EnableCommas(m_bCommas != FALSE);
  // A separator the number text refuses keeps the one it had.
  if (!m_number.SetDecimalPoint(tkw::SeparatorChar(m_cDecimalPoint)))
    m_cDecimalPoint = static_cast<char>(m_number.GetFormat().decimalPoint);
  if (!m_number.SetComma(tkw::SeparatorChar(m_cComma)))
    m_cComma = static_cast<char>(m_number.GetFormat().comma);
  SetValue(m_dValue);
}

void CGfxInPercentEdit::SetValue(double dValue) {
  m_number.SetValue(dValue);
  ShowNumber();
}

void CGfxInPercentEdit::SetDecimals(int nDecimals) {
  m_nDecimals = nDecimals;
  ApplySettings();
  m_nDecimals = m_number.GetFormat().decimals;
}

void CGfxInPercentEdit::EnableCommas(BOOL bCommas) {
  m_bCommas = bCommas;
  ApplySettings();
}

void CGfxInPercentEdit::SetComma(char cComma) {
  m_cComma = cComma;
  ApplySettings();
}

void CGfxInPercentEdit::SetDecimalPoint(char cDecimalPoint) {
  m_cDecimalPoint = cDecimalPoint;
  ApplySettings();
}

void CGfxInPercentEdit::LocalSettings() {
  wchar_t decimal[100] = {}, thousand[100] = {};
  ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_SDECIMAL, decimal, 100);
  ::GetLocaleInfoW(LOCALE_SYSTEM_DEFAULT, LOCALE_STHOUSAND, thousand, 100);
  const tkw::NumericSeparators s = tkw::ChooseNumericSeparators(decimal, thousand);
  m_cDecimalPoint = s.decimalPoint;
  m_cComma = s.comma;
  ApplySettings();
}

void CGfxInPercentEdit::getLocaleInformation(char& cDecimal, char& cSecond) {
  const lconv* conv = std::localeconv();
  cDecimal = conv && conv->decimal_point && *conv->decimal_point ? *conv->decimal_point : '.';
  cSecond = conv && conv->thousands_sep && *conv->thousands_sep ? *conv->thousands_sep : ',';
}

void CGfxInPercentEdit::saveStringAndSelection() {
  LoadFromWindow();
  m_strSaved = m_number.GetText().c_str();
  m_nSavedSel = m_number.GetSelStart();
}

// ---- the window and the number text

void CGfxInPercentEdit::LoadFromWindow() {
  if (!::IsWindow(m_hWnd)) return;
  CString text;
  GetWindowText(text);
  long nStart = 0, nEnd = 0;
  GetSel(nStart, nEnd);
  m_number.Load(std::wstring(text.GetString()), int(nStart), int(nEnd));
}

void CGfxInPercentEdit::ShowNumber() {
  m_dValue = m_number.GetValue();
  if (!::IsWindow(m_hWnd)) return;
  const CString text(m_number.GetText().c_str());
  CString shown;
  GetWindowText(shown);
  if (shown != text) SetWindowText(text);
  SetSel(m_number.GetSelStart(), m_number.GetSelEnd());
}

// ---- keys and characters

void CGfxInPercentEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
  LoadFromWindow();
  if (m_number.Char(static_cast<wchar_t>(nChar))) ShowNumber();
}

BOOL CGfxInPercentEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd) {
    if (pMsg->wParam == VK_DELETE) {
      LoadFromWindow();
      m_number.Delete();
      ShowNumber();
      return TRUE;
    }
    if (pMsg->wParam == VK_INSERT) return TRUE;  // no overwrite mode
    if (pMsg->wParam == VK_BACK) {
      // The control would delete on the key itself; only its character edits the number.
      ::TranslateMessage(pMsg);
      return TRUE;
    }
  }
  return CGfxInEdit::PreTranslateMessage(pMsg);
}

void CGfxInPercentEdit::OnRButtonDown(UINT /*nFlags*/, CPoint /*point*/) {
  // No menu here: a paste could not be kept a number.
}
