// The browser command line a grid link falls back to: where the registered command is cut.
#include "grid/logic/GfxBrowserCommand.h"

#include <gtest/gtest.h>

TEST(ListCoreBrowserCommand, CutsAtTheQuotedPlaceholderItsOpeningQuoteIncluded) {
  EXPECT_EQ(
      L"\"C:\\b\\browser.exe\" -nohome  http://x/?a=1",
      GfxBrowserCommandLine(L"\"C:\\b\\browser.exe\" -nohome \"%1\" -extra", L"http://x/?a=1"));
}

TEST(ListCoreBrowserCommand, CutsAtABarePlaceholderWhenNoneIsQuoted) {
  EXPECT_EQ(L"browser.exe -url  page.htm",
            GfxBrowserCommandLine(L"browser.exe -url %1 -new", L"page.htm"));
  EXPECT_EQ(L"b.exe \"x\" %1  u", GfxBrowserCommandLine(L"b.exe \"x\" %1 \"%1\"", L"u"))
      << "the quoted placeholder wins even when a bare one comes first";
}

TEST(ListCoreBrowserCommand, KeepsACommandWithoutPlaceholderAndCopesWithEmptyInput) {
  EXPECT_EQ(L"browser.exe u", GfxBrowserCommandLine(L"browser.exe", L"u"));
  EXPECT_EQ(L" ", GfxBrowserCommandLine(L"", L""));
  EXPECT_EQ(L"\"% u", GfxBrowserCommandLine(L"\"%", L"u")) << "a lone % is no placeholder";
}
