// CString: storage, editing, searching and formatting (window-free).
#include "afx.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <new>
#include <string>

namespace {

// The shared block of every empty string: header plus one zero character.
struct NilBlock {
  int nDataLength = 0;
  int nAllocLength = 0;
  wchar_t chNil[2] = {0, 0};
};
NilBlock g_nil;

wchar_t* NilChars() {
  return g_nil.chNil;
}

int SafeLen(const wchar_t* psz) {
  if (!psz) return 0;
  const size_t n = wcslen(psz);
  if (n > size_t(INT_MAX / 4)) AfxThrowMemoryException();
  return int(n);
}

bool InSet(wchar_t ch, const wchar_t* set) {
  return set && ch && wcschr(set, ch) != nullptr;
}

#if !defined(_WIN32)
// glibc reads %s and %c of the wide printf family as narrow arguments; callers write the
// Windows dialect, so the native build rewrites the conversions before formatting.
std::wstring ToPosixFormat(const wchar_t* f) {
  std::wstring out;
  for (const wchar_t* p = f; *p; ++p) {
    out += *p;
    if (*p != L'%') continue;
    if (p[1] == L'%') {
      out += *++p;
      continue;
    }
    // flags, width, precision
    while (p[1] && wcschr(L"-+ #0123456789.*", p[1])) out += *++p;
    if (p[1] == L'I' && p[2] == L'6' && p[3] == L'4') {
      out += L"ll";
      p += 3;
    }
    const wchar_t c = p[1];
    if (c == L's' || c == L'c') {
      out += L'l';
      out += c;
      ++p;
    } else if (c == L'S') {
      out += L's';
      ++p;
    } else if (c == L'C') {
      out += L'c';
      ++p;
    }
  }
  return out;
}
#endif

// Formats into a std::wstring with the Windows printf dialect.
std::wstring FormatToWide(const wchar_t* fmt, va_list args) {
  if (!fmt) return std::wstring();
#if defined(_WIN32)
  va_list count;
  va_copy(count, args);
  const int n = _vscwprintf(fmt, count);
  va_end(count);
  if (n <= 0) return std::wstring();
  std::wstring out(size_t(n) + 1, L'\0');
  _vsnwprintf(&out[0], out.size(), fmt, args);
  out.resize(size_t(n));
  return out;
#else
  const std::wstring posix = ToPosixFormat(fmt);
  std::wstring out(256, L'\0');
  for (;;) {
    va_list attempt;
    va_copy(attempt, args);
    const int n = vswprintf(&out[0], out.size(), posix.c_str(), attempt);
    va_end(attempt);
    if (n >= 0 && size_t(n) < out.size()) {
      out.resize(size_t(n));
      return out;
    }
    if (out.size() > (size_t(1) << 26)) return std::wstring();
    out.resize(out.size() * 2);
  }
#endif
}

}  // namespace

// ---- storage

CString::CString() noexcept : m_pszData(NilChars()) {}

CString::CString(const CString& src) : m_pszData(NilChars()) {
  SetString(src.m_pszData, src.GetLength());
}

CString::CString(CString&& src) noexcept : m_pszData(src.m_pszData) {
  src.m_pszData = NilChars();
}

CString::CString(const wchar_t* psz) : m_pszData(NilChars()) {
  SetString(psz);
}

CString::CString(const char* psz) : m_pszData(NilChars()) {
  if (psz) *this = CString(psz, int(strlen(psz)));
}

CString::CString(const wchar_t* pch, int nLength) : m_pszData(NilChars()) {
  SetString(pch, nLength);
}

CString::CString(const char* pch, int nLength) : m_pszData(NilChars()) {
  if (!pch || nLength <= 0) return;
#if defined(_WIN32)
  const int n = MultiByteToWideChar(CP_ACP, 0, pch, nLength, nullptr, 0);
  if (n <= 0) return;
  MultiByteToWideChar(CP_ACP, 0, pch, nLength, GetBufferSetLength(n), n);
#else
  wchar_t* p = GetBufferSetLength(nLength);
  for (int i = 0; i < nLength; ++i) p[i] = wchar_t(static_cast<unsigned char>(pch[i]));
#endif
}

CString::CString(wchar_t ch, int nRepeat) : m_pszData(NilChars()) {
  if (nRepeat <= 0) return;
  wchar_t* p = GetBufferSetLength(nRepeat);
  std::fill(p, p + nRepeat, ch);
}

CString::~CString() {
  Release();
}

bool CString::IsShared() const noexcept {
  return m_pszData == NilChars();
}

void CString::Release() noexcept {
  if (!IsShared()) std::free(Header());
  m_pszData = NilChars();
}

