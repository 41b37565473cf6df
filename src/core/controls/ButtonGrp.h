// CButtonGrp: a row of up to ten icon buttons inside a static frame, with tooltips.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>

#include "XTButton.h"
#include "core/TKWExport.h"

// Placed on a dialog as a static and subclassed; the buttons are its children, laid out
// right-aligned in its rectangle. A click sends WM_COMMAND (command id, 0) to the recipient
// (the parent unless SetReciper named another window).
class TKWUI_API CButtonGrp : public CStatic {
  DECLARE_DYNAMIC(CButtonGrp)

 public:
  enum {
    kMaxButtons = 10,
    kFirstButtonID = 1394,  // control id of button 0; button i has 1394 + i
    kPropertiesIcon = 4316,
    kPropertiesTip = 141,
    kPropertiesCommand = 4141,
    kDeleteCommand = 32781,
    kInsertCommand = 295,
  };

  CButtonGrp();
  ~CButtonGrp() override;

  // Icon buttons: the icon comes from the resource chain. Ignored once ten buttons exist.
  void AddButton(UINT nIconID, UINT nCommandID, UINT nTooltipID);
  // Strip buttons: the image is the next one of the strip bitmap set with SetBitmapID.
  void AddButton(UINT nCommandID, UINT nTooltipID);
  // The same with a caption; the icon form switches caption mode on.
  void AddButtonWithText(UINT nIconID, UINT nCommandID, UINT nTooltipID, LPCTSTR lpszCaption);
  void AddButtonWithText(UINT nCommandID, UINT nTooltipID, LPCTSTR lpszCaption);

  void AddShowPropertiesButton() { AddButton(kPropertiesIcon, kPropertiesCommand, kPropertiesTip); }
  void AddDeleteButton() { AddButton(kPropertiesIcon, kDeleteCommand, kPropertiesTip); }
  void AddInsertButton() { AddButton(kPropertiesIcon, kInsertCommand, kPropertiesTip); }
  void EnableProperties(BOOL bEnable = TRUE) { EnableButton(kPropertiesCommand, bEnable); }
  void EnableDelete(BOOL bEnable = TRUE) { EnableButton(kDeleteCommand, bEnable); }
  void EnableInsert(BOOL bEnable = TRUE) { EnableButton(kInsertCommand, bEnable); }
  void ShowProperties(BOOL bShow = TRUE) { ShowButton(kPropertiesCommand, bShow); }
  void ShowDelete(BOOL bShow = TRUE) { ShowButton(kDeleteCommand, bShow); }
  void ShowInsert(BOOL bShow = TRUE) { ShowButton(kInsertCommand, bShow); }

  // The button with that command; nothing when there is none.
  void EnableButton(UINT nCommandID, BOOL bEnable = TRUE);
  void ShowButton(UINT nCommandID, BOOL bShow = TRUE);
  void DisableButton(UINT nCommandID) { EnableButton(nCommandID, FALSE); }
  // Every button.
  void EnableWindow(BOOL bEnable = TRUE);

  void SetReciper(CWnd* pWnd) { m_pReciper = pWnd; }
  void SetBitmapID(UINT nID) { m_nBitmapID = nID; }
  void SetButtonWidth(int nWidth) { m_nButtonWidth = nWidth; }
  void SetButtonOffset(int nOffset) { m_nButtonStep = nOffset; }
  void SetStaticRect(const CRect& rect) { m_rectStatic = rect; }
  void EnableButtonText(BOOL bOn = TRUE);
  void SetGroupButtons(int) {}
  // Moves the buttons into place (also on every size change).
  void Draw();

  int GetButtonCount() const { return m_nButtons; }
  // The button object of button i (0 based), or null.
  CXTButton* GetButton(int i) { return i >= 0 && i < m_nButtons ? &m_buttons[i].button : NULL; }
  UINT GetButtonCommand(int i) const {
    return i >= 0 && i < m_nButtons ? m_buttons[i].nCommandID : 0;
  }
  CImageList* GetImageList() { return &m_imageList; }
  CToolTipCtrl* GetToolTip() { return &m_tooltip; }

  // Creates the static with its buttons (for a group made in code instead of from a dialog).
  BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID = 0xffff) override;

  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void PreSubclassWindow() override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  struct Button {
    CXTButton button;
    UINT nCommandID = 0;
    UINT nTooltipID = 0;
    UINT nIconID = 0;
    CString strCaption;
  };

  void Add(UINT nIconID, UINT nCommandID, UINT nTooltipID, LPCTSTR lpszCaption, BOOL bStrip);
  BOOL CreateButtons();
  CRect FrameRect() const;
  int FindCommand(UINT nCommandID) const;

  Button m_buttons[kMaxButtons];
  int m_nButtons;
  CImageList m_imageList;
  CToolTipCtrl m_tooltip;
  CWnd* m_pReciper;
  UINT m_nBitmapID;  // (UINT)-1 until set
  int m_nButtonWidth;
  int m_nButtonStep;
  CRect m_rectStatic;
  BOOL m_bCaptions;
  BOOL m_bCreated;   // the button windows exist
  BOOL m_bCreating;  // inside Create: the buttons wait until the static has its size
};
