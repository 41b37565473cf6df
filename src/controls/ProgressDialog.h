// CProgressDialog: a modal dialog with an animation, a status line, an optional progress bar
// with the percentage in the caption, and Cancel with a confirmation question.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>

#include "controls/ProgressMessages.h"
#include "core/TKWExport.h"

// Built from template 4763 of the resource module. A confirmed Cancel only signals the kill
// event the owner gave it: the owner ends the dialog once its task has stopped.
class TKWUI_API CProgressDialog : public CDialog {
  DECLARE_DYNAMIC(CProgressDialog)

 public:
  CProgressDialog();
  // nSmooth and bHideOnCancel are accepted for the window's shape and have no effect here;
  // bOwnerNotify becomes m_bKeepWindow.
  CProgressDialog(CWnd* pParent, LPCTSTR pszCaption, int nSmooth, int bOwnerNotify,
                  int bHasProgressCtrl, int bHideOnCancel, bool bShowCancel);
  ~CProgressDialog() override;

  // Each returns the stored position and does nothing else while the window does not exist.
  void SetRange(int nLower, int nUpper, int nStep);
  int SetPos(int nPos);
  int SetPos(int nPos, CString strCaption);
  int StepIt();
  int StepIt(CString strCaption);
  // printf-style into the status line (at most 511 characters are shown).
  void SetText(LPCTSTR pszFormat, ...);
  // Plays animation nID (0: the default clip) from the resource module, repeating.
  void SetAnimation(UINT nID);
  void Clear();
  void ShowCancelButton(bool bShow) { m_bShowCancel = bShow; }
  void AddProgressCtrl();
  BOOL HasProgressCtrl() const { return m_bHasProgressCtrl; }
  BOOL Cancelled() const { return m_bCancelled; }

  void SetKillHandle(HANDLE* phKill) { m_phKill = phKill; }
  void SetCompleteHandle(HANDLE* phComplete) { m_phComplete = phComplete; }
  BOOL StartAnimation();
  BOOL StopAnimation();

  BOOL OnInitDialog() override;
  // Asks for confirmation; on Yes marks the dialog cancelled, signals the kill event and
  // disables Cancel. The dialog stays open.
  void OnCancel() override;

  bool m_bShowCancel;
  BOOL m_bCancelled;
  int m_nPos;
  int m_nPercent;
  int m_nStep;
  int m_nUpper;
  int m_nLower;
  CString m_strCaption;
  CFont m_font;
  BOOL m_bHasProgressCtrl;
  UINT m_nAnimID;
  HANDLE* m_phKill;
  HANDLE* m_phComplete;
  BOOL m_bKeepWindow;

 protected:
  afx_msg LRESULT OnUpdateStatus(WPARAM wParam, LPARAM lParam);
  afx_msg void OnCancelClicked();
  DECLARE_MESSAGE_MAP()

  CAnimateCtrl m_animate;
  CProgressCtrl m_progress;
  CButton m_btnCancel;

 private:
  int ApplyPos(int nPos, const CString& strCaption);
  HMODULE m_hResModule;  // kept loaded while a clip from it may be open
};
