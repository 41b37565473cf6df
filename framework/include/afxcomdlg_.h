// The system's common dialogs as framework dialogs: open/save file and print set-up.
#pragma once
#include "afxwin.h"

#include <commdlg.h>

// ---- CCommonDialog: a dialog the system runs itself; DoModal answers IDOK or IDCANCEL.
class AFX_FWAPI CCommonDialog : public CDialog {
  DECLARE_DYNAMIC(CCommonDialog)

 public:
  explicit CCommonDialog(CWnd* pParentWnd);

 protected:
  // The owner window handle for the system call: the parent, else the active or main window.
  HWND PreModal();
};

// ---- CFileDialog: the open or save dialog. The filter is written with '|' separators
// ("Text (*.txt)|*.txt|All files (*.*)|*.*||"). With OFN_ALLOWMULTISELECT, point
// m_ofn.lpstrFile at a larger buffer first and walk the choice with GetStartPosition and
// GetNextPathName.
class AFX_FWAPI CFileDialog : public CCommonDialog {
  DECLARE_DYNAMIC(CFileDialog)

 public:
  explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       LPCTSTR lpszFilter = NULL, CWnd* pParentWnd = NULL, DWORD dwSize = 0,
                       BOOL bVistaStyle = TRUE);

  OPENFILENAMEW m_ofn;  // handed to the system as it stands when DoModal runs

  INT_PTR DoModal() override;

  CString GetPathName() const;   // the full path of the (first) chosen file
  CString GetFileName() const;   // its name with extension
  CString GetFileExt() const;    // its extension without the dot
  CString GetFileTitle() const;  // its name without extension
  BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
  // Null when nothing was chosen.
  POSITION GetStartPosition() const;
  // The full path at pos; pos moves to the next one, or becomes null after the last.
  CString GetNextPathName(POSITION& pos) const;

  BOOL m_bOpenFileDialog;
  CString m_strFilter;  // NUL-separated, as m_ofn.lpstrFilter points into it

 protected:
  wchar_t m_szFileName[_MAX_PATH];
  wchar_t m_szFileTitle[64];
  CString m_strDefExt;
};

// ---- CPrintDialog: the print (or print set-up) dialog and the printer it chose.
class AFX_FWAPI CPrintDialog : public CCommonDialog {
  DECLARE_DYNAMIC(CPrintDialog)

 public:
  explicit CPrintDialog(BOOL bPrintSetupOnly,
                        DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                        PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                        CWnd* pParentWnd = NULL);
  ~CPrintDialog() override;

  PRINTDLGW m_pd;

  INT_PTR DoModal() override;
  // The default printer without any window (PD_RETURNDEFAULT); FALSE when there is none.
  BOOL GetDefaults();

  int GetCopies() const;
  BOOL PrintCollate() const { return (m_pd.Flags & PD_COLLATE) != 0; }
  BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
  BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
  BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
  BOOL PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }
  int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
  int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }
  LPDEVMODEW GetDevMode() const;  // locked: the caller unlocks m_pd.hDevMode
  CString GetDriverName() const;
  CString GetDeviceName() const;
  CString GetPortName() const;
  // The DC the dialog returned (PD_RETURNDC), handed over: the caller deletes it.
  HDC GetPrinterDC() const;
  // A new DC for the chosen printer, kept in m_pd.hDC (an earlier one is deleted).
  HDC CreatePrinterDC();

 private:
  CString DevNamesString(int which) const;
};

// A DC for the printer these DEVNAMES/DEVMODE handles name; null when they name none.
AFX_FWAPI HDC AFXAPI AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode);
