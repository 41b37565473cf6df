// CString: the framework's wide-character string with MFC's interface.
#pragma once
#include "afxver_.h"
#include <cstdarg>

#if defined(_WIN32)
#include <oleauto.h>
#endif

// A string owns one heap block: a small header followed by the characters. The empty string
// shares a static block, so default construction never allocates. Copies are deep: the interface
// lets callers write into the buffer (GetBuffer), which sharing would make fragile.
// Note: pass a CString to a variadic function (Format, printf) as (LPCTSTR)s or s.GetString().
class AFX_FWAPI CString {
 public:
  typedef wchar_t XCHAR;
  typedef char YCHAR;

  // Construction
  CString() noexcept;
  CString(const CString& src);
  CString(CString&& src) noexcept;
  CString(const wchar_t* psz);
  CString(const char* psz);  // converted from the active code page
  CString(const wchar_t* pch, int nLength);
  CString(const char* pch, int nLength);
  CString(wchar_t ch, int nRepeat = 1);
  ~CString();

  // Attributes
  int GetLength() const noexcept { return Header()->nDataLength; }
  bool IsEmpty() const noexcept { return GetLength() == 0; }
  void Empty();
  const wchar_t* GetString() const noexcept { return m_pszData; }
  operator const wchar_t*() const noexcept { return m_pszData; }
  wchar_t GetAt(int nIndex) const;
  void SetAt(int nIndex, wchar_t ch);
  wchar_t operator[](int nIndex) const { return GetAt(nIndex); }
  int GetAllocLength() const noexcept { return Header()->nAllocLength; }

  // Assignment and concatenation
  CString& operator=(const CString& src);
  CString& operator=(CString&& src) noexcept;
  CString& operator=(const wchar_t* psz);
  CString& operator=(const char* psz);
  CString& operator=(wchar_t ch);
  CString& operator+=(const CString& s) {
    Append(s.m_pszData, s.GetLength());
    return *this;
  }
  CString& operator+=(const wchar_t* psz) {
    Append(psz);
    return *this;
  }
  CString& operator+=(const char* psz) { return *this += CString(psz); }
  CString& operator+=(wchar_t ch) {
    AppendChar(ch);
    return *this;
  }
  void Append(const wchar_t* psz);
  void Append(const wchar_t* pch, int nLength);
  void Append(const CString& s) { Append(s.m_pszData, s.GetLength()); }
  void AppendChar(wchar_t ch);
  void SetString(const wchar_t* psz);
  void SetString(const wchar_t* pch, int nLength);

  // Comparison
  int Compare(const wchar_t* psz) const;
  int CompareNoCase(const wchar_t* psz) const;
  int Collate(const wchar_t* psz) const;
  int CollateNoCase(const wchar_t* psz) const;

  // Extraction
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString SpanIncluding(const wchar_t* pszCharSet) const;
  CString SpanExcluding(const wchar_t* pszCharSet) const;
  CString Tokenize(const wchar_t* pszTokens, int& iStart) const;

  // Changing in place
  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  int Replace(wchar_t chOld, wchar_t chNew);
  int Replace(const wchar_t* pszOld, const wchar_t* pszNew);
  int Remove(wchar_t ch);
  int Insert(int nIndex, wchar_t ch);
  int Insert(int nIndex, const wchar_t* psz);
  int Delete(int nIndex, int nCount = 1);
  CString& Trim();
  CString& Trim(wchar_t chTarget);
  CString& Trim(const wchar_t* pszTargets);
  CString& TrimLeft();
  CString& TrimLeft(wchar_t chTarget);
  CString& TrimLeft(const wchar_t* pszTargets);
  CString& TrimRight();
  CString& TrimRight(wchar_t chTarget);
  CString& TrimRight(const wchar_t* pszTargets);
  void Truncate(int nNewLength);

  // Searching; all answer -1 when nothing is found
  int Find(wchar_t ch, int nStart = 0) const;
  int Find(const wchar_t* pszSub, int nStart = 0) const;
  int ReverseFind(wchar_t ch) const;
  int FindOneOf(const wchar_t* pszCharSet) const;

  // Formatting: MS printf semantics (%s and %c take wide arguments, %S and %C narrow ones)
  void AFX_CDECL Format(const wchar_t* pszFormat, ...);
  void AFX_CDECL Format(UINT nFormatID, ...);
  void AFX_CDECL AppendFormat(const wchar_t* pszFormat, ...);
  void FormatV(const wchar_t* pszFormat, va_list args);
  void AppendFormatV(const wchar_t* pszFormat, va_list args);

  // Resources: the string resource nID, found through the framework's resource chain.
  BOOL LoadString(UINT nID);
#if defined(_WIN32)
  BOOL LoadString(HINSTANCE hInstance, UINT nID);
  BSTR AllocSysString() const;
  BSTR SetSysString(BSTR* pbstr) const;
#endif

  // Raw buffer access: write at most nMinBufferLength characters, then ReleaseBuffer.
  wchar_t* GetBuffer();
  wchar_t* GetBuffer(int nMinBufferLength);
  wchar_t* GetBufferSetLength(int nLength);
  void ReleaseBuffer(int nNewLength = -1);
  void ReleaseBufferSetLength(int nNewLength);
  void Preallocate(int nLength);
  void FreeExtra();
  wchar_t* LockBuffer() {
    return GetBuffer();
  }
  void UnlockBuffer() {}

  friend AFX_FWAPI CString operator+(const CString& a, const CString& b);
  friend AFX_FWAPI CString operator+(const CString& a, const wchar_t* b);
  friend AFX_FWAPI CString operator+(const wchar_t* a, const CString& b);
  friend AFX_FWAPI CString operator+(const CString& a, wchar_t b);
  friend AFX_FWAPI CString operator+(wchar_t a, const CString& b);

 private:
  struct Data {
    int nDataLength;   // characters in use, without the terminator
    int nAllocLength;  // characters the block can hold, without the terminator
    wchar_t* chars() { return reinterpret_cast<wchar_t*>(this + 1); }
  };
  Data* Header() const noexcept {
    return reinterpret_cast<Data*>(m_pszData) - 1;
  }
  bool IsShared() const noexcept;
  void Reserve(int nLength, bool keep);  // room for nLength characters; keeps the text when keep
  void SetLength(int nLength);
  void Release() noexcept;

  wchar_t* m_pszData;
};

inline bool operator==(const CString& a, const CString& b) {
  return a.Compare(b) == 0;
}
inline bool operator==(const CString& a, const wchar_t* b) {
  return a.Compare(b) == 0;
}
inline bool operator==(const wchar_t* a, const CString& b) {
  return b.Compare(a) == 0;
}
inline bool operator!=(const CString& a, const CString& b) {
  return a.Compare(b) != 0;
}
inline bool operator!=(const CString& a, const wchar_t* b) {
  return a.Compare(b) != 0;
}
inline bool operator!=(const wchar_t* a, const CString& b) {
  return b.Compare(a) != 0;
}
inline bool operator<(const CString& a, const CString& b) {
  return a.Compare(b) < 0;
}
inline bool operator>(const CString& a, const CString& b) {
  return a.Compare(b) > 0;
}
inline bool operator<=(const CString& a, const CString& b) {
  return a.Compare(b) <= 0;
}
inline bool operator>=(const CString& a, const CString& b) {
  return a.Compare(b) >= 0;
}

typedef CString CStringW;
