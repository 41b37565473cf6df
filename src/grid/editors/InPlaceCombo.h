// CInPlaceCombo: the drop-down list the grid shows over a cell to pick its value from.
#pragma once

#include "core/TKWExport.h"

#include <XTFlatComboBox.h>
#include <afxcoll.h>

// One instance serves the whole process (GetInstance); its window is created anew for each
// edit and closes itself when the edit ends: on losing the focus it reports the cell's text to
// the list with an end-of-label-edit notification, every time, changed or not, and after
// Escape with the text the cell had when the edit began.
class TKWUI_API CInPlaceCombo : public CXTFlatComboBox {
  DECLARE_DYNAMIC(CInPlaceCombo)

 public:
  CInPlaceCombo();
  ~CInPlaceCombo() override;

  // The process's instance, created on the first call and kept for the life of the process.
  static CInPlaceCombo* GetInstance();

  // Shows the list for the cell (iItem, iSubItem) in rect of pParent (the grid) with the given
  // choices, and selects nSel. The text restored on Escape is the choice at nSel, or strText
  // when nSel is -1. A window still open from the previous edit is closed first (it reports
  // its own cell). Answers whether the window could be created.
  BOOL ShowForCell(DWORD dwStyle, const RECT& rect, CWnd* pParent, UINT nID, int iItem,
                   int iSubItem, const CStringArray& aItems, const CString& strText, int nSel);

  BOOL PreTranslateMessage(MSG* pMsg) override;

  int m_iItem;            // row of the cell; -1 before the first edit
  int m_iSubItem;         // column of the cell; -1 before the first edit
  BOOL m_bESC;            // the edit was cancelled with Escape
  CString m_strInitText;  // the text to report after Escape
  CStringArray m_aItems;  // the choices, copied from the caller

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnCloseup();
  DECLARE_MESSAGE_MAP()
};
