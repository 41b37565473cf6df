// The host's folders: where projects live and where the user's own data lives.
#pragma once
#include "QXExport.h"

#include <afx.h>

class QX_API CQXSettingsManager {
 public:
  CQXSettingsManager();

  // The project folder, without a trailing backslash. Until the host sets one: the user's
  // documents folder + "\Velotrace Projects".
  CString GetProjectFilePath() const;
  void SetProjectFilePath(LPCTSTR lpszPath);

  // The user's data folder (chart templates and the like), without a trailing backslash.
  // Until the host sets one: the user's application data folder + "\Velotrace".
  CString GetUserZRWPath() const;
  void SetUserZRWPath(LPCTSTR lpszPath);

 private:
  CQXSettingsManager(const CQXSettingsManager&) = delete;
  CQXSettingsManager& operator=(const CQXSettingsManager&) = delete;

  CString m_strProjectPath;  // empty: the default
  CString m_strUserPath;     // empty: the default
};

// The process-wide settings; never null.
QX_API CQXSettingsManager* TKWGetSettingsManager();
