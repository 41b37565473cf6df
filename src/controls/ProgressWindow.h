// CProgressWindow: a progress window built in code that a caller shows while it works on its
// own thread, pumping messages between steps.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>

#include "controls/ProgressDisplay.h"
#include "controls/ProgressMessages.h"
#include "core/TKWExport.h"

class TKWUI_API CProgressWindow : public CWnd, public CProgressDisplay {
  DECLARE_DYNAMIC(CProgressWindow)

 public:
  // No window, no owner, every flag FALSE.
  CProgressWindow();
  // Stores the owner and flags and creates the window at once.
  CProgressWindow(CWnd* pParent, LPCTSTR pszCaption, int nSmooth, int bOwnerNotify,
                  int bHasProgressCtrl, int bHideOnCancel, bool bShowCancel);
  ~CProgressWindow() override;

  // FALSE when the window or any of its controls cannot be created.
  BOOL Create(CWnd* pParent, LPCTSTR pszCaption, int nSmooth = FALSE);
  // Creates the window when needed and disables the main window; the caller enables it again.
  BOOL GoModal(LPCTSTR pszCaption, int nSmooth = FALSE);
  BOOL IsModal() const { return m_bModal; }
  void Show();
  void Hide();
  // Lays out the controls for a text area of nNumTextLines lines and a width of nWidth.
  void SetWindowSize(int nNumTextLines, int nWidth = 390);
  // Pumps the waiting messages; Escape or a click on Cancel cancel when asked to.
  void PeekAndPump(BOOL bCancelOnEsc = TRUE, BOOL bCancelOnClick = TRUE);
  void PeekAndPumpModal(BOOL bCancelOnEsc = TRUE, BOOL bCancelOnClick = TRUE);

  void SetAnimation(UINT nID);

  int m_nNumTextLines;
  BOOL m_bOwnerNotify;
  CWnd* m_pOwner;
  BOOL m_bSmooth;
  BOOL m_bHideOnCancel;
  BOOL m_bModal;

 protected:
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg void OnCancel();
  DECLARE_MESSAGE_MAP()

  CWnd& Host() override { return *this; }
  void ShowStatus(LPCTSTR pszText) override { m_text.SetWindowText(pszText); }

  CStatic m_text;

 private:
  // True when msg asks for a cancel under the two options.
  bool IsCancelRequest(const MSG& msg, BOOL bCancelOnEsc, BOOL bCancelOnClick) const;
};
