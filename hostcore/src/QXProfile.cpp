// Connection profiles and the host's profile manager.
#include "QXProfile.h"

// ---- CProfile

IMPLEMENT_DYNCREATE(CProfile, CXMLCmdTarget)

CProfile::CProfile() : m_nModule(0) {}
CProfile::CProfile(LPCTSTR lpszName, int nModule) : m_strName(lpszName), m_nModule(nModule) {}

CString CProfile::GetSetting(LPCTSTR lpszKey) const {
  CString strValue;
  if (lpszKey) m_mapSettings.Lookup(lpszKey, strValue);
  return strValue;
}

void CProfile::SetSetting(LPCTSTR lpszKey, LPCTSTR lpszValue) {
  if (!lpszKey || !*lpszKey) return;
  if (lpszValue)
    m_mapSettings.SetAt(lpszKey, lpszValue);
  else
    m_mapSettings.RemoveKey(lpszKey);
}

void CProfile::XMLSerialize(CXMLArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteProperty(_T("MODULE"), m_nModule);
    ar << CXMLElement(_T("NAME")) << m_strName;
    for (POSITION pos = m_mapSettings.GetStartPosition(); pos != NULL;) {
      CString strKey, strValue;
      m_mapSettings.GetNextAssoc(pos, strKey, strValue);
      ar << CXMLElement(_T("KEY")) << strKey << CXMLElement(_T("VALUE")) << strValue;
    }
  } else {
    ar >> CXMLElement(_T("NAME")) >> m_strName;
    // KEY and VALUE elements come in pairs; the first missing key ends the list.
    for (;;) {
      CString strKey, strValue;
      ar >> CXMLElement(_T("KEY")) >> strKey >> CXMLElement(_T("VALUE")) >> strValue;
      if (strKey.IsEmpty()) break;
      SetSetting(strKey, strValue);
    }
  }
}

void CProfile::SetProperty(const CString& strName, const CString& strValue) {
  if (strName.CompareNoCase(_T("MODULE")) == 0) m_nModule = _wtoi(strValue);
}

// ---- CQXProfileManager

CQXProfileManager::CQXProfileManager() {}

CQXProfileManager::~CQXProfileManager() {
  DeleteAll();
}

BOOL CQXProfileManager::AddProfile(CProfile* pProfile) {
  if (!pProfile || ProfileExist(pProfile) || ProfileExist(pProfile->GetName())) return FALSE;
  m_arrProfiles.Add(pProfile);
  return TRUE;
}

BOOL CQXProfileManager::RemoveProfile(CProfile* pProfile) {
  return m_arrProfiles.TakeAt(m_arrProfiles.Find(pProfile)) != NULL;
}

BOOL CQXProfileManager::ProfileExist(const CProfile* pProfile) const {
  return pProfile && m_arrProfiles.Find(pProfile) >= 0;
}

BOOL CQXProfileManager::ProfileExist(const CString& strName) const {
  return FindProfile(strName) != NULL;
}

CProfile* CQXProfileManager::FindProfile(const CString& strName) const {
  for (INT_PTR i = 0; i < m_arrProfiles.GetSize(); ++i) {
    if (m_arrProfiles.GetAt(i)->GetName().CompareNoCase(strName) == 0)
      return m_arrProfiles.GetAt(i);
  }
  return NULL;
}

CProfile* CQXProfileManager::GetProfile(int nIndex) const {
  return m_arrProfiles.GetOrNull(nIndex);
}

void CQXProfileManager::DeleteAll() {
  m_arrProfiles.DeleteAll();
}

CQXProfileManager* TKWGetProfileManager() {
  static CQXProfileManager manager;
  return &manager;
}
