// Latency, iteration steps and benchmark properties.
#include "QXRunSettings.h"

#include "QXDowncast.h"

// ---- CLatency

IMPLEMENT_DYNCREATE(CLatency, CXMLCmdTarget)

CLatency::CLatency() : m_nMode(fixed), m_nMinimum(1000), m_nMaximum(1000) {}

BOOL CLatency::Set(int nMode, int nMinimum, int nMaximum) {
  if (nMode < none || nMode > random || nMinimum < 0 || nMaximum < 0 ||
      (nMode == random && nMaximum < nMinimum))
    return FALSE;
  m_nMode = nMode;
  m_nMinimum = nMinimum;
  m_nMaximum = nMaximum;
  return TRUE;
}

void CLatency::XMLSerialize(CXMLArchive& ar) {
  if (ar.IsStoring()) {
    ar << CXMLElement(_T("MODE")) << m_nMode;
    ar << CXMLElement(_T("MIN")) << m_nMinimum;
    ar << CXMLElement(_T("MAX")) << m_nMaximum;
  } else {
    // Read into copies and keep them only when they make sense together.
    int nMode = m_nMode, nMinimum = m_nMinimum, nMaximum = m_nMaximum;
    ar >> CXMLElement(_T("MODE")) >> nMode;
    ar >> CXMLElement(_T("MIN")) >> nMinimum;
    ar >> CXMLElement(_T("MAX")) >> nMaximum;
    Set(nMode, nMinimum, nMaximum);
  }
}

CXMLCmdTarget& CLatency::operator=(const CXMLCmdTarget& src) {
  if (const CLatency* pSource = QXDowncast<CLatency>(&src)) {
    m_nMode = pSource->m_nMode;
    m_nMinimum = pSource->m_nMinimum;
    m_nMaximum = pSource->m_nMaximum;
  }
  return *this;
}

// ---- CIteration

IMPLEMENT_DYNCREATE(CIteration, CXMLCmdTarget)

CIteration::CIteration() : m_nUsers(1), m_nIterations(1) {}
CIteration::CIteration(int nUsers, int nIterations)
    : m_nUsers(nUsers), m_nIterations(nIterations) {}

void CIteration::XMLSerialize(CXMLArchive& ar) {
  if (ar.IsStoring()) {
    ar << CXMLElement(_T("USERS")) << m_nUsers;
    ar << CXMLElement(_T("ITERATIONS")) << m_nIterations;
  } else {
    ar >> CXMLElement(_T("USERS")) >> m_nUsers;
    ar >> CXMLElement(_T("ITERATIONS")) >> m_nIterations;
  }
}

// ---- CBenchmarkProperties

IMPLEMENT_DYNCREATE(CBenchmarkProperties, CXMLCmdTarget)

CBenchmarkProperties::CBenchmarkProperties() {}
CBenchmarkProperties::CBenchmarkProperties(LPCTSTR lpszName, LPCTSTR lpszValue)
    : m_strName(lpszName), m_strValue(lpszValue) {}

void CBenchmarkProperties::XMLSerialize(CXMLArchive& ar) {
  if (ar.IsStoring()) {
    ar << CXMLElement(_T("NAME")) << m_strName;
    ar << CXMLElement(_T("VALUE")) << m_strValue;
  } else {
    ar >> CXMLElement(_T("NAME")) >> m_strName;
    ar >> CXMLElement(_T("VALUE")) >> m_strValue;
  }
}
