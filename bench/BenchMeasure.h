// What every benchmark measures with: wall-clock milliseconds and the process's committed
// private memory.
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

}  // namespace bench
