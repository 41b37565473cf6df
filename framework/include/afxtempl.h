// Collection templates: CArray, CList, CMap and their typed-pointer wrappers, with HashKey and
// CompareElements, the two customisation points the list and map searches use.
#pragma once
#include "afx.h"

#include <type_traits>
#include <utility>
#include <vector>

// ---- customisation points

// Equality used by CList::Find and the map lookups; specialise for types without operator==.
template <class TYPE, class ARG_TYPE>
AFX_INLINE BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
  return *pElement1 == *pElement2;
}

namespace afx_detail {
template <class T>
inline ULONGLONG KeyBits(const T& key) {
  typedef typename std::decay<T>::type plain;
  if constexpr (std::is_pointer<plain>::value)
    return (ULONGLONG)(DWORD_PTR)key;
  else
    return (ULONGLONG)key;
}
// Small integers and aligned pointers differ only in a few low bits; mix them over the word.
inline UINT MixBits(ULONGLONG v) {
  v ^= v >> 33;
  v *= 0xff51afd7ed558ccdULL;
  v ^= v >> 33;
  return (UINT)v;
}
template <class CH>
inline UINT HashChars(const CH* key) {
  UINT nHash = 0;
  if (key)
    while (*key) nHash = (nHash << 5) + nHash + (UINT)*key++;
  return nHash;
}
}  // namespace afx_detail

// Hash of a map key: integers, enumerations and pointers work as they are; string keys hash
// their characters (case-sensitive, as the comparison). Specialise for other key types.
template <class ARG_KEY>
AFX_INLINE UINT AFXAPI HashKey(ARG_KEY key) {
  return afx_detail::MixBits(afx_detail::KeyBits(key));
}
template <>
AFX_INLINE UINT AFXAPI HashKey<LPCWSTR>(LPCWSTR key) {
  return afx_detail::HashChars(key);
}
template <>
AFX_INLINE UINT AFXAPI HashKey<LPCSTR>(LPCSTR key) {
  return afx_detail::HashChars(key);
}
template <>
AFX_INLINE UINT AFXAPI HashKey<LPWSTR>(LPWSTR key) {
  return afx_detail::HashChars(key);
}
template <>
AFX_INLINE UINT AFXAPI HashKey<const CString&>(const CString& key) {
  return afx_detail::HashChars(key.GetString());
}
template <>
AFX_INLINE UINT AFXAPI HashKey<CString>(CString key) {
  return afx_detail::HashChars(key.GetString());
}

