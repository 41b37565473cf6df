// The date and time picker control (CDateTimeCtrl): its value as CTime or SYSTEMTIME, its
// display format and its allowed range.
#pragma once
#include "afxwin.h"

#include <commctrl.h>

class AFX_FWAPI CDateTimeCtrl : public CWnd {
  DECLARE_DYNAMIC(CDateTimeCtrl)

 public:
  CDateTimeCtrl() {}
  // Registers the date classes of the common controls first.
  virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // ---- value
  // GDT_VALID with the value in timeDest, or GDT_NONE when a DTS_SHOWNONE control is unchecked.
  DWORD GetTime(CTime& timeDest) const;
  DWORD GetTime(LPSYSTEMTIME pTimeDest) const;
  // A null time unchecks a DTS_SHOWNONE control (and fails on any other).
  BOOL SetTime(const CTime* pTimeNew);
  BOOL SetTime(LPSYSTEMTIME pTimeNew = NULL);

  // ---- display
  // A format string such as "dd'.'MM'.'yyyy"; null restores the style's default format.
  BOOL SetFormat(LPCTSTR pstrFormat);
  COLORREF GetMonthCalColor(int iColor) const;
  COLORREF SetMonthCalColor(int iColor, COLORREF ref);
  CFont* GetMonthCalFont() const;
  void SetMonthCalFont(HFONT hFont, BOOL bRedraw = TRUE);
  // The drop-down calendar while it is open, else null.
  CWnd* GetMonthCalCtrl() const;

  // ---- range
  // GDTR_MIN and GDTR_MAX tell which ends are set; an end not set leaves its CTime alone.
  DWORD GetRange(CTime* pMinTime, CTime* pMaxTime) const;
  // A null pointer leaves that end open.
  BOOL SetRange(const CTime* pMinTime, const CTime* pMaxTime);
};
