// What every benchmark measures with: wall-clock milliseconds, the process's committed private
// memory and the bytes its heaps hand out.
#pragma once
#include <windows.h>

namespace bench {

inline double NowMs() {
  static LARGE_INTEGER frequency = {};
  if (!frequency.QuadPart) ::QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Committed private memory of the process, by walking its address space (the process
// counters' private usage is not kept up to date under every Windows implementation).
inline long long PrivateBytes() {
  long long total = 0;
  MEMORY_BASIC_INFORMATION info;
  const char* address = nullptr;
  while (::VirtualQuery(address, &info, sizeof(info)) == sizeof(info)) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE)
      total += static_cast<long long>(info.RegionSize);
    const char* next = static_cast<const char*>(info.BaseAddress) + info.RegionSize;
    if (next <= address) break;
    address = next;
  }
  return total;
}

// Bytes in the busy blocks of every heap of the process: what was allocated and not freed,
// whatever memory the heaps already held. Committed memory tells more about the first block of
// work than about the second, which reuses what the first freed.
inline long long HeapBytesInUse() {
  HANDLE heaps[64];
  const DWORD nHeaps = ::GetProcessHeaps(64, heaps);
  long long total = 0;
  for (DWORD i = 0; i < nHeaps && i < 64; ++i) {
    if (!::HeapLock(heaps[i])) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (::HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) total += static_cast<long long>(entry.cbData);
    ::HeapUnlock(heaps[i]);
  }
  return total;
}

}  // namespace bench