void CString::Reserve(int nLength, bool keep) {
  if (nLength < 0) AfxThrowInvalidArgException();
  if (!IsShared() && nLength <= Header()->nAllocLength) return;
  if (nLength > INT_MAX / 4) AfxThrowMemoryException();
  // Grow geometrically so that repeated appends stay linear.
  int alloc = nLength;
  if (!IsShared()) alloc = std::max(nLength, Header()->nAllocLength + Header()->nAllocLength / 2);
  alloc = std::max(alloc, 7);
  auto* block =
      static_cast<Data*>(std::malloc(sizeof(Data) + (size_t(alloc) + 1) * sizeof(wchar_t)));
  if (!block) AfxThrowMemoryException();
  block->nAllocLength = alloc;
  block->nDataLength = 0;
  block->chars()[0] = 0;
  if (keep) {
    const int len = GetLength();
    wmemcpy(block->chars(), m_pszData, size_t(len) + 1);
    block->nDataLength = len;
  }
  Release();
  m_pszData = block->chars();
}

void CString::SetLength(int nLength) {
  if (IsShared()) {
    ASSERT(nLength == 0);
    return;
  }
  Header()->nDataLength = nLength;
  m_pszData[nLength] = 0;
}

void CString::Empty() {
  Release();
}

wchar_t CString::GetAt(int nIndex) const {
  if (nIndex < 0 || nIndex > GetLength()) AfxThrowInvalidArgException();
  return m_pszData[nIndex];
}

void CString::SetAt(int nIndex, wchar_t ch) {
  if (nIndex < 0 || nIndex >= GetLength()) AfxThrowInvalidArgException();
  m_pszData[nIndex] = ch;
}

CString& CString::operator=(const CString& src) {
  if (this != &src) SetString(src.m_pszData, src.GetLength());
  return *this;
}

CString& CString::operator=(CString&& src) noexcept {
  if (this != &src) {
    Release();
    m_pszData = src.m_pszData;
    src.m_pszData = NilChars();
  }
  return *this;
}

CString& CString::operator=(const wchar_t* psz) {
  SetString(psz);
  return *this;
}
CString& CString::operator=(const char* psz) {
  *this = CString(psz);
  return *this;
}
CString& CString::operator=(wchar_t ch) {
  SetString(&ch, 1);
  return *this;
}

void CString::SetString(const wchar_t* psz) {
  SetString(psz, SafeLen(psz));
}

void CString::SetString(const wchar_t* pch, int nLength) {
  if (!pch || nLength <= 0) {
    Empty();
    return;
  }
  // The source may live inside our own buffer (s = s.GetString() + 2).
  if (!IsShared() && pch >= m_pszData && pch <= m_pszData + GetAllocLength()) {
    wmemmove(m_pszData, pch, size_t(nLength));
    SetLength(nLength);
    return;
  }
  Reserve(nLength, false);
  wmemcpy(m_pszData, pch, size_t(nLength));
  SetLength(nLength);
}

void CString::Append(const wchar_t* psz) {
  Append(psz, SafeLen(psz));
}

void CString::Append(const wchar_t* pch, int nLength) {
  if (!pch || nLength <= 0) return;
  const int old = GetLength();
  if (nLength > INT_MAX / 4 - old) AfxThrowMemoryException();
  // Appending a piece of ourselves: copy it first, the buffer may move.
  if (!IsShared() && pch >= m_pszData && pch <= m_pszData + GetAllocLength()) {
    const std::wstring copy(pch, size_t(nLength));
    Append(copy.data(), nLength);
    return;
  }
  Reserve(old + nLength, true);
  wmemcpy(m_pszData + old, pch, size_t(nLength));
  SetLength(old + nLength);
}

void CString::AppendChar(wchar_t ch) {
  Append(&ch, 1);
}

CString operator+(const CString& a, const CString& b) {
  CString s(a);
  s += b;
  return s;
}
CString operator+(const CString& a, const wchar_t* b) {
  CString s(a);
  s += b;
  return s;
}
CString operator+(const wchar_t* a, const CString& b) {
  CString s(a);
  s += b;
  return s;
}
CString operator+(const CString& a, wchar_t b) {
  CString s(a);
  s += b;
  return s;
}
CString operator+(wchar_t a, const CString& b) {
  CString s(a);
  s += b;
  return s;
}

// ---- comparison

int CString::Compare(const wchar_t* psz) const {
  return wcscmp(m_pszData, psz ? psz : L"");
}

int CString::CompareNoCase(const wchar_t* psz) const {
#if defined(_WIN32)
  return _wcsicmp(m_pszData, psz ? psz : L"");
#else
  return wcscasecmp(m_pszData, psz ? psz : L"");
#endif
}

int CString::Collate(const wchar_t* psz) const {
  return wcscoll(m_pszData, psz ? psz : L"");
}

int CString::CollateNoCase(const wchar_t* psz) const {
#if defined(_WIN32)
  return _wcsicoll(m_pszData, psz ? psz : L"");
#else
  CString a(*this), b(psz);
  return a.MakeLower().Collate(b.MakeLower());
#endif
}