// ---- CArray: a growable array of TYPE, passed in and out as ARG_TYPE.
// Elements are constructed and destroyed properly; growth follows nGrowBy (0: a step that
// grows with the array). Indices outside the array assert and throw CInvalidArgException.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  typedef TYPE BASE_TYPE;
  typedef ARG_TYPE BASE_ARG_TYPE;

  CArray() {}
  ~CArray() override {}

  // ---- attributes
  INT_PTR GetSize() const { return (INT_PTR)m_data.size(); }
  INT_PTR GetCount() const { return (INT_PTR)m_data.size(); }
  BOOL IsEmpty() const { return m_data.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  // Shrinking destroys the elements beyond nNewSize; growing default-constructs the new ones.
  void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1) {
    ASSERT(nNewSize >= 0);
    if (nNewSize < 0) AfxThrowInvalidArgException();
    if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
    if (nNewSize == 0) {
      std::vector<TYPE>().swap(m_data);
      return;
    }
    Reserve(nNewSize);
    m_data.resize((size_t)nNewSize);
  }

  // ---- operations
  void FreeExtra() { m_data.shrink_to_fit(); }
  void RemoveAll() { SetSize(0, -1); }

  const TYPE& GetAt(INT_PTR nIndex) const {
    CheckIndex(nIndex);
    return m_data[(size_t)nIndex];
  }
  TYPE& GetAt(INT_PTR nIndex) {
    CheckIndex(nIndex);
    return m_data[(size_t)nIndex];
  }
  void SetAt(INT_PTR nIndex, ARG_TYPE newElement) {
    CheckIndex(nIndex);
    m_data[(size_t)nIndex] = newElement;
  }
  const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
  const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

  // Direct access to the elements; null when the array is empty.
  const TYPE* GetData() const { return m_data.empty() ? NULL : m_data.data(); }
  TYPE* GetData() { return m_data.empty() ? NULL : m_data.data(); }

  // The element is copied before the array grows, so it may refer into this array.
  void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement) {
    ASSERT(nIndex >= 0);
    if (nIndex < 0) AfxThrowInvalidArgException();
    TYPE value(newElement);
    if (nIndex >= GetSize()) SetSize(nIndex + 1, -1);
    m_data[(size_t)nIndex] = std::move(value);
  }
  INT_PTR Add(ARG_TYPE newElement) {
    TYPE value(newElement);
    Reserve(GetSize() + 1);
    m_data.push_back(std::move(value));
    return GetSize() - 1;
  }
  // Returns the index of the first appended element.
  INT_PTR Append(const CArray& src) {
    ASSERT(this != &src);
    if (this == &src) AfxThrowInvalidArgException();
    INT_PTR nOldSize = GetSize();
    Reserve(nOldSize + src.GetSize());
    m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
    return nOldSize;
  }
  void Copy(const CArray& src) {
    if (this != &src) m_data = src.m_data;
  }

  // Inserting past the end grows the array first; the gap holds default elements.
  void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1) {
    ASSERT(nIndex >= 0 && nCount > 0);
    if (nIndex < 0 || nCount <= 0) AfxThrowInvalidArgException();
    TYPE value(newElement);
    if (nIndex >= GetSize()) {
      SetSize(nIndex + nCount, -1);
      for (INT_PTR i = nIndex; i < nIndex + nCount; ++i) m_data[(size_t)i] = value;
      return;
    }
    Reserve(GetSize() + nCount);
    m_data.insert(m_data.begin() + nIndex, (size_t)nCount, value);
  }
  void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray) {
    ASSERT(pNewArray != NULL && nStartIndex >= 0);
    if (pNewArray == NULL || nStartIndex < 0) AfxThrowInvalidArgException();
    if (pNewArray->IsEmpty()) return;
    std::vector<TYPE> items(pNewArray->m_data);  // the source may be this array
    InsertAt(nStartIndex, items[0], (INT_PTR)items.size());
    for (size_t i = 1; i < items.size(); ++i) m_data[(size_t)nStartIndex + i] = std::move(items[i]);
  }
  void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
    ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize());
    if (nIndex < 0 || nCount < 0 || nCount > GetSize() || nIndex > GetSize() - nCount)
      AfxThrowInvalidArgException();
    m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
  }

 private:
  void CheckIndex(INT_PTR nIndex) const {
    ASSERT(nIndex >= 0 && nIndex < GetSize());
    if (nIndex < 0 || nIndex >= GetSize()) AfxThrowInvalidArgException();
  }
  // Makes room for nNeeded elements, growing by m_nGrowBy or, when that is 0, by an eighth
  // of the size (4 to 1024 elements) so that repeated Add stays cheap.
  void Reserve(INT_PTR nNeeded) {
    if ((size_t)nNeeded <= m_data.capacity()) return;
    INT_PTR nGrowBy = m_nGrowBy;
    if (nGrowBy == 0) {
      nGrowBy = GetSize() / 8;
      nGrowBy = nGrowBy < 4 ? 4 : (nGrowBy > 1024 ? 1024 : nGrowBy);
    }
    INT_PTR nNewMax = (INT_PTR)m_data.capacity() + nGrowBy;
    m_data.reserve((size_t)(nNeeded > nNewMax ? nNeeded : nNewMax));
  }

  std::vector<TYPE> m_data;
  INT_PTR m_nGrowBy = 0;
};

