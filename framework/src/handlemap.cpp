// Permanent and temporary handle maps behind FromHandle, and their idle-time cleanup.
#include "handlemap_.h"
#include "afxgdi_.h"

#include <unordered_map>

namespace afx_internal {
namespace {

// Attached objects are process-wide, so an object may be destroyed on another thread than
// the one that attached it without leaving a dangling entry behind.
struct PermanentMaps {
  SRWLOCK lock = SRWLOCK_INIT;
  std::unordered_map<const void*, CObject*> maps[kHandleKindCount];
};

PermanentMaps& Permanent() {
  static PermanentMaps maps;
  return maps;
}

struct TempEntry {
  CObject* pObject;
  TempRelease release;
};

struct TempMaps {
  std::unordered_map<const void*, TempEntry> maps[kHandleKindCount];
};

void FreeEntries(std::unordered_map<const void*, TempEntry>& map) {
  // Take the entries out first: a wrapper's destructor must not find itself in the map.
  std::unordered_map<const void*, TempEntry> entries;
  entries.swap(map);
  for (auto& e : entries) {
    e.second.release(e.second.pObject);
    delete e.second.pObject;
  }
}

// Temporary wrappers are per thread; a thread that ends frees its own.
void WINAPI FreeThreadMaps(void* p) {
  TempMaps* maps = static_cast<TempMaps*>(p);
  if (!maps) return;
  for (auto& m : maps->maps) FreeEntries(m);
  delete maps;
}

DWORD TempSlot() {
  static const DWORD slot = ::FlsAlloc(FreeThreadMaps);
  return slot;
}

TempMaps* ThreadMaps(bool create) {
  const DWORD slot = TempSlot();
  if (slot == FLS_OUT_OF_INDEXES) return nullptr;
  TempMaps* maps = static_cast<TempMaps*>(::FlsGetValue(slot));
  if (!maps && create) {
    maps = new TempMaps;
    ::FlsSetValue(slot, maps);
  }
  return maps;
}

}  // namespace

CObject* LookupPermanent(HandleKind kind, const void* h) {
  PermanentMaps& p = Permanent();
  ::AcquireSRWLockShared(&p.lock);
  auto it = p.maps[kind].find(h);
  CObject* result = it == p.maps[kind].end() ? nullptr : it->second;
  ::ReleaseSRWLockShared(&p.lock);
  return result;
}

void SetPermanent(HandleKind kind, const void* h, CObject* pObject) {
  PermanentMaps& p = Permanent();
  ::AcquireSRWLockExclusive(&p.lock);
  p.maps[kind][h] = pObject;
  ::ReleaseSRWLockExclusive(&p.lock);
}

void RemovePermanent(HandleKind kind, const void* h, const CObject* pObject) {
  PermanentMaps& p = Permanent();
  ::AcquireSRWLockExclusive(&p.lock);
  auto it = p.maps[kind].find(h);
  if (it != p.maps[kind].end() && it->second == pObject) p.maps[kind].erase(it);
  ::ReleaseSRWLockExclusive(&p.lock);
}

std::vector<const void*> PermanentHandles(HandleKind kind) {
  PermanentMaps& p = Permanent();
  std::vector<const void*> handles;
  ::AcquireSRWLockShared(&p.lock);
  handles.reserve(p.maps[kind].size());
  for (const auto& entry : p.maps[kind]) handles.push_back(entry.first);
  ::ReleaseSRWLockShared(&p.lock);
  return handles;
}

CObject* LookupTemporary(HandleKind kind, const void* h) {
  TempMaps* maps = ThreadMaps(false);
  if (!maps) return nullptr;
  auto it = maps->maps[kind].find(h);
  return it == maps->maps[kind].end() ? nullptr : it->second.pObject;
}

void AddTemporary(HandleKind kind, const void* h, CObject* pObject, TempRelease release) {
  TempMaps* maps = ThreadMaps(true);
  if (!maps) AfxThrowMemoryException();
  maps->maps[kind][h] = TempEntry{pObject, release};
}

void DeleteTemporaries(HandleKind kind) {
  if (TempMaps* maps = ThreadMaps(false)) FreeEntries(maps->maps[kind]);
}

}  // namespace afx_internal

void AFXAPI AfxDeleteTempGdiAndMenuMaps() {
  for (int k = 0; k < afx_internal::kHandleKindCount; ++k)
    afx_internal::DeleteTemporaries(static_cast<afx_internal::HandleKind>(k));
}
