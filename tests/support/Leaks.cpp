// GUI object counting. wine answers GetGuiResources with ERROR_CALL_NOT_IMPLEMENTED, so the
// GDI count falls back to walking the handle table the PEB points at, validating each
// candidate handle with GetObjectType.
#include "Leaks.h"

#include <windows.h>
#include <winternl.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstring>

namespace tks {

namespace {

constexpr unsigned kGdiHandleCount = 0x10000;

// wine's table entry: object (8), owner (4), unique (2), type (1), flags (1), user pointer (8)
// on both architectures.
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiUniqueOffset = 12;
#ifdef _WIN64
constexpr size_t kPebGdiTableOffset = 0xF8;
#else
constexpr size_t kPebGdiTableOffset = 0x94;
#endif

long CountGdiFromTable() {
  // The PEB is asked for rather than read through NtCurrentTeb(): on i686 its fs-segment read
  // looks like a read of address 0 to the optimiser, which then warns.
  PROCESS_BASIC_INFORMATION info = {};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info,
                                nullptr) != 0)
    return -1;
  const auto* peb = reinterpret_cast<const std::uint8_t*>(info.PebBaseAddress);
  const std::uint8_t* table = nullptr;
  std::memcpy(&table, peb + kPebGdiTableOffset, sizeof table);
  if (!table) return -1;
  long count = 0;
  for (unsigned i = 0; i < kGdiHandleCount; ++i) {
    std::uint16_t unique = 0;
    std::memcpy(&unique, table + i * kGdiEntrySize + kGdiUniqueOffset, sizeof unique);
    const auto handle = reinterpret_cast<HGDIOBJ>(static_cast<ULONG_PTR>(i) |
                                                  (static_cast<ULONG_PTR>(unique) << 16));
    if (GetObjectType(handle) != 0) ++count;
  }
  return count;
}

BOOL CALLBACK CountChild(HWND, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM counter) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == GetCurrentProcessId()) {
    ++*reinterpret_cast<long*>(counter);
    EnumChildWindows(hwnd, CountChild, counter);  // all descendants
  }
  return TRUE;
}

long CountWindows() {
  long count = 0;
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&count));
  for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
       w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr)) {
    CountTopLevel(w, reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

}  // namespace

GuiCounts CountGuiObjects() {
  GuiCounts c;
  const HANDLE self = GetCurrentProcess();
  SetLastError(0);
  const DWORD gdi = GetGuiResources(self, GR_GDIOBJECTS);
  if (gdi != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
    c.gdi = static_cast<long>(gdi);
    c.user = static_cast<long>(GetGuiResources(self, GR_USEROBJECTS));
    return c;
  }
  c.gdi = CountGdiFromTable();
  c.user = CountWindows();
  return c;
}

GuiCounts GuiLeakCheck::Delta() const {
  const GuiCounts now = CountGuiObjects();
  GuiCounts d;
  d.gdi = now.gdi - before_.gdi;
  d.user = now.user - before_.user;
  return d;
}

KernelCounts CountKernelObjects() {
  KernelCounts counts;
  // Wine answers no process handle count: probe the handle values instead.
  for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++counts.handles;
  }
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Thread32First(snapshot, &entry); more; more = ::Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == ::GetCurrentProcessId()) ++counts.threads;
  ::CloseHandle(snapshot);
  return counts;
}

}  // namespace tks