// ---- CList: a doubly linked list; a POSITION names a node until that node is removed.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject {
 protected:
  struct CNode {
    CNode* pNext;
    CNode* pPrev;
    TYPE data;
  };

 public:
  typedef TYPE BASE_TYPE;
  typedef ARG_TYPE BASE_ARG_TYPE;

  // nBlockSize is accepted for compatibility; nodes are allocated one by one.
  explicit CList(INT_PTR nBlockSize = 10) { UNUSED(nBlockSize); }
  ~CList() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  // The head and tail of an empty list assert and throw CInvalidArgException.
  TYPE& GetHead() { return NonEmpty(m_pNodeHead)->data; }
  const TYPE& GetHead() const { return NonEmpty(m_pNodeHead)->data; }
  TYPE& GetTail() { return NonEmpty(m_pNodeTail)->data; }
  const TYPE& GetTail() const { return NonEmpty(m_pNodeTail)->data; }

  TYPE RemoveHead() {
    CNode* pNode = NonEmpty(m_pNodeHead);
    TYPE value(std::move(pNode->data));
    Unlink(pNode);
    return value;
  }
  TYPE RemoveTail() {
    CNode* pNode = NonEmpty(m_pNodeTail);
    TYPE value(std::move(pNode->data));
    Unlink(pNode);
    return value;
  }
  POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(NULL, newElement); }
  POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(NULL, newElement); }
  // Adds a copy of every element of pNewList, keeping their order (pNewList may be this list).
  void AddHead(const CList* pNewList) {
    ASSERT(pNewList != NULL);
    if (pNewList == NULL) AfxThrowInvalidArgException();
    CNode* pNode = pNewList->m_pNodeTail;
    for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pPrev) AddHead(pNode->data);
  }
  void AddTail(const CList* pNewList) {
    ASSERT(pNewList != NULL);
    if (pNewList == NULL) AfxThrowInvalidArgException();
    CNode* pNode = pNewList->m_pNodeHead;
    for (INT_PTR n = pNewList->m_nCount; n > 0; --n, pNode = pNode->pNext) AddTail(pNode->data);
  }
  void RemoveAll() {
    CNode* pNode = m_pNodeHead;
    while (pNode) {
      CNode* pNext = pNode->pNext;
      delete pNode;
      pNode = pNext;
    }
    m_pNodeHead = m_pNodeTail = NULL;
    m_nCount = 0;
  }

  // ---- iteration: GetNext/GetPrev return the element at rPosition and move it on (NULL at
  // the end). Removing the element just returned is safe; rPosition already names the next.
  POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
  POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }
  TYPE& GetNext(POSITION& rPosition) {
    CNode* pNode = Node(rPosition);
    rPosition = (POSITION)pNode->pNext;
    return pNode->data;
  }
  const TYPE& GetNext(POSITION& rPosition) const {
    CNode* pNode = Node(rPosition);
    rPosition = (POSITION)pNode->pNext;
    return pNode->data;
  }
  TYPE& GetPrev(POSITION& rPosition) {
    CNode* pNode = Node(rPosition);
    rPosition = (POSITION)pNode->pPrev;
    return pNode->data;
  }
  const TYPE& GetPrev(POSITION& rPosition) const {
    CNode* pNode = Node(rPosition);
    rPosition = (POSITION)pNode->pPrev;
    return pNode->data;
  }
  TYPE& GetAt(POSITION position) { return Node(position)->data; }
  const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
  void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
  void RemoveAt(POSITION position) { Unlink(Node(position)); }

  // A NULL position inserts at the head (InsertBefore) or the tail (InsertAfter).
  POSITION InsertBefore(POSITION position, ARG_TYPE newElement) {
    CNode* pOld = position ? Node(position) : m_pNodeHead;
    CNode* pNew = new CNode{pOld, pOld ? pOld->pPrev : m_pNodeTail, TYPE(newElement)};
    Link(pNew);
    return (POSITION)pNew;
  }
  POSITION InsertAfter(POSITION position, ARG_TYPE newElement) {
    CNode* pOld = position ? Node(position) : m_pNodeTail;
    CNode* pNew = new CNode{pOld ? pOld->pNext : m_pNodeHead, pOld, TYPE(newElement)};
    Link(pNew);
    return (POSITION)pNew;
  }

  // The first match after startAfter (from the head when NULL); NULL when there is none.
  POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const {
    CNode* pNode = startAfter ? Node(startAfter)->pNext : m_pNodeHead;
    for (; pNode; pNode = pNode->pNext)
      if (CompareElements(&pNode->data, &searchValue)) return (POSITION)pNode;
    return NULL;
  }
  // The position of the nIndex-th element (from 0); NULL when out of range.
  POSITION FindIndex(INT_PTR nIndex) const {
    if (nIndex < 0 || nIndex >= m_nCount) return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex--) pNode = pNode->pNext;
    return (POSITION)pNode;
  }

 private:
  static CNode* Node(POSITION position) {
    ASSERT(position != NULL && position != BEFORE_START_POSITION);
    if (position == NULL || position == BEFORE_START_POSITION) AfxThrowInvalidArgException();
    return (CNode*)position;
  }
  static CNode* NonEmpty(CNode* pNode) {
    ASSERT(pNode != NULL);
    if (pNode == NULL) AfxThrowInvalidArgException();
    return pNode;
  }
  // pNew->pNext and pNew->pPrev already name its neighbours.
  void Link(CNode* pNew) {
    if (pNew->pPrev)
      pNew->pPrev->pNext = pNew;
    else
      m_pNodeHead = pNew;
    if (pNew->pNext)
      pNew->pNext->pPrev = pNew;
    else
      m_pNodeTail = pNew;
    ++m_nCount;
  }
  void Unlink(CNode* pNode) {
    if (pNode->pPrev)
      pNode->pPrev->pNext = pNode->pNext;
    else
      m_pNodeHead = pNode->pNext;
    if (pNode->pNext)
      pNode->pNext->pPrev = pNode->pPrev;
    else
      m_pNodeTail = pNode->pPrev;
    --m_nCount;
    delete pNode;
  }

  CNode* m_pNodeHead = NULL;
  CNode* m_pNodeTail = NULL;
  INT_PTR m_nCount = 0;
};

