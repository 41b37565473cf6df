// Where the grid keeps its column layouts: the application profile, or a stand-in in tests.
#pragma once

#include "core/TKWExport.h"

#include <string>

// Section/entry access with the integer and string kinds of the application profile.
// An entry that is not stored reads back as the default passed in.
class TKWUI_API CGfxProfileStore {
 public:
  virtual ~CGfxProfileStore() = default;

  // Stored integer of section\entry, or nDefault when there is none.
  virtual int GetInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nDefault) = 0;
  // Stored string of section\entry, or pszDefault (null reads as empty) when there is none.
  virtual std::wstring GetString(const wchar_t* pszSection, const wchar_t* pszEntry,
                                 const wchar_t* pszDefault) = 0;
  // Store a value; false when the store refused it.
  virtual bool WriteInt(const wchar_t* pszSection, const wchar_t* pszEntry, int nValue) = 0;
  virtual bool WriteString(const wchar_t* pszSection, const wchar_t* pszEntry,
                           const wchar_t* pszValue) = 0;

  // Process-wide store used by every column manager that has none of its own. The Windows
  // library sets it to the application's profile functions at start-up; it is null natively,
  // so layouts are neither read nor written there unless a test supplies a store.
  static CGfxProfileStore* GetDefault();
  static void SetDefault(CGfxProfileStore* pStore);  // not owned; null removes it
};
