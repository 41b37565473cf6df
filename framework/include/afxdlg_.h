// Dialogs from templates (modeless and with the framework's own modal loop) and dialog data
// exchange: DDX_ moves values between controls and members, DDV_ checks them.
#pragma once
#include "afx.h"
#include "afxwnd_.h"

// ---- CDialog
class AFX_FWAPI CDialog : public CWnd {
  DECLARE_DYNAMIC(CDialog)

 public:
  CDialog();
  explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
  ~CDialog() override;

  // Modeless: the template is found through the resource chain. FALSE when it is missing or
  // the window cannot be created.
  virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
  virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
  virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                              void* lpDialogInit = NULL);
  virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

  // Sets an in-memory template for DoModal (it must outlive the dialog).
  BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                         void* lpDialogInit = NULL);
  // Disables the owner, runs the modal loop until EndDialog and answers its result;
  // -1 when the template cannot be found or the dialog cannot be created.
  virtual INT_PTR DoModal();
  // Ends the modal loop with nResult (a modeless dialog is hidden).
  void EndDialog(int nResult);

  // ---- keyboard focus and the default button
  void NextDlgCtrl() const;
  void PrevDlgCtrl() const;
  void GotoDlgCtrl(CWnd* pWndCtrl);
  void SetDefID(UINT nID);
  // DM_GETDEFID's answer: DC_HASDEFID in the high word, the id in the low word.
  DWORD GetDefID() const;
  // Dialog units to pixels with this dialog's font.
  void MapDialogRect(LPRECT lpRect) const;

  // Loads the controls from the members (UpdateData(FALSE)); TRUE lets the dialog manager
  // set the focus.
  virtual BOOL OnInitDialog();
  // Keyboard navigation for the dialog and its controls (IsDialogMessage).
  BOOL PreTranslateMessage(MSG* pMsg) override;

  LPCTSTR m_lpszTemplateName;  // resource name or MAKEINTRESOURCE id, or null
  UINT m_nIDHelp;
  LPCDLGTEMPLATE m_lpDialogTemplate;  // in-memory template (InitModalIndirect), or null
  HGLOBAL m_hDialogTemplate;
  void* m_lpDialogInit;
  CWnd* m_pParentWnd;

 protected:
  // IDOK: saves and checks the members (UpdateData(TRUE)), then EndDialog(IDOK).
  virtual void OnOK();
  virtual void OnCancel();

  // TRUE while the modal loop should go on.
  virtual BOOL ContinueModal();

  DECLARE_MESSAGE_MAP()

 private:
  void CommonConstruct();
  BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, HWND hWndParent, HINSTANCE hInst);
  LPCDLGTEMPLATE FindTemplate(HINSTANCE& hInst) const;
  HWND ModalOwner() const;
  int RunDialogLoop(HWND hWndOwner, BOOL bIdleMessages);

  BOOL m_bInModalLoop;
  BOOL m_bContinueModal;
  int m_nDialogResult;

  friend INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM);
};

// The dialog procedure of every framework dialog; messages reach the window's message map
// through the framework window procedure, this only answers WM_INITDIALOG.
AFX_FWAPI INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// ---- CDataExchange: one direction of UpdateData and the control being worked on.
class AFX_FWAPI CDataExchange {
 public:
  CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

  BOOL m_bSaveAndValidate;  // TRUE: controls to members (and validation)
  CWnd* m_pDlgWnd;
  HWND m_hWndLastControl;
  BOOL m_bEditLastControl;
  UINT m_idLastControl;

  // The control with this id; throws CNotSupportedException when there is none.
  HWND PrepareCtrl(int nIDC);
  HWND PrepareEditCtrl(int nIDC);
  // Puts the focus back on the last control (its text selected) and ends the exchange with
  // CUserException; the user has already been told what is wrong.
  [[noreturn]] void Fail();

 private:
  CDataExchange(const CDataExchange&) = delete;
  CDataExchange& operator=(const CDataExchange&) = delete;
};

// ---- DDX: text controls
AFX_FWAPI void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_FWAPI void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_FWAPI void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_FWAPI void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFX_FWAPI void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
AFX_FWAPI void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);

// ---- DDX: buttons, combo boxes, list boxes, control objects
AFX_FWAPI void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// nIDC is the first radio button of a group; value is the index of the checked one, or -1.
AFX_FWAPI void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
AFX_FWAPI void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_FWAPI void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
AFX_FWAPI void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_FWAPI void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
// Subclasses the control into rControl the first time.
AFX_FWAPI void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// ---- DDV: only when saving; a failure shows a message box and fails the exchange
AFX_FWAPI void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
AFX_FWAPI void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
AFX_FWAPI void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
AFX_FWAPI void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal,
                                       double maxVal);
