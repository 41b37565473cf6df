// Helpers for the resource tests: a loaded module, string loading, and one pass of an animation.
#pragma once
#include <windows.h>

#include <string>

namespace tkr {

// A module loaded with LoadLibraryExW, freed on destruction.
class Module {
 public:
  Module(const wchar_t* name, DWORD flags) : handle_(LoadLibraryExW(name, nullptr, flags)) {}
  ~Module() {
    if (handle_) FreeLibrary(handle_);
  }
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;
  operator HMODULE() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HMODULE handle_;
};

// The string resource id of the module, empty when it has none.
std::wstring LoadText(HMODULE module, UINT id);

// The full path of a file that sits beside the test program.
std::wstring BesideProgram(const wchar_t* file);

// What an animation control did with an AVI resource played once from first to last frame.
struct AnimationRun {
  bool opened = false;   // ACM_OPEN accepted the resource
  int frames = 0;        // frames the control accepts to show
  bool started = false;  // ACN_START reached the parent
  bool stopped = false;  // ACN_STOP reached the parent after the last frame
};

// Opens AVI resource id of module in a timer-driven animation control and plays it once,
// pumping messages until the control reports the end (or a few seconds pass).
AnimationRun PlayOnce(HMODULE module, UINT id);

}  // namespace tkr
