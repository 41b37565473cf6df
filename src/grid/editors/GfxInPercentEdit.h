// CGfxInPercentEdit: the numeric cell editor, a text editor whose typing keeps a well-formed
// number.
#pragma once

#include "grid/editors/GfxInEdit.h"
#include "grid/editors/logic/NumericText.h"

// Every key goes through the window-free number text, so the window always shows a number with
// the settings' separators and decimals and m_dValue always matches it. Ends and reports an edit
// as CGfxInEdit does.
class TKWUI_API CGfxInPercentEdit : public CGfxInEdit {
  DECLARE_DYNAMIC(CGfxInPercentEdit)

 public:
  CGfxInPercentEdit(int iItem, int iSubItem, CString strInitText, bool bClick);

  // Shows the value formatted, caret at 0.
  void SetValue(double dValue);
  double GetValue() const { return m_dValue; }
  // Each setting reformats the text from the value at once.
  void SetDecimals(int nDecimals);
  int GetDecimals() const { return m_nDecimals; }
  void EnableCommas(BOOL bCommas);
  void SetComma(char cComma);
  char GetComma() const { return m_cComma; }
  void SetDecimalPoint(char cDecimalPoint);
  char GetDecimalPoint() const { return m_cDecimalPoint; }
  // Takes the separators of the system's default locale.
  void LocalSettings();
  // The C run-time locale's separators.
  static void getLocaleInformation(char& cDecimal, char& cSecond);
  // Keeps the text and caret in m_strSaved and m_nSavedSel.
  void saveStringAndSelection();

  BOOL PreTranslateMessage(MSG* pMsg) override;

  double m_dValue;       // the current value
  BOOL m_bCommas;        // group the integer part in threes
  char m_cComma;         // thousands separator
  char m_cDecimalPoint;  // decimal point
  int m_nDecimals;       // decimals shown; 0 shows no decimal point
  CString m_strSaved;    // a saved copy of the text
  int m_nSavedSel;       // the saved caret

 protected:
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
  DECLARE_MESSAGE_MAP()

 private:
  // Loads the window's text and selection into the number text.
  void LoadFromWindow();
  // Shows the number text's text and caret and takes its value.
  void ShowNumber();
  // Applies the members' settings to the number text and reformats from the value.
  void ApplySettings();

  tkw::NumericText m_number;
};