// ---- extraction

CString CString::Mid(int nFirst) const {
  return Mid(nFirst, GetLength() - std::max(nFirst, 0));
}

CString CString::Mid(int nFirst, int nCount) const {
  const int len = GetLength();
  nFirst = std::clamp(nFirst, 0, len);
  nCount = std::clamp(nCount, 0, len - nFirst);
  return CString(m_pszData + nFirst, nCount);
}

CString CString::Left(int nCount) const {
  return CString(m_pszData, std::clamp(nCount, 0, GetLength()));
}

CString CString::Right(int nCount) const {
  nCount = std::clamp(nCount, 0, GetLength());
  return CString(m_pszData + GetLength() - nCount, nCount);
}

CString CString::SpanIncluding(const wchar_t* pszCharSet) const {
  return Left(int(wcsspn(m_pszData, pszCharSet ? pszCharSet : L"")));
}

CString CString::SpanExcluding(const wchar_t* pszCharSet) const {
  return Left(int(wcscspn(m_pszData, pszCharSet ? pszCharSet : L"")));
}

CString CString::Tokenize(const wchar_t* pszTokens, int& iStart) const {
  if (iStart < 0 || iStart > GetLength()) {
    iStart = -1;
    return CString();
  }
  if (!pszTokens || !*pszTokens) {
    if (iStart < GetLength()) {
      const int s = iStart;
      iStart = GetLength();
      return Mid(s);
    }
    iStart = -1;
    return CString();
  }
  const wchar_t* p = m_pszData + iStart;
  p += wcsspn(p, pszTokens);
  if (!*p) {
    iStart = -1;
    return CString();
  }
  const int len = int(wcscspn(p, pszTokens));
  const int begin = int(p - m_pszData);
  iStart = begin + len + (p[len] ? 1 : 0);
  return CString(p, len);
}

// ---- editing in place

CString& CString::MakeUpper() {
#if defined(_WIN32)
  if (GetLength()) CharUpperBuffW(m_pszData, DWORD(GetLength()));
#else
  for (int i = 0; i < GetLength(); ++i) m_pszData[i] = wchar_t(towupper(wint_t(m_pszData[i])));
#endif
  return *this;
}

CString& CString::MakeLower() {
#if defined(_WIN32)
  if (GetLength()) CharLowerBuffW(m_pszData, DWORD(GetLength()));
#else
  for (int i = 0; i < GetLength(); ++i) m_pszData[i] = wchar_t(towlower(wint_t(m_pszData[i])));
#endif
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(m_pszData, m_pszData + GetLength());
  return *this;
}

int CString::Replace(wchar_t chOld, wchar_t chNew) {
  int n = 0;
  for (int i = 0; i < GetLength(); ++i)
    if (m_pszData[i] == chOld) {
      m_pszData[i] = chNew;
      ++n;
    }
  return n;
}

int CString::Replace(const wchar_t* pszOld, const wchar_t* pszNew) {
  const int oldLen = SafeLen(pszOld);
  if (oldLen == 0) return 0;
  std::wstring out;
  int n = 0;
  const wchar_t* p = m_pszData;
  while (const wchar_t* hit = wcsstr(p, pszOld)) {
    out.append(p, size_t(hit - p));
    if (pszNew) out.append(pszNew);
    p = hit + oldLen;
    ++n;
  }
  if (n) {
    out.append(p);
    SetString(out.c_str(), int(out.size()));
  }
  return n;
}

int CString::Remove(wchar_t ch) {
  wchar_t* end = std::remove(m_pszData, m_pszData + GetLength(), ch);
  const int removed = int(m_pszData + GetLength() - end);
  if (removed) SetLength(GetLength() - removed);
  return removed;
}

int CString::Insert(int nIndex, wchar_t ch) {
  const wchar_t s[2] = {ch, 0};
  return Insert(nIndex, s);
}

int CString::Insert(int nIndex, const wchar_t* psz) {
  nIndex = std::clamp(nIndex, 0, GetLength());
  const int add = SafeLen(psz);
  if (add) {
    CString tail = Mid(nIndex);
    Truncate(nIndex);
    Append(psz, add);
    Append(tail);
  }
  return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
  const int len = GetLength();
  if (nIndex < 0) nIndex = 0;
  if (nCount > 0 && nIndex < len) {
    nCount = std::min(nCount, len - nIndex);
    wmemmove(m_pszData + nIndex, m_pszData + nIndex + nCount, size_t(len - nIndex - nCount) + 1);
    Header()->nDataLength = len - nCount;
  }
  return GetLength();
}

void CString::Truncate(int nNewLength) {
  if (nNewLength < 0 || nNewLength > GetLength()) AfxThrowInvalidArgException();
  if (!IsShared()) SetLength(nNewLength);
}