// ---- CMap: a hash table from KEY to VALUE. Iteration order is unspecified. The table grows
// as entries are added, so lookups stay short however many keys the map holds.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
 public:
  // An entry as PLookup and PGetFirstAssoc/PGetNextAssoc hand it out; the key is fixed.
  class CPair {
   public:
    const KEY key;
    VALUE value;

   protected:
    explicit CPair(ARG_KEY keyval) : key(keyval), value() {}
  };

 protected:
  class CAssoc : public CPair {
   public:
    CAssoc(ARG_KEY keyval, UINT nHash) : CPair(keyval), pNext(NULL), nHashValue(nHash) {}
    CAssoc* pNext;
    UINT nHashValue;
  };

 public:
  typedef KEY BASE_KEY;
  typedef ARG_KEY BASE_ARG_KEY;
  typedef VALUE BASE_VALUE;
  typedef ARG_VALUE BASE_ARG_VALUE;

  // nBlockSize is accepted for compatibility; entries are allocated one by one.
  explicit CMap(INT_PTR nBlockSize = 10) { UNUSED(nBlockSize); }
  ~CMap() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
    UINT nHash;
    CAssoc* pAssoc = Find(key, nHash);
    if (pAssoc == NULL) return FALSE;
    rValue = pAssoc->value;
    return TRUE;
  }
  // The value for key, added default-constructed when the key is new.
  VALUE& operator[](ARG_KEY key) {
    UINT nHash;
    CAssoc* pAssoc = Find(key, nHash);
    if (pAssoc) return pAssoc->value;
    if (m_table.empty()) m_table.assign(m_nHashTableSize, NULL);
    pAssoc = new CAssoc(key, nHash);
    Insert(pAssoc);
    ++m_nCount;
    if ((UINT)m_nCount > m_nHashTableSize * 2u) Rehash(m_nHashTableSize * 2u + 1u);
    return pAssoc->value;
  }
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(ARG_KEY key) {
    if (m_table.empty()) return FALSE;
    UINT nHash = HashKey<ARG_KEY>(key);
    for (CAssoc** ppAssoc = &m_table[nHash % m_nHashTableSize]; *ppAssoc;
         ppAssoc = &(*ppAssoc)->pNext) {
      CAssoc* pAssoc = *ppAssoc;
      if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) {
        *ppAssoc = pAssoc->pNext;
        delete pAssoc;
        --m_nCount;
        return TRUE;
      }
    }
    return FALSE;
  }
  void RemoveAll() {
    for (CAssoc* pAssoc : m_table) {
      while (pAssoc) {
        CAssoc* pNext = pAssoc->pNext;
        delete pAssoc;
        pAssoc = pNext;
      }
    }
    std::vector<CAssoc*>().swap(m_table);
    m_nCount = 0;
  }

  // ---- iteration: GetNextAssoc returns the entry at rNextPosition and moves it on (NULL at
  // the end). Removing the entry just returned is safe; adding entries while iterating is not.
  POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
    ASSERT(rNextPosition != NULL && m_nCount != 0);
    if (rNextPosition == NULL || m_table.empty()) AfxThrowInvalidArgException();
    CAssoc* pAssoc = rNextPosition == BEFORE_START_POSITION ? FirstFrom(0) : (CAssoc*)rNextPosition;
    if (pAssoc == NULL) AfxThrowInvalidArgException();
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    rNextPosition = (POSITION)NextAfter(pAssoc);
  }

  // Entries in place, without copying keys or values; NULL when absent or at the end.
  CPair* PLookup(ARG_KEY key) {
    UINT nHash;
    return Find(key, nHash);
  }
  const CPair* PLookup(ARG_KEY key) const {
    UINT nHash;
    return Find(key, nHash);
  }
  CPair* PGetFirstAssoc() { return FirstFrom(0); }
  const CPair* PGetFirstAssoc() const { return FirstFrom(0); }
  CPair* PGetNextAssoc(const CPair* pAssocRet) { return NextAfter(pAssocRet); }
  const CPair* PGetNextAssoc(const CPair* pAssocRet) const { return NextAfter(pAssocRet); }

  UINT GetHashTableSize() const { return m_nHashTableSize; }
  // Sets the number of buckets; a prime somewhat above the expected count works best.
  void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE) {
    ASSERT(hashSize > 0);
    if (hashSize == 0) hashSize = 17;
    if (m_nCount != 0) {
      Rehash(hashSize);
      return;
    }
    m_nHashTableSize = hashSize;
    std::vector<CAssoc*>().swap(m_table);
    if (bAllocNow) m_table.assign(hashSize, NULL);
  }

 private:
  CAssoc* Find(ARG_KEY key, UINT& nHash) const {
    nHash = HashKey<ARG_KEY>(key);
    if (m_table.empty()) return NULL;
    for (CAssoc* pAssoc = m_table[nHash % m_nHashTableSize]; pAssoc; pAssoc = pAssoc->pNext)
      if (pAssoc->nHashValue == nHash && CompareElements(&pAssoc->key, &key)) return pAssoc;
    return NULL;
  }
  CAssoc* FirstFrom(UINT nBucket) const {
    for (; nBucket < m_table.size(); ++nBucket)
      if (m_table[nBucket]) return m_table[nBucket];
    return NULL;
  }
  CAssoc* NextAfter(const CPair* pPair) const {
    ASSERT(pPair != NULL);
    if (pPair == NULL) AfxThrowInvalidArgException();
    const CAssoc* pAssoc = static_cast<const CAssoc*>(pPair);
    return pAssoc->pNext ? pAssoc->pNext : FirstFrom(pAssoc->nHashValue % m_nHashTableSize + 1);
  }
  void Insert(CAssoc* pAssoc) {
    CAssoc*& head = m_table[pAssoc->nHashValue % m_nHashTableSize];
    pAssoc->pNext = head;
    head = pAssoc;
  }
  void Rehash(UINT nNewSize) {
    std::vector<CAssoc*> old;
    old.swap(m_table);
    m_nHashTableSize = nNewSize;
    m_table.assign(nNewSize, NULL);
    for (CAssoc* pAssoc : old) {
      while (pAssoc) {
        CAssoc* pNext = pAssoc->pNext;
        Insert(pAssoc);
        pAssoc = pNext;
      }
    }
  }

  std::vector<CAssoc*> m_table;
  UINT m_nHashTableSize = 17;
  INT_PTR m_nCount = 0;
};

