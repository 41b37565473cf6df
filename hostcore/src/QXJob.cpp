// Tests and jobs.
#include "QXJob.h"

#include "QXDowncast.h"

// ---- CTest

IMPLEMENT_DYNCREATE(CTest, CXMLCmdTarget)

CTest::CTest() {}
CTest::CTest(LPCTSTR lpszName) : m_strName(lpszName) {}
CTest::~CTest() {
  m_arrXacts.DeleteAll();
}

int CTest::AddXact(CXact* pXact, CXact* pAfter) {
  if (!pXact || m_arrXacts.Find(pXact) >= 0) return -1;
  return (int)m_arrXacts.InsertAfter(pXact, pAfter);
}

CXact* CTest::GetXact(int nIndex) const {
  return nIndex >= 0 && nIndex < m_arrXacts.GetSize() ? m_arrXacts.GetAt(nIndex) : NULL;
}

CXact* CTest::RemoveXact(int nIndex) {
  CXact* pXact = GetXact(nIndex);
  if (pXact) m_arrXacts.RemoveAt(nIndex);
  return pXact;
}

BOOL CTest::RemoveXact(CXact* pXact) {
  const INT_PTR nIndex = m_arrXacts.Find(pXact);
  return nIndex >= 0 && RemoveXact((int)nIndex) != NULL;
}

void CTest::XMLSerialize(CXMLArchive& ar) {
  if (ar.IsStoring()) {
    ar << CXMLElement(_T("NAME")) << m_strName;
    for (int i = 0; i < GetXactCount(); ++i) ar << GetXact(i);
  } else {
    ar >> CXMLElement(_T("NAME")) >> m_strName;
    ar.ReadChildObjects(*this);
  }
}

void CTest::SetProperty(const CString& strName, const CString& strValue) {
  if (strName.CompareNoCase(_T("NAME")) == 0) m_strName = strValue;
}

BOOL CTest::SetChildObject(const CString& strElement, CXMLCmdTarget* pChild) {
  UNUSED(strElement);
  CXact* pXact = QXDowncast<CXact>(pChild);
  return pXact && AddXact(pXact, NULL) >= 0;
}

// ---- CJob

IMPLEMENT_DYNCREATE(CJob, CXMLCmdTarget)

CJob::CJob() {}
CJob::CJob(LPCTSTR lpszName) : m_strName(lpszName) {}

CJob::~CJob() {
  m_arrTests.DeleteAll();
}

int CJob::AddTest(CTest* pTest, CTest* pAfter) {
  if (!pTest || m_arrTests.Find(pTest) >= 0) return -1;
  return (int)m_arrTests.InsertAfter(pTest, pAfter);
}

CTest* CJob::GetTest(int nIndex) const {
  return nIndex >= 0 && nIndex < m_arrTests.GetSize() ? m_arrTests.GetAt(nIndex) : NULL;
}

CTest* CJob::RemoveTest(int nIndex) {
  CTest* pTest = GetTest(nIndex);
  if (pTest) m_arrTests.RemoveAt(nIndex);
  return pTest;
}

BOOL CJob::RemoveTest(CTest* pTest) {
  const INT_PTR nIndex = m_arrTests.Find(pTest);
  return nIndex >= 0 && RemoveTest((int)nIndex) != NULL;
}

void CJob::XMLSerialize(CXMLArchive& ar) {
  if (ar.IsStoring()) {
    ar << CXMLElement(_T("NAME")) << m_strName;
    ar << CXMLElement(_T("SETTING")) << m_strJobSetting;
    for (int i = 0; i < GetTestCount(); ++i) ar << GetTest(i);
  } else {
    ar >> CXMLElement(_T("NAME")) >> m_strName;
    ar >> CXMLElement(_T("SETTING")) >> m_strJobSetting;
    ar.ReadChildObjects(*this);
  }
}

void CJob::SetProperty(const CString& strName, const CString& strValue) {
  if (strName.CompareNoCase(_T("NAME")) == 0) m_strName = strValue;
}

BOOL CJob::SetChildObject(const CString& strElement, CXMLCmdTarget* pChild) {
  UNUSED(strElement);
  CTest* pTest = QXDowncast<CTest>(pChild);
  return pTest && AddTest(pTest) >= 0;
}