CString& CString::TrimLeft() {
  int i = 0;
  while (i < GetLength() && iswspace(wint_t(m_pszData[i]))) ++i;
  return Delete(0, i), *this;
}
CString& CString::TrimLeft(wchar_t chTarget) {
  int i = 0;
  while (i < GetLength() && m_pszData[i] == chTarget) ++i;
  return Delete(0, i), *this;
}
CString& CString::TrimLeft(const wchar_t* pszTargets) {
  int i = 0;
  while (i < GetLength() && InSet(m_pszData[i], pszTargets)) ++i;
  return Delete(0, i), *this;
}
CString& CString::TrimRight() {
  int n = GetLength();
  while (n > 0 && iswspace(wint_t(m_pszData[n - 1]))) --n;
  Truncate(n);
  return *this;
}
CString& CString::TrimRight(wchar_t chTarget) {
  int n = GetLength();
  while (n > 0 && m_pszData[n - 1] == chTarget) --n;
  Truncate(n);
  return *this;
}
CString& CString::TrimRight(const wchar_t* pszTargets) {
  int n = GetLength();
  while (n > 0 && InSet(m_pszData[n - 1], pszTargets)) --n;
  Truncate(n);
  return *this;
}
CString& CString::Trim() {
  return TrimRight().TrimLeft();
}
CString& CString::Trim(wchar_t chTarget) {
  return TrimRight(chTarget).TrimLeft(chTarget);
}
CString& CString::Trim(const wchar_t* pszTargets) {
  return TrimRight(pszTargets).TrimLeft(pszTargets);
}

// ---- searching

int CString::Find(wchar_t ch, int nStart) const {
  if (nStart < 0 || nStart >= GetLength()) return -1;
  const wchar_t* p = wcschr(m_pszData + nStart, ch);
  return p && ch ? int(p - m_pszData) : -1;
}

int CString::Find(const wchar_t* pszSub, int nStart) const {
  if (!pszSub || nStart < 0 || nStart > GetLength()) return -1;
  const wchar_t* p = wcsstr(m_pszData + nStart, pszSub);
  return p ? int(p - m_pszData) : -1;
}

int CString::ReverseFind(wchar_t ch) const {
  const wchar_t* p = wcsrchr(m_pszData, ch);
  return p && ch ? int(p - m_pszData) : -1;
}

int CString::FindOneOf(const wchar_t* pszCharSet) const {
  if (!pszCharSet || !*pszCharSet) return -1;
  const size_t n = wcscspn(m_pszData, pszCharSet);
  return int(n) < GetLength() ? int(n) : -1;
}

// ---- formatting

void CString::FormatV(const wchar_t* pszFormat, va_list args) {
  const std::wstring s = FormatToWide(pszFormat, args);
  SetString(s.data(), int(s.size()));
}

void CString::AppendFormatV(const wchar_t* pszFormat, va_list args) {
  const std::wstring s = FormatToWide(pszFormat, args);
  Append(s.data(), int(s.size()));
}

void CString::Format(const wchar_t* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatV(pszFormat, args);
  va_end(args);
}

void CString::Format(UINT nFormatID, ...) {
  CString format;
  if (!format.LoadString(nFormatID)) return;
  va_list args;
  va_start(args, nFormatID);
  FormatV(format, args);
  va_end(args);
}

void CString::AppendFormat(const wchar_t* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  AppendFormatV(pszFormat, args);
  va_end(args);
}

// ---- buffer access

wchar_t* CString::GetBuffer() {
  return GetBuffer(0);
}

wchar_t* CString::GetBuffer(int nMinBufferLength) {
  Reserve(std::max(nMinBufferLength, GetLength()), true);
  return m_pszData;
}

wchar_t* CString::GetBufferSetLength(int nLength) {
  GetBuffer(nLength);
  SetLength(nLength);
  return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength) {
  if (IsShared()) return;
  if (nNewLength < 0) {
    // The caller wrote a terminated string somewhere within the block.
    const wchar_t* end = wmemchr(m_pszData, 0, size_t(GetAllocLength()) + 1);
    nNewLength = end ? int(end - m_pszData) : GetAllocLength();
  }
  SetLength(std::min(nNewLength, GetAllocLength()));
}

void CString::ReleaseBufferSetLength(int nNewLength) {
  ReleaseBuffer(nNewLength);
}

void CString::Preallocate(int nLength) {
  Reserve(nLength, true);
}

void CString::FreeExtra() {
  if (!IsShared() && GetAllocLength() > GetLength()) {
    CString copy(m_pszData, GetLength());
    *this = std::move(copy);
  }
}

#if !defined(_WIN32)
// Without Windows there is no resource chain to load from.
BOOL CString::LoadString(UINT) {
  return FALSE;
}
#endif
