// A real window can be created and receives its messages under the test host.
#include <windows.h>
#include <gtest/gtest.h>

TEST(WineHost, CreatesAWindow) {
  HWND w = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                           nullptr);
  ASSERT_TRUE(w != nullptr);
  wchar_t buf[8] = {};
  GetWindowTextW(w, buf, 8);
  EXPECT_STREQ(L"x", buf);
  DestroyWindow(w);
}
