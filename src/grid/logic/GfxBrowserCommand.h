// The browser command line a grid link falls back to when the shell cannot open the link.
#pragma once

#include <string>

// The registered browser command with its "%1" cut away, followed by a space and the address:
// cut before the first "%1" that stands in double quotes (at its opening quote), else at the
// first "%1", else keep the whole command.
std::wstring GfxBrowserCommandLine(const std::wstring& command, const std::wstring& url);
