// CQXPtrArray: the job model's arrays of object pointers, which free their elements only on
// request.
#pragma once
#include <afxcoll.h>
#include <afxtempl.h>

// An array of pointers to T. RemoveAll and the destructor just forget the elements; DeleteAll
// frees them. Such arrays are often filled with objects that another owner holds (a tree's
// transactions, a test's list), so only the caller knows when the elements are its to free.
template <class T>
class CQXPtrArray : public CTypedPtrArray<CObArray, T*> {
 public:
  // Deletes every element, then empties the array. Emptied first, so a destructor that looks
  // at this array never sees a deleted element.
  void DeleteAll() {
    CTypedPtrArray<CObArray, T*> doomed;
    doomed.Append(*this);
    this->RemoveAll();
    for (INT_PTR i = 0; i < doomed.GetSize(); ++i) delete doomed.GetAt(i);
  }

  // Index of p, or -1.
  INT_PTR Find(const T* p) const {
    for (INT_PTR i = 0; i < this->GetSize(); ++i)
      if (this->GetAt(i) == p) return i;
    return -1;
  }

  // Inserts p after pAfter (at the end when pAfter is null or not held); answers its index, or
  // -1 for null or an element already held.
  INT_PTR InsertAfter(T* p, const T* pAfter) {
    if (!p || Find(p) >= 0) return -1;
    const INT_PTR nAfter = pAfter ? Find(pAfter) : -1;
    const INT_PTR nIndex = nAfter >= 0 ? nAfter + 1 : this->GetSize();
    this->InsertAt(nIndex, p);
    return nIndex;
  }

  // The element at nIndex, or null when out of range.
  T* GetOrNull(INT_PTR nIndex) const {
    return nIndex >= 0 && nIndex < this->GetSize() ? this->GetAt(nIndex) : nullptr;
  }

  // Takes the element at nIndex out without deleting it; null when out of range.
  T* TakeAt(INT_PTR nIndex) {
    T* p = GetOrNull(nIndex);
    if (p) this->RemoveAt(nIndex);
    return p;
  }
};
