// Wrapper maps for handles: the process's permanent wrappers (attached objects) and each
// thread's temporary wrappers made by FromHandle.
#pragma once
#include "afx.h"

#include <vector>

namespace afx_internal {

enum HandleKind { kGdiHandle, kDCHandle, kMenuHandle, kImageListHandle, kHandleKindCount };

// Detaches the handle from a temporary wrapper so deleting the wrapper leaves the handle alone.
typedef void (*TempRelease)(CObject* pObject);

// The object attached to h, or null.
CObject* LookupPermanent(HandleKind kind, const void* h);
void SetPermanent(HandleKind kind, const void* h, CObject* pObject);
// Removes the entry only while it still names pObject (a handle re-attached elsewhere stays).
void RemovePermanent(HandleKind kind, const void* h, const CObject* pObject);

// The handles with an attached object of one kind, at the time of the call.
std::vector<const void*> PermanentHandles(HandleKind kind);

// This thread's temporary wrapper of h, or null.
CObject* LookupTemporary(HandleKind kind, const void* h);
void AddTemporary(HandleKind kind, const void* h, CObject* pObject, TempRelease release);
// Frees this thread's temporary wrappers of one kind.
void DeleteTemporaries(HandleKind kind);

// A new wrapper whose one handle member holds h.
template <class Wrapper, class Handle, Handle Wrapper::*member>
Wrapper* NewPlainWrapper(Handle h) {
  Wrapper* pWrapper = new Wrapper;
  pWrapper->*member = h;
  return pWrapper;
}

// FromHandle of a wrapper class: the object attached to h, else this thread's temporary
// wrapper of h, which makeWrapper(h) makes on first use; null for a null handle.
template <class Wrapper, class Handle, class MakeWrapper>
Wrapper* WrapperFromHandle(HandleKind kind, Handle h, MakeWrapper makeWrapper,
                           TempRelease release) {
  if (!h) return nullptr;
  if (CObject* p = LookupPermanent(kind, h)) return static_cast<Wrapper*>(p);
  if (CObject* p = LookupTemporary(kind, h)) return static_cast<Wrapper*>(p);
  Wrapper* pWrapper = makeWrapper(h);
  AddTemporary(kind, h, pWrapper, release);
  return pWrapper;
}

}  // namespace afx_internal
