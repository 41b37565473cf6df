// The browser command line a grid link falls back to (window-free).
#include "grid/logic/GfxBrowserCommand.h"

std::wstring GfxBrowserCommandLine(const std::wstring& command, const std::wstring& url) {
  std::wstring line = command;
  const std::wstring::size_type quoted = line.find(L"\"%1\"");
  if (quoted != std::wstring::npos)
    line.erase(quoted);
  else {
    const std::wstring::size_type bare = line.find(L"%1");
    if (bare != std::wstring::npos) line.erase(bare);
  }
  return line + L" " + url;
}
