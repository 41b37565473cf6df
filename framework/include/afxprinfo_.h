// CPrintInfo: the state of one print job shared between the print loop and its callbacks.
#pragma once
#include "afxcomdlg_.h"

struct AFX_FWAPI CPrintInfo {
  CPrintInfo();
  ~CPrintInfo();

  CPrintDialog* m_pPD;  // owned; its page numbers are the job's
  BOOL m_bDocObject;
  DWORD m_dwFlags;
  UINT m_nOffsetPage;
  UINT m_nJobNumber;
  BOOL m_bPreview;
  BOOL m_bDirect;            // print without showing the print dialog
  BOOL m_bContinuePrinting;  // cleared by OnPrepareDC to end the job
  UINT m_nCurPage;
  UINT m_nNumPreviewPages;
  CString m_strPageDesc;
  LPVOID m_lpUserData;
  CRect m_rectDraw;  // the printable area of the current page, logical units

  void SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = WORD(nMinPage); }
  void SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = WORD(nMaxPage); }
  UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
  UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
  UINT GetFromPage() const { return m_pPD->m_pd.nFromPage; }
  UINT GetToPage() const { return m_pPD->m_pd.nToPage; }
  UINT GetOffsetPage() const { return m_nOffsetPage; }

 private:
  CPrintInfo(const CPrintInfo&) = delete;
  CPrintInfo& operator=(const CPrintInfo&) = delete;
};
