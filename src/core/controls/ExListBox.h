// CExListBox: owner-drawn list of script functions, coloured by item data, with a description tip.
#pragma once
#include <afxwin.h>

#include "XTPTipWindow.h"
#include "core/TKWExport.h"

// The list must be created with LBS_OWNERDRAWFIXED and LBS_HASSTRINGS, on a framework parent
// (drawing arrives by reflection). Item data 0 means "no colour"; otherwise it is the COLORREF
// the item is drawn with. The tip shows the selected function's description from the host's
// script manager beside the list.
class TKWUI_API CExListBox : public CListBox {
  DECLARE_DYNAMIC(CExListBox)

 public:
  CExListBox();
  ~CExListBox() override;

  // Adds an item, with a colour when crColour is not 0; answers its index or LB_ERR.
  int AddItem(LPCTSTR lpszText, COLORREF crColour = 0);

  // Shows the tip for the selected item (selecting the first item when none is).
  void UpdateTip();
  // Hides the tip.
  void HideTip();
  CXTPTipWindow* GetTipWindow() { return &m_wndTip; }

  void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override;

 protected:
  // A list from a dialog template is measured before we subclass it, and one created in code
  // may have a parent that does not reflect WM_MEASUREITEM: both get the height here too.
  void PreSubclassWindow() override;
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnSelChange();
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  void ApplyItemHeight();

  CString m_strTipTitle;  // name the tip shows
  CString m_strTipText;   // description the tip shows
  CXTPTipWindow m_wndTip;
  DWORD m_dwTipStyle;
  UINT m_nTipDelay;
  CRect m_rectTipItem;  // screen rectangle of the item the tip was shown for
};
