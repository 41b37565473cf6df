// Jobs: what the host runs, a named list of tests with the setting the wizard chose.
#pragma once
#include "QXTest.h"

// A job owns its tests.
class QX_API CJob : public CXMLCmdTarget {
  DECLARE_DYNCREATE(CJob)

 public:
  CJob();
  explicit CJob(LPCTSTR lpszName);
  ~CJob() override;  // deletes its tests

  CString GetName() const { return m_strName; }
  void SetName(LPCTSTR lpszName) { m_strName = lpszName; }
  CString GetJobSetting() const { return m_strJobSetting; }
  void SetJobSetting(LPCTSTR lpszSetting) { m_strJobSetting = lpszSetting; }

  // Adopts pTest after pAfter (at the end when pAfter is null or not in the job); returns its
  // index, or -1 for null or a test already in the job.
  int AddTest(CTest* pTest, CTest* pAfter = NULL);
  int GetTestCount() const { return (int)m_arrTests.GetSize(); }
  CTest* GetTest(int nIndex) const;  // null when out of range
  CTest* RemoveTest(int nIndex);     // taken out, not deleted
  BOOL RemoveTest(CTest* pTest);

  void XMLSerialize(CXMLArchive& ar) override;
  void SetProperty(const CString& strName, const CString& strValue) override;
  BOOL SetChildObject(const CString& strElement, CXMLCmdTarget* pChild) override;

  // The setting the job wizard writes (the wizard copies its own setting string here).
  CString m_strJobSetting;

 private:
  CString m_strName;
  CQXPtrArray<CTest> m_arrTests;
};

// An array of jobs: DeleteAll frees them; RemoveAll and the destructor just forget them.
class CJobArray : public CQXPtrArray<CJob> {};
