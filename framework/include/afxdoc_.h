// Documents: the data an application opens from a file, known by its path and title.
#pragma once
#include "afx.h"
#include "afxwnd_.h"

// ---- CDocument
class AFX_FWAPI CDocument : public CCmdTarget {
  DECLARE_DYNAMIC(CDocument)

 public:
  CDocument();
  ~CDocument() override;

  const CString& GetTitle() const { return m_strTitle; }
  virtual void SetTitle(LPCTSTR lpszTitle);
  const CString& GetPathName() const { return m_strPathName; }
  // Stores the full form of the path and makes the file's name the title. There is no
  // recent-file list in the framework, so bAddToMRU has nothing to add to.
  virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);

  virtual BOOL IsModified() { return m_bModified; }
  virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

 protected:
  CString m_strTitle;
  CString m_strPathName;
  BOOL m_bModified;
};
