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
  return (int)m_arrXacts.InsertAfter(pXact, pAfter);
}

CXact* CTest::GetXact(int nIndex) const {
  return m_arrXacts.GetOrNull(nIndex);
}

CXact* CTest::RemoveXact(int nIndex) {
  return m_arrXacts.TakeAt(nIndex);
}

BOOL CTest::RemoveXact(CXact* pXact) {
  return m_arrXacts.TakeAt(m_arrXacts.Find(pXact)) != NULL;
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
  return (int)m_arrTests.InsertAfter(pTest, pAfter);
}

CTest* CJob::GetTest(int nIndex) const {
  return m_arrTests.GetOrNull(nIndex);
}

CTest* CJob::RemoveTest(int nIndex) {
  return m_arrTests.TakeAt(nIndex);
}

BOOL CJob::RemoveTest(CTest* pTest) {
  return m_arrTests.TakeAt(m_arrTests.Find(pTest)) != NULL;
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
