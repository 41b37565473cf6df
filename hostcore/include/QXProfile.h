// Connection profiles (which server a module's scripts run against) and the host's profile list.
#pragma once
#include "QXPtrArray.h"
#include "XMLArchive.h"

// One profile: a name, the module it serves and its settings (SERVER, DATABASE, USER, PORT...).
class QX_API CProfile : public CXMLCmdTarget {
  DECLARE_DYNCREATE(CProfile)

 public:
  CProfile();
  CProfile(LPCTSTR lpszName, int nModule);

  CString GetName() const { return m_strName; }
  void SetName(LPCTSTR lpszName) { m_strName = lpszName; }
  int GetModule() const { return m_nModule; }
  void SetModule(int nModule) { m_nModule = nModule; }
  CString GetSetting(LPCTSTR lpszKey) const;  // empty when not set
  void SetSetting(LPCTSTR lpszKey, LPCTSTR lpszValue);

  void XMLSerialize(CXMLArchive& ar) override;
  void SetProperty(const CString& strName, const CString& strValue) override;

 private:
  CString m_strName;
  int m_nModule;
  CMapStringToString m_mapSettings;
};

// The profiles the host holds. It owns them and deletes those it still holds when it goes.
class QX_API CQXProfileManager {
 public:
  CQXProfileManager();
  ~CQXProfileManager();

  // Adopts a profile; FALSE for null, a profile already held or a name already used (ignoring
  // case).
  BOOL AddProfile(CProfile* pProfile);
  // Gives a profile back to the caller without deleting it; FALSE when not held.
  BOOL RemoveProfile(CProfile* pProfile);
  // Non-zero while the manager holds that profile / a profile of that name (ignoring case).
  BOOL ProfileExist(const CProfile* pProfile) const;
  BOOL ProfileExist(const CString& strName) const;
  CProfile* FindProfile(const CString& strName) const;
  int GetProfileCount() const { return (int)m_arrProfiles.GetSize(); }
  CProfile* GetProfile(int nIndex) const;  // null when out of range
  void DeleteAll();

 private:
  CQXProfileManager(const CQXProfileManager&) = delete;
  CQXProfileManager& operator=(const CQXProfileManager&) = delete;

  CQXPtrArray<CProfile> m_arrProfiles;
};

// The process-wide profile manager; never null.
QX_API CQXProfileManager* TKWGetProfileManager();