// ---- typed pointer collections: a pointer collection (CObArray, CPtrList, CMapStringToOb...)
// seen through the pointer type it actually holds.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
  typedef typename BASE_CLASS::BASE_TYPE BASE_TYPE;

 public:
  TYPE GetAt(INT_PTR nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
  TYPE& ElementAt(INT_PTR nIndex) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex)); }
  void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
  void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
  INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
  INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
  void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
  void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) {
    BASE_CLASS::InsertAt(nIndex, newElement, nCount);
  }
  void InsertAt(INT_PTR nStartIndex, CTypedPtrArray* pNewArray) {
    BASE_CLASS::InsertAt(nStartIndex, pNewArray);
  }
  TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
  TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
 public:
  explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

  TYPE& GetHead() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead()); }
  TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
  TYPE& GetTail() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail()); }
  TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
  TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
  TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
  POSITION AddHead(TYPE newElement) { return BASE_CLASS::AddHead(newElement); }
  POSITION AddTail(TYPE newElement) { return BASE_CLASS::AddTail(newElement); }
  void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
  void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
  TYPE& GetNext(POSITION& rPosition) {
    return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(rPosition));
  }
  TYPE GetNext(POSITION& rPosition) const {
    return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition));
  }
  TYPE& GetPrev(POSITION& rPosition) {
    return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(rPosition));
  }
  TYPE GetPrev(POSITION& rPosition) const {
    return static_cast<TYPE>(BASE_CLASS::GetPrev(rPosition));
  }
  TYPE& GetAt(POSITION position) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(position)); }
  TYPE GetAt(POSITION position) const { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
  void SetAt(POSITION pos, TYPE newElement) { BASE_CLASS::SetAt(pos, newElement); }
};

template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS {
  typedef typename BASE_CLASS::BASE_KEY BASE_KEY;
  typedef typename BASE_CLASS::BASE_ARG_KEY BASE_ARG_KEY;
  typedef typename BASE_CLASS::BASE_VALUE BASE_VALUE;

 public:
  explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

  BOOL Lookup(BASE_ARG_KEY key, VALUE& rValue) const {
    BASE_VALUE value;
    if (!BASE_CLASS::Lookup(key, value)) return FALSE;
    rValue = static_cast<VALUE>(value);
    return TRUE;
  }
  VALUE& operator[](BASE_ARG_KEY key) {
    return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key));
  }
  void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
  BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
  void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const {
    BASE_KEY key;
    BASE_VALUE value;
    BASE_CLASS::GetNextAssoc(rPosition, key, value);
    rKey = (KEY)key;
    rValue = static_cast<VALUE>(value);
  }
};
