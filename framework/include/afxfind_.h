// CFileFind: walks the files that match a path pattern, one at a time.
#pragma once

class AFX_FWAPI CFileFind : public CObject {
  DECLARE_DYNAMIC(CFileFind)

 public:
  CFileFind();
  ~CFileFind() override;

  // Starts a search (default "*.*" in the current folder); TRUE when anything matches.
  // The first match becomes current after FindNextFile.
  virtual BOOL FindFile(LPCTSTR pstrName = NULL, DWORD dwUnused = 0);
  // Makes the next match current; FALSE when it is the last one (it is still current).
  virtual BOOL FindNextFile();
  void Close();

  CString GetFileName() const;
  CString GetFilePath() const;
  CString GetRoot() const { return m_strRoot; }
  ULONGLONG GetLength() const;
  BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
  BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
  BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
  // "." and "..".
  BOOL IsDots() const;
  BOOL MatchesMask(DWORD dwMask) const;

 private:
  CFileFind(const CFileFind&) = delete;
  CFileFind& operator=(const CFileFind&) = delete;

  HANDLE m_hFind;
  WIN32_FIND_DATAW m_found;  // the match FindNextFile made current
  WIN32_FIND_DATAW m_next;   // the match after it
  BOOL m_bHasCurrent;
  BOOL m_bHasNext;
  CString m_strRoot;  // folder of the pattern, with its trailing separator
};
