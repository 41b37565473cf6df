// The workload modules of the host and whether each is enabled (licensed and installed).
#pragma once
#include "QXExport.h"

#include <afx.h>

#define QXMODULE_DATABASE 1
#define QXMODULE_MESSAGING 2
#define QXMODULE_WEB 3
#define QXMODULE_FILE 4

class QX_API CQXModuleManager {
 public:
  CQXModuleManager();  // every module enabled

  int GetModuleCount() const;                    // 4
  BOOL IsModuleEnabled(int nModule) const;       // FALSE for a number that is not a module
  BOOL EnableModule(int nModule, BOOL bEnable);  // FALSE for a number that is not a module
  CString GetModuleName(
      int nModule) const;  // "Database", "Messaging", "Web", "File"; empty otherwise

 private:
  CQXModuleManager(const CQXModuleManager&) = delete;
  CQXModuleManager& operator=(const CQXModuleManager&) = delete;

  BOOL m_bEnabled[4];
};

// The process-wide module manager; never null.
QX_API CQXModuleManager* TKWGetModuleManager();
