// CGfxPrintJob: the framework's print loop without a document or view; CGfxPrintStatus: the
// modeless dialog that shows its progress and lets the user cancel it.
#pragma once
#include "core/TKWExport.h"

#include <afxdlgs.h>
#include <afxwin.h>

class TKWUI_API CGfxPrintStatus : public CDialog {
 public:
  explicit CGfxPrintStatus(CWnd* pParent);
  // Creates the window from template 930 and clears the print-aborted flag.
  BOOL Create();

  // The process-wide print-aborted flag: set by Cancel, read by the print loop.
  static BOOL IsAborted();
  static void SetAborted(BOOL bAborted);
  // The abort procedure: pumps waiting messages until the queue is empty or the print was
  // cancelled; FALSE once it was.
  static BOOL CALLBACK AbortProc(HDC hDC, int nCode);

  CWnd m_wndProgress;   // control 1242
  CWnd m_wndAnimation;  // control 1561

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnCancel() override;

 private:
  CWnd* m_pParent;
};

class TKWUI_API CGfxPrintJob {
 public:
  CGfxPrintJob();
  CGfxPrintJob(const CGfxPrintJob& other);
  CGfxPrintJob& operator=(const CGfxPrintJob& other);

  // The whole print: dialog, optional file, status dialog, pages, cancel.
  virtual void OnFilePrint();
  virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
  virtual bool OnPreparePrinting(CPrintInfo* pInfo, bool bAfterPreview = false);
  virtual ~CGfxPrintJob();

  // Makes the page range consistent and shows the application's print dialog; false when it
  // is not confirmed or yields no printer DC.
  BOOL DoPreparePrinting(CPrintInfo* pInfo);
  // Stops a job of unknown length after its first page.
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo);

  CWnd* m_pParent;     // parent of the status dialog
  CString m_strTitle;  // the document name
  DWORD m_dwReserved;

 private:
  // The pages themselves, with the status dialog up; false when they were aborted.
  bool PrintPages(CDC& dc, CPrintInfo& info, CGfxPrintStatus& status);
};
