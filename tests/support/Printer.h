// A PostScript printer in the test prefix, and reading back what was printed to a file.
#pragma once
#include <windows.h>

#include <string>

namespace tks {

// Name of the PostScript printer that InstallTestPrinter makes the default.
extern const wchar_t kTestPrinter[];

// Installs the PostScript printer (wine's driver with the cups-pdf PPD, port FILE:) once per
// prefix and makes it the default printer. False when the PPD is not on this machine.
bool InstallTestPrinter();

// Removes that printer again (its driver stays), for tests of a machine without printers.
void RemoveTestPrinter();

// Runs a Linux command line through /bin/sh and waits for it; false when it cannot start.
bool RunUnix(const std::string& commandLine);

// What a printed PostScript file reads: `pdftotext -layout` of its ps2pdf conversion, pages
// separated by form feeds; pages gets the page count. Empty when the conversion fails.
std::string PostScriptText(const std::wstring& psPath, int* pages = nullptr);

// A fresh file path in the temporary folder (the file does not exist).
std::wstring TempPath(const wchar_t* name);

}  // namespace tks
