// Counting GDI and USER objects of this process, to catch handles a block leaves behind. The
// counting needs no test framework (benchmarks use it too); the macros expect gtest included.
#pragma once

namespace tks {

// Objects owned by this process.
struct GuiCounts {
  long gdi = 0;   // GDI objects (pens, brushes, bitmaps, DCs, regions, fonts...)
  long user = 0;  // USER objects (windows; under wine only windows are counted)
};

// Current counts: GetGuiResources where it works, otherwise (wine) the GDI handle table
// and the process's windows.
GuiCounts CountGuiObjects();

// Records the counts when created; Delta() tells what was created and not freed since.
class GuiLeakCheck {
 public:
  GuiLeakCheck() : before_(CountGuiObjects()) {}
  // Counts now minus counts at construction.
  GuiCounts Delta() const;

 private:
  GuiCounts before_;
};

// Kernel handles and threads of this process, for code that starts threads and events.
struct KernelCounts {
  long handles = 0;
  long threads = 0;
};

KernelCounts CountKernelObjects();

}  // namespace tks

// Runs the statements and expects them to leave exactly gdiDelta GDI and userDelta USER
// objects behind; a mismatch prints expected and got.
#define TKS_EXPECT_GUI_DELTA(gdiDelta, userDelta, ...)                                    \
  do {                                                                                    \
    const ::tks::GuiLeakCheck tks_leak_check_;                                            \
    __VA_ARGS__;                                                                          \
    const ::tks::GuiCounts tks_leak_delta_ = tks_leak_check_.Delta();                     \
    EXPECT_EQ(static_cast<long>(gdiDelta), tks_leak_delta_.gdi) << "GDI objects left";    \
    EXPECT_EQ(static_cast<long>(userDelta), tks_leak_delta_.user) << "USER objects left"; \
  } while (0)

// Runs the statements and expects them to leave no GDI or USER object behind.
#define TKS_EXPECT_NO_GUI_LEAK(...) TKS_EXPECT_GUI_DELTA(0, 0, __VA_ARGS__)
