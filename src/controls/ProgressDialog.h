// CProgressDialog: a modal dialog with an animation, a status line, an optional progress bar
// with the percentage in the caption, and Cancel with a confirmation question.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>

#include "controls/ProgressDisplay.h"
#include "controls/ProgressMessages.h"
#include "core/TKWExport.h"

// Built from template 4763 of the resource module. A confirmed Cancel only signals the kill
// event the owner gave it: the owner ends the dialog once its task has stopped.
class TKWUI_API CProgressDialog : public CDialog, public CProgressDisplay {
  DECLARE_DYNAMIC(CProgressDialog)

 public:
  CProgressDialog();
  // nSmooth and bHideOnCancel are accepted for the window's shape and have no effect here;
  // bOwnerNotify becomes m_bKeepWindow.
  CProgressDialog(CWnd* pParent, LPCTSTR pszCaption, int nSmooth, int bOwnerNotify,
                  int bHasProgressCtrl, int bHideOnCancel, bool bShowCancel);
  ~CProgressDialog() override;

  // Plays animation nID (0: the default clip) from the resource module, repeating.
  void SetAnimation(UINT nID);

  void SetKillHandle(HANDLE* phKill) { m_phKill = phKill; }
  void SetCompleteHandle(HANDLE* phComplete) { m_phComplete = phComplete; }
  BOOL StartAnimation();
  BOOL StopAnimation();

  BOOL OnInitDialog() override;
  // Asks for confirmation; on Yes marks the dialog cancelled, signals the kill event and
  // disables Cancel. The dialog stays open.
  void OnCancel() override;

  UINT m_nAnimID;
  HANDLE* m_phKill;
  HANDLE* m_phComplete;
  BOOL m_bKeepWindow;

 protected:
  afx_msg LRESULT OnUpdateStatus(WPARAM wParam, LPARAM lParam);
  afx_msg void OnCancelClicked();
  DECLARE_MESSAGE_MAP()

  CWnd& Host() override { return *this; }
  // The status line shows at most 511 characters.
  void ShowStatus(LPCTSTR pszText) override;
};
