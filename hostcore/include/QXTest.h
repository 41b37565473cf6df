// Tests: named sequences of transactions inside a job.
#pragma once
#include "QXXact.h"

// A test owns its transactions.
class QX_API CTest : public CXMLCmdTarget {
  DECLARE_DYNCREATE(CTest)

 public:
  CTest();
  explicit CTest(LPCTSTR lpszName);
  ~CTest() override;  // deletes its transactions

  CString GetName() const { return m_strName; }
  void SetName(LPCTSTR lpszName) { m_strName = lpszName; }

  // Adopts pXact after pAfter (at the end when pAfter is null or not in the test); returns its
  // index, or -1 for null or a transaction already in the test. The transaction's parent link
  // is not touched: a caller moving it out of a tree removes it there (CXact::RemoveXact).
  int AddXact(CXact* pXact, CXact* pAfter);
  int GetXactCount() const { return (int)m_arrXacts.GetSize(); }
  CXact* GetXact(int nIndex) const;  // null when out of range
  CXact* RemoveXact(int nIndex);     // taken out, not deleted; null when out of range
  BOOL RemoveXact(CXact* pXact);
  CXactArray& GetXacts() { return m_arrXacts; }

  void XMLSerialize(CXMLArchive& ar) override;
  void SetProperty(const CString& strName, const CString& strValue) override;
  BOOL SetChildObject(const CString& strElement, CXMLCmdTarget* pChild) override;

 private:
  CString m_strName;
  CXactArray m_arrXacts;
};
