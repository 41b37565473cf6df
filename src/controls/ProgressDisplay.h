// CProgressDisplay: what the progress dialog and the progress window share: the range, the
// position with its percentage in the caption, the status text, the animation and the bar.
#pragma once
#include <afxcmn.h>
#include <afxwin.h>

#include "core/TKWExport.h"

// Not a window itself: the class deriving from it is also a CWnd and hands itself out as
// Host(). Each operation does nothing, and returns the stored position, while that window
// does not exist.
class TKWUI_API CProgressDisplay {
 public:
  virtual ~CProgressDisplay();

  void SetRange(int nLower, int nUpper, int nStep = 1);
  int SetPos(int nPos);
  int SetPos(int nPos, CString strCaption);
  int StepIt();
  int StepIt(CString strCaption);
  // printf-style into the status line.
  void SetText(LPCTSTR pszFormat, ...);
  void Clear();
  void ShowCancelButton(bool bShow) { m_bShowCancel = bShow; }
  void AddProgressCtrl();
  BOOL HasProgressCtrl() const { return m_bHasProgressCtrl; }
  BOOL Cancelled() const { return m_bCancelled; }

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

 protected:
  CProgressDisplay(LPCTSTR pszCaption, BOOL bHasProgressCtrl, bool bShowCancel);

  virtual CWnd& Host() = 0;
  virtual void ShowStatus(LPCTSTR pszText) = 0;

  // The children both displays make: the auto-playing animation, and the bar set to the
  // stored range and step.
  BOOL CreateAnimation(const CRect& rc, UINT nID);
  BOOL CreateBar(DWORD dwStyle, const CRect& rc);
  // Opens clip nID (0: the default clip) of the resource module and plays it, repeating;
  // false when there is no animation control.
  bool PlayClip(UINT nID);
  bool HostExists() { return ::IsWindow(Host().m_hWnd) != FALSE; }

  CAnimateCtrl m_animate;
  CProgressCtrl m_progress;
  CButton m_btnCancel;
  HMODULE m_hResModule;  // kept loaded while a clip from it may be open

 private:
  int ApplyPos(int nPos, const CString& strCaption);
};
