// The process-wide default profile store of the column managers.
#include "grid/logic/GfxProfileStore.h"

#include <atomic>

namespace {
// Atomic only so that a store set at start-up is seen safely by any thread that reads it.
std::atomic<CGfxProfileStore*> g_pDefaultStore{nullptr};
}  // namespace

CGfxProfileStore* CGfxProfileStore::GetDefault() {
  return g_pDefaultStore.load();
}

void CGfxProfileStore::SetDefault(CGfxProfileStore* pStore) {
  g_pDefaultStore.store(pStore);
}
