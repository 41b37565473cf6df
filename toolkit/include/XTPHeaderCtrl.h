// CXTPHeaderCtrl: the toolkit's themed header control, as far as the library uses it.
#pragma once
#include "XTPExport.h"
#include <afxcmn.h>

// Header themes; the grid uses the Office-like flat theme.
enum XTPHeaderTheme {
  xtpHeaderThemeDefault = 0,
  xtpHeaderThemeOffice2003 = 6,
};

class XTP_API CXTPHeaderCtrl : public CHeaderCtrl {
  DECLARE_DYNAMIC(CXTPHeaderCtrl)

 public:
  CXTPHeaderCtrl();
  ~CXTPHeaderCtrl() override;

  // Theme used to draw the header background; owner-drawn items draw themselves.
  void SetTheme(int nTheme);
  int GetTheme() const { return m_nTheme; }

  // Widens the last column so that the columns fill the parent's client width. Columns are
  // never narrowed: the user's widths stay as they are when the columns are already wider.
  void ResizeColumnsToFit();

  // The resize cursor the toolkit shows over a divider; a derived header turns it off where a
  // column may not be resized.
  void EnableResizeCursor(BOOL bEnable) { m_bResizeCursor = bEnable; }
  BOOL IsResizeCursorEnabled() const { return m_bResizeCursor; }

 protected:
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  DECLARE_MESSAGE_MAP()

  int m_nTheme;
  BOOL m_bResizeCursor;
};
